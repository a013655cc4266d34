#include "judgment/catalogo.h"
#include "judgment/regole.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Comment texts the judgment must give word for word.
const QString commentoR4 = u" deve dimostrare quando il titolo è mutato."_s;
const QString commentoR9 = u"La buona fede è imprescindibile e se viene provata la mala fede dalla controparte la causa è persa."_s;
const QString commentoR16R22 = u" deve cercare di proporre l'azione diretta a ricuperare il possesso (II° comma dell'art.1167)."_s;
const QString commentoR21 = u"In questo caso non incide nemmeno l'illegittima provenienza della cosa ai sensi di quanto dispone l'art.1156 per l'universalità di mobili."_s;
const QString commentoR23 = u" deve cercare prove che il suo possesso è stato pubblico e pacifico."_s;
const QString commentoR25 = u"In questo caso è necessario il titolo idoneo al trasferimento dell'universalità di mobili."_s;
const QString commentoR26 = u" deve cercare prove che il possesso non è stato interrotto e riprovare la causa con i nuovi dati."_s;
const QString commentoR40 = u"La mala fede di questo caso non possono essere premiati dalla legge."_s;
const QString chiusaR35 = u"'E' possessore di buona fede chi possiede ignorando di ledere l'altrui diritto. ...'"_s;

// A few words of each quoted passage in the Code's official wording: an article cited by number
// must also be quoted, not just named. A token "1160/2" means the second paragraph of art. 1160.
const QHash<QString, QString> passoUfficiale = {
    {u"823"_s, u"sono inalienabili e non possono formare oggetto di diritti"_s},
    {u"1061"_s, u"Le servitù non apparenti non possono acquistarsi per usucapione"_s},
    {u"1140"_s, u"il potere sulla cosa che si manifesta in un'attività"_s},
    {u"1141"_s, u"detenzione"_s},
    {u"1141/1"_s, u"quando non si prova che ha cominciato a esercitarlo semplicemente come detenzione"_s},
    {u"1147"_s, u"possessore di buona fede chi possiede ignorando di ledere l'altrui diritto"_s},
    {u"1153"_s, u"purché sia in buona fede al momento della consegna"_s},
    {u"1154"_s, u"conoscendo l'illegittima provenienza della cosa"_s},
    {u"1158"_s, u"si acquistano in virtù del possesso continuato per venti anni"_s},
    {u"1159"_s, u"col decorso di dieci anni dalla data della trascrizione"_s},
    {u"1159-bis/1"_s, u"si acquista in virtù del possesso continuato per quindici anni"_s},
    {u"1159-bis/2"_s, u"col decorso di cinque anni dalla data di trascrizione"_s},
    {u"1160/1"_s, u"universalità di mobili o di diritti reali di godimento sopra la medesima"_s},
    {u"1160/2"_s, u"l'usucapione si compie con il decorso di dieci anni"_s},
    {u"1161"_s, u"Se il possessore è di mala fede, l'usucapione si compie con il decorso di venti anni"_s},
    {u"1161/1"_s, u"qualora il possesso sia stato acquistato in buona fede"_s},
    {u"1161/2"_s, u"Se il possessore è di mala fede, l'usucapione si compie con il decorso di venti anni"_s},
    {u"1162/1"_s, u"col decorso di tre anni dalla data della trascrizione"_s},
    {u"1162/2"_s, u"Se non concorrono le condizioni previste dal comma precedente"_s},
    {u"1163"_s, u"in modo violento o clandestino non giova per l'usucapione"_s},
    {u"1167"_s, u"privato del possesso per oltre un anno"_s},
};

// The articles the judgments quote, whole, in the wording of the Civil Code, paragraphs joined by a
// blank: every passage a judgment puts between single quotes must be taken from one of them.
const QStringList testiUfficiali = {
    u"I beni che fanno parte del demanio pubblico sono inalienabili e non possono formare oggetto di "
    u"diritti a favore di terzi, se non nei modi e nei limiti stabiliti dalle leggi che li riguardano. "
    u"Spetta all'autorità amministrativa la tutela dei beni che fanno parte del demanio pubblico."_s,
    u"Le servitù non apparenti non possono acquistarsi per usucapione o per destinazione del padre di "
    u"famiglia. Non apparenti sono le servitù quando non si hanno opere visibili e permanenti "
    u"destinate al loro esercizio."_s,
    u"Il possesso è il potere sulla cosa che si manifesta in un'attività corrispondente all'esercizio "
    u"della proprietà o di altro diritto reale. Si può possedere direttamente o per mezzo di altra "
    u"persona, che ha la detenzione della cosa."_s,
    u"Si presume il possesso in colui che esercita il potere di fatto, quando non si prova che ha "
    u"cominciato a esercitarlo semplicemente come detenzione. Se alcuno ha cominciato ad avere la "
    u"detenzione, non può acquistare il possesso finché il titolo non venga a essere mutato per causa "
    u"proveniente da un terzo o in forza di opposizione da lui fatta contro il possessore. Ciò vale "
    u"anche per i successori a titolo universale."_s,
    u"Il possesso delle cose di cui non si può acquistare la proprietà è senza effetto."_s,
    u"È possessore di buona fede chi possiede ignorando di ledere l'altrui diritto. La buona fede non "
    u"giova se l'ignoranza dipende da colpa grave. La buona fede è presunta e basta che vi sia stata al "
    u"tempo dell'acquisto."_s,
    u"Colui al quale sono alienati beni mobili da parte di chi non ne è proprietario, ne acquista la "
    u"proprietà mediante il possesso, purché sia in buona fede al momento della consegna e sussista un "
    u"titolo idoneo al trasferimento della proprietà."_s,
    u"A colui che ha acquistato conoscendo l'illegittima provenienza della cosa non giova l'erronea "
    u"credenza che il suo autore o un precedente possessore ne sia divenuto proprietario."_s,
    u"La proprietà dei beni immobili e gli altri diritti reali di godimento sui beni medesimi si "
    u"acquistano in virtù del possesso continuato per venti anni."_s,
    u"Colui che acquista in buona fede da chi non è proprietario un immobile, in forza di un titolo che "
    u"sia idoneo a trasferire la proprietà e che sia stato debitamente trascritto, ne compie "
    u"l'usucapione in suo favore col decorso di dieci anni dalla data della trascrizione. La stessa "
    u"disposizione si applica nel caso di acquisto degli altri diritti reali di godimento sopra un "
    u"immobile."_s,
    u"La proprietà dei fondi rustici con annessi fabbricati situati nei comuni classificati montani "
    u"dalla legge si acquista in virtù del possesso continuato per quindici anni. Colui che acquista in "
    u"buona fede da chi non è proprietario, in forza di un titolo che sia idoneo a trasferire la "
    u"proprietà e che sia debitamente trascritto, un fondo rustico con annessi fabbricati, situati in "
    u"comuni classificati montani dalla legge, ne compie l'usucapione in suo favore col decorso di "
    u"cinque anni dalla data di trascrizione."_s,
    u"L'usucapione di una universalità di mobili o di diritti reali di godimento sopra la medesima si "
    u"compie in virtù del possesso continuato per venti anni. Nel caso di acquisto in buona fede da chi "
    u"non è proprietario, in forza di titolo idoneo, l'usucapione si compie con il decorso di dieci "
    u"anni."_s,
    u"In mancanza di titolo idoneo, la proprietà dei beni mobili e gli altri diritti reali di godimento "
    u"sui beni medesimi si acquistano in virtù del possesso continuato per dieci anni, qualora il "
    u"possesso sia stato acquistato in buona fede. Se il possessore è di mala fede, l'usucapione si "
    u"compie con il decorso di venti anni."_s,
    u"Colui che acquista in buona fede da chi non è proprietario un bene mobile iscritto in pubblici "
    u"registri, in forza di un titolo che sia idoneo a trasferire la proprietà e che sia stato "
    u"debitamente trascritto, ne compie in suo favore l'usucapione col decorso di tre anni dalla data "
    u"della trascrizione. Se non concorrono le condizioni previste dal comma precedente, l'usucapione "
    u"si compie col decorso di dieci anni."_s,
    u"Il possesso acquistato in modo violento o clandestino non giova per l'usucapione se non dal "
    u"momento in cui la violenza o la clandestinità è cessata."_s,
    u"L'usucapione è interrotta quando il possessore è stato privato del possesso per oltre un anno. "
    u"L'interruzione si ha come non avvenuta se è stata proposta l'azione diretta a ricuperare il "
    u"possesso e questo è stato ricuperato."_s,
};

const QString vinceFrase = u"L'attore vince la causa."_s;
const QString perdeFrase = u"L'attore perde la causa."_s;

QStringList chiaviInOrdine()
{
    QStringList k{u"RD"_s, u"RS"_s};
    for (int i = 1; i <= 47; ++i)
        k << u"R"_s + QString::number(i);
    k << u"RF"_s;
    return k;
}

} // namespace

class TestCatalogo : public QObject {
    Q_OBJECT
private slots:
    void voce_data();
    void voce();
    void elencoCompleto();
    void concordaConLeRegole();
    void commentoCompleto_data();
    void commentoCompleto();
    void commentoCondiviso();
    void chiusaDiR35();
    void citazioniUfficiali();
    void emettiSentenza_data();
    void emettiSentenza();
};

void TestCatalogo::voce_data()
{
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<bool>("vince");
    QTest::addColumn<QString>("forma");
    QTest::addColumn<QStringList>("articoli");   // cited by number and quoted
    QTest::addColumn<QString>("apertura");       // the words right after the outcome sentence
    QTest::addColumn<QStringList>("frasi");      // further words the reasoning must contain
    QTest::addColumn<QString>("vietato");        // text that must not appear
    QTest::addColumn<QString>("commento");       // the exact comment text, where it is fixed

    const QString venti = u"Difatti egli, pur avendo posseduto per il tempo necessario (almeno vent'anni) la cosa,"_s;
    const QString dieci = u"Difatti egli, pur avendo posseduto per il tempo necessario (almeno dieci anni) la cosa,"_s;
    const QString vero1 = u"Difatti è pur vero che ai sensi del primo comma"_s;
    const QString vero2 = u"Difatti è pur vero che ai sensi del secondo comma"_s;
    const QString mobili20 = u"Difatti egli pur avendo posseduto i beni mobili per oltre venti anni"_s;
    const QString mobili10 = u"Difatti egli pur avendo posseduto i beni mobili per oltre dieci anni"_s;
    const QString art1153 = u"Difatti ai sensi dell'art. 1153"_s;
    const QString nonUsucapione = u"non è di usucapione"_s;
    const QString difatti = u"Difatti"_s;
    const QStringList nessuna;

    auto riga = [](const char* k, bool w, const char* f, QStringList art, QString ap,
                   QStringList frasi = {}, QString vietato = {}, QString comm = {}) {
        QTest::newRow(k) << QString::fromLatin1(k) << w << QString::fromLatin1(f) << art << ap
                         << frasi << vietato << comm;
    };

    riga("RD", false, "N", {u"823"_s}, difatti);
    riga("RS", false, "N", {u"1061"_s}, difatti);
    riga("R1", true, "N", {u"1158"_s}, u"Difatti egli ha posseduto per il tempo necessario (almeno vent'anni) la cosa"_s);
    riga("R2", false, "N", {u"1167"_s}, venti);
    riga("R3", false, "N", {u"1163"_s}, venti);
    riga("R4", false, "N", {u"1141"_s}, venti, {}, {}, commentoR4);
    riga("R5", true, "C", {u"1159"_s}, u"Difatti egli ha posseduto per il tempo necessario (almeno dieci anni) la cosa"_s);
    riga("R6", false, "C", {u"1159"_s, u"1167"_s}, dieci);
    riga("R7", false, "C", {u"1163"_s}, dieci);
    riga("R8", false, "C", {u"1141"_s}, dieci);
    riga("R9", false, "C", {u"1159"_s}, dieci, {}, {}, commentoR9);
    riga("R10", false, "C", {u"1159"_s}, dieci);
    riga("R11", true, "C", {u"1159-bis/1"_s}, u"Difatti ai sensi del primo comma"_s);
    riga("R12", false, "N", {u"1159-bis/1"_s, u"1167"_s}, vero1);
    riga("R13", false, "C", {u"1163"_s}, u"Difatti ai sensi dell'art. 1163"_s);
    riga("R14", false, "C", {u"1141/1"_s}, u"Difatti ai sensi del primo comma dell'art. 1141"_s);
    riga("R15", true, "C", {u"1159-bis/2"_s}, u"Difatti ai sensi del secondo comma"_s);
    riga("R16", false, "N", {u"1159-bis/2"_s, u"1167"_s}, vero2, {}, {}, commentoR16R22);
    riga("R17", false, "N", {u"1163"_s}, u"Difatti ai sensi dell'art. 1163"_s);
    riga("R18", false, "A", {u"1159-bis/2"_s}, vero2);
    riga("R19", false, "N", {u"1159-bis/2"_s}, vero2);
    riga("R20", false, "N", {u"1159-bis/2"_s}, vero2);
    riga("R21", true, "C", {u"1160/1"_s}, u"Difatti ai sensi del primo comma"_s, {}, {}, commentoR21);
    riga("R22", false, "N", {u"1160/1"_s, u"1167"_s}, vero1, {}, {}, commentoR16R22);
    riga("R23", false, "N", {u"1160/1"_s, u"1163"_s}, vero1, {}, {}, commentoR23);
    // The rule on detention is quoted here without its article number.
    riga("R24", false, "N", {u"1160/1"_s}, vero1, {passoUfficiale.value(u"1141/1"_s)}, u"1141"_s);
    riga("R25", true, "C", {u"1160/2"_s}, u"Difatti ai sensi del secondo comma"_s, {}, {}, commentoR25);
    riga("R26", false, "N", {u"1160/2"_s, u"1167"_s}, vero2, {}, {}, commentoR26);
    riga("R27", false, "N", {u"1160/2"_s, u"1163"_s}, vero2);
    riga("R28", false, "N", {u"1160/2"_s}, vero2);
    riga("R29", false, "N", {u"1160/2"_s, u"1147"_s}, vero2);
    riga("R30", false, "N", {u"1160/2"_s}, vero2);
    riga("R31", true, "C", {u"1161/2"_s}, u"Difatti egli ha posseduto i beni mobili per oltre venti anni"_s);
    riga("R32", false, "N", {u"1167"_s}, mobili20);
    riga("R33", false, "N", {u"1163"_s}, mobili20);
    riga("R34", false, "N", {u"1140"_s}, mobili20);
    riga("R35", true, "C", {u"1161/1"_s}, u"Difatti egli ha posseduto i beni mobili per oltre dieci anni"_s);
    riga("R36", false, "N", {u"1167"_s}, mobili10);
    riga("R37", false, "N", {u"1163"_s}, mobili10);
    riga("R38", false, "N", nessuna, u"Difatti egli pur avendo gestito i beni mobili per oltre dieci anni"_s, {}, u"art."_s);
    riga("R39", false, "N", {u"1161"_s}, mobili10);
    riga("R40", false, "C", {u"1154"_s}, u"E' pregiudiziale il fatto che egli conoscesse la provenienza illegittima della cosa."_s, {}, {}, commentoR40);
    riga("R41", true, "C", {u"1153"_s}, art1153, {nonUsucapione, u"trasferimento della proprietà"_s});
    riga("R42", false, "N", {u"1153"_s}, art1153, {nonUsucapione});
    riga("R43", false, "N", {u"1153"_s}, art1153, {nonUsucapione});
    riga("R44", true, "C", {u"1162/2"_s}, u"Difatti è sufficiente il possesso di dieci anni"_s);
    riga("R45", true, "C", {u"1162/1"_s}, u"Difatti è sufficiente la sua buona fede ed il decorso di tre anni"_s);
    riga("R46", false, "N", {u"1162/1"_s}, u"Difatti sarebbe stata sufficiente la sua buona fede"_s);
    riga("R47", false, "N", {u"1162/1"_s}, difatti);
    riga("RF", false, "C", nessuna, difatti, {u"periodo minimo di possesso"_s}, u"art."_s);
}

void TestCatalogo::voce()
{
    QFETCH(QString, chiave);
    QFETCH(bool, vince);
    QFETCH(QString, forma);
    QFETCH(QStringList, articoli);
    QFETCH(QString, apertura);
    QFETCH(QStringList, frasi);
    QFETCH(QString, vietato);
    QFETCH(QString, commento);

    const VoceCatalogo* v = voceCatalogo(chiave);
    QVERIFY(v);
    QCOMPARE(QString::fromLatin1(v->chiave), chiave);
    QCOMPARE(v->vince, vince);
    QCOMPARE(QString(QChar::fromLatin1(v->forma)), forma);

    const QString& s = v->sentenza;
    // The outcome sentence first, the other one nowhere.
    const QString esito = vince ? vinceFrase : perdeFrase;
    QVERIFY2(s.startsWith(esito + u' ' + apertura), qPrintable(s.left(160)));
    QVERIFY(!s.contains(vince ? perdeFrase : vinceFrase));

    for (const QString& a : articoli) {
        const QString numero = a.section(u'/', 0, 0);
        const QString comma = a.section(u'/', 1, 1);
        const QRegularExpression citato(u"\\bart\\. "_s + QRegularExpression::escape(numero) + u"(?![\\d-])"_s);
        QVERIFY2(citato.match(s).hasMatch(), qPrintable(u"art. "_s + numero));
        if (!comma.isEmpty()) {
            const QString quale = comma == u"1"_s ? u"primo"_s : u"secondo"_s;
            QVERIFY2(s.contains(quale + u" comma dell'art. "_s + numero), qPrintable(a));
        }
        QVERIFY2(passoUfficiale.contains(a), qPrintable(a));
        QVERIFY2(s.contains(passoUfficiale.value(a)), qPrintable(u"wording of "_s + a));
    }
    // An article is quoted between single quotes: a quotation opens on a capital letter.
    if (!articoli.isEmpty())
        QVERIFY(QRegularExpression(u"[\\s:,(]'[A-Z]"_s).match(s).hasMatch());
    for (const QString& f : frasi)
        QVERIFY2(s.contains(f), qPrintable(f));
    if (!vietato.isEmpty())
        QVERIFY2(!s.contains(vietato), qPrintable(vietato));
    // Losses of types 8 and 9 that grant the rule first then state the defect.
    if (apertura.startsWith(u"Difatti è pur vero"_s))
        QVERIFY(s.contains(u"tuttavia"_s) || s.contains(u"ma l'attore"_s, Qt::CaseInsensitive));

    // One paragraph, tidy, of the usual length.
    QVERIFY(!s.contains(u'\n') && !s.contains(u'\r'));
    QVERIFY(!s.contains(u"  "_s));
    QVERIFY(s.endsWith(u'.'));
    QVERIFY2(s.size() >= 300 && s.size() <= 800, qPrintable(QString::number(s.size())));

    const QString& c = v->commento;
    if (!commento.isEmpty())
        QCOMPARE(c, commento);
    QVERIFY(!c.contains(u'\n') && !c.contains(u'\r'));
    QVERIFY2(c.size() >= 40 && c.size() <= 310, qPrintable(QString::number(c.size())));
    if (forma == u"C"_s) {
        QVERIFY(c.at(0).isUpper());
    } else {
        // The text follows the plaintiff's name: a blank, then the sentence goes on in lower case.
        QCOMPARE(c.at(0), u' ');
        QVERIFY(c.at(1).isLower());
    }
}

void TestCatalogo::elencoCompleto()
{
    const auto& voci = catalogoSentenze();
    QStringList chiavi;
    QSet<QString> sentenze;
    for (const VoceCatalogo& v : voci) {
        chiavi << QString::fromLatin1(v.chiave);
        sentenze.insert(v.sentenza);
        QCOMPARE(voceCatalogo(QString::fromLatin1(v.chiave)), &v);
    }
    QCOMPARE(chiavi, chiaviInOrdine());
    QCOMPARE(sentenze.size(), 50);   // RD, RS, R1 .. R47, RF: each has its own paragraph

    QVERIFY(!voceCatalogo(QString()));
    QVERIFY(!voceCatalogo(u"R0"_s));
    QVERIFY(!voceCatalogo(u"R48"_s));
    QVERIFY(!voceCatalogo(u"r1"_s));
    QVERIFY(!voceCatalogo(u"R1 "_s));
}

void TestCatalogo::concordaConLeRegole()
{
    // The decision table and the catalogue must agree on every key, outcome and comment form.
    const auto& regole = tabellaRegole();
    QCOMPARE(int(regole.size()), 50);
    for (const Regola& r : regole) {
        const VoceCatalogo* v = voceCatalogo(r.chiave);
        QVERIFY2(v, qPrintable(r.chiave));
        QVERIFY2(v->vince == (r.esito == Esito::Vince), qPrintable(r.chiave));
        QVERIFY2(v->forma == r.forma, qPrintable(r.chiave));
    }
}

void TestCatalogo::commentoCompleto_data()
{
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("atteso");

    QTest::newRow("N name") << u"R23"_s << u"Mario Rossi"_s << u"Mario Rossi"_s + commentoR23;
    QTest::newRow("N empty name") << u"R23"_s << QString() << commentoR23;
    QTest::newRow("N name kept as typed") << u"R26"_s << u"  Anna Bianchi "_s
                                          << u"  Anna Bianchi "_s + commentoR26;
    QTest::newRow("N R4") << u"R4"_s << u"Luigi"_s << u"Luigi deve dimostrare quando il titolo è mutato."_s;
    QTest::newRow("C ignores name") << u"R9"_s << u"Mario Rossi"_s << commentoR9;
    QTest::newRow("C empty name") << u"R40"_s << QString() << commentoR40;

    // Every key with three names, the expected text built from the form the rule table gives.
    const QString nomi[] = {u"Mario Rossi"_s, QString(), u" Giò D'Amico  "_s};
    const QString formeA = u"R18"_s;
    const QStringList formeC{u"R5"_s, u"R6"_s, u"R7"_s, u"R8"_s, u"R9"_s, u"R10"_s, u"R11"_s,
                             u"R13"_s, u"R14"_s, u"R15"_s, u"R21"_s, u"R25"_s, u"R31"_s, u"R35"_s,
                             u"R40"_s, u"R41"_s, u"R44"_s, u"R45"_s, u"RF"_s};
    for (const QString& k : chiaviInOrdine()) {
        const VoceCatalogo* v = voceCatalogo(k);
        if (!v)
            continue;   // reported by voce()
        for (int i = 0; i < 3; ++i) {
            QString atteso;
            if (k == formeA)
                atteso = u"A "_s + nomi[i] + v->commento;
            else if (formeC.contains(k))
                atteso = v->commento;
            else
                atteso = nomi[i] + v->commento;
            QTest::addRow("%s name %d", qPrintable(k), i) << k << nomi[i] << atteso;
        }
    }
}

void TestCatalogo::commentoCompleto()
{
    QFETCH(QString, chiave);
    QFETCH(QString, nome);
    QFETCH(QString, atteso);
    const VoceCatalogo* v = voceCatalogo(chiave);
    QVERIFY(v);
    QCOMPARE(::commentoCompleto(*v, nome), atteso);
    if (v->forma == 'A') {
        // "A " then the name then the text's own blank: with no name, two blanks.
        QVERIFY(::commentoCompleto(*v, nome).startsWith(u"A "_s + nome + u' '));
    }
}

void TestCatalogo::commentoCondiviso()
{
    const VoceCatalogo* r16 = voceCatalogo(u"R16"_s);
    const VoceCatalogo* r22 = voceCatalogo(u"R22"_s);
    QVERIFY(r16 && r22);
    QCOMPARE(r16->commento, commentoR16R22);
    QCOMPARE(r22->commento, commentoR16R22);
    QCOMPARE(::commentoCompleto(*r16, u"Ugo"_s), ::commentoCompleto(*r22, u"Ugo"_s));

    // No other two rules share a comment.
    QSet<QString> visti;
    for (const VoceCatalogo& v : catalogoSentenze()) {
        if (qstrcmp(v.chiave, "R22") == 0)
            continue;
        QVERIFY2(!visti.contains(v.commento), v.chiave);
        visti.insert(v.commento);
    }
}

void TestCatalogo::chiusaDiR35()
{
    const VoceCatalogo* v = voceCatalogo(u"R35"_s);
    QVERIFY(v);
    QVERIFY(v->commento.endsWith(chiusaR35));
    QVERIFY(v->commento.size() > chiusaR35.size());
    QVERIFY(v->commento.contains(u"art. 1147"_s));
    QCOMPARE(::commentoCompleto(*v, u"Mario"_s), v->commento);
}

// Every passage quoted in a judgment is the Code's own wording: each piece between "..." is found
// word for word in one article. A quotation opens on a quote mark after a blank, a colon or a
// bracket and closes on the first quote mark that no letter follows (an apostrophe always has one).
void TestCatalogo::citazioniUfficiali()
{
    static const QRegularExpression citazione(u"(?:^|[\\s:(])'(\\p{L}.*?)'(?!\\p{L})"_s);
    QStringList senzaCitazioni;
    for (const VoceCatalogo& v : catalogoSentenze()) {
        int citazioni = 0;
        auto it = citazione.globalMatch(v.sentenza);
        while (it.hasNext()) {
            const QString passo = it.next().captured(1);
            ++citazioni;
            for (const QString& pezzo : passo.split(u" ... "_s)) {
                // A quotation cut short by a stray quote mark would leave a scrap behind.
                QVERIFY2(pezzo.size() >= 20, qPrintable(QString::fromLatin1(v.chiave) + u": "_s + pezzo));
                const bool trovato = std::any_of(testiUfficiali.begin(), testiUfficiali.end(),
                                                 [&](const QString& t) { return t.contains(pezzo); });
                QVERIFY2(trovato, qPrintable(QString::fromLatin1(v.chiave) + u": "_s + pezzo));
            }
        }
        if (citazioni == 0)
            senzaCitazioni << QString::fromLatin1(v.chiave);
    }
    // Only R38 and RF quote no article.
    QCOMPARE(senzaCitazioni, (QStringList{u"R38"_s, u"RF"_s}));
}

void TestCatalogo::emettiSentenza_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("durata");
    QTest::addColumn<int>("psic");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("inizioCommento");

    // A plaintiff without defects: no interruption, peaceful and public, good faith, a title.
    QTest::newRow("public domain, form N") << 12 << u" 30 anni"_s << 2 << u"Ada Neri"_s << u"RD"_s
                                           << u"Ada Neri deve cercare altre vie"_s;
    QTest::newRow("twenty years, form N") << 1 << u" 20 anni e  3 giorni"_s << 2 << u"Ada Neri"_s
                                          << u"R1"_s << u"Ada Neri possiede tutti i requisiti"_s;
    QTest::newRow("rural holder, form A") << 8 << u" 6 anni"_s << 1 << u"Ugo"_s << u"R18"_s
                                          << u"A Ugo non dovrebbe essere difficile"_s;
    QTest::newRow("rural holder, no name") << 8 << u" 6 anni"_s << 1 << QString() << u"R18"_s
                                           << u"A  non dovrebbe essere difficile"_s;
    QTest::newRow("too few years, form C") << 1 << u" 3 anni"_s << 2 << u"Ugo"_s << u"RF"_s
                                           << u"Si consiglia di tornare"_s;
}

// The decision and the catalogue together give the two texts of the judgment window.
void TestCatalogo::emettiSentenza()
{
    QFETCH(int, tipo);
    QFETCH(QString, durata);
    QFETCH(int, psic);
    QFETCH(QString, nome);
    QFETCH(QString, chiave);
    QFETCH(QString, inizioCommento);

    Fatti f;
    f.tipologia = qint16(tipo);
    f.sceltainterr = qint16(3);
    f.sceltamodus = qint16(2);
    f.sceltapsic = qint16(psic);
    f.sceltaprov = qint16(1);
    f.sceltafed = qint16(1);
    f.sceltaacq = qint16(1);
    f.durataPossesso = durata;
    const Sentenza s = ::emettiSentenza(f, nome);
    QCOMPARE(s.chiave, chiave);
    const VoceCatalogo* v = voceCatalogo(chiave);
    QVERIFY(v);
    QCOMPARE(s.testo, v->sentenza);
    QVERIFY2(s.commento.startsWith(inizioCommento), qPrintable(s.commento));
    QVERIFY(s.commento.endsWith(v->commento));
}

QTEST_APPLESS_MAIN(TestCatalogo)
#include "tst_catalogo.moc"
