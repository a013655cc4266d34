#pragma once
// Files of the program's own kind, written and read with the system's answer kept and told in Italian.
// Writing a whole file or nothing: the bytes go to a temporary file beside the target, which
// replaces the target only when every byte was written. A failure leaves the old file as it was.
// Only regular files are written over or read: a device, a pipe or a folder under the name is
// never replaced, and reading never waits on one.
#include <QByteArray>
#include <QString>

struct EsitoScrittura {
    bool riuscita = false;
    QString errore;          // why it failed, in Italian, and what became of an old file; empty on success
    bool occupato = false;   // refused only because what stands under the name may not be replaced
    explicit operator bool() const { return riuscita; }
};

// What may stand under the name already.
enum class Sostituzione {
    // A regular file is replaced; a link is followed, and the file it leads to is the one replaced
    // (a file the user chose, such as an archive kept elsewhere behind a link).
    seguendoCollegamenti,
    // A regular file is replaced; a link is never followed nor replaced (a name the program made up
    // in a folder someone else may write in).
    soloFileOrdinario,
    // Nothing is replaced: the name must be free, and stays taken by whatever took it meanwhile.
    mai,
};

// Who may read the new file.
enum class Riservatezza {
    comeIlSistema,   // the usual permissions, the umask applying; an old file's are kept
    soloUtente,      // 0600 from its creation, whatever the old file had
};

// The temporary file's name fits the folder whenever the target's does.
EsitoScrittura scriviFileIntero(const QString& percorso, const QByteArray& dati,
                                Sostituzione sostituzione = Sostituzione::seguendoCollegamenti,
                                Riservatezza riservatezza = Riservatezza::comeIlSistema);

struct LetturaFile {
    bool riuscita = false;
    QString errore;          // why it failed, in Italian; empty on success
    QByteArray dati;         // at most `massimo` bytes
    qint64 dimensione = 0;   // the file's size when it was opened
};

// Opens without waiting (a pipe swapped in cannot block), then reads only if what was opened is a
// regular file, at most `massimo` bytes of it.
LetturaFile leggiFileOrdinario(const QString& percorso, qint64 massimo);

// The system's error number said in Italian, for a message ("il disco è pieno").
QString descriviErrore(int codice);
