#pragma once
// One writer per archive: an archive open for writing is marked by a lock file beside it, as office
// suites mark an open document: ".~lock.<name>#" in the same folder, holding who opened it,
// on which machine, in which process and since when.
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

QString percorso(const QString& archivio);
QByteArray scrivi(const Titolare& t);
std::optional<Titolare> leggi(const QByteArray& dati);

// This process on this machine, now.
Titolare questaIstanza();

// Who holds the archive now, other than this instance; nothing when it is free, held by this
// instance, or the lock was left by a process of this machine that no longer runs.
std::optional<Titolare> altroTitolare(const QString& archivio);

// Marks the archive as this instance's (true), unless another holds it; a lock left behind by a
// dead process is taken over. A folder where no lock can be written leaves the archive unmarked.
bool prendi(const QString& archivio);
// Removes this instance's lock, never another's.
void lascia(const QString& archivio);

// True while a process of this machine runs (a zombie, ended but not yet reaped, does not).
bool processoAttivo(qint64 pid);

// "da mario su studio, dal 11/12/2026 alle 08:15"
QString descrivi(const Titolare& t);

}   // namespace BloccoArchivio
