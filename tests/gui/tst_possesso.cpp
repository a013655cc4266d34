// The possession window: a fresh window, the date fields, the six groups and their markers, the
// objection buttons and the counter, the Civil Code buttons and the way on to the judgment.
#include "gui/frame/gruppoopzioni.h"
#include "core/causaviva.h"
#include "core/giudizio.h"
#include "gui/case/finestradate.h"
#include "core/tabellecausa.h"
#include "gui/frame/modpossidoria.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestrapossesso.h"
#include "fakes/piattaformafinta.h"
#include "gui/judgment/finestrasentenza.h"
#include "core/codicecivile.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace ModPossidoria;

namespace {
const QString tutteLeTipologie = QStringLiteral("scegliere ognuna delle tipologie di dati visualizzate");
const QString mancanoDati =
    QString::fromUtf8("Non sono stati immessi tutti i dati necessari: non è possibile procedere.");
}   // namespace

class TstPossesso : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void finestraNuova();
    void obiezioneSenzaRisposta_data();
    void obiezioneSenzaRisposta();
    void dateAbilitanoIRiquadri();
    void nonoCarattere_data();
    void nonoCarattere();
    void cinqueGruppiPoiSentenza();
    void concessioneNonSollevaObiezione_data();
    void concessioneNonSollevaObiezione();
    void marcatoriDallaCausa();
    void obiezioneDate();
    void codiceCivile_data();
    void codiceCivile();
    void acquistoPerTipologia_data();
    void acquistoPerTipologia();
    void sentenzaConDataSvuotata_data();
    void sentenzaConDataSvuotata();
    void sentenzaSenzaDatiGenerali_data();
    void sentenzaSenzaDatiGenerali();
    void messaggi();
    void immagine();
    void dateFacoltative();

private:
    FinestraPossesso* possesso() { return Finestre::di<FinestraPossesso>(); }
    void date(const QString& inizio = QStringLiteral("1/1/70"), const QString& fine = QStringLiteral("1/1/95"));
    // Clicks the option of each answer on the possession given; an empty one is left unanswered.
    void rispondi(const DatiCausa& r);
    void intestazione(int tipo = 1);
    PiattaformaFinta* finta_ = nullptr;
};

void TstPossesso::init()
{
    finta_ = new PiattaformaFinta;
    causaViva().azzera();
}

void TstPossesso::cleanup()
{
    delete finta_;
    finta_ = nullptr;
}

void TstPossesso::date(const QString& inizio, const QString& fine)
{
    QTest::keyClicks(possesso()->datainizio(), inizio);
    QTest::keyClicks(possesso()->datafine(), fine);
}

void TstPossesso::rispondi(const DatiCausa& r)
{
    // Each group lists its options in the order of the answers' numbers.
    const Scelta numeri[] = {numero(r.interruzione), numero(r.modo), numero(r.animo),
                             numero(r.provenienza),  numero(r.fede), numero(r.titolo)};
    for (int k = 1; k <= 6; ++k)
        if (numeri[k - 1])
            possesso()->gruppo(k)->pulsante(*numeri[k - 1])->click();
}

void TstPossesso::intestazione(int tipo)
{
    FinestraCausa* c = Finestre::di<FinestraCausa>();
    c->attore()->setText(QStringLiteral("Rossi"));
    c->convenuto()->setText(QStringLiteral("Bianchi"));
    c->bene()->setText(QStringLiteral("fondo"));
    c->luogo()->setText(QStringLiteral("Lecco"));
    if (tipo)
        c->Option1()->pulsante(tipo)->click();
}

void TstPossesso::finestraNuova()
{
    FinestraPossesso* p = possesso();
    QCOMPARE(p->windowTitle(), QStringLiteral("Possidoria: dati sul possesso[*]"));
    QCOMPARE(p->passo()->text(), QStringLiteral("digitare la data iniziale del possesso"));
    for (int i = 1; i <= 6; ++i) {
        QVERIFY(!p->frame(i)->isEnabled());
        QVERIFY(!p->gruppo(i)->pulsante(1)->isEnabled());
        QVERIFY(p->findChild<QPushButton*>(QStringLiteral("cod(%1)").arg(i))->isEnabled());
    }
    for (int i = 0; i < FinestraPossesso::marcatori; ++i)
        QVERIFY(p->marcatore(i)->isHidden());
    QVERIFY(p->numobiez()->text().isEmpty());
    QCOMPARE(p->datafine()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    // The counter line says what it counts, not the end date.
    QVERIFY(p->numobiez()->toolTip().contains(QStringLiteral("obiezioni")));
    QVERIFY(!p->numobiez()->toolTip().contains(QStringLiteral("la data")));
}

void TstPossesso::obiezioneSenzaRisposta_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("messaggio");
    auto riga = [](int k, const char* m) {
        QTest::newRow(qPrintable(QString::number(k))) << k << QString::fromUtf8(m);
    };
    riga(1, "Digitare prima entrambe le date della durata del possesso.");
    riga(2, "Scegliere prima la tipologia della maggiore interruzione del possesso.");
    riga(3, "Scegliere prima l'opzione sul modo di acquisto del possesso.");
    riga(4, "Scegliere prima l'opzione sulla condizione psicologica del possessore.");
    riga(5, "Scegliere prima l'opzione sulla provenienza della cosa.");
    riga(6, "Scegliere prima l'opzione sulla fede del possessore.");
    riga(7, "Scegliere prima l'opzione sull'acquisto da chi non è proprietario.");
}

void TstPossesso::obiezioneSenzaRisposta()
{
    QFETCH(int, k);
    QFETCH(QString, messaggio);
    possesso()->findChild<QPushButton*>(QStringLiteral("oppos1(%1)").arg(k))->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().testo, messaggio);
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Critico);
    for (int i = 0; i < FinestraPossesso::marcatori; ++i)
        QVERIFY(possesso()->marcatore(i)->isHidden());
}

void TstPossesso::dateAbilitanoIRiquadri()
{
    QTest::keyClicks(possesso()->datainizio(), QStringLiteral("1/1/70"));
    QCOMPARE(possesso()->passo()->text(), QStringLiteral("digitare la data finale del possesso"));
    QVERIFY(!possesso()->frame(1)->isEnabled());
    QTest::keyClicks(possesso()->datafine(), QStringLiteral("1/1/95"));
    QCOMPARE(possesso()->durata()->text(), QStringLiteral(" 25 anni"));
    for (int i = 1; i <= 6; ++i)
        QVERIFY(possesso()->frame(i)->isEnabled());
    QCOMPARE(possesso()->passo()->text(), tutteLeTipologie);
    rispondi({.interruzione = Interruzione::Nessuna,
              .modo = Modo::PacificoPubblico,
              .animo = Animo::DaTitolare,
              .provenienza = Provenienza::Legittima,
              .fede = Fede::Buona});
    QCOMPARE(possesso()->passo()->text(), tutteLeTipologie);
    rispondi({.titolo = Titolo::Mancante});
    QCOMPARE(
        possesso()->passo()->text(),
        QStringLiteral("correggere, archiviare quanto immesso, scegliere delle obiezioni, visualizzare il risultato "
                       "cliccando sull'apposito tasto ----------------->"));
    // Emptying a date brings the hint back and the requirements wait for a duration, answers kept.
    possesso()->datainizio()->clear();
    QCOMPARE(possesso()->passo()->text(), QStringLiteral("digitare la data iniziale del possesso"));
    QVERIFY(!possesso()->frame(6)->isEnabled());
    QCOMPARE(possesso()->gruppo(6)->selezionato(), 2);
    QCOMPARE(causaViva().scelte().interruzione, std::optional(Interruzione::Nessuna));
    QCOMPARE(causaViva().scelte().titolo, std::optional(Titolo::Mancante));
}

void TstPossesso::nonoCarattere_data()
{
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("campo");
    QTest::newRow("anno lungo") << QStringLiteral("12/03/1985") << QStringLiteral("12/03/1985");
    QTest::newRow("undici caratteri") << QStringLiteral("12/03/19255") << QStringLiteral("12/03/1925");
    QTest::newRow("anno breve") << QStringLiteral("12/03/85") << QStringLiteral("12/03/85");
    QTest::newRow("senza zeri") << QStringLiteral("1/3/1985") << QStringLiteral("1/3/1985");
}

void TstPossesso::nonoCarattere()
{
    QFETCH(QString, digitato);
    QFETCH(QString, campo);
    QTest::keyClicks(possesso()->datainizio(), digitato);
    QCOMPARE(possesso()->datainizio()->text(), campo);
    QTest::keyClicks(possesso()->datafine(), digitato);
    QCOMPARE(possesso()->datafine()->text(), campo);
}

void TstPossesso::cinqueGruppiPoiSentenza()
{
    intestazione();
    date();
    rispondi({.interruzione = Interruzione::Nessuna,
              .modo = Modo::PacificoPubblico,
              .animo = Animo::DaTitolare,
              .provenienza = Provenienza::Legittima,
              .fede = Fede::Buona});
    possesso()->findChild<QPushButton*>(QStringLiteral("cmdavanti"))->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    // The refusal names what is missing.
    QCOMPARE(finta_->messaggi.ultimo().testo,
             mancanoDati + QStringLiteral("\rMancano: la risposta su «Acquisto da chi non è proprietario»."));
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Critico);
    QVERIFY(!Finestre::caricata(QStringLiteral("sentenza")));

    rispondi({.titolo = Titolo::Mancante});
    possesso()->cmdavanti_Click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY(Finestre::caricata(QStringLiteral("sentenza")));
    QVERIFY(Finestre::finestra(QStringLiteral("sentenza"))->isVisible());
}

void TstPossesso::concessioneNonSollevaObiezione_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("opzione");
    QTest::addColumn<QString>("messaggio");
    auto riga = [](const char* nome, int k, int opzione, const char* m) {
        QTest::newRow(nome) << k << opzione << QString::fromUtf8(m);
    };
    riga("interruzione", 2, 2,
         "L'obiezione non ha senso in quanto l'attore riconosce che il possesso è stato interrotto per oltre un anno.");
    riga(
        "modo", 3, 1,
        "L'obiezione non ha senso in quanto l'attore riconosce che il modo di acquisto del possesso è stato 'violento o clandestino'.");
    riga("psiche", 4, 1,
         "L'obiezione non ha senso in quanto l'attore riconosce di aver posseduto per conto del proprietario.");
    riga(
        "provenienza", 5, 2,
        "L'obiezione non ha senso in quanto l'attore riconosce che la provenienza della cosa da usucapire è 'illegittima'.");
    riga("fede", 6, 2, "L'obiezione non ha senso in quanto l'attore riconosce di essere in 'mala fede'.");
}

// An objection to what the plaintiff concedes is pointless: said, and nothing is raised.
void TstPossesso::concessioneNonSollevaObiezione()
{
    QFETCH(int, k);
    QFETCH(int, opzione);
    QFETCH(QString, messaggio);
    date();
    possesso()->gruppo(k - 1)->pulsante(opzione)->click();
    possesso()->oppos1_Click(k);
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().testo, messaggio);
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Esclamazione);
    for (int i = 0; i < FinestraPossesso::marcatori; ++i)
        QVERIFY(possesso()->marcatore(i)->isHidden());
    QVERIFY(possesso()->numobiez()->text().isEmpty());
    QVERIFY(!Finestre::caricata(QString::fromLatin1(TabelleCausa::obiezione(k).finestra)));
}

// The markers and the counter are the objections the case holds, whoever set them.
void TstPossesso::marcatoriDallaCausa()
{
    date();
    rispondi({.interruzione = Interruzione::MenoDiUnAnno,
              .modo = Modo::PacificoPubblico,
              .animo = Animo::DaTitolare,
              .provenienza = Provenienza::Legittima,
              .fede = Fede::Buona,
              .titolo = Titolo::Mancante});
    QVERIFY(possesso()->numobiez()->text().isEmpty());
    for (int k = 2; k <= 7; ++k)
        causaViva().imposta(TabelleCausa::obiezione(k).prova, Scelta(qint16(1)));
    const QList<int> opposte{1, 5, 7, 8, 10, 13};
    for (int i = 0; i < FinestraPossesso::marcatori; ++i)
        QCOMPARE(possesso()->marcatore(i)->isHidden(), !opposte.contains(i));
    QCOMPARE(possesso()->numobiez()->text(), QStringLiteral("Sono state formulate n. 6 obiezioni."));

    // Another answer: the marker follows it. An objection withdrawn: its marker goes, the count drops.
    possesso()->gruppo(2)->pulsante(1)->click();
    QVERIFY(possesso()->marcatore(5)->isHidden());
    QVERIFY(!possesso()->marcatore(4)->isHidden());
    causaViva().imposta(&DatiCausa::obiezioneModo, std::nullopt);
    QVERIFY(possesso()->marcatore(4)->isHidden());
    QCOMPARE(possesso()->numobiez()->text(), QStringLiteral("Sono state formulate n. 5 obiezioni."));
    for (int k = 4; k <= 7; ++k)
        causaViva().imposta(TabelleCausa::obiezione(k).prova, Scelta());
    QCOMPARE(possesso()->numobiez()->text(), QStringLiteral("È stata formulata n. 1 obiezione."));
}

// The dates' objection button opens its window; the marker comes with the first proof chosen there.
void TstPossesso::obiezioneDate()
{
    date();
    possesso()->oppos1_Click(1);
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    QVERIFY(Finestre::finestra(QStringLiteral("ledate"))->isVisible());
    QVERIFY(possesso()->marcatore(0)->isHidden());
    Finestre::finestra<FinestraDate>(QStringLiteral("ledate"))->datin()->pulsante(6)->click();
    QVERIFY(!possesso()->marcatore(0)->isHidden());
    QCOMPARE(possesso()->numobiez()->text(), QStringLiteral("È stata formulata n. 1 obiezione."));
}

void TstPossesso::codiceCivile_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("articolo");
    QTest::newRow("interruzione") << 1 << QStringLiteral("1167");
    QTest::newRow("modo") << 2 << QStringLiteral("1163");
    QTest::newRow("psiche") << 3 << QStringLiteral("1141");
    QTest::newRow("provenienza") << 4 << QStringLiteral("1154");
    QTest::newRow("fede") << 5 << QStringLiteral("1147");
    QTest::newRow("acquisto senza tipo") << 6 << QStringLiteral("1159");
}

void TstPossesso::codiceCivile()
{
    QFETCH(int, i);
    QFETCH(QString, articolo);
    possesso()->findChild<QPushButton*>(QStringLiteral("cod(%1)").arg(i))->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Informazione);
    QVERIFY2(finta_->messaggi.ultimo().testo.startsWith(QStringLiteral("Articolo ") + articolo
                                                        + QStringLiteral(" del Codice Civile:")),
             qPrintable(finta_->messaggi.ultimo().testo));
}

void TstPossesso::acquistoPerTipologia_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("articolo");
    const QStringList attesi = {"1159", "1159",     "1159", "1159", "1159", "1159",
                                "1061", "1159 bis", "1160", "1153", "1162", "1159"};
    for (int t = 1; t <= 12; ++t)
        QTest::newRow(qPrintable(QString::number(t))) << t << attesi[t - 1];
}

void TstPossesso::acquistoPerTipologia()
{
    QFETCH(int, tipo);
    QFETCH(QString, articolo);
    Finestre::di<FinestraCausa>()->Option1()->pulsante(tipo)->click();
    possesso()->cod_Click(6);
    const QString testo = finta_->messaggi.ultimo().testo;
    QVERIFY2(testo.startsWith(QStringLiteral("Articolo ") + articolo + QStringLiteral(" del Codice Civile:")),
             qPrintable(testo));
    // The article's own text follows, as the Civil Code browser holds it.
    if (articolo == QLatin1String("1061"))
        QVERIFY(testo.contains(CodiceCivile::commiCitati(1061).join(QChar(13))));
    else {
        bool comeNelBrowser = false;
        for (int p = 1; p <= CodiceCivile::numeroArticoli; ++p)
            comeNelBrowser = comeNelBrowser || CodiceCivile::testoVisualizzato(p) == testo;
        QVERIFY(comeNelBrowser);
    }
}

// An emptied or unreadable date leaves no duration, and "&Sentenza" refuses as for a missing date.
void TstPossesso::sentenzaConDataSvuotata_data()
{
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<QString>("motivo");   // why the date typed cannot be used
    QTest::newRow("emptied") << QString() << QString();
    QTest::newRow("no such day") << QStringLiteral("31/2/99")
                                 << QStringLiteral("\rData iniziale del possesso: il 31/02/1999 non esiste.");
}

void TstPossesso::sentenzaConDataSvuotata()
{
    QFETCH(QString, inizio);
    QFETCH(QString, motivo);
    intestazione();
    date(QStringLiteral("1/1/70"), QStringLiteral("1/1/95"));
    rispondi({.interruzione = Interruzione::Nessuna,
              .modo = Modo::PacificoPubblico,
              .animo = Animo::DaTitolare,
              .provenienza = Provenienza::Legittima,
              .fede = Fede::Mala,
              .titolo = Titolo::Mancante});
    possesso()->datainizio()->setText(inizio);
    QCOMPARE(possesso()->durata()->text(), QString());
    possesso()->cmdavanti_Click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().testo,
             mancanoDati + motivo + QStringLiteral("\rMancano: la data iniziale del possesso."));
    QVERIFY(!Finestre::caricata(QStringLiteral("sentenza")));
}

void TstPossesso::sentenzaSenzaDatiGenerali_data()
{
    QTest::addColumn<QString>("vuoto");
    QTest::addColumn<int>("tipo");
    QTest::newRow("attore") << QStringLiteral("attore") << 1;
    QTest::newRow("luogo") << QStringLiteral("luogo") << 1;
    QTest::newRow("tipo") << QString() << 0;
}

void TstPossesso::sentenzaSenzaDatiGenerali()
{
    QFETCH(QString, vuoto);
    QFETCH(int, tipo);
    intestazione(tipo);
    if (!vuoto.isEmpty())
        Finestre::di<FinestraCausa>()->findChild<QLineEdit*>(vuoto)->clear();
    possesso()->show();
    date();
    rispondi({.interruzione = Interruzione::Nessuna,
              .modo = Modo::PacificoPubblico,
              .animo = Animo::DaTitolare,
              .provenienza = Provenienza::Legittima,
              .fede = Fede::Buona,
              .titolo = Titolo::Mancante});
    possesso()->cmdavanti_Click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QCOMPARE(finta_->messaggi.ultimo().testo, QStringLiteral("Non sono stati inseriti i dati generali della causa."));
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Esclamazione);
    QVERIFY(Finestre::finestra(QStringLiteral("causa"))->isVisible());
    QVERIFY(!Finestre::caricata(QStringLiteral("sentenza")));
}

void TstPossesso::messaggi()
{
    possesso()->findChild<QPushButton*>(QStringLiteral("cmddurata"))->click();
    possesso()->findChild<QPushButton*>(QStringLiteral("aiuto"))->click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 2);
    const QStringList durata = finta_->messaggi.mostrati[0].testo.split(QChar(13));
    QCOMPARE(durata.size(), 3);
    QVERIFY(
        durata[0].startsWith(QString::fromUtf8("La durata del possesso richiesta dalle norme italiane è di 20 anni")));
    QVERIFY(durata[0].contains(QString::fromUtf8("dalla data della trascrizione")));
    QVERIFY(durata[1].startsWith(QString::fromUtf8("Gli anni si contano per anniversari")));
    QVERIFY(durata[2].endsWith(QStringLiteral("nella finestra Norme.")));
    const QStringList aiuto = finta_->messaggi.mostrati[1].testo.split(QChar(13));
    QCOMPARE(aiuto.size(), 7);
    QCOMPARE(aiuto.last(), QStringLiteral("- visualizzare la sentenza cliccando sul tasto Sentenza."));
    for (const MessaggioRegistrato& m : finta_->messaggi.mostrati)
        QCOMPARE(m.icona, Icona::Informazione);
}

void TstPossesso::immagine()
{
    possesso()->show();
    date(QStringLiteral("8/12/86"), QStringLiteral("8/12/06"));
    rispondi({.interruzione = Interruzione::MenoDiUnAnno,
              .modo = Modo::PacificoPubblico,
              .animo = Animo::DaTitolare,
              .provenienza = Provenienza::Legittima,
              .fede = Fede::Buona,
              .titolo = Titolo::Idoneo});
    for (int k = 1; k <= 7; ++k)
        causaViva().imposta(TabelleCausa::obiezione(k).prova, Scelta(qint16(1)));
    QCOMPARE(possesso()->findChild<QLabel*>(QStringLiteral("inizio"))->text(),
             QString::fromUtf8("lunedì, 8 dicembre 1986"));
    QVERIFY(QTest::qWaitForWindowExposed(possesso()));
    salvaImmagine(possesso(), QStringLiteral("possesso-obiezioni"));
    QCOMPARE(possesso()->numobiez()->text(), QStringLiteral("Sono state formulate n. 7 obiezioni."));
    // Each of the fourteen markers lies inside its frame and over no other control.
    for (int i = 0; i < FinestraPossesso::marcatori; ++i) {
        QLabel* m = possesso()->marcatore(i);
        m->show();
        QVERIFY(m->parentWidget()->rect().contains(m->geometry()));
        for (QWidget* fratello : m->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (fratello != m && fratello->isVisible() && !fratello->objectName().startsWith(QLatin1String("qt_")))
                QVERIFY2(!fratello->geometry().intersects(m->geometry()),
                         qPrintable(m->objectName() + QLatin1Char('/') + fratello->objectName()));
    }
}

// The optional dates stand where they count, go into the record as typed, and decide: twenty
// years from the end of violence win, a transcription after the start shortens the short term.
void TstPossesso::dateFacoltative()
{
    intestazione();
    possesso()->show();
    date(QStringLiteral("1/1/1980"), QStringLiteral("1/1/2015"));
    rispondi({.interruzione = Interruzione::Nessuna,
              .modo = Modo::PacificoPubblico,
              .animo = Animo::DaTitolare,
              .provenienza = Provenienza::Legittima,
              .fede = Fede::Mala,
              .titolo = Titolo::Mancante});
    QVERIFY(!possesso()->cessazione()->isVisibleTo(possesso()));
    QVERIFY(!possesso()->trascrizione()->isVisibleTo(possesso()));
    possesso()->gruppo(2)->pulsante(1)->click();
    QVERIFY(possesso()->cessazione()->isVisibleTo(possesso()));
    QTest::keyClicks(possesso()->cessazione(), QStringLiteral("1/1/1990x"));
    QCOMPARE(causaViva().testi().cessazioneVizio, QStringLiteral("1/1/1990"));
    std::optional<Giudizio> g = giudica(causaViva().causa());
    QVERIFY(g);
    QCOMPARE(g->decisione.chiave, QStringLiteral("R1"));
    QVERIFY2(g->sentenza.testo.contains(QStringLiteral("L'usucapione si è compiuta il 1/1/2010")),
             qPrintable(g->sentenza.testo));

    possesso()->gruppo(2)->pulsante(2)->click();
    possesso()->gruppo(5)->pulsante(1)->click();
    possesso()->gruppo(6)->pulsante(1)->click();
    QVERIFY(!possesso()->cessazione()->isVisibleTo(possesso()));
    QVERIFY(possesso()->trascrizione()->isVisibleTo(possesso()));
    possesso()->datainizio()->clear();
    QTest::keyClicks(possesso()->datainizio(), QStringLiteral("1/1/2000"));
    possesso()->datafine()->clear();
    QTest::keyClicks(possesso()->datafine(), QStringLiteral("1/1/2012"));
    QCOMPARE(giudica(causaViva().causa())->decisione.chiave, QStringLiteral("R5"));
    QTest::keyClicks(possesso()->trascrizione(), QStringLiteral("1/1/2005"));
    QCOMPARE(giudica(causaViva().causa())->decisione.chiave, QStringLiteral("RF"));
    QVERIFY(QTest::qWaitForWindowExposed(possesso()));
    salvaImmagine(possesso(), QStringLiteral("possesso-trascrizione"));

    // A day the calendar lacks is never taken for "not given": it is named at the field and in the
    // hint, and no judgment rests on it.
    possesso()->trascrizione()->clear();
    QTest::keyClicks(possesso()->trascrizione(), QStringLiteral("31/06/2005"));
    QVERIFY(!giudica(causaViva().causa()));
    const QString errore = QStringLiteral("Data della trascrizione del titolo: il 31/06/2005 non esiste.");
    QCOMPARE(possesso()->trascrizione()->accessibleDescription(), errore);
    QVERIFY2(possesso()->passo()->text().contains(errore), qPrintable(possesso()->passo()->text()));
    salvaImmagine(possesso(), QStringLiteral("possesso-data-impossibile"));
}

QTEST_MAIN(TstPossesso)
#include "tst_possesso.moc"
