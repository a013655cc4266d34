#pragma once
// The worked example cases installed with the program: one archive each in the folder "esempi"
// beside the program's files, with the rule it must reach and a paragraph that tells why.
#include "core/alternative.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

struct EsempioCausa {
    QString file;          // the archive's name inside the examples folder
    QString titolo;        // as the menu and the help list it
    QString regola;        // the key of the rule the judgment must reach
    QString spiegazione;   // which articles it shows and why it ends as it does
    // What would change the judgment: the day the usucapione was or would be acquired (none when
    // no term can be reached), and the rule each change of the facts reaches, most useful first.
    TipoGiorno giorno = TipoGiorno::Nessuno;
    QDate data;
    QStringList cambia;
};

namespace Esempi {

const QVector<EsempioCausa>& elenco();

// The folder of the examples inside the program's data folder.
QString cartella(const QString& cartellaProgramma);

// The examples as one help text: title, file and explanation of each, its day and its changes.
QString testoGuida();

}   // namespace Esempi
