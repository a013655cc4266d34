#pragma once
#include "platform/porte.h"

class QWidget;

class MessaggiQt : public PortaMessaggi {
public:
    Risposta mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti,
                    Risposta predefinita) override;
    // The width a box needs for its caption to show whole in the window manager's title bar.
    static int larghezzaPerTitolo(const QString& titolo, const QWidget* box);
};

class DialoghiQt : public PortaDialoghi {
public:
    QString apri(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                 const QString& nomeIniziale) override;
    QString salva(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                  const QString& nomeIniziale) override;
    QString elimina(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                    const QString& nomeIniziale) override;
    // The filter as Qt's dialogs take it: "description (pattern pattern)".
    static QString filtroQt(const FiltroFile& f);
};
