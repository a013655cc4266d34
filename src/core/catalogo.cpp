#include "core/catalogo.h"
#include "core/date.h"
#include "core/codicecivile.h"

#include <algorithm>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Paragraph n (from 1) of an article as the library holds it; empty when it has none.
QString comma(const QString& articolo, int n) { return CodiceCivile::commiArticolo(articolo).value(n - 1); }

QString comma(int articolo, int n) { return comma(QString::number(articolo), n); }

// A passage between single quotes, without its closing full stop, so that the sentence around it
// can go on.
QString virgolette(QString passo)
{
    if (passo.endsWith(u'.'))
        passo.chop(1);
    return u'\'' + passo + u'\'';
}

// A paragraph of an article quoted whole.
QString citazione(const QString& articolo, int n = 1) { return virgolette(comma(articolo, n)); }

QString citazione(int articolo, int n = 1) { return citazione(QString::number(articolo), n); }

// The first sentence of a paragraph.
QString primoPeriodo(const QString& testo)
{
    const qsizetype fine = testo.indexOf(u". "_s);
    return fine < 0 ? testo : testo.left(fine + 1);
}

// A paragraph from the words given to its end; empty when they are not in it.
QString daParole(const QString& testo, const QString& inizio)
{
    const qsizetype i = testo.indexOf(inizio);
    return i < 0 ? QString() : testo.mid(i);
}

// A paragraph up to the words fino, then "..." for what is left out, then again from the words da;
// empty when either is not in it.
QString omettendo(const QString& testo, const QString& fino, const QString& da)
{
    const qsizetype taglio = testo.indexOf(fino);
    const qsizetype ripresa = taglio < 0 ? -1 : testo.indexOf(da, taglio + fino.size());
    if (ripresa < 0)
        return {};
    return testo.left(taglio + fino.size()) + u" ... "_s + testo.mid(ripresa);
}

// Built on first use, so that no other static initialisation can see it half made.
std::vector<VoceCatalogo> costruisci()
{
    // The Civil Code passages the judgments quote, taken from the library's text of the Code, each
    // between single quotes and without its closing full stop so that the sentence around it can
    // go on.
    const QString art823 = citazione(823);
    const QString art1061 = virgolette(comma(1061, 1) + u' ' + comma(1061, 2));
    const QString art1140 = citazione(1140);
    const QString art1141primo = citazione(1141, 1);
    // The rule alone, without the sentence on universal successors.
    const QString art1141secondo = virgolette(primoPeriodo(comma(1141, 2)));
    const QString art1147 = virgolette(comma(1147, 1) + u' ' + comma(1147, 2));
    const QString art1153 = citazione(1153);
    const QString art1154 = citazione(1154);
    const QString art1158 = citazione(1158);
    // The second paragraph extends the first to the other real rights, which types 2 to 7 claim.
    const QString art1159 = citazione(1159)
                            + u" (primo comma, che il secondo estende agli altri diritti reali di godimento "
                              u"sopra un immobile)"_s;
    const QString art1159bisPrimo = citazione(u"1159 bis"_s, 1);
    const QString art1159bisSecondo = citazione(u"1159 bis"_s, 2);
    const QString art1159bisSecondoBreve =
        virgolette(omettendo(comma(u"1159 bis"_s, 2), u"un fondo rustico"_s, u"ne compie"_s));
    const QString art1160primo = citazione(1160, 1);
    const QString art1160secondo = citazione(1160, 2);
    const QString art1161primo = citazione(1161, 1);
    const QString art1161secondo = citazione(1161, 2);
    const QString art1162primo = citazione(1162, 1);
    const QString art1162secondo = citazione(1162, 2);
    const QString art1144 = citazione(1144);
    const QString art1145 = citazione(1145);
    const QString art1163 = citazione(1163);
    const QString art1167 = citazione(1167, 1);
    // Parts of a paragraph, quoted inside a sentence of the judgment.
    const QString decorso1159 = virgolette(daParole(comma(1159, 1), u"col decorso"_s));
    const QString buonaFede1161 = virgolette(daParole(comma(1161, 1), u"qualora"_s));
    const QString buonaFede1147 = u'\'' + comma(1147, 1) + u" ...'"_s;

    // Openings shared by the rules of one type.
    const QString ventennioPerso =
        u"Difatti egli, pur avendo posseduto per il tempo necessario (almeno vent'anni) la cosa,"_s;
    const QString decennioPerso =
        u"Difatti egli, pur avendo posseduto per il tempo necessario (almeno dieci anni) la cosa,"_s;
    const QString rurale15 =
        u"Difatti è pur vero che ai sensi del primo comma dell'art. 1159-bis del Codice Civile "_s + art1159bisPrimo;
    const QString rurale5 = u"Difatti è pur vero che ai sensi del secondo comma dell'art. 1159-bis del Codice Civile "_s
                            + art1159bisSecondo;
    const QString universalita20 =
        u"Difatti è pur vero che ai sensi del primo comma dell'art. 1160 del Codice Civile "_s + art1160primo;
    const QString universalita10 =
        u"Difatti è pur vero che ai sensi del secondo comma dell'art. 1160 del Codice Civile "_s + art1160secondo;
    const QString mobili1153 =
        u"Difatti ai sensi dell'art. 1153 del Codice Civile il caso in esame non è di usucapione: la "
        u"norma dispone che "_s
        + art1153;

    // After detention only a change of title against the possessor starts the time (art. 1141).
    const QString mutamentoTitolo =
        u"che il titolo della detenzione è mutato per causa proveniente da un terzo o per sua "
        u"opposizione contro il possessore (art. 1141, secondo comma): imposte pagate o lavori "
        u"eseguiti non bastano, perché anche un detentore li compie."_s;
    const QString dimostriMutamento = u" deve dimostrare "_s + mutamentoTitolo;

    // The same advice closes the two losses by a year's loss of possession with a short term.
    const QString ricuperaPossesso =
        u" deve verificare se, entro l'anno dallo spoglio, ha proposto l'azione diretta a ricuperare il "
        u"possesso (art. 1168): se il possesso è stato così ricuperato, l'interruzione si ha come non "
        u"avvenuta (art. 1167, secondo comma); altrimenti il tempo decorre di nuovo dal giorno in cui lo "
        u"ha ripreso."_s;

    return {
        {"RD",
         u"Difatti i beni che appartengono al demanio pubblico sono sottratti al commercio "
         u"giuridico. Ai sensi dell'art. 823 del Codice Civile "_s
             + art823
             + u". Su tali beni l'usucapione è impossibile, quali che siano la durata e i caratteri "
               u"del possesso esercitato dall'attore, poiché, come dispone l'art. 1145, "_s
             + art1145 + u"."_s,
         u" deve cercare altre vie per acquistare il bene: potrà rivolgersi all'ente che lo "
         u"amministra, ma soltanto dopo che il bene sia stato sottratto al demanio pubblico "
         u"(cosiddetta sdemanializzazione) con la procedura prevista dalla legge."_s},

        {"RS",
         u"Difatti egli chiede di essere dichiarato titolare, per usucapione, di una servitù non "
         u"apparente, cioè di una servitù al cui esercizio non sono destinate opere visibili e "
         u"permanenti. L'art. 1061 del Codice Civile stabilisce che "_s
             + art1061
             + u". La legge esclude dunque che una servitù di questo genere si acquisti con il decorso "
               u"del tempo, quali che siano la durata e i caratteri del possesso esercitato dall'attore."_s,
         u" potrà ottenere la servitù soltanto per contratto o per testamento (art. 1058), oppure, quando "
         u"la legge gliene dà il diritto, facendola costituire con sentenza (art. 1032): per una servitù "
         u"non apparente nessun possesso, per quanto lungo, gli gioverà."_s},

        {"RT",
         u"Difatti è stato provato nel corso del giudizio che l'attore ha goduto della cosa per la "
         u"tolleranza del proprietario. L'art. 1144 del Codice Civile dispone: "_s
             + art1144
             + u". Chi si vale della cosa perché altri lo consente o lo sopporta non ne acquista il "
               u"possesso, e senza possesso non vi è usucapione, quali che siano la durata del "
               u"godimento, la buona fede e il titolo dell'attore."_s,
         u" deve dimostrare di aver esercitato sulla cosa un potere proprio, in modo autonomo e non "
         u"per la condiscendenza del proprietario: soltanto da quando la sua attività si manifesta "
         u"come possesso comincia a decorrere il tempo dell'usucapione."_s},

        // Types 1 to 7: ordinary and ten-year prescription of immovables and real rights.
        {"R1",
         u"Difatti egli ha posseduto per il tempo necessario (almeno vent'anni) la cosa, senza "
         u"interruzioni o con interruzioni non superiori all'anno, in modo pacifico e pubblico e "
         u"con l'animo del titolare del diritto. Ricorrono pertanto i presupposti "
         u"dell'usucapione ordinaria prevista dall'art. 1158 del Codice Civile: "_s
             + art1158
             + u". Ai fini di tale usucapione non rilevano né la buona fede del possessore né "
               u"l'esistenza di un titolo di acquisto."_s,
         u" possiede tutti i requisiti dell'usucapione ventennale, che non dipende dalla buona fede "
         u"né da un titolo: basta il possesso continuato, pacifico e pubblico per vent'anni."_s},
        {"R2",
         ventennioPerso
             + u" è stato privato del possesso per oltre un anno, come è stato accertato nel corso "
               u"del giudizio. Ai sensi dell'art. 1167 del Codice Civile "_s
             + art1167
             + u". L'interruzione fa perdere il tempo di possesso maturato in precedenza, e gli altri "
               u"requisiti, anche se presenti, restano privi di rilievo."_s,
         u" non può sommare i periodi di possesso anteriore e posteriore all'interruzione; se uno di "
         u"essi basta da solo a compiere l'usucapione, la causa potrà essere riproposta con i nuovi "
         u"dati."_s},
        {"R3",
         ventennioPerso
             + u" senza interruzioni apprezzabili, ne ha tuttavia acquistato il possesso in modo "
               u"violento o clandestino. Dispone l'art. 1163 del Codice Civile: "_s
             + art1163
             + u". Il possesso così acquistato non giova all'usucapione, e gli altri requisiti "
               u"restano privi di rilievo."_s,
         u" ha acquistato il possesso in un modo che non giova all'usucapione finché la violenza o la "
         u"clandestinità durano: se può provare il giorno in cui sono cessate, lo indichi nella "
         u"finestra del possesso, perché da allora il possesso giova all'usucapione (art. 1163)."_s},
        {"R4",
         ventennioPerso
             + u" in modo pacifico e pubblico, non l'ha fatto con l'animo del titolare del diritto: "
               u"egli si è comportato come detentore e non come possessore. Ai sensi del secondo "
               u"comma dell'art. 1141 del Codice Civile "_s
             + art1141secondo + u". Finché il titolo non è mutato, la detenzione non giova all'usucapione."_s,
         dimostriMutamento},
        {"R5",
         u"Difatti egli ha posseduto per il tempo necessario (almeno dieci anni) la cosa, senza "
         u"interruzioni o con interruzioni non superiori all'anno, in modo pacifico e pubblico e "
         u"con l'animo del titolare del diritto; egli era inoltre in buona fede e ha "
         u"acquistato in forza di un atto regolarmente trascritto. Ricorrono quindi i "
         u"presupposti dell'usucapione abbreviata dell'art. 1159 del Codice Civile: "_s
             + art1159 + u"."_s,
         u"Sono presenti tutti i requisiti dell'usucapione decennale: buona fede, titolo idoneo "
         u"debitamente trascritto e possesso continuato, pacifico e pubblico per dieci anni dalla "
         u"trascrizione."_s},
        {"R6",
         decennioPerso
             + u" è stato privato del possesso per oltre un anno. La buona fede e il titolo "
               u"trascritto non bastano: il termine dell'art. 1159 del Codice Civile, per il quale "
               u"l'acquirente di buona fede compie l'usucapione "_s
             + decorso1159 + u", è stato interrotto, poiché l'art. 1167 dispone che "_s + art1167 + u"."_s,
         u"Manca un requisito essenziale dell'usucapione decennale, la continuità del possesso: "
         u"occorre provare che non vi è stata alcuna interruzione o che essa non è durata più di "
         u"un anno."_s},
        {"R7",
         decennioPerso
             + u" non ne ha acquistato il possesso in modo pacifico e pubblico. Dispone l'art. 1163 "
               u"del Codice Civile: "_s
             + art1163
             + u". Restano quindi irrilevanti l'animo del possessore, l'eventuale buona fede e il "
               u"titolo trascritto."_s,
         u"Il possesso acquistato con violenza o clandestinamente giova all'usucapione soltanto dal "
         u"momento in cui la violenza o la clandestinità sono cessate: se quel giorno è noto e provato, "
         u"va indicato nella finestra del possesso, e il tempo sarà computato da allora."_s},
        {"R8",
         decennioPerso
             + u" in modo pacifico e pubblico, non l'ha tenuta con l'animo del titolare del diritto: "
               u"egli ne ha avuto la semplice detenzione, non il possesso. Ai sensi del primo comma "
               u"dell'art. 1141 del Codice Civile "_s
             + art1141primo
             + u"; nel caso in esame tale prova è stata data. La buona fede e il titolo trascritto "
               u"restano perciò privi di rilievo."_s,
         u"Il solo titolo non basta senza il possesso: l'attore deve dimostrare "_s + mutamentoTitolo},
        {"R9",
         decennioPerso
             + u" in modo pacifico e pubblico e con l'animo del titolare del diritto, non era in "
               u"buona fede. L'art. 1159 del Codice Civile richiede espressamente la buona fede "
               u"dell'acquirente: "_s
             + art1159
             + u". Senza la buona fede il titolo trascritto resta irrilevante, e per l'usucapione "
               u"occorre il possesso ventennale."_s,
         u"La buona fede è imprescindibile e se viene provata la mala fede dalla controparte la "
         u"causa è persa."_s},
        {"R10",
         decennioPerso
             + u" in modo pacifico e pubblico, con l'animo del titolare del diritto e in buona fede, "
               u"non dispone di un titolo idoneo debitamente trascritto. L'art. 1159 del Codice "
               u"Civile subordina a tale titolo l'usucapione decennale: "_s
             + art1159 + u"."_s,
         u"L'usucapione decennale richiede un atto di acquisto idoneo a trasferire la proprietà e "
         u"regolarmente trascritto; in mancanza occorre attendere il decorso di vent'anni di "
         u"possesso (art. 1158)."_s},

        // Type 8: small rural property in mountain communes.
        {"R11",
         u"Difatti ai sensi del primo comma dell'art. 1159-bis del Codice Civile "_s + art1159bisPrimo
             + u". L'attore ha posseduto il fondo per almeno quindici anni, senza interruzioni "
               u"superiori all'anno, in modo pacifico e pubblico e con l'animo del proprietario: "
               u"ricorrono dunque tutti i requisiti dell'usucapione speciale per la piccola "
               u"proprietà rurale."_s,
         u"La buona o la mala fede del possessore non ha alcun rilievo, perché il possesso "
         u"continuato per quindici anni è di per sé sufficiente a compiere l'usucapione del "
         u"fondo."_s},
        {"R12",
         rurale15
             + u"; tuttavia nel corso del giudizio è stata accertata un'interruzione del possesso "
               u"superiore all'anno. Ai sensi dell'art. 1167 "_s
             + art1167 + u", e il tempo richiesto non è quindi maturato."_s,
         u" deve trovare la prova che il possesso non è stato interrotto; altrimenti dovrà contare il "
         u"tempo dalla ripresa del possesso e attendere altri quindici anni o, se il fondo non ha i "
         u"requisiti della piccola proprietà rurale, i vent'anni dell'usucapione ordinaria (art. "
         u"1158)."_s},
        {"R13",
         u"Difatti ai sensi dell'art. 1163 del Codice Civile "_s + art1163
             + u". L'attore ha acquistato il possesso del fondo in modo violento o clandestino; "
               u"restano perciò irrilevanti gli altri requisiti dell'usucapione speciale per la "
               u"piccola proprietà rurale, compreso il decorso dei quindici anni."_s,
         u"Con un possesso viziato da violenza (ad esempio ottenuto con minacce) o da clandestinità "
         u"(acquistato in modo non palese agli altri) non è possibile alcuna usucapione, se non "
         u"computando il tempo dal momento in cui il vizio è cessato."_s},
        {"R14",
         u"Difatti ai sensi del primo comma dell'art. 1141 del Codice Civile "_s + art1141primo
             + u". Nel caso in esame è stato provato che l'attore ha tenuto il fondo per conto d'altri "
               u"e non come proprietario: gli è mancato l'animo del possessore, e la "
               u"semplice detenzione non consente l'usucapione speciale per la piccola proprietà "
               u"rurale, anche se protratta per quindici anni."_s,
         u"Chi ha cominciato come detentore non può invocare l'usucapione se non dimostra "_s + mutamentoTitolo},
        {"R15",
         u"Difatti ai sensi del secondo comma dell'art. 1159-bis del Codice Civile "_s + art1159bisSecondo
             + u". L'attore ha acquistato il fondo in buona fede da chi non ne era proprietario, con "
               u"un titolo idoneo regolarmente trascritto, e lo ha posseduto per almeno cinque anni "
               u"senza interruzioni superiori all'anno, in modo pacifico e pubblico e con l'animo del "
               u"proprietario."_s,
         u"Poiché l'acquirente era in buona fede e dispone di un titolo idoneo trascritto, "
         u"l'usucapione si compie in soli cinque anni dalla data della trascrizione."_s},
        {"R16",
         u"Difatti è pur vero che ai sensi del secondo comma dell'art. 1159-bis del Codice "
         u"Civile sarebbero bastati cinque anni di possesso, poiché "_s
             + art1159bisSecondoBreve
             + u"; tuttavia l'attore ha perso il possesso per oltre un anno, e l'usucapione si è "
               u"interrotta secondo l'art. 1167: "_s
             + art1167 + u"."_s,
         ricuperaPossesso},
        {"R17",
         u"Difatti ai sensi dell'art. 1163 del Codice Civile "_s + art1163
             + u". Pur ricorrendo gli altri requisiti dell'usucapione quinquennale della piccola "
               u"proprietà rurale (buona fede, titolo idoneo trascritto, durata di almeno cinque "
               u"anni), il possesso dell'attore è viziato dal modo, violento o clandestino, in cui è "
               u"stato acquistato, e non giova all'usucapione."_s,
         u" deve provare che il possesso non è stato acquistato con violenza o clandestinità, "
         u"oppure computarne di nuovo la durata dal momento in cui il vizio è cessato."_s},
        {"R18",
         rurale5
             + u". Ma l'attore, nonostante il titolo trascritto, non ha avuto l'animo del "
               u"proprietario: egli ha esercitato sul fondo una semplice detenzione per conto del "
               u"possessore, che non consente di usucapire."_s,
         u" resta da dimostrare, nonostante il titolo trascritto, "_s + mutamentoTitolo},
        {"R19",
         rurale5
             + u"; tuttavia l'attore, come è emerso nel corso del giudizio, non era in buona fede, e "
               u"nonostante il titolo regolarmente trascritto manca un elemento essenziale "
               u"dell'usucapione quinquennale."_s,
         u" deve attendere il decorso dei quindici anni di possesso previsti dal primo comma dello "
         u"stesso art. 1159-bis, se non riesce a vincere la prova della mala fede: la buona fede è "
         u"presunta (art. 1147) e non occorre dimostrarla."_s},
        {"R20",
         rurale5
             + u"; tuttavia l'attore, come è emerso nella causa, non dispone di un titolo idoneo a "
               u"trasferire la proprietà e regolarmente trascritto, sicché non può giovarsi del "
               u"termine abbreviato di cinque anni."_s,
         u" deve attendere il decorso dei quindici anni di possesso previsti dal primo comma "
         u"dell'art. 1159-bis, poiché senza un titolo idoneo debitamente trascritto il termine di "
         u"cinque anni non si applica."_s},

        // Type 9: universality of movables.
        {"R21",
         u"Difatti ai sensi del primo comma dell'art. 1160 del Codice Civile "_s + art1160primo
             + u". L'attore ha posseduto l'universalità di mobili per almeno vent'anni, senza "
               u"interruzioni superiori all'anno, in modo pacifico e pubblico e con l'animo del "
               u"titolare del diritto; non rileva se il possesso fosse di buona o di mala fede, poiché la norma "
               u"non richiede né la buona fede né un titolo."_s,
         u"In questo caso non incide nemmeno l'illegittima provenienza della cosa ai sensi di quanto "
         u"dispone l'art.1156 per l'universalità di mobili."_s},
        {"R22",
         universalita20
             + u"; tuttavia l'attore è stato privato del possesso per oltre un anno e, a norma "
               u"dell'art. 1167, "_s
             + art1167
             + u". Sarebbero stati necessari vent'anni di possesso continuato, che per effetto "
               u"dell'interruzione non sono maturati."_s,
         ricuperaPossesso},
        {"R23",
         universalita20
             + u"; ma l'attore ha acquistato il possesso in modo violento o clandestino, e l'art. "
               u"1163 dispone che "_s
             + art1163 + u". Il possesso dell'attore, così viziato, non è utile per l'usucapione."_s,
         u" deve cercare prove che il suo possesso è stato pubblico e pacifico."_s},
        {"R24",
         universalita20 + u"; tuttavia il Codice distingue il possesso dalla detenzione e stabilisce che "_s
             + art1141primo
             + u". Nel corso del giudizio è stato provato che l'attore ha avuto la mera detenzione "
               u"dell'universalità di mobili, senza l'animo del titolare del diritto, e il detentore non può "
               u"usucapire."_s,
         dimostriMutamento},
        {"R25",
         u"Difatti ai sensi del secondo comma dell'art. 1160 del Codice Civile "_s + art1160secondo
             + u". L'attore ha provato di aver acquistato l'universalità di mobili in buona fede da "
               u"chi non ne era proprietario, in forza di un titolo idoneo, e di averla posseduta per "
               u"almeno dieci anni senza interruzioni superiori all'anno, in modo pacifico e "
               u"pubblico e con l'animo del titolare del diritto."_s,
         u"In questo caso è necessario il titolo idoneo al trasferimento dell'universalità di "
         u"mobili."_s},
        {"R26",
         universalita10
             + u"; tuttavia il possesso dell'attore è stato interrotto per oltre un anno, e l'art. "
               u"1167 stabilisce che "_s
             + art1167
             + u". Le altre caratteristiche del possesso, pur favorevoli all'attore, restano perciò "
               u"irrilevanti."_s,
         u" deve cercare prove che il possesso non è stato interrotto e riprovare la causa con i "
         u"nuovi dati."_s},
        {"R27",
         universalita10
             + u"; ma l'attore ha acquistato il possesso in modo violento o clandestino, e ai sensi "
               u"dell'art. 1163 "_s
             + art1163
             + u". Il possesso dell'attore è dunque viziato dal modo del suo acquisto e non giova "
               u"all'usucapione."_s,
         u" deve provare che il possesso non è stato acquistato né con violenza né clandestinamente, e "
         u"riproporre la causa con i nuovi dati: l'atto di acquisto da chi non è proprietario non "
         u"esclude da solo la clandestinità, perché non rende il possesso conoscibile al vero "
         u"proprietario."_s},
        {"R28",
         universalita10
             + u"; tuttavia l'attore non ha posseduto con l'animo del titolare del diritto: egli ha tenuto "
               u"l'universalità di mobili per conto di altri, da lui ritenuti i veri possessori, e ne "
               u"ha avuto perciò la semplice detenzione, che non consente l'usucapione nemmeno con "
               u"un titolo idoneo e la buona fede."_s,
         dimostriMutamento},
        {"R29",
         universalita10
             + u"; tuttavia, come è stato dimostrato in giudizio, l'attore non era in buona fede. "
               u"Ai sensi dell'art. 1147 del Codice Civile "_s
             + art1147 + u"; mancando la buona fede, il termine abbreviato di dieci anni non si applica."_s,
         u" deve contrastare la prova della mala fede, poiché la buona fede è presunta (art. 1147) e "
         u"non va dimostrata, oppure attendere il decorso dei vent'anni di possesso previsti dal "
         u"primo comma dell'art. 1160."_s},
        {"R30",
         universalita10
             + u"; tuttavia l'attore non dispone di un titolo idoneo al trasferimento "
               u"dell'universalità di mobili da parte di chi non ne era proprietario, e senza tale "
               u"titolo il termine di dieci anni non può operare."_s,
         u" deve dimostrare di avere un titolo idoneo, così da rientrare nel secondo comma "
         u"dell'art. 1160, e riproporre la causa, oppure attendere il decorso dei vent'anni "
         u"previsti dal primo comma."_s},

        // Type 10: movable goods.
        {"R31",
         u"Difatti egli ha posseduto i beni mobili per almeno venti anni, senza interruzioni "
         u"superiori all'anno, in modo pacifico e pubblico e con l'animo del proprietario. Ai "
         u"sensi del secondo comma dell'art. 1161 del Codice Civile "_s
             + art1161secondo
             + u"; l'attore ha perciò acquistato la proprietà dei beni, benché il suo possesso fosse "
               u"di mala fede."_s,
         u"La mala fede sussiste non solo quando il possessore sa di ledere l'altrui diritto, ma "
         u"anche quando la sua ignoranza dipende da colpa grave (art. 1147); in ogni caso, decorsi "
         u"vent'anni, l'usucapione dei beni mobili si compie anche in mala fede."_s},
        {"R32",
         u"Difatti egli pur avendo posseduto i beni mobili per almeno venti anni, in modo "
         u"pacifico e pubblico e con l'animo del proprietario, è stato privato del possesso "
         u"per oltre un anno. Ai sensi dell'art. 1167 del Codice Civile "_s
             + art1167
             + u"; il tempo anteriore all'interruzione va perduto, e il termine ventennale richiesto "
               u"al possessore di mala fede non è maturato."_s,
         u" deve provare che l'interruzione non vi è stata, oppure attendere che dalla ripresa del "
         u"possesso maturino di nuovo i termini dell'art. 1161: dieci anni in buona fede, venti in "
         u"mala fede."_s},
        {"R33",
         u"Difatti egli pur avendo posseduto i beni mobili per almeno venti anni, senza "
         u"interruzioni superiori all'anno, ne ha acquistato il possesso con violenza o "
         u"clandestinità: manca quindi il possesso pacifico e pubblico. Ai sensi dell'art. "
         u"1163 del Codice Civile "_s
             + art1163 + u"."_s,
         u" deve provare che non vi è stata violenza né clandestinità, oppure computare il tempo del "
         u"possesso dal momento in cui esse sono cessate."_s},
        {"R34",
         u"Difatti egli pur avendo posseduto i beni mobili per almeno venti anni, in modo "
         u"pacifico e pubblico, non li ha tenuti con l'animo del proprietario, ma ne ha avuto "
         u"la semplice detenzione. Ai sensi del primo comma dell'art. 1140 del Codice Civile "_s
             + art1140 + u"; la detenzione, priva dell'animo del possessore, non giova all'usucapione."_s,
         dimostriMutamento},
        {"R35",
         u"Difatti egli ha posseduto i beni mobili per almeno dieci anni, senza interruzioni "
         u"superiori all'anno, in modo pacifico e pubblico, con l'animo del proprietario e in "
         u"buona fede. Ai sensi del primo comma dell'art. 1161 del Codice Civile "_s
             + art1161primo
             + u". Il termine decennale richiede la sola buona fede e non un titolo: l'acquisto immediato "
               u"con la consegna, che l'art. 1153 riconosce a chi riceve la cosa in buona fede in forza di un "
               u"titolo idoneo, non ricorre nel caso in esame."_s,
         u"La buona fede è presunta e ricorre quando il possessore ignora di ledere il diritto "
         u"altrui; basta che vi sia stata al momento dell'acquisto. Dispone infatti l'art. 1147: "_s
             + buonaFede1147},
        {"R36",
         u"Difatti egli pur avendo posseduto i beni mobili per almeno dieci anni in buona fede, "
         u"in modo pacifico e pubblico e con l'animo del proprietario, è stato privato del "
         u"possesso per oltre un anno. Ai sensi dell'art. 1167 del Codice Civile "_s
             + art1167 + u"; per effetto dell'interruzione il termine decennale non è maturato."_s,
         u" deve provare che non vi è stata interruzione, così da rientrare nell'art. 1161; "
         u"altrimenti il termine va computato dalla fine dell'interruzione, cioè dal giorno in cui ha "
         u"ripreso il possesso."_s},
        {"R37",
         u"Difatti egli pur avendo posseduto i beni mobili per almeno dieci anni in buona fede, "
         u"ne ha acquistato il possesso in modo violento o clandestino, e l'usucapione è "
         u"perciò impossibile. Ai sensi dell'art. 1163 del Codice Civile "_s
             + art1163 + u"."_s,
         u" deve provare che il suo possesso è stato sempre pacifico e pubblico; altrimenti il tempo "
         u"va computato dal momento in cui la violenza o la clandestinità sono cessate."_s},
        {"R38",
         u"Difatti egli pur avendo gestito i beni mobili per almeno dieci anni in buona fede, in "
         u"modo pacifico e pubblico e senza interruzioni rilevanti, non ha avuto l'animo del "
         u"proprietario: egli ha esercitato una semplice detenzione per conto di un altro "
         u"soggetto, vero possessore dei beni. Il detentore non possiede per sé e non può "
         u"quindi invocare l'usucapione, quale che sia la durata della sua gestione."_s,
         dimostriMutamento},
        {"R39",
         u"Difatti egli pur avendo posseduto i beni mobili per almeno dieci anni, in modo "
         u"pacifico e pubblico e con l'animo del proprietario, non era in buona fede. Il primo "
         u"comma dell'art. 1161 del Codice Civile consente l'usucapione decennale soltanto "_s
             + buonaFede1161 + u", mentre il secondo comma dispone: "_s + art1161secondo
             + u". Il possesso ventennale non è stato dimostrato."_s,
         u" deve contrastare la prova della mala fede, poiché la buona fede è presunta (art. 1147), "
         u"oppure attendere il decorso dei vent'anni previsti dal secondo comma dell'art. 1161."_s},
        {"R40",
         u"È pregiudiziale il fatto che egli conoscesse la provenienza illegittima della "
         u"cosa. Ai sensi dell'art. 1154 del Codice Civile "_s
             + art1154
             + u". La conoscenza dell'illegittima provenienza esclude la buona fede: all'attore non "
               u"giovano né l'acquisto immediato che l'art. 1153 riserva a chi riceve la cosa in "
               u"buona fede, né il termine decennale dell'art. 1161, e il suo possesso non ha i "
               u"requisiti dell'usucapione ventennale che lo stesso articolo consente al possessore "
               u"di mala fede."_s,
         u"La mala fede di questo caso non può essere premiata dalla legge."_s},
        {"R41",
         u"Difatti ai sensi dell'art. 1153 del Codice Civile il caso in esame non è di "
         u"usucapione, bensì di trasferimento della proprietà per effetto del possesso: "_s
             + art1153
             + u". L'attore ha ricevuto la consegna dei beni in buona fede e in forza di un titolo "
               u"idoneo, ne ha acquistato il possesso in modo pacifico e pubblico e li tiene come "
               u"proprietario, non per conto di altri: ne è quindi divenuto proprietario, quali che "
               u"siano la provenienza della cosa e la durata del possesso."_s,
         u"Per i beni mobili non occorre l'usucapione quando la proprietà è passata con un titolo "
         u"idoneo a un acquirente in buona fede; l'usucapione va invocata quando il titolo manca "
         u"(art. 1161)."_s},
        {"R42",
         mobili1153
             + u". Tale disposizione non giova all'attore, che non era in buona fede al momento "
               u"della consegna e non ha perciò acquistato la proprietà dei beni."_s,
         u" deve fondare la sua domanda sull'art. 1161, che in mala fede richiede vent'anni di "
         u"possesso (dieci soltanto in buona fede)."_s},
        {"R43",
         mobili1153
             + u". Tale disposizione non giova all'attore, perché manca un titolo idoneo al "
               u"trasferimento della proprietà: senza titolo la consegna non gli ha fatto acquistare "
               u"la proprietà dei beni."_s,
         u" deve provare l'idoneità del titolo, oppure fondare la domanda sull'art. 1161, che "
         u"richiede dieci anni di possesso in buona fede e venti in mala fede."_s},

        // Type 11: movables entered in public registers.
        {"R44",
         u"Difatti è sufficiente il possesso di dieci anni: per i beni mobili iscritti in "
         u"pubblici registri il secondo comma dell'art. 1162 del Codice Civile dispone che "_s
             + art1162secondo
             + u". L'attore ha posseduto il bene per almeno dieci anni, senza interruzioni superiori "
               u"all'anno, in modo pacifico e pubblico e con l'animo del proprietario, e ciò basta, "
               u"senza che rilevino la buona fede o il titolo di acquisto."_s,
         u"Per i beni mobili iscritti in pubblici registri (navi e galleggianti, aeromobili, "
         u"autoveicoli) bastano dieci anni di possesso continuo, pacifico e pubblico, anche in mala "
         u"fede e senza titolo."_s},

        // Ten years with one defect of the possession itself.
        {"R44I",
         u"Difatti egli, pur avendo posseduto il bene per almeno dieci anni, termine che per i "
         u"beni mobili iscritti in pubblici registri il secondo comma dell'art. 1162 del Codice "
         u"Civile ritiene sufficiente ("_s
             + art1162secondo + u"), è stato privato del possesso per oltre un anno. Ai sensi dell'art. 1167 "_s
             + art1167
             + u": il tempo anteriore all'interruzione va perduto, e il termine decennale non è "
               u"maturato."_s,
         u" deve provare che l'interruzione non vi è stata o che non è durata più di un anno, "
         u"oppure computare i dieci anni dal giorno in cui ha ripreso il possesso."_s},
        {"R44V",
         u"Difatti egli, pur avendo posseduto il bene per almeno dieci anni, termine che per i "
         u"beni mobili iscritti in pubblici registri il secondo comma dell'art. 1162 del Codice "
         u"Civile ritiene sufficiente, ne ha acquistato il possesso in modo violento o "
         u"clandestino. Dispone l'art. 1163 del Codice Civile: "_s
             + art1163
             + u". Il termine dei dieci anni non può dunque essere computato dall'inizio del "
               u"possesso, e la buona fede o il titolo restano privi di rilievo."_s,
         u" deve provare che il possesso non è stato acquistato né con violenza né "
         u"clandestinamente, oppure computare i dieci anni dal momento in cui la violenza o la "
         u"clandestinità sono cessate."_s},
        {"R44D",
         u"Difatti egli, pur avendo avuto il bene per almeno dieci anni, termine che per i beni "
         u"mobili iscritti in pubblici registri il secondo comma dell'art. 1162 del Codice Civile "
         u"ritiene sufficiente, non lo ha tenuto con l'animo del proprietario: egli ne ha avuto la "
         u"semplice detenzione. Ai sensi del secondo comma dell'art. 1141 "_s
             + art1141secondo
             + u". Finché il titolo non è mutato, la detenzione non giova all'usucapione, quale "
               u"che ne sia la durata."_s,
         dimostriMutamento},
        {"R45",
         u"Difatti è sufficiente la sua buona fede ed il decorso di tre anni: ai sensi del "
         u"primo comma dell'art. 1162 del Codice Civile "_s
             + art1162primo
             + u". L'attore ha acquistato in buona fede con un titolo idoneo trascritto e ha "
               u"posseduto il bene per almeno tre anni, senza interruzioni superiori all'anno, in "
               u"modo pacifico e pubblico e con l'animo del proprietario."_s,
         u"Occorrono un titolo idoneo e la sua trascrizione nei pubblici registri previsti per il "
         u"bene (navi e galleggianti, aeromobili, autoveicoli): il termine di tre anni decorre dalla "
         u"data della trascrizione."_s},

        // Three years with good faith and a title, and one defect of the possession itself.
        {"R45I",
         u"Difatti egli ha acquistato il bene in buona fede, con un titolo idoneo debitamente "
         u"trascritto, e ai sensi del primo comma dell'art. 1162 del Codice Civile "_s
             + art1162primo
             + u"; tuttavia è stato privato del possesso per oltre un anno, e ai sensi dell'art. "
               u"1167 "_s
             + art1167 + u". Il termine triennale, così interrotto, non è maturato."_s,
         u" deve provare che l'interruzione non vi è stata o che non è durata più di un anno; "
         u"altrimenti i tre anni si computano di nuovo dal giorno in cui ha ripreso il possesso."_s},
        {"R45V",
         u"Difatti egli ha acquistato il bene in buona fede, con un titolo idoneo debitamente "
         u"trascritto, e ai sensi del primo comma dell'art. 1162 del Codice Civile "_s
             + art1162primo
             + u"; tuttavia ne ha acquistato il possesso in modo violento o clandestino, e l'art. "
               u"1163 dispone che "_s
             + art1163 + u". Il possesso così viziato non giova all'usucapione."_s,
         u" deve provare che il possesso non è stato acquistato né con violenza né "
         u"clandestinamente; altrimenti il tempo utile decorre soltanto dal momento in cui la "
         u"violenza o la clandestinità sono cessate."_s},
        {"R45D",
         u"Difatti egli ha acquistato il bene in buona fede, con un titolo idoneo debitamente "
         u"trascritto, e ai sensi del primo comma dell'art. 1162 del Codice Civile "_s
             + art1162primo + u"; tuttavia lo ha tenuto per conto di altri, e ai sensi dell'art. 1140 "_s + art1140
             + u": la semplice detenzione non consente l'usucapione."_s,
         dimostriMutamento},
        {"R46",
         u"Difatti sarebbe stata sufficiente la sua buona fede, unita al decorso di tre anni, "
         u"ai sensi del primo comma dell'art. 1162 del Codice Civile: "_s
             + art1162primo
             + u". Ma l'attore non era in buona fede, e senza di essa il termine triennale non si "
               u"applica."_s,
         u" deve contrastare la prova della mala fede, poiché la buona fede è presunta (art. 1147), e "
         u"riproporre la causa, oppure attendere il decorso dei dieci anni previsti dal secondo "
         u"comma dell'art. 1162."_s},
        {"R47",
         u"Difatti egli non ha acquistato il bene nel modo richiesto dal primo comma "
         u"dell'art. 1162 del Codice Civile, secondo il quale "_s
             + art1162primo
             + u". Manca infatti un titolo idoneo debitamente trascritto, sicché la buona fede "
               u"dell'attore e la durata del suo possesso, inferiore a dieci anni, restano "
               u"irrilevanti."_s,
         u" non ha i requisiti del primo comma dell'art. 1162; può valersi soltanto del secondo "
         u"comma, che richiede dieci anni di possesso."_s},

        {"RF",
         u"Difatti egli non possiede i requisiti richiesti dalla legge per l'usucapione del "
         u"bene oggetto della causa; in particolare manca il periodo minimo di possesso "
         u"previsto per il caso in esame. Trattandosi di una questione pregiudiziale, ogni "
         u"altro requisito del possesso, come la continuità, la pacificità, la pubblicità, "
         u"l'animo del possessore, la buona fede o il titolo, resta privo di rilievo ai fini "
         u"della decisione."_s,
         u"Si consiglia di tornare alla finestra del possesso e di leggere, con i pulsanti \"?\" e "
         u"con quelli degli articoli del Codice Civile oppure nella finestra delle norme, i "
         u"requisiti necessari per vincere la causa, in particolare la durata minima del "
         u"possesso."_s},
    };
}

// A judicial claim or an acknowledgement interrupted the term, not a loss of possession.
bool interruzioneCivile(const Decisione& d)
{
    const TipoInterruzione t = d.origini.attoCheDecide();
    return d.fattori.interrotto && d.origini.interruzione == Fonte::Convenuto
           && (t == TipoInterruzione::Domanda || t == TipoInterruzione::Riconoscimento);
}

QString anniTesto(int n) { return n == 1 ? u"un anno"_s : QString::number(n) + u" anni"_s; }

// "sono trascorsi 3 anni compiuti", with the verb and the participle agreeing with one year or none.
QString trascorsiTesto(int n)
{
    if (n <= 0)
        return u"non è trascorso nemmeno un anno compiuto"_s;
    return n == 1 ? u"è trascorso un anno compiuto"_s : u"sono trascorsi "_s + anniTesto(n) + u" compiuti"_s;
}

// The paragraph of a loss by civil interruption (arts. 1165, 2943 to 2945), in place of the rule's
// own, which speaks of a loss of possession (art. 1167).
QString motivazioneInterruzioneCivile(const Decisione& d)
{
    const bool domanda = d.origini.attoCheDecide() == TipoInterruzione::Domanda;
    const int termine = termineDelCaso(d.fattori).anni;
    QString t =
        u"Difatti il convenuto ha provato che il termine dell'usucapione è stato interrotto "_s
        + (domanda ? u"dalla notificazione dell'atto con il quale è stato iniziato contro l'attore un giudizio "
                     u"diretto a recuperare il possesso della cosa."_s
                   : u"dal riconoscimento del diritto del proprietario compiuto dallo stesso attore."_s)
        + u" L'art. 1165 del Codice Civile dispone che "_s + citazione(1165) + u", e l'art. "_s
        + (domanda ? u"2943 stabilisce che "_s + citazione(2943) : u"2944 stabilisce che "_s + citazione(2944)) + u'.'
        + u" Un'interruzione di questo genere opera qualunque ne sia la durata: il limite dell'anno "
          u"riguarda soltanto la perdita del possesso. Per effetto dell'interruzione s'inizia un nuovo "
          u"periodo (art. 2945), che "_s
        + (domanda ? (d.origini.ripresa == d.origini.inizioInterruzione && d.origini.ripresa
                          ? u"essendosi estinto il processo, decorre dalla data della notificazione"_s
                      : d.origini.ripresa ? u"per la domanda giudiziale decorre dal passaggio in giudicato della "
                                            u"sentenza che definisce il giudizio"_s
                                          : u"per la domanda giudiziale decorrerà soltanto dal passaggio in "
                                            u"giudicato della sentenza che definirà il giudizio, tuttora "
                                            u"pendente"_s)
                   : u"decorre dalla data dell'atto di riconoscimento"_s)
        + (d.origini.ripresa
               ? u" ("_s + Date::formaBreve(*d.origini.ripresa) + u"); da allora alla fine del possesso "_s
                     + trascorsiTesto(d.origini.anniDopoInterruzione)
                     + (termine > 0 ? u", mentre la legge ne richiede "_s + QString::number(termine) : QString())
               : QString())
        + u", e il tempo dell'usucapione non è quindi maturato."_s;
    return t;
}

const QString commentoInterruzioneCivile =
    u" non può far valere il possesso anteriore all'interruzione: potrà riproporre la domanda quando "
    u"il nuovo periodo di possesso, che decorre dalla fine dell'interruzione, avrà raggiunto il "
    u"termine richiesto dalla legge, purché nel frattempo il termine non venga nuovamente "
    u"interrotto."_s;

// RF when the years suffice: each defect with the article that makes it decisive.
QString difettoTesto(Difetto d, TipoInterruzione tipo)
{
    switch (d) {
    case Difetto::Interruzione:
        if (tipo == TipoInterruzione::Domanda || tipo == TipoInterruzione::Riconoscimento)
            return u"il termine è stato interrotto "_s + nomeInterruzione(tipo).dal + u" ("_s
                   + nomeInterruzione(tipo).articoli + u')';
        return u"il possesso è stato interrotto per oltre un anno (art. 1167)"_s;
    case Difetto::Violenza: return u"il possesso è stato acquistato in modo violento o clandestino (art. 1163)"_s;
    case Difetto::Detenzione:
        return u"l'attore ha avuto la semplice detenzione della cosa, non il possesso (artt. 1140 e "
               u"1141)"_s;
    case Difetto::MalaFede:
        return u"l'attore è possessore di mala fede, mentre il termine maturato richiede la buona "
               u"fede (artt. 1159-1162)"_s;
    case Difetto::SenzaTitolo: return u"manca il titolo idoneo che il termine maturato richiede"_s;
    }
    return {};
}

constexpr Difetto ordineDifetti[] = {Difetto::Interruzione, Difetto::Violenza, Difetto::Detenzione, Difetto::MalaFede,
                                     Difetto::SenzaTitolo};

// Anni: the years reach only the short term, which needs the good faith or the title missing here,
// and the long term that needs neither has not run.
enum class MotivoRF { Periodo, Anni, Difetti, DatiIncompleti };

MotivoRF motivoRF(const Decisione& d)
{
    if (d.termine < 0)
        return MotivoRF::DatiIncompleti;
    if (d.fattori.anni < d.termine)
        return MotivoRF::Periodo;
    if (d.difetti & (Difetto::MalaFede | Difetto::SenzaTitolo))
        return MotivoRF::Anni;
    return d.difetti ? MotivoRF::Difetti : MotivoRF::DatiIncompleti;
}

// The reason of MotivoRF::Anni: both terms named, the years lacking to the long one, and any
// defect that would bar the case even with those years.
QString motivazioneAnni(const Decisione& d)
{
    const Termine lungo = termineApplicabile(d.fattori.tipologia, Fede::Mala, Titolo::Mancante);
    const Termine breve = termineApplicabile(d.fattori.tipologia, Fede::Buona, Titolo::Idoneo);
    const bool mobili = d.fattori.tipologia == Tipologia::BeniMobili;
    const bool malaFede = d.difetti.testFlag(Difetto::MalaFede);
    const bool senzaTitolo = d.difetti.testFlag(Difetto::SenzaTitolo);
    const int mancano = lungo.anni - d.fattori.anni;
    const QString richiede = mobili ? u"la buona fede"_s : u"la buona fede e un titolo idoneo"_s;
    const QString manca = malaFede && senzaTitolo ? u"l'attore è in mala fede e non ha un titolo idoneo"_s
                          : malaFede              ? u"l'attore è in mala fede"_s
                                                  : u"l'attore non ha un titolo idoneo"_s;
    QStringList altri;
    for (Difetto x : {Difetto::Interruzione, Difetto::Violenza, Difetto::Detenzione})
        if (d.difetti.testFlag(x))
            altri << difettoTesto(x, interruzioneCivile(d) ? d.origini.tipoInterruzione
                                                           : TipoInterruzione::PerditaPossesso);
    return u"Difatti il possesso considerato dura "_s + anniTesto(d.fattori.anni) + u", mentre "_s
           + u"l'usucapione che non richiede né la buona fede né un titolo si compie soltanto con il possesso di "_s
           + anniTesto(lungo.anni) + u" ("_s + QString::fromLatin1(lungo.articolo)
           + (mancano == 1 ? u"), e ne manca "_s : u"), e ne mancano "_s) + anniTesto(mancano)
           + u". Il termine più breve di "_s + anniTesto(breve.anni) + u" ("_s + QString::fromLatin1(breve.articolo)
           + u"), che gli anni trascorsi basterebbero a compiere, richiede "_s + richiede + u", e nel caso in esame "_s
           + manca + u'.'
           + (altri.isEmpty() ? QString()
                              : u" Inoltre "_s + altri.join(u"; "_s) + u", e anche questo impedisce l'acquisto."_s)
           + u" L'usucapione non è quindi compiuta."_s;
}

QString motivazioneDifetti(const Decisione& decisione)
{
    const Difetti difetti = decisione.difetti;
    const bool senzaTermine = decisione.termine == 0;
    const TipoInterruzione tipo =
        interruzioneCivile(decisione) ? decisione.origini.tipoInterruzione : TipoInterruzione::PerditaPossesso;
    QStringList voci;
    for (Difetto d : ordineDifetti)
        if (difetti.testFlag(d))
            voci << difettoTesto(d, tipo);
    const bool uno = voci.size() == 1;
    return u"Difatti egli non possiede i requisiti richiesti dalla legge per l'usucapione del bene "
           u"oggetto della causa. Non è in questione la durata del possesso, "_s
           + (senzaTermine ? u"che per l'acquisto dei beni mobili in buona fede con un titolo idoneo "
                             u"non conta (art. 1153), ma "_s
                           : u"che raggiunge il minimo previsto per il caso in esame, ma "_s)
           + (uno ? u"manca un altro requisito: "_s : u"mancano altri requisiti: "_s) + voci.join(u"; "_s)
           + (uno ? u". Tale difetto basta da solo"_s : u". Ciascuno di tali difetti basta da solo"_s)
           + u" a escludere l'acquisto del diritto, e gli altri caratteri del possesso, pur "
             u"favorevoli all'attore, restano privi di rilievo ai fini della decisione."_s;
}

}   // namespace

const std::vector<VoceCatalogo>& catalogoSentenze()
{
    static const std::vector<VoceCatalogo> voci = costruisci();
    return voci;
}

const VoceCatalogo* voceCatalogo(const QString& chiave)
{
    for (const VoceCatalogo& v : catalogoSentenze())
        if (chiave == QLatin1String(v.chiave))
            return &v;
    return nullptr;
}

NomeInterruzione nomeInterruzione(TipoInterruzione tipo)
{
    switch (tipo) {
    case TipoInterruzione::Domanda:
        return {u"notificazione di una domanda giudiziale"_s, u"dalla notificazione di una domanda giudiziale"_s,
                u"artt. 1165 e 2943"_s};
    case TipoInterruzione::Riconoscimento:
        return {u"riconoscimento del diritto del proprietario"_s, u"dal riconoscimento del diritto del proprietario"_s,
                u"artt. 1165 e 2944"_s};
    default:
        return {u"perdita del possesso per oltre un anno"_s, u"dalla perdita del possesso per oltre un anno"_s,
                u"art. 1167"_s};
    }
}

QString dateInterruzione(const Origini& o)
{
    const auto data = [](const std::optional<QDate>& x) { return x ? Date::formaBreve(*x) : QString(); };
    return o.inizioInterruzione == o.fineInterruzione
               ? u"il "_s + data(o.inizioInterruzione)
               : u"dal "_s + data(o.inizioInterruzione) + u" al "_s + data(o.fineInterruzione);
}

QString fraseEsito(Esito esito)
{
    return esito == Esito::Vince ? u"L'attore vince la causa."_s : u"L'attore perde la causa."_s;
}

QString sentenzaDellaRegola(const Regola& regola)
{
    const VoceCatalogo* v = voceCatalogo(regola.chiave);
    return v ? fraseEsito(regola.esito) + u' ' + v->motivazione : QString();
}

QString commentoCompleto(FormaCommento forma, const QString& testo, const QString& nomeAttore)
{
    switch (forma) {
    case FormaCommento::Nome: return nomeAttore + testo;
    case FormaCommento::ANome: return u"A "_s + nomeAttore + testo;
    case FormaCommento::Testo: break;
    }
    return testo;
}

namespace {

// The rows whose advice is to contest the defendant's proof of bad faith, which is no advice when
// the plaintiff declared it himself.
bool malaFedeDichiarata(const Decisione& d, const Regola& r)
{
    static const QStringList malaFedeProvata{u"R9"_s, u"R19"_s, u"R29"_s, u"R39"_s, u"R46"_s};
    return d.origini.fede != Fonte::Convenuto && malaFedeProvata.contains(r.chiave);
}

// The row that decided, or RF's when the decision names no row of the table.
const Regola& regolaDi(const Decisione& d)
{
    const std::vector<Regola>& tabella = tabellaRegole();
    if (d.riga >= 0 && size_t(d.riga) < tabella.size() && tabella[size_t(d.riga)].chiave == d.chiave)
        return tabella[size_t(d.riga)];
    return tabella.back();
}

}   // namespace

namespace {

QString paragrafoDellaDecisione(const Decisione& d)
{
    const Regola& r = regolaDi(d);
    if (r.interrotto == true && interruzioneCivile(d))
        return fraseEsito(r.esito) + u' ' + motivazioneInterruzioneCivile(d);
    if (r.chiave != u"RF"_s)
        return sentenzaDellaRegola(r);
    switch (motivoRF(d)) {
    case MotivoRF::Periodo: return sentenzaDellaRegola(r);
    case MotivoRF::Anni: return fraseEsito(r.esito) + u' ' + motivazioneAnni(d);
    case MotivoRF::Difetti: return fraseEsito(r.esito) + u' ' + motivazioneDifetti(d);
    case MotivoRF::DatiIncompleti: break;
    }
    return fraseEsito(r.esito) + u' '
           + u"Difatti dagli atti non risultano tutti gli elementi necessari per decidere: mancano le "
             u"indicazioni sul tipo di usucapione o su alcuni caratteri del possesso, e in loro "
             u"assenza non può dirsi provato alcuno dei requisiti che la legge richiede per "
             u"l'usucapione del bene oggetto della causa. Spetta all'attore, che chiede di essere "
             u"dichiarato titolare del diritto, dare la prova dei fatti su cui la domanda si fonda, "
             u"e tale prova non è stata data."_s;
}

// An interruption the new term has overcome: the years the paragraph speaks of run from its end.
QString dopoInterruzione(const Decisione& d)
{
    const Origini& o = d.origini;
    const TipoInterruzione tipo = o.attoCheDecide();
    const NomeInterruzione n = nomeInterruzione(tipo);
    // A claim or an acknowledgement interrupts the term; only a loss of possession is a loss.
    const QString fatto =
        tipo == TipoInterruzione::PerditaPossesso
            ? u"il possesso è stato perduto per oltre un anno (art. 1167), "_s + dateInterruzione(o)
            : u"il termine dell'usucapione è stato interrotto "_s + n.dal + u" ("_s + n.articoli + u"), il "_s
                  + Date::formaBreve(o.decideAltroAtto() ? *o.dataAttoDecisivo : *o.inizioInterruzione);
    const bool estinto = tipo == TipoInterruzione::Domanda && o.ripresa
                         && o.ripresa == (o.decideAltroAtto() ? o.dataAttoDecisivo : o.inizioInterruzione);
    return u" Il convenuto ha provato che "_s + fatto
           + u"; ma per effetto dell'interruzione s'inizia un nuovo periodo (artt. 1165 e 2945), che decorre dal "_s
           + Date::formaBreve(*o.ripresa)
           + (estinto ? u", data della notificazione, essendosi estinto il processo (art. 2945, terzo comma)"_s
                      : QString())
           + u", e da allora alla fine del possesso "_s + trascorsiTesto(o.anniDopoInterruzione)
           + u": il tempo necessario è maturato dopo l'interruzione, e a quel periodo si riferisce quanto "
             u"sopra."_s;
}

// The day of acquisition, and why what came after it, or what was missing, did not change it.
QString compimento(const Decisione& d)
{
    const Origini& o = d.origini;
    QString t;
    if (!d.compiuta)
        return t;
    if (o.cessazioneVizio)
        t += u" Il possesso, acquistato in modo violento o clandestino, giova all'usucapione dal giorno in cui "
             u"la violenza o la clandestinità sono cessate, il "_s
             + Date::formaBreve(*o.cessazioneVizio) + u" (art. 1163), e da quel giorno è stato computato il termine."_s;
    if (o.termineCompiuto.daTrascrizione && o.termineDallaTrascrizione)
        t += u" Il termine più breve decorre dalla trascrizione del titolo ("_s
             + QString::fromLatin1(o.termineCompiuto.articolo) + u")."_s;
    else if (o.termineCompiuto.daTrascrizione && o.trascrizioneNonIndicata)
        t += u" Non essendo indicata la data della trascrizione del titolo, dalla quale decorre il termine più "
             u"breve ("_s
             + QString::fromLatin1(o.termineCompiuto.articolo)
             + u"), si è assunta per essa la data d'inizio del possesso."_s;
    const bool consegna = o.termineCompiuto.anni <= 0;
    t += consegna ? u" La proprietà è stata acquistata il "_s + Date::formaBreve(*d.compiuta)
                        + u", con la consegna della cosa (art. 1153)."_s
                  : u" L'usucapione si è compiuta il "_s + Date::formaBreve(*d.compiuta)
                        + u", allo scadere dell'ultimo giorno del termine."_s;
    QStringList dopo;
    if (o.opposizione == Opposizione::DopoCompimento)
        dopo << nomeInterruzione(o.tipoInterruzione).nome + u", "_s + dateInterruzione(o);
    if (o.attoFineDateDopoCompimento)
        dopo << nomeInterruzione(o.attoFineDate).nome + u" del "_s + Date::formaBreve(*o.dataAttoFineDate);
    if (!dopo.isEmpty())
        t += u" L'interruzione opposta dal convenuto ("_s + dopo.join(u"; "_s) + u") è successiva a quel giorno: "_s
             + (consegna ? u"non tocca un acquisto già avvenuto, e il diritto acquistato"_s
                         : u"un termine già compiuto non può più essere interrotto, e il diritto acquistato"_s)
             + u" non viene meno per la perdita del possesso o per gli atti che seguono."_s;
    return t;
}

}   // namespace

namespace {

// A loss of possession the defendant proved that does not interrupt, said in the judgment itself.
QString interruzioneSenzaEffetto(const Origini& o)
{
    switch (o.opposizione) {
    case Opposizione::Recuperato:
        return u" La perdita del possesso provata dal convenuto, "_s + dateInterruzione(o)
               + u", si considera non avvenuta, perché il possesso è stato recuperato con l'azione proposta entro "
                 u"l'anno (art. 1167, secondo comma)."_s;
    case Opposizione::NonOltreUnAnno:
        return u" La perdita del possesso provata dal convenuto, "_s + dateInterruzione(o)
               + u", non supera l'anno e non interrompe il termine (art. 1167)."_s;
    default: return {};
    }
}

}   // namespace

namespace {

// A loss of possession the defendant proved that decided the case: its dates, the act that
// interrupted last when there were two, and the years since the term ran again.
QString nuovoPeriodo(const Decisione& d)
{
    const Origini& o = d.origini;
    const Regola& r = regolaDi(d);
    if (r.interrotto != true || interruzioneCivile(d) || o.interruzione != Fonte::Convenuto || !o.inizioInterruzione)
        return {};
    QString t = u" Il convenuto ha provato che il possesso è stato perduto "_s + dateInterruzione(o) + u'.';
    if (o.decideAltroAtto())
        t += u" Da ultimo il termine è stato interrotto "_s + nomeInterruzione(o.attoDecisivo).dal + u" ("_s
             + nomeInterruzione(o.attoDecisivo).articoli + u"), il "_s + Date::formaBreve(*o.dataAttoDecisivo) + u'.';
    if (!o.ripresa)
        return t + u" Il giudizio è tuttora pendente, e il nuovo periodo non è ancora iniziato (art. 2945)."_s;
    const int termine = termineDelCaso(d.fattori).anni;
    return t + u" Il nuovo periodo decorre dal "_s + Date::formaBreve(*o.ripresa)
           + u", e da allora alla fine del possesso "_s + trascorsiTesto(std::max(0, o.anniDopoInterruzione))
           + (termine > 0 ? u", mentre la legge ne richiede "_s + QString::number(termine) : QString()) + u'.';
}

}   // namespace

QString testoSentenza(const Decisione& d)
{
    const QString t = paragrafoDellaDecisione(d);
    return (d.origini.interruzioneSuperata ? t + dopoInterruzione(d) : t) + nuovoPeriodo(d)
           + interruzioneSenzaEffetto(d.origini) + compimento(d);
}

QString testoCommento(const Decisione& d, const QString& nomeAttore)
{
    const Regola& r = regolaDi(d);
    QString testo;
    if (r.interrotto == true && interruzioneCivile(d))
        return commentoCompleto(FormaCommento::Nome, commentoInterruzioneCivile, nomeAttore);
    if (r.chiave == u"RF"_s && motivoRF(d) == MotivoRF::Anni) {
        const Termine lungo = termineApplicabile(d.fattori.tipologia, Fede::Mala, Titolo::Mancante);
        testo = u"Con la mala fede o senza un titolo idoneo l'usucapione richiede il termine più lungo: "
                u"occorre attendere che il possesso raggiunga "_s
                + anniTesto(lungo.anni)
                + u", oppure provare la buona fede e il titolo che consentono il termine "
                  u"più breve."_s;
        if (d.difetti & (Difetto::Interruzione | Difetto::Violenza | Difetto::Detenzione))
            testo += u" Gli altri difetti indicati devono comunque essere superati."_s;
    } else if (r.chiave == u"RF"_s && motivoRF(d) == MotivoRF::Difetti) {
        testo = u"Si consiglia di tornare alla finestra del possesso e di verificare, con i pulsanti "
                u"\"?\" e con quelli degli articoli del Codice Civile oppure nella finestra delle "
                u"norme, i requisiti che mancano e le prove che possono sostenerli: ogni difetto "
                u"indicato deve essere superato perché la causa possa essere vinta."_s;
    } else if (r.chiave == u"RF"_s && motivoRF(d) == MotivoRF::DatiIncompleti) {
        testo = u"Si consiglia di tornare alle finestre della causa e del possesso e di completare "
                u"tutte le risposte: soltanto con i dati completi la sentenza può valutare i "
                u"requisiti dell'usucapione."_s;
    } else if (malaFedeDichiarata(d, r)) {
        const Termine lungo = termineApplicabile(d.fattori.tipologia, Fede::Mala, Titolo::Mancante);
        return commentoCompleto(FormaCommento::Nome,
                                u" ha dichiarato egli stesso di non essere stato in buona fede: il termine più "
                                u"breve, che la richiede, non si applica, e occorre attendere che il possesso "
                                u"raggiunga "_s
                                    + anniTesto(lungo.anni) + u" ("_s + QString::fromLatin1(lungo.articolo) + u")."_s,
                                nomeAttore);
    } else if (const VoceCatalogo* v = voceCatalogo(r.chiave)) {
        testo = v->commento;
    }
    return commentoCompleto(r.forma, testo, nomeAttore);
}

Sentenza emettiSentenza(const Fatti& fatti, const QString& nomeAttore)
{
    const Decisione d = decidi(fatti);
    return {d.chiave, testoSentenza(d), testoCommento(d, nomeAttore)};
}
