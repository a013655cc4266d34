// Case-law maxims of the first five topics, each stored as statement, " - (", citation, ")".
#include "core/massimario.h"

// Accessione
const char16_t* const testi01[] = {
    (u"In tema di accessione, il principio per cui qualsiasi piantagione, costruzione od opera "
     "esistente sopra o sotto il suolo appartiene al proprietario di questo (art. 934 c.c.) opera "
     "anche a favore di chi abbia acquistato il suolo per usucapione: il possesso esercitato sul "
     "fondo si estende, salvo prova contraria, alle opere che vi sono stabilmente incorporate, sicché "
     "il compimento dell'usucapione del suolo comporta l'acquisto anche delle costruzioni e delle "
     "piantagioni, senza che occorra dimostrare un possesso distinto di ciascuna di esse."
     " - (Cassazione, 9 febbraio 1955, n.370)"),
    (u"Chi abbia edificato su suolo altrui non acquista, per il solo fatto della costruzione, la "
     "proprietà dell'opera, che per accessione spetta al proprietario del suolo, salve le facoltà e "
     "le indennità previste dall'art. 936 c.c. Il costruttore può tuttavia acquistare per usucapione "
     "il diritto di superficie quando, per il tempo stabilito dalla legge, abbia posseduto la "
     "costruzione come cosa propria distinta dal suolo, in modo continuo, pacifico, pubblico e non "
     "equivoco; ove invece l'opera sia stata realizzata e mantenuta con il consenso o per mera "
     "tolleranza del proprietario del suolo, la relazione di fatto con essa non integra un possesso "
     "utile all'acquisto."
     " - (Tribunale Bolzano, 20 marzo 1970)"),
};
QStringList massime01() { return elencoMassime(testi01); }

// Compossesso
const char16_t* const testi02[] = {
    (u"Il compossessore che intenda usucapire la proprietà esclusiva della cosa comune deve dimostrare "
     "di averla posseduta, per il tempo richiesto dalla legge, in modo incompatibile con il possesso "
     "degli altri, mediante atti che rivelino inequivocabilmente l'intenzione di escluderli dal "
     "godimento; non è sufficiente che egli si sia servito della cosa da solo, giacché l'uso "
     "esclusivo può dipendere dal mancato esercizio, da parte degli altri compossessori, della "
     "facoltà di servirsene che a ciascuno compete."
     " - (Cassazione civile, 8 giugno 1957, n.2119)"),
    (u"Il compossessore privato del godimento della cosa comune da parte di altro compossessore può "
     "esercitare contro questi l'azione di reintegrazione, poiché il compossesso è situazione "
     "tutelata anche nei rapporti interni tra i compossessori; lo spoglio sussiste quando l'atto "
     "dell'uno impedisca o restringa sensibilmente all'altro l'esercizio del possesso che gli "
     "compete, non quando si risolva in un uso più intenso della cosa che lasci inalterata la "
     "possibilità di pari uso altrui."
     " - (Appello Roma, 15 luglio 1959)"),
    (u"Il coerede che, dopo l'apertura della successione, rimanga nel godimento dei beni ereditari si "
     "presume possederli anche per conto degli altri coeredi, poiché il possesso di ciascun "
     "partecipante alla comunione si esercita sull'intera cosa e non su una sua parte materiale. Per "
     "mutare tale possesso in possesso esclusivo, utile all'usucapione dell'intero, occorre che egli "
     "compia atti idonei a mutarne il titolo (art. 1102, secondo comma, c.c.), manifestando agli "
     "altri coeredi in modo univoco la volontà di possedere soltanto per sé e di escluderli da ogni "
     "partecipazione al godimento. Il pagamento delle imposte, la riscossione dei frutti e "
     "l'esecuzione di lavori di manutenzione non hanno, di per sé, tale efficacia, potendo essere "
     "compiuti anche nell'interesse della comunione."
     " - (Tribunale Napoli, 31 luglio 1961)"),
    (u"Il compossesso non viene meno per il solo fatto che uno dei compossessori si astenga per "
     "qualche tempo dall'uso della cosa comune, conservandosi il possesso anche solo animo finché "
     "l'altro non ne abbia manifestato l'esclusione; pertanto il compossessore rimasto nel godimento "
     "materiale non può computare, ai fini dell'usucapione della proprietà esclusiva, il periodo in "
     "cui si è limitato a godere della cosa senza contrapporsi al diritto degli altri."
     " - (Cassazione civile, 20 marzo 1969, n.865)"),
    (u"Ai fini dell'usucapione delle quote degli altri partecipanti alla comunione, grava sul "
     "compossessore che l'invoca l'onere di provare di aver esercitato sulla cosa comune un potere di "
     "fatto corrispondente alla proprietà esclusiva, tale da estromettere gli altri compossessori dal "
     "godimento o da precluderne l'esercizio, e che tale situazione si sia protratta pubblicamente e "
     "senza contestazioni per oltre venti anni. Il relativo accertamento, risolvendosi in un "
     "apprezzamento di fatto, è riservato al giudice del merito e non è censurabile in sede di "
     "legittimità se sorretto da motivazione congrua e immune da vizi logici."
     " - (Cassazione civile, 10 agosto 1982, n.4479)"),
    (u"Più persone che abbiano posseduto congiuntamente un bene, esercitando su di esso un potere di "
     "fatto corrispondente al diritto di comproprietà, possono acquistarne per usucapione la "
     "comproprietà, in quote che, in mancanza di prova diversa, si presumono uguali (art. 1101 c.c.); "
     "il compossesso utile all'usucapione deve presentare gli stessi caratteri del possesso "
     "esclusivo, cioè continuità, pacificità, pubblicità e non equivocità, ma non occorre che ciascun "
     "compossessore abbia compiuto personalmente tutti gli atti di godimento, potendo l'uno possedere "
     "anche per conto dell'altro."
     " - (Cassazione civile, 22 novembre 1986, n.6878)"),
    (u"La coabitazione del familiare nell'immobile di proprietà di un congiunto non integra "
     "compossesso utile all'usucapione, essendo il godimento riconducibile a rapporti di ospitalità o "
     "di convivenza familiare e dunque alla detenzione o alla tolleranza del proprietario; perché il "
     "familiare convivente divenga possessore occorre un atto di interversione (art. 1141 c.c.), "
     "rivolto contro il proprietario, che manifesti in modo inequivoco la volontà di tenere la cosa "
     "come propria."
     " - (Cassazione civile, 14 dicembre 1988, n.6818)"),
};
QStringList massime02() { return elencoMassime(testi02); }

// Condominio
const char16_t* const testi03[] = {
    (u"In tema di condominio degli edifici, il condomino può acquistare per usucapione la proprietà "
     "esclusiva di una parte comune soltanto se, per il tempo stabilito dalla legge, ne abbia goduto "
     "in modo inconciliabile con la possibilità di godimento altrui, così da escludere gli altri "
     "condomini dall'uso della cosa, e con manifestazione non equivoca dell'intento di possederla "
     "come propria; l'uso particolare o più intenso della parte comune, nei limiti consentiti "
     "dall'art. 1102 c.c., non è idoneo a tal fine."
     " - (Cassazione civile, 20 luglio 1962, n.1987)"),
    (u"L'usucapione di una parte comune dell'edificio, invocata da un terzo o da un singolo condomino, "
     "è interrotta dalla domanda giudiziale proposta dall'amministratore del condominio, che "
     "rappresenta i partecipanti nella tutela delle parti comuni (artt. 1130 e 1131 c.c.), come pure "
     "da quella proposta da ciascun condomino, legittimato ad agire a difesa della cosa comune senza "
     "il concorso degli altri; non hanno invece efficacia interruttiva le diffide e le contestazioni "
     "stragiudiziali, né le deliberazioni assembleari che si limitino ad affermare la natura "
     "condominiale del bene."
     " - (Cassazione Civile, sez.II, 2 marzo 1998, n.2261)"),
    (u"In tema di condominio, la presunzione di comproprietà posta dall’art. 1117 c.c. per le parti "
     "dell’edificio ivi elencate può essere superata soltanto da un titolo contrario, da ricercare "
     "nel primo atto di trasferimento con cui l'originario unico proprietario abbia alienato le "
     "singole unità immobiliari, ovvero dal compimento dell'usucapione in favore di un condomino o di "
     "un terzo. Chi invoca l'usucapione di un bene compreso tra le parti comuni deve provare un "
     "possesso esclusivo, pacifico, pubblico e ininterrotto per oltre venti anni, incompatibile con "
     "il godimento degli altri condomini; non basta che il bene sia accessibile soltanto dalla sua "
     "unità immobiliare, circostanza che può al più rilevare come indizio della sua destinazione al "
     "servizio esclusivo di essa."
     " - (Cassazione Civile, sez.II, 23 giugno 1999, n.6382)"),
    (u"L'amministratore del condominio è legittimato, senza necessità di autorizzazione "
     "dell'assemblea, a proporre l'azione di reintegrazione o di manutenzione a tutela del possesso "
     "delle parti comuni dell'edificio, trattandosi di atti conservativi dei diritti inerenti alle "
     "parti comuni che rientrano nelle sue attribuzioni (art. 1130, n. 4, c.c.); l'azione possessoria "
     "può essere esperita anche contro il singolo condomino che abbia sottratto all'uso comune una "
     "porzione dell'edificio."
     " - (Cassazione civile, 18 agosto 1986, n.5079)"),
    (u"Nei rapporti tra condomini, l'uso esclusivo di una parte comune da parte di uno di essi, "
     "consentito dagli altri per ragioni di buon vicinato o per la scarsa utilità che essi ne "
     "ricaverebbero, è da ricondurre alla tolleranza e, a norma dell'art. 1144 c.c., non può servire "
     "di fondamento all'acquisto del possesso. Spetta al giudice del merito stabilire se il godimento "
     "sia stato meramente tollerato, alla stregua della sua durata, dei rapporti tra le parti e "
     "dell'entità dell'utilizzazione, tenendo presente che il protrarsi per lungo tempo di un uso "
     "rilevante rende di regola meno verosimile la semplice tolleranza."
     " - (Cassazione civile, 8 agosto 1986, n.4970)"),
};
QStringList massime03() { return elencoMassime(testi03); }

// Distanze
const char16_t* const testi04[] = {
    (u"Il diritto di mantenere una costruzione a distanza inferiore a quella prescritta dal codice "
     "civile o dai regolamenti edilizi locali può essere acquistato per usucapione, trattandosi di "
     "servitù apparente che si manifesta attraverso opere visibili e permanenti (art. 1061 c.c.). Il "
     "termine ventennale decorre dal momento in cui la costruzione è stata realizzata nei suoi "
     "elementi strutturali essenziali, così da rendere palese la violazione della distanza, e non da "
     "quello del completamento delle rifiniture; l'acquisto così compiuto riguarda la costruzione "
     "nella consistenza posseduta e non si estende alle sopraelevazioni o agli ampliamenti "
     "successivi, che costituiscono nuove costruzioni soggette alle distanze legali."
     " - (Cassazione civile, 25 maggio 1987, n.4698)"),
};
QStringList massime04() { return elencoMassime(testi04); }

// Forma
const char16_t* const testi05[] = {
    (u"Ai fini dell'usucapione di un fondo rustico costituiscono atti di possesso idonei la "
     "coltivazione, la raccolta dei frutti e la recinzione del terreno, compiuti con regolarità "
     "secondo le esigenze della coltura; non valgono invece atti saltuari e occasionali, come il "
     "transito o il taglio sporadico dell'erba."
     "  - (Pretura Orzinovi, 23 aprile 1957)"),
    (u"Il pascolo del bestiame esercitato su terreni aperti, secondo consuetudini locali che ne "
     "consentono l'accesso anche alle greggi altrui, costituisce di regola attività equivoca, "
     "inidonea a rivelare l'intenzione di possedere il fondo come proprietario; esso può integrare un "
     "possesso utile all'usucapione soltanto se accompagnato da atti che manifestino in modo univoco "
     "il potere esclusivo sul terreno, come la recinzione o l'allontanamento degli animali dei terzi."
     " - (Tribunale Tempio, 15 febbraio 1956)"),
    (u"La continuità del possesso non richiede un contatto materiale ininterrotto con la cosa, ma va "
     "valutata in relazione alla natura e alla destinazione del bene: per i fondi montani "
     "suscettibili di utilizzazione soltanto stagionale, come gli alpeggi e i prati da sfalcio, è "
     "sufficiente che il possessore li abbia goduti regolarmente in ogni stagione utile, senza che il "
     "periodo di inattività imposto dalle condizioni naturali interrompa il possesso."
     " - (Appello Torino, 22 gennaio 1957)"),
    (u"Il possesso acquistato in modo violento o clandestino non giova per l'usucapione se non dal "
     "momento in cui la violenza o la clandestinità è cessata (art. 1163 c.c.). La clandestinità va "
     "intesa in senso oggettivo, con riferimento non all'effettiva conoscenza da parte del "
     "proprietario, ma alla conoscibilità del possesso secondo l'ordinaria diligenza; è pertanto "
     "pubblico il possesso esercitato in modo visibile e non occulto, quand'anche il proprietario, "
     "per sua incuria o lontananza, non ne abbia avuto notizia."
     " - (Cassazione civile, 28 dicembre 1957, n.4769)"),
    (u"Chi esercita il potere di fatto sulla cosa si presume possessore, salvo che si provi che ha "
     "cominciato a esercitarlo semplicemente come detentore (art. 1141, primo comma, c.c.). L'animus "
     "possidendi non deve quindi formare oggetto di una prova specifica, desumendosi dal "
     "comportamento di chi tratta la cosa come farebbe il proprietario, mentre spetta a chi lo "
     "contesta dimostrare che la relazione con la cosa trae origine da un titolo di detenzione, come "
     "la locazione, il comodato o il mandato."
     " - (Cassazione civile, 18 aprile 1957, n.1344)"),
    (u"Il requisito della pacificità non viene meno per il fatto che il possesso sia stato contestato "
     "con diffide o proteste del proprietario, che non ne modificano la natura; esso difetta soltanto "
     "quando il possesso sia stato acquistato con la violenza, fisica o morale, contro la volontà del "
     "precedente possessore. Le diffide stragiudiziali, del resto, non interrompono l'usucapione, che "
     "è interrotta soltanto dalla perdita del possesso protratta oltre l'anno, dalla domanda "
     "giudiziale diretta a privarne il possessore o dal riconoscimento, da parte di questo, del "
     "diritto del proprietario (artt. 1165, 1167 e 2944 c.c.)."
     " - (Appello Napoli, 19 gennaio 1957)"),
    (u"Il detentore non può acquistare il possesso se non mediante interversione del titolo, per causa "
     "proveniente da un terzo o in forza di opposizione da lui fatta contro il possessore (art. 1141, "
     "secondo comma, c.c.). L'opposizione deve consistere in un atto esterno, diretto contro il "
     "possessore, dal quale si desuma in modo inequivoco la volontà di non possedere più per conto "
     "altrui ma per sé; non bastano la cessazione del pagamento del canone, il mero inadempimento "
     "dell'obbligo di restituzione o un'intenzione rimasta nell'ambito interno del detentore."
     " - (Cassazione civile, 20 marzo 1959, n.860)"),
    (u"Il possessore attuale che provi di aver posseduto in un tempo più remoto si presume abbia "
     "posseduto anche nel tempo intermedio (art. 1142 c.c.); la presunzione giova anche ai fini "
     "dell'usucapione, ma è relativa e può essere vinta dalla prova, a carico di chi la contesta, che "
     "nel periodo intermedio il possesso sia stato perduto o interrotto."
     " - (Cassazione civile, 30 giugno 1959, n.2078)"),
    (u"Il successore a titolo particolare può unire al proprio possesso quello del suo autore per "
     "goderne gli effetti (art. 1146, secondo comma, c.c.), purché il trasferimento sia avvenuto in "
     "base a un titolo astrattamente idoneo a trasferire la proprietà o il diritto reale posseduto e "
     "i due possessi siano omogenei per natura e contenuto. L'accessione non opera per i beni non "
     "compresi nel titolo di acquisto, ancorché consegnati insieme a quelli trasferiti: per essi il "
     "possesso utile decorre soltanto dal giorno in cui il successore li ha presi in consegna."
     " - (Cassazione civile, 21 dicembre 1960, n.3301)"),
    (u"Il possesso continua nell'erede con effetto dall'apertura della successione (art. 1146, primo "
     "comma, c.c.), senza necessità di materiale apprensione dei beni; l'erede subentra nel possesso "
     "del defunto con i medesimi caratteri e i medesimi vizi, sicché, se il defunto era mero "
     "detentore, la relazione con la cosa conserva tale natura anche per l'erede, finché non "
     "intervenga un mutamento del titolo nei modi previsti dall'art. 1141 c.c."
     " - (Cassazione civile, 13 ottobre 1961, n.2133)"),
    (u"Il godimento di un immobile da parte del figlio o di altro congiunto del proprietario, "
     "consentito per ragioni di affetto o di solidarietà familiare, è di regola riconducibile alla "
     "tolleranza e non al possesso; perché possa condurre all'usucapione, il congiunto deve provare "
     "di aver manifestato al proprietario, con atti esteriori e univoci, la volontà di possedere per "
     "sé, contrapponendosi al suo diritto."
     " - (Tribunale Cagliari, 10 maggio 1960)"),
    (u"L'intestazione catastale di un fondo e il pagamento delle relative imposte non sono atti di "
     "possesso, non implicando alcun potere di fatto sulla cosa, e possono valere soltanto come "
     "elementi indiziari dell'animus possidendi, da valutare insieme ad altri; del pari, l'inclusione "
     "di un bene nella denuncia di successione non prova il possesso, che richiede l'effettivo "
     "esercizio sulla cosa di un'attività corrispondente al diritto di proprietà."
     " - (Cassazione civile, 24 luglio 1962, n.2073)"),
    (u"In un fondo boschivo costituiscono atti idonei a rivelare il possesso il taglio periodico del "
     "bosco secondo i turni propri della specie, la sorveglianza, la vendita del legname e la "
     "delimitazione del fondo; la raccolta occasionale di legna secca o di frutti spontanei, attività "
     "comunemente consentita ai terzi, è invece atto equivoco, inidoneo a fondare l'usucapione."
     " - (Appello Catanzaro, 4 aprile 1961)"),
    (u"Il possesso, una volta acquistato, si conserva anche solo animo in assenza di atti materiali di "
     "godimento, finché la cosa rimanga nella sfera di disponibilità del possessore e nessun altro se "
     "ne impossessi; non occorre pertanto che il possessore di un fondo incolto vi compia atti "
     "continui, bastando che possa ripristinare a sua volontà il contatto materiale con esso."
     " - (Pretura Cosenza, 8 luglio 1961)"),
    (u"Si può possedere direttamente o per mezzo di altra persona che ha la detenzione della cosa "
     "(art. 1140, secondo comma, c.c.): chi abbia concesso un fondo in locazione o in affitto "
     "continua a possederlo per il tramite del conduttore, e tale possesso mediato è utile "
     "all'usucapione nei confronti del vero proprietario, purché ne ricorrano gli altri requisiti; la "
     "riscossione dei canoni costituisce anzi manifestazione tipica dell'animus domini."
     " - (Cassazione civile, 7 dicembre 1962, n.3289)"),
    (u"Il possesso utile all'usucapione deve corrispondere, per il contenuto del potere esercitato, al "
     "diritto di cui si chiede l'accertamento: chi abbia goduto del fondo altrui transitandovi o "
     "attingendovi acqua può usucapire, ricorrendone i presupposti, il corrispondente diritto di "
     "servitù, ma non la proprietà del fondo, e chi abbia esercitato soltanto facoltà di godimento "
     "compatibili con l'altrui proprietà non può vantare un possesso uti dominus."
     " - (Cassazione civile, 6 luglio 1962, n.1737)"),
    (u"L'accertamento dei fatti materiali in cui si è concretato il potere sulla cosa e "
     "l'apprezzamento della loro concludenza sono riservati al giudice del merito e non sono "
     "sindacabili in cassazione se sorretti da motivazione adeguata; costituisce invece questione di "
     "diritto stabilire se, in base ai fatti accertati, ricorrano i requisiti legali del possesso "
     "utile all'usucapione, quali la continuità, la mancanza di violenza e di clandestinità e la non "
     "equivocità."
     " - (Cassazione civile, 9 maggio 1962, n.931)"),
    (u"L'usucapione è interrotta quando il possessore sia stato privato del possesso per oltre un "
     "anno, e l'interruzione si ha come non avvenuta se è stata proposta l'azione diretta a "
     "recuperare il possesso e questo è stato recuperato (art. 1167 c.c.); la semplice molestia, che "
     "non sottragga al possessore il potere di fatto sulla cosa, non produce alcuna interruzione."
     " - (Cassazione civile, 9 maggio 1962, n.917)"),
    (u"Il possesso di un locale accessorio di un edificio, come una cantina o un sottoscala, "
     "esercitato mediante l'apposizione di una serratura di cui soltanto il possessore detenga le "
     "chiavi, è pubblico se visibile a chi frequenti normalmente l'edificio, ancorché il "
     "proprietario, non residente, non ne abbia avuto conoscenza; la clandestinità ricorre soltanto "
     "quando il possessore abbia adottato accorgimenti volti a occultare la propria attività a coloro "
     "che avrebbero interesse a contrastarla."
     " - (Tribunale Roma, 24 maggio 1967)"),
    (u"La continuità del possesso, necessaria per l'usucapione, consiste nell'esercizio costante e "
     "regolare del potere di fatto sulla cosa secondo le modalità proprie della sua utilizzazione "
     "economica, e va tenuta distinta dalla non interruzione: la discontinuità dipende dal "
     "comportamento del possessore stesso, che trascuri di esercitare il potere sulla cosa, mentre "
     "l'interruzione deriva dal fatto altrui, del terzo che privi il possessore del possesso per "
     "oltre un anno o del proprietario che proponga contro di lui domanda giudiziale."
     " - (Appello Firenze, 13 giungo 1967)"),
    (u"Il possesso di una servitù di passaggio è idoneo all'usucapione soltanto se il suo esercizio si "
     "svolge per mezzo di opere visibili e permanenti destinate a tale scopo (art. 1061 c.c.), come "
     "un sentiero tracciato, un ponticello o un varco aperto nella recinzione, poste sul fondo "
     "servente o su quello dominante purché percepibili dal proprietario del fondo servente; il mero "
     "calpestio, anche se ripetuto per lungo tempo, non basta a rendere apparente la servitù."
     " - (Tribunale Bolzano, 25 gennaio 1968)"),
    (u"Il comodatario, il conduttore e in genere chi abbia ricevuto la cosa in forza di un rapporto "
     "obbligatorio con il possessore ne è detentore e non possessore; il decorso del tempo, anche "
     "lunghissimo, e l'inerzia del proprietario nel chiederne la restituzione non valgono a "
     "trasformare la detenzione in possesso, occorrendo a tal fine un atto di interversione rivolto "
     "contro il possessore."
     " - (Cassazione civile, 29 gennaio 1969, n.253)"),
    (u"La prova del possesso utile all'usucapione deve avere per oggetto fatti specifici e "
     "circostanziati, riferiti all'intero periodo di tempo richiesto dalla legge, dai quali emergano "
     "l'esercizio del potere sulla cosa e le sue modalità; non è idonea a fornirla la testimonianza "
     "che si limiti ad attribuire a taluno la qualità di proprietario o di possessore del bene, "
     "poiché essa esprime un giudizio e non la narrazione di fatti percepiti dal testimone."
     " - (Cassazione civile, 15 settembre 1970, n.1490)"),
    (u"Su terreni vallivi o paludosi, non suscettibili di coltivazione, il possesso può manifestarsi "
     "attraverso gli atti corrispondenti alla loro naturale utilizzazione, quali la pesca, il taglio "
     "delle canne e la manutenzione degli argini e dei canali, purché compiuti in modo esclusivo e "
     "con regolarità; l'esercizio di tali attività da parte di chiunque, senza opposizione né "
     "controllo, esclude invece che il singolo che vi abbia partecipato possa vantare un possesso "
     "proprio."
     " - (Pretura Comacchio, 26 luglio 1969)"),
    (u"Il possesso di una striscia di terreno del fondo confinante, incorporata nel proprio mediante "
     "lo spostamento della recinzione o la coltivazione continuativa, è idoneo all'usucapione; non "
     "rileva che il possessore abbia creduto che la striscia appartenesse al proprio fondo, poiché "
     "l'usucapione ordinaria prescinde dalla buona fede e l'animus possidendi consiste "
     "nell'intenzione di comportarsi come proprietario, non nella consapevolezza dell'altruità della "
     "cosa."
     " - (Cassazione civile, 2 ottobre 1970, n.1776)"),
    (u"Le norme sull'interruzione della prescrizione si applicano all'usucapione in quanto compatibili "
     "(art. 1165 c.c.); ne consegue che il riconoscimento del diritto del proprietario da parte del "
     "possessore interrompe il termine (art. 2944 c.c.). Il riconoscimento deve però risultare da un "
     "atto che, per il suo contenuto, manifesti in modo inequivoco la consapevolezza del possessore "
     "di esercitare un potere sulla cosa altrui, non bastando trattative o proposte di accordo "
     "dirette a prevenire una lite."
     " - (Cassazione civile, 17 novembre 1973, n.3082)"),
    (u"Gli atti compiuti con l'altrui tolleranza non possono servire di fondamento all'acquisto del "
     "possesso (art. 1144 c.c.). Per stabilire se un'attività sia frutto di tolleranza occorre "
     "considerare i rapporti di parentela, di amicizia o di buon vicinato tra le parti, la "
     "transitorietà degli atti e la loro scarsa incidenza sul diritto altrui; il protrarsi per lungo "
     "tempo di un godimento di rilevante entità rende di regola inverosimile la tolleranza, specie "
     "quando manchino rapporti personali che possano giustificarla."
     " - (Cassazione civile, 23 maggio 1973, n.1520)"),
    (u"Ai fini dell'usucapione decennale prevista dall'art. 1159 c.c. occorre un titolo astrattamente "
     "idoneo a trasferire la proprietà, debitamente trascritto, al quale manchi soltanto la "
     "titolarità del diritto in capo all'alienante; il titolo nullo non è idoneo. Il decennio decorre "
     "dalla data della trascrizione, e il possesso deve essere stato acquistato in buona fede, che si "
     "presume e basta che vi sia stata al tempo dell'acquisto (art. 1147 c.c.)."
     " - (Cassazione civile, 15 novembre 1973, n.3046)"),
    (u"Il possesso può avere per oggetto anche una porzione materialmente individuata di un immobile, "
     "come un vano, un tratto di corte o una parte di terreno, purché essa sia delimitata in modo da "
     "rendere riconoscibile l'ambito del potere esercitato; non è invece configurabile un possesso "
     "utile all'usucapione su una parte non determinata né determinabile della cosa."
     " - (Cassazione civile, 7 novembre 1974, n.3399)"),
    (u"Il mutamento della detenzione in possesso per causa proveniente da un terzo (art. 1141, secondo "
     "comma, c.c.) si verifica quando il detentore riceva da chi si afferma titolare un atto "
     "astrattamente idoneo a trasferirgli il diritto, come una vendita o una donazione, e in base a "
     "esso cominci a possedere per sé; non occorre che l'atto sia valido ed efficace, né che il terzo "
     "sia effettivamente proprietario, purché non si tratti di un negozio fittizio, concertato tra il "
     "detentore e il terzo al solo scopo di mutare il titolo del godimento a danno del possessore."
     " - (Cassazione civile, 10 giugno 1981, n.3773)"),
    (u"Il possesso esclusivo richiesto per l'usucapione non sussiste quando il proprietario abbia "
     "continuato a compiere sulla cosa atti di godimento, anche saltuari ma significativi, come la "
     "raccolta dei frutti o la concessione del bene a terzi, incompatibili con la signoria di fatto "
     "del preteso possessore; in tal caso il possesso di quest'ultimo è equivoco e non può condurre "
     "all'acquisto."
     " - (Cassazione civile, 17 aprile 1981, n.2326)"),
    (u"Ai fini dell'usucapione ordinaria (art. 1158 c.c.) non occorrono né un titolo né la buona fede, "
     "bastando il possesso continuato per venti anni: anche chi sa di possedere la cosa altrui può "
     "quindi usucapirla, purché il possesso sia continuo e ininterrotto, pacifico, pubblico e non "
     "equivoco e non sia stato esercitato per tolleranza del proprietario."
     " - (Cassazione civile, 25 febbraio 1982, n.1201)"),
    (u"Il possesso dei beni mobili utile all'usucapione deve presentare gli stessi caratteri richiesti "
     "per gli immobili. In mancanza di un titolo idoneo, il possesso di buona fede conduce "
     "all'acquisto in dieci anni e quello di mala fede in venti (art. 1161 c.c.); per i beni mobili "
     "iscritti in pubblici registri valgono invece i termini dell'art. 1162 c.c. Quanto al mobile "
     "acquistato a non domino con titolo idoneo e in buona fede, la proprietà si acquista invece con "
     "il possesso (art. 1153 c.c.), senza bisogno di usucapione."
     " - (Cassazione civile, 18 ottobre 1982, n.5414)"),
    (u"L'esecuzione di lavori di manutenzione o di miglioramento su un bene altrui non integra di per "
     "sé un atto di possesso, potendo trovare giustificazione in rapporti di vicinato, in un mandato "
     "o in una gestione di affari; essa acquista valore possessorio soltanto quando, per le "
     "circostanze in cui è compiuta e per la sua durata, riveli l'intenzione di trattare il bene come "
     "proprio."
     " - (Cassazione civile, 27 gennaio 1983, n.741)"),
    (u"Chi abbia ricevuto la consegna di un immobile in esecuzione di un contratto di vendita nullo "
     "per difetto della forma scritta ne acquista il possesso e non la mera detenzione, poiché la "
     "consegna è avvenuta con l'intenzione, comune alle parti, di trasferirgliene la proprietà; tale "
     "possesso, protratto per venti anni con i requisiti di legge, conduce all'usucapione ordinaria, "
     "mentre il titolo nullo non consente l'usucapione abbreviata prevista dall'art. 1159 c.c."
     " - (Cassazione civile, 30 maggio 1984, n.3307)"),
    (u"L'uso di un'area scoperta come parcheggio di autoveicoli, senza recinzione o altri segni di "
     "esclusività, è godimento equivoco, inidoneo a fondare l'usucapione dell'area."
     " - (Tribunale Monza, 9 marzo 1985)"),
    (u"Il possesso idoneo all'usucapione deve essere continuo e non interrotto, pacifico e pubblico, "
     "non equivoco, e accompagnato dall'animus rem sibi habendi, cioè dall'intenzione di tenere la "
     "cosa come propria. La continuità esige che il possessore abbia esercitato il potere sulla cosa "
     "in modo costante, secondo la natura e la destinazione di essa, senza abbandoni che ne rivelino "
     "il disinteresse; la non interruzione attiene invece alla mancanza di fatti altrui che abbiano "
     "privato il possessore della cosa per oltre un anno o ne abbiano contestato giudizialmente il "
     "diritto. La pacificità esclude il possesso acquistato con violenza e la pubblicità quello "
     "esercitato in modo occulto (art. 1163 c.c.). La non equivocità richiede che gli atti compiuti "
     "rivelino in modo inconfondibile l'esercizio di una signoria corrispondente al diritto di "
     "proprietà, e non siano spiegabili con un titolo di detenzione, con la tolleranza del "
     "proprietario o con rapporti di cortesia. Tutti questi requisiti devono sussistere per l'intero "
     "tempo richiesto dalla legge, e la relativa prova grava su chi invoca l'usucapione, il quale può "
     "giovarsi delle presunzioni degli artt. 1141 e 1142 c.c."
     " - (Cassazione civile, 17 aprile 1986, n.2723)"),
};
QStringList massime05() { return elencoMassime(testi05); }

// Counted by the compiler: the main menu shows the count without building a single maxim.
extern const int numeroMassime01_05 =
    int(std::size(testi01) + std::size(testi02) + std::size(testi03) + std::size(testi04) + std::size(testi05));
