// Nothing typed is lost to a crash, nor to a second instance: a program killed while its case is
// modified leaves a copy in the user's state folder, and the next start offers back the very case
// that was on screen; an archive open in one instance is opened read-only by another, and an
// archive changed on disk is never overwritten unasked.
#include "gui/case/archiviocausa.h"
#include "core/bloccoarchivio.h"
#include "core/causaviva.h"
#include "gui/case/finestracausa.h"
#include "gui/case/ripristino.h"
#include "fakes/piattaformafinta.h"

#include <QDir>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

FinestraCausa* causa() { return Finestre::di<FinestraCausa>(); }

// The typing of the child process, and what the recovered case must hold.
const QString attore = QStringLiteral("Niccolò Ferrè");
const QString bene = QStringLiteral("fondo rustico, Le Querce");

// The child: a case typed into its window, the copy awaited, then "pronto" and a wait for the kill;
// or, given an archive, that archive opened, then "pronto".
int figlio()
{
    PiattaformaFinta finta;
    if (const QString archivio = qEnvironmentVariable("POSSIDORIA_ARCHIVIO"); !archivio.isEmpty()) {
        if (!causa()->apriFile(archivio))
            return 4;
        std::printf("pronto\n");
        std::fflush(stdout);
        return QApplication::exec();
    }
    Ripristino::Custode custode(causaViva());
    causa()->show();
    causa()->attore()->setText(attore);   // accents as pasted: the keyboard of a test types ASCII only
    QTest::keyClicks(causa()->bene(), bene);
    if (!QTest::qWaitFor([] { return QFile::exists(Ripristino::Custode::file()); }, 10000))
        return 3;
    std::printf("pronto\n");
    std::fflush(stdout);
    return QApplication::exec();
}

}   // namespace

class TstRipristino : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void copiaLettaComeScritta();
    void uccisoERecuperato();
    void salvataggioENoRimuovonoLaCopia();
    void copiaImpossibileDettaUnaVolta();
    void dueIstanzeSulloStessoArchivio();
    void bloccoAbbandonatoRipreso();
    void processoFinitoNonAttivo();
    void archivioCambiatoSulDisco();

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
    c.causa.scelte.tipologia = Tipologia::Usufrutto;
    c.salvata.testi.attore = QStringLiteral("Rossi");
    c.archivio = QDir::temp().filePath(QStringLiteral("Possidoria-dati-Ferrè"));
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
    QVERIFY(QTest::qWaitFor(
        [&] {
            p.waitForReadyRead(100);
            return p.readAllStandardOutput().contains("pronto");
        },
        20000));
    ::kill(pid_t(p.processId()), SIGKILL);
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);

    QCOMPARE(Ripristino::abbandonate().size(), 1);
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    QVERIFY(Ripristino::offri(causaViva()));
    QVERIFY2(finta_->messaggi.ultimo().testo.contains(QStringLiteral("«Niccolò Ferrè»")),
             qPrintable(finta_->messaggi.ultimo().testo));
    QCOMPARE(finta_->messaggi.ultimo().pulsanti, Pulsanti::SiNoAnnulla);
    QCOMPARE(finta_->messaggi.ultimo().predefinita, Risposta::Si);
    QCOMPARE(causaViva().testi().attore, attore);
    QCOMPARE(causaViva().testi().bene, bene);
    QVERIFY(causaViva().modificata());
    QCOMPARE(causa()->attore()->text(), attore);
    QVERIFY(Ripristino::abbandonate().isEmpty());
}

// A save, and the user's "No" at the start, leave no copy.
void TstRipristino::salvataggioENoRimuovonoLaCopia()
{
    Ripristino::Custode custode(causaViva());
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
    finta_->messaggi.risposte.enqueue(Risposta::Annulla);   // undecided: kept for the next start
    QVERIFY(!Ripristino::offri(causaViva()));
    QVERIFY(QFile::exists(abbandonata));
    finta_->messaggi.risposte.enqueue(Risposta::No);
    QVERIFY(!Ripristino::offri(causaViva()));
    QVERIFY(!QFile::exists(abbandonata));
    QCOMPARE(causaViva().testi().attore, QStringLiteral("Rossi"));
}

// A state folder that cannot be written: the user is told once that the copy is missing, not at
// every key typed afterwards.
void TstRipristino::copiaImpossibileDettaUnaVolta()
{
    const QString nonCartella = stato_->filePath(QStringLiteral("un-file"));
    QFile f(nonCartella);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    qputenv("XDG_STATE_HOME", nonCartella.toLocal8Bit());
    Ripristino::Custode custode(causaViva());
    QTest::keyClicks(causa()->attore(), QStringLiteral("Rossi"));
    QVERIFY(QTest::qWaitFor([&] { return !finta_->messaggi.mostrati.isEmpty(); }, 5000));
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Esclamazione);
    QVERIFY2(finta_->messaggi.ultimo().testo.contains(QStringLiteral("copia di sicurezza")),
             qPrintable(finta_->messaggi.ultimo().testo));
    QTest::keyClicks(causa()->attore(), QStringLiteral("ni"));
    QTest::qWait(Ripristino::Custode::ritardo + 500);
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY(!QFile::exists(Ripristino::Custode::file()));
}

// A second instance is told who has the archive since when, and may open it read-only; its "Salva"
// then asks for a new name and the first instance's archive stays as it was.
void TstRipristino::dueIstanzeSulloStessoArchivio()
{
    const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-Rossi"));
    Causa c;
    c.testi.attore = QStringLiteral("Rossi");
    QVERIFY(salvaFileArchivio(archivio, c));
    QProcess prima;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("POSSIDORIA_FIGLIO"), QStringLiteral("1"));
    env.insert(QStringLiteral("POSSIDORIA_ARCHIVIO"), archivio);
    prima.setProcessEnvironment(env);
    prima.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(QTest::qWaitFor(
        [&] {
            prima.waitForReadyRead(100);
            return prima.readAllStandardOutput().contains("pronto");
        },
        20000));
    QVERIFY(QFile::exists(BloccoArchivio::percorso(archivio)));

    // "No": not opened at all.
    finta_->messaggi.risposte.enqueue(Risposta::No);
    QVERIFY(!causa()->apriFile(archivio));
    QVERIFY(finta_->messaggi.ultimo().testo.startsWith(
        QStringLiteral("L'archivio «Possidoria-dati-Rossi» è già aperto da ")));
    QVERIFY(finta_->messaggi.ultimo().testo.contains(QStringLiteral(" dal ")));
    QVERIFY(causaViva().testi().attore.isEmpty());
    // "Sì": read-only; "Salva" asks a new name and never writes the other's archive.
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    QVERIFY(causa()->apriFile(archivio));
    QVERIFY(causaViva().solaLettura());
    QTest::keyClicks(causa()->luogo(), QStringLiteral("Lecco"));
    finta_->dialoghi.risposte.enqueue(archivio);   // the user picks the same file in the dialog
    causa()->salva_Click();
    QCOMPARE(finta_->dialoghi.aperti.last().tipo, QStringLiteral("salva"));
    QVERIFY(finta_->messaggi.ultimo().testo.contains(QStringLiteral("salvare la causa con un altro nome")));
    QCOMPARE(leggiFileArchivio(archivio).causa, c);

    prima.kill();
    prima.waitForFinished();
}

// A lock left by a process that no longer runs is taken over without a word.
void TstRipristino::bloccoAbbandonatoRipreso()
{
    const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-Neri"));
    QVERIFY(salvaFileArchivio(archivio, Causa{}));
    BloccoArchivio::Titolare morto = BloccoArchivio::questaIstanza();
    morto.pid = 0x7ffffff0;
    QFile f(BloccoArchivio::percorso(archivio));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(BloccoArchivio::scrivi(morto));
    f.close();
    QVERIFY(causa()->apriFile(archivio));
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    QVERIFY(!causaViva().solaLettura());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(BloccoArchivio::leggi(f.readAll())->pid, QCoreApplication::applicationPid());
    f.close();
    // Another case opened lets it go.
    causaViva().azzera();
    QVERIFY(!QFile::exists(BloccoArchivio::percorso(archivio)));
}

// An archive someone else wrote since it was opened: "Salva" asks; Annulla writes nothing, No
// offers a new name, Sì overwrites.
void TstRipristino::archivioCambiatoSulDisco()
{
    const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-Verdi"));
    Causa c;
    c.testi.attore = QStringLiteral("Verdi");
    QVERIFY(salvaFileArchivio(archivio, c));
    QVERIFY(causa()->apriFile(archivio));
    Causa loro = c;
    loro.testi.bene = QStringLiteral("casa");
    QVERIFY(salvaFileArchivio(archivio, loro));
    QTest::keyClicks(causa()->luogo(), QStringLiteral("Lecco"));
    causa()->salva_Click();
    QCOMPARE(finta_->messaggi.ultimo().pulsanti, Pulsanti::SiNoAnnulla);
    QCOMPARE(finta_->messaggi.ultimo().predefinita, Risposta::Annulla);
    QCOMPARE(leggiFileArchivio(archivio).causa, loro);
    finta_->messaggi.risposte.enqueue(Risposta::No);
    causa()->salva_Click();
    QCOMPARE(finta_->dialoghi.aperti.last().tipo, QStringLiteral("salva"));
    QCOMPARE(leggiFileArchivio(archivio).causa, loro);
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    causa()->salva_Click();
    QCOMPARE(leggiFileArchivio(archivio).causa.testi.luogo, QStringLiteral("Lecco"));
    QVERIFY(!causaViva().modificata());
}

// A process that ended, even one its parent has not reaped yet, holds no copy and no lock.
void TstRipristino::processoFinitoNonAttivo()
{
    QVERIFY(BloccoArchivio::processoAttivo(QCoreApplication::applicationPid()));
    QVERIFY(!BloccoArchivio::processoAttivo(0x7ffffff0));
    const pid_t figlio = ::fork();
    if (figlio == 0)
        ::_exit(0);
    QVERIFY(figlio > 0);
    QVERIFY(QTest::qWaitFor([&] { return !BloccoArchivio::processoAttivo(figlio); }, 5000));   // a zombie
    ::waitpid(figlio, nullptr, 0);
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
