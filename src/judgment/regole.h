#pragma once
// The decision of a case: an ordered table of rules over factors derived from the case record,
// evaluated top to bottom, the first rule that holds deciding. The texts each rule writes live in
// the catalogue under the same key; the outcome and the comment form live here, in the rule's row.
#include "case/daticausa.h"

#include <QFlags>
#include <QString>
#include <vector>

// What the decision reads: the choices of the case and the three duration texts as the possession,
// dates-objection and interruption windows show them.
struct Fatti {
    Scelta tipologia;
    Scelta sceltainterr, sceltamodus, sceltapsic, sceltaprov, sceltafed, sceltaacq;
    Scelta obiezmodo, obiezpsiche, obiezfede;
    Scelta interdatin, interdatfin;   // proofs of the start and end of the defendant's interruption
    QString durataPossesso;       // possesso.durata
    QString durataDate;           // ledate.durata
    QString durataInterruzione;   // interruzione.durata

    static Fatti da(const DatiCausa& d, const QString& durataPossesso, const QString& durataDate,
                    const QString& durataInterruzione);
};

// Proof indices of the interruption window that carry no weight.
namespace ProvaInterruzione {
inline constexpr int diffidaInizio = 12;       // "diffida e messa in mora": never interrupts
inline constexpr int nessunaProvaInizio = 13;
inline constexpr int nessunaProvaFine = 10;
}

// The factors the rules test. An empty choice counts as 0.
struct Fattori {
    int tipologia = 0;
    int anni = 0;         // years of possession taken into account
    int interrotto = 1;   // 1 no, 2 possession lost for over a year (art. 1167)
    int modoacq = 0;      // 1 violent or clandestine, 2 peaceful and public
    int animo = 0;        // 1 held for another (detention), 2 held as owner or holder of the right
    int fedeposs = 0;     // 1 good faith, 2 bad faith
    int sceltaacq = 0;    // 1 suitable registered title, 2 none
    int sceltaprov = 0;   // 1 legitimate provenance, 2 illegitimate
};

// Whose word a factor rests on: the plaintiff's answer, or a proof the defendant offered.
enum class Fonte { Attore, Convenuto };

// What became of the defendant's interruption objection.
enum class Opposizione {
    NonProposta,      // no interruption duration
    Efficace,         // over a year, proved at both ends
    NonOltreUnAnno,   // a year or less does not interrupt (art. 1167: "per oltre un anno")
    SenzaProva,       // one end without proof
    Diffida,          // begun by a formal notice, which does not interrupt possession
};

// Where the factors came from, so that the decision can be told without recomputing it.
struct Origini {
    int anniAttore = 0;         // years of the plaintiff's own dates
    int anniConvenuto = -1;     // years of the defendant's dates; -1 when he gave none
    Fonte anni = Fonte::Attore;
    Fonte interruzione = Fonte::Attore;
    Opposizione opposizione = Opposizione::NonProposta;
    int interruzioneAnni = 0, interruzioneGiorni = 0;   // the defendant's interruption as displayed
    Fonte modo = Fonte::Attore, animo = Fonte::Attore, fede = Fonte::Attore;
};

// Derives the factors, and their origins when asked.
Fattori fattori(const Fatti& f, Origini* origini = nullptr);

enum class Esito { Vince, Perde };

// How the comment reaches the judgment window: the text alone (C), the plaintiff's name followed by
// the text (N), or "A " + name + text (A).
enum class FormaCommento { Testo, Nome, ANome };

// One row of the table. A zero in a field means "not tested"; anni is a minimum.
struct Regola {
    QString chiave;
    int tipoDa = 0, tipoA = 0;   // range of tipologia; 0 = any type
    int anni = 0;
    int interrotto = 0, modoacq = 0, animo = 0, fedeposs = 0, sceltaacq = 0, sceltaprov = 0;
    Esito esito = Esito::Perde;
    FormaCommento forma = FormaCommento::Testo;

    bool vale(const Fattori& x) const;
};

// RD, RS, R1 .. R47 with the defect rows of registered movables, RF, in the order they are tried;
// RF holds for every case.
const std::vector<Regola>& tabellaRegole();

// A requirement the possession lacks, for the rule that catches what no other names.
enum class Difetto {
    Interruzione = 0x01,   // art. 1167
    Violenza = 0x02,       // violent or clandestine acquisition, art. 1163
    Detenzione = 0x04,     // held for another, arts. 1140 and 1141
    MalaFede = 0x08,       // where the term reached requires good faith
    SenzaTitolo = 0x10,    // where the term reached requires a suitable title
};
Q_DECLARE_FLAGS(Difetti, Difetto)
Q_DECLARE_OPERATORS_FOR_FLAGS(Difetti)

// The shortest term the law sets for the case's type: 10 years for types 1 to 6 and 9, 5 for
// type 8, 3 for type 11; for type 10, 10 years, or none at all when good faith and a title make
// delivery transfer ownership (art. 1153). -1 for a type with no term (7, 12) or no type.
int termineMinimo(const Fattori& x);

// The defects present that by themselves keep the case from winning with the years it has:
// manner and state of mind always; interruption unless delivery in good faith with a title made
// the plaintiff owner of movables (art. 1153); bad faith and a missing title only below the
// type's longest term, which asks for neither (a title never for type 10, where art. 1161 does
// without one).
Difetti difettiPresenti(const Fattori& x);

struct Decisione {
    QString chiave;
    Esito esito = Esito::Perde;
    FormaCommento forma = FormaCommento::Testo;
    int riga = -1;          // position of the rule in tabellaRegole()
    Fattori fattori;
    Origini origini;
    int termine = -1;       // termineMinimo(fattori)
    Difetti difetti;        // difettiPresenti(fattori)
};

Decisione decidi(const Fatti& f);
