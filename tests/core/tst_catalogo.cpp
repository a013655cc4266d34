#include "comune/periodo.h"
#include "core/catalogo.h"
#include "core/regole.h"
#include "core/codicecivile.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <algorithm>

Q_DECLARE_METATYPE(Fatti)
Q_DECLARE_METATYPE(Tipologia)
Q_DECLARE_METATYPE(Animo)

using namespace Qt::StringLiterals;

namespace {

// Comment texts the judgment must give word for word.
// Every proved detention closes on the change of title against the possessor.
const QString commentoR4 =
    u" deve dimostrare che il titolo della detenzione è mutato per causa proveniente da un terzo o per sua opposizione contro il possessore (art. 1141, secondo comma): imposte pagate o lavori eseguiti non bastano, perché anche un detentore li compie."_s;
const QString commentoR9 =
    u"La buona fede è imprescindibile e se viene provata la mala fede dalla controparte la causa è persa."_s;
const QString commentoR16R22 =
    u" deve verificare se, entro l'anno dallo spoglio, ha proposto l'azione diretta a ricuperare il possesso (art. 1168): se il possesso è stato così ricuperato, l'interruzione si ha come non avvenuta (art. 1167, secondo comma); altrimenti il tempo decorre di nuovo dal giorno in cui lo ha ripreso."_s;
const QString commentoR21 =
    u"In questo caso non incide nemmeno l'illegittima provenienza della cosa ai sensi di quanto dispone l'art.1156 per l'universalità di mobili."_s;
const QString commentoR23 = u" deve cercare prove che il suo possesso è stato pubblico e pacifico."_s;
const QString commentoR25 =
    u"In questo caso è necessario il titolo idoneo al trasferimento dell'universalità di mobili."_s;
const QString commentoR26 =
    u" deve cercare prove che il possesso non è stato interrotto e riprovare la causa con i nuovi dati."_s;
const QString commentoR40 = u"La mala fede di questo caso non può essere premiata dalla legge."_s;
const QString chiusaR35 = u"'È possessore di buona fede chi possiede ignorando di ledere l'altrui diritto. ...'"_s;

// A few words of each quoted passage in the Code's official wording: an article cited by number
// must also be quoted, not just named. A token "1160/2" means the second paragraph of art. 1160.
const QHash<QString, QString> passoUfficiale = {
    // clang-format off
    {u"823"_s, u"sono inalienabili e non possono formare oggetto di diritti"_s},
    {u"1061"_s, u"Le servitù non apparenti non possono acquistarsi per usucapione"_s},
    {u"1140"_s, u"il potere sulla cosa che si manifesta in un'attività"_s},
    {u"1141"_s, u"detenzione"_s},
    {u"1144"_s, u"Gli atti compiuti con l'altrui tolleranza non possono servire di fondamento all'acquisto del possesso"_s},
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
    // clang-format on
};

// The program's own text of every article a judgment may quote, paragraphs joined by a blank:
// the 32 articles on possession and usucapione and the further articles it quotes.
QStringList testiDelProgramma()
{
    QStringList t;
    for (int k = 1; k <= CodiceCivile::numeroArticoli; ++k)
        t << CodiceCivile::commi(k).join(u' ');
    for (int a : {823, 1061})
        t << CodiceCivile::commiCitati(a).join(u' ');
    return t;
}

const QString vinceFrase = u"L'attore vince la causa."_s;
const QString perdeFrase = u"L'attore perde la causa."_s;

QStringList chiaviInOrdine()
{
    QStringList k{u"RD"_s, u"RS"_s, u"RT"_s};
    for (int i = 1; i <= 47; ++i) {
        k << u"R"_s + QString::number(i);
        if (i == 44 || i == 45)
            k << u"R%1I"_s.arg(i) << u"R%1V"_s.arg(i) << u"R%1D"_s.arg(i);
    }
    k << u"RF"_s;
    return k;
}

const Regola* regola(const QString& chiave)
{
    for (const Regola& r : tabellaRegole())
        if (r.chiave == chiave)
            return &r;
    return nullptr;
}

QString formaDi(FormaCommento f)
{
    return f == FormaCommento::Nome ? u"N"_s : f == FormaCommento::ANome ? u"A"_s : u"C"_s;
}

// The plaintiff's answers, those of a flawless plaintiff unless a row says otherwise.
struct Risposte {
    Interruzione interruzione = Interruzione::Nessuna;
    std::optional<Modo> modo = Modo::PacificoPubblico;
    Animo animo = Animo::DaTitolare;
    Fede fede = Fede::Buona;
    Titolo titolo = Titolo::Idoneo;
};

// A decision as decidi() gives it, for a plaintiff of the given type and years with those answers.
Decisione decisione(Tipologia tipo, const QString& durata, const Risposte& r)
{
    Fatti f;
    f.tipologia = tipo;
    f.interruzione = r.interruzione;
    f.modo = r.modo;
    f.animo = r.animo;
    f.provenienza = Provenienza::Legittima;
    f.fede = r.fede;
    f.titolo = r.titolo;
    const Periodo p = periodo(durata);
    f.possessoInizio = p.inizio;
    f.possessoFine = p.fine;
    return decidi(f);
}

}   // namespace

Q_DECLARE_METATYPE(Risposte)

class TestCatalogo : public QObject {
    Q_OBJECT
private slots:
    void testiDeiFatti_data();
    void testiDeiFatti();
    void voce_data();
    void voce();
    void elencoCompleto();
    void concordaConLeRegole();
    void commentoCompleto_data();
    void commentoCompleto();
    void commentoCondiviso();
    void chiusaDiR35();
    void citazioniUfficiali();
    void citazioniDellArticoloNominato_data();
    void citazioniDellArticoloNominato();
    void motivoDiRF_data();
    void motivoDiRF();
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
    const QString mobili20 = u"Difatti egli pur avendo posseduto i beni mobili per almeno venti anni"_s;
    const QString mobili10 = u"Difatti egli pur avendo posseduto i beni mobili per almeno dieci anni"_s;
    const QString art1153 = u"Difatti ai sensi dell'art. 1153"_s;
    const QString nonUsucapione = u"non è di usucapione"_s;
    const QString difatti = u"Difatti"_s;
    const QStringList nessuna;

    auto riga = [](const char* k, bool w, const char* f, QStringList art, QString ap, QStringList frasi = {},
                   QString vietato = {}, QString comm = {}) {
        QTest::newRow(k) << QString::fromLatin1(k) << w << QString::fromLatin1(f) << art << ap << frasi << vietato
                         << comm;
    };

    riga("RD", false, "N", {u"823"_s}, difatti);
    riga("RS", false, "N", {u"1061"_s}, difatti);
    riga("RT", false, "N", {u"1144"_s}, difatti);
    riga("R1", true, "N", {u"1158"_s},
         u"Difatti egli ha posseduto per il tempo necessario (almeno vent'anni) la cosa"_s);
    riga("R2", false, "N", {u"1167"_s}, venti);
    riga("R3", false, "N", {u"1163"_s}, venti);
    riga("R4", false, "N", {u"1141"_s}, venti, {}, {}, commentoR4);
    // Art. 1159 with its second paragraph, which extends it to the other real rights of types 2 to 7.
    const QStringList altriDiritti{
        u"trascrizione' (primo comma, che il secondo estende agli altri diritti reali di godimento sopra un immobile)"_s};
    riga("R5", true, "C", {u"1159"_s},
         u"Difatti egli ha posseduto per il tempo necessario (almeno dieci anni) la cosa"_s, altriDiritti);
    riga("R6", false, "C", {u"1159"_s, u"1167"_s}, dieci);
    riga("R7", false, "C", {u"1163"_s}, dieci);
    riga("R8", false, "C", {u"1141"_s}, dieci);
    riga("R9", false, "C", {u"1159"_s}, dieci, altriDiritti, {}, commentoR9);
    riga("R10", false, "C", {u"1159"_s}, dieci, altriDiritti);
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
    riga("R31", true, "C", {u"1161/2"_s}, u"Difatti egli ha posseduto i beni mobili per almeno venti anni"_s);
    riga("R32", false, "N", {u"1167"_s}, mobili20);
    riga("R33", false, "N", {u"1163"_s}, mobili20);
    riga("R34", false, "N", {u"1140"_s}, mobili20);
    riga("R35", true, "C", {u"1161/1"_s}, u"Difatti egli ha posseduto i beni mobili per almeno dieci anni"_s);
    riga("R36", false, "N", {u"1167"_s}, mobili10);
    riga("R37", false, "N", {u"1163"_s}, mobili10);
    riga("R38", false, "N", nessuna, u"Difatti egli pur avendo gestito i beni mobili per almeno dieci anni"_s, {},
         u"art."_s);
    riga("R39", false, "N", {u"1161"_s}, mobili10);
    riga("R40", false, "C", {u"1154"_s},
         u"È pregiudiziale il fatto che egli conoscesse la provenienza illegittima della cosa."_s, {}, {}, commentoR40);
    riga("R41", true, "C", {u"1153"_s}, art1153, {nonUsucapione, u"trasferimento della proprietà"_s});
    riga("R42", false, "N", {u"1153"_s}, art1153, {nonUsucapione});
    riga("R43", false, "N", {u"1153"_s}, art1153, {nonUsucapione});
    riga("R44", true, "C", {u"1162/2"_s}, u"Difatti è sufficiente il possesso di dieci anni"_s);
    // Registered movables: one defect of the possession loses, naming it with its article.
    const QString registrati10 = u"Difatti egli, pur avendo"_s;
    riga("R44I", false, "N", {u"1162/2"_s, u"1167"_s}, registrati10, {u"privato del possesso per oltre un anno"_s});
    riga("R44V", false, "N", {u"1163"_s}, registrati10,
         {u"secondo comma dell'art. 1162"_s, u"violento o clandestino"_s});
    riga("R44D", false, "N", {u"1141"_s}, registrati10, {u"secondo comma dell'art. 1162"_s, u"detenzione"_s});
    riga("R45", true, "C", {u"1162/1"_s}, u"Difatti è sufficiente la sua buona fede ed il decorso di tre anni"_s);
    const QString registrati3 = u"Difatti egli ha acquistato il bene in buona fede"_s;
    riga("R45I", false, "N", {u"1162/1"_s, u"1167"_s}, registrati3, {u"privato del possesso per oltre un anno"_s});
    riga("R45V", false, "N", {u"1162/1"_s, u"1163"_s}, registrati3, {u"violento o clandestino"_s});
    riga("R45D", false, "N", {u"1162/1"_s, u"1140"_s}, registrati3, {u"per conto di altri"_s});
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
    const Regola* r = regola(chiave);
    QVERIFY(r);
    QCOMPARE(r->esito == Esito::Vince, vince);
    QCOMPARE(formaDi(r->forma), forma);

    const QString s = sentenzaDellaRegola(*r);
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
        sentenze.insert(v.motivazione);
        QCOMPARE(voceCatalogo(QString::fromLatin1(v.chiave)), &v);
    }
    QCOMPARE(chiavi, chiaviInOrdine());
    QCOMPARE(sentenze.size(), 57);   // every rule has its own paragraph

    QVERIFY(!voceCatalogo(QString()));
    QVERIFY(!voceCatalogo(u"R0"_s));
    QVERIFY(!voceCatalogo(u"R48"_s));
    QVERIFY(!voceCatalogo(u"r1"_s));
    QVERIFY(!voceCatalogo(u"R1 "_s));
}

void TestCatalogo::concordaConLeRegole()
{
    // The decision table and the catalogue hold the same keys in the same order.
    QStringList chiavi;
    for (const Regola& r : tabellaRegole())
        chiavi << r.chiave;
    QCOMPARE(chiavi, chiaviInOrdine());
}

void TestCatalogo::commentoCompleto_data()
{
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("atteso");

    QTest::newRow("N name") << u"R23"_s << u"Mario Rossi"_s << u"Mario Rossi"_s + commentoR23;
    QTest::newRow("N empty name") << u"R23"_s << QString() << commentoR23;
    QTest::newRow("N name kept as typed") << u"R26"_s << u"  Anna Bianchi "_s << u"  Anna Bianchi "_s + commentoR26;
    QTest::newRow("N R4") << u"R4"_s << u"Luigi"_s << u"Luigi"_s + commentoR4;
    QTest::newRow("C ignores name") << u"R9"_s << u"Mario Rossi"_s << commentoR9;
    QTest::newRow("C empty name") << u"R40"_s << QString() << commentoR40;

    // Every key with three names, the expected text built from the form the rule table gives.
    const QString nomi[] = {u"Mario Rossi"_s, QString(), u" Giò D'Amico  "_s};
    const QString formeA = u"R18"_s;
    const QStringList formeC{u"R5"_s,  u"R6"_s,  u"R7"_s,  u"R8"_s,  u"R9"_s,  u"R10"_s, u"R11"_s,
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
    const Regola* r = regola(chiave);
    QVERIFY(v && r);
    QCOMPARE(::commentoCompleto(r->forma, v->commento, nome), atteso);
    if (r->forma == FormaCommento::ANome) {
        // "A " then the name then the text's own blank: with no name, two blanks.
        QVERIFY(::commentoCompleto(r->forma, v->commento, nome).startsWith(u"A "_s + nome + u' '));
    }
}

void TestCatalogo::commentoCondiviso()
{
    const VoceCatalogo* r16 = voceCatalogo(u"R16"_s);
    const VoceCatalogo* r22 = voceCatalogo(u"R22"_s);
    QVERIFY(r16 && r22);
    QCOMPARE(r16->commento, commentoR16R22);
    QCOMPARE(r22->commento, commentoR16R22);
    QCOMPARE(::commentoCompleto(regola(u"R16"_s)->forma, r16->commento, u"Ugo"_s),
             ::commentoCompleto(regola(u"R22"_s)->forma, r22->commento, u"Ugo"_s));

    // Every detention proved against a plaintiff of the N form gets the same advice on the change of
    // title; the other detention rows end on it.
    const QStringList detenzioneN{u"R4"_s, u"R24"_s, u"R28"_s, u"R34"_s, u"R38"_s, u"R44D"_s, u"R45D"_s};
    for (const QString& k : detenzioneN)
        QCOMPARE(voceCatalogo(k)->commento, commentoR4);
    const QString mutamento = commentoR4.mid(commentoR4.indexOf(u"che il titolo"_s));
    for (const char* k : {"R8", "R14", "R18"})
        QVERIFY2(voceCatalogo(QString::fromLatin1(k))->commento.endsWith(mutamento), k);

    // No other two rules share a comment.
    QSet<QString> visti;
    for (const VoceCatalogo& v : catalogoSentenze()) {
        const QString chiave = QString::fromLatin1(v.chiave);
        if (chiave == u"R22"_s || (detenzioneN.contains(chiave) && chiave != u"R4"_s))
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
    QCOMPARE(::commentoCompleto(regola(u"R35"_s)->forma, v->commento, u"Mario"_s), v->commento);
}

// Every passage quoted in a judgment is the program's own article text, word for word: each piece
// between "..." is found in one article as the articles window shows it. A quotation opens on a
// quote mark after a blank, a colon or a bracket and closes on the first quote mark that no letter
// follows (an apostrophe always has one). The words that show an article is quoted are taken from
// the right article and, where a paragraph is named, from that paragraph.
void TestCatalogo::citazioniUfficiali()
{
    const QStringList testi = testiDelProgramma();
    static const QRegularExpression citazione(u"(?:^|[\\s:(])'(\\p{L}.*?)'(?!\\p{L})"_s);
    QStringList senzaCitazioni;
    for (const Regola& r : tabellaRegole()) {
        const QString sentenza = sentenzaDellaRegola(r);
        int citazioni = 0;
        auto it = citazione.globalMatch(sentenza);
        while (it.hasNext()) {
            const QString passo = it.next().captured(1);
            ++citazioni;
            for (const QString& pezzo : passo.split(u" ... "_s)) {
                // A quotation cut short by a stray quote mark would leave a scrap behind.
                QVERIFY2(pezzo.size() >= 20, qPrintable(r.chiave + u": "_s + pezzo));
                const bool trovato =
                    std::any_of(testi.begin(), testi.end(), [&](const QString& t) { return t.contains(pezzo); });
                QVERIFY2(trovato, qPrintable(r.chiave + u": "_s + pezzo));
            }
        }
        if (citazioni == 0)
            senzaCitazioni << r.chiave;
    }
    // Only R38 and RF quote no article.
    QCOMPARE(senzaCitazioni, (QStringList{u"R38"_s, u"RF"_s}));

    for (auto it = passoUfficiale.begin(); it != passoUfficiale.end(); ++it) {
        const QString numero = it.key().section(u'/', 0, 0);
        const int comma = it.key().section(u'/', 1, 1).toInt();
        QStringList commi;
        if (numero == u"823"_s || numero == u"1061"_s) {
            commi = CodiceCivile::commiCitati(numero.toInt());
        } else {
            for (int k = 1; k <= CodiceCivile::numeroArticoli; ++k)
                if (CodiceCivile::numeroArticolo(k) == QString(numero).replace(u'-', u' '))
                    commi = CodiceCivile::commi(k);
        }
        QVERIFY2(!commi.isEmpty(), qPrintable(numero));
        const QString dove = comma > 0 ? commi.value(comma - 1) : commi.join(u' ');
        QVERIFY2(dove.contains(it.value()), qPrintable(it.key()));
    }
}

void TestCatalogo::citazioniDellArticoloNominato_data()
{
    QTest::addColumn<QString>("testo");
    for (const VoceCatalogo& v : catalogoSentenze()) {
        QTest::newRow(qPrintable(u"%1 sentenza"_s.arg(QLatin1String(v.chiave)))) << v.motivazione;
        QTest::newRow(qPrintable(u"%1 commento"_s.arg(QLatin1String(v.chiave)))) << v.commento;
    }
}

// A quotation is the library's text of the article the sentence names for it: each piece between
// "..." lies in that article, or in the paragraph named ("primo comma dell'art. 1160"). A
// quotation that follows another with no article named in between (the rule on detention quoted
// without its number) lies in some article of the library. No quotation is left empty.
void TestCatalogo::citazioniDellArticoloNominato()
{
    QFETCH(QString, testo);
    // The comments write the capital È as E'.
    testo.replace(u"'E' "_s, u"'È "_s);
    QVERIFY2(!QRegularExpression(u"(?:^|[\\s:(])''"_s).match(testo).hasMatch(), qPrintable(testo));

    static const QRegularExpression citazione(u"(?:^|[\\s:(])'(\\p{L}.*?)'(?!\\p{L})"_s);
    static const QRegularExpression articolo(u"(?:(primo|secondo) comma dell')?art\\. ?(\\d+(?:-bis)?)"_s);
    QStringList tutti;
    for (int k = 1; k <= CodiceCivile::numeroArticoli; ++k)
        tutti << CodiceCivile::commi(k).join(u' ');
    for (int a : {812, 816, 822, 823, 1061, 2727, 2730, 2736, 2943, 2944})
        tutti << CodiceCivile::commiCitati(a).join(u' ');

    qsizetype dopo = 0;   // where the text after the previous quotation begins
    auto it = citazione.globalMatch(testo);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        QRegularExpressionMatch nominato;
        for (auto a = articolo.globalMatch(testo.mid(dopo, m.capturedStart(1) - dopo)); a.hasNext();)
            nominato = a.next();
        QStringList dove = tutti;
        QString quale = u"any article"_s;
        if (nominato.hasMatch()) {
            quale = nominato.captured(0);
            const QStringList commi = CodiceCivile::commiArticolo(nominato.captured(2).replace(u'-', u' '));
            QVERIFY2(!commi.isEmpty(), qPrintable(quale));
            const QString comma = nominato.captured(1);
            dove = {comma.isEmpty() ? commi.join(u' ') : comma == u"primo"_s ? commi.value(0) : commi.value(1)};
        }
        for (const QString& pezzo :
             m.captured(1).split(QRegularExpression(u"\\s*\\.\\.\\.\\s*"_s), Qt::SkipEmptyParts)) {
            QVERIFY2(pezzo.size() >= 20, qPrintable(pezzo));
            QVERIFY2(std::any_of(dove.begin(), dove.end(), [&](const QString& t) { return t.contains(pezzo); }),
                     qPrintable(quale + u": "_s + pezzo));
        }
        dopo = m.capturedEnd(1);
    }
}

// RF names what the case actually lacks: the period when the years fall short of the type's
// minimum, otherwise each defect with its article; with answers missing, neither.
void TestCatalogo::motivoDiRF_data()
{
    QTest::addColumn<Tipologia>("tipo");
    QTest::addColumn<QString>("durata");
    QTest::addColumn<Risposte>("risposte");
    QTest::addColumn<QStringList>("nominati");   // the articles of the defects named, or empty
    QTest::addColumn<bool>("periodo");

    const QStringList nessuno;
    const Interruzione interrotto = Interruzione::OltreUnAnno;
    const Modo violento = Modo::ViolentoClandestino;
    QTest::newRow("nine years") << Tipologia::Proprieta << u" 9 anni"_s << Risposte{} << nessuno << true;
    QTest::newRow("registered movables, two years")
        << Tipologia::MobiliRegistrati << u" 2 anni"_s << Risposte{} << nessuno << true;
    QTest::newRow("twenty-five years, interrupted and violent")
        << Tipologia::Proprieta << u" 25 anni"_s
        << Risposte{.interruzione = interrotto, .modo = violento, .fede = Fede::Mala, .titolo = Titolo::Mancante}
        << QStringList{u"art. 1167"_s, u"art. 1163"_s} << false;
    QTest::newRow("movables without title, interrupted and violent")
        << Tipologia::BeniMobili << u" 25 anni"_s
        << Risposte{.interruzione = interrotto, .modo = violento, .titolo = Titolo::Mancante}
        << QStringList{u"art. 1167"_s, u"art. 1163"_s} << false;
    // Delivery in good faith with a title makes the interruption irrelevant (art. 1153).
    QTest::newRow("movables delivered by violence, interrupted")
        << Tipologia::BeniMobili << u" 2 anni"_s << Risposte{.interruzione = interrotto, .modo = violento}
        << QStringList{u"art. 1163"_s} << false;
    QTest::newRow("movables delivered, years not counted")
        << Tipologia::BeniMobili << u" 0 anni"_s << Risposte{.animo = Animo::PerContoAltrui}
        << QStringList{u"non conta (art. 1153)"_s} << false;
    QTest::newRow("movables delivered to a holder")
        << Tipologia::BeniMobili << u" 2 anni"_s << Risposte{.animo = Animo::PerContoAltrui}
        << QStringList{u"artt. 1140 e 1141"_s} << false;
    QTest::newRow("manner not given") << Tipologia::Proprieta << u" 20 anni"_s << Risposte{.modo = std::nullopt}
                                      << nessuno << false;
}

void TestCatalogo::motivoDiRF()
{
    QFETCH(Tipologia, tipo);
    QFETCH(QString, durata);
    QFETCH(Risposte, risposte);
    QFETCH(QStringList, nominati);
    QFETCH(bool, periodo);

    const Decisione d = decisione(tipo, durata, risposte);
    QCOMPARE(d.chiave, u"RF"_s);
    const QString s = testoSentenza(d);
    QVERIFY(s.startsWith(u"L'attore perde la causa. Difatti "_s));
    QVERIFY(!s.contains(u'\r') && !s.contains(u'\n') && !s.contains(u"  "_s));
    QCOMPARE(s.contains(u"periodo minimo di possesso"_s), periodo);
    for (const QString& n : nominati)
        QVERIFY2(s.contains(n), qPrintable(n));
    QCOMPARE(s.contains(u"art. 1167"_s), nominati.contains(u"art. 1167"_s));
    // One defect is told in the singular, more in the plural.
    if (!nominati.isEmpty())
        QCOMPARE(s.contains(u"mancano altri requisiti"_s), nominati.size() > 1);
    // Defects are never named when the period decides, nor invented when answers are missing.
    if (nominati.isEmpty())
        QVERIFY(!s.contains(u"art. 11"_s));

    const QString c = testoCommento(d, u"Ugo"_s);
    QVERIFY(c.startsWith(u"Si consiglia di tornare"_s));
    QCOMPARE(c.contains(u"durata minima del possesso"_s), periodo);
    QVERIFY(c.size() <= 310);
}

void TestCatalogo::emettiSentenza_data()
{
    QTest::addColumn<Tipologia>("tipo");
    QTest::addColumn<QString>("durata");
    QTest::addColumn<Animo>("animo");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("inizioCommento");

    // A plaintiff without defects: no interruption, peaceful and public, good faith, a title.
    const Animo titolare = Animo::DaTitolare, detentore = Animo::PerContoAltrui;
    QTest::newRow("public domain, form N") << Tipologia::DemanioPubblico << u" 30 anni"_s << titolare << u"Ada Neri"_s
                                           << u"RD"_s << u"Ada Neri deve cercare altre vie"_s;
    // With good faith and a title the ten years came first: the judgment is on their term, not on twenty.
    QTest::newRow("twenty years, the short term first")
        << Tipologia::Proprieta << u" 20 anni e 3 giorni"_s << titolare << u"Ada Neri"_s << u"R5"_s
        << u"Sono presenti tutti i requisiti"_s;
    QTest::newRow("rural holder, form A") << Tipologia::PiccolaProprietaRurale << u" 6 anni"_s << detentore << u"Ugo"_s
                                          << u"R18"_s << u"A Ugo resta da dimostrare"_s;
    QTest::newRow("rural holder, no name") << Tipologia::PiccolaProprietaRurale << u" 6 anni"_s << detentore
                                           << QString() << u"R18"_s << u"A  resta da dimostrare"_s;
    QTest::newRow("too few years, form C")
        << Tipologia::Proprieta << u" 3 anni"_s << titolare << u"Ugo"_s << u"RF"_s << u"Si consiglia di tornare"_s;
    QTest::newRow("registered movables as holder, form N")
        << Tipologia::MobiliRegistrati << u" 12 anni"_s << detentore << u"Ugo"_s << u"R44D"_s
        << u"Ugo deve dimostrare che il titolo"_s;
}

// The decision and the catalogue together give the two texts of the judgment window.
void TestCatalogo::emettiSentenza()
{
    QFETCH(Tipologia, tipo);
    QFETCH(QString, durata);
    QFETCH(Animo, animo);
    QFETCH(QString, nome);
    QFETCH(QString, chiave);
    QFETCH(QString, inizioCommento);

    Fatti f;
    f.tipologia = tipo;
    f.interruzione = Interruzione::Nessuna;
    f.modo = Modo::PacificoPubblico;
    f.animo = animo;
    f.provenienza = Provenienza::Legittima;
    f.fede = Fede::Buona;
    f.titolo = Titolo::Idoneo;
    const Periodo p = periodo(durata);
    f.possessoInizio = p.inizio;
    f.possessoFine = p.fine;
    const Sentenza s = ::emettiSentenza(f, nome);
    QCOMPARE(s.chiave, chiave);
    const VoceCatalogo* v = voceCatalogo(chiave);
    QVERIFY(v);
    // The rule's paragraph, then the day of acquisition when the plaintiff wins.
    QVERIFY2(s.testo.startsWith(sentenzaDellaRegola(*regola(chiave))), qPrintable(s.testo));
    QCOMPARE(s.testo.contains(u"L'usucapione si è compiuta il "_s), regola(chiave)->esito == Esito::Vince);
    QVERIFY2(s.commento.startsWith(inizioCommento), qPrintable(s.commento));
    QVERIFY(s.commento.endsWith(v->commento));
}

// The texts of the facts the Code weighs: what each must say, and what it must no longer say.
void TestCatalogo::testiDeiFatti_data()
{
    QTest::addColumn<Fatti>("fatti");
    QTest::addColumn<QStringList>("dice");
    QTest::addColumn<QStringList>("nonDice");

    Fatti f;
    f.tipologia = Tipologia::Proprieta;
    f.interruzione = Interruzione::Nessuna;
    f.modo = Modo::PacificoPubblico;
    f.animo = Animo::DaTitolare;
    f.provenienza = Provenienza::Legittima;
    f.fede = Fede::Mala;
    f.titolo = Titolo::Mancante;
    f.possessoInizio = QDate(1970, 1, 1);
    f.possessoFine = QDate(2015, 1, 1);

    Fatti dopo = f;
    dopo.interruzioneInizio = QDate(2000, 1, 1);
    dopo.interruzioneFine = QDate(2003, 1, 1);
    dopo.provaInizioInterruzione = ProvaLunga::AttiDisposizione;
    dopo.provaFineInterruzione = ProvaCorta::AttiDisposizione;
    QTest::newRow("a loss after the term")
        << dopo
        << QStringList{u"L'attore vince la causa."_s, u"L'usucapione si è compiuta il 1/1/1990"_s,
                       u"è successiva a quel giorno"_s}
        << QStringList{u"fa perdere il tempo di possesso maturato"_s};

    Fatti comune = f;
    comune.possessoInizio = QDate(2000, 1, 1);
    QTest::newRow("bad faith, no title, fifteen years")
        << comune
        << QStringList{u"dura 15 anni"_s, u"20 anni (art. 1158), e ne mancano 5 anni"_s, u"10 anni (art. 1159)"_s,
                       u"l'attore è in mala fede e non ha un titolo idoneo"_s,
                       u"occorre attendere che il possesso raggiunga 20 anni"_s}
        << QStringList{u"Non è in questione la durata"_s, u"ciascuno di tali difetti basta da solo"_s,
                       u"ogni difetto indicato deve essere superato"_s};

    Fatti violento = comune;
    violento.modo = Modo::ViolentoClandestino;
    QTest::newRow("bad faith, no title, violent")
        << violento << QStringList{u"ne mancano 5 anni"_s, u"Inoltre il possesso è stato acquistato in modo violento"_s}
        << QStringList{u"Non è in questione la durata"_s};

    // Bad faith the plaintiff declared himself: no advice to contest a proof that nobody gave.
    Fatti malaDichiarata = f;
    malaDichiarata.titolo = Titolo::Idoneo;
    malaDichiarata.possessoInizio = QDate(2000, 1, 1);
    QTest::newRow("bad faith declared by the plaintiff")
        << malaDichiarata
        << QStringList{u"Ugo ha dichiarato egli stesso di non essere stato in buona fede"_s,
                       u"raggiunga 20 anni (art. 1158)"_s}
        << QStringList{u"provata la mala fede"_s, u"prova della mala fede"_s};
    Fatti malaProvata = malaDichiarata;
    malaProvata.fede = Fede::Buona;
    malaProvata.obiezioneFede = ProvaRequisito::Testimoni;
    QTest::newRow("bad faith proved by the defendant")
        << malaProvata << QStringList{u"se viene provata la mala fede dalla controparte"_s}
        << QStringList{u"ha dichiarato egli stesso"_s};
    Fatti malaRurale = malaDichiarata;
    malaRurale.tipologia = Tipologia::PiccolaProprietaRurale;
    malaRurale.possessoInizio = QDate(2008, 1, 1);
    QTest::newRow("bad faith declared, rural property")
        << malaRurale << QStringList{u"raggiunga 15 anni (art. 1159-bis)"_s} << QStringList{u"prova della mala fede"_s};

    // A lease proved against the plaintiff: only the change of title helps, not taxes or works.
    Fatti locazione = f;
    locazione.fede = Fede::Buona;
    locazione.titolo = Titolo::Idoneo;
    locazione.obiezioneAnimo = ProvaRequisito::ContrattiLocazione;
    QTest::newRow("detention proved by a lease")
        << locazione
        << QStringList{u"Ugo deve dimostrare che il titolo della detenzione è mutato"_s,
                       u"opposizione contro il possessore (art. 1141, secondo comma)"_s}
        << QStringList{u"deve dimostrare quando"_s, u"con il pagamento delle imposte"_s};

    Fatti unAnno = comune;
    unAnno.possessoInizio = QDate(1996, 1, 1);
    QTest::newRow("one year lacking") << unAnno << QStringList{u"e ne manca un anno"_s}
                                      << QStringList{u"ne mancano un anno"_s, u"1 anni"_s};

    Fatti senzaTrascrizione = f;
    senzaTrascrizione.fede = Fede::Buona;
    senzaTrascrizione.titolo = Titolo::Idoneo;
    senzaTrascrizione.possessoInizio = QDate(2000, 1, 1);
    senzaTrascrizione.possessoFine = QDate(2012, 1, 1);
    QTest::newRow("the short term without a transcription date")
        << senzaTrascrizione
        << QStringList{u"si è assunta per essa la data d'inizio del possesso"_s, u"compiuta il 1/1/2010"_s}
        << QStringList{};

    Fatti cessata = f;
    cessata.modo = Modo::ViolentoClandestino;
    cessata.cessazioneVizio = QDate(1980, 1, 1);
    QTest::newRow("violence ceased") << cessata
                                     << QStringList{u"cessate, il 1/1/1980 (art. 1163)"_s, u"compiuta il 1/1/2000"_s}
                                     << QStringList{u"infetta"_s};

    Fatti violenta = f;
    violenta.modo = Modo::ViolentoClandestino;
    violenta.fede = Fede::Buona;
    violenta.titolo = Titolo::Idoneo;
    violenta.possessoInizio = QDate(2000, 1, 1);
    QTest::newRow("violent, no day of cessation")
        << violenta << QStringList{u"L'attore perde la causa."_s} << QStringList{u"infetta"_s, u"1170"_s};

    Fatti domanda = f;
    domanda.possessoInizio = QDate(1990, 1, 1);
    domanda.interruzioneInizio = QDate(1995, 1, 1);
    domanda.provaInizioInterruzione = ProvaLunga::DomandaGiudiziale;
    domanda.atto = AttoInterruttivo::DomandaGiudiziale;
    domanda.statoGiudizio = StatoGiudizio::Estinto;
    domanda.possessoFine = QDate(2012, 1, 1);
    QTest::newRow("a claim whose proceedings were extinguished")
        << domanda
        << QStringList{u"diretto a recuperare il possesso della cosa"_s,
                       u"essendosi estinto il processo, decorre dalla data della notificazione (1/1/1995)"_s}
        << QStringList{};
    // A claim the new term has overcome: the claim interrupted the term, not the possession.
    Fatti superata = domanda;
    superata.possessoInizio = QDate(1960, 1, 1);
    superata.interruzioneInizio = QDate(1975, 1, 1);
    superata.possessoFine = QDate(2010, 1, 1);
    QTest::newRow("a claim the new term overcame")
        << superata
        << QStringList{u"ha provato che il termine dell'usucapione è stato interrotto dalla notificazione"_s,
                       u"sono trascorsi 35 anni compiuti"_s}
        << QStringList{u"il possesso è stato interrotto dalla"_s};
    // A claim given as the end of the possession ends nothing: it interrupts, and without the day of
    // its final judgment the term has not run again.
    Fatti fineDomanda = f;
    fineDomanda.possessoInizio = QDate(1990, 1, 1);
    fineDomanda.ledateInizio = QDate(1990, 1, 1);
    fineDomanda.ledateFine = QDate(2005, 1, 1);
    fineDomanda.provaInizioDate = ProvaCorta::AttiDisposizione;
    fineDomanda.provaFineDate = ProvaLunga::DomandaGiudiziale;
    QTest::newRow("a claim given as the end of possession")
        << fineDomanda
        << QStringList{u"L'attore perde la causa."_s, u"diretto a recuperare il possesso della cosa"_s,
                       u"giudicato della sentenza che definirà il giudizio, tuttora pendente"_s}
        << QStringList{u"privato del possesso per oltre un anno"_s, u"trascorsi 0 anni"_s};
}

void TestCatalogo::testiDeiFatti()
{
    QFETCH(Fatti, fatti);
    QFETCH(QStringList, dice);
    QFETCH(QStringList, nonDice);
    const Decisione d = decidi(fatti);
    const QString testo = testoSentenza(d) + u' ' + testoCommento(d, u"Ugo"_s);
    for (const QString& t : dice)
        QVERIFY2(testo.contains(t), qPrintable(t + u"\n"_s + testo));
    for (const QString& t : nonDice)
        QVERIFY2(!testo.contains(t), qPrintable(t));
}

QTEST_APPLESS_MAIN(TestCatalogo)
#include "tst_catalogo.moc"
