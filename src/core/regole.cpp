#include "core/regole.h"

#include "core/date.h"

#include <algorithm>
#include <array>

namespace {

int valore(const Scelta& s)
{
    return s.value_or(0);
}

bool fra(const Scelta& s, int da, int a)
{
    const int v = valore(s);
    return v >= da && v <= a;
}

constexpr Esito W = Esito::Vince;
constexpr Esito L = Esito::Perde;
constexpr FormaCommento C = FormaCommento::Testo;
constexpr FormaCommento N = FormaCommento::Nome;
constexpr FormaCommento A = FormaCommento::ANome;

Regola riga(const char* chiave, int tipoDa, int tipoA, int anni, int interrotto, int modoacq,
            int animo, int fedeposs, int sceltaacq, int sceltaprov, Esito esito, FormaCommento forma)
{
    Regola r;
    r.chiave = QString::fromLatin1(chiave);
    r.tipoDa = tipoDa;
    r.tipoA = tipoA;
    r.anni = anni;
    r.interrotto = interrotto;
    r.modoacq = modoacq;
    r.animo = animo;
    r.fedeposs = fedeposs;
    r.sceltaacq = sceltaacq;
    r.sceltaprov = sceltaprov;
    r.esito = esito;
    r.forma = forma;
    return r;
}

Regola tollerato()
{
    Regola r = riga("RT", 0, 0, 0, 0, 0, 0, 0, 0, 0, L, N);
    r.tolleranza = 2;
    return r;
}

std::vector<Regola> costruisci()
{
    // Terms of the Civil Code: 20 years (art. 1158), 10 with good faith and a registered title
    // (art. 1159), 15 and 5 for small rural property (art. 1159-bis), 20 and 10 for a universality
    // of movables (art. 1160), 20 and 10 for movables (art. 1161), 10 and 3 for registered
    // movables (art. 1162); the public domain (art. 823) and non-apparent servitudes (art. 1061)
    // are never acquired. Every usucapione needs possession (arts. 1140, 1141) neither violent nor
    // clandestine (art. 1163) nor lost for over a year (art. 1167).
    //      key     types   anni intr modo animo fede acq prov
    return {
        riga("RD",  12, 12,  0,  0,  0,  0,  0,  0,  0, L, N),
        // A non-apparent servitude is never acquired by prescription (art. 1061).
        riga("RS",   7,  7,  0,  0,  0,  0,  0,  0,  0, L, N),
        // Acts done by the owner's tolerance found no possession (art. 1144), whatever the type.
        tollerato(),
        // Types 1 to 7: ownership and the real rights of enjoyment.
        riga("R1",   1,  7, 20,  1,  2,  2,  0,  0,  0, W, N),
        riga("R2",   1,  7, 20,  2,  2,  2,  0,  0,  0, L, N),
        riga("R3",   1,  7, 20,  1,  1,  2,  0,  0,  0, L, N),
        riga("R4",   1,  7, 20,  1,  2,  1,  0,  0,  0, L, N),
        riga("R5",   1,  7, 10,  1,  2,  2,  1,  1,  0, W, C),
        riga("R6",   1,  7, 10,  2,  2,  2,  1,  1,  0, L, C),
        riga("R7",   1,  7, 10,  1,  1,  2,  1,  1,  0, L, C),
        riga("R8",   1,  7, 10,  1,  2,  1,  1,  1,  0, L, C),
        riga("R9",   1,  7, 10,  1,  2,  2,  2,  1,  0, L, C),
        riga("R10",  1,  7, 10,  1,  2,  2,  1,  2,  0, L, C),
        // Type 8: small rural property.
        riga("R11",  8,  8, 15,  1,  2,  2,  0,  0,  0, W, C),
        riga("R12",  8,  8, 15,  2,  2,  2,  0,  0,  0, L, N),
        riga("R13",  8,  8, 15,  1,  1,  2,  0,  0,  0, L, C),
        riga("R14",  8,  8, 15,  1,  2,  1,  0,  0,  0, L, C),
        riga("R15",  8,  8,  5,  1,  2,  2,  1,  1,  0, W, C),
        riga("R16",  8,  8,  5,  2,  2,  2,  1,  1,  0, L, N),
        riga("R17",  8,  8,  5,  1,  1,  2,  1,  1,  0, L, N),
        riga("R18",  8,  8,  5,  1,  2,  1,  1,  1,  0, L, A),
        riga("R19",  8,  8,  5,  1,  2,  2,  2,  1,  0, L, N),
        riga("R20",  8,  8,  5,  1,  2,  2,  1,  2,  0, L, N),
        // Type 9: universality of movables.
        riga("R21",  9,  9, 20,  1,  2,  2,  0,  0,  0, W, C),
        riga("R22",  9,  9, 20,  2,  2,  2,  0,  0,  0, L, N),
        riga("R23",  9,  9, 20,  1,  1,  2,  0,  0,  0, L, N),
        riga("R24",  9,  9, 20,  1,  2,  1,  0,  0,  0, L, N),
        riga("R25",  9,  9, 10,  1,  2,  2,  1,  1,  0, W, C),
        riga("R26",  9,  9, 10,  2,  2,  2,  1,  1,  0, L, N),
        riga("R27",  9,  9, 10,  1,  1,  2,  1,  1,  0, L, N),
        riga("R28",  9,  9, 10,  1,  2,  1,  1,  1,  0, L, N),
        riga("R29",  9,  9, 10,  1,  2,  2,  2,  1,  0, L, N),
        riga("R30",  9,  9, 10,  1,  2,  2,  1,  2,  0, L, N),
        // Type 10: movable goods; twenty years in bad faith, ten in good faith.
        riga("R31", 10, 10, 20,  1,  2,  2,  2,  0,  0, W, C),
        riga("R32", 10, 10, 20,  2,  2,  2,  2,  0,  0, L, N),
        riga("R33", 10, 10, 20,  1,  1,  2,  2,  0,  0, L, N),
        riga("R34", 10, 10, 20,  1,  2,  1,  2,  0,  0, L, N),
        riga("R35", 10, 10, 10,  1,  2,  2,  1,  0,  0, W, C),
        // An interruption loses only without a title: with one, delivery in good faith has already
        // made the plaintiff owner (R41), and a later loss of possession takes nothing away.
        riga("R36", 10, 10, 10,  2,  2,  2,  1,  2,  0, L, N),
        riga("R37", 10, 10, 10,  1,  1,  2,  1,  0,  0, L, N),
        riga("R38", 10, 10, 10,  1,  2,  1,  1,  0,  0, L, N),
        riga("R39", 10, 10, 10,  1,  2,  2,  2,  0,  0, L, N),
        // No duration rule held. Knowing the illegitimate provenance bars the buyer in bad faith
        // (art. 1154); delivery to a buyer in good faith with a suitable title transfers ownership
        // whatever the provenance and the time (art. 1153), if the thing was handed over, not
        // taken by violence or stealth, and is possessed, not held for another.
        riga("R40", 10, 10,  0,  0,  0,  0,  2,  0,  2, L, C),
        riga("R41", 10, 10,  0,  0,  2,  2,  1,  1,  0, W, C),
        riga("R42", 10, 10,  0,  0,  2,  2,  2,  1,  0, L, N),
        riga("R43", 10, 10,  0,  0,  2,  2,  1,  2,  0, L, N),
        // Type 11: movables entered in public registers. Ten years (art. 1162, second paragraph),
        // or three with good faith and a registered title (first paragraph); either needs the
        // possession every usucapione needs, and one defect loses with its own paragraph.
        riga("R44",  11, 11, 10, 1,  2,  2,  0,  0,  0, W, C),
        riga("R44I", 11, 11, 10, 2,  2,  2,  0,  0,  0, L, N),
        riga("R44V", 11, 11, 10, 1,  1,  2,  0,  0,  0, L, N),
        riga("R44D", 11, 11, 10, 1,  2,  1,  0,  0,  0, L, N),
        riga("R45",  11, 11,  3, 1,  2,  2,  1,  1,  0, W, C),
        riga("R45I", 11, 11,  3, 2,  2,  2,  1,  1,  0, L, N),
        riga("R45V", 11, 11,  3, 1,  1,  2,  1,  1,  0, L, N),
        riga("R45D", 11, 11,  3, 1,  2,  1,  1,  1,  0, L, N),
        riga("R46",  11, 11,  3, 1,  2,  2,  2,  1,  0, L, N),
        riga("R47",  11, 11,  3, 1,  2,  2,  1,  2,  0, L, N),
        // Anything else: too few years, two or more defects, or no rule names the case.
        riga("RF",   0,  0,  0,  0,  0,  0,  0,  0,  0, L, C),
    };
}

bool prova(int richiesto, int valore)
{
    return richiesto == 0 || richiesto == valore;
}

// Over a year: a day at least past the anniversary.
bool oltreUnAnno(const Date::Durata& d)
{
    return d.anni > 1 || (d.anni == 1 && d.giorni > 0);
}

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
        if (ProvaData::provataCorta(f.ledatin)) {
            o.inizio = f.ledateInizio;
            o.inizioDa = Fonte::Convenuto;
        } else {
            o.dateConvenutoSenzaProva = true;
        }
    }
    const int provaFine = valore(f.ledatfin);
    if (f.ledateFine && o.fine && *f.ledateFine < *o.fine) {
        if (provaFine == ProvaData::domanda || provaFine == ProvaData::riconoscimento) {
            if (!o.inizio || *f.ledateFine >= *o.inizio) {
                o.attoFineDate = provaFine == ProvaData::domanda ? TipoInterruzione::Domanda
                                                                : TipoInterruzione::Riconoscimento;
                o.dataAttoFineDate = f.ledateFine;
            }
        } else if (ProvaData::provataLunga(f.ledatfin)) {
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
    o.tipoInterruzione = tipoInterruzione(f.tipointerr, f.interdatin);
    const bool secondaData
        = StatoCausa::chiedeRipresa(StatoCausa::attoInterruttivo(f.tipointerr, f.interdatin), f.domandaestinta);
    if (secondaData && !f.interruzioneFine)
        return;
    o.inizioInterruzione = f.interruzioneInizio;
    o.fineInterruzione = secondaData ? f.interruzioneFine : f.interruzioneInizio;
    o.ripresa = o.fineInterruzione;
    o.durataInterruzione = Date::calcola(*o.inizioInterruzione, *o.fineInterruzione);
    const int inizio = valore(f.interdatin);
    if (*o.fineInterruzione < *o.inizioInterruzione)
        o.opposizione = Opposizione::DateInvertite;
    else if (inizio < 1 || inizio >= ProvaData::nessunaLunga || (secondaData && !ProvaData::provataCorta(f.interdatfin)))
        o.opposizione = Opposizione::SenzaProva;
    else if (inizio == ProvaData::diffida)
        o.opposizione = Opposizione::Diffida;
    else if (!o.inizio || !o.fine || *o.inizioInterruzione < *o.inizio || *o.inizioInterruzione > *o.fine)
        o.opposizione = Opposizione::FuoriPossesso;
    else if (o.tipoInterruzione == TipoInterruzione::PerditaPossesso && !oltreUnAnno(o.durataInterruzione))
        o.opposizione = Opposizione::NonOltreUnAnno;
    else if (o.tipoInterruzione == TipoInterruzione::PerditaPossesso && valore(f.recupero1167) == 1)
        o.opposizione = Opposizione::Recuperato;
    else
        o.opposizione = Opposizione::Efficace;
}

// An act that interrupted the term on `data`; the term runs again from ripresa, or never.
struct Atto {
    QDate data;
    std::optional<QDate> ripresa;
};

// One attempt at a term: it runs from `inizio`, each act on or before its last day starts it
// again, and it is complete when its last day comes within the possession.
struct Corsa {
    std::optional<QDate> inizio;     // of the last run; none when it never ran again
    std::optional<QDate> compiuta;
    bool interrotta = false;
    int anni = 0;                    // years of the last run, to the next act or the end
};

// atti in order of date.
Corsa corri(QDate inizio, int termine, QDate fine, const std::vector<Atto>& atti)
{
    Corsa c;
    std::optional<QDate> da = inizio;
    size_t prossimo = 0;   // the acts before it have been weighed
    while (da) {
        c.inizio = da;
        while (prossimo < atti.size() && atti[prossimo].data < *da)
            ++prossimo;
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


} // namespace

TipoInterruzione tipoInterruzione(const Scelta& tipointerr, const Scelta& interdatin)
{
    switch (StatoCausa::attoInterruttivo(tipointerr, interdatin)) {
    case StatoCausa::AttoInterruttivo::domanda:
        return TipoInterruzione::Domanda;
    case StatoCausa::AttoInterruttivo::riconoscimento:
        return TipoInterruzione::Riconoscimento;
    default:
        return TipoInterruzione::PerditaPossesso;
    }
}

bool ProvaData::provataCorta(const Scelta& s)
{
    return fra(s, 1, nessunaCorta - 1);
}

bool ProvaData::provataLunga(const Scelta& s)
{
    return fra(s, 1, nessunaLunga - 1) && valore(s) != diffida;
}

Fatti Fatti::da(const Causa& causa)
{
    const DatiCausa& d = causa.scelte;
    const TestiCausa& t = causa.testi;
    Fatti f;
    f.tipologia = d.tipologia;
    f.sceltainterr = d.sceltainterr;
    f.sceltamodus = d.sceltamodus;
    f.sceltapsic = d.sceltapsic;
    f.sceltaprov = d.sceltaprov;
    f.sceltafed = d.sceltafed;
    f.sceltaacq = d.sceltaacq;
    f.obiezmodo = d.obiezmodo;
    f.obiezpsiche = d.obiezpsiche;
    f.obiezfede = d.obiezfede;
    f.obiezprov = d.obiezprov;
    f.obiezacq = d.obiezacq;
    f.tipointerr = d.tipointerr;
    f.domandaestinta = d.domandaestinta;
    f.recupero1167 = d.recupero1167;
    f.trascrizione = Date::leggi(t.trascrizione);
    f.cessazioneVizio = Date::leggi(t.cessazioneVizio);
    f.ledatin = d.ledatin;
    f.ledatfin = d.ledatfin;
    f.interdatin = d.interdatin;
    f.interdatfin = d.interdatfin;
    f.possessoInizio = Date::leggi(t.possessoInizio);
    f.possessoFine = Date::leggi(t.possessoFine);
    f.ledateInizio = Date::leggi(t.ledateInizio);
    f.ledateFine = Date::leggi(t.ledateFine);
    f.interruzioneInizio = Date::leggi(t.interruzioneInizio);
    f.interruzioneFine = Date::leggi(t.interruzioneFine);
    return f;
}

Fattori fattori(const Fatti& f, Origini* origini)
{
    Origini o;
    Fattori x;
    x.tipologia = valore(f.tipologia);

    // A proof of the defendant's, other than acts of tolerance, a formal notice or "nessuna prova",
    // decides the point against the plaintiff, whatever requirement it concerns. Acts of tolerance
    // mean there was no possession.
    using namespace ProvaQuestionario;
    const bool modo = fra(f.obiezmodo, 1, tolleranza - 1);
    const bool animo = fra(f.obiezpsiche, 1, tolleranza - 1);
    const bool fede = fra(f.obiezfede, 1, tolleranza - 1);
    const bool provenienza = fra(f.obiezprov, 1, tolleranza - 1);
    const bool titolo = fra(f.obiezacq, 1, tolleranza - 1);
    o.tolleranzaModo = valore(f.obiezmodo) == tolleranza;
    o.tolleranzaAnimo = valore(f.obiezpsiche) == tolleranza;
    o.tolleranzaFede = valore(f.obiezfede) == tolleranza;
    o.tolleranzaProvenienza = valore(f.obiezprov) == tolleranza;
    o.tolleranzaTitolo = valore(f.obiezacq) == tolleranza;
    x.tolleranza = o.tolleranzaModo || o.tolleranzaAnimo || o.tolleranzaFede || o.tolleranzaProvenienza
                || o.tolleranzaTitolo ? 2 : 1;
    x.modoacq = modo ? 1 : valore(f.sceltamodus);
    x.animo = animo ? 1 : valore(f.sceltapsic);
    x.fedeposs = fede ? 2 : valore(f.sceltafed);
    x.sceltaprov = provenienza ? 2 : valore(f.sceltaprov);
    x.sceltaacq = titolo ? 2 : valore(f.sceltaacq);
    // A proof that confirms what the plaintiff already conceded changes nothing he said.
    if (modo && valore(f.sceltamodus) != 1)
        o.modo = Fonte::Convenuto;
    if (animo && valore(f.sceltapsic) != 1)
        o.animo = Fonte::Convenuto;
    if (fede && valore(f.sceltafed) != 2)
        o.fede = Fonte::Convenuto;
    if (provenienza && valore(f.sceltaprov) != 2)
        o.provenienza = Fonte::Convenuto;
    if (titolo && valore(f.sceltaacq) != 2)
        o.titolo = Fonte::Convenuto;

    periodoUtile(f, o);
    interruzioneOpposta(f, o);

    // Violent or clandestine possession is useful from the day the vice ceased (art. 1163), when
    // that day falls within the possession; from then on it is peaceful and public.
    std::optional<QDate> utile = o.inizio;
    if (x.modoacq == 1 && f.cessazioneVizio && o.inizio && o.fine && *f.cessazioneVizio <= *o.fine) {
        o.cessazioneVizio = std::max(*f.cessazioneVizio, *o.inizio);
        utile = o.cessazioneVizio;
        x.modoacq = 2;
    }

    // The acts that interrupted, in order of date.
    std::vector<Atto> atti;
    if (o.opposizione == Opposizione::Efficace)
        atti.push_back({*o.inizioInterruzione, o.ripresa});
    if (o.attoFineDate != TipoInterruzione::Nessuna) {
        const bool riconoscimento = o.attoFineDate == TipoInterruzione::Riconoscimento;
        atti.push_back({*o.dataAttoFineDate, riconoscimento ? o.dataAttoFineDate : std::nullopt});
    }
    std::sort(atti.begin(), atti.end(), [](const Atto& a, const Atto& b) { return a.data < b.data; });

    x.anni = anniFra(utile, o.fine);
    const Termine lungo = termineApplicabile(x.tipologia, 2, 2);
    const Termine applicabile = termineApplicabile(x.tipologia, x.fedeposs, x.sceltaacq);
    std::optional<QDate> inizioBreve = utile;
    if (applicabile.daTrascrizione && utile && applicabile.anni < lungo.anni) {
        if (f.trascrizione && *f.trascrizione > *utile)
            inizioBreve = f.trascrizione;
        o.termineDaTrascrizione = f.trascrizione.has_value();
        o.trascrizioneNonIndicata = !f.trascrizione;
    }
    o.inizioTermine = utile;

    if (valore(f.sceltainterr) == 2) {
        // The plaintiff's own answer, which gives no dates: the term is interrupted; only delivery in
        // good faith with a title, which needs no term, still gives a day of acquisition.
        x.interrotto = 2;
        if (applicabile.anni == 0)
            o.compiuta = utile;
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
            o.inizioTermine = vinta->inizio;
            o.termineCompiuto = vinta == &l ? lungo : applicabile;
        } else {
            if (&decisiva == &b) {
                x.anni = anniFra(inizioBreve, o.fine);
                o.inizioTermine = inizioBreve;
            }
            x.interrotto = decisiva.interrotta ? 2 : 1;
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
            o.anniDopoInterruzione = anniFra(o.ripresa, o.fine);
            o.interruzioneSuperata = vinta && vinta->interrotta;
        }
    }
    if (origini)
        *origini = o;
    return x;
}

bool Regola::vale(const Fattori& x) const
{
    if (tipoDa != 0 && (x.tipologia < tipoDa || x.tipologia > tipoA))
        return false;
    return x.anni >= anni && prova(tolleranza, x.tolleranza) && prova(interrotto, x.interrotto) && prova(modoacq, x.modoacq)
           && prova(animo, x.animo) && prova(fedeposs, x.fedeposs)
           && prova(sceltaacq, x.sceltaacq) && prova(sceltaprov, x.sceltaprov);
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
    const bool consegna = x.fedeposs == 1 && x.sceltaacq == 1;
    return termineApplicabile(x.tipologia, 1, x.tipologia == 10 && !consegna ? 2 : 1).anni;
}

Termine termineApplicabile(int tipologia, int fedeposs, int sceltaacq)
{
    const bool fede = fedeposs == 1;
    const bool breve = fede && sceltaacq == 1;
    switch (tipologia) {
    case 1: case 2: case 3: case 4: case 5: case 6:
        return breve ? Termine{10, "art. 1159", true} : Termine{20, "art. 1158"};
    case 8:
        return breve ? Termine{5, "art. 1159-bis", true} : Termine{15, "art. 1159-bis"};
    case 9:
        return breve ? Termine{10, "art. 1160"} : Termine{20, "art. 1160"};
    case 10:
        if (breve)
            return {0, "art. 1153"};
        return fede ? Termine{10, "art. 1161"} : Termine{20, "art. 1161"};
    case 11:
        return breve ? Termine{3, "art. 1162", true} : Termine{10, "art. 1162"};
    default:
        return {};   // a non-apparent servitude (art. 1061), the public domain (art. 823)
    }
}

Difetti difettiPresenti(const Fattori& x)
{
    Difetti d;
    // Delivery in good faith with a title transfers ownership however the possession went on.
    const bool consegna = x.tipologia == 10 && x.fedeposs == 1 && x.sceltaacq == 1;
    if (x.interrotto == 2 && !consegna)
        d |= Difetto::Interruzione;
    if (x.modoacq == 1)
        d |= Difetto::Violenza;
    if (x.animo == 1)
        d |= Difetto::Detenzione;
    // Without good faith or a title the long term applies; a type with no term never has the years.
    const int lungo = termineApplicabile(x.tipologia, 2, 2).anni;
    if (lungo < 0 || x.anni < lungo) {
        if (x.fedeposs == 2)
            d |= Difetto::MalaFede;
        if (x.sceltaacq == 2 && x.tipologia != 10)
            d |= Difetto::SenzaTitolo;
    }
    return d;
}

namespace {

// For each type 0..12 the rows that can hold for it, in table order: the rows of that type, then
// those for any type. Trying only these gives the first match of the whole table, sooner.
const std::vector<int>& righePerTipo(int tipologia)
{
    static const std::array<std::vector<int>, 13> righe = [] {
        std::array<std::vector<int>, 13> r;
        const std::vector<Regola>& tabella = tabellaRegole();
        for (int t = 0; t < int(r.size()); ++t)
            for (size_t i = 0; i < tabella.size(); ++i)
                if (tabella[i].tipoDa == 0 || (t >= tabella[i].tipoDa && t <= tabella[i].tipoA))
                    r[size_t(t)].push_back(int(i));
        return r;
    }();
    return righe[size_t(tipologia >= 0 && tipologia <= 12 ? tipologia : 0)];
}

} // namespace

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
        d.chiave = QStringLiteral("RF");
        d.riga = int(tabella.size()) - 1;
    }
    d.termine = termineMinimo(d.fattori);
    d.difetti = difettiPresenti(d.fattori);
    if (d.esito == Esito::Vince)
        d.compiuta = d.origini.compiuta;
    return d;
}
