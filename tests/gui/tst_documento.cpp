// The case as a document: it knows it is modified, its windows' titles say so, and every way of
// leaving it (canc, another case opened by any path, the exit, the title bar, the farewell splash)
// asks first when something would be lost, and loses nothing on "Annulla".
#include "gui/frame/finestralavoro.h"
#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/recenti.h"
#include "gui/frame/splash.h"
#include "avvio.h"
#include "gui/case/archiviocausa.h"
#include "core/causaviva.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestrapossesso.h"
#include "fakes/piattaformafinta.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace ModPossidoria;

namespace {

FinestraCausa* causa() { return Finestre::di<FinestraCausa>(); }

// The ways of leaving the case on screen.
enum class Via { Canc, Apri, FileNominato, Esempio, Uscita, BarraDelTitolo, TastoSplash, Sessione };

}   // namespace

Q_DECLARE_METATYPE(Via)

class TstDocumento : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void modificataSeguitaDaiTitoli();
    void vieDiAbbandono_data();
    void vieDiAbbandono();
    void siSalvaPrimaDiLasciare();
    void siConDialogoAnnullatoNonPerdeNulla();
    void esempioMaiSovrascritto();
    void recentiSenzaArchiviScomparsi();

private:
    // The file the case was opened from, and a second archive to open instead.
    QString salvato_, altro_;
    PiattaformaFinta* finta_ = nullptr;
    QTemporaryDir* cartella_ = nullptr;
};

void TstDocumento::init()
{
    finta_ = new PiattaformaFinta;
    cartella_ = new QTemporaryDir;
    salvato_ = cartella_->filePath(QStringLiteral("Possidoria-dati-salvato"));
    altro_ = cartella_->filePath(QStringLiteral("Possidoria-dati-altro"));
    Causa c;
    c.testi.attore = QStringLiteral("Rossi");
    c.testi.convenuto = QStringLiteral("Bianchi");
    c.scelte.tipologia = Tipologia::Proprieta;
    QVERIFY(salvaFileArchivio(salvato_, c));
    c.testi.attore = QStringLiteral("Verdi");
    QVERIFY(salvaFileArchivio(altro_, c));
}

void TstDocumento::cleanup()
{
    delete finta_;
    finta_ = nullptr;
    delete cartella_;
    cartella_ = nullptr;
}

// Typing marks the case and every case window's title; undoing the typing, or saving, unmarks it.
void TstDocumento::modificataSeguitaDaiTitoli()
{
    QVERIFY(ArchivioCausa::apriPercorso(causaViva(), salvato_));
    causa()->show();
    auto* possesso = Finestre::di<FinestraPossesso>();
    possesso->show();
    QVERIFY(QTest::qWaitForWindowExposed(possesso));
    QVERIFY(!causaViva().modificata());
    QVERIFY(!causa()->isWindowModified());
    QTest::keyClicks(causa()->luogo(), QStringLiteral("Lecco"));
    QVERIFY(causaViva().modificata());
    QVERIFY(causa()->isWindowModified());
    QVERIFY(possesso->isWindowModified());
    // The title names the case and its archive, the mark after the archive.
    QCOMPARE(causa()->windowHandle()->title(), QStringLiteral("Rossi c. Bianchi — Possidoria-dati-salvato* — "
                                                              "Possidoria: dati della causa"));
    salvaImmagine(causa(), QStringLiteral("causa-modificata"));
    // A window opened later takes the mark too; the main menu has none.
    auto* sentenza = Finestre::finestra<FinestraLavoro>(QStringLiteral("sentenza"));
    QVERIFY(sentenza->isWindowModified());
    QVERIFY(!Finestre::finestra(QStringLiteral("scelta"))->isWindowModified());
    // Back to what the archive holds: not modified.
    causa()->luogo()->clear();
    QVERIFY(!causaViva().modificata());
    QVERIFY(!possesso->isWindowModified());
    QTest::keyClicks(causa()->luogo(), QStringLiteral("Como"));
    causa()->salva_Click();
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    QVERIFY(!causaViva().modificata());
    QVERIFY(!causa()->isWindowModified());
    QCOMPARE(leggiFileArchivio(salvato_).causa.testi.luogo, QStringLiteral("Como"));
}

void TstDocumento::vieDiAbbandono_data()
{
    QTest::addColumn<Via>("via");
    QTest::addColumn<bool>("modificata");
    const std::pair<const char*, Via> vie[] = {
        {"canc", Via::Canc},
        {"apri", Via::Apri},
        {"file nominato (riga di comando, trascinamento, recenti)", Via::FileNominato},
        {"apri esempio", Via::Esempio},
        {"uscita", Via::Uscita},
        {"barra del titolo", Via::BarraDelTitolo},
        {"tasto sullo splash", Via::TastoSplash},
        {"fine della sessione", Via::Sessione},
    };
    for (const auto& [nome, via] : vie) {
        QTest::newRow(qPrintable(QStringLiteral("%1, modificata").arg(QString::fromUtf8(nome)))) << via << true;
        QTest::newRow(qPrintable(QStringLiteral("%1, salvata").arg(QString::fromUtf8(nome)))) << via << false;
    }
}

// Modified: one question, Sì / No / Annulla with Annulla the default, naming the case; on
// "Annulla" the case, its windows and its files stay as they were. Saved: no such question.
void TstDocumento::vieDiAbbandono()
{
    QFETCH(Via, via);
    QFETCH(bool, modificata);
    QVERIFY(ArchivioCausa::apriPercorso(causaViva(), salvato_));
    causa()->show();
    QVERIFY(QTest::qWaitForWindowExposed(causa()));
    if (modificata)
        QTest::keyClicks(causa()->bene(), QStringLiteral("fondo"));
    const Causa prima = causaViva().causa();
    const QByteArray file = [this] {
        QFile f(salvato_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    finta_->messaggi.mostrati.clear();
    bool proseguita = true;
    switch (via) {
    case Via::Canc: causa()->azzera_Click(); break;
    case Via::Apri:
        finta_->dialoghi.risposte.enqueue(altro_);
        causa()->findChild<QAction*>(QStringLiteral("apri"))->trigger();
        break;
    case Via::FileNominato: causa()->apriFile(altro_); break;
    case Via::Esempio: causa()->apriEsempio(altro_); break;
    case Via::Uscita: chiediuscita(); break;
    case Via::BarraDelTitolo:
        // The user's close, as the title bar's button asks it.
        causa()->close();
        break;
    case Via::TastoSplash: {
        causa()->hide();
        auto* splash = Finestre::finestra<FrmSplash>(QStringLiteral("frmSplash"));
        splash->show();
        QTest::keyClick(splash, Qt::Key_X);
        break;
    }
    case Via::Sessione: proseguita = Avvio::sessioneTermina(true); break;
    }
    const auto domande = [this] {
        int n = 0;
        for (const MessaggioRegistrato& m : finta_->messaggi.mostrati)
            n += m.pulsanti == Pulsanti::SiNoAnnulla;
        return n;
    }();
    if (!modificata) {
        QCOMPARE(domande, 0);
        if (via == Via::Canc)
            QCOMPARE(causaViva().causa(), Causa{});
        if (via == Via::Apri || via == Via::FileNominato || via == Via::Esempio)
            QCOMPARE(causaViva().testi().attore, QStringLiteral("Verdi"));
        if (via == Via::Uscita)   // the program's own exit question, as ever
            QCOMPARE(finta_->messaggi.ultimo().testo, QStringLiteral("Si desidera uscire da Possidoria?"));
        return;
    }
    QCOMPARE(domande, 1);
    const MessaggioRegistrato& d = finta_->messaggi.mostrati.first();
    QCOMPARE(d.pulsanti, Pulsanti::SiNoAnnulla);
    QCOMPARE(d.predefinita, Risposta::Annulla);
    QCOMPARE(d.icona, Icona::Domanda);
    QVERIFY2(d.testo.startsWith(QStringLiteral(
                 "Le modifiche alla causa «Rossi c. Bianchi» non sono state salvate.\rSalvarla prima di ")),
             qPrintable(d.testo));
    // Annulla: nothing lost, nothing written, the window still there.
    QVERIFY(!proseguita || via != Via::Sessione);
    QCOMPARE(causaViva().causa(), prima);
    QVERIFY(causaViva().modificata());
    QCOMPARE(causaViva().archivio(), salvato_);
    QFile f(salvato_);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), file);
    QVERIFY(Finestre::caricata(QStringLiteral("causa")));
    if (via != Via::TastoSplash)
        QVERIFY(causa()->isVisible());
    else
        QVERIFY(Finestre::caricata(QStringLiteral("frmSplash")));
    QCOMPARE(causa()->bene()->text(), QStringLiteral("fondo"));
}

// "Sì": the case saved first (to its archive, without a dialog), then left.
void TstDocumento::siSalvaPrimaDiLasciare()
{
    QVERIFY(ArchivioCausa::apriPercorso(causaViva(), salvato_));
    QTest::keyClicks(causa()->bene(), QStringLiteral("fondo"));
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    QVERIFY(causa()->apriFile(altro_));
    QCOMPARE(leggiFileArchivio(salvato_).causa.testi.bene, QStringLiteral("fondo"));
    QCOMPARE(causaViva().testi().attore, QStringLiteral("Verdi"));
    QVERIFY(!causaViva().modificata());
}

// "Sì" for a case never saved opens the save dialog; cancelling it keeps the case.
void TstDocumento::siConDialogoAnnullatoNonPerdeNulla()
{
    QTest::keyClicks(causa()->attore(), QStringLiteral("Neri"));
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    causa()->azzera_Click();
    QCOMPARE(finta_->messaggi.ultimo().testo,
             QStringLiteral("La causa «Neri» non è stata salvata.\rSalvarla prima di iniziare una nuova causa?"));
    QCOMPARE(finta_->dialoghi.aperti.size(), 1);
    QCOMPARE(finta_->dialoghi.aperti.last().tipo, QStringLiteral("salva"));
    QCOMPARE(causaViva().testi().attore, QStringLiteral("Neri"));
    QVERIFY(causaViva().modificata());
}

// An example, however opened, is never written: "Salva" asks for a name of the user's own, and
// naming the example itself is refused.
void TstDocumento::esempioMaiSovrascritto()
{
    QTemporaryDir programma;
    QVERIFY(programma.isValid());
    QDir(programma.path()).mkdir(QStringLiteral("esempi"));
    const QString esempio = programma.filePath(QStringLiteral("esempi/Possidoria-dati-esempio-prova"));
    QVERIFY(QFile::copy(salvato_, esempio));
    impostaCartellaProgramma(programma.path());
    QVERIFY(causa()->apriFile(esempio));   // as the command line and the recent list open it
    QVERIFY(causaViva().solaLettura());
    QTest::keyClicks(causa()->luogo(), QStringLiteral("Lecco"));
    finta_->dialoghi.risposte.enqueue(esempio);
    causa()->salva_Click();
    QCOMPARE(finta_->dialoghi.aperti.last().tipo, QStringLiteral("salva"));
    QCOMPARE(QFileInfo(finta_->dialoghi.aperti.last().nomeIniziale).fileName(),
             QStringLiteral("Possidoria-dati-esempio-prova"));
    QVERIFY(!finta_->dialoghi.aperti.last().nomeIniziale.startsWith(programma.path()));
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Esclamazione);
    QVERIFY(leggiFileArchivio(esempio).causa.testi.luogo.isEmpty());
    QVERIFY(causaViva().modificata());
    // A name of the user's own: saved there, and from then on that is the case's archive.
    const QString mio = cartella_->filePath(QStringLiteral("Possidoria-dati-mio"));
    finta_->dialoghi.risposte.enqueue(mio);
    causa()->salva_Click();
    QCOMPARE(causaViva().archivio(), mio);
    QVERIFY(!causaViva().solaLettura());
    QCOMPARE(leggiFileArchivio(mio).causa.testi.luogo, QStringLiteral("Lecco"));
    impostaCartellaProgramma(QString());

    // The examples where the sources keep them, outside the program's folder, are examples too.
    causaViva().segnaSalvata(QString());
    QVERIFY(causa()->apriFile(esempio));
    QVERIFY(causaViva().solaLettura());
    QTest::keyClicks(causa()->luogo(), QStringLiteral("Como"));
    finta_->dialoghi.risposte.enqueue(QString());
    causa()->salva_Click();
    QCOMPARE(finta_->dialoghi.aperti.last().tipo, QStringLiteral("salva"));
    QVERIFY(leggiFileArchivio(esempio).causa.testi.luogo.isEmpty());
}

// The recent list drops an archive deleted by "&Elimina..." or gone from its folder.
void TstDocumento::recentiSenzaArchiviScomparsi()
{
    QVERIFY(causa()->apriFile(altro_));
    QVERIFY(causa()->apriFile(salvato_));
    QVERIFY(Recenti::elenco().contains(QFileInfo(altro_).absoluteFilePath()));
    finta_->dialoghi.risposte.enqueue(altro_);
    finta_->messaggi.risposte.enqueue(Risposta::Si);   // delete it, yes
    causa()->eliminare_click();
    QVERIFY(!QFile::exists(altro_));
    QVERIFY(!Recenti::elenco().contains(QFileInfo(altro_).absoluteFilePath()));
    // Gone behind the program's back: the File menu no longer offers it.
    QVERIFY(QFile::remove(salvato_));
    QMenu* file = causa()->findChild<QMenu*>(QStringLiteral("mnufile"));
    QMetaObject::invokeMethod(file, "aboutToShow");
    QVERIFY(!causa()->findChild<QAction*>(QStringLiteral("recente1"))
            || causa()->findChild<QAction*>(QStringLiteral("recente1"))->property("recente").toString()
                   != QFileInfo(salvato_).absoluteFilePath());
    QVERIFY(!Recenti::elenco().contains(QFileInfo(salvato_).absoluteFilePath()));
}

QTEST_MAIN(TstDocumento)
#include "tst_documento.moc"
