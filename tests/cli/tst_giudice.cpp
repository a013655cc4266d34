// The command-line judge on archives the program wrote, and "Perché?" in the judgment window:
// both tell the rule the judgment used, from the decision itself.
#include "gui/frame/modpossidoria.h"
#include "gui/case/archiviocausa.h"
#include "gui/case/finestrapossesso.h"
#include "fakes/piattaformafinta.h"
#include "documento/documentosentenza.h"
#include "gui/judgment/finestrasentenza.h"
#include "core/spiegazione.h"

#include <QAction>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Ownership of land, no interruption, peaceful, as owner, lawful origin, good faith, with a title.
Causa caso(const char* inizio, std::optional<ProvaRequisito> obiezioneModo)
{
    Causa c;
    c.testi.attore = QStringLiteral("Niccolò Ferrè");
    c.testi.convenuto = QStringLiteral("Società l’Edera");
    c.testi.bene = QStringLiteral("fondo, con casa colonica");
    c.testi.luogo = QStringLiteral("Città di Castello");
    c.testi.possessoInizio = QString::fromLatin1(inizio);
    c.testi.possessoFine = QStringLiteral("1/1/95");
    c.scelte.tipologia = Tipologia::Proprieta;
    c.scelte.interruzione = Interruzione::Nessuna, c.scelte.modo = Modo::PacificoPubblico;
    c.scelte.animo = Animo::DaTitolare, c.scelte.provenienza = Provenienza::Legittima;
    c.scelte.fede = Fede::Buona, c.scelte.titolo = Titolo::Idoneo;
    c.scelte.obiezioneModo = obiezioneModo;
    return c;
}

QString giudice() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../possidoria-sentenza"); }

QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}

// The name of a file no UTF-8 text can give: Latin-1 bytes, as an older system wrote them.
const char* const nomeLatino = "Possidoria-dati-Ferr\xE8";

}   // namespace

class TstGiudice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void fattiDelDecimoRecord();
    void sentenzeDaRiga_data();
    void sentenzeDaRiga();
    void fileGuastoStato2();
    void rigaDiComando_data();
    void rigaDiComando();
    void scritturaFallitaStato1();
    void documenti();
    void limiteDimensioneStato1();
    void percheNominaLaRegola();
    void archivioTroncato_data();
    void archivioTroncato();
    void documentiSenzaDanni_data();
    void documentiSenzaDanni();
    void nienteArrivaCrudoAlTerminale();
    void uscitaChiusa();
    void qtGuiSoloPerDisegnare_data();
    void qtGuiSoloPerDisegnare();
    void moduloDiDisegnoMancante_data();
    void moduloDiDisegnoMancante();
    void jsonComeQt();
    void nomiDiUscita();
    void citazione();

private:
    QTemporaryDir cartella_;
    QString file(const char* nome) const { return cartella_.filePath(QString::fromLatin1(nome)); }
};

void TstGiudice::initTestCase()
{
    QVERIFY2(QFileInfo(giudice()).isExecutable(), qPrintable(giudice()));
    QVERIFY(salvaFileArchivio(file("vinta"), caso("1/1/70", {})));
    // Twelve years with a title would win (R5); the manner's objection proved by a deed of gift loses it.
    QVERIFY(salvaFileArchivio(file("obiezione"), caso("1/1/83", ProvaRequisito::Donazioni)));
    // A hostile archive: an escape sequence in the plaintiff's name, a file name that looks like an option.
    Causa ostile = caso("1/1/70", {});
    ostile.testi.attore = QStringLiteral("Rosso\x1b[31mVivo\x07");
    QVERIFY(salvaFileArchivio(file("ostile"), ostile));
    QVERIFY(QFile::copy(file("vinta"), file("-platform")));
    // "12" (no proof) cut to "1" at the end of the file would be another objection: the cut file is refused.
    Causa senzaProva = caso("1/1/70", {});
    senzaProva.scelte.obiezioneTitolo = ProvaRequisito::Nessuna;
    QVERIFY(salvaFileArchivio(file("intera"), senzaProva));
    QFile intera(file("intera"));
    QVERIFY(intera.open(QIODevice::ReadOnly));
    // The nine records an earlier version writes, without the later facts after them.
    const QByteArray tutto = intera.readAll();
    const QByteArray byte = tutto.left(tutto.indexOf("\r\n12\r\n") + 6);
    QVERIFY(byte.endsWith("\r\n12\r\n"));
    QFile troncata(file("troncata"));
    QVERIFY(troncata.open(QIODevice::WriteOnly));
    QCOMPARE(troncata.write(byte.chopped(3)), byte.size() - 3);
    troncata.close();
    QVERIFY(mkfifo(QFile::encodeName(file("coda")).constData(), 0666) == 0);
    // A socket where an archive is looked for.
    const int presa = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    const QByteArray nomePresa = QFile::encodeName(file("presa"));
    QVERIFY(presa >= 0 && size_t(nomePresa.size()) < sizeof indirizzo.sun_path);
    std::memcpy(indirizzo.sun_path, nomePresa.constData(), size_t(nomePresa.size()));
    QVERIFY(::bind(presa, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) == 0);
    // A choice of the third line that is no number: the judge would judge the case without it.
    QByteArray guastaInRiga3 = contenuto(file("vinta"));
    const qsizetype riga3 = guastaInRiga3.indexOf("\r\n", guastaInRiga3.indexOf("\r\n") + 2) + 2;
    const qsizetype campo3 = guastaInRiga3.indexOf("\",", guastaInRiga3.indexOf("\",\"", riga3) + 3) + 2;
    guastaInRiga3.insert(campo3, "x");
    QFile sceltaGuasta(file("scelta guasta"));
    QVERIFY(sceltaGuasta.open(QIODevice::WriteOnly));
    sceltaGuasta.write(guastaInRiga3);
    sceltaGuasta.close();
    QFile guasto(file("guasto"));
    QVERIFY(guasto.open(QIODevice::WriteOnly));
    guasto.write("\"A\",\"B\",\"C\",\"D\",1\r\n\"1/1/70\",\"1/1/95\",3,2,9,1,1,1\r\n");
    guasto.close();
    // Names and texts that would act on a terminal: a line end, a right-to-left override, the Unicode
    // line separator, a zero-width space.
    QVERIFY(QFile::copy(file("vinta"), file("x\nRegola: R99")));
    QVERIFY(QFile::copy(file("vinta"), file("y\rRegola: R98")));
    Causa formato = caso("1/1/70", {});
    // A letter beyond the 16-bit plane (U+1D504) is printed as it is, both its halves in order.
    formato.testi.attore = QStringLiteral("Rosso\nRegola: R97 \u202Eotsor\u2028Bianco\u200B \U0001D504");
    QVERIFY(salvaFileArchivio(file("formato"), formato));
    const QByteArray latino = QFile::encodeName(cartella_.path()) + '/' + nomeLatino;
    const int fd = ::open(latino.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, byte.constData(), size_t(byte.size())), ssize_t(byte.size()));
    ::close(fd);
}

void TstGiudice::cleanupTestCase()
{
    ::unlink((QFile::encodeName(cartella_.path()) + '/' + nomeLatino).constData());   // beyond QTemporaryDir's reach
}

void TstGiudice::sentenzeDaRiga_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("regola");
    QTest::addColumn<bool>("vince");
    QTest::addColumn<QString>("obiezione");
    QTest::addColumn<QString>("giorno");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("cambiamento");   // the first: its kind, rule and outcome
    // The ten years from the start of possession, with no transcription date, come first: art. 1159.
    QTest::newRow("vinta") << "vinta"
                           << "R5" << true << ""
                           << "compiuta"
                           << "1980-01-01"
                           << "risposta R2 perde";
    QTest::newRow("persa per obiezione") << "obiezione"
                                         << "R7" << false << "donazioni"
                                         << "irraggiungibile"
                                         << ""
                                         << "obiezione R5 vince";
}

void TstGiudice::sentenzeDaRiga()
{
    QFETCH(QString, nome);
    QFETCH(QString, regola);
    QFETCH(bool, vince);
    QFETCH(QString, obiezione);
    QProcess p;
    p.start(giudice(), {QStringLiteral("--json"), cartella_.filePath(nome)});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QJsonArray tutti = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    QCOMPARE(tutti.size(), 1);
    const QJsonObject r = tutti[0].toObject();
    QCOMPARE(r[QStringLiteral("regola")].toString(), regola);
    QCOMPARE(r[QStringLiteral("vince")].toBool(), vince);
    QVERIFY(r[QStringLiteral("sentenza")].toString().startsWith(vince ? QStringLiteral("L'attore vince la causa.")
                                                                      : QStringLiteral("L'attore perde la causa.")));
    const QJsonArray perche = r[QStringLiteral("perche")].toArray();
    QVERIFY(perche.size() > 3);
    QVERIFY(perche[0].toString().contains(regola));
    QCOMPARE(r[QStringLiteral("fatti")].toArray()[0].toString(), QStringLiteral("- nome dell'attore: Niccolò Ferrè"));
    QCOMPARE(r[QStringLiteral("obiezioni")].toArray().size(), 13);
    if (!obiezione.isEmpty())
        QVERIFY(r[QStringLiteral("obiezioni")].toArray()[8].toString().contains(obiezione));
    // The day of the usucapione and the changes that would turn the judgment, each with its rule.
    QFETCH(QString, giorno);
    QFETCH(QString, data);
    QFETCH(QString, cambiamento);
    const QJsonObject g = r[QStringLiteral("giorno")].toObject();
    QCOMPARE(g[QStringLiteral("tipo")].toString(), giorno);
    QCOMPARE(g[QStringLiteral("data")].toString(), data);
    QVERIFY(!g[QStringLiteral("testo")].toString().isEmpty());
    const QJsonObject primo = r[QStringLiteral("cambierebbe")].toArray().first().toObject();
    QCOMPARE(QStringList({primo[QStringLiteral("tipo")].toString(), primo[QStringLiteral("regola")].toString(),
                          primo[QStringLiteral("vince")].toBool() ? QStringLiteral("vince") : QStringLiteral("perde")})
                 .join(QLatin1Char(' ')),
             cambiamento);
    QVERIFY(primo[QStringLiteral("testo")].toString().contains(QStringLiteral("(regola ")));

    // The plain text names the same rule, in UTF-8.
    p.start(giudice(), {cartella_.filePath(nome)});
    QVERIFY(p.waitForFinished(60000));
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY(testo.contains(QStringLiteral("Regola: ") + regola + QLatin1Char('\n')));
    QVERIFY(testo.contains(QStringLiteral("Città di Castello")));
    QVERIFY(testo.contains(QStringLiteral("\nChe cosa cambierebbe la sentenza:\n  ")
                           + g[QStringLiteral("testo")].toString()));
}

// A damaged archive among good ones: the good ones are judged, the damaged one named with its
// reason, and the status is 2.
void TstGiudice::fileGuastoStato2()
{
    QProcess p;
    p.start(giudice(), {file("vinta"), file("guasto"), file("assente")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
    const QString errori = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(errori.contains(file("guasto") + QStringLiteral(": Impossibile aprire l'archivio")), qPrintable(errori));
    QVERIFY2(errori.contains(file("assente")), qPrintable(errori));
    QCOMPARE(errori.count(QLatin1Char('\n')), 2);
    QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("Regola: R5")));
}

// The judge answers as a command does, with no display at all: Qt Core alone, no platform plugin.
void TstGiudice::rigaDiComando_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("stato");
    QTest::addColumn<QString>("uscita");   // in standard output
    QTest::addColumn<QString>("errori");   // in standard error
    // clang-format off
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Uso: possidoria-sentenza" << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "possidoria-sentenza " POSSIDORIA_VERSIONE_ATTESA << "";
    QTest::newRow("wrong option") << QStringList{"--colori"} << 2 << "" << "opzione sconosciuta: --colori";
    QTest::newRow("no file") << QStringList{} << 2 << "" << "Uso: possidoria-sentenza";
    QTest::newRow("a Qt option is a file name") << QStringList{"--", "-platform"} << 0 << "Regola: R5" << "";
    QTest::newRow("an archive whole") << QStringList{"intera"} << 0 << "Regola: R5" << "";
    // clang-format on
    QTest::newRow("the same archive cut inside a number")
        << QStringList{"troncata"} << 2 << ""
        << "troncata: Impossibile aprire l'archivio «troncata»: il file è incompleto";
    QTest::newRow("a timeline drawn") << QStringList{"--timeline", "linea.png", "vinta"} << 0 << "Regola: R5"
                                      << "";
    QTest::newRow("a timeline onto a pipe: refused, never waited on")
        << QStringList{"--timeline", "coda", "vinta"} << 1 << "Regola: R5"
        << "coda: immagine non scritta: il nome indica una coda (FIFO), non un file";
    QTest::newRow("escapes never reach the terminal") << QStringList{"ostile"} << 0 << "Rosso\\x1b[31mVivo\\x07"
                                                      << "";
    QTest::newRow("a file name that is not UTF-8: said so, not missing")
        << QStringList{QString::fromLocal8Bit(nomeLatino)} << 2 << ""
        << "il nome del file non è scritto in UTF-8, la codifica dei nomi di questo sistema, e così non si può aprire";
    QTest::newRow("--pdf empty") << QStringList{"--pdf", "", "vinta"} << 2 << ""
                                 << "il valore dell'opzione --pdf è vuoto";
    QTest::newRow("--timeline empty") << QStringList{"--timeline", "", "vinta"} << 2 << ""
                                      << "il valore dell'opzione --timeline è vuoto";
    QTest::newRow("--pdf last") << QStringList{"vinta", "--pdf"} << 2 << ""
                                << "all'opzione --pdf manca il valore (CARTELLA)";
    QTest::newRow("--timeline last") << QStringList{"vinta", "--timeline"} << 2 << ""
                                     << "all'opzione --timeline manca il valore (FILE.png)";
    QTest::newRow("--timeline with two files: why")
        << QStringList{"--timeline", "linea2.png", "vinta", "obiezione"} << 2 << ""
        << "di una sola causa in un solo file, e i file da giudicare sono 2";
    QTest::newRow("--pdf into /proc/self: the folder exists")
        << QStringList{"--pdf", "/proc/self", "vinta"} << 1 << "Regola: R5"
        << "la cartella non accetta nuovi file";
    QTest::newRow("a socket is no device") << QStringList{"presa"} << 2 << ""
                                           << "non è un file ma un socket";
    QTest::newRow("a choice that is no number: not judged as another case")
        << QStringList{"scelta guasta"} << 2 << ""
        << "nella riga 3 il campo 3 non è una scelta valida";
}

void TstGiudice::rigaDiComando()
{
    QFETCH(QStringList, argomenti);
    QFETCH(int, stato);
    QFETCH(QString, uscita);
    QFETCH(QString, errori);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY"})
        ambiente.remove(QString::fromLatin1(v));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.setWorkingDirectory(cartella_.path());
    p.start(giudice(), argomenti);
    QVERIFY(p.waitForFinished(60000));
    const QByteArray out = p.readAllStandardOutput();
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == stato, qPrintable(err));
    QVERIFY2(QString::fromUtf8(out).contains(uscita), out.constData());
    QVERIFY2(err.contains(errori), qPrintable(err));
    QVERIFY(!out.contains('\x1b') && !out.contains('\x07'));
}

// Output that cannot be written is a failure, told on standard error, not a success.
void TstGiudice::scritturaFallitaStato1()
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full on this system");
    QProcess p;
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start(giudice(), {file("vinta")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    const QString errori = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(errori.contains(QStringLiteral("scrittura del risultato non riuscita: il disco è pieno")),
             qPrintable(errori));
}

// Under a file-size limit (ulimit -f) a PDF that crosses it is a failure told, not the end of the judge.
void TstGiudice::limiteDimensioneStato1()
{
    QTemporaryDir pdf;
    QProcess p;
    p.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limite{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limite);
    });
    p.start(giudice(), {QStringLiteral("--pdf"), pdf.path(), file("vinta")});
    QVERIFY(p.waitForFinished(60000));
    const QString errori = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(p.exitStatus() == QProcess::NormalExit, qPrintable(errori));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(errori.contains(file("vinta") + QStringLiteral(": PDF non scritto in ")), qPrintable(errori));
    QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("Regola: R5")));
    QCOMPARE(QDir(pdf.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// --pdf and --timeline write the judgment and the picture; a folder that cannot take them is status 1.
void TstGiudice::documenti()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir uscita;
    const QString png = uscita.filePath(QStringLiteral("linea.png"));
    QProcess p;
    p.start(giudice(), {QStringLiteral("--pdf"), uscita.path(), QStringLiteral("--timeline"), png, file("vinta")});
    QVERIFY(p.waitForFinished(60000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    const QStringList pdf = QDir(uscita.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(pdf.size(), 1);
    QProcess testo;
    testo.start(pdftotext, {uscita.filePath(pdf[0]), QStringLiteral("-")});
    QVERIFY(testo.waitForFinished(60000));
    const QString letto = QString::fromUtf8(testo.readAllStandardOutput()).simplified();
    QVERIFY2(letto.contains(QStringLiteral("L'attore vince la causa.")), qPrintable(letto.left(300)));
    QVERIFY(letto.contains(QStringLiteral("Niccolò Ferrè")));
    const QImage immagine(png);
    QVERIFY(!immagine.isNull());
    QVERIFY(immagine.width() > immagine.height());

    p.start(giudice(), {QStringLiteral("--pdf"), uscita.filePath(QStringLiteral("manca/ancora")), file("vinta")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(!p.readAllStandardError().isEmpty());
}

// The entry of the text's menu shows the account of the decision the window used.
void TstGiudice::percheNominaLaRegola()
{
    PiattaformaFinta finta;
    auto* s = Finestre::di<FinestraSentenza>();
    QAction* perche = s->testosentenza()->findChild<QAction*>(QStringLiteral("perche"));
    QVERIFY(perche);
    QCOMPARE(perche->text(), QStringLiteral("Perché?"));
    perche->trigger();   // before any judgment
    QCOMPARE(finta.messaggi.ultimo().testo, QStringLiteral("Nessuna sentenza è stata ancora emessa."));

    finta.dialoghi.risposte.enqueue(file("obiezione"));
    ArchivioCausa::apri(causaViva());
    Finestre::di<FinestraPossesso>()->cmdavanti_Click();
    const QString sentenza = s->testosentenza()->toPlainText();
    const int prima = finta.messaggi.mostrati.size();
    perche->trigger();
    QCOMPARE(finta.messaggi.mostrati.size(), prima + 1);
    const MessaggioRegistrato& m = finta.messaggi.ultimo();
    QCOMPARE(m.titolo, QStringLiteral("Perché?"));
    QVERIFY2(m.testo.startsWith(QStringLiteral("Regola applicata: R7 ")), qPrintable(m.testo));
    // The account, then what would change the judgment.
    const Giudizio& dato = *s->giudizio();
    QCOMPARE(m.testo, (spiegazione(*s->decisione()) << titoloAlternative() + QLatin1Char(':')
                                                    << righeAlternative(dato.alternative, dato.decisione.esito))
                          .join(QChar(13)));
    QCOMPARE(s->testosentenza()->toPlainText(), sentenza);   // the window's texts stay as they were

    // The button in sight, and its key Alt+E, give the same account.
    const QString spiegata = m.testo;
    auto* pulsante = s->findChild<QPushButton*>(QStringLiteral("cmdperche"));
    QVERIFY(pulsante);
    QVERIFY(pulsante->isVisibleTo(s));
    QCOMPARE(pulsante->shortcut(), QKeySequence(QStringLiteral("Alt+E")));
    pulsante->click();
    QCOMPARE(finta.messaggi.mostrati.size(), prima + 2);
    QCOMPARE(finta.messaggi.ultimo().testo, spiegata);
}

// Every record's end is a place a copy can stop: the judge refuses each cut, never judges a shorter case.
void TstGiudice::archivioTroncato_data()
{
    QTest::addColumn<int>("righe");
    for (int r = 1; r <= 8; ++r)
        QTest::newRow(qPrintable(QStringLiteral("%1 righe").arg(r))) << r;
}

void TstGiudice::archivioTroncato()
{
    QFETCH(int, righe);
    const QByteArray intera = contenuto(file("obiezione"));
    qsizetype fine = 0;
    for (int r = 0; r < righe; ++r)
        fine = intera.indexOf("\r\n", fine) + 2;
    QTemporaryDir lavoro;
    const QString tagliata = lavoro.filePath(QStringLiteral("tagliata"));
    QFile f(tagliata);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(intera.left(fine));
    f.close();
    QProcess p;
    p.start(giudice(), {tagliata});
    QVERIFY(p.waitForFinished(60000));
    const QString errori = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 2);
    QVERIFY2(errori.contains(QStringLiteral("il file è incompleto")), qPrintable(errori));
    QVERIFY(!p.readAllStandardOutput().contains("Regola:"));
}

// The documents a run writes: each case its own PDF, never over a file already there unless asked,
// never over a file of the run (an archive judged, a document just written), never through a link.
void TstGiudice::documentiSenzaDanni_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("prima");   // what out/ holds under the first PDF's name: "", "pdf", "link", "archivio"
    QTest::addColumn<int>("stato");
    QTest::addColumn<QString>("errori");
    QTest::addColumn<int>("pdf");   // PDFs written by the run, by their numbers: 1 the plain name, 2 "(2)"...

    QTest::newRow("--timeline taken for a flag")
        << QStringList{"--timeline", "casoA", "casoB"} << "" << 1
        << "casoA: immagine non scritta: un file con questo nome esiste già" << 0;
    QTest::newRow("--timeline onto the archive judged")
        << QStringList{"--timeline", "casoA", "casoA"} << "" << 1
        << "casoA: immagine non scritta: il nome indica un file di questa stessa esecuzione" << 0;
    QTest::newRow("--timeline onto the archive judged, even when asked")
        << QStringList{"--sovrascrivi", "--timeline", "casoA", "casoA"} << "" << 1 << "di questa stessa esecuzione"
        << 0;
    QTest::newRow("two cases of the same parties")
        << QStringList{"--pdf", "out", "casoA", "casoB"} << "" << 0 << "" << 0b110;
    QTest::newRow("two cases of the same parties, in JSON")
        << QStringList{"--json", "--pdf", "out", "casoA", "casoB"} << "" << 0 << "" << 0b110;
    QTest::newRow("a PDF already there is kept") << QStringList{"--pdf", "out", "casoA"} << "pdf" << 0 << "" << 0b100;
    QTest::newRow("a PDF already there is replaced when asked")
        << QStringList{"--sovrascrivi", "--pdf", "out", "casoA"} << "pdf" << 0 << "" << 0b010;
    QTest::newRow("a planted link is not followed")
        << QStringList{"--pdf", "out", "casoA"} << "link" << 0 << "" << 0b100;
    QTest::newRow("a planted link is not followed, even when asked")
        << QStringList{"--sovrascrivi", "--pdf", "out", "casoA"} << "link" << 0 << "" << 0b100;
    QTest::newRow("an archive under the PDF's name, judged")
        << QStringList{"--sovrascrivi", "--pdf", "out", "out/pdf"} << "archivio" << 0 << "" << 0b100;
    QTest::newRow("the timeline never over a PDF of the run")
        << QStringList{"--sovrascrivi", "--pdf", "out", "--timeline", "out/pdf", "casoA"} << "" << 1
        << "immagine non scritta: il nome indica un file di questa stessa esecuzione" << 0b010;
}

void TstGiudice::documentiSenzaDanni()
{
    QFETCH(QStringList, argomenti);
    QFETCH(QString, prima);
    QFETCH(int, stato);
    QFETCH(QString, errori);
    QFETCH(int, pdf);
    QTemporaryDir lavoro;
    QDir qui(lavoro.path());
    QVERIFY(qui.mkpath(QStringLiteral("out")) && qui.mkpath(QStringLiteral("vittima")));
    const QString nome =
        DocumentoSentenza::nomeFilePdf(QStringLiteral("Niccolò Ferrè"), QStringLiteral("Società l’Edera"));
    const auto numerato = [&](int n) { return n == 1 ? nome : nome.chopped(4) + QStringLiteral(" (%1).pdf").arg(n); };
    const QString primo = qui.filePath(QStringLiteral("out/") + nome);
    for (const char* c : {"casoA", "casoB"})
        QVERIFY(QFile::copy(file("vinta"), qui.filePath(QString::fromLatin1(c))));
    const QString vittima = qui.filePath(QStringLiteral("vittima/importante.txt"));
    QFile v(vittima);
    QVERIFY(v.open(QIODevice::WriteOnly));
    v.write("importante");
    v.close();
    if (prima == QLatin1String("pdf")) {
        QFile f(primo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("vecchio");
    } else if (prima == QLatin1String("link")) {
        QVERIFY(QFile::link(QStringLiteral("../vittima/importante.txt"), primo));
    } else if (prima == QLatin1String("archivio")) {
        QVERIFY(QFile::copy(file("vinta"), primo));
    }
    for (QString& a : argomenti)
        if (a == QLatin1String("out/pdf"))
            a = QStringLiteral("out/") + nome;
    const QByteArray archivio = contenuto(file("vinta"));

    QProcess p;
    p.setWorkingDirectory(lavoro.path());
    p.start(giudice(), argomenti);
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    const QString uscita = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(p.exitCode() == stato, qPrintable(err));
    QVERIFY2(err.contains(errori), qPrintable(err));
    QCOMPARE(contenuto(qui.filePath(QStringLiteral("casoA"))), archivio);
    QCOMPARE(contenuto(qui.filePath(QStringLiteral("casoB"))), archivio);
    QCOMPARE(contenuto(vittima), QByteArray("importante"));
    if (prima == QLatin1String("link"))
        QVERIFY(QFileInfo(primo).isSymLink());
    if (prima == QLatin1String("pdf") && !(pdf & 0b010))
        QCOMPARE(contenuto(primo), QByteArray("vecchio"));
    if (prima == QLatin1String("archivio"))
        QCOMPARE(contenuto(primo), archivio);
    for (int n = 1; n <= 3; ++n) {
        const bool scritto = pdf & (1 << n);
        const QString percorso = qui.filePath(QStringLiteral("out/") + numerato(n));
        QVERIFY2(contenuto(percorso).startsWith("%PDF") == scritto, qPrintable(numerato(n)));
        // The judgment names the file it went to.
        if (argomenti.contains(QStringLiteral("--json")))
            QCOMPARE(QJsonDocument::fromJson(uscita.toUtf8()).array().at(n - 1)[QStringLiteral("pdf")].toString(),
                     scritto ? QStringLiteral("out/") + numerato(n) : QString());
        else
            QCOMPARE(uscita.contains(QStringLiteral("PDF: out/") + numerato(n) + QLatin1Char('\n')), scritto);
    }
}

// A line end in a file name or in an archive's text, and the format characters, reach the terminal
// escaped: each case prints one "Regola:" line, its own.
void TstGiudice::nienteArrivaCrudoAlTerminale()
{
    QProcess p;
    p.start(giudice(), {file("x\nRegola: R99"), file("y\rRegola: R98"), file("formato")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QString uscita = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(uscita.count(QStringLiteral("\nRegola: ")), 3);
    QCOMPARE(uscita.count(QStringLiteral("\nRegola: R5\n")), 3);
    QVERIFY(uscita.contains(QStringLiteral("x\\x0aRegola: R99")));
    QVERIFY(uscita.contains(QStringLiteral("y\\x0dRegola: R98")));
    QVERIFY2(uscita.contains(QStringLiteral("Rosso\\x0aRegola: R97 \\u202eotsor\\u2028Bianco\\u200b \U0001D504")),
             qPrintable(uscita));
    for (const char16_t c : {u'\r', u'\u202E', u'\u2028', u'\u200B'})
        QVERIFY(!uscita.contains(QChar(c)));
}

// With standard output closed the judge says so, and no file it opens takes that descriptor's place.
void TstGiudice::uscitaChiusa()
{
    QTemporaryDir lavoro;
    const QString png = lavoro.filePath(QStringLiteral("linea.png"));
    QProcess p;
    p.setChildProcessModifier([] { ::close(1); });
    p.start(giudice(), {QStringLiteral("--timeline"), png, file("vinta")});
    QVERIFY(p.waitForFinished(60000));
    const QString errori = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(errori.contains(QStringLiteral("scrittura del risultato non riuscita: lo standard output è chiuso")),
             qPrintable(errori));
    QVERIFY(contenuto(png).startsWith("\x89PNG"));
    QVERIFY(!contenuto(png).contains("Regola:"));
}

// An acknowledgement proved by a dated document: the act written in the tenth record interrupts the
// twenty years; the same file as a version of nine records reads it (its kind from the start
// proof, a one-day loss of possession) judges it as every earlier version did.
void TstGiudice::fattiDelDecimoRecord()
{
    Causa c = caso("1/1/1995", {});
    c.testi.possessoFine = QStringLiteral("1/1/2016");
    c.scelte.fede = Fede::Mala, c.scelte.titolo = Titolo::Mancante;
    c.testi.interruzioneInizio = QStringLiteral("1/6/2005");
    c.testi.interruzioneFine = QStringLiteral("1/6/2005");
    c.scelte.provaInizioInterruzione = ProvaLunga::AltriDocumenti;
    c.scelte.provaFineInterruzione = ProvaCorta::AltriDocumenti;
    c.scelte.atto = AttoInterruttivo::Riconoscimento;
    QVERIFY(salvaFileArchivio(file("riconoscimento"), c));
    QFile scritto(file("riconoscimento"));
    QVERIFY(scritto.open(QIODevice::ReadOnly));
    const QByteArray tutto = scritto.readAll();
    QFile nove(file("riconoscimento-nove-record"));
    QVERIFY(nove.open(QIODevice::WriteOnly));
    const QByteArray primiNove = tutto.left(tutto.lastIndexOf("\r\n", tutto.size() - 3) + 2);
    QVERIFY(primiNove.endsWith("\r\n\r\n"));   // the ninth record, an unanswered objection, is an empty line
    nove.write(primiNove);
    nove.close();

    QProcess p;
    p.start(giudice(), {QStringLiteral("--json"), file("riconoscimento"), file("riconoscimento-nove-record")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QJsonArray r = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    QCOMPARE(r.size(), 2);
    QCOMPARE(r[0].toObject().value(QStringLiteral("regola")).toString(), QStringLiteral("R2"));
    QVERIFY(r[0].toObject().value(QStringLiteral("compiuta")).isNull());
    QCOMPARE(r[1].toObject().value(QStringLiteral("regola")).toString(), QStringLiteral("R1"));
    QCOMPARE(r[1].toObject().value(QStringLiteral("compiuta")).toString(), QStringLiteral("2015-01-01"));
}

void TstGiudice::qtGuiSoloPerDisegnare_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<bool>("gui");
    QTest::newRow("a judgment") << QStringList{file("vinta")} << false;
    QTest::newRow("JSON") << QStringList{QStringLiteral("--json"), file("vinta"), file("obiezione")} << false;
    QTest::newRow("a PDF") << QStringList{QStringLiteral("--pdf"), QStringLiteral("."), file("vinta")} << true;
    QTest::newRow("a timeline") << QStringList{QStringLiteral("--timeline"), QStringLiteral("linea.png"), file("vinta")}
                                << true;
}

// A judgment loads Qt Core alone: Qt Gui comes, with the drawing module, only for a PDF or a picture.
void TstGiudice::qtGuiSoloPerDisegnare()
{
    QFETCH(QStringList, argomenti);
    QFETCH(bool, gui);
    QTemporaryDir lavoro;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    // The dynamic loader names every library it loads, at start or later.
    ambiente.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("libs"));
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.setWorkingDirectory(lavoro.path());
    p.start(giudice(), argomenti);
    QVERIFY(p.waitForFinished(60000));
    const QString caricate = QString::fromLocal8Bit(p.readAllStandardError());
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, qPrintable(caricate.right(2000)));
    QVERIFY2(caricate.contains(QStringLiteral("libQt6Core.so")), "the loader traced nothing");
    QCOMPARE(caricate.contains(QStringLiteral("libQt6Gui.so")), gui);
    QCOMPARE(caricate.contains(QStringLiteral("libpossidoria-disegno.so")), gui);
}

void TstGiudice::moduloDiDisegnoMancante_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QByteArray>("modulo");   // the module beside the judge; none when null
    QTest::addColumn<int>("stato");
    QTest::newRow("a judgment needs no module") << QStringList{file("vinta")} << QByteArray() << 0;
    QTest::newRow("a PDF without the module")
        << QStringList{QStringLiteral("--pdf"), QStringLiteral("."), file("vinta")} << QByteArray() << 1;
    QTest::newRow("a timeline with a module that is not a library")
        << QStringList{QStringLiteral("--timeline"), QStringLiteral("linea.png"), file("vinta")}
        << QByteArray("non una libreria\n") << 1;
    QTest::newRow("a module cut short: told, no SIGBUS")
        << QStringList{QStringLiteral("--timeline"), QStringLiteral("linea.png"), file("vinta")}
        << contenuto(QCoreApplication::applicationDirPath() + QStringLiteral("/../libpossidoria-disegno.so")).left(8192)
        << 1;
    QTest::newRow("a pipe at the module's name: never waited on")
        << QStringList{QStringLiteral("--pdf"), QStringLiteral("."), file("vinta")} << QByteArray("FIFO") << 1;
}

// A judge installed without its drawing module still judges; asked to draw, it says what is missing
// and fails, with nothing judged half and nothing written.
void TstGiudice::moduloDiDisegnoMancante()
{
    QFETCH(QStringList, argomenti);
    QFETCH(QByteArray, modulo);
    QFETCH(int, stato);
    QTemporaryDir installato, lavoro;
    const QString solo = installato.filePath(QStringLiteral("possidoria-sentenza"));
    QVERIFY(QFile::copy(giudice(), solo));
    if (modulo == "FIFO") {
        QVERIFY(::mkfifo(QFile::encodeName(installato.filePath(QStringLiteral("libpossidoria-disegno.so"))).constData(),
                         0600)
                == 0);
    } else if (!modulo.isNull()) {
        QFile f(installato.filePath(QStringLiteral("libpossidoria-disegno.so")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(modulo), modulo.size());
    }
    QProcess p;
    p.setWorkingDirectory(lavoro.path());
    p.start(solo, argomenti);
    QVERIFY(p.waitForFinished(60000));
    const QString errori = QString::fromUtf8(p.readAllStandardError());
    const QString uscita = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == stato, qPrintable(errori));
    if (stato == 0) {
        QVERIFY2(uscita.contains(QStringLiteral("Regola: R5")), qPrintable(uscita));
        QCOMPARE(errori, QString());
    } else {
        QVERIFY2(errori.startsWith(QStringLiteral("possidoria-sentenza: il modulo di disegno del programma ")),
                 qPrintable(errori));
        QVERIFY2(errori.contains(QStringLiteral("libpossidoria-disegno.so")), qPrintable(errori));
        QVERIFY2(errori.endsWith(QStringLiteral("senza di esso non si scrivono né il PDF né l'immagine. "
                                                "Reinstallare il programma.\n")),
                 qPrintable(errori));
        QCOMPARE(uscita, QString());
    }
    QCOMPARE(QDir(lavoro.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Every object of --json is exactly what QJsonDocument writes compact for it: keys in its order,
// its escapes, a character beyond the 16-bit plane, the PDF's name.
void TstGiudice::jsonComeQt()
{
    QTemporaryDir pdf;
    const QString strano = file("virgolette \"\\ \t\x01\x7f €");
    const QString oltre = file("oltre \"\\ \x1f 𝔄");
    QVERIFY(QFile::copy(file("vinta"), strano));
    QVERIFY(QFile::copy(file("obiezione"), oltre));
    QProcess p;
    p.start(giudice(), {QStringLiteral("--json"), QStringLiteral("--pdf"), pdf.path(), QStringLiteral("--citazione"),
                        pdf.path(), strano, oltre, file("ostile"), file("formato"), file("x\nRegola: R99")});
    QVERIFY(p.waitForFinished(60000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    const QByteArray uscita = p.readAllStandardOutput();
    QVERIFY2(uscita.startsWith("[\n") && uscita.endsWith("\n]\n"), uscita.constData());
    const QList<QByteArray> righe = uscita.sliced(2, uscita.size() - 5).split('\n');
    QCOMPARE(righe.size(), 5);
    for (qsizetype i = 0; i < righe.size(); ++i) {
        const QByteArray oggetto = i + 1 < righe.size() ? righe[i].chopped(1) : righe[i];
        QJsonParseError errore;
        const QJsonDocument letto = QJsonDocument::fromJson(oggetto, &errore);
        QVERIFY2(letto.isObject(), qPrintable(errore.errorString()));
        QCOMPARE(letto.toJson(QJsonDocument::Compact), oggetto);
        QVERIFY(letto.object().value(QStringLiteral("pdf")).toString().endsWith(QStringLiteral(".pdf")));
    }
    QCOMPARE(QJsonDocument::fromJson(righe[1].chopped(1)).object().value(QStringLiteral("file")).toString(), oltre);
}

// Output names the system would take for others are refused with the reason; parties' names too
// long for a file name give a PDF name cut to fit; a reader gone away is named as such.
void TstGiudice::nomiDiUscita()
{
    QTemporaryDir uscita;
    for (const char* opzione : {"--timeline", "--pdf"}) {
        QProcess p;
        p.setWorkingDirectory(uscita.path());
        // The shell passes the Latin-1 bytes as they are, which no list of texts can.
        p.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("exec \"$0\" %1 \"$(printf 'l\\351nea')\" \"$1\"").arg(QString::fromLatin1(opzione)),
                 giudice(), file("vinta")});
        QVERIFY(p.waitForFinished(60000));
        const QString errori = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() == 2 && errori.contains(QStringLiteral("non è scritto in UTF-8")), qPrintable(errori));
        QCOMPARE(QDir(uscita.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    Causa lunga = caso("1/1/70", {});
    lunga.testi.attore = QString(200, QChar(u'à'));
    lunga.testi.convenuto = QStringLiteral("Bianchi ") + QString(300, QLatin1Char('b'));
    QVERIFY(salvaFileArchivio(file("nomi lunghi"), lunga));
    for (int volta = 1; volta <= 2; ++volta) {
        QProcess p;
        p.start(giudice(), {QStringLiteral("--pdf"), uscita.path(), file("nomi lunghi")});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    }
    const QStringList pdf = QDir(uscita.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    QCOMPARE(pdf.size(), 2);
    for (const QString& nome : pdf) {
        QVERIFY2(nome.startsWith(QStringLiteral("Sentenza àà")) && nome.contains(QStringLiteral("… - Bianchi bb")),
                 qPrintable(nome));
        QVERIFY(nome.toUtf8().size() <= 255);
    }
    QVERIFY(pdf[0].endsWith(QStringLiteral(" (2).pdf")) || pdf[1].endsWith(QStringLiteral(" (2).pdf")));

    // The reader of the output gone before the judge writes: EPIPE named, status 1.
    int tubo[2];
    QVERIFY(::pipe(tubo) == 0);
    ::close(tubo[0]);
    const QByteArray errori = QFile::encodeName(uscita.filePath(QStringLiteral("errori.txt")));
    const QByteArray eseguibile = QFile::encodeName(giudice()), archivio = QFile::encodeName(file("vinta"));
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::dup2(tubo[1], 1);
        const int e = ::open(errori.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(e, 2);
        ::execl(eseguibile.constData(), eseguibile.constData(), archivio.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(tubo[1]);
    int stato = 0;
    QVERIFY(::waitpid(figlio, &stato, 0) == figlio);
    const QString detto = QString::fromUtf8(contenuto(QFile::decodeName(errori)));
    QVERIFY2(WIFEXITED(stato) && WEXITSTATUS(stato) == 1, qPrintable(detto));
    QVERIFY2(detto.contains(QStringLiteral("pipe interrotta")), qPrintable(detto));
}

// The draft writ of a won case as .odt and PDF, none for a lost one, under the rules of --pdf; the
// case law and the evidence in every judgment's JSON.
void TstGiudice::citazione()
{
    QTemporaryDir uscita;
    QProcess p;
    const QStringList argomenti{QStringLiteral("--json"), QStringLiteral("--citazione"), uscita.path(), file("vinta"),
                                file("obiezione")};
    p.start(giudice(), argomenti);
    QVERIFY(p.waitForFinished(60000));
    const QString errore = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(p.exitCode() == 0, qPrintable(errore));
    QVERIFY2(errore.contains(file("obiezione") + QStringLiteral(": nessuna bozza di citazione: ")), qPrintable(errore));
    QVERIFY(errore.contains(QStringLiteral("Che cosa cambierebbe")));
    const QJsonArray cause = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    QCOMPARE(cause.size(), 2);
    const QString nome = QStringLiteral("Bozza di citazione Niccolò Ferrè - Società l’Edera");
    QCOMPARE(
        cause[0][QStringLiteral("citazione")].toArray(),
        (QJsonArray{uscita.filePath(nome + QStringLiteral(".odt")), uscita.filePath(nome + QStringLiteral(".pdf"))}));
    QVERIFY(cause[1][QStringLiteral("citazione")].isNull());
    QVERIFY(contenuto(uscita.filePath(nome + QStringLiteral(".odt"))).startsWith("PK"));
    QVERIFY(contenuto(uscita.filePath(nome + QStringLiteral(".pdf"))).startsWith("%PDF"));
    QCOMPARE(QDir(uscita.path()).entryList(QDir::Files).size(), 2);
    for (const QJsonValue& c : cause) {
        const QJsonArray massime = c[QStringLiteral("massime")].toArray();
        QVERIFY(!massime.isEmpty());
        for (const QJsonValue& m : massime)
            QVERIFY2(m.toString().contains(QRegularExpression(QStringLiteral(", \\d{1,2}°? \\w+ \\d{4}"))),
                     qPrintable(m.toString()));
        QVERIFY(!c[QStringLiteral("prove")][QStringLiteral("requisiti")].toArray().isEmpty());
    }
    // The manner's objection proved: what meets it, and the change of the facts that turns the case.
    const QJsonArray repliche = cause[1][QStringLiteral("prove")][QStringLiteral("repliche")].toArray();
    QCOMPARE(repliche.size(), 1);
    QVERIFY(repliche[0][QStringLiteral("replica")].toString().contains(QStringLiteral("art. 1163")));
    QVERIFY(!repliche[0][QStringLiteral("cambierebbe")].toString().isEmpty());

    // Again: the documents there are kept, the new ones numbered; a folder that is not there fails.
    p.start(giudice(), argomenti);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(QFileInfo::exists(uscita.filePath(nome + QStringLiteral(" (2).odt"))));
    QVERIFY(QFileInfo::exists(uscita.filePath(nome + QStringLiteral(" (2).pdf"))));
    p.start(giudice(), {QStringLiteral("--citazione"), uscita.filePath(QStringLiteral("manca")), file("vinta")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(p.readAllStandardError().contains("bozza di citazione non scritta"));
    p.start(giudice(), {QStringLiteral("--citazione")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
}

QTEST_MAIN(TstGiudice)
#include "tst_giudice.moc"
