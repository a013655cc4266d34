// The judgment window: its controls, the load with its guard, the fact and objection lines, the
// scroll bars, the export, and a whole case driven from the main menu to the exported judgment.
#include "gui/frame/esportazione.h"
#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestrapossesso.h"
#include "core/causaviva.h"
#include "fakes/piattaformafinta.h"
#include "comune/rispostesenzavizi.h"
#include "core/catalogo.h"
#include "documento/documentosentenza.h"
#include "gui/judgment/finestrasentenza.h"
#include "platform/wordqt.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace ModPossidoria;

namespace {

const QString iniziale = QStringLiteral("nessuna sentenza ancora possibile per \nmancanza di dati\n");
const QString commentoIniziale =
    QStringLiteral("immettere tutti i dati richiesti nella finestra Causa e nella finestra Possesso\n");

// The plaintiff's answers on the possession, in the order of the window's groups.
struct Risposte {
    Interruzione interruzione = Interruzione::Nessuna;
    Modo modo = Modo::PacificoPubblico;
    Animo animo = Animo::DaTitolare;
    Provenienza provenienza = Provenienza::Legittima;
    Fede fede;
    Titolo titolo;
};

}   // namespace

class TstSentenza : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlli_data();
    void controlli();
    void apertaPrimaDelTempo();
    void righe();
    void barre_data();
    void barre();
    void righeLeggibiliPerIntero();
    void sentenzaDueVolte();
    void esportazione();
    void esportazioneDopoCanc();
    void esportazioneSenzaSentenza_data();
    void esportazioneSenzaSentenza();
    void suggerimentoDopoEsportazione_data();
    void suggerimentoDopoEsportazione();
    void messaggiEPossesso();
    void causaIntera_data();
    void causaIntera();
    void senzaPunti_data();
    void senzaPunti();
    void obiezioniLette();   // registers a stand-in objection window: keep it last
    void percheDopoUnaModifica();
    void esportazioneSuperata_data();
    void esportazioneSuperata();
    void altraCausaNessunaSentenza();
    void altraCausaCompletaLaSuaSentenza();
    void stampaDaTastieraEDaBarra_data();
    void stampaDaTastieraEDaBarra();
    void esportazioneSenzaProgrammaPerOdt();
    void tastieraEScreenReader();
    void cheCosaCambierebbe();
    void immagine();

private:
    FinestraSentenza* sentenza() { return Finestre::di<FinestraSentenza>(); }
    // Header, dates and answers typed and clicked: a possession without defects, in bad faith
    // and without a title.
    void causaCompleta(Tipologia tipo, const QString& inizio, const QString& fine);
    PiattaformaFinta* finta_ = nullptr;
};

void TstSentenza::init()
{
    finta_ = new PiattaformaFinta;
    Finestre::finestra(QStringLiteral("norme"));
}

void TstSentenza::cleanup()
{
    delete finta_;
    finta_ = nullptr;
}

void TstSentenza::causaCompleta(Tipologia tipo, const QString& inizio, const QString& fine)
{
    FinestraCausa* c = Finestre::di<FinestraCausa>();
    QTest::keyClicks(c->attore(), QStringLiteral("Mario Rossi"));
    QTest::keyClicks(c->convenuto(), QStringLiteral("Giulia Bianchi"));
    QTest::keyClicks(c->bene(), QStringLiteral("fondo rustico"));
    QTest::keyClicks(c->luogo(), QStringLiteral("Lecco"));
    // Each group lists its options in the order of the answers' numbers.
    c->Option1()->pulsante(*numero<Tipologia>(tipo))->click();
    FinestraPossesso* p = Finestre::di<FinestraPossesso>();
    QTest::keyClicks(p->datainizio(), inizio);
    QTest::keyClicks(p->datafine(), fine);
    const std::array<Scelta, 6> risposte = risposteSenzaVizi();
    for (int k = 1; k <= 6; ++k)
        p->gruppo(k)->pulsante(*risposte[k - 1])->click();
}

void TstSentenza::controlli_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QRect>("posizione");
    QTest::addColumn<QString>("tooltip");
    auto riga = [](const char* nome, QRect r, const char* tooltip) {
        QTest::newRow(nome) << QString::fromLatin1(nome) << r << QString::fromUtf8(tooltip);
    };
    riga("Label7", {120, 600, 5655, 435}, "ricapitolo dei dati inseriti");
    riga("Label4", {120, 1200, 5655, 315}, "tutti gli elementi della causa ricavati dalle dichiarazioni dell'attore");
    riga("azione(1)", {120, 1560, 5415, 255}, "");
    riga("azione(7)", {120, 3000, 5415, 255}, "");
    riga("VScroll1", {5520, 1560, 255, 1695}, "");
    riga("Label6", {5880, 600, 1500, 435}, "risultati della causa");
    riga("testosentenza", {5880, 1200, 3495, 2055}, "testo della sentenza elettronica");
    riga("Label5", {120, 3360, 4140, 315}, "tutte le obiezioni ai fatti dichiarati dall'attore");
    riga("obiezione(7)", {120, 5160, 7095, 255}, "");
    riga("VScroll2", {7200, 3720, 255, 1695}, "");
    riga("Label1", {7560, 3360, 1815, 375}, "suggerimenti per l'attore o commenti alla sentenza");
    riga("commento", {7560, 3840, 1815, 930}, "");
    riga("avvocato", {7560, 4815, 1815, 330},
         "cliccare per la giurisprudenza pertinente, le prove da raccogliere e la bozza di atto di citazione");
    riga("cmdperche", {7560, 5160, 1815, 330},
         "cliccare per sapere quale regola ha deciso la sentenza e su quali fatti");
    riga("passo", {2400, 5640, 4695, 450}, "");
    riga("cmdpossesso", {7200, 5760, 1095, 375}, "cliccare per tornare alla finestra Possesso");
}

void TstSentenza::controlli()
{
    QFETCH(QString, nome);
    QFETCH(QRect, posizione);
    QFETCH(QString, tooltip);
    QWidget* w = sentenza()->findChild<QWidget*>(nome);
    QVERIFY2(w, qPrintable(nome));
    QCOMPARE(w->toolTip(), tooltip);
    // At the design size every control stands where the design puts it (to the pixel).
    const QRect atteso(twipInPixel(posizione.x(), w), twipInPixel(posizione.y(), w), twipInPixel(posizione.width(), w),
                       twipInPixel(posizione.height(), w));
    QCOMPARE(w->geometry(), atteso);
}

void TstSentenza::apertaPrimaDelTempo()
{
    // From the window menu, before the possession window is complete.
    causaViva().imposta(&DatiCausa::tipologia, Tipologia::Proprieta);
    causaViva().imposta(&DatiCausa::interruzione, Interruzione::Nessuna);
    Finestre::di<FinestraCausa>()->visualizza(13);
    FinestraSentenza* s = sentenza();
    QVERIFY(s->isVisible());
    QCOMPARE(s->windowTitle(), QStringLiteral("Possidoria: sentenza sulla causa svolta[*]"));
    QCOMPARE(s->testosentenza()->toPlainText(), iniziale);
    QCOMPARE(s->commento()->toPlainText(), commentoIniziale);
    QCOMPARE(s->passo()->text(), QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    for (int k = 1; k <= 7; ++k)
        QVERIFY(s->findChild<QLabel*>(QStringLiteral("azione(%1)").arg(k))->text().isEmpty());
    QVERIFY(!s->giudizio());
    QVERIFY(s->azione(QStringLiteral("stampa"))->isEnabled());
}

void TstSentenza::righe()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    const QStringList fatti = {
        QStringLiteral("- nome dell'attore: Mario Rossi"),
        QStringLiteral("- nome del convenuto: Giulia Bianchi"),
        QStringLiteral("- bene: fondo rustico"),
        QStringLiteral("- luogo: Lecco"),
        QString::fromUtf8("- tipologia di usucapione: proprietà"),
        QStringLiteral("- data d'inizio del possesso: 1/1/70"),
        QStringLiteral("- data di fine del possesso: 1/1/95"),
        QStringLiteral("- durata del possesso: 25 anni"),
        QStringLiteral("- durata dell'interruzione del possesso: nessuna interruzione del possesso"),
        QStringLiteral("- modo di acquisto del possesso: acquistato in modo pacifico e pubblico"),
        QStringLiteral("- psicologia del possessore: ha posseduto con l'animo del padrone"),
        QString::fromUtf8("- provenienza della cosa: la provenienza della cosa è legittima"),
        QString::fromUtf8("- fede del possessore: il possessore è di mala fede"),
        QString::fromUtf8("- acquisto del bene da chi non è proprietario: no"),
    };
    const QStringList obiezioni = sentenza()->giudizio()->obiezioni;
    QCOMPARE(sentenza()->giudizio()->fatti, fatti);
    // No objection raised: each of the thirteen lines says so after its own heading.
    QCOMPARE(obiezioni.size(), 13);
    QCOMPARE(obiezioni.value(0), QStringLiteral("- data d'inizio del possesso: nessuna obiezione"));
    QCOMPARE(obiezioni.value(5), QStringLiteral("- data di fine dell'interruzione del possesso: nessuna obiezione"));
    QCOMPARE(obiezioni.value(6), QStringLiteral("- l'inizio dell'interruzione risulta da: nessuna obiezione"));
    for (const QString& riga : obiezioni)
        QVERIFY2(riga.startsWith(QStringLiteral("- ")) && riga.endsWith(QStringLiteral(": nessuna obiezione")),
                 qPrintable(riga));
    QCOMPARE(sentenza()->findChild<QLabel*>(QStringLiteral("azione(1)"))->text(), fatti[0]);
    QCOMPARE(sentenza()->findChild<QLabel*>(QStringLiteral("azione(7)"))->text(), fatti[6]);
    QCOMPARE(sentenza()->passo()->text(),
             QStringLiteral("leggere la sentenza, apportare delle correzioni nei dati, secondo i suggerimenti forniti "
                            "nei Commenti, tornando alla finestra Possesso oppure stampare o archiviare"));
}

// A line of either list that its row cuts (the long manner of acquisition, say) can be read whole
// in its tooltip, at every position of the scroll bar.
void TstSentenza::righeLeggibiliPerIntero()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    sentenza()->show();
    QVERIFY(QTest::qWaitForWindowExposed(sentenza()));
    int tagliate = 0;
    for (const auto& [barra, riga] : {std::pair{"VScroll1", "azione"}, std::pair{"VScroll2", "obiezione"}}) {
        auto* b = sentenza()->findChild<QScrollBar*>(QString::fromLatin1(barra));
        for (int v = b->minimum(); v <= b->maximum(); ++v) {
            b->setValue(v);
            for (int k = 1; k <= 7; ++k) {
                auto* l =
                    sentenza()->findChild<QLabel*>(QStringLiteral("%1(%2)").arg(QString::fromLatin1(riga)).arg(k));
                const int visibile =
                    qMin(l->geometry().right(), b->geometry().left() - 1) - l->x() + 1 - 2 * l->margin();
                if (l->fontMetrics().horizontalAdvance(l->text()) <= visibile)
                    continue;
                ++tagliate;
                QCOMPARE(l->toolTip(), l->text());
            }
        }
    }
    QVERIFY(tagliate > 0);   // the case has long lines: the check above has run
}

void TstSentenza::barre_data()
{
    QTest::addColumn<QString>("barra");
    QTest::addColumn<QString>("riga");
    QTest::addColumn<int>("massimo");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<int>("primaVisibile");   // the entry the first line shows at the maximum
    QTest::newRow("fatti") << QStringLiteral("VScroll1") << QStringLiteral("azione") << 8 << 7 << 8;
    QTest::newRow("obiezioni") << QStringLiteral("VScroll2") << QStringLiteral("obiezione") << 7 << 6 << 7;
}

void TstSentenza::barre()
{
    QFETCH(QString, barra);
    QFETCH(QString, riga);
    QFETCH(int, massimo);
    QFETCH(int, pagina);
    QFETCH(int, primaVisibile);
    causaCompleta(Tipologia::Usufrutto, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    const QStringList elenco =
        barra == QLatin1String("VScroll1") ? sentenza()->giudizio()->fatti : sentenza()->giudizio()->obiezioni;
    auto* b = sentenza()->findChild<QScrollBar*>(barra);
    QCOMPARE(b->minimum(), 1);
    QCOMPARE(b->maximum(), massimo);
    QCOMPARE(b->pageStep(), pagina);
    QCOMPARE(b->value(), 1);
    b->triggerAction(QAbstractSlider::SliderPageStepAdd);   // a click in the track
    QCOMPARE(b->value(), 1 + pagina);
    b->setValue(b->maximum() + 5);
    QCOMPARE(b->value(), massimo);
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(sentenza()->findChild<QLabel*>(QStringLiteral("%1(%2)").arg(riga).arg(k))->text(),
                 elenco.value(primaVisibile + k - 2));
    QCOMPARE(sentenza()->findChild<QLabel*>(QStringLiteral("%1(7)").arg(riga))->text(), elenco.last());
}

void TstSentenza::sentenzaDueVolte()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    FinestraPossesso* p = Finestre::di<FinestraPossesso>();
    p->cmdavanti_Click();
    sentenza()->VScroll1()->setValue(4);
    const QString prima = sentenza()->testosentenza()->toPlainText();
    p->cmdavanti_Click();
    QCOMPARE(sentenza()->testosentenza()->toPlainText(), prima);
    QCOMPARE(sentenza()->VScroll1()->value(), 4);
    QCOMPARE(sentenza()->findChild<QLabel*>(QStringLiteral("azione(1)"))->text(),
             sentenza()->giudizio()->fatti.value(3));
}

void TstSentenza::esportazione()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    // The word-processor export is its own entry of the File menu, after the print-out.
    const QList<QAction*> file = sentenza()->findChild<QMenu*>(QStringLiteral("mnufile"))->actions();
    QCOMPARE(file.value(file.indexOf(sentenza()->azione(QStringLiteral("stampa"))) + 1),
             sentenza()->azione(QStringLiteral("esportaword")));
    sentenza()->azione(QStringLiteral("esportaword"))->trigger();
    const QStringList& op = finta_->word.operazioni;
    QCOMPARE(
        sentenza()->passo()->text(),
        QStringLiteral("la sentenza è aperta nel programma di videoscrittura; il documento è in documento-finto.odt"));
    QStringList atteso = {QStringLiteral("new"),
                          QStringLiteral("font Century Gothic"),
                          QStringLiteral("paragraph"),
                          QStringLiteral("psize 18"),
                          QStringLiteral("ptext Possidoria - causa elettronica con sentenza\r\r"),
                          QStringLiteral("psize 14"),
                          QStringLiteral("ptext Svolgimento del processo\r\r"),
                          QStringLiteral("psize 12"),
                          QStringLiteral("ptext Fatti sostenuti dall'attore:\r\r"),
                          QStringLiteral("psize 10")};
    for (int i = 1; i <= 14; ++i)
        atteso << QStringLiteral("ptext ") + str(i) + QStringLiteral(") ") + sentenza()->giudizio()->fatti[i - 1]
                      + QStringLiteral("\r");
    atteso << QStringLiteral("psize 12") << QStringLiteral("ptext \rObiezioni sostenute dal convenuto:\r\r")
           << QStringLiteral("psize 10");
    for (int i = 1; i <= 13; ++i)
        atteso << QStringLiteral("ptext ") + str(i) + QStringLiteral(") ") + sentenza()->giudizio()->obiezioni[i - 1]
                      + QStringLiteral("\r");
    // The timeline as in the PDF, at the size the PDF draws it.
    atteso << QStringLiteral("psize 12") << QStringLiteral("ptext \rIl possesso nel tempo:\r")
           << QStringLiteral("image 900x240");
    atteso << QStringLiteral("psize 14") << QStringLiteral("ptext \rSentenza:\r\r") << QStringLiteral("psize 12")
           << QStringLiteral("ptext ") + sentenza()->testosentenza()->toPlainText() + QStringLiteral("\r")
           << QStringLiteral("psize 12") << QStringLiteral("ptext \rCommenti:\r\r") << QStringLiteral("psize 10")
           << QStringLiteral("ptext ") + sentenza()->commento()->toPlainText() << QStringLiteral("justify")
           << QStringLiteral("save ")
                  + QDir(Esportazione::cartellaDocumenti())
                        .filePath(QStringLiteral("Sentenza Mario Rossi c. Giulia Bianchi.odt"))
           << QStringLiteral("show");
    QCOMPARE(op, atteso);
    QVERIFY(op.contains(QStringLiteral("ptext  1) - nome dell'attore: Mario Rossi\r")));
    QVERIFY(!finta_->word.testo.contains(QChar('\n')));
}

// After an export the hint says what became of it: opened, only written, or not written at all.
void TstSentenza::suggerimentoDopoEsportazione_data()
{
    QTest::addColumn<bool>("scritto");
    QTest::addColumn<bool>("aperto");
    QTest::addColumn<QString>("passo");
    QTest::newRow("aperto")
        << true << true << "la sentenza è aperta nel programma di videoscrittura; il documento è in /tmp/sentenza.odt";
    QTest::newRow("solo scritto")
        << true << false
        << "la sentenza è stata scritta in /tmp/sentenza.odt, ma nessun programma di videoscrittura l'ha aperta";
    QTest::newRow("non scritto") << false << false
                                 << "la sentenza non è stata esportata: il documento non si è potuto scrivere";
}

void TstSentenza::suggerimentoDopoEsportazione()
{
    QFETCH(bool, scritto);
    QFETCH(bool, aperto);
    QFETCH(QString, passo);
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    finta_->word.esitoMostra = {scritto, QDir::temp().filePath(QStringLiteral("sentenza.odt")), false, aperto,
                                aperto ? QStringLiteral("writer") : QString()};
    finta_->messaggi.risposte << Risposta::Ok << Risposta::No;   // no PDF instead
    sentenza()->azione(QStringLiteral("esportaword"))->trigger();
    QCOMPARE(sentenza()->passo()->text(), passo);
    QVERIFY(sentenza()->passo()->font().pointSizeF() >= 8);
}

void TstSentenza::esportazioneDopoCanc()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    finta_->messaggi.risposte << Risposta::No;   // the case dropped unsaved
    Finestre::di<FinestraCausa>()->azzera_Click();
    sentenza()->esportaPerVideoscrittura();
    const QStringList& op = finta_->word.operazioni;
    QStringList numerate;
    for (const QString& o : op)
        if (o.startsWith(QStringLiteral("ptext ")) && o.contains(QStringLiteral(") ")) && o.endsWith(QChar('\r'))
            && o.size() <= 12)
            numerate << o;
    QStringList attese;
    for (int i = 1; i <= 14; ++i)
        attese << QStringLiteral("ptext ") + str(i) + QStringLiteral(") \r");
    for (int i = 1; i <= 13; ++i)
        attese << QStringLiteral("ptext ") + str(i) + QStringLiteral(") \r");
    QCOMPARE(numerate, attese);
    QVERIFY(op.contains(QStringLiteral("ptext \r")));   // the emptied judgment
    QCOMPARE(op.last(), QStringLiteral("show"));
}

// With no judgment the export writes what the window says in its place, from the window's data
// and the same document as the PDF's, never from the text boxes, whatever they were made to show.
void TstSentenza::esportazioneSenzaSentenza_data()
{
    QTest::addColumn<bool>("altraCausa");
    QTest::addColumn<QString>("sentenzaScritta");
    QTest::addColumn<QString>("commentoScritto");
    QTest::newRow("finestra appena aperta")
        << false << QStringLiteral("ptext nessuna sentenza ancora possibile per \rmancanza di dati\r\r")
        << QStringLiteral("ptext immettere tutti i dati richiesti nella finestra Causa e nella finestra Possesso\r");
    QTest::newRow("dopo un'altra causa") << true << QStringLiteral("ptext \r") << QStringLiteral("ptext ");
}

void TstSentenza::esportazioneSenzaSentenza()
{
    QFETCH(bool, altraCausa);
    QFETCH(QString, sentenzaScritta);
    QFETCH(QString, commentoScritto);
    if (altraCausa) {
        causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
        Finestre::di<FinestraPossesso>()->cmdavanti_Click();
        causaViva().sostituisci(Causa(), QStringLiteral("Possidoria-dati-Verdi"));
    }
    QVERIFY(!sentenza()->giudizio());
    sentenza()->testosentenza()->setPlainText(QStringLiteral("testo messo nella casella"));
    sentenza()->commento()->setPlainText(QStringLiteral("commento messo nella casella"));
    sentenza()->esportaPerVideoscrittura();
    const QStringList& op = finta_->word.operazioni;
    QVERIFY(!finta_->word.testo.contains(QStringLiteral("nella casella")));
    QCOMPARE(op.at(op.size() - 4), commentoScritto);
    const qsizetype titolo = op.indexOf(QStringLiteral("ptext \rSentenza:\r\r"));
    QVERIFY(titolo > 0);
    QCOMPARE(op.value(titolo + 2), sentenzaScritta);
    QCOMPARE(op.filter(QRegularExpression(QStringLiteral("^ptext +\\d+\\) \r$"))).size(), 14 + 13);
    QVERIFY(!op.contains(QStringLiteral("image 900x240")));
    QCOMPARE(op.last(), QStringLiteral("show"));
}

void TstSentenza::messaggiEPossesso()
{
    sentenza()->findChild<QPushButton*>(QStringLiteral("aiuto"))->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    const QStringList righe = finta_->messaggi.ultimo().testo.split(QChar(13));
    QCOMPARE(righe.size(), 4);
    QVERIFY(righe[0].startsWith(QString::fromUtf8("- La finestra è di sola lettura:")));
    QVERIFY(righe[1].startsWith(QString::fromUtf8("- È possibile apportare delle modifiche")));
    // The help describes the window as it is: the reasons, the alternatives, print, PDF, word processor.
    QVERIFY(righe[2].contains(QString::fromUtf8("Perché?"))
            && righe[2].contains(QStringLiteral("Che cosa cambierebbe?")));
    QVERIFY(righe[3].contains(QStringLiteral("Ctrl+P")) && righe[3].contains(QStringLiteral("PDF")));
    sentenza()->findChild<QPushButton*>(QStringLiteral("cmdpossesso"))->click();
    QVERIFY(Finestre::finestra(QStringLiteral("possesso"))->isVisible());
    QVERIFY(Finestre::caricata(QStringLiteral("sentenza")));
}

void TstSentenza::causaIntera_data()
{
    QTest::addColumn<Tipologia>("tipo");
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<QString>("fine");
    QTest::addColumn<Risposte>("risposte");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<bool>("vince");
    // Twenty-five years, uninterrupted, peaceful and public, as owner: ordinary prescription.
    const Risposte malaFede{.fede = Fede::Mala, .titolo = Titolo::Mancante};
    const Risposte buonaFede{.fede = Fede::Buona, .titolo = Titolo::Idoneo};
    QTest::newRow("R1 proprietà") << Tipologia::Proprieta << "1/1/70"
                                  << "1/1/95" << malaFede << "R1" << true;
    // Five years in good faith with a title is too short for every rule.
    QTest::newRow("RF troppo breve") << Tipologia::Uso << "1/1/90"
                                     << "1/1/95" << buonaFede << "RF" << false;
    QTest::newRow("RD demanio") << Tipologia::DemanioPubblico << "1/1/50"
                                << "1/1/95" << buonaFede << "RD" << false;
    QTest::newRow("RS servitù") << Tipologia::ServituNonApparenti << "1/1/50"
                                << "1/1/95" << buonaFede << "RS" << false;
}

void TstSentenza::causaIntera()
{
    QFETCH(Tipologia, tipo);
    QFETCH(QString, inizio);
    QFETCH(QString, fine);
    QFETCH(Risposte, risposte);
    QFETCH(QString, chiave);
    QFETCH(bool, vince);

    // The main menu, its third option, and every window found by name as a user would reach it.
    Finestre::mostra(QStringLiteral("scelta"));
    QWidget* scelta = Finestre::finestra(QStringLiteral("scelta"));
    scelta->findChild<QRadioButton*>(QStringLiteral("Option1(3)"))->click();
    QWidget* causa = Finestre::finestra(QStringLiteral("causa"));
    QVERIFY(causa->isVisible());
    QTest::keyClicks(causa->findChild<QLineEdit*>(QStringLiteral("attore")), QStringLiteral("Mario Rossi"));
    QTest::keyClicks(causa->findChild<QLineEdit*>(QStringLiteral("convenuto")), QStringLiteral("Giulia Bianchi"));
    QTest::keyClicks(causa->findChild<QLineEdit*>(QStringLiteral("bene")), QStringLiteral("fondo"));
    QTest::keyClicks(causa->findChild<QLineEdit*>(QStringLiteral("luogo")), QStringLiteral("Lecco"));
    // Each group names its options by the answers' numbers.
    causa->findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(int(tipo)))->click();
    causa->findChild<QPushButton*>(QStringLiteral("cmdavanti"))->click();

    QWidget* possesso = Finestre::finestra(QStringLiteral("possesso"));
    QVERIFY(possesso->isVisible());
    QTest::keyClicks(possesso->findChild<QLineEdit*>(QStringLiteral("datainizio")), inizio);
    QTest::keyClicks(possesso->findChild<QLineEdit*>(QStringLiteral("datafine")), fine);
    const char* gruppi[6] = {"interr", "modus", "psic", "prov", "fed", "acq"};
    const qint16 numeri[6] = {qint16(risposte.interruzione), qint16(risposte.modo), qint16(risposte.animo),
                              qint16(risposte.provenienza),  qint16(risposte.fede), qint16(risposte.titolo)};
    for (int k = 0; k < 6; ++k)
        possesso->findChild<QRadioButton*>(QStringLiteral("%1(%2)").arg(QLatin1String(gruppi[k])).arg(numeri[k]))
            ->click();
    possesso->findChild<QPushButton*>(QStringLiteral("cmdavanti"))->click();
    QVERIFY(finta_->messaggi.mostrati.isEmpty());

    QWidget* s = Finestre::finestra(QStringLiteral("sentenza"));
    QVERIFY(s->isVisible());
    // The rule the case lands on, and its texts as the catalogue writes them for it.
    const Decisione d = decidi(fattiDellaCausa(causaViva().causa()));
    QCOMPARE(d.chiave, chiave);
    QCOMPARE(d.esito == Esito::Vince, vince);
    const QString testo = s->findChild<QPlainTextEdit*>(QStringLiteral("testosentenza"))->toPlainText();
    const QString commento = s->findChild<QPlainTextEdit*>(QStringLiteral("commento"))->toPlainText();
    QCOMPARE(testo, testoSentenza(d));
    QCOMPARE(commento, testoCommento(d, QStringLiteral("Mario Rossi")));
    QVERIFY(testo.startsWith(vince ? QStringLiteral("L'attore vince la causa.")
                                   : QStringLiteral("L'attore perde la causa.")));

    // The export, from the window's File menu.
    qobject_cast<FinestraLavoro*>(s)->azione(QStringLiteral("esportaword"))->trigger();
    const QStringList& op = finta_->word.operazioni;
    QCOMPARE(op.first(), QStringLiteral("new"));
    QVERIFY(op.contains(QStringLiteral("ptext ") + testo + QStringLiteral("\r")));
    QCOMPARE(op.at(op.size() - 4), QStringLiteral("ptext ") + commento);
    QCOMPARE(op.last(), QStringLiteral("show"));
    QVERIFY(finta_->word.testo.contains(
        QStringLiteral(" 5) - tipologia di usucapione: ")
        + ::senzaPunti(causa->findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(int(tipo)))->text())));
}

void TstSentenza::senzaPunti_data()
{
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<QString>("attesa");
    QTest::newRow("proprietà") << QString::fromUtf8("proprietà.........................................")
                               << QString::fromUtf8("proprietà");
    QTest::newRow("art.2727") << QStringLiteral("presunzioni (art.2727)........")
                              << QStringLiteral("presunzioni (art2727)");
    QTest::newRow("senza punti") << QStringLiteral("no") << QStringLiteral("no");
}

void TstSentenza::senzaPunti()
{
    QFETCH(QString, didascalia);
    QFETCH(QString, attesa);
    QCOMPARE(::senzaPunti(didascalia), attesa);
}

void TstSentenza::obiezioniLette()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    FinestraPossesso* p = Finestre::di<FinestraPossesso>();
    CausaViva& c = causaViva();
    c.imposta(&TestiCausa::ledateInizio, QStringLiteral("1/1/80"));
    c.imposta(&TestiCausa::ledateFine, QStringLiteral("1/1/95"));

    // With no start proof all four lines read "nessuna obiezione", whatever the end proof.
    c.imposta(&DatiCausa::provaFineDate, ProvaLunga::Transazioni);
    p->cmdavanti_Click();
    QStringList o = sentenza()->giudizio()->obiezioni;
    QCOMPARE(o.value(1), QStringLiteral("- data di fine del possesso: nessuna obiezione"));
    QCOMPARE(o.value(2), QStringLiteral("- la data iniziale del possesso risulta da: nessuna obiezione"));
    QCOMPARE(o.value(3), QStringLiteral("- la data finale del possesso risulta da: nessuna obiezione"));

    // The objection raised: its dates as typed and both proofs, captions without their periods.
    c.imposta(&DatiCausa::provaInizioDate, ProvaCorta::Presunzioni);
    c.imposta(&DatiCausa::obiezioneFede, ProvaRequisito(20));   // a number naming no proof, as a damaged file may hold
    p->cmdavanti_Click();
    o = sentenza()->giudizio()->obiezioni;
    QCOMPARE(o.value(0), QStringLiteral("- data d'inizio del possesso: 1/1/80"));
    QCOMPARE(o.value(1), QStringLiteral("- data di fine del possesso: 1/1/95"));
    QCOMPARE(o.value(2), QStringLiteral("- la data iniziale del possesso risulta da: presunzioni (art2727)"));
    QCOMPARE(o.value(3), QStringLiteral("- la data finale del possesso risulta da: transazioni"));
    QCOMPARE(o.value(11), QStringLiteral("- la mala fede del possessore risulta da: prova non riconosciuta (n. 20)"));
}

// "Perché?" explains the judgment on screen: after a change of the case it says the judgment is
// out of date and still gives the reasons of the one shown, never those of another.
void TstSentenza::percheDopoUnaModifica()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    const QString testo = sentenza()->testosentenza()->toPlainText();
    const QStringList prima = sentenza()->perche();
    QVERIFY(testo.startsWith(QStringLiteral("L'attore vince la causa.")));
    QVERIFY(!sentenza()->superata());

    // Violence proved by witnesses would lose the case; the judgment shown has not judged it yet.
    causaViva().imposta(&DatiCausa::obiezioneModo, ProvaRequisito::Testimoni);
    QVERIFY(sentenza()->superata());
    QCOMPARE(sentenza()->testosentenza()->toPlainText(), testo);
    const QStringList dopo = sentenza()->perche();
    QCOMPARE(dopo.mid(1), prima);
    QVERIFY(dopo.first().contains(QStringLiteral("modifiche")));
    QVERIFY(sentenza()->passo()->text().startsWith(QStringLiteral("i dati della causa sono cambiati")));

    // Given again, text and reasons move together.
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    QVERIFY(!sentenza()->superata());
    QVERIFY(sentenza()->testosentenza()->toPlainText().startsWith(QStringLiteral("L'attore perde la causa.")));
    QCOMPARE(sentenza()->perche().first().contains(sentenza()->giudizio()->decisione.chiave), true);
}

// Its own button tells the day and the changes of the judgment shown; "Perché?" ends with them.
void TstSentenza::cheCosaCambierebbe()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    auto* pulsante = sentenza()->findChild<QPushButton*>(QStringLiteral("cambierebbe"));
    QVERIFY(pulsante);
    pulsante->click();
    const MessaggioRegistrato m = finta_->messaggi.ultimo();
    QCOMPARE(m.titolo, QStringLiteral("Che cosa cambierebbe la sentenza"));
    QCOMPARE(m.icona, Icona::Informazione);
    const QStringList righe = m.testo.split(QChar(13), Qt::SkipEmptyParts);
    QVERIFY(m.testo.contains(QStringLiteral("\r\r- ")));
    QCOMPARE(righe.first(),
             QString::fromUtf8("L'usucapione si è compiuta il 1/1/1990, alla fine dell'ultimo giorno del "
                               "termine di 20 anni dell'art. 1158, decorso dal 1/1/1970 (art. 2963)."));
    QVERIFY2(righe.contains(QStringLiteral("- Se il possesso fosse cominciato dopo il 1/1/1975, l'attore perderebbe "
                                           "(regola RF).")),
             qPrintable(m.testo));
    const QStringList perche = sentenza()->perche();
    const qsizetype titolo = perche.indexOf(QStringLiteral("Che cosa cambierebbe la sentenza:"));
    QVERIFY(titolo > 0);
    QCOMPARE(perche.mid(titolo + 1), righe);
    QVERIFY(pulsante->fontMetrics().horizontalAdvance(pulsante->text()) <= pulsante->contentsRect().width());
}

void TstSentenza::immagine()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    QVERIFY(QTest::qWaitForWindowExposed(sentenza()));
    salvaImmagine(sentenza(), QStringLiteral("sentenza-emessa"));
    for (int k = 1; k <= 7; ++k) {
        auto* l = sentenza()->findChild<QLabel*>(QStringLiteral("azione(%1)").arg(k));
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width() + 40, qPrintable(l->text()));
    }
}

// An out-of-date judgment is never exported or printed as if current: the case on screen is
// judged first, or, when it cannot be, the export is refused with the reason and the mark stays.
void TstSentenza::esportazioneSuperata_data()
{
    QTest::addColumn<int>("via");   // 0 PDF, 1 print, 2 word processor
    QTest::addColumn<bool>("giudicabile");
    const char* const vie[] = {"PDF", "stampa", "videoscrittura"};
    for (int v = 0; v < 3; ++v) {
        QTest::newRow(qPrintable(QStringLiteral("%1, giudicata di nuovo").arg(QString::fromLatin1(vie[v]))))
            << v << true;
        QTest::newRow(qPrintable(QStringLiteral("%1, rifiutata").arg(QString::fromLatin1(vie[v])))) << v << false;
    }
}

void TstSentenza::esportazioneSuperata()
{
    QFETCH(int, via);
    QFETCH(bool, giudicabile);
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    QVERIFY(sentenza()->testosentenza()->toPlainText().startsWith(QStringLiteral("L'attore vince la causa.")));
    if (giudicabile)
        causaViva().imposta(&DatiCausa::obiezioneModo, ProvaRequisito::Testimoni);   // violence proved: now lost
    else
        causaViva().imposta(&DatiCausa::fede, std::nullopt);
    QVERIFY(sentenza()->superata());
    const QString pdf =
        QDir::temp().filePath(QStringLiteral("sentenza-superata-%1.pdf").arg(QCoreApplication::applicationPid()));
    finta_->dialoghi.risposte.enqueue(pdf);
    finta_->messaggi.risposte << Risposta::Ok << Risposta::No;
    switch (via) {
    case 0: sentenza()->esportaPdf_Click(); break;
    case 1: sentenza()->stampaSentenza_Click(); break;
    default: sentenza()->esportaPerVideoscrittura(); break;
    }
    const bool esportata = QFile::exists(pdf) || finta_->stampante.operazioni.contains(QStringLiteral("pages"))
                           || finta_->word.operazioni.contains(QStringLiteral("show"));
    QFile::remove(pdf);
    if (giudicabile) {
        QVERIFY(esportata);
        QVERIFY(!sentenza()->superata());
        QVERIFY(sentenza()->testosentenza()->toPlainText().startsWith(QStringLiteral("L'attore perde la causa.")));
        QCOMPARE(sentenza()->documento().sentenza, sentenza()->giudizio()->sentenza.testo);
    } else {
        QVERIFY(!esportata);
        QVERIFY(finta_->dialoghi.aperti.isEmpty());
        QVERIFY(finta_->messaggi.ultimo().testo.startsWith(QStringLiteral("La sentenza mostrata non corrisponde più")));
        QVERIFY(sentenza()->superata());
        QVERIFY(sentenza()->passo()->text().startsWith(QStringLiteral("i dati della causa sono cambiati")));
    }
}

// Another case opened leaves nothing of the previous judgment: no facts, no outcome, no PDF name.
void TstSentenza::altraCausaNessunaSentenza()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    QVERIFY(sentenza()->giudizio());
    Causa altra;
    altra.testi.attore = QStringLiteral("Verdi");
    causaViva().sostituisci(altra, QStringLiteral("Possidoria-dati-Verdi"));
    QVERIFY(!sentenza()->giudizio());
    QVERIFY(sentenza()->testosentenza()->toPlainText().isEmpty());
    // Never the first-run hint: the window says how this case gets its judgment.
    QVERIFY2(sentenza()->passo()->text().contains(QStringLiteral("cliccare sul tasto Sentenza")),
             qPrintable(sentenza()->passo()->text()));
    QVERIFY(sentenza()->findChild<QLabel*>(QStringLiteral("azione(1)"))->text().isEmpty());
    sentenza()->esportaPdf_Click();
    QVERIFY(finta_->dialoghi.aperti.isEmpty());
    QCOMPARE(finta_->messaggi.ultimo().testo, QStringLiteral("Nessuna sentenza è stata ancora emessa."));
}

// Another case that can be judged, opened while the window shows a judgment, shows its own.
void TstSentenza::altraCausaCompletaLaSuaSentenza()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    Causa altra = causaViva().causa();
    altra.testi.attore = QStringLiteral("Luca Verdi");
    altra.testi.possessoInizio = QStringLiteral("1/1/90");
    causaViva().sostituisci(altra, QStringLiteral("Possidoria-dati-Verdi"));
    QVERIFY(sentenza()->giudizio());
    QCOMPARE(sentenza()->giudizio()->causa, altra);
    QVERIFY(!sentenza()->superata());
    QCOMPARE(sentenza()->findChild<QLabel*>(QStringLiteral("azione(1)"))->text(),
             QStringLiteral("- nome dell'attore: Luca Verdi"));
    QVERIFY(sentenza()->testosentenza()->toPlainText().startsWith(QStringLiteral("L'attore perde la causa.")));
}

// Ctrl+P, the print entry and the printer button print: the printer dialog, offering a PDF named
// after the case among the user's documents; nothing goes to the word processor.
void TstSentenza::stampaDaTastieraEDaBarra_data()
{
    QTest::addColumn<QString>("come");
    QTest::newRow("Ctrl+P") << "tasti";
    QTest::newRow("icona della stampante") << "barra";
    QTest::newRow("menu File") << "menu";
}

void TstSentenza::stampaDaTastieraEDaBarra()
{
    QFETCH(QString, come);
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    QVERIFY(QTest::qWaitForWindowActive(sentenza()));
    if (come == QLatin1String("tasti"))
        QTest::keyClick(sentenza(), Qt::Key_P, Qt::ControlModifier);
    else if (come == QLatin1String("barra"))
        sentenza()->azioneBarra(4)->trigger();
    else
        sentenza()->azione(QStringLiteral("stampa"))->trigger();
    QCOMPARE(finta_->stampante.operazioni.value(0), QStringLiteral("dialog"));
    QVERIFY(finta_->stampante.operazioni.contains(QStringLiteral("pages")));
    QCOMPARE(
        finta_->stampante.pdfProposto,
        QDir(Esportazione::cartellaDocumenti()).filePath(QStringLiteral("Sentenza Mario Rossi c. Giulia Bianchi.pdf")));
    QVERIFY(finta_->word.operazioni.isEmpty());
}

// No program opens word-processor documents: the user is told that nothing opened it, and where
// the document was saved, among the documents under the case's name; never that it is open.
void TstSentenza::esportazioneSenzaProgrammaPerOdt()
{
    QTemporaryDir casa;
    const QByteArray casaPrima = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(casa.path()));
    DesktopFinto desktop;   // fails, as xdg-open does with no program for .odt
    WordQt word(desktop.apertura(), [] { return QString(); });
    installaPiattaforma({&finta_->messaggi, &finta_->dialoghi, &finta_->midi, &finta_->stampante, &word});
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    finta_->messaggi.risposte << Risposta::Ok << Risposta::No << Risposta::Ok << Risposta::No;   // no PDF instead

    sentenza()->esportaPerVideoscrittura();
    sentenza()->esportaPerVideoscrittura();   // a second export keeps the first document
    const QString cartella = QDir(casa.path()).filePath(QStringLiteral("Documents/Possidoria"));
    const QStringList attesi = {
        QDir(cartella).filePath(QStringLiteral("Sentenza Mario Rossi c. Giulia Bianchi.odt")),
        QDir(cartella).filePath(QStringLiteral("Sentenza Mario Rossi c. Giulia Bianchi (2).odt"))};
    qputenv("HOME", casaPrima);
    installaPiattaforma({&finta_->messaggi, &finta_->dialoghi, &finta_->midi, &finta_->stampante, &finta_->word});
    QCOMPARE(desktop.aperti, attesi);
    for (const QString& f : attesi)
        QVERIFY2(QFileInfo(f).size() > 0, qPrintable(f));
    const MessaggioRegistrato& avviso = finta_->messaggi.mostrati.at(2);
    QVERIFY2(avviso.testo.startsWith(QStringLiteral("Nessun programma di videoscrittura")), qPrintable(avviso.testo));
    QVERIFY(avviso.testo.contains(attesi.last()));
    QVERIFY(!sentenza()->passo()->text().contains(QStringLiteral("è aperta")));
    QVERIFY(sentenza()->passo()->text().contains(attesi.last()));
    QVERIFY(ModPossidoria::appword.isEmpty());
    QCOMPARE(ModPossidoria::docword, attesi.last());
}

// Tab reads the window top to bottom, the lists scroll with the keyboard, and a screen reader
// hears each control by what it is.
void TstSentenza::tastieraEScreenReader()
{
    causaCompleta(Tipologia::Proprieta, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    FinestraSentenza* s = sentenza();
    QVERIFY(QTest::qWaitForWindowActive(s));
    const QStringList ordine = {
        QStringLiteral("esportapdf"),    QStringLiteral("stampasentenza"), QStringLiteral("VScroll1"),
        QStringLiteral("testosentenza"), QStringLiteral("cambierebbe"),    QStringLiteral("VScroll2"),
        QStringLiteral("commento"),      QStringLiteral("avvocato"),       QStringLiteral("cmdperche"),
        QStringLiteral("aiuto"),         QStringLiteral("guidainlinea"),   QStringLiteral("cmdpossesso"),
        QStringLiteral("esco")};
    QCOMPARE(Finestre::primoControllo(s)->objectName(), ordine.first());
    s->findChild<QWidget*>(ordine.first())->setFocus();
    QStringList visitati{ordine.first()};
    for (int i = 1; i < ordine.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visitati << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visitati, ordine);

    s->VScroll1()->setFocus();
    QTest::keyClick(s->VScroll1(), Qt::Key_Down);
    QCOMPARE(s->findChild<QLabel*>(QStringLiteral("azione(1)"))->text(), s->giudizio()->fatti.value(1));
    QTest::keyClick(s->VScroll2(), Qt::Key_PageDown);
    QCOMPARE(s->findChild<QLabel*>(QStringLiteral("obiezione(1)"))->text(), s->giudizio()->obiezioni.value(6));

    QCOMPARE(s->testosentenza()->accessibleName(), QStringLiteral("Sentenza"));
    QVERIFY(s->VScroll1()->accessibleName().contains(QStringLiteral("fatti")));
    QVERIFY(s->VScroll2()->accessibleName().contains(QStringLiteral("obiezioni")));
    QVERIFY2(s->lineaTempo()->accessibleDescription().contains(QStringLiteral("dal 01/01/1970 al 01/01/1995")),
             qPrintable(s->lineaTempo()->accessibleDescription()));
}

QTEST_MAIN(TstSentenza)
#include "tst_sentenza.moc"
