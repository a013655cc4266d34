#pragma once
// What the case windows and the judgment derive from the case record: durations read from the
// dates, the checks of completeness and the objections raised. Each is defined once, here.
#include "case/daticausa.h"

#include <QString>

namespace StatoCausa {

// The duration between two texts, " 20 anni e  5 giorni"; empty unless both read as dates.
QString durata(const QString& inizio, const QString& fine);
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
// Everything the judgment needs.
bool giudicabile(const Causa& c);

// Objection k (1..7) has been raised: its proof chosen.
bool obiezioneSollevata(const DatiCausa& d, int k);
int numeroObiezioni(const DatiCausa& d);
// "Sono state formulate n. 2 obiezioni." ("È stata formulata n. 1 obiezione."); empty while there is none.
QString contatoreObiezioni(int n);

} // namespace StatoCausa
