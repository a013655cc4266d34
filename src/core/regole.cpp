#include "core/regole.h"

#include "core/date.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

using enum Esito;
using enum FormaCommento;

// The rows' types: ownership and the real rights of enjoyment (arts. 1158, 1159), then each type
// with a term of its own.
constexpr Tipi dirittiReali{Tipologia::Proprieta, Tipologia::ServituNonApparenti};
constexpr Tipi servituNonApparenti{Tipologia::ServituNonApparenti, Tipologia::ServituNonApparenti};
constexpr Tipi rurale{Tipologia::PiccolaProprietaRurale, Tipologia::PiccolaProprietaRurale};
constexpr Tipi universalita{Tipologia::UniversalitaMobili, Tipologia::UniversalitaMobili};
constexpr Tipi mobili{Tipologia::BeniMobili, Tipologia::BeniMobili};
constexpr Tipi registrati{Tipologia::MobiliRegistrati, Tipologia::MobiliRegistrati};
constexpr Tipi demanio{Tipologia::DemanioPubblico, Tipologia::DemanioPubblico};

constexpr Modo pacifico = Modo::PacificoPubblico, violento = Modo::ViolentoClandestino;
constexpr Animo titolare = Animo::DaTitolare, detentore = Animo::PerContoAltrui;
constexpr Fede buona = Fede::Buona, mala = Fede::Mala;
constexpr Titolo idoneo = Titolo::Idoneo, senza = Titolo::Mancante;
constexpr Provenienza illegittima = Provenienza::Illegittima;

std::vector<Regola> costruisci()
{
    // Terms of the Civil Code: 20 years (art. 1158), 10 with good faith and a registered title
    // (art. 1159), 15 and 5 for small rural property (art. 1159-bis), 20 and 10 for a universality
    // of movables (art. 1160), 20 and 10 for movables (art. 1161), 10 and 3 for registered
    // movables (art. 1162); the public domain (art. 823) and non-apparent servitudes (art. 1061)
    // are never acquired. Every usucapione needs possession (arts. 1140, 1141) neither violent nor
    // clandestine (art. 1163) nor lost for over a year (art. 1167).
    return {
        // clang-format off
        {.chiave = u"RD"_s, .tipi = demanio, .esito = Perde, .forma = Nome},
        // A non-apparent servitude is never acquired by prescription (art. 1061).
        {.chiave = u"RS"_s, .tipi = servituNonApparenti, .esito = Perde, .forma = Nome},
        // Acts done by the owner's tolerance found no possession (art. 1144), whatever the type.
        {.chiave = u"RT"_s, .tolleranza = true, .esito = Perde, .forma = Nome},
        // Types 1 to 7: ownership and the real rights of enjoyment.
        {.chiave = u"R1"_s, .tipi = dirittiReali, .anni = 20, .interrotto = false, .modo = pacifico, .animo = titolare, .termineBreve = false, .esito = Vince, .forma = Nome},
        {.chiave = u"R2"_s, .tipi = dirittiReali, .anni = 20, .interrotto = true, .modo = pacifico, .animo = titolare, .esito = Perde, .forma = Nome},
        {.chiave = u"R3"_s, .tipi = dirittiReali, .anni = 20, .interrotto = false, .modo = violento, .animo = titolare, .esito = Perde, .forma = Nome},
        {.chiave = u"R4"_s, .tipi = dirittiReali, .anni = 20, .interrotto = false, .modo = pacifico, .animo = detentore, .esito = Perde, .forma = Nome},
        {.chiave = u"R5"_s, .tipi = dirittiReali, .anni = 10, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Vince, .forma = Testo},
        {.chiave = u"R6"_s, .tipi = dirittiReali, .anni = 10, .interrotto = true, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Testo},
        {.chiave = u"R7"_s, .tipi = dirittiReali, .anni = 10, .interrotto = false, .modo = violento, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Testo},
        {.chiave = u"R8"_s, .tipi = dirittiReali, .anni = 10, .interrotto = false, .modo = pacifico, .animo = detentore, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Testo},
        {.chiave = u"R9"_s, .tipi = dirittiReali, .anni = 10, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = mala, .titolo = idoneo, .esito = Perde, .forma = Testo},
        {.chiave = u"R10"_s, .tipi = dirittiReali, .anni = 10, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = senza, .esito = Perde, .forma = Testo},
        // Type 8: small rural property.
        {.chiave = u"R11"_s, .tipi = rurale, .anni = 15, .interrotto = false, .modo = pacifico, .animo = titolare, .termineBreve = false, .esito = Vince, .forma = Testo},
        {.chiave = u"R12"_s, .tipi = rurale, .anni = 15, .interrotto = true, .modo = pacifico, .animo = titolare, .esito = Perde, .forma = Nome},
        {.chiave = u"R13"_s, .tipi = rurale, .anni = 15, .interrotto = false, .modo = violento, .animo = titolare, .esito = Perde, .forma = Testo},
        {.chiave = u"R14"_s, .tipi = rurale, .anni = 15, .interrotto = false, .modo = pacifico, .animo = detentore, .esito = Perde, .forma = Testo},
        {.chiave = u"R15"_s, .tipi = rurale, .anni = 5, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Vince, .forma = Testo},
        {.chiave = u"R16"_s, .tipi = rurale, .anni = 5, .interrotto = true, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R17"_s, .tipi = rurale, .anni = 5, .interrotto = false, .modo = violento, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R18"_s, .tipi = rurale, .anni = 5, .interrotto = false, .modo = pacifico, .animo = detentore, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = ANome},
        {.chiave = u"R19"_s, .tipi = rurale, .anni = 5, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = mala, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R20"_s, .tipi = rurale, .anni = 5, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = senza, .esito = Perde, .forma = Nome},
        // Type 9: universality of movables.
        {.chiave = u"R21"_s, .tipi = universalita, .anni = 20, .interrotto = false, .modo = pacifico, .animo = titolare, .termineBreve = false, .esito = Vince, .forma = Testo},
        {.chiave = u"R22"_s, .tipi = universalita, .anni = 20, .interrotto = true, .modo = pacifico, .animo = titolare, .esito = Perde, .forma = Nome},
        {.chiave = u"R23"_s, .tipi = universalita, .anni = 20, .interrotto = false, .modo = violento, .animo = titolare, .esito = Perde, .forma = Nome},
        {.chiave = u"R24"_s, .tipi = universalita, .anni = 20, .interrotto = false, .modo = pacifico, .animo = detentore, .esito = Perde, .forma = Nome},
        {.chiave = u"R25"_s, .tipi = universalita, .anni = 10, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Vince, .forma = Testo},
        {.chiave = u"R26"_s, .tipi = universalita, .anni = 10, .interrotto = true, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R27"_s, .tipi = universalita, .anni = 10, .interrotto = false, .modo = violento, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R28"_s, .tipi = universalita, .anni = 10, .interrotto = false, .modo = pacifico, .animo = detentore, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R29"_s, .tipi = universalita, .anni = 10, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = mala, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R30"_s, .tipi = universalita, .anni = 10, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = senza, .esito = Perde, .forma = Nome},
        // Type 10: movable goods; twenty years in bad faith, ten in good faith.
        {.chiave = u"R31"_s, .tipi = mobili, .anni = 20, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = mala, .esito = Vince, .forma = Testo},
        {.chiave = u"R32"_s, .tipi = mobili, .anni = 20, .interrotto = true, .modo = pacifico, .animo = titolare, .fede = mala, .esito = Perde, .forma = Nome},
        {.chiave = u"R33"_s, .tipi = mobili, .anni = 20, .interrotto = false, .modo = violento, .animo = titolare, .fede = mala, .esito = Perde, .forma = Nome},
        {.chiave = u"R34"_s, .tipi = mobili, .anni = 20, .interrotto = false, .modo = pacifico, .animo = detentore, .fede = mala, .esito = Perde, .forma = Nome},
        {.chiave = u"R35"_s, .tipi = mobili, .anni = 10, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = buona, .consegna = false, .esito = Vince, .forma = Testo},
        // An interruption loses only without a title: with one, delivery in good faith has already
        // made the plaintiff owner (R41), and a later loss of possession takes nothing away.
        {.chiave = u"R36"_s, .tipi = mobili, .anni = 10, .interrotto = true, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = senza, .esito = Perde, .forma = Nome},
        {.chiave = u"R37"_s, .tipi = mobili, .anni = 10, .interrotto = false, .modo = violento, .animo = titolare, .fede = buona, .esito = Perde, .forma = Nome},
        {.chiave = u"R38"_s, .tipi = mobili, .anni = 10, .interrotto = false, .modo = pacifico, .animo = detentore, .fede = buona, .esito = Perde, .forma = Nome},
        {.chiave = u"R39"_s, .tipi = mobili, .anni = 10, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = mala, .esito = Perde, .forma = Nome},
        // No duration rule held. Knowing the illegitimate provenance bars the buyer in bad faith
        // (art. 1154); delivery to a buyer in good faith with a suitable title transfers ownership
        // whatever the provenance and the time (art. 1153), if the thing was handed over, not
        // taken by violence or stealth, and is possessed, not held for another.
        {.chiave = u"R40"_s, .tipi = mobili, .fede = mala, .provenienza = illegittima, .esito = Perde, .forma = Testo},
        {.chiave = u"R41"_s, .tipi = mobili, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = idoneo, .consegna = true, .esito = Vince, .forma = Testo},
        {.chiave = u"R42"_s, .tipi = mobili, .modo = pacifico, .animo = titolare, .fede = mala, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R43"_s, .tipi = mobili, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = senza, .esito = Perde, .forma = Nome},
        // Type 11: movables entered in public registers. Ten years (art. 1162, second paragraph),
        // or three with good faith and a registered title (first paragraph); either needs the
        // possession every usucapione needs, and one defect loses with its own paragraph.
        {.chiave = u"R44"_s, .tipi = registrati, .anni = 10, .interrotto = false, .modo = pacifico, .animo = titolare, .termineBreve = false, .esito = Vince, .forma = Testo},
        {.chiave = u"R44I"_s, .tipi = registrati, .anni = 10, .interrotto = true, .modo = pacifico, .animo = titolare, .esito = Perde, .forma = Nome},
        {.chiave = u"R44V"_s, .tipi = registrati, .anni = 10, .interrotto = false, .modo = violento, .animo = titolare, .esito = Perde, .forma = Nome},
        {.chiave = u"R44D"_s, .tipi = registrati, .anni = 10, .interrotto = false, .modo = pacifico, .animo = detentore, .esito = Perde, .forma = Nome},
        {.chiave = u"R45"_s, .tipi = registrati, .anni = 3, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Vince, .forma = Testo},
        {.chiave = u"R45I"_s, .tipi = registrati, .anni = 3, .interrotto = true, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R45V"_s, .tipi = registrati, .anni = 3, .interrotto = false, .modo = violento, .animo = titolare, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R45D"_s, .tipi = registrati, .anni = 3, .interrotto = false, .modo = pacifico, .animo = detentore, .fede = buona, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R46"_s, .tipi = registrati, .anni = 3, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = mala, .titolo = idoneo, .esito = Perde, .forma = Nome},
        {.chiave = u"R47"_s, .tipi = registrati, .anni = 3, .interrotto = false, .modo = pacifico, .animo = titolare, .fede = buona, .titolo = senza, .esito = Perde, .forma = Nome},
        // Anything else: too few years, two or more defects, or no rule names the case.
        {.chiave = u"RF"_s, .esito = Perde, .forma = Testo},
        // clang-format on
    };
}

// A field the row does not test holds for any value.
template <class T> bool prova(const std::optional<T>& richiesto, const T& valore)
{
    return !richiesto || *richiesto == valore;
}

template <class T> bool prova(const std::optional<T>& richiesto, const std::optional<T>& valore)
{
    return !richiesto || richiesto == valore;
}

// Over a year: a day at least past the anniversary.
bool oltreUnAnno(const Date::Durata& d) { return d.anni > 1 || (d.anni == 1 && d.giorni > 0); }

int anniFra(const std::optional<QDate>& da, const std::optional<QDate>& a)
{
    return da && a ? Date::calcola(*da, *a).anni : 0;
}

// The possession taken into account: the plaintiff's, shortened at either end by a date the
// defendant proved; a date without proof, or that would lengthen the possession, is left aside.
// A claim or an acknowledgement given as the end ends nothing: it is an interruption on that day.
void periodoUtile(const Fatti& f, Origini& o)
{
    o.inizio = f.possessoInizio;
    o.fine = f.possessoFine;
    o.anniAttore = anniFra(o.inizio, o.fine);
    if (f.ledateInizio && o.inizio && *f.ledateInizio > *o.inizio) {
        if (dataProvata(f.provaInizioDate)) {
            o.inizio = f.ledateInizio;
            o.inizioDa = Fonte::Convenuto;
        } else {
            o.dateConvenutoSenzaProva = true;
        }
    }
    const std::optional<ProvaLunga> provaFine = f.provaFineDate;
    const bool atto = provaFine == ProvaLunga::DomandaGiudiziale || provaFine == ProvaLunga::Riconoscimento;
    // An act on the possession's last day still interrupts it; a mere end date there changes nothing.
    if (f.ledateFine && o.fine && (*f.ledateFine < *o.fine || (atto && *f.ledateFine == *o.fine))) {
        if (atto) {
            if (!o.inizio || *f.ledateFine >= *o.inizio) {
                o.attoFineDate = provaFine == ProvaLunga::DomandaGiudiziale ? TipoInterruzione::Domanda
                                                                            : TipoInterruzione::Riconoscimento;
                o.dataAttoFineDate = f.ledateFine;
            }
        } else if (dataProvata(provaFine)) {
            o.fine = f.ledateFine;
            o.fineDa = Fonte::Convenuto;
        } else {
            o.dateConvenutoSenzaProva = true;
        }
    }
    if (o.inizioDa == Fonte::Convenuto || o.fineDa == Fonte::Convenuto)
        o.anni = Fonte::Convenuto;
}

// The defendant's interruption: the act chosen, or the one its start proof names; it needs each
// date it has proved and must begin within the possession taken into account. A loss of
// possession interrupts only beyond a year, and not when the possession was recovered by the
// action brought within the year (art. 1167); a judicial claim or an acknowledgement whatever its
// length (arts. 2943, 2944). The term runs again as art. 2945 says (see Origini::ripresa).
void interruzioneOpposta(const Fatti& f, Origini& o)
{
    if (!f.interruzioneInizio)
        return;
    o.tipoInterruzione = tipoInterruzione(f.attoInterruzione());
    // A claim not extinguished whose judgment has no day of becoming final is still pending.
    o.domandaPendente = o.tipoInterruzione == TipoInterruzione::Domanda && f.statoGiudizio != StatoGiudizio::Estinto
                        && (f.statoGiudizio == StatoGiudizio::Pendente || !f.interruzioneFine);
    const bool secondaData = f.interruzioneConRipresa() && !o.domandaPendente;
    if (secondaData && !f.interruzioneFine)
        return;
    o.inizioInterruzione = f.interruzioneInizio;
    o.fineInterruzione = secondaData ? f.interruzioneFine : f.interruzioneInizio;
    o.ripresa = o.domandaPendente ? std::nullopt : o.fineInterruzione;
    o.durataInterruzione = Date::calcola(*o.inizioInterruzione, *o.fineInterruzione);
    const std::optional<ProvaLunga> inizio = f.provaInizioInterruzione;
    if (*o.fineInterruzione < *o.inizioInterruzione)
        o.opposizione = Opposizione::DateInvertite;
    else if (!(dataProvata(inizio) || inizio == ProvaLunga::Diffida)
             || (secondaData && !dataProvata(f.provaFineInterruzione)))
        o.opposizione = Opposizione::SenzaProva;
    else if (inizio == ProvaLunga::Diffida)
        o.opposizione = Opposizione::Diffida;
    else if (!o.inizio || !o.fine || *o.inizioInterruzione < *o.inizio || *o.inizioInterruzione > *o.fine)
        o.opposizione = Opposizione::FuoriPossesso;
    else if (o.tipoInterruzione == TipoInterruzione::PerditaPossesso && !oltreUnAnno(o.durataInterruzione))
        o.opposizione = Opposizione::NonOltreUnAnno;
    else if (o.tipoInterruzione == TipoInterruzione::PerditaPossesso && f.recupero == Recupero::EntroLAnno)
        o.opposizione = Opposizione::Recuperato;
    else
        o.opposizione = Opposizione::Efficace;
}

// An act that interrupted the term on `data`; the term runs again from ripresa, or never.
struct Atto {
    QDate data;
    std::optional<QDate> ripresa;
    TipoInterruzione tipo = TipoInterruzione::Nessuna;
};

// One attempt at a term: it runs from `inizio`, each act on or before its last day starts it
// again, and it is complete when its last day comes within the possession.
struct Corsa {
    std::optional<QDate> inizio;   // of the last run; none when it never ran again
    std::optional<QDate> compiuta;
    bool interrotta = false;
    int anni = 0;                       // years of the last run, to the next act or the end
    const Atto* ultimoAtto = nullptr;   // the act the last run started again after
};

// atti in order of date.
Corsa corri(QDate inizio, int termine, QDate fine, const std::vector<Atto>& atti)
{
    Corsa c;
    std::optional<QDate> da = inizio;
    size_t prossimo = 0;   // the acts before it have been weighed
    while (da) {
        // An act before the start whose effect lasts beyond it (a pending claim, a loss not yet
        // recovered, a judgment not yet final) keeps the term from starting until its effect ends.
        while (da && prossimo < atti.size() && atti[prossimo].data < *da) {
            const Atto& prima = atti[prossimo++];
            if (!prima.ripresa || *prima.ripresa > *da) {
                c.interrotta = true;
                c.ultimoAtto = &prima;
                da = prima.ripresa;
            }
        }
        if (!da)
            break;
        c.inizio = da;
        if (*da > fine) {
            c.anni = 0;
            return c;
        }
        // The term expires at the end of its last day: an act on that very day still interrupts.
        const QDate ultimo = da->addYears(termine);
        const bool interrompe = prossimo < atti.size() && atti[prossimo].data <= ultimo && atti[prossimo].data <= fine;
        if (!interrompe) {
            const QDate finoA = prossimo < atti.size() ? std::min(atti[prossimo].data, fine) : fine;
            c.anni = anniFra(*da, finoA);
            if (ultimo <= fine)
                c.compiuta = ultimo;
            return c;
        }
        const Atto& atto = atti[prossimo++];
        c.interrotta = true;
        c.ultimoAtto = &atto;
        c.anni = anniFra(*da, atto.data);
        // A restart before the act (dates typed the wrong way) never goes back in time.
        da = atto.ripresa ? std::optional<QDate>(std::max(*atto.ripresa, atto.data)) : std::nullopt;
        if (da && *da > fine) {
            c.inizio = da;
            c.anni = 0;
            return c;
        }
    }
    c.inizio.reset();
    c.anni = 0;
    return c;
}

}   // namespace

TipoInterruzione tipoInterruzione(AttoInterruttivo atto)
{
    switch (atto) {
    case AttoInterruttivo::DomandaGiudiziale: return TipoInterruzione::Domanda;
    case AttoInterruttivo::Riconoscimento: return TipoInterruzione::Riconoscimento;
    default: return TipoInterruzione::PerditaPossesso;
    }
}

Fattori fattori(const Fatti& f, Origini* origini)
{
    Origini o;
    Fattori x;
    x.tipologia = f.tipologia;

    // A proof of the defendant's, other than acts of tolerance, a formal notice or "nessuna prova",
    // decides the point against the plaintiff, whatever requirement it concerns. Acts of tolerance
    // mean there was no possession.
    const auto provata = [](const std::optional<ProvaRequisito>& p) { return p && mezzoDiProva(*p); };
    const auto tollerato = [](const std::optional<ProvaRequisito>& p) { return p == ProvaRequisito::Tolleranza; };
    const bool modo = provata(f.obiezioneModo);
    const bool animo = provata(f.obiezioneAnimo);
    const bool fede = provata(f.obiezioneFede);
    const bool provenienza = provata(f.obiezioneProvenienza);
    const bool titolo = provata(f.obiezioneTitolo);
    o.tolleranzaModo = tollerato(f.obiezioneModo);
    o.tolleranzaAnimo = tollerato(f.obiezioneAnimo);
    o.tolleranzaFede = tollerato(f.obiezioneFede);
    o.tolleranzaProvenienza = tollerato(f.obiezioneProvenienza);
    o.tolleranzaTitolo = tollerato(f.obiezioneTitolo);
    x.tolleranza =
        o.tolleranzaModo || o.tolleranzaAnimo || o.tolleranzaFede || o.tolleranzaProvenienza || o.tolleranzaTitolo;
    x.modo = modo ? Modo::ViolentoClandestino : f.modo;
    x.animo = animo ? Animo::PerContoAltrui : f.animo;
    x.fede = fede ? Fede::Mala : f.fede;
    x.provenienza = provenienza ? Provenienza::Illegittima : f.provenienza;
    x.titolo = titolo ? Titolo::Mancante : f.titolo;
    // A proof that confirms what the plaintiff already conceded changes nothing he said.
    if (modo && f.modo != Modo::ViolentoClandestino)
        o.modo = Fonte::Convenuto;
    if (animo && f.animo != Animo::PerContoAltrui)
        o.animo = Fonte::Convenuto;
    if (fede && f.fede != Fede::Mala)
        o.fede = Fonte::Convenuto;
    if (provenienza && f.provenienza != Provenienza::Illegittima)
        o.provenienza = Fonte::Convenuto;
    if (titolo && f.titolo != Titolo::Mancante)
        o.titolo = Fonte::Convenuto;

    periodoUtile(f, o);
    interruzioneOpposta(f, o);

    // Violent or clandestine possession is useful from the day the vice ceased (art. 1163), when
    // that day falls within the possession; from then on it is peaceful and public.
    std::optional<QDate> utile = o.inizio;
    bool vizioCessato = false;
    if (x.modo == Modo::ViolentoClandestino && f.cessazioneVizio && o.inizio && o.fine
        && *f.cessazioneVizio <= *o.fine) {
        o.cessazioneVizio = std::max(*f.cessazioneVizio, *o.inizio);
        utile = o.cessazioneVizio;
        x.modo = Modo::PacificoPubblico;
        // What was taken was never delivered, however the possession went on afterwards.
        vizioCessato = true;
    }
    x.consegna = !vizioCessato && x.fede == Fede::Buona && x.titolo == Titolo::Idoneo;

    // The acts that interrupted, in order of date.
    std::vector<Atto> atti;
    if (o.opposizione == Opposizione::Efficace)
        atti.push_back({*o.inizioInterruzione, o.ripresa, o.tipoInterruzione});
    if (o.attoFineDate != TipoInterruzione::Nessuna) {
        const bool riconoscimento = o.attoFineDate == TipoInterruzione::Riconoscimento;
        atti.push_back({*o.dataAttoFineDate, riconoscimento ? o.dataAttoFineDate : std::nullopt, o.attoFineDate});
    }
    std::sort(atti.begin(), atti.end(), [](const Atto& a, const Atto& b) { return a.data < b.data; });

    x.anni = anniFra(utile, o.fine);
    const Termine lungo = termineApplicabile(x.tipologia, Fede::Mala, Titolo::Mancante);
    const Termine applicabile = termineDelCaso(x);
    std::optional<QDate> inizioBreve = utile;
    if (applicabile.daTrascrizione && utile && applicabile.anni < lungo.anni) {
        if (f.trascrizione && *f.trascrizione > *utile)
            inizioBreve = f.trascrizione;
        o.termineDaTrascrizione = f.trascrizione.has_value();
        o.trascrizioneNonIndicata = !f.trascrizione;
    }
    o.inizioTermine = utile;

    if (f.interruzione == Interruzione::OltreUnAnno) {
        // The plaintiff's own answer, which gives no dates: the term is interrupted; only delivery in
        // good faith with a title, which needs no term, still gives a day of acquisition.
        x.interrotto = true;
        if (applicabile.anni == 0)
            o.compiuta = utile;
        // Short of the long term, the years are those the short term counts, from the transcription.
        if (applicabile.anni > 0 && applicabile.anni < lungo.anni && x.anni < lungo.anni && inizioBreve) {
            x.anni = anniFra(inizioBreve, o.fine);
            o.inizioTermine = inizioBreve;
        }
    } else if (utile && o.fine && lungo.anni >= 0) {
        const Corsa l = corri(*utile, lungo.anni, *o.fine, atti);
        Corsa b;
        const bool breve = applicabile.anni >= 0 && applicabile.anni < lungo.anni && inizioBreve;
        if (breve)
            b = corri(*inizioBreve, applicabile.anni, *o.fine, atti);
        // The earliest term complete gives the day of acquisition; the years the rules read are
        // those of the run that completed the long term, else the short one.
        const Corsa* vinta = nullptr;
        for (const Corsa* c : {&l, static_cast<const Corsa*>(&b)})
            if (c->compiuta && (!vinta || *c->compiuta < *vinta->compiuta))
                vinta = c;
        const bool lunghiAnni = x.anni >= lungo.anni;
        const Corsa& decisiva = l.compiuta ? l : (b.compiuta ? b : (breve && !lunghiAnni ? b : l));
        if (vinta) {
            x.anni = decisiva.anni;
            // The right is acquired by the term complete first: the long term's rows give way.
            x.termineBreve = vinta == &b;
            o.inizioTermine = vinta->inizio;
            o.termineCompiuto = vinta == &l ? lungo : applicabile;
        } else {
            if (&decisiva == &b) {
                x.anni = anniFra(inizioBreve, o.fine);
                o.inizioTermine = inizioBreve;
            }
            x.interrotto = decisiva.interrotta;
        }
        const std::optional<QDate> giorno = vinta ? vinta->compiuta : std::nullopt;
        o.compiuta = giorno;
        const auto dopo = [&](const std::optional<QDate>& d) { return giorno && d && *d > *giorno; };
        if (o.opposizione == Opposizione::Efficace && dopo(o.inizioInterruzione))
            o.opposizione = Opposizione::DopoCompimento;
        o.attoFineDateDopoCompimento = dopo(o.dataAttoFineDate);
        if (o.opposizione == Opposizione::Efficace
            || (o.attoFineDate != TipoInterruzione::Nessuna && !o.attoFineDateDopoCompimento)) {
            o.interruzione = Fonte::Convenuto;
            // With no interruption of its own window, the act given as the end is the one told.
            if (o.opposizione == Opposizione::NonProposta) {
                o.tipoInterruzione = o.attoFineDate;
                o.inizioInterruzione = o.fineInterruzione = o.dataAttoFineDate;
            }
            const Corsa& ultima = vinta ? *vinta : decisiva;
            if (ultima.interrotta)
                o.ripresa = ultima.inizio;
            if (ultima.ultimoAtto) {
                o.attoDecisivo = ultima.ultimoAtto->tipo;
                o.dataAttoDecisivo = ultima.ultimoAtto->data;
            }
            o.anniDopoInterruzione = anniFra(o.ripresa, o.fine);
            o.interruzioneSuperata = vinta && vinta->interrotta;
        }
    }
    o.termineDallaTrascrizione =
        f.trascrizione && o.inizioTermine == f.trascrizione && utile && *f.trascrizione > *utile;
    if (origini)
        *origini = o;
    return x;
}

bool Regola::vale(const Fattori& x) const
{
    if (tipi && !tipi->comprende(x.tipologia))
        return false;
    return x.anni >= anni && prova(tolleranza, x.tolleranza) && prova(consegna, x.consegna)
           && prova(termineBreve, x.termineBreve) && prova(interrotto, x.interrotto) && prova(modo, x.modo)
           && prova(animo, x.animo) && prova(fede, x.fede) && prova(titolo, x.titolo)
           && prova(provenienza, x.provenienza);
}

const std::vector<Regola>& tabellaRegole()
{
    static const std::vector<Regola> tabella = costruisci();
    return tabella;
}

int termineMinimo(const Fattori& x)
{
    // The shortest the type allows, with good faith and a title; a movable delivered in good faith
    // needs its title to take no time at all, and without it good faith alone shortens the term.
    const bool consegna = x.consegna;
    const bool mobili = x.tipologia == Tipologia::BeniMobili;
    return termineApplicabile(x.tipologia, Fede::Buona, mobili && !consegna ? Titolo::Mancante : Titolo::Idoneo).anni;
}

Termine termineApplicabile(const std::optional<Tipologia>& tipologia, const std::optional<Fede>& fede,
                           const std::optional<Titolo>& titolo, bool consegna)
{
    const bool buona = fede == Fede::Buona;
    const bool breve = buona && titolo == Titolo::Idoneo;
    if (!tipologia)
        return {};
    switch (*tipologia) {
    case Tipologia::Proprieta:
    case Tipologia::Enfiteusi:
    case Tipologia::Usufrutto:
    case Tipologia::Uso:
    case Tipologia::Abitazione:
    case Tipologia::ServituApparenti: return breve ? Termine{10, "art. 1159", true} : Termine{20, "art. 1158"};
    case Tipologia::PiccolaProprietaRurale:
        return breve ? Termine{5, "art. 1159-bis", true} : Termine{15, "art. 1159-bis"};
    case Tipologia::UniversalitaMobili: return breve ? Termine{10, "art. 1160"} : Termine{20, "art. 1160"};
    case Tipologia::BeniMobili:
        if (breve && consegna)
            return {0, "art. 1153"};
        return buona ? Termine{10, "art. 1161"} : Termine{20, "art. 1161"};
    case Tipologia::MobiliRegistrati: return breve ? Termine{3, "art. 1162", true} : Termine{10, "art. 1162"};
    case Tipologia::ServituNonApparenti:   // art. 1061
    case Tipologia::DemanioPubblico:       // art. 823
        break;
    }
    return {};
}

Difetti difettiPresenti(const Fattori& x)
{
    Difetti d;
    const bool mobili = x.tipologia == Tipologia::BeniMobili;
    // Delivery in good faith with a title transfers ownership however the possession went on.
    const bool consegna = mobili && x.consegna;
    if (x.interrotto && !consegna)
        d |= Difetto::Interruzione;
    if (x.modo == Modo::ViolentoClandestino)
        d |= Difetto::Violenza;
    if (x.animo == Animo::PerContoAltrui)
        d |= Difetto::Detenzione;
    // Without good faith or a title the long term applies; a type with no term never has the years.
    const int lungo = termineApplicabile(x.tipologia, Fede::Mala, Titolo::Mancante).anni;
    if (lungo < 0 || x.anni < lungo) {
        if (x.fede == Fede::Mala)
            d |= Difetto::MalaFede;
        if (x.titolo == Titolo::Mancante && !mobili)
            d |= Difetto::SenzaTitolo;
    }
    return d;
}

namespace {

// For each type 0..12 the rows that can hold for it, in table order: the rows of that type, then
// those for any type. Trying only these gives the first match of the whole table, sooner.
const std::vector<int>& righePerTipo(const std::optional<Tipologia>& tipologia)
{
    static const std::array<std::vector<int>, 13> righe = [] {
        std::array<std::vector<int>, 13> r;
        const std::vector<Regola>& tabella = tabellaRegole();
        for (int t = 0; t < int(r.size()); ++t)
            for (size_t i = 0; i < tabella.size(); ++i)
                if (!tabella[i].tipi || tabella[i].tipi->comprende(t == 0 ? std::nullopt : std::optional(Tipologia(t))))
                    r[size_t(t)].push_back(int(i));
        return r;
    }();
    const int t = tipologia ? int(*tipologia) : 0;
    return righe[size_t(t >= 0 && t <= 12 ? t : 0)];
}

}   // namespace

Decisione decidi(const Fatti& f)
{
    Decisione d;
    d.fattori = fattori(f, &d.origini);
    const std::vector<Regola>& tabella = tabellaRegole();
    for (int i : righePerTipo(d.fattori.tipologia)) {
        const Regola& r = tabella[size_t(i)];
        if (r.vale(d.fattori)) {
            d.chiave = r.chiave;
            d.esito = r.esito;
            d.forma = r.forma;
            d.riga = i;
            break;
        }
    }
    if (d.riga < 0) {
        // Not reached: the last row holds for every case.
        d.chiave = u"RF"_s;
        d.riga = int(tabella.size()) - 1;
    }
    d.termine = termineMinimo(d.fattori);
    d.difetti = difettiPresenti(d.fattori);
    if (d.esito == Esito::Vince)
        d.compiuta = d.origini.compiuta;
    return d;
}
