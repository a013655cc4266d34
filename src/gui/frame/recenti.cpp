#include "gui/frame/recenti.h"
#include <QFileInfo>
#include <QSettings>

namespace Recenti {

namespace {

const QString chiave = QStringLiteral("casiRecenti");

// The user's configuration of the program, whoever starts it: <config>/Possidoria/Possidoria.conf.
const QString programma = QStringLiteral("Possidoria");

void scrivi(const QStringList& elenco)
{
    QSettings s(programma, programma);
    s.setValue(chiave, elenco);
    s.sync();
}

}   // namespace

QStringList conNuovo(QStringList elenco, const QString& percorso)
{
    elenco.removeAll(percorso);
    elenco.prepend(percorso);
    return elenco.mid(0, massimo);
}

QStringList elenco()
{
    QStringList e = QSettings(programma, programma).value(chiave).toStringList();
    e.removeAll(QString());
    return e.mid(0, massimo);
}

void aggiungi(const QString& percorso)
{
    if (!percorso.isEmpty())
        scrivi(conNuovo(elenco(), QFileInfo(percorso).absoluteFilePath()));
}

void togli(const QString& percorso)
{
    QStringList e = elenco();
    if (e.removeAll(QFileInfo(percorso).absoluteFilePath()) > 0)
        scrivi(e);
}

}   // namespace Recenti
