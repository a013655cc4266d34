#pragma once
// The judgment of a case record, made whole in one step: the decision, its two texts, the lines
// of the facts and of the objections, and its explanation. The judgment window, its export, the
// "Perché?" answer and the command-line judge all show this, and nothing recomputes any part of it.
#include "core/daticausa.h"
#include "core/alternative.h"
#include "core/catalogo.h"
#include "core/regole.h"

#include <QStringList>
#include <optional>

struct Giudizio {
    Causa causa;   // the record judged, as it was then
    Decisione decisione;
    Sentenza sentenza;
    QStringList fatti;           // "- nome dell'attore: …", fourteen lines and the optional dates given
    QStringList obiezioni;       // "- data d'inizio del possesso: …", thirteen lines and the interrupting act
    QStringList perche;          // the explanation of the decision
    Alternative alternative{};   // the day of the usucapione and what would turn the outcome
};

// What the decision reads of a case: its answers and its dates, read once.
Fatti fattiDellaCausa(const Causa& causa);

QStringList righeFatti(const Causa& causa);
QStringList righeFatti(const Causa& causa, const Fatti& fatti);
QStringList righeObiezioni(const Causa& causa);

// The judgment, or nothing while the case lacks something the judgment needs.
std::optional<Giudizio> giudica(const Causa& causa);

// A caption without the periods that pad it in its window.
QString senzaPunti(const QString& didascalia);
