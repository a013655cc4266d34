// A whole case without the mouse, as a keyboard user meets it: the opening splash, the main menu,
// the case header, the possession window and the judgment; each window opening with the focus in
// its first field, Tab reaching every control the case needs, Space and Enter working them.
#include "gui/frame/finestre.h"
#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/splash.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestradate.h"
#include "gui/case/finestrapossesso.h"
#include "gui/judgment/finestrasentenza.h"
#include "core/causaviva.h"
#include "fakes/piattaformafinta.h"
#include "comune/rispostesenzavizi.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

QWidget* fuoco() { return QApplication::focusWidget(); }

// Tab, as many times as it takes, to the control; false when Tab goes round without reaching it.
bool tabFino(QWidget* bersaglio)
{
    for (int volte = 0; volte < 120 && fuoco() != bersaglio; ++volte) {
        if (!fuoco())
            return false;
        QTest::keyClick(fuoco(), Qt::Key_Tab);
    }
    return fuoco() == bersaglio;
}

// An option chosen as a keyboard user does: Tab to its group, the arrows to the option, Space.
bool scegli(GruppoOpzioni* gruppo, int opzione)
{
    QRadioButton* ingresso = nullptr;
    for (int i = 1; i <= gruppo->conta(); ++i)
        if (gruppo->pulsante(i)->focusPolicy() & Qt::TabFocus)
            ingresso = gruppo->pulsante(i);
    if (!ingresso || !tabFino(ingresso))
        return false;
    for (int volte = 0; volte < gruppo->conta() && fuoco() != gruppo->pulsante(opzione); ++volte)
        QTest::keyClick(fuoco(), Qt::Key_Down);
    if (fuoco() != gruppo->pulsante(opzione))
        return false;
    QTest::keyClick(fuoco(), Qt::Key_Space);
    return gruppo->selezionato() == opzione;
}

}   // namespace

class TestTastiera : public QObject {
    Q_OBJECT
private slots:
    void causaInteraSenzaMouse();
    void splashInvioESpazio_data();
    void splashInvioESpazio();
    void interruzioneAttoPrimaDelleDate();
    void menuChiusoDallaX();
};

void TestTastiera::causaInteraSenzaMouse()
{
    PiattaformaFinta p;
    Finestre::mostra(QStringLiteral("frmSplash"));
    QWidget* splash = Finestre::finestra(QStringLiteral("frmSplash"));
    QVERIFY(QTest::qWaitForWindowActive(splash));
    QTest::keyClick(splash, Qt::Key_Return);

    QWidget* menu = Finestre::finestra(QStringLiteral("scelta"));
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QCOMPARE(fuoco(), menu->findChild<QWidget*>(QStringLiteral("Option1(1)")));
    QTest::keyClick(fuoco(), Qt::Key_Down);
    QTest::keyClick(fuoco(), Qt::Key_Down);
    QTest::keyClick(fuoco(), Qt::Key_Space);

    auto* causa = Finestre::di<FinestraCausa>();
    QVERIFY(QTest::qWaitForWindowActive(causa));
    QCOMPARE(fuoco(), causa->attore());
    QTest::keyClicks(fuoco(), QStringLiteral("Mario Rossi"));
    for (const char* testo : {"Giulia Bianchi", "fondo rustico", "Lecco"}) {
        QTest::keyClick(fuoco(), Qt::Key_Tab);
        QTest::keyClicks(fuoco(), QString::fromUtf8(testo));
    }
    QVERIFY(scegli(causa->Option1(), *numero<Tipologia>(Tipologia::Proprieta)));
    QVERIFY(tabFino(causa->findChild<QPushButton*>(QStringLiteral("cmdavanti"))));
    QTest::keyClick(fuoco(), Qt::Key_Space);

    auto* possesso = Finestre::di<FinestraPossesso>();
    QVERIFY(QTest::qWaitForWindowActive(possesso));
    QCOMPARE(fuoco(), possesso->datainizio());
    QTest::keyClicks(fuoco(), QStringLiteral("01/01/1970"));
    QTest::keyClick(fuoco(), Qt::Key_Tab);
    QTest::keyClicks(fuoco(), QStringLiteral("01/01/1995"));
    const std::array<Scelta, 6> risposte = risposteSenzaVizi();
    for (int k = 1; k <= 6; ++k)
        QVERIFY2(scegli(possesso->gruppo(k), *risposte[k - 1]), qPrintable(QString::number(k)));
    QVERIFY(tabFino(possesso->findChild<QPushButton*>(QStringLiteral("cmdavanti"))));
    QTest::keyClick(fuoco(), Qt::Key_Space);

    auto* sentenza = Finestre::di<FinestraSentenza>();
    QVERIFY(QTest::qWaitForWindowActive(sentenza));
    QVERIFY(sentenza->giudizio());
    QVERIFY(sentenza->testosentenza()->toPlainText().startsWith(QStringLiteral("L'attore vince la causa.")));
    QCOMPARE(causaViva().testi().luogo, QStringLiteral("Lecco"));
    QVERIFY2(p.messaggi.mostrati.isEmpty(), qPrintable(p.messaggi.mostrati.value(0).testo));
}

// Enter and Space on the splash do what a click does; the farewell goes back to the menu the same way.
void TestTastiera::splashInvioESpazio_data()
{
    QTest::addColumn<int>("tasto");
    QTest::newRow("Invio") << int(Qt::Key_Return);
    QTest::newRow("Invio del tastierino") << int(Qt::Key_Enter);
    QTest::newRow("Spazio") << int(Qt::Key_Space);
}

void TestTastiera::splashInvioESpazio()
{
    QFETCH(int, tasto);
    PiattaformaFinta p;
    Finestre::mostra(QStringLiteral("frmSplash"));
    auto* splash = Finestre::finestra<FrmSplash>(QStringLiteral("frmSplash"));
    QTest::keyClick(splash, Qt::Key(tasto));
    QVERIFY(Finestre::finestra(QStringLiteral("scelta"))->isVisible());
    QVERIFY(Finestre::caricata(QStringLiteral("frmSplash")));
    QCOMPARE(p.midi.comandi.last(), QStringLiteral("pause"));
    QVERIFY(splash->label(8)->text().contains(QStringLiteral("Invio")));

    p.messaggi.risposte.enqueue(Risposta::Si);
    ModPossidoria::chiediuscita();
    QVERIFY(splash->inCongedo());
    QTest::keyClick(splash, Qt::Key(tasto));
    QVERIFY(!splash->inCongedo());
    QVERIFY(Finestre::finestra(QStringLiteral("scelta"))->isVisible());
}

// The interruption window asks what happened before the dates: Tab meets the act first.
void TestTastiera::interruzioneAttoPrimaDelleDate()
{
    PiattaformaFinta p;
    Finestre::mostra(QString::fromLatin1(FinestraDate::nomeInterruzione));
    QWidget* w = Finestre::finestra(QString::fromLatin1(FinestraDate::nomeInterruzione));
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(fuoco(), w->findChild<QWidget*>(QStringLiteral("atto(1)")));
    QTest::keyClick(fuoco(), Qt::Key_Tab);
    QCOMPARE(fuoco(), w->findChild<QWidget*>(QStringLiteral("datainizio")));
    QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("datafine"))->accessibleName(),
             QStringLiteral("Data di fine dell'interruzione"));
}

// The main menu closed by its title bar asks as its exit command does, and leaves no splash behind.
void TestTastiera::menuChiusoDallaX()
{
    PiattaformaFinta p;
    ModPossidoria::mostramenu();
    QWidget* menu = Finestre::finestra(QStringLiteral("scelta"));
    p.messaggi.risposte.enqueue(Risposta::No);
    menu->close();
    QCOMPARE(p.messaggi.ultimo().testo, QStringLiteral("Si desidera uscire da Possidoria?"));
    QVERIFY(menu->isVisible());

    p.messaggi.risposte.enqueue(Risposta::Si);
    menu->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Finestre::caricata(QStringLiteral("scelta")));
    auto* splash = Finestre::finestra<FrmSplash>(QStringLiteral("frmSplash"));
    QVERIFY(splash->inCongedo());   // the farewell, which ends by itself
}

QTEST_MAIN(TestTastiera)
#include "tst_tastiera.moc"
