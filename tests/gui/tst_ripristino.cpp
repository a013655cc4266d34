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
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Preparazione = std::function<void(const QString& archivio)>;
Q_DECLARE_METATYPE(Preparazione)

namespace {

FinestraCausa* causa() { return Finestre::di<FinestraCausa>(); }

QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// This test program started again as the child above, with the variables given, until it says
// one of the words awaited; true when it did.
bool avviaFiglio(QProcess& p, const QList<std::pair<QString, QString>>& variabili,
                 const QList<QByteArray>& attese = {"pronto"})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("POSSIDORIA_FIGLIO"), QStringLiteral("1"));
    for (const auto& [nome, valore] : variabili)
        env.insert(nome, valore);
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), {});
    QByteArray detto;
    return QTest::qWaitFor(
               [&] {
                   p.waitForReadyRead(100);
                   detto += p.readAllStandardOutput();
                   return std::any_of(attese.begin(), attese.end(),
                                      [&](const QByteArray& a) { return detto.contains(a); });
               },
               20000)
           && detto.contains(attese.first());
}

// The typing of the child process, and what the recovered case must hold.
const QString attore = QStringLiteral("Niccolò Ferrè");
const QString bene = QStringLiteral("fondo rustico, Le Querce");

// The child: a case typed into its window, the copy awaited, then "pronto" and a wait for the kill;
// or, given an archive, that archive opened, then "pronto".
int figlio()
{
    PiattaformaFinta finta;
    // Another instance taking an archive's lock, and holding it when it got it.
    if (const QString archivio = qEnvironmentVariable("POSSIDORIA_BLOCCO"); !archivio.isEmpty()) {
        const bool preso = BloccoArchivio::prendi(archivio);
        std::printf(preso ? "preso\n" : "rifiutato\n");
        std::fflush(stdout);
        return preso ? QApplication::exec() : 0;
    }
    // Typing, then SIGTERM at once: what was typed is in the copy the program leaves.
    if (qEnvironmentVariableIsSet("POSSIDORIA_TERMINE")) {
        Ripristino::Custode custode(causaViva());
        Ripristino::terminaConCopia(custode);
        causa()->show();
        causa()->attore()->setText(attore);
        std::printf("pronto\n");
        std::fflush(stdout);
        return QApplication::exec();
    }
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
    void statiOstili_data();
    void statiOstili();
    void corsaTraDueProcessi();
    void unFileUnBlocco();
    void discoPienoLasciaLaCopia();
    void copiaDiUnaCausaGrande();
    void recuperataPrendeIlBlocco();
    void terminatoConservaLaCopia();
    void eliminaRifiuta();
    void apriAnnullatoNonCambiaNulla();
    void campoLasciatoScriveLaCopia();

private:
    // An archive of the plaintiff named, saved and opened as the live case.
    QString archivioAperto(const QString& attore, Causa* causa = nullptr)
    {
        const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-") + attore);
        Causa c;
        c.testi.attore = attore;
        if (causa)
            *causa = c;
        return salvaFileArchivio(archivio, c) && ::causa()->apriFile(archivio) ? archivio : QString();
    }
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
    QVERIFY(avviaFiglio(p, {{QStringLiteral("XDG_STATE_HOME"), stato_->path()}}));
    ::kill(pid_t(p.processId()), SIGKILL);
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);

    const QList<Ripristino::Copia> copie = Ripristino::abbandonate();
    QCOMPARE(copie.size(), 1);
    Ripristino::Custode custode(causaViva());
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    QVERIFY(Ripristino::offri(causaViva(), custode, copie));
    QVERIFY2(finta_->messaggi.ultimo().testo.contains(QStringLiteral("«Niccolò Ferrè»")),
             qPrintable(finta_->messaggi.ultimo().testo));
    QCOMPARE(finta_->messaggi.ultimo().pulsanti, Pulsanti::SiNoAnnulla);
    QCOMPARE(finta_->messaggi.ultimo().predefinita, Risposta::Si);
    QCOMPARE(causaViva().testi().attore, attore);
    QCOMPARE(causaViva().testi().bene, bene);
    QVERIFY(causaViva().modificata());
    QCOMPARE(causa()->attore()->text(), attore);
    // No gap: this instance's copy of the recovered case is there before the old one is gone.
    QVERIFY(!QFile::exists(copie.first().file));
    const std::optional<Ripristino::Copia> nuova = Ripristino::leggi(contenuto(Ripristino::Custode::file()));
    QVERIFY(nuova && nuova->causa == causaViva().causa());
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
    QVERIFY(!Ripristino::offri(causaViva(), custode, Ripristino::abbandonate()));
    QVERIFY(QFile::exists(abbandonata));
    finta_->messaggi.risposte.enqueue(Risposta::No);
    QVERIFY(!Ripristino::offri(causaViva(), custode, Ripristino::abbandonate()));
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
    QVERIFY(avviaFiglio(prima, {{QStringLiteral("POSSIDORIA_ARCHIVIO"), archivio}}));
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
    Causa c;
    const QString archivio = archivioAperto(QStringLiteral("Verdi"), &c);
    QVERIFY(!archivio.isEmpty());
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

namespace {

QByteArray nomeByte(const QString& percorso) { return QFile::encodeName(percorso); }

// Another instance, in a process of its own, trying to take the archive's lock under the name
// given; it holds it, when it got it, until this object ends.
struct AltroProcesso {
    QProcess p;
    bool preso = false;
    explicit AltroProcesso(const QString& archivio)
        : preso(avviaFiglio(p, {{QStringLiteral("POSSIDORIA_BLOCCO"), archivio}}, {"preso", "rifiutato"}))
    {}
    ~AltroProcesso()
    {
        p.kill();
        p.waitForFinished();
    }
};

}   // namespace

// What a shared, planted or unlucky state folder and lock path may hold, each against the real
// functions: nothing hangs, nothing is written through what stands there, a copy is offered only
// when whole and its writer gone, and a lock is refused only for a live holder.
void TstRipristino::statiOstili_data()
{
    QTest::addColumn<bool>("blocco");   // a row of the lock path, else of the state folder
    QTest::addColumn<Preparazione>("prepara");
    QTest::addColumn<int>("offerte");     // copies offered at the start
    QTest::addColumn<bool>("riuscita");   // the copy written, or the lock taken

    const auto inCartella = [](const QString& nome) { return Ripristino::cartella() + QLatin1Char('/') + nome; };
    const auto copiaDi = [](qint64 pid, qint64 avvio) {
        Ripristino::Copia c;
        c.causa.testi.attore = QStringLiteral("Bianchi");
        c.ora = QDateTime::currentDateTimeUtc();
        c.pid = pid, c.avvio = avvio;
        return Ripristino::scrivi(c);
    };
    const auto scriviIn = [](const QString& percorso, const QByteArray& dati) {
        QFile f(percorso);
        if (f.open(QIODevice::WriteOnly))
            f.write(dati);
    };
    const auto cartellaPrivata = [] {
        QDir().mkpath(Ripristino::cartella());
        ::chmod(nomeByte(Ripristino::cartella()), 0700);
    };
    const qint64 pid = QCoreApplication::applicationPid();

    // The state folder.
    QTest::newRow("cartella di stato: collegamento a un'altra cartella") << false << Preparazione([](const QString&) {
        QDir().mkpath(Ripristino::cartella() + QStringLiteral("-altrove"));
        QFile::link(Ripristino::cartella() + QStringLiteral("-altrove"), Ripristino::cartella());
    }) << 0 << false;
    QTest::newRow("cartella di stato aperta a tutti: resa privata") << false << Preparazione([](const QString&) {
        QDir().mkpath(Ripristino::cartella());
        ::chmod(nomeByte(Ripristino::cartella()), 0777);
    }) << 0 << true;
    QTest::newRow("copia: coda (FIFO)") << false << Preparazione([=](const QString&) {
        cartellaPrivata();
        ::mkfifo(nomeByte(inCartella(QStringLiteral("causa-1-1.json"))), 0600);
    }) << 0 << true;
    QTest::newRow("copia: collegamento a una coda e a /dev/zero") << false << Preparazione([=](const QString&) {
        cartellaPrivata();
        ::mkfifo(nomeByte(inCartella(QStringLiteral("coda"))), 0600);
        QFile::link(inCartella(QStringLiteral("coda")), inCartella(QStringLiteral("causa-2-2.json")));
        QFile::link(QStringLiteral("/dev/zero"), inCartella(QStringLiteral("causa-3-3.json")));
    }) << 0 << true;
    QTest::newRow("copia oltre il limite di dimensione") << false << Preparazione([=](const QString&) {
        cartellaPrivata();
        QFile f(inCartella(QStringLiteral("causa-4-4.json")));
        if (f.open(QIODevice::WriteOnly))
            f.resize(Ripristino::dimensioneMassimaCopia + 1);
    }) << 0 << true;
    QTest::newRow("copia del proprio pid con un altro avvio: offerta") << false << Preparazione([=](const QString&) {
        cartellaPrivata();
        scriviIn(inCartella(QStringLiteral("causa-%1-1.json").arg(pid)), copiaDi(pid, 1));
    }) << 1 << true;
    QTest::newRow("copia temporanea intera di una scrittura uccisa: offerta")
        << false << Preparazione([=](const QString&) {
               cartellaPrivata();
               scriviIn(inCartella(QStringLiteral("causa-5-5.json.Ab3dE6")), copiaDi(0x7ffffff0, 5));
           })
        << 1 << true;
    QTest::newRow("copia temporanea a metà: tolta") << false << Preparazione([=](const QString&) {
        cartellaPrivata();
        scriviIn(inCartella(QStringLiteral("causa-6-6.json.Zz9yY8")), copiaDi(0x7ffffff0, 6).left(40));
    }) << 0 << true;
    QTest::newRow("collegamento piantato al nome della copia: tolto, mai seguito")
        << false << Preparazione([=](const QString&) {
               cartellaPrivata();
               scriviIn(inCartella(QStringLiteral("vittima")), "intatta");
               QFile::link(inCartella(QStringLiteral("vittima")), Ripristino::Custode::file());
           })
        << 0 << true;

    // The lock path.
    QTest::newRow("blocco: coda (FIFO) al suo nome") << true << Preparazione([](const QString& archivio) {
        ::mkfifo(nomeByte(BloccoArchivio::percorso(archivio)), 0600);
    }) << 0 << true;
    QTest::newRow("blocco: cartella al suo nome")
        << true << Preparazione([](const QString& archivio) { QDir().mkpath(BloccoArchivio::percorso(archivio)); }) << 0
        << true;
    QTest::newRow("blocco: collegamento a un file altrui") << true << Preparazione([=](const QString& archivio) {
        const QString vittima = QFileInfo(archivio).path() + QStringLiteral("/vittima");
        scriviIn(vittima, "intatta");
        QFile::link(vittima, BloccoArchivio::percorso(archivio));
    }) << 0 << true;
    QTest::newRow("blocco: processo finito") << true << Preparazione([=](const QString& archivio) {
        BloccoArchivio::Titolare t = BloccoArchivio::questaIstanza();
        t.pid = 0x7ffffff0;
        scriviIn(BloccoArchivio::percorso(archivio), BloccoArchivio::scrivi(t));
    }) << 0 << true;
    QTest::newRow("blocco: pid 1 di anni fa, nel formato di prima")
        << true << Preparazione([=](const QString& archivio) {
               scriviIn(BloccoArchivio::percorso(archivio),
                        "possidoria,Mario," + QFile::encodeName(BloccoArchivio::questaIstanza().macchina)
                            + ",1,2001-05-04T10:00:00Z\n");
           })
        << 0 << true;
    QTest::newRow("blocco: il proprio pid, scritto prima che questo processo partisse")
        << true << Preparazione([=](const QString& archivio) {
               BloccoArchivio::Titolare t = BloccoArchivio::questaIstanza();
               t.dal = QDateTime(QDate(2001, 5, 4), QTime(10, 0), Qt::UTC);
               scriviIn(BloccoArchivio::percorso(archivio), BloccoArchivio::scrivi(t));
           })
        << 0 << true;
    QTest::newRow("blocco: un'altra macchina") << true << Preparazione([=](const QString& archivio) {
        BloccoArchivio::Titolare t = BloccoArchivio::questaIstanza();
        t.macchina = QStringLiteral("studio-remoto");
        scriviIn(BloccoArchivio::percorso(archivio), BloccoArchivio::scrivi(t));
    }) << 0 << false;
}

void TstRipristino::statiOstili()
{
    QFETCH(bool, blocco);
    QFETCH(Preparazione, prepara);
    QFETCH(int, offerte);
    QFETCH(bool, riuscita);
    const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-Ostile"));
    QVERIFY(salvaFileArchivio(archivio, Causa{}));
    prepara(archivio);
    const QString cartella = QFileInfo(archivio).path();
    const QByteArray vittimaPrima = contenuto(cartella + QStringLiteral("/vittima"))
                                    + contenuto(Ripristino::cartella() + QStringLiteral("/vittima"));
    if (blocco) {
        QCOMPARE(BloccoArchivio::prendi(archivio), riuscita);
        if (riuscita) {
            // Held: another process sees it taken, whatever stood at the lock's name.
            QVERIFY(!AltroProcesso(archivio).preso);
        } else {
            QVERIFY(BloccoArchivio::altroTitolare(archivio));
            QVERIFY(BloccoArchivio::comeLiberare(archivio).contains(
                QFileInfo(BloccoArchivio::percorso(archivio)).fileName()));
        }
        BloccoArchivio::lascia(archivio);
    } else {
        QCOMPARE(Ripristino::abbandonate().size(), offerte);
        Ripristino::Custode custode(causaViva());
        causaViva().imposta(&TestiCausa::attore, QStringLiteral("Rossi"));
        QCOMPARE(custode.scriviOra(), riuscita);
        if (riuscita) {
            struct stat st {};
            QVERIFY(::lstat(nomeByte(Ripristino::Custode::file()), &st) == 0 && S_ISREG(st.st_mode));
            QCOMPARE(st.st_mode & 0777, mode_t(0600));
            QVERIFY(::lstat(nomeByte(Ripristino::cartella()), &st) == 0);
            QCOMPARE(st.st_mode & 0777, mode_t(0700));
        } else {
            QVERIFY2(finta_->messaggi.ultimo().testo.contains(QStringLiteral("copia di sicurezza")),
                     qPrintable(finta_->messaggi.ultimo().testo));
        }
        causaViva().azzera();
    }
    QCOMPARE(contenuto(cartella + QStringLiteral("/vittima"))
                 + contenuto(Ripristino::cartella() + QStringLiteral("/vittima")),
             vittimaPrima);
}

// Two processes taking the lock of one archive at the same moment: one alone gets it, every time.
void TstRipristino::corsaTraDueProcessi()
{
    const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-Corsa"));
    QVERIFY(salvaFileArchivio(archivio, Causa{}));
    for (int prova = 0; prova < 200; ++prova) {
        int via[2], esiti[2], fine[2];
        QVERIFY(::pipe(via) == 0 && ::pipe(esiti) == 0 && ::pipe(fine) == 0);
        pid_t figli[2];
        for (pid_t& f : figli) {
            f = ::fork();
            if (f == 0) {
                ::close(via[1]);
                ::close(fine[1]);
                char b;
                [[maybe_unused]] ssize_t n = ::read(via[0], &b, 1);   // both start together
                const char esito = BloccoArchivio::prendi(archivio) ? 'p' : 'n';
                n = ::write(esiti[1], &esito, 1);
                n = ::read(fine[0], &b, 1);   // held until both have tried
                ::_exit(0);
            }
        }
        ::close(via[0]);
        ::close(esiti[1]);
        ::close(fine[0]);
        ::close(via[1]);   // the start signal: end of the pipe for both
        int presi = 0;
        for (int i = 0; i < 2; ++i) {
            char esito = 0;
            QVERIFY(::read(esiti[0], &esito, 1) == 1);
            presi += esito == 'p' ? 1 : 0;
        }
        ::close(esiti[0]);
        ::close(fine[1]);
        for (const pid_t f : figli)
            ::waitpid(f, nullptr, 0);
        QVERIFY2(presi == 1, qPrintable(QStringLiteral("trial %1: %2 processes hold the lock").arg(prova).arg(presi)));
        QFile::remove(BloccoArchivio::percorso(archivio));
    }
}

// One file, one lock: reached through a symbolic link, a hard link, or under a name too long for a
// lock file of its own, an archive another process holds is held.
void TstRipristino::unFileUnBlocco()
{
    const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-Uno"));
    QVERIFY(salvaFileArchivio(archivio, Causa{}));
    const QString simbolico = stato_->filePath(QStringLiteral("simbolico"));
    const QString fisico = stato_->filePath(QStringLiteral("fisico"));
    QVERIFY(QFile::link(archivio, simbolico));
    QVERIFY(::link(nomeByte(archivio), nomeByte(fisico)) == 0);
    {
        const AltroProcesso titolare(archivio);
        QVERIFY(titolare.preso);
        for (const QString& nome : {simbolico, fisico}) {
            QVERIFY2(BloccoArchivio::altroTitolare(nome), qPrintable(nome));
            QVERIFY2(!BloccoArchivio::prendi(nome), qPrintable(nome));
        }
    }
    QVERIFY(BloccoArchivio::prendi(fisico));
    BloccoArchivio::lascia(fisico);

    const QString lungo = stato_->filePath(QString(250, QLatin1Char('l')));
    QVERIFY(salvaFileArchivio(lungo, Causa{}));
    QVERIFY(QFileInfo(BloccoArchivio::percorso(lungo)).fileName().toUtf8().size() <= 255);
    const AltroProcesso altro(lungo);
    QVERIFY(altro.preso);
    QVERIFY(QFile::exists(BloccoArchivio::percorso(lungo)));
    QVERIFY(BloccoArchivio::altroTitolare(lungo));
}

// A full disk keeps the copy already there, whole, and tells the user.
void TstRipristino::discoPienoLasciaLaCopia()
{
    Ripristino::Custode custode(causaViva());
    causaViva().imposta(&TestiCausa::attore, QStringLiteral("Rossi"));
    QVERIFY(custode.scriviOra());
    const QByteArray prima = contenuto(Ripristino::Custode::file());
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        // The disk as good as full: no file may grow past a few bytes.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        causaViva().imposta(&TestiCausa::bene, QString(4000, QLatin1Char('b')));
        const bool scritta = custode.scriviOra();
        const bool detto = !finta_->messaggi.mostrati.isEmpty()
                           && finta_->messaggi.ultimo().testo.contains(QStringLiteral("copia di sicurezza"));
        ::_exit(!scritta && detto ? 0 : 1);
    }
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    QVERIFY(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    QCOMPARE(contenuto(Ripristino::Custode::file()), prima);
    causaViva().azzera();
}

// A case too big for an archive still has a copy, read back whole and offered.
void TstRipristino::copiaDiUnaCausaGrande()
{
    Ripristino::Copia c;
    c.causa.testi.attore = QStringLiteral("Rossi");
    c.causa.testi.bene = QString(100 * 1024, QLatin1Char('x'));
    c.ora = QDateTime::currentDateTimeUtc();
    c.pid = 0x7ffffff0;
    QVERIFY(scriviArchivio(c.causa).size() > Archivio::dimensioneMassima);
    QDir().mkpath(Ripristino::cartella());
    QFile f(Ripristino::cartella() + QStringLiteral("/causa-9-9.json"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Ripristino::scrivi(c));
    f.close();
    const QList<Ripristino::Copia> copie = Ripristino::abbandonate();
    QCOMPARE(copie.size(), 1);
    QCOMPARE(copie.first().causa, c.causa);
}

// A case recovered after a crash holds its archive: a second instance opens it read-only, and
// the recovering one saves there with Ctrl+S.
void TstRipristino::recuperataPrendeIlBlocco()
{
    const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-Gialli"));
    Causa salvata;
    salvata.testi.attore = QStringLiteral("Gialli");
    QVERIFY(salvaFileArchivio(archivio, salvata));
    Ripristino::Copia c;
    c.causa = salvata;
    c.causa.testi.luogo = QStringLiteral("Lecco");
    c.salvata = salvata;
    c.archivio = archivio;
    c.ora = QDateTime::currentDateTimeUtc();
    c.pid = 0x7ffffff0;
    QDir().mkpath(Ripristino::cartella());
    QFile f(Ripristino::cartella() + QStringLiteral("/causa-8-8.json"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Ripristino::scrivi(c));
    f.close();
    Ripristino::Custode custode(causaViva());
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    QVERIFY(Ripristino::offri(causaViva(), custode, Ripristino::abbandonate()));
    QVERIFY(!causaViva().solaLettura());
    // Another process finds it held.
    QVERIFY(!AltroProcesso(archivio).preso);
    causa()->salva_Click();
    QCOMPARE(leggiFileArchivio(archivio).causa.testi.luogo, QStringLiteral("Lecco"));
    causaViva().azzera();
    QVERIFY(!QFile::exists(BloccoArchivio::percorso(archivio)));
}

// SIGTERM right after typing: the copy holds what was typed, and the next start offers it.
void TstRipristino::terminatoConservaLaCopia()
{
    QProcess p;
    QVERIFY(avviaFiglio(p, {{QStringLiteral("POSSIDORIA_TERMINE"), QStringLiteral("1")},
                            {QStringLiteral("XDG_STATE_HOME"), stato_->path()}}));
    ::kill(pid_t(p.processId()), SIGTERM);
    QVERIFY(p.waitForFinished());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    const QList<Ripristino::Copia> copie = Ripristino::abbandonate();
    QCOMPARE(copie.size(), 1);
    QCOMPARE(copie.first().causa.testi.attore, attore);
}

// "Elimina" never deletes an example nor an archive another instance has open (naming who and
// since when); deleting this instance's own archive takes its lock with it.
void TstRipristino::eliminaRifiuta()
{
    const QString archivio = stato_->filePath(QStringLiteral("Possidoria-dati-Blu"));
    QVERIFY(salvaFileArchivio(archivio, Causa{}));
    {
        const AltroProcesso altro(archivio);
        QVERIFY(altro.preso);
        finta_->dialoghi.risposte.enqueue(archivio);
        ArchivioCausa::elimina();
        QVERIFY(QFile::exists(archivio));
        QVERIFY2(finta_->messaggi.ultimo().testo.contains(QStringLiteral("è aperto da "))
                     && finta_->messaggi.ultimo().testo.contains(QStringLiteral(" dal ")),
                 qPrintable(finta_->messaggi.ultimo().testo));
    }

    const QString esempi = stato_->filePath(QStringLiteral("esempi"));
    QVERIFY(QDir().mkpath(esempi));
    const QString esempio = esempi + QStringLiteral("/Possidoria-dati-esempio-uno");
    QVERIFY(salvaFileArchivio(esempio, Causa{}));
    finta_->dialoghi.risposte.enqueue(esempio);
    ArchivioCausa::elimina();
    QVERIFY(QFile::exists(esempio));
    QVERIFY(finta_->messaggi.ultimo().testo.contains(QStringLiteral("esempio")));

    QVERIFY(causa()->apriFile(archivio));
    QVERIFY(QFile::exists(BloccoArchivio::percorso(archivio)));
    finta_->dialoghi.risposte.enqueue(archivio);
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    ArchivioCausa::elimina();
    QVERIFY(!QFile::exists(archivio));
    QVERIFY(!QFile::exists(BloccoArchivio::percorso(archivio)));
    causaViva().azzera();
}

// Cancelling "Apri" changes nothing: the case keeps its archive and Ctrl+S writes there unasked.
void TstRipristino::apriAnnullatoNonCambiaNulla()
{
    const QString archivio = archivioAperto(QStringLiteral("Rosa"));
    QVERIFY(!archivio.isEmpty());
    finta_->dialoghi.risposte.enqueue(QString());
    ArchivioCausa::apri(causaViva());
    QCOMPARE(causaViva().archivio(), archivio);
    const int dialoghi = int(finta_->dialoghi.aperti.size());
    causaViva().imposta(&TestiCausa::luogo, QStringLiteral("Como"));
    causa()->salva_Click();
    QCOMPARE(int(finta_->dialoghi.aperti.size()), dialoghi);
    QCOMPARE(leggiFileArchivio(archivio).causa.testi.luogo, QStringLiteral("Como"));
    causaViva().azzera();
}

// Leaving a field writes the copy at once, without waiting for the pause after the last key.
void TstRipristino::campoLasciatoScriveLaCopia()
{
    Ripristino::Custode custode(causaViva());
    causa()->show();
    QVERIFY(QTest::qWaitForWindowActive(causa()));
    causa()->attore()->setFocus();
    QTest::keyClicks(causa()->attore(), QStringLiteral("Rossi"));
    causa()->convenuto()->setFocus();
    QCoreApplication::processEvents();
    const std::optional<Ripristino::Copia> copia = Ripristino::leggi(contenuto(Ripristino::Custode::file()));
    QVERIFY(copia);
    QCOMPARE(copia->causa.testi.attore, QStringLiteral("Rossi"));
    causa()->hide();
    causaViva().azzera();
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
