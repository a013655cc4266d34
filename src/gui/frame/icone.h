#pragma once
// The toolbar's pictures, drawn by the program itself so that they are always at hand.
#include <QIcon>
#include <QPixmap>

// The picture of toolbar positions 1..4 and 20..24 (commands, not windows).
QIcon iconaBarra(int posizione);

struct SchedaFinestra;
// The picture of a numbered window's toolbar button: a small window in its colour with its initial.
QIcon iconaFinestra(const SchedaFinestra& finestra);

// The program's own picture, the one the desktop entry names (a house and a clock on the program's
// blue), for every window's title bar: drawn at the sizes a title bar and a task switcher ask for.
QIcon iconaProgramma();

// The objection marker of the case windows: a red flag on a 32 x 32 picture.
QPixmap immagineObiezione();
