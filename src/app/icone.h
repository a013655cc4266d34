#pragma once
// The toolbar's pictures, drawn by the program itself so that they are always at hand.
#include <QIcon>

// The picture of toolbar position 1..24 (separators 5 and 19 have none).
QIcon iconaBarra(int posizione);
