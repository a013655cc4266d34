#pragma once
// The outside world behind one small interface each: the program asks, the platform does.
#include <QImage>
#include <QString>
#include <QStringList>
#include <QList>
#include <functional>

class QPagedPaintDevice;

enum class Icona { Informazione, Esclamazione, Critico, Domanda };
// SiNoAnnulla: the question before unsaved work is left; Annulla, also the Esc key, keeps it.
enum class Pulsanti { Ok, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Si, No, Annulla };

class PortaMessaggi {
public:
    virtual ~PortaMessaggi() = default;
    // Lines inside testo are separated by "\r"; the implementation shows them as line breaks.
    virtual Risposta mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti = Pulsanti::Ok,
                            Risposta predefinita = Risposta::Ok) = 0;
};

struct FiltroFile {
    QString descrizione;   // "Archivio Possidoria"
    QString schema;        // "Possidoria-dati-*"
    // When set, the filter also lists the files it recognises by their content, whatever their name.
    std::function<bool(const QString& percorso)> riconosce = {};
};

class PortaDialoghi {
public:
    virtual ~PortaDialoghi() = default;
    // Both return the chosen path, or an empty string when the user cancels.
    virtual QString apri(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                         const QString& nomeIniziale) = 0;
    virtual QString salva(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                          const QString& nomeIniziale) = 0;
    // A file to delete: an opening dialog whose button says "Elimina".
    virtual QString elimina(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                            const QString& nomeIniziale)
    {
        return apri(titolo, filtri, filtroIniziale, nomeIniziale);
    }
};

class PortaMidi {
public:
    virtual ~PortaMidi() = default;
    // False when the file, the soundfont or the audio device is missing: the caller goes on silently.
    virtual bool apri(const QString& percorso) = 0;
    virtual void suona() = 0;   // starts, or resumes where pause left off
    virtual void pausa() = 0;
    virtual void chiudi() = 0;
};

// Line printer in the manner of a character device: a vertical position, a font, lines at a column.
// Every call answers false on an error; the caller then stops without ending the document.
class PortaStampante {
public:
    virtual ~PortaStampante() = default;
    virtual bool scegli() = 0;   // printer dialog; false also when cancelled
    // The PDF file the next dialog proposes when the user prints to a file instead of a printer.
    virtual void proponiPdf(const QString& percorso) { (void)percorso; }
    virtual bool posizioneVerticale(int twips) = 0;
    virtual bool dimensioneFont(int punti) = 0;
    virtual bool nomeFont(const QString& nome) = 0;
    virtual bool stampaRiga(int colonna, const QString& testo) = 0;   // colonna counts from 1
    virtual bool rigaVuota() = 0;
    virtual bool nuovaPagina() = 0;
    virtual bool fine() = 0;   // sends the document to the printer
    // A laid-out document instead of lines: after scegli(), disegna paints every page on the chosen
    // printer. False when none was chosen or the painting failed (a port that cannot paint says so).
    virtual bool stampaPagine(const std::function<bool(QPagedPaintDevice&)>& disegna)
    {
        (void)disegna;
        return false;
    }
};

// What became of a document handed to the word processor. The port only reports it: what to
// record and what to tell the user is the program's decision.
struct DocumentoMostrato {
    bool scritto = false;           // the file holds the whole document
    QString percorso;               // the file written, or the one that could not be (empty: no folder took it)
    bool cartellaRipiego = false;   // the temporary folder was missing or read-only: percorso is elsewhere
    bool aperto = false;            // a word processor took the file
    QString applicazione;           // the program the desktop opens such documents with, as far as it has said
};

// A word-processor document built operation by operation, then handed to the desktop's word processor.
class PortaWord {
public:
    virtual ~PortaWord() = default;
    virtual void nuovoDocumento() = 0;   // new visible instance with an empty document
    virtual void fontSelezione(const QString& nome) = 0;
    virtual void dimensioneSelezione(int punti) = 0;
    virtual void scrivi(const QString& testo) = 0;   // "\r" starts a paragraph, "\f" a page
    virtual void aggiungiParagrafoFinale() = 0;      // later paragraph texts go in it
    virtual void dimensioneParagrafo(int punti) = 0;
    virtual void testoParagrafo(const QString& testo) = 0;   // appended after the previous one
    // A picture in a paragraph of its own, as wide as the text column, after the previous one.
    virtual void immagineParagrafo(const QImage& immagine) = 0;
    virtual void giustificaTutto() = 0;
    // Writes the whole document or nothing (an old file under the name is kept on failure).
    virtual bool salvaCome(const QString& percorso) = 0;
    // Opens the document in the desktop's word processor: the file salvaCome wrote, as it is when the
    // document has not changed since; otherwise the document is written to a fresh file first.
    virtual DocumentoMostrato mostra() = 0;
};

// The ports the program uses, installed once at start-up (real ones) or by a test (fakes).
struct Piattaforma {
    PortaMessaggi* messaggi = nullptr;
    PortaDialoghi* dialoghi = nullptr;
    PortaMidi* midi = nullptr;
    PortaStampante* stampante = nullptr;
    PortaWord* word = nullptr;
};

Piattaforma& piattaforma();
void installaPiattaforma(const Piattaforma& p);
