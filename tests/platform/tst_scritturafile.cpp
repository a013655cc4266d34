// Whole-or-nothing writing: a write the disk cuts short is a failure, and the old file stays as it was.
#include "limitefile.h"
#include "platform/scritturafile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

class TestScritturaFile : public QObject {
    Q_OBJECT
private slots:
    void scrittura_data();
    void scrittura();
};

namespace {
QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}
} // namespace

void TestScritturaFile::scrittura_data()
{
    QTest::addColumn<QByteArray>("vecchio");   // what the file held before; "<assente>" for no file
    QTest::addColumn<QByteArray>("nuovo");
    QTest::addColumn<int>("limite");           // bytes the disk takes, 0 for no limit
    QTest::addColumn<bool>("riuscita");

    const QByteArray grande(64 * 1024, 'x');
    QTest::newRow("nuovo file") << QByteArray("<assente>") << grande << 0 << true;
    QTest::newRow("sostituisce") << QByteArray("vecchio") << grande << 0 << true;
    QTest::newRow("vuoto") << QByteArray("vecchio") << QByteArray() << 0 << true;
    QTest::newRow("disco pieno: il vecchio resta") << QByteArray("vecchio") << grande << 1024 << false;
    QTest::newRow("disco pieno: nessun file") << QByteArray("<assente>") << grande << 1024 << false;
    QTest::newRow("disco pieno al primo byte") << QByteArray("vecchio") << grande << 1 << false;
}

void TestScritturaFile::scrittura()
{
    QFETCH(QByteArray, vecchio);
    QFETCH(QByteArray, nuovo);
    QFETCH(int, limite);
    QFETCH(bool, riuscita);

    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("documento.odt"));
    if (vecchio != "<assente>") {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(vecchio), vecchio.size());
    }
    EsitoScrittura esito;
    {
        std::optional<LimiteFile> disco;
        if (limite > 0) {
            disco.emplace(limite);
            QVERIFY(disco->attivo());
        }
        esito = scriviFileIntero(percorso, nuovo);
    }
    QCOMPARE(bool(esito), riuscita);
    QCOMPARE(esito.errore.isEmpty(), riuscita);
    QCOMPARE(contenuto(percorso), riuscita ? nuovo : vecchio);
    // No temporary file is left beside the target.
    QCOMPARE(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden).size(), vecchio != "<assente>" || riuscita ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestScritturaFile)
#include "tst_scritturafile.moc"
