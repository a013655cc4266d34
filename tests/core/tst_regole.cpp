// The decision table: every row reached by a case of its own, the order of the rows, the factors.
#include "comune/periodo.h"
#include "core/catalogo.h"
#include "core/regole.h"

#include <QSet>
#include <QTest>

namespace {

// The answers as the rows write them; {} is a question left unanswered, or an objection not raised.
using enum Tipologia;
constexpr Interruzione menoDiUnAnno = Interruzione::MenoDiUnAnno, oltreUnAnno = Interruzione::OltreUnAnno,
                       nessunaInterruzione = Interruzione::Nessuna;
constexpr Modo pacifico = Modo::PacificoPubblico, violento = Modo::ViolentoClandestino;
constexpr Animo titolare = Animo::DaTitolare, detentore = Animo::PerContoAltrui;
constexpr Provenienza legittima = Provenienza::Legittima, illegittima = Provenienza::Illegittima;
constexpr Fede buona = Fede::Buona, mala = Fede::Mala;
constexpr Titolo idoneo = Titolo::Idoneo, senzaTitolo = Titolo::Mancante;
using Req = ProvaRequisito;
using Corta = ProvaCorta;
using Lunga = ProvaLunga;

struct Caso {
    const char* nome;
    std::optional<Tipologia> tipo;
    const char* possesso;   // possession duration, as the window shows it
    std::optional<Interruzione> interruzione;
    std::optional<Modo> modo;
    std::optional<Animo> animo;
    std::optional<Provenienza> provenienza;
    std::optional<Fede> fede;
    std::optional<Titolo> titolo;
    std::optional<ProvaRequisito> obiezioneModo, obiezioneAnimo, obiezioneFede;
    const char* date;   // duration of the defendant's dates, ending with the possession
    const char* durataInterruzione;
    const char* chiave;
    char esito;   // 'W' the plaintiff wins, 'L' loses
    char forma;   // 'C' comment alone, 'N' name + comment, 'A' "A " + name + comment
    std::optional<ProvaLunga> provaInizioInterruzione = {};
    std::optional<ProvaCorta> provaFineInterruzione = {};
    std::optional<ProvaCorta> provaInizioDate = {};
    std::optional<ProvaLunga> provaFineDate = {};
};

// A flawless plaintiff answers: no interruption, peaceful and public, as owner, legitimate
// provenance, good faith, a title.
const Caso casi[] = {
    // clang-format off
    {"public domain, fifty flawless years", DemanioPubblico, " 50 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RD", 'L', 'N'},
    {"public domain, nothing else given", DemanioPubblico, "", {}, {}, {}, {}, {}, {}, {}, {}, {}, "", "", "RD", 'L', 'N'},

    {"twenty years flawless", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R5", 'W', 'C'},
    {"twenty-five years, bad faith, no title", Proprieta, " 25 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", "", "R1", 'W', 'N'},
    {"twenty-five years, bad faith proved", Proprieta, " 25 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, Req::AltriDocumenti, "", "", "R1", 'W', 'N'},
    {"apparent servitude, interrupted under a year", ServituApparenti, " 20 anni e 1 giorno", menoDiUnAnno, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", "", "R1", 'W', 'N'},
    {"non-apparent servitude, twenty flawless years", ServituNonApparenti, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RS", 'L', 'N'},
    {"non-apparent servitude, nothing else given", ServituNonApparenti, "", {}, {}, {}, {}, {}, {}, {}, {}, {}, "", "", "RS", 'L', 'N'},
    {"120 years read whole", Proprieta, " 120 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", "", "R1", 'W', 'N'},
    {"interruption of 364 days is not a year", Proprieta, " 20 anni", menoDiUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", " 0 anni e 364 giorni", "R5", 'W', 'C', Lunga::AttiDisposizione, Corta::AttiDisposizione},
    {"interruption of exactly a year is not over a year", Proprieta, " 20 anni", menoDiUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", " 1 anno", "R5", 'W', 'C', Lunga::AttiDisposizione, Corta::AttiDisposizione},
    {"interruption over a year, start without proof", Proprieta, " 20 anni", menoDiUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", " 3 anni", "R5", 'W', 'C', Lunga::Nessuna, Corta::AttiDisposizione},
    {"interruption over a year, end without proof", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", " 3 anni", "R5", 'W', 'C', Lunga::AttiDisposizione, Corta::Nessuna},
    {"interruption over a year, proofs never chosen", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", " 3 anni", "R5", 'W', 'C', {}, {}},
    {"interruption begun by a formal notice", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", " 3 anni", "R5", 'W', 'C', Lunga::Diffida, Corta::Giuramento},
    {"defendant's dates longer than the plaintiff's", Proprieta, " 22 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, " 30 anni", "", "R5", 'W', 'C'},
    {"defendant's dates equal to the plaintiff's", Proprieta, " 22 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, " 22 anni e 3 giorni", "", "R5", 'W', 'C'},
    {"manner: no proof offered", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, Req::Nessuna, {}, {}, "", "", "R5", 'W', 'C'},

    {"acts of tolerance proved on the manner", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, Req::Tolleranza, {}, {}, "", "", "RT", 'L', 'N'},
    {"acts of tolerance proved on faith, where faith does not matter", Proprieta, " 25 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, Req::Tolleranza, "", "", "RT", 'L', 'N'},
    {"acts of tolerance proved on the state of mind of movables", BeniMobili, " 2 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, Req::Tolleranza, {}, "", "", "RT", 'L', 'N'},

    {"twenty years interrupted", Enfiteusi, " 20 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R2", 'L', 'N'},
    {"interruption of a year and a day, proved", Proprieta, " 20 anni", menoDiUnAnno, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", " 1 anno e 1 giorno", "R2", 'L', 'N', Lunga::AttiDisposizione, Corta::AttiDisposizione},
    {"interruption proved by recognition and an oath", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", " 1 anno e 14 giorni", "R2", 'L', 'N', Lunga::Riconoscimento, Corta::Giuramento},
    {"twenty years violent", Usufrutto, " 21 anni e 3 giorni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R3", 'L', 'N'},
    {"manner: a formal notice proves nothing", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, Req::Diffida, {}, {}, "", "", "R5", 'W', 'C'},
    {"manner proved by the defendant's oath", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, Req::Giuramento, {}, {}, "", "", "R3", 'L', 'N'},
    {"manner proved by acts of disposition", Proprieta, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, Req::AttiDisposizione, {}, {}, "", "", "R3", 'L', 'N'},
    {"twenty years as holder", Uso, " 20 anni", nessunaInterruzione, pacifico, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "R4", 'L', 'N'},

    {"ten years, good faith and title", Abitazione, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R5", 'W', 'C'},
    {"twelve years, formal notice is no proof of detention", Proprieta, " 12 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, Req::Diffida, {}, "", "", "R5", 'W', 'C'},
    {"defendant's dates shorten 22 years to 18", Proprieta, " 22 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, " 18 anni", "", "R5", 'W', 'C', {}, {}, Corta::AttiDisposizione, Lunga::AttiDisposizione},
    {"faith: no proof offered", Proprieta, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, Req::Nessuna, "", "", "R5", 'W', 'C'},
    {"ten years interrupted", ServituApparenti, " 10 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R6", 'L', 'C'},
    {"fifteen years violent", ServituApparenti, " 15 anni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R7", 'L', 'C'},
    {"ten years as holder", Proprieta, " 10 anni", nessunaInterruzione, pacifico, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "R8", 'L', 'C'},
    {"twelve years, detention proved by oath", Proprieta, " 12 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, Req::Giuramento, {}, "", "", "R8", 'L', 'C'},
    {"ten years in bad faith", Proprieta, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "R9", 'L', 'C'},
    {"bad faith: a formal notice proves nothing", Proprieta, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, Req::Diffida, "", "", "R5", 'W', 'C'},
    {"bad faith proved by the defendant's oath", Proprieta, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, Req::Giuramento, "", "", "R9", 'L', 'C'},
    {"almost twenty years without title", Proprieta, " 19 anni e 364 giorni", nessunaInterruzione, pacifico, titolare, legittima, buona, senzaTitolo, {}, {}, {}, "", "", "R10", 'L', 'C'},

    {"rural, fifteen years in bad faith without title", PiccolaProprietaRurale, " 15 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", "", "R11", 'W', 'C'},
    {"rural, fifteen years interrupted", PiccolaProprietaRurale, " 15 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R12", 'L', 'N'},
    {"rural, sixteen years interrupted", PiccolaProprietaRurale, " 16 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R12", 'L', 'N'},
    {"rural, fifteen years violent", PiccolaProprietaRurale, " 15 anni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R13", 'L', 'C'},
    {"rural, fifteen years as holder", PiccolaProprietaRurale, " 15 anni", nessunaInterruzione, pacifico, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "R14", 'L', 'C'},
    {"rural, five years with title", PiccolaProprietaRurale, " 5 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R15", 'W', 'C'},
    {"rural, five years interrupted", PiccolaProprietaRurale, " 5 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R16", 'L', 'N'},
    {"rural, fourteen years violent", PiccolaProprietaRurale, " 14 anni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R17", 'L', 'N'},
    {"rural, five years as holder", PiccolaProprietaRurale, " 5 anni", nessunaInterruzione, pacifico, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "R18", 'L', 'A'},
    {"rural, five years in bad faith", PiccolaProprietaRurale, " 5 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "R19", 'L', 'N'},
    {"rural, five years without title", PiccolaProprietaRurale, " 5 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, senzaTitolo, {}, {}, {}, "", "", "R20", 'L', 'N'},

    {"universality, twenty years in bad faith", UniversalitaMobili, " 20 anni", nessunaInterruzione, pacifico, titolare, illegittima, mala, senzaTitolo, {}, {}, {}, "", "", "R21", 'W', 'C'},
    {"universality, twenty years interrupted", UniversalitaMobili, " 20 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R22", 'L', 'N'},
    {"universality, twenty years violent", UniversalitaMobili, " 20 anni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R23", 'L', 'N'},
    {"universality, twenty years as holder", UniversalitaMobili, " 20 anni", nessunaInterruzione, pacifico, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "R24", 'L', 'N'},
    {"universality, ten years with title", UniversalitaMobili, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R25", 'W', 'C'},
    {"universality, ten years interrupted", UniversalitaMobili, " 10 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R26", 'L', 'N'},
    {"universality, ten years violent", UniversalitaMobili, " 10 anni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R27", 'L', 'N'},
    {"universality, ten years as holder", UniversalitaMobili, " 10 anni", nessunaInterruzione, pacifico, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "R28", 'L', 'N'},
    {"universality, ten years in bad faith", UniversalitaMobili, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "R29", 'L', 'N'},
    {"universality, ten years without title", UniversalitaMobili, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, senzaTitolo, {}, {}, {}, "", "", "R30", 'L', 'N'},

    {"movables, twenty years in bad faith", BeniMobili, " 20 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", "", "R31", 'W', 'C'},
    {"movables, bad faith interrupted", BeniMobili, " 20 anni", oltreUnAnno, pacifico, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "R32", 'L', 'N'},
    {"movables, bad faith violent", BeniMobili, " 20 anni", nessunaInterruzione, violento, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "R33", 'L', 'N'},
    {"movables, bad faith as holder", BeniMobili, " 20 anni", nessunaInterruzione, pacifico, detentore, legittima, mala, idoneo, {}, {}, {}, "", "", "R34", 'L', 'N'},
    {"movables, ten years in good faith", BeniMobili, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, senzaTitolo, {}, {}, {}, "", "", "R35", 'W', 'C'},
    // With a title, delivery in good faith made the plaintiff owner long before any term (art. 1153).
    {"movables, good faith and title for twenty-five years", BeniMobili, " 25 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R41", 'W', 'C'},
    {"movables, fifteen years, illegitimate provenance", BeniMobili, " 15 anni", nessunaInterruzione, pacifico, titolare, illegittima, buona, idoneo, {}, {}, {}, "", "", "R41", 'W', 'C'},
    {"movables, good faith interrupted, no title", BeniMobili, " 10 anni", oltreUnAnno, pacifico, titolare, legittima, buona, senzaTitolo, {}, {}, {}, "", "", "R36", 'L', 'N'},
    {"movables, good faith and title, interrupted", BeniMobili, " 12 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R41", 'W', 'C'},
    {"movables, good faith violent", BeniMobili, " 10 anni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R37", 'L', 'N'},
    {"movables, good faith as holder", BeniMobili, " 10 anni", nessunaInterruzione, pacifico, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "R38", 'L', 'N'},
    {"movables, twelve years in bad faith", BeniMobili, " 12 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "R39", 'L', 'N'},
    {"movables, two years in bad faith, illegitimate provenance", BeniMobili, " 2 anni", nessunaInterruzione, pacifico, titolare, illegittima, mala, idoneo, {}, {}, {}, "", "", "R40", 'L', 'C'},
    {"movables, bad faith proved, illegitimate provenance", BeniMobili, " 5 anni", nessunaInterruzione, pacifico, titolare, illegittima, buona, senzaTitolo, {}, {}, Req::Donazioni, "", "", "R40", 'L', 'C'},
    {"movables, no duration read, bad faith, illegitimate provenance", BeniMobili, "", {}, {}, {}, illegittima, mala, {}, {}, {}, {}, "", "", "R40", 'L', 'C'},
    {"movables, no duration read, illegitimate provenance, faith unknown", BeniMobili, "", {}, {}, {}, illegittima, {}, {}, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"movables, two years, delivery in good faith with title", BeniMobili, " 2 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R41", 'W', 'C'},
    {"movables, delivery in good faith, illegitimate provenance", BeniMobili, " 2 anni", nessunaInterruzione, pacifico, titolare, illegittima, buona, idoneo, {}, {}, {}, "", "", "R41", 'W', 'C'},
    {"movables, delivery in good faith, interrupted", BeniMobili, " 2 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R41", 'W', 'C'},
    {"movables, delivery of a thing taken by violence", BeniMobili, " 2 anni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"movables, delivery to a holder for another", BeniMobili, " 2 anni", nessunaInterruzione, pacifico, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"movables, twenty-five years in good faith, interrupted and violent", BeniMobili, " 25 anni", oltreUnAnno, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"movables, garbled duration, delivery with title", BeniMobili, "xyz", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R41", 'W', 'C'},
    {"movables, two years in bad faith", BeniMobili, " 2 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "R42", 'L', 'N'},
    {"movables, bad faith with two defects", BeniMobili, " 20 anni", oltreUnAnno, violento, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"movables, two years without title", BeniMobili, " 2 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, senzaTitolo, {}, {}, {}, "", "", "R43", 'L', 'N'},

    {"registered movables, ten years in bad faith without title", MobiliRegistrati, " 10 anni", nessunaInterruzione, pacifico, titolare, illegittima, mala, senzaTitolo, {}, {}, {}, "", "", "R44", 'W', 'C'},
    {"registered movables, ten years, faith objected", MobiliRegistrati, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, Req::ContrattiLocazione, "", "", "R44", 'W', 'C'},
    {"registered movables, ten years interrupted", MobiliRegistrati, " 10 anni", oltreUnAnno, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", "", "R44I", 'L', 'N'},
    {"registered movables, interruption on the last day of ten years", MobiliRegistrati, " 12 anni", menoDiUnAnno, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", " 2 anni", "R44I", 'L', 'N', Lunga::AltriDocumenti, Corta::Testimoni},
    {"registered movables, ten years violent", MobiliRegistrati, " 10 anni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R44V", 'L', 'N'},
    {"registered movables, violence proved", MobiliRegistrati, " 15 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, Req::Presunzioni, {}, {}, "", "", "R44V", 'L', 'N'},
    {"registered movables, ten years as holder", MobiliRegistrati, " 10 anni", nessunaInterruzione, pacifico, detentore, legittima, mala, senzaTitolo, {}, {}, {}, "", "", "R44D", 'L', 'N'},
    {"registered movables, ten years with every defect", MobiliRegistrati, " 10 anni", oltreUnAnno, violento, detentore, illegittima, mala, senzaTitolo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"registered movables, objections on manner and mind", MobiliRegistrati, " 10 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, Req::ContrattiLocazione, Req::ContrattiLocazione, Req::ContrattiLocazione, "", "", "RF", 'L', 'C'},
    {"registered movables, three years with title", MobiliRegistrati, " 3 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R45", 'W', 'C'},
    {"registered movables, three years interrupted", MobiliRegistrati, " 3 anni", oltreUnAnno, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R45I", 'L', 'N'},
    {"registered movables, three years violent but in good faith", MobiliRegistrati, " 3 anni", nessunaInterruzione, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "R45V", 'L', 'N'},
    {"registered movables, three years as holder", MobiliRegistrati, " 9 anni", nessunaInterruzione, pacifico, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "R45D", 'L', 'N'},
    {"registered movables, three years violent and interrupted", MobiliRegistrati, " 3 anni", oltreUnAnno, violento, detentore, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"registered movables, three years in bad faith", MobiliRegistrati, " 3 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "R46", 'L', 'N'},
    {"registered movables, bad faith and interrupted", MobiliRegistrati, " 5 anni", oltreUnAnno, pacifico, titolare, legittima, mala, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"registered movables, nine years without title", MobiliRegistrati, " 9 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, senzaTitolo, {}, {}, {}, "", "", "R47", 'L', 'N'},

    {"nine years flawless", Proprieta, " 9 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"twenty-five years with two defects", Proprieta, " 25 anni", oltreUnAnno, violento, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"fifteen years, bad faith and no title", Proprieta, " 15 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"empty possession duration", Proprieta, "", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"manner left empty", Proprieta, " 20 anni", nessunaInterruzione, {}, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"twenty-two years, defendant's dates unproved", Proprieta, " 22 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, " 8 anni", "", "R5", 'W', 'C', {}, {}, Corta::Nessuna, Lunga::Nessuna},
    {"twenty-two years, defendant's end proved by a formal notice", Proprieta, " 22 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, " 8 anni", "", "R5", 'W', 'C', {}, {}, Corta::Nessuna, Lunga::Diffida},
    {"rural, four years", PiccolaProprietaRurale, " 4 anni e 364 giorni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"universality, nine years", UniversalitaMobili, " 9 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"movables, bad faith without title", BeniMobili, " 5 anni", nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"registered movables, two years", MobiliRegistrati, " 2 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    {"no type chosen", {}, " 30 anni", nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, {}, {}, {}, "", "", "RF", 'L', 'C'},
    // clang-format on
};

// A case told by its dates, as the user types them, for the law of time and of proof. The plaintiff
// is flawless (no interruption conceded, peaceful, as owner, legitimate provenance) unless a field
// says otherwise; his good faith and title choose the term.
struct CasoTempo {
    const char* nome;
    Tipologia tipo;
    const char* inizio;
    const char* fine;
    const char *interruzioneInizio, *interruzioneFine;
    std::optional<ProvaLunga> provaInizioInterruzione;
    std::optional<ProvaCorta> provaFineInterruzione;
    const char *ledateInizio, *ledateFine;
    std::optional<ProvaCorta> provaInizioDate;
    std::optional<ProvaLunga> provaFineDate;
    Fede fede;
    Titolo titolo;
    std::optional<ProvaRequisito> obiezioneModo, obiezioneFede;
    const char* chiave;
    int anni;              // years taken into account
    const char* cita;      // what the judgment paragraph must say
    const char* nonCita;   // what it must not
};

const CasoTempo casiTempo[] = {
    // Years by anniversaries.
    // clang-format off
    {"29/2/1984 to 29/2/2004 is twenty years", Proprieta, "29/2/1984", "29/2/2004", "", "", {}, {}, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R1", 20, "art. 1158", ""},
    {"twenty years across the common year 1900", Proprieta, "1/1/1890", "1/1/1910", "", "", {}, {}, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R1", 20, "art. 1158", ""},
    {"a day short of twenty years", Proprieta, "2/1/1990", "1/1/2010", "", "", {}, {}, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R10", 19, "", ""},
    {"a loss of a year and a day across 29 February", Proprieta, "1/1/1990", "1/1/2010", "28/2/2003", "29/2/2004", Lunga::AttiDisposizione, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R2", 20, "art. 1167", ""},
    {"a loss of exactly a year across 29 February", Proprieta, "1/1/1980", "1/1/2010", "28/2/2003", "28/2/2004", Lunga::AttiDisposizione, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R1", 30, "", ""},
    {"four-digit years before 1930", Proprieta, "12/03/1925", "12/03/1950", "", "", {}, {}, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R1", 25, "", ""},

    // Interruptions: inside the possession, the term starting again after them.
    {"a new term of 35 years after a loss", Proprieta, "1/1/1960", "1/1/2010", "1/1/1970", "1/1/1975", Lunga::AttiDisposizione, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R1", 35, "che decorre dal 1/1/1975, e da allora alla fine del possesso sono trascorsi 35 anni compiuti", ""},
    {"ten years after a loss, twenty needed", Proprieta, "1/1/1980", "1/1/2010", "1/1/1995", "1/1/2000", Lunga::AttiDisposizione, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R2", 30, "art. 1167", ""},
    {"ten years after a loss, good faith and title", Proprieta, "1/1/1990", "1/1/2010", "1/1/1995", "1/1/2000", Lunga::AttiDisposizione, Corta::AttiDisposizione, "", "", {}, {}, buona, idoneo, {}, {}, "R5", 10, "", ""},
    {"a loss wholly before the possession", Proprieta, "1/1/1985", "1/1/2010", "1/1/1970", "1/1/1975", Lunga::AttiDisposizione, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R1", 25, "", ""},
    {"a loss after the possession", Proprieta, "1/1/1985", "1/1/2010", "1/1/2011", "1/1/2013", Lunga::AttiDisposizione, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R1", 25, "", ""},
    {"a loss before the defendant's proved start", Proprieta, "1/1/1980", "1/1/2010", "1/1/1982", "1/1/1984", Lunga::AttiDisposizione, Corta::AttiDisposizione, "1/1/1985", "1/1/2010", Corta::AttiDisposizione, Lunga::AttiDisposizione, buona, senzaTitolo, {}, {}, "R1", 25, "", ""},
    {"a judicial claim of a year, fourteen years before the end", Proprieta, "1/1/1980", "1/1/2010", "1/1/1995", "1/1/1996", Lunga::DomandaGiudiziale, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R2", 30, "art. 2943", "1167"},
    {"an acknowledgement on one day", Proprieta, "1/1/1985", "1/1/2010", "1/6/2000", "1/6/2000", Lunga::Riconoscimento, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R2", 25, "art. 2944", "1167"},
    {"an acknowledgement with twenty years after it", Proprieta, "1/1/1980", "1/1/2010", "1/1/1985", "1/1/1985", Lunga::Riconoscimento, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R1", 25, "dal riconoscimento del diritto del proprietario (artt. 1165 e 2944), il 1/1/1985", ""},
    {"a judicial claim against movables in good faith", BeniMobili, "1/1/1997", "1/1/2010", "1/1/2005", "1/1/2006", Lunga::DomandaGiudiziale, Corta::AttiDisposizione, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R36", 13, "art. 2943", "1167"},
    {"a claim with its end unproved", Proprieta, "1/1/1980", "1/1/2010", "1/1/1995", "1/1/1996", Lunga::DomandaGiudiziale, Corta::Nessuna, "", "", {}, {}, buona, senzaTitolo, {}, {}, "R1", 30, "", ""},

    // Proofs that prove.
    {"the defendant's start without proof", Proprieta, "1/1/1985", "1/1/2010", "", "", {}, {}, "1/1/1995", "1/1/2010", Corta::Nessuna, Lunga::AttiDisposizione, buona, senzaTitolo, {}, {}, "R1", 25, "", ""},
    {"the defendant's start with no proof chosen", Proprieta, "1/1/1985", "1/1/2010", "", "", {}, {}, "1/1/1995", "1/1/2010", {}, {}, buona, senzaTitolo, {}, {}, "R1", 25, "", ""},
    {"the defendant's start proved", Proprieta, "1/1/1985", "1/1/2010", "", "", {}, {}, "1/1/1995", "1/1/2010", Corta::AttiDisposizione, Lunga::AttiDisposizione, buona, senzaTitolo, {}, {}, "R10", 15, "", ""},
    {"the defendant's end proved by a formal notice", Proprieta, "1/1/1985", "1/1/2010", "", "", {}, {}, "1/1/1985", "1/1/2000", Corta::Nessuna, Lunga::Diffida, buona, senzaTitolo, {}, {}, "R1", 25, "", ""},
    {"the defendant's end proved by witnesses", Proprieta, "1/1/1985", "1/1/2010", "", "", {}, {}, "1/1/1985", "1/1/2000", Corta::Nessuna, Lunga::Testimoni, buona, senzaTitolo, {}, {}, "R10", 15, "", ""},
    {"a formal notice proves no violence", Proprieta, "1/1/1985", "1/1/2010", "", "", {}, {}, "", "", {}, {}, buona, senzaTitolo, Req::Diffida, {}, "R1", 25, "", ""},
    {"a formal notice proves no bad faith", Proprieta, "1/1/1995", "1/1/2010", "", "", {}, {}, "", "", {}, {}, buona, idoneo, {}, Req::Diffida, "R5", 15, "", ""},
    {"acts of tolerance, where faith does not matter", Proprieta, "1/1/1985", "1/1/2010", "", "", {}, {}, "", "", {}, {}, mala, senzaTitolo, {}, Req::Tolleranza, "RT", 25, "'Gli atti compiuti con l'altrui tolleranza non possono servire di fondamento all'acquisto del possesso'", ""},
    // clang-format on
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
    d.tipologia = c.tipo;
    d.interruzione = nessunaInterruzione;
    d.modo = pacifico;
    d.animo = titolare;
    d.provenienza = legittima;
    d.fede = c.fede;
    d.titolo = c.titolo;
    d.provaInizioInterruzione = c.provaInizioInterruzione;
    d.provaFineInterruzione = c.provaFineInterruzione;
    d.provaInizioDate = c.provaInizioDate;
    d.provaFineDate = c.provaFineDate;
    d.obiezioneModo = c.obiezioneModo;
    d.obiezioneFede = c.obiezioneFede;
    return k;
}

Causa causaDi(const Caso& c)
{
    Causa k;
    DatiCausa& d = k.scelte;
    d.tipologia = c.tipo;
    d.interruzione = c.interruzione;
    d.modo = c.modo;
    d.animo = c.animo;
    d.provenienza = c.provenienza;
    d.fede = c.fede;
    d.titolo = c.titolo;
    d.obiezioneModo = c.obiezioneModo;
    d.obiezioneAnimo = c.obiezioneAnimo;
    d.obiezioneFede = c.obiezioneFede;
    d.provaInizioDate = c.provaInizioDate;
    d.provaFineDate = c.provaFineDate;
    d.provaInizioInterruzione = c.provaInizioInterruzione;
    d.provaFineInterruzione = c.provaFineInterruzione;
    // Every period ends with the possession: an interruption that reaches its end leaves no new term.
    TestiCausa& t = k.testi;
    const Periodo possesso = periodo(QString::fromUtf8(c.possesso));
    const Periodo date = periodo(QString::fromUtf8(c.date));
    const Periodo interruzione = periodo(QString::fromUtf8(c.durataInterruzione));
    t.possessoInizio = possesso.testoInizio();
    t.possessoFine = possesso.testoFine();
    t.ledateInizio = date.testoInizio();
    t.ledateFine = date.testoFine();
    t.interruzioneInizio = interruzione.testoInizio();
    t.interruzioneFine = interruzione.testoFine();
    return k;
}

Fatti fattiDi(const Caso& c) { return Fatti::da(causaDi(c)); }

// The facts the Code weighs, told by their dates: a term complete before an interruption, the act
// that interrupted and the day the term runs again, the transcription of the title, the end of
// violence. The plaintiff is peaceful, public and owner unless a field says otherwise.
struct CasoFatti {
    const char* nome;
    Tipologia tipo;
    const char *inizio, *fine;
    Fede fede;
    Titolo titolo;
    Modo modo;
    std::optional<AttoInterruttivo> atto;   // {}: an archive that never asked, the start proof tells it
    const char *interruzioneInizio, *interruzioneFine;
    std::optional<ProvaLunga> provaInizioInterruzione;
    std::optional<ProvaCorta> provaFineInterruzione;
    std::optional<StatoGiudizio> statoGiudizio;
    std::optional<Recupero> recupero;
    const char* fineConvenuto;   // the defendant's end of possession, with its proof
    std::optional<ProvaLunga> provaFineDate;
    const char *trascrizione, *cessazione;
    const char* chiave;
    const char* compiuta;   // the day of acquisition, "" when none
};

const CasoFatti casiFatti[] = {
    // A term already complete is not undone (art. 2963: it expires at the end of its last day).
    // clang-format off
    {"twenty years complete before a loss of possession", Proprieta, "1/1/1970", "1/1/2015", mala, senzaTitolo, pacifico, AttoInterruttivo::PerditaPossesso, "1/1/2000", "1/1/2003", Lunga::AttiDisposizione, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R1", "1/1/1990"},
    {"a claim served the day after the twentieth anniversary", Proprieta, "1/1/1970", "1/1/2015", mala, senzaTitolo, pacifico, AttoInterruttivo::DomandaGiudiziale, "2/1/1990", "1/1/2000", Lunga::DomandaGiudiziale, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R1", "1/1/1990"},
    {"a claim served on the anniversary itself", Proprieta, "1/1/1970", "1/1/2015", mala, senzaTitolo, pacifico, AttoInterruttivo::DomandaGiudiziale, "1/1/1990", "1/1/2000", Lunga::DomandaGiudiziale, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R2", ""},
    {"registered movables, three years complete before a loss", MobiliRegistrati, "1/1/2000", "1/1/2010", buona, idoneo, pacifico, AttoInterruttivo::PerditaPossesso, "1/1/2005", "1/1/2008", Lunga::AttiDisposizione, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R45", "1/1/2003"},
    {"movables in good faith, ten years complete before a loss", BeniMobili, "1/1/1990", "1/1/2010", buona, senzaTitolo, pacifico, AttoInterruttivo::PerditaPossesso, "1/1/2003", "1/1/2006", Lunga::AttiDisposizione, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R35", "1/1/2000"},
    {"a loss within the term, a new term complete after it", Proprieta, "1/1/1960", "1/1/2010", mala, senzaTitolo, pacifico, AttoInterruttivo::PerditaPossesso, "1/1/1970", "1/1/1975", Lunga::AttiDisposizione, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R1", "1/1/1995"},
    // The act is a fact of its own; the term runs again as art. 2945 says.
    {"an acknowledgement proved by a dated document", Proprieta, "1/1/1995", "1/1/2015", mala, senzaTitolo, pacifico, AttoInterruttivo::Riconoscimento, "1/6/2005", "", Lunga::AltriDocumenti, {}, {}, {}, "", {}, "", "", "R2", ""},
    {"old archive: an acknowledgement runs again from the act", Proprieta, "1/1/1990", "1/1/2016", mala, senzaTitolo, pacifico, {}, "1/1/1995", "1/1/2000", Lunga::Riconoscimento, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R1", "1/1/2015"},
    {"old archive: a loss told by its start proof", Proprieta, "1/1/1990", "1/1/2016", mala, senzaTitolo, pacifico, {}, "1/1/1995", "1/1/2000", Lunga::AltriDocumenti, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R2", ""},
    {"a claim whose proceedings were extinguished", Proprieta, "1/1/1990", "1/1/2016", mala, senzaTitolo, pacifico, AttoInterruttivo::DomandaGiudiziale, "1/1/1995", "", Lunga::DomandaGiudiziale, {}, StatoGiudizio::Estinto, {}, "", {}, "", "", "R1", "1/1/2015"},
    {"a claim decided by a final judgment", Proprieta, "1/1/1990", "1/1/2016", mala, senzaTitolo, pacifico, AttoInterruttivo::DomandaGiudiziale, "1/1/1995", "1/1/2000", Lunga::DomandaGiudiziale, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R2", ""},
    // A claim served and not extinguished, with no day of a final judgment, is still pending: the
    // new period has not begun (art. 2945, second paragraph).
    {"a claim still pending keeps the term from running", Proprieta, "1/1/1990", "1/1/2026", mala, senzaTitolo, pacifico, AttoInterruttivo::DomandaGiudiziale, "1/1/2005", "", Lunga::DomandaGiudiziale, {}, StatoGiudizio::Pendente, {}, "", {}, "", "", "R2", ""},
    {"a claim without the day of its final judgment is pending", Proprieta, "1/1/1990", "1/1/2016", mala, senzaTitolo, pacifico, AttoInterruttivo::DomandaGiudiziale, "1/1/1995", "", Lunga::DomandaGiudiziale, {}, {}, {}, "", {}, "", "", "R2", ""},
    {"old archive: a claim proved with no second date is pending", Proprieta, "1/1/1990", "1/1/2026", mala, senzaTitolo, pacifico, {}, "1/1/2005", "", Lunga::DomandaGiudiziale, {}, {}, {}, "", {}, "", "", "R2", ""},
    {"a pending claim after the term was complete", Proprieta, "1/1/1970", "1/1/2015", mala, senzaTitolo, pacifico, AttoInterruttivo::DomandaGiudiziale, "1/1/2000", "", Lunga::DomandaGiudiziale, {}, StatoGiudizio::Pendente, {}, "", {}, "", "", "R1", "1/1/1990"},
    {"a claim pending, served while a loss still ran", Proprieta, "1/1/1990", "1/1/2020", mala, senzaTitolo, pacifico, AttoInterruttivo::PerditaPossesso, "1/1/1995", "1/1/1998", Lunga::AttiDisposizione, Corta::AttiDisposizione, {}, {}, "1/1/1997", Lunga::DomandaGiudiziale, "", "", "R2", ""},
    // An act before a later useful start whose effect lasts beyond it still counts: the term runs
    // from the latest of the start, the transcription, the cessation and the end of the act's effect.
    {"a claim before the transcription, final after it", Proprieta, "1/1/2005", "1/1/2017", buona, idoneo, pacifico, AttoInterruttivo::DomandaGiudiziale, "1/6/2005", "1/6/2010", Lunga::DomandaGiudiziale, Corta::AttiDisposizione, {}, {}, "", {}, "1/1/2007", "", "R6", ""},
    {"a claim before the violence ceased, final after it", Proprieta, "1/1/1990", "1/1/2015", mala, senzaTitolo, violento, AttoInterruttivo::DomandaGiudiziale, "1/1/1992", "1/1/1996", Lunga::DomandaGiudiziale, Corta::AttiDisposizione, {}, {}, "", {}, "", "1/1/1994", "R2", ""},
    {"a loss still running at the transcription", Proprieta, "1/1/2005", "1/1/2019", buona, idoneo, pacifico, AttoInterruttivo::PerditaPossesso, "1/6/2006", "1/6/2008", Lunga::AttiDisposizione, Corta::AttiDisposizione, {}, {}, "", {}, "1/1/2007", "", "R5", "1/6/2018"},
    {"an acknowledgement before the transcription has no lasting effect", Proprieta, "1/1/2005", "1/1/2018", buona, idoneo, pacifico, AttoInterruttivo::Riconoscimento, "1/6/2005", "", Lunga::Riconoscimento, {}, {}, {}, "", {}, "1/1/2007", "", "R5", "1/1/2017"},
    {"a loss over a year, recovered by the action within the year", Proprieta, "1/1/1990", "1/1/2010", mala, senzaTitolo, pacifico, AttoInterruttivo::PerditaPossesso, "1/1/1995", "1/6/1996", Lunga::AttiDisposizione, Corta::AttiDisposizione, {}, Recupero::EntroLAnno, "", {}, "", "", "R1", "1/1/2010"},
    {"recovery within the year does not save a claim", Proprieta, "1/1/1990", "1/1/2010", mala, senzaTitolo, pacifico, AttoInterruttivo::DomandaGiudiziale, "1/1/1995", "1/6/1996", Lunga::DomandaGiudiziale, Corta::AttiDisposizione, {}, Recupero::EntroLAnno, "", {}, "", "", "R2", ""},
    // A claim or an acknowledgement given as the end of possession is an interruption on that day.
    {"the defendant's end proved by a claim, pending", Proprieta, "1/1/1990", "1/1/2015", mala, senzaTitolo, pacifico, {}, "", "", {}, {}, {}, {}, "1/1/2005", Lunga::DomandaGiudiziale, "", "", "R2", ""},
    {"the defendant's end proved by an acknowledgement, after the term", Proprieta, "1/1/1980", "1/1/2015", mala, senzaTitolo, pacifico, {}, "", "", {}, {}, {}, {}, "1/1/2005", Lunga::Riconoscimento, "", "", "R1", "1/1/2000"},
    {"the defendant's end proved by an acknowledgement, within the term", Proprieta, "1/1/1990", "1/1/2015", mala, senzaTitolo, pacifico, {}, "", "", {}, {}, {}, {}, "1/1/2005", Lunga::Riconoscimento, "", "", "R2", ""},
    {"a claim on the possession's last day interrupts the term's last day", Proprieta, "1/1/1980", "1/1/2000", mala, senzaTitolo, pacifico, {}, "", "", {}, {}, {}, {}, "1/1/2000", Lunga::DomandaGiudiziale, "", "", "R2", ""},
    {"an acknowledgement on the possession's last day", Proprieta, "1/1/1980", "1/1/2000", mala, senzaTitolo, pacifico, {}, "", "", {}, {}, {}, {}, "1/1/2000", Lunga::Riconoscimento, "", "", "R2", ""},
    {"the defendant's end proved by witnesses still ends it", Proprieta, "1/1/1990", "1/1/2015", mala, senzaTitolo, pacifico, {}, "", "", {}, {}, {}, {}, "1/1/2005", Lunga::Testimoni, "", "", "RF", ""},
    // The short terms run from the transcription of the title.
    {"ten years from the start, seven from the transcription", Proprieta, "1/1/2000", "1/1/2012", buona, idoneo, pacifico, {}, "", "", {}, {}, {}, {}, "", {}, "1/1/2005", "", "RF", ""},
    {"no transcription date: the start of possession is taken", Proprieta, "1/1/2000", "1/1/2012", buona, idoneo, pacifico, {}, "", "", {}, {}, {}, {}, "", {}, "", "", "R5", "1/1/2010"},
    {"a transcription before the possession", Proprieta, "1/1/2000", "1/1/2012", buona, idoneo, pacifico, {}, "", "", {}, {}, {}, {}, "", {}, "1/1/1995", "", "R5", "1/1/2010"},
    {"rural property, five years from the transcription", PiccolaProprietaRurale, "1/1/2000", "1/1/2010", buona, idoneo, pacifico, {}, "", "", {}, {}, {}, {}, "", {}, "1/1/2004", "", "R15", "1/1/2009"},
    {"the long term runs from the start whatever the transcription", Proprieta, "1/1/1990", "1/1/2012", buona, idoneo, pacifico, {}, "", "", {}, {}, {}, {}, "", {}, "1/1/2005", "", "R1", "1/1/2010"},
    // Violent or clandestine possession is useful from when the vice ceased.
    // Taking by violence or stealth is no delivery (art. 1153), whenever the vice ceased: from then,
    // movables follow art. 1161.
    {"movables taken by violence, ceased: no delivery", BeniMobili, "1/1/2025", "1/12/2026", buona, idoneo, violento, {}, "", "", {}, {}, {}, {}, "", {}, "", "1/6/2025", "RF", ""},
    {"movables taken by violence, ten years from the cessation", BeniMobili, "1/1/2005", "1/1/2020", buona, idoneo, violento, {}, "", "", {}, {}, {}, {}, "", {}, "", "1/6/2005", "R35", "1/6/2015"},
    {"movables taken by violence in bad faith, twenty years from the cessation", BeniMobili, "1/1/1990", "1/1/2020", mala, idoneo, violento, {}, "", "", {}, {}, {}, {}, "", {}, "", "1/6/1995", "R31", "1/6/2015"},
    // The right is acquired by the term complete first, and the judgment is on that term.
    {"ten years of art. 1159 complete before a loss that broke the twenty", Proprieta, "1/1/1980", "1/1/2005", buona, idoneo, pacifico, AttoInterruttivo::PerditaPossesso, "1/1/2000", "1/1/2003", Lunga::AttiDisposizione, Corta::AttiDisposizione, {}, {}, "", {}, "", "", "R5", "1/1/1990"},
    {"registered movables: three years before ten", MobiliRegistrati, "1/1/2000", "1/1/2015", buona, idoneo, pacifico, {}, "", "", {}, {}, {}, {}, "", {}, "1/1/2001", "", "R45", "1/1/2004"},
    {"violence ceased: twenty years from then", Proprieta, "1/1/1980", "1/1/2015", mala, senzaTitolo, violento, {}, "", "", {}, {}, {}, {}, "", {}, "", "1/1/1990", "R1", "1/1/2010"},
    {"violence ceased too late", Proprieta, "1/1/1980", "1/1/2015", mala, senzaTitolo, violento, {}, "", "", {}, {}, {}, {}, "", {}, "", "1/1/2000", "RF", ""},
    {"violence that never ceased", Proprieta, "1/1/1980", "1/1/2015", mala, senzaTitolo, violento, {}, "", "", {}, {}, {}, {}, "", {}, "", "", "R3", ""},
    {"violence ceased after the possession ended", Proprieta, "1/1/1980", "1/1/2015", mala, senzaTitolo, violento, {}, "", "", {}, {}, {}, {}, "", {}, "", "1/1/2020", "R3", ""},
    // clang-format on
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
    d.tipologia = c.tipo;
    d.interruzione = nessunaInterruzione;
    d.modo = c.modo;
    d.animo = titolare;
    d.provenienza = legittima;
    d.fede = c.fede;
    d.titolo = c.titolo;
    d.atto = c.atto;
    d.provaInizioInterruzione = c.provaInizioInterruzione;
    d.provaFineInterruzione = c.provaFineInterruzione;
    d.statoGiudizio = c.statoGiudizio;
    d.recupero = c.recupero;
    if (*c.fineConvenuto) {
        d.provaInizioDate = Corta::AttiDisposizione;
        d.provaFineDate = c.provaFineDate;
    }
    return Fatti::da(k);
}

// The plaintiff's answers and the defendant's proofs, and the factors they must give.
struct CasoFattori {
    QString possesso, date, durataInterruzione;
    std::optional<Interruzione> interruzione;
    std::optional<Modo> modo;
    std::optional<Animo> animo;
    std::optional<Fede> fede;
    std::optional<ProvaRequisito> obiezioneModo, obiezioneAnimo, obiezioneFede;
    std::optional<ProvaLunga> provaInizioInterruzione;
    std::optional<ProvaCorta> provaFineInterruzione;
    int anni;
    bool interrotto;
    std::optional<Modo> modoAtteso;
    std::optional<Animo> animoAtteso;
    std::optional<Fede> fedeAttesa;
};

QString anniTesto(int n)
{
    return QStringLiteral(" %1 %2").arg(n).arg(n == 1 ? QStringLiteral("anno") : QStringLiteral("anni"));
}

}   // namespace

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
    const FormaCommento forma = c.forma == 'N'   ? FormaCommento::Nome
                                : c.forma == 'A' ? FormaCommento::ANome
                                                 : FormaCommento::Testo;
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
    QVERIFY(tabellaRegole().back().vale(Fattori{}));
    Fattori nulli;
    nulli.interrotto = true;
    QVERIFY(tabellaRegole().back().vale(nulli));
}

void TstRegole::fattori_data()
{
    QTest::addColumn<CasoFattori>("caso");

    const QString p22 = QStringLiteral(" 22 anni e 17 giorni");
    // Twenty years to the day: an interruption ending with the possession falls within the term.
    const QString p20 = QStringLiteral(" 20 anni");
    // clang-format off
    QTest::newRow("plaintiff's own answers") << CasoFattori{p22, {}, {}, nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("the other answers") << CasoFattori{p22, {}, {}, menoDiUnAnno, violento, detentore, mala, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, violento, detentore, mala};
    QTest::newRow("interrupted over a year") << CasoFattori{p22, {}, {}, oltreUnAnno, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, true, pacifico, titolare, buona};
    QTest::newRow("interruption window, exactly one year") << CasoFattori{p22, {}, " 1 anno", nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("interruption window, a year and a day") << CasoFattori{p20, {}, " 1 anno e 1 giorno", nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 20, true, pacifico, titolare, buona};
    QTest::newRow("interruption window, 1 anno e 14 giorni") << CasoFattori{p20, {}, " 1 anno e 14 giorni", menoDiUnAnno, pacifico, titolare, buona, {}, {}, {}, Lunga::DomandaGiudiziale, Corta::Giuramento, 20, true, pacifico, titolare, buona};
    QTest::newRow("interruption by an acknowledgement") << CasoFattori{p20, {}, " 2 anni", nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::Riconoscimento, Corta::AttiDisposizione, 20, true, pacifico, titolare, buona};
    QTest::newRow("a judicial claim of a day interrupts") << CasoFattori{p20, {}, " 0 anni e 1 giorno", nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::DomandaGiudiziale, Corta::AttiDisposizione, 20, true, pacifico, titolare, buona};
    QTest::newRow("interruption, formal notice") << CasoFattori{p22, {}, " 2 anni", nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::Diffida, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("interruption, no proof of the start") << CasoFattori{p22, {}, " 2 anni", nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::Nessuna, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("interruption, no proof of the end") << CasoFattori{p22, {}, " 2 anni", nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::Nessuna, 22, false, pacifico, titolare, buona};
    QTest::newRow("interruption, proofs never chosen") << CasoFattori{p22, {}, " 2 anni", nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, {}, {}, 22, false, pacifico, titolare, buona};
    QTest::newRow("interruption unproved, plaintiff conceded one") << CasoFattori{p22, {}, " 2 anni", oltreUnAnno, pacifico, titolare, buona, {}, {}, {}, Lunga::Nessuna, Corta::Nessuna, 22, true, pacifico, titolare, buona};
    QTest::newRow("interruption window, days only") << CasoFattori{p22, {}, " 0 anni e 300 giorni", menoDiUnAnno, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("interruption window garbled") << CasoFattori{p22, {}, "??", nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("defendant's dates shorter") << CasoFattori{p22, " 18 anni", {}, nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 18, false, pacifico, titolare, buona};
    QTest::newRow("defendant's dates longer") << CasoFattori{p22, " 30 anni", {}, nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("defendant's dates under a year") << CasoFattori{p22, " 0 anni e 2 giorni", {}, nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 0, false, pacifico, titolare, buona};
    QTest::newRow("no possession duration") << CasoFattori{{}, " 5 anni", {}, nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 0, false, pacifico, titolare, buona};
    QTest::newRow("120 years") << CasoFattori{" 120 anni", {}, {}, nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 120, false, pacifico, titolare, buona};
    QTest::newRow("objections at their lower bound") << CasoFattori{p22, {}, {}, nessunaInterruzione, pacifico, titolare, buona, Req::AttiDisposizione, Req::AttiDisposizione, Req::AttiDisposizione, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, violento, detentore, mala};
    QTest::newRow("objections at 9") << CasoFattori{p22, {}, {}, nessunaInterruzione, pacifico, titolare, buona, Req::Giuramento, Req::Giuramento, Req::Giuramento, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, violento, detentore, mala};
    QTest::newRow("acts of tolerance leave the answers") << CasoFattori{p22, {}, {}, nessunaInterruzione, pacifico, titolare, buona, Req::Tolleranza, Req::Tolleranza, Req::Tolleranza, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("formal notices prove nothing") << CasoFattori{p22, {}, {}, nessunaInterruzione, pacifico, titolare, buona, Req::Diffida, Req::Diffida, Req::Diffida, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("no proof offered") << CasoFattori{p22, {}, {}, nessunaInterruzione, pacifico, titolare, buona, Req::Nessuna, Req::Nessuna, Req::Nessuna, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("objections never raised") << CasoFattori{p22, {}, {}, nessunaInterruzione, pacifico, titolare, buona, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, pacifico, titolare, buona};
    QTest::newRow("objections do not improve") << CasoFattori{p22, {}, {}, nessunaInterruzione, violento, detentore, mala, Req::Nessuna, Req::Diffida, Req::Nessuna, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, violento, detentore, mala};
    QTest::newRow("answers left empty") << CasoFattori{p22, {}, {}, {}, {}, {}, {}, {}, {}, {}, Lunga::AttiDisposizione, Corta::AttiDisposizione, 22, false, {}, {}, {}};
    // clang-format on
}

void TstRegole::fattori()
{
    QFETCH(CasoFattori, caso);

    Fatti f;
    f.tipologia = Proprieta;
    f.interruzione = caso.interruzione;
    f.modo = caso.modo;
    f.animo = caso.animo;
    f.fede = caso.fede;
    f.obiezioneModo = caso.obiezioneModo;
    f.obiezioneAnimo = caso.obiezioneAnimo;
    f.obiezioneFede = caso.obiezioneFede;
    const Periodo p = periodo(caso.possesso), q = periodo(caso.date), r = periodo(caso.durataInterruzione);
    f.possessoInizio = p.inizio;
    f.possessoFine = p.fine;
    f.ledateInizio = q.inizio;
    f.ledateFine = q.fine;
    f.provaInizioDate = Corta::AttiDisposizione;
    f.provaFineDate = Lunga::AttiDisposizione;
    f.interruzioneInizio = r.inizio;
    f.interruzioneFine = r.fine;
    f.provaInizioInterruzione = caso.provaInizioInterruzione;
    f.provaFineInterruzione = caso.provaFineInterruzione;
    const Fattori x = ::fattori(f);
    QCOMPARE(x.anni, caso.anni);
    QCOMPARE(x.interrotto, caso.interrotto);
    QCOMPARE(x.modo, caso.modoAtteso);
    QCOMPARE(x.animo, caso.animoAtteso);
    QCOMPARE(x.fede, caso.fedeAttesa);
}

// Ownership, the real rights of enjoyment and apparent servitudes follow one and the same set of rules.
void TstRegole::tipiDaUnoASetteSonoUno()
{
    int casiProvati = 0;
    for (int anni = 0; anni <= 30; ++anni)
        for (Interruzione interruzione : {menoDiUnAnno, oltreUnAnno, nessunaInterruzione})
            for (Modo modo : {violento, pacifico})
                for (Animo animo : {detentore, titolare})
                    for (Fede fede : {buona, mala})
                        for (Titolo titolo : {idoneo, senzaTitolo}) {
                            Fatti f;
                            f.interruzione = interruzione;
                            f.modo = modo;
                            f.animo = animo;
                            f.provenienza = legittima;
                            f.fede = fede;
                            f.titolo = titolo;
                            const Periodo p = periodo(anniTesto(anni));
                            f.possessoInizio = p.inizio;
                            f.possessoFine = p.fine;
                            f.tipologia = Proprieta;
                            const QString primo = decidi(f).chiave;
                            const int n = primo.mid(1).toInt();
                            QVERIFY(primo == QLatin1String("RF") || (n >= 1 && n <= 10));
                            for (Tipologia tipo : {Enfiteusi, Usufrutto, Uso, Abitazione, ServituApparenti}) {
                                f.tipologia = tipo;
                                QCOMPARE(decidi(f).chiave, primo);
                            }
                            ++casiProvati;
                        }
    QCOMPARE(casiProvati, 31 * 3 * 16);
}

// The objections on provenance and on acquisition from a non-owner never change the outcome.
void TstRegole::obiezioniProvate_data()
{
    QTest::addColumn<Tipologia>("tipo");
    QTest::addColumn<QString>("possesso");
    QTest::addColumn<Fede>("fede");
    QTest::addColumn<std::optional<ProvaRequisito>>("obiezioneProvenienza");
    QTest::addColumn<std::optional<ProvaRequisito>>("obiezioneTitolo");
    QTest::addColumn<QString>("chiave");

    const std::optional<ProvaRequisito> nessuna, tolleranza = Req::Tolleranza, diffida = Req::Diffida,
                                                 senzaProva = Req::Nessuna;
    const std::optional<ProvaRequisito> documenti = Req::AltriDocumenti, testimoni = Req::Testimoni,
                                        atti = Req::AttiDisposizione, giuramento = Req::Giuramento,
                                        presunzioni = Req::Presunzioni;
    // A proof of the defendant's replaces the plaintiff's answer, as for manner, mind and faith.
    // clang-format off
    QTest::newRow("title disproved: ten years no longer win") << Proprieta << " 12 anni" << buona << nessuna << documenti << "R10";
    QTest::newRow("title disproved by witnesses, rural five years") << PiccolaProprietaRurale << " 6 anni" << buona << nessuna << testimoni << "R20";
    QTest::newRow("title disproved, registered movables") << MobiliRegistrati << " 4 anni" << buona << nessuna << atti << "R47";
    QTest::newRow("title disproved, movables delivered two years ago") << BeniMobili << " 2 anni" << buona << nessuna << giuramento << "R43";
    QTest::newRow("title disproved, twenty years need none") << Proprieta << " 20 anni" << buona << nessuna << documenti << "R1";
    QTest::newRow("provenance disproved, movables in bad faith") << BeniMobili << " 2 anni" << mala << presunzioni << nessuna << "R40";
    QTest::newRow("provenance disproved, delivery in good faith still transfers") << BeniMobili << " 10 anni" << buona << presunzioni << nessuna << "R41";
    QTest::newRow("acts of tolerance on the title") << Proprieta << " 12 anni" << buona << nessuna << tolleranza << "RT";
    QTest::newRow("acts of tolerance on the provenance") << BeniMobili << " 2 anni" << buona << tolleranza << nessuna << "RT";
    QTest::newRow("formal notice on the title proves nothing") << Proprieta << " 12 anni" << buona << nessuna << diffida << "R5";
    QTest::newRow("no proof of the title objection") << Proprieta << " 12 anni" << buona << nessuna << senzaProva << "R5";
    QTest::newRow("no proof of the provenance objection") << BeniMobili << " 2 anni" << mala << senzaProva << nessuna << "R42";
    // clang-format on
}

void TstRegole::obiezioniProvate()
{
    QFETCH(Tipologia, tipo);
    QFETCH(QString, possesso);
    QFETCH(Fede, fede);
    QFETCH(std::optional<ProvaRequisito>, obiezioneProvenienza);
    QFETCH(std::optional<ProvaRequisito>, obiezioneTitolo);
    Causa k;
    const Periodo p = periodo(possesso);
    k.testi.possessoInizio = p.testoInizio();
    k.testi.possessoFine = p.testoFine();
    DatiCausa& d = k.scelte;
    d.tipologia = tipo;
    d.interruzione = nessunaInterruzione;
    d.modo = pacifico;
    d.animo = titolare;
    d.provenienza = legittima;
    d.fede = fede;
    d.titolo = idoneo;
    d.obiezioneProvenienza = obiezioneProvenienza;
    d.obiezioneTitolo = obiezioneTitolo;
    const Decisione dec = decidi(Fatti::da(k));
    QTEST(dec.chiave, "chiave");
    if (obiezioneTitolo && mezzoDiProva(*obiezioneTitolo))
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
    d.tipologia = BeniMobili;
    d.interruzione = nessunaInterruzione;
    d.modo = pacifico;
    d.animo = titolare;
    d.provenienza = legittima;
    d.fede = buona;
    d.titolo = senzaTitolo;
    QCOMPARE(chiave(), QStringLiteral("R35"));
    // The defendant's proved start shortens the possession below ten years.
    k.testi.ledateInizio = QStringLiteral("1/1/2002");
    k.testi.ledateFine = QStringLiteral("1/1/2010");
    d.provaInizioDate = Corta::Transazioni;
    d.provaFineDate = Lunga::Transazioni;
    QCOMPARE(chiave(), QStringLiteral("R43"));
    d.provaInizioDate = Corta::Nessuna;
    QCOMPARE(chiave(), QStringLiteral("R35"));
    // The interruption counts with both its proofs, which the record carries.
    d.titolo = senzaTitolo;
    k.testi.interruzioneInizio = QStringLiteral("1/1/2007");
    k.testi.interruzioneFine = QStringLiteral("1/1/2009");
    QCOMPARE(chiave(), QStringLiteral("R35"));
    d.provaInizioInterruzione = Lunga::ContrattiLocazione;
    d.provaFineInterruzione = Corta::Donazioni;
    QCOMPARE(chiave(), QStringLiteral("R36"));
    d.provaInizioInterruzione = Lunga::Diffida;
    QCOMPARE(chiave(), QStringLiteral("R35"));
    d.titolo = idoneo;
    d.obiezioneModo = Req::Donazioni;
    QCOMPARE(chiave(), QStringLiteral("R37"));
    // A proof never chosen, as an archive may hold it, raises nothing.
    d.obiezioneModo = Req::NonScelta;
    d.obiezioneAnimo = Req::Donazioni;
    QCOMPARE(chiave(), QStringLiteral("R38"));
    d.obiezioneAnimo = Req::NonScelta;
    d.obiezioneFede = Req::Donazioni;
    QCOMPARE(chiave(), QStringLiteral("R39"));
    k.testi.possessoInizio = QStringLiteral("1/1/2008");
    d.provenienza = illegittima;
    QCOMPARE(chiave(), QStringLiteral("R40"));
    d.provenienza = legittima;
    QCOMPARE(chiave(), QStringLiteral("R42"));
    d.titolo = senzaTitolo;
    d.obiezioneFede = Req::NonScelta;
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
    QTest::addColumn<Interruzione>("risposta");
    QTest::addColumn<std::optional<ProvaLunga>>("provaInizioInterruzione");
    QTest::addColumn<std::optional<ProvaCorta>>("provaFineInterruzione");
    QTest::addColumn<std::optional<ProvaRequisito>>("obiezioneModo");
    QTest::addColumn<Modo>("modo");
    QTest::addColumn<bool>("anniDelConvenuto");
    QTest::addColumn<Opposizione>("opposizione");
    QTest::addColumn<bool>("interruzioneDelConvenuto");
    QTest::addColumn<bool>("modoDelConvenuto");

    const std::optional<ProvaLunga> inizioNonProposto, inizioProvato = Lunga::AttiDisposizione,
                                                       inizioSenzaProva = Lunga::Nessuna, diffida = Lunga::Diffida;
    const std::optional<ProvaCorta> fineNonProposta, fineProvata = Corta::AttiDisposizione;
    const std::optional<ProvaRequisito> nessunaObiezione, violenzaProvata = Req::AltriDocumenti;
    // clang-format off
    QTest::newRow("the plaintiff's word") << "" << "" << nessunaInterruzione << inizioNonProposto << fineNonProposta << nessunaObiezione << pacifico << false << Opposizione::NonProposta << false << false;
    QTest::newRow("shorter dates of the defendant") << " 18 anni" << "" << nessunaInterruzione << inizioNonProposto << fineNonProposta << nessunaObiezione << pacifico << true << Opposizione::NonProposta << false << false;
    QTest::newRow("longer dates of the defendant") << " 30 anni" << "" << nessunaInterruzione << inizioNonProposto << fineNonProposta << nessunaObiezione << pacifico << false << Opposizione::NonProposta << false << false;
    QTest::newRow("interruption proved") << "" << " 2 anni" << menoDiUnAnno << inizioProvato << fineProvata << nessunaObiezione << pacifico << false << Opposizione::Efficace << true << false;
    QTest::newRow("interruption of a year") << "" << " 1 anno" << menoDiUnAnno << inizioProvato << fineProvata << nessunaObiezione << pacifico << false << Opposizione::NonOltreUnAnno << false << false;
    QTest::newRow("interruption without proof") << "" << " 2 anni" << menoDiUnAnno << inizioSenzaProva << fineProvata << nessunaObiezione << pacifico << false << Opposizione::SenzaProva << false << false;
    QTest::newRow("interruption by formal notice") << "" << " 2 anni" << menoDiUnAnno << diffida << fineProvata << nessunaObiezione << pacifico << false << Opposizione::Diffida << false << false;
    QTest::newRow("interruption conceded and objected") << "" << " 2 anni" << oltreUnAnno << inizioProvato << fineProvata << nessunaObiezione << pacifico << false << Opposizione::Efficace << false << false;
    QTest::newRow("violence proved") << "" << "" << nessunaInterruzione << inizioNonProposto << fineNonProposta << violenzaProvata << pacifico << false << Opposizione::NonProposta << false << true;
    QTest::newRow("violence conceded") << "" << "" << nessunaInterruzione << inizioNonProposto << fineNonProposta << violenzaProvata << violento << false << Opposizione::NonProposta << false << false;
    // clang-format on
}

void TstRegole::origini()
{
    QFETCH(QString, date);
    QFETCH(QString, interruzione);
    QFETCH(Interruzione, risposta);
    QFETCH(std::optional<ProvaLunga>, provaInizioInterruzione);
    QFETCH(std::optional<ProvaCorta>, provaFineInterruzione);
    QFETCH(std::optional<ProvaRequisito>, obiezioneModo);
    QFETCH(Modo, modo);

    Fatti f;
    f.tipologia = Proprieta;
    const Periodo p = periodo(QStringLiteral(" 22 anni")), q = periodo(date), r = periodo(interruzione);
    f.possessoInizio = p.inizio;
    f.possessoFine = p.fine;
    f.ledateInizio = q.inizio;
    f.ledateFine = q.fine;
    f.provaInizioDate = Corta::AttiDisposizione;
    f.provaFineDate = Lunga::AttiDisposizione;
    f.interruzioneInizio = r.inizio;
    f.interruzioneFine = r.fine;
    f.interruzione = risposta;
    f.provaInizioInterruzione = provaInizioInterruzione;
    f.provaFineInterruzione = provaFineInterruzione;
    f.obiezioneModo = obiezioneModo;
    f.modo = modo;
    f.animo = titolare;
    f.fede = buona;
    f.obiezioneFede = Req::Nessuna;
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
    QCOMPARE(d.compiuta ? d.compiuta->toString(QStringLiteral("d/M/yyyy")) : QString(),
             QString::fromLatin1(c.compiuta));
    QCOMPARE(d.compiuta.has_value(), d.esito == Esito::Vince);
    // The same facts decide the same way every time: the decision reads nothing but them.
    const Decisione ancora = decidi(fattiDi(c));
    QCOMPARE(ancora.chiave, d.chiave);
    QCOMPARE(ancora.compiuta, d.compiuta);
}

QTEST_APPLESS_MAIN(TstRegole)
#include "tst_regole.moc"
