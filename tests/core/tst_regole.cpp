// The decision table: every row reached by a case of its own, the order of the rows, the factors.
#include "comune/periodo.h"
#include "core/catalogo.h"
#include "core/regole.h"

#include <QSet>
#include <QTest>

namespace {

constexpr int V = -1;   // an empty choice

Scelta s(int v)
{
    return v == V ? Scelta() : Scelta(qint16(v));
}

struct Caso {
    const char* nome;
    int tipo;
    const char* possesso;   // possession duration, as the window shows it
    int interr, modus, psic, prov, fed, acq;
    int obmodo, obpsiche, obfede;
    const char* date;       // duration of the defendant's dates, ending with the possession
    const char* interruzione;
    const char* chiave;
    char esito;             // 'W' the plaintiff wins, 'L' loses
    char forma;             // 'C' comment alone, 'N' name + comment, 'A' "A " + name + comment
    int interdatin = 0, interdatfin = 0;   // proofs of the interruption's start and end
    int ledatin = 0, ledatfin = 0;         // proofs of the defendant's dates
};

// Answers of a flawless plaintiff: no interruption (3), peaceful and public (2), as owner (2),
// legitimate provenance (1), good faith (1), registered title (1).
const Caso casi[] = {
    {"public domain, fifty flawless years", 12, " 50 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RD", 'L', 'N'},
    {"public domain, nothing else given", 12, "", V, V, V, V, V, V, V, V, V, "", "", "RD", 'L', 'N'},

    {"twenty years flawless", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R1", 'W', 'N'},
    {"twenty-five years, bad faith, no title", 1, " 25 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R1", 'W', 'N'},
    {"twenty-five years, bad faith proved", 1, " 25 anni", 3, 2, 2, 1, 2, 2, 0, 0, 5, "", "", "R1", 'W', 'N'},
    {"apparent servitude, interrupted under a year", 6, " 20 anni e  1 giorno", 1, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R1", 'W', 'N'},
    {"non-apparent servitude, twenty flawless years", 7, " 20 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RS", 'L', 'N'},
    {"non-apparent servitude, nothing else given", 7, "", V, V, V, V, V, V, V, V, V, "", "", "RS", 'L', 'N'},
    {"120 years read whole", 1, " 120 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R1", 'W', 'N'},
    {"interruption of 364 days is not a year", 1, " 20 anni", 1, 2, 2, 1, 1, 1, 0, 0, 0, "", " 0 anni e  364 giorni", "R1", 'W', 'N', 1, 1},
    {"interruption of exactly a year is not over a year", 1, " 20 anni", 1, 2, 2, 1, 1, 1, 0, 0, 0, "", " 1 anno", "R1", 'W', 'N', 1, 1},
    {"interruption over a year, start without proof (13)", 1, " 20 anni", 1, 2, 2, 1, 1, 1, 0, 0, 0, "", " 3 anni", "R1", 'W', 'N', 13, 1},
    {"interruption over a year, end without proof (10)", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", " 3 anni", "R1", 'W', 'N', 1, 10},
    {"interruption over a year, proofs never chosen", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", " 3 anni", "R1", 'W', 'N', 0, 0},
    {"interruption begun by a formal notice (12)", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", " 3 anni", "R1", 'W', 'N', 12, 9},
    {"defendant's dates longer than the plaintiff's", 1, " 22 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, " 30 anni", "", "R1", 'W', 'N'},
    {"defendant's dates equal to the plaintiff's", 1, " 22 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, " 22 anni e  3 giorni", "", "R1", 'W', 'N'},
    {"manner: no proof offered", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 12, 0, 0, "", "", "R1", 'W', 'N'},

    {"acts of tolerance proved on the manner", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 10, 0, 0, "", "", "RT", 'L', 'N'},
    {"acts of tolerance proved on faith, where faith does not matter", 1, " 25 anni", 3, 2, 2, 1, 2, 2, 0, 0, 10, "", "", "RT", 'L', 'N'},
    {"acts of tolerance proved on the state of mind of movables", 10, " 2 anni", 3, 2, 2, 1, 1, 1, 0, 10, 0, "", "", "RT", 'L', 'N'},

    {"twenty years interrupted", 2, " 20 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R2", 'L', 'N'},
    {"interruption of a year and a day, proved", 1, " 20 anni", 1, 2, 2, 1, 2, 2, 0, 0, 0, "", " 1 anno e  1 giorno", "R2", 'L', 'N', 1, 1},
    {"interruption proved by recognition (11) and an oath (9)", 1, " 20 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", " 1 anno e  14 giorni", "R2", 'L', 'N', 11, 9},
    {"twenty years violent", 3, " 21 anni e  3 giorni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R3", 'L', 'N'},
    {"manner: a formal notice (11) proves nothing", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 11, 0, 0, "", "", "R1", 'W', 'N'},
    {"manner proved by the defendant (9)", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 9, 0, 0, "", "", "R3", 'L', 'N'},
    {"manner proved by the defendant (1)", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 1, 0, 0, "", "", "R3", 'L', 'N'},
    {"twenty years as holder", 4, " 20 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R4", 'L', 'N'},

    {"ten years, good faith and title", 5, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R5", 'W', 'C'},
    {"twelve years, formal notice (11) is no proof of detention", 1, " 12 anni", 3, 2, 2, 1, 1, 1, 0, 11, 0, "", "", "R5", 'W', 'C'},
    {"defendant's dates shorten 22 years to 18", 1, " 22 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, " 18 anni", "", "R5", 'W', 'C', 0, 0, 1, 1},
    {"faith: no proof offered", 1, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 12, "", "", "R5", 'W', 'C'},
    {"ten years interrupted", 6, " 10 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R6", 'L', 'C'},
    {"fifteen years violent", 6, " 15 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R7", 'L', 'C'},
    {"ten years as holder", 1, " 10 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R8", 'L', 'C'},
    {"twelve years, detention proved (9)", 1, " 12 anni", 3, 2, 2, 1, 1, 1, 0, 9, 0, "", "", "R8", 'L', 'C'},
    {"ten years in bad faith", 1, " 10 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R9", 'L', 'C'},
    {"bad faith: a formal notice (11) proves nothing", 1, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 11, "", "", "R5", 'W', 'C'},
    {"bad faith proved by the defendant (9)", 1, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 9, "", "", "R9", 'L', 'C'},
    {"almost twenty years without title", 1, " 19 anni e  364 giorni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R10", 'L', 'C'},

    {"rural, fifteen years in bad faith without title", 8, " 15 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R11", 'W', 'C'},
    {"rural, fifteen years interrupted", 8, " 15 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R12", 'L', 'N'},
    {"rural, sixteen years interrupted", 8, " 16 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R12", 'L', 'N'},
    {"rural, fifteen years violent", 8, " 15 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R13", 'L', 'C'},
    {"rural, fifteen years as holder", 8, " 15 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R14", 'L', 'C'},
    {"rural, five years with title", 8, " 5 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R15", 'W', 'C'},
    {"rural, five years interrupted", 8, " 5 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R16", 'L', 'N'},
    {"rural, fourteen years violent", 8, " 14 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R17", 'L', 'N'},
    {"rural, five years as holder", 8, " 5 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R18", 'L', 'A'},
    {"rural, five years in bad faith", 8, " 5 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R19", 'L', 'N'},
    {"rural, five years without title", 8, " 5 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R20", 'L', 'N'},

    {"universality, twenty years in bad faith", 9, " 20 anni", 3, 2, 2, 2, 2, 2, 0, 0, 0, "", "", "R21", 'W', 'C'},
    {"universality, twenty years interrupted", 9, " 20 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R22", 'L', 'N'},
    {"universality, twenty years violent", 9, " 20 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R23", 'L', 'N'},
    {"universality, twenty years as holder", 9, " 20 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R24", 'L', 'N'},
    {"universality, ten years with title", 9, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R25", 'W', 'C'},
    {"universality, ten years interrupted", 9, " 10 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R26", 'L', 'N'},
    {"universality, ten years violent", 9, " 10 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R27", 'L', 'N'},
    {"universality, ten years as holder", 9, " 10 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R28", 'L', 'N'},
    {"universality, ten years in bad faith", 9, " 10 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R29", 'L', 'N'},
    {"universality, ten years without title", 9, " 10 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R30", 'L', 'N'},

    {"movables, twenty years in bad faith", 10, " 20 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R31", 'W', 'C'},
    {"movables, bad faith interrupted", 10, " 20 anni", 2, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R32", 'L', 'N'},
    {"movables, bad faith violent", 10, " 20 anni", 3, 1, 2, 1, 2, 1, 0, 0, 0, "", "", "R33", 'L', 'N'},
    {"movables, bad faith as holder", 10, " 20 anni", 3, 2, 1, 1, 2, 1, 0, 0, 0, "", "", "R34", 'L', 'N'},
    {"movables, ten years in good faith", 10, " 10 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R35", 'W', 'C'},
    {"movables, good faith for twenty-five years", 10, " 25 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R35", 'W', 'C'},
    {"movables, fifteen years, illegitimate provenance", 10, " 15 anni", 3, 2, 2, 2, 1, 1, 0, 0, 0, "", "", "R35", 'W', 'C'},
    {"movables, good faith interrupted, no title", 10, " 10 anni", 2, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R36", 'L', 'N'},
    {"movables, good faith and title, interrupted", 10, " 12 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R41", 'W', 'C'},
    {"movables, good faith violent", 10, " 10 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R37", 'L', 'N'},
    {"movables, good faith as holder", 10, " 10 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R38", 'L', 'N'},
    {"movables, twelve years in bad faith", 10, " 12 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R39", 'L', 'N'},
    {"movables, two years in bad faith, illegitimate provenance", 10, " 2 anni", 3, 2, 2, 2, 2, 1, 0, 0, 0, "", "", "R40", 'L', 'C'},
    {"movables, bad faith proved, illegitimate provenance", 10, " 5 anni", 3, 2, 2, 2, 1, 2, 0, 0, 4, "", "", "R40", 'L', 'C'},
    {"movables, no duration read, bad faith, illegitimate provenance", 10, "", V, V, V, 2, 2, V, 0, 0, 0, "", "", "R40", 'L', 'C'},
    {"movables, no duration read, illegitimate provenance, faith unknown", 10, "", V, V, V, 2, V, V, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"movables, two years, delivery in good faith with title", 10, " 2 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R41", 'W', 'C'},
    {"movables, delivery in good faith, illegitimate provenance", 10, " 2 anni", 3, 2, 2, 2, 1, 1, 0, 0, 0, "", "", "R41", 'W', 'C'},
    {"movables, delivery in good faith, interrupted", 10, " 2 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R41", 'W', 'C'},
    {"movables, delivery of a thing taken by violence", 10, " 2 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"movables, delivery to a holder for another", 10, " 2 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"movables, twenty-five years in good faith, interrupted and violent", 10, " 25 anni", 2, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"movables, garbled duration, delivery with title", 10, "xyz", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R41", 'W', 'C'},
    {"movables, two years in bad faith", 10, " 2 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R42", 'L', 'N'},
    {"movables, bad faith with two defects", 10, " 20 anni", 2, 1, 2, 1, 2, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"movables, two years without title", 10, " 2 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R43", 'L', 'N'},

    {"registered movables, ten years in bad faith without title", 11, " 10 anni", 3, 2, 2, 2, 2, 2, 0, 0, 0, "", "", "R44", 'W', 'C'},
    {"registered movables, ten years, faith objected", 11, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 3, "", "", "R44", 'W', 'C'},
    {"registered movables, ten years interrupted", 11, " 10 anni", 2, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R44I", 'L', 'N'},
    {"registered movables, interruption on the last day of ten years", 11, " 12 anni", 1, 2, 2, 1, 2, 2, 0, 0, 0, "", " 2 anni", "R44I", 'L', 'N', 5, 6},
    {"registered movables, ten years violent", 11, " 10 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R44V", 'L', 'N'},
    {"registered movables, violence proved", 11, " 15 anni", 3, 2, 2, 1, 1, 1, 7, 0, 0, "", "", "R44V", 'L', 'N'},
    {"registered movables, ten years as holder", 11, " 10 anni", 3, 2, 1, 1, 2, 2, 0, 0, 0, "", "", "R44D", 'L', 'N'},
    {"registered movables, ten years with every defect", 11, " 10 anni", 2, 1, 1, 2, 2, 2, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"registered movables, objections on manner and mind", 11, " 10 anni", 3, 2, 2, 1, 1, 1, 3, 3, 3, "", "", "RF", 'L', 'C'},
    {"registered movables, three years with title", 11, " 3 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R45", 'W', 'C'},
    {"registered movables, three years interrupted", 11, " 3 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R45I", 'L', 'N'},
    {"registered movables, three years violent but in good faith", 11, " 3 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R45V", 'L', 'N'},
    {"registered movables, three years as holder", 11, " 9 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R45D", 'L', 'N'},
    {"registered movables, three years violent and interrupted", 11, " 3 anni", 2, 1, 1, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"registered movables, three years in bad faith", 11, " 3 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R46", 'L', 'N'},
    {"registered movables, bad faith and interrupted", 11, " 5 anni", 2, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"registered movables, nine years without title", 11, " 9 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R47", 'L', 'N'},

    {"nine years flawless", 1, " 9 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"twenty-five years with two defects", 1, " 25 anni", 2, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"fifteen years, bad faith and no title", 1, " 15 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"empty possession duration", 1, "", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"manner left empty", 1, " 20 anni", 3, V, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"twenty-two years, defendant's dates unproved", 1, " 22 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, " 8 anni", "", "R1", 'W', 'N', 0, 0, 10, 13},
    {"twenty-two years, defendant's end proved by a formal notice", 1, " 22 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, " 8 anni", "", "R1", 'W', 'N', 0, 0, 10, 12},
    {"rural, four years", 8, " 4 anni e  364 giorni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"universality, nine years", 9, " 9 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"movables, bad faith without title", 10, " 5 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"registered movables, two years", 11, " 2 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"no type chosen", V, " 30 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
};

// A case told by its dates, as the user types them, for the law of time and of proof. The plaintiff
// is flawless (no interruption conceded, peaceful, as owner, legitimate provenance) unless a field
// says otherwise; his good faith and title choose the term.
struct CasoTempo {
    const char* nome;
    int tipo;
    const char* inizio;
    const char* fine;
    const char* interruzioneInizio, *interruzioneFine;
    int interdatin, interdatfin;
    const char* ledateInizio, *ledateFine;
    int ledatin, ledatfin;
    int fed, acq;
    int obmodo, obfede;
    const char* chiave;
    int anni;              // years taken into account
    const char* cita;      // what the judgment paragraph must say
    const char* nonCita;   // what it must not
};

const CasoTempo casiTempo[] = {
    // Years by anniversaries.
    {"29/2/1984 to 29/2/2004 is twenty years", 1, "29/2/1984", "29/2/2004", "", "", 0, 0, "", "", 0, 0, 1, 2, 0, 0, "R1", 20, "art. 1158", ""},
    {"twenty years across the common year 1900", 1, "1/1/1890", "1/1/1910", "", "", 0, 0, "", "", 0, 0, 1, 2, 0, 0, "R1", 20, "art. 1158", ""},
    {"a day short of twenty years", 1, "2/1/1990", "1/1/2010", "", "", 0, 0, "", "", 0, 0, 1, 2, 0, 0, "R10", 19, "", ""},
    {"a loss of a year and a day across 29 February", 1, "1/1/1990", "1/1/2010", "28/2/2003", "29/2/2004", 1, 1, "", "", 0, 0, 1, 2, 0, 0, "R2", 20, "art. 1167", ""},
    {"a loss of exactly a year across 29 February", 1, "1/1/1980", "1/1/2010", "28/2/2003", "28/2/2004", 1, 1, "", "", 0, 0, 1, 2, 0, 0, "R1", 30, "", ""},
    {"four-digit years before 1930", 1, "12/03/1925", "12/03/1950", "", "", 0, 0, "", "", 0, 0, 1, 2, 0, 0, "R1", 25, "", ""},

    // Interruptions: inside the possession, the term starting again after them.
    {"a new term of 35 years after a loss", 1, "1/1/1960", "1/1/2010", "1/1/1970", "1/1/1975", 1, 1, "", "", 0, 0, 1, 2, 0, 0, "R1", 35, "dalla fine dell'interruzione alla fine del possesso sono trascorsi 35 anni compiuti", ""},
    {"ten years after a loss, twenty needed", 1, "1/1/1980", "1/1/2010", "1/1/1995", "1/1/2000", 1, 1, "", "", 0, 0, 1, 2, 0, 0, "R2", 30, "art. 1167", ""},
    {"ten years after a loss, good faith and title", 1, "1/1/1990", "1/1/2010", "1/1/1995", "1/1/2000", 1, 1, "", "", 0, 0, 1, 1, 0, 0, "R5", 10, "", ""},
    {"a loss wholly before the possession", 1, "1/1/1985", "1/1/2010", "1/1/1970", "1/1/1975", 1, 1, "", "", 0, 0, 1, 2, 0, 0, "R1", 25, "", ""},
    {"a loss after the possession", 1, "1/1/1985", "1/1/2010", "1/1/2011", "1/1/2013", 1, 1, "", "", 0, 0, 1, 2, 0, 0, "R1", 25, "", ""},
    {"a loss before the defendant's proved start", 1, "1/1/1980", "1/1/2010", "1/1/1982", "1/1/1984", 1, 1, "1/1/1985", "1/1/2010", 1, 1, 1, 2, 0, 0, "R1", 25, "", ""},
    {"a judicial claim of a year, fourteen years before the end", 1, "1/1/1980", "1/1/2010", "1/1/1995", "1/1/1996", 10, 1, "", "", 0, 0, 1, 2, 0, 0, "R2", 30, "art. 2943", "1167"},
    {"an acknowledgement on one day", 1, "1/1/1985", "1/1/2010", "1/6/2000", "1/6/2000", 11, 1, "", "", 0, 0, 1, 2, 0, 0, "R2", 25, "art. 2944", "1167"},
    {"an acknowledgement with twenty years after it", 1, "1/1/1980", "1/1/2010", "1/1/1985", "1/1/1985", 11, 1, "", "", 0, 0, 1, 2, 0, 0, "R1", 25, "dal riconoscimento del diritto del proprietario (artt. 1165 e 2944), il 1/1/1985", ""},
    {"a judicial claim against movables in good faith", 10, "1/1/1997", "1/1/2010", "1/1/2005", "1/1/2006", 10, 1, "", "", 0, 0, 1, 2, 0, 0, "R36", 13, "art. 2943", "1167"},
    {"a claim with its end unproved", 1, "1/1/1980", "1/1/2010", "1/1/1995", "1/1/1996", 10, 10, "", "", 0, 0, 1, 2, 0, 0, "R1", 30, "", ""},

    // Proofs that prove.
    {"the defendant's start without proof", 1, "1/1/1985", "1/1/2010", "", "", 0, 0, "1/1/1995", "1/1/2010", 10, 1, 1, 2, 0, 0, "R1", 25, "", ""},
    {"the defendant's start with no proof chosen", 1, "1/1/1985", "1/1/2010", "", "", 0, 0, "1/1/1995", "1/1/2010", V, V, 1, 2, 0, 0, "R1", 25, "", ""},
    {"the defendant's start proved", 1, "1/1/1985", "1/1/2010", "", "", 0, 0, "1/1/1995", "1/1/2010", 1, 1, 1, 2, 0, 0, "R10", 15, "", ""},
    {"the defendant's end proved by a formal notice", 1, "1/1/1985", "1/1/2010", "", "", 0, 0, "1/1/1985", "1/1/2000", 10, 12, 1, 2, 0, 0, "R1", 25, "", ""},
    {"the defendant's end proved by witnesses", 1, "1/1/1985", "1/1/2010", "", "", 0, 0, "1/1/1985", "1/1/2000", 10, 6, 1, 2, 0, 0, "R10", 15, "", ""},
    {"a formal notice proves no violence", 1, "1/1/1985", "1/1/2010", "", "", 0, 0, "", "", 0, 0, 1, 2, 11, 0, "R1", 25, "", ""},
    {"a formal notice proves no bad faith", 1, "1/1/1995", "1/1/2010", "", "", 0, 0, "", "", 0, 0, 1, 1, 0, 11, "R5", 15, "", ""},
    {"acts of tolerance, where faith does not matter", 1, "1/1/1985", "1/1/2010", "", "", 0, 0, "", "", 0, 0, 2, 2, 0, 10, "RT", 25,
     "'Gli atti compiuti con l'altrui tolleranza non possono servire di fondamento all'acquisto del possesso'", ""},
};

Causa causaDi(const CasoTempo& c)
{
    Causa k;
    TestiCausa& t = k.testi;
    t.possessoInizio = QString::fromLatin1(c.inizio);
    t.possessoFine = QString::fromLatin1(c.fine);
    t.interruzioneInizio = QString::fromLatin1(c.interruzioneInizio);
    t.interruzioneFine = QString::fromLatin1(c.interruzioneFine);
    t.ledateInizio = QString::fromLatin1(c.ledateInizio);
    t.ledateFine = QString::fromLatin1(c.ledateFine);
    DatiCausa& d = k.scelte;
    d.tipologia = s(c.tipo);
    d.sceltainterr = s(3);
    d.sceltamodus = s(2);
    d.sceltapsic = s(2);
    d.sceltaprov = s(1);
    d.sceltafed = s(c.fed);
    d.sceltaacq = s(c.acq);
    d.interdatin = s(c.interdatin);
    d.interdatfin = s(c.interdatfin);
    d.ledatin = s(c.ledatin);
    d.ledatfin = s(c.ledatfin);
    d.obiezmodo = s(c.obmodo);
    d.obiezfede = s(c.obfede);
    return k;
}

Causa causaDi(const Caso& c)
{
    Causa k;
    DatiCausa& d = k.scelte;
    d.tipologia = s(c.tipo);
    d.sceltainterr = s(c.interr);
    d.sceltamodus = s(c.modus);
    d.sceltapsic = s(c.psic);
    d.sceltaprov = s(c.prov);
    d.sceltafed = s(c.fed);
    d.sceltaacq = s(c.acq);
    d.obiezmodo = s(c.obmodo);
    d.obiezpsiche = s(c.obpsiche);
    d.obiezfede = s(c.obfede);
    d.ledatin = s(c.ledatin);
    d.ledatfin = s(c.ledatfin);
    d.interdatin = s(c.interdatin);
    d.interdatfin = s(c.interdatfin);
    // Every period ends with the possession: an interruption that reaches its end leaves no new term.
    TestiCausa& t = k.testi;
    const Periodo possesso = periodo(QString::fromUtf8(c.possesso));
    const Periodo date = periodo(QString::fromUtf8(c.date));
    const Periodo interruzione = periodo(QString::fromUtf8(c.interruzione));
    t.possessoInizio = possesso.testoInizio();
    t.possessoFine = possesso.testoFine();
    t.ledateInizio = date.testoInizio();
    t.ledateFine = date.testoFine();
    t.interruzioneInizio = interruzione.testoInizio();
    t.interruzioneFine = interruzione.testoFine();
    return k;
}

Fatti fattiDi(const Caso& c)
{
    return Fatti::da(causaDi(c));
}


// The facts the Code weighs, told by their dates: a term complete before an interruption, the act
// that interrupted and the day the term runs again, the transcription of the title, the end of
// violence. The plaintiff is peaceful, public and owner unless a field says otherwise.
struct CasoFatti {
    const char* nome;
    int tipo;
    const char* inizio, *fine;
    int fed, acq, modus;
    int tipointerr;                 // 0: an archive that never asked, the start proof tells it
    const char* interruzioneInizio, *interruzioneFine;
    int interdatin, interdatfin, estinta, recupero;
    const char* fineConvenuto;      // the defendant's end of possession, with its proof
    int ledatfin;
    const char* trascrizione, *cessazione;
    const char* chiave;
    const char* compiuta;           // the day of acquisition, "" when none
};

const CasoFatti casiFatti[] = {
    // A term already complete is not undone (art. 2963: it expires at the end of its last day).
    {"twenty years complete before a loss of possession", 1, "1/1/1970", "1/1/2015", 2, 2, 2, 1, "1/1/2000", "1/1/2003", 1, 1, 0, 0, "", 0, "", "", "R1", "1/1/1990"},
    {"a claim served the day after the twentieth anniversary", 1, "1/1/1970", "1/1/2015", 2, 2, 2, 2, "2/1/1990", "1/1/2000", 10, 1, 0, 0, "", 0, "", "", "R1", "1/1/1990"},
    {"a claim served on the anniversary itself", 1, "1/1/1970", "1/1/2015", 2, 2, 2, 2, "1/1/1990", "1/1/2000", 10, 1, 0, 0, "", 0, "", "", "R2", ""},
    {"registered movables, three years complete before a loss", 11, "1/1/2000", "1/1/2010", 1, 1, 2, 1, "1/1/2005", "1/1/2008", 1, 1, 0, 0, "", 0, "", "", "R45", "1/1/2003"},
    {"movables in good faith, ten years complete before a loss", 10, "1/1/1990", "1/1/2010", 1, 2, 2, 1, "1/1/2003", "1/1/2006", 1, 1, 0, 0, "", 0, "", "", "R35", "1/1/2000"},
    {"a loss within the term, a new term complete after it", 1, "1/1/1960", "1/1/2010", 2, 2, 2, 1, "1/1/1970", "1/1/1975", 1, 1, 0, 0, "", 0, "", "", "R1", "1/1/1995"},
    // The act is a fact of its own; the term runs again as art. 2945 says.
    {"an acknowledgement proved by a dated document", 1, "1/1/1995", "1/1/2015", 2, 2, 2, 3, "1/6/2005", "", 5, 0, 0, 0, "", 0, "", "", "R2", ""},
    {"old archive: an acknowledgement runs again from the act", 1, "1/1/1990", "1/1/2016", 2, 2, 2, 0, "1/1/1995", "1/1/2000", 11, 1, 0, 0, "", 0, "", "", "R1", "1/1/2015"},
    {"old archive: a loss told by its start proof", 1, "1/1/1990", "1/1/2016", 2, 2, 2, 0, "1/1/1995", "1/1/2000", 5, 1, 0, 0, "", 0, "", "", "R2", ""},
    {"a claim whose proceedings were extinguished", 1, "1/1/1990", "1/1/2016", 2, 2, 2, 2, "1/1/1995", "", 10, 0, 1, 0, "", 0, "", "", "R1", "1/1/2015"},
    {"a claim decided by a final judgment", 1, "1/1/1990", "1/1/2016", 2, 2, 2, 2, "1/1/1995", "1/1/2000", 10, 1, 0, 0, "", 0, "", "", "R2", ""},
    {"a claim without the day of its final judgment proves nothing", 1, "1/1/1990", "1/1/2016", 2, 2, 2, 2, "1/1/1995", "", 10, 0, 0, 0, "", 0, "", "", "R1", "1/1/2010"},
    {"a loss over a year, recovered by the action within the year", 1, "1/1/1990", "1/1/2010", 2, 2, 2, 1, "1/1/1995", "1/6/1996", 1, 1, 0, 1, "", 0, "", "", "R1", "1/1/2010"},
    {"recovery within the year does not save a claim", 1, "1/1/1990", "1/1/2010", 2, 2, 2, 2, "1/1/1995", "1/6/1996", 10, 1, 0, 1, "", 0, "", "", "R2", ""},
    // A claim or an acknowledgement given as the end of possession is an interruption on that day.
    {"the defendant's end proved by a claim, pending", 1, "1/1/1990", "1/1/2015", 2, 2, 2, 0, "", "", 0, 0, 0, 0, "1/1/2005", 10, "", "", "R2", ""},
    {"the defendant's end proved by an acknowledgement, after the term", 1, "1/1/1980", "1/1/2015", 2, 2, 2, 0, "", "", 0, 0, 0, 0, "1/1/2005", 11, "", "", "R1", "1/1/2000"},
    {"the defendant's end proved by an acknowledgement, within the term", 1, "1/1/1990", "1/1/2015", 2, 2, 2, 0, "", "", 0, 0, 0, 0, "1/1/2005", 11, "", "", "R2", ""},
    {"the defendant's end proved by witnesses still ends it", 1, "1/1/1990", "1/1/2015", 2, 2, 2, 0, "", "", 0, 0, 0, 0, "1/1/2005", 6, "", "", "RF", ""},
    // The short terms run from the transcription of the title.
    {"ten years from the start, seven from the transcription", 1, "1/1/2000", "1/1/2012", 1, 1, 2, 0, "", "", 0, 0, 0, 0, "", 0, "1/1/2005", "", "RF", ""},
    {"no transcription date: the start of possession is taken", 1, "1/1/2000", "1/1/2012", 1, 1, 2, 0, "", "", 0, 0, 0, 0, "", 0, "", "", "R5", "1/1/2010"},
    {"a transcription before the possession", 1, "1/1/2000", "1/1/2012", 1, 1, 2, 0, "", "", 0, 0, 0, 0, "", 0, "1/1/1995", "", "R5", "1/1/2010"},
    {"rural property, five years from the transcription", 8, "1/1/2000", "1/1/2010", 1, 1, 2, 0, "", "", 0, 0, 0, 0, "", 0, "1/1/2004", "", "R15", "1/1/2009"},
    {"the long term runs from the start whatever the transcription", 1, "1/1/1990", "1/1/2012", 1, 1, 2, 0, "", "", 0, 0, 0, 0, "", 0, "1/1/2005", "", "R1", "1/1/2010"},
    // Violent or clandestine possession is useful from when the vice ceased.
    {"violence ceased: twenty years from then", 1, "1/1/1980", "1/1/2015", 2, 2, 1, 0, "", "", 0, 0, 0, 0, "", 0, "", "1/1/1990", "R1", "1/1/2010"},
    {"violence ceased too late", 1, "1/1/1980", "1/1/2015", 2, 2, 1, 0, "", "", 0, 0, 0, 0, "", 0, "", "1/1/2000", "RF", ""},
    {"violence that never ceased", 1, "1/1/1980", "1/1/2015", 2, 2, 1, 0, "", "", 0, 0, 0, 0, "", 0, "", "", "R3", ""},
    {"violence ceased after the possession ended", 1, "1/1/1980", "1/1/2015", 2, 2, 1, 0, "", "", 0, 0, 0, 0, "", 0, "", "1/1/2020", "R3", ""},
};

Fatti fattiDi(const CasoFatti& c)
{
    Causa k;
    TestiCausa& t = k.testi;
    t.possessoInizio = QString::fromLatin1(c.inizio);
    t.possessoFine = QString::fromLatin1(c.fine);
    t.interruzioneInizio = QString::fromLatin1(c.interruzioneInizio);
    t.interruzioneFine = QString::fromLatin1(c.interruzioneFine);
    if (*c.fineConvenuto) {
        t.ledateInizio = t.possessoInizio;
        t.ledateFine = QString::fromLatin1(c.fineConvenuto);
    }
    t.trascrizione = QString::fromLatin1(c.trascrizione);
    t.cessazioneVizio = QString::fromLatin1(c.cessazione);
    DatiCausa& d = k.scelte;
    d.tipologia = s(c.tipo);
    d.sceltainterr = s(3);
    d.sceltamodus = s(c.modus);
    d.sceltapsic = s(2);
    d.sceltaprov = s(1);
    d.sceltafed = s(c.fed);
    d.sceltaacq = s(c.acq);
    if (c.tipointerr)
        d.tipointerr = s(c.tipointerr);
    d.interdatin = s(c.interdatin);
    d.interdatfin = s(c.interdatfin);
    d.domandaestinta = s(c.estinta);
    d.recupero1167 = s(c.recupero);
    if (*c.fineConvenuto) {
        d.ledatin = s(1);
        d.ledatfin = s(c.ledatfin);
    }
    return Fatti::da(k);
}

QString anniTesto(int n)
{
    return QStringLiteral(" %1 %2").arg(n).arg(n == 1 ? QStringLiteral("anno") : QStringLiteral("anni"));
}

} // namespace

class TstRegole : public QObject {
    Q_OBJECT
private slots:
    void decisione_data();
    void decisione();
    void ogniRegolaRaggiunta();
    void ordineDellaTabella();
    void fattori_data();
    void fattori();
    void tipiDaUnoASetteSonoUno();
    void obiezioniProvate_data();
    void obiezioniProvate();
    void datiCausa();
    void motivoDiRF_data();
    void motivoDiRF();
    void origini_data();
    void origini();
    void tempoEProve_data();
    void tempoEProve();
    void fattiDelCodice_data();
    void fattiDelCodice();
};

void TstRegole::decisione_data()
{
    QTest::addColumn<int>("i");
    for (int i = 0; i < int(std::size(casi)); ++i)
        QTest::newRow(casi[i].nome) << i;
}

void TstRegole::decisione()
{
    QFETCH(int, i);
    const Caso& c = casi[i];
    const Decisione d = decidi(fattiDi(c));
    QCOMPARE(d.chiave, QString::fromLatin1(c.chiave));
    QCOMPARE(d.esito, c.esito == 'W' ? Esito::Vince : Esito::Perde);
    const FormaCommento forma = c.forma == 'N' ? FormaCommento::Nome
                                : c.forma == 'A' ? FormaCommento::ANome : FormaCommento::Testo;
    QCOMPARE(d.forma, forma);
    QVERIFY(d.riga >= 0 && d.riga < int(tabellaRegole().size()));
    QCOMPARE(tabellaRegole()[size_t(d.riga)].chiave, d.chiave);
}

void TstRegole::ogniRegolaRaggiunta()
{
    QSet<QString> raggiunte;
    for (const Caso& c : casi)
        raggiunte.insert(decidi(fattiDi(c)).chiave);
    for (const Regola& r : tabellaRegole())
        QVERIFY2(raggiunte.contains(r.chiave), qPrintable(r.chiave + QStringLiteral(" never reached")));
}

void TstRegole::ordineDellaTabella()
{
    QStringList attese{QStringLiteral("RD"), QStringLiteral("RS"), QStringLiteral("RT")};
    for (int k = 1; k <= 47; ++k) {
        attese << QStringLiteral("R%1").arg(k);
        // Registered movables: each term is followed by its three defects of the possession.
        if (k == 44 || k == 45)
            for (const char* difetto : {"I", "V", "D"})
                attese << QStringLiteral("R%1").arg(k) + QLatin1String(difetto);
    }
    attese << QStringLiteral("RF");
    QStringList chiavi;
    for (const Regola& r : tabellaRegole())
        chiavi << r.chiave;
    QCOMPARE(chiavi, attese);

    // The last row catches every case, whatever the factors.
    Fattori nulli;
    nulli.interrotto = 0;
    QVERIFY(tabellaRegole().back().vale(nulli));
}

void TstRegole::fattori_data()
{
    QTest::addColumn<QString>("possesso");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("interruzione");
    QTest::addColumn<int>("interr");
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("psic");
    QTest::addColumn<int>("fed");
    QTest::addColumn<int>("obmodo");
    QTest::addColumn<int>("obpsiche");
    QTest::addColumn<int>("obfede");
    QTest::addColumn<int>("interdatin");
    QTest::addColumn<int>("interdatfin");
    QTest::addColumn<int>("anni");
    QTest::addColumn<int>("interrotto");
    QTest::addColumn<int>("modoacq");
    QTest::addColumn<int>("animo");
    QTest::addColumn<int>("fedeposs");

    const QString p22 = QStringLiteral(" 22 anni e  17 giorni");
    // Twenty years to the day: an interruption ending with the possession falls within the term.
    const QString p20 = QStringLiteral(" 20 anni");
    QTest::newRow("plaintiff's own answers") << p22 << "" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("the other answers") << p22 << "" << "" << 1 << 1 << 1 << 2 << 0 << 0 << 0 << 1 << 1 << 22 << 1 << 1 << 1 << 2;
    QTest::newRow("interrupted over a year") << p22 << "" << "" << 2 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 22 << 2 << 2 << 2 << 1;
    QTest::newRow("interruption window, exactly one year") << p22 << "" << " 1 anno" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("interruption window, a year and a day") << p20 << "" << " 1 anno e  1 giorno" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 20 << 2 << 2 << 2 << 1;
    QTest::newRow("interruption window, 1 anno e 14 giorni") << p20 << "" << " 1 anno e  14 giorni" << 1 << 2 << 2 << 1 << 0 << 0 << 0 << 10 << 9 << 20 << 2 << 2 << 2 << 1;
    QTest::newRow("interruption by an acknowledgement (11)") << p20 << "" << " 2 anni" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 11 << 1 << 20 << 2 << 2 << 2 << 1;
    QTest::newRow("a judicial claim of a day interrupts (10)") << p20 << "" << " 0 anni e  1 giorno" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 10 << 1 << 20 << 2 << 2 << 2 << 1;
    QTest::newRow("interruption, formal notice (12)") << p22 << "" << " 2 anni" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 12 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("interruption, no proof of the start (13)") << p22 << "" << " 2 anni" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 13 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("interruption, no proof of the end (10)") << p22 << "" << " 2 anni" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 10 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("interruption, proofs never chosen") << p22 << "" << " 2 anni" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << V << V << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("interruption unproved, plaintiff conceded one") << p22 << "" << " 2 anni" << 2 << 2 << 2 << 1 << 0 << 0 << 0 << 13 << 10 << 22 << 2 << 2 << 2 << 1;
    QTest::newRow("interruption window, days only") << p22 << "" << " 0 anni e  300 giorni" << 1 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("interruption window garbled") << p22 << "" << "??" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("defendant's dates shorter") << p22 << " 18 anni" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 18 << 1 << 2 << 2 << 1;
    QTest::newRow("defendant's dates longer") << p22 << " 30 anni" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("defendant's dates under a year") << p22 << " 0 anni e  2 giorni" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 0 << 1 << 2 << 2 << 1;
    QTest::newRow("no possession duration") << "" << " 5 anni" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 0 << 1 << 2 << 2 << 1;
    QTest::newRow("120 years") << " 120 anni" << "" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 1 << 1 << 120 << 1 << 2 << 2 << 1;
    QTest::newRow("objections at their lower bound") << p22 << "" << "" << 3 << 2 << 2 << 1 << 1 << 1 << 1 << 1 << 1 << 22 << 1 << 1 << 1 << 2;
    QTest::newRow("objections at 9") << p22 << "" << "" << 3 << 2 << 2 << 1 << 9 << 9 << 9 << 1 << 1 << 22 << 1 << 1 << 1 << 2;
    QTest::newRow("acts of tolerance (10) leave the answers") << p22 << "" << "" << 3 << 2 << 2 << 1 << 10 << 10 << 10 << 1 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("formal notices (11) prove nothing") << p22 << "" << "" << 3 << 2 << 2 << 1 << 11 << 11 << 11 << 1 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("no proof offered (12)") << p22 << "" << "" << 3 << 2 << 2 << 1 << 12 << 12 << 12 << 1 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("objections never raised") << p22 << "" << "" << 3 << 2 << 2 << 1 << V << V << V << 1 << 1 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("objections do not improve") << p22 << "" << "" << 3 << 1 << 1 << 2 << 12 << 11 << 12 << 1 << 1 << 22 << 1 << 1 << 1 << 2;
    QTest::newRow("answers left empty") << p22 << "" << "" << V << V << V << V << 0 << 0 << 0 << 1 << 1 << 22 << 1 << 0 << 0 << 0;
}

void TstRegole::fattori()
{
    QFETCH(QString, possesso);
    QFETCH(QString, date);
    QFETCH(QString, interruzione);
    QFETCH(int, interr);
    QFETCH(int, modus);
    QFETCH(int, psic);
    QFETCH(int, fed);
    QFETCH(int, obmodo);
    QFETCH(int, obpsiche);
    QFETCH(int, obfede);
    QFETCH(int, interdatin);
    QFETCH(int, interdatfin);

    Fatti f;
    f.tipologia = s(1);
    f.sceltainterr = s(interr);
    f.sceltamodus = s(modus);
    f.sceltapsic = s(psic);
    f.sceltafed = s(fed);
    f.obiezmodo = s(obmodo);
    f.obiezpsiche = s(obpsiche);
    f.obiezfede = s(obfede);
    const Periodo p = periodo(possesso), q = periodo(date), r = periodo(interruzione);
    f.possessoInizio = p.inizio;
    f.possessoFine = p.fine;
    f.ledateInizio = q.inizio;
    f.ledateFine = q.fine;
    f.ledatin = s(1);
    f.ledatfin = s(1);
    f.interruzioneInizio = r.inizio;
    f.interruzioneFine = r.fine;
    f.interdatin = s(interdatin);
    f.interdatfin = s(interdatfin);
    const Fattori x = ::fattori(f);
    QTEST(x.anni, "anni");
    QTEST(x.interrotto, "interrotto");
    QTEST(x.modoacq, "modoacq");
    QTEST(x.animo, "animo");
    QTEST(x.fedeposs, "fedeposs");
}

// Ownership, the real rights of enjoyment and apparent servitudes follow one and the same set of rules.
void TstRegole::tipiDaUnoASetteSonoUno()
{
    int casiProvati = 0;
    for (int anni = 0; anni <= 30; ++anni)
        for (int interr = 1; interr <= 3; ++interr)
            for (int m = 1; m <= 2; ++m)
                for (int p = 1; p <= 2; ++p)
                    for (int fed = 1; fed <= 2; ++fed)
                        for (int acq = 1; acq <= 2; ++acq) {
                            Fatti f;
                            f.sceltainterr = s(interr);
                            f.sceltamodus = s(m);
                            f.sceltapsic = s(p);
                            f.sceltaprov = s(1);
                            f.sceltafed = s(fed);
                            f.sceltaacq = s(acq);
                            const Periodo p = periodo(anniTesto(anni));
                            f.possessoInizio = p.inizio;
                            f.possessoFine = p.fine;
                            f.tipologia = s(1);
                            const QString primo = decidi(f).chiave;
                            const int n = primo.mid(1).toInt();
                            QVERIFY(primo == QLatin1String("RF") || (n >= 1 && n <= 10));
                            for (int tipo = 2; tipo <= 6; ++tipo) {
                                f.tipologia = s(tipo);
                                QCOMPARE(decidi(f).chiave, primo);
                            }
                            ++casiProvati;
                        }
    QCOMPARE(casiProvati, 31 * 3 * 16);
}

// The objections on provenance and on acquisition from a non-owner never change the outcome.
void TstRegole::obiezioniProvate_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("possesso");
    QTest::addColumn<int>("fed");
    QTest::addColumn<int>("obprov");
    QTest::addColumn<int>("obacq");
    QTest::addColumn<QString>("chiave");

    // A proof of the defendant's replaces the plaintiff's answer, as for manner, mind and faith.
    QTest::newRow("title disproved: ten years no longer win") << 1 << " 12 anni" << 1 << 0 << 5 << "R10";
    QTest::newRow("title disproved by witnesses, rural five years") << 8 << " 6 anni" << 1 << 0 << 6 << "R20";
    QTest::newRow("title disproved, registered movables") << 11 << " 4 anni" << 1 << 0 << 1 << "R47";
    QTest::newRow("title disproved, movables delivered two years ago") << 10 << " 2 anni" << 1 << 0 << 9 << "R43";
    QTest::newRow("title disproved, twenty years need none") << 1 << " 20 anni" << 1 << 0 << 5 << "R1";
    QTest::newRow("provenance disproved, movables in bad faith") << 10 << " 2 anni" << 2 << 7 << 0 << "R40";
    QTest::newRow("provenance disproved, ten years in good faith still win") << 10 << " 10 anni" << 1 << 7 << 0 << "R35";
    QTest::newRow("acts of tolerance on the title") << 1 << " 12 anni" << 1 << 0 << 10 << "RT";
    QTest::newRow("acts of tolerance on the provenance") << 10 << " 2 anni" << 1 << 10 << 0 << "RT";
    QTest::newRow("formal notice on the title proves nothing") << 1 << " 12 anni" << 1 << 0 << 11 << "R5";
    QTest::newRow("no proof of the title objection") << 1 << " 12 anni" << 1 << 0 << 12 << "R5";
    QTest::newRow("no proof of the provenance objection") << 10 << " 2 anni" << 2 << 12 << 0 << "R42";
}

void TstRegole::obiezioniProvate()
{
    QFETCH(int, tipo);
    QFETCH(QString, possesso);
    QFETCH(int, fed);
    QFETCH(int, obprov);
    QFETCH(int, obacq);
    Causa k;
    const Periodo p = periodo(possesso);
    k.testi.possessoInizio = p.testoInizio();
    k.testi.possessoFine = p.testoFine();
    DatiCausa& d = k.scelte;
    d.tipologia = s(tipo);
    d.sceltainterr = s(3);
    d.sceltamodus = s(2);
    d.sceltapsic = s(2);
    d.sceltaprov = s(1);
    d.sceltafed = s(fed);
    d.sceltaacq = s(1);
    d.obiezprov = s(obprov);
    d.obiezacq = s(obacq);
    const Decisione dec = decidi(Fatti::da(k));
    QTEST(dec.chiave, "chiave");
    if (obacq >= 1 && obacq <= 9)
        QCOMPARE(dec.origini.titolo, Fonte::Convenuto);
}

// The record of the case reaches every factor the rules test.
void TstRegole::datiCausa()
{
    Causa k;
    k.testi.possessoInizio = QStringLiteral("1/1/1998");
    k.testi.possessoFine = QStringLiteral("1/1/2010");
    const auto chiave = [&k] { return decidi(Fatti::da(k)).chiave; };
    DatiCausa& d = k.scelte;
    d.tipologia = s(10);
    d.sceltainterr = s(3);
    d.sceltamodus = s(2);
    d.sceltapsic = s(2);
    d.sceltaprov = s(1);
    d.sceltafed = s(1);
    d.sceltaacq = s(1);
    QCOMPARE(chiave(), QStringLiteral("R35"));
    // The defendant's proved start shortens the possession below ten years.
    k.testi.ledateInizio = QStringLiteral("1/1/2002");
    k.testi.ledateFine = QStringLiteral("1/1/2010");
    d.ledatin = s(2);
    d.ledatfin = s(2);
    QCOMPARE(chiave(), QStringLiteral("R41"));
    d.ledatin = s(10);
    QCOMPARE(chiave(), QStringLiteral("R35"));
    // The interruption counts with both its proofs, which the record carries.
    d.sceltaacq = s(2);
    k.testi.interruzioneInizio = QStringLiteral("1/1/2007");
    k.testi.interruzioneFine = QStringLiteral("1/1/2009");
    QCOMPARE(chiave(), QStringLiteral("R35"));
    d.interdatin = s(3);
    d.interdatfin = s(4);
    QCOMPARE(chiave(), QStringLiteral("R36"));
    d.interdatin = s(ProvaData::diffida);
    QCOMPARE(chiave(), QStringLiteral("R35"));
    d.sceltaacq = s(1);
    d.obiezmodo = s(4);
    QCOMPARE(chiave(), QStringLiteral("R37"));
    d.obiezmodo = s(0);
    d.obiezpsiche = s(4);
    QCOMPARE(chiave(), QStringLiteral("R38"));
    d.obiezpsiche = s(0);
    d.obiezfede = s(4);
    QCOMPARE(chiave(), QStringLiteral("R39"));
    k.testi.possessoInizio = QStringLiteral("1/1/2008");
    d.sceltaprov = s(2);
    QCOMPARE(chiave(), QStringLiteral("R40"));
    d.sceltaprov = s(1);
    QCOMPARE(chiave(), QStringLiteral("R42"));
    d.sceltaacq = s(2);
    d.obiezfede = s(0);
    QCOMPARE(chiave(), QStringLiteral("R43"));
}

// What RF rests on: the shortest term of the type, and the defects that matter with the years held.
void TstRegole::motivoDiRF_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("termine");
    QTest::addColumn<int>("difetti");

    const auto riga = [](const char* nome, int termine, Difetti difetti) {
        for (int i = 0; i < int(std::size(casi)); ++i)
            if (qstrcmp(casi[i].nome, nome) == 0) {
                QTest::newRow(nome) << i << termine << int(difetti);
                return;
            }
        QFAIL(nome);
    };
    using D = Difetto;
    riga("nine years flawless", 10, {});
    riga("twenty-five years with two defects", 10, D::Interruzione | D::Violenza);
    // Below twenty years faith and title count; at twenty they do not.
    riga("fifteen years, bad faith and no title", 10, D::MalaFede | D::SenzaTitolo);
    riga("rural, four years", 5, {});
    riga("universality, nine years", 10, {});
    // Movables: a title is never a requirement of art. 1161; delivery in good faith with a title
    // needs no time at all.
    riga("movables, bad faith without title", 10, D::MalaFede);
    riga("movables, delivery of a thing taken by violence", 0, D::Violenza);
    riga("movables, delivery to a holder for another", 0, D::Detenzione);
    riga("movables, twenty-five years in good faith, interrupted and violent", 0, D::Violenza);
    riga("movables, bad faith with two defects", 10, D::Interruzione | D::Violenza);
    riga("registered movables, two years", 3, {});
    riga("registered movables, ten years with every defect", 3, D::Interruzione | D::Violenza | D::Detenzione);
    riga("registered movables, bad faith and interrupted", 3, D::Interruzione | D::MalaFede);
    riga("no type chosen", -1, {});
    riga("manner left empty", 10, {});
}

void TstRegole::motivoDiRF()
{
    QFETCH(int, i);
    QFETCH(int, termine);
    QFETCH(int, difetti);
    const Decisione d = decidi(fattiDi(casi[i]));
    QCOMPARE(d.chiave, QStringLiteral("RF"));
    QCOMPARE(d.termine, termine);
    QCOMPARE(int(d.difetti), difetti);
}

// Where each factor came from, as the decision keeps it for the account of its reasons.
void TstRegole::origini_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("interruzione");
    QTest::addColumn<int>("interr");
    QTest::addColumn<int>("interdatin");
    QTest::addColumn<int>("interdatfin");
    QTest::addColumn<int>("obmodo");
    QTest::addColumn<int>("modus");
    QTest::addColumn<bool>("anniDelConvenuto");
    QTest::addColumn<Opposizione>("opposizione");
    QTest::addColumn<bool>("interruzioneDelConvenuto");
    QTest::addColumn<bool>("modoDelConvenuto");

    QTest::newRow("the plaintiff's word") << "" << "" << 3 << 0 << 0 << 0 << 2 << false << Opposizione::NonProposta << false << false;
    QTest::newRow("shorter dates of the defendant") << " 18 anni" << "" << 3 << 0 << 0 << 0 << 2 << true << Opposizione::NonProposta << false << false;
    QTest::newRow("longer dates of the defendant") << " 30 anni" << "" << 3 << 0 << 0 << 0 << 2 << false << Opposizione::NonProposta << false << false;
    QTest::newRow("interruption proved") << "" << " 2 anni" << 1 << 1 << 1 << 0 << 2 << false << Opposizione::Efficace << true << false;
    QTest::newRow("interruption of a year") << "" << " 1 anno" << 1 << 1 << 1 << 0 << 2 << false << Opposizione::NonOltreUnAnno << false << false;
    QTest::newRow("interruption without proof") << "" << " 2 anni" << 1 << 13 << 1 << 0 << 2 << false << Opposizione::SenzaProva << false << false;
    QTest::newRow("interruption by formal notice") << "" << " 2 anni" << 1 << 12 << 1 << 0 << 2 << false << Opposizione::Diffida << false << false;
    QTest::newRow("interruption conceded and objected") << "" << " 2 anni" << 2 << 1 << 1 << 0 << 2 << false << Opposizione::Efficace << false << false;
    QTest::newRow("violence proved") << "" << "" << 3 << 0 << 0 << 5 << 2 << false << Opposizione::NonProposta << false << true;
    QTest::newRow("violence conceded") << "" << "" << 3 << 0 << 0 << 5 << 1 << false << Opposizione::NonProposta << false << false;
}

void TstRegole::origini()
{
    QFETCH(QString, date);
    QFETCH(QString, interruzione);
    QFETCH(int, interr);
    QFETCH(int, interdatin);
    QFETCH(int, interdatfin);
    QFETCH(int, obmodo);
    QFETCH(int, modus);

    Fatti f;
    f.tipologia = s(1);
    const Periodo p = periodo(QStringLiteral(" 22 anni")), q = periodo(date), r = periodo(interruzione);
    f.possessoInizio = p.inizio;
    f.possessoFine = p.fine;
    f.ledateInizio = q.inizio;
    f.ledateFine = q.fine;
    f.ledatin = s(1);
    f.ledatfin = s(1);
    f.interruzioneInizio = r.inizio;
    f.interruzioneFine = r.fine;
    f.sceltainterr = s(interr);
    f.interdatin = s(interdatin);
    f.interdatfin = s(interdatfin);
    f.obiezmodo = s(obmodo);
    f.sceltamodus = s(modus);
    f.sceltapsic = s(2);
    f.sceltafed = s(1);
    f.obiezfede = s(12);
    const Origini o = decidi(f).origini;
    QCOMPARE(o.anniAttore, 22);
    QTEST(o.anni == Fonte::Convenuto, "anniDelConvenuto");
    QTEST(o.opposizione, "opposizione");
    QTEST(o.interruzione == Fonte::Convenuto, "interruzioneDelConvenuto");
    QTEST(o.modo == Fonte::Convenuto, "modoDelConvenuto");
    QCOMPARE(o.animo, Fonte::Attore);
    QCOMPARE(o.fede, Fonte::Attore);   // "nessuna prova" leaves the plaintiff's word
}

// Time counted by anniversaries, interruptions that restart the term, proofs that prove: each case
// through the decision and its judgment paragraph.
void TstRegole::tempoEProve_data()
{
    QTest::addColumn<int>("i");
    for (int i = 0; i < int(std::size(casiTempo)); ++i)
        QTest::newRow(casiTempo[i].nome) << i;
}

void TstRegole::tempoEProve()
{
    QFETCH(int, i);
    const CasoTempo& c = casiTempo[i];
    const Decisione d = decidi(Fatti::da(causaDi(c)));
    QCOMPARE(d.chiave, QString::fromLatin1(c.chiave));
    QCOMPARE(d.fattori.anni, c.anni);
    const QString paragrafo = testoSentenza(d);
    QVERIFY2(paragrafo.contains(QString::fromUtf8(c.cita)), qPrintable(paragrafo));
    if (*c.nonCita)
        QVERIFY2(!paragrafo.contains(QString::fromUtf8(c.nonCita)), qPrintable(paragrafo));
}


void TstRegole::fattiDelCodice_data()
{
    QTest::addColumn<int>("i");
    for (int i = 0; i < int(std::size(casiFatti)); ++i)
        QTest::newRow(casiFatti[i].nome) << i;
}

void TstRegole::fattiDelCodice()
{
    QFETCH(int, i);
    const CasoFatti& c = casiFatti[i];
    const Decisione d = decidi(fattiDi(c));
    QCOMPARE(d.chiave, QString::fromLatin1(c.chiave));
    QCOMPARE(d.compiuta ? d.compiuta->toString(QStringLiteral("d/M/yyyy")) : QString(), QString::fromLatin1(c.compiuta));
    QCOMPARE(d.compiuta.has_value(), d.esito == Esito::Vince);
    // The same facts decide the same way every time: the decision reads nothing but them.
    const Decisione ancora = decidi(fattiDi(c));
    QCOMPARE(ancora.chiave, d.chiave);
    QCOMPARE(ancora.compiuta, d.compiuta);
}

QTEST_APPLESS_MAIN(TstRegole)
#include "tst_regole.moc"
