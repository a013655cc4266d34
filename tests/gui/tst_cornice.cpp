#include "gui/frame/finestralavoro.h"
#include "gui/frame/modpossidoria.h"
#include "fakes/piattaformafinta.h"
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

// A work window with nothing of its own: what it shows is the frame alone.
class FinestraProva : public FinestraLavoro {
public:
    explicit FinestraProva(int n)
        : FinestraLavoro(n)
    {
        creaEsco(7920, 5640, 1335, 495);
        creaGuida(QStringLiteral("guidainlinea"), 6360, 5640, 1455, 495);
    }
};

// A work window with the yellow hint box where the judgment window has it, asked for 7.5 points.
class FinestraConPasso : public FinestraProva {
public:
    QLabel* passo;
    FinestraConPasso()
        : FinestraProva(13)
    {
        passo = creaPasso(2400, 5640, 4695, 450, 7.5);
    }
};

// The case header window as far as the frame sees it: the four archive commands.
class CausaFinta : public FinestraProva, public ComandiArchivio {
    Q_OBJECT
public:
    static constexpr const char* nomeFinestra = "causa";
    CausaFinta()
        : FinestraProva(4)
    {}
    static inline QStringList chiamate;
    void apri_Click() override { chiamate << QStringLiteral("apri_Click"); }
    void salva_Click() override { chiamate << QStringLiteral("salva_Click"); }
    void salvanome_Click() override { chiamate << QStringLiteral("salvanome_Click"); }
    void eliminare_click() override { chiamate << QStringLiteral("eliminare_click"); }
    void apriEsempio(const QString& percorso) override { chiamate << QStringLiteral("apriEsempio ") + percorso; }
    bool apriFile(const QString& percorso) override
    {
        chiamate << QStringLiteral("apriFile ") + percorso;
        return true;
    }
};

class TestCornice : public QObject {
    Q_OBJECT

    PiattaformaFinta* p = nullptr;

    static QStringList voci(QMenu* menu)
    {
        QStringList v;
        for (QAction* a : menu->actions())
            v << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return v;
    }

private slots:
    void init()
    {
        p = new PiattaformaFinta;
        // Test doubles of the case windows, so that the frame can be exercised on its own.
        Finestre::registra<CausaFinta>();
        Finestre::registra(QStringLiteral("possesso"), [] { return new FinestraProva(5); });
        Finestre::registra(QStringLiteral("fede"), [] { return new FinestraProva(11); });
        Finestre::registra(QStringLiteral("acquisto"), [] { return new FinestraProva(12); });
    }
    void cleanup() { delete p; }

    void menuNellOrdine()
    {
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        const QList<QAction*> menu = w->menuBar()->actions();
        QCOMPARE(menu.size(), 3);
        QCOMPARE(voci(menu[0]->menu()), (QStringList{"&Apri...", "Apri esempio...", "-", "&Salva", "Salva con &nome...",
                                                     "-", "&Elimina...", "-", "S&tampa dati finestra", "-", "Es&ci"}));
        QCOMPARE(voci(menu[1]->menu()).mid(0, 7),
                 (QStringList{"Finestra Menu", "-", "Finestra Norme", "Finestra Massime", "-", "Finestra Causa",
                              "Finestra Possesso"}));
        QCOMPARE(voci(menu[2]->menu()), (QStringList{"&Guida in linea", "&Suggerimenti...", "-", "Supporto &prodotto",
                                                     "-", "&Informazioni su Possidoria"}));
        QVERIFY(w->azione(QStringLiteral("fin5"))->isChecked());
        QVERIFY(!w->azione(QStringLiteral("fin4"))->isChecked());
        QCOMPARE(w->azione(QStringLiteral("fin5"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
        QCOMPARE(w->azione(QStringLiteral("fin13"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
        QCOMPARE(w->azione(QStringLiteral("finestra"))->text(), QStringLiteral("Fi&nestra n.5 di 13"));
    }

    void differenzeTraFinestre()
    {
        auto* fede = Finestre::finestra<FinestraLavoro>(QStringLiteral("fede"));
        QCOMPARE(fede->azione(QStringLiteral("fin6"))->text(), QStringLiteral("Finestra obiezione Durata"));
        QCOMPARE(fede->azione(QStringLiteral("fin12"))->text(), QStringLiteral("Finestra obiezione Acquisto"));
        QCOMPARE(fede->azione(QStringLiteral("fin13"))->text(), QStringLiteral("Finestra Sentenza"));
        QCOMPARE(fede->azione(QStringLiteral("suggerimenti"))->text(), QStringLiteral("&suggerimenti..."));
        auto* causa = Finestre::finestra<FinestraLavoro>(QStringLiteral("causa"));
        QCOMPARE(causa->azione(QStringLiteral("fin6"))->text(), QStringLiteral("Finestra Durata"));
    }

    // The differences between the twelve members, one row each.
    void differenzeTraLeDodiciFinestre_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("stampa");   // caption of the print entry
        QTest::addColumn<bool>("stampaAttiva");
        QTest::addColumn<bool>("soloElimina");   // open, save and save-as disabled
        QTest::addColumn<bool>("obiezione");     // entries 6..12 read "Finestra obiezione ..."
        QTest::addColumn<QString>("suggerimenti");
        QTest::addColumn<QString>("supporto");
        QTest::addColumn<QString>("domanda");   // the own-window question, empty where none is asked
        const QString sugg = QStringLiteral("&Suggerimenti..."), suggMin = QStringLiteral("&suggerimenti...");
        const QString supp = QStringLiteral("Supporto &prodotto"), suppS = QStringLiteral("&Supporto prodotto");
        const QString dati = QStringLiteral("S&tampa dati finestra");
        QTest::newRow("2 norme") << 2 << "S&tampa testo articoli" << true << true << false << sugg << supp
                                 << "È questa la finestra 'Norme': si vuole la guida della finestra?";
        QTest::newRow("3 massime") << 3 << "&Sentenza visualizzata" << true << true << false << sugg << supp
                                   << "È questa la finestra 'Massime': si vuole la guida della finestra?";
        QTest::newRow("4 causa") << 4 << dati << false << false << false << sugg << supp
                                 << "È questa la finestra 'Causa': si vuole la guida della finestra?";
        QTest::newRow("5 possesso") << 5 << dati << false << false << false << sugg << supp
                                    << "È questa la finestra 'Possesso': si vuole la guida della finestra?";
        QTest::newRow("6 ledate") << 6 << dati << false << false << false << sugg << supp
                                  << "È questa la finestra 'Durata': si vuole la guida della finestra?";
        QTest::newRow("7 interruzione") << 7 << dati << false << false << false << sugg << supp
                                        << "È questa la finestra 'Interruzione': si vuole la guida della finestra?";
        QTest::newRow("8 modo") << 8 << dati << false << false << false << sugg << suppS
                                << "È questa la finestra 'Modo': si vuole la guida della finestra?";
        QTest::newRow("9 psiche") << 9 << dati << false << false << true << sugg << suppS
                                  << "È questa la finestra 'Psicologia': si vuole la guida della finestra?";
        QTest::newRow("10 provenienza") << 10 << dati << false << false << true << sugg << suppS
                                        << "È questa la finestra 'Provenienza': si vuole la guida della finestra?";
        QTest::newRow("11 fede") << 11 << dati << false << false << true << suggMin << supp
                                 << "È questa la finestra 'Fede': si vuole la guida della finestra?";
        QTest::newRow("12 acquisto") << 12 << dati << false << false << true << suggMin << supp << QString();
        QTest::newRow("13 sentenza") << 13 << dati << true << false << true << sugg << supp
                                     << "È questa la finestra 'Sentenza': si vuole la guida della finestra?";
    }

    void differenzeTraLeDodiciFinestre()
    {
        QFETCH(int, numero);
        QFETCH(QString, stampa);
        QFETCH(bool, stampaAttiva);
        QFETCH(bool, soloElimina);
        QFETCH(bool, obiezione);
        QFETCH(QString, suggerimenti);
        QFETCH(QString, supporto);
        QFETCH(QString, domanda);
        FinestraProva w(numero);
        QCOMPARE(w.azione(QStringLiteral("stampa"))->text(), stampa);
        QCOMPARE(w.azione(QStringLiteral("stampa"))->isEnabled(), stampaAttiva);
        QCOMPARE(w.azioneBarra(4)->isEnabled(), stampaAttiva);
        QCOMPARE(w.azioneBarra(4)->toolTip(),
                 numero == 2 ? QStringLiteral("stampa") : QStringLiteral("stampa dati finestra"));
        for (const char* nome : {"apri", "salva", "salvanome"})
            QVERIFY2(w.azione(QString::fromLatin1(nome))->isEnabled() == !soloElimina, nome);
        for (int pos : {1, 2})
            QCOMPARE(w.azioneBarra(pos)->isEnabled(), !soloElimina);
        QVERIFY(w.azione(QStringLiteral("eliminare"))->isEnabled());
        QVERIFY(w.azioneBarra(3)->isEnabled());
        QCOMPARE(w.azione(QStringLiteral("fin7"))->text(), obiezione ? QStringLiteral("Finestra obiezione Interruzione")
                                                                     : QStringLiteral("Finestra Interruzione"));
        QCOMPARE(w.azione(QStringLiteral("fin13"))->text(), QStringLiteral("Finestra Sentenza"));
        QCOMPARE(w.azione(QStringLiteral("suggerimenti"))->text(), suggerimenti);
        QCOMPARE(w.azione(QStringLiteral("supporto"))->text(), supporto);
        QCOMPARE(w.azione(QStringLiteral("finestra"))->text(), QStringLiteral("Fi&nestra n.%1 di 13").arg(numero));
        for (int n = 1; n <= 13; ++n)
            QCOMPARE(w.azione(QStringLiteral("fin%1").arg(n))->isChecked(), n == numero);
        QCOMPARE(w.azione(QStringLiteral("fin%1").arg(numero))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + numero - 1)));
        p->messaggi.risposte.enqueue(Risposta::No);
        w.azione(QStringLiteral("fin%1").arg(numero))->trigger();
        if (domanda.isEmpty()) {
            QVERIFY(p->messaggi.mostrati.isEmpty());
        } else {
            QCOMPARE(p->messaggi.mostrati.size(), 1);
            QCOMPARE(p->messaggi.ultimo().testo, domanda);
        }
        QVERIFY(w.azione(QStringLiteral("fin%1").arg(numero))->isChecked());
    }

    void comandiDellArchivio()
    {
        CausaFinta::chiamate.clear();
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        QVERIFY(!Finestre::caricata(QStringLiteral("causa")));
        for (const char* nome : {"apri", "salva", "salvanome", "eliminare"})
            w->azione(QString::fromLatin1(nome))->trigger();
        for (int pos : {1, 2, 3})
            w->azioneBarra(pos)->trigger();
        // The case header window is created by the first command and runs each of them.
        QCOMPARE(CausaFinta::chiamate, (QStringList{"apri_Click", "salva_Click", "salvanome_Click", "eliminare_click",
                                                    "apri_Click", "salva_Click", "eliminare_click"}));
    }

    void apriEsempioDalMenu()
    {
        CausaFinta::chiamate.clear();
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        p->dialoghi.risposte << QString() << QStringLiteral("esempi/Possidoria-dati-esempio");
        w->azione(QStringLiteral("apriesempio"))->trigger();   // cancelled: nothing opened
        w->azione(QStringLiteral("apriesempio"))->trigger();
        QCOMPARE(p->dialoghi.aperti.size(), 2);
        QCOMPARE(p->dialoghi.aperti[0].tipo, QStringLiteral("apri"));
        QVERIFY(p->dialoghi.aperti[0].nomeIniziale.endsWith(QStringLiteral("/esempi/")));
        QCOMPARE(CausaFinta::chiamate, QStringList{"apriEsempio esempi/Possidoria-dati-esempio"});
    }

    void stampaDisabilitataDoveNonCe()
    {
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        QVERIFY(!w->azione(QStringLiteral("stampa"))->isEnabled());
        QVERIFY(!w->azioneBarra(4)->isEnabled());
        QCOMPARE(w->azioneBarra(4)->toolTip(), QStringLiteral("stampa dati finestra"));
        w->azioneBarra(4)->trigger();
        QVERIFY(p->word.operazioni.isEmpty());
        QVERIFY(p->stampante.operazioni.isEmpty());
    }

    void barraConVentiquattroPosizioni()
    {
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        const QList<QAction*> azioni = w->barra()->actions();
        QCOMPARE(azioni.size(), 24);
        QVERIFY(azioni[4]->isSeparator());
        QVERIFY(azioni[18]->isSeparator());
        QCOMPARE(azioni[5]->toolTip(), QStringLiteral("visualizza finestra Menu"));
        QCOMPARE(azioni[10]->toolTip(), QStringLiteral("visualizza finestra obiezione Durata"));
        QCOMPARE(azioni[23]->toolTip(), QStringLiteral("uscita da Possidoria"));
        QVERIFY(azioni[9]->isChecked());   // the window's own button is shown pressed
        azioni[9]->trigger();
        QVERIFY(azioni[9]->isChecked());
        // Every picture is distinct from the others.
        QSet<qint64> immagini;
        for (QAction* a : azioni)
            if (!a->isSeparator())
                immagini.insert(a->icon().pixmap(24, 24).toImage().cacheKey()
                                ^ qHash(a->icon().pixmap(24, 24).toImage().bits()[0]));
        QSet<QByteArray> diverse;
        for (QAction* a : azioni)
            if (!a->isSeparator()) {
                const QImage img = a->icon().pixmap(24, 24).toImage();
                diverse.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()));
            }
        QCOMPARE(diverse.size(), 22);
    }

    void domandaSullaFinestraPropria_data()
    {
        QTest::addColumn<Risposta>("risposta");
        QTest::addColumn<bool>("guidaMostrata");
        QTest::newRow("no: nulla") << Risposta::No << false;
        QTest::newRow("sì: la guida") << Risposta::Si << true;
    }

    void domandaSullaFinestraPropria()
    {
        QFETCH(Risposta, risposta);
        QFETCH(bool, guidaMostrata);
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        p->messaggi.risposte.enqueue(risposta);
        w->azione(QStringLiteral("fin5"))->trigger();
        QCOMPARE(p->messaggi.mostrati.size(), 1);
        const MessaggioRegistrato& m = p->messaggi.ultimo();
        QCOMPARE(m.testo, QStringLiteral("È questa la finestra 'Possesso': si vuole la guida della finestra?"));
        QCOMPARE(m.titolo, QStringLiteral("Possidoria: aiuto in linea"));
        QCOMPARE(m.icona, Icona::Domanda);
        QCOMPARE(m.pulsanti, Pulsanti::SiNo);
        const bool mostrata = Finestre::caricata(QStringLiteral("guidapossesso"))
                              && Finestre::finestra(QStringLiteral("guidapossesso"))->isVisible();
        if (!Finestre::disponibile(QStringLiteral("guidapossesso")))
            QSKIP("the guide windows are not part of this build");
        QCOMPARE(mostrata, guidaMostrata);
    }

    void acquistoNonChiede()
    {
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("acquisto"));
        w->azione(QStringLiteral("fin12"))->trigger();
        QVERIFY(p->messaggi.mostrati.isEmpty());
    }

    void ctrlEApreIlPossesso()
    {
        auto* causa = Finestre::finestra<FinestraLavoro>(QStringLiteral("causa"));
        causa->show();
        QVERIFY(QTest::qWaitForWindowActive(causa));
        QVERIFY(!Finestre::caricata(QStringLiteral("possesso")));
        QTest::keyClick(causa, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(Finestre::caricata(QStringLiteral("possesso")));
        auto* possesso = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        QVERIFY(possesso->isVisible());
        QVERIFY(causa->isVisible());   // the current window stays open
        QVERIFY(p->messaggi.mostrati.isEmpty());
        // In the possession window itself, Ctrl+E asks the own-window question.
        p->messaggi.risposte.enqueue(Risposta::No);
        QVERIFY(QTest::qWaitForWindowActive(possesso));
        QTest::keyClick(possesso, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(p->messaggi.mostrati.size(), 1);
    }

    // The desktop's usual keys, from a text field too: Ctrl+O, Ctrl+S, Ctrl+Shift+S run the archive
    // commands, F1 shows the window's own guide.
    void tastiAbituali_data()
    {
        QTest::addColumn<QKeySequence>("tasto");
        QTest::addColumn<QString>("chiamata");
        QTest::newRow("Ctrl+O") << QKeySequence(QStringLiteral("Ctrl+O")) << "apri_Click";
        QTest::newRow("Ctrl+S") << QKeySequence(QStringLiteral("Ctrl+S")) << "salva_Click";
        QTest::newRow("Ctrl+Shift+S") << QKeySequence(QStringLiteral("Ctrl+Shift+S")) << "salvanome_Click";
        QTest::newRow("F1") << QKeySequence(QStringLiteral("F1")) << "";
    }
    void tastiAbituali()
    {
        QFETCH(QKeySequence, tasto);
        QFETCH(QString, chiamata);
        CausaFinta::chiamate.clear();
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        auto* campo = new QLineEdit(QStringLiteral("Mario Rossi"), w->area());
        campo->setObjectName(QStringLiteral("campo"));
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        campo->setFocus();
        QTest::keySequence(campo, tasto);
        QCOMPARE(CausaFinta::chiamate, chiamata.isEmpty() ? QStringList() : QStringList{chiamata});
        QCOMPARE(Finestre::caricata(QStringLiteral("guidapossesso"))
                     && Finestre::finestra(QStringLiteral("guidapossesso"))->isVisible(),
                 chiamata.isEmpty());
        QCOMPARE(campo->text(), QStringLiteral("Mario Rossi"));
        QVERIFY(p->messaggi.mostrati.isEmpty());
        delete campo;
    }

    // In a text field the desktop's editing keys (select all, copy) do their work; every other
    // Ctrl+A..Ctrl+M key, and all of them outside a field, bring up their window.
    void scorciatoieConIlCursoreInUnCampo_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("nelCampo");
        QTest::addColumn<QString>("finestra");    // the window it brings up; empty for none
        QTest::addColumn<QString>("selezione");   // the field's selection afterwards
        QTest::addColumn<QString>("appunti");     // the clipboard afterwards
        QTest::newRow("Ctrl+A nel campo") << int(Qt::Key_A) << true << ""
                                          << "Mario Rossi"
                                          << "prima";
        QTest::newRow("Ctrl+C nel campo") << int(Qt::Key_C) << true << ""
                                          << "Rossi"
                                          << "Rossi";
        QTest::newRow("Ctrl+E nel campo") << int(Qt::Key_E) << true << "possesso"
                                          << "Rossi"
                                          << "prima";
        QTest::newRow("Ctrl+K nel campo") << int(Qt::Key_K) << true << "fede"
                                          << "Rossi"
                                          << "prima";
        QTest::newRow("Ctrl+A fuori") << int(Qt::Key_A) << false << "scelta"
                                      << "Rossi"
                                      << "prima";
        QTest::newRow("Ctrl+C fuori") << int(Qt::Key_C) << false << "massime"
                                      << "Rossi"
                                      << "prima";
    }
    void scorciatoieConIlCursoreInUnCampo()
    {
        QFETCH(int, tasto);
        QFETCH(bool, nelCampo);
        QFETCH(QString, finestra);
        QFETCH(QString, selezione);
        QFETCH(QString, appunti);
        QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
        auto* causa = Finestre::finestra<FinestraLavoro>(QStringLiteral("causa"));
        auto* campo = new QLineEdit(QStringLiteral("Mario Rossi"), causa->area());
        campo->setObjectName(QStringLiteral("attore"));
        causa->show();
        QVERIFY(QTest::qWaitForWindowActive(causa));
        campo->setSelection(6, 5);
        QWidget* fuoco =
            nelCampo ? static_cast<QWidget*>(campo) : causa->findChild<QPushButton*>(QStringLiteral("esco"));
        fuoco->setFocus();
        QVERIFY(fuoco->hasFocus());
        const QStringList tutte{"scelta", "massime", "possesso", "fede"};
        for (const QString& f : tutte)
            QVERIFY(!Finestre::caricata(f) || !Finestre::finestra(f)->isVisible());
        QTest::keyClick(fuoco, Qt::Key(tasto), Qt::ControlModifier);
        for (const QString& f : tutte)
            QCOMPARE(Finestre::caricata(f) && Finestre::finestra(f)->isVisible(), f == finestra);
        QCOMPARE(campo->text(), QStringLiteral("Mario Rossi"));
        QCOMPARE(campo->selectedText(), selezione);
        QCOMPARE(QGuiApplication::clipboard()->text(), appunti);
        // The menu still offers the windows the field's keys leave aside.
        QCOMPARE(causa->azione(QStringLiteral("fin1"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(causa->azione(QStringLiteral("fin3"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    }

    void esciDalMenuFile()
    {
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("causa"));
        w->show();
        p->messaggi.risposte.enqueue(Risposta::No);
        w->azione(QStringLiteral("esci"))->trigger();
        QCOMPARE(p->messaggi.ultimo().testo, QStringLiteral("Si desidera uscire da Possidoria?"));
        QVERIFY(Finestre::caricata(QStringLiteral("causa")));
        w->findChild<QPushButton*>(QStringLiteral("esco"))->click();
        QCOMPARE(p->messaggi.mostrati.size(), 2);
        QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("esco"))->toolTip(),
                 QStringLiteral("cliccare per uscire da Possidoria"));
    }

    void misureEBarraDeiMenu()
    {
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->size(), QSize(640, 455));
        // The window-number entry sits at the right end, and the menu bar fits the window.
        QVERIFY(w->menuBar()->sizeHint().width() <= w->width());
        QWidget* numero = w->menuBar()->cornerWidget(Qt::TopRightCorner);
        QVERIFY(numero && numero->isVisible());
        QVERIFY(numero->geometry().right() >= w->width() - 10);
        salvaImmagine(w, QStringLiteral("cornice"));
    }

    // A hint never shrinks below 8 points: one too long for the box makes the box grow, downwards
    // within the window and then upwards; a short one gives the box back its own place.
    void passoCresceENonRimpicciolisce()
    {
        FinestraConPasso w;
        w.carica();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QLabel* passo = w.passo;
        QCOMPARE(passo->font().pointSizeF(), 8.0);
        const QRect progetto = passo->geometry();
        const QString breve = QStringLiteral("cliccare su Procedi");
        const QString lungo =
            QStringLiteral("leggere la sentenza, apportare delle correzioni nei dati, secondo i suggerimenti "
                           "forniti nei Commenti, tornando alla finestra Possesso oppure stampare o archiviare");
        for (const QString& testo : {lungo, lungo.repeated(3), breve, lungo}) {
            passo->setText(testo);
            QApplication::sendPostedEvents();
            QCOMPARE(passo->font().pointSizeF(), 8.0);
            QCOMPARE(passo->width(), progetto.width());
            QVERIFY(passo->y() >= 0 && passo->geometry().bottom() < w.area()->height());
            if (testo == breve) {
                QCOMPARE(passo->geometry(), progetto);
                continue;
            }
            QCOMPARE(passo->height(), passo->heightForWidth(passo->width()));   // every line shows
            QVERIFY(passo->height() > progetto.height());
            QVERIFY(passo->y() <= progetto.y());
            salvaImmagine(&w, testo == lungo ? QStringLiteral("passo-lungo") : QStringLiteral("passo-lunghissimo"));
        }
        // Resized and back: the long hint still has its room, the same as before.
        const QRect cresciuto = passo->geometry();
        w.resize(w.size() * 3 / 2);
        QApplication::sendPostedEvents();
        QVERIFY(passo->height() >= passo->heightForWidth(passo->width()));
        QVERIFY(passo->geometry().bottom() < w.area()->height());
        w.resize(w.size() * 2 / 3);
        QApplication::sendPostedEvents();
        QCOMPARE(passo->geometry(), cresciuto);
        w.setAttribute(Qt::WA_DeleteOnClose, false);
    }

    // A work window opens centred on the screen; one opened over another at the same place moves
    // down and right, so that the one below shows.
    void siApreAlCentroESfalsata()
    {
        const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
        QList<QWidget*> aperte;
        for (const char* nome : {"possesso", "fede", "acquisto"}) {
            Finestre::mostra(QString::fromLatin1(nome));
            QWidget* w = Finestre::finestra(QString::fromLatin1(nome));
            QVERIFY(QTest::qWaitForWindowExposed(w));
            aperte << w;
        }
        const QPoint scostamento = aperte[0]->geometry().center() - schermo.center();
        QVERIFY2(qAbs(scostamento.x()) <= 3 && qAbs(scostamento.y()) <= 3,
                 qPrintable(QStringLiteral("%1,%2").arg(scostamento.x()).arg(scostamento.y())));
        for (int i = 1; i < aperte.size(); ++i) {
            QCOMPARE(aperte[i]->size(), aperte[0]->size());
            const QPoint scarto = aperte[i]->pos() - aperte[i - 1]->pos();
            QVERIFY2(scarto.x() >= 20 && scarto.y() >= 20,
                     qPrintable(QStringLiteral("%1,%2").arg(scarto.x()).arg(scarto.y())));
            QVERIFY(schermo.contains(aperte[i]->geometry()));
        }
    }

    void ridimensionaEPoiRilascia()
    {
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto* esco = w->findChild<QPushButton*>(QStringLiteral("esco"));
        const QRect prima = esco->geometry();
        // Twice as wide: the button moves and widens in proportion, its height stays.
        w->resize(2 * w->width(), w->height());
        QVERIFY(qAbs(esco->x() - 2 * prima.x()) <= 2);
        QVERIFY(qAbs(esco->width() - 2 * prima.width()) <= 2);
        QCOMPARE(esco->height(), prima.height());
        QVERIFY(w->resizer());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->close();
        QVERIFY(!w->resizer());   // released with the window
    }
};

QTEST_MAIN(TestCornice)
#include "tst_cornice.moc"
