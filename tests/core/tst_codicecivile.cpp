// The Civil Code content: display texts of the 32 articles, their numbering, the articles other
// windows quote, and the justification of the print lines.
#include "core/codicecivile.h"
#include "core/giustificazione.h"

#include <QRegularExpression>
#include <QtTest>

using namespace CodiceCivile;

namespace {

const QChar CR(13);

QStringList parole(const QString& testo)
{
    static const QRegularExpression blank(QStringLiteral("\\s+"));
    return testo.split(blank, Qt::SkipEmptyParts);
}

// The widths of the gaps between the words of a line.
QList<int> spazi(const QString& riga)
{
    QList<int> gap;
    int corrente = 0;
    for (QChar c : riga) {
        if (c == QLatin1Char(' ')) {
            ++corrente;
        } else if (corrente > 0) {
            gap << corrente;
            corrente = 0;
        }
    }
    return gap;
}

// Checks the justification of one paragraph's lines against the paragraph itself.
void verificaGiustificazione(const QString& paragrafo, const QStringList& righe, int larghezza)
{
    QVERIFY(!righe.isEmpty());
    QStringList tutte;
    for (int i = 0; i < righe.size(); ++i) {
        const QString& r = righe[i];
        const QStringList pr = parole(r);
        tutte << pr;
        QVERIFY2(!r.startsWith(QLatin1Char(' ')) && !r.endsWith(QLatin1Char(' ')), qPrintable(r));
        if (pr.size() > 1 || pr.first().size() <= larghezza)
            QVERIFY2(r.size() <= larghezza, qPrintable(r));
        const bool ultima = i == righe.size() - 1;
        if (ultima) {
            QCOMPARE(r, pr.join(QLatin1Char(' ')));
        } else {
            if (pr.size() > 1)
                QCOMPARE(r.size(), larghezza);
            // Greedy filling: the next line's first word would not have fitted on this one.
            const QString naturale = pr.join(QLatin1Char(' '));
            QVERIFY(naturale.size() + 1 + parole(righe[i + 1]).first().size() > larghezza);
            // Gaps widened evenly.
            const QList<int> g = spazi(r);
            if (!g.isEmpty()) {
                const auto [mn, mx] = std::minmax_element(g.begin(), g.end());
                QVERIFY(*mx - *mn <= 1);
            }
        }
    }
    QCOMPARE(tutte, parole(paragrafo));   // no word split, lost or reordered
}

}   // namespace

class TstCodiceCivile : public QObject {
    Q_OBJECT
private slots:
    void struttura_data();
    void struttura();
    void esempioArticolo1144();
    void testoUfficiale_data();
    void testoUfficiale();
    void nomeDellIstituto();
    void portataCommenti_data();
    void portataCommenti();
    void numeroStato_data();
    void numeroStato();
    void fuoriIntervallo();
    void commiPerNumero_data();
    void commiPerNumero();
    void giustifica_data();
    void giustifica();
    void righeStampaArticoli_data();
    void righeStampaArticoli();
    void articoliCitati_data();
    void articoliCitati();
    void spiegazioniBeni();
};

void TstCodiceCivile::struttura_data()
{
    QTest::addColumn<int>("posizione");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<int>("paragrafi");
    QTest::addColumn<QString>("inizioCommento");   // empty: no comment

    struct Riga {
        const char* numero;
        int paragrafi;
        const char* commento;
    };
    const Riga righe[] = {
        {"1140", 2, "Commento: per diritti reali bisogna intendere"},
        {"1141", 2, "Commento: chi si comporta come un"},
        {"1142", 1, "Commento: senza una prova contraria si"},
        {"1143", 1, "Commento: bisogna sempre provare da quando"},
        {"1144", 1, "Commento: gli atti che il proprietario"},
        {"1145", 3, "Commento: il possesso senza effetto riguarda"},
        {"1146", 2, "Commento: la durata del possesso non"},
        {"1147", 3, "Commento: la buona fede si presume,"},
        {"1148", 1, "Commento: il possessore di buona fede"},
        {"1149", 1, "Commento: il possessore, anche se deve"},
        {"1150", 5, ""},
        {"1151", 1, "Commento: le indennità dovute al possessore"},
        {"1152", 2, "Commento: chi possiede in buona fede"},
        {"1153", 3, "Commento: il possesso di beni mobili"},
        {"1154", 1, "Commento: l'illegittima provenienza della cosa non"},
        {"1155", 1, "Commento: l'acquisto in buona fede è"},
        {"1156", 1, "Commento: gli articoli 1153, 1154 e"},
        {"1157", 1, "Commento: la buona fede nel possesso"},
        {"1158", 1, "Commento: la proprietà di beni immobili,"},
        {"1159", 2, "Commento: per l'usucapione decennale occorre la"},
        {"1159 bis", 4, "Commento: la proprietà rurale si può"},
        {"1160", 2, "Commento: l'usucapione di un'universalità di"},
        {"1161", 2, "Commento: l'usucapione dei beni mobili si"},
        {"1162", 3, "Commento: l'usucapione si compie in tre"},
        {"1163", 1, "Commento: non è possibile usucapire un"},
        {"1164", 1, "Commento: il possesso dovuto ad un"},
        {"1165", 1, "Commento: richiama le norme relative alla"},
        {"1166", 2, "Commento: le cause di impedimento e"},
        {"1167", 2, "Commento: i termini per l'usucapione sono"},
        {"1168", 4, "Commento: chi perde il possesso per"},
        {"1169", 1, "Commento: si può chiedere di essere"},
        {"1170", 3, "Commento: chi ha il possesso da"},
    };
    for (int k = 1; k <= 32; ++k) {
        const Riga& r = righe[k - 1];
        QTest::addRow("%d: art. %s", k, r.numero)
            << k << QString::fromUtf8(r.numero) << r.paragrafi << QString::fromUtf8(r.commento);
    }
}

void TstCodiceCivile::struttura()
{
    QFETCH(int, posizione);
    QFETCH(QString, numero);
    QFETCH(int, paragrafi);
    QFETCH(QString, inizioCommento);

    QCOMPARE(numeroArticolo(posizione), numero);
    QVERIFY(didascalia(posizione).startsWith(numero + QStringLiteral(") ")));

    const QString testo = testoVisualizzato(posizione);
    QVERIFY(!testo.contains(QLatin1Char('\n')));
    const QStringList pezzi = testo.split(CR);
    const bool conCommento = !inizioCommento.isEmpty();
    QCOMPARE(pezzi.size(), 1 + paragrafi + 1 + (conCommento ? 1 : 0));
    QCOMPARE(pezzi.first(), QStringLiteral("Articolo ") + numero + QStringLiteral(" del Codice Civile:"));
    for (int i = 1; i <= paragrafi; ++i) {
        QVERIFY2(pezzi[i].size() > 20, qPrintable(pezzi[i]));
        QVERIFY2(pezzi[i].endsWith(QLatin1Char('.')) || pezzi[i].endsWith(QLatin1Char(';')), qPrintable(pezzi[i]));
    }
    QCOMPARE(pezzi[paragrafi + 1], QStringLiteral("--------------------"));
    if (conCommento) {
        const QString c = pezzi.last();
        QVERIFY(c.startsWith(QStringLiteral("Commento: ")));
        QVERIFY2(c.startsWith(inizioCommento + QLatin1Char(' ')) || c == inizioCommento, qPrintable(c));
        QVERIFY(c.endsWith(QLatin1Char('.')));
        QCOMPARE(commento(posizione), c);
    } else {
        QVERIFY(testo.endsWith(QStringLiteral("--------------------")));
        QVERIFY(commento(posizione).isEmpty());
    }
    QCOMPARE(commi(posizione), pezzi.mid(1, paragrafi));
}

void TstCodiceCivile::esempioArticolo1144()
{
    const QString atteso =
        QStringLiteral("Articolo 1144 del Codice Civile:") + CR
        + QStringLiteral(
            "Gli atti compiuti con l'altrui tolleranza non possono servire di fondamento all'acquisto del possesso.")
        + CR + QStringLiteral("--------------------") + CR
        + QStringLiteral(
            "Commento: gli atti che il proprietario si limita a sopportare, per cortesia, amicizia o buon vicinato e senza rinunciare al proprio diritto, non fanno nascere il possesso. Non ogni consenso lo esclude però: il compratore, che riceve la cosa dal venditore per averla come propria, la possiede proprio in forza di quel consenso.");
    QCOMPARE(testoVisualizzato(5), atteso);
}

// Every quoted paragraph in the Code's own wording: the capital È, not "E'", and no cross-reference
// or procedural article added in brackets; every heading whole.
void TstCodiceCivile::testoUfficiale_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QStringList>("paragrafi");
    for (int k = 1; k <= numeroArticoli; ++k)
        QTest::addRow("%s", qPrintable(numeroArticolo(k))) << numeroArticolo(k) << commi(k);
    for (int n : {812, 816, 822, 823, 832, 1061, 2727, 2730, 2736, 2943, 2944})
        QTest::addRow("%d", n) << QString::number(n) << commiCitati(n);
}

void TstCodiceCivile::testoUfficiale()
{
    QFETCH(QString, numero);
    QFETCH(QStringList, paragrafi);
    static const QRegularExpression rinvio(QStringLiteral("\\(\\s*\\d|c\\.p\\.c\\."));
    QVERIFY(!paragrafi.isEmpty());
    for (const QString& p : paragrafi) {
        QVERIFY2(!p.contains(QStringLiteral("E'")), qPrintable(p));
        QVERIFY2(!rinvio.match(p).hasMatch(), qPrintable(p));
    }
    for (int k = 1; k <= numeroArticoli; ++k)
        if (numeroArticolo(k) == numero)
            QVERIFY2(!didascalia(k).endsWith(QStringLiteral("...")), qPrintable(didascalia(k)));
}

// The Code names the institute "usucapione": the program's own name never stands for it in a
// heading, a paragraph or a comment.
void TstCodiceCivile::nomeDellIstituto()
{
    int rubricheUsucapione = 0;
    for (int k = 1; k <= numeroArticoli; ++k) {
        const QString testo = didascalia(k) + commi(k).join(QLatin1Char(' ')) + commento(k);
        QVERIFY2(!testo.contains(QStringLiteral("possidoria"), Qt::CaseInsensitive), qPrintable(didascalia(k)));
        rubricheUsucapione += didascalia(k).contains(QStringLiteral(") Usucapione "));
    }
    // 1158, 1159, 1159 bis, 1160, 1161, 1162 open their headings with it; 1167 names it within.
    QCOMPARE(rubricheUsucapione, 6);
    QVERIFY(didascalia(29).contains(QStringLiteral("dell'usucapione")));
}

// A comment must not widen or narrow the rule it explains: each row names what the article's own
// wording limits the rule to.
void TstCodiceCivile::portataCommenti_data()
{
    QTest::addColumn<int>("posizione");
    QTest::addColumn<QStringList>("necessari");

    // 1154: what does not help is the belief that the author had become owner meanwhile.
    QTest::newRow("1154 the erroneous belief") << 15 << QStringList{QStringLiteral("divenuto proprietario")};
    // 1161 governs acquisition without a suitable title; with one, art. 1153 applies at once.
    QTest::newRow("1161 without a suitable title")
        << 23 << QStringList{QStringLiteral("manca un titolo idoneo"), QStringLiteral("1153")};
    // 1166 leaves out only condition, term and the suspensions of art. 2942, not those of 2941.
    QTest::newRow("1166 only the causes of 2942")
        << 28 << QStringList{QStringLiteral("condizione"), QStringLiteral("termine"), QStringLiteral("2942")};
    // 1149 refers to art. 821, which limits the refund to the value of the fruits.
    QTest::newRow("1149 within the value of the fruits")
        << 10 << QStringList{QStringLiteral("valore dei frutti"), QStringLiteral("821")};
    // 1153 does not reach universalities and registered movables.
    QTest::newRow("1153 not for the goods of 1156") << 14 << QStringList{QStringLiteral("1156")};
    // All possession of credit instruments, not only good faith, follows arts. 1992 ff.
    QTest::newRow("1157 credit instruments, arts. 1992 ff.")
        << 18 << QStringList{QStringLiteral("ogni altro aspetto del loro possesso"), QStringLiteral("1992")};
    // 1160 concerns universalities of movables, not movables at large.
    QTest::newRow("1160 universalities") << 22 << QStringList{QStringLiteral("universalità di mobili")};
    // 1163: the defect is in how possession was acquired; the useful time runs from when it ceased.
    QTest::newRow("1163 manner of acquisition")
        << 25 << QStringList{QStringLiteral("acquistato"), QStringLiteral("sono cessate")};
}

void TstCodiceCivile::portataCommenti()
{
    QFETCH(int, posizione);
    QFETCH(QStringList, necessari);
    const QString c = commento(posizione);
    for (const QString& n : necessari)
        QVERIFY2(c.contains(n), qPrintable(c));
}

void TstCodiceCivile::numeroStato_data()
{
    QTest::addColumn<int>("posizione");
    QTest::addColumn<int>("numero");
    for (int k = 1; k <= 20; ++k)
        QTest::addRow("%d", k) << k << 1139 + k;
    QTest::newRow("21 is 1159 bis, shown as 1159") << 21 << 1159;
    for (int k = 22; k <= 32; ++k)
        QTest::addRow("%d", k) << k << 1138 + k;
}

void TstCodiceCivile::numeroStato()
{
    QFETCH(int, posizione);
    QFETCH(int, numero);
    QCOMPARE(CodiceCivile::numeroStato(posizione), numero);
    if (posizione != 21)
        QCOMPARE(numeroArticolo(posizione), QString::number(numero));
}

void TstCodiceCivile::fuoriIntervallo()
{
    for (int k : {-1, 0, 33, 100}) {
        QVERIFY(numeroArticolo(k).isEmpty());
        QVERIFY(didascalia(k).isEmpty());
        QVERIFY(testoVisualizzato(k).isEmpty());
        QVERIFY(commi(k).isEmpty());
        QVERIFY(righeStampa(k).isEmpty());
    }
    QVERIFY(commiCitati(1140).isEmpty());
    QVERIFY(testoCitato(812).isEmpty());   // no comment, not shown as an article box
    // Quoted by the judgments only: no article box of their own.
    QCOMPARE(commiCitati(823).size(), 1);
    QCOMPARE(commiCitati(1061).size(), 2);
    QVERIFY(testoCitato(823).isEmpty() && testoCitato(1061).isEmpty());
}

// The paragraphs of an article by the number a judgment names it with, from either table.
void TstCodiceCivile::commiPerNumero_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QStringList>("attesi");
    QTest::newRow("1159 bis") << QStringLiteral("1159 bis") << commi(21);
    QTest::newRow("1159") << QStringLiteral("1159") << commi(20);
    QTest::newRow("1160, after the bis") << QStringLiteral("1160") << commi(22);
    QTest::newRow("823, quoted only") << QStringLiteral("823") << commiCitati(823);
    QTest::newRow("2944, quoted only") << QStringLiteral("2944") << commiCitati(2944);
    QTest::newRow("not in the library") << QStringLiteral("1171") << QStringList();
    QTest::newRow("bis of another") << QStringLiteral("1160 bis") << QStringList();
    QTest::newRow("empty") << QString() << QStringList();
}

void TstCodiceCivile::commiPerNumero()
{
    QFETCH(QString, numero);
    QFETCH(QStringList, attesi);
    QCOMPARE(commiArticolo(numero), attesi);
    bool intero = false;
    const int n = numero.toInt(&intero);
    if (intero)
        QCOMPARE(commiArticolo(n), attesi);
}

void TstCodiceCivile::giustifica_data()
{
    QTest::addColumn<QString>("paragrafo");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<int>("righe");

    QTest::newRow("short, one line") << QStringLiteral("Nello stesso modo si acquistano diritti.") << 102 << 1;
    QTest::newRow("exactly the width") << QStringLiteral("aaaa bbbb cccc") << 14 << 1;
    QTest::newRow("one over the width") << QStringLiteral("aaaa bbbb ccccc") << 14 << 2;
    // Three words of 4 letters on the first line: 8 blanks to spread over 2 gaps, 4 and 4.
    QTest::newRow("even gaps") << QStringLiteral("aaaa bbbb cccc dddddddddddddddddd") << 20 << 2;
    // Four words of 2 letters on the first line: 10 blanks over 3 gaps, 4, 3, 3.
    QTest::newRow("uneven gaps") << QStringLiteral("aa bb cc dd eeeeeeeeeeeeeeeeee") << 18 << 2;
    QTest::newRow("runs of blanks collapse")
        << QStringLiteral("  uno   due\ttre  quattro cinque sei sette otto nove dieci  ") << 16 << 4;
    QTest::newRow("accented letters count once")
        << QStringLiteral("È già così perché più è là né sì ciò però qualità città") << 20 << 3;
    QTest::newRow("long paragraph at 102") << QStringLiteral(
        "Il possessore di buona fede fa suoi i frutti naturali separati fino al giorno della domanda giudiziale e i frutti civili maturati fino allo stesso giorno. Egli, fino alla restituzione della cosa, risponde verso il rivendicante dei frutti percepiti dopo la domanda giudiziale e di quelli che avrebbe potuto percepire dopo tale data.")
                                           << 102 << 4;
}

void TstCodiceCivile::giustifica()
{
    QFETCH(QString, paragrafo);
    QFETCH(int, larghezza);
    QFETCH(int, righe);
    const QStringList r = ::giustifica(paragrafo, larghezza);
    QCOMPARE(r.size(), righe);
    verificaGiustificazione(paragrafo, r, larghezza);
}

void TstCodiceCivile::righeStampaArticoli_data()
{
    QTest::addColumn<int>("posizione");
    for (int k = 1; k <= 32; ++k)
        QTest::addRow("%d: art. %s", k, qPrintable(numeroArticolo(k))) << k;
}

void TstCodiceCivile::righeStampaArticoli()
{
    QFETCH(int, posizione);
    const QStringList righe = righeStampa(posizione);
    // Each paragraph starts on a new line: the lines split back into the paragraphs in order.
    int inizio = 0;
    for (const QString& p : commi(posizione)) {
        const int quante = ::giustifica(p).size();
        QVERIFY(inizio + quante <= righe.size());
        verificaGiustificazione(p, righe.mid(inizio, quante), larghezzaRigaStampa);
        inizio += quante;
    }
    QCOMPARE(inizio, righe.size());
    for (const QString& r : righe)
        QVERIFY(r.size() <= 102);
}

void TstCodiceCivile::articoliCitati_data()
{
    QTest::addColumn<int>("articolo");
    QTest::addColumn<QStringList>("inizi");   // first words of each paragraph
    QTest::addColumn<QString>("commento");

    QTest::newRow("2727") << 2727
                          << QStringList{QStringLiteral(
                                 "Le presunzioni sono le conseguenze che la legge o il giudice trae")}
                          << QStringLiteral("Commento: vedi anche gli altri articoli sulle presunzioni 2728 e 2729.");
    QTest::newRow("2730") << 2730
                          << QStringList{QStringLiteral("La confessione è la dichiarazione che una parte fa"),
                                         QStringLiteral("La confessione è giudiziale o stragiudiziale.")}
                          << QStringLiteral("Commento: vedi anche gli altri articoli sulla confessione 2731-2735.");
    QTest::newRow("2736") << 2736
                          << QStringList{QStringLiteral("Il giuramento è di due specie:"),
                                         QStringLiteral("1) è decisorio quello che"),
                                         QStringLiteral("2) è suppletorio quello che")}
                          << QStringLiteral("Commento: vedi anche gli altri articoli sul giuramento 2737-2739.");
    QTest::newRow("2943")
        << 2943
        << QStringList{QStringLiteral("La prescrizione è interrotta dalla notificazione dell'atto"),
                       QStringLiteral("È pure interrotta dalla domanda proposta nel corso di un giudizio."),
                       QStringLiteral("L'interruzione si verifica anche se il giudice adito è incompetente."),
                       QStringLiteral("La prescrizione è inoltre interrotta da ogni altro atto")}
        << QStringLiteral(
               "Commento: vedi anche gli altri articoli sull'interruzione 2944 e 2945. Naturalmente il quarto comma dell'art. 2943 si riferisce unicamente al caso del debitore.");
    QTest::newRow("2944")
        << 2944 << QStringList{QStringLiteral("La prescrizione è interrotta dal riconoscimento del diritto")}
        << QStringLiteral(
               "Commento: se la parte avversa riconosce il diritto dell'altro non è più necessario procedere oltre per accertarsene.");
}

void TstCodiceCivile::articoliCitati()
{
    QFETCH(int, articolo);
    QFETCH(QStringList, inizi);
    QFETCH(QString, commento);

    const QStringList pezzi = testoCitato(articolo).split(CR);
    QCOMPARE(pezzi.size(), inizi.size() + 3);
    QCOMPARE(pezzi.first(), QStringLiteral("Articolo %1 del Codice Civile:").arg(articolo));
    for (int i = 0; i < inizi.size(); ++i)
        QVERIFY2(pezzi[i + 1].startsWith(inizi[i]), qPrintable(pezzi[i + 1]));
    QCOMPARE(pezzi[pezzi.size() - 2], QStringLiteral("--------------------"));
    QCOMPARE(pezzi.last(), commento);
    QCOMPARE(commentoCitato(articolo), commento);
}

void TstCodiceCivile::spiegazioniBeni()
{
    QCOMPARE(
        spiegazioneUniversalita(),
        QStringLiteral("L'universalità di mobili è definita dall'art.816 del Codice Civile:") + CR
            + QStringLiteral(
                "È considerata universalità di mobili la pluralità di cose che appartengono alla stessa persona e hanno una destinazione unitaria.")
            + CR
            + QStringLiteral(
                "Le singole cose componenti la universalità possono formare oggetto di separati atti e rapporti giuridici."));

    const QStringList beni = spiegazioneBeni().split(CR);
    QCOMPARE(beni.size(), 4);
    QCOMPARE(beni[0], QStringLiteral("I beni immobili e mobili sono definiti dall'art.812 del Codice Civile:"));
    QVERIFY(beni[1].startsWith(QStringLiteral("Sono beni immobili il suolo")));
    QVERIFY(beni[2].startsWith(QStringLiteral("Sono reputati immobili i mulini")));
    QCOMPARE(beni[3], QStringLiteral("Sono mobili tutti gli altri beni."));

    const QString demanio = spiegazioneDemanio();
    QVERIFY(!demanio.contains(CR));
    QVERIFY(demanio.startsWith(QStringLiteral(
        "I beni appartenenti al demanio pubblico sono indicati nell'art.822 del Codice Civile e riguardano: il lido del mare,")));
    QCOMPARE(demanio.size(), 704);
    QCOMPARE(commiCitati(822).size(), 2);
    QCOMPARE(commiCitati(816).size(), 2);
}

QTEST_APPLESS_MAIN(TstCodiceCivile)
#include "tst_codicecivile.moc"
