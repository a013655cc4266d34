#include "core/spiegazione.h"

#include "core/date.h"
#include "core/catalogo.h"
#include "core/tabellecausa.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString anni(int n) { return n == 1 ? u"1 anno"_s : QString::number(n) + u" anni"_s; }

QString giorni(int n) { return n == 1 ? u"1 giorno"_s : QString::number(n) + u" giorni"_s; }

QString durata(int a, int g) { return g > 0 ? anni(a) + u" e "_s + giorni(g) : anni(a); }

// " (dichiarato dall'attore)" or " (provata dal convenuto)": the ending agrees with the noun.
QString fonte(Fonte f, QChar finale)
{
    return f == Fonte::Attore ? u" (dichiarat"_s + finale + u" dall'attore)"_s
                              : u" (provat"_s + finale + u" dal convenuto)"_s;
}

QString data(const std::optional<QDate>& d) { return d ? Date::formaBreve(*d) : QString(); }

QString rigaAnni(const Decisione& d)
{
    const Origini& o = d.origini;
    QString r = u"Anni di possesso considerati: "_s + QString::number(d.fattori.anni);
    if (o.interruzioneSuperata)
        return r + u", dalla fine dell'interruzione ("_s + data(o.fineInterruzione) + u") alla fine del possesso ("_s
               + data(o.fine) + u")."_s;
    if (o.anni == Fonte::Convenuto) {
        const QString quali = o.inizioDa == Fonte::Convenuto && o.fineDa == Fonte::Convenuto
                                  ? u"secondo le date provate dal convenuto"_s
                              : o.inizioDa == Fonte::Convenuto ? u"secondo la data d'inizio provata dal convenuto"_s
                                                               : u"secondo la data di fine provata dal convenuto"_s;
        return r + u", "_s + quali + u" (l'attore ne indicava "_s + QString::number(o.anniAttore) + u")."_s;
    }
    if ((o.opposizione == Opposizione::DopoCompimento || o.attoFineDateDopoCompimento) && o.termineCompiuto.anni <= 0)
        return u"Anni di possesso considerati: nessuno, perché la proprietà si è acquistata con la consegna (art. "
               u"1153)."_s;
    if (o.opposizione == Opposizione::DopoCompimento || o.attoFineDateDopoCompimento)
        return r + u", dall'inizio del termine ("_s + data(o.inizioTermine)
               + u") all'interruzione successiva al suo compimento."_s;
    if (o.termineDallaTrascrizione)
        return r + u", dalla trascrizione del titolo ("_s + data(o.inizioTermine)
               + u"), dalla quale decorre il termine più breve, alla fine del possesso ("_s + data(o.fine) + u")."_s;
    if (o.cessazioneVizio)
        return r + u", dal giorno in cui sono cessate la violenza o la clandestinità ("_s + data(o.cessazioneVizio)
               + u", art. 1163) alla fine del possesso ("_s + data(o.fine) + u")."_s;
    r += u", secondo le date dell'attore"_s;
    if (o.dateConvenutoSenzaProva)
        r += u" (le date del convenuto prive di prova, o provate soltanto con una diffida, restano "
             u"senza effetto)"_s;
    return r + u'.';
}

QString rigaInterruzione(const Decisione& d)
{
    const Origini& o = d.origini;
    // "dal 1/1/1970 al 1/1/1975 (5 anni)", or "il 1/6/2000" for an act of one day
    const QString opposta =
        dateInterruzione(o)
        + (o.inizioInterruzione == o.fineInterruzione
               ? QString()
               : u" ("_s + durata(o.durataInterruzione.anni, std::max(0, o.durataInterruzione.giorni)) + u')');
    QString r = u"Interruzione: "_s;
    if (d.fattori.interrotto && o.interruzione == Fonte::Attore) {
        r += u"possesso perduto per oltre un anno, come dichiarato dall'attore"_s;
    } else if (o.interruzione == Fonte::Convenuto) {
        const int dopo = std::max(0, o.anniDopoInterruzione);
        const NomeInterruzione n = nomeInterruzione(o.tipoInterruzione);
        r += n.nome + u", "_s + opposta + u", secondo la prova del convenuto ("_s + n.articoli + u"); "_s;
        // With two acts the years run from the last one's effect, which is named.
        const bool altro = o.decideAltroAtto();
        if (altro) {
            const NomeInterruzione ultimo = nomeInterruzione(o.attoDecisivo);
            r += u"da ultimo il termine è stato interrotto "_s + ultimo.dal + u" del "_s + data(o.dataAttoDecisivo)
                 + u" ("_s + ultimo.articoli + u"); "_s;
        }
        const QString da = !altro && o.ripresa == o.fineInterruzione && o.tipoInterruzione != TipoInterruzione::Domanda
                               ? u"dalla sua fine"_s
                               : u"dalla ripresa del termine ("_s + data(o.ripresa) + u')';
        const QString trascorsi =
            dopo == 1 ? u" è trascorso "_s : (dopo == 0 ? u" non è trascorso"_s : u" sono trascorsi "_s);
        if (!o.ripresa)
            r += o.attoCheDecide() == TipoInterruzione::Domanda
                     ? u"il giudizio è tuttora pendente, sicché il termine non ha ripreso a decorrere"_s
                     : u"il termine non ha ripreso a decorrere"_s;
        else if (o.interruzioneSuperata)
            r += da + trascorsi + (dopo == 1 ? u"un anno"_s : anni(dopo)) + u", che compiono da soli il termine"_s;
        else if (d.compiuta)
            r += u"essa precede l'inizio del termine compiuto ("_s + data(o.inizioTermine) + u") e non lo tocca"_s;
        else if (dopo == 0)
            r += da + trascorsi + u" nemmeno un anno, e il termine interrotto non è maturato"_s;
        else
            r += da + trascorsi + u"soltanto "_s + (dopo == 1 ? u"un anno"_s : anni(dopo))
                 + u", e il termine interrotto non è maturato"_s;
    } else {
        r += u"nessuna interruzione rilevante"_s;
    }
    // Why the defendant's interruption did not count, after its name and dates.
    const QString interruzioneOpposta = u"; l'interruzione opposta dal convenuto, "_s + opposta + u", "_s;
    switch (o.opposizione) {
    case Opposizione::NonProposta:
    case Opposizione::Efficace: break;
    case Opposizione::NonOltreUnAnno:
        r += u"; la perdita del possesso opposta dal convenuto, "_s + opposta
             + u", non supera l'anno e non interrompe il termine"_s;
        break;
    case Opposizione::Recuperato:
        r += u"; la perdita del possesso opposta dal convenuto, "_s + opposta
             + u", si considera non avvenuta, perché il possesso è stato recuperato con l'azione proposta "
               u"entro l'anno (art. 1167, secondo comma; per il termine dell'azione, art. 1168)"_s;
        break;
    case Opposizione::DopoCompimento:
        r += u"; l'interruzione opposta dal convenuto ("_s + nomeInterruzione(o.tipoInterruzione).nome + u"), "_s
             + opposta
             + (o.termineCompiuto.anni <= 0 ? u", viene dopo l'acquisto con la consegna (il "_s + data(o.compiuta)
                                                  + u") e non tocca un acquisto già avvenuto"_s
                                            : u", viene dopo il compimento del termine (il "_s + data(o.compiuta)
                                                  + u") e non interrompe un'usucapione già compiuta"_s);
        break;
    case Opposizione::SenzaProva:
        r += interruzioneOpposta + u"è priva di prova per l'inizio o per la fine ed è inefficace"_s;
        break;
    case Opposizione::Diffida:
        r += interruzioneOpposta + u"comincia con una diffida e messa in mora, che non interrompe il termine"_s;
        break;
    case Opposizione::FuoriPossesso:
        r += interruzioneOpposta + u"non comincia durante il possesso considerato e non lo interrompe"_s;
        break;
    case Opposizione::DateInvertite:
        r += u"; nelle date dell'interruzione opposta dal convenuto la fine precede l'inizio, ed essa "
             u"resta senza effetto"_s;
        break;
    }
    return r + u'.';
}

// A claim or an acknowledgement the defendant gave as the end of the possession.
QString rigaAttoFineDate(const Decisione& d)
{
    const Origini& o = d.origini;
    const NomeInterruzione n = nomeInterruzione(o.attoFineDate);
    QString r = u"Data finale opposta dal convenuto: "_s + n.nome + u" del "_s + data(o.dataAttoFineDate)
                + u", che non pone fine al possesso ma lo interrompe ("_s + n.articoli + u")"_s;
    if (o.attoFineDateDopoCompimento)
        return r + u"; viene però dopo il compimento del termine e resta senza effetto."_s;
    if (o.attoFineDate == TipoInterruzione::Domanda)
        return r
               + u"; non essendo provato il passaggio in giudicato della sentenza, il termine non ha ripreso "
                 u"a decorrere."_s;
    return r + u"; il termine riprende a decorrere dalla data dell'atto."_s;
}

// From when the short term that needs a transcribed title was counted.
QString rigaTrascrizione(const Decisione& d)
{
    const Termine t = termineDelCaso(d.fattori);
    if (d.origini.termineDaTrascrizione)
        return u"Trascrizione: il termine di "_s + anni(t.anni) + u" ("_s + QString::fromLatin1(t.articolo)
               + u") è computato dalla trascrizione del titolo, o dall'inizio del possesso se è successivo."_s;
    return u"Trascrizione: la data non è indicata; per il termine di "_s + anni(t.anni) + u" ("_s
           + QString::fromLatin1(t.articolo)
           + u"), che decorre dalla trascrizione del titolo, si è assunta la "
             u"data d'inizio del possesso."_s;
}

// Sundays, Easter Monday and the national holidays on fixed days kept without change since 1949.
bool festivo(const QDate& g)
{
    if (g.dayOfWeek() == Qt::Sunday)
        return true;
    constexpr std::pair<int, int> feste[] = {{1, 1}, {25, 4}, {1, 5}, {15, 8}, {1, 11}, {8, 12}, {25, 12}, {26, 12}};
    for (const auto& [giorno, mese] : feste)
        if (g.day() == giorno && g.month() == mese)
            return true;
    // Easter Monday (the Gregorian computus).
    const int y = g.year(), a = y % 19, b = y / 100, c = y % 100,
              e = (b - b / 4 - (8 * b + 13) / 25 + 19 * a + 15) % 30;
    const int l = (32 + 2 * (b % 4) + 2 * (c / 4) - e - c % 4) % 7, m = (a + 11 * e + 22 * l) / 451;
    const QDate pasqua(y, (e + l - 7 * m + 114) / 31, (e + l - 7 * m + 114) % 31 + 1);
    return g == pasqua.addDays(1);
}

QString rigaCompiuta(const Decisione& d)
{
    const Origini& o = d.origini;
    if (o.termineCompiuto.anni <= 0)
        return u"Acquisto il "_s + data(d.compiuta)
               + u": con la consegna della cosa al possessore di buona fede munito di un titolo idoneo (art. 1153), "
                 u"senza alcun termine di usucapione."_s;
    QString r = u"Compiuta il "_s + data(d.compiuta) + u": termine di "_s + anni(o.termineCompiuto.anni) + u" ("_s
                + QString::fromLatin1(o.termineCompiuto.articolo) + u") decorso dal "_s + data(o.inizioTermine)
                + u", scaduto alla fine di quel giorno."_s;
    // Whether a term of usucapione ending on a holiday is prolonged is debated; it is not prolonged here.
    if (festivo(*d.compiuta))
        r += u" Il giorno è festivo: la proroga al giorno seguente non festivo (art. 2963, terzo comma), la cui "
             u"applicazione all'usucapione attraverso l'art. 1165 è discussa, non è stata applicata, perché il "
             u"termine non richiede al possessore il compimento di alcun atto."_s;
    return r;
}

QString rigaTolleranza(const Decisione& d)
{
    const Origini& o = d.origini;
    QStringList dove;
    if (o.tolleranzaModo)
        dove << u"modo di acquisto"_s;
    if (o.tolleranzaAnimo)
        dove << u"condizione psicologica"_s;
    if (o.tolleranzaFede)
        dove << u"fede"_s;
    if (o.tolleranzaProvenienza)
        dove << u"provenienza"_s;
    if (o.tolleranzaTitolo)
        dove << u"titolo"_s;
    return u"Tolleranza: il convenuto ha provato atti di tolleranza ("_s + dove.join(u", "_s)
           + u"), che non fondano il possesso (art. 1144)."_s;
}

// What one of the two answers to a requirement is called, and the ending its source agrees with.
template <class E> struct Dizione {
    E risposta;
    const char16_t* testo;
    char16_t finale;
};

// A requirement's line: the answer the decision weighed and whose word it rests on, or "non
// indicat…" for none (a number naming no answer included).
template <class E>
QString rigaRequisito(const char16_t* voce, const std::optional<E>& valore, Fonte fonteValore, Dizione<E> prima,
                      Dizione<E> seconda, char16_t finaleVoce)
{
    for (const Dizione<E>& d : {prima, seconda})
        if (valore == d.risposta)
            return QString::fromUtf16(voce) + u": "_s + QString::fromUtf16(d.testo) + fonte(fonteValore, d.finale)
                   + u'.';
    return QString::fromUtf16(voce) + u": non indicat"_s + QChar(finaleVoce) + u'.';
}

QStringList righeRequisiti(const Decisione& d)
{
    const Fattori& f = d.fattori;
    const Origini& o = d.origini;
    // A vice that ceased is told as declared or proved: a violent start, useful from the cessation.
    const QString modo = o.cessazioneVizio
                             ? u"Modo di acquisto del possesso: violento o clandestino"_s + fonte(o.modo, u'o')
                                   + u", cessato il "_s + data(o.cessazioneVizio)
                                   + u", da quando il possesso giova (art. 1163)."_s
                             : rigaRequisito<Modo>(u"Modo di acquisto del possesso", f.modo, o.modo,
                                                   {Modo::ViolentoClandestino, u"violento o clandestino", u'o'},
                                                   {Modo::PacificoPubblico, u"pacifico e pubblico", u'o'}, u'o');
    return {
        modo,
        rigaRequisito<Animo>(u"Animo", f.animo, o.animo,
                             {Animo::PerContoAltrui, u"semplice detenzione per conto di altri", u'a'},
                             {Animo::DaTitolare, u"del titolare del diritto", u'o'}, u'o'),
        rigaRequisito<Fede>(u"Fede", f.fede, o.fede, {Fede::Buona, u"buona fede", u'a'},
                            {Fede::Mala, u"mala fede", u'a'}, u'a'),
        rigaRequisito<Titolo>(u"Titolo", f.titolo, o.titolo,
                              {Titolo::Idoneo, u"acquisto da chi non è proprietario con un titolo idoneo", u'o'},
                              {Titolo::Mancante, u"nessun titolo idoneo", u'o'}, u'o'),
        rigaRequisito<Provenienza>(u"Provenienza della cosa", f.provenienza, o.provenienza,
                                   {Provenienza::Legittima, u"legittima", u'a'},
                                   {Provenienza::Illegittima, u"illegittima", u'a'}, u'a'),
    };
}

QString nomeDifetto(Difetto d)
{
    switch (d) {
    case Difetto::Interruzione: return u"interruzione del termine"_s;
    case Difetto::Violenza: return u"acquisto violento o clandestino"_s;
    case Difetto::Detenzione: return u"detenzione anziché possesso"_s;
    case Difetto::MalaFede: return u"mala fede"_s;
    case Difetto::SenzaTitolo: return u"mancanza di un titolo idoneo"_s;
    }
    return {};
}

QString rigaMotivo(const Decisione& d)
{
    if (d.termine >= 0 && d.fattori.anni < d.termine)
        return u"Motivo: il possesso considerato non raggiunge il termine minimo di "_s + anni(d.termine)
               + u" previsto per la tipologia."_s;
    // Bad faith or no title count only below the long term: the years are what is missing.
    if (d.termine >= 0 && (d.difetti & (Difetto::MalaFede | Difetto::SenzaTitolo))) {
        const Termine lungo = termineApplicabile(d.fattori.tipologia, Fede::Mala, Titolo::Mancante);
        const Termine breve = termineApplicabile(d.fattori.tipologia, Fede::Buona, Titolo::Idoneo);
        QStringList senza;
        if (d.difetti.testFlag(Difetto::MalaFede))
            senza << u"la buona fede"_s;
        if (d.difetti.testFlag(Difetto::SenzaTitolo))
            senza << u"un titolo idoneo"_s;
        return u"Motivo: il possesso di "_s + anni(d.fattori.anni) + u" non raggiunge il termine di "_s
               + anni(lungo.anni) + u" ("_s + QString::fromLatin1(lungo.articolo)
               + u"), che non richiede né buona fede né titolo: "_s
               + (lungo.anni - d.fattori.anni == 1 ? u"manca un anno"_s
                                                   : u"mancano "_s + anni(lungo.anni - d.fattori.anni))
               + u". Il termine di "_s + anni(breve.anni) + u" ("_s + QString::fromLatin1(breve.articolo)
               + u") richiederebbe "_s + senza.join(u" e "_s) + u", che mancano."_s;
    }
    QStringList nomi;
    for (Difetto x :
         {Difetto::Interruzione, Difetto::Violenza, Difetto::Detenzione, Difetto::MalaFede, Difetto::SenzaTitolo})
        if (d.difetti.testFlag(x))
            nomi << nomeDifetto(x);
    if (d.termine >= 0 && !nomi.isEmpty())
        return u"Motivo: "_s + nomi.join(u", "_s) + u'.';
    return u"Motivo: mancano la tipologia o alcune risposte sul possesso."_s;
}

}   // namespace

namespace {

// The type by its caption; its number when no caption names it.
QString tipologiaDetta(const std::optional<Tipologia>& tipologia)
{
    const int n = tipologia ? int(*tipologia) : 0;
    if (n <= 0)
        return u"non indicata"_s;
    const QString nome = TabelleCausa::nomeTipologia(n);
    return nome.isEmpty() ? u"n. "_s + QString::number(n) : nome;
}

}   // namespace

QStringList spiegazione(const Decisione& d)
{
    QStringList righe;
    righe << u"Regola applicata: "_s + d.chiave
                 + (d.esito == Esito::Vince ? u" (l'attore vince la causa)."_s : u" (l'attore perde la causa)."_s);
    righe << u"Tipologia di usucapione: "_s + tipologiaDetta(d.fattori.tipologia) + u'.';
    if (d.compiuta)
        righe << rigaCompiuta(d);
    righe << rigaAnni(d) << rigaInterruzione(d);
    if (d.origini.attoFineDate != TipoInterruzione::Nessuna)
        righe << rigaAttoFineDate(d);
    if (d.origini.termineDaTrascrizione || d.origini.trascrizioneNonIndicata)
        righe << rigaTrascrizione(d);
    if (d.fattori.tolleranza)
        righe << rigaTolleranza(d);
    righe << righeRequisiti(d);
    if (d.chiave == u"RF"_s)
        righe << rigaMotivo(d);
    return righe;
}
