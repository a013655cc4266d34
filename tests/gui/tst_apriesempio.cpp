// Opening a worked example, from the File menu and from the help contents: the case is the
// example's, and "&Salva" then asks for a new name, so that the example stays as installed.
#include "gui/frame/modpossidoria.h"
#include "gui/case/finestracausa.h"
#include "core/causaviva.h"
#include "fakes/piattaformafinta.h"
#include "core/esempi.h"
#include "gui/help/finestraesempi.h"
#include "gui/help/sommario.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace ModPossidoria;

namespace {

QString cartellaEsempi() { return Esempi::cartella(QCoreApplication::applicationDirPath() + QStringLiteral("/..")); }

QByteArray impronta(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                       : QByteArray();
}

}   // namespace

class TstApriEsempio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dalMenuFile();
    void dalSommario();

private:
    PiattaformaFinta* finta_ = nullptr;
};

void TstApriEsempio::init()
{
    impostaCartellaProgramma(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    finta_ = new PiattaformaFinta;
}

void TstApriEsempio::cleanup()
{
    delete finta_;
    finta_ = nullptr;
    impostaCartellaProgramma(QString());
}

void TstApriEsempio::dalMenuFile()
{
    auto* causa = Finestre::finestra<FinestraCausa>(QStringLiteral("causa"));
    const EsempioCausa& e = Esempi::elenco().first();
    const QString percorso = QDir(cartellaEsempi()).filePath(e.file);
    const QByteArray prima = impronta(percorso);
    finta_->dialoghi.risposte.enqueue(percorso);
    QAction* voce = causa->findChild<QAction*>(QStringLiteral("apriesempio"));
    QVERIFY(voce);
    QVERIFY(voce->isEnabled());
    voce->trigger();
    QCOMPARE(finta_->dialoghi.aperti.size(), 1);
    QCOMPARE(QDir(finta_->dialoghi.aperti[0].nomeIniziale).canonicalPath(), QDir(cartellaEsempi()).canonicalPath());
    QCOMPARE(causa->attore()->text(), QStringLiteral("Mario Rossi"));
    QVERIFY(causaViva().solaLettura());

    // "&Salva" asks for a name, the example's own in the user's folder; cancelled, the example is untouched.
    causa->salva_Click();
    QCOMPARE(finta_->dialoghi.aperti.size(), 2);
    QCOMPARE(finta_->dialoghi.aperti[1].tipo, QStringLiteral("salva"));
    const QFileInfo proposta(finta_->dialoghi.aperti[1].nomeIniziale);
    QCOMPARE(proposta.fileName(), e.file);
    QVERIFY(proposta.absolutePath() != QFileInfo(percorso).absolutePath());
    QCOMPARE(impronta(percorso), prima);
}

void TstApriEsempio::dalSommario()
{
    auto* sommario = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    QCOMPARE(sommario->lbl(17)->text().trimmed(), QStringLiteral("Casi di esempio"));
    sommario->puls_Click(17);
    auto* esempi = sommario->findChild<FinestraEsempi*>();
    QVERIFY(esempi);
    QCOMPARE(esempi->elenco()->count(), Esempi::elenco().size());
    auto* apri = esempi->findChild<QPushButton*>(QStringLiteral("apri"));
    QVERIFY(!apri->isEnabled());
    const int riga = int(Esempi::elenco().size()) - 1;
    esempi->elenco()->setCurrentRow(riga);
    QCOMPARE(esempi->spiegazione()->text(), Esempi::elenco()[riga].spiegazione);
    salvaImmagine(esempi, QStringLiteral("casi-di-esempio"));
    apri->click();
    auto* causa = Finestre::di<FinestraCausa>();
    // The last example holds the facts of the tenth record: the act that interrupted is read too.
    QCOMPARE(causa->attore()->text(), QStringLiteral("Elisa Ferri"));
    QCOMPARE(causaViva().scelte().atto, std::optional(AttoInterruttivo::PerditaPossesso));
    QVERIFY(causaViva().solaLettura());
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
}

QTEST_MAIN(TstApriEsempio)
#include "tst_apriesempio.moc"
