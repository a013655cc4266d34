// The program under a file-size limit (ulimit -f): a save that crosses it is told to the user and
// the program lives on with its case. The program runs in a child process started exactly as
// main() starts it, with the limit set and the signal left as the system gives it.
#include "avvio.h"
#include "gui/case/archiviocausa.h"
#include "core/causaviva.h"
#include "fakes/piattaformafinta.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace {

const char* const modoFiglio = "--salva-sotto-limite";

Causa casoCompleto()
{
    Causa c;
    c.testi.attore = QStringLiteral("Niccolò Ferrè");
    c.testi.convenuto = QStringLiteral("Società l’Edera");
    c.testi.bene = QStringLiteral("fondo rustico");
    c.testi.luogo = QStringLiteral("Città di Castello");
    c.testi.possessoInizio = QStringLiteral("8/12/1980");
    c.testi.possessoFine = QStringLiteral("1/3/2005");
    c.scelte.tipologia = Tipologia::Proprieta;
    c.scelte.interruzione = Interruzione::Nessuna, c.scelte.modo = Modo::PacificoPubblico;
    c.scelte.animo = Animo::DaTitolare, c.scelte.provenienza = Provenienza::Legittima;
    c.scelte.fede = Fede::Buona, c.scelte.titolo = Titolo::Idoneo;
    return c;
}

// The child: the program's own start-up, then "Salva con nome..." onto `percorso`; it prints every
// message the user was shown, and whether the case on screen is still there.
int salvaSottoLimite(int argc, char* argv[], const QString& percorso)
{
    MessaggiFinti messaggi;
    DialoghiFinti dialoghi;
    return Avvio::esegui(argc, argv, [&] {
        Piattaforma p = piattaforma();
        p.messaggi = &messaggi;
        p.dialoghi = &dialoghi;
        installaPiattaforma(p);
        QTimer::singleShot(0, [&] {
            causaViva().sostituisci(casoCompleto(), QString());
            dialoghi.risposte.enqueue(percorso);
            ArchivioCausa::salva(causaViva(), true);
            for (const MessaggioRegistrato& m : std::as_const(messaggi.mostrati))
                std::printf("%s\n", m.testo.toUtf8().constData());
            std::printf("causa: %s\n", causaViva().causa() == casoCompleto() ? "intatta" : "cambiata");
            std::fflush(stdout);
            std::_Exit(0);
        });
    });
}

}   // namespace

class TstLimiteDimensione : public QObject {
    Q_OBJECT
private slots:
    void salvataggioOltreIlLimiteDetto_data()
    {
        QTest::addColumn<QByteArray>("vecchio");   // the file before; empty for none
        QTest::newRow("archivio nuovo") << QByteArray();
        QTest::newRow("archivio esistente") << QByteArray("vecchio archivio\r\n");
    }
    void salvataggioOltreIlLimiteDetto()
    {
        QFETCH(QByteArray, vecchio);
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("Possidoria-dati-limite"));
        if (!vecchio.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(vecchio), vecchio.size());
        }
        QProcess figlio;
        // The signal as a shell leaves it, and a limit far below an archive's size.
        figlio.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limite{64, 64};
            setrlimit(RLIMIT_FSIZE, &limite);
        });
        figlio.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(modoFiglio), file});
        QVERIFY(figlio.waitForFinished(60000));
        const QString uscita = QString::fromUtf8(figlio.readAllStandardOutput());
        QVERIFY2(figlio.exitStatus() == QProcess::NormalExit,
                 qPrintable(QStringLiteral("ended by signal: ") + QString::fromUtf8(figlio.readAllStandardError())));
        QCOMPARE(figlio.exitCode(), 0);
        QVERIFY2(uscita.startsWith(QStringLiteral("Impossibile salvare l'archivio «%1»: ").arg(file)),
                 qPrintable(uscita));
        QVERIFY2(uscita.endsWith(QStringLiteral("\ncausa: intatta\n")), qPrintable(uscita));
        QFile f(file);
        QCOMPARE(f.exists(), !vecchio.isEmpty());
        if (f.exists()) {
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), vecchio);
        }
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], modoFiglio) == 0) {
        const QString percorso = QString::fromLocal8Bit(argv[2]);
        int argcFiglio = 1;
        return salvaSottoLimite(argcFiglio, argv, percorso);
    }
    QApplication app(argc, argv);
    TstLimiteDimensione prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_limitedimensione.moc"
