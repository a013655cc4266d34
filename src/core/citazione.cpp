#include "core/citazione.h"

#include "core/catalogo.h"
#include "core/istruttoria.h"

#include <QLocale>

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

// The right acquired, as the conclusions name it.
QString diritto(const std::optional<Tipologia>& t)
{
    switch (t.value_or(Tipologia::Proprieta)) {
    case Tipologia::Enfiteusi: return u("il diritto di enfiteusi");
    case Tipologia::Usufrutto: return u("il diritto di usufrutto");
    case Tipologia::Uso: return u("il diritto d'uso");
    case Tipologia::Abitazione: return u("il diritto di abitazione");
    case Tipologia::ServituApparenti:
        return u("il diritto di servitù ") + daCompletare(u("contenuto della servitù e fondo dominante"));
    default: return u("la proprietà");
    }
}

// "alla proprietà", "al diritto di usufrutto": the right after "corrispondente".
QString alDiritto(const std::optional<Tipologia>& t)
{
    const QString d = diritto(t);
    return d.startsWith(u("la ")) ? u("alla ") + d.mid(3) : u("al ") + d.mid(3);
}

// "la proprietà del bene", "il diritto di usufrutto sul bene".
QString dirittoSulBene(const std::optional<Tipologia>& t, const QString& bene)
{
    const QString d = diritto(t);
    return d + (d.startsWith(u("la ")) ? u(" del bene ") : u(" sul bene ")) + bene;
}

QString anniInLettere(int anni)
{
    switch (anni) {
    case 3: return u("tre");
    case 5: return u("cinque");
    case 10: return u("dieci");
    case 15: return u("quindici");
    case 20: return u("venti");
    default: return QString::number(anni);
    }
}

QString data(const std::optional<QDate>& d) { return d ? dataCitazione(*d) : daCompletare(u("data")); }

// The article as the draft cites it: "art. 1158 c.c.".
QString codice(const char* articolo) { return QString::fromLatin1(articolo) + u(" c.c."); }

// "dal 1° maggio 1990 al 1° settembre 1991", or "il 1° giugno 2000" for an act of one day.
QString periodo(const Origini& o)
{
    return o.inizioInterruzione == o.fineInterruzione
               ? u("il ") + data(o.inizioInterruzione)
               : u("dal %1 al %2").arg(data(o.inizioInterruzione), data(o.fineInterruzione));
}

// Why an interruption the defendant opposed, or the plaintiff conceded, does not count.
QStringList interruzioni(const Origini& o, const Fatti& f)
{
    QStringList r;
    const NomeInterruzione n = nomeInterruzione(o.tipoInterruzione);
    switch (o.opposizione) {
    case Opposizione::NonOltreUnAnno:
        r << u("La privazione del possesso indicata dal convenuto, %1, non si è protratta oltre un anno e non ha "
               "interrotto il possesso (art. 1167 c.c.).")
                 .arg(periodo(o));
        break;
    case Opposizione::Recuperato:
        r << u("Il possesso, perduto %1, è stato recuperato con l'azione proposta entro l'anno: l'interruzione si ha "
               "come non avvenuta (art. 1167 c.c.).")
                 .arg(periodo(o));
        break;
    case Opposizione::DopoCompimento:
        r << u("La %1 indicata dal convenuto (%2) è successiva al compimento dell'usucapione e non può interromperla.")
                 .arg(n.nome, periodo(o));
        break;
    case Opposizione::Diffida:
        r << u("La diffida indicata dal convenuto (%1) non interrompe il possesso, che soltanto la perdita del "
               "possesso per oltre un anno, la domanda giudiziale e il riconoscimento del diritto altrui interrompono "
               "(artt. 1165 e 1167 c.c.).")
                 .arg(periodo(o));
        break;
    case Opposizione::SenzaProva:
        r << u("L'interruzione affermata dal convenuto (%1) non è provata.").arg(periodo(o));
        break;
    case Opposizione::FuoriPossesso:
        r << u("L'interruzione affermata dal convenuto (%1) cade fuori del periodo di possesso e non lo riguarda.")
                 .arg(periodo(o));
        break;
    default: break;
    }
    if (o.attoFineDateDopoCompimento)
        r << u("La %1 del %2, indicata dal convenuto, è successiva al compimento dell'usucapione e non può "
               "interromperla.")
                 .arg(nomeInterruzione(o.attoFineDate).nome, data(o.dataAttoFineDate));
    if (o.interruzioneSuperata)
        r << u("Dopo l'interruzione %1 il termine è ricominciato a decorrere dal %2 e si è nuovamente compiuto.")
                 .arg(n.dal, data(o.ripresa));
    if (f.interruzione == Interruzione::MenoDiUnAnno)
        r << u("Le privazioni del godimento che l'attore abbia subìto non si sono mai protratte oltre un anno e non "
               "hanno interrotto il possesso (art. 1167 c.c.).");
    return r;
}

}   // namespace

QString daCompletare(const QString& cosa)
{
    return cosa.isEmpty() ? u("[DA COMPLETARE]") : u("[DA COMPLETARE: %1]").arg(cosa);
}

QString daVerificare(const QString& cosa) { return u("[DA VERIFICARE: %1]").arg(cosa); }

QString titoloCitazione() { return u("Bozza di atto di citazione"); }

QString dataCitazione(const QDate& d)
{
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    return d.day() == 1 ? italiano.toString(d, u("1° MMMM yyyy")) : italiano.toString(d, u("d MMMM yyyy"));
}

QString senzaCitazione(const Giudizio& g)
{
    if (g.decisione.esito == Esito::Vince)
        return {};
    return u("Secondo la sentenza l'attore perde la causa (regola %1): un atto di citazione chiederebbe ciò che i fatti "
             "della causa non sostengono, e la bozza non viene preparata. La sezione «%2» indica quali fatti, se "
             "provati, cambierebbero l'esito.")
        .arg(g.decisione.chiave, titoloAlternative());
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
    const Termine termine = o.termineCompiuto;
    const bool consegna = termine.anni == 0;   // art. 1153: ownership with the delivery, no term
    const Termine lungo = termineApplicabile(f.tipologia, Fede::Mala, Titolo::Mancante);
    const bool breve = termine.anni >= 0 && termine.anni < lungo.anni;
    const QString bene = t.bene.trimmed(), luogo = t.luogo.trimmed();
    const QString identificativi = immobile ? daCompletare(u("dati catastali: foglio, particella, subalterno, confini"))
                                            : daCompletare(f.tipologia == Tipologia::MobiliRegistrati
                                                               ? u("dati di iscrizione nel pubblico registro")
                                                               : u("descrizione che identifichi il bene"));

    BozzaCitazione b;
    b.avvertenza = u("BOZZA preparata da Possidoria con i dati della causa e la sentenza simulata: non è un atto "
                     "pronto per la notifica. Va completata nelle parti tra parentesi quadre, verificata "
                     "dall'avvocato in ogni sua parte e adattata al caso concreto.");
    b.tribunale = u("TRIBUNALE DI ") + (luogo.isEmpty() ? daCompletare() : luogo.toUpper());
    b.notaTribunale =
        immobile ? daVerificare(u("è competente il tribunale del luogo in cui si trova l'immobile (art. 21 c.p.c.); il "
                                  "nome è tratto dal luogo indicato nella causa, «%1»")
                                    .arg(luogo))
                 : daVerificare(u("per i beni mobili valgono i fori generali del convenuto (artt. 18 e 19 c.p.c.) e la "
                                  "competenza per valore (art. 7 c.p.c.); il nome è tratto dal luogo indicato nella "
                                  "causa, «%1»")
                                    .arg(luogo));

    b.sezioni.push_back(
        {u("ATTO DI CITAZIONE"),
         {u("%1 (codice fiscale %2; luogo e data di nascita %3; residenza %4), attore, con il patrocinio dell'avv. %5 "
            "(codice fiscale %6; PEC %7), in forza di procura alle liti %8, con domicilio eletto presso il suo studio in "
            "%9,")
              .arg(t.attore.trimmed(), daCompletare(), daCompletare(), daCompletare(), daCompletare(), daCompletare(),
                   daCompletare(), daCompletare(u("in calce o allegata")), daCompletare()),
          u("premesso quanto segue, espone:")},
         false});

    // The facts, from the record and the decision.
    QStringList fatti;
    fatti << u("L'attore possiede dal %1 il bene %2, sito in %3 %4.").arg(data(o.inizio), bene, luogo, identificativi);
    if (o.cessazioneVizio)
        fatti << u("Il possesso, acquistato in modo violento o clandestino, è divenuto pacifico e pubblico dal %1, "
                   "giorno in cui la violenza o la clandestinità sono cessate: da quel giorno esso giova "
                   "all'usucapione (art. 1163 c.c.).")
                     .arg(data(o.cessazioneVizio));
    else
        fatti << u("Il possesso fu acquistato senza violenza né clandestinità ed è stato esercitato da allora in modo "
                   "pacifico e pubblico, alla vista di tutti %1.")
                     .arg(daCompletare(u("gli atti di possesso compiuti")));
    fatti << u("L'attore ha posseduto il bene come titolare del diritto, esercitando su di esso un'attività "
               "corrispondente %1, e non come detentore per conto altrui (artt. 1140 e 1141 c.c.).")
                 .arg(alDiritto(f.tipologia));
    if (consegna)
        fatti << u("L'attore ha ricevuto la consegna del bene il %1, in buona fede, da chi non ne era proprietario, in "
                   "forza di un titolo idoneo a trasferirne la proprietà %2.")
                     .arg(data(o.inizioTermine), daCompletare(u("natura, data ed estremi del titolo")));
    else if (breve)
        fatti << u("L'attore ha acquistato il bene in buona fede da chi non ne era proprietario, in forza di un titolo "
                   "idoneo a trasferire il diritto %1%2.")
                     .arg(daCompletare(u("natura, data ed estremi del titolo")),
                          termine.daTrascrizione
                              ? (f.trascrizione ? u(", trascritto il %1").arg(data(f.trascrizione))
                                                : u(", trascritto il %1 %2")
                                                      .arg(daCompletare(u("data della trascrizione")),
                                                           daVerificare(u("la causa non indica la data della "
                                                                          "trascrizione, da cui decorre il termine: "
                                                                          "esso è stato contato dall'inizio del "
                                                                          "possesso"))))
                              : QString());
    fatti << interruzioni(o, f);
    fatti << u("Il possesso si è protratto fino al %1.").arg(data(o.fine));
    if (consegna)
        fatti << u("Con la consegna ricevuta il %1 l'attore ha acquistato la proprietà del bene (art. 1153 c.c.).")
                     .arg(data(d.compiuta));
    else
        fatti
            << u("Il %1 si è compiuto il termine di %2 anni previsto dall'%3, decorrente dal %4: a quel giorno l'attore "
                 "ha acquistato per usucapione %5.")
                   .arg(data(d.compiuta), anniInLettere(termine.anni), codice(termine.articolo), data(o.inizioTermine),
                        dirittoSulBene(f.tipologia, QString()).trimmed());
    if (immobile)
        fatti << u("L'attore ha interesse a far accertare l'acquisto con sentenza, da trascrivere nei registri "
                   "immobiliari (art. 2651 c.c.).");
    else
        fatti << u("L'attore ha interesse a far accertare l'acquisto con sentenza, opponibile al convenuto.");
    b.sezioni.push_back({u("FATTO"), fatti, true});

    // The law the judgment rests on, cited by number.
    QStringList diritti;
    if (consegna)
        diritti << u(
            "Chi riceve in buona fede la consegna di un bene mobile da chi non ne è proprietario, in forza di un "
            "titolo idoneo al trasferimento della proprietà, ne acquista la proprietà con il possesso (art. "
            "1153 c.c.); la buona fede si presume e basta che vi sia stata al tempo della consegna (art. 1147 "
            "c.c.).");
    else
        diritti
            << u("Il possesso, cioè il potere sulla cosa che si manifesta in un'attività corrispondente all'esercizio "
                 "del diritto (art. 1140 c.c.), continuato per il tempo stabilito dalla legge ne fa acquistare la "
                 "titolarità: l'%1 fissa il termine in %2 anni%3.")
                   .arg(codice(termine.articolo), anniInLettere(termine.anni),
                        termine.daTrascrizione ? u(", decorrenti dalla trascrizione del titolo") : QString());
    diritti << u(
        "Il possesso si presume in chi esercita il potere di fatto (art. 1141 c.c.) e, provato quello iniziale "
        "e quello attuale, si presume anche nel tempo intermedio (art. 1142 c.c.).");
    if (breve && !consegna)
        diritti << u("La buona fede si presume e basta che vi sia stata al tempo dell'acquisto (art. 1147 c.c.).");
    if (o.cessazioneVizio)
        diritti << u("Il possesso acquistato in modo violento o clandestino giova all'usucapione dal giorno in cui la "
                     "violenza o la clandestinità sono cessate (art. 1163 c.c.).");
    if (o.opposizione != Opposizione::NonProposta || o.attoFineDate != TipoInterruzione::Nessuna
        || f.interruzione == Interruzione::MenoDiUnAnno)
        diritti << u(
            "L'usucapione è interrotta soltanto dalla perdita del possesso per oltre un anno (art. 1167 c.c.) e, "
            "in quanto applicabili, dalle cause che interrompono la prescrizione (art. 1165 c.c.): la domanda "
            "giudiziale (art. 2943 c.c.) e il riconoscimento del diritto altrui (art. 2944 c.c.).");
    if (immobile)
        diritti << u(
            "La sentenza che accerta l'acquisto per usucapione di un diritto su un immobile si trascrive (art. "
            "2651 c.c.).");
    b.sezioni.push_back({u("DIRITTO"), diritti, false});

    b.sezioni.push_back(
        {u("MEDIAZIONE"),
         {u("La controversia riguarda diritti reali: il procedimento di mediazione previsto dall'art. 5 del d.lgs. 4 marzo "
            "2010, n. 28, è condizione di procedibilità della domanda. L'attore dichiara di averlo esperito presso %1, "
            "con il seguente esito: %2.")
              .arg(daCompletare(u("organismo di mediazione")),
                   daCompletare(u("data del primo incontro ed esito risultante dal verbale")))},
         false});

    // The chapters of proof, one for each fact the plaintiff must prove, and the documents.
    const std::optional<QDate> daQuando = o.cessazioneVizio ? o.cessazioneVizio : o.inizio;
    QStringList capitoli;
    capitoli
        << u("Vero che dal %1 l'attore possiede il bene %2, sito in %3, %4, in modo pacifico e pubblico, alla vista "
             "di tutti.")
               .arg(data(daQuando), bene, luogo,
                    daCompletare(u("gli atti di godimento: coltivazione, recinzione, "
                                   "manutenzione, uso")));
    capitoli
        << u("Vero che dal %1 al %2 l'attore ha goduto del bene come titolare del diritto, senza chiedere permessi "
             "ad alcuno e senza corrispondere canoni.")
               .arg(data(daQuando), data(o.fine));
    capitoli << u("Vero che dal %1 al %2 l'attore ha goduto del bene con continuità, %3.")
                    .arg(data(daQuando), data(o.fine), daCompletare(u("con quale frequenza e in quali modi")));
    if (o.opposizione == Opposizione::Recuperato || o.opposizione == Opposizione::NonOltreUnAnno)
        capitoli << u("Vero che il %1 l'attore è rientrato nel godimento del bene.").arg(data(o.fineInterruzione));
    if (consegna || breve)
        capitoli << u("Vero che l'attore ha ricevuto il bene in esecuzione del titolo %1 e da allora lo possiede.")
                        .arg(daCompletare(u("estremi del titolo")));
    QStringList prove;
    prove << u("Si chiede di essere ammessi a provare per testimoni i seguenti capitoli:");
    for (int i = 0; i < capitoli.size(); ++i)
        prove << u("%1) %2").arg(i + 1).arg(capitoli[i]);
    prove << u("Si indicano a testimoni: %1.").arg(daCompletare(u("nomi e indirizzi dei testimoni")));
    QStringList documenti;
    if (immobile)
        documenti << u("visura e planimetria catastale ed estratto di mappa del bene")
                  << u("ispezione ipotecaria sul bene");
    else if (f.tipologia == Tipologia::MobiliRegistrati)
        documenti << u("estratto del pubblico registro in cui il bene è iscritto");
    if (consegna || breve)
        documenti << (termine.daTrascrizione ? u("copia autentica del titolo e nota della sua trascrizione")
                                             : u("copia del titolo"));
    if (o.opposizione == Opposizione::Recuperato)
        documenti << u("atti del giudizio con cui il possesso è stato recuperato");
    documenti << u("verbale del procedimento di mediazione")
              << u("documenti datati degli atti di possesso %1").arg(daCompletare());
    prove << u("Si producono i seguenti documenti:");
    for (int i = 0; i < documenti.size(); ++i)
        prove << u("%1) %2;").arg(i + 1).arg(documenti[i]);
    b.sezioni.push_back({u("ISTANZE ISTRUTTORIE"), prove, false});

    b.sezioni.push_back(
        {u("CITA"),
         {u("%1 (codice fiscale %2), residente in %3, a comparire davanti al Tribunale di %4, giudice designato ai sensi "
            "dell'art. 168-bis c.p.c., all'udienza del %5, con l'invito a costituirsi e gli avvertimenti prescritti "
            "dall'art. 163, terzo comma, n. 7, c.p.c. %6, per ivi sentire accogliere le seguenti")
              .arg(t.convenuto.trimmed(), daCompletare(), daCompletare(), luogo.isEmpty() ? daCompletare() : luogo,
                   daCompletare(u("data dell'udienza di comparizione, nel rispetto dei termini di legge")),
                   daCompletare(u("testo dell'invito e degli avvertimenti nella formulazione vigente")))},
         false});

    QStringList conclusioni;
    conclusioni << u("Voglia il Tribunale adito, respinta ogni contraria istanza, eccezione e deduzione:");
    if (consegna)
        conclusioni << u("accertare e dichiarare che %1 ha acquistato la proprietà del bene %2, sito in %3 %4, con la "
                         "consegna ricevuta il %5 in buona fede e in forza di titolo idoneo (art. 1153 c.c.);")
                           .arg(t.attore.trimmed(), bene, luogo, identificativi, data(d.compiuta));
    else
        conclusioni
            << u("accertare e dichiarare che %1 ha acquistato per usucapione %2, sito in %3 %4, per effetto del "
                 "possesso continuato dal %5, con usucapione compiutasi il %6 (%7);")
                   .arg(t.attore.trimmed(), dirittoSulBene(f.tipologia, bene), luogo, identificativi,
                        data(o.inizioTermine), data(d.compiuta), codice(termine.articolo));
    if (immobile)
        conclusioni << u("ordinare al competente Servizio di pubblicità immobiliare la trascrizione dell'emananda "
                         "sentenza ai sensi dell'art. 2651 c.c., con esonero da ogni responsabilità;");
    else if (f.tipologia == Tipologia::MobiliRegistrati)
        conclusioni << u("ordinare la trascrizione dell'emananda sentenza nel pubblico registro in cui il bene è "
                         "iscritto %1;")
                           .arg(daVerificare(u("la norma che la prescrive per quel registro")));
    conclusioni << u("con vittoria di spese e compensi del giudizio.");
    b.sezioni.push_back({u("CONCLUSIONI"), conclusioni, false});

    b.sezioni.push_back(
        {QString(),
         {u("Ai fini del contributo unificato si dichiara che il valore della causa è %1.").arg(daCompletare()),
          u("%1, %2").arg(luogo.isEmpty() ? daCompletare() : luogo, daCompletare(u("data"))),
          u("Avv. %1").arg(daCompletare()), u("Procura alle liti e relata di notificazione: %1").arg(daCompletare())},
         false});
    return b;
}
