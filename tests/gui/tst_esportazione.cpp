// The program's side of an export: what it records of the document shown and what it tells the user.
#include "gui/frame/esportazione.h"
#include "gui/frame/modpossidoria.h"
#include "fakes/piattaformafinta.h"
#include <QTest>

Q_DECLARE_METATYPE(DocumentoMostrato)

class TestEsportazione : public QObject {
    Q_OBJECT
private slots:
    void esito_data();
    void esito();
};

void TestEsportazione::esito_data()
{
    QTest::addColumn<DocumentoMostrato>("mostrato");
    QTest::addColumn<QString>("docword");
    QTest::addColumn<QString>("appword");
    QTest::addColumn<int>("icona");        // the message's icon, -1 for no message
    QTest::addColumn<QString>("inizio");   // how the message starts

    const QString p = QStringLiteral("/cartella/Possidoria-ab12.odt");
    QTest::newRow("scritto e aperto") << DocumentoMostrato{true, p, false, true, QStringLiteral("writer")} << p
                                      << QStringLiteral("writer") << -1 << QString();
    QTest::newRow("nessun programma") << DocumentoMostrato{true, p, false, false, QString()} << p << QString()
                                      << int(Icona::Esclamazione)
                                      << QStringLiteral("Nessun programma di videoscrittura");
    QTest::newRow("cartella di ripiego") << DocumentoMostrato{true, p, true, true, QStringLiteral("writer")} << p
                                         << QStringLiteral("writer") << int(Icona::Informazione)
                                         << QStringLiteral("La cartella dei file temporanei non è disponibile");
    // Nothing written: the last export's record stays, and the user hears of it.
    QTest::newRow("non scritto") << DocumentoMostrato{false, p, false, false, QString()} << QStringLiteral("prima")
                                 << QStringLiteral("prima") << int(Icona::Esclamazione)
                                 << QStringLiteral("Non è stato possibile scrivere il documento:\r/cartella");
    QTest::newRow("nessuna cartella") << DocumentoMostrato{false, QString(), true, false, QString()}
                                      << QStringLiteral("prima") << QStringLiteral("prima") << int(Icona::Esclamazione)
                                      << QStringLiteral("Non è stato possibile scrivere il documento: né");
}

void TestEsportazione::esito()
{
    QFETCH(DocumentoMostrato, mostrato);
    QFETCH(QString, docword);
    QFETCH(QString, appword);
    QFETCH(int, icona);
    QFETCH(QString, inizio);

    PiattaformaFinta finta;
    ModPossidoria::inizializza();
    ModPossidoria::docword = ModPossidoria::appword = QStringLiteral("prima");
    finta.word.esitoMostra = mostrato;

    const QString restituito = Esportazione::mostra(finta.word);
    QCOMPARE(restituito, mostrato.scritto ? mostrato.percorso : QString());
    QCOMPARE(finta.word.operazioni, QStringList{QStringLiteral("show")});
    QCOMPARE(ModPossidoria::docword, docword);
    QCOMPARE(ModPossidoria::appword, appword);
    if (icona < 0) {
        QVERIFY(finta.messaggi.mostrati.isEmpty());
        return;
    }
    QCOMPARE(finta.messaggi.mostrati.size(), 1);
    const MessaggioRegistrato& m = finta.messaggi.ultimo();
    QCOMPARE(int(m.icona), icona);
    QCOMPARE(m.titolo, ModPossidoria::titoloaiuto);
    QCOMPARE(m.pulsanti, Pulsanti::Ok);
    QVERIFY2(m.testo.startsWith(inizio), qPrintable(m.testo));
    if (!mostrato.percorso.isEmpty())
        QVERIFY(m.testo.contains(mostrato.percorso));
}

QTEST_MAIN(TestEsportazione)
#include "tst_esportazione.moc"
