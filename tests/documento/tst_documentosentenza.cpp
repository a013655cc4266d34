// The judgment written as PDF: its text read back by pdftotext holds every paragraph in order,
// each page is numbered and dated, and a failed write is reported.
#include "documento/documentosentenza.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

DocumentoSentenza documento(int paragrafiSentenza)
{
    DocumentoSentenza d;
    d.titolo = QStringLiteral("Possidoria - prova");
    d.parti = DocumentoSentenza::titoloPerParti(QStringLiteral("Mario Rossi"), QStringLiteral("Giulia Bianchi"));
    d.fatti = {QStringLiteral("nome dell'attore: Mario Rossi"), QString(), QStringLiteral("bene: fondo agricolo")};
    d.obiezioni = {QStringLiteral("il convenuto eccepisce la clandestinità del possesso")};
    QStringList p;
    for (int i = 1; i <= paragrafiSentenza; ++i)
        p << QStringLiteral("Paragrafo numero %1 della motivazione, che prosegue abbastanza a lungo da andare a capo "
                            "più volte sulla pagina stampata e occupare spazio.").arg(i);
    d.sentenza = p.join(QChar(13));
    d.commento = QStringLiteral("Commento finale della causa.\nSeconda riga del commento.");
    d.data = QDate(2026, 3, 9);
    d.lineaTempo = QImage(400, 100, QImage::Format_RGB32);
    d.lineaTempo.fill(Qt::blue);
    return d;
}

QString semplice(const QString& s)
{
    // Ligatures (fi, fl) come back as one character; compatibility form splits them.
    return s.normalized(QString::NormalizationForm_KC).simplified();
}

} // namespace

class TstDocumentoSentenza : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void dataDellaSentenza_data();
    void dataDellaSentenza();
    void testoDelPdf_data();
    void testoDelPdf();
    void linguaDelPdf();
    void scritturaFallita();
    void nomeFile_data();
    void nomeFile();

private:
    QString pdftotext_;
};

void TstDocumentoSentenza::initTestCase()
{
    pdftotext_ = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext_.isEmpty(), "pdftotext (poppler-utils) is needed");
}

void TstDocumentoSentenza::dataDellaSentenza_data()
{
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("consonante") << QDate(2026, 3, 9) << QStringLiteral("Sentenza del 9 marzo 2026");
    QTest::newRow("otto") << QDate(2026, 3, 8) << QStringLiteral("Sentenza dell'8 marzo 2026");
    QTest::newRow("undici") << QDate(2026, 12, 11) << QStringLiteral("Sentenza dell'11 dicembre 2026");
    QTest::newRow("diciotto") << QDate(2026, 12, 18) << QStringLiteral("Sentenza del 18 dicembre 2026");
    QTest::newRow("primo") << QDate(2026, 4, 1) << QStringLiteral("Sentenza del 1º aprile 2026");
}

// The article before the day as an Italian reader writes it.
void TstDocumentoSentenza::dataDellaSentenza()
{
    QFETCH(QDate, data);
    QFETCH(QString, atteso);
    QCOMPARE(sentenzaDel(data), atteso);
}

void TstDocumentoSentenza::testoDelPdf_data()
{
    QTest::addColumn<int>("paragrafi");
    QTest::addColumn<int>("pagineMinime");
    QTest::newRow("una pagina") << 2 << 1;
    QTest::newRow("più pagine") << 40 << 3;
}

void TstDocumentoSentenza::testoDelPdf()
{
    QFETCH(int, paragrafi);
    QFETCH(int, pagineMinime);
    const DocumentoSentenza d = documento(paragrafi);
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("sentenza.pdf"));
    QString errore;
    QVERIFY2(scriviPdfSentenza(d, pdf, &errore), qPrintable(errore));
    QProcess p;
    p.start(pdftotext_, {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());
    // Footers fall inside a paragraph that runs over two pages.
    const QString piano = semplice(testo).remove(
        QRegularExpression(QStringLiteral("Sentenza del 9 marzo 2026 Pagina \\d+ di \\d+ ?")));

    // Every paragraph whole, in the document's order.
    QStringList attesi = {d.titolo, d.parti, QStringLiteral("1) nome dell'attore: Mario Rossi"),
                          QStringLiteral("2) bene: fondo agricolo"), QStringLiteral("1) ") + d.obiezioni[0]};
    attesi += d.sentenza.split(QChar(13));
    attesi += d.commento.split(QChar(10));
    qsizetype da = 0;
    for (const QString& a : attesi) {
        const qsizetype dove = piano.indexOf(semplice(a), da);
        QVERIFY2(dove >= 0, qPrintable(a));
        // Once only: a page must not carry lines of its neighbours, even hidden.
        QVERIFY2(piano.indexOf(semplice(a), dove + 1) < 0, qPrintable(a));
        da = dove + 1;
    }
    // Pages numbered "n di N", each dated.
    const QStringList pagine = testo.split(QChar(12), Qt::SkipEmptyParts);
    const int n = int(std::count_if(pagine.begin(), pagine.end(), [](const QString& s) { return !s.trimmed().isEmpty(); }));
    QCOMPARE_GE(n, pagineMinime);
    for (int i = 1; i <= n; ++i) {
        const QString pagina = semplice(pagine[i - 1]);
        QVERIFY2(pagina.contains(QStringLiteral("Pagina %1 di %2").arg(i).arg(n)), qPrintable(pagina));
        QVERIFY(pagina.contains(QStringLiteral("Sentenza del 9 marzo 2026")));
    }
}

// The PDF says it is Italian, so that a reader checks its spelling and reads it aloud as such;
// the file stays whole for a reader that follows its updates.
void TstDocumentoSentenza::linguaDelPdf()
{
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("sentenza.pdf"));
    QVERIFY(scriviPdfSentenza(documento(2), pdf));
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray dati = f.readAll();
    QCOMPARE(dati.count("/Lang (it-IT)"), 1);
    QVERIFY(dati.endsWith("%%EOF\n"));
    // Once only, and a file without the structure expected is left as it is.
    QCOMPARE(pdfInLingua(dati, "it-IT"), dati);
    QCOMPARE(pdfInLingua("non è un PDF", "it-IT"), QByteArray("non è un PDF"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        QSKIP("pdfinfo (poppler-utils) is needed to read the file back");
    QProcess p;
    p.start(pdfinfo, {pdf});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString errori = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(errori.isEmpty(), qPrintable(errori));
    QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("Pages:")));
}

void TstDocumentoSentenza::scritturaFallita()
{
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("manca/sentenza.pdf"));
    QString errore;
    QVERIFY(!scriviPdfSentenza(documento(1), pdf, &errore));
    QVERIFY(errore.contains(pdf));
    QVERIFY(!QFileInfo::exists(pdf));
}

void TstDocumentoSentenza::nomeFile_data()
{
    QTest::addColumn<QString>("attore");
    QTest::addColumn<QString>("convenuto");
    QTest::addColumn<QString>("nome");
    QTest::newRow("parti") << QStringLiteral("Mario Rossi") << QStringLiteral("Giulia Bianchi")
                           << QStringLiteral("Sentenza Mario Rossi - Giulia Bianchi.pdf");
    QTest::newRow("caratteri vietati") << QStringLiteral("A/B: \"C\"") << QStringLiteral("  ")
                                       << QStringLiteral("Sentenza AB C.pdf");
    QTest::newRow("nessuna parte") << QString() << QString() << QStringLiteral("Sentenza.pdf");
}

void TstDocumentoSentenza::nomeFile()
{
    QFETCH(QString, attore);
    QFETCH(QString, convenuto);
    QFETCH(QString, nome);
    QCOMPARE(DocumentoSentenza::nomeFilePdf(attore, convenuto), nome);
}

QTEST_MAIN(TstDocumentoSentenza)
#include "tst_documentosentenza.moc"
