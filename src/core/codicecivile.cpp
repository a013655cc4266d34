#include "core/codicecivile.h"

#include "core/giustificazione.h"

#include <array>

namespace CodiceCivile {

namespace {

struct Articolo {
    QString didascalia;
    QStringList commi;
    QString commento;   // empty: the article has no comment
};

// Positions 1..32 at indexes 0..31. Paragraphs in the official wording of the Code.
const std::array<Articolo, numeroArticoli>& articoli()
{
    // clang-format off
    static const std::array<Articolo, numeroArticoli> tabella =
        {
            {
                // 1: art. 1140
                {QStringLiteral("1140) Possesso"),
                 {QStringLiteral(
                      "Il possesso è il potere sulla cosa che si manifesta in un'attività corrispondente all'esercizio della proprietà o di altro diritto reale."),
                  QStringLiteral(
                      "Si può possedere direttamente o per mezzo di altra persona, che ha la detenzione della cosa.")},
                 QStringLiteral(
                     "Commento: per diritti reali bisogna intendere la proprietà e i diritti reali di godimento su cosa altrui: enfiteusi, superficie, usufrutto, uso, abitazione e servitù.")},
                // 2: art. 1141
                {QStringLiteral("1141) Mutamento della detenzione in possesso"),
                 {QStringLiteral(
                      "Si presume il possesso in colui che esercita il potere di fatto, quando non si prova che ha cominciato a esercitarlo semplicemente come detenzione."),
                  QStringLiteral(
                      "Se alcuno ha cominciato ad avere la detenzione, non può acquistare il possesso finché il titolo non venga a essere mutato per causa proveniente da un terzo o in forza di opposizione da lui fatta contro il possessore. Ciò vale anche per i successori a titolo universale.")},
                 QStringLiteral(
                     "Commento: chi si comporta come un proprietario si presume possessore; chi invece ha cominciato come detentore, per esempio l'inquilino o il comodatario, diventa possessore solo se il titolo muta per causa di un terzo o per la sua opposizione contro il possessore.")},
                // 3: art. 1142
                {QStringLiteral("1142) Presunzione di possesso intermedio"),
                 {QStringLiteral(
                     "Il possessore attuale che ha posseduto in tempo più remoto si presume che abbia posseduto anche nel tempo intermedio.")},
                 QStringLiteral(
                     "Commento: senza una prova contraria si presume che chi possiede oggi e possedeva già in passato abbia posseduto anche nel periodo di mezzo, senza interruzioni.")},
                // 4: art. 1143
                {QStringLiteral("1143) Presunzione di possesso anteriore"),
                 {QStringLiteral(
                     "Il possesso attuale non fa presumere il possesso anteriore, salvo che il possessore abbia un titolo a fondamento del suo possesso; in questo caso si presume che egli abbia posseduto dalla data del titolo.")},
                 QStringLiteral(
                     "Commento: bisogna sempre provare da quando si possiede: il possesso attuale non dimostra quello passato, salvo che vi sia un titolo, dalla cui data il possesso si presume.")},
                // 5: art. 1144
                {QStringLiteral("1144) Atti di tolleranza"),
                 {QStringLiteral(
                     "Gli atti compiuti con l'altrui tolleranza non possono servire di fondamento all'acquisto del possesso.")},
                 QStringLiteral(
                     "Commento: gli atti che il proprietario si limita a sopportare, per cortesia, amicizia o buon vicinato e senza rinunciare al proprio diritto, non fanno nascere il possesso. Non ogni consenso lo esclude però: il compratore, che riceve la cosa dal venditore per averla come propria, la possiede proprio in forza di quel consenso.")},
                // 6: art. 1145
                {QStringLiteral("1145) Possesso di cose fuori commercio"),
                 {QStringLiteral("Il possesso delle cose di cui non si può acquistare la proprietà è senza effetto."),
                  QStringLiteral(
                      "Tuttavia nei rapporti tra privati è concessa l'azione di spoglio rispetto ai beni appartenenti al pubblico demanio e ai beni delle provincie e dei comuni soggetti al regime proprio del demanio pubblico."),
                  QStringLiteral(
                      "Se trattasi di esercizio di facoltà, le quali possono formare oggetto di concessione da parte della pubblica amministrazione, è data altresì l'azione di manutenzione.")},
                 QStringLiteral(
                     "Commento: il possesso senza effetto riguarda i beni che non possono appartenere ai privati, come quelli del demanio pubblico; tra privati è però ammessa l'azione di spoglio e, per le facoltà che possono essere date in concessione, anche quella di manutenzione.")},
                // 7: art. 1146
                {QStringLiteral("1146) Successione nel possesso. Accessione del possesso"),
                 {QStringLiteral("Il possesso continua nell'erede con effetto dall'apertura della successione."),
                  QStringLiteral(
                      "Il successore a titolo particolare può unire al proprio possesso quello del suo autore per goderne gli effetti.")},
                 QStringLiteral(
                     "Commento: la durata del possesso non si interrompe con la morte del possessore, perché l'erede continua il possesso del defunto; chi acquista a titolo particolare può invece sommare al proprio il possesso del suo dante causa.")},
                // 8: art. 1147
                {QStringLiteral("1147) Possesso di buona fede"),
                 {QStringLiteral("È possessore di buona fede chi possiede ignorando di ledere l'altrui diritto."),
                  QStringLiteral("La buona fede non giova se l'ignoranza dipende da colpa grave."),
                  QStringLiteral("La buona fede è presunta e basta che vi sia stata al tempo dell'acquisto.")},
                 QStringLiteral(
                     "Commento: la buona fede si presume, perciò chi la contesta deve provare la mala fede del possessore; basta che la buona fede vi sia stata al momento dell'acquisto, mentre non giova a chi ignora per colpa grave.")},
                // 9: art. 1148
                {QStringLiteral("1148) Acquisto dei frutti"),
                 {QStringLiteral(
                     "Il possessore di buona fede fa suoi i frutti naturali separati fino al giorno della domanda giudiziale e i frutti civili maturati fino allo stesso giorno. Egli, fino alla restituzione della cosa, risponde verso il rivendicante dei frutti percepiti dopo la domanda giudiziale e di quelli che avrebbe potuto percepire dopo tale data, usando la diligenza di un buon padre di famiglia.")},
                 QStringLiteral(
                     "Commento: il possessore di buona fede trattiene i frutti percepiti fino alla domanda giudiziale; da quel momento risponde dei frutti verso il proprietario che rivendica la cosa.")},
                // 10: art. 1149
                {QStringLiteral("1149) Rimborso delle spese per la produzione e il raccolto dei frutti"),
                 {QStringLiteral(
                     "Il possessore che è tenuto a restituire i frutti indebitamente percepiti ha diritto al rimborso delle spese a norma del secondo comma dell'art. 821.")},
                 QStringLiteral(
                     "Commento: il possessore, anche se deve restituire i frutti percepiti senza diritto, recupera le spese sostenute per produrli e raccoglierli, ma soltanto entro il valore dei frutti stessi, come dispone il secondo comma dell'art. 821.")},
                // 11: art. 1150
                {QStringLiteral("1150) Riparazioni, miglioramenti e addizioni"),
                 {QStringLiteral(
                      "Il possessore, anche se di mala fede, ha diritto al rimborso delle spese fatte per le riparazioni straordinarie."),
                  QStringLiteral("Ha anche diritto a indennità per i miglioramenti recati alla cosa, purché sussistano al tempo della restituzione."), QStringLiteral("L'indennità si deve corrispondere nella misura dell'aumento di valore conseguito dalla cosa per effetto dei miglioramenti, se il possessore è di buona fede; se il possessore è di mala fede, nella minor somma tra l'importo della spesa e l'aumento di valore."), QStringLiteral("Se il possessore è tenuto alla restituzione dei frutti, gli spetta anche il rimborso delle spese fatte per le riparazioni ordinarie, limitatamente al tempo per il quale la restituzione è dovuta."),
                  QStringLiteral(
                      "Per le addizioni fatte dal possessore sulla cosa si applica il disposto dell'art. 936. Tuttavia, se le addizioni costituiscono miglioramento e il possessore è di buona fede, è dovuta un'indennità nella misura dell'aumento di valore conseguito dalla cosa.")},
                 QString()},
                // 12: art. 1151
                {QStringLiteral("1151) Pagamento delle indennità"),
                 {QStringLiteral(
                     "L'autorità giudiziaria, avuto riguardo alle circostanze, può disporre che il pagamento delle indennità previste dall'articolo precedente sia fatto ratealmente, ordinando, in questo caso, le opportune garanzie.")},
                 QStringLiteral(
                     "Commento: le indennità dovute al possessore per riparazioni e miglioramenti possono essere pagate a rate, se il giudice lo ritiene opportuno, purché siano prestate garanzie adeguate.")},
                // 13: art. 1152
                {
                    QStringLiteral("1152) Ritenzione a favore del possessore di buona fede"),
                    {QStringLiteral(
                         "Il possessore di buona fede può ritenere la cosa finché non gli siano corrisposte le indennità dovute, purché queste siano state domandate nel corso del giudizio di rivendicazione e sia stata fornita una prova generica della sussistenza delle riparazioni e dei miglioramenti."),
                     QStringLiteral(
                         "Egli ha lo stesso diritto finché non siano prestate le garanzie ordinate dall'autorità giudiziaria nel caso previsto dall'articolo precedente.")},
                    QStringLiteral(
                        "Commento: chi possiede in buona fede può trattenere la cosa finché non riceve le indennità per riparazioni e miglioramenti, a condizione di averle chieste nel giudizio di rivendicazione.")},
                // 14: art. 1153
                {QStringLiteral("1153) Effetti dell'acquisto del possesso"),
                 {QStringLiteral(
                      "Colui al quale sono alienati beni mobili da parte di chi non ne è proprietario, ne acquista la proprietà mediante il possesso, purché sia in buona fede al momento della consegna e sussista un titolo idoneo al trasferimento della proprietà."),
                  QStringLiteral(
                      "La proprietà si acquista libera da diritti altrui sulla cosa, se questi non risultano dal titolo e vi è la buona fede dell'acquirente."),
                  QStringLiteral("Nello stesso modo si acquistano i diritti di usufrutto, di uso e di pegno.")},
                 QStringLiteral(
                     "Commento: il possesso di beni mobili acquistato in buona fede da chi non è proprietario, in forza di un titolo idoneo, fa acquistare subito la proprietà, senza che debba trascorrere alcun termine; la regola non vale per le universalità di mobili e per i mobili iscritti in pubblici registri (art. 1156).")},
                // 15: art. 1154
                {QStringLiteral("1154) Conoscenza dell'illegittima provenienza della cosa"),
                 {QStringLiteral(
                     "A colui che ha acquistato conoscendo l'illegittima provenienza della cosa non giova l'erronea credenza che il suo autore o un precedente possessore ne sia divenuto proprietario.")},
                 QStringLiteral(
                     "Commento: l'illegittima provenienza della cosa non è sanata dalla convinzione, anche sincera, che il venditore o un possessore precedente ne sia divenuto proprietario: chi acquista sapendo che la cosa è rubata o comunque di provenienza illecita non è in buona fede.")},
                // 16: art. 1155
                {QStringLiteral("1155) Acquisto di buona fede e precedente alienazione ad altri"),
                 {QStringLiteral(
                     "Se taluno con successivi contratti aliena a più persone un bene mobile, quella tra esse che ne ha acquistato in buona fede il possesso è preferita alle altre, anche se il suo titolo è di data posteriore.")},
                 QStringLiteral(
                     "Commento: l'acquisto in buona fede è preferito quando lo stesso bene mobile è venduto a più persone: prevale chi ne ha ottenuto per primo il possesso in buona fede, anche se il suo titolo è più recente.")},
                // 17: art. 1156
                {QStringLiteral("1156) Universalità di mobili e mobili iscritti in pubblici registri"),
                 {QStringLiteral(
                     "Le disposizioni degli articoli precedenti non si applicano alle universalità di mobili e ai beni mobili iscritti in pubblici registri.")},
                 QStringLiteral(
                     "Commento: gli articoli 1153, 1154 e 1155 non valgono per le universalità di mobili e per i mobili iscritti in pubblici registri (navi, aeromobili, autoveicoli), per i quali provvedono gli articoli 1160 e 1162.")},
                // 18: art. 1157
                {QStringLiteral("1157) Possesso di titoli di credito"),
                 {QStringLiteral(
                     "Il possesso dei titoli di credito è regolato dalle norme del titolo V del libro IV.")},
                 QStringLiteral(
                     "Commento: la buona fede nel possesso dei titoli di credito (cambiali, assegni, azioni e simili), come ogni altro aspetto del loro possesso, non è regolata da queste norme ma da quelle proprie dei titoli di credito (articoli 1992 e seguenti).")},
                // 19: art. 1158
                {QStringLiteral("1158) Usucapione dei beni immobili e dei diritti reali immobiliari"),
                 {QStringLiteral(
                     "La proprietà dei beni immobili e gli altri diritti reali di godimento sui beni medesimi si acquistano in virtù del possesso continuato per venti anni.")},
                 QStringLiteral(
                     "Commento: la proprietà di beni immobili, e gli altri diritti reali di godimento su di essi, si acquistano con vent'anni di possesso continuato, anche senza titolo e anche in mala fede.")},
                // 20: art. 1159
                {QStringLiteral("1159) Usucapione decennale"),
                 {QStringLiteral(
                      "Colui che acquista in buona fede da chi non è proprietario un immobile, in forza di un titolo che sia idoneo a trasferire la proprietà e che sia stato debitamente trascritto, ne compie l'usucapione in suo favore col decorso di dieci anni dalla data della trascrizione."),
                  QStringLiteral(
                      "La stessa disposizione si applica nel caso di acquisto degli altri diritti reali di godimento sopra un immobile.")},
                 QStringLiteral(
                     "Commento: per l'usucapione decennale occorre la buona fede, un titolo idoneo a trasferire la proprietà e la sua trascrizione: i dieci anni decorrono dalla data della trascrizione.")},
                // 21: art. 1159 bis
                {QStringLiteral("1159 bis) Usucapione speciale per la piccola proprietà rurale"),
                 {QStringLiteral(
                      "La proprietà dei fondi rustici con annessi fabbricati situati in comuni classificati montani dalla legge si acquista in virtù del possesso continuato per quindici anni."),
                  QStringLiteral(
                      "Colui che acquista in buona fede da chi non è proprietario, in forza di un titolo che sia idoneo a trasferire la proprietà e che sia debitamente trascritto, un fondo rustico con annessi fabbricati, situati in comuni classificati montani dalla legge, ne compie l'usucapione in suo favore col decorso di cinque anni dalla data di trascrizione."),
                  QStringLiteral(
                      "La legge speciale stabilisce la procedura, le modalità e le agevolazioni per la regolarizzazione del titolo di proprietà."),
                  QStringLiteral(
                      "Le disposizioni di cui ai commi precedenti si applicano anche ai fondi rustici con annessi fabbricati, situati in comuni non classificati montani dalla legge, aventi un reddito non superiore ai limiti fissati dalla legge speciale.")},
                 QStringLiteral("Commento: la proprietà rurale si può acquistare con quindici anni di possesso se il fondo si trova in un comune montano o ha un reddito modesto, e con cinque anni se vi sono buona fede, titolo idoneo e trascrizione.")},
                // 22: art. 1160
                {QStringLiteral("1160) Usucapione delle universalità di mobili"),
                 {QStringLiteral(
                      "L'usucapione di un'universalità di mobili o di diritti reali di godimento sopra la medesima si compie in virtù del possesso continuato per venti anni."),
                  QStringLiteral(
                      "Nel caso di acquisto in buona fede da chi non è proprietario, in forza di titolo idoneo, l'usucapione si compie con il decorso di dieci anni.")},
                 QStringLiteral(
                     "Commento: l'usucapione di un'universalità di mobili, cioè di più cose mobili con una destinazione unitaria (per esempio una biblioteca o una mandria), o di un diritto reale di godimento su di essa si compie in venti anni, ridotti a dieci quando l'acquisto è avvenuto in buona fede e con titolo idoneo.")},
                // 23: art. 1161
                {QStringLiteral("1161) Usucapione dei beni mobili"),
                 {QStringLiteral(
                      "In mancanza di titolo idoneo, la proprietà dei beni mobili e gli altri diritti reali di godimento sui beni medesimi si acquistano in virtù del possesso continuato per dieci anni, qualora il possesso sia stato acquistato in buona fede."),
                  QStringLiteral(
                      "Se il possessore è di mala fede, l'usucapione si compie con il decorso di venti anni.")},
                 QStringLiteral(
                     "Commento: l'usucapione dei beni mobili si compie, quando manca un titolo idoneo, in dieci anni se il possesso è stato acquistato in buona fede e in venti anni se il possessore è in mala fede; con un titolo idoneo e la buona fede la proprietà si acquista invece subito, con la consegna (art. 1153).")},
                // 24: art. 1162
                {QStringLiteral("1162) Usucapione di beni mobili iscritti in pubblici registri"),
                 {QStringLiteral(
                      "Colui che acquista in buona fede da chi non è proprietario un bene mobile iscritto in pubblici registri, in forza di un titolo che sia idoneo a trasferire la proprietà e che sia stato debitamente trascritto, ne compie in suo favore l'usucapione col decorso di tre anni dalla data della trascrizione."),
                  QStringLiteral(
                      "Se non concorrono le condizioni previste dal comma precedente, l'usucapione si compie col decorso di dieci anni."),
                  QStringLiteral(
                      "Le stesse disposizioni si applicano nel caso di acquisto degli altri diritti reali di godimento.")},
                 QStringLiteral(
                     "Commento: l'usucapione si compie in tre anni per i beni mobili registrati (navi, aeromobili, autoveicoli) acquistati in buona fede con un titolo idoneo debitamente trascritto; negli altri casi occorrono dieci anni.")},
                // 25: art. 1163
                {QStringLiteral("1163) Vizi del possesso"),
                 {QStringLiteral(
                     "Il possesso acquistato in modo violento o clandestino non giova per l'usucapione se non dal momento in cui la violenza o la clandestinità è cessata.")},
                 QStringLiteral(
                     "Commento: non è possibile usucapire un bene in forza di un possesso acquistato con la violenza o di nascosto, finché il vizio dura: conta il modo in cui il possesso è stato acquistato, e il tempo utile per l'usucapione decorre soltanto dal momento in cui la violenza o la clandestinità sono cessate.")},
                // 26: art. 1164
                {QStringLiteral("1164) Interversione del possesso"),
                 {QStringLiteral(
                     "Chi ha il possesso corrispondente all'esercizio di un diritto reale su cosa altrui non può usucapire la proprietà della cosa stessa, se il titolo del suo possesso non è mutato per causa proveniente da un terzo o in forza di opposizione da lui fatta contro il diritto del proprietario. Il tempo necessario per l'usucapione decorre dalla data in cui il titolo del possesso è stato mutato.")},
                 QStringLiteral(
                     "Commento: il possesso dovuto ad un diritto reale su cosa altrui, per esempio l'usufrutto, non porta all'acquisto della proprietà, a meno che il titolo muti per causa di un terzo o per opposizione contro il proprietario: il tempo decorre da quel mutamento.")},
                // 27: art. 1165
                {QStringLiteral("1165) Applicazione di norme sulla prescrizione"),
                 {QStringLiteral(
                     "Le disposizioni generali sulla prescrizione, quelle relative alle cause di sospensione e d'interruzione e al computo dei termini si osservano, in quanto applicabili, rispetto all'usucapione.")},
                 QStringLiteral(
                     "Commento: richiama le norme relative alla prescrizione (articoli 2934 e seguenti), in particolare quelle sulla sospensione, sull'interruzione e sul computo dei termini.")},
                // 28: art. 1166
                {QStringLiteral("1166) Inefficacia delle cause d'impedimento e di sospensione rispetto al terzo possessore"),
                 {QStringLiteral(
                      "Nell'usucapione ventennale non hanno luogo, riguardo al terzo possessore di un immobile o di un diritto reale sopra un immobile, né l'impedimento derivante da condizione o da termine, né le cause di sospensione indicate dall'art. 2942."),
                  QStringLiteral(
                      "L'impedimento derivante da condizione o da termine e le cause di sospensione menzionate nel detto articolo non sono nemmeno opponibili al terzo possessore nella prescrizione per non uso dei diritti reali sui beni da lui posseduti.")},
                 QStringLiteral(
                     "Commento: le cause di impedimento e di sospensione qui considerate, cioè la condizione o il termine a cui è sottoposto il diritto e le sospensioni dell'articolo 2942 (a favore del minore o dell'interdetto senza rappresentante legale e dei militari in tempo di guerra), non sono opponibili al terzo possessore di un immobile o di un diritto reale immobiliare, né nel termine ventennale né nella prescrizione per non uso.")},
                // 29: art. 1167
                {QStringLiteral("1167) Interruzione dell'usucapione per perdita di possesso"),
                 {QStringLiteral(
                      "L'usucapione è interrotta quando il possessore è stato privato del possesso per oltre un anno."),
                  QStringLiteral(
                      "L'interruzione si ha come non avvenuta se è stata proposta l'azione diretta a ricuperare il possesso e questo è stato ricuperato.")},
                 QStringLiteral(
                     "Commento: i termini per l'usucapione sono interrotti se il possessore perde il possesso per più di un anno, salvo che abbia agito per riaverlo e lo abbia effettivamente recuperato.")},
                // 30: art. 1168
                {QStringLiteral("1168) Azione di reintegrazione"),
                 {QStringLiteral(
                      "Chi è stato violentemente od occultamente spogliato del possesso può, entro l'anno dal sofferto spoglio, chiedere contro l'autore di esso la reintegrazione del possesso medesimo."),
                  QStringLiteral(
                      "L'azione è concessa altresì a chi ha la detenzione della cosa, tranne il caso che l'abbia per ragioni di servizio o di ospitalità."),
                  QStringLiteral(
                      "Se lo spoglio è clandestino, il termine per chiedere la reintegrazione decorre dal giorno della scoperta dello spoglio."),
                  QStringLiteral(
                      "La reintegrazione deve ordinarsi dal giudice sulla semplice notorietà del fatto, senza dilazione.")},
                 QStringLiteral(
                     "Commento: chi perde il possesso per violenza o di nascosto può chiedere entro un anno di essere reintegrato; l'azione spetta anche al detentore, salvo che detenga per ragioni di servizio o di ospitalità.")},
                // 31: art. 1169
                {QStringLiteral("1169) Reintegrazione contro l'acquirente consapevole dello spoglio"),
                 {QStringLiteral(
                     "La reintegrazione si può domandare anche contro chi è nel possesso in virtù di un acquisto a titolo particolare, fatto con la conoscenza dell'avvenuto spoglio.")},
                 QStringLiteral(
                     "Commento: si può chiedere di essere reintegrati nel possesso anche contro chi ha acquistato la cosa dall'autore dello spoglio conoscendo lo spoglio avvenuto.")},
                // 32: art. 1170
                {QStringLiteral("1170) Azione di manutenzione"), {QStringLiteral("Chi è stato molestato nel possesso di un immobile, di un diritto reale sopra un immobile o di un'universalità di mobili può, entro l'anno dalla turbativa, chiedere la manutenzione del possesso medesimo."), QStringLiteral("L'azione è data se il possesso dura da oltre un anno, continuo e non interrotto, e non è stato acquistato violentemente o clandestinamente. Qualora il possesso sia stato acquistato in modo violento o clandestino, l'azione può nondimeno esercitarsi, decorso un anno dal giorno in cui la violenza o la clandestinità è cessata."), QStringLiteral("Anche colui che ha subito uno spoglio non violento o clandestino può chiedere di essere rimesso nel possesso, se ricorrono le condizioni indicate dal comma precedente.")}, QStringLiteral("Commento: chi ha il possesso da oltre un anno, continuo e non interrotto, di un immobile, di un diritto reale immobiliare o di un'universalità di mobili può chiedere, entro un anno dalla molestia, di essere mantenuto nel possesso.")},
            }};
    // clang-format on
    return tabella;
}

struct ArticoloCitato {
    int numero;
    QStringList commi;
    QString commento;
};

// The articles other windows quote, in the official wording like the 32 above.
const QList<ArticoloCitato>& citati()
{
    // clang-format off
    static const QList<ArticoloCitato> tabella =
        {
            {812,
             {QStringLiteral(
                  "Sono beni immobili il suolo, le sorgenti e i corsi d'acqua, gli alberi, gli edifici e le altre costruzioni, anche se unite al suolo a scopo transitorio, e in genere tutto ciò che naturalmente o artificialmente è incorporato al suolo."),
              QStringLiteral(
                  "Sono reputati immobili i mulini, i bagni e gli altri edifici galleggianti quando sono saldamente assicurati alla riva o all'alveo e sono destinati ad esserlo in modo permanente per la loro utilizzazione."),
              QStringLiteral("Sono mobili tutti gli altri beni.")},
             QString()},
            {816,
             {QStringLiteral(
                  "È considerata universalità di mobili la pluralità di cose che appartengono alla stessa persona e hanno una destinazione unitaria."),
              QStringLiteral(
                  "Le singole cose componenti la universalità possono formare oggetto di separati atti e rapporti giuridici.")},
             QString()},
            {822,
             {QStringLiteral(
                  "Appartengono allo Stato e fanno parte del demanio pubblico il lido del mare, la spiaggia, le rade e i porti; i fiumi, i torrenti, i laghi e le altre acque definite pubbliche dalle leggi in materia; le opere destinate alla difesa nazionale."),
              QStringLiteral(
                  "Fanno parimenti parte del demanio pubblico, se appartengono allo Stato, le strade, le autostrade e le strade ferrate; gli aerodromi; gli acquedotti; gli immobili riconosciuti d'interesse storico, archeologico e artistico a norma delle leggi in materia; le raccolte dei musei, delle pinacoteche, degli archivi, delle biblioteche; e infine gli altri beni che sono dalla legge assoggettati al regime proprio del demanio pubblico.")},
             QString()},
            // Quoted by the explanation of ownership.
            {832,
             {QStringLiteral(
                 "Il proprietario ha diritto di godere e disporre delle cose in modo pieno ed esclusivo, entro i limiti e con l'osservanza degli obblighi stabiliti dall'ordinamento giuridico.")},
             QString()},
            // Quoted by the judgments on the public domain and on non-apparent servitudes.
            {823,
             {QStringLiteral(
                 "I beni che fanno parte del demanio pubblico sono inalienabili e non possono formare oggetto di diritti a favore di terzi, se non nei modi e nei limiti stabiliti dalle leggi che li riguardano.")},
             QString()},
            {1061,
             {QStringLiteral(
                  "Le servitù non apparenti non possono acquistarsi per usucapione o per destinazione del padre di famiglia."),
              QStringLiteral(
                  "Non apparenti sono le servitù quando non si hanno opere visibili e permanenti destinate al loro esercizio.")},
             QString()},
            {2727,
             {QStringLiteral(
                 "Le presunzioni sono le conseguenze che la legge o il giudice trae da un fatto noto per risalire a un fatto ignorato.")},
             QStringLiteral("Commento: vedi anche gli altri articoli sulle presunzioni 2728 e 2729.")},
            {2730,
             {QStringLiteral(
                  "La confessione è la dichiarazione che una parte fa della verità di fatti ad essa sfavorevoli e favorevoli all'altra parte."),
              QStringLiteral("La confessione è giudiziale o stragiudiziale.")},
             QStringLiteral("Commento: vedi anche gli altri articoli sulla confessione 2731-2735.")},
            {2736,
             {QStringLiteral("Il giuramento è di due specie:"), QStringLiteral("1) è decisorio quello che una parte deferisce all'altra per farne dipendere la decisione totale o parziale della causa;"), QStringLiteral("2) è suppletorio quello che è deferito d'ufficio dal giudice a una delle parti al fine di decidere la causa quando la domanda o le eccezioni non sono pienamente provate, ma non sono del tutto sfornite di prova, ovvero quello che è deferito al fine di stabilire il valore della cosa domandata, se non si può accertarlo altrimenti.")},
             QStringLiteral("Commento: vedi anche gli altri articoli sul giuramento 2737-2739.")},
            {2943,
             {QStringLiteral(
                  "La prescrizione è interrotta dalla notificazione dell'atto con il quale si inizia un giudizio, sia questo di cognizione ovvero conservativo o esecutivo."),
              QStringLiteral("È pure interrotta dalla domanda proposta nel corso di un giudizio."),
              QStringLiteral("L'interruzione si verifica anche se il giudice adito è incompetente."),
              QStringLiteral(
                  "La prescrizione è inoltre interrotta da ogni altro atto che valga a costituire in mora il debitore e dall'atto notificato con il quale una parte, in presenza di compromesso o clausola compromissoria, dichiara la propria intenzione di promuovere il procedimento arbitrale, propone la domanda e procede, per quanto le spetta, alla nomina degli arbitri.")},
             QStringLiteral(
                 "Commento: vedi anche gli altri articoli sull'interruzione 2944 e 2945. Naturalmente il quarto comma dell'art. 2943 si riferisce unicamente al caso del debitore.")},
            {2944,
             {QStringLiteral(
                 "La prescrizione è interrotta dal riconoscimento del diritto da parte di colui contro il quale il diritto stesso può essere fatto valere.")},
             QStringLiteral(
                 "Commento: se la parte avversa riconosce il diritto dell'altro non è più necessario procedere oltre per accertarsene.")},
        };
    // clang-format on
    return tabella;
}

const ArticoloCitato* citato(int numero)
{
    for (const ArticoloCitato& a : citati())
        if (a.numero == numero)
            return &a;
    return nullptr;
}

bool valida(int posizione) { return posizione >= 1 && posizione <= numeroArticoli; }

}   // namespace

QString separatore() { return QString(20, QLatin1Char('-')); }

QString numeroArticolo(int posizione)
{
    if (!valida(posizione))
        return {};
    if (posizione == 21)
        return QStringLiteral("1159 bis");
    return QString::number(numeroStato(posizione));
}

int numeroStato(int posizione)
{
    const int numero = posizione + 1139;
    return numero > 1159 ? numero - 1 : numero;
}

QString didascalia(int posizione) { return valida(posizione) ? articoli()[posizione - 1].didascalia : QString(); }

QStringList commi(int posizione) { return valida(posizione) ? articoli()[posizione - 1].commi : QStringList(); }

QString commento(int posizione) { return valida(posizione) ? articoli()[posizione - 1].commento : QString(); }

QString testoArticolo(const QString& numero, const QStringList& paragrafi, const QString& commento)
{
    const QChar cr(13);
    QString testo = QStringLiteral("Articolo ") + numero + QStringLiteral(" del Codice Civile:") + cr;
    for (const QString& p : paragrafi)
        testo += p + cr;
    testo += separatore();
    if (!commento.isEmpty())
        testo += cr + commento;
    return testo;
}

QString testoVisualizzato(int posizione)
{
    if (!valida(posizione))
        return {};
    return testoArticolo(numeroArticolo(posizione), commi(posizione), commento(posizione));
}

QStringList righeStampa(int posizione) { return giustificaParagrafi(commi(posizione)); }

QStringList commiCitati(int articolo)
{
    const ArticoloCitato* a = citato(articolo);
    return a ? a->commi : QStringList();
}

QStringList commiArticolo(const QString& numero)
{
    for (int p = 1; p <= numeroArticoli; ++p)
        if (numeroArticolo(p) == numero)
            return commi(p);
    bool intero = false;
    const int articolo = numero.toInt(&intero);
    return intero ? commiCitati(articolo) : QStringList();
}

QStringList commiArticolo(int articolo) { return commiArticolo(QString::number(articolo)); }

QString commentoCitato(int articolo)
{
    const ArticoloCitato* a = citato(articolo);
    return a ? a->commento : QString();
}

QString testoCitato(int articolo)
{
    const ArticoloCitato* a = citato(articolo);
    if (!a || a->commento.isEmpty())
        return {};
    return testoArticolo(QString::number(articolo), a->commi, a->commento);
}

QString spiegazioneUniversalita()
{
    return (QStringList{QStringLiteral("L'universalità di mobili è definita dall'art.816 del Codice Civile:")}
            + commiCitati(816))
        .join(QChar(13));
}

QString spiegazioneBeni()
{
    return (QStringList{QStringLiteral("I beni immobili e mobili sono definiti dall'art.812 del Codice Civile:")}
            + commiCitati(812))
        .join(QChar(13));
}

// One paragraph that lists the goods of art. 822 in plain words.
QString spiegazioneDemanio()
{
    return QStringLiteral("I beni appartenenti al demanio pubblico sono indicati nell'art.822 del Codice Civile e rigua"
                          "rdano: il lido del mare, la spiaggia, le rade e i porti; i fiumi, i torrenti, i laghi e le"
                          " altre acque definite pubbliche dalle leggi in materia; le opere destinate alla difesa naz"
                          "ionale. Se appartengono allo Stato, fanno inoltre parte del demanio pubblico le strade, le"
                          " autostrade e le strade ferrate; gli aerodromi; gli acquedotti; gli immobili riconosciuti "
                          "d'interesse storico, archeologico e artistico; le raccolte dei musei, delle pinacoteche, d"
                          "egli archivi e delle biblioteche; infine gli altri beni che la legge assoggetta al regime "
                          "proprio del demanio pubblico. Tutti sono inalienabili e non usucapibili.");
}

}   // namespace CodiceCivile
