#pragma once
// The registry of single-instance windows: referring to a window creates and loads it on first use.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

// A window with a load step (Form_Load), run once right after creation.
class Caricabile {
public:
    virtual ~Caricabile() = default;
    virtual void carica() = 0;
};

namespace Finestre {

using Fabbrica = std::function<QWidget*()>;

void registra(const QString& nome, Fabbrica fabbrica);
bool disponibile(const QString& nome);   // the program has such a window
QStringList registrate();                // every window the program has, sorted by name
bool caricata(const QString& nome);      // loaded now; creates nothing

// The window, created and loaded if needed; nullptr for a window the program does not have.
QWidget* finestra(const QString& nome);
template <class T> T* finestra(const QString& nome) { return qobject_cast<T*>(finestra(nome)); }

void mostra(const QString& nome);        // create if needed, show modeless, bring to front
void chiudi(const QString& nome);        // close (and unload) if loaded
// Hides a window that stays loaded; when no other window is on screen it closes instead, so that
// the program ends rather than live on with nothing visible.
void nascondi(QWidget* w);

// The fixed closing order of the exit sequence.
const QStringList& ordineChiusura();

} // namespace Finestre
