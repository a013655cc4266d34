// Case-law maxims of the topics Servitù, Tolleranza and Usucapione decennale.
#include "core/massimario.h"

// Servitù
const Massima testi12[] = {
    // 1
    {"Per visibile servitù, usucapibile per prescrizione, non può essere intesa anche la "
     "particolare servitù d'aria.",
     "Pretura Vasto, 26 novembre 1953"},
    // 2
    {"Ai sensi dell'art. 1061 c.c. possono acquistarsi per usucapione soltanto le servitù "
     "apparenti, quelle cioè al cui esercizio sono destinate opere visibili e permanenti. Il "
     "requisito dell'apparenza non si esaurisce nella mera visibilità delle opere, ma esige "
     "che esse, per la loro struttura e la loro funzione, rivelino in modo non equivoco la "
     "destinazione all'esercizio della servitù e, quindi, l'esistenza di un peso imposto a un "
     "fondo a vantaggio dell'altro, sì che il proprietario del fondo servente sia posto in "
     "grado di avvedersene e di opporvisi. Le opere possono trovarsi tanto sul fondo servente "
     "quanto sul fondo dominante, purché siano stabilmente asservite all'utilità di questo; "
     "per la servitù di passaggio non basta il semplice calpestio di un terreno aperto, "
     "occorrendo una strada, un sentiero tracciato o altra opera visibile specificamente "
     "destinata all'accesso al fondo dominante.",
     "Cassazione, sez.II, 12 luglio 1963, n.1889"},
    // 3
    {"Il possesso utile all'acquisto per usucapione di una servitù apparente decorre dal "
     "momento in cui sono state realizzate le opere visibili e permanenti destinate al suo "
     "esercizio e il possessore ha cominciato a servirsene in modo corrispondente al contenuto "
     "della servitù; l'esercizio anteriore all'esistenza delle opere, anche se protratto nel "
     "tempo, non è computabile nel ventennio richiesto dall'art. 1158 c.c. Non sono "
     "usucapibili le servitù negative, come quelle di non edificare o di non sopraelevare, le "
     "quali non si esercitano mediante opere e restano per loro natura non apparenti, poiché "
     "il divieto di costruire non si manifesta attraverso segni visibili e permanenti sul "
     "fondo servente.",
     "Cassazione, sez.II, 5 febbraio 1958, n.342"},
};
QStringList massime12() { return elencoMassime(testi12); }

// Tolleranza
const Massima testi13[] = {
    // 1
    {"Gli atti compiuti con l'altrui tolleranza, ai quali l'art. 1144 c.c. nega ogni idoneità "
     "a fondare l'acquisto del possesso, sono quelli che il proprietario o il possessore "
     "consente per ragioni di amicizia, di parentela o di buon vicinato, in vista di un "
     "godimento transitorio e saltuario del bene da parte di altri, senza alcuna intenzione di "
     "rinunziare al proprio diritto o di costituirne uno a favore altrui. Tali atti, fondati "
     "su un consenso revocabile in ogni momento, non danno luogo a possesso e non giovano "
     "all'usucapione, anche se ripetuti nel tempo, finché conservano il carattere di "
     "concessione precaria.",
     "Appello Milano, 20 dicembre 1957"},
    // 2
    {"Lo stabilire se un'attività corrispondente all'esercizio della proprietà o di altro "
     "diritto reale sia stata compiuta in virtù di un possesso ovvero per mera tolleranza del "
     "titolare è indagine di fatto, riservata al giudice di merito e incensurabile in sede di "
     "legittimità se sorretta da motivazione congrua e immune da vizi logici. Nel compierla il "
     "giudice deve valutare la natura e la frequenza degli atti, i rapporti intercorrenti fra "
     "le parti e, soprattutto, la durata dell'attività: questa, se protratta per lungo tempo e "
     "svolta fra persone non legate da vincoli di parentela o di amicizia, costituisce "
     "elemento presuntivo contrario alla tolleranza, la quale è normalmente propria di "
     "situazioni transitorie e occasionali.",
     "Cassazione civile, 12 gennaio 1959, n.59"},
    // 3
    {"Poiché gli atti di mera tolleranza non costituiscono possesso, colui che li ha compiuti "
     "non può invocare la tutela possessoria contro il proprietario che abbia posto fine alla "
     "tolleranza, impedendo il godimento fino ad allora consentito: la revoca del consenso non "
     "integra né uno spoglio né una molestia, ma è esercizio del diritto del titolare, al "
     "quale non si contrappone alcuna situazione possessoria meritevole di protezione.",
     "Tribunale Trani, 14 giugno 1961"},
};
QStringList massime13() { return elencoMassime(testi13); }

// Usucapione decennale
const Massima testi14[] = {
    // 1
    {"L'usucapione decennale prevista dall'art. 1159 c.c. richiede il concorso di quattro "
     "requisiti: un acquisto da chi non è proprietario, un titolo astrattamente idoneo a "
     "trasferire la proprietà, la buona fede dell'acquirente al momento dell'acquisto e la "
     "trascrizione del titolo; a essi si aggiunge il possesso, dotato dei caratteri comuni a "
     "ogni possesso utile per l'usucapione, continuato per dieci anni dalla data della "
     "trascrizione. Mancando anche uno solo di tali elementi, il possessore non può giovarsi "
     "del termine abbreviato e il suo acquisto resta subordinato al compimento del ventennio "
     "previsto dall'art. 1158 c.c.",
     "Appello Milano, 13 aprile 1960"},
    // 2
    {"Per titolo idoneo ai sensi dell'art. 1159 c.c. deve intendersi un negozio che, per sua "
     "natura e per il suo contenuto, sarebbe di per sé idoneo a trasferire la proprietà o a "
     "costituire il diritto reale ove provenisse dal vero titolare: un titolo, cioè, valido "
     "sotto ogni aspetto, il cui solo vizio consista nella mancanza di legittimazione "
     "dell'alienante. L'usucapione abbreviata sana il difetto di titolarità del dante causa, "
     "non i vizi intrinseci del negozio; il titolo nullo, perché privo di un elemento "
     "essenziale, contrario a norme imperative o carente della forma prescritta, non può "
     "perciò fondare l'acquisto nel termine decennale.",
     "Cassazione civile, 21 maggio 1960, n.1307"},
    // 3
    {"La buona fede richiesta per l'usucapione decennale consiste nell'ignoranza, da parte "
     "dell'acquirente, di ledere l'altrui diritto, e cioè nel ragionevole convincimento di "
     "acquistare da chi è proprietario del bene. Essa è presunta, a norma dell'art. 1147, "
     "terzo comma, c.c., e basta che sussista al tempo dell'acquisto: la conoscenza "
     "dell'altruità della cosa, sopravvenuta dopo la conclusione del negozio, non impedisce il "
     "compimento dell'usucapione (mala fides superveniens non nocet).",
     "Tribunale Milano, 27 maggio 1960"},
    // 4
    {"Il contratto preliminare di vendita, producendo soltanto l'obbligo delle parti di "
     "stipulare il contratto definitivo, non è titolo idoneo a trasferire la proprietà e non "
     "può fondare l'usucapione abbreviata di cui all'art. 1159 c.c., neppure quando sia "
     "accompagnato dalla consegna anticipata del bene. Il promissario acquirente, che riceve "
     "il godimento dell'immobile in attesa della stipulazione definitiva, ne ha la detenzione "
     "e non il possesso; per usucapire egli deve dimostrare di avere mutato il titolo della "
     "detenzione nei modi previsti dall'art. 1141 c.c., e in tal caso, in difetto di un titolo "
     "idoneo, può giovarsi soltanto del termine ventennale.",
     "Tribunale Roma, 14 gennaio 1961"},
    // 5
    {"Il titolo richiesto dall'art. 1159 c.c. deve esistere realmente ed essere fornito di "
     "tutti i requisiti di forma e di sostanza prescritti dalla legge; non basta il titolo "
     "putativo, cioè quello che l'acquirente, anche in buona fede, ritenga erroneamente di "
     "avere. Trattandosi di immobili, il titolo deve rivestire la forma scritta richiesta a "
     "pena di nullità dall'art. 1350 c.c., e la sua esistenza non può essere provata per "
     "testimoni né desunta da presunzioni, salvo il caso della perdita incolpevole del "
     "documento, né può essere surrogata dalla convinzione dell'acquirente di essere divenuto "
     "proprietario.",
     "Cassazione civile, 20 giugno 1961, n.1477"},
    // 6
    {"Il decennio utile per l'usucapione abbreviata decorre, per espressa previsione dell'art. "
     "1159 c.c., dalla data della trascrizione del titolo, e non da quella della stipulazione "
     "del negozio o della consegna del bene: il possesso anteriore alla trascrizione non è "
     "computabile nel termine decennale. Poiché l'acquisto presuppone il concorso della "
     "trascrizione e del possesso, se l'acquirente consegue il possesso soltanto dopo la "
     "trascrizione il termine comincia a decorrere dall'inizio del possesso.",
     "Cassazione civile, 6 luglio 1962, n.1738"},
    // 7
    {"L'usucapione decennale opera nei limiti del titolo e può condurre all'acquisto soltanto "
     "del bene che il titolo trascritto descrive e individua. Qualora il possesso "
     "dell'acquirente si estenda a una porzione di terreno non compresa nel titolo, come una "
     "striscia confinante erroneamente ritenuta parte del fondo acquistato, per quella "
     "porzione difetta il titolo idoneo e l'acquisto può compiersi soltanto con il possesso "
     "ventennale previsto dall'art. 1158 c.c. Spetta al giudice di merito, interpretando il "
     "titolo e tenendo conto dei confini e dei dati catastali in esso indicati, stabilire "
     "l'esatta estensione del bene trasferito.",
     "Cassazione civile, 10 luglio 1962, n.1826"},
    // 8
    {"La divisione, avendo natura dichiarativa e non traslativa, in quanto si limita a "
     "trasformare la quota ideale di ciascun condividente in una porzione concreta del bene "
     "comune, con l'effetto retroattivo stabilito dall'art. 757 c.c. e reso applicabile alla "
     "comunione ordinaria dal richiamo dell'art. 1116 c.c., non costituisce titolo idoneo a "
     "trasferire la proprietà ai sensi dell'art. 1159 c.c. Il condividente al quale sia stato "
     "assegnato un bene estraneo alla comunione non può, pertanto, invocare l'usucapione "
     "abbreviata, ma soltanto, ricorrendone i presupposti, quella ordinaria ventennale.",
     "Cassazione civile, 8 ottobre 1963, n.2669"},
    // 9
    {"La successione a causa di morte a titolo universale non è titolo idoneo ai fini "
     "dell'art. 1159 c.c., poiché l'erede non acquista in forza di un negozio traslativo "
     "proveniente da un non proprietario, ma subentra nella medesima posizione del defunto. A "
     "norma dell'art. 1146, primo comma, c.c., il possesso continua nell'erede con gli stessi "
     "caratteri e gli stessi vizi che aveva presso il de cuius: l'erede può compiere "
     "l'usucapione decennale soltanto se il defunto aveva acquistato in buona fede in forza di "
     "un titolo idoneo debitamente trascritto, né la sua personale buona fede vale a sanare la "
     "mala fede del dante causa.",
     "Tribunale Napoli, 16 gennaio 1963"},
    // 10
    {"Ai sensi dell'art. 1147, secondo comma, c.c., la buona fede non giova se l'ignoranza di "
     "ledere l'altrui diritto dipende da colpa grave; sicché l'acquirente che abbia trascurato "
     "le più elementari cautele, omettendo quelle verifiche che anche una persona di scarsa "
     "diligenza avrebbe compiuto in presenza di circostanze atte a far dubitare della "
     "titolarità dell'alienante, non può giovarsi dell'usucapione abbreviata. L'accertamento "
     "della colpa grave, come quello della buona fede, si risolve in un apprezzamento di "
     "fatto, riservato al giudice di merito e incensurabile in cassazione se congruamente "
     "motivato.",
     "Cassazione civile, 21 gennaio 1963, n.84"},
    // 11
    {"Il titolo è debitamente trascritto, ai sensi dell'art. 1159 c.c., soltanto se la "
     "trascrizione è stata eseguita nelle forme e sulla base dei documenti che la legge "
     "prescrive. Poiché, a norma dell'art. 2657 c.c., la trascrizione può farsi solo in forza "
     "di sentenza, di atto pubblico o di scrittura privata con sottoscrizione autenticata o "
     "accertata giudizialmente, la scrittura privata non autenticata, pur valida tra le parti "
     "come contratto di compravendita, non consente la trascrizione e non può fondare "
     "l'usucapione decennale. L'acquirente che possieda in base a essa consegue la proprietà "
     "soltanto con il possesso ventennale, salvo che, ottenuto l'accertamento giudiziale delle "
     "sottoscrizioni, provveda alla trascrizione, dalla cui data soltanto decorre il termine "
     "abbreviato.",
     "Tribunale Napoli, 28 febbraio 1963"},
    // 12
    {"Il successore a titolo particolare può unire al proprio possesso quello del suo autore "
     "(art. 1146, secondo comma, c.c.), ma ai fini dell'usucapione abbreviata l'accessione è "
     "consentita soltanto fra possessi omogenei, e cioè quando anche il possesso del dante "
     "causa fosse fondato su un titolo idoneo debitamente trascritto e fosse stato acquistato "
     "in buona fede. Se il possesso dell'autore era privo di tali requisiti, il successore può "
     "giovarsene soltanto per il compimento dell'usucapione ordinaria, mentre per quella "
     "decennale deve far capo esclusivamente al proprio titolo e al possesso esercitato dalla "
     "data della sua trascrizione.",
     "Cassazione civile, 2 aprile 1964, n.708"},
    // 13
    {"I beni del demanio pubblico, essendo inalienabili e non potendo formare oggetto di "
     "diritti a favore di terzi se non nei modi e nei limiti stabiliti dalle leggi che li "
     "riguardano (art. 823 c.c.), sono sottratti all'usucapione, tanto ordinaria quanto "
     "abbreviata: l'atto con il quale un privato abbia alienato un bene demaniale non "
     "costituisce titolo idoneo ai sensi dell'art. 1159 c.c., e il possesso esercitato "
     "dall'acquirente, anche se in buona fede e per oltre dieci anni dalla trascrizione, non "
     "può condurre all'acquisto. Lo stesso vale per i beni del patrimonio indisponibile, "
     "finché dura la loro destinazione a un pubblico servizio (art. 828 c.c.).",
     "Cassazione civile, 24 luglio 1968, n.2691"},
    // 14
    {"A norma del secondo comma dell'art. 1159 c.c., nel medesimo termine decennale e alle "
     "medesime condizioni si compie l'usucapione a favore di chi abbia acquistato in buona "
     "fede, da chi non ne è titolare, un diritto reale di godimento sopra un immobile, quale "
     "l'usufrutto o una servitù. Per le servitù la norma si coordina con l'art. 1061 c.c.: "
     "l'usucapione, anche abbreviata, è possibile soltanto per le servitù apparenti, sicché il "
     "titolo, pur trascritto, non giova all'acquirente di una servitù non apparente costituita "
     "da chi non era proprietario del fondo servente.",
     "Cassazione civile, 26 marzo 1968, n.947"},
    // 15
    {"Gli artt. 1159 e 2644 c.c. operano su piani diversi: il secondo risolve il conflitto fra "
     "più persone che abbiano acquistato lo stesso diritto dal medesimo titolare, dando "
     "prevalenza a chi per primo ha trascritto, senza che occorra alcun possesso né rilevi la "
     "buona fede; il primo presuppone invece un acquisto da chi non è proprietario e consente "
     "all'acquirente di buona fede di divenire proprietario solo in virtù del possesso "
     "decennale successivo alla trascrizione. L'avente causa dal medesimo titolare che abbia "
     "trascritto per primo non ha quindi bisogno di invocare l'usucapione abbreviata, mentre "
     "chi ha acquistato da un non proprietario non può opporre al vero proprietario la "
     "priorità della propria trascrizione, la quale vale soltanto come presupposto del decorso "
     "del termine decennale.",
     "Cassazione civile, 12 febbraio 1968, n.464"},
    // 16
    {"La vendita dell'intero bene comune compiuta da uno solo dei comproprietari, senza il "
     "consenso degli altri, produce effetti reali soltanto per la quota dell'alienante e si "
     "configura, per le quote degli altri partecipanti, come vendita di cosa altrui. Essa "
     "costituisce perciò titolo idoneo all'usucapione decennale di tali quote, purché sia "
     "stata trascritta e l'acquirente abbia ignorato, senza colpa grave, che l'alienante non "
     "era l'unico proprietario, e abbia posseduto l'intero bene in modo esclusivo per dieci "
     "anni dalla trascrizione.",
     "Cassazione civile, 27 giugno 1968, n.2179"},
    // 17
    {"Il decorso del termine decennale di cui all'art. 1159 c.c. è interrotto, in virtù del "
     "rinvio dell'art. 1165 c.c. alle norme sulla prescrizione, dalla notificazione dell'atto "
     "con il quale il proprietario inizia un giudizio diretto a recuperare il possesso del "
     "bene o a far valere su di esso il proprio diritto (art. 2943 c.c.), oltre che dalla "
     "privazione del possesso protratta per più di un anno (art. 1167 c.c.). Non hanno invece "
     "efficacia interruttiva la diffida, l'intimazione o altro atto stragiudiziale di "
     "costituzione in mora, che, previsti per i diritti di credito, non sono idonei a togliere "
     "al possessore il potere di fatto sulla cosa.",
     "Cassazione civile, 11 giugno 1968, n.1864"},
    // 18
    {"In tema di beni mobili, chi ne abbia ricevuto la consegna da un non proprietario, in "
     "buona fede e in forza di un titolo idoneo, ne acquista immediatamente la proprietà a "
     "norma dell'art. 1153 c.c., senza bisogno di alcun decorso di tempo. L'usucapione "
     "decennale prevista dall'art. 1161 c.c. opera invece in mancanza di titolo idoneo, e "
     "richiede soltanto che il possesso sia stato acquistato in buona fede e si sia protratto "
     "per dieci anni; il possessore di mala fede usucapisce col decorso di venti anni.",
     "Appello Firenze, 5 settembre 1967"},
    // 19
    {"Anche ai fini dell'usucapione abbreviata il possesso deve essere pacifico e pubblico: a "
     "norma dell'art. 1163 c.c. il possesso acquistato in modo violento o clandestino non "
     "giova per l'usucapione se non dal momento in cui la violenza o la clandestinità è "
     "cessata, sicché il decennio decorre, in tal caso, dalla cessazione del vizio, se "
     "posteriore alla trascrizione del titolo. La buona fede dell'acquirente e la regolarità "
     "del titolo trascritto non sanano il vizio del possesso, che attiene al modo in cui il "
     "potere di fatto sulla cosa è stato conseguito e non al negozio di acquisto.",
     "Cassazione civile, 10 aprile 1970, n.988"},
    // 20
    {"Il possessore convenuto dal proprietario con l'azione di rivendicazione può far valere "
     "l'acquisto compiuto per usucapione decennale sia in via di eccezione, al fine di "
     "paralizzare la domanda, sia con domanda riconvenzionale diretta a ottenerne "
     "l'accertamento con efficacia di giudicato. In entrambi i casi egli ha l'onere di "
     "allegare e provare i fatti costitutivi dell'acquisto, e cioè il titolo idoneo, la sua "
     "trascrizione e il possesso protratto per dieci anni dalla data di questa, mentre la "
     "buona fede, essendo presunta, non deve essere dimostrata.",
     "Cassazione civile, 8 gennaio 1970, n.56"},
    // 21
    {"Ai beni mobili iscritti in pubblici registri non si applica la regola del possesso vale "
     "titolo (art. 1156 c.c.): chi li acquista in buona fede da chi non è proprietario, con un "
     "titolo idoneo debitamente trascritto, ne compie l'usucapione in tre anni dalla "
     "trascrizione; in difetto di tali condizioni occorrono dieci anni (art. 1162 c.c.).",
     "Cassazione civile, 20 luglio 1971, n.2345"},
    // 22
    {"L'universalità di mobili, quale una biblioteca, una collezione o un gregge, costituisce "
     "oggetto unitario di possesso e di usucapione, e a essa non si applica la regola "
     "dell'art. 1153 c.c. (art. 1156 c.c.). La proprietà se ne acquista col possesso "
     "continuato per venti anni o, quando l'acquisto sia avvenuto in buona fede da chi non è "
     "proprietario in forza di un titolo idoneo, col decorso di dieci anni (art. 1160 c.c.); "
     "per l'universalità non è richiesta la trascrizione del titolo, ma soltanto la sua "
     "idoneità astratta a trasferire la proprietà del complesso, considerato come un tutto.",
     "Tribunale Napoli, 3 febbraio 1973"},
    // 23
    {"La presunzione di buona fede stabilita dall'art. 1147 c.c. a favore dell'acquirente che "
     "invoca l'usucapione abbreviata può essere vinta dalla prova contraria, il cui onere "
     "grava su chi contesta l'acquisto. Tale prova può essere data con ogni mezzo, anche per "
     "presunzioni, e può desumersi da circostanze quali la notoria appartenenza del bene ad "
     "altri, l'irrisorietà del prezzo pattuito, i rapporti fra l'acquirente e il vero "
     "proprietario o le risultanze dei registri immobiliari di cui l'acquirente abbia avuto "
     "conoscenza al tempo dell'acquisto.",
     "Cassazione civile, 22 aprile 1974, n.1152"},
    // 24
    {"Se l'acquisto è concluso a mezzo di rappresentante, la buona fede richiesta dall'art. "
     "1159 c.c. si accerta in capo al rappresentante, salvo che si tratti di elementi "
     "predeterminati dal rappresentato (art. 1391 c.c.); il rappresentato in mala fede non può "
     "comunque giovarsi della buona fede del rappresentante.",
     "Cassazione civile, 2 dicembre 1974, n.3912"},
    // 25
    {"In forza dell'art. 1165 c.c., che rinvia alle disposizioni sulla prescrizione in quanto "
     "applicabili, il termine decennale dell'usucapione abbreviata resta sospeso nei casi "
     "previsti dagli artt. 2941 e 2942 c.c., e così, tra l'altro, fra i coniugi e contro i "
     "minori non emancipati e gli interdetti per infermità di mente, per il tempo in cui non "
     "hanno rappresentante legale e per i sei mesi successivi alla nomina di questo o alla "
     "cessazione dell'incapacità. Durante la sospensione il termine non decorre, e riprende il "
     "suo corso al cessare della causa, computandosi il periodo già maturato.",
     "Cassazione civile, 26 luglio 1974, n.2272"},
    // 26
    {"L'art. 1159 bis c.c., introdotto dalla legge 10 maggio 1976, n. 346, ha configurato una "
     "speciale usucapione della piccola proprietà rurale: la proprietà dei fondi rustici con "
     "annessi fabbricati situati in comuni classificati montani si acquista col possesso "
     "continuato per quindici anni e, se l'acquisto è avvenuto in buona fede da chi non è "
     "proprietario in forza di un titolo idoneo debitamente trascritto, col decorso di cinque "
     "anni dalla data della trascrizione. Le stesse regole valgono per i fondi rustici con "
     "annessi fabbricati situati in comuni non montani, quando il loro reddito non superi i "
     "limiti fissati dalla legge speciale. Trattandosi di norme eccezionali, esse non possono "
     "essere estese per analogia a beni diversi da quelli indicati.",
     "Cassazione civile, 21 novembre 1978, n.5415"},
    // 27
    {"L'usucapione decennale, come quella ordinaria, dà luogo a un acquisto a titolo "
     "originario, che si compie per effetto del solo decorso del termine e che la sentenza si "
     "limita ad accertare. La trascrizione della sentenza che dichiara l'acquisto, prevista "
     "dall'art. 2651 c.c., ha funzione di mera pubblicità notizia e non è condizione né "
     "dell'acquisto né della sua opponibilità ai terzi; il titolo trascritto, in forza del "
     "quale il possesso è iniziato, non è fonte dell'acquisto, ma soltanto presupposto "
     "dell'abbreviazione del termine.",
     "Cassazione civile, 20 marzo 1982, n.1813"},
    // 28
    {"Non costituiscono titolo idoneo ai sensi dell'art. 1159 c.c. i contratti che, come la "
     "locazione, l'affitto o il comodato, attribuiscono soltanto il godimento del bene e fanno "
     "sorgere in chi lo riceve una mera detenzione. Chi ha la cosa in base a tali titoli non "
     "può usucapirla se non dopo avere mutato la detenzione in possesso, per causa proveniente "
     "da un terzo o in forza di opposizione fatta contro il possessore (art. 1141, secondo "
     "comma, c.c.), e il tempo utile per l'usucapione decorre soltanto da tale mutamento.",
     "Cassazione civile, 8 giugno 1982, n.3466"},
    // 29
    {"La vendita di cosa altrui, valida nel sistema del codice vigente e produttiva "
     "dell'obbligo del venditore di procurare all'acquirente la proprietà della cosa (art. "
     "1478 c.c.), costituisce il tipico titolo idoneo ai fini dell'art. 1159 c.c., poiché è "
     "astrattamente idonea a trasferire la proprietà e difetta soltanto della titolarità del "
     "diritto in capo all'alienante. Il compratore che abbia ignorato senza colpa grave "
     "l'altruità della cosa e abbia trascritto il titolo ne diviene proprietario dopo dieci "
     "anni di possesso dalla trascrizione, e il proprietario originario, che non abbia "
     "interrotto il termine, non può più rivendicarla.",
     "Cassazione civile, 6 febbraio 1982, n.680"},
    // 30
    {"Le acque pubbliche appartengono al demanio dello Stato e la loro utilizzazione da parte "
     "dei privati, fuori dei casi di uso libero consentiti dalla legge, è subordinata al "
     "provvedimento di concessione previsto dal testo unico 11 dicembre 1933, n. 1775. Ne "
     "deriva che il diritto di derivare e utilizzare acqua pubblica non può essere acquistato "
     "per usucapione, né ordinaria né abbreviata: l'atto con il quale un privato abbia "
     "trasferito ad altri un tale diritto, pur trascritto, non costituisce titolo idoneo ai "
     "sensi dell'art. 1159 c.c., né il possesso protratto per oltre un decennio può tenere "
     "luogo della concessione.",
     "Tribunale Sup. Acque, 17 ottobre 1984, n.31"},
    // 31
    {"Ai fini dell'usucapione speciale prevista dall'art. 1159 bis c.c. occorre che il bene "
     "sia un fondo rustico, destinato cioè all'esercizio dell'attività agricola, e che i "
     "fabbricati vi siano annessi in rapporto di strumentalità con la coltivazione. La norma "
     "non ha abrogato né modificato la disciplina generale degli artt. 1158 e 1159 c.c., che "
     "resta applicabile anche ai fondi rustici: il possessore può quindi invocare, "
     "ricorrendone i presupposti, l'usucapione ordinaria o quella decennale, mentre i termini "
     "più brevi di quindici e di cinque anni valgono per i soli fondi che presentino i "
     "requisiti indicati dalla legge.",
     "Cassazione civile, 20 marzo 1986, n.1953"},
    // 32
    {"Il titolo si considera debitamente trascritto, ai fini dell'usucapione abbreviata, "
     "quando la trascrizione sia stata eseguita presso l'ufficio dei registri immobiliari "
     "nella cui circoscrizione è situato il bene e la nota contenga le indicazioni necessarie "
     "a identificare le parti, il bene e il negozio. A norma dell'art. 2665 c.c. l'omissione o "
     "l'inesattezza di alcuna di tali indicazioni non nuoce alla validità della trascrizione, "
     "salvo che induca incertezza sulle persone, sul bene o sul rapporto giuridico cui l'atto "
     "si riferisce: soltanto in quest'ultimo caso il titolo non può dirsi trascritto e il "
     "possessore non può giovarsi del termine decennale.",
     "Cassazione civile, 7 maggio 1987, n.4215"},
};
QStringList massime14() { return elencoMassime(testi14); }

// Counted by the compiler: the main menu shows the count without building a single maxim.
extern const int numeroMassime12_14 = int(std::size(testi12) + std::size(testi13) + std::size(testi14));
