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
                            "più volte sulla pagina stampata e occupare spazio.")
                 .arg(i);
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

}   // namespace

Q_DECLARE_METATYPE(DocumentoSentenza)

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
    void documentoWord_data();
    void documentoWord();

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
    p.start(pdftotext_,
            {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());
    // Footers fall inside a paragraph that runs over two pages.
    const QString piano =
        semplice(testo).remove(QRegularExpression(QStringLiteral("Sentenza del 9 marzo 2026 Pagina \\d+ di \\d+ ?")));

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
    const int n =
        int(std::count_if(pagine.begin(), pagine.end(), [](const QString& s) { return !s.trimmed().isEmpty(); }));
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

// The word-processor document is the same document in the word processor's steps: the heading,
// every line of the two lists numbered in its place (an empty one too, so that the numbers are
// the window's), the timeline only when there is one, the two texts; no line feed anywhere.
void TstDocumentoSentenza::documentoWord_data()
{
    QTest::addColumn<DocumentoSentenza>("d");
    QTest::addColumn<QList<int>>("punti");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("immagine");

    const QString cr(QChar(13));
    DocumentoSentenza d = documento(2);
    const QString intestazione =
        QStringLiteral("Possidoria - prova") + cr + cr + QStringLiteral("Svolgimento del processo") + cr + cr
        + QStringLiteral("Fatti sostenuti dall'attore:") + cr + cr + QStringLiteral(" 1) nome dell'attore: Mario Rossi")
        + cr + QStringLiteral(" 2) ") + cr + QStringLiteral(" 3) bene: fondo agricolo") + cr + cr
        + QStringLiteral("Obiezioni sostenute dal convenuto:") + cr + cr
        + QStringLiteral(" 1) il convenuto eccepisce la clandestinità del possesso") + cr;
    const QString sentenza = cr + QStringLiteral("Sentenza:") + cr + cr + d.sentenza + cr + cr
                             + QStringLiteral("Commenti:") + cr + cr + QStringLiteral("Commento finale della causa.")
                             + cr + QStringLiteral("Seconda riga del commento.");
    QTest::newRow("con la linea del tempo")
        << d << QList<int>{18, 14, 12, 10, 12, 10, 12, 14, 12, 12, 10}
        << intestazione + cr + QStringLiteral("Il possesso nel tempo:") + cr + sentenza << true;

    DocumentoSentenza senza = d;
    senza.lineaTempo = QImage();
    // Windows line ends in a text as typed become paragraph marks too.
    senza.commento = QStringLiteral("Commento finale della causa.\r\nSeconda riga del commento.");
    QTest::newRow("senza linea del tempo, CR LF")
        << senza << QList<int>{18, 14, 12, 10, 12, 10, 14, 12, 12, 10} << intestazione + sentenza << false;

    // Nothing judged yet: the lines are there, numbered, with nothing after ") ".
    DocumentoSentenza vuoto;
    vuoto.titolo = QStringLiteral("Possidoria - prova");
    vuoto.fatti = QStringList(2);
    vuoto.obiezioni = QStringList(1);
    QTest::newRow("nessuna sentenza") << vuoto << QList<int>{18, 14, 12, 10, 12, 10, 14, 12, 12, 10}
                                      << QStringLiteral("Possidoria - prova") + cr + cr
                                             + QStringLiteral("Svolgimento del processo") + cr + cr
                                             + QStringLiteral("Fatti sostenuti dall'attore:") + cr + cr
                                             + QStringLiteral(" 1) ") + cr + QStringLiteral(" 2) ") + cr + cr
                                             + QStringLiteral("Obiezioni sostenute dal convenuto:") + cr + cr
                                             + QStringLiteral(" 1) ") + cr + cr + QStringLiteral("Sentenza:") + cr + cr
                                             + cr + cr + QStringLiteral("Commenti:") + cr + cr
                                      << false;
}

void TstDocumentoSentenza::documentoWord()
{
    QFETCH(DocumentoSentenza, d);
    QFETCH(QList<int>, punti);
    QFETCH(QString, testo);
    QFETCH(bool, immagine);

    const DocumentoWord w = ::documentoWord(d);
    QCOMPARE(w.famiglia, QStringLiteral("Century Gothic"));
    QList<int> dimensioni;
    QString scritto;
    int immagini = 0;
    for (const PassoWord& p : w.passi) {
        dimensioni << p.punti;
        scritto += p.testi.join(QString());
        if (!p.immagine.isNull()) {
            ++immagini;
            QCOMPARE(p.immagine, d.lineaTempo);
            // The picture follows the heading it belongs to.
            QVERIFY(p.testi.join(QString()).contains(QStringLiteral("Il possesso nel tempo:")));
        }
    }
    QCOMPARE(dimensioni, punti);
    QCOMPARE(scritto, testo);
    QCOMPARE(immagini, immagine ? 1 : 0);
    QVERIFY(!scritto.contains(QChar(10)));
    // The facts go one text per line, so that each line is its own numbered paragraph.
    QCOMPARE(w.passi.at(3).testi.size(), d.fatti.size());
}

QTEST_MAIN(TstDocumentoSentenza)
#include "tst_documentosentenza.moc"
