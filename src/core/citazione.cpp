#include "core/citazione.h"

#include "core/catalogo.h"
#include "core/istruttoria.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// The right acquired, as the conclusions name it.
QString diritto(const std::optional<Tipologia>& t)
{
    switch (t.value_or(Tipologia::Proprieta)) {
    case Tipologia::Enfiteusi: return u"il diritto di enfiteusi"_s;
    case Tipologia::Usufrutto: return u"il diritto di usufrutto"_s;
    case Tipologia::Uso: return u"il diritto d'uso"_s;
    case Tipologia::Abitazione: return u"il diritto di abitazione"_s;
    case Tipologia::ServituApparenti:
        return u"il diritto di servitù "_s + daCompletare(u"contenuto della servitù e fondo dominante"_s);
    default: return u"la proprietà"_s;
    }
}

// "alla proprietà", "al diritto di usufrutto": the right after "corrispondente".
QString alDiritto(const std::optional<Tipologia>& t)
{
    const QString d = diritto(t);
    return d.startsWith(u"la "_s) ? u"alla "_s + d.mid(3) : u"al "_s + d.mid(3);
}

// "la proprietà del bene", "il diritto di usufrutto sul bene".
QString dirittoSulBene(const std::optional<Tipologia>& t, const QString& bene)
{
    const QString d = diritto(t);
    return d + (d.startsWith(u"la "_s) ? u" del bene "_s : u" sul bene "_s) + bene;
}

QString anniInLettere(int anni)
{
    switch (anni) {
    case 3: return u"tre"_s;
    case 5: return u"cinque"_s;
    case 10: return u"dieci"_s;
    case 15: return u"quindici"_s;
    case 20: return u"venti"_s;
    default: return QString::number(anni);
    }
}

QString data(const std::optional<QDate>& d) { return d ? dataCitazione(*d) : daCompletare(u"data"_s); }

// The article as the draft cites it: "art. 1158 c.c.".
QString codice(const char* articolo) { return QString::fromLatin1(articolo) + u" c.c."_s; }

// "dal 1° maggio 1990 al 1° settembre 1991", or "il 1° giugno 2000" for an act of one day.
QString periodo(const Origini& o)
{
    return o.inizioInterruzione == o.fineInterruzione
               ? u"il "_s + data(o.inizioInterruzione)
               : u"dal %1 al %2"_s.arg(data(o.inizioInterruzione), data(o.fineInterruzione));
}

// Why an interruption the defendant opposed, or the plaintiff conceded, does not count.
QStringList interruzioni(const Origini& o, const Fatti& f)
{
    QStringList r;
    const NomeInterruzione n = nomeInterruzione(o.tipoInterruzione);
    switch (o.opposizione) {
    case Opposizione::NonOltreUnAnno:
        r << u"La privazione del possesso indicata dal convenuto, %1, non si è protratta oltre un anno e non ha "
             "interrotto il possesso (art. 1167 c.c.)."_s.arg(periodo(o));
        break;
    case Opposizione::Recuperato:
        r << u"Il possesso, perduto %1, è stato recuperato con l'azione proposta entro l'anno: l'interruzione si ha "
             "come non avvenuta (art. 1167 c.c.)."_s.arg(periodo(o));
        break;
    case Opposizione::DopoCompimento:
        r << u"La %1 indicata dal convenuto (%2) è successiva al compimento dell'usucapione e non può interromperla."_s
                 .arg(n.nome, periodo(o));
        break;
    case Opposizione::Diffida:
        r << u"La diffida indicata dal convenuto (%1) non interrompe il termine dell'usucapione, che soltanto la "
             "perdita del possesso per oltre un anno, la domanda giudiziale e il riconoscimento del diritto altrui interrompono "
             "(artt. 1165 e 1167 c.c.)."_s.arg(periodo(o));
        break;
    case Opposizione::SenzaProva:
        r << u"L'interruzione affermata dal convenuto (%1) non è provata."_s.arg(periodo(o));
        break;
    case Opposizione::FuoriPossesso:
        r << u"L'interruzione affermata dal convenuto (%1) cade fuori del periodo di possesso e non lo riguarda."_s.arg(
            periodo(o));
        break;
    default: break;
    }
    if (o.attoFineDateDopoCompimento)
        r << u"La %1 del %2, indicata dal convenuto, è successiva al compimento dell'usucapione e non può "
             "interromperla."_s.arg(nomeInterruzione(o.attoFineDate).nome, data(o.dataAttoFineDate));
    if (o.interruzioneSuperata)
        r << u"Il termine, interrotto %1 (%2), è ricominciato a decorrere dal %3 e si è nuovamente compiuto."_s.arg(
            n.dal, periodo(o), data(o.ripresa));
    if (f.interruzione == Interruzione::MenoDiUnAnno)
        r << u"Le privazioni del godimento che l'attore abbia subìto non si sono mai protratte oltre un anno e non "
             "hanno interrotto il possesso (art. 1167 c.c.)."_s;
    return r;
}

}   // namespace

QString daCompletare(const QString& cosa)
{
    return cosa.isEmpty() ? u"[DA COMPLETARE]"_s : u"[DA COMPLETARE: %1]"_s.arg(cosa);
}

QString daVerificare(const QString& cosa) { return u"[DA VERIFICARE: %1]"_s.arg(cosa); }

Termine termineDellAcquisto(const Decisione& d)
{
    const Termine& compiuto = d.origini.termineCompiuto;
    return compiuto.anni >= 0 ? compiuto : termineApplicabile(d.fattori.tipologia, d.fattori.fede, d.fattori.titolo);
}

QString titoloCitazione() { return u"Bozza di atto di citazione"_s; }

QString dataCitazione(const QDate& d)
{
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    return d.day() == 1 ? italiano.toString(d, u"1° MMMM yyyy"_s) : italiano.toString(d, u"d MMMM yyyy"_s);
}

QString senzaCitazione(const Giudizio& g)
{
    if (g.decisione.esito == Esito::Vince)
        return {};
    return u"Secondo la sentenza l'attore perde la causa (regola %1): un atto di citazione chiederebbe ciò che i fatti "
           "della causa non sostengono, e la bozza non viene preparata. La sezione «%2» indica quali fatti, se "
           "provati, cambierebbero l'esito."_s.arg(g.decisione.chiave, titoloAlternative());
}

std::optional<BozzaCitazione> bozzaCitazione(const Giudizio& g)
{
    if (g.decisione.esito != Esito::Vince)
        return std::nullopt;
    const TestiCausa& t = g.causa.testi;
    const Fatti f = fattiDellaCausa(g.causa);
    const Decisione& d = g.decisione;
    const Origini& o = d.origini;
    const bool immobile = suImmobile(f.tipologia);
    const Termine termine = termineDellAcquisto(d);
    const bool consegna = termine.anni == 0;   // art. 1153: ownership with the delivery, no term
    const Termine lungo = termineApplicabile(f.tipologia, Fede::Mala, Titolo::Mancante);
    const bool breve = termine.anni >= 0 && termine.anni < lungo.anni;
    // The thing as typed, in quotes; an immovable "sito in", a movable "che si trova in".
    const QString bene = u"«%1»"_s.arg(t.bene.trimmed()), luogo = t.luogo.trimmed();
    const QString sito = immobile ? u"sito in"_s : u"che si trova in"_s;
    const QString identificativi = immobile ? daCompletare(u"dati catastali: foglio, particella, subalterno, confini"_s)
                                            : daCompletare(f.tipologia == Tipologia::MobiliRegistrati
                                                               ? u"dati di iscrizione nel pubblico registro"_s
                                                               : u"descrizione che identifichi il bene"_s);

    BozzaCitazione b;
    b.avvertenza = u"BOZZA preparata da Possidoria con i dati della causa e la sentenza simulata: non è un atto "
                   "pronto per la notifica. Va completata nelle parti tra parentesi quadre, verificata "
                   "dall'avvocato in ogni sua parte e adattata al caso concreto."_s;
    b.tribunale = u"TRIBUNALE DI "_s + (luogo.isEmpty() ? daCompletare() : luogo.toUpper());
    b.notaTribunale =
        immobile ? daVerificare(u"è competente il tribunale del luogo in cui si trova l'immobile (art. 21 c.p.c.); il "
                                "nome è tratto dal luogo indicato nella causa, «%1»"_s.arg(luogo))
                 : daVerificare(u"per i beni mobili valgono i fori generali del convenuto (artt. 18 e 19 c.p.c.) e la "
                                "competenza per valore (art. 7 c.p.c.); il nome è tratto dal luogo indicato nella "
                                "causa, «%1»"_s.arg(luogo));

    b.sezioni.push_back(
        {u"ATTO DI CITAZIONE"_s,
         {u"%1 (codice fiscale %2; luogo e data di nascita %3; residenza %4), attore, con il patrocinio dell'avv. %5 "
          "(codice fiscale %6; PEC %7), in forza di procura alle liti %8, con domicilio eletto presso il suo studio in "
          "%9,"_s.arg(t.attore.trimmed(), daCompletare(), daCompletare(), daCompletare(), daCompletare(),
                      daCompletare(), daCompletare(), daCompletare(u"in calce o allegata"_s), daCompletare()),
          u"premesso quanto segue, espone:"_s},
         false});

    // The facts, from the record and the decision.
    QStringList fatti;
    fatti << u"L'attore possiede dal %1 il bene %2, %3 %4 %5."_s.arg(data(o.inizio), bene, sito, luogo, identificativi);
    if (f.tipologia == Tipologia::PiccolaProprietaRurale)
        fatti << u"Il bene è un fondo rustico con annessi fabbricati, destinato all'attività agricola %1."_s.arg(
            daVerificare(u"che il comune sia classificato montano o che il reddito del fondo non superi i limiti "
                         "fissati dalla legge speciale (art. 1159-bis c.c.)"_s));
    if (o.cessazioneVizio)
        fatti << u"Il possesso, acquistato in modo violento o clandestino, è divenuto pacifico e pubblico dal %1, "
                 "giorno in cui la violenza o la clandestinità sono cessate: da quel giorno esso giova "
                 "all'usucapione (art. 1163 c.c.)."_s.arg(data(o.cessazioneVizio));
    else
        fatti << u"Il possesso fu acquistato senza violenza né clandestinità ed è stato esercitato da allora in modo "
                 "pacifico e pubblico, alla vista di tutti %1."_s.arg(daCompletare(u"gli atti di possesso compiuti"_s));
    fatti << u"L'attore ha posseduto il bene come titolare del diritto, esercitando su di esso un'attività "
             "corrispondente %1, e non come detentore per conto altrui (artt. 1140 e 1141 c.c.)."_s.arg(
                 alDiritto(f.tipologia));
    if (consegna)
        fatti << u"L'attore ha ricevuto la consegna del bene il %1, in buona fede, da chi non ne era proprietario, in "
                 "forza di un titolo idoneo a trasferirne la proprietà %2."_s.arg(
                     data(o.inizioTermine), daCompletare(u"natura, data ed estremi del titolo"_s));
    else if (breve)
        fatti << u"L'attore ha acquistato il bene in buona fede da chi non ne era proprietario, in forza di un titolo "
                 "idoneo a trasferire il diritto %1%2."_s.arg(
                     daCompletare(u"natura, data ed estremi del titolo"_s),
                     termine.daTrascrizione ? (
                         f.trascrizione
                             ? u", trascritto il %1"_s.arg(data(f.trascrizione))
                             : u", trascritto il %1 %2"_s.arg(daCompletare(u"data della trascrizione"_s),
                                                              daVerificare(u"la causa non indica la data della "
                                                                           "trascrizione, da cui decorre il termine: "
                                                                           "esso è stato contato dall'inizio del "
                                                                           "possesso"_s)))
                                            : QString());
    fatti << interruzioni(o, f);
    fatti << u"Il possesso si è protratto fino al %1."_s.arg(data(o.fine));
    if (consegna)
        fatti << u"Con la consegna ricevuta il %1 l'attore ha acquistato la proprietà del bene (art. 1153 c.c.)."_s.arg(
            data(d.compiuta));
    else
        fatti
            << u"Il %1 si è compiuto il termine di %2 anni previsto dall'%3, decorrente dal %4: a quel giorno l'attore "
               "ha acquistato per usucapione %5."_s.arg(data(d.compiuta), anniInLettere(termine.anni),
                                                        codice(termine.articolo), data(o.inizioTermine),
                                                        dirittoSulBene(f.tipologia, QString()).trimmed());
    if (immobile)
        fatti << u"L'attore ha interesse a far accertare l'acquisto con sentenza, da trascrivere nei registri "
                 "immobiliari (art. 2651 c.c.)."_s;
    else
        fatti << u"L'attore ha interesse a far accertare l'acquisto con sentenza, opponibile al convenuto."_s;
    b.sezioni.push_back({u"FATTO"_s, fatti, true});

    // The law the judgment rests on, cited by number.
    QStringList diritti;
    if (consegna)
        diritti
            << u"Chi riceve in buona fede la consegna di un bene mobile da chi non ne è proprietario, in forza di un "
               "titolo idoneo al trasferimento della proprietà, ne acquista la proprietà con il possesso (art. "
               "1153 c.c.); la buona fede si presume e basta che vi sia stata al tempo della consegna (art. 1147 "
               "c.c.)."_s;
    else
        diritti
            << u"Il possesso, cioè il potere sulla cosa che si manifesta in un'attività corrispondente all'esercizio "
               "del diritto (art. 1140 c.c.), continuato per il tempo stabilito dalla legge ne fa acquistare la "
               "titolarità: l'%1 fissa il termine in %2 anni%3."_s.arg(
                   codice(termine.articolo), anniInLettere(termine.anni),
                   termine.daTrascrizione ? u", decorrenti dalla trascrizione del titolo"_s : QString());
    diritti << u"Il possesso si presume in chi esercita il potere di fatto (art. 1141 c.c.) e, provato quello iniziale "
               "e quello attuale, si presume anche nel tempo intermedio (art. 1142 c.c.)."_s;
    if (breve && !consegna)
        diritti << u"La buona fede si presume e basta che vi sia stata al tempo dell'acquisto (art. 1147 c.c.)."_s;
    if (o.cessazioneVizio)
        diritti << u"Il possesso acquistato in modo violento o clandestino giova all'usucapione dal giorno in cui la "
                   "violenza o la clandestinità sono cessate (art. 1163 c.c.)."_s;
    if (o.opposizione != Opposizione::NonProposta || o.attoFineDate != TipoInterruzione::Nessuna
        || f.interruzione == Interruzione::MenoDiUnAnno)
        diritti
            << u"L'usucapione è interrotta soltanto dalla perdita del possesso per oltre un anno (art. 1167 c.c.) e, "
               "in quanto applicabili, dalle cause che interrompono la prescrizione (art. 1165 c.c.): la domanda "
               "giudiziale (art. 2943 c.c.) e il riconoscimento del diritto altrui (art. 2944 c.c.)."_s;
    if (immobile)
        diritti << u"La sentenza che accerta l'acquisto per usucapione di un diritto su un immobile si trascrive (art. "
                   "2651 c.c.)."_s;
    b.sezioni.push_back({u"DIRITTO"_s, diritti, false});

    b.sezioni.push_back(
        {u"MEDIAZIONE"_s,
         {u"La controversia riguarda diritti reali: il procedimento di mediazione previsto dall'art. 5 del d.lgs. 4 marzo "
          "2010, n. 28, è condizione di procedibilità della domanda. L'attore dichiara di averlo esperito presso %1, "
          "con il seguente esito: %2."_s.arg(
              daCompletare(u"organismo di mediazione"_s),
              daCompletare(u"data del primo incontro ed esito risultante dal verbale"_s))},
         false});

    // The chapters of proof, one for each fact the plaintiff must prove, and the documents.
    const std::optional<QDate> daQuando = o.cessazioneVizio ? o.cessazioneVizio : o.inizio;
    QStringList capitoli;
    capitoli << u"Vero che dal %1 l'attore possiede il bene %2, %3 %4, %5, in modo pacifico e pubblico, alla vista "
                "di tutti."_s.arg(data(daQuando), bene, sito, luogo,
                                  daCompletare(u"gli atti di godimento: coltivazione, recinzione, "
                                               "manutenzione, uso"_s));
    capitoli << u"Vero che dal %1 al %2 l'attore ha goduto del bene come titolare del diritto, senza chiedere permessi "
                "ad alcuno e senza corrispondere canoni."_s.arg(data(daQuando), data(o.fine));
    capitoli << u"Vero che dal %1 al %2 l'attore ha goduto del bene con continuità, %3."_s.arg(
        data(daQuando), data(o.fine), daCompletare(u"con quale frequenza e in quali modi"_s));
    if (o.opposizione == Opposizione::Recuperato || o.opposizione == Opposizione::NonOltreUnAnno)
        capitoli << u"Vero che il %1 l'attore è rientrato nel godimento del bene."_s.arg(data(o.fineInterruzione));
    if (consegna || breve)
        capitoli << u"Vero che l'attore ha ricevuto il bene in esecuzione del titolo %1 e da allora lo possiede."_s.arg(
            daCompletare(u"estremi del titolo"_s));
    QStringList prove;
    prove << u"Si chiede di essere ammessi a provare per testimoni i seguenti capitoli:"_s;
    for (int i = 0; i < capitoli.size(); ++i)
        prove << u"%1) %2"_s.arg(i + 1).arg(capitoli[i]);
    prove << u"Si indicano a testimoni: %1."_s.arg(daCompletare(u"nomi e indirizzi dei testimoni"_s));
    QStringList documenti;
    if (immobile)
        documenti << u"visura e planimetria catastale ed estratto di mappa del bene"_s
                  << u"ispezione ipotecaria sul bene"_s;
    else if (f.tipologia == Tipologia::MobiliRegistrati)
        documenti << u"estratto del pubblico registro in cui il bene è iscritto"_s;
    if (consegna || breve)
        documenti << (termine.daTrascrizione ? u"copia autentica del titolo e nota della sua trascrizione"_s
                                             : u"copia del titolo"_s);
    if (o.opposizione == Opposizione::Recuperato)
        documenti << u"atti del giudizio con cui il possesso è stato recuperato"_s;
    documenti << u"verbale del procedimento di mediazione"_s
              << u"documenti datati degli atti di possesso %1"_s.arg(daCompletare());
    prove << u"Si producono i seguenti documenti:"_s;
    for (int i = 0; i < documenti.size(); ++i)
        prove << u"%1) %2;"_s.arg(i + 1).arg(documenti[i]);
    b.sezioni.push_back({u"ISTANZE ISTRUTTORIE"_s, prove, false});

    b.sezioni.push_back(
        {u"CITA"_s,
         {u"%1 (codice fiscale %2), residente in %3, a comparire davanti al Tribunale di %4, giudice designato ai sensi "
          "dell'art. 168-bis c.p.c., all'udienza del %5, con l'invito a costituirsi e gli avvertimenti prescritti "
          "dall'art. 163, terzo comma, n. 7, c.p.c. %6, per ivi sentire accogliere le seguenti"_s.arg(
              t.convenuto.trimmed(), daCompletare(), daCompletare(), luogo.isEmpty() ? daCompletare() : luogo,
              daCompletare(u"data dell'udienza di comparizione, nel rispetto dei termini di legge"_s),
              daCompletare(u"testo dell'invito e degli avvertimenti nella formulazione vigente"_s))},
         false});

    QStringList conclusioni;
    conclusioni << u"Voglia il Tribunale adito, respinta ogni contraria istanza, eccezione e deduzione:"_s;
    if (consegna)
        conclusioni << u"accertare e dichiarare che %1 ha acquistato la proprietà del bene %2, %3 %4 %5, con la "
                       "consegna ricevuta il %6 in buona fede e in forza di titolo idoneo (art. 1153 c.c.);"_s.arg(
                           t.attore.trimmed(), bene, sito, luogo, identificativi, data(d.compiuta));
    else
        conclusioni << u"accertare e dichiarare che %1 ha acquistato per usucapione %2, %3 %4 %5, per effetto del "
                       "possesso continuato dal %6, con usucapione compiutasi il %7 (%8);"_s.arg(
                           t.attore.trimmed(), dirittoSulBene(f.tipologia, bene), sito, luogo, identificativi,
                           data(o.inizioTermine), data(d.compiuta), codice(termine.articolo));
    if (immobile)
        conclusioni << u"ordinare al competente Servizio di pubblicità immobiliare la trascrizione dell'emananda "
                       "sentenza ai sensi dell'art. 2651 c.c., con esonero da ogni responsabilità;"_s;
    else if (f.tipologia == Tipologia::MobiliRegistrati)
        conclusioni << u"ordinare la trascrizione dell'emananda sentenza nel pubblico registro in cui il bene è "
                       "iscritto %1;"_s.arg(daVerificare(u"la norma che la prescrive per quel registro"_s));
    conclusioni << u"con vittoria di spese e compensi del giudizio."_s;
    b.sezioni.push_back({u"CONCLUSIONI"_s, conclusioni, false});

    b.sezioni.push_back(
        {QString(),
         {u"Ai fini del contributo unificato si dichiara che il valore della causa è %1."_s.arg(daCompletare()),
          u"%1, %2"_s.arg(luogo.isEmpty() ? daCompletare() : luogo, daCompletare(u"data"_s)),
          u"Avv. %1"_s.arg(daCompletare()), u"Procura alle liti e relata di notificazione: %1"_s.arg(daCompletare())},
         false});
    return b;
}
