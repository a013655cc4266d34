// The whole start-up as a process: the program starts exactly as main() starts it, the splash is
// clicked as soon as it is painted, and the process quits once the main menu is painted.
// Compare it with bench_finestra_vuota (see README). With -t it prints when each step was reached.
#include "avvio.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

QElapsedTimer orologio;
bool tempi = false;

// Resident memory now and at its peak, in MiB.
std::pair<double, double> memoria()
{
    double ora = 0, picco = 0;
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        char riga[256];
        while (std::fgets(riga, sizeof riga, f)) {
            long kib = 0;
            if (std::sscanf(riga, "VmRSS: %ld", &kib) == 1)
                ora = kib / 1024.0;
            else if (std::sscanf(riga, "VmHWM: %ld", &kib) == 1)
                picco = kib / 1024.0;
        }
        std::fclose(f);
    }
    return {ora, picco};
}

void segna(const char* passo)
{
    if (!tempi)
        return;
    const auto [ora, picco] = memoria();
    std::fprintf(stderr, "%8.2f ms  %6.1f MiB (picco %5.1f)  %s\n", orologio.nsecsElapsed() / 1e6, ora, picco, passo);
}

QWidget* finestra(const char* nome)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(nome))
            return w;
    return nullptr;
}

// Watches the first paint of the splash (then clicks it) and of the main menu (then quits).
class Regista : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || !o->isWidgetType() || !static_cast<QWidget*>(o)->isWindow())
            return false;
        if (!splashDipinto_ && o->objectName() == QLatin1String("frmSplash")) {
            splashDipinto_ = true;
            segna("splash dipinto");
            QTimer::singleShot(0, this, [] { clic(); });
        } else if (!menuDipinto_ && o->objectName() == QLatin1String("scelta")) {
            menuDipinto_ = true;
            segna("menu dipinto");
            QTimer::singleShot(0, qApp, [] {
                segna("menu sullo schermo, uscita");
                QApplication::quit();
            });
        }
        return false;
    }

private:
    static void clic()
    {
        QWidget* splash = finestra("frmSplash");
        if (!splash) {
            std::fprintf(stderr, "bench_avvio_processo: nessuno splash\n");
            QApplication::exit(1);
            return;
        }
        segna("clic sullo splash");
        const QPointF punto(splash->width() / 2.0, splash->height() / 2.0);
        const QPointF globale = splash->mapToGlobal(punto);
        QMouseEvent premi(QEvent::MouseButtonPress, punto, globale, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(splash, &premi);
        QMouseEvent rilascia(QEvent::MouseButtonRelease, punto, globale, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(splash, &rilascia);
        segna("menu caricato e mostrato");
    }

    bool splashDipinto_ = false;
    bool menuDipinto_ = false;
};

}   // namespace

int main(int argc, char* argv[])
{
    orologio.start();
    // The harness's own option is taken out: the program answers any other as a wrong option.
    int n = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-t") == 0)
            tempi = true;
        else
            argv[n++] = argv[i];
    }
    argc = n;
    argv[argc] = nullptr;
    segna("main");
    Regista regista;
    const int esito = Avvio::esegui(argc, argv, [&regista] {
        segna("splash caricato e mostrato");
        qApp->installEventFilter(&regista);
    });
    segna("ciclo degli eventi finito, programma chiuso");
    return esito;
}
