// The Civil Code browser: its load, the article message boxes with the status line around them,
// the help message and the print-out, recorded and on a real PDF.
#include "gui/frame/clsresize.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "fakes/piattaformafinta.h"
#include "core/codicecivile.h"
#include "gui/library/norme.h"
#include "platform/stampa/stampantequt.h"

#include <QAction>
#include <QDialog>
#include <QTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

namespace {

const QString inattivo =
    QStringLiteral("cliccare su un tasto per visualizzare le norme del Codice Civile a cui va riferita l'usucapione");

// Message boxes that also note what the status line said while each box was open.
class MessaggiConStato : public MessaggiFinti {
public:
    QLabel* passo = nullptr;
    QStringList statoDurante;
    Risposta mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti,
                    Risposta predefinita) override
    {
        statoDurante << (passo ? passo->text() : QString());
        return MessaggiFinti::mostra(testo, titolo, icona, pulsanti, predefinita);
    }
};

// The page objects of a PDF file (its page tree nodes are "/Type /Pages").
int paginePdf(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(f.readAll()).count(pagina));
}

}   // namespace

class TstNorme : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void caricaRiempieArticoli();
    void controlli();
    void posizioniPulsanti();
    void articolo_data();
    void articolo();
    void articoloSenzaCommento();
    void aiuto();
    void menu();
    void stampaRegistrata();
    void stampaDaMenuEBarra();
    void stampaDalleNorme();
    void annullaNonStampa();
    void erroreInterrompe();
    void erroreInterrompe_data();
    void stampaNonAvviabile();
    void stampaPdf();
    void stampanteSenzaScelta();
    void dialogoAnnullato();
    void immagine();

private:
    Norme* norme();
    QStringList stampaAttesa() const;
    void verificaAvvisoStampa();
    PiattaformaFinta* finta_ = nullptr;
};

void TstNorme::init() { finta_ = new PiattaformaFinta; }

void TstNorme::cleanup()
{
    delete finta_;
    finta_ = nullptr;
}

Norme* TstNorme::norme()
{
    auto* n = Finestre::finestra<Norme>(QStringLiteral("norme"));
    Q_ASSERT(n);
    return n;
}

void TstNorme::caricaRiempieArticoli()
{
    QVERIFY(!Finestre::caricata(QStringLiteral("norme")));
    Norme* n = norme();
    QVERIFY(!n->isVisible());   // loading does not show it
    QCOMPARE(n->passo()->text(), inattivo);

    // The article table is the content's: whole before the window is ever built, and after it is gone.
    Finestre::chiudi(QStringLiteral("norme"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Finestre::caricata(QStringLiteral("norme")));
    QVERIFY(CodiceCivile::testoVisualizzato(0).isEmpty());
    QVERIFY(CodiceCivile::testoVisualizzato(33).isEmpty());
    for (int k = 1; k <= 32; ++k)
        QVERIFY(CodiceCivile::testoVisualizzato(k).startsWith(QStringLiteral("Articolo ")));
    QVERIFY(CodiceCivile::testoVisualizzato(21).startsWith(QStringLiteral("Articolo 1159 bis del Codice Civile:\r")));
    QVERIFY(CodiceCivile::testoVisualizzato(29).startsWith(QStringLiteral("Articolo 1167 del Codice Civile:\r")));
}

void TstNorme::controlli()
{
    Norme* n = norme();
    QCOMPARE(n->objectName(), QStringLiteral("norme"));
    QCOMPARE(n->windowTitle(), QStringLiteral("Possidoria: norme del Codice Civile"));
    QCOMPARE(n->numero(), 2);
    for (int k = 1; k <= 32; ++k) {
        auto* b = n->findChild<QPushButton*>(QStringLiteral("cmd(%1)").arg(k));
        QVERIFY(b);
        QCOMPARE(b, n->cmd(k));
        QCOMPARE(b->text(), CodiceCivile::didascalia(k));
    }
    QCOMPARE(n->cmd(1)->text(), QStringLiteral("1140) Possesso"));
    QCOMPARE(n->cmd(21)->text(), QStringLiteral("1159 bis) Usucapione speciale per la piccola proprietà rurale"));
    QCOMPARE(n->cmd(32)->text(), QStringLiteral("1170) Azione di manutenzione"));

    struct Atteso {
        const char* nome;
        const char* testo;
        const char* tooltip;
    };
    const Atteso attesi[] = {
        {"aiuto", "&AIUTO", "cliccare per avere gli aiuti in linea"},
        {"guidainlinea", "&Guida in linea", "cliccare per visualizzare il Sommario della guida"},
        {"men", "&Menu", "cliccare per visualizzare la finestra Menu"},
        {"esco", "&USCITA", "cliccare per uscire da Possidoria"},
    };
    for (const Atteso& a : attesi) {
        auto* b = n->findChild<QPushButton*>(QString::fromLatin1(a.nome));
        QVERIFY2(b, a.nome);
        QCOMPARE(b->text(), QString::fromUtf8(a.testo));
        QCOMPARE(b->toolTip(), QString::fromUtf8(a.tooltip));
    }
    QCOMPARE(n->passo()->objectName(), QStringLiteral("passo"));
    QCOMPARE(n->passo()->toolTip(), QStringLiteral("indicazioni sulla corretta procedura di gestione della finestra"));

    QAction* stampa = n->azione(QStringLiteral("stampa"));
    QVERIFY(stampa);
    QCOMPARE(stampa->text(), QStringLiteral("S&tampa testo articoli"));
    QVERIFY(stampa->isEnabled());
    // Open and save belong to the case windows: disabled here.
    for (const char* nome : {"apri", "salva", "salvanome"})
        QVERIFY2(!n->azione(QString::fromLatin1(nome))->isEnabled(), nome);
    QVERIFY(n->azione(QStringLiteral("fin2"))->isChecked());
}

void TstNorme::posizioniPulsanti()
{
    // Every control stands where the design puts it, in proportion to the size the window opens at
    // (a pixel of rounding aside): larger than the design, where every caption shows whole.
    Norme* n = norme();
    n->show();
    QVERIFY(QTest::qWaitForWindowExposed(n));
    const clsResize* r = Ridimensionamento::di(n);
    QVERIFY(r);
    const QWidget* area = clsResize::areaInterna(n);
    const double rx = pixelInTwip(area->width()) / r->OriginalWidth();
    const double ry = pixelInTwip(area->height()) / r->OriginalHeight();
    QVERIFY(rx >= 1.0 && ry >= 1.0);
    auto vicino = [rx, ry](const QRect& q, int l, int t, int w, int h) {
        auto eq = [](int px, double tw) { return qAbs(px - twipInPixel(tw)) <= 2; };
        return eq(q.x(), l * rx) && eq(q.y(), t * ry) && eq(q.width(), w * rx) && eq(q.height(), h * ry);
    };
    const int sinistra[4] = {120, 2400, 4680, 6960};
    const int alto[8] = {720, 1320, 1920, 2520, 3120, 3720, 4320, 4920};
    for (int riga = 0; riga < 8; ++riga)
        for (int colonna = 0; colonna < 4; ++colonna) {
            const int k = riga * 4 + colonna + 1;
            QVERIFY2(vicino(n->cmd(k)->geometry(), sinistra[colonna], alto[riga], 2295, 615),
                     qPrintable(QStringLiteral("cmd(%1)").arg(k)));
        }
    QVERIFY(vicino(n->passo()->geometry(), 2400, 5640, 4695, 450));
    QVERIFY(vicino(n->findChild<QWidget*>(QStringLiteral("aiuto"))->geometry(), 120, 5760, 960, 375));
    QVERIFY(vicino(n->findChild<QWidget*>(QStringLiteral("guidainlinea"))->geometry(), 1110, 5760, 1260, 375));
    QVERIFY(vicino(n->findChild<QWidget*>(QStringLiteral("men"))->geometry(), 7200, 5760, 1095, 375));
    QVERIFY(vicino(n->findChild<QWidget*>(QStringLiteral("esco"))->geometry(), 8280, 5760, 1095, 375));
}

void TstNorme::articolo_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("intestazione");
    QTest::addColumn<QString>("numeroStato");
    // clang-format off
    QTest::newRow("1: 1140") << 1 << QStringLiteral("Articolo 1140 del Codice Civile:") << QStringLiteral("1140");
    QTest::newRow("14: 1153") << 14 << QStringLiteral("Articolo 1153 del Codice Civile:") << QStringLiteral("1153");
    QTest::newRow("20: 1159") << 20 << QStringLiteral("Articolo 1159 del Codice Civile:") << QStringLiteral("1159");
    QTest::newRow("21: 1159 bis") << 21 << QStringLiteral("Articolo 1159 bis del Codice Civile:") << QStringLiteral("1159");
    QTest::newRow("22: 1160") << 22 << QStringLiteral("Articolo 1160 del Codice Civile:") << QStringLiteral("1160");
    QTest::newRow("32: 1170") << 32 << QStringLiteral("Articolo 1170 del Codice Civile:") << QStringLiteral("1170");
    // clang-format on
}

void TstNorme::articolo()
{
    QFETCH(int, indice);
    QFETCH(QString, intestazione);
    QFETCH(QString, numeroStato);

    MessaggiConStato messaggi;
    installaPiattaforma({&messaggi, &finta_->dialoghi, &finta_->midi, &finta_->stampante, &finta_->word});
    Norme* n = norme();
    messaggi.passo = n->passo();
    n->cmd(indice)->click();

    QCOMPARE(messaggi.mostrati.size(), 1);
    const MessaggioRegistrato& m = messaggi.ultimo();
    QCOMPARE(m.titolo, QStringLiteral("Possidoria - Normativa di riferimento"));
    QCOMPARE(m.icona, Icona::Informazione);
    QCOMPARE(m.pulsanti, Pulsanti::Ok);
    QVERIFY(m.testo.startsWith(intestazione + QChar(13)));
    QCOMPARE(m.testo, CodiceCivile::testoVisualizzato(indice));
    QVERIFY(m.testo.contains(QStringLiteral("\r--------------------\rCommento: ")));
    QCOMPARE(messaggi.statoDurante.value(0),
             QStringLiteral("viene visualizzata la norma del Codice Civile contenuta nell'art. ") + numeroStato);
    QCOMPARE(n->passo()->text(), inattivo);
}

void TstNorme::articoloSenzaCommento()
{
    Norme* n = norme();
    n->cmd(11)->click();
    const QString t = finta_->messaggi.ultimo().testo;
    QVERIFY(t.startsWith(QStringLiteral("Articolo 1150 del Codice Civile:\r")));
    QVERIFY(t.endsWith(QStringLiteral("\r--------------------")));
    QCOMPARE(t.split(QChar(13)).size(), 7);   // header, five paragraphs, separator
    QVERIFY(!t.contains(QStringLiteral("Commento")));
}

void TstNorme::aiuto()
{
    norme()->findChild<QPushButton*>(QStringLiteral("aiuto"))->click();
    const MessaggioRegistrato& m = finta_->messaggi.ultimo();
    QCOMPARE(
        m.testo,
        QStringLiteral("La finestra è di sola lettura:\r"
                       "- cliccare su uno dei 32 tasti gialli per visualizzare l'articolo relativo del Codice Civile;\r"
                       "- visualizzare nella casella gialla in basso a quale situazione si riferisce l'informazione;\r"
                       "- cliccare sull'icona della stampante per stampare tutti gli articoli riportati."));
    QCOMPARE(m.titolo, QStringLiteral("Possidoria: aiuto in linea"));
    QCOMPARE(m.icona, Icona::Informazione);
    QCOMPARE(m.pulsanti, Pulsanti::Ok);
    QCOMPARE(norme()->passo()->text(), inattivo);
}

void TstNorme::menu()
{
    Norme* n = norme();
    n->show();
    n->findChild<QPushButton*>(QStringLiteral("men"))->click();
    QVERIFY(Finestre::caricata(QStringLiteral("scelta")));
    QVERIFY(Finestre::finestra(QStringLiteral("scelta"))->isVisible());
    QVERIFY(n->isVisible());   // the browser stays open behind the menu
}

// The print-out the algorithm prescribes, built step by step: headings, then each article's
// caption at 12 points and its print lines at 8, new pages before positions 14 and 26.
QStringList TstNorme::stampaAttesa() const
{
    QStringList op{QStringLiteral("dialog"),
                   QStringLiteral("y 800"),
                   QStringLiteral("size 18"),
                   QStringLiteral("font Courier"),
                   QStringLiteral("line 7 Possidoria - causa elettronica con sentenza"),
                   QStringLiteral("size 14"),
                   QStringLiteral("empty"),
                   QStringLiteral("line 10 Norme del Codice Civile sul possesso e sull'usucapione")};
    for (int k = 1; k <= 32; ++k) {
        if (k == 14 || k == 26)
            op << QStringLiteral("page") << QStringLiteral("y 800");
        op << QStringLiteral("size 12") << QStringLiteral("empty")
           << QStringLiteral("line 10 ") + CodiceCivile::didascalia(k) << QStringLiteral("size 8");
        for (const QString& r : CodiceCivile::righeStampa(k))
            op << QStringLiteral("line 10 ") + r;
    }
    op << QStringLiteral("end");
    return op;
}

void TstNorme::stampaRegistrata()
{
    Norme* n = norme();
    n->stampa_Click();
    const QStringList& op = finta_->stampante.operazioni;
    QCOMPARE(op, stampaAttesa());

    // The explicit pages begin with articles 1153 and 1164, right after the top offset.
    QList<int> pagine;
    for (int i = 0; i < op.size(); ++i)
        if (op[i] == QStringLiteral("page"))
            pagine << i;
    QCOMPARE(pagine.size(), 2);
    QCOMPARE(op[pagine[0] + 4], QStringLiteral("line 10 1153) Effetti dell'acquisto del possesso"));
    QCOMPARE(op[pagine[1] + 4], QStringLiteral("line 10 1164) Interversione del possesso"));
    // Only Courier, and the article lines never longer than 102 characters.
    QCOMPARE(op.filter(QRegularExpression(QStringLiteral("^font "))), QStringList{QStringLiteral("font Courier")});
    for (const QString& o : op.filter(QRegularExpression(QStringLiteral("^line 10 "))))
        QVERIFY(o.size() - 8 <= 102);
    // No comment, display header or separator is printed; the window is unchanged.
    QVERIFY(op.filter(QStringLiteral("Commento")).isEmpty());
    QVERIFY(op.filter(QStringLiteral("del Codice Civile:")).isEmpty());
    QVERIFY(op.filter(QStringLiteral("-----")).isEmpty());
    QCOMPARE(n->passo()->text(), inattivo);
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
}

// The print-out takes the headings from the library, not from the buttons: a caption given a
// keyboard accelerator, or shortened to fit, prints as the article's heading all the same.
void TstNorme::stampaDalleNorme()
{
    Norme* n = norme();
    n->cmd(1)->setText(QStringLiteral("&1140) Possesso"));
    n->cmd(28)->setText(QStringLiteral("1166) Inefficacia…"));
    n->stampa_Click();
    QCOMPARE(finta_->stampante.operazioni, stampaAttesa());
}

void TstNorme::stampaDaMenuEBarra()
{
    Norme* n = norme();
    n->azione(QStringLiteral("stampa"))->trigger();
    QCOMPARE(finta_->stampante.operazioni, stampaAttesa());

    // Toolbar position 4, tooltip "stampa".
    finta_->stampante.operazioni.clear();
    const QList<QAction*> pulsanti = n->barra()->actions();
    QVERIFY(pulsanti.size() >= 4);
    QCOMPARE(pulsanti[3]->toolTip(), QStringLiteral("stampa"));
    pulsanti[3]->trigger();
    QCOMPARE(finta_->stampante.operazioni, stampaAttesa());
}

void TstNorme::annullaNonStampa()
{
    finta_->stampante.annulla = true;
    norme()->stampa_Click();
    QCOMPARE(finta_->stampante.operazioni, QStringList{QStringLiteral("dialog cancelled")});
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
}

// An error stops the print-out at once, not even ending the document, and the user is told.
void TstNorme::erroreInterrompe_data()
{
    QTest::addColumn<int>("erroreAlla");   // the failing operation, counted from 0 (0 is the dialog)
    QTest::newRow("prima riga") << 1;
    QTest::newRow("dentro la prima pagina") << 40;
    QTest::newRow("chiusura del documento") << int(stampaAttesa().size() - 1);
}

void TstNorme::erroreInterrompe()
{
    QFETCH(int, erroreAlla);
    finta_->stampante.erroreAlla = erroreAlla;
    norme()->stampa_Click();
    const QStringList& op = finta_->stampante.operazioni;
    QCOMPARE(op.size(), erroreAlla + 1);
    QCOMPARE(op.last(), QStringLiteral("error"));
    QCOMPARE(op.mid(0, erroreAlla), stampaAttesa().mid(0, erroreAlla));
    verificaAvvisoStampa();
}

// The PDF file cannot be created: the print-out cannot start, and says so.
void TstNorme::stampaNonAvviabile()
{
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("manca/norme.pdf"));
    StampanteQt stampante(pdf);
    installaPiattaforma({&finta_->messaggi, &finta_->dialoghi, &finta_->midi, &stampante, &finta_->word});
    norme()->stampa_Click();
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(stampante.righe().isEmpty());
    verificaAvvisoStampa();
}

void TstNorme::verificaAvvisoStampa()
{
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    const MessaggioRegistrato& m = finta_->messaggi.ultimo();
    QVERIFY(m.testo.startsWith(QStringLiteral("La stampa degli articoli non è stata completata")));
    QCOMPARE(m.icona, Icona::Esclamazione);
    QCOMPARE(m.pulsanti, Pulsanti::Ok);
    QCOMPARE(m.titolo, QStringLiteral("Possidoria: norme del Codice Civile"));
}

void TstNorme::stampaPdf()
{
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QString pdf = cartella.filePath(QStringLiteral("norme.pdf"));
    StampanteQt stampante(pdf);
    installaPiattaforma({&finta_->messaggi, &finta_->dialoghi, &finta_->midi, &stampante, &finta_->word});
    norme()->stampa_Click();

    QVERIFY(QFile::exists(pdf));
    const int pagine = paginePdf(pdf);
    QVERIFY2(pagine >= 3, qPrintable(QString::number(pagine)));
    QCOMPARE(pagine, stampante.pagine());

    // Every article heading is printed once, in order, each further down or on a later page; a
    // heading wider than the page goes on, whole, in the lines below it (1166 on A4).
    const auto& righe = stampante.righe();
    auto intestazione = [&](int i, const QString& attesa) {
        QString t = righe[i].testo;
        for (int j = i + 1; j < righe.size() && t != attesa && attesa.startsWith(t + QLatin1Char(' ')); ++j)
            t += QLatin1Char(' ') + righe[j].testo;
        return t == attesa && !righe[i].testo.isEmpty();
    };
    QVector<int> posti;
    for (int k = 1; k <= 32; ++k) {
        int trovata = -1;
        for (int i = 0; i < righe.size(); ++i)
            if (intestazione(i, CodiceCivile::didascalia(k))) {
                QCOMPARE(trovata, -1);
                trovata = i;
                QCOMPARE(righe[i].punti, 12);
                QCOMPARE(righe[i].colonna, 10);
            }
        QVERIFY2(trovata >= 0, qPrintable(CodiceCivile::didascalia(k)));
        if (!posti.isEmpty()) {
            const auto& prima = righe[posti.last()];
            QVERIFY(trovata > posti.last());
            QVERIFY(righe[trovata].pagina > prima.pagina
                    || (righe[trovata].pagina == prima.pagina && righe[trovata].twipsDallAlto > prima.twipsDallAlto));
        }
        posti << trovata;
    }
    // The first heading line at the top offset of page 1; 1153 and 1164 open fresh pages, right
    // after the empty line that follows the top offset.
    QCOMPARE(righe.first().pagina, 1);
    QCOMPARE(righe.first().twipsDallAlto, 800);
    QCOMPARE(righe.first().punti, 18);
    QCOMPARE(righe.first().colonna, 7);
    for (int k : {14, 26}) {
        const auto& vuota = righe[posti[k - 1] - 1];
        QVERIFY(vuota.testo.isEmpty());
        QCOMPARE(vuota.twipsDallAlto, 800);
        QVERIFY(vuota.pagina > righe[posti[k - 2]].pagina);
    }
    for (const auto& r : righe)
        QCOMPARE(r.font, QStringLiteral("Courier"));
    const auto& art1166 = righe[posti[27]];
    QVERIFY(art1166.testo != CodiceCivile::didascalia(28));
    QCOMPARE(righe[posti[27] + 1].colonna, 10);
    QVERIFY(righe[posti[27] + 1].testo.endsWith(QStringLiteral("terzo possessore")));

    if (!qEnvironmentVariableIsEmpty("POSSIDORIA_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("POSSIDORIA_PDF"));
}

void TstNorme::stampanteSenzaScelta()
{
    // Without a chosen printer every operation reports an error and nothing is written.
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("mai.pdf"));
    StampanteQt s(pdf);
    QVERIFY(!s.posizioneVerticale(800));
    QVERIFY(!s.dimensioneFont(12));
    QVERIFY(!s.nomeFont(QStringLiteral("Courier")));
    QVERIFY(!s.stampaRiga(10, QStringLiteral("testo")));
    QVERIFY(!s.rigaVuota());
    QVERIFY(!s.nuovaPagina());
    QVERIFY(!s.fine());
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(s.righe().isEmpty());
}

void TstNorme::dialogoAnnullato()
{
    // The user closes the system printer dialog with Cancel: nothing is printed.
    StampanteQt stampante;
    installaPiattaforma({&finta_->messaggi, &finta_->dialoghi, &finta_->midi, &stampante, &finta_->word});
    bool visto = false;
    QTimer::singleShot(0, this, [&visto] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            visto = true;
            d->reject();
        }
    });
    norme()->stampa_Click();
    QVERIFY(visto);
    QCOMPARE(stampante.pagine(), 0);
    QVERIFY(stampante.righe().isEmpty());
    QVERIFY(!stampante.fine());                     // no document was opened
    QVERIFY(finta_->messaggi.mostrati.isEmpty());   // a choice of the user, not a failure
}

void TstNorme::immagine()
{
    Norme* n = norme();
    n->show();
    QVERIFY(QTest::qWaitForWindowExposed(n));
    salvaImmagine(n, QStringLiteral("norme"));
    // On screen the keys are yellow, a darker yellow while pressed, and the status line yellow too.
    for (int k = 1; k <= 32; ++k)
        QCOMPARE(n->cmd(k)->grab().toImage().pixelColor(4, 4), QColor(255, 255, 192));
    n->cmd(5)->setDown(true);
    QCOMPARE(n->cmd(5)->grab().toImage().pixelColor(4, 4), QColor(230, 230, 160));
    n->cmd(5)->setDown(false);
    QCOMPARE(n->passo()->grab().toImage().pixelColor(1, 1), QColor(255, 255, 0));
}

QTEST_MAIN(TstNorme)
#include "tst_norme.moc"
