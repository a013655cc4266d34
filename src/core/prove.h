#pragma once
// The means of proof the defendant can bring against the plaintiff's dates and interruption, and
// the short explanation of each that the "?" beside it shows.
#include <QString>
#include <QVector>

namespace Prove {

// The proof list of the two date windows, in the order the end group of the dates window lists it.
enum Prova {
    AttiDisposizione = 1,
    Transazioni,
    ContrattiLocazione,
    Donazioni,
    AltriDocumenti,
    Testimoni,
    Presunzioni,
    Confessione,
    Giuramento,
    NotificazioneGiudizio,
    Riconoscimento,
    DiffidaMora,
    NessunaProva,
};

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
