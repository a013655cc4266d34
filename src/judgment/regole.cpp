#include "judgment/regole.h"

#include "case/date.h"

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

Regola riga(const char* chiave, int tipoDa, int tipoA, int anni, int interrotto, int modoacq,
            int animo, int fedeposs, int sceltaacq, int sceltaprov, Esito esito, char forma)
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
    // movables (art. 1162); the public domain (art. 823) and
    // non-apparent servitudes (art. 1061) are never acquired.
    //      key    types   anni intr modo animo fede acq prov
    return {
        riga("RD", 12, 12,  0,  0,  0,  0,  0,  0,  0, L, 'N'),
        // A non-apparent servitude is never acquired by prescription (art. 1061).
        riga("RS",  7,  7,  0,  0,  0,  0,  0,  0,  0, L, 'N'),
        // Types 1 to 7: ownership and the real rights of enjoyment.
        riga("R1",  1,  7, 20,  1,  2,  2,  0,  0,  0, W, 'N'),
        riga("R2",  1,  7, 20,  2,  2,  2,  0,  0,  0, L, 'N'),
        riga("R3",  1,  7, 20,  1,  1,  2,  0,  0,  0, L, 'N'),
        riga("R4",  1,  7, 20,  1,  2,  1,  0,  0,  0, L, 'N'),
        riga("R5",  1,  7, 10,  1,  2,  2,  1,  1,  0, W, 'C'),
        riga("R6",  1,  7, 10,  2,  2,  2,  1,  1,  0, L, 'C'),
        riga("R7",  1,  7, 10,  1,  1,  2,  1,  1,  0, L, 'C'),
        riga("R8",  1,  7, 10,  1,  2,  1,  1,  1,  0, L, 'C'),
        riga("R9",  1,  7, 10,  1,  2,  2,  2,  1,  0, L, 'C'),
        riga("R10", 1,  7, 10,  1,  2,  2,  1,  2,  0, L, 'C'),
        // Type 8: small rural property.
        riga("R11", 8,  8, 15,  1,  2,  2,  0,  0,  0, W, 'C'),
        riga("R12", 8,  8, 15,  2,  2,  2,  0,  0,  0, L, 'N'),
        riga("R13", 8,  8, 15,  1,  1,  2,  0,  0,  0, L, 'C'),
        riga("R14", 8,  8, 15,  1,  2,  1,  0,  0,  0, L, 'C'),
        riga("R15", 8,  8,  5,  1,  2,  2,  1,  1,  0, W, 'C'),
        riga("R16", 8,  8,  5,  2,  2,  2,  1,  1,  0, L, 'N'),
        riga("R17", 8,  8,  5,  1,  1,  2,  1,  1,  0, L, 'N'),
        riga("R18", 8,  8,  5,  1,  2,  1,  1,  1,  0, L, 'A'),
        riga("R19", 8,  8,  5,  1,  2,  2,  2,  1,  0, L, 'N'),
        riga("R20", 8,  8,  5,  1,  2,  2,  1,  2,  0, L, 'N'),
        // Type 9: universality of movables.
        riga("R21", 9,  9, 20,  1,  2,  2,  0,  0,  0, W, 'C'),
        riga("R22", 9,  9, 20,  2,  2,  2,  0,  0,  0, L, 'N'),
        riga("R23", 9,  9, 20,  1,  1,  2,  0,  0,  0, L, 'N'),
        riga("R24", 9,  9, 20,  1,  2,  1,  0,  0,  0, L, 'N'),
        riga("R25", 9,  9, 10,  1,  2,  2,  1,  1,  0, W, 'C'),
        riga("R26", 9,  9, 10,  2,  2,  2,  1,  1,  0, L, 'N'),
        riga("R27", 9,  9, 10,  1,  1,  2,  1,  1,  0, L, 'N'),
        riga("R28", 9,  9, 10,  1,  2,  1,  1,  1,  0, L, 'N'),
        riga("R29", 9,  9, 10,  1,  2,  2,  2,  1,  0, L, 'N'),
        riga("R30", 9,  9, 10,  1,  2,  2,  1,  2,  0, L, 'N'),
        // Type 10: movable goods; twenty years in bad faith, ten in good faith.
        riga("R31", 10, 10, 20, 1,  2,  2,  2,  0,  0, W, 'C'),
        riga("R32", 10, 10, 20, 2,  2,  2,  2,  0,  0, L, 'N'),
        riga("R33", 10, 10, 20, 1,  1,  2,  2,  0,  0, L, 'N'),
        riga("R34", 10, 10, 20, 1,  2,  1,  2,  0,  0, L, 'N'),
        riga("R35", 10, 10, 10, 1,  2,  2,  1,  0,  0, W, 'C'),
        riga("R36", 10, 10, 10, 2,  2,  2,  1,  0,  0, L, 'N'),
        riga("R37", 10, 10, 10, 1,  1,  2,  1,  0,  0, L, 'N'),
        riga("R38", 10, 10, 10, 1,  2,  1,  1,  0,  0, L, 'N'),
        riga("R39", 10, 10, 10, 1,  2,  2,  2,  0,  0, L, 'N'),
        // No duration rule held: provenance (art. 1154), then delivery in good faith (art. 1153).
        riga("R40", 10, 10,  0, 0,  0,  0,  0,  0,  2, L, 'C'),
        riga("R41", 10, 10,  0, 0,  0,  0,  1,  1,  1, W, 'C'),
        riga("R42", 10, 10,  0, 0,  0,  0,  2,  1,  1, L, 'N'),
        riga("R43", 10, 10,  0, 0,  0,  0,  1,  2,  1, L, 'N'),
        // Type 11: movables entered in public registers.
        riga("R44", 11, 11, 10, 0,  0,  0,  0,  0,  0, W, 'C'),
        riga("R45", 11, 11,  3, 0,  0,  0,  1,  1,  0, W, 'C'),
        riga("R46", 11, 11,  3, 0,  0,  0,  2,  1,  0, L, 'N'),
        riga("R47", 11, 11,  3, 0,  0,  0,  1,  2,  0, L, 'N'),
        // Anything else: too few years, two or more defects, or no rule names the case.
        riga("RF",  0,  0,  0,  0,  0,  0,  0,  0,  0, L, 'C'),
    };
}

bool prova(int richiesto, int valore)
{
    return richiesto == 0 || richiesto == valore;
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
    f.durataPossesso = durataPossesso;
    f.durataDate = durataDate;
    f.durataInterruzione = durataInterruzione;
    return f;
}

Fattori fattori(const Fatti& f)
{
    Fattori x;
    x.tipologia = valore(f.tipologia);
    x.sceltaacq = valore(f.sceltaacq);
    x.sceltaprov = valore(f.sceltaprov);

    // The defendant's dates can only shorten the possession taken into account.
    x.anni = Date::anni(f.durataPossesso);
    if (!f.durataDate.isEmpty()) {
        const int anniDate = Date::anni(f.durataDate);
        if (anniDate < x.anni)
            x.anni = anniDate;
    }

    // Interrupted: by the plaintiff's own answer, or by a year or more proved by the defendant.
    x.interrotto = 1;
    if (valore(f.sceltainterr) == 2 || Date::anni(f.durataInterruzione) >= 1)
        x.interrotto = 2;

    // Any proof the defendant offers, except "nessuna prova" (12), decides the point against the
    // plaintiff; for the state of mind a formal notice (11) does not either.
    x.modoacq = fra(f.obiezmodo, 1, 11) ? 1 : valore(f.sceltamodus);
    x.animo = fra(f.obiezpsiche, 1, 10) ? 1 : valore(f.sceltapsic);
    x.fedeposs = fra(f.obiezfede, 1, 11) ? 2 : valore(f.sceltafed);
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

Decisione decidi(const Fatti& f)
{
    Decisione d;
    d.fattori = fattori(f);
    const std::vector<Regola>& tabella = tabellaRegole();
    for (size_t i = 0; i < tabella.size(); ++i) {
        const Regola& r = tabella[i];
        if (r.vale(d.fattori)) {
            d.chiave = r.chiave;
            d.esito = r.esito;
            d.forma = r.forma;
            d.riga = int(i);
            return d;
        }
    }
    // Not reached: the last row holds for every case.
    d.chiave = QStringLiteral("RF");
    return d;
}
