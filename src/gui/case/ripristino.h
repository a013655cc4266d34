#pragma once
// Nothing typed is lost to a crash: while the live case has unsaved changes, a copy of it is kept in
// the user's state folder, written whole or not at all a moment after each change, and removed by
// a save, a clean exit or the user's "No". At the next start the copy left by an instance that
// no longer runs is offered back.
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

// A copy of a case as it was on screen: modified against `salvata`, what its archive held.
struct Copia {
    Causa causa;
    Causa salvata;
    QString archivio;
    QDateTime ora;
    qint64 pid = 0;
    QString file;   // where it was read from
};

QByteArray scrivi(const Copia& copia);
// Nothing for bytes that are not a copy this program wrote.
std::optional<Copia> leggi(const QByteArray& dati);

// The copies left by instances that no longer run, newest first.
QList<Copia> abbandonate();

// At start: the newest abandoned copy offered back (parties and time named). "Sì" puts it into
// the live case `viva`, on screen, still modified and unsaved; "No" removes it; "Annulla" keeps it
// for the next start. True when a case was recovered.
bool offri(CausaViva& viva);

// Keeps this instance's copy of the live case it is given.
class Custode : public QObject {
    Q_OBJECT
public:
    static constexpr int ritardo = 1000;   // ms after the last change
    explicit Custode(const CausaViva& viva, QObject* parent = nullptr);
    ~Custode() override;
    // This instance's file: <cartella>/causa-<pid>.json
    static QString file();

private:
    void causaCambiata();
    void scriviOra();
    const CausaViva& viva_;
    QTimer attesa_;
    bool avvisato_ = false;   // the user has been told the copy cannot be written
};

}   // namespace Ripristino
