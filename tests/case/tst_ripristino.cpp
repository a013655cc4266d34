// Nothing typed is lost to a crash: a program killed while its case is modified leaves a copy in
// the user's state folder, and the next start offers back the very case that was on screen.
#include "case/archiviocausa.h"
#include "case/causaviva.h"
#include "case/finestracausa.h"
#include "case/ripristino.h"
#include "fakes/piattaformafinta.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

FinestraCausa* causa() { return Finestre::di<FinestraCausa>(); }

// The typing of the child process, and what the recovered case must hold.
const QString attore = QStringLiteral("Niccolò Ferrè");
const QString bene = QStringLiteral("fondo rustico, Le Querce");

// The child: a case typed into its window, the copy awaited, then "pronto" and a wait for the kill.
int figlio()
{
    PiattaformaFinta finta;
    Ripristino::Custode custode;
    causa()->show();
    causa()->attore()->setText(attore);   // accents as pasted: the keyboard of a test types ASCII only
    QTest::keyClicks(causa()->bene(), bene);
    if (!QTest::qWaitFor([] { return QFile::exists(Ripristino::Custode::file()); }, 10000))
        return 3;
    std::printf("pronto\n");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class TstRipristino : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void copiaLettaComeScritta();
    void uccisoERecuperato();
    void salvataggioENoRimuovonoLaCopia();

private:
    QTemporaryDir* stato_ = nullptr;
    PiattaformaFinta* finta_ = nullptr;
};

void TstRipristino::init()
{
    stato_ = new QTemporaryDir;
    qputenv("XDG_STATE_HOME", stato_->path().toLocal8Bit());
    finta_ = new PiattaformaFinta;
}

void TstRipristino::cleanup()
{
    delete finta_;
    finta_ = nullptr;
    delete stato_;
    stato_ = nullptr;
}

void TstRipristino::copiaLettaComeScritta()
{
    Ripristino::Copia c;
    c.causa.testi.attore = attore;
    c.causa.scelte.tipologia = 3;
    c.salvata.testi.attore = QStringLiteral("Rossi");
    c.archivio = QStringLiteral("/home/avv/Possidoria-dati-Ferrè");
    c.ora = QDateTime(QDate(2026, 12, 11), QTime(8, 15), Qt::UTC);
    c.pid = 4242;
    const std::optional<Ripristino::Copia> letta = Ripristino::leggi(Ripristino::scrivi(c));
    QVERIFY(letta);
    QCOMPARE(letta->causa, c.causa);
    QCOMPARE(letta->salvata, c.salvata);
    QCOMPARE(letta->archivio, c.archivio);
    QCOMPARE(letta->ora, c.ora);
    QCOMPARE(letta->pid, c.pid);
    QVERIFY(!Ripristino::leggi("{\"programma\":\"altro\"}"));
    QVERIFY(!Ripristino::leggi("non è una copia"));
}

// SIGKILL while modified: the copy stays, the next start offers it, naming the parties, and "Sì"
// brings back what was typed, still modified and unsaved; the copy is then gone.
void TstRipristino::uccisoERecuperato()
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("POSSIDORIA_FIGLIO"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), stato_->path());
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(p.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { p.waitForReadyRead(100); return p.readAllStandardOutput().contains("pronto"); }, 20000));
    ::kill(pid_t(p.processId()), SIGKILL);
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);

    QCOMPARE(Ripristino::abbandonate().size(), 1);
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    QVERIFY(Ripristino::offri());
    QVERIFY2(finta_->messaggi.ultimo().testo.contains(QStringLiteral("«Niccolò Ferrè»")), qPrintable(finta_->messaggi.ultimo().testo));
    QCOMPARE(finta_->messaggi.ultimo().pulsanti, Pulsanti::SiNo);
    QCOMPARE(CausaViva::attiva().testi().attore, attore);
    QCOMPARE(CausaViva::attiva().testi().bene, bene);
    QVERIFY(CausaViva::attiva().modificata());
    QCOMPARE(causa()->attore()->text(), attore);
    QVERIFY(Ripristino::abbandonate().isEmpty());
}

// A save, and the user's "No" at the start, leave no copy.
void TstRipristino::salvataggioENoRimuovonoLaCopia()
{
    Ripristino::Custode custode;
    QTest::keyClicks(causa()->attore(), QStringLiteral("Rossi"));
    QVERIFY(QTest::qWaitFor([] { return QFile::exists(Ripristino::Custode::file()); }, 5000));
    const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-Rossi"));
    finta_->dialoghi.risposte.enqueue(archivio);
    causa()->salva_Click();
    QVERIFY(!QFile::exists(Ripristino::Custode::file()));
    // A copy left by a process that is gone, refused at the start.
    Ripristino::Copia c;
    c.causa.testi.attore = QStringLiteral("Bianchi");
    c.ora = QDateTime::currentDateTimeUtc();
    c.pid = 0x7ffffff0;
    const QString abbandonata = Ripristino::cartella() + QStringLiteral("/causa-1.json");
    QFile f(abbandonata);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Ripristino::scrivi(c));
    f.close();
    finta_->messaggi.risposte.enqueue(Risposta::No);
    QVERIFY(!Ripristino::offri());
    QVERIFY(!QFile::exists(abbandonata));
    QCOMPARE(CausaViva::attiva().testi().attore, QStringLiteral("Rossi"));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("POSSIDORIA_FIGLIO"))
        return figlio();
    TstRipristino t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ripristino.moc"
