// Every window the program has, loaded and shown offscreen, with its picture saved for a look.
#include "app/finestre.h"
#include "fakes/piattaformafinta.h"
#include <QMainWindow>
#include <QMenuBar>
#include <QtTest>

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
            if (!c->isVisible() || c->isWindow() || c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")))
                continue;
            const QRect dentro = QRect(c->mapTo(w, QPoint(0, 0)), c->size());
            QVERIFY2(w->rect().adjusted(-1, -1, 1, 1).contains(dentro),
                     qPrintable(nome + QLatin1Char('/') + c->objectName()));
        }
        if (auto* mw = qobject_cast<QMainWindow*>(w); mw && mw->menuWidget())
            QVERIFY(mw->menuBar()->sizeHint().width() <= mw->width());
        salvaImmagine(w, QStringLiteral("finestra-") + nome);
    }
};

QTEST_MAIN(TestImmagini)
#include "tst_immagini.moc"
