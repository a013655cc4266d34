// The judgment window's PDF, print-out and timeline, on example cases opened as "&Apri..." opens
// them: the PDF holds the judgment shown, the print-out paints the same pages, a missing word
// processor leads to the PDF, and the timeline is the case's.
#include "gui/frame/modpossidoria.h"
#include "gui/case/archiviocausa.h"
#include "gui/case/finestrapossesso.h"
#include "core/causaviva.h"
#include "fakes/piattaformafinta.h"
#include "core/esempi.h"
#include "documento/documentosentenza.h"
#include "gui/judgment/finestrasentenza.h"
#include "documento/lineatempo.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace ModPossidoria;

namespace {

QString esempio(const QString& nome)
{
    return QDir(Esempi::cartella(QCoreApplication::applicationDirPath() + QStringLiteral("/.."))).filePath(nome);
}

// The text of a PDF, on one line, ligatures split, without the page footers (which fall inside a
// paragraph that runs over two pages).
QString testoPdf(const QString& percorso)
{
    QProcess p;
    p.start(
        QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
        {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), percorso, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    static const QRegularExpression piede(
        QStringLiteral("Sentenza (?:del |dell')\\d+º? \\w+ \\d{4} Pagina \\d+ di \\d+ ?"));
    return QString::fromUtf8(p.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified()
        .remove(piede);
}

}   // namespace

class TstSentenzaPdf : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pdfDellaSentenza_data();
    void pdfDellaSentenza();
    void pdfAnnullatoOImpossibile();
    void stampa();
    void senzaVideoscritturaSiOffreIlPdf();
    void lineaTempoDellaCausa();

private:
    FinestraSentenza* apriEGiudica(const QString& file);
    PiattaformaFinta* finta_ = nullptr;
    QTemporaryDir cartella_;
};

void TstSentenzaPdf::init() { finta_ = new PiattaformaFinta; }

void TstSentenzaPdf::cleanup()
{
    delete finta_;
    finta_ = nullptr;
}

FinestraSentenza* TstSentenzaPdf::apriEGiudica(const QString& file)
{
    if (!ArchivioCausa::apriPercorso(causaViva(), esempio(file)))
        return nullptr;
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    return Finestre::di<FinestraSentenza>();
}

void TstSentenzaPdf::pdfDellaSentenza_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("nome");
    QTest::newRow("vinta") << QStringLiteral("Possidoria-dati-esempio-01-ventennale")
                           << QStringLiteral("Sentenza Mario Rossi - Giulia Bianchi.pdf");
    QTest::newRow("obiezione provata") << QStringLiteral("Possidoria-dati-esempio-13-obiezione-provata")
                                       << QStringLiteral("Sentenza Federico Caruso - Sara Ferraro.pdf");
}

void TstSentenzaPdf::pdfDellaSentenza()
{
    QFETCH(QString, file);
    QFETCH(QString, nome);
    FinestraSentenza* s = apriEGiudica(file);
    QVERIFY(s);
    const QString pdf = cartella_.filePath(nome);
    finta_->dialoghi.risposte.enqueue(pdf);
    s->findChild<QPushButton*>(QStringLiteral("esportapdf"))->click();
    QCOMPARE(finta_->dialoghi.aperti.size(), 1);
    QCOMPARE(finta_->dialoghi.aperti[0].tipo, QStringLiteral("salva"));
    // The name proposed in a folder of the user's, never the one the program was started from.
    const QFileInfo proposto(finta_->dialoghi.aperti[0].nomeIniziale);
    QCOMPARE(proposto.fileName(), nome);
    QVERIFY(proposto.isAbsolute());
    QVERIFY(proposto.absolutePath() != QDir::currentPath());
    const QString testo = testoPdf(pdf);
    QVERIFY2(!testo.isEmpty(), "no text in the PDF");
    // Every line of the judgment and of the comment as the window shows them, and the facts.
    QStringList attesi;
    for (const QPlainTextEdit* t : {s->testosentenza(), s->commento()})
        for (const QString& r : t->toPlainText().split(QChar(10), Qt::SkipEmptyParts))
            attesi << r.simplified();
    attesi << s->giudizio()->fatti.value(0).mid(2) << s->giudizio()->obiezioni.value(8).mid(2);
    // What would change the judgment, after the comment.
    attesi << QStringLiteral("Che cosa cambierebbe la sentenza:");
    for (const QString& r : s->cambierebbe())
        attesi << r.simplified();
    for (const QString& a : attesi)
        QVERIFY2(testo.contains(a), qPrintable(a));
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    // The next export starts where this one went.
    s->esportaPdf_Click();
    QCOMPARE(QFileInfo(finta_->dialoghi.aperti.last().nomeIniziale).absolutePath(), QFileInfo(pdf).absolutePath());
}

void TstSentenzaPdf::pdfAnnullatoOImpossibile()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-02-decennale"));
    QVERIFY(s);
    finta_->dialoghi.risposte.enqueue(QString());   // cancelled: nothing written, nothing said
    s->esportaPdf_Click();
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    const QString impossibile = cartella_.filePath(QStringLiteral("manca/sentenza.pdf"));
    finta_->dialoghi.risposte.enqueue(impossibile);
    s->esportaPdf_Click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY(finta_->messaggi.ultimo().testo.contains(impossibile));
    QVERIFY(!QFileInfo::exists(impossibile));
}

void TstSentenzaPdf::stampa()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-03-interruzione"));
    QVERIFY(s);
    finta_->stampante.annulla = true;
    s->findChild<QPushButton*>(QStringLiteral("stampasentenza"))->click();
    QCOMPARE(finta_->stampante.operazioni, QStringList{QStringLiteral("dialog cancelled")});
    QVERIFY(finta_->stampante.pdf.isEmpty());

    finta_->stampante.annulla = false;
    finta_->stampante.operazioni.clear();
    s->stampaSentenza_Click();
    QCOMPARE(finta_->stampante.operazioni, (QStringList{QStringLiteral("dialog"), QStringLiteral("pages")}));
    const QString pdf = cartella_.filePath(QStringLiteral("stampa.pdf"));
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(finta_->stampante.pdf);
    f.close();
    QVERIFY(testoPdf(pdf).contains(s->testosentenza()->toPlainText().split(QChar(10)).first().simplified()));
    QVERIFY(finta_->messaggi.mostrati.isEmpty());

    // A printer that fails is told.
    finta_->stampante.operazioni.clear();
    finta_->stampante.erroreAlla = 1;
    s->stampaSentenza_Click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY(finta_->messaggi.ultimo().testo.contains(QStringLiteral("non è stata completata")));
}

void TstSentenzaPdf::senzaVideoscritturaSiOffreIlPdf()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-01-ventennale"));
    QVERIFY(s);
    finta_->word.esitoMostra.aperto = false;
    finta_->word.esitoMostra.applicazione.clear();
    const QString pdf = cartella_.filePath(QStringLiteral("offerto.pdf"));
    finta_->messaggi.risposte << Risposta::Ok << Risposta::Si;
    finta_->dialoghi.risposte.enqueue(pdf);
    s->esportaPerVideoscrittura();
    QCOMPARE(finta_->messaggi.mostrati.size(), 2);
    QCOMPARE(finta_->messaggi.mostrati[1].pulsanti, Pulsanti::SiNo);
    QVERIFY(QFileInfo(pdf).size() > 0);

    // With a word processor nothing more is asked.
    finta_->messaggi.mostrati.clear();
    finta_->word.esitoMostra.aperto = true;
    finta_->word.esitoMostra.applicazione = QStringLiteral("finto");
    s->esportaPerVideoscrittura();
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    QCOMPARE(finta_->dialoghi.aperti.size(), 1);
}

void TstSentenzaPdf::lineaTempoDellaCausa()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-01-ventennale"));
    QVERIFY(s);
    QLabel* l = s->lineaTempo();
    QVERIFY(!l->pixmap().isNull());
    QCOMPARE(
        l->pixmap().toImage(),
        immagineLineaTempo(*s->giudizio(), l->contentsRect().size()).convertToFormat(l->pixmap().toImage().format()));
    // Grown and brought back, the window draws its timeline anew at each size of the panel.
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    const QSize prima = s->size();
    const int larghezza = l->contentsRect().width();
    for (const QSize& dimensione : {prima * 5 / 4, prima}) {
        s->resize(dimensione);
        QTRY_COMPARE(l->contentsRect().width() > larghezza, dimensione != prima);
        QCOMPARE(l->pixmap().size(), l->contentsRect().size());
    }
    QTest::mouseClick(l, Qt::LeftButton);
    auto* grande = s->findChild<QDialog*>(QStringLiteral("lineatempogrande"));
    QVERIFY(grande);
    QVERIFY(grande->isVisible());
    salvaImmagine(grande, QStringLiteral("sentenza-linea-tempo"));
    salvaImmagine(s, QStringLiteral("sentenza-esempio-ventennale"));
    grande->close();
    // A new case leaves no timeline behind.
    s->svuota();
    QVERIFY(l->pixmap().isNull());
}

QTEST_MAIN(TstSentenzaPdf)
#include "tst_sentenzapdf.moc"
