// Reopening a complete case: "&Apri..." reading the archive and filling all ten case windows,
// each created on the way (nothing loaded before each run but the article table).
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_riapertura
#include "app/finestre.h"
#include "app/modpossidoria.h"
#include "case/archiviocausa.h"
#include "fakes/piattaformafinta.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
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
    QTextStream out(stdout);
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("Possidoria-dati-completo"));
    Causa c;
    c.testi = {QStringLiteral("Niccolò Ferrè"), QStringLiteral("Società l’Edera, in liquidazione"),
               QStringLiteral("fondo rustico del valore di 150.000 €"), QStringLiteral("Città di Castello"),
               QStringLiteral("8/12/70"), QStringLiteral("1/3/95"), QStringLiteral("10/1/80"), QStringLiteral("1/3/95"),
               QStringLiteral("5/5/85"), QStringLiteral("6/6/86")};
    c.scelte = {qint16(1), qint16(1), qint16(1), qint16(1), qint16(1), qint16(1), qint16(1),
                qint16(1), qint16(2), qint16(1), qint16(2),
                qint16(3), qint16(1), qint16(2), qint16(4), qint16(1)};
    if (!salvaFileArchivio(file, c)) {
        out << "cannot write the archive\n";
        return 1;
    }

    const int giri = 30;
    QVector<double> tempi;
    int finestre = 0;
    for (int g = 0; g < giri; ++g) {
        PiattaformaFinta finta;
        Finestre::finestra(QStringLiteral("norme"));   // the article table, as the main menu leaves it
        finta.dialoghi.risposte.enqueue(file);
        QElapsedTimer t;
        t.start();
        ArchivioCausa::apri();
        tempi << t.nsecsElapsed() / 1e6;
        finestre = 0;
        for (const char* nome : {"causa", "possesso", "ledate", "interruzione", "modo", "psiche", "provenienza", "fede",
                                 "acquisto", "sentenza"})
            finestre += Finestre::caricata(QString::fromLatin1(nome));
        if (ArchivioCausa::causaSulloSchermo().testi.attore != c.testi.attore) {
            out << "the case did not come back\n";
            return 1;
        }
    }
    // The same with the windows already loaded: the reading and the handlers alone.
    QVector<double> caricate;
    {
        PiattaformaFinta finta;
        Finestre::finestra(QStringLiteral("norme"));
        for (int g = 0; g < giri; ++g) {
            finta.dialoghi.risposte.enqueue(file);
            QElapsedTimer t;
            t.start();
            ArchivioCausa::apri();
            caricate << t.nsecsElapsed() / 1e6;
        }
    }
    out << "reopen into windows already loaded: median " << QString::number(mediana(caricate), 'f', 2) << " ms\n";
    out << "reopen of a complete case into " << finestre << " case windows: median "
        << QString::number(mediana(tempi), 'f', 2) << " ms, first " << QString::number(tempi.value(0), 'f', 2)
        << " ms, worst " << QString::number(*std::max_element(tempi.begin(), tempi.end()), 'f', 2) << " ms over "
        << giri << " runs\n";
    return 0;
}
