#pragma once
// What the case windows and the judgment derive from the case record: durations read from the
// dates, the checks of completeness and the objections raised. Each is defined once, here.
#include "core/daticausa.h"
#include "core/fatti.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace StatoCausa {

// Why the dates of a block cannot be counted: a date after today (oggi), an end before its start
// or, unless unGiorno (an interruption by a single act, a claim or an acknowledgment), on the same
// day. Empty when they can, or while a text is not (yet) a date.
QString erroreDate(const QString& inizio, const QString& fine, bool unGiorno = false,
                   const QDate& oggi = QDate::currentDate());
// The same of dates already read: an empty one is a text that is not (yet) a date.
QString erroreDate(const std::optional<QDate>& inizio, const std::optional<QDate>& fine, bool unGiorno = false,
                   const QDate& oggi = QDate::currentDate());
// The first reason why a date of the case cannot be used, naming it: a text that is no date (an
// impossible day among them), a block whose dates cannot be counted, an optional date after today
// or outside the possession. Empty when there is none. The judgment is refused for any of them.
QString erroreDateCausa(const Causa& c, const QDate& oggi = QDate::currentDate());
QString erroreDateCausa(const TestiCausa& t, const Fatti& f, const QDate& oggi = QDate::currentDate());
// Only the three blocks of dates already read.
QString erroreDateCausa(const Fatti& f, const QDate& oggi = QDate::currentDate());
// The first date typed that cannot be used alone, whatever the blocks: a text that is no date, an
// optional date after today or outside the possession. The field, to be marked, and the reason.
struct ErroreData {
    QString TestiCausa::*campo = nullptr;
    QString motivo;
};
ErroreData dataErrata(const TestiCausa& t, const Fatti& f, const QDate& oggi = QDate::currentDate());

// The duration between two texts, " 20 anni e 5 giorni"; empty unless both read as dates that
// can be counted (erroreDate).
QString durata(const QString& inizio, const QString& fine, bool unGiorno = false);
QString durata(const std::optional<QDate>& inizio, const std::optional<QDate>& fine, bool unGiorno = false);
QString durataPossesso(const TestiCausa& t);
QString durataDate(const TestiCausa& t);
QString durataInterruzione(const TestiCausa& t);

// The header lets the case go on: plaintiff, defendant, property and a type (the place may wait).
bool intestazioneCompleta(const Causa& c);
// All four texts of the header (the judgment needs the place too).
bool datiGeneraliCompleti(const TestiCausa& t);
// Each of the six requirements answered.
bool requisitiCompleti(const DatiCausa& d);
// Both possession dates read as dates and every requirement answered.
bool possessoCompleto(const Causa& c);
// A date objection complete: both dates typed and both proofs chosen (k 1 the dates, 2 the interruption).
bool obiezioneDateCompleta(const Causa& c, int k);
// What the judgment still lacks, named for the user: "l'attore", "la data finale del possesso",
// "la risposta su «Fede del possessore»"; empty when nothing is missing.
QStringList mancanze(const Causa& c);
// The same, of the possession window alone: its two dates and six answers.
QStringList mancanzePossesso(const Causa& c);

// Everything the judgment needs, and no date that cannot be counted in any block.
bool giudicabile(const Causa& c);
// The same, of the case's facts already read from it.
bool giudicabile(const Causa& c, const Fatti& f);

// Whether the interruption window asks its second date (DatiCausa::interruzioneConRipresa()).
bool interruzioneChiedeFine(const DatiCausa& d);
// The parties as a title names the case: "Rossi c. Bianchi", the plaintiff alone, "contro Bianchi";
// empty when neither is typed.
QString parti(const TestiCausa& t);
// The case as a question names it: "«Rossi c. Bianchi»", the plaintiff alone, else the archive's
// file name, else "senza nome".
QString nomeCausa(const TestiCausa& t, const QString& archivio);

// Objection k (1..7) has been raised: its proof chosen.
bool obiezioneSollevata(const DatiCausa& d, int k);
int numeroObiezioni(const DatiCausa& d);
// "Sono state formulate n. 2 obiezioni." ("È stata formulata n. 1 obiezione."); empty while there is none.
QString contatoreObiezioni(int n);

}   // namespace StatoCausa
