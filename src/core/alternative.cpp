#include "core/alternative.h"

#include "core/date.h"
#include "core/statocausa.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

QString data(const std::optional<QDate>& d) { return d ? Date::formaBreve(*d) : QString(); }

QString anni(int n) { return n == 1 ? u"1 anno"_s : QString::number(n) + u" anni"_s; }

// The term that gave the day, as a won decision holds it: "termine di 20 anni dell'art. 1158,
// decorso dal 3/4/1985", or the delivery that needs no term.
QString termineDetto(const Decisione& d)
{
    const Termine& t = d.origini.termineCompiuto;
    if (t.anni > 0)
        return u"termine di "_s + anni(t.anni) + u" dell'"_s + QString::fromLatin1(t.articolo)
               + (d.origini.inizioTermine ? u", decorso dal "_s + data(d.origini.inizioTermine) : QString());
    return u"acquisto con la consegna della cosa (art. 1153)"_s;
}

// "l'attore vincerebbe (regola R5: termine di 10 anni dell'art. 1159, decorso dal 12/1/2006,
// usucapione compiuta il 12/1/2016)"; the term left out where the sentence has already told it.
QString esitoDetto(const Decisione& d, bool conTermine = true)
{
    if (d.esito == Esito::Perde)
        return u"l'attore perderebbe (regola "_s + d.chiave + u')';
    QString r = u"l'attore vincerebbe (regola "_s + d.chiave;
    if (d.compiuta && conTermine)
        r += u": "_s + termineDetto(d) + u", usucapione compiuta il "_s + data(d.compiuta);
    return r + u')';
}

// Which answer or proof of the facts a change touches: one tag per field.
using Campo = const char*;
template <auto campo> inline constexpr char etichetta = 0;
template <auto campo> constexpr Campo campoDi() { return &etichetta<campo>; }

// One change of the case, as a clause that follows "Occorrerebbe" (towards winning) or "Se il
// convenuto provasse" (towards losing).
struct Modifica {
    Campo campo = nullptr;
    void (*applica)(Fatti&) = nullptr;
    void (*ripristina)(Fatti& g, const Fatti& f) = nullptr;   // the field back as f has it
    TipoCambiamento tipo = TipoCambiamento::Risposta;
    QString clausola;
};

template <auto campo, auto valore> void imposta(Fatti& f) { f.*campo = valore; }

template <auto campo> void ripristina(Fatti& g, const Fatti& f) { g.*campo = f.*campo; }

// An answer of the plaintiff tried with another value. The answers that lead towards winning are
// tried on a lost case, the others on a won one.
struct RigaRisposta {
    Campo campo;
    bool (*data)(const Fatti&);   // the case already gives that answer
    void (*applica)(Fatti&);
    void (*ripristina)(Fatti&, const Fatti&);
    bool versoVittoria;
    const char* clausola;
};

template <auto campo, auto valore> constexpr RigaRisposta risposta(bool versoVittoria, const char* clausola)
{
    return {campoDi<campo>(),       [](const Fatti& f) { return f.*campo == valore; },
            imposta<campo, valore>, ripristina<campo>,
            versoVittoria,          clausola};
}

// True for the row that gives that answer.
template <auto campo, auto valore> bool porta(const RigaRisposta& r) { return r.applica == &imposta<campo, valore>; }

const RigaRisposta risposte[] = {
    // The short term's requirements first: they are what most often separates the two outcomes.
    risposta<&Fatti::titolo, Titolo::Idoneo>(true, "provare un titolo idoneo a trasferire il diritto"),
    risposta<&Fatti::fede, Fede::Buona>(true, "la buona fede del possessore, che la legge presume (art. 1147)"),
    risposta<&Fatti::interruzione, Interruzione::Nessuna>(
        true, "provare che il possesso non è stato perduto per oltre un anno (art. 1167)"),
    risposta<&Fatti::modo, Modo::PacificoPubblico>(
        true, "provare che il possesso è stato acquistato in modo pacifico e pubblico (art. 1163)"),
    risposta<&Fatti::animo, Animo::DaTitolare>(
        true, "provare che l'attore ha posseduto come titolare del diritto e non per conto d'altri (art. 1140)"),
    risposta<&Fatti::provenienza, Provenienza::Legittima>(true, "provare la provenienza legittima della cosa"),
    risposta<&Fatti::recupero, Recupero::EntroLAnno>(
        true,
        "provare che il possesso è stato recuperato con l'azione proposta entro l'anno (art. 1167, secondo comma)"),
    risposta<&Fatti::titolo, Titolo::Mancante>(false, "che manca un titolo idoneo"),
    risposta<&Fatti::fede, Fede::Mala>(false, "la mala fede del possessore (art. 1147)"),
    risposta<&Fatti::interruzione, Interruzione::OltreUnAnno>(
        false, "che il possesso è stato perduto per oltre un anno (art. 1167)"),
    risposta<&Fatti::modo, Modo::ViolentoClandestino>(
        false, "che il possesso è stato acquistato in modo violento o clandestino (art. 1163)"),
    risposta<&Fatti::animo, Animo::PerContoAltrui>(
        false, "che l'attore ha goduto del bene per conto d'altri, come semplice detentore (art. 1140)"),
    risposta<&Fatti::provenienza, Provenienza::Illegittima>(
        false, "la provenienza illegittima della cosa, nota all'acquirente (art. 1154)"),
};

// A proof of the defendant's that, if it failed, would leave the plaintiff's answer standing.
struct RigaObiezione {
    Campo campo;
    bool (*provata)(const Fatti&);
    bool (*tolleranza)(const Fatti&);   // acts of tolerance proved
    void (*senzaProva)(Fatti&);         // "nessuna prova" of its list
    void (*ripristina)(Fatti&, const Fatti&);
    const char* oggetto;   // after "far cadere la prova del convenuto"
};

// Any proof of a questionnaire, acts of tolerance included; a formal notice and "nessuna prova"
// prove nothing.
template <auto campo> constexpr RigaObiezione questionario(const char* oggetto)
{
    return {campoDi<campo>(),
            [](const Fatti& f) {
                return (f.*campo && mezzoDiProva(*(f.*campo))) || f.*campo == ProvaRequisito::Tolleranza;
            },
            [](const Fatti& f) { return f.*campo == ProvaRequisito::Tolleranza; },
            imposta<campo, ProvaRequisito::Nessuna>,
            ripristina<campo>,
            oggetto};
}

// A proved date: a formal notice and "nessuna prova" prove none.
template <auto campo, auto nessuna> constexpr RigaObiezione data(const char* oggetto)
{
    return {campoDi<campo>(),
            [](const Fatti& f) { return dataProvata(f.*campo); },
            [](const Fatti&) { return false; },
            imposta<campo, nessuna>,
            ripristina<campo>,
            oggetto};
}

const RigaObiezione obiezioniTentate[] = {
    questionario<&Fatti::obiezioneModo>("sul modo di acquisto del possesso"),
    questionario<&Fatti::obiezioneAnimo>("sull'animo del possessore"),
    questionario<&Fatti::obiezioneFede>("sulla fede del possessore"),
    questionario<&Fatti::obiezioneTitolo>("sul titolo di acquisto"),
    questionario<&Fatti::obiezioneProvenienza>("sulla provenienza della cosa"),
    data<&Fatti::provaInizioDate, ProvaCorta::Nessuna>("sulla data d'inizio del possesso"),
    data<&Fatti::provaFineDate, ProvaLunga::Nessuna>("sulla data di fine del possesso"),
    data<&Fatti::provaInizioInterruzione, ProvaLunga::Nessuna>("sull'interruzione del possesso"),
};

// A date of the case moved, and how each direction is told. Most dates help the plaintiff the
// earlier they come; an interruption, the later it begins.
struct RigaData {
    std::optional<QDate> Fatti::*campo;
    const char* perVincere;   // "Occorrerebbe " + this + " non più tardi del X" ("non prima del X")
    const char* perPerdere;   // "Se " + this + " dopo il X" ("entro il X")
    const char* articolo;     // after the date, or ""
    bool primaGiova = true;
};

const RigaData dateTentate[] = {
    {&Fatti::possessoInizio, "provare che il possesso è cominciato", "il possesso fosse cominciato", ""},
    {&Fatti::trascrizione, "che il titolo fosse stato trascritto", "il titolo fosse stato trascritto", ""},
    {&Fatti::cessazioneVizio, "provare che la violenza o la clandestinità sono cessate",
     "la violenza o la clandestinità fossero cessate", " (art. 1163)"},
    {&Fatti::interruzioneFine, "provare che il possesso è stato recuperato", "il possesso fosse stato recuperato", ""},
    {&Fatti::interruzioneInizio, "provare che l'interruzione è cominciata", "l'interruzione fosse cominciata", "",
     false},
};

// The date nearest to `da`, on the way to `verso`, at which the changed case reaches `cercato`,
// found by halving the days between them; nothing when `verso` itself does not reach it. `da` is
// taken not to reach it, and the outcome to change once between the two. f ends as the case
// changed to that date.
std::optional<Decisione> cercaData(Fatti& f, std::optional<QDate> Fatti::*campo, QDate da, QDate verso, Esito cercato,
                                   QDate* trovata)
{
    f.*campo = verso;
    Decisione migliore = decidi(f);
    if (migliore.esito != cercato)
        return std::nullopt;
    qint64 lontano = da.toJulianDay(), vicino = verso.toJulianDay();
    while (std::abs(vicino - lontano) > 1) {
        const qint64 mezzo = lontano + (vicino - lontano) / 2;
        f.*campo = QDate::fromJulianDay(mezzo);
        Decisione d = decidi(f);
        if (d.esito == cercato) {
            vicino = mezzo;
            migliore = std::move(d);
        } else {
            lontano = mezzo;
        }
    }
    *trovata = QDate::fromJulianDay(vicino);
    f.*campo = *trovata;
    return migliore;
}

// The earliest and the latest date of the case, widened by more than the longest term.
std::pair<QDate, QDate> limiti(const Fatti& f)
{
    QDate primo, ultimo;
    for (const auto* d : {&f.possessoInizio, &f.possessoFine, &f.ledateInizio, &f.ledateFine, &f.interruzioneInizio,
                          &f.interruzioneFine, &f.trascrizione, &f.cessazioneVizio})
        if (*d) {
            if (!primo.isValid() || **d < primo)
                primo = **d;
            if (!ultimo.isValid() || **d > ultimo)
                ultimo = **d;
        }
    return {primo.addYears(-21), ultimo.addYears(21)};
}

// Why no term can be reached, read from the decision of the possession prolonged.
QString irraggiungibile(const Fatti& f, const Decisione& d)
{
    const Fattori& x = d.fattori;
    const Origini& o = d.origini;
    if (termineApplicabile(x.tipologia, Fede::Mala, Titolo::Mancante).anni < 0)
        return x.tipologia == Tipologia::ServituNonApparenti
                   ? u"le servitù non apparenti non si acquistano per usucapione (art. 1061)"_s
                   : u"i beni del demanio pubblico non si acquistano per usucapione (art. 823)"_s;
    if (x.tolleranza)
        return u"gli atti compiuti con l'altrui tolleranza non fondano il possesso (art. 1144)"_s;
    if (x.animo == Animo::PerContoAltrui)
        return u"chi ha la detenzione della cosa non ne acquista il possesso finché il titolo non viene mutato "
               u"(art. 1141)"_s;
    if (x.modo == Modo::ViolentoClandestino)
        return u"il possesso acquistato in modo violento o clandestino giova all'usucapione soltanto dal giorno "
               u"in cui la violenza o la clandestinità sono cessate (art. 1163), e quel giorno non è indicato"_s;
    if (f.interruzione == Interruzione::OltreUnAnno)
        return u"l'interruzione dichiarata dall'attore non ha date, sicché non si sa da quando il termine "
               u"decorra di nuovo (art. 1167)"_s;
    if ((o.attoFineDate == TipoInterruzione::Domanda && !o.attoFineDateDopoCompimento)
        || (o.interruzione == Fonte::Convenuto && o.tipoInterruzione == TipoInterruzione::Domanda && !o.ripresa))
        return u"la domanda giudiziale ha interrotto il termine, che non decorre di nuovo finché non passa in "
               u"giudicato la sentenza che definisce il giudizio (art. 2945)"_s;
    return u"nessuna regola riconosce l'acquisto con i fatti dichiarati"_s;
}

GiornoUsucapione giorno(const Fatti& f, const Decisione& d, QDate oltre, const QDate& oggi)
{
    GiornoUsucapione g;
    if (d.esito == Esito::Vince) {
        if (!d.compiuta)
            return g;
        g.tipo = TipoGiorno::Compiuta;
        g.data = d.compiuta;
        g.regola = d.chiave;
        g.testo = d.origini.termineCompiuto.anni > 0
                      ? u"L'usucapione si è compiuta il "_s + data(d.compiuta)
                            + u", alla fine dell'ultimo giorno del "_s + termineDetto(d) + u" (art. 2963)."_s
                      : u"La proprietà è stata acquistata il "_s + data(d.compiuta)
                            + u", con la consegna della cosa al possessore di buona fede munito di un titolo idoneo "
                              u"(art. 1153)."_s;
        return g;
    }
    if (!f.possessoFine)
        return g;
    // The possession going on: the defendant's proof that it ended is set aside with the end it fixed.
    Fatti prolungato = f;
    if (d.origini.fineDa == Fonte::Convenuto)
        prolungato.ledateFine.reset();
    QDate fine;
    const std::optional<Decisione> vinta =
        cercaData(prolungato, &Fatti::possessoFine, *f.possessoFine, oltre, Esito::Vince, &fine);
    if (!vinta) {
        prolungato.possessoFine = oltre;
        g.tipo = TipoGiorno::Irraggiungibile;
        g.testo = u"Anche se il possesso proseguisse senza mutamenti, nessun termine di usucapione potrebbe "
                  u"compiersi: "_s
                  + irraggiungibile(prolungato, decidi(prolungato)) + u'.';
        return g;
    }
    g.tipo = TipoGiorno::Maturerebbe;
    g.data = vinta->compiuta ? vinta->compiuta : std::optional<QDate>(fine);
    g.regola = vinta->chiave;
    // A day already past is told as what would have been.
    const bool passato = *g.data <= oggi;
    g.testo = (passato ? u"Se il possesso fosse proseguito senza mutamenti, l'usucapione si sarebbe compiuta il "_s
                       : u"Se il possesso proseguisse senza mutamenti, l'usucapione si compirebbe il "_s)
              + data(g.data) + u", alla fine dell'ultimo giorno del "_s + termineDetto(*vinta) + u": "_s
              + esitoDetto(*vinta, false) + u'.';
    return g;
}

// "Occorrerebbe provare A e B" joins the clauses with "e"; a clause that repeats the verb of the
// one before drops it.
QString unisci(const std::vector<const Modifica*>& m)
{
    QString r;
    for (size_t i = 0; i < m.size(); ++i) {
        QString c = m[i]->clausola;
        if (i > 0) {
            const QString verbo = u"provare "_s;
            if (c.startsWith(verbo) && m[i - 1]->clausola.startsWith(verbo))
                c = c.mid(verbo.size());
            r += u" e "_s;
        }
        r += c;
    }
    return r;
}

Cambiamento cambiamento(TipoCambiamento tipo, const QString& testo, const Decisione& d, const Fatti& fatti,
                        std::optional<QDate> quando = std::nullopt)
{
    return {tipo, testo, d.chiave, d.esito, quando, fatti};
}

// A change a party could prove: its dates stay in order (an interruption ending after it begins, a
// claim served before its final judgment), the cessation within the possession, the transcription
// not after it. A change that turns the case only by breaking them is none.
bool coerente(const Fatti& f)
{
    const QDate mai(9999, 12, 31);   // a change may lie in the future: only its order is weighed
    return StatoCausa::erroreDateCausa(f, mai).isEmpty() && StatoCausa::dataErrata({}, f, mai).motivo.isEmpty();
}

}   // namespace

QString titoloAlternative() { return u"Che cosa cambierebbe la sentenza"_s; }

Alternative cercaAlternative(const Fatti& f, const Decisione& d, const QDate& oggi)
{
    Alternative a;
    const auto [primo, ultimo] = limiti(f);
    a.giorno = giorno(f, d, ultimo, oggi);
    // The law excludes some rights from usucapione altogether: no change of the facts is proposed.
    if (termineApplicabile(d.fattori.tipologia, Fede::Mala, Titolo::Mancante).anni < 0)
        return a;

    const bool perduta = d.esito == Esito::Perde;
    const Esito cercato = perduta ? Esito::Vince : Esito::Perde;

    // One answer or one failed proof at a time.
    std::vector<Modifica> modifiche;
    for (const RigaRisposta& r : risposte) {
        if (r.versoVittoria != perduta || r.data(f))
            continue;
        // "Under a year" and "no interruption" count alike; the recovery only for a loss of possession.
        if (porta<&Fatti::interruzione, Interruzione::Nessuna>(r) && f.interruzione != Interruzione::OltreUnAnno)
            continue;
        if (porta<&Fatti::recupero, Recupero::EntroLAnno>(r)
            && d.origini.tipoInterruzione != TipoInterruzione::PerditaPossesso)
            continue;
        // With an interruption of the defendant's in its dates, the one that matters is that one.
        if (porta<&Fatti::interruzione, Interruzione::OltreUnAnno>(r)
            && d.origini.opposizione != Opposizione::NonProposta)
            continue;
        QString clausola = u(r.clausola);
        // A loss after the term was complete would take nothing away: only one before it counts.
        if (porta<&Fatti::interruzione, Interruzione::OltreUnAnno>(r) && d.compiuta)
            clausola = u"che il possesso è stato perduto per oltre un anno prima del "_s + data(d.compiuta)
                       + u", giorno in cui il termine si è compiuto (art. 1167)"_s;
        if (porta<&Fatti::titolo, Titolo::Idoneo>(r)
            && termineApplicabile(d.fattori.tipologia, Fede::Buona, Titolo::Idoneo).daTrascrizione)
            clausola += u", debitamente trascritto"_s;
        modifiche.push_back({r.campo, r.applica, r.ripristina, TipoCambiamento::Risposta, clausola});
    }
    if (perduta)
        for (const RigaObiezione& r : obiezioniTentate)
            if (r.provata(f))
                modifiche.push_back(
                    {r.campo, r.senzaProva, r.ripristina, TipoCambiamento::Obiezione,
                     u"far cadere la prova del convenuto "_s
                         + (r.tolleranza(f) ? u"sugli atti di tolleranza (art. 1144)"_s : u(r.oggetto))});

    std::vector<Cambiamento> obiezioni, risposteCambiate, dateMosse;
    const auto frase = [&](const QString& clausole, const Decisione& esito) {
        if (perduta)
            return u"Occorrerebbe "_s + clausole + u": "_s + esitoDetto(esito) + u'.';
        return u"Se il convenuto provasse "_s + clausole + u", "_s + esitoDetto(esito) + u'.';
    };
    for (const Modifica& m : modifiche) {
        Fatti g = f;
        m.applica(g);
        const Decisione e = decidi(g);
        if (e.esito == cercato && coerente(g))
            (m.tipo == TipoCambiamento::Obiezione ? obiezioni : risposteCambiate)
                .push_back(cambiamento(m.tipo, frase(unisci({&m}), e), e, g));
    }
    // When no single answer or proof turns the case, the smallest change is two of them together.
    // None can when all of them together do not; and a pair must hold every change without which
    // all the others together no longer do.
    Fatti tutte = f;
    for (const Modifica& m : modifiche)
        m.applica(tutte);
    if (obiezioni.empty() && risposteCambiate.empty() && modifiche.size() >= 2 && decidi(tutte).esito == cercato) {
        std::vector<size_t> necessarie;
        for (size_t i = 0; i < modifiche.size() && necessarie.size() <= 2; ++i) {
            Fatti g = tutte;
            modifiche[i].ripristina(g, f);
            if (decidi(g).esito != cercato)
                necessarie.push_back(i);
        }
        const auto comprende = [&](size_t i, size_t j) {
            return std::all_of(necessarie.begin(), necessarie.end(), [&](size_t n) { return n == i || n == j; });
        };
        for (size_t i = 0; i < modifiche.size() && necessarie.size() <= 2; ++i)
            for (size_t j = i + 1; j < modifiche.size(); ++j) {
                const Modifica& p = modifiche[i];
                const Modifica& q = modifiche[j];
                if (p.campo == q.campo || !comprende(i, j))
                    continue;
                Fatti g = f;
                p.applica(g);
                q.applica(g);
                const Decisione e = decidi(g);
                if (e.esito == cercato && coerente(g))
                    risposteCambiate.push_back(
                        cambiamento(TipoCambiamento::Risposta, frase(unisci({&p, &q}), e), e, g));
            }
    }

    // One date moved: towards the past to win, towards the future to lose.
    for (const RigaData& r : dateTentate) {
        std::optional<QDate> da = f.*r.campo;
        if (r.campo == &Fatti::interruzioneFine && d.origini.tipoInterruzione != TipoInterruzione::PerditaPossesso)
            continue;
        // Only an interruption that counted, or that came after the term, is worth moving.
        if (r.campo == &Fatti::interruzioneInizio && d.origini.opposizione != Opposizione::Efficace
            && d.origini.opposizione != Opposizione::DopoCompimento)
            continue;
        QDate verso = perduta == r.primaGiova ? primo : ultimo;
        // An interruption moved back no further than the possession, outside which it counts for nothing.
        if (r.campo == &Fatti::interruzioneInizio && !perduta && d.origini.inizio)
            verso = *d.origini.inizio;
        if (r.campo == &Fatti::interruzioneFine && perduta && f.interruzioneInizio)
            verso = *f.interruzioneInizio;   // recovered the day it was lost: no interruption at all
        // An act moved later no further than its own second date, nor than the possession.
        if (r.campo == &Fatti::interruzioneInizio && perduta) {
            if (f.interruzioneConRipresa() && f.interruzioneFine)
                verso = std::min(verso, *f.interruzioneFine);
            if (d.origini.fine)
                verso = std::min(verso, *d.origini.fine);
        }
        if (!da) {
            // A violent possession with no day the violence ceased: the day to be proved.
            if (r.campo != &Fatti::cessazioneVizio || !perduta || d.fattori.modo != Modo::ViolentoClandestino
                || !d.origini.fine)
                continue;
            da = d.origini.fine;
        }
        QDate trovata;
        Fatti g = f;
        const std::optional<Decisione> e = cercaData(g, r.campo, *da, verso, cercato, &trovata);
        // The day told is tried once more as the sentence states it: a party could prove it, and
        // it gives the outcome claimed.
        if (!e || !coerente(g) || decidi(g).esito != cercato)
            continue;
        // To lose by a later date, any day after the last one that still wins.
        const QDate detta = perduta || !r.primaGiova ? trovata : trovata.addDays(-1);
        const QString limite = perduta ? (r.primaGiova ? u" non più tardi del "_s : u" non prima del "_s)
                                       : (r.primaGiova ? u" dopo il "_s : u" entro il "_s);
        const QString testo = perduta ? u"Occorrerebbe "_s + u(r.perVincere) + limite + data(detta) + u(r.articolo)
                                            + u": "_s + esitoDetto(*e) + u'.'
                                      : u"Se "_s + u(r.perPerdere) + limite + data(detta) + u(r.articolo) + u", "_s
                                            + esitoDetto(*e) + u'.';
        dateMosse.push_back(cambiamento(TipoCambiamento::Data, testo, *e, g, trovata));
    }

    // The most useful first: for a lost case the defendant's proofs that could fail, then the facts
    // to be proved, then the dates; for a won one what the defendant could prove, then the dates.
    // No kind crowds out the others.
    constexpr size_t perTipo = 3;
    for (const std::vector<Cambiamento>* gruppo : {&obiezioni, &risposteCambiate, &dateMosse})
        for (size_t i = 0; i < std::min(perTipo, gruppo->size()); ++i)
            if (a.cambiamenti.size() < size_t(Alternative::massimoCambiamenti))
                a.cambiamenti.push_back((*gruppo)[i]);
    return a;
}

QStringList righeAlternative(const Alternative& a, Esito esito)
{
    QStringList r;
    if (!a.giorno.testo.isEmpty())
        r << a.giorno.testo;
    for (const Cambiamento& c : a.cambiamenti)
        r << u"- "_s + c.testo;
    if (a.cambiamenti.empty())
        r << (esito == Esito::Perde
                  ? u"Nessun cambiamento di una risposta, di una prova del convenuto o di una data porterebbe "
                    u"l'attore alla vittoria."_s
                  : u"Nessun cambiamento di una risposta o di una data farebbe perdere la causa all'attore."_s);
    return r;
}
