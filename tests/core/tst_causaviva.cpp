// The live case's operations, with no window: a proof of a date objection chosen, and with
// "nessuna prova" on the possession's own dates the plaintiff's date standing; one change each.
#include "core/causaviva.h"
#include "core/prove.h"
#include "core/tabellecausa.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// The number of "nessuna prova" among an objection's start (fine false) or end proofs.
qint16 nessunaProva(int obiezione, bool fine)
{
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(obiezione);
    return qint16((fine ? o.proveFine : o.prove).indexOf(ProvaLunga::Nessuna) + 1);
}

// The plaintiff's dates typed, and the defendant's own ones for both objections.
void conDate(CausaViva& viva)
{
    viva.imposta(&TestiCausa::possessoInizio, QStringLiteral("1/1/1970"));
    viva.imposta(&TestiCausa::possessoFine, QStringLiteral("1/1/1995"));
    viva.imposta(&TestiCausa::ledateInizio, QStringLiteral("1/3/1980"));
    viva.imposta(&TestiCausa::ledateFine, QStringLiteral("15/3/1991"));
    viva.imposta(&TestiCausa::interruzioneInizio, QStringLiteral("1/3/1980"));
    viva.imposta(&TestiCausa::interruzioneFine, QStringLiteral("15/3/1991"));
}

}   // namespace

class TstCausaViva : public QObject {
    Q_OBJECT
private slots:
    void nessunaProvaLasciaLaDataDellAttore_data();
    void nessunaProvaLasciaLaDataDellAttore();
    void altraProvaTieneLaDataDelConvenuto();
    void interruzioneNonPrendeMaiLaDataDellAttore();
    void sceltaUgualeNonAnnunciaNulla();
};

void TstCausaViva::nessunaProvaLasciaLaDataDellAttore_data()
{
    QTest::addColumn<bool>("fine");
    QTest::newRow("inizio") << false;
    QTest::newRow("fine") << true;
}

void TstCausaViva::nessunaProvaLasciaLaDataDellAttore()
{
    QFETCH(bool, fine);
    CausaViva viva;
    conDate(viva);
    QSignalSpy cambiata(&viva, &CausaViva::cambiata);
    const qint16 nessuna = nessunaProva(1, fine);
    QVERIFY(nessuna >= 1);
    QVERIFY(viva.scegliProvaData(1, fine, nessuna));
    QCOMPARE(cambiata.size(), 1);
    if (fine)
        QCOMPARE(viva.scelte().provaFineDate, std::optional(ProvaLunga::Nessuna));
    else
        QCOMPARE(viva.scelte().provaInizioDate, std::optional(ProvaCorta::Nessuna));
    QCOMPARE(fine ? viva.testi().ledateFine : viva.testi().ledateInizio,
             fine ? QStringLiteral("1/1/1995") : QStringLiteral("1/1/1970"));
    // The other end keeps the defendant's date.
    QCOMPARE(fine ? viva.testi().ledateInizio : viva.testi().ledateFine,
             fine ? QStringLiteral("1/3/1980") : QStringLiteral("15/3/1991"));
}

void TstCausaViva::altraProvaTieneLaDataDelConvenuto()
{
    CausaViva viva;
    conDate(viva);
    QSignalSpy cambiata(&viva, &CausaViva::cambiata);
    QVERIFY(!viva.scegliProvaData(1, false, qint16(1)));
    QVERIFY(!viva.scegliProvaData(1, true, qint16(1)));
    QCOMPARE(cambiata.size(), 2);
    QCOMPARE(viva.scelte().provaInizioDate, std::optional(ProvaCorta::AttiDisposizione));
    QCOMPARE(viva.scelte().provaFineDate, std::optional(ProvaLunga::AttiDisposizione));
    QCOMPARE(viva.testi().ledateInizio, QStringLiteral("1/3/1980"));
    QCOMPARE(viva.testi().ledateFine, QStringLiteral("15/3/1991"));
}

// An interruption that began or ended with the possession would be no interruption at all.
void TstCausaViva::interruzioneNonPrendeMaiLaDataDellAttore()
{
    CausaViva viva;
    conDate(viva);
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(2);
    for (bool fine : {false, true}) {
        const int prove = int((fine ? o.proveFine : o.prove).size());
        for (int i = 1; i <= prove; ++i)
            QVERIFY(!viva.scegliProvaData(2, fine, qint16(i)));
    }
    QCOMPARE(viva.testi().interruzioneInizio, QStringLiteral("1/3/1980"));
    QCOMPARE(viva.testi().interruzioneFine, QStringLiteral("15/3/1991"));
    QVERIFY(!viva.scelte().provaInizioDate);
    QVERIFY(!viva.scelte().provaFineDate);
}

void TstCausaViva::sceltaUgualeNonAnnunciaNulla()
{
    CausaViva viva;
    conDate(viva);
    const qint16 nessuna = nessunaProva(1, false);
    viva.scegliProvaData(1, false, nessuna);
    QSignalSpy cambiata(&viva, &CausaViva::cambiata);
    // Chosen again: the plaintiff's date still stands, and nothing changed to announce.
    QVERIFY(viva.scegliProvaData(1, false, nessuna));
    QCOMPARE(cambiata.size(), 0);
}

QTEST_GUILESS_MAIN(TstCausaViva)
#include "tst_causaviva.moc"
