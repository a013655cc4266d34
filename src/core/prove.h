#pragma once
// The means of proof the defendant can bring against the plaintiff's dates and interruption, and
// the short explanation of each that the "?" beside it shows.
#include "core/risposte.h"

#include <QString>
#include <QVector>

namespace Prove {

// A means of proof, named as on the long list of the date windows, which offers them all.
using Prova = ProvaLunga;

// The nine proofs every group offers, then "nessuna prova"; and the full list of thirteen.
const QVector<Prova>& corta();
const QVector<Prova>& lunga();

// The option caption, padded with periods as the window shows it.
QString didascalia(Prova p);

// The explanation shown by the "?" beside the proof; lines joined by "\r". The article texts
// come from the Civil Code content.
QString spiegazione(Prova p);

// The explanations the date windows and the questionnaires share.
QString spiegazioneDocumenti();
QString spiegazioneTestimoni();
QString spiegazioneNessunaProva();

}   // namespace Prove
