#pragma once
// The judgment as a document: built from plain data, laid out with QTextDocument and written as
// PDF or on any paged device (a printer) with the page number and the judgment's date in the
// footer, or handed to the word processor step by step. No widget: the command-line judge writes
// the same PDF as the judgment window.
#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

struct Giudizio;
class QPagedPaintDevice;
class QPaintDevice;
class QTextDocument;

struct DocumentoSentenza {
    QString titolo;          // the program's name and subtitle, as the word-processor document opens
    QString parti;           // "Causa Rossi contro Bianchi"
    QStringList fatti;       // facts declared by the plaintiff
    QStringList obiezioni;   // objections of the defendant
    QString sentenza;        // the judgment's text, paragraphs separated by line ends
    QString commento;
    QStringList cambierebbe;      // the day of the usucapione and the changes that would turn the judgment
    QStringList giurisprudenza;   // the maxims that bear on it: citation and first sentence
    QStringList prove;            // the evidence the plaintiff should gather
    QDate data;                   // the judgment's date
    QImage lineaTempo;            // the timeline of the possession; none when null

    // "Causa <attore> contro <convenuto>" (the parties missing: "Causa").
    static QString titoloPerParti(const QString& attore, const QString& convenuto);
    // A file name from the parties: "Sentenza Rossi - Bianchi.pdf", without characters a file
    // system refuses; names too long for a file name are cut ("…") so that it fits with a
    // " (1000)" added.
    static QString nomeFilePdf(const QString& attore, const QString& convenuto);
};

// A step of the word-processor document: the font size, then texts set one after the other at
// the end of the document (a carriage return starts a paragraph), then a picture when there is one.
struct PassoWord {
    int punti = 0;
    QStringList testi;
    QImage immagine;
};

// The judgment as the word-processor document receives it, in one font: the title, "Svolgimento
// del processo", every fact and objection line numbered (empty ones too, as the window's lists
// hold them), the timeline when there is one, the judgment and the comment. Lines end with a
// carriage return alone.
struct DocumentoWord {
    QString famiglia;
    QList<PassoWord> passi;
};
DocumentoWord documentoWord(const DocumentoSentenza& d);

// The document laid out for a page of that size in points, with the device's resolution when one
// is given (a screen's otherwise); the caller owns it.
// "Sentenza del 9 marzo 2026", "Sentenza dell'11 dicembre 2026", "Sentenza del 1º aprile 2026".
QString sentenzaDel(const QDate& data);

// The PDF with its catalogue declaring the language (a BCP 47 tag, "it-IT"), added as an incremental
// update; unchanged when its structure is not the one expected or it already declares one.
QByteArray pdfInLingua(const QByteArray& pdf, const QByteArray& lingua);

QTextDocument* documentoTesto(const DocumentoSentenza& d, const QSizeF& pagina, QPaintDevice* dispositivo = nullptr);

// Paints the document on the device, page after page, each with its footer. False when the
// device cannot be painted on.
bool stampaSentenza(const DocumentoSentenza& d, QPagedPaintDevice& dispositivo);

// Paints the document that componi lays out for a page (in points) and a device, page after page,
// each with a footer: piede at the left, the page number at the right. False when the device cannot
// be painted on.
using Composizione = std::function<QTextDocument*(const QSizeF& pagina, QPaintDevice* dispositivo)>;
bool stampaTesto(QPagedPaintDevice& dispositivo, const Composizione& componi, const QString& piede);

// An A4 PDF of what stampa paints, under that title, declaring Italian; nothing when it failed.
std::optional<QByteArray> pdfDi(const QString& titolo, const QString& creatore,
                                const std::function<bool(QPagedPaintDevice&)>& stampa);

// The PDF's bytes; nothing when the document could not be composed.
std::optional<QByteArray> pdfSentenza(const DocumentoSentenza& d);

// Writes the PDF whole or not at all; on failure errore says why, in Italian.
bool scriviPdfSentenza(const DocumentoSentenza& d, const QString& percorso, QString* errore = nullptr);

// The document of a judgment given: its lines, texts and timeline, under the title given, dated.
DocumentoSentenza documentoDelGiudizio(const Giudizio& g, const QString& titolo, const QDate& data);
