#pragma once
// Program-wide state and the three services every window uses.
#include <QString>
#include <QStringList>
#include <QVector>

namespace ModPossidoria {

// Identity values, set by impostaidentita.
inline QString nomeprogramma;
inline QString sottotitolo;
inline QString versione;
inline QString dataversione;

// Derived captions, set by inizializza.
inline QString titoloaiuto;
inline QString titolocontrollo;
inline QString titoloelimina;

inline QString appword;   // the application that showed the last export
inline QString docword;   // the file of the last export

// Everything above back to its value once the program has started (identity and captions set,
// nothing loaded), with no window touched: a fresh program. The case itself lives in case/.
void azzeraStato();

void impostaidentita();
void inizializza();
void mostramenu();
void chiediuscita();

// The program's look and language: the small sans-serif font every window was designed for, and
// Qt's own texts in Italian.
void impostaAspetto();

// The build's version (2.5.0) as the program shows it: every part after the first in two digits (2.05.00).
QString versioneMostrata(const QString& versione);

// Str(): decimal with one leading blank for a non-negative number.
QString str(long long n);

// The folder of the program's own files (tip file, tune, examples), only ever read: the
// executable's folder, or the installation's data folder when the files are there; unless a test
// has pointed it elsewhere.
QString cartellaProgramma();
// The same for an executable in cartellaEseguibile: the folder itself when it holds the tip file or
// the tune (a build tree, a folder of its own), else <prefix>/share/possidoria when that exists.
QString cartellaProgrammaPer(const QString& cartellaEseguibile);
void impostaCartellaProgramma(const QString& cartella);

}   // namespace ModPossidoria
