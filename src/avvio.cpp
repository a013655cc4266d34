#include "avvio.h"

#include "gui/frame/finestre.h"
#include "gui/frame/lingua.h"
#include "gui/frame/modpossidoria.h"
#include "gui/case/ripristino.h"
#include "finestre_programma.h"
#include "core/causaviva.h"
#include "platform/messaggiqt.h"
#include "platform/midifluid.h"
#include "platform/porte.h"
#include "platform/stampantealbisogno.h"
#include "platform/wordqt.h"
#include <QApplication>
#include <QFileInfo>
#include <QSessionManager>
#include <QUrl>
#include <csignal>
#include <cstdio>

namespace Avvio {

namespace {

// Written whole or reported: a --help sent to a full device is a failure, not a success.
int scriviEsci(FILE* f, const QString& testo, int stato)
{
    const QByteArray b = testo.toLocal8Bit();
    const bool scritto = std::fwrite(b.constData(), 1, size_t(b.size()), f) == size_t(b.size());
    return std::fflush(f) == 0 && scritto ? stato : 1;
}

int usoErrato(const RigaDiComando& riga)
{
    return scriviEsci(stderr, QStringLiteral("possidoria: opzione sconosciuta: %1\n").arg(riga.errore) + uso(), 2);
}

bool schermoDisponibile(const QStringList& argomenti)
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || argomenti.contains(QLatin1String("-platform"))
           || argomenti.contains(QLatin1String("--platform"));
}

}   // namespace

RigaDiComando leggiRigaDiComando(const QStringList& argomenti)
{
    RigaDiComando riga;
    bool soloFile = false;
    for (const QString& a : argomenti) {
        if (soloFile || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            riga.file << a;
        } else if (a == QLatin1String("--")) {
            soloFile = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            riga.azione = RigaDiComando::Azione::Aiuto;
            return riga;
        } else if (a == QLatin1String("--version")) {
            riga.azione = RigaDiComando::Azione::Versione;
            return riga;
        } else if (riga.errore.isEmpty()) {
            riga.errore = a;
        }
    }
    // Asking for help or the version anywhere wins over a wrong option before it.
    if (!riga.errore.isEmpty())
        riga.azione = RigaDiComando::Azione::Errore;
    return riga;
}

QString uso()
{
    return QStringLiteral(
        "Uso: possidoria [OPZIONE...] [--] [FILE]\n"
        "Avvia Possidoria, causa elettronica con sentenza sull'usucapione (artt. 1140–1170 del Codice\n"
        "Civile). Con FILE apre la causa archiviata in quel file, come \"Apri...\" del menu File.\n"
        "\n"
        "  --help      questo aiuto\n"
        "  --version   la versione del programma\n"
        "  --          il nome che segue è un file, anche se inizia con '-'\n"
        "\n"
        "Sono accettate anche le opzioni comuni dei programmi Qt (-platform, -style, ...).\n"
        "Stato di uscita: 0 alla chiusura del programma; 2 un argomento errato o nessuno schermo grafico.\n");
}

bool sessioneTermina(bool puoChiedere)
{
    if (!Finestre::causaModificata())
        return true;
    return puoChiedere && Finestre::lasciaCausa(QStringLiteral("chiudere la sessione"));
}

bool apriDallaRigaDiComando(const QString& argomento)
{
    // A desktop may pass a file: address; a relative name is taken from the folder the program
    // was started in, so that the archive name and the recent list hold where the file really is.
    const QUrl indirizzo(argomento);
    const QString percorso = indirizzo.isLocalFile() ? indirizzo.toLocalFile() : argomento;
    ComandiArchivio* archivio = Finestre::archivio();
    if (!archivio || !archivio->apriFile(QFileInfo(percorso).absoluteFilePath()))
        return false;
    Finestre::mostra(QStringLiteral("causa"));
    return true;
}

void apriFileDellaRigaDiComando(const QStringList& file)
{
    if (file.isEmpty())
        return;
    apriDallaRigaDiComando(file.first());
    if (file.size() < 2)
        return;
    // One case at a time: the first file named is opened, and the user learns where the others went.
    const QString testo = QStringLiteral("Si lavora su una causa alla volta: è stato aperto soltanto il primo dei file "
                                         "indicati, \"%1\". Gli altri (%2) non sono stati aperti; si possono aprire "
                                         "in seguito con \"Apri...\" del menu File.")
                              .arg(QFileInfo(file.first()).fileName())
                              .arg(file.mid(1).join(QStringLiteral(", ")));
    std::fprintf(stderr, "possidoria: si apre una causa alla volta; aperto solo il primo file.\n");
    piattaforma().messaggi->mostra(testo, ModPossidoria::titoloaiuto, Icona::Esclamazione);
}

int esegui(int argc, char* argv[], const std::function<void()>& pronto)
{
    // Under a file-size limit a write that crosses it fails and is told, instead of ending the
    // program with the case on screen.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    RigaDiComando riga = leggiRigaDiComando(argomenti);
    if (riga.azione == RigaDiComando::Azione::Aiuto)
        return scriviEsci(stdout, uso(), 0);
    if (riga.azione == RigaDiComando::Azione::Versione)
        return scriviEsci(stdout, QStringLiteral("possidoria " POSSIDORIA_VERSIONE "\n"), 0);
    if (!schermoDisponibile(argomenti)) {
        // Without a screen Qt takes none of its options: whatever is left over is wrong.
        if (riga.azione == RigaDiComando::Azione::Errore)
            return usoErrato(riga);
        std::fprintf(stderr, "Possidoria: nessuno schermo grafico disponibile (DISPLAY non impostato).\n"
                             "Avviare il programma da una sessione grafica, oppure con: xvfb-run ./possidoria\n");
        return 2;
    }
    Lingua::sistemaInItaliano();
    QApplication app(argc, argv);
    // Qt has taken its own options out: what is left belongs to the program.
    riga = leggiRigaDiComando(QCoreApplication::arguments().mid(1));
    if (riga.azione == RigaDiComando::Azione::Errore)
        return usoErrato(riga);
    ModPossidoria::impostaAspetto();
    MessaggiQt messaggi;
    DialoghiQt dialoghi;
    MidiFluid midi;
    StampanteAlBisogno stampante;
    WordQt word;
    installaPiattaforma({&messaggi, &dialoghi, &midi, &stampante, &word});
    // The case being worked on, one for the program's life, handed to the windows that show it.
    CausaViva causa;
    registraFinestre(causa);
    // Copies left by a crash are looked for before this instance's own keeper starts.
    const QList<Ripristino::Copia> copie = Ripristino::abbandonate();
    Ripristino::Custode custode(causa);
    Ripristino::terminaConCopia(custode);
    // A logout asks about unsaved changes as the exit does, and may be cancelled; a session that
    // ends without asking keeps the copy of the case for the next start.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [&custode](QSessionManager& sessione) {
        const bool chiede = sessione.allowsInteraction();
        if (!chiede)
            custode.conserva();
        const bool termina = sessioneTermina(chiede);
        if (chiede)
            sessione.release();
        if (!termina)
            sessione.cancel();
    });
    Finestre::mostra(QStringLiteral("frmSplash"));
    // A case left unsaved by a crash is offered back first, over the main menu, then on its window.
    if (!copie.isEmpty()) {
        midi.pausa();
        ModPossidoria::mostramenu();
        if (Ripristino::offri(causa, custode, copie))
            Finestre::mostra(QStringLiteral("causa"));
    }
    if (!riga.file.isEmpty()) {
        // The first file named is opened, as a click on the splash leads on.
        midi.pausa();
        ModPossidoria::mostramenu();
        apriFileDellaRigaDiComando(riga.file);
    }
    if (pronto)
        pronto();
    return app.exec();
}

}   // namespace Avvio
