#include "platform/scritturafile.h"
#include <QSaveFile>

EsitoScrittura scriviFileIntero(const QString& percorso, const QByteArray& dati)
{
    QSaveFile file(percorso);
    // Writing directly would truncate the old file first; never fall back to it.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // QSaveFile::commit() can report success after a short write (a full disk, a size limit):
    // every write is compared with what was given, and the error state checked before committing.
    qint64 scritti = 0;
    while (scritti < dati.size()) {
        const qint64 n = file.write(dati.constData() + scritti, dati.size() - scritti);
        if (n <= 0)
            break;
        scritti += n;
    }
    if (scritti != dati.size() || file.error() != QFileDevice::NoError || !file.flush()) {
        const QString errore = file.errorString();
        file.cancelWriting();
        return {false, errore.isEmpty() ? QStringLiteral("scrittura incompleta") : errore};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
