#pragma once
// The windows of the program, one row each, in the order the exit sequence closes them.
// The frame reads its window-menu entries, tooltips, guides and toolbar pictures from here,
// the registry its names, the exit sequence its order.
#include <QColor>
#include <QString>
#include <QVector>

struct SchedaFinestra {
    QString nome;             // objectName, the window's name everywhere in the program
    int numero = 0;           // 1..13 for the numbered windows, 0 for the others
    QString voce;             // window-menu entry after "Finestra " ("Causa"), its name in the own-window question
    bool obiezione = false;   // an objection window: "Finestra obiezione ..." where the menu says so
    QString tooltip;          // toolbar tooltip of its navigation button
    QString guida;            // the guide window of a numbered window
    QColor colore;            // toolbar picture: title-bar colour
    QString sigla;            // toolbar picture: the initial in the body
    bool daChiudere = true;   // closed by the exit sequence (the splash survives as farewell screen)
};

namespace Finestre {

inline constexpr int numeroMassimo = 13;   // windows 1..13 have a number

// Every window the program knows, in closing order.
const QVector<SchedaFinestra>& schede();
// The row of window number 1..13, or of a name; nullptr when there is none.
const SchedaFinestra* scheda(int numero);
const SchedaFinestra* scheda(const QString& nome);
// The name of window number 1..13; empty for any other number.
QString nomeNumero(int numero);

}   // namespace Finestre
