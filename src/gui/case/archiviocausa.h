#pragma once
// The case archive as the windows use it: open, save, save as and delete. The file's records
// are the codec's (case/archivio.h); this unit moves them between the file and the live case
// record (core/causaviva.h), which the windows show: each operation is given that record.
#include "core/archivio.h"

class CausaViva;
class QLabel;
class QLineEdit;

namespace ArchivioCausa {

// Before the case on screen is left: true when nothing would be lost, or the user saved it ("Sì")
// or chose to drop it ("No"); false on "Annulla" (the default) or a save that did not happen.
// perFare completes the question "Salvarla prima di ...?", which names the case.
bool lasciaCausa(CausaViva& viva, const QString& perFare);
// "&Apri...": unsaved changes asked about first; the file is read and checked before the case
// changes, and only a readable one replaces the live case, in one step. A cancelled dialog changes
// nothing, the archive name included; a file that cannot be used is named in a message, and what
// of a file opened could not be read is told.
void apri(CausaViva& viva);
// What "&Apri..." does once a file is chosen (also for a file named on the command line, dropped
// on a window or picked from the recent list): the file checked, then unsaved changes asked about,
// then the case replaced; true when it was opened, else the reason told (or the user kept the case).
// An example of the program opens protected: "&Salva" asks for a new name.
bool apriPercorso(CausaViva& viva, const QString& percorso);
// A case the user chose, by the dialog or by naming its file: opened as apriPercorso opens it and
// kept among the recent cases; a recent file that is gone leaves the list.
bool apriFile(CausaViva& viva, const QString& percorso);
// "&Salva" (nuovoNome false) and "Salva con &nome..." (true): the case as it stands, complete or
// not; the dialog when there is no name or the archive is protected, then a whole-or-nothing write.
// True when written; a failure is told with its reason.
bool salva(CausaViva& viva, bool nuovoNome);
// "&Elimina...": the dialog starts with no file chosen; the chosen file is deleted once the user
// confirms, and the user is told; the archive name stays as it was. An example of the program and
// an archive another instance holds are refused; the lock this instance holds on it goes with it.
void elimina();
// A case recovered after a crash takes its archive's lock; when another instance took it since,
// the case is left to be saved under another name, and the user told.
void prendiBloccoRecuperato(CausaViva& viva);
// The name the first save proposes: the prefix the program knows its archives by, then the parties
// ("Possidoria-dati-Rossi-c-Bianchi"), or "Possidoria-dati-nuova-causa" while none is typed.
QString nomeProposto(const TestiCausa& testi);
// Where the open, save-as and delete dialogs start: the folder of the archive last opened or saved,
// else the user's documents folder; never the program's own folder.
QString cartellaDialoghi();

// A header text box keeps only what the archive can carry: a character it cannot (a double quote)
// is dropped as it is typed or pasted, and the hint names it.
void accettaSoloArchiviabile(QLineEdit* campo, QLabel* avviso);

}   // namespace ArchivioCausa
