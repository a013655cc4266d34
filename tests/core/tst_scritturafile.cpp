// Whole-or-nothing writing: a write the disk cuts short is a failure, and the old file stays as it was.
#include "comune/limitefile.h"
#include "core/scritturafile.h"
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
    void sostituzione_data();
    void sostituzione();
};

Q_DECLARE_METATYPE(Sostituzione)

namespace {
QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}
}   // namespace

void TestScritturaFile::scrittura_data()
{
    QTest::addColumn<QByteArray>("vecchio");   // what the file held before; "<assente>" for no file
    QTest::addColumn<QByteArray>("nuovo");
    QTest::addColumn<int>("limite");   // bytes the disk takes, 0 for no limit
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
    QCOMPARE(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden).size(),
             vecchio != "<assente>" || riuscita ? 1 : 0);
}

// What stands under the name, what may be replaced, and a name as long as the folder takes.
void TestScritturaFile::sostituzione_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("sotto");   // "": nothing; "file"; "link": to another file; "link rotto"
    QTest::addColumn<Sostituzione>("modo");
    QTest::addColumn<QString>("errore");         // empty: written
    QTest::addColumn<QByteArray>("altroFile");   // what the file a link leads to holds after; "<assente>" when none

    const QString lungo = QString(250, QLatin1Char('n'));
    const QString lunghissimo = QString(255, QLatin1Char('n'));
    const QString accentato = QString(126, QChar(0xE8)) + QStringLiteral("abc");   // 255 bytes, "è" is two
    const QByteArray vittima("della vittima");
    const auto segue = Sostituzione::seguendoCollegamenti;
    const auto ordinario = Sostituzione::soloFileOrdinario;
    const auto mai = Sostituzione::mai;
    QTest::newRow("nome di 250 byte sostituito") << lungo << "file" << segue << "" << QByteArray("<assente>");
    QTest::newRow("nome di 255 byte sostituito") << lunghissimo << "file" << segue << "" << QByteArray("<assente>");
    QTest::newRow("nome di 255 byte accentato") << accentato << "file" << ordinario << "" << QByteArray("<assente>");
    QTest::newRow("nome di 255 byte nuovo") << lunghissimo << "" << mai << "" << QByteArray("<assente>");
    QTest::newRow("nome di 256 byte") << lunghissimo + QLatin1Char('n') << "" << segue
                                      << "il nome del file è troppo lungo" << QByteArray("<assente>");
    QTest::newRow("collegamento seguito") << "Sentenza.pdf"
                                          << "link" << segue << "" << QByteArray("nuovo");
    QTest::newRow("collegamento mai seguito")
        << "Sentenza.pdf"
        << "link" << ordinario << "collegamento simbolico, che non viene seguito" << vittima;
    QTest::newRow("collegamento rotto mai seguito")
        << "Sentenza.pdf"
        << "link rotto" << ordinario << "collegamento simbolico" << QByteArray("<assente>");
    // clang-format off
    QTest::newRow("file ordinario sostituito") << "Sentenza.pdf" << "file" << ordinario << "" << QByteArray("<assente>");
    QTest::newRow("nome libero") << "Sentenza.pdf" << "" << mai << "" << QByteArray("<assente>");
    QTest::newRow("nome occupato da un file") << "Sentenza.pdf" << "file" << mai << "esiste già" << QByteArray("<assente>");
    // clang-format on
    QTest::newRow("nome occupato da un collegamento") << "Sentenza.pdf"
                                                      << "link" << mai << "collegamento simbolico" << vittima;
    QTest::newRow("nome occupato da un collegamento rotto")
        << "Sentenza.pdf"
        << "link rotto" << mai << "collegamento simbolico" << QByteArray("<assente>");
}

void TestScritturaFile::sostituzione()
{
    QFETCH(QString, nome);
    QFETCH(QString, sotto);
    QFETCH(Sostituzione, modo);
    QFETCH(QString, errore);
    QFETCH(QByteArray, altroFile);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(nome);
    const QString altro = cartella.filePath(QStringLiteral("altro/importante.txt"));
    QVERIFY(QDir().mkpath(cartella.filePath(QStringLiteral("altro"))));
    if (sotto == QLatin1String("link") || sotto == QLatin1String("file")) {
        QFile f(sotto == QLatin1String("link") ? altro : percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("della vittima");
    }
    if (sotto.startsWith(QLatin1String("link")))
        QVERIFY(QFile::link(altro, percorso));
    const QByteArray prima = contenuto(percorso);
    const EsitoScrittura esito = scriviFileIntero(percorso, "nuovo", modo);
    QVERIFY2(esito.errore.contains(errore), qPrintable(esito.errore));
    QCOMPARE(esito.riuscita, errore.isEmpty());
    QCOMPARE(esito.occupato, !errore.isEmpty() && modo != Sostituzione::seguendoCollegamenti);
    QCOMPARE(contenuto(altro), altroFile);
    if (!errore.isEmpty())
        QCOMPARE(contenuto(percorso), prima);
    else if (sotto != QLatin1String("link"))
        QCOMPARE(contenuto(percorso), QByteArray("nuovo"));
    QCOMPARE(QFileInfo(percorso).isSymLink(), sotto.startsWith(QLatin1String("link")));
    // No temporary file is left beside the target.
    QCOMPARE(QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
             QFileInfo::exists(percorso) || QFileInfo(percorso).isSymLink() ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestScritturaFile)
#include "tst_scritturafile.moc"
