#pragma once
// The help documents: one guide, or all fifteen in one, built through the word-processor port
// and saved in the user's documents folder.
#include <QString>

class PortaWord;

namespace DocumentoGuida {

// The folder the documents are saved in: "Possidoria" in the user's documents folder. Never the
// program's own folder, which an installation shares among users and its package owns.
QString cartellaSalvataggio();

// nomeprogramma + "-" + the guide's name + ".odt" ("Possidoria-manuale.odt", "Possidoria-guida-fede.odt")
// and nomeprogramma + "-guida.odt".
QString nomeSingola(const QString& finestra);
QString nomeRaccolta();

// Build, save and show the document of one guide. Returns the path it was saved under, empty when
// the folder could not be made or refused the file (the user is told, and nothing is shown).
QString singola(PortaWord& word, const QString& finestra, const QString& titolo, const QString& testo);
// Build, save and show the document of all fifteen texts, each section ending with a page break.
// Returns as singola does.
QString raccolta(PortaWord& word);

}   // namespace DocumentoGuida
