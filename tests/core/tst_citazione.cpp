// The draft writ of summons and the evidence to gather, from the judgment of a case: a lost case
// gets no writ; a won one names the parties, the thing, the place, every date and the article
// the judgment rests on, and no date nor term the case does not have.
#include "comune/cause.h"
#include "core/citazione.h"
#include "core/giudizio.h"
#include "core/istruttoria.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString testoBozza(const BozzaCitazione& b)
{
    QStringList t{b.avvertenza, b.tribunale, b.notaTribunale};
    for (const SezioneCitazione& s : b.sezioni)
        t << s.titolo << s.paragrafi;
    return t.join(QChar(10));
}

// Every date the draft writes, as it writes them.
QStringList dateScritte(const QString& testo)
{
    static const QRegularExpression data(
        u"\\b(\\d{1,2})°? (gennaio|febbraio|marzo|aprile|maggio|giugno|luglio|agosto|settembre|ottobre|novembre|"
        "dicembre) (\\d{4})\\b"_s);
    // A date in figures would escape the check: there is none.
    static const QRegularExpression cifre(u"\\b\\d{1,2}[/.-]\\d{1,2}[/.-]\\d{2,4}\\b"_s);
    QStringList r;
    for (auto m = data.globalMatch(testo); m.hasNext();)
        r << m.next().captured(0);
    for (auto m = cifre.globalMatch(testo); m.hasNext();)
        r << m.next().captured(0);
    return r;
}

}   // namespace

class TstCitazione : public QObject {
    Q_OBJECT
private slots:
    void persaNessunaBozza();
    void bozza_data();
    void bozza();
    void prove_data();
    void prove();
};

void TstCitazione::persaNessunaBozza()
{
    Causa c = causaDi(Tipologia::Proprieta, u"1/3/1995"_s, u"1/3/2005"_s);   // ten years, no title
    const std::optional<Giudizio> g = giudica(c);
    QVERIFY(g);
    QCOMPARE(g->decisione.esito, Esito::Perde);
    QVERIFY(!bozzaCitazione(*g));
    QVERIFY(senzaCitazione(*g).contains(titoloAlternative()));
    QVERIFY(senzaCitazione(*g).contains(g->decisione.chiave));
}

void TstCitazione::bozza_data()
{
    QTest::addColumn<Causa>("causa");
    QTest::addColumn<QStringList>("date");   // every date the draft may write, and must
    QTest::addColumn<QString>("articolo");   // of the term
    QTest::addColumn<bool>("immobile");

    QTest::newRow("ventennale") << causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s)
                                << QStringList{u"1° marzo 1980"_s, u"1° marzo 2000"_s, u"1° marzo 2005"_s}
                                << u"art. 1158"_s << true;
    QTest::newRow("decennale dalla trascrizione")
        << conTitolo(causaDi(Tipologia::Usufrutto, u"15/4/1990"_s, u"1/3/2005"_s), u"20/6/1990"_s)
        << QStringList{u"15 aprile 1990"_s, u"20 giugno 1990"_s, u"20 giugno 2000"_s, u"1° marzo 2005"_s}
        << u"art. 1159"_s << true;
    Causa violenta = causaDi(Tipologia::PiccolaProprietaRurale, u"10/2/1980"_s, u"1/3/2005"_s);
    violenta.scelte.modo = Modo::ViolentoClandestino;
    violenta.testi.cessazioneVizio = u"3/9/1984"_s;
    QTest::newRow("violenza cessata") << violenta
                                      << QStringList{u"10 febbraio 1980"_s, u"3 settembre 1984"_s,
                                                     u"3 settembre 1999"_s, u"1° marzo 2005"_s}
                                      << u"art. 1159-bis"_s << true;
    const Causa recuperata = conPossessoRecuperato(causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s),
                                                   u"1/5/1990"_s, u"1/9/1991"_s);
    QTest::newRow("possesso recuperato") << recuperata
                                         << QStringList{u"1° marzo 1980"_s, u"1° maggio 1990"_s, u"1° settembre 1991"_s,
                                                        u"1° marzo 2000"_s, u"1° marzo 2005"_s}
                                         << u"art. 1158"_s << true;
    // The plaintiff concedes a loss of over a year, with no dates: delivery had made him owner already.
    Causa persoDopo = conTitolo(causaDi(Tipologia::BeniMobili, u"7/7/2003"_s, u"1/3/2005"_s));
    persoDopo.scelte.interruzione = Interruzione::OltreUnAnno;
    QTest::newRow("mobile, possesso poi perduto")
        << persoDopo << QStringList{u"7 luglio 2003"_s, u"1° marzo 2005"_s} << u"art. 1153"_s << false;
    QTest::newRow("mobile in buona fede")
        << conTitolo(causaDi(Tipologia::BeniMobili, u"7/7/2003"_s, u"1/3/2005"_s))
        << QStringList{u"7 luglio 2003"_s, u"1° marzo 2005"_s} << u"art. 1153"_s << false;
}

void TstCitazione::bozza()
{
    QFETCH(Causa, causa);
    QFETCH(QStringList, date);
    QFETCH(QString, articolo);
    QFETCH(bool, immobile);
    const std::optional<Giudizio> g = giudica(causa);
    QVERIFY(g);
    QCOMPARE(g->decisione.esito, Esito::Vince);
    QCOMPARE(QString::fromLatin1(termineDellAcquisto(g->decisione).articolo), articolo);
    const std::optional<BozzaCitazione> b = bozzaCitazione(*g);
    QVERIFY(b);
    QVERIFY(senzaCitazione(*g).isEmpty());
    const QString t = testoBozza(*b);
    // Every term in words and every article named: none left out, none negative.
    QVERIFY(!t.contains(u"-1"_s));
    QVERIFY(!t.contains(u"dall' c.c."_s));

    // The parties, the thing and the place as typed; the court from the place, marked to verify.
    for (const QString& s : {causa.testi.attore, causa.testi.convenuto, causa.testi.bene, causa.testi.luogo})
        QVERIFY2(t.contains(s), qPrintable(s));
    QCOMPARE(b->tribunale, u"TRIBUNALE DI ORVIETO"_s);
    QVERIFY(b->notaTribunale.startsWith(u"[DA VERIFICARE"_s));
    QCOMPARE(b->notaTribunale.contains(u"art. 21 c.p.c."_s), immobile);
    QVERIFY(t.contains(u"BOZZA"_s));

    // Every date the record and the judgment give, and no other but the mediation statute's.
    const QString legge = u"art. 5 del d.lgs. 4 marzo 2010, n. 28"_s;
    QVERIFY(t.contains(legge));
    QStringList scritte = dateScritte(QString(t).remove(legge));
    scritte.removeDuplicates();
    scritte.sort();
    date.sort();
    QCOMPARE(scritte, date);

    // The term's article and no other term's; the transcription of the judgment for an immovable.
    QVERIFY(t.contains(articolo + u" c.c."_s));
    for (const QString& a : {u"1153"_s, u"1158"_s, u"1159"_s, u"1159-bis"_s, u"1160"_s, u"1161"_s, u"1162"_s}) {
        const QRegularExpression citato(u"art\\. "_s + QRegularExpression::escape(a) + u"(?![-\\d])"_s);
        if (u"art. "_s + a != articolo)
            QVERIFY2(!t.contains(citato), qPrintable(a));
    }
    QCOMPARE(t.contains(u"art. 2651 c.c."_s), immobile);

    // The mediation, the chapters of proof, the conclusions and the blanks for the lawyer.
    QVERIFY(t.contains(u"1) Vero che dal "_s));
    QVERIFY(t.contains(u"accertare e dichiarare che "_s + causa.testi.attore));
    QVERIFY(t.contains(u"[DA COMPLETARE: data dell'udienza di comparizione"_s));
    QVERIFY(t.contains(u"art. 163, terzo comma, n. 7, c.p.c."_s));
    // The facts are numbered, the day of the acquisition among them.
    const SezioneCitazione& fatto = b->sezioni.at(1);
    QCOMPARE(fatto.titolo, u"FATTO"_s);
    QVERIFY(fatto.numerati);
    QVERIFY(fatto.paragrafi.join(QChar(10)).contains(dataCitazione(*g->decisione.compiuta)));
}

void TstCitazione::prove_data()
{
    QTest::addColumn<Causa>("causa");
    QTest::addColumn<QStringList>("requisiti");   // each present, in order
    QTest::addColumn<QString>("prova");           // a proof that must be named
    QTest::addColumn<QString>("replica");         // a reply that must be given; empty: none

    QTest::newRow("ventennale") << causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s)
                                << QStringList{u"L'identificazione del bene"_s, u"Il possesso e la sua durata"_s,
                                               u"Il possesso pacifico e pubblico"_s}
                                << u"visure e planimetrie catastali"_s << QString();
    QTest::newRow("decennale") << conTitolo(causaDi(Tipologia::Proprieta, u"1/3/1990"_s, u"1/3/2005"_s), u"1/6/1990"_s)
                               << QStringList{u"Il titolo trascritto e la buona fede (art. 1159 c.c.)"_s}
                               << u"nota di trascrizione"_s << QString();
    Causa detenuta = causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s);
    detenuta.scelte.obiezioneAnimo = ProvaRequisito::ContrattiLocazione;
    QTest::newRow("detenzione provata") << detenuta
                                        << QStringList{u"Il possesso come titolare del diritto, non come detentore"_s}
                                        << u"l'atto di interversione"_s << u"Provare l'interversione"_s;
    QTest::newRow("mobile") << causaDi(Tipologia::BeniMobili, u"1/3/1980"_s, u"1/3/2005"_s)
                            << QStringList{u"L'identificazione del bene"_s} << u"fatture"_s << QString();
}

void TstCitazione::prove()
{
    QFETCH(Causa, causa);
    QFETCH(QStringList, requisiti);
    QFETCH(QString, prova);
    QFETCH(QString, replica);
    const std::optional<Giudizio> g = giudica(causa);
    QVERIFY(g);
    const ProveDaRaccogliere p = proveDaRaccogliere(*g);
    QStringList nomi;
    for (const RequisitoDaProvare& r : p.requisiti) {
        nomi << r.requisito;
        QVERIFY2(!r.utili.isEmpty(), qPrintable(r.requisito));
    }
    for (const QString& r : requisiti)
        QVERIFY2(nomi.contains(r), qPrintable(r + u" in "_s + nomi.join(u"; "_s)));
    const QString righe = righeProve(p).join(QChar(10));
    QVERIFY2(righe.contains(prova), qPrintable(righe));
    // A movable has no cadastre.
    QCOMPARE(righe.contains(u"catastal"_s), suImmobile(causa.scelte.tipologia));
    if (replica.isEmpty()) {
        QVERIFY(p.repliche.empty());
        return;
    }
    QCOMPARE(p.repliche.size(), size_t(1));
    QVERIFY(p.repliche[0].replica.startsWith(replica));
    // Lost on the objection: the change of the facts that would turn it, from "Che cosa cambierebbe".
    QCOMPARE(g->decisione.esito, Esito::Perde);
    QVERIFY(!p.repliche[0].cambierebbe.isEmpty());
    bool trovata = false;
    for (const Cambiamento& c : g->alternative.cambiamenti)
        trovata = trovata || c.testo == p.repliche[0].cambierebbe;
    QVERIFY(trovata);
}

QTEST_APPLESS_MAIN(TstCitazione)
#include "tst_citazione.moc"
