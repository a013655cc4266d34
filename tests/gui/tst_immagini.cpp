// Every window the program has, loaded and shown offscreen, with its picture saved for a look.
#include "gui/frame/clsresize.h"
#include "gui/frame/finestre.h"
#include "fakes/piattaformafinta.h"
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

namespace {

// Every named control of a window with its place in the window, the toolbar's buttons included.
QList<std::pair<QString, QRect>> posti(QWidget* w)
{
    QList<std::pair<QString, QRect>> m;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (c->isWindow() || c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")))
            continue;
        m.append({c->objectName(), QRect(c->mapTo(w, QPoint(0, 0)), c->size())});
    }
    // By name: a control brought to the front (a grown hint box) changes the order of the children.
    std::stable_sort(m.begin(), m.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return m;
}

// The toolbar shows each of its buttons where it is: a click anywhere on one reaches that one.
// Narrower than its buttons (tutti false), it may move the last ones into its overflow menu.
void barraIntegra(QWidget* w, const QString& quando, bool tutti = true)
{
    auto* barra = w->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    if (!barra)
        return;
    QCOMPARE(barra->actions().size(), 24);
    QApplication::sendPostedEvents();
    int pulsanti = 0;
    for (QAction* a : barra->actions()) {
        if (a->isSeparator())
            continue;
        QWidget* b = barra->widgetForAction(a);
        QVERIFY(b);
        if (!tutti && !b->isVisible())
            continue;
        QVERIFY2(b->isVisible(), qPrintable(quando + QLatin1Char(' ') + a->toolTip()));
        QVERIFY2(barra->childAt(b->geometry().center()) == b, qPrintable(quando + QLatin1Char(' ') + a->toolTip()));
        QVERIFY2(b->width() < 3 * b->height(), qPrintable(quando + QLatin1Char(' ') + a->toolTip()));
        ++pulsanti;
    }
    QVERIFY(tutti ? pulsanti == 22 : pulsanti > 10);
}

}   // namespace

class TestImmagini : public QObject {
    Q_OBJECT
private slots:
    void ogniFinestra_data()
    {
        PiattaformaFinta p;
        QTest::addColumn<QString>("nome");
        for (const QString& nome : Finestre::registrate())
            QTest::newRow(qPrintable(nome)) << nome;
    }

    void ogniFinestra()
    {
        QFETCH(QString, nome);
        PiattaformaFinta p;
        Finestre::mostra(nome);
        QWidget* w = Finestre::finestra(nome);
        QVERIFY(w && w->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        // Nothing of the window lies outside it, and a menu bar fits its width.
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisible() || c->isWindow() || c->objectName().isEmpty()
                || c->objectName().startsWith(QLatin1String("qt_")))
                continue;
            const QRect dentro = QRect(c->mapTo(w, QPoint(0, 0)), c->size());
            QVERIFY2(w->rect().adjusted(-1, -1, 1, 1).contains(dentro),
                     qPrintable(nome + QLatin1Char('/') + c->objectName()));
        }
        if (auto* mw = qobject_cast<QMainWindow*>(w); mw && mw->menuWidget())
            QVERIFY(mw->menuBar()->sizeHint().width() <= mw->width());
        salvaImmagine(w, QStringLiteral("finestra-") + nome);
    }

    // Grown by a few pixels, maximised, shrunk, and brought back to its first size: the window
    // returns exactly to its first layout, toolbar included, and the toolbar stays whole throughout.
    void ridimensionataETornata_data() { ogniFinestra_data(); }
    void ridimensionataETornata()
    {
        QFETCH(QString, nome);
        PiattaformaFinta p;
        Finestre::mostra(nome);
        QWidget* w = Finestre::finestra(nome);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (!Ridimensionamento::di(w))
            QSKIP("a window with a size of its own");
        QApplication::sendPostedEvents();
        const QSize prima = w->size();
        const QList<std::pair<QString, QRect>> iniziali = posti(w);
        barraIntegra(w, QStringLiteral("all'inizio"));
        w->resize(prima + QSize(20, 20));
        barraIntegra(w, QStringLiteral("+20 px"));
        w->showMaximized();
        QTRY_VERIFY(w->isMaximized() && w->width() > prima.width());
        barraIntegra(w, QStringLiteral("ingrandita"));
        salvaImmagine(w, QStringLiteral("ingrandita-") + nome);
        w->showNormal();
        w->resize(prima * 2 / 3);
        barraIntegra(w, QStringLiteral("rimpicciolita"), false);
        w->resize(prima);
        QTRY_COMPARE(w->size(), prima);
        barraIntegra(w, QStringLiteral("di nuovo come prima"));
        const QList<std::pair<QString, QRect>> finali = posti(w);
        QCOMPARE(finali.size(), iniziali.size());
        for (qsizetype i = 0; i < iniziali.size(); ++i) {
            QCOMPARE(finali[i].first, iniziali[i].first);
            QVERIFY2(finali[i].second == iniziali[i].second, qPrintable(iniziali[i].first));
        }
    }
};

QTEST_MAIN(TestImmagini)
#include "tst_immagini.moc"
