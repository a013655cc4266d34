#include "gui/frame/frmtip.h"
#include "gui/frame/informa.h"
#include "gui/frame/modpossidoria.h"
#include "core/causaviva.h"
#include "gui/frame/scelta.h"
#include "gui/frame/splash.h"
#include "core/suggerimenti.h"
#include "gui/frame/supportoclienti.h"
#include "fakes/piattaformafinta.h"
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sys/stat.h>

using namespace ModPossidoria;

class TestAvvio : public QObject {
    Q_OBJECT

    PiattaformaFinta* p = nullptr;
    QTemporaryDir cartella;

    QString etichetta(QWidget* w, const char* nome) { return w->findChild<QLabel*>(QString::fromLatin1(nome))->text(); }

private slots:
    void init()
    {
        p = new PiattaformaFinta;
        impostaCartellaProgramma(cartella.path());
    }
    void cleanup()
    {
        delete p;
        impostaCartellaProgramma(QString());
    }

    void splashAllAvvio()
    {
        Finestre::mostra(QStringLiteral("frmSplash"));
        auto* s = Finestre::finestra<FrmSplash>(QStringLiteral("frmSplash"));
        QCOMPARE(p->midi.comandi,
                 (QStringList{QStringLiteral("open ") + cartella.path() + QStringLiteral("/Internet.mid"),
                              QStringLiteral("play")}));
        QCOMPARE(s->label(3)->text(), QStringLiteral("Possidoria"));
        QCOMPARE(s->label(4)->text(), QStringLiteral("causa elettronica con sentenza"));
        QCOMPARE(s->label(5)->text(), QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE 2.05.00"));
        QCOMPARE(s->label(2)->text(), QStringLiteral("presenta"));
        QCOMPARE(titoloaiuto, QStringLiteral("Possidoria: aiuto in linea"));
        QCOMPARE(titolocontrollo, QStringLiteral("Possidoria: controllo dati immessi nella finestra attiva"));
        salvaImmagine(s, QStringLiteral("frmSplash"));
    }

    void splashSenzaMusicaFunziona()
    {
        p->midi.apribile = false;
        Finestre::mostra(QStringLiteral("frmSplash"));
        QCOMPARE(p->midi.comandi.size(), 1);   // opened, nothing played
        QTest::mouseClick(Finestre::finestra(QStringLiteral("frmSplash")), Qt::LeftButton);
        QVERIFY(Finestre::finestra(QStringLiteral("scelta"))->isVisible());
    }

    void clicSulloSplashApreIlMenu()
    {
        Finestre::mostra(QStringLiteral("frmSplash"));
        auto* s = Finestre::finestra<FrmSplash>(QStringLiteral("frmSplash"));
        QTest::mouseClick(s->label(3), Qt::LeftButton);
        QCOMPARE(p->midi.comandi.last(), QStringLiteral("pause"));
        QVERIFY(Finestre::finestra(QStringLiteral("scelta"))->isVisible());
        QVERIFY(s->isVisible());   // stays open behind the menu
        // Nothing the user has not asked for: no other window is built on the way to the menu.
        for (const QString& nome : Finestre::registrate())
            if (nome != QLatin1String("frmSplash") && nome != QLatin1String("scelta"))
                QVERIFY2(!Finestre::caricata(nome), qPrintable(nome));
    }

    // Any key that writes, and Esc, as the hint says; Shift alone does nothing.
    void tastoSulloSplashChiudeIlProgramma_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::newRow("lettera") << int(Qt::Key_X);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void tastoSulloSplashChiudeIlProgramma()
    {
        QFETCH(int, tasto);
        // A menu loaded and closed, with whatever it left loaded, must not keep the program alive.
        Finestre::finestra(QStringLiteral("scelta"));
        Finestre::chiudi(QStringLiteral("scelta"));
        Finestre::mostra(QStringLiteral("frmSplash"));
        QTest::keyClick(Finestre::finestra(QStringLiteral("frmSplash")), Qt::Key_Shift);
        QVERIFY(Finestre::caricata(QStringLiteral("frmSplash")));
        QTest::keyClick(Finestre::finestra(QStringLiteral("frmSplash")), Qt::Key(tasto));
        QCOMPARE(p->midi.comandi.last(), QStringLiteral("close"));
        QVERIFY(!Finestre::caricata(QStringLiteral("frmSplash")));
        // The program ends when the last visible window closes.
        QVERIFY(qApp->quitOnLastWindowClosed());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void noAllUscitaNonCambiaNulla()
    {
        mostramenu();
        QWidget* menu = Finestre::finestra(QStringLiteral("scelta"));
        p->messaggi.risposte.enqueue(Risposta::No);
        menu->findChild<QPushButton*>(QStringLiteral("esco"))->click();
        const MessaggioRegistrato& m = p->messaggi.ultimo();
        QCOMPARE(m.testo, QStringLiteral("Si desidera uscire da Possidoria?"));
        // Nothing unsaved: the question warns of no loss.
        QCOMPARE(m.titolo, QStringLiteral("Possidoria"));
        QCOMPARE(m.icona, Icona::Domanda);
        QCOMPARE(m.pulsanti, Pulsanti::SiNo);
        QCOMPARE(m.predefinita, Risposta::No);
        QVERIFY(Finestre::caricata(QStringLiteral("scelta")));
        QVERIFY(menu->isVisible());
        QVERIFY(!Finestre::caricata(QStringLiteral("frmSplash")));
    }

    void siChiudeInOrdineERestaLoSplash()
    {
        Finestre::mostra(QStringLiteral("frmSplash"));
        QTest::mouseClick(Finestre::finestra(QStringLiteral("frmSplash")), Qt::LeftButton);
        Finestre::mostra(QStringLiteral("informa"));
        Finestre::mostra(QStringLiteral("frmTip"));
        Finestre::mostra(QStringLiteral("supportoclienti"));
        causaViva().imposta(&DatiCausa::tipologia, Tipologia::Usufrutto);
        causaViva().imposta(&DatiCausa::obiezioneModo, ProvaRequisito::Donazioni);
        causaViva().impostaArchivio(QStringLiteral("Possidoria-dati-vecchia"));
        QStringList chiuse;
        for (const QString& nome : Finestre::ordineChiusura())
            if (Finestre::caricata(nome))
                connect(Finestre::finestra(nome), &QObject::destroyed, this, [&chiuse, nome] { chiuse << nome; });
        QVERIFY(chiuse.isEmpty());
        const QStringList aperte = [] {
            QStringList a;
            for (const QString& nome : Finestre::ordineChiusura())
                if (Finestre::caricata(nome))
                    a << nome;
            return a;
        }();
        QVERIFY(aperte.contains(QStringLiteral("scelta")) && aperte.contains(QStringLiteral("informa")));

        // The case has unsaved changes: the question is whether to save it; "No" leaves it unsaved.
        p->messaggi.risposte.enqueue(Risposta::No);
        chiediuscita();
        QCOMPARE(p->messaggi.ultimo().pulsanti, Pulsanti::SiNoAnnulla);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(chiuse, aperte);   // all of them, in the fixed order
        auto* s = Finestre::finestra<FrmSplash>(QStringLiteral("frmSplash"));
        QVERIFY(s->isVisible());
        QCOMPARE(s->label(2)->text(), QStringLiteral("elaborazione eseguita con"));
        QCOMPARE(p->midi.comandi.last(), QStringLiteral("play"));
        // Starting again from here is a new case: no answer, no objection, no archive of the old one.
        QCOMPARE(causaViva().causa(), Causa{});
        QVERIFY(causaViva().archivio().isEmpty());

        // A click on the farewell screen brings the menu back.
        QTest::mouseClick(s, Qt::LeftButton);
        QVERIFY(Finestre::caricata(QStringLiteral("scelta")));
        QVERIFY(Finestre::finestra(QStringLiteral("scelta"))->isVisible());
    }

    // The farewell says what a click and a key do, and ends the program by a key, by its title bar
    // or by itself after a few seconds; a click back to the menu stops the countdown.
    void congedoSiChiude_data()
    {
        QTest::addColumn<QString>("come");
        QTest::newRow("tasto") << "tasto";
        QTest::newRow("barra del titolo") << "chiusura";
        QTest::newRow("da sé") << "attesa";
    }
    void congedoSiChiude()
    {
        QFETCH(QString, come);
        mostramenu();
        p->messaggi.risposte.enqueue(Risposta::Si);
        chiediuscita();
        auto* s = Finestre::finestra<FrmSplash>(QStringLiteral("frmSplash"));
        QVERIFY(s->isVisible());
        QVERIFY(!s->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(s->label(8)->text(),
                 QStringLiteral("(premere Esc per uscire o attendere; Invio per tornare al menu)"));
        // On its one line, whole.
        QVERIFY(s->label(8)->fontMetrics().horizontalAdvance(s->label(8)->text())
                <= s->label(8)->contentsRect().width());
        auto* timer = s->findChild<QTimer*>(QStringLiteral("chiusura"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), FrmSplash::secondiCongedo * 1000);
        if (come == QLatin1String("tasto"))
            QTest::keyClick(s, Qt::Key_Escape);
        else if (come == QLatin1String("chiusura"))
            s->close();
        else
            timer->start(10);
        QTRY_VERIFY(!Finestre::caricata(QStringLiteral("frmSplash")));
        QCOMPARE(p->midi.comandi.last(), QStringLiteral("close"));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void clicSulCongedoFermaLAttesa()
    {
        mostramenu();
        p->messaggi.risposte.enqueue(Risposta::Si);
        chiediuscita();
        auto* s = Finestre::finestra<FrmSplash>(QStringLiteral("frmSplash"));
        auto* timer = s->findChild<QTimer*>(QStringLiteral("chiusura"));
        QTest::mouseClick(s, Qt::LeftButton);
        QVERIFY(!timer->isActive());
        QVERIFY(Finestre::finestra(QStringLiteral("scelta"))->isVisible());
        QCOMPARE(s->label(8)->text(),
                 QStringLiteral("(cliccare o premere Invio per iniziare; premere Esc per uscire)"));
    }

    void uscitaDopoLoSplashChiusoLoRicarica()
    {
        mostramenu();
        p->messaggi.risposte.enqueue(Risposta::Si);
        chiediuscita();
        QVERIFY(Finestre::finestra(QStringLiteral("frmSplash"))->isVisible());
        // The splash was loaded afresh: its load opened and played the tune, then the sequence resumed it.
        QCOMPARE(p->midi.comandi.mid(1), (QStringList{QStringLiteral("play"), QStringLiteral("play")}));
    }

    void contatoreDelleMassime()
    {
        // Counted from the content, whether or not the maxims browser is part of the program.
        auto* menu = Finestre::finestra<FinestraScelta>(QStringLiteral("scelta"));
        QCOMPARE(etichetta(menu, "contiam"), QStringLiteral("Sono archiviate n. 149 sentenze sull'usucapione."));
    }

    void strConUnoSpazio_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("testo");
        QTest::newRow("zero") << 0 << " 0";
        QTest::newRow("dodici") << 12 << " 12";
        QTest::newRow("negativo") << -3 << "-3";
    }
    void strConUnoSpazio()
    {
        QFETCH(int, n);
        QFETCH(QString, testo);
        QCOMPARE(str(n), testo);
    }

    // The build's version, as the splash and the about window show it.
    void versioneMostrata_data()
    {
        QTest::addColumn<QString>("build");
        QTest::addColumn<QString>("mostrata");
        QTest::newRow("this edition") << "2.4.5"
                                      << "2.04.05";
        QTest::newRow("two digits stay") << "2.10.12"
                                         << "2.10.12";
        QTest::newRow("major and minor only") << "3.0"
                                              << "3.00";
        QTest::newRow("major only") << "7"
                                    << "7";
    }
    void versioneMostrata()
    {
        QFETCH(QString, build);
        QFETCH(QString, mostrata);
        QCOMPARE(ModPossidoria::versioneMostrata(build), mostrata);
    }

    void sceltaRipetibile()
    {
        auto* menu = Finestre::finestra<FinestraScelta>(QStringLiteral("scelta"));
        if (!Finestre::disponibile(QStringLiteral("norme")))
            QSKIP("the Civil Code browser is not part of this build");
        for (int volta = 0; volta < 2; ++volta) {
            Finestre::chiudi(QStringLiteral("norme"));
            QTest::mouseClick(menu->Option1()->pulsante(1), Qt::LeftButton);
            QVERIFY(Finestre::finestra(QStringLiteral("norme"))->isVisible());
            QVERIFY(!menu->Option1()->pulsante(1)->isChecked());
        }
    }

    void suggerimentiNellaBarraDiStato_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("testo");
        // clang-format off
        QTest::newRow("sfondo") << 0 << "Elenca le tematiche trattate dal software.";
        QTest::newRow("norme") << 1 << "Apre una finestra per la visualizzazione delle norme del Codice Civile sull'usucapione.";
        QTest::newRow("massime") << 2 << "Apre una finestra per la visualizzazione di massime riguardanti l'usucapione.";
        QTest::newRow("causa") << 3 << "Apre una finestra per lo sviluppo schematico di una causa con una sentenza finale.";
        // clang-format on
    }
    void suggerimentiNellaBarraDiStato()
    {
        QFETCH(int, indice);
        QFETCH(QString, testo);
        auto* menu = Finestre::finestra<FinestraScelta>(QStringLiteral("scelta"));
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->statusBar()->clearMessage();
        QWidget* sotto = indice ? static_cast<QWidget*>(menu->Option1()->pulsante(indice)) : menu->centralWidget();
        if (!sotto->isEnabled()) {
            QCOMPARE(FinestraScelta::suggerimento(indice), testo);
            QSKIP("the procedure's window is not part of this build yet");
        }
        QTest::mouseMove(sotto, QPoint(3, 3));
        QTRY_COMPARE(menu->statusBar()->currentMessage(), testo);
        QCOMPARE(menu->statusBar()->currentMessage(), testo);
    }

    void suggerimentoRestaSopraGliAltriControlli()
    {
        auto* menu = Finestre::finestra<FinestraScelta>(QStringLiteral("scelta"));
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseMove(menu->centralWidget(), QPoint(2, 2));
        QTest::mouseMove(menu->Option1()->pulsante(2), QPoint(4, 4));
        const QString massime = FinestraScelta::suggerimento(2);
        QTRY_COMPARE(menu->statusBar()->currentMessage(), massime);
        // A label or a button is neither an option nor the background: the hint stays until the next one.
        for (const char* nome : {"Label2", "contiam", "aiuto"}) {
            QTest::mouseMove(menu->findChild<QWidget*>(QString::fromLatin1(nome)), QPoint(5, 5));
            QApplication::processEvents();
            QVERIFY2(menu->statusBar()->currentMessage() == massime, nome);
        }
        QTest::mouseMove(menu->centralWidget(), QPoint(6, 6));
        QTRY_COMPARE(menu->statusBar()->currentMessage(), FinestraScelta::suggerimento(0));
    }

    void aiutoDelMenu()
    {
        auto* menu = Finestre::finestra<FinestraScelta>(QStringLiteral("scelta"));
        menu->findChild<QPushButton*>(QStringLiteral("aiuto"))->click();
        QCOMPARE(p->messaggi.ultimo().testo,
                 QStringLiteral("- Scegliere la procedura che si desidera cliccandoci sopra;\r"
                                "- visualizzare le informazioni nella barra di stato muovendosi con il mouse."));
        QCOMPARE(p->messaggi.ultimo().icona, Icona::Informazione);
        QCOMPARE(p->messaggi.ultimo().titolo, QStringLiteral("Possidoria: aiuto in linea"));
        menu->show();
        salvaImmagine(menu, QStringLiteral("scelta"));
    }

    void fileDeiSuggerimenti_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QStringList>("mostrati");   // on opening, then after each "Successivo"
        QTest::newRow("tre righe") << QByteArray("uno\r\ndue\r\ntre\r\n") << QStringList{"uno", "due", "tre", "uno"};
        // clang-format off
        QTest::newRow("riga vuota in mezzo") << QByteArray("uno\n\ntre") << QStringList{"uno", "", "tre", "uno"};
        QTest::newRow("file vuoto") << QByteArray() << QStringList{"", ""};
        QTest::newRow("righe chiuse dal solo CR") << QByteArray("uno\rdue\rtre\r") << QStringList{"uno", "due", "tre", "uno"};
        QTest::newRow("code page occidentale") << QByteArray("possibilit\xe0\n") << QStringList{QStringLiteral("possibilità")};
        // clang-format on
        // One line in the old code page leaves the UTF-8 lines around it as they are.
        QTest::newRow("righe di due codifiche") << QByteArray("facolt\xc3\xa0\npossibilit\xe0\nvolont\xc3\xa0")
                                                << QStringList{QStringLiteral("facoltà"), QStringLiteral("possibilità"),
                                                               QStringLiteral("volontà"), QStringLiteral("facoltà")};
    }
    void fileDeiSuggerimenti()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QStringList, mostrati);
        QFile f(cartella.filePath(Suggerimenti::nomeFile()));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
        f.close();
        Suggerimenti s;
        QCOMPARE(s.carica(f.fileName()), Suggerimenti::Lettura::Riuscita);
        for (int i = 0; i < mostrati.size(); ++i) {
            QCOMPARE(s.testo(), mostrati[i]);
            s.successivo();
        }
    }

    void precedenteNonRiparte()
    {
        QFile f(cartella.filePath(Suggerimenti::nomeFile()));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("uno\ndue\ntre\n");
        f.close();
        Finestre::mostra(QStringLiteral("frmSplash"));   // the tip is opened over another window
        Finestre::mostra(QStringLiteral("frmTip"));
        auto* tip = Finestre::finestra<FrmTip>(QStringLiteral("frmTip"));
        auto testo = [tip] { return tip->findChild<QLabel*>(QStringLiteral("lblTipText"))->text(); };
        QCOMPARE(testo(), QStringLiteral("uno"));
        tip->cmdprecedente_Click();
        QCOMPARE(testo(), QStringLiteral("uno"));
        tip->cmdNextTip_Click();
        tip->cmdNextTip_Click();
        tip->cmdprecedente_Click();
        QCOMPARE(testo(), QStringLiteral("due"));
        // "Chiudi" hides; showing it again continues at the same tip without reading the file again.
        tip->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QVERIFY(!tip->isVisible());
        QVERIFY(f.remove());
        Finestre::mostra(QStringLiteral("frmTip"));
        QCOMPARE(Finestre::finestra<FrmTip>(QStringLiteral("frmTip")), tip);
        QCOMPARE(testo(), QStringLiteral("due"));
        salvaImmagine(tip, QStringLiteral("frmTip"));
    }

    void fileDeiSuggerimentiMancante()
    {
        Finestre::mostra(QStringLiteral("frmTip"));
        auto* tip = Finestre::finestra<FrmTip>(QStringLiteral("frmTip"));
        auto* etich = tip->findChild<QLabel*>(QStringLiteral("lblTipText"));
        QCOMPARE(etich->text(),
                 QStringLiteral("Impossibile trovare il file SuggerimentiPossidoria.TXT\n\n"
                                "Creare un file di testo denominato SuggerimentiPossidoria.TXT utilizzando il "
                                "Blocco note e inserendo un suggerimento per ogni riga. Inserire il file nella "
                                "stessa directory dell'applicazione. "));
        tip->cmdNextTip_Click();
        tip->cmdprecedente_Click();
        QVERIFY(etich->text().startsWith(QStringLiteral("Impossibile trovare")));
        salvaImmagine(tip, QStringLiteral("frmTip-mancante"));
    }

    // What stands under the tip file's name decides what the window shows, and it never hangs on it.
    void fileDeiSuggerimentiInadatto_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("inizio");   // how the window's text starts
        const QString manca = QStringLiteral("Impossibile trovare il file SuggerimentiPossidoria.TXT\n\n");
        const QString illeggibile = QStringLiteral("Impossibile leggere il file SuggerimentiPossidoria.TXT\n\n");
        QTest::newRow("pipe") << "fifo" << manca;
        QTest::newRow("cartella") << "cartella" << manca;
        QTest::newRow("collegamento a /dev/zero") << "zero" << manca;
        QTest::newRow("oltre 1 MiB") << "grande" << manca;
        QTest::newRow("1 MiB giusto") << "limite" << QStringLiteral("xxxx");
        // A regular file whose every read fails, even for the system administrator.
        QTest::newRow("lettura in errore") << "errore" << illeggibile;
        QTest::newRow("marcatura") << "html" << QStringLiteral("<b>grassetto</b> e <img src=\"x.png\">");
    }
    void fileDeiSuggerimentiInadatto()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, inizio);
        const QString nome = cartella.filePath(Suggerimenti::nomeFile());
        auto scrivi = [&](const QByteArray& dati) {
            QFile f(nome);
            return f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size();
        };
        if (tipo == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(nome).constData(), 0600), 0);
        else if (tipo == QLatin1String("cartella"))
            QVERIFY(QDir().mkdir(nome));
        else if (tipo == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), nome));
        else if (tipo == QLatin1String("errore"))
            QVERIFY(QFile::link(QStringLiteral("/proc/self/clear_refs"), nome));
        else if (tipo == QLatin1String("grande"))
            QVERIFY(scrivi(QByteArray(Suggerimenti::dimensioneMassima + 1, 'x')));
        else if (tipo == QLatin1String("limite"))
            QVERIFY(scrivi(QByteArray("xxxx") + QByteArray(Suggerimenti::dimensioneMassima - 4, '\n')));
        else
            QVERIFY(scrivi("<b>grassetto</b> e <img src=\"x.png\">\n"));

        Finestre::mostra(QStringLiteral("frmTip"));
        auto* etich =
            Finestre::finestra<FrmTip>(QStringLiteral("frmTip"))->findChild<QLabel*>(QStringLiteral("lblTipText"));
        const QString testo = etich->text();
        if (tipo == QLatin1String("errore"))
            salvaImmagine(etich->window(), QStringLiteral("frmTip-illeggibile"));
        QDir(nome).removeRecursively();
        QFile::remove(nome);
        QVERIFY2(testo.startsWith(inizio), qPrintable(testo.left(200)));
        // A tip is shown as plain text: the marks stay visible, nothing is interpreted.
        QCOMPARE(etich->textFormat(), Qt::PlainText);
    }

    void informazioni()
    {
        Finestre::mostra(QStringLiteral("informa"));
        QWidget* w = Finestre::finestra(QStringLiteral("informa"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Informazioni su Possidoria"));
        QCOMPARE(etichetta(w, "Label6"), QStringLiteral("edizione professionale - versione 2.05.00 2004–2026"));
        const QString sistema = etichetta(w, "Label5");
        QVERIFY2(sistema.startsWith(QStringLiteral("per sistemi ")) && sistema.endsWith(QStringLiteral(" bit")),
                 qPrintable(sistema));
        QVERIFY(sistema.contains(QString::number(QSysInfo::WordSize)));
        QVERIFY(!sistema.contains(QStringLiteral("Windows")) || QSysInfo::kernelType() == QLatin1String("winnt"));
        salvaImmagine(w, QStringLiteral("informa"));
        w->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QVERIFY(!w->isVisible());
    }

    // "OK" of the about window and "Chiudi" of the tip window only hide them; as the last window on
    // screen they close, so that the program ends instead of living on invisible.
    void chiusuraDellUltimaFinestraVisibile_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<bool>("altraAperta");
        QTest::newRow("informa sola") << "informa" << false;
        QTest::newRow("informa sopra lo splash") << "informa" << true;
        QTest::newRow("frmTip sola") << "frmTip" << false;
        QTest::newRow("frmTip sopra lo splash") << "frmTip" << true;
    }
    void chiusuraDellUltimaFinestraVisibile()
    {
        QFETCH(QString, finestra);
        QFETCH(bool, altraAperta);
        // The main menu leaves its two browsers loaded and hidden: they do not count.
        Finestre::finestra(QStringLiteral("scelta"));
        Finestre::chiudi(QStringLiteral("scelta"));
        if (altraAperta)
            Finestre::mostra(QStringLiteral("frmSplash"));
        Finestre::mostra(finestra);
        QWidget* w = Finestre::finestra(finestra);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QVERIFY(!w->isVisible());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Finestre::caricata(finestra), altraAperta);
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->isVisible())
                QVERIFY2(altraAperta && t->objectName() == QLatin1String("frmSplash"), qPrintable(t->objectName()));
    }

    void ogniFinestraHaIlSuoPostoNellUscita()
    {
        // A window left out of the closing order would outlive the exit sequence and keep the program alive.
        for (const QString& nome : Finestre::registrate())
            if (nome != QLatin1String("frmSplash"))
                QVERIFY2(Finestre::ordineChiusura().contains(nome), qPrintable(nome));
    }

    void supportoClienti()
    {
        Finestre::mostra(QStringLiteral("supportoclienti"));
        auto* w = Finestre::finestra<SupportoClienti>(QStringLiteral("supportoclienti"));
        const QString r = w->resoconto();
        QVERIFY(r.contains(QStringLiteral("Possidoria 2.05.00")));
        QVERIFY(r.contains(cartella.path()));
        salvaImmagine(w, QStringLiteral("supportoclienti"));
    }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
