// What the windows and the judgment derive from a case record, with no window: durations from the
// dates as typed, the completeness checks, the objections raised and their count.
#include "core/statocausa.h"
#include "core/tabellecausa.h"

#include <QtTest>

namespace {

// Ownership, twenty-five years, every requirement answered, no objection.
Causa completa()
{
    Causa c;
    c.testi = {QStringLiteral("Anna"),
               QStringLiteral("Bruno"),
               QStringLiteral("orto"),
               QStringLiteral("Pisa"),
               QStringLiteral("1/1/1970"),
               QStringLiteral("1/1/1995"),
               {},
               {},
               {},
               {}};
    c.scelte.tipologia = Tipologia::Proprieta;
    c.scelte.interruzione = Interruzione::Nessuna, c.scelte.modo = Modo::PacificoPubblico;
    c.scelte.animo = Animo::DaTitolare, c.scelte.provenienza = Provenienza::Legittima;
    c.scelte.fede = Fede::Buona, c.scelte.titolo = Titolo::Mancante;
    return c;
}

using Ritocco = std::function<void(Causa&)>;

}   // namespace

Q_DECLARE_METATYPE(Ritocco)

class TstStatoCausa : public QObject {
    Q_OBJECT
private slots:
    void durata_data();
    void durata();
    void completezza_data();
    void completezza();
    void dateInutilizzabili_data();
    void dateInutilizzabili();
    void mancanzeNominate();
    void obiezioni_data();
    void obiezioni();
};

void TstStatoCausa::durata_data()
{
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<QString>("fine");
    QTest::addColumn<QString>("durata");
    QTest::newRow("both dates") << "1/1/70"
                                << "1/1/95"
                                << " 25 anni";
    QTest::newRow("blanks around") << " 1/1/1970 "
                                   << "1.1.1995"
                                   << " 25 anni";
    QTest::newRow("end missing") << "1/1/70"
                                 << ""
                                 << "";
    QTest::newRow("no such day") << "31/2/99"
                                 << "1/1/2005"
                                 << "";
    QTest::newRow("cut by a field limit") << "8/12/198"
                                          << "8/12/2000"
                                          << "";
}

// A duration stands only on two dates that read; nothing else, whatever was shown before.
void TstStatoCausa::durata()
{
    QFETCH(QString, inizio);
    QFETCH(QString, fine);
    QFETCH(QString, durata);
    TestiCausa t;
    t.possessoInizio = inizio;
    t.possessoFine = fine;
    QCOMPARE(StatoCausa::durataPossesso(t), durata);
    QCOMPARE(StatoCausa::durata(inizio, fine), durata);
}

void TstStatoCausa::completezza_data()
{
    QTest::addColumn<Ritocco>("ritocco");
    QTest::addColumn<bool>("intestazione");
    QTest::addColumn<bool>("possesso");
    QTest::addColumn<bool>("giudicabile");
    // clang-format off
    QTest::newRow("complete") << Ritocco([](Causa&) {}) << true << true << true;
    // The place lets the case go on, but the judgment needs it. Numbers that name no option, as a
    // damaged archive may hold them, answer nothing.
    QTest::newRow("no place") << Ritocco([](Causa& c) { c.testi.luogo.clear(); }) << true << true << false;
    QTest::newRow("no defendant") << Ritocco([](Causa& c) { c.testi.convenuto.clear(); }) << false << true << false;
    QTest::newRow("type 0") << Ritocco([](Causa& c) { c.scelte.tipologia = Tipologia(0); }) << false << true << false;
    QTest::newRow("type 13") << Ritocco([](Causa& c) { c.scelte.tipologia = Tipologia(13); }) << false << true << false;
    QTest::newRow("end date emptied") << Ritocco([](Causa& c) { c.testi.possessoFine.clear(); }) << true << false << false;
    // clang-format on
    QTest::newRow("start unreadable") << Ritocco([](Causa& c) { c.testi.possessoInizio = QStringLiteral("ieri"); })
                                      << true << false << false;
    QTest::newRow("faith unanswered") << Ritocco([](Causa& c) { c.scelte.fede.reset(); }) << true << false << false;
    QTest::newRow("interruption 4 of 3") << Ritocco([](Causa& c) { c.scelte.interruzione = Interruzione(4); }) << true
                                         << false << false;
    // Dates the Code cannot count from: no judgment rests on them, in the possession or an objection.
    QTest::newRow("possession ending in 2045") << Ritocco([](Causa& c) {
        c.testi.possessoFine = QDate::currentDate().addYears(19).toString(QStringLiteral("d/M/yyyy"));
    }) << true << false << false;
    QTest::newRow("possession ending where it starts")
        << Ritocco([](Causa& c) { c.testi.possessoFine = c.testi.possessoInizio; }) << true << false << false;
    QTest::newRow("objection dates reversed") << Ritocco([](Causa& c) {
        c.testi.ledateInizio = QStringLiteral("2/1/1990");
        c.testi.ledateFine = QStringLiteral("1/1/1990");
    }) << true << true << false;
    // An optional date the window hides (no violence, no title) waits unjudged.
    QTest::newRow("a hidden cessation on 31 November")
        << Ritocco([](Causa& c) { c.testi.cessazioneVizio = QStringLiteral("31/11/2015"); }) << true << true << true;
    QTest::newRow("interruption of one day (an act)") << Ritocco([](Causa& c) {
        c.testi.interruzioneInizio = QStringLiteral("12/5/1990");
        c.testi.interruzioneFine = QStringLiteral("12/5/1990");
    }) << true << true << true;
}

void TstStatoCausa::completezza()
{
    QFETCH(Ritocco, ritocco);
    Causa c = completa();
    ritocco(c);
    QTEST(StatoCausa::intestazioneCompleta(c), "intestazione");
    QTEST(StatoCausa::possessoCompleto(c), "possesso");
    QTEST(StatoCausa::giudicabile(c), "giudicabile");
    // A case that cannot be judged for want of data says what it wants, or why a date is unusable.
    QFETCH(bool, possesso);
    if (possesso)
        QVERIFY(StatoCausa::mancanzePossesso(c).isEmpty());
    else
        QVERIFY(!StatoCausa::mancanzePossesso(c).isEmpty() || !StatoCausa::erroreDateCausa(c).isEmpty());
}

// A date that is shown but could not be used is never judged: each is named with its reason.
void TstStatoCausa::dateInutilizzabili_data()
{
    QTest::addColumn<Ritocco>("ritocco");
    QTest::addColumn<QString>("motivo");
    const QString domani = QDate::currentDate().addDays(1).toString(QStringLiteral("d/M/yyyy"));
    QTest::newRow("transcription on 31 June") << Ritocco([](Causa& c) {
        c.scelte.titolo = Titolo::Idoneo;
        c.testi.trascrizione = QStringLiteral("31/06/1995");
    }) << QStringLiteral("Data della trascrizione del titolo: il 31/06/1995 non esiste.");
    QTest::newRow("cessation on 31 November") << Ritocco([](Causa& c) {
        c.scelte.modo = Modo::ViolentoClandestino;
        c.testi.cessazioneVizio = QStringLiteral("31/11/2015");
    }) << QStringLiteral("Data di cessazione della violenza o clandestinità: il 31/11/2015 non esiste.");
    QTest::newRow("interruption ending on 29 February 2023") << Ritocco([](Causa& c) {
        c.testi.interruzioneInizio = QStringLiteral("1/1/2000");
        c.testi.interruzioneFine = QStringLiteral("29/02/2023");
    }) << QStringLiteral("Data finale dell'interruzione: il 29/02/2023 non esiste.");
    QTest::newRow("interruption start not a date")
        << Ritocco([](Causa& c) { c.testi.interruzioneInizio = QStringLiteral("marzo 1995"); })
        << QStringLiteral("Data iniziale dell'interruzione: «marzo 1995» non è una data nella forma gg/mm/aaaa.");
    QTest::newRow("transcription after today")
        << Ritocco([domani](Causa& c) {
               c.scelte.titolo = Titolo::Idoneo;
               c.testi.trascrizione = domani;
           })
        << QStringLiteral("Data della trascrizione del titolo: la data %1 è successiva a oggi")
               .arg(QDate::currentDate().addDays(1).toString(QStringLiteral("d/M/yyyy")));
    QTest::newRow("cessation before the possession") << Ritocco([](Causa& c) {
        c.scelte.modo = Modo::ViolentoClandestino;
        c.testi.cessazioneVizio = QStringLiteral("1/1/1960");
    }) << QStringLiteral("la data 1/1/1960 non cade durante il possesso");
    QTest::newRow("transcription after the possession") << Ritocco([](Causa& c) {
        c.scelte.titolo = Titolo::Idoneo;
        c.testi.trascrizione = QStringLiteral("1/1/2020");
    }) << QStringLiteral("la data 1/1/2020 è successiva alla fine del possesso");
}

void TstStatoCausa::dateInutilizzabili()
{
    QFETCH(Ritocco, ritocco);
    QFETCH(QString, motivo);
    Causa c = completa();
    QVERIFY(StatoCausa::giudicabile(c));
    ritocco(c);
    QVERIFY(!StatoCausa::giudicabile(c));
    const QString errore = StatoCausa::erroreDateCausa(c);
    QVERIFY2(errore.contains(motivo), qPrintable(errore));
}

// A case saved half-way names what the judgment still needs, in the windows' order.
void TstStatoCausa::mancanzeNominate()
{
    Causa c;
    c.testi.attore = QStringLiteral("Rossi");
    c.testi.possessoInizio = QStringLiteral("1/1/1980");
    c.scelte.interruzione = Interruzione::Nessuna;
    const QStringList m = StatoCausa::mancanze(c);
    QCOMPARE(m.mid(0, 5), (QStringList{QStringLiteral("il convenuto"), QStringLiteral("il bene o diritto"),
                                       QStringLiteral("la località"), QStringLiteral("la tipologia di usucapione"),
                                       QStringLiteral("la data finale del possesso")}));
    QCOMPARE(m.size(), 10);
    QCOMPARE(m.last(), QStringLiteral("la risposta su «Acquisto da chi non è proprietario»"));
    QVERIFY(StatoCausa::mancanze(completa()).isEmpty());
}

void TstStatoCausa::obiezioni_data()
{
    QTest::addColumn<Ritocco>("ritocco");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("contatore");
    QTest::newRow("none") << Ritocco([](Causa&) {}) << 0 << "";
    // A date objection stands on its start proof alone.
    QTest::newRow("dates, end proof only")
        << Ritocco([](Causa& c) { c.scelte.provaFineDate = ProvaLunga::Transazioni; }) << 0 << "";
    QTest::newRow("dates") << Ritocco([](Causa& c) { c.scelte.provaInizioDate = ProvaCorta::Transazioni; }) << 1
                           << "È stata formulata n. 1 obiezione.";
    QTest::newRow("a proof never chosen is none")
        << Ritocco([](Causa& c) { c.scelte.obiezioneModo = ProvaRequisito::NonScelta; }) << 0 << "";
    QTest::newRow("interruption and three questionnaires") << Ritocco([](Causa& c) {
        c.scelte.provaInizioInterruzione = ProvaLunga::Nessuna;
        c.scelte.obiezioneModo = ProvaRequisito::Donazioni, c.scelte.obiezioneFede = ProvaRequisito::Nessuna;
        c.scelte.obiezioneTitolo = ProvaRequisito::AttiDisposizione;
    }) << 4 << "Sono state formulate n. 4 obiezioni.";
    QTest::newRow("all seven") << Ritocco([](Causa& c) {
        for (int k = 1; k <= TabelleCausa::obiezioni; ++k)
            TabelleCausa::obiezione(k).prova.imposta(c.scelte, qint16(1));
    }) << 7 << "Sono state formulate n. 7 obiezioni.";
}

void TstStatoCausa::obiezioni()
{
    QFETCH(Ritocco, ritocco);
    QFETCH(int, numero);
    Causa c = completa();
    ritocco(c);
    QCOMPARE(StatoCausa::numeroObiezioni(c.scelte), numero);
    QTEST(StatoCausa::contatoreObiezioni(numero), "contatore");
}

QTEST_GUILESS_MAIN(TstStatoCausa)
#include "tst_statocausa.moc"
