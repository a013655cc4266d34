#pragma once
// The last step of every export to the word processor: the document is saved where the user keeps
// documents, under a name that says what it is, then shown; the program keeps where it went
// (appword, docword), and the user hears of what did not go as usual.
#include <QString>

class PortaWord;

namespace Esportazione {

// "Possidoria" in the user's documents folder: where every document of the program is saved. Empty
// when the desktop names no documents folder.
QString cartellaDocumenti();

// A file name made of the words given: no character a file name cannot hold or a desktop trips on
// ("/", ":", quotes, control characters), blanks run together; `riserva` when nothing is left.
QString nomeFile(const QString& parole, const QString& riserva);

// The first of "nome.estensione", "nome (2).estensione", ... not yet in the folder: a document
// exported earlier is never written over.
QString percorsoLibero(const QString& cartella, const QString& nome, const QString& estensione);

// Saves the document built through word as "<nome>.odt" in cartellaDocumenti(), then shows it: under
// a free name there, or with `rifai` in place of an earlier one (a document the program alone makes,
// such as a guide). Returns the file that holds it, empty when none could be written (the user is told).
QString salvaEMostra(PortaWord& word, const QString& nome, bool rifai = false);

// Shows the document built through word. Returns the file that holds it, empty when none could be
// written; appword and docword change only when a file was written.
QString mostra(PortaWord& word);

}   // namespace Esportazione
