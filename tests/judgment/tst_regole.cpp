// The decision table: every row reached by a case of its own, the order of the rows, the factors.
#include "judgment/regole.h"

#include <QSet>
#include <QTest>

namespace {

constexpr int V = -1;   // an empty choice

Scelta s(int v)
{
    return v == V ? Scelta() : Scelta(qint16(v));
}

struct Caso {
    const char* nome;
    int tipo;
    const char* possesso;   // possession duration text
    int interr, modus, psic, prov, fed, acq;
    int obmodo, obpsiche, obfede;
    const char* date;       // dates-objection duration text
    const char* interruzione;
    const char* chiave;
    char esito;             // 'W' the plaintiff wins, 'L' loses
    char forma;
};

// Answers of a flawless plaintiff: no interruption (3), peaceful and public (2), as owner (2),
// legitimate provenance (1), good faith (1), registered title (1).
const Caso casi[] = {
    {"public domain, fifty flawless years", 12, " 50 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RD", 'L', 'N'},
    {"public domain, nothing else given", 12, "", V, V, V, V, V, V, V, V, V, "", "", "RD", 'L', 'N'},

    {"twenty years flawless", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R1", 'W', 'N'},
    {"twenty-five years, bad faith, no title", 1, " 25 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R1", 'W', 'N'},
    {"twenty-five years, bad faith proved", 1, " 25 anni", 3, 2, 2, 1, 2, 2, 0, 0, 5, "", "", "R1", 'W', 'N'},
    {"apparent servitude, interrupted under a year", 6, " 20 anni e  1 giorno", 1, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R1", 'W', 'N'},
    {"non-apparent servitude, twenty flawless years", 7, " 20 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RS", 'L', 'N'},
    {"non-apparent servitude, nothing else given", 7, "", V, V, V, V, V, V, V, V, V, "", "", "RS", 'L', 'N'},
    {"120 years read whole", 1, " 120 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R1", 'W', 'N'},
    {"interruption of 364 days is not a year", 1, " 20 anni", 1, 2, 2, 1, 1, 1, 0, 0, 0, "", " 0 anni e  364 giorni", "R1", 'W', 'N'},
    {"defendant's dates longer than the plaintiff's", 1, " 22 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, " 30 anni", "", "R1", 'W', 'N'},
    {"defendant's dates equal to the plaintiff's", 1, " 22 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, " 22 anni e  3 giorni", "", "R1", 'W', 'N'},
    {"manner: no proof offered", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 12, 0, 0, "", "", "R1", 'W', 'N'},

    {"twenty years interrupted", 2, " 20 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R2", 'L', 'N'},
    {"interruption of a year proved by the defendant", 1, " 20 anni", 1, 2, 2, 1, 1, 1, 0, 0, 0, "", " 1 anno", "R2", 'L', 'N'},
    {"twenty years violent", 3, " 21 anni e  3 giorni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R3", 'L', 'N'},
    {"manner proved by the defendant (11)", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 11, 0, 0, "", "", "R3", 'L', 'N'},
    {"manner proved by the defendant (1)", 1, " 20 anni", 3, 2, 2, 1, 1, 1, 1, 0, 0, "", "", "R3", 'L', 'N'},
    {"twenty years as holder", 4, " 20 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R4", 'L', 'N'},

    {"ten years, good faith and title", 5, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R5", 'W', 'C'},
    {"twelve years, formal notice (11) is no proof of detention", 1, " 12 anni", 3, 2, 2, 1, 1, 1, 0, 11, 0, "", "", "R5", 'W', 'C'},
    {"defendant's dates shorten 22 years to 18", 1, " 22 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, " 18 anni", "", "R5", 'W', 'C'},
    {"faith: no proof offered", 1, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 12, "", "", "R5", 'W', 'C'},
    {"ten years interrupted", 6, " 10 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R6", 'L', 'C'},
    {"fifteen years violent", 6, " 15 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R7", 'L', 'C'},
    {"ten years as holder", 1, " 10 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R8", 'L', 'C'},
    {"twelve years, detention proved (10)", 1, " 12 anni", 3, 2, 2, 1, 1, 1, 0, 10, 0, "", "", "R8", 'L', 'C'},
    {"ten years in bad faith", 1, " 10 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R9", 'L', 'C'},
    {"bad faith proved by the defendant (11)", 1, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 11, "", "", "R9", 'L', 'C'},
    {"almost twenty years without title", 1, " 19 anni e  364 giorni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R10", 'L', 'C'},

    {"rural, fifteen years in bad faith without title", 8, " 15 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R11", 'W', 'C'},
    {"rural, fifteen years interrupted", 8, " 15 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R12", 'L', 'N'},
    {"rural, sixteen years interrupted", 8, " 16 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R12", 'L', 'N'},
    {"rural, fifteen years violent", 8, " 15 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R13", 'L', 'C'},
    {"rural, fifteen years as holder", 8, " 15 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R14", 'L', 'C'},
    {"rural, five years with title", 8, " 5 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R15", 'W', 'C'},
    {"rural, five years interrupted", 8, " 5 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R16", 'L', 'N'},
    {"rural, fourteen years violent", 8, " 14 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R17", 'L', 'N'},
    {"rural, five years as holder", 8, " 5 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R18", 'L', 'A'},
    {"rural, five years in bad faith", 8, " 5 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R19", 'L', 'N'},
    {"rural, five years without title", 8, " 5 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R20", 'L', 'N'},

    {"universality, twenty years in bad faith", 9, " 20 anni", 3, 2, 2, 2, 2, 2, 0, 0, 0, "", "", "R21", 'W', 'C'},
    {"universality, twenty years interrupted", 9, " 20 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R22", 'L', 'N'},
    {"universality, twenty years violent", 9, " 20 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R23", 'L', 'N'},
    {"universality, twenty years as holder", 9, " 20 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R24", 'L', 'N'},
    {"universality, ten years with title", 9, " 10 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R25", 'W', 'C'},
    {"universality, ten years interrupted", 9, " 10 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R26", 'L', 'N'},
    {"universality, ten years violent", 9, " 10 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R27", 'L', 'N'},
    {"universality, ten years as holder", 9, " 10 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R28", 'L', 'N'},
    {"universality, ten years in bad faith", 9, " 10 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R29", 'L', 'N'},
    {"universality, ten years without title", 9, " 10 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R30", 'L', 'N'},

    {"movables, twenty years in bad faith", 10, " 20 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "R31", 'W', 'C'},
    {"movables, bad faith interrupted", 10, " 20 anni", 2, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R32", 'L', 'N'},
    {"movables, bad faith violent", 10, " 20 anni", 3, 1, 2, 1, 2, 1, 0, 0, 0, "", "", "R33", 'L', 'N'},
    {"movables, bad faith as holder", 10, " 20 anni", 3, 2, 1, 1, 2, 1, 0, 0, 0, "", "", "R34", 'L', 'N'},
    {"movables, ten years in good faith", 10, " 10 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R35", 'W', 'C'},
    {"movables, good faith for twenty-five years", 10, " 25 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R35", 'W', 'C'},
    {"movables, fifteen years, illegitimate provenance", 10, " 15 anni", 3, 2, 2, 2, 1, 1, 0, 0, 0, "", "", "R35", 'W', 'C'},
    {"movables, good faith interrupted", 10, " 10 anni", 2, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R36", 'L', 'N'},
    {"movables, good faith violent", 10, " 10 anni", 3, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "R37", 'L', 'N'},
    {"movables, good faith as holder", 10, " 10 anni", 3, 2, 1, 1, 1, 1, 0, 0, 0, "", "", "R38", 'L', 'N'},
    {"movables, twelve years in bad faith", 10, " 12 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R39", 'L', 'N'},
    {"movables, two years, illegitimate provenance", 10, " 2 anni", 3, 2, 2, 2, 1, 1, 0, 0, 0, "", "", "R40", 'L', 'C'},
    {"movables, no duration read, illegitimate provenance", 10, "", V, V, V, 2, V, V, 0, 0, 0, "", "", "R40", 'L', 'C'},
    {"movables, two years, delivery in good faith with title", 10, " 2 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R41", 'W', 'C'},
    {"movables, garbled duration, delivery with title", 10, "xyz", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R41", 'W', 'C'},
    {"movables, two years in bad faith", 10, " 2 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R42", 'L', 'N'},
    {"movables, bad faith with two defects", 10, " 20 anni", 2, 1, 2, 1, 2, 1, 0, 0, 0, "", "", "R42", 'L', 'N'},
    {"movables, two years without title", 10, " 2 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R43", 'L', 'N'},

    {"registered movables, ten years whatever else", 11, " 10 anni", 2, 1, 1, 2, 2, 2, 0, 0, 0, "", "", "R44", 'W', 'C'},
    {"registered movables, objections notwithstanding", 11, " 10 anni", 3, 2, 2, 1, 1, 1, 3, 3, 3, "", "", "R44", 'W', 'C'},
    {"registered movables, three years with title", 11, " 3 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "R45", 'W', 'C'},
    {"registered movables, three years violent but in good faith", 11, " 3 anni", 2, 1, 1, 1, 1, 1, 0, 0, 0, "", "", "R45", 'W', 'C'},
    {"registered movables, three years in bad faith", 11, " 3 anni", 3, 2, 2, 1, 2, 1, 0, 0, 0, "", "", "R46", 'L', 'N'},
    {"registered movables, nine years without title", 11, " 9 anni", 3, 2, 2, 1, 1, 2, 0, 0, 0, "", "", "R47", 'L', 'N'},

    {"nine years flawless", 1, " 9 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"twenty-five years with two defects", 1, " 25 anni", 2, 1, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"fifteen years, bad faith and no title", 1, " 15 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"empty possession duration", 1, "", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"manner left empty", 1, " 20 anni", 3, V, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"defendant's dates read garbled", 1, " 22 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "?", "", "RF", 'L', 'C'},
    {"rural, four years", 8, " 4 anni e  364 giorni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"universality, nine years", 9, " 9 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"movables, bad faith without title", 10, " 5 anni", 3, 2, 2, 1, 2, 2, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"registered movables, two years", 11, " 2 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
    {"no type chosen", V, " 30 anni", 3, 2, 2, 1, 1, 1, 0, 0, 0, "", "", "RF", 'L', 'C'},
};

Fatti fattiDi(const Caso& c)
{
    Fatti f;
    f.tipologia = s(c.tipo);
    f.sceltainterr = s(c.interr);
    f.sceltamodus = s(c.modus);
    f.sceltapsic = s(c.psic);
    f.sceltaprov = s(c.prov);
    f.sceltafed = s(c.fed);
    f.sceltaacq = s(c.acq);
    f.obiezmodo = s(c.obmodo);
    f.obiezpsiche = s(c.obpsiche);
    f.obiezfede = s(c.obfede);
    f.durataPossesso = QString::fromUtf8(c.possesso);
    f.durataDate = QString::fromUtf8(c.date);
    f.durataInterruzione = QString::fromUtf8(c.interruzione);
    return f;
}

QString anniTesto(int n)
{
    return QStringLiteral(" %1 %2").arg(n).arg(n == 1 ? QStringLiteral("anno") : QStringLiteral("anni"));
}

} // namespace

class TstRegole : public QObject {
    Q_OBJECT
private slots:
    void decisione_data();
    void decisione();
    void ogniRegolaRaggiunta();
    void ordineDellaTabella();
    void fattori_data();
    void fattori();
    void tipiDaUnoASetteSonoUno();
    void obiezioniSenzaPeso();
    void datiCausa();
};

void TstRegole::decisione_data()
{
    QTest::addColumn<int>("i");
    for (int i = 0; i < int(std::size(casi)); ++i)
        QTest::newRow(casi[i].nome) << i;
}

void TstRegole::decisione()
{
    QFETCH(int, i);
    const Caso& c = casi[i];
    const Decisione d = decidi(fattiDi(c));
    QCOMPARE(d.chiave, QString::fromLatin1(c.chiave));
    QCOMPARE(d.esito, c.esito == 'W' ? Esito::Vince : Esito::Perde);
    QCOMPARE(d.forma, c.forma);
    QVERIFY(d.riga >= 0 && d.riga < int(tabellaRegole().size()));
    QCOMPARE(tabellaRegole()[size_t(d.riga)].chiave, d.chiave);
}

void TstRegole::ogniRegolaRaggiunta()
{
    QSet<QString> raggiunte;
    for (const Caso& c : casi)
        raggiunte.insert(decidi(fattiDi(c)).chiave);
    for (const Regola& r : tabellaRegole())
        QVERIFY2(raggiunte.contains(r.chiave), qPrintable(r.chiave + QStringLiteral(" never reached")));
}

void TstRegole::ordineDellaTabella()
{
    QStringList attese{QStringLiteral("RD"), QStringLiteral("RS")};
    for (int k = 1; k <= 47; ++k)
        attese << QStringLiteral("R%1").arg(k);
    attese << QStringLiteral("RF");
    QStringList chiavi;
    for (const Regola& r : tabellaRegole())
        chiavi << r.chiave;
    QCOMPARE(chiavi, attese);

    // The last row catches every case, whatever the factors.
    Fattori nulli;
    nulli.interrotto = 0;
    QVERIFY(tabellaRegole().back().vale(nulli));
}

void TstRegole::fattori_data()
{
    QTest::addColumn<QString>("possesso");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("interruzione");
    QTest::addColumn<int>("interr");
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("psic");
    QTest::addColumn<int>("fed");
    QTest::addColumn<int>("obmodo");
    QTest::addColumn<int>("obpsiche");
    QTest::addColumn<int>("obfede");
    QTest::addColumn<int>("anni");
    QTest::addColumn<int>("interrotto");
    QTest::addColumn<int>("modoacq");
    QTest::addColumn<int>("animo");
    QTest::addColumn<int>("fedeposs");

    const QString p22 = QStringLiteral(" 22 anni e  17 giorni");
    QTest::newRow("plaintiff's own answers") << p22 << "" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("the other answers") << p22 << "" << "" << 1 << 1 << 1 << 2 << 0 << 0 << 0 << 22 << 1 << 1 << 1 << 2;
    QTest::newRow("interrupted over a year") << p22 << "" << "" << 2 << 2 << 2 << 1 << 0 << 0 << 0 << 22 << 2 << 2 << 2 << 1;
    QTest::newRow("interruption window, one year") << p22 << "" << " 1 anno" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 22 << 2 << 2 << 2 << 1;
    QTest::newRow("interruption window, days only") << p22 << "" << " 0 anni e  300 giorni" << 1 << 2 << 2 << 1 << 0 << 0 << 0 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("interruption window garbled") << p22 << "" << "??" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("defendant's dates shorter") << p22 << " 18 anni" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 18 << 1 << 2 << 2 << 1;
    QTest::newRow("defendant's dates longer") << p22 << " 30 anni" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("defendant's dates under a year") << p22 << " 0 anni e  2 giorni" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 0 << 1 << 2 << 2 << 1;
    QTest::newRow("no possession duration") << "" << " 5 anni" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 0 << 1 << 2 << 2 << 1;
    QTest::newRow("120 years") << " 120 anni" << "" << "" << 3 << 2 << 2 << 1 << 0 << 0 << 0 << 120 << 1 << 2 << 2 << 1;
    QTest::newRow("objections at their lower bound") << p22 << "" << "" << 3 << 2 << 2 << 1 << 1 << 1 << 1 << 22 << 1 << 1 << 1 << 2;
    QTest::newRow("objections at 10") << p22 << "" << "" << 3 << 2 << 2 << 1 << 10 << 10 << 10 << 22 << 1 << 1 << 1 << 2;
    QTest::newRow("objections at 11") << p22 << "" << "" << 3 << 2 << 2 << 1 << 11 << 11 << 11 << 22 << 1 << 1 << 2 << 2;
    QTest::newRow("no proof offered (12)") << p22 << "" << "" << 3 << 2 << 2 << 1 << 12 << 12 << 12 << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("objections never raised") << p22 << "" << "" << 3 << 2 << 2 << 1 << V << V << V << 22 << 1 << 2 << 2 << 1;
    QTest::newRow("objections do not improve") << p22 << "" << "" << 3 << 1 << 1 << 2 << 12 << 11 << 12 << 22 << 1 << 1 << 1 << 2;
    QTest::newRow("answers left empty") << p22 << "" << "" << V << V << V << V << 0 << 0 << 0 << 22 << 1 << 0 << 0 << 0;
}

void TstRegole::fattori()
{
    QFETCH(QString, possesso);
    QFETCH(QString, date);
    QFETCH(QString, interruzione);
    QFETCH(int, interr);
    QFETCH(int, modus);
    QFETCH(int, psic);
    QFETCH(int, fed);
    QFETCH(int, obmodo);
    QFETCH(int, obpsiche);
    QFETCH(int, obfede);

    Fatti f;
    f.tipologia = s(1);
    f.sceltainterr = s(interr);
    f.sceltamodus = s(modus);
    f.sceltapsic = s(psic);
    f.sceltafed = s(fed);
    f.obiezmodo = s(obmodo);
    f.obiezpsiche = s(obpsiche);
    f.obiezfede = s(obfede);
    f.durataPossesso = possesso;
    f.durataDate = date;
    f.durataInterruzione = interruzione;
    const Fattori x = ::fattori(f);
    QTEST(x.anni, "anni");
    QTEST(x.interrotto, "interrotto");
    QTEST(x.modoacq, "modoacq");
    QTEST(x.animo, "animo");
    QTEST(x.fedeposs, "fedeposs");
}

// Ownership, the real rights of enjoyment and apparent servitudes follow one and the same set of rules.
void TstRegole::tipiDaUnoASetteSonoUno()
{
    int casiProvati = 0;
    for (int anni = 0; anni <= 30; ++anni)
        for (int interr = 1; interr <= 3; ++interr)
            for (int m = 1; m <= 2; ++m)
                for (int p = 1; p <= 2; ++p)
                    for (int fed = 1; fed <= 2; ++fed)
                        for (int acq = 1; acq <= 2; ++acq) {
                            Fatti f;
                            f.sceltainterr = s(interr);
                            f.sceltamodus = s(m);
                            f.sceltapsic = s(p);
                            f.sceltaprov = s(1);
                            f.sceltafed = s(fed);
                            f.sceltaacq = s(acq);
                            f.durataPossesso = anniTesto(anni);
                            f.tipologia = s(1);
                            const QString primo = decidi(f).chiave;
                            const int n = primo.mid(1).toInt();
                            QVERIFY(primo == QLatin1String("RF") || (n >= 1 && n <= 10));
                            for (int tipo = 2; tipo <= 6; ++tipo) {
                                f.tipologia = s(tipo);
                                QCOMPARE(decidi(f).chiave, primo);
                            }
                            ++casiProvati;
                        }
    QCOMPARE(casiProvati, 31 * 3 * 16);
}

// The objections on provenance and on acquisition from a non-owner never change the outcome.
void TstRegole::obiezioniSenzaPeso()
{
    for (const Caso& c : casi) {
        DatiCausa d;
        const Fatti f = fattiDi(c);
        d.tipologia = f.tipologia;
        d.sceltainterr = f.sceltainterr;
        d.sceltamodus = f.sceltamodus;
        d.sceltapsic = f.sceltapsic;
        d.sceltaprov = f.sceltaprov;
        d.sceltafed = f.sceltafed;
        d.sceltaacq = f.sceltaacq;
        d.obiezmodo = f.obiezmodo;
        d.obiezpsiche = f.obiezpsiche;
        d.obiezfede = f.obiezfede;
        for (int prov = 0; prov <= 12; prov += 3)
            for (int acq = 0; acq <= 12; acq += 4) {
                d.obiezprov = s(prov);
                d.obiezacq = s(acq);
                d.ledatin = s(prov % 3 + 1);
                d.interdatfin = s(acq % 2 + 1);
                const Fatti g = Fatti::da(d, f.durataPossesso, f.durataDate, f.durataInterruzione);
                QCOMPARE(decidi(g).chiave, QString::fromLatin1(c.chiave));
            }
    }
}

// The record of the case reaches every factor the rules test.
void TstRegole::datiCausa()
{
    DatiCausa d;
    d.tipologia = s(10);
    d.sceltainterr = s(3);
    d.sceltamodus = s(2);
    d.sceltapsic = s(2);
    d.sceltaprov = s(1);
    d.sceltafed = s(1);
    d.sceltaacq = s(1);
    QCOMPARE(decidi(Fatti::da(d, QStringLiteral(" 2 anni"), QString(), QString())).chiave, QStringLiteral("R41"));
    d.sceltaprov = s(2);
    QCOMPARE(decidi(Fatti::da(d, QStringLiteral(" 2 anni"), QString(), QString())).chiave, QStringLiteral("R40"));
    QCOMPARE(decidi(Fatti::da(d, QStringLiteral(" 12 anni"), QString(), QString())).chiave, QStringLiteral("R35"));
    QCOMPARE(decidi(Fatti::da(d, QStringLiteral(" 12 anni"), QString(), QStringLiteral(" 2 anni"))).chiave, QStringLiteral("R36"));
    QCOMPARE(decidi(Fatti::da(d, QStringLiteral(" 12 anni"), QStringLiteral(" 8 anni"), QString())).chiave, QStringLiteral("R40"));
    d.obiezmodo = s(4);
    QCOMPARE(decidi(Fatti::da(d, QStringLiteral(" 12 anni"), QString(), QString())).chiave, QStringLiteral("R37"));
    d.obiezmodo = s(0);
    d.obiezpsiche = s(4);
    QCOMPARE(decidi(Fatti::da(d, QStringLiteral(" 12 anni"), QString(), QString())).chiave, QStringLiteral("R38"));
    d.obiezpsiche = s(0);
    d.obiezfede = s(4);
    QCOMPARE(decidi(Fatti::da(d, QStringLiteral(" 12 anni"), QString(), QString())).chiave, QStringLiteral("R39"));
    d.sceltaacq = s(2);
    d.sceltaprov = s(1);
    d.obiezfede = s(0);
    QCOMPARE(decidi(Fatti::da(d, QStringLiteral(" 2 anni"), QString(), QString())).chiave, QStringLiteral("R43"));
}

QTEST_APPLESS_MAIN(TstRegole)
#include "tst_regole.moc"
