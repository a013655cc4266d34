#pragma once
// The registry of single-instance windows: referring to a window creates and loads it on first use.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <type_traits>

// The archive commands of the case header window, which every case window's File menu calls.
class ComandiArchivio {
public:
    virtual ~ComandiArchivio() = default;
    virtual void apri_Click() = 0;
    virtual void salva_Click() = 0;
    virtual void salvanome_Click() = 0;
    virtual void eliminare_click() = 0;
    // "Apri esempio...": the example at that path opened as "&Apri..." opens a file, then its name
    // forgotten, so that "&Salva" asks for a new one and the example stays as installed.
    virtual void apriEsempio(const QString& percorso) = 0;
    // A file named outside the dialog (the command line, a drop, the recent list), opened as
    // "&Apri..." opens the chosen one; true when the case was opened.
    virtual bool apriFile(const QString& percorso) = 0;
};

// The maxims browser as other windows reach it: shown at one maxim of one topic.
class VistaMassime {
public:
    virtual ~VistaMassime() = default;
    // topic 1..14, maxim from 1; the browser is brought to the front at it.
    virtual void mostraMassima(int argomento, int numero) = 0;
};

// A window with a load step (Form_Load), run once right after creation.
class Caricabile {
public:
    virtual ~Caricabile() = default;
    virtual void carica() = 0;
};

namespace Finestre {

using Fabbrica = std::function<QWidget*()>;

// nome must be a row of the window table.
void registra(const QString& nome, Fabbrica fabbrica);
bool disponibile(const QString& nome);   // the program has such a window
QStringList registrate();                // every window the program has, sorted by name
bool caricata(const QString& nome);      // loaded now; creates nothing

// The window, created and loaded if needed; nullptr for a window the program does not have.
QWidget* finestra(const QString& nome);
template <class T> T* finestra(const QString& nome) { return dynamic_cast<T*>(finestra(nome)); }

// Typed access to a window that others call; T names it with `static constexpr const char* nomeFinestra`.
template <class T> T* di() { return finestra<T>(QString::fromLatin1(T::nomeFinestra)); }
void registraArchivio(const QString& nome);
template <class T> void registra()
{
    const QString nome = QString::fromLatin1(T::nomeFinestra);
    registra(nome, [] { return new T; });
    if constexpr (std::is_base_of_v<ComandiArchivio, T>)
        registraArchivio(nome);
}

// The window that owns the archive commands (the case header), created if needed; nullptr while
// no registered window offers them.
ComandiArchivio* archivio();
bool archivioDisponibile();

// The control Tab reaches first in the window's own area (not its menu or tool bar); nullptr if none.
QWidget* primoControllo(QWidget* w);
// Create if needed, show modeless, bring to front; a window opening takes the focus in its first
// control, unless it put the focus somewhere itself.
void mostra(const QString& nome);
void chiudi(const QString& nome);   // close (and unload) if loaded
// Hides a window that stays loaded; when no other window is on screen it closes instead, so that
// the program ends rather than live on with nothing visible.
void nascondi(QWidget* w);

// The fixed closing order of the exit sequence.
QStringList ordineChiusura();

// The case being worked on as the frame sees it, set by the layers above: whether it holds changes
// not yet saved, and the question asked before it is left (true: go on, it was saved or the user
// chose to drop it; false: the user kept it, nothing may be discarded).
struct CustodeCausa {
    std::function<bool()> modificata;
    std::function<bool(const QString& perFare)> lascia;
};
void impostaCustode(CustodeCausa custode);
bool causaModificata();
// perFare completes "Salvarla prima di ...?": "uscire da Possidoria", "chiudere la causa".
bool lasciaCausa(const QString& perFare);

// What the exit sequence forgets with the windows it closed (the case being worked on): set by the
// layers above, run by the exit sequence, so that starting again from the farewell splash begins anew.
void alCongedo(std::function<void()> azione);
void congedo();

}   // namespace Finestre
