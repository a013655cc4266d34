#pragma once
// What a screen reader announces for each control: its accessible name and description.
class QWidget;

namespace Accessibilita {

// Gives every named control of the window that Qt leaves without an accessible name (text boxes,
// lists, scroll bars, picture buttons: controls without a caption) a name: its tooltip, else the
// caption of the label beside or above it, else its kind ("casella di testo", "elenco"). Captions
// and labels keep the live name Qt takes from their text; Qt describes every control by its tooltip.
void nomina(QWidget* finestra);

// Makes option buttons heard as options (a group that may have no choice makes Qt call them check
// boxes); before the first window is built, since a screen reader's view of a control is kept.
void prepara();

}   // namespace Accessibilita
