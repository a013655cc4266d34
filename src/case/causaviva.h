#pragma once
// The case being worked on: one record, owned here, that the case windows show and edit, the
// judgment reads and the archive stores. Every change is announced once by cambiata(); a window
// shows the record anew when it hears it.
#include "case/daticausa.h"

#include <QObject>
#include <QString>

class CausaViva : public QObject {
    Q_OBJECT
public:
    // The one case of the program.
    static CausaViva& attiva();

    const Causa& causa() const { return causa_; }
    const TestiCausa& testi() const { return causa_.testi; }
    const DatiCausa& scelte() const { return causa_.scelte; }

    // The archive the case was last opened from or saved to; empty for a new case.
    const QString& archivio() const { return archivio_; }
    void impostaArchivio(const QString& percorso) { archivio_ = percorso; }

    // An edit: a text as typed, or a choice. Announced only when the value changes.
    void imposta(QString TestiCausa::*campo, const QString& testo);
    void imposta(Scelta DatiCausa::*campo, Scelta valore);

    // A whole case in one step (an archive opened), with the archive it came from.
    void sostituisci(const Causa& causa, const QString& archivio);
    // A new case: nothing typed, nothing chosen, no archive.
    void azzera();

signals:
    void cambiata();

private:
    CausaViva() = default;
    Causa causa_;
    QString archivio_;
};
