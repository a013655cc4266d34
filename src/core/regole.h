#pragma once
// The decision of a case: an ordered table of rules over factors derived from the case record,
// evaluated top to bottom, the first rule that holds deciding. The texts each rule writes live in
// the catalogue under the same key; the outcome and the comment form live here, in the rule's row.
#include "core/date.h"
#include "core/fatti.h"

#include <QDate>
#include <optional>

#include <QFlags>
#include <QString>
#include <vector>

// The factors the rules test, derived from the facts: each answer as the plaintiff gave it, or
// as a proof of the defendant's replaced it. Empty where the case gives no answer.
struct Fattori {
    std::optional<Tipologia> tipologia;
    int anni = 0;              // years of possession taken into account
    bool interrotto = false;   // art. 1167, or arts. 2943 and 2944
    std::optional<Modo> modo;
    std::optional<Animo> animo;
    std::optional<Fede> fede;
    std::optional<Titolo> titolo;
    std::optional<Provenienza> provenienza;
    bool tolleranza = false;   // the plaintiff acted by the owner's tolerance (art. 1144)
    // Delivery transferred the thing (art. 1153): good faith, a suitable title, and a delivery, not
    // a taking by violence or stealth, even one that later ceased (art. 1163). Read for movables.
    bool consegna = false;
    // The right was acquired by the short term, complete before the long one: the long term's
    // winning rows, which say good faith and title do not matter, give way to the short term's.
    bool termineBreve = false;
};

// Whose word a factor rests on: the plaintiff's answer, or a proof the defendant offered.
enum class Fonte { Attore, Convenuto };

// What became of the defendant's interruption objection.
enum class Opposizione {
    NonProposta,      // no interruption dates
    Efficace,         // proved at both ends, within the possession, of a kind that interrupts
    NonOltreUnAnno,   // a loss of possession of a year or less does not interrupt (art. 1167)
    Recuperato,       // possession recovered by the action brought within the year (art. 1167)
    DopoCompimento,   // it came after the term was complete, and interrupts nothing
    SenzaProva,       // one end without proof
    Diffida,          // begun by a formal notice, which does not interrupt possession
    FuoriPossesso,    // it does not begin within the possession taken into account
    DateInvertite,    // its end precedes its start
};

// What interrupted the possession.
enum class TipoInterruzione {
    Nessuna,
    PerditaPossesso,   // loss of possession for over a year (art. 1167)
    Domanda,           // service of a judicial claim (art. 2943)
    Riconoscimento,    // acknowledgement of the owner's right (art. 2944)
    Dichiarata,        // the plaintiff concedes a loss of over a year, with no dates
};

// The interruption an act makes.
TipoInterruzione tipoInterruzione(AttoInterruttivo atto);

// The term the case's facts call for, and the article that sets it: the short one with good faith
// and a suitable title (for movables, good faith alone gives ten years), the long one otherwise.
// -1 for a type with no term, 0 where delivery transfers ownership (art. 1153): never for a
// movable taken by violence or stealth (consegna false), which art. 1161 governs.
struct Termine {
    int anni = -1;
    const char* articolo = "";
    bool daTrascrizione = false;   // runs from the transcription of the title (arts. 1159, 1159-bis, 1162)
};
Termine termineApplicabile(const std::optional<Tipologia>& tipologia, const std::optional<Fede>& fede,
                           const std::optional<Titolo>& titolo, bool consegna = true);

// The term the factors call for.
inline Termine termineDelCaso(const Fattori& x)
{
    return termineApplicabile(x.tipologia, x.fede, x.titolo, x.consegna);
}

// Where the factors came from, so that the decision can be told without recomputing it.
struct Origini {
    std::optional<QDate> inizio, fine;   // the possession taken into account
    int anniAttore = 0;                  // years of the plaintiff's own dates
    Fonte inizioDa = Fonte::Attore, fineDa = Fonte::Attore;
    bool dateConvenutoSenzaProva = false;   // a date of the defendant's would shorten it, but lacks proof
    Fonte anni = Fonte::Attore;             // Convenuto when a proved date of his shortened the possession
    Fonte interruzione = Fonte::Attore;
    Opposizione opposizione = Opposizione::NonProposta;
    TipoInterruzione tipoInterruzione = TipoInterruzione::Nessuna;   // of the objection, when it has dates
    std::optional<QDate> inizioInterruzione, fineInterruzione;
    Date::Durata durataInterruzione;   // the defendant's interruption, start to end
    // After an effective interruption the years run again (arts. 1167 and 2945) from ripresa: the
    // recovery of possession, the act of acknowledgement, the day the judgment on a claim became
    // final, or its service when the proceedings were extinguished; none while a claim is pending.
    // superata when those years reach the term, which then decides without the interruption.
    std::optional<QDate> ripresa;
    int anniDopoInterruzione = -1;
    bool interruzioneSuperata = false;
    // The defendant's claim whose proceedings are still pending: the term has not run again.
    bool domandaPendente = false;
    // Of the acts that interrupted the term that decides, the last one, from whose effect the
    // years are counted (with two acts, the one that decides); Nessuna when none did.
    TipoInterruzione attoDecisivo = TipoInterruzione::Nessuna;
    std::optional<QDate> dataAttoDecisivo;
    // The act the judgment names as interrupting: the decisive one, else the defendant's objection.
    TipoInterruzione attoCheDecide() const
    {
        return attoDecisivo != TipoInterruzione::Nessuna ? attoDecisivo : tipoInterruzione;
    }
    // The decisive act is not the interruption of the objection's window but the act given as the end.
    bool decideAltroAtto() const
    {
        return attoDecisivo != TipoInterruzione::Nessuna
               && (attoDecisivo != tipoInterruzione || dataAttoDecisivo != inizioInterruzione);
    }
    // A claim or an acknowledgement the defendant gave as the end of the possession: neither ends
    // it; it is an interruption on that day, pending for a claim (no day of a final judgment).
    TipoInterruzione attoFineDate = TipoInterruzione::Nessuna;
    std::optional<QDate> dataAttoFineDate;
    bool attoFineDateDopoCompimento = false;
    // The day from which the term that was completed, or that the years are counted for, ran.
    std::optional<QDate> inizioTermine;
    // The violent or clandestine possession counted from the day the vice ceased (art. 1163).
    std::optional<QDate> cessazioneVizio;
    // The short term that needs a transcribed title: counted from the transcription, or from the
    // start of possession when the case gives no transcription date.
    bool termineDaTrascrizione = false;
    bool trascrizioneNonIndicata = false;
    // The term used did start on the day of the transcription (not on a later or earlier start).
    bool termineDallaTrascrizione = false;
    // The term completed, the article that sets it and the day it was completed.
    Termine termineCompiuto;
    std::optional<QDate> compiuta;
    Fonte modo = Fonte::Attore, animo = Fonte::Attore, fede = Fonte::Attore;
    Fonte provenienza = Fonte::Attore, titolo = Fonte::Attore;
    // The questionnaires in which the defendant proved acts of tolerance (art. 1144).
    bool tolleranzaModo = false, tolleranzaAnimo = false, tolleranzaFede = false;
    bool tolleranzaProvenienza = false, tolleranzaTitolo = false;
};

// Derives the factors, and their origins when asked.
Fattori fattori(const Fatti& f, Origini* origini = nullptr);

enum class Esito { Vince, Perde };

// How the comment reaches the judgment window: the text alone (C), the plaintiff's name followed by
// the text (N), or "A " + name + text (A).
enum class FormaCommento { Testo, Nome, ANome };

// The types a rule is for, from `da` to `a` in the header window's order.
struct Tipi {
    Tipologia da, a;
    bool comprende(const std::optional<Tipologia>& t) const { return t && *t >= da && *t <= a; }
};

// One row of the table. An empty field is not tested; anni is a minimum.
struct Regola {
    QString chiave;
    std::optional<Tipi> tipi{};   // empty: any type
    int anni = 0;
    std::optional<bool> interrotto{};
    std::optional<Modo> modo{};
    std::optional<Animo> animo{};
    std::optional<Fede> fede{};
    std::optional<Titolo> titolo{};
    std::optional<Provenienza> provenienza{};
    std::optional<bool> tolleranza{};
    std::optional<bool> consegna{};
    std::optional<bool> termineBreve{};
    Esito esito = Esito::Perde;
    FormaCommento forma = FormaCommento::Testo;

    bool vale(const Fattori& x) const;
};

// RD, RS, RT, R1 .. R47 with the defect rows of registered movables, RF, in the order they are tried;
// RF holds for every case.
const std::vector<Regola>& tabellaRegole();

// A requirement the possession lacks, for the rule that catches what no other names.
enum class Difetto {
    Interruzione = 0x01,   // art. 1167, or arts. 2943 and 2944
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
    int riga = -1;   // position of the rule in tabellaRegole()
    Fattori fattori;
    Origini origini;
    int termine = -1;   // termineMinimo(fattori)
    Difetti difetti;    // difettiPresenti(fattori)
    // The day the usucapione was acquired, at the end of which the term expired (art. 2963);
    // only when the plaintiff wins.
    std::optional<QDate> compiuta;
};

// A pure function of the facts, cheap enough to call once for every variant of a case.
Decisione decidi(const Fatti& f);
