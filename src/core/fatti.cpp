#include "core/fatti.h"

#include "core/date.h"

namespace {

// An answer that names one of its options, from the first to `ultima`.
template <class E>
bool risposta(const std::optional<E>& r, E ultima)
{
    return r && qint16(*r) >= 1 && *r <= ultima;
}

} // namespace

Fatti Fatti::da(const Causa& causa)
{
    const DatiCausa& d = causa.scelte;
    const TestiCausa& t = causa.testi;
    Fatti f;
    f.tipologia = daNumero<Tipologia>(d.tipologia);
    f.interruzione = daNumero<Interruzione>(d.sceltainterr);
    f.modo = daNumero<Modo>(d.sceltamodus);
    f.animo = daNumero<Animo>(d.sceltapsic);
    f.provenienza = daNumero<Provenienza>(d.sceltaprov);
    f.fede = daNumero<Fede>(d.sceltafed);
    f.titolo = daNumero<Titolo>(d.sceltaacq);
    f.obiezioneModo = daNumero<ProvaRequisito>(d.obiezmodo);
    f.obiezioneAnimo = daNumero<ProvaRequisito>(d.obiezpsiche);
    f.obiezioneProvenienza = daNumero<ProvaRequisito>(d.obiezprov);
    f.obiezioneFede = daNumero<ProvaRequisito>(d.obiezfede);
    f.obiezioneTitolo = daNumero<ProvaRequisito>(d.obiezacq);
    f.possessoInizio = Date::leggi(t.possessoInizio);
    f.possessoFine = Date::leggi(t.possessoFine);
    f.ledateInizio = Date::leggi(t.ledateInizio);
    f.ledateFine = Date::leggi(t.ledateFine);
    f.provaInizioDate = daNumero<ProvaCorta>(d.ledatin);
    f.provaFineDate = daNumero<ProvaLunga>(d.ledatfin);
    f.interruzioneInizio = Date::leggi(t.interruzioneInizio);
    f.interruzioneFine = Date::leggi(t.interruzioneFine);
    f.provaInizioInterruzione = daNumero<ProvaLunga>(d.interdatin);
    f.provaFineInterruzione = daNumero<ProvaCorta>(d.interdatfin);
    f.atto = daNumero<AttoInterruttivo>(d.tipointerr);
    f.estinzione = daNumero<EstinzioneGiudizio>(d.domandaestinta);
    f.recupero = daNumero<Recupero>(d.recupero1167);
    f.trascrizione = Date::leggi(t.trascrizione);
    f.cessazioneVizio = Date::leggi(t.cessazioneVizio);
    return f;
}

bool requisitiRisposti(const Fatti& f)
{
    return risposta(f.interruzione, Interruzione::Nessuna) && risposta(f.modo, Modo::PacificoPubblico)
        && risposta(f.animo, Animo::DaTitolare) && risposta(f.provenienza, Provenienza::Illegittima)
        && risposta(f.fede, Fede::Mala) && risposta(f.titolo, Titolo::Mancante);
}
