#pragma once
// The program's start-up, one function shared by main() and the start-up benchmark.
#include <QString>
#include <QStringList>
#include <functional>

namespace Avvio {

// Starts the program as a user launches it: the application, the real platform, every window
// registered, the splash on screen, and the case named on the command line opened; then runs the
// event loop and returns the exit status. `pronto`, when given, runs once the splash is shown, just
// before the event loop starts. --help and --version answer without a screen; a wrong option prints
// the usage on standard error and ends with status 2.
int esegui(int argc, char* argv[], const std::function<void()>& pronto = {});

// What the command line asks, Qt's own options already taken out.
struct RigaDiComando {
    enum class Azione { Avvia, Aiuto, Versione, Errore };
    Azione azione = Azione::Avvia;
    QStringList file;   // the cases named, in order
    QString errore;     // the argument that is not an option of the program
};
RigaDiComando leggiRigaDiComando(const QStringList& argomenti);   // without the program's name
QString uso();

// The desktop's session is ending (a logout): true when it may, the case saved or dropped at the
// user's word; false when the user kept it. Without a chance to ask, a modified case is kept.
bool sessioneTermina(bool puoChiedere);

// A case named on the command line: opened as "&Apri..." opens the chosen file, told the same way
// when it cannot be, and its window brought to the front. Returns true when it was opened.
bool apriDallaRigaDiComando(const QString& argomento);
// The files named on the command line: the first is opened; of any others the user is told, in
// the program, that they were left aside.
void apriFileDellaRigaDiComando(const QStringList& file);

}   // namespace Avvio
