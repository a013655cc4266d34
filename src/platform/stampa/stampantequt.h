#pragma once
// The system printer as a line printer: a vertical position in twips, a font, lines that start at
// a character column (counted in the font's average character width), page breaks.
#include "platform/porte.h"

#include <QFont>
#include <QVector>
#include <memory>

class QPainter;
class QPrinter;

class StampanteQt : public PortaStampante {
public:
    // The printer the user picks in the system's printer dialog.
    StampanteQt();
    // A PDF file instead of a printer: no dialog is shown (for tests and previews).
    explicit StampanteQt(const QString& percorsoPdf);
    ~StampanteQt() override;

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

    // Where each printed line went, for a reader of the finished document.
    struct RigaStampata {
        int pagina;          // from 1
        int twipsDallAlto;   // top of the line, from the top of the printable area
        int colonna;
        QString font;
        int punti;
        QString testo;
    };
    const QVector<RigaStampata>& righe() const { return righe_; }
    int pagine() const { return pagina_; }

private:
    QString proposto_;   // the PDF the next dialog offers
    bool avvia();        // opens the document at the first output
    QFont fontCorrente() const;
    double pixelPerTwip() const;
    double altezzaPagina() const;   // twips
    bool aCapo(double altezzaRiga);
    bool riga(int colonna, const QString& testo);

    QString pdf_;
    std::unique_ptr<QPrinter> stampante_;
    std::unique_ptr<QPainter> pittore_;
    QString nomeFont_ = QStringLiteral("Courier");
    int punti_ = 10;
    double y_ = 0;   // twips
    int pagina_ = 0;
    QVector<RigaStampata> righe_;
};
