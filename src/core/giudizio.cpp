#include "core/giudizio.h"

#include "core/statocausa.h"
#include "core/tabellecausa.h"
#include "core/spiegazione.h"

using namespace TabelleCausa;

namespace {

const QString nessuna = QStringLiteral("nessuna obiezione");

// The proof named by an objection's choice: none chosen is said so, and a number naming no proof
// of its list (a damaged archive) too.
QString prova(const Obiezione& o, Scelta scelta, bool fine = false)
{
    if (scelta.value_or(0) == 0)
        return QStringLiteral("non indicata");
    const QString d = didascaliaProva(o, scelta, fine);
    return d.isEmpty() ? QStringLiteral("prova non riconosciuta (n. %1)").arg(*scelta) : senzaPunti(d);
}

// What interrupted and where the act stands, for the objection's lines: the claim pending, decided
// or extinguished, the possession recovered within the year.
QString attoDetto(const DatiCausa& d)
{
    switch (d.attoInterruzione()) {
    case AttoInterruttivo::DomandaGiudiziale:
        return d.statoGiudizio == StatoGiudizio::Estinto    ? QStringLiteral("domanda giudiziale, processo estinto")
               : d.statoGiudizio == StatoGiudizio::Pendente ? QStringLiteral("domanda giudiziale, giudizio pendente")
                                                            : QStringLiteral("domanda giudiziale");
    case AttoInterruttivo::Riconoscimento: return QStringLiteral("riconoscimento del diritto del proprietario");
    case AttoInterruttivo::PerditaPossesso: break;
    }
    return d.recupero == Recupero::EntroLAnno
               ? QStringLiteral("perdita del possesso, recuperato con l'azione entro l'anno")
               : QStringLiteral("perdita del possesso");
}

}   // namespace

QString senzaPunti(const QString& didascalia)
{
    QString t = didascalia;
    t.remove(QChar(u'.'));
    return t;
}

Fatti fattiDellaCausa(const Causa& causa) { return Fatti::da(causa); }

QStringList righeFatti(const Causa& causa) { return righeFatti(causa, Fatti::da(causa)); }

QStringList righeFatti(const Causa& causa, const Fatti& fatti)
{
    const TestiCausa& t = causa.testi;
    const DatiCausa& d = causa.scelte;
    QStringList f{
        QStringLiteral("- nome dell'attore: ") + t.attore,
        QStringLiteral("- nome del convenuto: ") + t.convenuto,
        QStringLiteral("- bene: ") + t.bene,
        QStringLiteral("- luogo: ") + t.luogo,
        QStringLiteral("- tipologia di usucapione: ") + nomeTipologia(d.tipologia),
        QStringLiteral("- data d'inizio del possesso: ") + t.possessoInizio,
        QStringLiteral("- data di fine del possesso: ") + t.possessoFine,
        // The duration text opens with its own blank.
        QStringLiteral("- durata del possesso:") + StatoCausa::durata(fatti.possessoInizio, fatti.possessoFine),
    };
    const char* const voci[6] = {
        "- durata dell'interruzione del possesso: ",
        "- modo di acquisto del possesso: ",
        "- psicologia del possessore: ",
        "- provenienza della cosa: ",
        "- fede del possessore: ",
        "- acquisto del bene da chi non è proprietario: ",
    };
    for (int k = 1; k <= 6; ++k)
        f << QString::fromUtf8(voci[k - 1]) + didascaliaRisposta(k, requisiti()[size_t(k - 1)].variabile.numero(d));
    // The optional dates, when given.
    if (!t.cessazioneVizio.trimmed().isEmpty())
        f << QStringLiteral("- violenza o clandestinità cessate il: ") + t.cessazioneVizio;
    if (!t.trascrizione.trimmed().isEmpty())
        f << QStringLiteral("- titolo trascritto il: ") + t.trascrizione;
    return f;
}

QStringList righeObiezioni(const Causa& causa)
{
    const TestiCausa& t = causa.testi;
    const DatiCausa& d = causa.scelte;
    QStringList o;
    // A date objection stands on its start proof.
    const char* const date[2][2] = {
        {"- data d'inizio del possesso: ", "- data di fine del possesso: "},
        {"- data d'inizio dell'interruzione del possesso: ", "- data di fine dell'interruzione del possesso: "},
    };
    for (int k = 1; k <= 2; ++k) {
        const Obiezione& x = obiezione(k);
        const bool sollevata = StatoCausa::obiezioneSollevata(d, k);
        // An act of one day (an acknowledgement, a claim extinguished or pending) has no second date.
        const bool unGiorno = k == 2 && !StatoCausa::interruzioneChiedeFine(d);
        const QString nonRichiesta = QStringLiteral("non richiesta");
        o << QString::fromUtf8(date[k - 1][0]) + (sollevata ? t.*x.dataInizio : nessuna)
          << QString::fromUtf8(date[k - 1][1])
                 + (!sollevata ? nessuna
                    : unGiorno ? nonRichiesta
                               : t.*x.dataFine)
          << QStringLiteral("- ") + x.titolo + (sollevata ? prova(x, x.prova.numero(d)) : nessuna)
          << QStringLiteral("- ") + x.titoloFine
                 + (!sollevata ? nessuna
                    : unGiorno ? nonRichiesta
                               : prova(x, x.provaFine.numero(d), true));
        if (k == 2 && sollevata)
            o << QStringLiteral("- atto interruttivo: ") + attoDetto(d);
    }
    for (int k = 3; k <= obiezioni; ++k) {
        const Obiezione& x = obiezione(k);
        o << QStringLiteral("- ") + x.titolo
                 + (StatoCausa::obiezioneSollevata(d, k) ? prova(x, x.prova.numero(d)) : nessuna);
    }
    return o;
}

std::optional<Giudizio> giudica(const Causa& causa)
{
    // The record is read once: the completeness, the decision and the lines all read these facts.
    const Fatti fatti = Fatti::da(causa);
    if (!StatoCausa::giudicabile(causa, fatti))
        return std::nullopt;
    Giudizio g;
    g.causa = causa;
    g.decisione = decidi(fatti);
    g.sentenza = {g.decisione.chiave, testoSentenza(g.decisione), testoCommento(g.decisione, causa.testi.attore)};
    g.fatti = righeFatti(causa, fatti);
    g.obiezioni = righeObiezioni(causa);
    g.perche = spiegazione(g.decisione);
    g.alternative = cercaAlternative(fatti, g.decisione);
    return g;
}
