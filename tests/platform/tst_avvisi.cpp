// Warnings are seen whole: a message box holds its whole caption, a printed line wider than the
// page goes on below instead of running off the paper; a missing launcher is told once, by the program.
#include "gui/frame/esportazione.h"
#include "platform/messaggiqt.h"
#include "platform/stampantealbisogno.h"
#include "platform/stampa/stampantequt.h"
#include "platform/wordqt.h"
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
struct MessaggiContati : PortaMessaggi {
    QStringList testi;
    Risposta mostra(const QString& testo, const QString&, Icona, Pulsanti, Risposta) override
    {
        testi << testo;
        return Risposta::Ok;
    }
};

QStringList terminale;
void registraTerminale(QtMsgType, const QMessageLogContext&, const QString& m) { terminale << m; }
}   // namespace

class TestAvvisi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The program's own small font: the caption is measured in the window manager's larger one.
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(8);
        QApplication::setFont(f);
    }

    void titoloIntero_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<int>("pulsanti");
        QTest::newRow("uscita") << QStringLiteral("Si desidera uscire da Possidoria?")
                                << QStringLiteral("Attenzione: i dati non archiviati andranno persi !")
                                << int(Pulsanti::SiNo);
        QTest::newRow("controllo stampa")
            << QStringLiteral("Nessuna sentenza da stampare.")
            << QStringLiteral("Possidoria: controllo dati immessi nella finestra attiva") << int(Pulsanti::Ok);
    }

    void titoloIntero()
    {
        QFETCH(QString, testo);
        QFETCH(QString, titolo);
        QFETCH(int, pulsanti);
        int larghezza = -1;
        QString titoloMostrato;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            larghezza = box->width();
            titoloMostrato = box->windowTitle();
            const QString cartella = qEnvironmentVariable("POSSIDORIA_SCREENSHOTS", QStringLiteral("screenshots"));
            QDir().mkpath(cartella);
            box->grab().save(cartella + QStringLiteral("/messaggio-") + QString::fromUtf8(QTest::currentDataTag())
                             + QStringLiteral(".png"));
            box->reject();
        });
        MessaggiQt messaggi;
        messaggi.mostra(testo, titolo, Icona::Domanda, Pulsanti(pulsanti), Risposta::No);
        QCOMPARE(titoloMostrato, titolo);
        // A title bar writes its caption in about 11 points bold, beside three buttons of some 24 pixels.
        QFont barra = QApplication::font();
        barra.setBold(true);
        barra.setPointSizeF(11);
        QVERIFY2(larghezza >= QFontMetrics(barra).horizontalAdvance(titolo) + 3 * 24,
                 qPrintable(QStringLiteral("larghezza %1").arg(larghezza)));
    }

    // Courier at 12 points from column 10, as the articles are printed on A4.
    void rigaPiuLargaDellaPagina_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("righe");
        QTest::newRow("art. 1166") << QStringLiteral(
            "1166) Inefficacia delle cause d'impedimento e di sospensione rispetto al terzo...")
                                   << 2;
        QTest::newRow("entra nella pagina") << QStringLiteral("1163) Vizi del possesso") << 1;
        QTest::newRow("parola senza spazi") << QString(150, QLatin1Char('x')) << 3;
    }

    void rigaPiuLargaDellaPagina()
    {
        QFETCH(QString, testo);
        QFETCH(int, righe);
        QTemporaryDir cartella;
        StampanteQt s(cartella.filePath(QStringLiteral("articoli.pdf")));
        QVERIFY(s.scegli());
        QVERIFY(s.nomeFont(QStringLiteral("Courier")) && s.dimensioneFont(12));
        QVERIFY(s.stampaRiga(10, testo));
        QVERIFY(s.stampaRiga(10, QStringLiteral("seguito")));
        QVERIFY(s.fine());

        const auto& stampate = s.righe();
        QCOMPARE(stampate.size(), righe + 1);
        QStringList pezzi;
        for (int i = 0; i < righe; ++i) {
            QCOMPARE(stampate[i].colonna, 10);
            QCOMPARE(stampate[i].pagina, 1);
            QVERIFY(i == 0 || stampate[i].twipsDallAlto > stampate[i - 1].twipsDallAlto);
            pezzi << stampate[i].testo;
        }
        // Nothing of the text is lost, and the next line comes below its end.
        const QString separatore = testo.contains(QLatin1Char(' ')) ? QStringLiteral(" ") : QString();
        QCOMPARE(pezzi.join(separatore), testo);
        QCOMPARE(stampate.last().testo, QStringLiteral("seguito"));
        QVERIFY(stampate.last().twipsDallAlto > stampate[righe - 1].twipsDallAlto);
    }

    // No launcher on the path: the terminal stays quiet and the user reads one message of the program.
    void lanciatoreMancante()
    {
        QTemporaryDir vuota;
        const QByteArray percorso = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(vuota.path()));
        MessaggiContati messaggi;
        installaPiattaforma({&messaggi});
        terminale.clear();
        const QtMessageHandler prima = qInstallMessageHandler(registraTerminale);
        WordQt word;
        word.nuovoDocumento();
        word.scrivi(QStringLiteral("Sentenza"));
        const QString scritto = Esportazione::mostra(word);
        qInstallMessageHandler(prima);
        qputenv("PATH", percorso);
        installaPiattaforma({});
        QFile::remove(scritto);

        QVERIFY(!scritto.isEmpty());
        QVERIFY2(terminale.isEmpty(), qPrintable(terminale.join(QLatin1Char('\n'))));
        QCOMPARE(messaggi.testi.size(), 1);
        QVERIFY(messaggi.testi.first().startsWith(QStringLiteral("Nessun programma di videoscrittura")));
    }
    // The program's printer comes from its module when the user prints: the lines reach the page.
    void stampanteDalModulo()
    {
        QTemporaryDir cartella;
        const QString pdf = cartella.filePath(QStringLiteral("prova.pdf"));
        MessaggiContati messaggi;
        installaPiattaforma({&messaggi});
        StampanteAlBisogno s(QStringLiteral(POSSIDORIA_MODULO_STAMPA), pdf);
        const bool stampato = s.scegli() && s.nomeFont(QStringLiteral("Courier")) && s.dimensioneFont(12)
                              && s.stampaRiga(5, QStringLiteral("Art. 1158 Usucapione dei beni immobili")) && s.fine();
        installaPiattaforma({});
        QVERIFY(stampato);
        QVERIFY(messaggi.testi.isEmpty());
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext non installato (poppler-utils)");
        QProcess p;
        p.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("Art. 1158 Usucapione")));
    }

    // A module that does not load prints nothing and says so, cause first, at every attempt.
    void moduloDiStampaMancante()
    {
        QTemporaryDir cartella;
        MessaggiContati messaggi;
        installaPiattaforma({&messaggi});
        StampanteAlBisogno s(cartella.filePath(QStringLiteral("libpossidoria-stampa.so")),
                             cartella.filePath(QStringLiteral("prova.pdf")));
        const bool primo = s.scegli();
        const bool riga = s.stampaRiga(1, QStringLiteral("testo"));
        const bool secondo = s.scegli();
        installaPiattaforma({});
        QVERIFY(!primo && !riga && !secondo);
        QCOMPARE(messaggi.testi.size(), 2);
        QVERIFY(messaggi.testi.first().startsWith(QStringLiteral("Impossibile stampare: il modulo di stampa")));
        QVERIFY(messaggi.testi.first().contains(cartella.path()));
        QVERIFY(!QFile::exists(cartella.filePath(QStringLiteral("prova.pdf"))));
    }

    // The program of a build tree loads the module built beside it; an installed one, the module
    // under the installation's library folder, never one beside it that is not there.
    void moduloCercato()
    {
        const QFileInfo costruito(QStringLiteral(POSSIDORIA_MODULO_STAMPA));
        QCOMPARE(StampanteAlBisogno::moduloPer(costruito.path()), costruito.filePath());
        QTemporaryDir prefisso;
        QVERIFY(QDir(prefisso.path()).mkdir(QStringLiteral("bin")));
        const QString installato = StampanteAlBisogno::moduloPer(prefisso.filePath(QStringLiteral("bin")));
        QVERIFY2(installato.startsWith(prefisso.path() + QStringLiteral("/lib"))
                     && installato.endsWith(QStringLiteral("/possidoria/libpossidoria-stampa.so")),
                 qPrintable(installato));
    }
};

QTEST_MAIN(TestAvvisi)
#include "tst_avvisi.moc"
