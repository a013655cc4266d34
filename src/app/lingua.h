#pragma once
// Italian everywhere: Qt's own texts (standard buttons, file and print dialogs, the context menu of
// text boxes) follow the program's language, whatever the system's locale.

namespace Lingua {

// Makes Italian the default locale (numbers, dates), at start-up.
void imposta();

// Makes Italian the default locale and installs Qt's Italian translations from Qt's translations
// folder, once. False when the translations are not installed: Qt's texts then stay in English,
// without a word on the terminal.
bool carica();

} // namespace Lingua
