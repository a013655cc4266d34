#pragma once
// Writing a whole file or nothing: the bytes go to a temporary file beside the target, which
// replaces the target only when every byte was written. A failure leaves the old file as it was.
#include <QByteArray>
#include <QString>

struct EsitoScrittura {
    bool riuscita = false;
    QString errore;   // the system's reason, empty on success
    explicit operator bool() const { return riuscita; }
};

EsitoScrittura scriviFileIntero(const QString& percorso, const QByteArray& dati);
