// The help: the fifteen text windows, the contents window, their documents and their wiring.
#include "fakes/piattaformafinta.h"
#include "gui/frame/finestralavoro.h"
#include "gui/frame/finestre.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "gui/help/documentoguida.h"
#include "gui/help/guida.h"
#include "gui/help/sommario.h"
#include "core/testiguida.h"
#include "core/regole.h"
#include "platform/wordqt.h"
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

// The headings in the order of the contents window, which is also the order of the collected document.
const QStringList TITOLI = {QString::fromUtf8("MANUALE D'USO RAPIDO"),
                            QString::fromUtf8("FUNZIONAMENTO DEL PROGRAMMA"),
                            QString::fromUtf8("Finestra MENU"),
                            QString::fromUtf8("Finestra NORME"),
                            QString::fromUtf8("Finestra MASSIME"),
                            QString::fromUtf8("Finestra CAUSA"),
                            QString::fromUtf8("Finestra POSSESSO"),
                            QString::fromUtf8("Finestra obiezione DURATA"),
                            QString::fromUtf8("Finestra obiezione INTERRUZIONE"),
                            QString::fromUtf8("Finestra obiezione MODO"),
                            QString::fromUtf8("Finestra obiezione PSICOLOGIA"),
                            QString::fromUtf8("Finestra obiezione PROVENIENZA"),
                            QString::fromUtf8("Finestra obiezione FEDE"),
                            QString::fromUtf8("Finestra obiezione ACQUISTO"),
                            QString::fromUtf8("Finestra SENTENZA")};

const QString PROGRAMMA = QStringLiteral("Possidoria");
const QString SOTTOTITOLO = QStringLiteral("causa elettronica con sentenza");

// Where the help documents go: a folder of the user's documents, inside the test's home.
QString cartellaDocumenti()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Possidoria"));
}

int inTwips(int pixel, const QWidget* w) { return qRound(pixelInTwip(pixel, w)); }

void rilascia() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QList<QLabel*> inGrassetto(Sommario* s)
{
    QList<QLabel*> bold;
    for (const RigaSommario& r : righeSommario())
        if (s->lbl(r.indice)->font().bold())
            bold << s->lbl(r.indice);
    return bold;
}

void muovi(QWidget* w)
{
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// The last font size set before operation k of a recording.
int dimensioneInVigore(const QStringList& op, int k)
{
    for (int j = k - 1; j >= 0; --j)
        if (op[j].startsWith(QLatin1String("size ")))
            return op[j].mid(5).toInt();
    return -1;
}

// A work window with nothing of its own, to reach the frame's help entries.
class FinestraDiProva : public FinestraLavoro {
public:
    explicit FinestraDiProva(int n)
        : FinestraLavoro(n)
    {}
};

}   // namespace

class TstGuide : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void testi_data();
    void testi();
    void tipiMaiUsucapibili();
    void concordaConIlCodice_data();
    void concordaConIlCodice();
    void finestraDiTesto_data();
    void finestraDiTesto();
    void tooltipDelManuale();

    void caricamentoSommario();
    void righe_data();
    void righe();
    void indiciSenzaRiga_data();
    void indiciSenzaRiga();
    void catalogoAssente();
    void passaggioDelMouse_data();
    void passaggioDelMouse();
    void bordoSullaPressione();
    void chiudiGuidaLasciaIlSommario();
    void chiudiSommarioNasconde_data();
    void chiudiSommarioNasconde();
    void sommarioDallaGuida();
    void uscita_data();
    void uscita();

    void documentoSingolo();
    void documentoRaccolto();
    void documentoRaccoltoReale();
    void cartellaDellUtente_data();
    void cartellaDellUtente();
    void cartellaDocumentiDaCreare();
    void salvataggioRifiutato();
    void cartellaDocumentiImpossibile();

    void guideDelleFinestreNumerate_data();
    void guideDelleFinestreNumerate();
    void guidaInLineaDelMenu();

private:
    QTemporaryDir cartella_;
    QTemporaryDir casa_;   // the user's home while testing: its documents folder is ours to remove
};

void TstGuide::initTestCase()
{
    ModPossidoria::impostaidentita();
    ModPossidoria::inizializza();
    QVERIFY(cartella_.isValid());
    ModPossidoria::impostaCartellaProgramma(cartella_.path());
    QVERIFY(casa_.isValid());
    qputenv("HOME", QFile::encodeName(casa_.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir(casa_.path()).filePath(QStringLiteral(".config"))));
}

void TstGuide::cleanup()
{
    chiudiTutteLeFinestre();
    ModPossidoria::impostaCartellaProgramma(cartella_.path());
}

void TstGuide::testi_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<int>("lunghezza");
    QTest::newRow("manuale") << "manuale" << QString::fromUtf8("MANUALE D'USO RAPIDO")
                             << QString::fromUtf8("Il programma Possidoria è un software di nuovissima concezione")
                             << 2232;
    QTest::newRow("guidafunzionamento") << "guidafunzionamento" << QString::fromUtf8("FUNZIONAMENTO DEL PROGRAMMA")
                                        << QString::fromUtf8(
                                               "Il funzionamento del presente software è basato sulle leggi italiane")
                                        << 1275;
    QTest::newRow("guidascelta") << "guidascelta" << QString::fromUtf8("Finestra MENU")
                                 << QString::fromUtf8(
                                        "La prima finestra del programma riguarda la scelta della procedura.")
                                 << 1227;
    QTest::newRow("guidanorme") << "guidanorme" << QString::fromUtf8("Finestra NORME")
                                << QString::fromUtf8("La finestra relativa alle norme del Codice Civile") << 1236;
    QTest::newRow("guidamassime") << "guidamassime" << QString::fromUtf8("Finestra MASSIME")
                                  << QString::fromUtf8("La finestra del programma riguardante le massime") << 1226;
    QTest::newRow("guidacausa") << "guidacausa" << QString::fromUtf8("Finestra CAUSA")
                                << QString::fromUtf8("In questa finestra inizia la causa.") << 1228;
    QTest::newRow("guidapossesso") << "guidapossesso" << QString::fromUtf8("Finestra POSSESSO")
                                   << QString::fromUtf8(
                                          "La finestra che riguarda il possesso è la più importante per la causa.")
                                   << 1268;
    QTest::newRow("guidadurata") << "guidadurata" << QString::fromUtf8("Finestra obiezione DURATA")
                                 << QString::fromUtf8("La controparte, anche se rappresentata dallo stesso operatore,")
                                 << 1271;
    QTest::newRow("guidainterruzione")
        << "guidainterruzione" << QString::fromUtf8("Finestra obiezione INTERRUZIONE")
        << QString::fromUtf8("Come per l'obiezione, eventualmente proposta, per la durata del possesso") << 1235;
    QTest::newRow("guidamodo") << "guidamodo" << QString::fromUtf8("Finestra obiezione MODO")
                               << QString::fromUtf8("Come le altre finestre dedicate alle obiezioni del convenuto")
                               << 1240;
    QTest::newRow("guidapsiche") << "guidapsiche" << QString::fromUtf8("Finestra obiezione PSICOLOGIA")
                                 << QString::fromUtf8(
                                        "L'obiezione formulata dalla controparte sulla condizione psicologica")
                                 << 1265;
    QTest::newRow("guidaprovenienza") << "guidaprovenienza" << QString::fromUtf8("Finestra obiezione PROVENIENZA")
                                      << QString::fromUtf8(
                                             "L'obiezione alla provenienza della cosa avrà un certo valore")
                                      << 1216;
    QTest::newRow("guidafede") << "guidafede" << QString::fromUtf8("Finestra obiezione FEDE")
                               << QString::fromUtf8(
                                      "L'obiezione che la controparte esprime deve essere opportunamente provata")
                               << 1226;
    QTest::newRow("guidaacquisto") << "guidaacquisto" << QString::fromUtf8("Finestra obiezione ACQUISTO")
                                   << QString::fromUtf8("L'acquisto da chi non è proprietario di un bene immobile")
                                   << 1254;
    QTest::newRow("guidasentenza")
        << "guidasentenza" << QString::fromUtf8("Finestra SENTENZA")
        << QString::fromUtf8(
               "La finestra relativa alla sentenza sulla causa elettronica è il sunto di tutta l'elaborazione.")
        << 1219;
}

void TstGuide::testi()
{
    QFETCH(QString, finestra);
    QFETCH(QString, titolo);
    QFETCH(QString, inizio);
    QFETCH(int, lunghezza);

    const TestoGuida* t = testoGuida(finestra);
    QVERIFY(t);
    QCOMPARE(t->titolo, titolo);
    QVERIFY2(t->testo.startsWith(inizio), qPrintable(t->testo.left(80)));
    // Near the intended length: within five per cent.
    QVERIFY2(qAbs(t->testo.size() - lunghezza) * 20 <= lunghezza, qPrintable(QString::number(t->testo.size())));
    // One paragraph: the window shows it as a single block and the document as one paragraph.
    QVERIFY(!t->testo.contains(QLatin1Char('\r')) && !t->testo.contains(QLatin1Char('\n')));
    QVERIFY(!t->testo.endsWith(QLatin1Char(' ')));
    // The table keeps the order of the contents window.
    QCOMPARE(TITOLI.indexOf(titolo), int(t - testiGuida().constData()));
}

void TstGuide::tipiMaiUsucapibili()
{
    // Every type the decision loses whatever the facts must be named, with its article, by the
    // guide that explains how the decision is reached.
    const QMap<Tipologia, QStringList> nomi = {
        {Tipologia::ServituNonApparenti, {QString::fromUtf8("servitù non apparenti"), QStringLiteral("1061")}},
        {Tipologia::DemanioPubblico, {QStringLiteral("demanio pubblico")}},
    };
    const QString testo = testoGuida(QStringLiteral("guidafunzionamento"))->testo;
    int trovati = 0;
    for (const Regola& r : tabellaRegole()) {
        const bool incondizionata = r.tipi && r.tipi->da == r.tipi->a && r.anni == 0 && !r.interrotto && !r.modo
                                    && !r.animo && !r.fede && !r.titolo && !r.provenienza;
        if (!incondizionata || r.esito != Esito::Perde)
            continue;
        QVERIFY2(nomi.contains(r.tipi->da), qPrintable(QStringLiteral("tipologia %1").arg(int(r.tipi->da))));
        for (const QString& n : nomi.value(r.tipi->da))
            QVERIFY2(testo.contains(n), qPrintable(n));
        ++trovati;
    }
    QCOMPARE(trovati, nomi.size());
}

// Where a guide states the law it states what the Code says: each row names the guide, a phrase the
// rule needs and one that would misstate it.
void TstGuide::concordaConIlCodice_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("necessario");
    QTest::addColumn<QString>("vietato");

    // Art. 1167 interrupts for a loss of over one year, and an unproved objection does nothing.
    QTest::newRow("interruption over a year")
        << "guidainterruzione" << QString::fromUtf8("se dura oltre un anno (art. 1167)")
        << QString::fromUtf8("almeno un anno");
    // A claim or an acknowledgement interrupts whatever its length, and the term starts again.
    QTest::newRow("civil interruption") << "guidainterruzione" << QString::fromUtf8("qualunque ne sia la durata")
                                        << QString();
    QTest::newRow("a new term after the interruption")
        << "guidainterruzione" << QString::fromUtf8("nuovo periodo (art. 2945)") << QString();
    // A formal notice proves neither violence nor bad faith; tolerance founds no possession.
    QTest::newRow("manner: formal notice") << "guidamodo" << QString::fromUtf8("atti di tolleranza")
                                           << QString::fromUtf8("fino alla diffida e messa in mora, la sentenza");
    QTest::newRow("faith: formal notice") << "guidafede" << QString::fromUtf8("non toglie la buona fede")
                                          << QString::fromUtf8("alla diffida e messa in mora, fa sì");
    QTest::newRow("dates proved one by one")
        << "guidadurata" << QString::fromUtf8("soltanto se è provata") << QString::fromUtf8("soltanto se è più breve");
    QTest::newRow("interruption proved at both ends")
        << "guidainterruzione" << QString::fromUtf8("nessuna prova e la diffida") << QString();
    // The rules cover real rights of enjoyment as well as ownership.
    QTest::newRow("the holder of the right")
        << "guidafunzionamento" << QString::fromUtf8("l'animo del titolare del diritto")
        << QString::fromUtf8("l'animo del proprietario (");
    QTest::newRow("provenance of movables in bad faith")
        << "guidafunzionamento" << QString::fromUtf8("mala fede (art. 1154)") << QString();
    QTest::newRow("psyche: the holder of the right")
        << "guidapsiche" << QString::fromUtf8("o del titolare del diritto") << QString();
    // Knowing the illegitimate provenance of an immovable is bad faith: no ten years of art. 1159.
    QTest::newRow("provenance of immovables") << "guidaprovenienza" << QString::fromUtf8("dieci anni dell'art. 1159")
                                              << QString::fromUtf8("la provenienza non incide");
    // Art. 1153 does not reach universalities and registered movables (art. 1156).
    QTest::newRow("delivery of movables")
        << "guidaacquisto" << QString::fromUtf8("1156") << QString::fromUtf8("per gli altri beni mobili");
}

void TstGuide::concordaConIlCodice()
{
    QFETCH(QString, finestra);
    QFETCH(QString, necessario);
    QFETCH(QString, vietato);
    const QString testo = testoGuida(finestra)->testo;
    QVERIFY2(testo.contains(necessario), qPrintable(necessario));
    if (!vietato.isEmpty())
        QVERIFY2(!testo.contains(vietato), qPrintable(vietato));
}

void TstGuide::finestraDiTesto_data() { testi_data(); }

void TstGuide::finestraDiTesto()
{
    QFETCH(QString, finestra);
    QFETCH(QString, titolo);
    QFETCH(QString, inizio);
    PiattaformaFinta p;

    QVERIFY(Finestre::disponibile(finestra));
    auto* g = Finestre::finestra<Guida>(finestra);
    QVERIFY(g);
    QCOMPARE(g->objectName(), finestra);
    QCOMPARE(g->windowTitle(), QStringLiteral("Guida in linea"));
    QCOMPARE(g->findChild<QLabel*>(QStringLiteral("Label1"))->text(), titolo);
    QVERIFY(g->findChild<QLabel*>(QStringLiteral("Label2"))->text().startsWith(inizio));
    QCOMPARE(g->findChild<QPushButton*>(QStringLiteral("cmdchiudi"))->text(), QStringLiteral("&Chiudi"));
    QCOMPARE(g->findChild<QPushButton*>(QStringLiteral("cmdstampa"))->text(), QStringLiteral("S&tampa"));
    QCOMPARE(g->findChild<QPushButton*>(QStringLiteral("cmdsommario"))->text(), QStringLiteral("&Sommario"));

    // The load leaves the manual 9600 twips wide and the guides 5640, all 6825 high.
    const int larghezza = finestra == QLatin1String("manuale") ? 9600 : 5640;
    QVERIFY2(qAbs(inTwips(g->width(), g) - larghezza) <= 15, qPrintable(QString::number(inTwips(g->width(), g))));
    QVERIFY2(qAbs(inTwips(g->height(), g) - 6825) <= 15, qPrintable(QString::number(inTwips(g->height(), g))));
}

void TstGuide::tooltipDelManuale()
{
    PiattaformaFinta p;
    auto* m = Finestre::finestra<Guida>(QStringLiteral("manuale"));
    QCOMPARE(m->findChild<QPushButton*>(QStringLiteral("cmdstampa"))->toolTip(),
             QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"));
    QCOMPARE(m->findChild<QPushButton*>(QStringLiteral("cmdsommario"))->toolTip(),
             QStringLiteral("cliccare per visualizzare il sommario della guida"));
    // The guides do not name the manual in their tooltips.
    auto* g = Finestre::finestra<Guida>(QStringLiteral("guidafede"));
    QVERIFY(!g->findChild<QPushButton*>(QStringLiteral("cmdstampa"))->toolTip().contains(QStringLiteral("MANUALE")));
}

void TstGuide::caricamentoSommario()
{
    PiattaformaFinta p;
    auto* s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    QVERIFY(s);
    QCOMPARE(s->windowTitle(), QStringLiteral("Possidoria: guida in linea"));
    QCOMPARE(s->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Argomenti della guida"));
    const QPushButton* stampa = s->findChild<QPushButton*>(QStringLiteral("cmdstampa"));
    const QPushButton* chiudi = s->findChild<QPushButton*>(QStringLiteral("cmdchiudi"));
    const QPushButton* uscita = s->findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(stampa->text(), QStringLiteral("&Stampa"));
    QCOMPARE(stampa->toolTip(), QStringLiteral("cliccare per avere la copia su carta del sommario"));
    QCOMPARE(chiudi->text(), QStringLiteral("&Chiudi"));
    QCOMPARE(chiudi->toolTip(), QStringLiteral("cliccare per chiudere la finestra"));
    QCOMPARE(uscita->text(), QStringLiteral("&USCITA"));
    QCOMPARE(uscita->toolTip(), QStringLiteral("cliccare per uscire da Possidoria"));
    // As designed, or somewhat wider where its caption needs it in the title bar.
    QVERIFY(inTwips(s->width(), s) >= 3975 - 15 && inTwips(s->width(), s) <= 3975 * 3 / 2);
    QVERIFY(qAbs(inTwips(s->height(), s) - 6825) <= 15);
    // Row 17 lists the example cases; there is no row 19.
    QVERIFY(s->lbl(17) && s->puls(17));
    QCOMPARE(s->lbl(17)->text().trimmed(), QStringLiteral("Casi di esempio"));
    QVERIFY(!s->lbl(19) && !s->puls(19));
}

void TstGuide::righe_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("etichetta");
    QTest::addColumn<QString>("finestra");
    QTest::newRow("1") << 1 << " Manuale d'uso rapido"
                       << "manuale";
    QTest::newRow("2") << 2 << " Funzionamento del programma"
                       << "guidafunzionamento";
    QTest::newRow("3") << 3 << " Finestra Menu"
                       << "guidascelta";
    QTest::newRow("4") << 4 << " Finestra Norme"
                       << "guidanorme";
    QTest::newRow("5") << 5 << " Finestra Massime"
                       << "guidamassime";
    QTest::newRow("6") << 6 << " Finestra Causa"
                       << "guidacausa";
    QTest::newRow("7") << 7 << " Finestra Possesso"
                       << "guidapossesso";
    QTest::newRow("8") << 8 << " Finestra obiezione Durata"
                       << "guidadurata";
    QTest::newRow("9") << 9 << " Finestra obiezione Interruzione"
                       << "guidainterruzione";
    QTest::newRow("10") << 10 << " Finestra obiezione Modo"
                        << "guidamodo";
    QTest::newRow("11") << 11 << " Finestra obiezione Psicologia"
                        << "guidapsiche";
    QTest::newRow("12") << 12 << " Finestra obiezione Provenienza"
                        << "guidaprovenienza";
    QTest::newRow("13") << 13 << " Finestra obiezione Fede"
                        << "guidafede";
    QTest::newRow("14") << 14 << " Finestra obiezione Acquisto"
                        << "guidaacquisto";
    QTest::newRow("15") << 15 << " Finestra Sentenza"
                        << "guidasentenza";
    QTest::newRow("16") << 16 << "  Suggerimento del giorno"
                        << "frmTip";
}

void TstGuide::righe()
{
    QFETCH(int, i);
    QFETCH(QString, etichetta);
    QFETCH(QString, finestra);
    PiattaformaFinta p;
    auto* s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    Finestre::mostra(QStringLiteral("sommario"));

    QCOMPARE(s->lbl(i)->text(), etichetta);
    QCOMPARE(s->puls(i)->text(), QStringLiteral("--->"));
    QCOMPARE(s->puls(i)->toolTip(), QStringLiteral("cliccare per visualizzare: ") + etichetta);
    QCOMPARE(s->lbl(i)->objectName(), QStringLiteral("lbl(%1)").arg(i));
    QCOMPARE(s->puls(i)->objectName(), QStringLiteral("puls(%1)").arg(i));

    QVERIFY(!Finestre::caricata(finestra));
    QTest::mouseClick(s->puls(i), Qt::LeftButton);
    QVERIFY(Finestre::caricata(finestra));
    QWidget* w = Finestre::finestra(finestra);
    QVERIFY(w->isVisible());
    QCOMPARE(w->objectName(), finestra);
    // The contents window stays where it was.
    QVERIFY(s->isVisible());
}

void TstGuide::indiciSenzaRiga_data()
{
    QTest::addColumn<int>("i");
    QTest::newRow("0") << 0;
    QTest::newRow("20") << 20;
    QTest::newRow("19") << 19;
    QTest::newRow("-1") << -1;
    QTest::newRow("1") << 1;
}

void TstGuide::indiciSenzaRiga()
{
    QFETCH(int, i);
    PiattaformaFinta p;
    auto* s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    QVERIFY(!Finestre::caricata(QStringLiteral("manuale")));
    s->puls_Click(i);
    QVERIFY(Finestre::caricata(QStringLiteral("manuale")));
    QVERIFY(Finestre::finestra(QStringLiteral("manuale"))->isVisible());
    QCOMPARE(finestraDellaRiga(i), QStringLiteral("manuale"));
}

void TstGuide::catalogoAssente()
{
    PiattaformaFinta p;
    QVERIFY(!Finestre::disponibile(QStringLiteral("prodotti")));
    auto* s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    Finestre::mostra(QStringLiteral("sommario"));
    QVERIFY(s->lbl(18) && s->puls(18));
    QVERIFY(s->lbl(18)->text().startsWith(QLatin1Char(' ')) && !s->lbl(18)->text().startsWith(QStringLiteral("  ")));
    // Without the catalogue window the row is not offered, and reaching it anyway does nothing.
    QVERIFY(!s->puls(18)->isVisible());
    s->puls_Click(18);
    s->lbl_MouseDown(18);
    s->lbl_MouseUp(18);
    QVERIFY(!Finestre::caricata(QStringLiteral("prodotti")));
    QVERIFY(!Finestre::caricata(QStringLiteral("manuale")));
    QVERIFY(s->isVisible());
}

void TstGuide::passaggioDelMouse_data()
{
    QTest::addColumn<QList<int>>("percorso");   // 0 is the window's background
    QTest::addColumn<int>("grassetto");         // the label left bold, 0 for none
    QTest::newRow("una") << QList<int>{3} << 3;
    QTest::newRow("da una all'altra") << QList<int>{3, 7, 16} << 16;
    QTest::newRow("ritorno") << QList<int>{2, 9, 2} << 2;
    QTest::newRow("sfondo") << QList<int>{5, 11, 0} << 0;
    QTest::newRow("dopo lo sfondo") << QList<int>{5, 0, 15} << 15;
    QTest::newRow("prima e ultima") << QList<int>{1, 16, 1} << 1;
}

void TstGuide::passaggioDelMouse()
{
    QFETCH(QList<int>, percorso);
    QFETCH(int, grassetto);
    PiattaformaFinta p;
    auto* s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    Finestre::mostra(QStringLiteral("sommario"));
    QVERIFY(inGrassetto(s).isEmpty());

    for (int i : percorso) {
        muovi(i == 0 ? static_cast<QWidget*>(s) : s->lbl(i));
        const QList<QLabel*> bold = inGrassetto(s);
        if (i == 0) {
            QVERIFY(bold.isEmpty());
        } else {
            QCOMPARE(bold.size(), 1);
            QCOMPARE(bold.first(), s->lbl(i));
        }
    }
    if (grassetto == 0)
        QVERIFY(inGrassetto(s).isEmpty());
    else
        QCOMPARE(inGrassetto(s), QList<QLabel*>{s->lbl(grassetto)});
}

void TstGuide::bordoSullaPressione()
{
    PiattaformaFinta p;
    auto* s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    Finestre::mostra(QStringLiteral("sommario"));
    QLabel* l = s->lbl(13);
    QVERIFY(l->frameShape() != QFrame::NoFrame);

    QTest::mousePress(l, Qt::LeftButton);
    QCOMPARE(l->frameShape(), QFrame::NoFrame);
    QVERIFY(Finestre::caricata(QStringLiteral("guidafede")));
    QVERIFY(Finestre::finestra(QStringLiteral("guidafede"))->isVisible());

    QTest::mouseRelease(l, Qt::LeftButton);
    QCOMPARE(l->frameShape(), QFrame::Box);
    QCOMPARE(l->frameShadow(), QFrame::Plain);
    QCOMPARE(l->lineWidth(), 1);
}

void TstGuide::chiudiGuidaLasciaIlSommario()
{
    PiattaformaFinta p;
    auto* s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    Finestre::mostra(QStringLiteral("sommario"));
    QTest::mouseClick(s->puls(4), Qt::LeftButton);
    QPointer<QWidget> prima = Finestre::finestra(QStringLiteral("guidanorme"));
    QVERIFY(prima && prima->isVisible());

    QTest::mouseClick(prima->findChild<QPushButton*>(QStringLiteral("cmdchiudi")), Qt::LeftButton);
    rilascia();
    QVERIFY(!prima);
    QVERIFY(!Finestre::caricata(QStringLiteral("guidanorme")));
    QVERIFY(Finestre::caricata(QStringLiteral("sommario")));
    QVERIFY(s->isVisible());

    // Opening it again loads it afresh.
    QTest::mouseClick(s->puls(4), Qt::LeftButton);
    QVERIFY(Finestre::caricata(QStringLiteral("guidanorme")));
    QCOMPARE(Finestre::finestra<Guida>(QStringLiteral("guidanorme"))->titolo(), QStringLiteral("Finestra NORME"));
}

void TstGuide::chiudiSommarioNasconde_data()
{
    QTest::addColumn<bool>("altraAperta");
    QTest::newRow("sopra un'altra finestra") << true;
    QTest::newRow("ultima sullo schermo") << false;
}

void TstGuide::chiudiSommarioNasconde()
{
    QFETCH(bool, altraAperta);
    PiattaformaFinta p;
    if (altraAperta)
        Finestre::mostra(QStringLiteral("frmSplash"));
    QPointer<Sommario> s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    Finestre::mostra(QStringLiteral("sommario"));
    muovi(s->lbl(6));
    QTest::mouseClick(s->findChild<QPushButton*>(QStringLiteral("cmdchiudi")), Qt::LeftButton);
    rilascia();
    // With nothing else on screen it closes, so that the program ends instead of living on unseen.
    QCOMPARE(bool(s), altraAperta);
    QCOMPARE(Finestre::caricata(QStringLiteral("sommario")), altraAperta);
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->isVisible())
            QVERIFY2(altraAperta && t->objectName() == QLatin1String("frmSplash"), qPrintable(t->objectName()));
    if (!altraAperta)
        return;
    // Shown again, it is the same window in the same state.
    Finestre::mostra(QStringLiteral("sommario"));
    QCOMPARE(Finestre::finestra<Sommario>(QStringLiteral("sommario")), s.data());
    QCOMPARE(inGrassetto(s), QList<QLabel*>{s->lbl(6)});
}

void TstGuide::sommarioDallaGuida()
{
    PiattaformaFinta p;
    auto* g = Finestre::finestra<Guida>(QStringLiteral("guidapossesso"));
    Finestre::mostra(QStringLiteral("guidapossesso"));
    QVERIFY(!Finestre::caricata(QStringLiteral("sommario")));
    QTest::mouseClick(g->findChild<QPushButton*>(QStringLiteral("cmdsommario")), Qt::LeftButton);
    QVERIFY(Finestre::caricata(QStringLiteral("sommario")));
    QVERIFY(Finestre::finestra(QStringLiteral("sommario"))->isVisible());
    QVERIFY(g->isVisible());
}

void TstGuide::uscita_data()
{
    QTest::addColumn<bool>("conferma");
    QTest::newRow("no") << false;
    QTest::newRow("si") << true;
}

void TstGuide::uscita()
{
    QFETCH(bool, conferma);
    PiattaformaFinta p;
    auto* s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    Finestre::mostra(QStringLiteral("sommario"));
    Finestre::mostra(QStringLiteral("guidafede"));
    p.messaggi.risposte.enqueue(conferma ? Risposta::Si : Risposta::No);

    QTest::mouseClick(s->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    rilascia();
    QCOMPARE(p.messaggi.mostrati.size(), 1);
    QCOMPARE(p.messaggi.ultimo().testo, QStringLiteral("Si desidera uscire da Possidoria?"));
    QCOMPARE(p.messaggi.ultimo().icona, Icona::Domanda);
    QCOMPARE(Finestre::caricata(QStringLiteral("sommario")), !conferma);
    QCOMPARE(Finestre::caricata(QStringLiteral("guidafede")), !conferma);
}

void TstGuide::documentoSingolo()
{
    PiattaformaFinta p;
    auto* g = Finestre::finestra<Guida>(QStringLiteral("guidainterruzione"));
    Finestre::mostra(QStringLiteral("guidainterruzione"));
    const QString testo = g->findChild<QLabel*>(QStringLiteral("Label2"))->text();

    QTest::mouseClick(g->findChild<QPushButton*>(QStringLiteral("cmdstampa")), Qt::LeftButton);

    const QString percorso = QDir(cartellaDocumenti()).filePath(QStringLiteral("Possidoria-guida-interruzione.odt"));
    const QStringList atteso = {QStringLiteral("new"),
                                QStringLiteral("font Century Gothic"),
                                QStringLiteral("size 20"),
                                QStringLiteral("type ") + PROGRAMMA + QStringLiteral("\r"),
                                QStringLiteral("size 16"),
                                QStringLiteral("type ") + SOTTOTITOLO + QStringLiteral("\r\r\r"),
                                QStringLiteral("type Guida: Finestra obiezione INTERRUZIONE\r\r"),
                                QStringLiteral("size 12"),
                                QStringLiteral("type ") + testo + QStringLiteral("\r"),
                                QStringLiteral("justify"),
                                QStringLiteral("save ") + percorso,
                                QStringLiteral("show")};
    QCOMPARE(p.word.operazioni, atteso);
    QVERIFY(!p.word.testo.contains(QLatin1Char('\f')));
    QVERIFY(g->isVisible());
}

void TstGuide::documentoRaccolto()
{
    PiattaformaFinta p;
    auto* s = Finestre::finestra<Sommario>(QStringLiteral("sommario"));
    Finestre::mostra(QStringLiteral("sommario"));
    QTest::mouseClick(s->findChild<QPushButton*>(QStringLiteral("cmdstampa")), Qt::LeftButton);

    const QStringList& op = p.word.operazioni;
    QVERIFY(op.size() > 8);
    QCOMPARE(op.mid(0, 6),
             (QStringList{QStringLiteral("new"), QStringLiteral("font Century Gothic"), QStringLiteral("size 20"),
                          QStringLiteral("type Possidoria\r"), QStringLiteral("size 16"),
                          QStringLiteral("type causa elettronica con sentenza\r\r\r")}));
    QCOMPARE(op.mid(op.size() - 3),
             (QStringList{QStringLiteral("justify"),
                          QStringLiteral("save ")
                              + QDir(cartellaDocumenti()).filePath(QStringLiteral("Possidoria-guida.odt")),
                          QStringLiteral("show")}));

    // Fifteen sections in the contents order, each "Guida: " + heading, its text, and a page break.
    const QString corpo = p.word.testo.mid(QStringLiteral("Possidoria\rcausa elettronica con sentenza\r\r\r").size());
    QVERIFY(p.word.testo.startsWith(QStringLiteral("Possidoria\rcausa elettronica con sentenza\r\r\r")));
    QVERIFY(corpo.endsWith(QStringLiteral("\r\f")));
    QStringList sezioni = corpo.split(QLatin1Char('\f'));
    QCOMPARE(sezioni.takeLast(), QString());
    QCOMPARE(sezioni.size(), 15);
    for (int k = 0; k < 15; ++k) {
        const QString intestazione = QStringLiteral("Guida: ") + TITOLI[k] + QStringLiteral("\r\r");
        QVERIFY2(sezioni[k].startsWith(intestazione), qPrintable(sezioni[k].left(60)));
        const QString testo = sezioni[k].mid(intestazione.size());
        QCOMPARE(testo, testiGuida()[k].testo + QStringLiteral("\r"));
    }

    // The first heading keeps 16 points, the later ones 12; every text is at 12.
    int titoli = 0;
    for (int k = 0; k < op.size(); ++k) {
        if (op[k].startsWith(QLatin1String("type Guida: "))) {
            QCOMPARE(dimensioneInVigore(op, k), titoli == 0 ? 16 : 12);
            QCOMPARE(op[k + 1], QStringLiteral("size 12"));
            QVERIFY(op[k + 2].startsWith(QLatin1String("type ")) && op[k + 2].endsWith(QStringLiteral("\r\f")));
            ++titoli;
        }
    }
    QCOMPARE(titoli, 15);
    QCOMPARE(p.word.testo.count(QLatin1Char('\f')), 15);
}

void TstGuide::documentoRaccoltoReale()
{
    PiattaformaFinta p;
    WordQt reale([](const QUrl&) { return true; });
    Piattaforma porte = piattaforma();
    porte.word = &reale;
    installaPiattaforma(porte);
    Finestre::finestra<Sommario>(QStringLiteral("sommario"))->cmdstampa_Click();

    const QString file = QDir(cartellaDocumenti()).filePath(QStringLiteral("Possidoria-guida.odt"));
    QVERIFY(QFileInfo(file).size() > 0);
    // The program's folder, writable here, is left as it was.
    QVERIFY(QDir(cartella_.path()).entryList(QDir::Files).isEmpty());
    const QTextDocument* d = reale.documento();
    QVERIFY(d);

    auto dimensione = [](const QTextBlock& b) {
        return b.begin().atEnd() ? b.charFormat().fontPointSize() : b.begin().fragment().charFormat().fontPointSize();
    };
    QTextBlock b = d->begin();
    QCOMPARE(b.text(), QStringLiteral("Possidoria"));
    QCOMPARE(dimensione(b), 20.0);
    QCOMPARE(b.begin().fragment().charFormat().fontFamilies().toStringList().value(0),
             QStringLiteral("Century Gothic"));
    b = b.next();
    QCOMPARE(b.text(), QStringLiteral("causa elettronica con sentenza"));
    QCOMPARE(dimensione(b), 16.0);

    int k = 0;
    for (; b.isValid(); b = b.next()) {
        QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
        if (!b.text().startsWith(QLatin1String("Guida: ")))
            continue;
        QVERIFY(k < 15);
        QCOMPARE(b.text(), QStringLiteral("Guida: ") + TITOLI[k]);
        QCOMPARE(dimensione(b), k == 0 ? 16.0 : 12.0);
        // Every section after the first starts a page.
        QCOMPARE(b.blockFormat().pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore, k > 0);
        const QTextBlock vuoto = b.next();
        QCOMPARE(vuoto.text(), QString());
        const QTextBlock testo = vuoto.next();
        QCOMPARE(testo.text(), testiGuida()[k].testo);
        QCOMPARE(dimensione(testo), 12.0);
        // The page break after the text puts what follows, the next heading, on a new page.
        const QTextBlock dopo = testo.next();
        QVERIFY(dopo.isValid());
        QCOMPARE(dopo.text(), k < 14 ? QStringLiteral("Guida: ") + TITOLI[k + 1] : QString());
        QCOMPARE(dopo.blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
        ++k;
    }
    QCOMPARE(k, 15);
}

void TstGuide::cartellaDellUtente_data()
{
    QTest::addColumn<QString>("programma");
    QTest::newRow("cartella scrivibile") << cartella_.path();
    QTest::newRow("cartella inesistente") << QStringLiteral("/non/esiste/possidoria");
    QTest::newRow("nessuna cartella") << QString();
}

void TstGuide::cartellaDellUtente()
{
    // Wherever the program is installed, and whether or not its folder can be written (it can, run
    // as root), the documents go to the user's folder, never beside the program.
    QFETCH(QString, programma);
    QVERIFY(cartellaDocumenti().startsWith(casa_.path()));
    QCOMPARE(DocumentoGuida::cartellaSalvataggio(), cartellaDocumenti());

    PiattaformaFinta p;
    ModPossidoria::impostaCartellaProgramma(programma);
    Finestre::finestra<Guida>(QStringLiteral("manuale"))->cmdstampa_Click();
    QCOMPARE(p.word.operazioni.filter(QRegularExpression(QStringLiteral("^save "))),
             QStringList{QStringLiteral("save ")
                         + QDir(cartellaDocumenti()).filePath(QStringLiteral("Possidoria-manuale.odt"))});
    QVERIFY(QDir(cartella_.path()).entryList(QDir::Files).isEmpty());
}

void TstGuide::cartellaDocumentiDaCreare()
{
    // A fresh account may have no documents folder yet: it is made, with the program's folder in it.
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documenti.startsWith(casa_.path()))
        QSKIP("the documents folder does not follow HOME on this platform");
    QDir(documenti).removeRecursively();
    QVERIFY(!QFileInfo::exists(documenti));

    PiattaformaFinta p;
    WordQt reale([](const QUrl&) { return true; });
    const QString testo = testoGuida(QStringLiteral("guidafede"))->testo;
    const QString salvato =
        DocumentoGuida::singola(reale, QStringLiteral("guidafede"), QStringLiteral("Finestra obiezione FEDE"), testo);

    const QString atteso = QDir(cartellaDocumenti()).filePath(QStringLiteral("Possidoria-guida-fede.odt"));
    QCOMPARE(salvato, atteso);
    QVERIFY(QFileInfo(atteso).isFile() && QFileInfo(atteso).size() > 0);
    QCOMPARE(ModPossidoria::docword, atteso);
    QVERIFY(QDir(cartella_.path()).entryList(QDir::Files).isEmpty());
}

void TstGuide::salvataggioRifiutato()
{
    // The documents folder refuses the file: the user is told where it could not go, and nothing
    // is written elsewhere (no temporary file under a name nobody knows).
    PiattaformaFinta p;
    p.word.salvataggioRiesce = false;
    Finestre::finestra<Sommario>(QStringLiteral("sommario"))->cmdstampa_Click();
    QCOMPARE(p.word.operazioni.filter(QRegularExpression(QStringLiteral("^save "))),
             QStringList{QStringLiteral("save ")
                         + QDir(cartellaDocumenti()).filePath(QStringLiteral("Possidoria-guida.odt"))});
    QVERIFY(!p.word.operazioni.contains(QStringLiteral("show")));
    QVERIFY(p.messaggi.ultimo().testo.startsWith(QStringLiteral("Non è stato possibile scrivere il documento:")));
    QVERIFY(p.messaggi.ultimo().testo.contains(QStringLiteral("Possidoria-guida.odt")));

    // Called directly, the builder says that the file was not saved.
    QCOMPARE(DocumentoGuida::raccolta(p.word), QString());
    QVERIFY(!p.word.operazioni.contains(QStringLiteral("show")));
}

void TstGuide::cartellaDocumentiImpossibile()
{
    // A file where the folder should be: nothing saved, nothing written beside the program nor
    // anywhere else, and the user told.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QDir(cartellaDocumenti()).removeRecursively();
    QFile f(cartellaDocumenti());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();

    PiattaformaFinta p;
    QCOMPARE(DocumentoGuida::raccolta(p.word), QString());
    QVERIFY(p.word.operazioni.filter(QRegularExpression(QStringLiteral("^save "))).isEmpty());
    QVERIFY(!p.word.operazioni.contains(QStringLiteral("show")));
    QVERIFY(p.messaggi.ultimo().testo.startsWith(QStringLiteral("Non è stato possibile creare la cartella")));
    QVERIFY(QDir(cartella_.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(f.remove());
}

void TstGuide::guideDelleFinestreNumerate_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("guida");
    QTest::newRow("1") << 1 << "guidascelta";
    QTest::newRow("2") << 2 << "guidanorme";
    QTest::newRow("3") << 3 << "guidamassime";
    QTest::newRow("4") << 4 << "guidacausa";
    QTest::newRow("5") << 5 << "guidapossesso";
    QTest::newRow("6") << 6 << "guidadurata";
    QTest::newRow("7") << 7 << "guidainterruzione";
    QTest::newRow("8") << 8 << "guidamodo";
    QTest::newRow("9") << 9 << "guidapsiche";
    QTest::newRow("10") << 10 << "guidaprovenienza";
    QTest::newRow("11") << 11 << "guidafede";
    QTest::newRow("12") << 12 << "guidaacquisto";
    QTest::newRow("13") << 13 << "guidasentenza";
}

void TstGuide::guideDelleFinestreNumerate()
{
    QFETCH(int, n);
    QFETCH(QString, guida);
    PiattaformaFinta p;
    QCOMPARE(FinestraLavoro::nomeGuida(n), guida);
    QVERIFY(Finestre::disponibile(guida));
    if (n == 1)
        return;   // the main menu has no frame

    // The window-number entry shows the guide at once; the help entry shows the contents.
    auto* w = new FinestraDiProva(n);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->carica();
    w->finestra_Click();
    QVERIFY(Finestre::caricata(guida));
    QVERIFY(Finestre::finestra(guida)->isVisible());
    QVERIFY(w->azione(QStringLiteral("guida")));
    w->azione(QStringLiteral("guida"))->trigger();
    QVERIFY(Finestre::caricata(QStringLiteral("sommario")));
    QVERIFY(Finestre::finestra(QStringLiteral("sommario"))->isVisible());
    delete w;
}

void TstGuide::guidaInLineaDelMenu()
{
    PiattaformaFinta p;
    QWidget* menu = Finestre::finestra(QStringLiteral("scelta"));
    QVERIFY(menu);
    auto* guida = menu->findChild<QPushButton*>(QStringLiteral("guida"));
    QVERIFY(guida && guida->isEnabled());
    QTest::mouseClick(guida, Qt::LeftButton);
    QVERIFY(Finestre::caricata(QStringLiteral("sommario")));
    QVERIFY(Finestre::finestra(QStringLiteral("sommario"))->isVisible());
}

QTEST_MAIN(TstGuide)
#include "tst_guide.moc"
