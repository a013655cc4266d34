// The case archive: the records written and read, the files behind them, texts the format
// cannot carry, and any input at all read without harm.
#include "core/archivio.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(Causa)

namespace {

// A whole case with accented letters, the typographic apostrophe, the euro sign, a comma inside a
// text and an interruption window never filled in.
Causa casoCompleto()
{
    Causa c;
    c.testi = {QStringLiteral("Niccolò Ferrè"),
               QStringLiteral("Società l’Edera, in liquidazione"),
               QStringLiteral("fondo rustico del valore di 150.000 €"),
               QStringLiteral("Città di Castello"),
               QStringLiteral("8/12/1980"),
               QStringLiteral("1/3/2005"),
               QStringLiteral("10/1/1981"),
               QStringLiteral("1/3/2005"),
               {},
               {}};
    DatiCausa& s = c.scelte;
    s.tipologia = Tipologia::ServituNonApparenti;
    s.interruzione = Interruzione::Nessuna, s.modo = Modo::PacificoPubblico, s.animo = Animo::DaTitolare;
    s.provenienza = Provenienza::Legittima, s.fede = Fede::Buona, s.titolo = Titolo::Mancante;
    s.provaInizioDate = ProvaCorta::Nessuna, s.provaFineDate = ProvaLunga::Transazioni;
    s.obiezioneModo = ProvaRequisito::ContrattiLocazione, s.obiezioneAnimo = ProvaRequisito::AttiDisposizione;
    s.obiezioneProvenienza = ProvaRequisito::Transazioni, s.obiezioneFede = ProvaRequisito::Donazioni;
    s.obiezioneTitolo = ProvaRequisito::AttiDisposizione;
    return c;
}

// Its file, byte by byte in Windows-1252 (ò F2, è E8, à E0, ’ 92, € 80).
const QByteArray record1 =
    QByteArrayLiteral("\"Niccol\xF2 Ferr\xE8\",\"Societ\xE0 l\x92"
                      "Edera, in liquidazione\","
                      "\"fondo rustico del valore di 150.000 \x80\",\"Citt\xE0 di Castello\",7\r\n");
const QByteArray record2 = QByteArrayLiteral("\"8/12/1980\",\"1/3/2005\",3,2,2,1,1,2\r\n");
const QByteArray record3 = QByteArrayLiteral("\"10/1/1981\",\"1/3/2005\",10,2\r\n");
const QByteArray record4 = QByteArrayLiteral("\"\",\"\",,\r\n");
const QByteArray obiezioni = QByteArrayLiteral("3\r\n1\r\n2\r\n4\r\n1\r\n");
// The nine records every version reads: a file written before the later facts were asked.
const QByteArray fileCompleto = record1 + record2 + record3 + record4 + obiezioni;
// The tenth, the later facts, none of them given.
const QByteArray fattiVuoti = QByteArrayLiteral("\"\",\"\",,,\r\n");

QString lettiComeTesto(const std::array<bool, 9>& letti)
{
    QString s;
    for (bool l : letti)
        s += l ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illeggibile>");
}

void scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(dati), dati.size());
}

// Runs f in a child process, so that a lowered identity or a file-size limit dies with it; the
// child's answer comes back through a pipe. Empty when the child did not finish normally.
std::optional<QByteArray> inFiglio(const std::function<QByteArray()>& f)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        close(tubo[0]);
        const QByteArray risposta = f();
        qsizetype fatto = 0;
        while (fatto < risposta.size()) {
            const ssize_t n = write(tubo[1], risposta.constData() + fatto, size_t(risposta.size() - fatto));
            if (n <= 0)
                _exit(2);
            fatto += n;
        }
        _exit(0);
    }
    close(tubo[1]);
    QByteArray risposta;
    char buf[512];
    ssize_t n;
    while ((n = read(tubo[0], buf, sizeof buf)) > 0)
        risposta.append(buf, n);
    close(tubo[0]);
    int stato = 0;
    waitpid(pid, &stato, 0);
    if (pid < 0 || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        return std::nullopt;
    return risposta;
}

// Permissions bind root only through its identity: a child running as root becomes "nobody".
bool diventaUtenteComune()
{
    if (geteuid() != 0)
        return true;
    return setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
}

QByteArray comeRisposta(const EsitoScrittura& e) { return (e.riuscita ? "1" : "0") + e.errore.toUtf8(); }

// Records 3..9 of a case emptied from record `da` on (1-based), as a short file leaves them.
Causa senzaRecordDa(Causa c, int da)
{
    TestiCausa& t = c.testi;
    DatiCausa& s = c.scelte;
    if (da <= 3)
        t.ledateInizio.clear(), t.ledateFine.clear(), s.provaInizioDate.reset(), s.provaFineDate.reset();
    if (da <= 4)
        t.interruzioneInizio.clear(), t.interruzioneFine.clear(), s.provaInizioInterruzione.reset(),
            s.provaFineInterruzione.reset();
    std::optional<ProvaRequisito>* obiez[] = {&s.obiezioneModo, &s.obiezioneAnimo, &s.obiezioneProvenienza,
                                              &s.obiezioneFede, &s.obiezioneTitolo};
    for (int r = std::max(da, 5); r <= 9; ++r)
        obiez[r - 5]->reset();
    return c;
}

// Every reading must hold these, whatever the input; returns what is wrong, or nothing.
QString difettoDiLettura(const QByteArray& dati, bool* valida = nullptr)
{
    const LetturaArchivio l = leggiArchivio(dati);
    if (valida)
        *valida = l.valido;
    if (!l.valido)
        return l.errore.isEmpty() ? QStringLiteral("refused without a reason") : QString();
    if (!l.errore.isEmpty() || !l.letti[0] || !l.letti[1] || !controlloPrimiRecord(l.causa.scelte).isEmpty())
        return QStringLiteral("accepted with records 1 and 2 not sound");
    if (testoNonArchiviabile(l.causa.testi))
        return {};   // a hand-made field such as ab"c: nothing to write back faithfully
    const QByteArray riscritto = scriviArchivio(l.causa);
    const LetturaArchivio diNuovo = leggiArchivio(riscritto);
    if (!diNuovo.valido || lettiComeTesto(diNuovo.letti) != QLatin1String("111111111") || !(diNuovo.causa == l.causa))
        return QStringLiteral("rewritten case reads back different: ")
               + QString::fromLatin1(riscritto.toPercentEncoding());
    if (scriviArchivio(diNuovo.causa) != riscritto)
        return QStringLiteral("second rewrite differs");
    return {};
}

}   // namespace

class TstArchivio : public QObject {
    Q_OBJECT

private slots:
    void scrittura_data()
    {
        QTest::addColumn<Causa>("causa");
        QTest::addColumn<QByteArray>("atteso");

        QTest::newRow("caso completo") << casoCompleto() << fileCompleto + fattiVuoti;

        // The later facts go after the nine records, which stay byte for byte what they were.
        Causa fatti = casoCompleto();
        fatti.testi.interruzioneInizio = QStringLiteral("1/2/1995");
        fatti.testi.interruzioneFine = QStringLiteral("3/4/1999");
        fatti.scelte.provaInizioInterruzione = ProvaLunga::AltriDocumenti;
        fatti.scelte.provaFineInterruzione = ProvaCorta::AttiDisposizione;
        fatti.testi.trascrizione = QStringLiteral("20/12/1980");
        fatti.testi.cessazioneVizio = QStringLiteral("1/1/1982");
        fatti.scelte.atto = AttoInterruttivo::DomandaGiudiziale;
        fatti.scelte.statoGiudizio = StatoGiudizio::Definito;
        fatti.scelte.recupero = Recupero::EntroLAnno;
        QTest::newRow("fatti successivi nel decimo record")
            << fatti
            << record1 + record2 + record3 + QByteArray("\"1/2/1995\",\"3/4/1999\",5,1\r\n") + obiezioni
                   + QByteArray("\"20/12/1980\",\"1/1/1982\",2,0,1\r\n");

        Causa senzaFede = casoCompleto();
        senzaFede.scelte.obiezioneFede.reset();
        QTest::newRow("buona fede senza risposta: ottava riga vuota")
            << senzaFede << record1 + record2 + record3 + record4 + QByteArray("3\r\n1\r\n2\r\n\r\n1\r\n") + fattiVuoti;

        Causa zeri = casoCompleto();
        zeri.scelte.obiezioneModo = ProvaRequisito::NonScelta;
        zeri.scelte.obiezioneTitolo = ProvaRequisito(-1);   // names no proof: kept as read
        zeri.scelte.provaInizioInterruzione = ProvaLunga::Transazioni;
        zeri.testi.interruzioneInizio = QStringLiteral("  3/4/1990 ");
        QTest::newRow("zero, negativo, spazi dentro le virgolette")
            << zeri
            << record1 + record2 + record3 + QByteArray("\"  3/4/1990 \",\"\",2,\r\n0\r\n1\r\n2\r\n4\r\n-1\r\n")
                   + fattiVuoti;

        // "NiccolÃ² FerrÃ¨" in Western bytes is "Niccolò Ferrè" in UTF-8: the byte 0xFF after the
        // first closing quote keeps the file from reading back as another name.
        Causa comeUtf8 = casoCompleto();
        comeUtf8.testi.attore = QStringLiteral("NiccolÃ² FerrÃ¨");
        comeUtf8.testi.convenuto = QStringLiteral("Edera");
        comeUtf8.testi.bene = QStringLiteral("fondo");
        comeUtf8.testi.luogo = QStringLiteral("Pisa");
        // One letter beyond the code page: the whole file in UTF-8, which reads back as it was.
        Causa polacco = casoCompleto();
        polacco.testi.attore = QStringLiteral("Łukasz Żółw");
        QTest::newRow("lettere oltre la codifica occidentale: tutto in UTF-8")
            << polacco
            << QStringDecoder("windows-1252")
                       .decode(fileCompleto)
                       .
                       operator QString()
                       .replace(QStringLiteral("Niccolò Ferrè"), QStringLiteral("Łukasz Żółw"))
                       .toUtf8()
                   + fattiVuoti;
        Causa rovesciato = casoCompleto();
        rovesciato.testi.luogo = QStringLiteral("Pisa\u202Eo\u200B");
        QTest::newRow("caratteri di formato conservati")
            << rovesciato
            << QStringDecoder("windows-1252")
                       .decode(fileCompleto)
                       .
                       operator QString()
                       .replace(QStringLiteral("Città di Castello"), rovesciato.testi.luogo)
                       .toUtf8()
                   + fattiVuoti;

        QTest::newRow("occidentale che passerebbe per UTF-8")
            << comeUtf8
            << QByteArray("\"Niccol\xC3\xB2 Ferr\xC3\xA8\"\xFF,\"Edera\",\"fondo\",\"Pisa\",7\r\n") + record2 + record3
                   + record4 + obiezioni + fattiVuoti;
    }
    void scrittura()
    {
        QFETCH(Causa, causa);
        QFETCH(QByteArray, atteso);
        QCOMPARE(scriviArchivio(causa), atteso);
        const LetturaArchivio l = leggiArchivio(atteso);
        QVERIFY2(l.valido, qPrintable(l.errore));
        QCOMPARE(lettiComeTesto(l.letti), QStringLiteral("111111111"));
        QVERIFY(l.causa == causa);
    }

    void lettura_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<QString>("letti");   // empty: refused
        QTest::addColumn<Causa>("atteso");
        QTest::addColumn<QString>("errore");

        const Causa caso = casoCompleto();
        QByteArray unaRiga = fileCompleto;
        unaRiga.replace(",7\r\n", ",7,");
        QTest::newRow("fine riga come virgola") << unaRiga << "111111111" << caso << "";
        QTest::newRow("campi uno per riga")
            << QByteArray(record1).replace("\",\"", "\"\r\n\"") + record2 + record3 + record4 + obiezioni << "111111111"
            << caso << "";
        QTest::newRow("LF soli e spazi iniziali")
            << QByteArray(fileCompleto).replace("\r\n", "\n  ").replace("\",\"", "\", \t\"") << "111111111" << caso
            << "";
        QTest::newRow("CR soli") << QByteArray(fileCompleto).replace("\r\n", "\r") << "111111111" << caso << "";
        QTest::newRow("resto dopo le virgolette ignorato")
            << QByteArray(fileCompleto).replace("\"1/3/2005\",3", "\"1/3/2005\"xyz ,3") << "111111111" << caso << "";
        QTest::newRow("numero con spazi finali")
            << QByteArray(fileCompleto).replace(",7\r\n", ", 7  \r\n") << "111111111" << caso << "";

        // Files of every version before the tenth record: its facts empty, the interruption's kind
        // left to its start proof.
        QTest::newRow("nove record e righe vuote dopo") << fileCompleto + "\r\n\r\n  \r\n"
                                                        << "111111111" << caso << "";
        Causa conFatti = caso;
        conFatti.testi.trascrizione = QStringLiteral("2/2/1981");
        conFatti.scelte.atto = AttoInterruttivo::Riconoscimento;
        QTest::newRow("decimo record") << fileCompleto + "\"2/2/1981\",\"\",3,,\r\n"
                                       << "111111111" << conFatti << "";
        Causa trascrizione = caso;
        trascrizione.testi.trascrizione = QStringLiteral("2/2/1981");
        QTest::newRow("decimo record con una scelta danneggiata: la data resta")
            << fileCompleto + "\"2/2/1981\",\"\",tre,,\r\n"
            << "111111111" << trascrizione << "";

        Causa senzaProva = caso;
        senzaProva.scelte.provaInizioDate.reset();
        QTest::newRow("record 3 con una scelta danneggiata: le date e l'altra prova restano")
            << record1 + record2 + "\"10/1/1981\",\"1/3/2005\",dieci,2\r\n" + record4 + obiezioni << "110111111"
            << senzaProva << "";
        Causa senzaModo = caso;
        senzaModo.scelte.obiezioneModo.reset();
        QTest::newRow("obiezione oltre 16 bit")
            << QByteArray(fileCompleto).replace("\r\n3\r\n", "\r\n70000\r\n") << "111101111" << senzaModo << "";
        Causa senzaPsiche = caso;
        senzaPsiche.scelte.obiezioneAnimo.reset();
        QTest::newRow("obiezione tra virgolette")
            << QByteArray(fileCompleto).replace("\r\n1\r\n2\r\n", "\r\n\"1\"\r\n2\r\n") << "111110111" << senzaPsiche
            << "";
        Causa fuoriScala = caso;
        fuoriScala.scelte.obiezioneProvenienza = ProvaRequisito::NonScelta;
        fuoriScala.scelte.obiezioneFede = ProvaRequisito(99);
        QTest::newRow("scelte che non nominano un pulsante: lette lo stesso")
            << QByteArray(fileCompleto).replace("\r\n2\r\n4\r\n", "\r\n0\r\n99\r\n") << "111111111" << fuoriScala << "";

        // A case saved half-way: an unanswered type or requirement reads back unanswered.
        Causa senzaTipo = caso;
        senzaTipo.scelte.tipologia.reset();
        QTest::newRow("tipo non ancora scelto")
            << QByteArray(fileCompleto).replace(",7\r\n", ",\r\n") << "111111111" << senzaTipo << "";
        Causa senzaFede = caso;
        senzaFede.scelte.fede.reset();
        QTest::newRow("fede non ancora scelta")
            << QByteArray(fileCompleto).replace(",3,2,2,1,1,2", ",3,2,2,1,,2") << "111111111" << senzaFede << "";
        Causa soloAttore;
        soloAttore.testi.attore = QStringLiteral("Rossi");
        QTest::newRow("solo l'attore") << scriviArchivio(soloAttore) << "111111111" << soloAttore << "";

        // The same case saved again as UTF-8 by a text editor, with or without a byte-order mark.
        const QByteArray inUtf8 = QStringDecoder("windows-1252").decode(fileCompleto).operator QString().toUtf8();
        QVERIFY(inUtf8 != fileCompleto && inUtf8.contains("Niccol\xC3\xB2"));
        QTest::newRow("salvato in UTF-8 da un editor") << inUtf8 << "111111111" << caso << "";
        QTest::newRow("UTF-8 con segno d'ordine") << "\xEF\xBB\xBF" + inUtf8 << "111111111" << caso << "";
        QTest::newRow("UTF-8 guastato da un byte occidentale: tutto occidentale")
            << QByteArray(inUtf8).replace("\xC3\xA0 di Castello", "\xE0 di Castello") << "111111111" <<
            [&] {
                Causa c = caso;
                for (QString* t : {&c.testi.attore, &c.testi.convenuto, &c.testi.bene})
                    *t = QStringDecoder("windows-1252").decode(t->toUtf8());
                return c;
            }()
            << "";

        QByteArray alLimite = fileCompleto;
        alLimite.append(Archivio::dimensioneMassima - alLimite.size(), ' ');
        QTest::newRow("esattamente 64 KiB") << alLimite << "111111111" << caso << "";

        const auto rifiuto = [&](const char* nome, const QByteArray& dati, const char* errore) {
            QTest::newRow(nome) << dati << QString() << Causa{} << QString::fromUtf8(errore);
        };
        rifiuto("vuoto", "", "il file è vuoto");
        rifiuto("un byte oltre 64 KiB", alLimite + ' ', "troppo grande");
        rifiuto("NUL", QByteArray(fileCompleto).replace("Castello", QByteArray("Cas\0tello", 9)), "dati binari");
        rifiuto("tipo non numerico", QByteArray(fileCompleto).replace(",7\r\n", ",sette\r\n"),
                "nei dati della causa il campo 5 non è un numero");
        rifiuto("tipo tra virgolette", QByteArray(fileCompleto).replace(",7\r\n", ",\"7\"\r\n"), "non è un numero");
        rifiuto("tipo decimale", QByteArray(fileCompleto).replace(",7\r\n", ",7.5\r\n"), "non è un numero");
        rifiuto("tipo zero", QByteArray(fileCompleto).replace(",7\r\n", ",0\r\n"), "tipo di causa");
        rifiuto("tipo 13", QByteArray(fileCompleto).replace(",7\r\n", ",13\r\n"), "tipo di causa");
        rifiuto("interruzione 4", QByteArray(fileCompleto).replace(",3,2,2,1,1,2", ",4,2,2,1,1,2"), "possesso");
        rifiuto("acquisto 3", QByteArray(fileCompleto).replace(",3,2,2,1,1,2", ",3,2,2,1,1,3"), "possesso");
        rifiuto("modo non numerico", QByteArray(fileCompleto).replace(",3,2,2,1,1,2", ",3,x,2,1,1,2"),
                "nei dati sul possesso il campo 4 non è un numero");
        rifiuto("record 2 incompleto", record1 + "\"8/12/1980\",\"1/3/2005\",3,2,2,1,1\r\n",
                "mancano i dati sul possesso");
        rifiuto("solo il record 1", record1, "mancano i dati sul possesso");
        rifiuto("virgolette mai chiuse", "\"Niccol\xF2,7\r\nx,y,1,1,1\r\n", "mancano i dati della causa");
        rifiuto("testo qualsiasi", "Caro amico, ti scrivo\r\n", "mancano i dati della causa");
        // A cut file is never read as a shorter case: a number cut short is another choice.
        const char* const troncato = "il file è incompleto: si interrompe a metà di una riga";
        rifiuto("ultima riga senza a capo", fileCompleto.chopped(2), troncato);
        rifiuto("obiezione 12 troncata a 1", record1 + record2 + record3 + record4 + "1", troncato);
        rifiuto("interrotto dentro il decimo record", fileCompleto + "\"2/2/1981\",\"\",3", troncato);
        rifiuto("interrotto dentro il record 3", record1 + record2 + "\"10/1/1981\",\"1/3", troncato);
        rifiuto("record 3 a metà, un campo per riga", record1 + record2 + "\"10/1/1981\"\r\n", troncato);
        rifiuto("virgola in fondo apre un campo vuoto", record1 + record2 + record3 + record4 + "3,", troncato);
        rifiuto("record 2 senza a capo", record1 + record2.chopped(2),
                "il file è incompleto: mancano i dati sul possesso");
        // Nine records or a cut file: missing objections would read as never raised.
        rifiuto("solo i record 1 e 2", record1 + record2, "il file è incompleto: finisce dopo 2 delle nove righe");
        rifiuto("fino al record 6", record1 + record2 + record3 + record4 + "3\r\n1\r\n",
                "il file è incompleto: finisce dopo 6 delle nove righe");
        rifiuto("manca solo la nona riga, vuota", record1 + record2 + record3 + record4 + "3\r\n1\r\n2\r\n\r\n",
                "finisce dopo 8 delle nove righe");
    }
    // The content rule that finds an archive under any name: every archive the program writes, even
    // of a case barely begun, and nothing else.
    void riconoscimentoDalContenuto()
    {
        Causa quasiVuota;
        quasiVuota.testi.attore = QStringLiteral("Rossi");
        QVERIFY(sembraArchivio(QByteArrayView(scriviArchivio(quasiVuota))));
        QVERIFY(sembraArchivio(QByteArrayView(scriviArchivio(Causa{}))));
        for (const char* altro :
             {"", "Caro amico, ti scrivo\r\n", "\"solo una riga\"\r\n", "\"a\",\"b\" senza altre righe"})
            QVERIFY2(!sembraArchivio(QByteArrayView(altro)), altro);
        QVERIFY(!sembraArchivio(QStringLiteral("/percorso/che/non/esiste")));
    }

    void lettura()
    {
        QFETCH(QByteArray, dati);
        QFETCH(QString, letti);
        QFETCH(Causa, atteso);
        QFETCH(QString, errore);
        const LetturaArchivio l = leggiArchivio(dati);
        if (letti.isEmpty()) {
            QVERIFY(!l.valido);
            QVERIFY2(l.errore.contains(errore), qPrintable(l.errore));
            return;
        }
        QVERIFY2(l.valido, qPrintable(l.errore));
        QVERIFY(l.errore.isEmpty());
        QCOMPARE(lettiComeTesto(l.letti), letti);
        QVERIFY2(l.causa == atteso, scriviArchivio(l.causa).constData());
        // Every record not read whole is told, by its line; a whole file tells nothing (the tenth
        // record aside, which letti does not cover).
        for (int i = 0; i < letti.size(); ++i)
            if (letti[i] == QLatin1Char('0'))
                QVERIFY2(l.avvisi.join(QLatin1Char(' ')).contains(QStringLiteral("nella riga %1 ").arg(i + 1)),
                         qPrintable(l.avvisi.join(QLatin1Char(' '))));
        if (!letti.contains(QLatin1Char('0')) && !QByteArray(QTest::currentDataTag()).contains("decimo"))
            QVERIFY2(l.avvisi.isEmpty(), qPrintable(l.avvisi.join(QLatin1Char(' '))));
    }

    // A choice that is no number, in any record after the first two, costs that answer alone, told
    // by line and field; a number naming no option, and a text beyond Windows-1252 in any field,
    // go round the file unchanged; and so do records a newer version wrote after the tenth.
    void ogniCampo()
    {
        Causa base = casoCompleto();
        base.testi.convenuto = QStringLiteral("Società l’Edera");
        base.testi.interruzioneInizio = QStringLiteral("1/1/1990"),
        base.testi.interruzioneFine = QStringLiteral("1/6/1990");
        base.testi.trascrizione = QStringLiteral("2/2/1981"), base.testi.cessazioneVizio = QStringLiteral("3/3/1982");
        base.scelte.provaInizioInterruzione = ProvaLunga::Testimoni,
        base.scelte.provaFineInterruzione = ProvaCorta::Presunzioni;
        base.scelte.atto = AttoInterruttivo::DomandaGiudiziale, base.scelte.statoGiudizio = StatoGiudizio::Estinto;
        base.scelte.recupero = Recupero::EntroLAnno;
        const QByteArray lodz = QStringLiteral("Łódź").toUtf8();
        const QList<QByteArray> righe = scriviArchivio(base).split('\n');
        QCOMPARE(righe.size(), 11);   // ten records, and nothing after the last line end
        int campiSceltaProvati = 0, testiProvati = 0;
        for (int r = 0; r < 10; ++r) {
            const QList<QByteArray> campi = righe[r].chopped(1).split(',');
            for (int k = 0; k < campi.size(); ++k) {
                const auto conCampo = [&](const QByteArray& valore) {
                    QList<QByteArray> nuove = righe;
                    QList<QByteArray> c = campi;
                    c[k] = valore;
                    nuove[r] = c.join(',') + '\r';
                    return nuove.join('\n');
                };
                const QString dove = QStringLiteral("riga %1, campo %2").arg(r + 1).arg(k + 1);
                if (campi[k].startsWith('"')) {
                    // A text beyond the code page: the whole file in UTF-8, this text read back whole.
                    LetturaArchivio l = leggiArchivio(conCampo('"' + lodz + '"'));
                    QVERIFY2(l.valido && l.avvisi.isEmpty(), qPrintable(dove + l.errore));
                    const QByteArray riscritto = scriviArchivio(l.causa);
                    QVERIFY2(riscritto.contains('"' + lodz + '"') && !riscritto.contains('\x1A'), qPrintable(dove));
                    QVERIFY2(leggiArchivio(riscritto).causa == l.causa, qPrintable(dove));
                    ++testiProvati;
                    continue;
                }
                if (r < 2)
                    continue;   // records 1 and 2 refuse a file whose choice names no option
                ++campiSceltaProvati;
                // Out of range: kept as read, written back the same.
                const LetturaArchivio fuori = leggiArchivio(conCampo("99"));
                QVERIFY2(fuori.valido && fuori.avvisi.isEmpty(), qPrintable(dove));
                QVERIFY2(scriviArchivio(fuori.causa) == conCampo("99"), qPrintable(dove));
                // Not a number: only that answer is lost, and the line and field are named.
                const LetturaArchivio guasta = leggiArchivio(conCampo("nove"));
                QVERIFY2(guasta.valido, qPrintable(dove + guasta.errore));
                QCOMPARE(guasta.avvisi.size(), 1);
                QVERIFY2(guasta.avvisi[0].contains(QStringLiteral("nella riga %1 il campo %2 ").arg(r + 1).arg(k + 1)),
                         qPrintable(guasta.avvisi[0]));
                QVERIFY2(scriviArchivio(guasta.causa) == conCampo(""), qPrintable(dove));
            }
        }
        QCOMPARE(testiProvati, 12);
        QCOMPARE(campiSceltaProvati, 12);

        // A newer version's eleventh and twelfth records survive a read and a write, in its encoding.
        for (const QByteArray& seguenti : {QByteArray("\"altro\",1\r\n7\r\n"), QByteArray("\"Łódź\",2\r\n")}) {
            const QByteArray file = righe.join('\n') + seguenti;
            const LetturaArchivio l = leggiArchivio(file);
            QVERIFY2(l.valido, qPrintable(l.errore));
            QCOMPARE(l.causa.testi, base.testi);
            QVERIFY(scriviArchivio(l.causa).endsWith(seguenti));
            QVERIFY(leggiArchivio(scriviArchivio(l.causa)).causa == l.causa);
        }
    }

    // A file cut anywhere is refused, after a record's line end as inside a record; only the whole
    // file reads, as written.
    void ogniTroncamento()
    {
        QList<qsizetype> fineRecord;
        for (qsizetype i = fileCompleto.indexOf("\r\n"); i >= 0; i = fileCompleto.indexOf("\r\n", i + 1))
            fineRecord << i + 2;
        QCOMPARE(fineRecord.size(), 9);
        for (qsizetype n = 0; n <= fileCompleto.size(); ++n) {
            const LetturaArchivio l = leggiArchivio(fileCompleto.left(n));
            // Records whole before the cut (a CR alone ends a line too); 0 when the cut is inside one.
            const int interi = int(fineRecord.indexOf(n > 0 && fileCompleto[n - 1] == '\r' ? n + 1 : n)) + 1;
            const QString dove =
                QStringLiteral("cut after %1 bytes (%2 records whole): %3").arg(n).arg(interi).arg(l.errore);
            if (interi < 9) {
                QVERIFY2(!l.valido
                             && l.errore.startsWith(n ? QStringLiteral("il file è incompleto")
                                                      : QStringLiteral("il file è vuoto")),
                         qPrintable(dove));
                continue;
            }
            QVERIFY2(l.valido, qPrintable(dove));
            QCOMPARE(lettiComeTesto(l.letti),
                     QString(interi, QLatin1Char('1')) + QString(9 - interi, QLatin1Char('0')));
            QVERIFY2(l.causa == senzaRecordDa(casoCompleto(), interi + 1), qPrintable(dove));
        }
    }

    // Whatever a written case holds, it reads back the same; and no input, however mangled, harms
    // the reader or yields a case that writes back differently.
    void ingressiCasuali()
    {
        QRandomGenerator caso(20261210);
        const QString alfabeto = QStringLiteral("abcXYZ 0123456789,.;:'’€àèéìòùÀÈ°«»“”\t\r\n-/");
        const auto testo = [&] {
            QString s;
            const int n = caso.bounded(0, 30);
            for (int i = 0; i < n; ++i)
                s += caso.bounded(4) ? alfabeto.at(caso.bounded(alfabeto.size()))
                                     : QChar(char16_t(caso.bounded(1, 256)));
            return soloCaratteriArchiviabili(s);
        };
        const auto scelta = [&](int massimo) -> Scelta {
            switch (caso.bounded(4)) {
            case 0: return std::nullopt;
            case 1: return qint16(caso.bounded(-32768, 32768));
            default: return qint16(caso.bounded(0, massimo + 1));
            }
        };
        const auto causaCasuale = [&] {
            Causa c;
            TestiCausa& t = c.testi;
            for (QString* s : {&t.attore, &t.convenuto, &t.bene, &t.luogo, &t.possessoInizio, &t.possessoFine,
                               &t.ledateInizio, &t.ledateFine, &t.interruzioneInizio, &t.interruzioneFine})
                *s = testo();
            DatiCausa& d = c.scelte;
            // Any number in the answers of records 3..9, as an archive may hold them.
            using D = DatiCausa;
            d.tipologia = Tipologia(caso.bounded(1, 13));
            const CampoRisposta possesso[] = {
                CampoRisposta::di<&D::interruzione>(), CampoRisposta::di<&D::modo>(), CampoRisposta::di<&D::animo>(),
                CampoRisposta::di<&D::provenienza>(),  CampoRisposta::di<&D::fede>(), CampoRisposta::di<&D::titolo>()};
            for (size_t i = 0; i < 6; ++i)
                possesso[i].imposta(d, qint16(caso.bounded(1, Archivio::pulsantiPossesso[i] + 1)));
            for (const CampoRisposta& r :
                 {CampoRisposta::di<&D::provaInizioDate>(), CampoRisposta::di<&D::provaFineDate>(),
                  CampoRisposta::di<&D::provaInizioInterruzione>(), CampoRisposta::di<&D::provaFineInterruzione>(),
                  CampoRisposta::di<&D::obiezioneModo>(), CampoRisposta::di<&D::obiezioneAnimo>(),
                  CampoRisposta::di<&D::obiezioneProvenienza>(), CampoRisposta::di<&D::obiezioneFede>(),
                  CampoRisposta::di<&D::obiezioneTitolo>()})
                r.imposta(d, scelta(12));
            return c;
        };

        for (int i = 0; i < 2000; ++i) {
            const Causa c = causaCasuale();
            const LetturaArchivio l = leggiArchivio(scriviArchivio(c));
            QVERIFY2(l.valido && lettiComeTesto(l.letti) == QLatin1String("111111111") && l.causa == c,
                     scriviArchivio(c).toPercentEncoding().constData());
        }

        const QByteArray strutturali("\",\r\n 0123456789-a\xE0\x80");
        int validi = 0;
        for (int i = 0; i < 30000; ++i) {
            QByteArray dati;
            switch (i % 3) {
            case 0: {   // a written case, mangled a few times
                dati = scriviArchivio(causaCasuale());
                for (int m = caso.bounded(1, 5); m > 0 && !dati.isEmpty(); --m) {
                    const int p = caso.bounded(int(dati.size()));
                    switch (caso.bounded(5)) {
                    case 0: dati[p] = char(caso.bounded(256)); break;
                    case 1: dati.remove(p, caso.bounded(1, 8)); break;
                    case 2: dati.insert(p, strutturali.at(caso.bounded(int(strutturali.size())))); break;
                    case 3: dati.insert(p, dati.mid(caso.bounded(int(dati.size())), caso.bounded(1, 20))); break;
                    default: dati.truncate(p); break;
                    }
                }
                break;
            }
            case 1:   // noise made of the characters that shape a file
                for (int n = caso.bounded(0, 200); n > 0; --n)
                    dati += strutturali.at(caso.bounded(int(strutturali.size())));
                break;
            default:   // any bytes at all
                dati.resize(caso.bounded(0, 300));
                for (char& b : dati)
                    b = char(caso.bounded(256));
                break;
            }
            bool valida = false;
            const QString difetto = difettoDiLettura(dati, &valida);
            QVERIFY2(difetto.isEmpty(),
                     qPrintable(difetto + QStringLiteral(" <- ") + QString::fromLatin1(dati.toPercentEncoding())));
            validi += valida;
        }
        // The mangled files must reach the accepting paths often enough to mean something.
        QVERIFY2(validi > 1000, qPrintable(QString::number(validi)));
    }

    void testi_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("ripulito");   // equal to testo when the archive can carry it
        QTest::addColumn<QString>("nome");       // the first character refused, as a message names it

        const auto riga = [](const char* nome, const QString& t, const QString& r, const QString& n = {}) {
            QTest::newRow(nome) << t << r << n;
        };
        riga("lettere accentate", QStringLiteral("àèéìòù ÀÈÉ çñ"), QStringLiteral("àèéìòù ÀÈÉ çñ"));
        riga("apostrofo tipografico, euro, virgolette tipografiche", QStringLiteral("l’€ “così”"),
             QStringLiteral("l’€ “così”"));
        riga("virgola, a capo, tabulazione", QStringLiteral("a,b\r\nc\td"), QStringLiteral("a,b\r\nc\td"));
        riga("virgolette doppie", QStringLiteral("Mario \"il Rosso\""), QStringLiteral("Mario il Rosso"),
             QStringLiteral("le virgolette doppie (\")"));
        riga("NUL", QString(QChar(0)) + QStringLiteral("x"), QStringLiteral("x"),
             QStringLiteral("il carattere nullo (U+0000)"));
        riga("surrogato isolato", QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b"), QStringLiteral("ab"),
             QStringLiteral("un carattere incompleto (U+D800, metà di una coppia)"));
        riga("surrogato basso isolato in fondo", QStringLiteral("a") + QChar(0xDC00), QStringLiteral("a"),
             QStringLiteral("un carattere incompleto (U+DC00, metà di una coppia)"));
        // Beyond the code page, kept: the file is then written in UTF-8.
        riga("lettere polacche", QStringLiteral("Łukasz Żółw"), QStringLiteral("Łukasz Żółw"));
        riga("emoji, una coppia di surrogati", QStringLiteral("casa 🏠!"), QStringLiteral("casa 🏠!"));
        riga("ideogrammi", QStringLiteral("東京"), QStringLiteral("東京"));
        riga("carattere di sostituzione", QStringLiteral("a\uFFFDb"), QStringLiteral("a\uFFFDb"));
    }
    void testi()
    {
        QFETCH(QString, testo);
        QFETCH(QString, ripulito);
        QFETCH(QString, nome);
        QCOMPARE(testoArchiviabile(testo), testo == ripulito);
        const std::optional<char32_t> rifiutato = carattereNonArchiviabile(testo);
        QCOMPARE(rifiutato ? nomeCarattere(*rifiutato) : QString(), nome);
        QCOMPARE(soloCaratteriArchiviabili(testo), ripulito);
        QVERIFY(testoArchiviabile(ripulito));
    }

    void fileSalvatoERiletto()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("Possidoria-dati-Ferrè"));
        scrivi(percorso, QByteArray("un archivio precedente, più lungo di quello nuovo ").repeated(20));
        const EsitoScrittura e = salvaFileArchivio(percorso, casoCompleto());
        QVERIFY2(e.riuscita && e.errore.isEmpty(), qPrintable(e.errore));
        QCOMPARE(contenuto(percorso), fileCompleto + fattiVuoti);
        const LetturaArchivio l = leggiFileArchivio(percorso);
        QVERIFY2(l.valido, qPrintable(l.errore));
        QVERIFY(l.causa == casoCompleto());
    }

    // A case read from a file near the size limit may write back past it: saved, it could never
    // be opened again, so it is refused and the file on disk stays as it was.
    void troppoGrandePerRiaprirsi()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("Possidoria-dati-lungo"));
        scrivi(percorso, fileCompleto);
        Causa lungo = casoCompleto();
        lungo.testi.bene = QString(Archivio::dimensioneMassima - 20, QLatin1Char('N'));
        QVERIFY(scriviArchivio(lungo).size() > Archivio::dimensioneMassima);
        const EsitoScrittura e = salvaFileArchivio(percorso, lungo);
        QVERIFY(!e.riuscita);
        QVERIFY2(e.errore.contains(QStringLiteral("non si potrebbe riaprire")), qPrintable(e.errore));
        QCOMPARE(contenuto(percorso), fileCompleto);
    }

    void fileNonLetto_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("mancante") << "nessuno" << QByteArray() << "il file non esiste";
        QTest::newRow("nome non UTF-8") << "non utf8" << fileCompleto << "il nome del file non è scritto in UTF-8";
        QTest::newRow("nome con U+FFFD che non esiste") << "sostituto" << QByteArray() << "il file non esiste";
        QTest::newRow("cartella") << "cartella" << QByteArray() << "non è un file";
        QTest::newRow("dispositivo") << "/dev/zero" << QByteArray() << "non è un file";
        QTest::newRow("troppo grande") << "file" << QByteArray(200 * 1024, 'x') << "troppo grande";
        QTest::newRow("vuoto") << "file" << QByteArray() << "il file è vuoto";
        QTest::newRow("danneggiato") << "file" << record1 + "\"a\",\"b\",x,1,1,1,1,1\r\n" << "il file è danneggiato";
        QTest::newRow("binario") << "file" << QByteArray::fromHex("7f454c460201010000000000") << "dati binari";
        QTest::newRow("illeggibile") << "illeggibile" << fileCompleto << "non si hanno i permessi per leggere il file";
        QTest::newRow("coda (FIFO) senza scrittori: nessuna attesa") << "coda" << QByteArray() << "non è un file ma una coda (FIFO)";
        // clang-format on
        QTest::newRow("cartella che non si può attraversare")
            << "chiusa" << fileCompleto << "non si hanno i permessi per entrare nella cartella che contiene il file";
    }
    void fileNonLetto()
    {
        QFETCH(QString, tipo);
        QFETCH(QByteArray, dati);
        QFETCH(QString, motivo);
        QTemporaryDir dir;
        QString percorso = dir.filePath(QStringLiteral("Possidoria-dati-prova"));
        QString errore;
        QByteArray daTogliere;
        if (tipo == QLatin1String("cartella")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Possidoria-dati-prova")));
        } else if (tipo.startsWith('/')) {
            percorso = tipo;
        } else if (tipo == QLatin1String("coda")) {
            QVERIFY(mkfifo(QFile::encodeName(percorso).constData(), 0666) == 0);
        } else if (tipo == QLatin1String("non utf8") || tipo == QLatin1String("sostituto")) {
            // A name in Latin-1 bytes, as the program receives it (the byte 0xE8 as U+FFFD).
            const QByteArray grezzo = QFile::encodeName(dir.path()) + "/Possidoria-dati-Ferr\xE8";
            if (tipo == QLatin1String("non utf8")) {
                const int fd = ::open(grezzo.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                QVERIFY(fd >= 0);
                daTogliere = grezzo;   // a name QTemporaryDir cannot remove
                QCOMPARE(::write(fd, dati.constData(), size_t(dati.size())), ssize_t(dati.size()));
                ::close(fd);
            }
            percorso = QFile::decodeName(grezzo);
            QVERIFY(percorso.contains(QChar(0xFFFD)));
        } else if (tipo != QLatin1String("nessuno")) {
            scrivi(percorso, dati);
        }
        if (tipo == QLatin1String("illeggibile") || tipo == QLatin1String("chiusa")) {
            QFile::setPermissions(dir.path(),
                                  tipo == QLatin1String("chiusa")
                                      ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                            | QFile::ExeOther);
            if (tipo == QLatin1String("illeggibile"))
                QFile::setPermissions(percorso, QFile::WriteOwner);
            const auto risposta = inFiglio(
                [&] { return diventaUtenteComune() ? leggiFileArchivio(percorso).errore.toUtf8() : QByteArray("!"); });
            QVERIFY(risposta && *risposta != "!");
            errore = QString::fromUtf8(*risposta);
        } else {
            const LetturaArchivio l = leggiFileArchivio(percorso);
            QVERIFY(!l.valido);
            errore = l.errore;
        }
        if (!daTogliere.isEmpty())
            ::unlink(daTogliere.constData());
        const QString inizio =
            QStringLiteral("Impossibile aprire l'archivio «%1»: ").arg(QDir::toNativeSeparators(percorso));
        QVERIFY2(errore.startsWith(inizio) && errore.contains(motivo) && errore.endsWith('.'), qPrintable(errore));
    }

    // A name that leads to a pipe or a device, directly or through a link, is never replaced by a
    // file (as root, "Salva con nome" onto /dev/null would replace the system's).
    void salvataggioSuNonFile_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<bool>("collegamento");
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("coda (FIFO)") << "coda" << false << "il nome indica una coda (FIFO), non un file";
        QTest::newRow("collegamento a una coda") << "coda" << true << "il nome indica una coda (FIFO), non un file";
        QTest::newRow("dispositivo") << "dispositivo" << false << "il nome indica un dispositivo, non un file";
        QTest::newRow("collegamento a un dispositivo") << "dispositivo" << true << "il nome indica un dispositivo, non un file";
        // clang-format on
    }
    void salvataggioSuNonFile()
    {
        QFETCH(QString, tipo);
        QFETCH(bool, collegamento);
        QFETCH(QString, motivo);
        QTemporaryDir tmp;
        const QByteArray speciale = QFile::encodeName(tmp.filePath(QStringLiteral("speciale")));
        if (tipo == QLatin1String("coda"))
            QVERIFY(mkfifo(speciale.constData(), 0666) == 0);
        else if (mknod(speciale.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)   // the null device's numbers
            QSKIP("device nodes cannot be made here");
        struct stat prima {};
        QVERIFY(stat(speciale.constData(), &prima) == 0);
        QString bersaglio = QFile::decodeName(speciale);
        if (collegamento) {
            bersaglio = tmp.filePath(QStringLiteral("Possidoria-dati-collegamento"));
            QVERIFY(QFile::link(QFile::decodeName(speciale), bersaglio));
        }

        const EsitoScrittura esito = salvaFileArchivio(bersaglio, casoCompleto());
        QVERIFY(!esito.riuscita);
        QVERIFY2(esito.errore.contains(motivo), qPrintable(esito.errore));
        struct stat dopo {};
        QVERIFY(stat(speciale.constData(), &dopo) == 0);
        QCOMPARE(dopo.st_mode, prima.st_mode);
        QCOMPARE(dopo.st_rdev, prima.st_rdev);
        QCOMPARE(dopo.st_ino, prima.st_ino);
        if (collegamento)
            QCOMPARE(QFileInfo(bersaglio).symLinkTarget(), QFile::decodeName(speciale));
        QStringList attesi{QStringLiteral("speciale")};
        if (collegamento)
            attesi.prepend(QStringLiteral("Possidoria-dati-collegamento"));
        QCOMPARE(QDir(tmp.path())
                     .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 attesi);
    }

    // A save that fails says why and leaves the old archive as it was, with no leftovers beside it.
    void salvataggioFallito_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("motivo");
        // clang-format off
        QTest::newRow("cartella in sola lettura") << "cartella" << "non si hanno i permessi per scrivere nella cartella";
        QTest::newRow("file in sola lettura") << "file" << "il file è protetto dalla scrittura";
        QTest::newRow("scrittura interrotta da un limite di dimensione") << "limite" << "la scrittura non è stata completata";
        QTest::newRow("cartella mancante") << "mancante" << "la cartella non esiste";
        QTest::newRow("nome di una cartella") << "nome cartella" << "il nome indica una cartella";
        // clang-format on
        QTest::newRow("testo con virgolette doppie")
            << "virgolette"
            << "il testo «Mario \"il Rosso\"» contiene le virgolette doppie (\"), che l'archivio non può registrare";
        QTest::newRow("nuovo file oltre il limite: nessun file precedente")
            << "limite, nuovo"
            << "la scrittura non è stata completata (il file supererebbe la dimensione massima "
               "consentita); il file non è stato creato.";
        QTest::newRow("cartella condivisa, file di un altro utente")
            << "condivisa"
            << "la cartella è condivisa e solo il proprietario del file può sostituirlo";
        QTest::newRow("cartella che non si può attraversare")
            << "chiusa"
            << "non si hanno i permessi per entrare nella cartella che contiene il file";
    }
    void salvataggioFallito()
    {
        QFETCH(QString, caso);
        QFETCH(QString, motivo);
        QTemporaryDir tmp;
        const QString cartella = tmp.filePath(QStringLiteral("archivi"));
        QVERIFY(QDir().mkpath(cartella));
        const QString vecchio = cartella + QStringLiteral("/Possidoria-dati-causa");
        const QByteArray vecchioContenuto = record1 + record2;
        scrivi(vecchio, vecchioContenuto);
        QString bersaglio = vecchio;
        Causa causa = casoCompleto();
        const auto tutti = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

        EsitoScrittura esito;
        const bool limite = caso.startsWith(QLatin1String("limite"));
        if (caso == QLatin1String("limite, nuovo"))
            bersaglio = cartella + QStringLiteral("/Possidoria-dati-nuovo");
        if (caso == QLatin1String("cartella") || caso == QLatin1String("file") || limite
            || caso == QLatin1String("condivisa") || caso == QLatin1String("chiusa")) {
            // Only root can leave a file to another user in a shared folder.
            if (caso == QLatin1String("condivisa") && geteuid() != 0)
                QSKIP("needs root to hand the file to another user");
            QFile::setPermissions(tmp.path(), tutti);
            if (caso == QLatin1String("cartella"))
                QFile::setPermissions(cartella,
                                      QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
            else if (caso == QLatin1String("chiusa"))
                QFile::setPermissions(cartella,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther);
            else if (caso == QLatin1String("condivisa"))
                QVERIFY(chmod(QFile::encodeName(cartella).constData(), 01777) == 0);
            else
                QFile::setPermissions(cartella, tutti | QFile::WriteOther);
            if (caso == QLatin1String("file"))
                QFile::setPermissions(vecchio, QFile::ReadOwner | QFile::ReadOther);
            if (caso == QLatin1String("condivisa"))
                QFile::setPermissions(vecchio,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
            const auto risposta = inFiglio([&] {
                if (limite) {
                    signal(SIGXFSZ, SIG_IGN);
                    const rlimit limite{64, 64};
                    if (setrlimit(RLIMIT_FSIZE, &limite) != 0)
                        return QByteArray("!");
                } else if (!diventaUtenteComune()) {
                    return QByteArray("!");
                }
                return comeRisposta(salvaFileArchivio(bersaglio, causa));
            });
            QFile::setPermissions(cartella, tutti | QFile::WriteOther);
            chmod(QFile::encodeName(cartella).constData(), 0755);
            QVERIFY(risposta && *risposta != "!");
            esito = {risposta->startsWith('1'), QString::fromUtf8(risposta->mid(1))};
        } else {
            if (caso == QLatin1String("mancante"))
                bersaglio = cartella + QStringLiteral("/manca/Possidoria-dati-causa");
            else if (caso == QLatin1String("nome cartella"))
                bersaglio = cartella;
            else
                causa.testi.convenuto = QStringLiteral("Mario \"il Rosso\"");
            esito = salvaFileArchivio(bersaglio, causa);
        }

        QVERIFY(!esito.riuscita);
        const QString inizio =
            QStringLiteral("Impossibile salvare l'archivio «%1»: ").arg(QDir::toNativeSeparators(bersaglio));
        QVERIFY2(esito.errore.startsWith(inizio) && esito.errore.contains(motivo), qPrintable(esito.errore));
        QVERIFY2(!esito.errore.contains(QLatin1String("Operation")) && !esito.errore.contains(QLatin1String("denied")),
                 qPrintable(esito.errore));
        QCOMPARE(contenuto(vecchio), vecchioContenuto);
        QCOMPARE(QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Possidoria-dati-causa")});
    }
};

QTEST_GUILESS_MAIN(TstArchivio)
#include "tst_archivio.moc"
