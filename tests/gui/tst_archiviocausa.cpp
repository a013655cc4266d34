// The case archive through the windows: a whole case saved and reopened gives the same judgment,
// the dialogs and the archive name, a cancelled or failed command that leaves the case and the files alone,
// and the header boxes that keep only what a file can carry.
#include "gui/frame/finestralavoro.h"
#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/modpossidoria.h"
#include "gui/case/archiviocausa.h"
#include "gui/case/bloccodate.h"
#include "core/causaviva.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestradate.h"
#include "gui/case/finestrapossesso.h"
#include "gui/case/questionario.h"
#include "fakes/piattaformafinta.h"
#include "gui/judgment/finestrasentenza.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace ModPossidoria;

namespace {

FinestraCausa* causa() { return Finestre::di<FinestraCausa>(); }
FinestraPossesso* possesso() { return Finestre::di<FinestraPossesso>(); }
FinestraDate* date(const char* nome) { return Finestre::finestra<FinestraDate>(QString::fromLatin1(nome)); }
Questionario* questionario(const char* nome) { return Finestre::finestra<Questionario>(QString::fromLatin1(nome)); }

QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<assente>");
}

void scriviFile(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dati);
}

// A whole case typed and clicked as a user would: accents, "’", "€" and a comma in the texts, every
// possession group, the dates objection with its proofs and the five questionnaires except good
// faith, left unanswered.
void compilaCaso()
{
    causa()->attore()->setText(QStringLiteral("Niccolò Ferrè"));
    causa()->convenuto()->setText(QStringLiteral("Società l’Edera, in liquidazione"));
    causa()->bene()->setText(QStringLiteral("fondo rustico del valore di 150.000 €"));
    causa()->luogo()->setText(QStringLiteral("Città di Castello"));
    causa()->Option1()->seleziona(1);
    possesso()->datainizio()->setText(QStringLiteral("8/12/70"));
    possesso()->datafine()->setText(QStringLiteral("1/3/95"));
    for (int k = 1; k <= 6; ++k)
        possesso()->gruppo(k)->seleziona(1);
    FinestraDate* d = date(FinestraDate::nomeDate);
    d->blocco()->datainizio()->setText(QStringLiteral("10/1/80"));
    d->blocco()->datafine()->setText(QStringLiteral("1/3/95"));
    d->datin()->seleziona(1);
    d->datfin()->seleziona(2);
    const std::pair<const char*, int> risposte[] = {{"modo", 3}, {"psiche", 1}, {"provenienza", 2}, {"acquisto", 1}};
    for (const auto& [nome, i] : risposte)
        questionario(nome)->gruppo()->seleziona(i);
}

// A File-menu entry of any window, as the user picks it.
void menu(QWidget* finestra, const char* voce)
{
    QAction* a = finestra->findChild<QAction*>(QString::fromLatin1(voce));
    QVERIFY(a && a->isEnabled());
    a->trigger();
}

QString sentenza()
{
    possesso()->cmdavanti_Click();
    auto* s = Finestre::di<FinestraSentenza>();
    return s->isVisible() ? s->testosentenza()->toPlainText() : QString();
}

}   // namespace

class TstArchivioCausa : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void casoCompletoTornaUguale();
    void nomeConVirgolette();
    void salvaDopoApriSenzaDialogo();
    void riaperturaMostraLeObiezioni();
    void cancPoiSalvaChiedeIlNome();
    void testiIntegriTraApriESalva();
    void dialoghiAnnullati_data();
    void dialoghiAnnullati();
    void fileCorto();
    void utf8EOccidentaleStessaCausa();
    void aperturaSenzaAvvisi();
    void fallimenti_data();
    void fallimenti();
    void scritturaInterrottaLasciaIlVecchio();
    void casoIncompletoSiSalva_data();
    void casoIncompletoSiSalva();
    void testiNonArchiviabiliRifiutati();
    void testoOltreIlCodiceOccidentale();
    void comandiDaOgniFinestra_data();
    void comandiDaOgniFinestra();
    void eliminaChiedeEDice_data();
    void eliminaChiedeEDice();
    void cartellaDeiDialoghi();

private:
    PiattaformaFinta* finta_ = nullptr;
    QTemporaryDir* cartella_ = nullptr;
    QString percorso(const char* nome) const { return cartella_->filePath(QString::fromUtf8(nome)); }
    // The program closed and started again; the files stay.
    void riavvia()
    {
        delete finta_;
        finta_ = new PiattaformaFinta;
    }
};

void TstArchivioCausa::init()
{
    finta_ = new PiattaformaFinta;
    cartella_ = new QTemporaryDir;
}

void TstArchivioCausa::cleanup()
{
    delete finta_;
    finta_ = nullptr;
    delete cartella_;
    cartella_ = nullptr;
}

// Saved, program closed and started again, reopened: the same windows, the same record, the
// same judgment; the windows opened hidden and the user's window still in front.
void TstArchivioCausa::casoCompletoTornaUguale()
{
    compilaCaso();
    const QString giudizio = sentenza();
    QVERIFY(giudizio.startsWith(QStringLiteral("L'attore")));
    const Causa scritta = causaViva().causa();
    QVERIFY(!scritta.scelte.obiezioneFede);

    const QString file = percorso("Possidoria-dati-Ferrè");
    finta_->dialoghi.risposte.enqueue(file);
    causa()->salvanome_Click();
    QCOMPARE(finta_->dialoghi.aperti.size(), 1);
    QCOMPARE(finta_->dialoghi.aperti[0].tipo, QStringLiteral("salva"));
    QCOMPARE(finta_->dialoghi.aperti[0].titolo, QStringLiteral("Salva file con nome"));
    QCOMPARE(causaViva().archivio(), file);
    const QByteArray byte = contenuto(file);
    QVERIFY(byte.startsWith("\"Niccol\xF2 Ferr\xE8\",\"Societ\xE0 l\x92"
                            "Edera, in liquidazione\",\"fondo rustico del valore di 150.000 \x80\""));
    QVERIFY(byte.contains("\r\n3\r\n1\r\n2\r\n\r\n1\r\n"));   // good faith never answered: an empty eighth line

    riavvia();
    Finestre::mostra(QStringLiteral("possesso"));
    QWidget* davanti = possesso();
    davanti->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(davanti));
    finta_->dialoghi.risposte.enqueue(file);
    menu(davanti, "apri");
    QCOMPARE(finta_->dialoghi.aperti[0].titolo, QStringLiteral("Apri file"));
    QCOMPARE(finta_->dialoghi.aperti[0].filtroIniziale, 2);
    QCOMPARE(finta_->dialoghi.aperti[0].filtri.size(), 2);
    QCOMPARE(causaViva().archivio(), file);
    QCOMPARE(causaViva().causa(), scritta);
    QCOMPARE(causaViva().scelte(), scritta.scelte);
    QVERIFY(!causa()->isVisible());
    QVERIFY(!date(FinestraDate::nomeDate)->isVisible());
    QVERIFY(!questionario("acquisto")->isVisible());
    QCOMPARE(questionario("fede")->gruppo()->selezionato(), 0);
    QCOMPARE(questionario("modo")->gruppo()->selezionato(), 3);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), davanti);
    QCOMPARE(sentenza(), giudizio);
}

// A name with double quotes is the case's name as typed: saved under it, opened from it, kept as the
// archive's name.
void TstArchivioCausa::nomeConVirgolette()
{
    compilaCaso();
    const QString file = percorso("nuovo caso \"q\"");
    finta_->dialoghi.risposte.enqueue(file);
    causa()->salvanome_Click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 0);
    QCOMPARE(QDir(cartella_->path()).entryList(QDir::Files), QStringList{QStringLiteral("nuovo caso \"q\"")});
    QCOMPARE(causaViva().archivio(), file);
    const Causa scritta = causaViva().causa();
    riavvia();
    QVERIFY(ArchivioCausa::apriPercorso(causaViva(), file));
    QCOMPARE(causaViva().causa(), scritta);
}

void TstArchivioCausa::salvaDopoApriSenzaDialogo()
{
    compilaCaso();
    const QString file = percorso("Possidoria-dati-1");
    QVERIFY(salvaFileArchivio(file, causaViva().causa()));
    riavvia();
    finta_->dialoghi.risposte.enqueue(file);
    causa()->apri_Click();
    causa()->luogo()->setText(QStringLiteral("Gubbio, frazione Padule"));
    menu(possesso(), "salva");
    QCOMPARE(finta_->dialoghi.aperti.size(), 1);   // only the open's
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    const LetturaArchivio l = leggiFileArchivio(file);
    QVERIFY(l.valido);
    QCOMPARE(l.causa.testi.luogo, QStringLiteral("Gubbio, frazione Padule"));
    QCOMPARE(causaViva().archivio(), file);
}

// Reopened into a program whose possession window is already on screen: the markers and the
// counter show the objections the case holds (here five: the dates and four questionnaires).
void TstArchivioCausa::riaperturaMostraLeObiezioni()
{
    compilaCaso();
    const QString file = percorso("Possidoria-dati-obiezioni");
    QVERIFY(salvaFileArchivio(file, causaViva().causa()));
    riavvia();
    possesso()->show();
    QVERIFY(possesso()->numobiez()->text().isEmpty());
    finta_->dialoghi.risposte.enqueue(file);
    menu(possesso(), "apri");
    QCOMPARE(possesso()->numobiez()->text(), QStringLiteral("Sono state formulate n. 5 obiezioni."));
    QVERIFY(!possesso()->marcatore(0)->isHidden());
    QVERIFY(!possesso()->marcatore(4)->isHidden());   // the manner's answer 1 is opposed
    QVERIFY(possesso()->marcatore(9)->isHidden());    // good faith is not
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
}

// After "canc" the old file is no longer the case's: "&Salva" asks for a name and the old file
// stays as it was.
void TstArchivioCausa::cancPoiSalvaChiedeIlNome()
{
    compilaCaso();
    const QString vecchio = percorso("Possidoria-dati-vecchio");
    QVERIFY(salvaFileArchivio(vecchio, causaViva().causa()));
    causaViva().segnaSalvata(vecchio);
    finta_->dialoghi.risposte.enqueue(vecchio);
    causa()->apri_Click();
    const QByteArray prima = contenuto(vecchio);
    causa()->azzera_Click();
    causa()->attore()->setText(QStringLiteral("Anna"));
    causa()->convenuto()->setText(QStringLiteral("Bruno"));
    causa()->bene()->setText(QStringLiteral("orto"));
    causa()->Option1()->seleziona(2);
    possesso()->datainizio()->setText(QStringLiteral("1/1/80"));
    possesso()->datafine()->setText(QStringLiteral("1/1/01"));
    for (int k = 1; k <= 6; ++k)
        possesso()->gruppo(k)->seleziona(1);
    const QString nuovo = percorso("Possidoria-dati-nuovo");
    finta_->dialoghi.risposte.enqueue(nuovo);
    menu(causa(), "salva");
    QCOMPARE(finta_->dialoghi.aperti.size(), 2);
    QCOMPARE(finta_->dialoghi.aperti.last().tipo, QStringLiteral("salva"));
    QCOMPARE(contenuto(vecchio), prima);
    QCOMPARE(leggiFileArchivio(nuovo).causa.testi.attore, QStringLiteral("Anna"));
    QCOMPARE(causaViva().archivio(), nuovo);
}

// Every text of an archive survives opening, being shown and saving, byte for byte: a date of ten
// characters and a name longer than a text box holds.
void TstArchivioCausa::testiIntegriTraApriESalva()
{
    Causa c;
    c.testi = {QString(40000, QLatin1Char('N')),
               QStringLiteral("Bruno"),
               QStringLiteral("orto"),
               QStringLiteral("Pisa"),
               QStringLiteral("8/12/1980"),
               QStringLiteral("12/03/2005"),
               QStringLiteral(" 8/12/1980 "),
               QStringLiteral("1/1/2005"),
               {},
               {}};
    c.scelte.tipologia = Tipologia::Proprieta;
    c.scelte.interruzione = Interruzione::Nessuna, c.scelte.modo = Modo::PacificoPubblico;
    c.scelte.animo = Animo::DaTitolare, c.scelte.provenienza = Provenienza::Legittima;
    c.scelte.fede = Fede::Buona, c.scelte.titolo = Titolo::Mancante;
    // Numbers beyond each list, as an archive may hold them: kept as read.
    c.scelte.provaInizioDate = ProvaCorta(13), c.scelte.provaFineDate = ProvaLunga::DomandaGiudiziale;
    const QString file = percorso("Possidoria-dati-lungo");
    QVERIFY(salvaFileArchivio(file, c));
    const QByteArray prima = contenuto(file);
    finta_->dialoghi.risposte.enqueue(file);
    causa()->apri_Click();
    for (const char* nome : {"causa", "possesso", "ledate", "sentenza"})
        Finestre::mostra(QString::fromLatin1(nome));
    QCOMPARE(possesso()->datainizio()->text(), QStringLiteral("8/12/1980"));
    QCOMPARE(possesso()->durata()->text(), QStringLiteral(" 24 anni e 94 giorni"));
    menu(possesso(), "salva");
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    QCOMPARE(causaViva().causa(), c);
    QCOMPARE(contenuto(file), prima);
}

// Cancelling any dialog writes and deletes nothing and leaves the case on screen with its archive
// name: the case is still that file's, and "Salva" writes there.
void TstArchivioCausa::dialoghiAnnullati_data()
{
    QTest::addColumn<int>("comando");
    QTest::newRow("apri") << 0;
    QTest::newRow("salva con nome") << 1;
    QTest::newRow("elimina") << 2;
}

void TstArchivioCausa::dialoghiAnnullati()
{
    QFETCH(int, comando);
    compilaCaso();
    const QString file = percorso("Possidoria-dati-vecchio");
    scriviFile(file, "vecchio");
    causaViva().segnaSalvata(file);
    const Causa prima = causaViva().causa();
    switch (comando) {
    case 0: causa()->apri_Click(); break;
    case 1: causa()->salvanome_Click(); break;
    default: causa()->eliminare_click(); break;
    }
    QCOMPARE(finta_->dialoghi.aperti.size(), 1);
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    QCOMPARE(contenuto(file), QByteArray("vecchio"));
    QCOMPARE(QDir(cartella_->path()).entryList(QDir::Files), QStringList{QStringLiteral("Possidoria-dati-vecchio")});
    QCOMPARE(causaViva().causa(), prima);
    QCOMPARE(causaViva().archivio(), file);
}

// A whole case cut after a record's end: the objections it lost would read as never raised and a
// later "Salva" would make the loss permanent. The file is refused, the case on screen stays.
void TstArchivioCausa::fileCorto()
{
    compilaCaso();
    causaViva().segnaSalvata(QString());
    const QString intero = percorso("Possidoria-dati-intero");
    QVERIFY(salvaFileArchivio(intero, causaViva().causa()));
    const QByteArray byte = contenuto(intero);
    const qsizetype dopoIlQuarto =
        byte.indexOf("\r\n", byte.indexOf("\r\n", byte.indexOf("\r\n", byte.indexOf("\r\n") + 2) + 2) + 2) + 2;
    const QString file = percorso("corto");
    scriviFile(file, byte.left(dopoIlQuarto));
    const Causa prima = causaViva().causa();
    finta_->dialoghi.risposte.enqueue(file);
    causa()->apri_Click();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY2(finta_->messaggi.ultimo().testo.contains(
                 QStringLiteral("il file è incompleto: finisce dopo 4 delle nove righe")),
             qPrintable(finta_->messaggi.ultimo().testo));
    QCOMPARE(causaViva().causa(), prima);
    QCOMPARE(questionario("modo")->gruppo()->selezionato(), 3);
    QCOMPARE(causaViva().archivio(), QString());
    QCOMPARE(contenuto(file), byte.left(dopoIlQuarto));
}

// The archive the program saved, and the same archive saved again as UTF-8 by a text editor (as
// "NiccolÃ² FerrÃ¨" it used to open): both open to the same record, and saving writes it back Western.
void TstArchivioCausa::utf8EOccidentaleStessaCausa()
{
    compilaCaso();
    const Causa scritta = causaViva().causa();
    const QString occidentale = percorso("Possidoria-dati-occidentale");
    QVERIFY(salvaFileArchivio(occidentale, scritta));
    const QByteArray byte = contenuto(occidentale);
    const QString utf8 = percorso("Possidoria-dati-utf8");
    scriviFile(utf8, QStringDecoder("windows-1252").decode(byte).operator QString().toUtf8());
    QVERIFY(contenuto(utf8) != byte);

    riavvia();
    QVERIFY(ArchivioCausa::apriPercorso(causaViva(), utf8));
    QCOMPARE(causaViva().causa(), scritta);
    QCOMPARE(causa()->attore()->text(), QStringLiteral("Niccolò Ferrè"));
    riavvia();
    QVERIFY(ArchivioCausa::apriPercorso(causaViva(), occidentale));
    QCOMPARE(causaViva().causa(), scritta);
    QVERIFY(finta_->messaggi.mostrati.isEmpty());

    ArchivioCausa::apriPercorso(causaViva(), utf8);
    menu(causa(), "salva");
    QCOMPARE(contenuto(utf8), byte);
}

// Opening tells nothing per field: a stored "no proof" keeps the defendant's own date as the
// file has it, and no window is created for it.
void TstArchivioCausa::aperturaSenzaAvvisi()
{
    const QString file = percorso("dieci");
    scriviFile(file, "\"A\",\"B\",\"C\",\"D\",1\r\n\"8/12/70\",\"1/3/95\",1,1,1,1,1,1\r\n"
                     "\"10/1/80\",\"1/3/95\",10,1\r\n\"\",\"\",,\r\n\r\n\r\n\r\n\r\n\r\n");
    finta_->dialoghi.risposte.enqueue(file);
    causa()->apri_Click();
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    QVERIFY(!Finestre::caricata(QString::fromLatin1(FinestraDate::nomeDate)));
    QCOMPARE(causaViva().testi().ledateInizio, QStringLiteral("10/1/80"));
    QCOMPARE(causaViva().scelte().provaInizioDate, std::optional(ProvaCorta::Nessuna));
    FinestraDate* d = date(FinestraDate::nomeDate);
    QCOMPARE(d->blocco()->datainizio()->text(), QStringLiteral("10/1/80"));
    QCOMPARE(d->datin()->selezionato(), 10);
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
}

// A command that fails says why, naming the file, and changes neither the case nor the files.
void TstArchivioCausa::fallimenti_data()
{
    QTest::addColumn<int>("comando");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("dati");   // the file's bytes before; "-" for no file
    QTest::addColumn<QString>("nelMessaggio");
    // clang-format off
    QTest::newRow("apri: manca") << 0 << "assente" << QByteArray("-") << "assente";
    QTest::newRow("apri: record 2 guasto") << 0 << "guasto" << QByteArray("\"A\",\"B\",\"C\",\"D\",1\r\n\"x\",\"y\",1,9,1,1,1,1\r\n") << "guasto";
    QTest::newRow("apri: binario") << 0 << "binario" << QByteArray("\x00\xff\x01\"\r\n", 6) << "binario";
    // clang-format on
    QTest::newRow("apri: troncato dentro un numero")
        << 0 << "troncato"
        << QByteArray(
               "\"A\",\"B\",\"C\",\"D\",1\r\n\"8/12/70\",\"1/3/95\",1,1,1,1,1,1\r\n\"\",\"\",,\r\n\"\",\"\",,\r\n1")
        << "troncato»: il file è incompleto";
    // clang-format off
    QTest::newRow("apri: troppo grande") << 0 << "grande" << QByteArray(70 * 1024, 'a') << "grande";
    QTest::newRow("salva: cartella assente") << 1 << "manca/Possidoria-dati-x" << QByteArray("-") << "Possidoria-dati-x";
    QTest::newRow("elimina: manca") << 2 << "assente" << QByteArray("-") << "assente";
    QTest::newRow("elimina: cartella") << 2 << "sotto" << QByteArray("dir") << "sotto";
    // clang-format on
}

void TstArchivioCausa::fallimenti()
{
    QFETCH(int, comando);
    QFETCH(QString, nome);
    QFETCH(QByteArray, dati);
    QFETCH(QString, nelMessaggio);
    compilaCaso();
    const QString file = cartella_->filePath(nome);
    if (dati == "dir")
        QVERIFY(QDir().mkpath(file));
    else if (dati != "-")
        scriviFile(file, dati);
    causaViva().segnaSalvata(QString());
    const Causa prima = causaViva().causa();
    finta_->dialoghi.risposte.enqueue(file);
    switch (comando) {
    case 0: causa()->apri_Click(); break;
    case 1: causa()->salvanome_Click(); break;
    default: causa()->eliminare_click(); break;
    }
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY2(finta_->messaggi.ultimo().testo.contains(nelMessaggio), qPrintable(finta_->messaggi.ultimo().testo));
    QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Critico);
    QCOMPARE(causaViva().causa(), prima);
    if (dati == "dir")
        QVERIFY(QFileInfo(file).isDir());
    else
        QCOMPARE(contenuto(file), dati == "-" ? QByteArray("<assente>") : dati);
    // A file that could not be opened or written is not the case's file.
    QCOMPARE(causaViva().archivio(), QString());
}

// A write cut short by a file-size limit keeps the old archive whole and says so.
void TstArchivioCausa::scritturaInterrottaLasciaIlVecchio()
{
    compilaCaso();
    const QString file = percorso("Possidoria-dati-limite");
    scriviFile(file, "vecchio");
    causaViva().impostaArchivio(file);
    const auto vecchioSegnale = std::signal(SIGXFSZ, SIG_IGN);
    rlimit vecchio{};
    getrlimit(RLIMIT_FSIZE, &vecchio);
    rlimit limite = vecchio;
    limite.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
    menu(possesso(), "salva");
    setrlimit(RLIMIT_FSIZE, &vecchio);
    std::signal(SIGXFSZ, vecchioSegnale);
    QCOMPARE(finta_->dialoghi.aperti.size(), 0);
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    QVERIFY(finta_->messaggi.ultimo().testo.contains(QStringLiteral("Possidoria-dati-limite")));
    QCOMPARE(contenuto(file), QByteArray("vecchio"));
}

// A case is saved at any stage: what was typed and chosen so far reads back as it was, the
// questions not yet answered unanswered, and nothing is asked but the name.
void TstArchivioCausa::casoIncompletoSiSalva_data()
{
    QTest::addColumn<int>("fino");
    QTest::newRow("solo l'attore") << 0;
    QTest::newRow("testata senza tipo") << 1;
    QTest::newRow("testata completa, nessun possesso") << 2;
    QTest::newRow("possesso a metà") << 3;
}

void TstArchivioCausa::casoIncompletoSiSalva()
{
    QFETCH(int, fino);
    causa()->attore()->setText(QStringLiteral("Anna"));
    if (fino >= 1) {
        causa()->convenuto()->setText(QStringLiteral("Bruno"));
        causa()->bene()->setText(QStringLiteral("orto"));
    }
    if (fino >= 2)
        causa()->Option1()->seleziona(4);
    if (fino >= 3) {
        possesso()->datainizio()->setText(QStringLiteral("1/1/80"));
        for (int k = 1; k <= 3; ++k)
            possesso()->gruppo(k)->seleziona(1);
    }
    const Causa digitata = causaViva().causa();
    const QString file = percorso("Possidoria-dati-a-meta");
    finta_->dialoghi.risposte.enqueue(file);
    menu(Finestre::di<FinestraSentenza>(), "salva");
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    QVERIFY(!causaViva().modificata());
    causaViva().azzera();
    QVERIFY(ArchivioCausa::apriPercorso(causaViva(), file));
    QCOMPARE(causaViva().causa(), digitata);
    QCOMPARE(causa()->attore()->text(), QStringLiteral("Anna"));
    QCOMPARE(causa()->Option1()->selezionato(), fino >= 2 ? 4 : 0);
    QCOMPARE(possesso()->gruppo(4)->selezionato(), 0);
}

// Typed or pasted, a double quote never reaches the box, and the hint names it; every other
// character stays.
void TstArchivioCausa::testiNonArchiviabiliRifiutati()
{
    QLineEdit* attore = causa()->attore();
    attore->setFocus();
    QTest::keyClicks(attore, QStringLiteral("Ro\""));
    QCOMPARE(attore->text(), QStringLiteral("Ro"));
    QCOMPARE(causa()->passo()->text(), avvisoCarattereNonArchiviabile());
    causa()->show();
    QVERIFY(QTest::qWaitForWindowExposed(causa()));
    salvaImmagine(causa(), QStringLiteral("causa-carattere-rifiutato"));
    QTest::keyClicks(attore, QStringLiteral("sa"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" “Ω” Neri €"));
    attore->paste();
    QCOMPARE(attore->text(), QStringLiteral("Rosa “Ω” Neri €"));
    QCOMPARE(attore->cursorPosition(), attore->text().size());
    QVERIFY(testoArchiviabile(attore->text()));
    // Typed letters are kept, in the code page or not (keyClicks takes ASCII only).
    QTest::keyClicks(causa()->luogo(), QStringLiteral("Forl"));
    for (const QString& t : {QStringLiteral("ì"), QStringLiteral("Ω"), QStringLiteral("\"")}) {
        QKeyEvent tasto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, t);
        QApplication::sendEvent(causa()->luogo(), &tasto);
    }
    QCOMPARE(causa()->luogo()->text(), QStringLiteral("ForlìΩ"));
}

// A name beyond the Western code page, from an archive saved in UTF-8: a key typed in its box
// keeps it, "Salva" keeps it (the file in UTF-8), and it reads back as typed.
void TstArchivioCausa::testoOltreIlCodiceOccidentale()
{
    compilaCaso();
    causaViva().segnaSalvata(QString());
    Causa scritta = causaViva().causa();
    scritta.testi.attore = QStringLiteral("Łukasz Żółw");
    const QString file = percorso("Possidoria-dati-polacco");
    QByteArray byte = scriviArchivio(scritta);
    QVERIFY(byte.startsWith("\"\xC5\x81ukasz \xC5\xBB\xC3\xB3\xC5\x82w\""));
    scriviFile(file, byte);
    finta_->dialoghi.risposte.enqueue(file);
    causa()->apri_Click();
    QLineEdit* attore = causa()->attore();
    QCOMPARE(attore->text(), QStringLiteral("Łukasz Żółw"));
    attore->setFocus();
    attore->end(false);
    QTest::keyClicks(attore, QStringLiteral("x"));
    QCOMPARE(attore->text(), QStringLiteral("Łukasz Żółwx"));
    menu(causa(), "salva");
    QCOMPARE(finta_->messaggi.mostrati.size(), 0);
    const LetturaArchivio l = leggiFileArchivio(file);
    QVERIFY2(l.valido, qPrintable(l.errore));
    QCOMPARE(l.causa.testi.attore, QStringLiteral("Łukasz Żółwx"));
    QCOMPARE(l.causa.testi.convenuto, scritta.testi.convenuto);
}

// Every case window opens, saves and deletes through the header's commands, by menu and toolbar,
// creating the header when needed (toolbar buttons 1, 2, 3: open, save, delete); the two browsers only delete.
void TstArchivioCausa::comandiDaOgniFinestra_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<bool>("soloElimina");
    for (const char* nome : {"possesso", "ledate", "interruzione", "modo", "psiche", "provenienza", "fede", "acquisto",
                             "sentenza", "causa"})
        QTest::newRow(nome) << QString::fromLatin1(nome) << false;
    QTest::newRow("norme") << "norme" << true;
    QTest::newRow("massime") << "massime" << true;
}

void TstArchivioCausa::comandiDaOgniFinestra()
{
    QFETCH(QString, finestra);
    QFETCH(bool, soloElimina);
    auto* w = Finestre::finestra<FinestraLavoro>(finestra);
    QVERIFY(w);
    QCOMPARE(Finestre::caricata(QStringLiteral("causa")), finestra == QLatin1String("causa"));
    for (const char* voce : {"apri", "salva", "salvanome"})
        QCOMPARE(w->azione(QString::fromLatin1(voce))->isEnabled(), !soloElimina);
    QCOMPARE(w->azioneBarra(1)->isEnabled(), !soloElimina);
    QCOMPARE(w->azioneBarra(2)->isEnabled(), !soloElimina);

    const QString vittima = percorso("Possidoria-dati-da-eliminare");
    scriviFile(vittima, "x");
    causaViva().impostaArchivio(percorso("Possidoria-dati-corrente"));
    finta_->dialoghi.risposte.enqueue(vittima);
    finta_->messaggi.risposte.enqueue(Risposta::Si);
    w->azioneBarra(3)->trigger();
    QVERIFY(!QFile::exists(vittima));
    QCOMPARE(finta_->messaggi.mostrati.size(), 2);   // the question, then the news
    const DialogoRegistrato& d = finta_->dialoghi.aperti.last();
    QCOMPARE(d.tipo, QStringLiteral("apri"));
    QCOMPARE(d.titolo, titoloelimina);
    QCOMPARE(d.filtroIniziale, 2);
    QCOMPARE(d.filtri.value(1).schema.trimmed(), QStringLiteral("Possidoria-dati-*"));
    QVERIFY(QFileInfo(d.nomeIniziale).isDir());                               // a folder, no file chosen
    QCOMPARE(causaViva().archivio(), percorso("Possidoria-dati-corrente"));   // kept
    if (soloElimina)
        return;
    w->azioneBarra(1)->trigger();
    QCOMPARE(finta_->dialoghi.aperti.last().titolo, QStringLiteral("Apri file"));
    QCOMPARE(finta_->dialoghi.aperti.size(), 2);
    QVERIFY(Finestre::caricata(QStringLiteral("causa")));
}

// The delete dialog starts with no file chosen, not even the case's own; the chosen file goes
// only after a question whose default is No, and the user is told it is gone.
void TstArchivioCausa::eliminaChiedeEDice_data()
{
    QTest::addColumn<QList<Risposta>>("risposte");   // empty: Enter on the default button
    QTest::addColumn<bool>("eliminato");
    QTest::newRow("sì") << QList<Risposta>{Risposta::Si} << true;
    QTest::newRow("no") << QList<Risposta>{Risposta::No} << false;
    QTest::newRow("invio") << QList<Risposta>{} << false;
}

void TstArchivioCausa::eliminaChiedeEDice()
{
    QFETCH(QList<Risposta>, risposte);
    QFETCH(bool, eliminato);
    compilaCaso();
    const QString file = percorso("Possidoria-dati-rossi");
    scriviFile(file, "x");
    causaViva().impostaArchivio(file);
    finta_->dialoghi.risposte.enqueue(file);
    for (Risposta r : risposte)
        finta_->messaggi.risposte.enqueue(r);
    menu(possesso(), "eliminare");
    QCOMPARE(finta_->dialoghi.aperti.size(), 1);
    QVERIFY(finta_->dialoghi.aperti[0].nomeIniziale != file);
    QVERIFY(!QFileInfo(finta_->dialoghi.aperti[0].nomeIniziale).isFile());
    const MessaggioRegistrato domanda = finta_->messaggi.mostrati.value(0);
    QCOMPARE(domanda.testo, QStringLiteral("Eliminare definitivamente «Possidoria-dati-rossi»?"));
    QCOMPARE(domanda.icona, Icona::Domanda);
    QCOMPARE(domanda.pulsanti, Pulsanti::SiNo);
    QCOMPARE(domanda.predefinita, Risposta::No);
    QCOMPARE(QFile::exists(file), !eliminato);
    QCOMPARE(finta_->messaggi.mostrati.size(), eliminato ? 2 : 1);
    if (eliminato) {
        QCOMPARE(finta_->messaggi.ultimo().testo, QStringLiteral("Il file «Possidoria-dati-rossi» è stato eliminato."));
        QCOMPARE(finta_->messaggi.ultimo().icona, Icona::Informazione);
    }
    QCOMPARE(causaViva().archivio(), file);
}

// Open, save-as and delete start where the archives are: the folder of the case last opened or
// saved, else the documents folder; never the program's own folder, not even after an example.
void TstArchivioCausa::cartellaDeiDialoghi()
{
    const QString programma = QDir(cartellaProgramma()).canonicalPath();
    auto partenza = [this] { return QDir(finta_->dialoghi.aperti.last().nomeIniziale).canonicalPath(); };
    causa()->apri_Click();
    const QString prima = partenza();
    QVERIFY(!prima.isEmpty());
    QVERIFY(prima != programma);
    compilaCaso();
    const QString file = percorso("Possidoria-dati-salvato");
    finta_->dialoghi.risposte.enqueue(file);
    causa()->salvanome_Click();
    QVERIFY(QFile::exists(file));
    // A new case: the archives' folder, and a name from the parties with the prefix the program knows.
    const QFileInfo proposto(finta_->dialoghi.aperti.last().nomeIniziale);
    QCOMPARE(QDir(proposto.absolutePath()).canonicalPath(), prima);
    QCOMPARE(proposto.fileName(), QStringLiteral("Possidoria-dati-Niccolò-Ferrè-c-Società-l’Edera,-in-liquidazione"));
    const QString qui = QDir(cartella_->path()).canonicalPath();
    causa()->salvanome_Click();
    QCOMPARE(finta_->dialoghi.aperti.last().nomeIniziale, file);   // the current archive's name
    causa()->eliminare_click();
    QCOMPARE(partenza(), qui);
    // An example opened from the program's folder leaves the archives' folder as it was.
    QTemporaryDir esempi(programma + QStringLiteral("/esempi-prova-XXXXXX"));
    QVERIFY(esempi.isValid());
    const QString esempio = esempi.filePath(QStringLiteral("Possidoria-dati-esempio"));
    QVERIFY(QFile::copy(file, esempio));
    causa()->apriEsempio(esempio);
    QCOMPARE(causaViva().testi().attore, QStringLiteral("Niccolò Ferrè"));
    causa()->apri_Click();
    QCOMPARE(partenza(), qui);
}

QTEST_MAIN(TstArchivioCausa)
#include "tst_archiviocausa.moc"
