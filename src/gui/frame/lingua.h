#pragma once
// Italian everywhere: Qt's own texts (standard buttons, file and print dialogs, the context menu of
// text boxes) follow the program's language, whatever the system's locale.

namespace Lingua {

// Makes Italian the default locale (numbers, dates), at start-up.
void imposta();

// Qt's own file dialog dates the files in the system's locale, which Qt reads once: this reads it
// as Italian, then leaves the environment as it was for the programs the desktop starts. Only
// before the application object exists.
void sistemaInItaliano();

// Makes Italian the default locale and installs Qt's Italian translations from Qt's translations
// folder, once. False when the translations are not installed: Qt's texts then stay in English,
// without a word on the terminal.
bool carica();

}   // namespace Lingua
