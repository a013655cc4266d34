// Case-law maxims of topics 6 to 11, in display order.
#include "core/massimario.h"

// Immobili
const Massima testi06[] = {
    {"Ai fini dell'usucapione ordinaria di un immobile occorre, a norma dell'art. 1158 c.c., "
     "un possesso protratto per venti anni in modo continuo e non interrotto, che sia stato "
     "acquistato ed esercitato pacificamente e pubblicamente e che si sia manifestato in "
     "un'attività corrispondente all'esercizio del diritto di proprietà. Il possesso "
     "acquistato in modo violento o clandestino non giova all'usucapione se non dal momento in "
     "cui la violenza o la clandestinità è cessata (art. 1163 c.c.), sicché soltanto da tale "
     "momento comincia a decorrere il termine ventennale.",
     "Appello Caltanissetta, 12 aprile 1958"},
    {"In tema di usucapione abbreviata di beni immobili, per titolo idoneo a trasferire la "
     "proprietà, richiesto dall'art. 1159 c.c., deve intendersi un negozio che, considerato in "
     "astratto, sia valido e sufficiente a produrre l'effetto traslativo e che non lo abbia "
     "prodotto soltanto perché l'alienante non era proprietario del bene. Non costituisce "
     "pertanto titolo idoneo il negozio nullo per difetto di forma o per altra causa, né "
     "quello che non comprenda l'immobile posseduto. Il termine decennale decorre dalla data "
     "della trascrizione del titolo, e la buona fede dell'acquirente, che si presume, è "
     "richiesta soltanto al momento dell'acquisto.",
     "Cassazione civile, 6 febbraio 1959, n.373"},
    {"Il possesso di un fondo rustico, utile ai fini dell'usucapione, va accertato con "
     "riguardo alla natura e alla destinazione economica del bene: la coltivazione diretta e "
     "costante, la raccolta dei frutti, la recinzione, l'impianto di alberi e la costruzione "
     "di manufatti sono atti che, compiuti con continuità, manifestano un potere "
     "corrispondente all'esercizio della proprietà. Non bastano invece a dimostrarlo "
     "l'intestazione catastale del fondo né il pagamento delle relative imposte, circostanze "
     "che hanno soltanto valore indiziario e non rivelano di per sé alcuna signoria di fatto "
     "sulla cosa.",
     "Tribunale Brindisi, 30 giugno 1965"},
    {"L'azione di manutenzione prevista dall'art. 1170 c.c. tutela il possesso di un immobile, "
     "di un diritto reale sopra un immobile o di un'universalità di mobili contro le molestie "
     "e le turbative, e spetta al possessore il cui possesso duri da oltre un anno in modo "
     "continuo e non interrotto e non sia stato acquistato violentemente o clandestinamente; "
     "essa deve essere proposta entro l'anno dalla turbativa. Non è invece esperibile a tutela "
     "della semplice detenzione, né in favore di chi abbia acquistato il possesso con violenza "
     "o clandestinità, prima che sia decorso un anno dal giorno in cui queste sono cessate.",
     "Pretura Taranto, 14 maggio 1986"},
};
QStringList massime06() { return elencoMassime(testi06); }

// Interruzione
const Massima testi07[] = {
    {"L'usucapione è interrotta per causa naturale quando il possessore è stato privato del "
     "possesso per oltre un anno (art. 1167 c.c.). L'interruzione si ha come non avvenuta se è "
     "stata proposta l'azione diretta a ricuperare il possesso e questo è stato ricuperato in "
     "seguito ad essa; non interrompono invece il possesso le semplici molestie o turbative "
     "che non abbiano sottratto al possessore la disponibilità di fatto del bene.",
     "Cassazione civile, 7 agosto 1968, n.2831"},
    {"Il richiamo che l'art. 1165 c.c. fa alle norme sulla prescrizione, in quanto "
     "compatibili, non rende applicabile all'usucapione l'interruzione mediante atto di "
     "costituzione in mora prevista dall'art. 2943, quarto comma, c.c.: l'usucapione si fonda "
     "sul possesso, situazione di fatto che non viene meno per effetto di un'intimazione o di "
     "una diffida stragiudiziale. Il decorso del termine utile per usucapire può pertanto "
     "essere interrotto soltanto dalla perdita del possesso, dalla domanda giudiziale diretta "
     "a privare il possessore del bene o dal riconoscimento dell'altrui diritto da parte del "
     "possessore.",
     "Cassazione civile, 9 maggio 1974, n.1315"},
    {"Ai fini dell'interruzione dell'usucapione, il riconoscimento del diritto del "
     "proprietario da parte del possessore, previsto dall'art. 2944 c.c. richiamato dall'art. "
     "1165 c.c., deve consistere in un atto o in un comportamento che, per il suo contenuto "
     "inequivoco, riveli la consapevolezza del possessore di esercitare il potere di fatto su "
     "cosa altrui e sia incompatibile con la volontà di tenerla come propria. Il "
     "riconoscimento può essere anche tacito, ma non può desumersi da atti di incerto "
     "significato; esso deve provenire dal possessore e rivolgersi a chi è titolare del "
     "diritto.",
     "Cassazione civile, 16 ottobre 1974, n.2876"},
    {"Interrotta l'usucapione con la domanda giudiziale, il nuovo periodo di possesso utile "
     "non comincia a decorrere fino al passaggio in giudicato della sentenza che definisce il "
     "giudizio; se il processo si estingue, resta fermo l'effetto interruttivo e il nuovo "
     "periodo decorre dalla data dell'atto interruttivo (artt. 1165 e 2945 c.c.).",
     "Cassazione civile, 1° giugno 1974, n.1566"},
    {"Al fine di interrompere il termine dell'usucapione, la domanda giudiziale deve essere "
     "rivolta contro il possessore e diretta a far valere il diritto sulla cosa posseduta per "
     "ottenerne la restituzione, come l'azione di rivendicazione; essa interrompe il termine "
     "anche se proposta davanti a un giudice incompetente (art. 2943, terzo comma, c.c.). Non "
     "ha invece efficacia interruttiva la denuncia penale presentata contro il possessore, né "
     "la domanda proposta nei confronti di persona diversa da questo.",
     "Cassazione civile, 2 marzo 1974, n.584"},
    {"La perdita del possesso per oltre un anno interrompe l'usucapione chiunque sia colui che "
     "ne ha privato il possessore, il proprietario o un terzo; dopo l'interruzione, il "
     "possessore che riacquisti la disponibilità del bene inizia un nuovo possesso e non può "
     "sommare ad esso il periodo anteriore allo spoglio, salvo che abbia ricuperato il "
     "possesso con l'azione a tal fine proposta, nel qual caso l'interruzione si ha come non "
     "avvenuta.",
     "Cassazione civile, 18 ottobre 1974, n.2921"},
    {"Non costituiscono atti interruttivi del possesso utile per l'usucapione la querela "
     "presentata contro il possessore, le lettere di diffida, le proteste verbali né le "
     "semplici turbative di fatto poste in essere dal proprietario, le quali, non avendo "
     "sottratto al possessore la signoria sul bene, lasciano integro il suo possesso. Fuori "
     "del caso della perdita del possesso per oltre un anno, il proprietario che intenda "
     "impedire il compimento dell'usucapione deve proporre la domanda giudiziale diretta a "
     "recuperare la cosa.",
     "Cassazione civile, 15 marzo 1982, n.1682"},
    {"Il riconoscimento dell'altrui diritto, che interrompe l'usucapione, non richiede forme "
     "particolari e può risultare anche da un comportamento concludente, come la richiesta al "
     "proprietario del permesso di eseguire opere sul bene o la corresponsione di un canone "
     "per il suo godimento, purché da tale comportamento risulti in modo univoco che il "
     "possessore considera la cosa come altrui. L'accertamento relativo, implicando "
     "l'interpretazione della volontà e del comportamento delle parti, è riservato al giudice "
     "del merito ed è incensurabile in sede di legittimità se sorretto da motivazione adeguata "
     "e immune da vizi logici.",
     "Cassazione civile, 30 luglio 1984, n.4525"},
    {"Il compimento dell'usucapione non è impedito dagli atti di disposizione che il "
     "proprietario compia sul bene posseduto da altri, come la vendita o la costituzione di "
     "ipoteca, anche se trascritti, né dal mutamento della persona del proprietario, giacché "
     "tali atti non incidono sulla situazione di fatto in cui il possesso consiste e non sono "
     "compresi tra le cause di interruzione previste dagli artt. 1165 e 1167 c.c. e dagli "
     "artt. 2943 e 2944 c.c.; l'acquirente subentra nella posizione del suo dante causa, il "
     "tempo di possesso già decorso si computa anche nei suoi confronti ed egli può "
     "interromperne il corso soltanto con la domanda giudiziale.",
     "Cassazione civile, 7 luglio 1986, n.4427"},
};
QStringList massime07() { return elencoMassime(testi07); }

// Libertà
const Massima testi08[] = {
    {"La proprietà si presume libera da pesi e da limitazioni, sicché chi afferma l'esistenza "
     "di una servitù a carico del fondo altrui deve dimostrarne il titolo costitutivo o "
     "l'acquisto per usucapione o per destinazione del padre di famiglia, mentre al "
     "proprietario che agisce con l'azione negatoria per far dichiarare l'inesistenza del "
     "diritto vantato dal vicino basta provare la propria titolarità del fondo (art. 949 "
     "c.c.).",
     "Tribunale Udine, 2 maggio 1957"},
    {"Il fondo servente riacquista la sua libertà quando la servitù si estingue per "
     "prescrizione a seguito del non uso protratto per venti anni (art. 1073 c.c.). Il termine "
     "decorre dal giorno in cui si è cessato di esercitarla, ovvero, se si tratta di servitù "
     "negativa o di servitù per il cui esercizio non è necessario il fatto dell'uomo, dal "
     "giorno in cui si è verificato un fatto che ne ha impedito l'esercizio. Per l'estinzione "
     "non occorre che il proprietario del fondo servente abbia posseduto il fondo come libero, "
     "essendo sufficiente il mancato esercizio della servitù da parte del titolare per "
     "l'intero periodo.",
     "Appello Napoli, 19 gennaio 1957"},
};
QStringList massime08() { return elencoMassime(testi08); }

// Luci
const Massima testi09[] = {
    {"La distinzione fra luci e vedute si fonda sulla struttura obiettiva dell'apertura e non "
     "sull'uso che in concreto ne faccia il proprietario: sono vedute o prospetti le aperture "
     "che permettono di affacciarsi e di guardare di fronte, obliquamente o lateralmente sul "
     "fondo del vicino, mentre sono luci quelle che danno passaggio alla luce e all'aria ma "
     "non consentono di affacciarsi (art. 900 c.c.). L'apertura che, per la sua altezza dal "
     "pavimento e per le sue dimensioni, consente comodamente l'affaccio costituisce veduta, "
     "ancorché munita di grata.",
     "Tribunale Palermo, 11 febbraio 1962"},
    {"L'apertura di luci nel proprio muro, anche se prive dei requisiti prescritti dall'art. "
     "901 c.c., costituisce esercizio di una facoltà inerente al diritto di proprietà e non "
     "determina alcuna invasione della sfera giuridica del vicino; pertanto il loro "
     "mantenimento, per quanto protratto nel tempo, non può condurre all'acquisto per "
     "usucapione di una servitù di luce, e il vicino conserva sempre il diritto di esigere che "
     "esse siano rese conformi alle prescrizioni di legge (art. 902, secondo comma, c.c.), "
     "diritto che, in quanto facoltà inerente alla proprietà, non è soggetto a prescrizione.",
     "Cassazione, sez.II, 8 giugno 1962, n.1407"},
    {"Diversamente da quanto avviene per le luci aperte nel muro proprio, l'apertura di una "
     "luce nel muro comune o nel muro del vicino costituisce un'ingerenza nella sfera altrui "
     "che, concretandosi in un'opera visibile e permanente, può dar luogo a una servitù "
     "apparente di luce, acquistabile per usucapione o per destinazione del padre di famiglia; "
     "acquistata la servitù, il comproprietario o il vicino non può più pretendere la chiusura "
     "dell'apertura.",
     "Cassazione, sez.II, 7 luglio 1962, n.1781"},
    {"La servitù di veduta è servitù apparente, perché si manifesta con opere visibili e "
     "permanenti destinate all'affaccio sul fondo del vicino, e può pertanto essere acquistata "
     "per usucapione (art. 1061 c.c.).",
     "Cassazione civile, 16 settembre 1948, n.1608"},
    {"Acquistato per usucapione il diritto di avere vedute dirette verso il fondo vicino, il "
     "proprietario di questo non può fabbricare a distanza minore di tre metri, misurata a "
     "norma dell'art. 905 c.c. (art. 907 c.c.); e, se vuole appoggiare la nuova costruzione al "
     "muro in cui si trova la veduta, deve arrestarla almeno a tre metri sotto la sua soglia. "
     "Il vincolo discende direttamente dalla legge come conseguenza dell'esistenza della "
     "servitù e prescinde da qualsiasi accertamento del pregiudizio concreto arrecato all'aria "
     "e alla luce del fondo dominante.",
     "Cassazione, 15 febbraio 1955, n.425"},
    {"La presenza di luci nel muro contiguo al fondo altrui non impedisce al vicino di "
     "acquistare la comunione del muro medesimo né di costruire in aderenza ad esso (art. 904 "
     "c.c.); chi acquista la comunione del muro non può tuttavia chiudere le luci se ad esso "
     "non appoggia il suo edificio. L'apertura di luci regolari, anche se mantenuta per lungo "
     "tempo, non costituisce a carico del fondo vicino una servitù che ne limiti il diritto di "
     "costruire.",
     "Cassazione, sez.II, 20 giugno 1958, n.2157"},
    {"La servitù di veduta è servitù continua, il cui esercizio non richiede il fatto attuale "
     "dell'uomo: il possesso di essa si attua per la sola esistenza dell'apertura che consente "
     "l'affaccio sul fondo vicino, sicché il termine per l'usucapione decorre dal giorno in "
     "cui l'opera è stata realizzata, senza che occorra dimostrare il concreto e ripetuto "
     "affacciarsi del possessore.",
     "Cassazione, 5 gennaio 1950, n.57"},
    {"Le luci che si aprono sul fondo del vicino devono essere munite di un'inferriata idonea "
     "a garantire la sicurezza del vicino e di una grata fissa in metallo con maglie non "
     "maggiori di tre centimetri quadrati, e devono avere il lato inferiore a un'altezza non "
     "minore di due metri e mezzo dal pavimento, se sono al piano terreno, e di due metri se "
     "sono ai piani superiori, nonché a un'altezza non minore di due metri e mezzo dal suolo "
     "del fondo vicino (art. 901 c.c.). L'apertura priva di taluno di tali requisiti, ma che "
     "non consenta di affacciarsi sul fondo altrui, resta una luce irregolare e non si "
     "trasforma in veduta; il vicino può chiederne in ogni tempo la regolarizzazione (art. 902 "
     "c.c.).",
     "Cassazione, sez.II, 17 maggio 1958, n.1635"},
    {"Il balcone e la terrazza praticabile costituiscono vedute, in quanto consentono "
     "l'affaccio diretto e quello laterale od obliquo sul fondo del vicino; la veduta laterale "
     "od obliqua non può aprirsi a distanza minore di settantacinque centimetri, misurata dal "
     "più vicino lato della finestra o dal più vicino sporto (art. 906 c.c.). Il mantenimento "
     "di un balcone a distanza inferiore a quella legale per oltre venti anni, con possesso "
     "continuo, pacifico e pubblico, comporta l'acquisto per usucapione della servitù di "
     "veduta nella sua concreta estensione, diretta e obliqua, e il proprietario del fondo "
     "servente è tenuto a osservare le distanze prescritte dall'art. 907 c.c.",
     "Appello Napoli, 25 febbraio 1971"},
};
QStringList massime09() { return elencoMassime(testi09); }

// Passaggi
const Massima testi10[] = {
    {"Il passaggio esercitato sul fondo altrui senza opere visibili e permanenti destinate al "
     "transito costituisce servitù non apparente, che non può acquistarsi per usucapione (art. "
     "1061 c.c.), per quanto lungo e frequente ne sia stato l'esercizio.",
     "Cassazione civile, 28 marzo 1958, n.1077"},
    {"Costituisce spoglio violento, contro il quale il possessore di una servitù di passaggio "
     "può agire con l'azione di reintegrazione entro l'anno (art. 1168 c.c.), la chiusura con "
     "un cancello o con una recinzione del varco attraverso il quale il passaggio veniva "
     "esercitato, quando sia compiuta arbitrariamente e contro la volontà espressa o presunta "
     "del possessore: la violenza consiste in ogni atto arbitrario che privi altri del "
     "possesso contro la sua volontà, e l'intenzione di spogliare è insita nella "
     "consapevolezza di tale privazione. In sede possessoria il convenuto non può opporre il "
     "proprio diritto di proprietà sul fondo né l'inesistenza della servitù.",
     "Pretura Grumello del Monte, 5 ottobre 1961"},
    {"Ai fini dell'acquisto per usucapione di una servitù di passaggio, il requisito "
     "dell'apparenza richiesto dall'art. 1061 c.c. esige la presenza di opere visibili e "
     "permanenti, quali una strada, un sentiero tracciato, un ponticello o un varco nel muro "
     "di cinta, che per la loro struttura e ubicazione rivelino in modo non equivoco la "
     "destinazione al transito a servizio del fondo dominante. Le opere possono trovarsi sul "
     "fondo servente o su quello dominante, purché siano visibili dal proprietario del fondo "
     "servente e rendano palese l'esistenza del peso; il termine dell'usucapione decorre dal "
     "momento in cui tali opere sono state realizzate.",
     "Cassazione civile, 27 maggio 1982, n.3230"},
    {"Non è sufficiente, ai fini del requisito dell'apparenza della servitù di passaggio, "
     "l'esistenza sul fondo altrui di una strada o di un viottolo che serva anche al "
     "proprietario del fondo stesso per l'accesso alle sue parti o che sia destinato all'uso "
     "promiscuo di più persone, dovendo le opere rivelare non soltanto la possibilità del "
     "transito, ma la loro specifica destinazione all'esercizio della servitù a vantaggio del "
     "fondo dominante, e quindi l'esistenza di un peso a carico del fondo servente. "
     "L'accertamento di tale destinazione, da compiersi con riguardo alla situazione dei "
     "luoghi, è riservato al giudice del merito.",
     "Cassazione civile, 11 giungo 1986, n.3864"},
    {"In tema di servitù di passaggio, gli atti compiuti con l'altrui tolleranza non possono "
     "servire di fondamento all'acquisto del possesso (art. 1144 c.c.); ma la tolleranza, che "
     "si presume più facilmente nei rapporti di parentela, di amicizia o di buon vicinato, non "
     "può essere desunta dalla sola circostanza che il proprietario non si sia opposto al "
     "transito, e il lungo protrarsi del passaggio, specie se esercitato mediante opere "
     "permanenti e in assenza di rapporti personali che lo giustifichino, costituisce elemento "
     "idoneo a escluderla. Spetta al giudice del merito valutare, secondo le circostanze del "
     "caso, se il transito sia avvenuto in forza di una mera tolleranza revocabile ovvero "
     "nell'esercizio di un possesso corrispondente alla servitù.",
     "Cassazione civile, 9 marzo 1987, n.2445"},
};
QStringList massime10() { return elencoMassime(testi10); }

// Possesso
const Massima testi11[] = {
    {"Il possesso è il potere sulla cosa che si manifesta in un'attività corrispondente "
     "all'esercizio della proprietà o di altro diritto reale (art. 1140 c.c.); senza "
     "l'intenzione di comportarsi come titolare del diritto si ha soltanto detenzione.",
     "Appello Bari, 12 aprile 1958"},
    {"Colui che ha la disponibilità della cosa in forza di un rapporto che ne riconosce "
     "l'altrui appartenenza, come il conduttore, il comodatario, il depositario o il "
     "mandatario, ne è detentore e non possessore, e non può usucapirla per quanto a lungo la "
     "tenga, finché il titolo della detenzione non sia mutato per causa proveniente da un "
     "terzo o in forza di opposizione da lui fatta contro il possessore (art. 1141, secondo "
     "comma, c.c.); il semplice decorso del tempo o la cessazione del rapporto non trasformano "
     "la detenzione in possesso.",
     "Appello Ancona, 20 settembre 1957"},
    {"Si presume il possesso in colui che esercita il potere di fatto sulla cosa, quando non "
     "si prova che ha cominciato a esercitarlo semplicemente come detenzione (art. 1141, primo "
     "comma, c.c.): spetta quindi a chi contesta la qualità di possessore dimostrare che la "
     "relazione con la cosa ha avuto origine da un titolo che ne comporti la mera detenzione; "
     "fornita tale prova, incombe a chi invoca l'usucapione dimostrare l'avvenuta "
     "interversione del possesso.",
     "Cassazione civile, 28 marzo 1958, n.1077"},
    {"L'interversione della detenzione in possesso per causa proveniente da un terzo si "
     "verifica quando il detentore riceve da un terzo, che si afferma proprietario, un titolo "
     "astrattamente idoneo a trasferirgli il diritto e da quel momento comincia a esercitare "
     "il potere sulla cosa come proprio, purché non si tratti di un atto simulato o concertato "
     "con il detentore al solo scopo di mutarne il titolo; il nuovo atteggiamento deve "
     "manifestarsi all'esterno, non bastando un mero mutamento dell'intenzione interna del "
     "detentore.",
     "Appello Brescia, 20 febbraio 1959"},
    {"Il possesso acquistato in modo violento o clandestino non giova per l'usucapione se non "
     "dal momento in cui la violenza o la clandestinità è cessata (art. 1163 c.c.). La "
     "clandestinità va riferita non già all'intenzione del possessore di nascondere il proprio "
     "potere, bensì alla sua concreta conoscibilità, e viene meno quando il possesso sia "
     "esercitato in modo visibile e non occulto, tale da poter essere percepito, usando "
     "l'ordinaria diligenza, da chi ha interesse a contrastarlo; la violenza, a sua volta, "
     "rileva solo in quanto vizio dell'acquisto, e non quando il possessore si limiti a "
     "difendere con la forza un possesso già pacificamente acquistato.",
     "Cassazione civile, 8 luglio 1960, n.1831"},
    {"Il possesso continua nell'erede con effetto dall'apertura della successione (art. 1146, "
     "primo comma, c.c.), con gli stessi caratteri e gli stessi vizi che aveva presso il "
     "defunto, sicché l'erede non può giovarsi della propria buona fede se il defunto era in "
     "mala fede. Il successore a titolo particolare può invece unire al proprio possesso "
     "quello del suo autore per goderne gli effetti (art. 1146, secondo comma, c.c.); in tal "
     "caso i due possessi si sommano soltanto se entrambi presentano i requisiti richiesti per "
     "l'usucapione, e i caratteri di ciascuno vanno valutati distintamente.",
     "Cassazione civile, 9 giugno 1960, n.1521"},
    {"Il possessore attuale che ha posseduto in tempo più remoto si presume che abbia "
     "posseduto anche nel tempo intermedio (art. 1142 c.c.); il possesso attuale, invece, non "
     "fa presumere il possesso anteriore, salvo che il possessore abbia un titolo a fondamento "
     "del suo possesso, nel qual caso si presume che abbia posseduto dalla data del titolo "
     "(art. 1143 c.c.). Chi invoca l'usucapione deve quindi provare, oltre al possesso "
     "attuale, quello iniziale, mentre la continuità nel tempo intermedio è coperta dalla "
     "presunzione, che può essere vinta dalla prova contraria.",
     "Appello Lecce, 15 febbraio 1960"},
    {"Il possesso, una volta acquistato, si conserva anche solo animo, senza che occorra il "
     "continuo esercizio di atti materiali sulla cosa, purché il possessore abbia la "
     "possibilità di ripristinare a suo piacimento il contatto materiale con essa e nessun "
     "altro se ne sia impossessato; pertanto il mancato sfruttamento temporaneo di un fondo, "
     "dovuto alla sua natura o alle condizioni del mercato, non fa venir meno il possesso "
     "utile all'usucapione.",
     "Cassazione civile, 8 agosto 1962, n.2469"},
    {"La buona fede del possessore, che consiste nell'ignoranza di ledere l'altrui diritto, è "
     "presunta e basta che vi sia stata al tempo dell'acquisto (art. 1147 c.c.); la "
     "sopravvenuta conoscenza che il bene apparteneva ad altri non nuoce al possessore né "
     "impedisce l'usucapione abbreviata. La buona fede non giova tuttavia se l'ignoranza "
     "dipende da colpa grave, come quando il possessore, usando la più elementare diligenza, "
     "avrebbe potuto rendersi conto del difetto di titolarità del suo dante causa.",
     "Appello Torino, 3 settembre 1968"},
    {"Gli atti compiuti con l'altrui tolleranza non possono servire di fondamento all'acquisto "
     "del possesso (art. 1144 c.c.). Sono tali gli atti che il proprietario consente per "
     "spirito di cortesia, di amicizia o di buon vicinato e che, per la loro saltuarietà e per "
     "la limitata incidenza sul godimento del bene, non ne compromettono il diritto, restando "
     "il consenso sempre revocabile; l'onere di provare la tolleranza spetta a chi la deduce, "
     "e il giudice deve escluderla quando gli atti, per la loro durata, intensità e natura, "
     "rivelino un'attività incompatibile con l'esercizio del diritto del proprietario.",
     "Cassazione civile, 8 maggio 1969, n.1564"},
    {"Il possesso delle cose di cui non si può acquistare la proprietà è senza effetto (art. "
     "1145 c.c.): i beni del demanio pubblico, in quanto inalienabili e sottratti al commercio "
     "finché conservano tale carattere, non possono essere acquistati per usucapione, per "
     "quanto lunga sia la relazione di fatto che il privato abbia con essi. Nei rapporti tra "
     "privati è tuttavia concessa l'azione di spoglio rispetto ai beni appartenenti al "
     "pubblico demanio, e anche l'azione di manutenzione se si tratta dell'esercizio di "
     "facoltà che possono formare oggetto di concessione da parte della pubblica "
     "amministrazione.",
     "Cassazione civile, 26 marzo 1971, n.878"},
    {"Chi chiede che sia dichiarato l'acquisto della proprietà per usucapione ha l'onere di "
     "provare tutti gli elementi costitutivi della fattispecie, e cioè il possesso, la sua "
     "durata ventennale e i suoi requisiti di continuità, pacificità e pubblicità, indicando "
     "con precisione il bene e gli atti di possesso compiuti; la prova può essere data con "
     "ogni mezzo, anche per testimoni e per presunzioni, ma deve riguardare fatti specifici e "
     "non semplici giudizi o valutazioni dei testimoni, e il relativo apprezzamento spetta al "
     "giudice del merito.",
     "Cassazione civile, 22 ottobre 1970, n.2113"},
    {"Si può possedere direttamente o per mezzo di altra persona che ha la detenzione della "
     "cosa (art. 1140, secondo comma, c.c.): il proprietario o il possessore che concede il "
     "bene in locazione o in comodato conserva il possesso attraverso il detentore, e il tempo "
     "in cui il bene è stato goduto da quest'ultimo si computa a suo favore ai fini "
     "dell'usucapione; il detentore, per contro, non acquista il possesso fino a quando non ne "
     "muti il titolo nei modi previsti dall'art. 1141 c.c.",
     "Appello Firenze, 19 gennaio 1971"},
    {"In mancanza di titolo idoneo, la proprietà dei beni mobili e gli altri diritti reali su "
     "di essi si acquistano in virtù del possesso continuato per dieci anni, qualora il "
     "possesso sia stato acquistato in buona fede, e per venti anni se il possessore è in mala "
     "fede (art. 1161 c.c.). Quando invece il possesso di un bene mobile non iscritto in "
     "pubblici registri è acquistato in buona fede da chi non è proprietario in base a un "
     "titolo idoneo, la proprietà si acquista immediatamente con il possesso (art. 1153 c.c.), "
     "sicché il ricorso all'usucapione è necessario soltanto se manca il titolo idoneo o la "
     "buona fede.",
     "Tribunale Bolzano, 26 marzo 1970"},
    {"La continuità del possesso, richiesta ai fini dell'usucapione, non esige che il "
     "possessore compia sul bene atti materiali ininterrotti, ma che lo utilizzi in modo "
     "costante secondo la sua natura e la sua destinazione economica, esplicando le facoltà di "
     "godimento che normalmente spettano al proprietario: così, per un terreno boschivo o a "
     "pascolo, è sufficiente che il possessore compia con regolarità i tagli o lo sfruttamento "
     "stagionale, senza che gli intervalli tra un atto e l'altro integrino una discontinuità.",
     "Cassazione civile, 26 marzo 1973, n.837"},
    {"L'usucapione è un modo di acquisto della proprietà a titolo originario, che trova "
     "fondamento esclusivamente nel possesso protratto per il tempo stabilito dalla legge e "
     "non in un rapporto di trasmissione con il precedente titolare; i suoi effetti "
     "retroagiscono al momento in cui il possesso ha avuto inizio, sicché l'usucapiente è "
     "considerato titolare del diritto fin da quel momento, e restano irrilevanti i vizi del "
     "titolo in base al quale il possesso fu eventualmente acquistato.",
     "Cassazione civile, 28 settembre 1973, n.2430"},
    {"L'usucapione compiuta non può essere rilevata d'ufficio dal giudice e deve essere fatta "
     "valere dalla parte interessata, in via di azione o di eccezione (art. 2938 c.c., "
     "applicabile in virtù dell'art. 1165 c.c.). Si può rinunciare all'usucapione soltanto "
     "dopo che essa si è compiuta (art. 2937 c.c.), e la rinuncia non opera a danno dei "
     "creditori del possessore e di chiunque vi abbia interesse, che possono opporre "
     "l'usucapione quando la parte non la fa valere e anche se vi ha rinunciato (art. 2939 "
     "c.c.).",
     "Cassazione civile, 20 luglio 1973, n.2132"},
    {"Il comproprietario che abbia il godimento esclusivo della cosa comune può usucapire le "
     "quote degli altri partecipanti soltanto se dimostri di aver esercitato un possesso "
     "incompatibile con quello altrui e idoneo a escludere gli altri dal godimento, "
     "manifestando in modo inequivoco l'intenzione di possedere uti dominus e non più uti "
     "condominus; non è sufficiente che gli altri comproprietari si siano astenuti dall'uso "
     "del bene, né che egli ne abbia sostenuto le spese o percepito i frutti, trattandosi di "
     "atti compatibili con la comunione.",
     "Cassazione civile, 10 aprile 1973, n.1021"},
    {"Chi riceve la cosa in esecuzione di un contratto di compravendita nullo ne acquista il "
     "possesso e non la mera detenzione, poiché la consegna è avvenuta allo scopo di "
     "trasferire la proprietà e l'accipiens la tiene come propria; tale possesso può condurre "
     "all'usucapione ordinaria ventennale, ma non a quella abbreviata, in quanto il contratto "
     "nullo non costituisce titolo idoneo a trasferire la proprietà ai sensi dell'art. 1159 "
     "c.c.",
     "Cassazione civile, 6 luglio 1973, n.1921"},
    {"L'acquisto per usucapione si verifica di diritto al compimento del termine stabilito "
     "dalla legge, per effetto del possesso protratto con i requisiti prescritti, e la "
     "sentenza che lo accerta ha natura meramente dichiarativa; pertanto il possessore che ha "
     "compiuto l'usucapione è proprietario anche prima della pronuncia giudiziale e può "
     "opporre l'acquisto, in via di eccezione, a chi agisca contro di lui per la "
     "rivendicazione del bene, mentre la trascrizione della sentenza, prevista dall'art. 2651 "
     "c.c., assolve una funzione di pubblicità notizia e non è condizione dell'acquisto.",
     "Cassazione civile, 10 aprile 1974, n.1019"},
    {"Il familiare che abita nell'immobile di proprietà di un congiunto, in virtù dei vincoli "
     "di famiglia e della convivenza, esercita una detenzione per ragioni di ospitalità e non "
     "un possesso utile all'usucapione, né la relazione con il bene muta natura per il solo "
     "fatto che si protragga dopo la morte o l'allontanamento del congiunto; occorre a tal "
     "fine un atto di interversione, rivolto contro il proprietario o i suoi eredi, che "
     "manifesti in modo inequivoco la volontà di tenere la cosa come propria.",
     "Cassazione civile, 22 dicembre 1978, n.6150"},
    {"L'art. 1159 bis c.c., introdotto dalla legge 10 maggio 1976, n. 346, prevede "
     "un'usucapione speciale per la piccola proprietà rurale: la proprietà dei fondi rustici "
     "con annessi fabbricati situati in comuni classificati montani dalla legge si acquista in "
     "virtù del possesso continuato per quindici anni, e in cinque anni dalla data della "
     "trascrizione per chi acquista in buona fede da chi non è proprietario in forza di un "
     "titolo idoneo a trasferire la proprietà e debitamente trascritto; le stesse disposizioni "
     "si applicano ai fondi rustici con annessi fabbricati situati in comuni non montani, "
     "aventi un reddito non superiore ai limiti fissati dalla legge speciale. Il possesso deve "
     "comunque avere i requisiti di continuità, pacificità e pubblicità richiesti in generale "
     "per l'usucapione, e il fondo deve essere effettivamente destinato all'attività agricola.",
     "Tribunale Cassino, 18 febbraio 1977"},
    {"Ai fini dell'usucapione, l'animus possidendi non consiste nella convinzione di essere "
     "titolare del diritto, che attiene alla buona fede, bensì nell'intenzione di comportarsi "
     "come proprietario esercitando sulla cosa le facoltà a questi spettanti; esso può "
     "sussistere anche in chi sappia che la cosa appartiene ad altri e si desume, di regola, "
     "dal concreto esercizio del potere di fatto, senza che sia necessaria una manifestazione "
     "espressa di volontà.",
     "Cassazione civile, 8 settembre 1978, n.4053"},
    {"L'opposizione che, a norma dell'art. 1141, secondo comma, c.c., determina il mutamento "
     "della detenzione in possesso deve consistere in un atto, giudiziale o stragiudiziale, "
     "rivolto specificamente contro il possessore, con il quale il detentore manifesti in modo "
     "inequivoco l'intenzione di non detenere più la cosa in nome altrui e di esercitare su di "
     "essa un potere di fatto per conto proprio; non sono sufficienti a tal fine il semplice "
     "rifiuto di restituire il bene alla scadenza del rapporto, se non accompagnato dalla "
     "pretesa di un diritto proprio sulla cosa, né il mancato pagamento del canone, né il "
     "compimento di atti di godimento compatibili con il titolo originario della detenzione.",
     "Cassazione civile, 18 febbraio 1980, n.1172"},
    {"Nell'usucapione abbreviata di immobili prevista dall'art. 1159 c.c., il termine "
     "decennale decorre dalla data della trascrizione del titolo idoneo e non da quella della "
     "stipulazione o della consegna del bene; la buona fede è richiesta soltanto al momento "
     "dell'acquisto, sicché la mala fede sopravvenuta non impedisce il compimento "
     "dell'usucapione, ma il possesso deve avere tutti gli altri requisiti di legge per "
     "l'intero decennio.",
     "Cassazione civile, 9 febbraio 1981, n.816"},
    {"L'accessione del possesso prevista dall'art. 1146, secondo comma, c.c., a favore del "
     "successore a titolo particolare presuppone un titolo idoneo a trasferire la proprietà o "
     "il diritto reale sul bene, e opera perciò soltanto entro i limiti del titolo: il "
     "successore non può unire al proprio il possesso del suo autore relativamente a beni o a "
     "porzioni di terreno non compresi nell'atto di trasferimento, anche se di fatto posseduti "
     "dal dante causa e consegnati insieme con il fondo alienato; per tali beni il termine "
     "dell'usucapione comincia a decorrere dal giorno in cui il successore ne ha conseguito il "
     "possesso.",
     "Cassazione civile, 12 novembre 1981, n.6002"},
    {"Le acque pubbliche, gli alvei e le sponde dei fiumi e dei torrenti appartengono al "
     "demanio dello Stato (art. 822 c.c.) e sono inalienabili; il diritto di derivare e "
     "utilizzare acqua pubblica non può pertanto essere acquistato per usucapione, ma soltanto "
     "in virtù di concessione amministrativa o di riconoscimento nelle forme previste dal "
     "testo unico 11 dicembre 1933, n. 1775, e il semplice esercizio di fatto dell'utenza non "
     "attribuisce al privato alcuna posizione tutelabile nei confronti della pubblica "
     "amministrazione.",
     "Tribunale Sup. Acque, 17 ottobre 1984, n.31"},
    {"Sono suscettibili di usucapione i beni che fanno parte del patrimonio disponibile dello "
     "Stato e degli enti pubblici, soggetti alle regole del diritto privato; non lo sono "
     "invece i beni del patrimonio indisponibile, finché perdura la loro effettiva "
     "destinazione a un pubblico servizio (artt. 826 e 828 c.c.). La cessazione di tale "
     "destinazione, che può risultare anche da fatti concludenti purché univoci, fa rientrare "
     "il bene nel patrimonio disponibile, e soltanto da quel momento il possesso del privato "
     "diviene utile per l'usucapione.",
     "Cassazione civile, 6 maggio 1987, n.4206"},
    {"Il mezzadro o il colono che conduce il fondo in forza del contratto agrario ne è "
     "detentore e non possessore, esercitando il potere sulla cosa in nome del concedente; la "
     "prolungata coltivazione del fondo, anche per molti decenni, non basta a fargliene "
     "acquistare la proprietà per usucapione se non sia intervenuto un mutamento del titolo "
     "per causa proveniente da un terzo o per opposizione fatta contro il possessore (art. "
     "1141 c.c.), e la cessazione della consegna al concedente della quota di prodotti a lui "
     "spettante non costituisce, da sola, atto di opposizione.",
     "Tribunale Siena, 25 giugno 1986"},
    {"L'azione di rivendicazione non si prescrive, salvi gli effetti dell'acquisto della "
     "proprietà da parte di altri per usucapione (art. 948, terzo comma, c.c.): il "
     "proprietario non perde il suo diritto per il solo fatto di non averlo esercitato, anche "
     "per lunghissimo tempo, ma soltanto quando altri ne abbia compiuto l'usucapione. Il "
     "convenuto in rivendicazione che eccepisca l'usucapione ha l'onere di provarne tutti gli "
     "elementi, mentre all'attore incombe la prova del proprio diritto di proprietà, che, se "
     "il convenuto non è suo avente causa, deve risalire a un acquisto a titolo originario "
     "ovvero risultare dal possesso proprio e dei suoi danti causa protratto per il tempo "
     "necessario all'usucapione. Tale onere si attenua quando il convenuto, eccependo di aver "
     "usucapito il bene in virtù di un possesso iniziato in epoca successiva all'acquisto "
     "dell'attore o dei suoi danti causa, riconosca implicitamente che il bene apparteneva a "
     "costoro all'inizio del proprio possesso: in tal caso l'attore può limitarsi a provare il "
     "proprio titolo di acquisto e l'appartenenza del bene ai suoi danti causa in epoca "
     "anteriore all'inizio di quel possesso, e spetta al convenuto dimostrare il compimento "
     "dell'usucapione.",
     "Cassazione civile, 18 maggio 1988, n.3464"},
};
QStringList massime11() { return elencoMassime(testi11); }

// Counted by the compiler: the main menu shows the count without building a single maxim.
extern const int numeroMassime06_11 = int(std::size(testi06) + std::size(testi07) + std::size(testi08)
                                          + std::size(testi09) + std::size(testi10) + std::size(testi11));
