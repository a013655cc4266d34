// The case header window: its controls, the explanations of the twelve types, the hint, the check
// before the possession window, and the reset that starts a new case.
#include "gui/frame/gruppoopzioni.h"
#include "core/causaviva.h"
#include "gui/frame/modpossidoria.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestrapossesso.h"
#include "fakes/piattaformafinta.h"
#include "gui/judgment/finestrasentenza.h"
#include "core/codicecivile.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace ModPossidoria;

namespace {
const QChar CR(13);
const QString hintAttore = QStringLiteral(
    "aprire un file con i dati archiviati o iniziare l'immissione dei dati digitando il nome dell'attore della causa");
const QString hintFinale = QStringLiteral(
    "correggere, archiviare quanto immesso, procedere con i dati sul possesso cliccando sull'apposito tasto "
    "-------------------------->>>");
}   // namespace

class TstCausa : public QObject {
    Q_OBJECT
private slots:
    void titoloNominaLaCausa_data();
    void titoloNominaLaCausa();
    void init();
    void cleanup();
    void controlli_data();
    void controlli();
    void caricaMostraLaCausa();
    void spiegazioni_data();
    void spiegazioni();
    void beniMostranoLeSpiegazioni();
    void passo_data();
    void passo();
    void procedi_data();
    void procedi();
    void cancSenzaTipologiaChiede();
    void cancIniziaUnaNuovaCausa();
    void cancSvuotaLaSentenza();
    void chiusaDallaBarraNonPerdeNulla();
    void tabellaDiTabulazione_data();
    void tabellaDiTabulazione();
    void menuEScelta();
    void immagine();

private:
    FinestraCausa* causa();
    void compila(const QString& attore, const QString& convenuto, const QString& bene, const QString& luogo);
    PiattaformaFinta* finta_ = nullptr;
};

void TstCausa::init()
{
    finta_ = new PiattaformaFinta;
    causaViva().azzera();
}

void TstCausa::cleanup()
{
    delete finta_;
    finta_ = nullptr;
}

FinestraCausa* TstCausa::causa() { return Finestre::di<FinestraCausa>(); }

void TstCausa::compila(const QString& attore, const QString& convenuto, const QString& bene, const QString& luogo)
{
    FinestraCausa* c = causa();
    QTest::keyClicks(c->attore(), attore);
    QTest::keyClicks(c->convenuto(), convenuto);
    QTest::keyClicks(c->bene(), bene);
    QTest::keyClicks(c->luogo(), luogo);
}

void TstCausa::controlli_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("tooltip");
    auto riga = [](const char* nome, const char* testo, const char* tooltip) {
        QTest::newRow(nome) << QString::fromUtf8(nome) << QString::fromUtf8(testo) << QString::fromUtf8(tooltip);
    };
    riga("Label5", "Dati generali della causa", "questi dati servono unicamente come informazioni sulla causa");
    riga("Label1", "attore:", "il nome di chi promuove la causa");
    riga("attore", "", "il nome di chi promuove la causa");
    riga("Label2", "convenuto:", "il nome di chi è chiamato in causa");
    riga("Label3", "bene o diritto:", "il bene o il diritto sul bene a cui si riferisce la causa");
    riga("Label4", "località:", "il luogo in cui si trova il bene oggetto di causa");
    riga("luogo", "", "il luogo in cui si trova il bene oggetto di causa");
    riga("Frame7", "Tipologia di usucapione:", "scegliere la situazione più rispondente");
    riga("Option1(1)", "proprietà.........................................",
         "cliccare su ? a lato per avere delucidazioni sulla tipologia");
    riga("Option1(11)", "beni mobili iscritti in pubblici registri",
         "cliccare su ? a lato per avere delucidazioni sulla tipologia");
    riga("Option1(12)", "beni mobili e immobili appartenenti al demanio pubblico",
         "cliccare su ? a lato per avere delucidazioni sulla tipologia");
    riga("spiega1(12)", "?", "cliccare per visualizzare una breve spiegazione della tipologia");
    riga("Label8",
         "Scegliere una delle tipologie di causa che corrispondono a differenti normative del Codice Civile. "
         "Cliccare sul tasto ? per avere delucidazioni in proposito.",
         "come scegliere la tipologia di usucapione");
    riga("lbbeni(2)", "Beni mobili", "sono definiti dall'art.812 del Codice Civile (cliccare per visualizzarli)");
    riga("lbbeni(3)", "Beni del demanio", "sono definiti dall'art.822 del Codice Civile (cliccare per visualizzarli)");
    riga("passo", "", "indicazioni sulla corretta procedura di immissione dei dati");
    riga("guidafinestra", "", "informazioni sull'uso della finestra");
    riga("azzera", "canc", "cliccare per cancellare tutti i dati e iniziare una nuova causa");
    riga("cmdavanti", "&Procedi", "cliccare per visualizzare la finestra Possesso");
    riga("guidainlinea", "&Guida in linea", "cliccare per visualizzare gli Argomenti della guida");
    riga("aiuto", "&AIUTO", "cliccare per visualizzare l'aiuto in linea");
    riga("esco", "&USCITA", "cliccare per uscire da Possidoria");
}

void TstCausa::controlli()
{
    QFETCH(QString, nome);
    QFETCH(QString, testo);
    QFETCH(QString, tooltip);
    QWidget* w = causa()->findChild<QWidget*>(nome);
    QVERIFY2(w, qPrintable(nome));
    QCOMPARE(w->toolTip(), tooltip);
    if (testo.isEmpty())
        return;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        QCOMPARE(b->text(), testo);
    else if (auto* l = qobject_cast<QLabel*>(w))
        QCOMPARE(l->text(), testo);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        QCOMPARE(g->title(), testo);
}

void TstCausa::caricaMostraLaCausa()
{
    // The window shows the case as it stands: a type chosen before it opened is selected.
    causaViva().imposta(&DatiCausa::tipologia, Tipologia::Abitazione);
    causa();
    QCOMPARE(causaViva().scelte().tipologia, std::optional(Tipologia::Abitazione));
    QCOMPARE(causa()->Option1()->selezionato(), 5);
    causaViva().azzera();
    QCOMPARE(causa()->Option1()->selezionato(), 0);
    // The caption, with the place of the desktop's mark of unsaved changes.
    QCOMPARE(causa()->windowTitle(), QStringLiteral("Possidoria: dati della causa[*]"));
    QCOMPARE(causa()->passo()->text(), hintAttore);
    QVERIFY(causa()
                ->findChild<QLabel*>(QStringLiteral("guidafinestra"))
                ->text()
                .startsWith(QStringLiteral("Da questo momento in poi i dati vengono")));
}

// Every case window's title names the case and its archive, and says when it is only to be read.
void TstCausa::titoloNominaLaCausa_data()
{
    QTest::addColumn<QString>("attore");
    QTest::addColumn<QString>("convenuto");
    QTest::addColumn<QString>("archivio");
    QTest::addColumn<bool>("solaLettura");
    QTest::addColumn<QString>("titolo");
    const QString proprio = QStringLiteral("Possidoria: dati della causa");
    QTest::newRow("nuova, vuota") << ""
                                  << ""
                                  << "" << false << proprio + QStringLiteral("[*]");
    QTest::newRow("le parti") << "Rossi"
                              << "Bianchi"
                              << "" << false << QStringLiteral("Rossi c. Bianchi[*] — ") + proprio;
    QTest::newRow("parti e archivio") << " Rossi "
                                      << "Bianchi"
                                      << "/casa/Possidoria-dati-rossi" << false
                                      << QStringLiteral("Rossi c. Bianchi — Possidoria-dati-rossi[*] — ") + proprio;
    QTest::newRow("sola lettura") << "Rossi"
                                  << "Bianchi"
                                  << "/casa/Possidoria-dati-rossi" << true
                                  << QStringLiteral("Rossi c. Bianchi — Possidoria-dati-rossi[*] (sola lettura) — ")
                                         + proprio;
    QTest::newRow("solo l'archivio") << ""
                                     << ""
                                     << "/casa/Possidoria-dati-x" << false
                                     << QStringLiteral("Possidoria-dati-x[*] — ") + proprio;
    QTest::newRow("solo il convenuto") << ""
                                       << "Bianchi"
                                       << "" << false << QStringLiteral("contro Bianchi[*] — ") + proprio;
}

void TstCausa::titoloNominaLaCausa()
{
    QFETCH(QString, attore);
    QFETCH(QString, convenuto);
    QFETCH(QString, archivio);
    QFETCH(bool, solaLettura);
    QFETCH(QString, titolo);
    causa();
    Causa c;
    c.testi.attore = attore;
    c.testi.convenuto = convenuto;
    causaViva().sostituisci(c, archivio);
    causaViva().impostaSolaLettura(solaLettura);
    QCOMPARE(causa()->windowTitle(), titolo);
    // A window opened later names it the same way, after its own caption changes too.
    auto* possesso = Finestre::finestra(QStringLiteral("possesso"));
    QCOMPARE(possesso->windowTitle(),
             QString(titolo).replace(QStringLiteral("dati della causa"), QStringLiteral("dati sul possesso")));
    // Typing the parties renames it at once.
    causa()->attore()->setText(QStringLiteral("Verdi"));
    QVERIFY(causa()->windowTitle().startsWith(QStringLiteral("Verdi")));
}

void TstCausa::spiegazioni_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<QString>("fine");
    auto riga = [](int tipo, const char* inizio, const char* fine) {
        QTest::newRow(qPrintable(QString::number(tipo)))
            << tipo << QString::fromUtf8(inizio) << QString::fromUtf8(fine);
    };
    // Ownership is the right of art. 832, not the power over the thing that possession is.
    riga(1, "Per proprietà si intende il diritto di godere e disporre del bene",
         "stabiliti dall'ordinamento giuridico.");
    riga(2, "L'enfiteusi è un diritto reale di godimento su un fondo altrui",
         "(regolata dagli artt. 957-977 del Codice Civile).");
    riga(3, "L'usufrutto è regolato dagli artt. 978-1020", "rispettandone la destinazione economica.");
    riga(4, "L'uso è regolato dagli artt. 1021 e 1023-1026", "ai bisogni propri e della propria famiglia.");
    riga(5, "L'abitazione è regolata dagli artt. 1022-1026", "ai bisogni propri e della propria famiglia.");
    riga(6, "La servitù è regolata dagli artt. 1027-1099", "destinate al loro esercizio.");
    riga(7, "La servitù è regolata dagli artt. 1027-1099", "destinate al loro esercizio.");
    riga(9,
         "L'universalità di mobili è definita dall'art.816 del Codice Civile:", "separati atti e rapporti giuridici.");
    riga(10,
         "I beni immobili e mobili sono definiti dall'art.812 del Codice Civile:", "Sono mobili tutti gli altri beni.");
    riga(11, "I beni mobili iscritti in pubblici registri sono elencati dall'art.2683",
         "3) gli autoveicoli iscritti nel pubblico registro automobilistico.");
    riga(
        12,
        "I beni appartenenti al demanio pubblico sono indicati nell'art.822 del Codice Civile e riguardano: il lido del mare,",
        "non usucapibili.");
}

void TstCausa::spiegazioni()
{
    QFETCH(int, tipo);
    QFETCH(QString, inizio);
    QFETCH(QString, fine);
    causa()->findChild<QPushButton*>(QStringLiteral("spiega1(%1)").arg(tipo))->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    const MessaggioRegistrato& m = finta_->messaggi.ultimo();
    QCOMPARE(m.icona, Icona::Informazione);
    QCOMPARE(m.titolo, QStringLiteral("Possidoria: aiuto in linea"));
    QVERIFY2(m.testo.startsWith(inizio), qPrintable(m.testo));
    QVERIFY2(m.testo.endsWith(fine), qPrintable(m.testo));
    QVERIFY(!m.testo.contains(QChar('\n')));
    // Several articles are "artt.", one alone "art.".
    static const QRegularExpression unoPerMolti(QStringLiteral("\\bart\\. ?\\d+(-\\d| e \\d|, \\d)"));
    QVERIFY2(!unoPerMolti.match(m.testo).hasMatch(), qPrintable(m.testo));
}

void TstCausa::beniMostranoLeSpiegazioni()
{
    // Type 8 quotes article 1159 bis as the Civil Code browser shows it, with that browser never
    // built; 6 and 7 quote art. 1061 in its own wording with an empty line after the first sentence.
    QVERIFY(!Finestre::caricata(QStringLiteral("norme")));
    QCOMPARE(FinestraCausa::spiegazione(8), CodiceCivile::testoVisualizzato(21));
    QVERIFY(FinestraCausa::spiegazione(8).startsWith(QStringLiteral("Articolo 1159 bis del Codice Civile:\r")));
    QCOMPARE(FinestraCausa::spiegazione(6), FinestraCausa::spiegazione(7));
    const QStringList servitu = FinestraCausa::spiegazione(6).split(CR);
    QCOMPARE(servitu.size(), 4);
    QVERIFY(servitu[1].isEmpty());
    QCOMPARE(servitu[2], QStringLiteral("Art.1061 - ") + CodiceCivile::commiCitati(1061).value(0));
    QVERIFY(servitu[2].contains(QStringLiteral("per usucapione")));
    QCOMPARE(FinestraCausa::spiegazione(0), FinestraCausa::spiegazione(1));
    QVERIFY(
        FinestraCausa::spiegazione(1).endsWith(QStringLiteral("Art.832 - ") + CodiceCivile::commiCitati(832).value(0)));
    QCOMPARE(FinestraCausa::spiegazione(13), FinestraCausa::spiegazione(1));

    // The goods links: immovable and movable goods both show art. 812, the public domain art. 822.
    for (int i = 1; i <= 3; ++i) {
        auto* l = causa()->findChild<QLabel*>(QStringLiteral("lbbeni(%1)").arg(i));
        QTest::mouseClick(l, Qt::LeftButton);
    }
    QCOMPARE(finta_->messaggi.mostrati.size(), 3);
    QCOMPARE(finta_->messaggi.mostrati[0].testo, FinestraCausa::spiegazione(10));
    QCOMPARE(finta_->messaggi.mostrati[1].testo, FinestraCausa::spiegazione(10));
    QCOMPARE(finta_->messaggi.mostrati[2].testo, FinestraCausa::spiegazione(12));
}

void TstCausa::passo_data()
{
    QTest::addColumn<QStringList>("testi");   // attore, convenuto, bene, luogo
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("atteso");
    // clang-format off
    QTest::newRow("vuota") << QStringList{"", "", "", ""} << 0 << hintAttore;
    QTest::newRow("senza attore") << QStringList{"", "B", "C", "D"} << 3 << hintAttore;
    QTest::newRow("convenuto") << QStringList{"A", "", "C", "D"} << 3 << QStringLiteral("digitare il nome del convenuto");
    // clang-format on
    QTest::newRow("bene") << QStringList{"A", "B", "", ""} << 0
                          << QStringLiteral("digitare il tipo di bene da usucapire o il diritto relativo");
    QTest::newRow("luogo")
        << QStringList{"A", "B", "C", ""} << 2
        << QString::fromUtf8(
               "digitare il nome della località in cui si trova il bene o il diritto relativo da usucapire");
    QTest::newRow("tipo") << QStringList{"A", "B", "C", "D"} << 0
                          << QStringLiteral("scegliere la tipologia di usucapione cliccando su una di esse");
    QTest::newRow("completa") << QStringList{"A", "B", "C", "D"} << 12 << hintFinale;
}

void TstCausa::passo()
{
    QFETCH(QStringList, testi);
    QFETCH(int, tipo);
    QFETCH(QString, atteso);
    if (tipo)
        causa()->Option1()->pulsante(tipo)->click();
    compila(testi[0], testi[1], testi[2], testi[3]);
    QCOMPARE(causa()->passo()->text(), atteso);
    if (tipo)
        QCOMPARE(causaViva().scelte().tipologia, daNumero<Tipologia>(qint16(tipo)));
}

void TstCausa::procedi_data()
{
    QTest::addColumn<QStringList>("testi");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("passa");
    QTest::newRow("completa") << QStringList{"A", "B", "C", "D"} << 1 << true;
    // The place is not required to go on, though the hint still asks for it.
    QTest::newRow("senza luogo") << QStringList{"A", "B", "C", ""} << 4 << true;
    QTest::newRow("senza attore") << QStringList{"", "B", "C", "D"} << 4 << false;
    QTest::newRow("senza bene") << QStringList{"A", "B", "", "D"} << 4 << false;
    QTest::newRow("senza tipo") << QStringList{"A", "B", "C", "D"} << 0 << false;
}

void TstCausa::procedi()
{
    QFETCH(QStringList, testi);
    QFETCH(int, tipo);
    QFETCH(bool, passa);
    causa()->show();
    compila(testi[0], testi[1], testi[2], testi[3]);
    if (tipo)
        causa()->Option1()->pulsante(tipo)->click();
    causa()->findChild<QPushButton*>(QStringLiteral("cmdavanti"))->click();
    QCOMPARE(causa()->mancanodati(), passa ? 0 : 1);
    if (passa) {
        QVERIFY(finta_->messaggi.mostrati.isEmpty());
        QVERIFY(Finestre::caricata(QStringLiteral("possesso")));
        QVERIFY(Finestre::finestra(QStringLiteral("possesso"))->isVisible());
    } else {
        QCOMPARE(finta_->messaggi.mostrati.size(), 1);
        QCOMPARE(finta_->messaggi.ultimo().testo,
                 QStringLiteral("Attenzione: digitare tutti i dati richiesti per procedere correttamente."));
        QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Critico);
        QVERIFY(!Finestre::caricata(QStringLiteral("possesso")));
    }
}

void TstCausa::cancSenzaTipologiaChiede()
{
    // Texts typed without a type are a case too: canc asks, and "Annulla" (the default) keeps it all.
    compila(QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("fondo"), QStringLiteral("Lecco"));
    causaViva().imposta(&DatiCausa::interruzione, Interruzione::Nessuna);
    causa()->findChild<QPushButton*>(QStringLiteral("azzera"))->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().pulsanti, Pulsanti::SiNoAnnulla);
    QCOMPARE(causa()->attore()->text(), QStringLiteral("Rossi"));
    QCOMPARE(causa()->luogo()->text(), QStringLiteral("Lecco"));
    QCOMPARE(causaViva().scelte().interruzione, std::optional(Interruzione::Nessuna));
    // "No" drops it.
    finta_->messaggi.risposte.enqueue(Risposta::No);
    causa()->findChild<QPushButton*>(QStringLiteral("azzera"))->click();
    QVERIFY(causa()->attore()->text().isEmpty());
    QCOMPARE(causaViva().causa(), Causa{});
}

void TstCausa::cancIniziaUnaNuovaCausa()
{
    compila(QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("fondo"), QStringLiteral("Lecco"));
    causa()->Option1()->pulsante(3)->click();
    FinestraPossesso* p = Finestre::di<FinestraPossesso>();
    QTest::keyClicks(p->datainizio(), QStringLiteral("1/1/70"));
    QTest::keyClicks(p->datafine(), QStringLiteral("1/1/95"));
    for (int k = 1; k <= 6; ++k)
        p->gruppo(k)->seleziona(2);
    // Two objections: the dates and the manner, whose marker stands on the answer opposed.
    causaViva().imposta(&DatiCausa::provaInizioDate, ProvaCorta::Transazioni);
    causaViva().imposta(&DatiCausa::obiezioneModo, ProvaRequisito::Donazioni);
    QCOMPARE(p->numobiez()->text(), QStringLiteral("Sono state formulate n. 2 obiezioni."));
    QVERIFY(!p->marcatore(0)->isHidden());
    QVERIFY(!p->marcatore(5)->isHidden());
    causaViva().impostaArchivio(QStringLiteral("Possidoria-dati-Rossi"));

    finta_->messaggi.risposte.enqueue(Risposta::No);   // not saved: dropped
    causa()->azzera_Click();

    // Every screen is cleared...
    for (QLineEdit* t :
         {causa()->attore(), causa()->convenuto(), causa()->bene(), causa()->luogo(), p->datainizio(), p->datafine()})
        QVERIFY(t->text().isEmpty());
    QVERIFY(p->durata()->text().isEmpty());
    QCOMPARE(causa()->Option1()->selezionato(), 0);
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(p->gruppo(k)->selezionato(), 0);
    QCOMPARE(causa()->passo()->text(), hintAttore);
    // ...and nothing of the old case stays behind, unseen.
    QCOMPARE(causaViva().scelte(), DatiCausa{});
    for (int i = 0; i < FinestraPossesso::marcatori; ++i)
        QVERIFY2(p->marcatore(i)->isHidden(), qPrintable(QString::number(i)));
    QVERIFY(p->numobiez()->text().isEmpty());
    // With no duration the requirements wait again.
    QVERIFY(!p->frame(1)->isEnabled());
    // The old archive name goes too: "Salva" of the new case asks for a name, never overwrites.
    QVERIFY(causaViva().archivio().isEmpty());

    // A new case with new names but no new type is refused, and a second canc keeps it on "Annulla".
    compila(QStringLiteral("Verdi"), QStringLiteral("Neri"), QStringLiteral("casa"), QStringLiteral("Como"));
    causa()->cmdavanti_Click();
    QCOMPARE(causa()->mancanodati(), 1);
    causa()->azzera_Click();
    QCOMPARE(causa()->attore()->text(), QStringLiteral("Verdi"));
}

void TstCausa::cancSvuotaLaSentenza()
{
    compila(QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("fondo"), QStringLiteral("Lecco"));
    causa()->Option1()->pulsante(1)->click();
    FinestraPossesso* p = Finestre::di<FinestraPossesso>();
    QTest::keyClicks(p->datainizio(), QStringLiteral("1/1/70"));
    QTest::keyClicks(p->datafine(), QStringLiteral("1/1/95"));
    for (int k = 1; k <= 6; ++k)
        p->gruppo(k)->seleziona(k == 1 ? 3 : 2);
    p->cmdavanti_Click();
    auto* s = Finestre::di<FinestraSentenza>();
    QVERIFY(!s->testosentenza()->toPlainText().isEmpty());
    QVERIFY(!s->findChild<QLabel*>(QStringLiteral("azione(1)"))->text().isEmpty());

    finta_->messaggi.risposte.enqueue(Risposta::No);
    causa()->azzera_Click();
    QVERIFY(s->testosentenza()->toPlainText().isEmpty());
    QVERIFY(s->commento()->toPlainText().isEmpty());
    for (int k = 1; k <= 7; ++k) {
        QVERIFY(s->findChild<QLabel*>(QStringLiteral("azione(%1)").arg(k))->text().isEmpty());
        QVERIFY(s->findChild<QLabel*>(QStringLiteral("obiezione(%1)").arg(k))->text().isEmpty());
    }
    QVERIFY(!s->giudizio());
}

// The title bar's close button discards no typing: asked first, the case saved stays, and the
// window opened again shows it.
void TstCausa::chiusaDallaBarraNonPerdeNulla()
{
    causa()->show();
    compila(QStringLiteral("Rossi"), QStringLiteral("Bianchi"), QStringLiteral("fondo"), QStringLiteral("Lecco"));
    causa()->Option1()->pulsante(6)->click();
    QVERIFY(!causa()->close());   // "Annulla", the default
    QVERIFY(causa()->isVisible());
    QTemporaryDir cartella;
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    finta_->dialoghi.risposte.enqueue(cartella.filePath(QStringLiteral("Possidoria-dati-Rossi")));
    QVERIFY(causa()->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Finestre::caricata(QStringLiteral("causa")));
    QCOMPARE(causaViva().testi().luogo, QStringLiteral("Lecco"));
    QCOMPARE(causa()->attore()->text(), QStringLiteral("Rossi"));
    QCOMPARE(causa()->luogo()->text(), QStringLiteral("Lecco"));
    QCOMPARE(causa()->Option1()->selezionato(), 6);
}

// From the last text, Tab stops once on the type (its chosen button, else the first) and then
// reaches "Procedi"; the arrows move inside the types without choosing; every "?" stays reachable.
void TstCausa::tabellaDiTabulazione_data()
{
    QTest::addColumn<int>("tipologia");
    QTest::newRow("nessuna") << 0;
    QTest::newRow("servitù apparenti") << 6;
}

void TstCausa::tabellaDiTabulazione()
{
    QFETCH(int, tipologia);
    causa()->show();
    QVERIFY(QTest::qWaitForWindowActive(causa()));
    if (tipologia)
        causa()->Option1()->pulsante(tipologia)->click();
    causa()->luogo()->setFocus();
    auto tab = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    QWidget* tipo = tab();
    QCOMPARE(tipo, causa()->Option1()->pulsante(qMax(tipologia, 1)));
    QCOMPARE(tab()->objectName(), QStringLiteral("cmdavanti"));
    QTest::keyClick(tipo, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), causa()->Option1()->pulsante(qMax(tipologia, 1) + 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), causa()->Option1()->pulsante(tipologia > 1 ? tipologia - 1 : 12));
    QCOMPARE(causa()->Option1()->selezionato(), tipologia);
    // A whole round of Tab: each type button at most once, every "?" once.
    causa()->luogo()->setFocus();
    QStringList visti;
    for (int i = 0; i < 60 && (visti.isEmpty() || QApplication::focusWidget() != causa()->luogo()); ++i)
        visti << tab()->objectName();
    QCOMPARE(visti.filter(QStringLiteral("Option1(")).size(), 1);
    for (int i = 1; i <= 12; ++i)
        QCOMPARE(visti.count(QStringLiteral("spiega1(%1)").arg(i)), 1);
}

void TstCausa::menuEScelta()
{
    // The windows exist now: the navigation entries and the main menu's third option are usable.
    for (const char* nome : {"fin4", "fin5", "fin13"})
        QVERIFY2(causa()->azione(QString::fromLatin1(nome))->isEnabled(), nome);
    QVERIFY(!causa()->azione(QStringLiteral("stampa"))->isEnabled());
    // The header carries the archive commands: their entries and toolbar buttons are usable.
    QVERIFY(Finestre::archivioDisponibile());
    for (const char* nome : {"apri", "salva", "salvanome", "eliminare"})
        QVERIFY2(causa()->azione(QString::fromLatin1(nome))->isEnabled(), nome);
    for (int pos : {1, 2, 3})
        QVERIFY(causa()->azioneBarra(pos)->isEnabled());
    QWidget* scelta = Finestre::finestra(QStringLiteral("scelta"));
    auto* opzione = scelta->findChild<QRadioButton*>(QStringLiteral("Option1(3)"));
    QVERIFY(opzione->isEnabled());
    opzione->click();
    QVERIFY(Finestre::caricata(QStringLiteral("causa")));
    QVERIFY(causa()->isVisible());
}

void TstCausa::immagine()
{
    causa()->show();
    compila(QStringLiteral("Mario Rossi"), QStringLiteral("Giulia Bianchi"), QStringLiteral("fondo rustico"),
            QString());
    causa()->luogo()->setText(QStringLiteral("Città di Castello"));   // typed keys are ASCII only
    causa()->Option1()->pulsante(8)->click();
    QVERIFY(QTest::qWaitForWindowExposed(causa()));
    salvaImmagine(causa(), QStringLiteral("causa-compilata"));
    QCOMPARE(causa()->passo()->text(), hintFinale);
}

QTEST_MAIN(TstCausa)
#include "tst_causa.moc"
