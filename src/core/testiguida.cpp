#include "core/testiguida.h"

// The texts are written once here; the windows and the documents read them from this table.
const QList<TestoGuida>& testiGuida()
{
    static const QList<TestoGuida> testi = {
        {QStringLiteral("manuale"), QString::fromUtf8("MANUALE D'USO RAPIDO"),
         QString::fromUtf8(
             "Il programma Possidoria è un software di nuovissima concezione che consente di svolgere, "
             "in forma schematica, una causa civile sull'usucapione della proprietà e degli altri "
             "diritti reali di godimento secondo le norme del Codice Civile (artt. 1140-1170) e di "
             "ottenere, alla fine, una sentenza motivata con un commento rivolto all'attore. Con un clic"
             " sulla finestra di presentazione compare il Menu, che offre tre procedure: la "
             "consultazione delle norme del Codice Civile, la lettura delle massime della giurisprudenza"
             " e lo svolgimento di una causa. La causa inizia nella finestra Causa, dove si digitano i "
             "nomi dell'attore e del convenuto, il bene o il diritto conteso, la località e si sceglie "
             "la tipologia di usucapione; con il tasto Procedi si passa alla finestra Possesso, nella "
             "quale si indicano le date d'inizio e di fine del possesso, di cui il programma calcola la "
             "durata, e si risponde ai sei gruppi di domande sui requisiti del possesso. Dalla stessa "
             "finestra, con i tasti obiezione, il convenuto può contestare ciascun dato nelle finestre "
             "dedicate alle obiezioni, indicando il mezzo di prova su cui fonda la contestazione; il "
             "tasto Possesso di ogni finestra di obiezione riporta alla finestra Possesso e aggiorna il "
             "conteggio delle obiezioni formulate. Quando tutti i dati sono completi, il tasto Sentenza "
             "apre l'ultima finestra con il riepilogo dei fatti e delle obiezioni, la sentenza e i "
             "commenti, che possono essere stampati o esportati in PDF e per la videoscrittura. In ogni finestra la casella gialla indica il passo successivo da compiere, "
             "il tasto AIUTO riassume brevemente l'uso della finestra e i tasti con il punto "
             "interrogativo spiegano le singole scelte. Il menu File permette di archiviare la causa in "
             "un file (il cui nome comincia, per convenzione, con Possidoria-dati-), anche incompleta, "
             "di riaprirla in seguito e di eliminare i file non più utili; il menu Visualizza, la barra degli strumenti "
             "e i tasti da Ctrl+A a Ctrl+M conducono a una qualsiasi delle tredici finestre, mentre la "
             "voce Finestra n. posta all'estremità destra della barra dei menu apre la guida della "
             "finestra attiva. Il tasto USCITA chiede conferma prima di chiudere il programma; se la "
             "causa ha modifiche non salvate (un asterisco nel titolo), propone di salvarla. Dopo un "
             "arresto imprevisto la causa si recupera all'avvio.")},
        {QStringLiteral("guidafunzionamento"), QString::fromUtf8("FUNZIONAMENTO DEL PROGRAMMA"),
         QString::fromUtf8(
             "Il funzionamento del presente software è basato sulle leggi italiane che disciplinano il "
             "possesso e l'usucapione, contenute negli artt. 1140–1170 del Codice Civile. La "
             "sentenza viene ricavata da una tabella ordinata di regole: ciascuna regola considera la "
             "tipologia di usucapione, gli anni di possesso e i requisiti che la legge richiede, cioè la"
             " continuità senza interruzioni superiori all'anno (art. 1167), l'acquisto pacifico e "
             "pubblico (art. 1163), l'animo del titolare del diritto (artt. 1140 e 1141), la buona fede "
             "(art. 1147), il titolo idoneo e, per i beni mobili, la provenienza della cosa. Sono"
             " applicati i termini di venti anni per i beni immobili (art. 1158), di dieci anni con "
             "buona fede e titolo trascritto (art. 1159), di quindici e cinque anni per la piccola "
             "proprietà rurale (art. 1159 bis) e quelli previsti per le universalità di mobili, per i "
             "beni mobili e per i mobili iscritti in pubblici registri (artt. 1160-1162); non si possono "
             "mai usucapire i beni del demanio pubblico né le servitù non apparenti (art. 1061). La prima "
             "regola che corrisponde al caso determina l'esito: la vittoria o la sconfitta dell'attore, "
             "con un commento di consiglio. Le obiezioni del convenuto contano solo se sostenute da una "
             "prova, e la provenienza illegittima rileva soltanto per i beni mobili acquistati in mala "
             "fede (art. 1154).")},
        {QStringLiteral("guidascelta"), QString::fromUtf8("Finestra MENU"),
         QString::fromUtf8("La prima finestra del programma riguarda la scelta della procedura. Vi si giunge con un "
                           "clic sulla finestra di presentazione e, mentre si apre, il programma prepara in memoria "
                           "gli articoli del Codice Civile e le massime della giurisprudenza, di cui una riga della "
                           "finestra indica il numero complessivo. Tre sono le procedure disponibili, descritte a lato"
                           " di ciascuna opzione: norme del Codice Civile, che apre la finestra con gli articoli dal "
                           "1140 al 1170; sentenze sul tema, che apre la raccolta delle massime suddivise per "
                           "argomento; svolgiamo una causa, che apre la finestra Causa con la quale ha inizio lo "
                           "schema della causa civile. È sufficiente cliccare sull'opzione prescelta: la finestra "
                           "corrispondente si apre e l'opzione torna libera, così che la stessa scelta può essere "
                           "ripetuta in seguito. Spostando il mouse sulle opzioni, la barra di stato in fondo alla "
                           "finestra descrive il contenuto di ciascuna procedura. Il tasto Guida in linea apre il "
                           "sommario degli argomenti della guida, il tasto AIUTO riassume in breve l'uso della "
                           "finestra e il tasto USCITA, dopo aver chiesto conferma, chiude tutte le finestre del "
                           "programma. Il Menu resta aperto mentre si lavora nelle altre finestre e può essere "
                           "richiamato da ciascuna finestra di lavoro con Ctrl+A.")},
        {QStringLiteral("guidanorme"), QString::fromUtf8("Finestra NORME"),
         QString::fromUtf8("La finestra relativa alle norme del Codice Civile raccoglie i trentadue articoli che "
                           "disciplinano il possesso e l'usucapione, dall'art. 1140 all'art. 1170, compreso l'art. "
                           "1159 bis sulla piccola proprietà rurale. Ogni articolo ha il suo tasto giallo, che ne "
                           "riporta il numero e la rubrica: cliccandolo, il testo della norma compare in un riquadro "
                           "seguito da un breve commento che ne chiarisce la portata pratica, mentre la casella gialla"
                           " in basso ricorda quale articolo si sta leggendo. La finestra è di sola consultazione e "
                           "nulla di quanto vi si legge può essere modificato. Il comando Stampa testo articoli del "
                           "menu File, oppure l'icona della stampante nella barra degli strumenti, stampa il testo di "
                           "tutti gli articoli sulla stampante scelta nella finestra di dialogo che si apre prima "
                           "della stampa. Il tasto Menu riporta alla finestra di scelta della procedura, il tasto "
                           "AIUTO descrive brevemente l'uso della finestra e il tasto Guida in linea apre il sommario "
                           "della guida. Gli stessi testi, con i medesimi commenti, sono richiamati dalle finestre "
                           "della causa, per esempio con i tasti Codice Civile della finestra Possesso, così che la "
                           "norma applicabile può essere letta nel momento in cui si compie ciascuna scelta.")},
        {QStringLiteral("guidamassime"), QString::fromUtf8("Finestra MASSIME"),
         QString::fromUtf8(
             "La finestra del programma riguardante le massime contiene una raccolta di "
             "centoquarantanove massime della Corte di Cassazione e dei giudici di merito sul possesso e"
             " sull'usucapione, suddivise in quattordici argomenti. Per consultarle si sceglie un "
             "argomento nell'elenco sulla sinistra: nel riquadro centrale compare la prima massima, con "
             "gli estremi della decisione tra parentesi, e la casella gialla in basso indica quante "
             "massime riguardano l'argomento scelto. Con la barra di scorrimento orizzontale si passa da"
             " una massima all'altra, mentre la casella a destra della barra ne mostra il numero; oltre "
             "l'ultima compare l'avviso che non esistono altre sentenze sull'argomento. Il tasto Stampa "
             "salva la massima visualizzata in un documento del programma di videoscrittura, nella "
             "cartella Possidoria dei Documenti, e lo apre per la stampa; dal menu File, con la voce Tutte le sentenze "
             "dell'argomento, si trasferiscono invece tutte le massime dell'argomento, a partire da "
             "quella visualizzata fino all'ultima. Se non è stato ancora scelto un argomento, il "
             "programma avverte che non vi è nulla da stampare. Le massime sono utili per approfondire i"
             " casi concreti: gli estremi consentono di ricercare il testo integrale della sentenza.")},
        {QStringLiteral("guidacausa"), QString::fromUtf8("Finestra CAUSA"),
         QString::fromUtf8(
             "In questa finestra inizia la causa. Si digitano anzitutto i dati generali: il nome "
             "dell'attore, cioè di chi afferma di aver usucapito, quello del convenuto, il bene o il "
             "diritto oggetto della domanda e la località in cui si trova. Si sceglie poi la tipologia "
             "di usucapione fra le dodici proposte, ciascuna corrispondente a una diversa disciplina del"
             " Codice Civile; il tasto con il punto interrogativo a lato di ogni tipologia ne dà una "
             "breve spiegazione, e le scritte Beni immobili, Beni mobili e Beni del demanio mostrano gli"
             " articoli 812 e 822 che li definiscono. La casella gialla indica di volta in volta il dato"
             " che manca. Il tasto Procedi apre la finestra Possesso soltanto quando sono stati indicati"
             " l'attore, il convenuto, il bene e la tipologia; la località può essere aggiunta in "
             "seguito. Il tasto canc svuota i dati della causa in tutte le finestre per iniziarne una "
             "nuova; se vi sono modifiche non salvate, chiede prima se salvarle. Dal menu File o dalla barra degli "
             "strumenti la causa può essere archiviata con Salva o Salva con nome, anche incompleta, "
             "riaperta con Apri, che ripristina tutte le finestre, oppure eliminata con Elimina. La "
             "sentenza richiede i dati di questa finestra e tutte le risposte della finestra Possesso.")},
        {QStringLiteral("guidapossesso"), QString::fromUtf8("Finestra POSSESSO"),
         QString::fromUtf8("La finestra che riguarda il possesso è la più importante per la causa. Contiene i fatti "
                           "sostenuti dall'attore: si digitano le date d'inizio e di fine del possesso nella forma "
                           "giorno/mese/anno, per esempio 12/03/85, e il programma le riporta per esteso e ne calcola "
                           "la durata in anni e giorni; il tasto con il punto interrogativo accanto alla durata "
                           "riassume i termini previsti dalla legge. Solo dopo il calcolo della durata diventano "
                           "disponibili i sei gruppi di requisiti: l'interruzione del possesso, il modo di acquisto, "
                           "la condizione psicologica del possessore, la provenienza della cosa, la fede del "
                           "possessore e l'acquisto da chi non è proprietario. Per ogni gruppo occorre scegliere una "
                           "risposta; il tasto Codice Civile mostra la norma di riferimento. Il tasto obiezione "
                           "accanto a ogni dato apre la finestra in cui il convenuto lo contesta e fa comparire un "
                           "segno accanto al dato contestato; l'obiezione è rifiutata quando l'attore stesso ammette "
                           "il fatto sfavorevole. Per obiettare occorre aver prima calcolato la durata o scelto la "
                           "risposta. Il numero delle obiezioni si aggiorna tornando con il tasto Possesso delle "
                           "finestre di obiezione. Il tasto Sentenza, quando tutti i gruppi hanno una risposta e i "
                           "dati della finestra Causa sono completi, calcola e mostra la sentenza.")},
        {QStringLiteral("guidadurata"), QString::fromUtf8("Finestra obiezione DURATA"),
         QString::fromUtf8(
             "La controparte, anche se rappresentata dallo stesso operatore, può contestare le date del "
             "possesso dichiarate dall'attore. Questa finestra si apre con il primo tasto obiezione della "
             "finestra Possesso, dopo che la durata del possesso è stata calcolata. Il convenuto digita le "
             "date d'inizio e di fine che egli sostiene e il programma calcola la durata corrispondente; "
             "per ciascuna data sceglie poi la prova più importante fra quelle elencate, come gli atti di "
             "disposizione, i testimoni, la confessione o il giuramento, e per la data finale anche la "
             "notificazione del giudizio, il riconoscimento del diritto o la diffida. Il tasto con il "
             "punto interrogativo accanto a ogni prova ne spiega il valore e riporta le norme relative. "
             "Scegliendo nessuna prova, il programma avverte che l'opposizione non è provata e riprende la "
             "data indicata dall'attore. Il tasto Possesso riporta alla finestra Possesso solo quando "
             "entrambe le date e le due prove sono state indicate, come ricorda la casella gialla. Nella "
             "sentenza ciascuna data del convenuto conta soltanto se è provata e se accorcia il possesso "
             "dell'attore, mai se lo allunga; una data finale sostenuta soltanto dalla diffida e messa in "
             "mora, che non pone fine al possesso, lascia in vigore quella dell'attore.")},
        {QStringLiteral("guidainterruzione"), QString::fromUtf8("Finestra obiezione INTERRUZIONE"),
         QString::fromUtf8(
             "Come per l'obiezione, eventualmente proposta, per la durata del possesso, anche in questa "
             "finestra il convenuto deve indicare date e prove. Vi si giunge dal tasto obiezione accanto "
             "all'interruzione nella finestra Possesso, quando l'attore non ha ammesso un'interruzione "
             "superiore all'anno. Il convenuto indica che cosa è avvenuto (perdita del possesso, domanda "
             "giudiziale diretta a recuperarlo, riconoscimento del diritto del proprietario), le date e la "
             "prova di ciascuna. L'interruzione conta soltanto se le date sono provate e se comincia "
             "durante il possesso: nessuna prova e la diffida la lasciano senza effetto. La perdita del "
             "possesso interrompe l'usucapione se dura oltre un anno (art. 1167), salvo il recupero con "
             "l'azione proposta entro l'anno; la domanda (art. 2943) e il riconoscimento (art. 2944), "
             "richiamati dall'art. 1165, la interrompono qualunque ne sia la durata. Il nuovo periodo "
             "(art. 2945) decorre dal recupero, dal riconoscimento, dal passaggio in giudicato della "
             "sentenza o, se il processo si è estinto, dalla notificazione; un termine già compiuto non è "
             "toccato da un'interruzione successiva. Il possesso attuale e quello remoto fanno presumere "
             "il possesso intermedio (art. 1142): le date vanno indicate solo se provate.")},
        {QStringLiteral("guidamodo"), QString::fromUtf8("Finestra obiezione MODO"),
         QString::fromUtf8(
             "Come le altre finestre dedicate alle obiezioni del convenuto, anche questa presenta un "
             "elenco di dodici mezzi di prova tra i quali scegliere quello che sostiene la contestazione. "
             "L'obiezione riguarda il modo in cui l'attore ha acquistato il possesso: si apre dalla "
             "finestra Possesso soltanto se l'attore ha dichiarato un acquisto pacifico e pubblico, perché "
             "se egli stesso ammette un acquisto violento o clandestino non vi è nulla da contestare. "
             "Secondo l'art. 1163 del Codice Civile il possesso acquistato in modo violento o clandestino "
             "non giova per l'usucapione se non dal momento in cui la violenza o la clandestinità è "
             "cessata. Con una prova, dagli atti di disposizione al giuramento, la sentenza considera il "
             "possesso viziato; la diffida e messa in mora, che non prova violenza né clandestinità, e la "
             "scelta nessuna prova lasciano l'obiezione senza effetto; gli atti di tolleranza, se provati, "
             "escludono il possesso stesso (art. 1144) e la causa è persa. Il tasto con il punto "
             "interrogativo accanto a ciascuna prova ne spiega il valore. La casella gialla indica il "
             "passo da compiere e il tasto Possesso non consente di tornare indietro finché non è stata "
             "fatta una scelta: dopo, riporta alla finestra Possesso e aggiorna il numero delle obiezioni.")},
        {QStringLiteral("guidapsiche"), QString::fromUtf8("Finestra obiezione PSICOLOGIA"),
         QString::fromUtf8(
             "L'obiezione formulata dalla controparte sulla condizione psicologica del possessore è "
             "decisiva, perché solo chi possiede con l'animo del proprietario o del titolare del diritto "
             "può usucapire, mentre chi ha la cosa per conto altrui è semplice detentore (art. 1140). Il "
             "possesso si presume in chi esercita il potere di fatto, se non si prova che egli ha "
             "cominciato a esercitarlo come semplice detenzione; chi ha cominciato come detentore non può "
             "acquistare il possesso finché il titolo non venga mutato per causa proveniente da un terzo o "
             "in forza di opposizione da lui fatta contro il possessore (art. 1141). La finestra si apre "
             "dalla finestra Possesso soltanto se l'attore ha dichiarato di aver posseduto con l'animo del "
             "padrone. Il convenuto sceglie fra dodici mezzi di prova quello che dimostra che l'attore "
             "teneva la cosa per conto d'altri: con uno dei documenti, i testimoni, le presunzioni, la "
             "confessione o il giuramento la sentenza tratta l'attore come detentore; gli atti di "
             "tolleranza escludono il possesso stesso (art. 1144) e la causa è persa; la diffida e messa "
             "in mora e la scelta nessuna prova lasciano immutata la condizione dichiarata dall'attore. Il "
             "tasto con il punto interrogativo spiega ogni prova; il tasto Possesso riporta alla finestra "
             "Possesso.")},
        {QStringLiteral("guidaprovenienza"), QString::fromUtf8("Finestra obiezione PROVENIENZA"),
         QString::fromUtf8(
             "L'obiezione alla provenienza della cosa avrà un certo valore soprattutto per i beni "
             "mobili, nei quali la buona fede dell'acquirente dipende da ciò che egli sapeva "
             "sull'origine della cosa: secondo l'art. 1154 del Codice Civile, a chi ha acquistato "
             "conoscendo l'illegittima provenienza della cosa non giova l'erronea credenza che il suo "
             "autore ne fosse divenuto proprietario. Per i beni immobili la provenienza in sé non incide "
             "sui termini dell'usucapione, ma chi la sapeva illegittima non è in buona fede e non può "
             "giovarsi dei dieci anni dell'art. 1159. La finestra si apre dalla finestra Possesso soltanto "
             "se l'attore ha dichiarato legittima la provenienza. Il convenuto sceglie fra dodici mezzi "
             "di prova, dagli atti di disposizione fino alla diffida e messa in mora, quello con cui "
             "dimostra la provenienza illegittima; il tasto con il punto interrogativo accanto a "
             "ciascuna prova ne spiega il valore. La prova scelta viene riportata nella finestra "
             "Sentenza tra le obiezioni del convenuto, ma il calcolo della sentenza si basa sulla "
             "provenienza dichiarata nella finestra Possesso: se la prova è convincente conviene quindi "
             "correggere anche quella risposta. Dopo la scelta, il tasto Possesso riporta alla finestra "
             "Possesso e aggiorna il numero delle obiezioni formulate.")},
        {QStringLiteral("guidafede"), QString::fromUtf8("Finestra obiezione FEDE"),
         QString::fromUtf8(
             "L'obiezione che la controparte esprime deve essere opportunamente provata, perché la buona "
             "fede si presume e basta che vi sia stata al tempo dell'acquisto (art. 1147 del Codice "
             "Civile). La fede del possessore incide sulla durata del possesso necessaria per usucapire: "
             "dieci anni bastano per gli immobili acquistati in buona fede con titolo idoneo trascritto e "
             "per i beni mobili posseduti in buona fede, mentre in mala fede il termine sale a venti anni; "
             "per i beni mobili iscritti in pubblici registri la buona fede con titolo trascritto riduce "
             "il termine a tre anni (art. 1162). La finestra si apre dalla finestra Possesso soltanto se "
             "l'attore ha dichiarato la propria buona fede. Con una prova dagli atti di disposizione al "
             "giuramento la sentenza considera l'attore in mala fede; la diffida e messa in mora, ricevuta "
             "dopo l'acquisto, non toglie la buona fede e, come la scelta nessuna prova, lascia "
             "l'obiezione senza effetto; gli atti di tolleranza escludono il possesso stesso (art. 1144), "
             "anche dove la fede non conterebbe. Il tasto con il punto interrogativo accanto a ogni prova "
             "ne spiega il valore. Dopo la scelta, il tasto Possesso riporta alla finestra Possesso e "
             "aggiorna il numero delle obiezioni.")},
        {QStringLiteral("guidaacquisto"), QString::fromUtf8("Finestra obiezione ACQUISTO"),
         QString::fromUtf8("L'acquisto da chi non è proprietario di un bene immobile, fatto in buona fede in forza di "
                           "un titolo idoneo a trasferire la proprietà e debitamente trascritto, consente l'usucapione"
                           " in dieci anni dalla data della trascrizione (art. 1159 del Codice Civile); termini "
                           "ridotti valgono anche per la piccola proprietà rurale (art. 1159 bis) e per i beni mobili "
                           "iscritti in pubblici registri (art. 1162), mentre per i beni mobili diversi da questi e "
                           "dalle universalità l'acquisto in buona fede con titolo idoneo ne trasferisce "
                           "subito la proprietà (artt. 1153 e 1156). Con questa "
                           "finestra il convenuto contesta che l'attore abbia acquistato con un titolo idoneo e "
                           "trascritto, scegliendo fra dodici mezzi di prova quello su cui fonda la contestazione; il "
                           "tasto con il punto interrogativo ne spiega il valore. La prova scelta viene riportata "
                           "nella finestra Sentenza fra le obiezioni del convenuto, mentre il calcolo della sentenza "
                           "si basa sulla risposta data nella finestra Possesso: se la contestazione è fondata "
                           "conviene correggere anche quella risposta, indicando che non vi è un atto regolare. La "
                           "finestra si apre con l'ultimo tasto obiezione della finestra Possesso, dopo la risposta "
                           "dell'attore sull'acquisto. Dopo la scelta, il tasto Possesso riporta alla finestra "
                           "Possesso e aggiorna il numero delle obiezioni.")},
        {QStringLiteral("guidasentenza"), QString::fromUtf8("Finestra SENTENZA"),
         QString::fromUtf8(
             "La finestra relativa alla sentenza sulla causa elettronica è il sunto di tutta l'elaborazione. "
             "Si apre con il tasto Sentenza della finestra Possesso, che ogni volta ricalcola la decisione "
             "sui dati attuali; prima che la causa sia completa mostra soltanto l'avviso che nessuna sentenza "
             "è ancora possibile. La finestra è di sola lettura. A sinistra sono elencati i fatti sostenuti "
             "dall'attore e, più in basso, le obiezioni del convenuto, che le barre di scorrimento, anche con "
             "i tasti freccia, permettono di leggere per intero. A destra compaiono la sentenza, che accoglie "
             "o respinge la domanda citando le norme applicate, e i commenti, con i suggerimenti per "
             "l'attore su ciò che manca o potrebbe rafforzare la sua posizione. Il tasto Perché? indica la regola che ha deciso la causa e i fatti su cui si fonda; "
             "Che cosa cambierebbe? indica da quale giorno vale l'usucapione e quali fatti porterebbero "
             "all'esito opposto. Per modificare i dati si torna alla finestra Possesso con l'apposito tasto. "
             "Ctrl+P, l'icona della stampante o la voce Stampa dati finestra stampano la sentenza, anche in "
             "un file PDF; la voce Esporta per videoscrittura del menu File la salva nella cartella "
             "Possidoria dei Documenti.")},
    };
    return testi;
}
const TestoGuida* testoGuida(const QString& finestra)
{
    for (const TestoGuida& t : testiGuida())
        if (t.finestra == finestra)
            return &t;
    return nullptr;
}

const QList<RigaSommario>& righeSommario()
{
    static const QList<RigaSommario> righe = [] {
        // Rows 1 to 15 follow the fifteen texts; their captions name the windows as the menus do.
        static const char* const etichette[] = {
            " Manuale d'uso rapido",
            " Funzionamento del programma",
            " Finestra Menu",
            " Finestra Norme",
            " Finestra Massime",
            " Finestra Causa",
            " Finestra Possesso",
            " Finestra obiezione Durata",
            " Finestra obiezione Interruzione",
            " Finestra obiezione Modo",
            " Finestra obiezione Psicologia",
            " Finestra obiezione Provenienza",
            " Finestra obiezione Fede",
            " Finestra obiezione Acquisto",
            " Finestra Sentenza",
        };
        QList<RigaSommario> r;
        const QList<TestoGuida>& testi = testiGuida();
        for (int i = 0; i < testi.size(); ++i)
            r.append({i + 1, QString::fromUtf8(etichette[i]), testi[i].finestra});
        r.append({16, QStringLiteral("  Suggerimento del giorno"), QStringLiteral("frmTip")});
        r.append({17, QStringLiteral(" Casi di esempio"), QStringLiteral("esempi")});
        r.append({18, QStringLiteral(" Catalogo dei prodotti"), QStringLiteral("prodotti")});
        return r;
    }();
    return righe;
}

QString finestraDellaRiga(int i)
{
    for (const RigaSommario& r : righeSommario())
        if (r.indice == i)
            return r.finestra;
    return QStringLiteral("manuale");
}
