#pragma once
// Justified print lines for a monospaced font: a paragraph is broken into lines of at most
// `larghezza` characters without splitting any word, and every line but the paragraph's last is
// widened to exactly `larghezza` characters by adding blanks to the gaps between its words.
#include <QString>
#include <QStringList>

inline constexpr int larghezzaRigaStampa = 102;

// The lines of one paragraph. Runs of blanks in the paragraph count as one gap; a word longer
// than the width stands alone on its line, unsplit (the only case a line exceeds the width).
// A line with a single word has no gap to widen and stays as it is.
QStringList giustifica(const QString& paragrafo, int larghezza = larghezzaRigaStampa);

// The lines of several paragraphs, each paragraph starting on a new line.
QStringList giustificaParagrafi(const QStringList& paragrafi, int larghezza = larghezzaRigaStampa);
