#pragma once
// The decision told in Italian from what decidi() returned, nothing recomputed: one line for the
// rule and the outcome, one for each fact that decided it (years taken into account, interruption,
// manner, state of mind, faith, title, provenance) with whose word it rests on, and for RF the
// reason. Read by the "Perché?" window and the command-line judge.
#include "core/regole.h"

#include <QStringList>

QStringList spiegazione(const Decisione& d);
