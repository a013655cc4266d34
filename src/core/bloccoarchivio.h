#pragma once
// One writer per archive: an archive open for writing is marked by a lock file beside it, as office
// suites mark an open document: ".~lock.<name>#" in the folder the archive really is in (links
// followed), holding who opened it, on which machine, in which process and since when (the five
// fields every version writes and reads). The holder keeps both the lock file and the archive itself locked with
// flock() for as long as it holds them: on this machine the archive is one lock however it is reached (a symbolic or a
// hard link, another pid namespace), and a lock file left by a crash is told apart from a live one; a process that
// started after the lock was written (a reused pid, pid 1 of a container) is not its writer. The lock file alone speaks
// for an instance on another machine.
#include <QDateTime>
#include <QString>
#include <optional>

namespace BloccoArchivio {

struct Titolare {
    QString utente;
    QString macchina;
    qint64 pid = 0;
    QDateTime dal;
};

// The lock file of the archive; a name too long for the folder is shortened, a digest of the whole
// name keeping it the archive's own.
QString percorso(const QString& archivio);
QByteArray scrivi(const Titolare& t);
std::optional<Titolare> leggi(const QByteArray& dati);

// This process on this machine, now.
Titolare questaIstanza();

// Who holds the archive now, other than this instance; nothing when it is free, held by this
// instance, or the lock was left by a process of this machine that no longer runs. Never waits on
// what stands at the lock's name (a pipe, a folder, a link).
std::optional<Titolare> altroTitolare(const QString& archivio);

// Marks the archive as this instance's (true), unless another holds it; a lock left behind by a
// dead process is taken over. Taken in one step: of two instances at once, one alone gets it. A
// folder where no lock file can be written, or something that is not a lock file at its name,
// leaves the archive marked only by the lock on the file itself; nothing is ever written through
// what stands at the lock's name.
bool prendi(const QString& archivio);
// Removes this instance's lock, never another's.
void lascia(const QString& archivio);

// True while a process of this machine runs (a zombie, ended but not yet reaped, does not).
bool processoAttivo(qint64 pid);
// When the process started, in clock ticks after boot; 0 when it cannot be told.
qint64 avvioProcesso(qint64 pid);
// True while the process the lock names runs here and was already running when it wrote the lock.
bool processoDelBlocco(const Titolare& t);

// "da mario su studio, dal 11/12/2026 alle 08:15"
QString descrivi(const Titolare& t);
// What to do when the holder is surely gone (its machine crashed, its process was killed elsewhere).
QString comeLiberare(const QString& archivio);

}   // namespace BloccoArchivio
