// The example cases installed with the program: each is a readable archive that the command-line
// judge decides by the rule the example states, with the day and the changes it states, and the
// folder holds no example the list omits.
#include "core/esempi.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString cartellaEsempi() { return Esempi::cartella(QCoreApplication::applicationDirPath() + QStringLiteral("/..")); }

}   // namespace

class TstEsempi : public QObject {
    Q_OBJECT
private slots:
    void ogniEsempioGiungeAllaSuaRegola_data();
    void ogniEsempioGiungeAllaSuaRegola();
    void cartellaEdElencoCoincidono();
    void regoleDistinte();
};

void TstEsempi::ogniEsempioGiungeAllaSuaRegola_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("regola");
    QTest::addColumn<QString>("giorno");
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QStringList>("cambia");
    const char* const giorni[] = {"nessuno", "compiuta", "maturerebbe", "irraggiungibile"};
    for (const EsempioCausa& e : Esempi::elenco())
        QTest::newRow(qPrintable(e.file))
            << e.file << e.regola << QString::fromLatin1(giorni[int(e.giorno)]) << e.data << e.cambia;
}

void TstEsempi::ogniEsempioGiungeAllaSuaRegola()
{
    QFETCH(QString, file);
    QFETCH(QString, regola);
    const QString percorso = QDir(cartellaEsempi()).filePath(file);
    QVERIFY2(QFileInfo::exists(percorso), qPrintable(percorso));
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../possidoria-sentenza"),
            {QStringLiteral("--json"), percorso});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QJsonArray r = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    QCOMPARE(r.size(), 1);
    const QJsonObject o = r[0].toObject();
    QCOMPARE(o.value(QStringLiteral("regola")).toString(), regola);

    // The day and the changes, as the example states them.
    QFETCH(QString, giorno);
    QFETCH(QDate, data);
    QFETCH(QStringList, cambia);
    const QJsonObject g = o.value(QStringLiteral("giorno")).toObject();
    QCOMPARE(g.value(QStringLiteral("tipo")).toString(), giorno);
    QCOMPARE(QDate::fromString(g.value(QStringLiteral("data")).toString(), Qt::ISODate), data);
    if (data.isValid())
        QVERIFY(g.value(QStringLiteral("testo")).toString().contains(data.toString(QStringLiteral("d/M/yyyy"))));
    QStringList regole;
    const bool vince = o.value(QStringLiteral("vince")).toBool();
    for (const QJsonValue& c : o.value(QStringLiteral("cambierebbe")).toArray()) {
        regole << c.toObject().value(QStringLiteral("regola")).toString();
        QCOMPARE(c.toObject().value(QStringLiteral("vince")).toBool(), !vince);
    }
    QCOMPARE(regole, cambia);

    // Every date the example writes has its four-digit year: a reader never guesses the century.
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::ReadOnly));
    static const QRegularExpression formaData(QStringLiteral("\"(\\d{1,2})/(\\d{1,2})/(\\d*)\""));
    auto it = formaData.globalMatch(QString::fromLatin1(f.readAll()));
    int date = 0;
    for (; it.hasNext(); ++date) {
        const QRegularExpressionMatch m = it.next();
        QVERIFY2(m.captured(3).size() == 4, qPrintable(m.captured(0)));
    }
    QVERIFY(date >= 2);
}

void TstEsempi::cartellaEdElencoCoincidono()
{
    QSet<QString> elencati;
    for (const EsempioCausa& e : Esempi::elenco()) {
        QVERIFY2(!elencati.contains(e.file), qPrintable(e.file));
        elencati.insert(e.file);
        QVERIFY(!e.titolo.isEmpty());
        QVERIFY2(e.spiegazione.contains(QRegularExpression(QStringLiteral("artt?\\. \\d"))), qPrintable(e.file));
    }
    const QStringList presenti = QDir(cartellaEsempi()).entryList({QStringLiteral("Possidoria-dati-*")}, QDir::Files);
    QCOMPARE(QSet<QString>(presenti.begin(), presenti.end()), elencati);
}

// Every family of outcome has its example; two more show how time runs again after an interruption.
void TstEsempi::regoleDistinte()
{
    QSet<QString> regole;
    for (const EsempioCausa& e : Esempi::elenco())
        regole.insert(e.regola);
    const QStringList famiglie{QStringLiteral("R1"),  QStringLiteral("R5"),  QStringLiteral("R2"),
                               QStringLiteral("R3"),  QStringLiteral("R4"),  QStringLiteral("R9"),
                               QStringLiteral("R10"), QStringLiteral("R41"), QStringLiteral("R45"),
                               QStringLiteral("R11"), QStringLiteral("RD"),  QStringLiteral("RS"),
                               QStringLiteral("R7")};
    for (const QString& r : famiglie)
        QVERIFY2(regole.contains(r), qPrintable(r));
}

QTEST_MAIN(TstEsempi)
#include "tst_esempi.moc"
