// The case law joined to the rules and the facts: every rule reaches a maxim, every maxim cited
// makes the point it is cited for, and a judgment lists the maxims on its rule and on its facts.
#include "comune/cause.h"
#include "core/giudizio.h"
#include "core/giurisprudenza.h"
#include "core/massimario.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstGiurisprudenza : public QObject {
    Q_OBJECT
private slots:
    void ogniRegolaRaggiungeUnaMassima();
    void ogniMassimaFaIlSuoPunto_data();
    void ogniMassimaFaIlSuoPunto();
    void puntiDelGiudizio_data();
    void puntiDelGiudizio();
    void primaFrase_data();
    void primaFrase();
};

void TstGiurisprudenza::ogniRegolaRaggiungeUnaMassima()
{
    for (const Regola& r : tabellaRegole()) {
        int massime = 0;
        for (const QString& chiave : puntiDellaRegola(r)) {
            const PuntoGiurisprudenza* p = puntoGiurisprudenza(chiave);
            QVERIFY2(p, qPrintable(r.chiave + u": "_s + chiave));
            for (const RiferimentoMassima& m : p->massime)
                massime += testoMassima(m).isEmpty() ? 0 : 1;
        }
        QVERIFY2(massime > 0, qPrintable(r.chiave));
    }
}

void TstGiurisprudenza::ogniMassimaFaIlSuoPunto_data()
{
    // Each point and what every maxim cited for it must speak of, read in its text.
    QTest::addColumn<QString>("punto");
    QTest::addColumn<QString>("tema");
    const QList<std::pair<const char*, const char*>> righe = {
        {"demanio", "demani|indisponibile"},
        {"servitu-non-apparenti", "non apparent|opere visibili e permanenti|servitù negative"},
        {"tolleranza", "tolleranza"},
        {"art. 1158", "1158"},
        {"art. 1159", "1159"},
        {"art. 1159-bis", "1159 bis|piccola proprietà rurale"},
        {"art. 1160", "1160"},
        {"art. 1161", "1161"},
        {"art. 1162", "1162"},
        {"art. 1153", "1153"},
        {"interruzione", "interr"},
        {"interruzione-perdita", "privato del possesso per oltre un anno|perdita del possesso per oltre un anno"},
        {"interruzione-domanda", "domanda giudiziale|2943"},
        {"interruzione-riconoscimento", "riconoscimento"},
        {"interruzione-non-oltre-un-anno", "oltre un anno"},
        {"interruzione-recupero", "ricuperat|recuperat"},
        {"interruzione-diffida", "diffid"},
        {"interruzione-non-provata", "perduto o interrotto"},
        {"violenza", "violen"},
        {"cessazione-vizio", "cessat"},
        {"detenzione", "detenzione|detentore"},
        {"mala-fede", "buona fede"},
        {"senza-titolo", "titolo"},
        {"provenienza", "buona fede"},
        {"trascrizione", "trascrizione"},
        {"trascrizione-non-indicata", "trascrizione"},
        {"date-contestate", "intero periodo|possesso iniziale|tempo intermedio"},
        {"requisiti", "prova"},
        {"accertamento", "2651"},
    };
    for (const auto& [punto, tema] : righe)
        QTest::newRow(punto) << QString::fromUtf8(punto) << QString::fromUtf8(tema);
    // No point of the table goes unchecked.
    for (const PuntoGiurisprudenza& p : tabellaGiurisprudenza())
        QVERIFY2(std::any_of(righe.begin(), righe.end(), [&](const auto& r) { return !qstrcmp(r.first, p.chiave); }),
                 p.chiave);
}

void TstGiurisprudenza::ogniMassimaFaIlSuoPunto()
{
    QFETCH(QString, punto);
    QFETCH(QString, tema);
    const PuntoGiurisprudenza* p = puntoGiurisprudenza(punto);
    QVERIFY(p);
    QVERIFY(!p->massime.empty());
    const QRegularExpression espressione(tema, QRegularExpression::CaseInsensitiveOption);
    for (const RiferimentoMassima& m : p->massime) {
        const QString testo = testoMassima(m);
        QVERIFY2(!testo.isEmpty(), qPrintable(u"%1/%2"_s.arg(m.argomento).arg(m.numero)));
        QVERIFY2(testo.contains(espressione), qPrintable(u"%1/%2: %3"_s.arg(m.argomento).arg(m.numero).arg(testo)));
        // The maxim belongs to one of the point's topics, or says so itself.
        QVERIFY(m.argomento >= 1 && m.argomento <= 14);
    }
}

void TstGiurisprudenza::puntiDelGiudizio_data()
{
    QTest::addColumn<Causa>("causa");
    QTest::addColumn<QString>("regola");
    QTest::addColumn<QStringList>("punti");       // among the judgment's points
    QTest::addColumn<QStringList>("citazioni");   // among its maxims

    Causa c = causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s);
    QTest::newRow("ventennale") << c << u"R1"_s << QStringList{u"art. 1158"_s, u"accertamento"_s}
                                << QStringList{u"Cassazione civile, 25 febbraio 1982, n.1201"_s,
                                               u"Cassazione civile, 10 aprile 1974, n.1019"_s};

    c = conTitolo(causaDi(Tipologia::Proprieta, u"1/3/1990"_s, u"1/3/2005"_s), u"1/6/1990"_s);
    QTest::newRow("decennale trascritto") << c << u"R5"_s << QStringList{u"art. 1159"_s, u"trascrizione"_s}
                                          << QStringList{u"Cassazione civile, 6 luglio 1962, n.1738"_s};

    c = causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s);
    c.scelte.obiezioneModo = ProvaRequisito::Testimoni;
    QTest::newRow("violenza provata") << c << u"R3"_s << QStringList{u"violenza"_s}
                                      << QStringList{u"Cassazione civile, 8 luglio 1960, n.1831"_s};

    c = causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s);
    c.scelte.obiezioneAnimo = ProvaRequisito::Tolleranza;
    QTest::newRow("tolleranza") << c << u"RT"_s << QStringList{u"tolleranza"_s}
                                << QStringList{u"Appello Milano, 20 dicembre 1957"_s};

    c = causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s);
    c.testi.interruzioneInizio = u"1/3/1990"_s;
    c.scelte.provaInizioInterruzione = ProvaLunga::DomandaGiudiziale;
    c.scelte.atto = AttoInterruttivo::DomandaGiudiziale;
    c.scelte.statoGiudizio = StatoGiudizio::Estinto;
    QTest::newRow("domanda giudiziale") << c << u"R2"_s << QStringList{u"interruzione"_s, u"interruzione-domanda"_s}
                                        << QStringList{u"Cassazione civile, 1° giugno 1974, n.1566"_s};

    c = causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s);
    c.testi.interruzioneInizio = u"1/3/1990"_s;
    c.testi.interruzioneFine = u"1/6/1990"_s;
    c.scelte.provaInizioInterruzione = ProvaLunga::Diffida;
    c.scelte.provaFineInterruzione = ProvaCorta::Testimoni;
    QTest::newRow("diffida") << c << u"R1"_s << QStringList{u"interruzione-diffida"_s}
                             << QStringList{u"Cassazione civile, 9 maggio 1974, n.1315"_s};

    c = causaDi(Tipologia::Proprieta, u"1/3/1980"_s, u"1/3/2005"_s);
    c.scelte.modo = Modo::ViolentoClandestino;
    c.testi.cessazioneVizio = u"1/3/1982"_s;
    QTest::newRow("violenza cessata") << c << u"R1"_s << QStringList{u"cessazione-vizio"_s}
                                      << QStringList{u"Appello Caltanissetta, 12 aprile 1958"_s};

    c = causaDi(Tipologia::DemanioPubblico, u"1/3/1950"_s, u"1/3/2005"_s);
    QTest::newRow("demanio") << c << u"RD"_s << QStringList{u"demanio"_s}
                             << QStringList{u"Cassazione civile, 26 marzo 1971, n.878"_s};

    c = conTitolo(causaDi(Tipologia::BeniMobili, u"1/3/2003"_s, u"1/3/2005"_s));
    QTest::newRow("consegna di un mobile")
        << c << u"R41"_s << QStringList{u"art. 1153"_s} << QStringList{u"Appello Firenze, 5 settembre 1967"_s};
}

void TstGiurisprudenza::puntiDelGiudizio()
{
    QFETCH(Causa, causa);
    QFETCH(QString, regola);
    QFETCH(QStringList, punti);
    QFETCH(QStringList, citazioni);
    const std::optional<Giudizio> g = giudica(causa);
    QVERIFY(g);
    QCOMPARE(g->decisione.chiave, regola);
    const QStringList trovati = ::puntiDelGiudizio(g->decisione);
    for (const QString& p : punti)
        QVERIFY2(trovati.contains(p), qPrintable(p + u" in "_s + trovati.join(u", "_s)));
    const std::vector<MassimaPertinente> massime = massimePertinenti(g->decisione);
    QStringList cit;
    for (const MassimaPertinente& m : massime) {
        QVERIFY2(!cit.contains(m.citazione) || m.citazione.startsWith(u"Tribunale Sup. Acque"_s),
                 qPrintable(m.citazione));
        cit << m.citazione;
        // The line shown is the citation and the opening of the maxim's own text.
        QVERIFY(testoMassima(m.riferimento).startsWith(m.primaFrase));
    }
    for (const QString& c : citazioni)
        QVERIFY2(cit.contains(c), qPrintable(c + u" in "_s + cit.join(u"; "_s)));
}

void TstGiurisprudenza::primaFrase_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("prima");
    QTest::newRow("articolo nel mezzo") << u"Si presume (art. 1141 c.c.). Altro. - (Cass, 1 gennaio 1950)"_s
                                        << u"Si presume (art. 1141 c.c.)."_s;
    QTest::newRow("c.c. a fine frase") << u"Salve le facoltà dell'art. 936 c.c. Il costruttore può. - (X, 1970)"_s
                                       << u"Salve le facoltà dell'art. 936 c.c."_s;
    QTest::newRow("art. seguito da maiuscola")
        << u"Vale l'art. L'altro. Poi. - (X, 1970)"_s << u"Vale l'art. L'altro."_s;
    QTest::newRow("una frase") << u"Per visibile servitù non vale. - (Pretura Vasto, 26 novembre 1953)"_s
                               << u"Per visibile servitù non vale."_s;
}

void TstGiurisprudenza::primaFrase()
{
    QFETCH(QString, testo);
    QFETCH(QString, prima);
    QCOMPARE(primaFraseMassima(testo), prima);
}

QTEST_APPLESS_MAIN(TstGiurisprudenza)
#include "tst_giurisprudenza.moc"
