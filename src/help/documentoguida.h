#pragma once
// The help documents: one guide, or all fifteen in one, built through the word-processor port
// and saved beside the program.
#include <QString>

class PortaWord;

namespace DocumentoGuida {

// The folder the documents are saved in: the program's folder when it can be written to,
// otherwise the user's documents folder.
QString cartellaSalvataggio(const QString& cartellaProgramma);

// nomeprogramma + heading + ".odt" and nomeprogramma + "-guida.odt".
QString nomeSingola(const QString& titolo);
QString nomeRaccolta();

// Build, save and show the document of one guide. Returns the path it was saved under, empty when
// neither folder took it (the document is shown all the same).
QString singola(PortaWord& word, const QString& titolo, const QString& testo);
// Build, save and show the document of all fifteen texts, each section ending with a page break.
// Returns as singola does.
QString raccolta(PortaWord& word);

} // namespace DocumentoGuida
