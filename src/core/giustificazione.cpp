#include "core/giustificazione.h"

#include <QRegularExpression>

namespace {

// Spreads the missing blanks over the gaps, the leftmost gaps taking one more when they do not
// divide evenly, so that a justified line reads like the typewriter layout it imitates.
QString allarga(const QStringList& parole, int larghezza)
{
    if (parole.size() < 2)
        return parole.value(0);
    int lettere = 0;
    for (const QString& p : parole)
        lettere += p.size();
    const int spazi = parole.size() - 1;
    const int blank = larghezza - lettere;
    const int base = blank / spazi;
    const int resto = blank % spazi;
    QString riga;
    riga.reserve(larghezza);
    for (int i = 0; i < parole.size(); ++i) {
        riga += parole[i];
        if (i < spazi)
            riga += QString(base + (i < resto ? 1 : 0), QLatin1Char(' '));
    }
    return riga;
}

}   // namespace

QStringList giustifica(const QString& paragrafo, int larghezza)
{
    static const QRegularExpression blank(QStringLiteral("\\s+"));
    const QStringList parole = paragrafo.split(blank, Qt::SkipEmptyParts);
    QStringList righe;
    QStringList correnti;
    int lunghezza = 0;   // of the current words joined by single blanks
    for (const QString& parola : parole) {
        const int conParola = correnti.isEmpty() ? parola.size() : lunghezza + 1 + parola.size();
        if (!correnti.isEmpty() && conParola > larghezza) {
            righe << allarga(correnti, larghezza);
            correnti = {parola};
            lunghezza = parola.size();
        } else {
            correnti << parola;
            lunghezza = conParola;
        }
    }
    if (!correnti.isEmpty())
        righe << correnti.join(QLatin1Char(' '));
    return righe;
}

QStringList giustificaParagrafi(const QStringList& paragrafi, int larghezza)
{
    QStringList righe;
    for (const QString& p : paragrafi)
        righe << giustifica(p, larghezza);
    return righe;
}
