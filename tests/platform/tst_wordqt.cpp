// The desktop word-processor port: the document it builds, the file it writes, what it opens.
#include "gui/frame/esportazione.h"
#include "gui/frame/modpossidoria.h"
#include "comune/limitefile.h"
#include "fakes/piattaformafinta.h"
#include "platform/wordqt.h"
#include "documento/odflingua.h"
#include <QDir>
#include <QFile>
#include <QImage>
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

}   // namespace

class TestWordQt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        tmpdir_ = qgetenv("TMPDIR");
        cache_ = qgetenv("XDG_CACHE_HOME");
    }
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
        ripristina("TMPDIR", tmpdir_);
        ripristina("XDG_CACHE_HOME", cache_);
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
    void immagineNelDocumento();
    void mostraSenzaSalvataggio();
    void mostraDopoSalvataggio();
    void mostraSenzaProgramma();
    void mostraSenzaCartella();
    void discoPieno();
    void cartellaTemporaneaInutilizzabile_data();
    void cartellaTemporaneaInutilizzabile();
    void applicazioneChiestaSoloDallEsportazione_data();
    void applicazioneChiestaSoloDallEsportazione();
    void applicazioneDalDesktop();

private:
    static void ripristina(const char* nome, const QByteArray& valore)
    {
        if (valore.isNull())
            qunsetenv(nome);
        else
            qputenv(nome, valore);
    }
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
    QByteArray tmpdir_, cache_;
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
    QTest::newRow("due sezioni") << QStringLiteral("Guida: X\r\rtesto X\r\fGuida: Y\r\rtesto Y\r\f")
                                 << QStringList{"Guida: X", "", "testo X", "Guida: Y", "", "testo Y", ""}
                                 << QList<int>{3, 6};
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
    const QString p = w.mostra().percorso;
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
    QCOMPARE(inizio.mid(30, 8), QByteArray("mimetype"));
    // Italian for the word processor's spelling: every text style of the content declares it.
    f.seek(0);
    const QByteArray contenuto = OdfLingua::membro(f.readAll(), "content.xml");
    QVERIFY(contenuto.contains("Guida: prova"));
    QVERIFY(contenuto.count("<style:text-properties") > 0);
    QCOMPARE(contenuto.count("<style:text-properties fo:language=\"it\" fo:country=\"IT\""),
             contenuto.count("<style:text-properties"));
    QVERIFY(aperti_.isEmpty());

    QVERIFY(!w.salvaCome(cartella.filePath(QStringLiteral("manca/Possidoria-guida.odt"))));
}

// A picture goes inside the package, in its own paragraph between the texts around it.
void TestWordQt::immagineNelDocumento()
{
    QTemporaryDir cartella;
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.aggiungiParagrafoFinale();
    w.testoParagrafo(QStringLiteral("prima\r"));
    QImage immagine(90, 24, QImage::Format_RGB32);
    immagine.fill(Qt::blue);
    w.immagineParagrafo(immagine);
    w.testoParagrafo(QStringLiteral("dopo"));
    QCOMPARE(w.documento()->toPlainText(), QStringLiteral("prima\n\uFFFC\ndopo"));
    const QString percorso = cartella.filePath(QStringLiteral("sentenza.odt"));
    QVERIFY(w.salvaCome(percorso));
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::ReadOnly));
    // Zip entry names are stored as they are: the picture is a member of the package.
    QVERIFY(f.readAll().contains("Pictures/"));
}

void TestWordQt::mostraSenzaSalvataggio()
{
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("sentenza"));
    const DocumentoMostrato esito = w.mostra();
    const QString p = esito.percorso;
    daCancellare_ << p;
    QVERIFY(esito.scritto);
    QVERIFY(esito.aperto);
    QVERIFY(!esito.cartellaRipiego);
    QVERIFY(!esito.applicazione.isEmpty());
    QVERIFY(QFileInfo(p).isFile());
    QCOMPARE(QFileInfo(p).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    QVERIFY(p.endsWith(QStringLiteral(".odt")));
    QCOMPARE(aperti_, QList<QUrl>{QUrl::fromLocalFile(p)});
    // The port only reports: the record of the last export and any message are the program's.
    QCOMPARE(ModPossidoria::docword, QStringLiteral("prima"));
    QVERIFY(finta_->messaggi.mostrati.isEmpty());

    // A second export never overwrites the first document.
    const QString q = w.mostra().percorso;
    daCancellare_ << q;
    QVERIFY(q != p);
    QVERIFY(QFileInfo(p).isFile());
}

// A saved document is opened as it is, not written a second time; changed after saving, it is.
void TestWordQt::mostraDopoSalvataggio()
{
    QTemporaryDir cartella;
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("guida"));
    const QString percorso = cartella.filePath(QStringLiteral("Possidoria-guida.odt"));
    QVERIFY(w.salvaCome(percorso));
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("segno");
    f.close();

    DocumentoMostrato esito = w.mostra();
    QVERIFY(esito.scritto);
    QCOMPARE(esito.percorso, percorso);
    QCOMPARE(aperti_, QList<QUrl>{QUrl::fromLocalFile(percorso)});
    QCOMPARE(QFileInfo(percorso).size(), 5);

    w.scrivi(QStringLiteral(" aggiunta"));
    esito = w.mostra();
    QVERIFY(esito.scritto);
    QCOMPARE(esito.percorso, percorso);
    QVERIFY(QFileInfo(percorso).size() > 5);
}

void TestWordQt::mostraSenzaProgramma()
{
    WordQt w(registraApertura(false));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("sentenza"));
    const DocumentoMostrato esito = w.mostra();
    daCancellare_ << esito.percorso;
    QVERIFY(esito.scritto);
    QVERIFY(QFileInfo(esito.percorso).isFile());
    QVERIFY(!esito.aperto);
    QVERIFY(esito.applicazione.isEmpty());
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
}

// Saved where it cannot be written any more: mostra reports it instead of opening a stale file.
void TestWordQt::mostraSenzaCartella()
{
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("guida.odt"));
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    QVERIFY(w.salvaCome(percorso));
    QVERIFY(cartella.remove());
    const DocumentoMostrato esito = w.mostra();
    QVERIFY(!esito.scritto);
    QCOMPARE(esito.percorso, percorso);
    QVERIFY(aperti_.isEmpty());
}

// A disk that fills up mid-write: nothing is reported as written, nothing is opened, the old file
// stays, no fragment is left behind, and the export tells the user and records nothing.
void TestWordQt::discoPieno()
{
    QTemporaryDir temporanea;
    QTemporaryDir cartella;
    qputenv("TMPDIR", temporanea.path().toLocal8Bit());
    const QString salvato = cartella.filePath(QStringLiteral("guida.odt"));
    {
        QFile f(salvato);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("vecchio");
    }
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("Un testo che non ci sta.\r"));
    {
        // Even the smallest document is a zip of several parts, well over 200 bytes.
        LimiteFile disco(200);
        QVERIFY(disco.attivo());
        QVERIFY(!w.salvaCome(salvato));
        QVERIFY(!w.mostra().scritto);
        QVERIFY(Esportazione::mostra(w).isEmpty());
    }
    QFile f(salvato);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("vecchio"));
    QCOMPARE(QDir(temporanea.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(aperti_.isEmpty());
    QCOMPARE(ModPossidoria::docword, QStringLiteral("prima"));
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Esclamazione);
    QVERIFY(finta_->messaggi.ultimo().testo.startsWith(QStringLiteral("Non è stato possibile scrivere il documento")));
}

// TMPDIR naming no usable folder: Qt answers an empty temporary path, and the document would land in
// the root folder. It goes to the user's cache folder instead, and the export says where.
void TestWordQt::cartellaTemporaneaInutilizzabile_data()
{
    QTest::addColumn<bool>("file");   // TMPDIR names a file, not a folder
    QTest::newRow("mancante") << false;
    QTest::newRow("un file") << true;
}

void TestWordQt::cartellaTemporaneaInutilizzabile()
{
    QFETCH(bool, file);
    QTemporaryDir cache;
    const QString tmpdir = cache.filePath(QStringLiteral("tmp"));
    if (file) {
        QFile f(tmpdir);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    qputenv("TMPDIR", tmpdir.toLocal8Bit());
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    WordQt w(registraApertura(true));
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("sentenza"));
    const QString p = Esportazione::mostra(w);
    QVERIFY(p.startsWith(cache.path() + QLatin1Char('/')));
    QVERIFY(!p.startsWith(tmpdir));
    QVERIFY(QFileInfo(p).isFile() && QFileInfo(p).size() > 0);
    QCOMPARE(ModPossidoria::docword, p);
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Informazione);
    QVERIFY(finta_->messaggi.ultimo().testo.endsWith(QDir::toNativeSeparators(p)));
}

// The desktop's word processor is asked only by an export that opened the document, and only once:
// building, saving or an export that opened nothing never ask.
void TestWordQt::applicazioneChiestaSoloDallEsportazione_data()
{
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("nome");   // what the export reports
    QTest::newRow("il desktop risponde") << "writer.desktop"
                                         << "writer.desktop";
    QTest::newRow("il desktop non sa") << ""
                                       << "desktop";
}

void TestWordQt::applicazioneChiestaSoloDallEsportazione()
{
    QFETCH(QString, risposta);
    QFETCH(QString, nome);
    QTemporaryDir cartella;
    int domande = 0;
    bool apre = false;
    WordQt w([&apre](const QUrl&) { return apre; },
             [&domande, risposta] {
                 ++domande;
                 return risposta;
             });
    w.nuovoDocumento();
    w.scrivi(QStringLiteral("sentenza"));
    QVERIFY(w.salvaCome(cartella.filePath(QStringLiteral("sentenza.odt"))));
    DocumentoMostrato esito = w.mostra();
    QVERIFY(esito.scritto && !esito.aperto);
    QVERIFY(esito.applicazione.isEmpty());
    QCOMPARE(domande, 0);
    apre = true;
    for (int volta = 1; volta <= 2; ++volta) {
        esito = w.mostra();
        QVERIFY(esito.aperto);
        QCOMPARE(esito.applicazione, nome);
    }
    QCOMPARE(domande, 1);
}

// The real question goes to xdg-mime on the path: not when the port is made, but when an export
// opens a document, and its answer is reported.
void TestWordQt::applicazioneDalDesktop()
{
    QTemporaryDir bin;
    const QString segno = bin.filePath(QStringLiteral("chiesto"));
    {
        QFile script(bin.filePath(QStringLiteral("xdg-mime")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$@\" > '" + QFile::encodeName(segno) + "'\necho writer.desktop\n");
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    }
    struct Percorso {
        const QByteArray prima = qgetenv("PATH");
        ~Percorso() { qputenv("PATH", prima); }
    } percorso;
    qputenv("PATH", QFile::encodeName(bin.path()));
    QTemporaryDir cartella;
    {
        WordQt w(registraApertura(true));
        QTest::qWait(50);
        QVERIFY(!QFile::exists(segno));
        w.nuovoDocumento();
        w.scrivi(QStringLiteral("sentenza"));
        QVERIFY(w.salvaCome(cartella.filePath(QStringLiteral("sentenza.odt"))));
        QVERIFY(!QFile::exists(segno));
        QCOMPARE(w.mostra().applicazione, QStringLiteral("writer.desktop"));
    }
    QFile f(segno);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().trimmed(), QByteArray("query default application/vnd.oasis.opendocument.text"));
}

QTEST_MAIN(TestWordQt)
#include "tst_wordqt.moc"
