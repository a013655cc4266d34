#include "core/istruttoria.h"

#include "core/catalogo.h"
#include "core/citazione.h"
#include "core/date.h"

using namespace Qt::StringLiterals;

namespace {

QString breve(const std::optional<QDate>& d) { return d ? Date::formaBreve(*d) : QString(); }

bool mobileRegistrato(const std::optional<Tipologia>& t) { return t == Tipologia::MobiliRegistrati; }

RequisitoDaProvare identificazione(const std::optional<Tipologia>& t)
{
    if (suImmobile(t))
        return {u"L'identificazione del bene"_s,
                {u"visure e planimetrie catastali aggiornate, con foglio, particella e subalterno del bene, ed "
                 "estratto di mappa; se i confini sono incerti, una relazione tecnica con il rilievo dei luoghi"_s,
                 u"le ispezioni nei registri immobiliari sul bene, per individuare il proprietario iscritto contro "
                 "cui agire e i suoi danti causa"_s},
                {u"l'intestazione catastale a nome dell'attore e il pagamento delle imposte: identificano il bene "
                 "ma non provano il possesso, che è potere di fatto sulla cosa"_s}};
    if (mobileRegistrato(t))
        return {u"L'identificazione del bene"_s,
                {u"l'estratto del pubblico registro in cui il bene è iscritto, con i suoi dati identificativi e le "
                 "iscrizioni a nome del proprietario contro cui agire"_s},
                {u"l'iscrizione a nome dell'attore, se vi fosse, o il pagamento delle tasse sul bene: non provano il "
                 "possesso"_s}};
    return {u"L'identificazione del bene"_s,
            {u"una descrizione del bene (o delle cose che compongono l'universalità) con fotografie, fatture, "
             "certificati o altri documenti che lo individuino"_s},
            {}};
}

RequisitoDaProvare possesso(const Origini& o, bool immobile)
{
    const QString periodo = o.inizio && o.fine
                                ? u" per l'intero periodo dal %1 al %2"_s.arg(breve(o.inizio), breve(o.fine))
                                : u" per l'intero periodo richiesto dalla legge"_s;
    RequisitoDaProvare r{
        u"Il possesso e la sua durata"_s,
        {u"testimoni che riferiscano fatti specifici e circostanziati di godimento del bene (coltivazione, "
         "recinzione, manutenzione, uso, concessione a terzi)"_s
             + periodo,
         u"documenti datati che mostrino l'attore in rapporto con il bene all'inizio e alla fine del periodo "
         "(contratti di fornitura, fatture di lavori, corrispondenza, fotografie): provato il possesso "
         "iniziale e quello attuale, quello intermedio si presume (art. 1142 c.c.)"_s},
        {u"testimonianze che si limitino ad affermare che l'attore è proprietario o possessore: esprimono un "
         "giudizio, non fatti percepiti"_s}};
    if (immobile)
        r.inutili << u"l'intestazione catastale, il pagamento delle imposte o la denuncia di successione, che non "
                     "provano alcun potere di fatto sulla cosa"_s;
    return r;
}

RequisitoDaProvare modo(const Origini& o)
{
    RequisitoDaProvare r{u"Il possesso pacifico e pubblico"_s,
                         {u"testimoni, come i vicini o i confinanti, che riferiscano come il possesso fu preso ed "
                          "esercitato in modo visibile e senza violenza"_s},
                         {u"dichiarazioni generiche sulla \"tranquillità\" del possesso, prive di fatti"_s}};
    if (o.cessazioneVizio)
        r.utili << u"la prova del giorno in cui la violenza o la clandestinità sono cessate (il %1): soltanto da "
                   "allora il possesso giova all'usucapione (art. 1163 c.c.)"_s.arg(breve(o.cessazioneVizio));
    return r;
}

RequisitoDaProvare animo(bool detenzione)
{
    RequisitoDaProvare r{u"Il possesso come titolare del diritto, non come detentore"_s,
                         {u"atti che soltanto il titolare del diritto compie (opere sul bene, recinzione, "
                          "concessione a terzi con riscossione dei canoni): il possesso si presume in chi esercita "
                          "il potere di fatto (art. 1141, primo comma, c.c.)"_s},
                         {u"il solo decorso del tempo, la cessazione del pagamento del canone o un'intenzione non "
                          "manifestata, che non mutano la detenzione in possesso"_s}};
    if (detenzione)
        r.utili << u"l'atto di interversione e la sua data: l'opposizione fatta contro il possessore o il titolo "
                   "ricevuto da un terzo (art. 1141, secondo comma, c.c.), dalla quale soltanto decorre il possesso"_s;
    return r;
}

RequisitoDaProvare titolo(const Termine& t, const std::optional<Tipologia>& tipologia)
{
    const QString articolo = QString::fromLatin1(t.articolo);
    const QString buonaFede = u"la buona fede, che si presume e basta che vi sia stata al tempo dell'acquisto (art. "
                              "1147 c.c.): tenere pronte le circostanze dell'acquisto (il prezzo, le verifiche "
                              "compiute) contro una prova contraria"_s;
    if (t.anni == 0)
        return {u"Il titolo e la buona fede (art. 1153 c.c.)"_s,
                {u"il titolo idoneo a trasferire la proprietà (la vendita, la permuta, la donazione) e la prova della "
                 "consegna del bene"_s,
                 buonaFede},
                {u"la sola consegna senza un titolo, che lascia all'attore soltanto l'usucapione (art. 1161 c.c.)"_s}};
    if (!t.daTrascrizione)
        return {u"Il titolo e la buona fede (%1 c.c.)"_s.arg(articolo),
                {u"il titolo idoneo a trasferire il diritto, in forma scritta"_s, buonaFede},
                {u"testimoni o presunzioni sull'esistenza del titolo, che deve risultare dal documento"_s}};
    RequisitoDaProvare r{
        u"Il titolo trascritto e la buona fede (%1 c.c.)"_s.arg(articolo),
        {u"copia autentica del titolo (atto pubblico o scrittura privata autenticata), idoneo in astratto a "
         "trasferire il diritto"_s,
         mobileRegistrato(tipologia)
             ? u"la nota di trascrizione del titolo nel pubblico registro: dalla sua data decorre il termine"_s
             : u"la nota di trascrizione del titolo e l'ispezione ipotecaria che la riporta: dalla sua data decorre il "
               "termine"_s,
         buonaFede},
        {u"testimoni o presunzioni sull'esistenza del titolo, che deve risultare per iscritto"_s,
         u"un contratto preliminare, un titolo nullo o una scrittura privata non autenticata, che non valgono come "
         "titolo idoneo trascritto"_s}};
    if (tipologia == Tipologia::PiccolaProprietaRurale)
        r.utili << u"i documenti che mostrino la natura rustica del fondo e dei fabbricati annessi e la "
                   "classificazione montana del comune, o il reddito entro i limiti della legge speciale"_s;
    return r;
}

// The interruption the defendant opposed, or the plaintiff conceded, and what keeps it from counting.
std::optional<RequisitoDaProvare> interruzione(const Origini& o, const Fatti& f)
{
    RequisitoDaProvare r{u"Il possesso non interrotto"_s, {}, {}};
    switch (o.opposizione) {
    case Opposizione::Recuperato:
        r.utili << u"l'atto con cui fu proposta l'azione di reintegrazione entro l'anno dallo spoglio e il "
                   "provvedimento che ha restituito il possesso: l'interruzione si ha allora come non avvenuta "
                   "(art. 1167 c.c.)"_s;
        break;
    case Opposizione::NonOltreUnAnno:
        r.utili << u"testimoni o documenti sul giorno in cui l'attore è rientrato nel possesso (il %1): una "
                   "privazione non superiore all'anno non interrompe (art. 1167 c.c.)"_s.arg(breve(o.fineInterruzione));
        break;
    case Opposizione::Diffida:
        r.utili << u"nessuna prova contraria occorre contro la diffida, che non interrompe il termine"_s;
        break;
    default:
        if (o.opposizione == Opposizione::NonProposta && o.attoFineDate == TipoInterruzione::Nessuna
            && f.interruzione != Interruzione::OltreUnAnno && f.interruzione != Interruzione::MenoDiUnAnno)
            return std::nullopt;
        r.utili << u"testimoni sulla continuità del godimento anche nei periodi che il convenuto indica come "
                   "interrotti"_s;
        if (f.interruzione == Interruzione::OltreUnAnno || o.tipoInterruzione == TipoInterruzione::PerditaPossesso)
            r.utili << u"se il possesso perduto fu recuperato, l'atto dell'azione proposta entro l'anno e il "
                       "provvedimento che lo ha restituito (art. 1167 c.c.)"_s;
        if (o.tipoInterruzione == TipoInterruzione::Domanda || o.attoFineDate == TipoInterruzione::Domanda)
            r.utili << u"gli atti del giudizio promosso contro l'attore e, se si è estinto, il provvedimento che lo "
                       "dichiara (art. 2945 c.c.)"_s;
    }
    r.inutili << u"lettere di protesta dell'attore contro lo spoglio: conta soltanto il possesso recuperato o "
                 "mai perduto"_s;
    return r;
}

// The change that turns the judgment on one objection: the first whose facts differ there.
template <class Diverso> QString cambiamento(const Alternative& a, Diverso diverso)
{
    for (const Cambiamento& c : a.cambiamenti)
        if (diverso(c.fatti))
            return c.testo;
    return {};
}

}   // namespace

bool suImmobile(const std::optional<Tipologia>& t)
{
    if (!t)
        return false;
    switch (*t) {
    case Tipologia::UniversalitaMobili:
    case Tipologia::BeniMobili:
    case Tipologia::MobiliRegistrati: return false;
    default: return true;
    }
}

ProveDaRaccogliere proveDaRaccogliere(const Giudizio& g)
{
    ProveDaRaccogliere p;
    const Fatti f = fattiDellaCausa(g.causa);
    const Decisione& d = g.decisione;
    const Origini& o = d.origini;
    p.requisiti.push_back(identificazione(f.tipologia));
    p.requisiti.push_back(possesso(o, suImmobile(f.tipologia)));
    p.requisiti.push_back(modo(o));
    p.requisiti.push_back(animo(f.animo == Animo::PerContoAltrui || o.animo == Fonte::Convenuto));
    // The title and good faith when the term claimed or reached asks for them.
    const Termine t = d.compiuta ? termineDellAcquisto(d) : termineApplicabile(f.tipologia, f.fede, f.titolo);
    const Termine lungo = termineApplicabile(f.tipologia, Fede::Mala, Titolo::Mancante);
    if (t.anni >= 0 && t.anni < lungo.anni)
        p.requisiti.push_back(titolo(t, f.tipologia));
    if (const std::optional<RequisitoDaProvare> i = interruzione(o, f))
        p.requisiti.push_back(*i);
    if (d.fattori.tolleranza)
        p.requisiti.push_back({u"Il godimento non tollerato"_s,
                               {u"testimoni sulla durata, la frequenza e l'entità del godimento e sull'assenza di "
                                "rapporti di parentela, amicizia o buon vicinato che possano spiegarlo (art. 1144 "
                                "c.c.)"_s},
                               {u"il solo silenzio del proprietario, che non esclude la tolleranza"_s}});

    // The objections proved, with what meets each; for a lost case the change that would turn it.
    const bool perde = d.esito == Esito::Perde;
    const auto replica = [&](const QString& obiezione, const QString& risposta, auto diverso) {
        p.repliche.push_back({obiezione, risposta, perde ? cambiamento(g.alternative, diverso) : QString()});
    };
    if (o.anni == Fonte::Convenuto)
        replica(u"Il convenuto ha provato date che accorciano il possesso (dal %1 al %2)."_s.arg(breve(o.inizio),
                                                                                                 breve(o.fine)),
                u"Testimoni e documenti datati che collochino l'inizio del possesso al %1 e lo mostrino fino al %2, "
                "come l'attore afferma."_s.arg(breve(f.possessoInizio), breve(f.possessoFine)),
                [&](const Fatti& c) {
                    return c.ledateInizio != f.ledateInizio || c.ledateFine != f.ledateFine
                           || c.provaInizioDate != f.provaInizioDate || c.provaFineDate != f.provaFineDate;
                });
    if (o.interruzione == Fonte::Convenuto) {
        const NomeInterruzione n = nomeInterruzione(o.tipoInterruzione);
        QString risposta;
        switch (o.tipoInterruzione) {
        case TipoInterruzione::Domanda:
            risposta = u"Verificare che la domanda fosse rivolta contro il possessore per recuperare il bene e se quel "
                       "giudizio si è estinto: in tal caso il termine ricomincia dalla notificazione (art. 2945 c.c.). "
                       "Produrre gli atti di quel giudizio."_s;
            break;
        case TipoInterruzione::Riconoscimento:
            risposta =
                u"Provare che l'atto non esprimeva in modo inequivoco il riconoscimento del diritto altrui (artt. "
                "1165 e 2944 c.c.), come trattative dirette a prevenire una lite; altrimenti il termine "
                "ricomincia dal riconoscimento."_s;
            break;
        default:
            risposta = u"Provare che il possesso fu recuperato con l'azione proposta entro l'anno dallo spoglio, o "
                       "che la privazione non è durata oltre un anno (art. 1167 c.c.); altrimenti il termine "
                       "ricomincia dal recupero."_s;
        }
        replica(u"Il convenuto ha provato che il possesso fu interrotto %1 (%2)."_s.arg(n.dal, dateInterruzione(o)),
                risposta, [&](const Fatti& c) {
                    return c.interruzioneInizio != f.interruzioneInizio || c.interruzioneFine != f.interruzioneFine
                           || c.provaInizioInterruzione != f.provaInizioInterruzione
                           || c.provaFineInterruzione != f.provaFineInterruzione || c.recupero != f.recupero
                           || c.statoGiudizio != f.statoGiudizio || c.atto != f.atto
                           || c.provaFineDate != f.provaFineDate;
                });
    }
    if (o.modo == Fonte::Convenuto)
        replica(u"Il convenuto ha provato che il possesso fu acquistato in modo violento o clandestino."_s,
                u"Provare il giorno in cui la violenza o la clandestinità sono cessate, dal quale il possesso giova "
                "all'usucapione (art. 1163 c.c.), oppure contrastare la prova con testimoni sul modo visibile e "
                "senza violenza in cui il possesso fu preso."_s,
                [&](const Fatti& c) {
                    return c.obiezioneModo != f.obiezioneModo || c.cessazioneVizio != f.cessazioneVizio;
                });
    if (o.animo == Fonte::Convenuto)
        replica(u"Il convenuto ha provato che l'attore deteneva il bene per conto altrui."_s,
                u"Provare l'interversione con la sua data: l'opposizione fatta contro il possessore o il titolo "
                "ricevuto da un terzo (art. 1141, secondo comma, c.c.), dalla quale decorre il possesso utile."_s,
                [&](const Fatti& c) { return c.obiezioneAnimo != f.obiezioneAnimo; });
    if (o.fede == Fonte::Convenuto)
        replica(u"Il convenuto ha provato la mala fede dell'attore."_s,
                u"La buona fede si presume e basta che vi sia stata al tempo dell'acquisto (art. 1147 c.c.): "
                "contrastare la prova con le circostanze dell'acquisto, o fondare la domanda sul termine più lungo, "
                "che non la richiede."_s,
                [&](const Fatti& c) { return c.obiezioneFede != f.obiezioneFede; });
    if (o.titolo == Fonte::Convenuto)
        replica(u"Il convenuto ha provato che manca un titolo idoneo."_s,
                u"Produrre il titolo scritto, idoneo in astratto a trasferire il diritto, con la nota della sua "
                "trascrizione dove occorre, o fondare la domanda sul termine più lungo, che non lo richiede."_s,
                [&](const Fatti& c) { return c.obiezioneTitolo != f.obiezioneTitolo; });
    if (o.provenienza == Fonte::Convenuto)
        replica(u"Il convenuto ha provato la provenienza illecita della cosa."_s,
                u"La provenienza illecita nuoce soltanto a chi la conosceva quando acquistò (art. 1154 c.c.): provare "
                "la buona fede di allora, o fondare la domanda sul possesso ventennale (art. 1161 c.c.)."_s,
                [&](const Fatti& c) { return c.obiezioneProvenienza != f.obiezioneProvenienza; });
    if (d.fattori.tolleranza)
        replica(u"Il convenuto ha provato atti di tolleranza."_s,
                u"Provare che il godimento, per la sua durata, la sua intensità e l'assenza di rapporti personali tra "
                "le parti, non era tollerato ma esercitato come diritto (art. 1144 c.c.)."_s,
                [&](const Fatti& c) {
                    return c.obiezioneModo != f.obiezioneModo || c.obiezioneAnimo != f.obiezioneAnimo
                           || c.obiezioneFede != f.obiezioneFede || c.obiezioneTitolo != f.obiezioneTitolo
                           || c.obiezioneProvenienza != f.obiezioneProvenienza;
                });
    return p;
}

QString titoloProve() { return QStringLiteral("Prove da raccogliere per l'attore"); }

QStringList righeProve(const ProveDaRaccogliere& p)
{
    QStringList r;
    for (const RequisitoDaProvare& q : p.requisiti) {
        r << q.requisito + QLatin1Char(':');
        for (const QString& s : q.utili)
            r << QStringLiteral("  + ") + s;
        for (const QString& s : q.inutili)
            r << QStringLiteral("  - non basta: ") + s;
    }
    if (!p.repliche.empty())
        r << QStringLiteral("Contro le obiezioni provate dal convenuto:");
    for (const ReplicaObiezione& x : p.repliche) {
        r << QStringLiteral("  ") + x.obiezione + QLatin1Char(' ') + x.replica;
        if (!x.cambierebbe.isEmpty())
            r << QStringLiteral("    ") + x.cambierebbe;
    }
    return r;
}
