#pragma once
// The cases last opened or saved, newest first, kept in the user's configuration so that the File
// menu of the next run lists them too.
#include <QString>
#include <QStringList>

namespace Recenti {

constexpr int massimo = 5;

// The list with percorso put first: an entry already there moves up, the oldest beyond the
// fifth goes.
QStringList conNuovo(QStringList elenco, const QString& percorso);

QStringList elenco();
void aggiungi(const QString& percorso);
// An entry whose file is gone, so that the menu stops offering it.
void togli(const QString& percorso);

}   // namespace Recenti
