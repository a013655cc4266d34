#pragma once
// The word-processor port on the desktop: the document is built in a QTextDocument, written as
// an ODF text document (.odt) and opened in whatever word processor the desktop has for it.
#include "platform/porte.h"
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class WordQt : public PortaWord {
public:
    // apri hands the written file to the desktop; false when nothing could open it.
    using Apertura = std::function<bool(const QUrl&)>;
    // applicazione names the desktop's program for such documents (empty when it cannot say); it is
    // asked by the first export that opened a document, never before.
    using Applicazione = std::function<QString()>;
    explicit WordQt(Apertura apri = {}, Applicazione applicazione = {});
    ~WordQt() override;

    void nuovoDocumento() override;
    void fontSelezione(const QString& nome) override;
    void dimensioneSelezione(int punti) override;
    void scrivi(const QString& testo) override;
    void aggiungiParagrafoFinale() override;
    void dimensioneParagrafo(int punti) override;
    void testoParagrafo(const QString& testo) override;
    void immagineParagrafo(const QImage& immagine) override;
    void giustificaTutto() override;
    bool salvaCome(const QString& percorso) override;
    DocumentoMostrato mostra() override;

    // Where a fresh document goes: the temporary folder when it is a real, writable folder, else the
    // user's cache folder, else the documents folder (ripiego tells which). Empty when none can be had.
    static QString cartellaDocumento(bool* ripiego = nullptr);

    // The document as built so far (nullptr before the first nuovoDocumento).
    const QTextDocument* documento() const { return documento_.get(); }

private:
    void inserisci(QTextCursor& cursore, const QString& testo, const QTextCharFormat& formato);
    void assicuraDocumento();
    void modificato() { intatto_ = false; }
    static bool scriviOdf(const QTextDocument& doc, const QString& percorso);
    QString applicazione();

    Apertura apri_;
    Applicazione chiediApplicazione_;
    std::optional<QString> applicazione_;   // the answer, once asked
    std::unique_ptr<QTextDocument> documento_;
    QTextCursor selezione_;              // the insertion point of typed text
    QTextCharFormat formatoSelezione_;   // font of what is typed next
    QTextCharFormat formatoParagrafo_;   // font of what is set in the final paragraph next
    bool paragrafoFinale_ = false;
    int immagini_ = 0;       // pictures added, for their resource names
    QString salvato_;        // where salvaCome last wrote the document
    bool intatto_ = false;   // the document has not changed since salvaCome wrote it
};
