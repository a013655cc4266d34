#include "gui/frame/gruppoopzioni.h"
#include <QWidget>
#include <QtTest>

// Selecting from code is how an archive is replayed: a value naming no button must change nothing.
class TestGruppoOpzioni : public QObject {
    Q_OBJECT

private slots:
    void seleziona_data()
    {
        QTest::addColumn<int>("prima");   // selection before, 0 = none
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("dopo");
        QTest::addColumn<QList<int>>("clic");
        QTest::newRow("primo") << 0 << 1 << 1 << QList<int>{1};
        QTest::newRow("ultimo al posto di un altro") << 1 << 3 << 3 << QList<int>{1, 3};
        QTest::newRow("zero") << 2 << 0 << 2 << QList<int>{2};
        QTest::newRow("negativo") << 2 << -1 << 2 << QList<int>{2};
        QTest::newRow("oltre l'ultimo") << 2 << 4 << 2 << QList<int>{2};
        QTest::newRow("oltre, senza selezione") << 0 << 99 << 0 << QList<int>{};
    }

    void seleziona()
    {
        QFETCH(int, prima);
        QFETCH(int, indice);
        QFETCH(int, dopo);
        QFETCH(QList<int>, clic);
        QWidget contenitore;
        GruppoOpzioni g(QStringLiteral("Option1"));
        for (const char* t : {"uno", "due", "tre"})
            g.aggiungi(&contenitore, QString::fromLatin1(t));
        QList<int> chiamate;
        g.clic = [&chiamate](int i) { chiamate << i; };
        if (prima)
            g.seleziona(prima);
        g.seleziona(indice);
        QCOMPARE(g.selezionato(), dopo);
        QCOMPARE(chiamate, clic);
        for (int i = 1; i <= g.conta(); ++i)
            QCOMPARE(g.pulsante(i)->isChecked(), i == dopo);
    }

    void clicDellUtenteEsclusivo()
    {
        QWidget contenitore;
        GruppoOpzioni g(QStringLiteral("interr"));
        g.aggiungi(&contenitore, QStringLiteral("a"));
        g.aggiungi(&contenitore, QStringLiteral("b"));
        QCOMPARE(g.pulsante(2)->objectName(), QStringLiteral("interr(2)"));
        g.pulsante(1)->click();
        g.pulsante(2)->click();
        QCOMPARE(g.selezionato(), 2);
        QVERIFY(!g.pulsante(1)->isChecked());
        g.deseleziona(2);
        QCOMPARE(g.selezionato(), 0);
    }
};

QTEST_MAIN(TestGruppoOpzioni)
#include "tst_gruppoopzioni.moc"
