#include "judgment/regole.h"

#include "case/date.h"

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

// The days after the years of a duration text (" 1 anno e  14 giorni"); 0 when there are none.
int giorni(const QString& testo)
{
    const qsizetype e = testo.indexOf(QLatin1String(" e "));
    if (e < 0)
        return 0;
    return Date::anni(testo.mid(e + 3));
}

// A duration text that begins with a number after its blanks.
bool leggibile(const QString& testo)
{
    for (QChar c : testo) {
        if (c != u' ')
            return c >= u'0' && c <= u'9';
    }
    return false;
}

// The defendant's interruption: art. 1167 interrupts for a loss of possession of over one year,
// and an objection proves nothing when an end lacks proof or begins with a formal notice.
Opposizione opposizione(const Fatti& f, int anni, int giorni)
{
    if (!leggibile(f.durataInterruzione))
        return Opposizione::NonProposta;
    if (anni < 1 || (anni == 1 && giorni < 1))
        return Opposizione::NonOltreUnAnno;
    const int inizio = valore(f.interdatin);
    const int fine = valore(f.interdatfin);
    if (inizio < 1 || inizio >= ProvaInterruzione::nessunaProvaInizio || fine < 1
        || fine >= ProvaInterruzione::nessunaProvaFine)
        return Opposizione::SenzaProva;
    if (inizio == ProvaInterruzione::diffidaInizio)
        return Opposizione::Diffida;
    return Opposizione::Efficace;
}

} // namespace

Fatti Fatti::da(const DatiCausa& d, const QString& durataPossesso, const QString& durataDate,
                const QString& durataInterruzione)
{
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
    f.interdatin = d.interdatin;
    f.interdatfin = d.interdatfin;
    f.durataPossesso = durataPossesso;
    f.durataDate = durataDate;
    f.durataInterruzione = durataInterruzione;
    return f;
}

Fattori fattori(const Fatti& f, Origini* origini)
{
    Origini o;
    Fattori x;
    x.tipologia = valore(f.tipologia);
    x.sceltaacq = valore(f.sceltaacq);
    x.sceltaprov = valore(f.sceltaprov);

    // The defendant's dates can only shorten the possession taken into account.
    o.anniAttore = x.anni = Date::anni(f.durataPossesso);
    if (!f.durataDate.isEmpty()) {
        o.anniConvenuto = Date::anni(f.durataDate);
        if (o.anniConvenuto < x.anni) {
            x.anni = o.anniConvenuto;
            o.anni = Fonte::Convenuto;
        }
    }

    // Interrupted: by the plaintiff's own answer, or by a loss of over a year that the defendant
    // proved at both ends.
    x.interrotto = 1;
    if (!f.durataInterruzione.isEmpty()) {
        o.interruzioneAnni = Date::anni(f.durataInterruzione);
        o.interruzioneGiorni = giorni(f.durataInterruzione);
        o.opposizione = opposizione(f, o.interruzioneAnni, o.interruzioneGiorni);
    }
    if (valore(f.sceltainterr) == 2) {
        x.interrotto = 2;
    } else if (o.opposizione == Opposizione::Efficace) {
        x.interrotto = 2;
        o.interruzione = Fonte::Convenuto;
    }

    // Any proof the defendant offers, except "nessuna prova" (12), decides the point against the
    // plaintiff; for the state of mind a formal notice (11) does not either.
    const bool modo = fra(f.obiezmodo, 1, 11);
    const bool animo = fra(f.obiezpsiche, 1, 10);
    const bool fede = fra(f.obiezfede, 1, 11);
    x.modoacq = modo ? 1 : valore(f.sceltamodus);
    x.animo = animo ? 1 : valore(f.sceltapsic);
    x.fedeposs = fede ? 2 : valore(f.sceltafed);
    // A proof that confirms what the plaintiff already conceded changes nothing he said.
    if (modo && valore(f.sceltamodus) != 1)
        o.modo = Fonte::Convenuto;
    if (animo && valore(f.sceltapsic) != 1)
        o.animo = Fonte::Convenuto;
    if (fede && valore(f.sceltafed) != 2)
        o.fede = Fonte::Convenuto;
    if (origini)
        *origini = o;
    return x;
}

bool Regola::vale(const Fattori& x) const
{
    if (tipoDa != 0 && (x.tipologia < tipoDa || x.tipologia > tipoA))
        return false;
    return x.anni >= anni && prova(interrotto, x.interrotto) && prova(modoacq, x.modoacq)
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
    switch (x.tipologia) {
    case 1: case 2: case 3: case 4: case 5: case 6: case 9:
        return 10;
    case 8:
        return 5;
    case 10:
        return x.fedeposs == 1 && x.sceltaacq == 1 ? 0 : 10;
    case 11:
        return 3;
    default:
        return -1;
    }
}

namespace {

// The term that asks neither good faith nor a title: 20 years (arts. 1158, 1160, 1161), 15 for
// small rural property (art. 1159-bis), 10 for registered movables (art. 1162).
int termineLungo(int tipologia)
{
    switch (tipologia) {
    case 8:
        return 15;
    case 11:
        return 10;
    default:
        return 20;
    }
}

} // namespace

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
    if (x.anni < termineLungo(x.tipologia)) {
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
    return d;
}
