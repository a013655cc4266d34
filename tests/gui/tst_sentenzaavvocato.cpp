// The judgment window's "Per l'avvocato": the maxims that bear on the judgment open in the maxims
// browser, the evidence to gather, the draft writ to the word processor and as PDF; a lost case
// gets no writ and is pointed to what would change it.
#include "gui/frame/modpossidoria.h"
#include "gui/case/archiviocausa.h"
#include "gui/case/finestrapossesso.h"
#include "core/causaviva.h"
#include "core/esempi.h"
#include "core/giurisprudenza.h"
#include "core/istruttoria.h"
#include "fakes/piattaformafinta.h"
#include "gui/judgment/finestrasentenza.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace ModPossidoria;

namespace {

QString esempio(const QString& nome)
{
    return QDir(Esempi::cartella(QCoreApplication::applicationDirPath() + QStringLiteral("/.."))).filePath(nome);
}

}   // namespace

class TstSentenzaAvvocato : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pulsanteEMenu();
    void massimeNelMassimario();
    void prove();
    void bozzaAllaVideoscrittura();
    void bozzaInPdf();
    void causaPersaSenzaBozza();

private:
    FinestraSentenza* apriEGiudica(const QString& file);
    PiattaformaFinta* finta_ = nullptr;
    QTemporaryDir cartella_;
};

void TstSentenzaAvvocato::init() { finta_ = new PiattaformaFinta; }

void TstSentenzaAvvocato::cleanup()
{
    delete finta_;
    finta_ = nullptr;
}

FinestraSentenza* TstSentenzaAvvocato::apriEGiudica(const QString& file)
{
    if (!ArchivioCausa::apriPercorso(causaViva(), esempio(file)))
        return nullptr;
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    return Finestre::di<FinestraSentenza>();
}

void TstSentenzaAvvocato::pulsanteEMenu()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-01-ventennale"));
    QVERIFY(s);
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s));
    QPushButton* avvocato = s->avvocato();
    QVERIFY(avvocato->isVisible());
    QCOMPARE(avvocato->shortcut(), QKeySequence(QStringLiteral("Alt+O")));
    QStringList voci;
    for (QAction* a : avvocato->menu()->actions())
        voci << a->text();
    QCOMPARE(voci,
             (QStringList{QStringLiteral("&Giurisprudenza pertinente..."), QStringLiteral("&Prove da raccogliere..."),
                          QStringLiteral("&Bozza di atto di citazione (videoscrittura)"),
                          QStringLiteral("Bozza di atto di citazione in P&DF...")}));
    // The button stands clear of the comment and of "Perché?", inside the window.
    const QRect pulsante = avvocato->geometry();
    for (const char* nome : {"commento", "cmdperche"}) {
        const auto* w = s->findChild<QWidget*>(QLatin1String(nome));
        QVERIFY(w);
        QVERIFY2(!pulsante.intersects(w->geometry()), nome);
    }
    QVERIFY(avvocato->parentWidget()->rect().contains(pulsante));
    salvaImmagine(s, QStringLiteral("sentenza-avvocato"));
}

void TstSentenzaAvvocato::massimeNelMassimario()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-02-decennale"));
    QVERIFY(s);
    const std::vector<MassimaPertinente> massime = s->massime();
    QVERIFY(!massime.empty());
    s->avvocato()->menu()->actions().at(0)->trigger();
    auto* dialogo = s->findChild<QDialog*>(QStringLiteral("giurisprudenza"));
    QVERIFY(dialogo);
    auto* elenco = dialogo->findChild<QListWidget*>(QStringLiteral("elencomassime"));
    QCOMPARE(elenco->count(), int(massime.size()));
    QVERIFY(elenco->item(0)->text().startsWith(massime[0].citazione + QStringLiteral(": ")));
    salvaImmagine(dialogo, QStringLiteral("sentenza-giurisprudenza"));
    // The last maxim chosen opens the browser on its very text.
    const int ultima = elenco->count() - 1;
    elenco->setCurrentRow(ultima);
    dialogo->findChild<QPushButton*>(QStringLiteral("aprimassima"))->click();
    QVERIFY(Finestre::caricata(QStringLiteral("massime")));
    QWidget* browser = Finestre::finestra(QStringLiteral("massime"));
    QVERIFY(browser->isVisible());
    auto* testo = browser->findChild<QPlainTextEdit*>(QStringLiteral("sent"));
    QVERIFY(testo);
    QCOMPARE(testo->toPlainText(), testoMassima(massime.back().riferimento));
    dialogo->close();
}

void TstSentenzaAvvocato::prove()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-13-obiezione-provata"));
    QVERIFY(s);
    s->avvocato()->menu()->actions().at(1)->trigger();
    const MessaggioRegistrato& m = finta_->messaggi.ultimo();
    QCOMPARE(m.titolo, titoloProve());
    QCOMPARE(m.testo, righeProve(proveDaRaccogliere(*s->giudizio())).join(QChar(13)));
    QVERIFY(m.testo.contains(QStringLiteral("Contro le obiezioni provate dal convenuto:")));
}

void TstSentenzaAvvocato::bozzaAllaVideoscrittura()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-01-ventennale"));
    QVERIFY(s);
    s->avvocato()->menu()->actions().at(2)->trigger();
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    const QStringList& op = finta_->word.operazioni;
    QCOMPARE(op.value(0), QStringLiteral("new"));
    QCOMPARE(op.value(1), QStringLiteral("font Century Gothic"));
    QCOMPARE(op.last(), QStringLiteral("show"));
    const QString& testo = finta_->word.testo;
    const Causa& c = s->giudizio()->causa;
    for (const QString& atteso : {QStringLiteral("BOZZA DI ATTO DI CITAZIONE"), QStringLiteral("ATTO DI CITAZIONE"),
                                  c.testi.attore, c.testi.convenuto, c.testi.bene, QStringLiteral("Vero che dal "),
                                  QStringLiteral("CONCLUSIONI"), QStringLiteral("art. 2651 c.c.")})
        QVERIFY2(testo.contains(atteso), qPrintable(atteso));
    QVERIFY(s->passo()->text().startsWith(QStringLiteral("la bozza di citazione è aperta")));
}

void TstSentenzaAvvocato::bozzaInPdf()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-01-ventennale"));
    QVERIFY(s);
    const QString pdf = cartella_.filePath(QStringLiteral("bozza.pdf"));
    finta_->dialoghi.risposte.enqueue(pdf);
    s->bozzaCitazioneInPdf();
    QCOMPARE(finta_->dialoghi.aperti.size(), 1);
    QCOMPARE(QFileInfo(finta_->dialoghi.aperti[0].nomeIniziale).fileName(),
             QStringLiteral("Bozza di citazione Mario Rossi - Giulia Bianchi.pdf"));
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith("%PDF"));
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    // A folder that cannot be written: the user is told.
    finta_->dialoghi.risposte.enqueue(cartella_.filePath(QStringLiteral("manca/bozza.pdf")));
    s->bozzaCitazioneInPdf();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY(finta_->messaggi.ultimo().testo.startsWith(QStringLiteral("La bozza di citazione non è stata scritta")));
}

void TstSentenzaAvvocato::causaPersaSenzaBozza()
{
    FinestraSentenza* s = apriEGiudica(QStringLiteral("Possidoria-dati-esempio-13-obiezione-provata"));
    QVERIFY(s);
    QCOMPARE(s->giudizio()->decisione.esito, Esito::Perde);
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    s->bozzaCitazioneInVideoscrittura();
    QVERIFY(finta_->word.operazioni.isEmpty());
    QCOMPARE(finta_->messaggi.mostrati.size(), 2);
    const MessaggioRegistrato& perche = finta_->messaggi.mostrati[0];
    QVERIFY(perche.testo.contains(QStringLiteral("perde la causa")));
    QVERIFY(perche.testo.contains(QStringLiteral("«Che cosa cambierebbe la sentenza»")));
    QCOMPARE(perche.pulsanti, Pulsanti::SiNo);
    // Yes: what would change the judgment, as its own button shows it.
    QCOMPARE(finta_->messaggi.mostrati[1].titolo, titoloAlternative());
    // No: nothing else, and no file dialog for the PDF either.
    finta_->messaggi.risposte.enqueue(Risposta::No);
    s->bozzaCitazioneInPdf();
    QCOMPARE(finta_->messaggi.mostrati.size(), 3);
    QVERIFY(finta_->dialoghi.aperti.isEmpty());
}

QTEST_MAIN(TstSentenzaAvvocato)
#include "tst_sentenzaavvocato.moc"
