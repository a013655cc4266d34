#pragma once
// The case archive as the windows use it: open, save, save as and delete. The file's records
// are the codec's (case/archivio.h); this unit moves them between the file and the live case
// record (case/causaviva.h), which the windows show.
#include "case/archivio.h"

class QLabel;
class QLineEdit;

namespace ArchivioCausa {

// "&Apri...": the file is read and checked before the case changes; only a file whose first two
// records are whole replaces the live case, in one step. A cancelled dialog forgets the archive
// name and changes nothing else; a file that cannot be used is named in a message.
void apri();
// What "&Apri..." does once a file is chosen (also for a file named on the command line, dropped
// on a window or picked from the recent list): true when the case was opened, else the reason told.
bool apriPercorso(const QString& percorso);
// A case the user chose, by the dialog or by naming its file: opened as apriPercorso opens it and
// kept among the recent cases; a recent file that is gone leaves the list.
bool apriFile(const QString& percorso);
// "&Salva" (nuovoNome false) and "Salva con &nome..." (true): the two completeness checks, the
// dialog when there is no name, then a whole-or-nothing write; a failure is told with its reason.
void salva(bool nuovoNome);
// "&Elimina...": the dialog starts with no file chosen; the chosen file is deleted once the user
// confirms, and the user is told; the archive name stays as it was.
void elimina();
// Where the open, save-as and delete dialogs start: the folder of the archive last opened or saved,
// else the user's documents folder; never the program's own folder.
QString cartellaDialoghi();

// A header text box keeps only what the archive can carry: a character it cannot (a double quote)
// is dropped as it is typed or pasted, and the hint names it.
void accettaSoloArchiviabile(QLineEdit* campo, QLabel* avviso);

} // namespace ArchivioCausa
