#pragma once
// The toolbar's pictures, drawn by the program itself so that they are always at hand.
#include <QIcon>
#include <QPixmap>

// The picture of toolbar positions 1..4 and 20..24 (commands, not windows).
QIcon iconaBarra(int posizione);

struct SchedaFinestra;
// The picture of a numbered window's toolbar button: a small window in its colour with its initial.
QIcon iconaFinestra(const SchedaFinestra& finestra);

// The objection marker of the case windows: a red flag on a 32 x 32 picture.
QPixmap immagineObiezione();
