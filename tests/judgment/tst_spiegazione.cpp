// The account of a decision: from what decidi() returned, one line per fact that decided it.
#include "judgment/regole.h"
#include "judgment/spiegazione.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A flawless plaintiff of type 1 with 22 years, to which each row adds what the defendant proved.
Fatti base()
{
    Fatti f;
    f.tipologia = qint16(1);
    f.sceltainterr = qint16(3);
    f.sceltamodus = qint16(2);
    f.sceltapsic = qint16(2);
    f.sceltaprov = qint16(1);
    f.sceltafed = qint16(1);
    f.sceltaacq = qint16(1);
    f.durataPossesso = u" 22 anni e  3 giorni"_s;
    return f;
}

} // namespace

class TstSpiegazione : public QObject {
    Q_OBJECT
private slots:
    void righe_data();
    void righe();
    void ordine();
};

void TstSpiegazione::righe_data()
{
    QTest::addColumn<Fatti>("fatti");
    QTest::addColumn<QStringList>("attese");   // a piece of the line with the same heading

    Fatti f = base();
    QTest::newRow("flawless") << f << QStringList{
        u"Regola applicata: R1 (l'attore vince la causa)."_s,
        u"Anni di possesso considerati: 22, secondo le date dell'attore."_s,
        u"Interruzione: nessuna interruzione rilevante."_s,
        u"Modo di acquisto del possesso: pacifico e pubblico (dichiarato dall'attore)."_s,
        u"Animo: del titolare del diritto (dichiarato dall'attore)."_s,
        u"Fede: buona fede (dichiarata dall'attore)."_s};

    f = base();
    f.durataDate = u" 18 anni"_s;
    QTest::newRow("defendant's dates shorten") << f << QStringList{
        u"Regola applicata: R5"_s,
        u"Anni di possesso considerati: 18, secondo le date provate dal convenuto (l'attore ne indicava 22)."_s};

    f = base();
    f.durataDate = u" 30 anni"_s;
    QTest::newRow("defendant's dates do not lengthen") << f << QStringList{
        u"Anni di possesso considerati: 22, secondo le date dell'attore (le date del convenuto, 30 anni, non possono allungare il possesso)."_s};

    f = base();
    f.durataInterruzione = u" 1 anno e  14 giorni"_s;
    f.interdatin = qint16(2);
    f.interdatfin = qint16(6);
    QTest::newRow("interruption proved") << f << QStringList{
        u"Regola applicata: R2 (l'attore perde la causa)."_s,
        u"Interruzione: possesso perduto per oltre un anno (1 anno e 14 giorni), come provato dal convenuto."_s};

    f.interdatin = qint16(ProvaInterruzione::diffidaInizio);
    QTest::newRow("interruption by formal notice") << f << QStringList{
        u"Regola applicata: R1"_s,
        u"Interruzione: nessuna interruzione rilevante; l'interruzione opposta dal convenuto (1 anno e 14 giorni) comincia con una diffida"_s};

    f.interdatin = qint16(2);
    f.interdatfin = qint16(ProvaInterruzione::nessunaProvaFine);
    QTest::newRow("interruption unproved") << f << QStringList{
        u"Interruzione: nessuna interruzione rilevante; l'interruzione opposta dal convenuto (1 anno e 14 giorni) è priva di prova"_s};

    f = base();
    f.durataInterruzione = u" 1 anno"_s;
    f.interdatin = qint16(1);
    f.interdatfin = qint16(1);
    QTest::newRow("interruption of a year") << f << QStringList{
        u"Interruzione: nessuna interruzione rilevante; l'interruzione opposta dal convenuto (1 anno) non supera l'anno"_s};

    f = base();
    f.sceltainterr = qint16(2);
    QTest::newRow("interruption conceded") << f << QStringList{
        u"Interruzione: possesso perduto per oltre un anno, come dichiarato dall'attore."_s};

    f = base();
    f.obiezmodo = qint16(3);
    f.obiezpsiche = qint16(3);
    f.obiezfede = qint16(3);
    QTest::newRow("three objections proved") << f << QStringList{
        u"Regola applicata: RF"_s,
        u"Modo di acquisto del possesso: violento o clandestino (provato dal convenuto)."_s,
        u"Animo: semplice detenzione per conto di altri (provata dal convenuto)."_s,
        u"Fede: mala fede (provata dal convenuto)."_s,
        u"Motivo: acquisto violento o clandestino, detenzione anziché possesso."_s};

    f = base();
    f.sceltafed = qint16(2);
    f.sceltaacq = qint16(2);
    f.durataPossesso = u" 15 anni"_s;
    QTest::newRow("faith and title missing") << f << QStringList{
        u"Fede: mala fede (dichiarata dall'attore)."_s,
        u"Titolo: nessun titolo idoneo."_s,
        u"Motivo: mala fede, mancanza di un titolo idoneo."_s};

    f = base();
    f.durataPossesso = u" 7 anni"_s;
    QTest::newRow("too few years") << f << QStringList{
        u"Motivo: il possesso considerato non raggiunge il termine minimo di 10 anni previsto per la tipologia."_s};

    f = base();
    f.tipologia = qint16(10);
    f.sceltaprov = qint16(2);
    f.durataPossesso = u" 2 anni"_s;
    QTest::newRow("movables delivered, illegitimate provenance") << f << QStringList{
        u"Regola applicata: R41 (l'attore vince la causa)."_s,
        u"Tipologia di usucapione: beni mobili."_s,
        u"Titolo: acquisto da chi non è proprietario con un titolo idoneo."_s,
        u"Provenienza della cosa: illegittima."_s};

    f = Fatti();
    QTest::newRow("nothing answered") << f << QStringList{
        u"Tipologia di usucapione: non indicata."_s,
        u"Modo di acquisto del possesso: non indicato."_s,
        u"Fede: non indicata."_s,
        u"Provenienza della cosa: non indicata."_s,
        u"Motivo: mancano la tipologia o alcune risposte sul possesso."_s};
}

void TstSpiegazione::righe()
{
    QFETCH(Fatti, fatti);
    QFETCH(QStringList, attese);
    const QStringList righe = spiegazione(decidi(fatti));
    for (const QString& a : attese) {
        const QString intestazione = a.section(u':', 0, 0) + u':';
        const auto riga = std::find_if(righe.begin(), righe.end(),
                                       [&](const QString& r) { return r.startsWith(intestazione); });
        QVERIFY2(riga != righe.end(), qPrintable(intestazione));
        QVERIFY2(riga->startsWith(a), qPrintable(*riga));
    }
    for (const QString& r : righe)
        QVERIFY2(r.endsWith(u'.') && !r.endsWith(u".."_s) && !r.contains(u"  "_s) && !r.contains(u'\r'), qPrintable(r));
}

// Every account names the rule first and then the same facts in the same order; only RF adds
// its reason.
void TstSpiegazione::ordine()
{
    const QStringList intestazioni{u"Regola applicata:"_s, u"Tipologia di usucapione:"_s,
                                   u"Anni di possesso considerati:"_s, u"Interruzione:"_s,
                                   u"Modo di acquisto del possesso:"_s, u"Animo:"_s, u"Fede:"_s,
                                   u"Titolo:"_s, u"Provenienza della cosa:"_s};
    Fatti vince = base();
    Fatti perde = base();
    perde.durataPossesso = u" 3 anni"_s;
    for (const Fatti& f : {vince, perde}) {
        const Decisione d = decidi(f);
        const QStringList righe = spiegazione(d);
        const bool rf = d.chiave == u"RF"_s;
        QCOMPARE(righe.size(), intestazioni.size() + (rf ? 1 : 0));
        for (int i = 0; i < intestazioni.size(); ++i)
            QVERIFY2(righe[i].startsWith(intestazioni[i]), qPrintable(righe[i]));
        if (rf)
            QVERIFY(righe.last().startsWith(u"Motivo:"_s));
    }
}

QTEST_APPLESS_MAIN(TstSpiegazione)
#include "tst_spiegazione.moc"
