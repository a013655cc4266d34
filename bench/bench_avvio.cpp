// Start-up to the main menu loaded, and one layout pass of the window with the most controls.
#include "gui/frame/finestralavoro.h"
#include "gui/frame/finestre.h"
#include "gui/frame/twips.h"
#include "fakes/piattaformafinta.h"
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

static double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PiattaformaFinta piattaforma;

    std::vector<double> avvii;
    for (int i = 0; i < 30; ++i) {
        chiudiTutteLeFinestre();
        QElapsedTimer t;
        t.start();
        Finestre::mostra(QStringLiteral("frmSplash"));
        Finestre::mostra(QStringLiteral("scelta"));
        QApplication::processEvents();
        avvii.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("avvio fino al menu caricato (splash e menu): prima volta %.2f ms, "
                "mediana %.2f ms su %zu prove\n",
                avvii.front(), mediana(avvii), avvii.size());

    auto* norme = Finestre::finestra<FinestraLavoro>(QStringLiteral("norme"));
    norme->show();
    QApplication::processEvents();
    const int controlli = norme->resizer()->Layout().size();
    // The window's own pass runs from the client area's resize event, before resize() returns: held
    // back here, so that the timed pass is the one that moves every control to the new size.
    struct Trattieni : QObject {
        bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::Resize; }
    } trattieni;
    norme->area()->installEventFilter(&trattieni);
    QWidget* primo = norme->resizer()->Layout().front().controllo;
    std::vector<double> passate;
    int spostati = 0;
    for (int i = 0; i < 200; ++i) {
        const int w = twipInPixel(i % 2 ? 9600 : 12000);
        const int h = twipInPixel(i % 2 ? 6825 : 8400);
        norme->resize(w, h);
        const QRect prima = primo->geometry();
        QElapsedTimer t;
        t.start();
        norme->resizer()->ResizeControls();
        passate.push_back(t.nsecsElapsed() / 1e3);
        spostati += primo->geometry() != prima;
    }
    norme->area()->removeEventFilter(&trattieni);
    std::printf("una passata di ridimensionamento di 'norme' (%d controlli, %d passate su %zu con controlli "
                "spostati): mediana %.1f us\n",
                controlli, spostati, passate.size(), mediana(passate));
    return 0;
}
