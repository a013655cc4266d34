// The case chain: creating and loading each of its three windows, and a whole "&Sentenza" press on
// a complete case (the judgment window's load: the fact and objection lines, both lists, the
// decision and its texts).
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_catena
#include "gui/frame/finestre.h"
#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/modpossidoria.h"
#include "core/causaviva.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestrapossesso.h"
#include "fakes/piattaformafinta.h"
#include "gui/judgment/finestrasentenza.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
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
    const int giri = 30;

    // The article table the header reads, as the main menu fills it at start-up.
    Finestre::finestra(QStringLiteral("norme"));
    for (const char* nome : {"causa", "possesso", "sentenza"}) {
        QVector<double> tempi;
        for (int g = 0; g < giri; ++g) {
            QElapsedTimer t;
            t.start();
            Finestre::finestra(QString::fromLatin1(nome));
            tempi << t.nsecsElapsed() / 1e6;
            Finestre::chiudi(QString::fromLatin1(nome));
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        out << nome << ": creation and load, median " << QString::number(mediana(tempi), 'f', 3) << " ms, first "
            << QString::number(tempi.value(0), 'f', 3) << " ms over " << giri << " runs\n";
    }

    // A complete case, then the press, repeated on the loaded windows.
    causaViva().azzera();
    auto* c = Finestre::di<FinestraCausa>();
    c->attore()->setText(QStringLiteral("Mario Rossi"));
    c->convenuto()->setText(QStringLiteral("Giulia Bianchi"));
    c->bene()->setText(QStringLiteral("fondo"));
    c->luogo()->setText(QStringLiteral("Lecco"));
    c->Option1()->seleziona(1);
    auto* p = Finestre::di<FinestraPossesso>();
    p->datainizio()->setText(QStringLiteral("1/1/70"));
    p->datafine()->setText(QStringLiteral("1/1/95"));
    const int risposte[6] = {3, 2, 2, 1, 2, 2};
    for (int k = 1; k <= 6; ++k)
        p->gruppo(k)->seleziona(risposte[k - 1]);
    p->cmdavanti_Click();   // the first press also creates the judgment window

    const int premute = 200;
    QVector<double> tempi;
    for (int g = 0; g < premute; ++g) {
        QElapsedTimer t;
        t.start();
        p->cmdavanti_Click();
        tempi << t.nsecsElapsed() / 1e6;
    }
    const QString testo = Finestre::di<FinestraSentenza>()->testosentenza()->toPlainText();
    out << "\"&Sentenza\" press (load, decision, lists): median " << QString::number(mediana(tempi), 'f', 3)
        << " ms, slowest " << QString::number(*std::max_element(tempi.begin(), tempi.end()), 'f', 3) << " ms over "
        << premute << " presses\n";
    out << "judgment: " << testo.left(24) << "...\n";
    return finta.messaggi.mostrati.isEmpty() && testo.startsWith(QStringLiteral("L'attore vince")) ? 0 : 1;
}
