#pragma once
// The last step of every export to the word processor: the document is shown, the program keeps
// where it went (appword, docword), and the user hears of what did not go as usual.
#include <QString>

class PortaWord;

namespace Esportazione {

// Shows the document built through word. Returns the file that holds it, empty when none could be
// written; appword and docword change only when a file was written.
QString mostra(PortaWord& word);

}   // namespace Esportazione
