#pragma once
// Recording fakes of the platform ports, installed by every test that touches a window.
#include "platform/porte.h"
#include <QQueue>
#include <QStringList>
#include <QUrl>
#include <QVector>
#include <functional>

class CausaViva;
class QWidget;

struct MessaggioRegistrato {
    QString testo, titolo;
    Icona icona;
    Pulsanti pulsanti;
    Risposta predefinita;
};

class MessaggiFinti : public PortaMessaggi {
public:
    QVector<MessaggioRegistrato> mostrati;
    QQueue<Risposta> risposte;   // scripted answers; when empty, the default button is pressed
    Risposta mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti,
                    Risposta predefinita) override;
    const MessaggioRegistrato& ultimo() const { return mostrati.last(); }
};

struct DialogoRegistrato {
    QString tipo;   // "apri" or "salva"
    QString titolo;
    QList<FiltroFile> filtri;
    int filtroIniziale;
    QString nomeIniziale;
};

class DialoghiFinti : public PortaDialoghi {
public:
    QVector<DialogoRegistrato> aperti;
    QQueue<QString> risposte;   // scripted paths; empty string or no answer = cancel
    QString apri(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                 const QString& nomeIniziale) override;
    QString salva(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                  const QString& nomeIniziale) override;
};

class MidiFinto : public PortaMidi {
public:
    QStringList comandi;   // "open <path>", "play", "pause", "close"
    bool apribile = true;
    bool apri(const QString& percorso) override;
    void suona() override { comandi << QStringLiteral("play"); }
    void pausa() override { comandi << QStringLiteral("pause"); }
    void chiudi() override { comandi << QStringLiteral("close"); }
};

class StampanteFinta : public PortaStampante {
public:
    QStringList operazioni;   // "dialog", "y 800", "size 18", "font Courier", "line 7 <text>", "empty", "page", "end"
    bool annulla = false;     // the user cancels the printer dialog
    QString pdfProposto;      // the file the dialog offered for printing to PDF
    int erroreAlla = -1;      // the operation number (0-based) that fails, -1 for none
    bool scegli() override;
    void proponiPdf(const QString& percorso) override { pdfProposto = percorso; }
    bool posizioneVerticale(int twips) override;
    bool dimensioneFont(int punti) override;
    bool nomeFont(const QString& nome) override;
    bool stampaRiga(int colonna, const QString& testo) override;
    bool rigaVuota() override;
    bool nuovaPagina() override;
    bool fine() override;
    // Paints the pages into a PDF kept in pdf; records "pages" (or "error").
    bool stampaPagine(const std::function<bool(QPagedPaintDevice&)>& disegna) override;
    QByteArray pdf;

private:
    bool registra(const QString& op);
};

class WordFinto : public PortaWord {
public:
    QStringList operazioni;   // "new", "font <name>", "size <n>", "type <text>", "paragraph",
                              // "psize <n>", "ptext <text>", "image <w>x<h>", "justify",
                              // "save <path>", "show"
    QString testo;            // every text typed or set, in order
    bool salvataggioRiesce = true;
    DocumentoMostrato esitoMostra{true, QStringLiteral("documento-finto.odt"), false, true, QStringLiteral("finto")};
    void nuovoDocumento() override;
    void fontSelezione(const QString& nome) override;
    void dimensioneSelezione(int punti) override;
    void scrivi(const QString& t) override;
    void aggiungiParagrafoFinale() override;
    void dimensioneParagrafo(int punti) override;
    void testoParagrafo(const QString& t) override;
    void immagineParagrafo(const QImage& immagine) override;
    void giustificaTutto() override;
    bool salvaCome(const QString& percorso) override;
    DocumentoMostrato mostra() override;
};

// The desktop that opens documents in their program: it records every file it is handed and
// answers as told (a desktop with no program for the document fails).
struct DesktopFinto {
    bool riesce = false;
    QStringList aperti;
    std::function<bool(const QUrl&)> apertura()
    {
        return [this](const QUrl& u) {
            aperti << u.toLocalFile();
            return riesce;
        };
    }
};

// Installs a fresh set of fakes for the lifetime of the object and registers the program's windows
// with the live case (causaViva()); the program state starts and ends as at start-up.
struct PiattaformaFinta {
    MessaggiFinti messaggi;
    DialoghiFinti dialoghi;
    MidiFinto midi;
    StampanteFinta stampante;
    WordFinto word;
    PiattaformaFinta();
    ~PiattaformaFinta();
};

// The live case the fakes start the program's windows with, as start-up gives it to them: one for
// the whole test program, emptied by each PiattaformaFinta.
CausaViva& causaViva();

// Closes and deletes every loaded window, so that each test starts from a fresh program.
void chiudiTutteLeFinestre();

// Saves a window's picture as <name>.png in the screenshot folder of the build tree.
void salvaImmagine(QWidget* w, const QString& nome);
