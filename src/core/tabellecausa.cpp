#include "core/tabellecausa.h"

namespace TabelleCausa {

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

// The proofs a questionnaire offers: the nine common ones, then acts of tolerance, formal notice
// and no proof.
QString didascaliaQuestionario(int i)
{
    switch (i) {
    case 10: return QStringLiteral("atti di tolleranza............................");
    case 11: return Prove::didascalia(ProvaLunga::Diffida);
    case 12: return Prove::didascalia(ProvaLunga::Nessuna);
    default: return i >= 1 && i <= 9 ? Prove::didascalia(Prove::Prova(i)) : QString();
    }
}

Obiezione questionario(const char* finestra, CampoRisposta prova, const char* titolo)
{
    return {finestra, prova, {}, nullptr, nullptr, u(titolo), QString(), {}, {}};
}

}   // namespace

QString didascaliaTipologia(int i)
{
    static const char* const didascalie[tipologie] = {
        "proprietà.........................................", "enfiteusi..........................................",
        "usufrutto.........................................", "uso.................................................",
        "abitazione.......................................",  "servitù apparenti.............................",
        "servitù non apparenti......................",        "piccola proprietà rurale...................",
        "universalità di mobili........................",     "beni mobili......................................",
        "beni mobili iscritti in pubblici registri",          "beni mobili e immobili appartenenti al demanio pubblico",
    };
    return i >= 1 && i <= tipologie ? u(didascalie[i - 1]) : QString();
}

QString nomeTipologia(const std::optional<Tipologia>& t) { return nomeTipologia(numero(t).value_or(0)); }

QString nomeTipologia(int i)
{
    QString nome = didascaliaTipologia(i);
    while (nome.endsWith(u'.'))
        nome.chop(1);
    return nome;
}

const std::vector<Requisito>& requisiti()
{
    static const std::vector<Requisito> t = {
        {"interr",
         "Interruzione del possesso tra le due date",
         {"per meno di un anno", "per oltre un anno", "nessuna interruzione del possesso"},
         0,
         CampoRisposta::di<&DatiCausa::interruzione>(),
         29,
         "cliccare per opporsi alla interruzione del possesso",
         2,
         "L'obiezione non ha senso in quanto l'attore riconosce che il possesso è stato interrotto per oltre un anno.",
         "Scegliere prima la tipologia della maggiore interruzione del possesso.",
         "interruzione"},
        {"modus",
         "Modo di acquisto del possesso",
         {"acquistato in modo violento o clandestino", "acquistato in modo pacifico e pubblico"},
         3,
         CampoRisposta::di<&DatiCausa::modo>(),
         25,
         "cliccare per opporsi al modo di acquisto del possesso",
         1,
         "L'obiezione non ha senso in quanto l'attore riconosce che il modo di acquisto del possesso è stato 'violento o clandestino'.",
         "Scegliere prima l'opzione sul modo di acquisto del possesso.",
         "modo"},
        {"psic",
         "Condizione psicologica del possessore",
         {"ha posseduto per conto del proprietario", "ha posseduto con l'animo del padrone"},
         5,
         CampoRisposta::di<&DatiCausa::animo>(),
         2,
         "cliccare per opporsi alla condizione psicologica del possessore",
         1,
         "L'obiezione non ha senso in quanto l'attore riconosce di aver posseduto per conto del proprietario.",
         "Scegliere prima l'opzione sulla condizione psicologica del possessore.",
         "psiche"},
        {"prov",
         "Provenienza della cosa",
         {"la provenienza della cosa è legittima", "la provenienza della cosa è illegittima"},
         7,
         CampoRisposta::di<&DatiCausa::provenienza>(),
         15,
         "cliccare per opporsi alla provenienza della cosa",
         2,
         "L'obiezione non ha senso in quanto l'attore riconosce che la provenienza della cosa da usucapire è 'illegittima'.",
         "Scegliere prima l'opzione sulla provenienza della cosa.",
         "provenienza"},
        {"fed",
         "Fede del possessore",
         {"il possessore è di buona fede", "il possessore è di mala fede"},
         9,
         CampoRisposta::di<&DatiCausa::fede>(),
         8,
         "cliccare per opporsi alla fede del possessore",
         2,
         "L'obiezione non ha senso in quanto l'attore riconosce di essere in 'mala fede'.",
         "Scegliere prima l'opzione sulla fede del possessore.",
         "fede"},
        {"acq",
         "Acquisto da chi non è proprietario",
         {"sì, con atto regolare", "no"},
         11,
         CampoRisposta::di<&DatiCausa::titolo>(),
         0,
         "cliccare per opporsi alle modalità di acquisto della proprietà",
         0,
         "",
         "Scegliere prima l'opzione sull'acquisto da chi non è proprietario.",
         "acquisto"},
    };
    return t;
}

QString didascaliaRisposta(int k, Scelta risposta)
{
    if (k < 1 || k > int(requisiti().size()))
        return {};
    const auto& opzioni = requisiti()[size_t(k - 1)].opzioni;
    const int i = risposta.value_or(0);
    return i >= 1 && i <= int(opzioni.size()) ? u(opzioni[size_t(i - 1)]) : QString();
}

const std::vector<Obiezione>& tabellaObiezioni()
{
    static const std::vector<Obiezione> t = {
        {"ledate", CampoRisposta::di<&DatiCausa::provaInizioDate>(), CampoRisposta::di<&DatiCausa::provaFineDate>(),
         &TestiCausa::ledateInizio, &TestiCausa::ledateFine,
         QStringLiteral("la data iniziale del possesso risulta da: "),
         QStringLiteral("la data finale del possesso risulta da: "), Prove::corta(), Prove::lunga()},
        {"interruzione", CampoRisposta::di<&DatiCausa::provaInizioInterruzione>(),
         CampoRisposta::di<&DatiCausa::provaFineInterruzione>(), &TestiCausa::interruzioneInizio,
         &TestiCausa::interruzioneFine, QStringLiteral("l'inizio dell'interruzione risulta da: "),
         QStringLiteral("la fine dell'interruzione risulta da: "), Prove::lunga(), Prove::corta()},
        questionario("modo", CampoRisposta::di<&DatiCausa::obiezioneModo>(),
                     "il possesso acquistato in modo violento o clandestino risulta da: "),
        questionario("psiche", CampoRisposta::di<&DatiCausa::obiezioneAnimo>(),
                     "il possesso dell'attore per conto del padrone risulta da: "),
        questionario("provenienza", CampoRisposta::di<&DatiCausa::obiezioneProvenienza>(),
                     "la provenienza illegittima della cosa risulta da: "),
        questionario("fede", CampoRisposta::di<&DatiCausa::obiezioneFede>(),
                     "la mala fede del possessore risulta da: "),
        questionario("acquisto", CampoRisposta::di<&DatiCausa::obiezioneTitolo>(),
                     "l'acquisto da non proprietari senza titolo idoneo e/o senza trascrizione risulta da: "),
    };
    return t;
}

const Obiezione& obiezione(int k) { return tabellaObiezioni().at(size_t(qBound(1, k, obiezioni) - 1)); }

QString didascaliaProva(const Obiezione& o, Scelta i, bool fine)
{
    const int n = i.value_or(0);
    if (!o.provaFine.numero)
        return didascaliaQuestionario(n);
    const QVector<Prove::Prova>& prove = fine ? o.proveFine : o.prove;
    return n >= 1 && n <= prove.size() ? Prove::didascalia(prove[n - 1]) : QString();
}

}   // namespace TabelleCausa
