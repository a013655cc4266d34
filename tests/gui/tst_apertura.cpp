// A case reaches the program as a desktop hands it over: named on the command line, dropped on a
// window, picked from the recent cases of the File menu (kept from one run to the next); and the
// program answers --help, --version and a wrong option as a command does.
#include "gui/frame/finestralavoro.h"
#include "gui/frame/finestre.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/recenti.h"
#include "avvio.h"
#include "gui/case/archiviocausa.h"
#include "core/causaviva.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestrapossesso.h"
#include "fakes/piattaformafinta.h"

#include <QDir>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString cartellaEsempi = QStringLiteral(POSSIDORIA_ESEMPI);

QString esempio(const char* nome)
{
    return QDir(cartellaEsempi).filePath(QStringLiteral("Possidoria-dati-esempio-") + QString::fromLatin1(nome));
}

QString programma() { return QStringLiteral(POSSIDORIA_PROGRAMMA); }

// Sends a drag of `url` and its drop to `bersaglio`, as the window system does; true when the drag was taken.
bool lascia(QWidget* bersaglio, const QUrl& url)
{
    QMimeData dati;
    dati.setUrls({url});
    dati.setText(url.toString());
    const QPoint punto = bersaglio->rect().center();
    QDragEnterEvent entra(punto, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &entra);
    if (!entra.isAccepted())
        return false;
    QDropEvent lascia(punto, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &lascia);
    return lascia.isAccepted();
}

QStringList voci(QMenu* menu)
{
    emit menu->aboutToShow();
    QStringList v;
    for (QAction* a : menu->actions())
        v << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return v;
}

QMenu* menuFile(QWidget* finestra) { return finestra->findChild<QMenu*>(QStringLiteral("mnufile")); }

}   // namespace

class TstApertura : public QObject {
    Q_OBJECT

    PiattaformaFinta* p = nullptr;
    QTemporaryDir configurazione;

private slots:
    void initTestCase()
    {
        QVERIFY(configurazione.isValid());
        QVERIFY2(QFileInfo(esempio("01-ventennale")).isFile(), qPrintable(esempio("01-ventennale")));
    }
    void init()
    {
        // Every test starts from no recent case: a configuration folder of its own.
        QDir(configurazione.path()).removeRecursively();
        QDir().mkpath(configurazione.path());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configurazione.path()));
        QVERIFY(Recenti::elenco().isEmpty());
        p = new PiattaformaFinta;
    }
    void cleanup() { delete p; }

    void rigaDiComando_data()
    {
        using A = Avvio::RigaDiComando::Azione;
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<A>("azione");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("errore");
        QTest::newRow("nothing") << QStringList{} << A::Avvia << QStringList{} << QString();
        QTest::newRow("a file") << QStringList{"causa"} << A::Avvia << QStringList{"causa"} << QString();
        QTest::newRow("help") << QStringList{"--help"} << A::Aiuto << QStringList{} << QString();
        QTest::newRow("-h") << QStringList{"causa", "-h"} << A::Aiuto << QStringList{"causa"} << QString();
        QTest::newRow("version") << QStringList{"--version"} << A::Versione << QStringList{} << QString();
        QTest::newRow("wrong option") << QStringList{"--colori", "causa"} << A::Errore << QStringList{"causa"}
                                      << "--colori";
        QTest::newRow("help wins over a wrong option")
            << QStringList{"--colori", "--help"} << A::Aiuto << QStringList{} << "--colori";
        QTest::newRow("after --, names are files")
            << QStringList{"--", "--help", "-x"} << A::Avvia << QStringList{"--help", "-x"} << QString();
        QTest::newRow("a lone dash is a name") << QStringList{"-"} << A::Avvia << QStringList{"-"} << QString();
    }
    void rigaDiComando()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(Avvio::RigaDiComando::Azione, azione);
        QFETCH(QStringList, file);
        QFETCH(QString, errore);
        const Avvio::RigaDiComando r = Avvio::leggiRigaDiComando(argomenti);
        QCOMPARE(r.azione, azione);
        QCOMPARE(r.file, file);
        QCOMPARE(r.errore, errore);
    }

    // The program itself, started as a command: with no screen, and with one (offscreen), where
    // Qt takes its own options first.
    void comeUnComando_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("schermo");   // QT_QPA_PLATFORM, empty for none
        QTest::addColumn<int>("stato");
        QTest::addColumn<QString>("uscita");
        QTest::addColumn<QString>("errori");
        QTest::newRow("help") << QStringList{"--help"} << "" << 0 << "Uso: possidoria"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << "" << 0 << "possidoria " POSSIDORIA_VERSIONE_ATTESA "\n"
                                 << "";
        QTest::newRow("wrong option, no screen") << QStringList{"--colori"} << "" << 2 << ""
                                                 << "opzione sconosciuta: --colori\nUso: possidoria";
        QTest::newRow("wrong option, a screen") << QStringList{"-style", "Fusion", "--colori"} << "offscreen" << 2 << ""
                                                << "opzione sconosciuta: --colori\nUso: possidoria";
    }
    void comeUnComando()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, schermo);
        QFETCH(int, stato);
        QFETCH(QString, uscita);
        QFETCH(QString, errori);
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            ambiente.remove(QString::fromLatin1(v));
        if (!schermo.isEmpty())
            ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), schermo);
        QProcess pr;
        pr.setProcessEnvironment(ambiente);
        pr.start(programma(), argomenti);
        QVERIFY(pr.waitForFinished(60000));
        const QString out = QString::fromUtf8(pr.readAllStandardOutput());
        const QString err = QString::fromUtf8(pr.readAllStandardError());
        QCOMPARE(pr.exitStatus(), QProcess::NormalExit);
        QVERIFY2(pr.exitCode() == stato, qPrintable(err));
        QVERIFY2(uscita.isEmpty() ? out.isEmpty() : out.contains(uscita), qPrintable(out));
        QVERIFY2(errori.isEmpty() ? err.isEmpty() : err.contains(errori), qPrintable(err));
    }

    void aiutoSuUnDispositivoPieno()
    {
        // An answer that could not be written is a failure, not a success.
        QProcess pr;
        pr.setStandardOutputFile(QStringLiteral("/dev/full"));
        pr.start(programma(), {QStringLiteral("--help")});
        QVERIFY(pr.waitForFinished(60000));
        QCOMPARE(pr.exitCode(), 1);
    }

    void apertaDallaRigaDiComando()
    {
        // A name relative to the folder the program was started in: the archive name and the
        // recent list hold where the file is.
        const QString prima = QDir::currentPath();
        QVERIFY(QDir::setCurrent(cartellaEsempi));
        const bool aperta = Avvio::apriDallaRigaDiComando(QStringLiteral("Possidoria-dati-esempio-02-decennale"));
        QDir::setCurrent(prima);
        QVERIFY(aperta);
        QCOMPARE(causaViva().testi().attore, QStringLiteral("Anna Ferrari"));
        QCOMPARE(causaViva().archivio(), esempio("02-decennale"));
        QCOMPARE(Recenti::elenco(), QStringList{esempio("02-decennale")});
        QVERIFY(Finestre::finestra(QStringLiteral("causa"))->isVisible());
        QVERIFY(p->messaggi.mostrati.isEmpty());

        // A desktop's file: address names the same file.
        QVERIFY(Avvio::apriDallaRigaDiComando(QUrl::fromLocalFile(esempio("01-ventennale")).toString()));
        QCOMPARE(causaViva().testi().attore, QStringLiteral("Mario Rossi"));
        QCOMPARE(causaViva().archivio(), esempio("01-ventennale"));
    }

    // With several files named, the first is opened and the user is told, in the program, of the others.
    void piuFileSullaRigaDiComando()
    {
        const QString altra = QDir::temp().filePath(QStringLiteral("altra causa"));
        Avvio::apriFileDellaRigaDiComando({esempio("02-decennale"), altra});
        QCOMPARE(causaViva().testi().attore, QStringLiteral("Anna Ferrari"));
        QCOMPARE(p->messaggi.mostrati.size(), 1);
        const MessaggioRegistrato& m = p->messaggi.ultimo();
        QCOMPARE(m.icona, Icona::Esclamazione);
        QCOMPARE(m.titolo, ModPossidoria::titoloaiuto);
        QVERIFY2(m.testo.contains(QStringLiteral("Possidoria-dati-esempio-02-decennale")) && m.testo.contains(altra),
                 qPrintable(m.testo));
    }

    // A file that cannot be used is told as "&Apri..." tells it, and the case on screen stays.
    void erroreComeApri_data()
    {
        QTest::addColumn<QByteArray>("contenuto");   // empty: no such file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not an archive") << QByteArray("questo non è un archivio\r\n");
    }
    void erroreComeApri()
    {
        QFETCH(QByteArray, contenuto);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("Possidoria-dati-guasto"));
        if (!contenuto.isEmpty()) {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenuto);
        }
        QVERIFY(Avvio::apriDallaRigaDiComando(esempio("01-ventennale")));

        p->dialoghi.risposte.enqueue(percorso);
        Finestre::archivio()->apri_Click();
        QCOMPARE(p->messaggi.mostrati.size(), 1);
        const MessaggioRegistrato dalMenu = p->messaggi.ultimo();

        QVERIFY(Avvio::apriDallaRigaDiComando(esempio("01-ventennale")));
        QVERIFY(!Avvio::apriDallaRigaDiComando(percorso));
        QCOMPARE(p->messaggi.mostrati.size(), 2);
        QCOMPARE(p->messaggi.ultimo().testo, dalMenu.testo);
        QCOMPARE(p->messaggi.ultimo().titolo, dalMenu.titolo);
        QCOMPARE(p->messaggi.ultimo().icona, dalMenu.icona);
        QCOMPARE(causaViva().testi().attore, QStringLiteral("Mario Rossi"));
        QCOMPARE(causaViva().archivio(), esempio("01-ventennale"));
        QVERIFY(!Recenti::elenco().contains(percorso));
    }

    // Dropped on a case window, on its background or on one of its text fields, an archive opens.
    void lasciataSullaFinestra_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("controllo");   // empty: the window's client area
        QTest::newRow("header, a text field") << "causa"
                                              << "attore";
        QTest::newRow("possession, a date field") << "possesso"
                                                  << "datainizio";
        QTest::newRow("judgment, background") << "sentenza"
                                              << "";
        QTest::newRow("good faith, background") << "fede"
                                                << "";
    }
    void lasciataSullaFinestra()
    {
        QFETCH(QString, finestra);
        QFETCH(QString, controllo);
        Finestre::mostra(finestra);
        auto* w = Finestre::finestra<FinestraLavoro>(finestra);
        QVERIFY(w);
        QWidget* bersaglio = controllo.isEmpty() ? w->area() : w->findChild<QWidget*>(controllo);
        QVERIFY(bersaglio);

        QVERIFY(lascia(bersaglio, QUrl::fromLocalFile(esempio("02-decennale"))));
        QCOMPARE(causaViva().testi().attore, QStringLiteral("Anna Ferrari"));
        QCOMPARE(causaViva().archivio(), esempio("02-decennale"));
        QCOMPARE(Recenti::elenco(), QStringList{esempio("02-decennale")});
        QVERIFY(p->messaggi.mostrati.isEmpty());
        // A field shows the case, never the file's name typed into it.
        if (auto* campo = qobject_cast<QLineEdit*>(bersaglio))
            QVERIFY2(!campo->text().contains(QStringLiteral("Possidoria-dati")), qPrintable(campo->text()));
    }

    void lasciatoAltro()
    {
        // A web address is no file: the drag is refused and nothing changes. A file that is no
        // archive is told as "&Apri..." tells it.
        Finestre::mostra(QStringLiteral("possesso"));
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("possesso"));
        QVERIFY(!lascia(w->area(), QUrl(QStringLiteral("https://example.org/Possidoria-dati-x"))));
        QVERIFY(causaViva().archivio().isEmpty());

        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("nota.txt"));
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("appunti\n");
        f.close();
        QVERIFY(lascia(w->area(), QUrl::fromLocalFile(percorso)));
        QCOMPARE(p->messaggi.mostrati.size(), 1);
        QVERIFY(causaViva().archivio().isEmpty());
        QVERIFY(Recenti::elenco().isEmpty());
    }

    void nulloSulleFinestreSenzaApertura()
    {
        // The articles browser has no "&Apri...": it takes no drop and lists no recent case.
        Recenti::aggiungi(esempio("02-decennale"));
        Finestre::mostra(QStringLiteral("norme"));
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("norme"));
        QVERIFY(!lascia(w->area(), QUrl::fromLocalFile(esempio("01-ventennale"))));
        QVERIFY(causaViva().archivio().isEmpty());
        voci(menuFile(w));
        QVERIFY(!w->findChild<QAction*>(QStringLiteral("recente1")));
    }

    void conNuovo_data()
    {
        QTest::addColumn<QStringList>("elenco");
        QTest::addColumn<QString>("nuovo");
        QTest::addColumn<QStringList>("atteso");
        QTest::newRow("first") << QStringList{} << "/a" << QStringList{"/a"};
        QTest::newRow("goes first") << QStringList{"/a", "/b"} << "/c" << QStringList{"/c", "/a", "/b"};
        QTest::newRow("moves up, once") << QStringList{"/a", "/b", "/c"} << "/c" << QStringList{"/c", "/a", "/b"};
        QTest::newRow("the sixth pushes the oldest out")
            << QStringList{"/1", "/2", "/3", "/4", "/5"} << "/6" << QStringList{"/6", "/1", "/2", "/3", "/4"};
    }
    void conNuovo()
    {
        QFETCH(QStringList, elenco);
        QFETCH(QString, nuovo);
        QFETCH(QStringList, atteso);
        QCOMPARE(Recenti::conNuovo(elenco, nuovo), atteso);
    }

    // Opened and saved cases fill the File menu of every case window, newest first, five at most;
    // an entry opens its case as "&Apri..." would.
    void menuDeiRecenti()
    {
        QTemporaryDir cartella;
        const QStringList nomi = {"01-ventennale",  "02-decennale",  "03-interruzione",
                                  "04-clandestino", "05-detenzione", "06-mala-fede"};
        for (const QString& n : nomi)
            QVERIFY(Avvio::apriDallaRigaDiComando(esempio(qPrintable(n))));
        // Saved under a new name (with an ampersand, which the menu must show as itself).
        const QString salvato = cartella.filePath(QStringLiteral("Possidoria-dati-Rossi & Bianchi"));
        p->dialoghi.risposte.enqueue(salvato);
        Finestre::archivio()->salvanome_Click();
        QVERIFY(QFileInfo(salvato).isFile());

        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("interruzione"));
        const QStringList v = voci(menuFile(w));
        const int esci = int(v.indexOf(QStringLiteral("Es&ci")));
        QCOMPARE(v.mid(esci - 6, 6),
                 (QStringList{"&1 Possidoria-dati-Rossi && Bianchi", "&2 Possidoria-dati-esempio-06-mala-fede",
                              "&3 Possidoria-dati-esempio-05-detenzione", "&4 Possidoria-dati-esempio-04-clandestino",
                              "&5 Possidoria-dati-esempio-03-interruzione", "-"}));
        QCOMPARE(v.count(QStringLiteral("-")), 5);

        // Picking the fourth entry opens that case; it then leads the list.
        QAction* quarta = w->findChild<QAction*>(QStringLiteral("recente4"));
        QVERIFY(quarta);
        quarta->trigger();
        QCOMPARE(causaViva().archivio(), esempio("04-clandestino"));
        QCOMPARE(Recenti::elenco().first(), esempio("04-clandestino"));
        QCOMPARE(voci(menuFile(w)).mid(esci - 6, 2),
                 (QStringList{"&1 Possidoria-dati-esempio-04-clandestino", "&2 Possidoria-dati-Rossi && Bianchi"}));

        // A recent file that has gone is told, and leaves the list.
        QVERIFY(QFile::remove(salvato));
        w->findChild<QAction*>(QStringLiteral("recente2"))->trigger();
        QCOMPARE(p->messaggi.mostrati.size(), 1);
        QVERIFY(!Recenti::elenco().contains(salvato));
        QCOMPARE(causaViva().archivio(), esempio("04-clandestino"));
    }

    void recentiTraDueEsecuzioni()
    {
        // Two earlier runs of the program, each opening a case from the command line; this third
        // run lists both, the later first.
        for (const char* n : {"07-senza-titolo", "08-consegna-buona-fede"}) {
            QProcess pr;
            pr.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--apri"), esempio(n)});
            QVERIFY(pr.waitForFinished(60000));
            QVERIFY2(pr.exitCode() == 0, pr.readAllStandardError().constData());
        }
        QCOMPARE(Recenti::elenco(), (QStringList{esempio("08-consegna-buona-fede"), esempio("07-senza-titolo")}));
        auto* w = Finestre::finestra<FinestraLavoro>(QStringLiteral("causa"));
        QStringList v = voci(menuFile(w));
        QVERIFY2(v.contains(QStringLiteral("&1 Possidoria-dati-esempio-08-consegna-buona-fede")),
                 qPrintable(v.join(", ")));
        QVERIFY(v.contains(QStringLiteral("&2 Possidoria-dati-esempio-07-senza-titolo")));
    }

    void iconaInOgniFinestra()
    {
        // Every window's title bar shows the program's picture, not the window system's generic one.
        ModPossidoria::impostaAspetto();
        const QImage attesa = QApplication::windowIcon().pixmap(32, 32).toImage();
        QVERIFY(!attesa.isNull());
        QCOMPARE(attesa.pixelColor(16, 4), QColor(0x1e, 0x3a, 0x6e));   // the blue of resources/possidoria.svg
        for (const QString& nome : Finestre::registrate()) {
            QWidget* w = Finestre::finestra(nome);
            QVERIFY2(w, qPrintable(nome));
            QCOMPARE(w->windowIcon().pixmap(32, 32).toImage(), attesa);
        }
    }
};

// Run with --apri FILE, the test plays a whole run of the program that opens FILE from the command
// line and ends: the recent list it leaves is what the next run reads.
int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--apri") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        PiattaformaFinta p;
        const bool aperta = Avvio::apriDallaRigaDiComando(QString::fromLocal8Bit(argv[2]));
        return aperta && p.messaggi.mostrati.isEmpty() ? 0 : 1;
    }
    QApplication app(argc, argv);
    TstApertura t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_apertura.moc"
