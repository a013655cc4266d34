#include "avvio.h"
#include "app/finestre.h"
#include "app/modpossidoria.h"
#include "finestre_programma.h"
#include "platform/messaggiqt.h"
#include "platform/midifluid.h"
#include "platform/porte.h"
#include "platform/stampantequt.h"
#include "platform/wordqt.h"
#include <QApplication>
#include <csignal>
#include <cstdio>

namespace Avvio {

int esegui(int argc, char* argv[], const std::function<void()>& pronto)
{
    // Under a file-size limit a write that crosses it fails and is told, instead of ending the
    // program with the case on screen.
    std::signal(SIGXFSZ, SIG_IGN);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "Possidoria: nessuno schermo grafico disponibile (DISPLAY non impostato).\n"
                             "Avviare il programma da una sessione grafica, oppure con: xvfb-run ./possidoria\n");
        return 2;
    }
    QApplication app(argc, argv);
    ModPossidoria::impostaAspetto();
    MessaggiQt messaggi;
    DialoghiQt dialoghi;
    MidiFluid midi;
    StampanteQt stampante;
    WordQt word;
    installaPiattaforma({&messaggi, &dialoghi, &midi, &stampante, &word});
    registraFinestre();
    Finestre::mostra(QStringLiteral("frmSplash"));
    if (pronto)
        pronto();
    return app.exec();
}

} // namespace Avvio
