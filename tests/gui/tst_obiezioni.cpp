// The defendant's objection windows: the two date windows ("ledate", "interruzione") and the five
// questionnaires, driven through their controls with the platform fakes answering.
#include "gui/frame/gruppoopzioni.h"
#include "core/causaviva.h"
#include "gui/frame/modpossidoria.h"
#include "gui/case/bloccodate.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestradate.h"
#include "core/statocausa.h"
#include "gui/case/finestrapossesso.h"
#include "gui/case/questionario.h"
#include "fakes/piattaformafinta.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QtTest>

namespace {

const QString NESSUNA_PROVA =
    QStringLiteral("In questo caso manca un elemento importante di prova e l'opposizione è inefficace.");
const QString AVVISO_INIZIO = QStringLiteral(
    "In questo modo non viene fornita la prova dell'opposizione all'inizio del possesso: verrà, pertanto, considerata la data d'inizio indicata dall'attore.");
const QString AVVISO_FINE = QStringLiteral(
    "In questo modo non viene fornita la prova dell'opposizione alla fine del possesso: verrà, pertanto, considerata la data finale indicata dall'attore.");
const QString RIFIUTO_DATE = QStringLiteral(
    "Immettere tutti i dati necessari e segnalati nella casella gialla in basso: altrimenti tornare alla finestra Possesso cliccando sul relativo tasto della barra degli strumenti.");
const QString RIFIUTO_QUESTIONARIO = QStringLiteral(
    "Scegliere l'opzione che ricorre o tornare alla finestra Possesso utilizzando il tasto relativo della barra degli strumenti.");
const QString PASSO_COMPLETO = QStringLiteral(
    "consultare le norme vigenti cliccando sul relativo tasto ? o continuare la causa cliccando sul tasto Possesso");

FinestraDate* date(const QString& nome) { return Finestre::finestra<FinestraDate>(nome); }
FinestraPossesso* possesso() { return Finestre::di<FinestraPossesso>(); }
Questionario* questionario(const QString& nome) { return Finestre::finestra<Questionario>(nome); }

void scrivi(FinestraDate* f, const QString& inizio, const QString& fine)
{
    f->blocco()->datainizio()->setText(inizio);
    f->blocco()->datafine()->setText(fine);
}

// The plaintiff's dates typed in the possession window.
void datePossesso(const QString& inizio, const QString& fine)
{
    possesso()->datainizio()->setText(inizio);
    possesso()->datafine()->setText(fine);
}

}   // namespace

class TstObiezioni : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void gruppiDiProve_data();
    void gruppiDiProve();
    void spiegazioni_data();
    void spiegazioni();
    void nessunaProvaInizio();
    void nessunaProvaEntrambe();
    void nessunaProvaConAttoreVuoto();
    void soloProvaFinale_data();
    void soloProvaFinale();
    void interruzioneNonCopiaMai();
    void attoInterruttivo_data();
    void attoInterruttivo();
    void attoDallaProvaDiUnArchivioVecchio();
    void interruzioneFuoriPossesso();
    void durataDelleDueFinestre();

    void questionarioRitorno_data();
    void questionarioRitorno();
    void sceltaDaCodice();
    void spiegazioniQuestionari_data();
    void spiegazioniQuestionari();

    void spiegazioneDellaFinestra();
    void immagini();

private:
    PiattaformaFinta* finta_ = nullptr;
};

void TstObiezioni::init()
{
    finta_ = new PiattaformaFinta;
    causaViva().azzera();
}

void TstObiezioni::cleanup()
{
    delete finta_;
    finta_ = nullptr;
}

// Each window's proof groups: how many options, which one is "nessuna prova", and what it stores.
void TstObiezioni::gruppiDiProve_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("inizio");
    QTest::addColumn<int>("fine");
    QTest::newRow("ledate") << "ledate" << 10 << 13;
    QTest::newRow("interruzione") << "interruzione" << 13 << 10;
}

void TstObiezioni::gruppiDiProve()
{
    QFETCH(QString, nome);
    QFETCH(int, inizio);
    QFETCH(int, fine);
    FinestraDate* f = date(nome);
    QCOMPARE(f->datin()->conta(), inizio);
    QCOMPARE(f->datfin()->conta(), fine);
    QCOMPARE(f->datin()->pulsante(inizio)->text(), QStringLiteral("nessuna prova..............................."));
    QCOMPARE(f->datfin()->pulsante(fine)->text(), QStringLiteral("nessuna prova..............................."));
    // The long group holds the three proofs of interruption before "nessuna prova".
    GruppoOpzioni* lungo = inizio == 13 ? f->datin() : f->datfin();
    QCOMPARE(lungo->pulsante(10)->text(), QStringLiteral("notificazione atto di inizio giudizio..."));
    QCOMPARE(lungo->pulsante(11)->text(), QStringLiteral("riconoscimento del diritto (art.2944)"));
    QVERIFY(f->spiega1(23) && !f->spiega1(24));

    // Every click stores its index, the second overwriting the first.
    const bool ledate = nome == QLatin1String("ledate");
    const auto provaInizio = [ledate] {
        const DatiCausa& d = causaViva().scelte();
        return ledate ? numero(d.provaInizioDate) : numero(d.provaInizioInterruzione);
    };
    const auto provaFine = [ledate] {
        const DatiCausa& d = causaViva().scelte();
        return ledate ? numero(d.provaFineDate) : numero(d.provaFineInterruzione);
    };
    f->datin()->pulsante(4)->click();
    f->datfin()->pulsante(fine - 1)->click();
    // The fourth proof of either list is a gift; the one before "nessuna prova" an oath or a formal notice.
    if (ledate) {
        QCOMPARE(causaViva().scelte().provaInizioDate, std::optional(ProvaCorta::Donazioni));
        QCOMPARE(causaViva().scelte().provaFineDate, std::optional(ProvaLunga::Diffida));
    } else {
        QCOMPARE(causaViva().scelte().provaInizioInterruzione, std::optional(ProvaLunga::Donazioni));
        QCOMPARE(causaViva().scelte().provaFineInterruzione, std::optional(ProvaCorta::Giuramento));
    }
    QCOMPARE(provaInizio(), Scelta(4));
    QCOMPARE(provaFine(), Scelta(fine - 1));
    f->datin()->pulsante(2)->click();
    QCOMPARE(provaInizio(), Scelta(2));
    QVERIFY(!f->datin()->pulsante(4)->isChecked());
}

// The "?" beside each proof, by the window's own layout of the buttons.
void TstObiezioni::spiegazioni_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("inizio");   // how the explanation begins

    const QString documenti =
        QStringLiteral("Tali atti, quando hanno una data certa (come risulterebbe dalla loro registrazione)");
    const QString testimoni =
        QStringLiteral("I testi possono costituire prova come è stato affermato dalla Cassazione");
    const QString art2727 = QStringLiteral(
        "Articolo 2727 del Codice Civile:\rLe presunzioni sono le conseguenze che la legge o il giudice trae");
    const QString art2730 =
        QStringLiteral("Articolo 2730 del Codice Civile:\rLa confessione è la dichiarazione che una parte fa");
    const QString art2736 =
        QStringLiteral("Articolo 2736 del Codice Civile:\rIl giuramento è di due specie:\r1) è decisorio quello che");
    const QString art2943 =
        QStringLiteral("Articolo 2943 del Codice Civile:\rLa prescrizione è interrotta dalla notificazione dell'atto");
    const QString art2944 =
        QStringLiteral("Articolo 2944 del Codice Civile:\rLa prescrizione è interrotta dal riconoscimento del diritto");
    const QString diffida = QStringLiteral("La diffida e la messa in mora non interrompono il termine dell'usucapione");

    QTest::newRow("ledate 1") << "ledate" << 1 << documenti;
    QTest::newRow("ledate 6") << "ledate" << 6 << testimoni;
    QTest::newRow("ledate 9") << "ledate" << 9 << art2736;
    QTest::newRow("ledate 10") << "ledate" << 10 << NESSUNA_PROVA;
    QTest::newRow("ledate 15") << "ledate" << 15 << documenti;
    QTest::newRow("ledate 17") << "ledate" << 17 << art2727;
    QTest::newRow("ledate 18") << "ledate" << 18 << art2730;
    QTest::newRow("ledate 20") << "ledate" << 20 << art2943;
    QTest::newRow("ledate 21") << "ledate" << 21 << art2944;
    QTest::newRow("ledate 22") << "ledate" << 22 << diffida;
    QTest::newRow("ledate 23") << "ledate" << 23 << NESSUNA_PROVA;
    QTest::newRow("interruzione 7") << "interruzione" << 7 << art2727;
    QTest::newRow("interruzione 10") << "interruzione" << 10 << art2943;
    QTest::newRow("interruzione 11") << "interruzione" << 11 << art2944;
    QTest::newRow("interruzione 12") << "interruzione" << 12 << diffida;
    QTest::newRow("interruzione 13") << "interruzione" << 13 << NESSUNA_PROVA;
    QTest::newRow("interruzione 14") << "interruzione" << 14 << documenti;
    QTest::newRow("interruzione 19") << "interruzione" << 19 << testimoni;
    QTest::newRow("interruzione 22") << "interruzione" << 22 << art2736;
    QTest::newRow("interruzione 23") << "interruzione" << 23 << NESSUNA_PROVA;
}

void TstObiezioni::spiegazioni()
{
    QFETCH(QString, nome);
    QFETCH(int, k);
    QFETCH(QString, inizio);
    date(nome)->spiega1(k)->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    const MessaggioRegistrato& m = finta_->messaggi.ultimo();
    QVERIFY2(m.testo.startsWith(inizio), qPrintable(m.testo.left(120)));
    QCOMPARE(m.icona, Icona::Informazione);
    QCOMPARE(m.titolo, ModPossidoria::titoloaiuto);
    if (m.testo.startsWith(QLatin1String("Articolo")))
        QVERIFY(m.testo.contains(QStringLiteral("\r--------------------\rCommento: ")));
    QVERIFY(!m.testo.contains(QLatin1Char('\n')));
}

// "nessuna prova" for the start: the notice, then the plaintiff's date in place of the typed one,
// and the duration follows; a later proof keeps the copied date, and the copy is made only once.
void TstObiezioni::nessunaProvaInizio()
{
    datePossesso(QStringLiteral("1/1/1970"), QStringLiteral("1/1/1995"));
    FinestraDate* f = date(QStringLiteral("ledate"));
    scrivi(f, QStringLiteral("1/1/1980"), QStringLiteral("1/1/1995"));
    QCOMPARE(f->blocco()->durata()->text(), QStringLiteral(" 15 anni"));

    f->datin()->pulsante(10)->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().testo, AVVISO_INIZIO);
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Esclamazione);
    QCOMPARE(f->blocco()->datainizio()->text(), QStringLiteral("1/1/1970"));
    QCOMPARE(f->blocco()->inizio()->text(), QStringLiteral("giovedì, 1 gennaio 1970"));
    QCOMPARE(f->blocco()->durata()->text(), QStringLiteral(" 25 anni"));
    QCOMPARE(causaViva().scelte().provaInizioDate, std::optional(ProvaCorta::Nessuna));

    f->datin()->pulsante(3)->click();
    QCOMPARE(f->blocco()->datainizio()->text(), QStringLiteral("1/1/1970"));
    QCOMPARE(causaViva().scelte().provaInizioDate, std::optional(ProvaCorta::ContrattiLocazione));
    possesso()->datainizio()->setText(QStringLiteral("1/1/1960"));
    QCOMPARE(f->blocco()->datainizio()->text(), QStringLiteral("1/1/1970"));
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
}

// Both ends without proof: the defendant's period is the plaintiff's own.
void TstObiezioni::nessunaProvaEntrambe()
{
    datePossesso(QStringLiteral("10/5/80"), QStringLiteral("15/5/00"));
    FinestraDate* f = date(QStringLiteral("ledate"));
    scrivi(f, QStringLiteral("1/1/1990"), QStringLiteral("1/1/1995"));
    f->datin()->pulsante(10)->click();
    f->datfin()->pulsante(13)->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 2);
    QCOMPARE(finta_->messaggi.mostrati[1].testo, AVVISO_FINE);
    QCOMPARE(f->blocco()->datainizio()->text(), QStringLiteral("10/5/80"));
    QCOMPARE(f->blocco()->datafine()->text(), QStringLiteral("15/5/00"));
    QCOMPARE(f->blocco()->durata()->text(), possesso()->durata()->text());
    QCOMPARE(f->blocco()->durata()->text(), QStringLiteral(" 20 anni e 5 giorni"));
    QCOMPARE(f->passo()->text(), PASSO_COMPLETO);
}

// With the plaintiff's field empty the copy empties the defendant's, and no duration stands.
void TstObiezioni::nessunaProvaConAttoreVuoto()
{
    FinestraDate* f = date(QStringLiteral("ledate"));
    scrivi(f, QStringLiteral("1/1/1980"), QStringLiteral("1/1/1995"));
    f->datfin()->pulsante(13)->click();
    QCOMPARE(f->blocco()->datafine()->text(), QString());
    QCOMPARE(f->blocco()->durata()->text(), QString());
    QCOMPARE(f->passo()->text(), QStringLiteral("digitare la data finale del possesso"));
}

// Both dates typed and only an end proof: the hint asks for both proofs and the return is refused,
// without recounting the possession window's objections; the start proof then opens the way.
void TstObiezioni::soloProvaFinale_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("passo");
    QTest::newRow("ledate") << "ledate"
                            << "scegliere una tipologia di prova per l'inizio e la fine del possesso";
    QTest::newRow("interruzione")
        << "interruzione"
        << "scegliere una tipologia di prova per l'inizio e la fine dell'interruzione del possesso";
}

void TstObiezioni::soloProvaFinale()
{
    QFETCH(QString, nome);
    QFETCH(QString, passo);
    datePossesso(QStringLiteral("1/1/1970"), QStringLiteral("1/1/1995"));
    FinestraDate* f = date(nome);
    scrivi(f, QStringLiteral("1/3/1990"), QStringLiteral("15/3/1991"));
    f->datfin()->pulsante(2)->click();
    QCOMPARE(f->passo()->text(), passo);
    QCOMPARE(f->blocco()->datafine()->text(), QStringLiteral("15/3/1991"));

    const QString contatore = possesso()->numobiez()->text();
    f->findChild<QPushButton*>(QStringLiteral("cmdpossesso"))->click();
    QCOMPARE(f->mancanodati(), 1);
    QCOMPARE(finta_->messaggi.ultimo().testo, RIFIUTO_DATE);
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Esclamazione);
    QCOMPARE(possesso()->numobiez()->text(), contatore);
    QVERIFY(!possesso()->isVisible());

    f->datin()->pulsante(1)->click();
    QCOMPARE(f->passo()->text(), PASSO_COMPLETO);
    const int messaggi = finta_->messaggi.mostrati.size();
    f->findChild<QPushButton*>(QStringLiteral("cmdpossesso"))->click();
    QCOMPARE(f->mancanodati(), 0);
    QCOMPARE(finta_->messaggi.mostrati.size(), messaggi);
    QVERIFY(possesso()->numobiez()->text() != contatore);
    QVERIFY(possesso()->isVisible());
}

// An interruption's "nessuna prova" neither warns nor copies: a possession date in an interruption
// field would make the interruption begin or end with the possession itself.
void TstObiezioni::interruzioneNonCopiaMai()
{
    datePossesso(QStringLiteral("1/1/1970"), QStringLiteral("1/1/1995"));
    FinestraDate* f = date(QStringLiteral("interruzione"));
    scrivi(f, QStringLiteral("1/3/1990"), QStringLiteral("15/3/1991"));
    QCOMPARE(f->blocco()->durata()->text(), QStringLiteral(" 1 anno e 14 giorni"));
    for (int i = 1; i <= 13; ++i)
        f->datin()->pulsante(i)->click();
    for (int j = 1; j <= 10; ++j)
        f->datfin()->pulsante(j)->click();
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    QCOMPARE(f->blocco()->datainizio()->text(), QStringLiteral("1/3/1990"));
    QCOMPARE(f->blocco()->datafine()->text(), QStringLiteral("15/3/1991"));
    QCOMPARE(f->blocco()->durata()->text(), QStringLiteral(" 1 anno e 14 giorni"));
    QCOMPARE(causaViva().scelte().provaInizioInterruzione, std::optional(ProvaLunga::Nessuna));
    QCOMPARE(causaViva().scelte().provaFineInterruzione, std::optional(ProvaCorta::Nessuna));
    // The dates window's variables are another window's: untouched.
    QVERIFY(!causaViva().scelte().provaInizioDate);
    QVERIFY(!causaViva().scelte().provaFineDate);
}

// Neither window compares its dates with the plaintiff's: a period outside the possession stands.
void TstObiezioni::interruzioneFuoriPossesso()
{
    datePossesso(QStringLiteral("1/1/1970"), QStringLiteral("1/1/1980"));
    for (const QString& nome : {QStringLiteral("ledate"), QStringLiteral("interruzione")}) {
        FinestraDate* f = date(nome);
        scrivi(f, QStringLiteral("1/1/1990"), QStringLiteral("1/1/2020"));
        f->datin()->pulsante(1)->click();
        f->datfin()->pulsante(1)->click();
        QCOMPARE(f->blocco()->durata()->text(), QStringLiteral(" 30 anni"));
        f->cmdpossesso_Click();
        QCOMPARE(f->mancanodati(), 0);
    }
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
}

// The "?" of the duration: the possession window's rules in "ledate", art. 1167 in "interruzione".
void TstObiezioni::durataDelleDueFinestre()
{
    QVERIFY(!Finestre::caricata(QStringLiteral("norme")));   // the article's text needs no browser
    possesso()->cmddurata_Click();
    const MessaggioRegistrato regole = finta_->messaggi.ultimo();

    date(QStringLiteral("ledate"))->findChild<QPushButton*>(QStringLiteral("cmddurata"))->click();
    QCOMPARE(finta_->messaggi.ultimo().testo, regole.testo);
    QCOMPARE(finta_->messaggi.ultimo().icona, regole.icona);

    date(QStringLiteral("interruzione"))->findChild<QPushButton*>(QStringLiteral("cmddurata"))->click();
    QVERIFY(finta_->messaggi.ultimo().testo.startsWith(QStringLiteral("Articolo 1167 del Codice Civile:\r")));
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Informazione);
}

// Every questionnaire refuses the return until a choice is made, then allows it for as long as it
// stays loaded, also after a new case has unchecked the option.
void TstObiezioni::questionarioRitorno_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("gruppo");
    QTest::addColumn<int>("scelta");
    QTest::addColumn<QString>("passoA");
    QTest::addColumn<QString>("passoB");
    const QString b = QStringLiteral(
        "consultare le norme vigenti cliccando sul relativo tasto ? o continuare la causa cliccando sul tasto Possesso");
    QTest::newRow("modo") << "modo"
                          << "viol" << 12
                          << "scegliere l'opzione che ricorre come prova del possesso in modo violento o clandestino"
                          << "cliccare sul tasto Possesso per procedere con la causa";
    QTest::newRow("psiche")
        << "psiche"
        << "datfin" << 11
        << "scegliere una delle opzioni disponibili come prova della detenzione dell'attore per conto del proprietario"
        << b;
    QTest::newRow("provenienza")
        << "provenienza"
        << "datfin" << 1
        << "scegliere una delle opzioni disponibili come prova della provenienza illegittima della cosa" << b;
    QTest::newRow("fede") << "fede"
                          << "datfin" << 7
                          << "scegliere una delle opzioni disponibili come prova della mala fede del possesso" << b;
    QTest::newRow("acquisto")
        << "acquisto"
        << "datfin" << 10
        << "scegliere una delle opzioni disponibili come prova dell'acquisto da chi non è proprietario senza un titolo idoneo"
        << b;
}

void TstObiezioni::questionarioRitorno()
{
    QFETCH(QString, nome);
    QFETCH(QString, gruppo);
    QFETCH(int, scelta);
    QFETCH(QString, passoA);
    QFETCH(QString, passoB);
    const QHash<QString, std::optional<ProvaRequisito> DatiCausa::*> variabili{
        {QStringLiteral("modo"), &DatiCausa::obiezioneModo},
        {QStringLiteral("psiche"), &DatiCausa::obiezioneAnimo},
        {QStringLiteral("provenienza"), &DatiCausa::obiezioneProvenienza},
        {QStringLiteral("fede"), &DatiCausa::obiezioneFede},
        {QStringLiteral("acquisto"), &DatiCausa::obiezioneTitolo}};
    const std::optional<ProvaRequisito> DatiCausa::*variabile = variabili.value(nome);

    Questionario* q = questionario(nome);
    QCOMPARE(q->passo()->text(), passoA);
    auto* ritorno = q->findChild<QPushButton*>(QStringLiteral("cmdpossesso"));
    ritorno->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().testo, RIFIUTO_QUESTIONARIO);
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Esclamazione);
    QVERIFY(!Finestre::caricata(QStringLiteral("possesso")) || !possesso()->isVisible());

    auto* opzione = q->findChild<QRadioButton*>(QStringLiteral("%1(%2)").arg(gruppo).arg(scelta));
    QVERIFY(opzione);
    const QString contatore = possesso()->numobiez()->text();
    opzione->click();
    QCOMPARE(causaViva().scelte().*variabile, daNumero<ProvaRequisito>(qint16(scelta)));
    QCOMPARE(q->passo()->text(), passoB);
    ritorno->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY(possesso()->isVisible());
    QVERIFY(possesso()->numobiez()->text() != contatore);

    // Closed by its title bar and opened again, the window shows the objection it had.
    q->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    q = questionario(nome);
    QCOMPARE(q->gruppo()->selezionato(), scelta);
    QCOMPARE(q->passo()->text(), passoB);

    // A new case leaves no objection: the option unchecked, hint A, the return refused again.
    possesso()->hide();
    causaViva().imposta(&DatiCausa::tipologia, Tipologia::Proprieta);
    finta_->messaggi.risposte.enqueue(Risposta::No);   // not saved: dropped
    Finestre::di<FinestraCausa>()->azzera_Click();
    QCOMPARE(q->gruppo()->selezionato(), 0);
    QCOMPARE(q->passo()->text(), passoA);
    q->findChild<QPushButton*>(QStringLiteral("cmdpossesso"))->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 3);
    QCOMPARE(finta_->messaggi.ultimo().testo, RIFIUTO_QUESTIONARIO);
}

// A window opened after the case holds its objection shows it; selecting from code stores the index.
void TstObiezioni::sceltaDaCodice()
{
    causaViva().imposta(&DatiCausa::obiezioneFede, ProvaRequisito::AltriDocumenti);
    Questionario* q = questionario(QStringLiteral("fede"));
    QVERIFY(q->sceltaFatta());
    QCOMPARE(q->gruppo()->selezionato(), 5);
    q->gruppo()->seleziona(8);
    QCOMPARE(causaViva().scelte().obiezioneFede, std::optional(ProvaRequisito::Confessione));
    QVERIFY(q->sceltaFatta());
    q->gruppo()->seleziona(13);   // names no button: nothing at all
    QCOMPARE(causaViva().scelte().obiezioneFede, std::optional(ProvaRequisito::Confessione));
}

void TstObiezioni::spiegazioniQuestionari_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("inizio");
    const QString tolleranza =
        QStringLiteral("Gli atti compiuti con l'altrui tolleranza non fondano il possesso (art.1144");
    const QString diffida = QStringLiteral("La diffida e la messa in mora non interrompono il termine dell'usucapione");
    for (const QString& nome : Questionario::nomi()) {
        const bool modo = nome == QLatin1String("modo");
        const bool fede = nome == QLatin1String("fede");
        QTest::addRow("%s 5", qPrintable(nome))
            << nome << 5 << QStringLiteral("Tali atti, quando hanno una data certa");
        QTest::addRow("%s 8", qPrintable(nome)) << nome << 8 << QStringLiteral("Articolo 2730 del Codice Civile:\r");
        QTest::addRow("%s 10", qPrintable(nome)) << nome << 10 << tolleranza;
        QTest::addRow("%s 11", qPrintable(nome))
            << nome << 11
            << (modo   ? QStringLiteral("La diffida e la messa in mora sono dichiarazioni del convenuto e non provano")
                : fede ? QStringLiteral("La diffida e la messa in mora non provano la mala fede")
                       : diffida);
        QTest::addRow("%s 12", qPrintable(nome))
            << nome << 12
            << (modo ? QStringLiteral(
                    "In questo caso l'opposizione non ha motivo di lamentarsi dei vizi del possesso per l'acquisto in modo violento o clandestino.")
                     : NESSUNA_PROVA);
    }
}

void TstObiezioni::spiegazioniQuestionari()
{
    QFETCH(QString, nome);
    QFETCH(int, i);
    QFETCH(QString, inizio);
    questionario(nome)->spiega1(i)->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY2(finta_->messaggi.ultimo().testo.startsWith(inizio), qPrintable(finta_->messaggi.ultimo().testo.left(100)));
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Informazione);
    QVERIFY(causaViva().scelte() == DatiCausa{});   // nothing stored
}

// Every window's explanation opens with the invitation to read the "?"; the interruption window's is
// the fixed paragraph on arts. 1142 and 1143.
void TstObiezioni::spiegazioneDellaFinestra()
{
    const QString apertura =
        QStringLiteral("Per una corretta scelta dei casi disponibili è opportuno leggere le informazioni "
                       "fornite cliccando sul tasto con il punto interrogativo. ");
    QStringList nomi = Questionario::nomi();
    nomi << QStringLiteral("ledate");
    for (const QString& nome : nomi) {
        const QString testo = Finestre::finestra(nome)->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        QVERIFY2(testo.startsWith(apertura) && testo.size() > apertura.size() + 150, qPrintable(nome));
    }
    const QString interruzione =
        Finestre::finestra(QStringLiteral("interruzione"))->findChild<QLabel*>(QStringLiteral("Label1"))->text();
    QVERIFY(interruzione.startsWith(
        QStringLiteral("Il termine dell'usucapione è interrotto dalla perdita del possesso per oltre un anno")));
    // Continuity is presumed by art. 1142; art. 1143 presumes earlier possession, not this.
    QVERIFY(interruzione.contains(QStringLiteral("art.1142")) && !interruzione.contains(QStringLiteral("1143")));
}

// The windows filled in as a user leaves them: every caption and long date fits its control, and
// the pictures are saved for a look.
void TstObiezioni::immagini()
{
    auto entra = [](QWidget* w) {
        for (QRadioButton* b : w->findChildren<QRadioButton*>()) {
            QVERIFY2(b->sizeHint().width() <= b->width() + 1,
                     qPrintable(w->objectName() + '/' + b->objectName()
                                + QStringLiteral(": %1 > %2").arg(b->sizeHint().width()).arg(b->width())));
        }
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (l->text().isEmpty() || !l->isVisible())
                continue;
            if (l->wordWrap())
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(),
                         qPrintable(w->objectName() + '/' + l->objectName()));
            else
                QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(),
                         qPrintable(w->objectName() + '/' + l->objectName()));
        }
    };
    datePossesso(QStringLiteral("29/9/76"), QStringLiteral("28/12/04"));
    const QString finestre[] = {QStringLiteral("ledate"), QStringLiteral("interruzione")};
    for (const QString& nome : finestre) {
        FinestraDate* f = date(nome);
        scrivi(f, QStringLiteral("29/9/1977"), QStringLiteral("28/12/1998"));
        f->datin()->pulsante(8)->click();
        f->datfin()->pulsante(f->datfin()->conta() - 1)->click();
        Finestre::mostra(nome);
        QVERIFY(QTest::qWaitForWindowExposed(f));
        entra(f);
        salvaImmagine(f, QStringLiteral("obiezione-") + nome);
    }
    for (const QString& nome : Questionario::nomi()) {
        Questionario* q = questionario(nome);
        q->gruppo()->pulsante(5)->click();
        Finestre::mostra(nome);
        QVERIFY(QTest::qWaitForWindowExposed(q));
        entra(q);
        salvaImmagine(q, QStringLiteral("obiezione-") + nome);
    }
}

// The act that interrupted is chosen on its own; the second date is asked only when the term runs
// again from it, and the proofs stay the proofs of the dates.
void TstObiezioni::attoInterruttivo_data()
{
    QTest::addColumn<AttoInterruttivo>("atto");
    QTest::addColumn<StatoGiudizio>("stato");
    QTest::addColumn<bool>("chiedeFine");
    QTest::addColumn<QString>("etichetta");
    using A = AttoInterruttivo;
    using G = StatoGiudizio;
    // clang-format off
    QTest::newRow("perdita del possesso") << A::PerditaPossesso << G::Definito << true << "Data finale dell'interruzione....:";
    QTest::newRow("domanda giudiziale") << A::DomandaGiudiziale << G::Definito << true << "Passata in giudicato il..........:";
    QTest::newRow("domanda, processo estinto") << A::DomandaGiudiziale << G::Estinto << false << "Data finale (non richiesta)......:";
    QTest::newRow("domanda, giudizio pendente") << A::DomandaGiudiziale << G::Pendente << false << "Data finale (non richiesta)......:";
    QTest::newRow("riconoscimento") << A::Riconoscimento << G::Definito << false << "Data finale (non richiesta)......:";
    // clang-format on
}

void TstObiezioni::attoInterruttivo()
{
    QFETCH(AttoInterruttivo, atto);
    QFETCH(StatoGiudizio, stato);
    QFETCH(bool, chiedeFine);
    QFETCH(QString, etichetta);
    datePossesso(QStringLiteral("1/1/1970"), QStringLiteral("1/1/1995"));
    FinestraDate* f = date(QStringLiteral("interruzione"));
    QVERIFY(f->atto());
    // The acts' options in the order of their numbers.
    f->atto()->pulsante(*numero<AttoInterruttivo>(atto))->click();
    if (stato == StatoGiudizio::Estinto)
        f->estinta()->click();
    if (stato == StatoGiudizio::Pendente) {
        // Extinguished, then pending by the keyboard: Tab from one box to the other, Space; the second
        // replaces the first.
        f->estinta()->click();
        Finestre::mostra(QStringLiteral("interruzione"));
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->estinta()->setFocus();
        QTest::keyClick(f->estinta(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f->pendente());
        QTest::keyClick(f->pendente(), Qt::Key_Space);
        QVERIFY(f->pendente()->isChecked());
        QVERIFY(!f->estinta()->isChecked());
    }
    QCOMPARE(causaViva().scelte().atto, std::optional(atto));
    QCOMPARE(causaViva().scelte().statoGiudizio.value_or(StatoGiudizio::Definito), stato);
    QCOMPARE(f->estinta()->isVisibleTo(f), atto == AttoInterruttivo::DomandaGiudiziale);
    QCOMPARE(f->pendente()->isVisibleTo(f), atto == AttoInterruttivo::DomandaGiudiziale);
    QCOMPARE(f->recupero()->isVisibleTo(f), atto == AttoInterruttivo::PerditaPossesso);
    QCOMPARE(f->findChild<QLabel*>(QStringLiteral("Label2"))->text(), etichetta);
    QCOMPARE(f->blocco()->datafine()->isEnabled(), chiedeFine);
    // A dated document proves the act's day; the act is still the one chosen.
    scrivi(f, QStringLiteral("1/3/1990"), QString());
    f->datin()->pulsante(5)->click();
    f->findChild<QPushButton*>(QStringLiteral("cmdpossesso"))->click();
    QCOMPARE(f->mancanodati(), chiedeFine ? 1 : 0);
    if (chiedeFine) {
        scrivi(f, QStringLiteral("1/3/1990"), QStringLiteral("15/3/1992"));
        f->datfin()->pulsante(1)->click();
        f->findChild<QPushButton*>(QStringLiteral("cmdpossesso"))->click();
        QCOMPARE(f->mancanodati(), 0);
    }
    Finestre::mostra(QStringLiteral("interruzione"));
    QVERIFY(QTest::qWaitForWindowExposed(f));
    salvaImmagine(f, QStringLiteral("interruzione-atto-%1-%2").arg(int(atto)).arg(int(stato)));
    // Back to the plaintiff's possession: the act is weighed as chosen.
    QCOMPARE(causaViva().scelte().attoInterruzione(), atto);
}

// An archive written before the act was asked: the window shows the act its start proof names,
// and the record keeps it unasked, so that the case is saved and judged as it always was.
void TstObiezioni::attoDallaProvaDiUnArchivioVecchio()
{
    Causa vecchia;
    vecchia.testi.interruzioneInizio = QStringLiteral("12/05/2004");
    vecchia.testi.interruzioneFine = QStringLiteral("12/05/2004");
    vecchia.scelte.provaInizioInterruzione = ProvaLunga::Riconoscimento;
    vecchia.scelte.provaFineInterruzione = ProvaCorta::AltriDocumenti;
    causaViva().sostituisci(vecchia, QString());
    FinestraDate* f = date(QStringLiteral("interruzione"));
    QCOMPARE(f->atto()->selezionato(), 3);
    QVERIFY(!f->blocco()->datafine()->isEnabled());
    QVERIFY(!causaViva().scelte().atto);
    f->datin()->pulsante(10)->click();
    QCOMPARE(f->atto()->selezionato(), 2);
    QVERIFY(f->blocco()->datafine()->isEnabled());
    // Once chosen, the act no longer follows the proof.
    f->atto()->pulsante(3)->click();
    f->datin()->pulsante(5)->click();
    QCOMPARE(f->atto()->selezionato(), 3);
}

QTEST_MAIN(TstObiezioni)
#include "tst_obiezioni.moc"
