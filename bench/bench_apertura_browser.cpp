// Opening each browser the first time, from the main menu: what start-up no longer pays, now paid
// when the user asks for the window. Times from the request to the window's first paint, and the
// resident memory it adds; then the same for a reopening after closing, which builds it anew.
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_apertura_browser [norme|massime]...
// (each name opened in the order given; by default the Civil Code browser, then the maxims one).
#include "gui/frame/finestre.h"
#include "fakes/piattaformafinta.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double residente()
{
    double mib = 0;
    if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
        char riga[256];
        long kib = 0;
        while (std::fgets(riga, sizeof riga, f))
            if (std::sscanf(riga, "VmRSS: %ld", &kib) == 1)
                mib = kib / 1024.0;
        std::fclose(f);
    }
    return mib;
}

// Waits for the first paint of the window just asked for.
struct Pittura : QObject {
    QWidget* finestra = nullptr;
    bool dipinta = false;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o == finestra)
            dipinta = true;
        return false;
    }
};

// Milliseconds from the request to the first paint.
double apri(const QString& nome, Pittura& pittura)
{
    QElapsedTimer t;
    t.start();
    pittura.dipinta = false;
    pittura.finestra = Finestre::finestra(nome);
    Finestre::mostra(nome);
    while (!pittura.dipinta && t.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return t.nsecsElapsed() / 1e6;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}   // namespace

int main(int argc, char** argv)
{
    // The offscreen platform's complaints at every window shown would bury the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    PiattaformaFinta finta;
    QStringList nomi;
    for (int i = 1; i < argc; ++i)
        nomi << QString::fromLocal8Bit(argv[i]);
    if (nomi.isEmpty())
        nomi = {QStringLiteral("norme"), QStringLiteral("massime")};

    // Where the user stands when asking: the splash behind, the main menu on screen.
    Finestre::mostra(QStringLiteral("frmSplash"));
    Finestre::mostra(QStringLiteral("scelta"));
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();

    Pittura pittura;
    app.installEventFilter(&pittura);
    for (const QString& nome : std::as_const(nomi)) {
        if (!Finestre::disponibile(nome)) {
            std::fprintf(stderr, "bench_apertura_browser: nessuna finestra %s\n", qPrintable(nome));
            return 1;
        }
        const double prima = residente();
        const double primaVolta = apri(nome, pittura);
        const double aggiunta = residente() - prima;
        std::vector<double> riaperture;
        for (int i = 0; i < 20; ++i) {
            Finestre::chiudi(nome);
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            riaperture.push_back(apri(nome, pittura));
        }
        std::printf("%-8s prima apertura %7.2f ms (+%.1f MiB residenti); riapertura: mediana %.2f ms su %zu prove\n",
                    qPrintable(nome), primaVolta, aggiunta, mediana(riaperture), riaperture.size());
        Finestre::chiudi(nome);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
