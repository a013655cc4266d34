#pragma once
// The system printer, loaded from the print module the first time the user prints. A module that
// cannot be loaded is told to the user at each attempt to print, and nothing is printed.
#include "platform/porte.h"

#include <QString>
#include <memory>

class StampanteAlBisogno : public PortaStampante {
public:
    // The module installed with the program; with percorsoPdf, a PDF file instead of the dialog.
    explicit StampanteAlBisogno(QString modulo = moduloInstallato(), QString percorsoPdf = {});
    ~StampanteAlBisogno() override;

    // For an executable in cartellaEseguibile: the module beside it (a build tree), else where the
    // installation puts it.
    static QString moduloPer(const QString& cartellaEseguibile);
    static QString moduloInstallato();

    bool scegli() override;
    void proponiPdf(const QString& percorso) override { proposto_ = percorso; }
    bool posizioneVerticale(int twips) override;
    bool dimensioneFont(int punti) override;
    bool nomeFont(const QString& nome) override;
    bool stampaRiga(int colonna, const QString& testo) override;
    bool rigaVuota() override;
    bool nuovaPagina() override;
    bool fine() override;
    bool stampaPagine(const std::function<bool(QPagedPaintDevice&)>& disegna) override;

private:
    bool carica();

    QString modulo_;
    QString pdf_;
    QString proposto_;
    std::unique_ptr<PortaStampante> reale_;
};
