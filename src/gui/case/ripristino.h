#pragma once
// Nothing typed is lost to a crash: while the live case has unsaved changes, a copy of it is kept in
// the user's state folder (private to the user, checked so), written whole or not at all when a
// field is left or a moment after the last change, and at once on SIGTERM or at the end of the
// session; it is removed by a save, a clean exit or the user's "No". At the next start the copy
// left by an instance that no longer runs is offered back.
#include "core/daticausa.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class CausaViva;

namespace Ripristino {

// $XDG_STATE_HOME/possidoria, else ~/.local/state/possidoria.
QString cartella();
// Why the folder may not hold a copy (a link, another user's, not a folder, one others may write
// in; in Italian), empty when it may; crea makes it, private, when missing, and makes a folder of
// the user's own private.
QString controllaCartella(bool crea);

// A copy is never read past this size: a case too big to archive still fits.
inline constexpr qint64 dimensioneMassimaCopia = 16 * 1024 * 1024;

// A copy of a case as it was on screen: modified against `salvata`, what its archive held.
struct Copia {
    Causa causa;
    Causa salvata;
    QString archivio;
    QDateTime ora;
    qint64 pid = 0;
    qint64 avvio = 0;   // the process's start (clock ticks after boot): a reused pid is another process
    QString file;       // where it was read from
};

QByteArray scrivi(const Copia& copia);
// Nothing for bytes that are not a copy this program wrote.
std::optional<Copia> leggi(const QByteArray& dati);

// The copies left by instances that no longer run, newest first: only regular files of the folder,
// each read up to dimensioneMassimaCopia; a temporary copy a killed write left is one of them when
// whole, and removed when not. To be called before this instance's Custode starts.
QList<Copia> abbandonate();

class Custode;

// At start: the newest of `copie` offered back (parties and time named). "Sì" puts it into the live
// case `viva`, on screen, still modified and unsaved, and has `custode` write its new copy before
// the old one goes; "No" removes it; "Annulla" keeps it for the next start. True when a case was
// recovered.
bool offri(CausaViva& viva, Custode& custode, const QList<Copia>& copie);

// Keeps this instance's copy of the live case it is given.
class Custode : public QObject {
    Q_OBJECT
public:
    static constexpr int ritardo = 500;   // ms after the last change
    explicit Custode(const CausaViva& viva, QObject* parent = nullptr);
    ~Custode() override;
    // This instance's file: <cartella>/causa-<pid>-<start>.json
    static QString file();
    // The copy written now, when the case is modified; true when written (or nothing to write).
    bool scriviOra();
    // The program ends without the user's word (SIGTERM, the session ending): the copy is written
    // now and outlives it, to be offered at the next start.
    void conserva();

private:
    void causaCambiata();
    const CausaViva& viva_;
    QTimer attesa_;
    bool avvisato_ = false;     // the user has been told the copy cannot be written
    bool conservata_ = false;   // kept at the end of the program
};

// SIGTERM ends the program through its event loop: the copy kept by `custode`, then a clean quit.
void terminaConCopia(Custode& custode);

}   // namespace Ripristino
