#pragma once
// The keys of a desktop dialog for the program's small windows (about, tips, support, help).
class QPushButton;
class QWidget;

namespace Tastiera {

// Enter presses the focused button, or predefinito when the focus is elsewhere; Escape presses
// chiusura; each showing puts the focus on predefinito; Tab follows the reading order of the
// window's controls, top to bottom and left to right.
void comeDialogo(QWidget* finestra, QPushButton* predefinito, QPushButton* chiusura);

}   // namespace Tastiera
