// The maxims window's load, paid when the user first opens it: building the 149 texts into the
// table, filling the topic list and counting them. Also the bare building of the texts.
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_massime
#include "gui/frame/finestre.h"
#include "fakes/piattaformafinta.h"
#include "core/massimario.h"
#include "gui/library/massime.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>

static double mediana(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PiattaformaFinta finta;
    QTextStream out(stdout);

    const int giri = 50;
    QVector<double> testi;
    long long caratteri = 0;
    for (int g = 0; g < giri; ++g) {
        QElapsedTimer t;
        t.start();
        long long c = 0;
        for (int k = 1; k <= 14; ++k)
            for (const QString& m : massimeArgomento(k))
                c += m.size();
        testi << t.nsecsElapsed() / 1e6;
        caratteri = c;
    }

    QVector<double> caricamenti;
    int totale = 0;
    for (int g = 0; g < giri; ++g) {
        QElapsedTimer t;
        t.start();
        Finestre::finestra(QStringLiteral("massime"));
        caricamenti << t.nsecsElapsed() / 1e6;
        totale = totaleMassime();
        chiudiTutteLeFinestre();
    }

    out << "maxims counted: " << totale << " (" << caratteri << " characters)\n";
    out << "building the texts: median " << QString::number(mediana(testi), 'f', 3) << " ms over " << giri << " runs\n";
    out << "window creation and load: median " << QString::number(mediana(caricamenti), 'f', 3) << " ms, first "
        << QString::number(caricamenti.value(0), 'f', 3) << " ms over " << giri << " runs\n";
    return totale == 149 ? 0 : 1;
}
