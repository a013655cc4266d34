// The desktop word-processor port: the document it builds, the file it writes, what it opens.
#include "app/modpossidoria.h"
#include "fakes/piattaformafinta.h"
#include "platform/wordqt.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

struct Pezzo {
    QString testo;
    QString font;
    double punti;
};

// The text runs of one block with their font and size.
QList<Pezzo> pezzi(const QTextBlock& b)
{
    QList<Pezzo> r;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        r.append({f.text(), f.charFormat().fontFamilies().toStringList().value(0), f.charFormat().fontPointSize()});
    }
    return r;
}

QStringList testiBlocchi(const QTextDocument* d)
{
    QStringList r;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
        r << b.text();
    return r;
}

bool conSaltoPagina(const QTextBlock& b)
{
    return b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
}

} // namespace

class TestWordQt : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        finta_ = std::make_unique<PiattaformaFinta>();
        aperti_.clear();
        ModPossidoria::inizializza();
        ModPossidoria::appword = QStringLiteral("prima");
        ModPossidoria::docword = QStringLiteral("prima");
    }
    void cleanup()
    {
        for (const QString& p : std::as_const(daCancellare_))
            QFile::remove(p);
        daCancellare_.clear();
        finta_.reset();
    }

    void scrittura_data();
    void scrittura();
    void paragrafoFinale();
    void giustificaTutto();
    void nuovoDocumentoRiparteDaZero();
    void salvaCome();
    void mostraSenzaSalvataggio();
    void mostraDopoSalvataggio();
    void mostraSenzaProgramma();
    void mostraSenzaCartella();

private:
    WordQt::Apertura registraApertura(bool riesce)
    {
        return [this, riesce](const QUrl& u) {
            aperti_ << u;
            return riesce;
        };
    }
    std::unique_ptr<PiattaformaFinta> finta_;
    QList<QUrl> aperti_;
    QStringList daCancellare_;
};

// Typed text: "\r" ends a paragraph, "\f" sends what follows to a new page.
void TestWordQt::scrittura_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("blocchi");
    QTest::addColumn<QList<int>>("saltiPrima");   // blocks that start a page

    QTest::newRow("una riga") << QStringLiteral("abc") << QStringList{"abc"} << QList<int>{};
    QTest::newRow("a capo") << QStringLiteral("abc\r") << QStringList{"abc", ""} << QList<int>{};
    QTest::newRow("due a capo") << QStringLiteral("a\r\rb") << QStringList{"a", "", "b"} << QList<int>{};
    QTest::newRow("CR LF uno solo") << QStringLiteral("a\r\nb") << QStringList{"a", "b"} << QList<int>{};
    QTest::newRow("pagina dopo a capo") << QStringLiteral("a\r\fb") << QStringList{"a", "b"} << QList<int>{1};
    QTest::newRow("pagina a meta") << QStringLiteral("a\fb") << QStringList{"a", "b"} << QList<int>{1};
    QTest::newRow("pagina in fondo") << QStringLiteral("a\r\f") << QStringList{"a", ""} << QList<int>{1};
    QTest::newRow("due sezioni")
        << QStringLiteral("Guida: X\r\rtesto X\r\fGuida: Y\r\rtesto Y\r\f")
        << QStringList{"Guida: X", "", "testo X", "Guida: Y", "", "testo Y", ""} << QList<int>{3, 6};
}

void TestWordQt::scrittura()
{
    QFETCH(QString, testo);
    QFETCH(QStringList, blocchi);
    QFETCH(QList<int>, saltiPrima);

    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.fontSelezione(QStringLiteral("Century Gothic"));
    w.dimensioneSelezione(14);
    w.scrivi(testo);

    const QTextDocument* d = w.documento();
    QCOMPARE(testiBlocchi(d), blocchi);
    int i = 0;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next(), ++i) {
        QCOMPARE(conSaltoPagina(b), saltiPrima.contains(i));
        // Empty paragraphs too carry the typed font, so that they keep the height of their lines.
        QCOMPARE(b.charFormat().fontPointSize(), 14.0);
        for (const Pezzo& p : pezzi(b)) {
            QCOMPARE(p.font, QStringLiteral("Century Gothic"));
            QCOMPARE(p.punti, 14.0);
        }
    }
}

// The export route of the judgment and the maxims: one paragraph at the end, pieces appended in turn.
void TestWordQt::paragrafoFinale()
{
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.fontSelezione(QStringLiteral("Century Gothic"));
    w.aggiungiParagrafoFinale();
    w.dimensioneParagrafo(18);
    w.testoParagrafo(QStringLiteral("Titolo\r\r"));
    w.dimensioneParagrafo(12);
    w.testoParagrafo(QStringLiteral("Intestazione "));
    w.dimensioneParagrafo(10);
    w.testoParagrafo(QStringLiteral("seguito\rfine"));

    const QTextDocument* d = w.documento();
    QCOMPARE(testiBlocchi(d), (QStringList{"Titolo", "", "Intestazione seguito", "fine"}));
    QTextBlock b = d->begin();
    QCOMPARE(pezzi(b).size(), 1);
    QCOMPARE(pezzi(b).at(0).punti, 18.0);
    b = b.next();
    QCOMPARE(b.charFormat().fontPointSize(), 18.0);
    b = b.next();
    const QList<Pezzo> misti = pezzi(b);
    QCOMPARE(misti.size(), 2);
    QCOMPARE(misti.at(0).testo, QStringLiteral("Intestazione "));
    QCOMPARE(misti.at(0).punti, 12.0);
    QCOMPARE(misti.at(1).testo, QStringLiteral("seguito"));
    QCOMPARE(misti.at(1).punti, 10.0);
    for (const Pezzo& p : misti)
        QCOMPARE(p.font, QStringLiteral("Century Gothic"));
    QCOMPARE(pezzi(b.next()).at(0).punti, 10.0);

    // A paragraph added after text starts on a line of its own.
    w.aggiungiParagrafoFinale();
    w.testoParagrafo(QStringLiteral("altro"));
    QCOMPARE(testiBlocchi(d).mid(3), (QStringList{"fine", "altro"}));
}

void TestWordQt::giustificaTutto()
{
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("uno\rdue\r\ftre\r"));
    w.giustificaTutto();
    const QTextDocument* d = w.documento();
    int blocchi = 0;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next(), ++blocchi)
        QCOMPARE(b.blockFormat().alignment(), Qt::AlignJustify);
    QCOMPARE(blocchi, 4);
    // Justifying keeps the page break.
    QVERIFY(conSaltoPagina(d->findBlockByNumber(2)));
}

void TestWordQt::nuovoDocumentoRiparteDaZero()
{
    QTemporaryDir cartella;
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.dimensioneSelezione(20);
    w.scrivi(QStringLiteral("vecchio"));
    QVERIFY(w.salvaCome(cartella.filePath(QStringLiteral("vecchio.odt"))));
    w.nuovoDocumento();
    QVERIFY(w.documento()->isEmpty());
    // The new document is not the saved one: it goes to a file of its own.
    const QString p = w.mostra();
    daCancellare_ << p;
    QVERIFY(!p.isEmpty());
    QVERIFY(!p.endsWith(QStringLiteral("vecchio.odt")));
}

void TestWordQt::salvaCome()
{
    QTemporaryDir cartella;
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("Guida: prova\r"));
    const QString percorso = cartella.filePath(QStringLiteral("Possidoria-guida.odt"));
    QVERIFY(w.salvaCome(percorso));
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray inizio = f.read(100);
    // An OpenDocument package: a zip whose first entry names its type.
    QVERIFY(inizio.startsWith("PK"));
    QVERIFY(inizio.contains("application/vnd.oasis.opendocument.text"));
    QVERIFY(aperti_.isEmpty());

    QVERIFY(!w.salvaCome(cartella.filePath(QStringLiteral("manca/Possidoria-guida.odt"))));
}

void TestWordQt::mostraSenzaSalvataggio()
{
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("sentenza"));
    const QString p = w.mostra();
    daCancellare_ << p;
    QVERIFY(QFileInfo(p).isFile());
    QCOMPARE(QFileInfo(p).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    QVERIFY(p.endsWith(QStringLiteral(".odt")));
    QCOMPARE(aperti_, QList<QUrl>{QUrl::fromLocalFile(p)});
    QCOMPARE(ModPossidoria::docword, p);
    QVERIFY(!ModPossidoria::appword.isEmpty());
    QVERIFY(ModPossidoria::appword != QStringLiteral("prima"));
    QVERIFY(finta_->messaggi.mostrati.isEmpty());

    // A second export never overwrites the first document.
    const QString q = w.mostra();
    daCancellare_ << q;
    QVERIFY(q != p);
    QVERIFY(QFileInfo(p).isFile());
}

void TestWordQt::mostraDopoSalvataggio()
{
    QTemporaryDir cartella;
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("guida"));
    const QString percorso = cartella.filePath(QStringLiteral("Possidoria-guida.odt"));
    QVERIFY(w.salvaCome(percorso));
    QCOMPARE(w.mostra(), percorso);
    QCOMPARE(aperti_, QList<QUrl>{QUrl::fromLocalFile(percorso)});
    QCOMPARE(ModPossidoria::docword, percorso);
}

void TestWordQt::mostraSenzaProgramma()
{
    WordQt w(registraApertura(false));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("sentenza"));
    const QString p = w.mostra();
    daCancellare_ << p;
    QVERIFY(QFileInfo(p).isFile());
    QCOMPARE(ModPossidoria::docword, p);
    QVERIFY(ModPossidoria::appword.isEmpty());
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    const MessaggioRegistrato& m = finta_->messaggi.ultimo();
    QVERIFY(m.testo.contains(QDir::toNativeSeparators(p)));
    QCOMPARE(m.titolo, ModPossidoria::titoloaiuto);
    QCOMPARE(m.icona, Icona::Esclamazione);
    QCOMPARE(m.pulsanti, Pulsanti::Ok);
}

// Saved where it cannot be written: mostra reports it instead of opening a stale file.
void TestWordQt::mostraSenzaCartella()
{
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("guida.odt"));
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    QVERIFY(w.salvaCome(percorso));
    QVERIFY(cartella.remove());
    QVERIFY(w.mostra().isEmpty());
    QVERIFY(aperti_.isEmpty());
    QCOMPARE(ModPossidoria::docword, QStringLiteral("prima"));
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Esclamazione);
    QVERIFY(finta_->messaggi.ultimo().testo.contains(QDir::toNativeSeparators(percorso)));
}

QTEST_MAIN(TestWordQt)
#include "tst_wordqt.moc"
