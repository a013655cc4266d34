// The day of the usucapione and the changes that would turn the judgment: every day and every
// change is judged again here with the decision itself, and must give what it says.
#include "core/alternative.h"

#include "core/date.h"
#include "core/statocausa.h"

#include <QTest>
#include <algorithm>

Q_DECLARE_METATYPE(Fatti)
Q_DECLARE_METATYPE(TipoGiorno)

namespace {

QDate d(const char* testo) { return *Date::leggi(QString::fromLatin1(testo)); }

// A possession with no defect: peaceful, public, as owner, never lost, legitimate provenance.
Fatti caso(Tipologia tipo, const char* inizio, const char* fine, Fede fede, Titolo titolo)
{
    Fatti f;
    f.tipologia = tipo;
    f.interruzione = Interruzione::Nessuna;
    f.modo = Modo::PacificoPubblico;
    f.animo = Animo::DaTitolare;
    f.provenienza = Provenienza::Legittima;
    f.fede = fede;
    f.titolo = titolo;
    f.possessoInizio = d(inizio);
    f.possessoFine = d(fine);
    return f;
}

// A loss of possession proved by witnesses at both ends.
Fatti perdita(Fatti f, const char* da, const char* a)
{
    f.atto = AttoInterruttivo::PerditaPossesso;
    f.provaInizioInterruzione = ProvaLunga::Testimoni;
    f.provaFineInterruzione = ProvaCorta::Testimoni;
    f.interruzioneInizio = d(da);
    f.interruzioneFine = d(a);
    return f;
}

// An acknowledgement of the owner's right, proved by a dated document.
Fatti riconoscimento(Fatti f, const char* il)
{
    f.atto = AttoInterruttivo::Riconoscimento;
    f.provaInizioInterruzione = ProvaLunga::Riconoscimento;
    f.interruzioneInizio = d(il);
    return f;
}

template <typename T, typename C> Fatti con(Fatti f, std::optional<T> C::*campo, std::type_identity_t<T> valore)
{
    f.*campo = valore;
    return f;
}

// "R:R9 O:R5 D:R1@5/5/1999": kind, rule reached and date of each change, in the order given.
QString firma(const Alternative& a)
{
    QStringList r;
    for (const Cambiamento& c : a.cambiamenti)
        r << QChar::fromLatin1("ORD"[int(c.tipo)]) + QLatin1Char(':') + c.regola
                 + (c.data ? QLatin1Char('@') + Date::formaBreve(*c.data) : QString());
    return r.join(QLatin1Char(' '));
}

// Every change given is the other outcome when judged, and reaches the rule it names; a day that
// would come is the first end of the possession that wins.
// The case's dates in order, as a party could prove them; none is weighed against today.
bool dateInOrdine(const Fatti& f)
{
    const QDate mai(9999, 12, 31);
    return StatoCausa::erroreDateCausa(f, mai).isEmpty() && StatoCausa::dataErrata({}, f, mai).motivo.isEmpty();
}

void verificaRigiudicando(const Fatti& f, const Decisione& prima, const Alternative& a)
{
    QVERIFY(a.cambiamenti.size() <= size_t(Alternative::massimoCambiamenti));
    for (const Cambiamento& c : a.cambiamenti) {
        // No change turns the case by putting its own dates out of order.
        if (dateInOrdine(f))
            QVERIFY2(dateInOrdine(c.fatti), qPrintable(c.testo));
        const Decisione dopo = decidi(c.fatti);
        QVERIFY2(dopo.esito != prima.esito, qPrintable(c.testo));
        QCOMPARE(dopo.chiave, c.regola);
        QCOMPARE(c.esito, dopo.esito);
        QVERIFY2(
            c.testo.startsWith(prima.esito == Esito::Perde ? QStringLiteral("Occorrerebbe ") : QStringLiteral("Se ")),
            qPrintable(c.testo));
        QVERIFY(c.testo.contains(QStringLiteral("(regola ") + c.regola));
    }
    if (a.giorno.tipo == TipoGiorno::Maturerebbe) {
        Fatti dopo = f;
        if (prima.origini.fineDa == Fonte::Convenuto)
            dopo.ledateFine.reset();
        dopo.possessoFine = a.giorno.data;
        const Decisione vinta = decidi(dopo);
        QCOMPARE(vinta.esito, Esito::Vince);
        QCOMPARE(vinta.compiuta, a.giorno.data);
        dopo.possessoFine = a.giorno.data->addDays(-1);
        QCOMPARE(decidi(dopo).esito, Esito::Perde);
    }
}

}   // namespace

class TstAlternative : public QObject {
    Q_OBJECT
private slots:
    void giorno_data();
    void giorno();
    void cambiamenti_data();
    void cambiamenti();
    void ogniCambiamentoRigiudicato();
    void testiDellaSezione();
};

void TstAlternative::giorno_data()
{
    QTest::addColumn<Fatti>("fatti");
    QTest::addColumn<TipoGiorno>("tipo");
    QTest::addColumn<QDate>("giorno");
    QTest::addColumn<QString>("regola");

    const Fatti ventennio = caso(Tipologia::Proprieta, "3/4/1985", "15/9/2008", Fede::Mala, Titolo::Mancante);
    QTest::newRow("anniversario del ventesimo anno") << ventennio << TipoGiorno::Compiuta << d("3/4/2005") << "R1";
    QTest::newRow("un giorno prima dell'anniversario")
        << con(ventennio, &Fatti::possessoFine, d("2/4/2005")) << TipoGiorno::Maturerebbe << d("3/4/2005") << "R1";
    QTest::newRow("29 febbraio: il decimo anno scade il 28")
        << caso(Tipologia::Proprieta, "29/2/2000", "1/1/2015", Fede::Buona, Titolo::Idoneo) << TipoGiorno::Compiuta
        << d("28/2/2010") << "R5";
    QTest::newRow("29 febbraio, prima del termine")
        << caso(Tipologia::Proprieta, "29/2/2000", "1/1/2005", Fede::Buona, Titolo::Idoneo) << TipoGiorno::Maturerebbe
        << d("28/2/2010") << "R5";
    QTest::newRow("29 febbraio in un anno bisestile")
        << caso(Tipologia::Proprieta, "29/2/2000", "1/1/2005", Fede::Mala, Titolo::Mancante) << TipoGiorno::Maturerebbe
        << d("29/2/2020") << "R1";
    const Fatti trascritto = con(caso(Tipologia::Proprieta, "1/1/2000", "1/1/2019", Fede::Buona, Titolo::Idoneo),
                                 &Fatti::trascrizione, d("1/6/2003"));
    QTest::newRow("dieci anni dalla trascrizione") << trascritto << TipoGiorno::Compiuta << d("1/6/2013") << "R5";
    QTest::newRow("dieci anni dalla trascrizione, prima del termine")
        << con(trascritto, &Fatti::possessoFine, d("1/1/2012")) << TipoGiorno::Maturerebbe << d("1/6/2013") << "R5";
    const Fatti interrotto = perdita(caso(Tipologia::Proprieta, "1/3/1970", "15/9/2012", Fede::Mala, Titolo::Mancante),
                                     "1/4/1975", "30/6/1978");
    QTest::newRow("nuovo ventennio dal recupero del possesso")
        << interrotto << TipoGiorno::Compiuta << d("30/6/1998") << "R1";
    QTest::newRow("nuovo ventennio dal recupero, non ancora compiuto")
        << con(interrotto, &Fatti::possessoFine, d("1/1/1995")) << TipoGiorno::Maturerebbe << d("30/6/1998") << "R1";
    QTest::newRow("nuovo ventennio dal riconoscimento")
        << riconoscimento(caso(Tipologia::Proprieta, "1/6/1988", "1/1/2016", Fede::Mala, Titolo::Mancante), "12/5/2004")
        << TipoGiorno::Maturerebbe << d("12/5/2024") << "R1";
    QTest::newRow("mala fede: il termine lungo")
        << caso(Tipologia::Proprieta, "12/1/2006", "5/5/2019", Fede::Mala, Titolo::Idoneo) << TipoGiorno::Maturerebbe
        << d("12/1/2026") << "R1";
    QTest::newRow("consegna di un mobile in buona fede")
        << caso(Tipologia::BeniMobili, "14/2/2021", "14/8/2022", Fede::Buona, Titolo::Idoneo) << TipoGiorno::Compiuta
        << d("14/2/2021") << "R41";
    QTest::newRow("fine provata dal convenuto: il possesso che prosegue")
        << con(con(caso(Tipologia::Proprieta, "1/1/1990", "1/1/2015", Fede::Mala, Titolo::Mancante), &Fatti::ledateFine,
                   d("1/1/2005")),
               &Fatti::provaFineDate, ProvaLunga::Testimoni)
        << TipoGiorno::Maturerebbe << d("1/1/2010") << "R1";

    QTest::newRow("demanio pubblico") << caso(Tipologia::DemanioPubblico, "1/1/1950", "1/1/2020", Fede::Buona,
                                              Titolo::Idoneo)
                                      << TipoGiorno::Irraggiungibile << QDate() << "";
    QTest::newRow("servitù non apparente")
        << caso(Tipologia::ServituNonApparenti, "1/1/1950", "1/1/2020", Fede::Buona, Titolo::Idoneo)
        << TipoGiorno::Irraggiungibile << QDate() << "";
    QTest::newRow("detenzione") << con(caso(Tipologia::Proprieta, "1/1/2010", "1/1/2015", Fede::Mala, Titolo::Mancante),
                                       &Fatti::animo, Animo::PerContoAltrui)
                                << TipoGiorno::Irraggiungibile << QDate() << "";
    QTest::newRow("atti di tolleranza provati")
        << con(caso(Tipologia::Proprieta, "1/1/2010", "1/1/2015", Fede::Mala, Titolo::Mancante), &Fatti::obiezioneModo,
               ProvaRequisito::Tolleranza)
        << TipoGiorno::Irraggiungibile << QDate() << "";
    QTest::newRow("violenza senza il giorno in cui è cessata")
        << con(caso(Tipologia::Proprieta, "1/1/2010", "1/1/2015", Fede::Mala, Titolo::Mancante), &Fatti::modo,
               Modo::ViolentoClandestino)
        << TipoGiorno::Irraggiungibile << QDate() << "";
    QTest::newRow("interruzione dichiarata senza date")
        << con(caso(Tipologia::Proprieta, "1/1/1980", "1/1/2015", Fede::Mala, Titolo::Mancante), &Fatti::interruzione,
               Interruzione::OltreUnAnno)
        << TipoGiorno::Irraggiungibile << QDate() << "";
}

void TstAlternative::giorno()
{
    QFETCH(Fatti, fatti);
    QFETCH(TipoGiorno, tipo);
    QFETCH(QDate, giorno);
    QFETCH(QString, regola);
    const Decisione decisione = decidi(fatti);
    const Alternative a = cercaAlternative(fatti, decisione);
    QCOMPARE(a.giorno.tipo, tipo);
    QCOMPARE(a.giorno.data.value_or(QDate()), giorno);
    QCOMPARE(a.giorno.regola, regola);
    if (giorno.isValid())
        QVERIFY2(a.giorno.testo.contains(Date::formaBreve(giorno)), qPrintable(a.giorno.testo));
    else
        QVERIFY2(a.giorno.testo.contains(QStringLiteral("nessun termine")), qPrintable(a.giorno.testo));
    verificaRigiudicando(fatti, decisione, a);
}

void TstAlternative::cambiamenti_data()
{
    QTest::addColumn<Fatti>("fatti");
    QTest::addColumn<QString>("firma");

    QTest::newRow("ventennio vinto: i difetti che il convenuto potrebbe provare")
        << caso(Tipologia::Proprieta, "3/4/1985", "15/9/2008", Fede::Mala, Titolo::Mancante)
        << "R:R2 R:R3 R:R4 D:RF@16/9/1988";
    QTest::newRow("decennio vinto: titolo e buona fede prima")
        << caso(Tipologia::Proprieta, "10/6/2009", "20/11/2021", Fede::Buona, Titolo::Idoneo)
        << "R:R10 R:R9 R:R6 D:RF@21/11/2011";
    QTest::newRow("mala fede e nessun titolo: occorrono entrambi, o un inizio anteriore")
        << caso(Tipologia::Proprieta, "12/1/2006", "5/5/2019", Fede::Mala, Titolo::Mancante) << "R:R5 D:R1@5/5/1999";
    QTest::newRow("clandestinità provata dal convenuto")
        << con(caso(Tipologia::Proprieta, "1/7/2008", "1/9/2021", Fede::Buona, Titolo::Idoneo), &Fatti::obiezioneModo,
               ProvaRequisito::Testimoni)
        << "O:R5 D:R5@1/9/2011";
    QTest::newRow("atti di tolleranza provati")
        << con(caso(Tipologia::Proprieta, "1/1/1980", "1/1/2015", Fede::Mala, Titolo::Mancante), &Fatti::obiezioneAnimo,
               ProvaRequisito::Tolleranza)
        << "O:R1";
    QTest::newRow("perdita del possesso oltre l'anno") << perdita(
        caso(Tipologia::Proprieta, "1/1/1990", "1/1/2015", Fede::Mala, Titolo::Mancante), "1/4/2000", "30/6/2001")
                                                       << "O:R1 R:R1 D:R1@31/3/1980 D:R1@1/4/2001 D:R1@30/6/2000";
    // The twenty years were complete on 1/3/2000: a loss of possession begun that day would still
    // have interrupted them.
    QTest::newRow("perdita del possesso dopo il compimento") << perdita(
        caso(Tipologia::Proprieta, "1/3/1980", "1/1/2015", Fede::Mala, Titolo::Mancante), "10/4/2005", "1/6/2008")
                                                             << "R:R3 R:R4 D:R2@10/4/1985 D:R2@1/3/2000";
    // The three years run from the transcription, when it comes after the start (art. 1162).
    QTest::newRow("mobili registrati: tre anni dalla trascrizione")
        << con(caso(Tipologia::MobiliRegistrati, "1/3/2017", "1/5/2020", Fede::Buona, Titolo::Idoneo),
               &Fatti::trascrizione, d("1/6/2017"))
        << "D:R44@1/5/2010 D:R45@1/5/2017";
    QTest::newRow("demanio pubblico: nulla da proporre")
        << caso(Tipologia::DemanioPubblico, "1/1/1950", "1/1/2020", Fede::Mala, Titolo::Mancante) << "";
    QTest::newRow("servitù non apparente: nulla da proporre")
        << caso(Tipologia::ServituNonApparenti, "1/1/1950", "1/1/2020", Fede::Buona, Titolo::Idoneo) << "";
}

void TstAlternative::cambiamenti()
{
    QFETCH(Fatti, fatti);
    QFETCH(QString, firma);
    const Decisione decisione = decidi(fatti);
    const Alternative a = cercaAlternative(fatti, decisione);
    QCOMPARE(::firma(a), firma);
    verificaRigiudicando(fatti, decisione, a);
}

// Cases of every type, answer, proof and interruption: each change and each day is judged again.
void TstAlternative::ogniCambiamentoRigiudicato()
{
    int trovati = 0;
    for (int i = 0; i < 700; ++i) {
        // Every option of each answer in turn, and every proof of the questionnaires' lists.
        Fatti f = caso(Tipologia(1 + i % 12), "1/3/1970", "1/3/1995", Fede(1 + (i / 5) % 2), Titolo(1 + (i / 7) % 2));
        f.possessoInizio = QDate(1960 + i % 30, 3, 1);
        f.interruzione = Interruzione(1 + i % 3);
        f.modo = Modo(1 + (i / 2) % 2);
        f.animo = Animo(1 + (i / 11) % 2);
        f.obiezioneModo = ProvaRequisito(i % 13);
        f.obiezioneFede = ProvaRequisito(i % 9);
        f.obiezioneTitolo = ProvaRequisito(i % 17 % 13);
        if (i % 3 == 0)
            f = perdita(f, "1/1/1980", i % 2 ? "1/6/1981" : "1/6/1980");
        if (i % 4 == 1)
            f.trascrizione = QDate(1970 + i % 20, 5, 1);
        // Within the possession, as the program asks it.
        if (i % 6 == 2)
            f.cessazioneVizio = f.possessoInizio->addYears(i % 10).addMonths(4);
        const Decisione decisione = decidi(f);
        const Alternative a = cercaAlternative(f, decisione);
        verificaRigiudicando(f, decisione, a);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("caso %1").arg(i)));
        const int tipo = i % 12 + 1;
        if (tipo == 7 || tipo == 12)
            QVERIFY(a.cambiamenti.empty());
        if (decisione.esito == Esito::Vince)
            QCOMPARE(a.giorno.tipo, TipoGiorno::Compiuta);
        trovati += int(a.cambiamenti.size());
    }
    QVERIFY(trovati > 300);
}

void TstAlternative::testiDellaSezione()
{
    // The case: bad faith, no title, thirteen years; title and good faith together win.
    const Fatti f = caso(Tipologia::Proprieta, "12/1/2006", "5/5/2019", Fede::Mala, Titolo::Mancante);
    const Decisione decisione = decidi(f);
    const Alternative a = cercaAlternative(f, decisione);
    QCOMPARE(
        a.cambiamenti.front().testo,
        QStringLiteral("Occorrerebbe provare un titolo idoneo a trasferire il diritto, debitamente trascritto e la "
                       "buona fede del possessore, che la legge presume (art. 1147): l'attore vincerebbe (regola "
                       "R5: termine di 10 anni dell'art. 1159, decorso dal 12/1/2006, usucapione compiuta il "
                       "12/1/2016)."));
    const QStringList righe = righeAlternative(a, decisione.esito);
    QCOMPARE(righe.size(), 3);
    QCOMPARE(righe[0], a.giorno.testo);
    QVERIFY(righe[1].startsWith(QStringLiteral("- Occorrerebbe provare un titolo")));

    const Fatti demanio = caso(Tipologia::DemanioPubblico, "1/1/1950", "1/1/2020", Fede::Buona, Titolo::Idoneo);
    const QStringList nessuno = righeAlternative(cercaAlternative(demanio, decidi(demanio)), Esito::Perde);
    QCOMPARE(nessuno.size(), 2);
    QVERIFY(nessuno[0].contains(QStringLiteral("(art. 823)")));
    QVERIFY(nessuno[1].startsWith(QStringLiteral("Nessun cambiamento")));

    // A day already past is told as what would have been; one to come, as what would be.
    const Fatti breve = caso(Tipologia::Proprieta, "3/4/1985", "2/4/2005", Fede::Mala, Titolo::Mancante);
    QVERIFY(cercaAlternative(breve, decidi(breve), d("11/12/2026"))
                .giorno.testo.startsWith(QStringLiteral("Se il possesso fosse proseguito senza mutamenti, l'usucapione "
                                                        "si sarebbe compiuta il 3/4/2005")));
    QVERIFY(cercaAlternative(breve, decidi(breve), d("3/4/2004"))
                .giorno.testo.startsWith(QStringLiteral("Se il possesso proseguisse senza mutamenti, l'usucapione si "
                                                        "compirebbe il 3/4/2005")));

    // A claim finally judged: serving it later than its own final judgment is no change a party could prove.
    Fatti domanda = perdita(caso(Tipologia::Proprieta, "1/1/1990", "1/1/2026", Fede::Mala, Titolo::Mancante),
                            "1/1/2005", "20/11/2014");
    domanda.atto = AttoInterruttivo::DomandaGiudiziale;
    domanda.provaInizioInterruzione = ProvaLunga::DomandaGiudiziale;
    const Decisione persa = decidi(domanda);
    QCOMPARE(persa.esito, Esito::Perde);
    for (const Cambiamento& c : cercaAlternative(domanda, persa).cambiamenti)
        QVERIFY2(!(c.fatti.interruzioneInizio > domanda.interruzioneFine), qPrintable(c.testo));

    // A won case is lost by a loss of over a year only before the term was complete.
    const Fatti vinta = caso(Tipologia::Proprieta, "1/1/1970", "1/1/2015", Fede::Mala, Titolo::Mancante);
    const Alternative perdere = cercaAlternative(vinta, decidi(vinta));
    QVERIFY(std::any_of(perdere.cambiamenti.begin(), perdere.cambiamenti.end(), [](const Cambiamento& c) {
        return c.testo.contains(QStringLiteral("perduto per oltre un anno prima del 1/1/1990"));
    }));
}

QTEST_GUILESS_MAIN(TstAlternative)
#include "tst_alternative.moc"
