#include "core/fatti.h"

#include "core/date.h"

namespace {

// An answer that names one of its options, from the first to `ultima`.
template <class E> bool risposta(const std::optional<E>& r, E ultima) { return r && qint16(*r) >= 1 && *r <= ultima; }

}   // namespace

Fatti Fatti::da(const Causa& causa)
{
    const DatiCausa& d = causa.scelte;
    const TestiCausa& t = causa.testi;
    Fatti f;
    static_cast<DatiCausa&>(f) = d;
    f.possessoInizio = Date::leggi(t.possessoInizio);
    f.possessoFine = Date::leggi(t.possessoFine);
    f.ledateInizio = Date::leggi(t.ledateInizio);
    f.ledateFine = Date::leggi(t.ledateFine);
    f.interruzioneInizio = Date::leggi(t.interruzioneInizio);
    f.interruzioneFine = Date::leggi(t.interruzioneFine);
    f.trascrizione = Date::leggi(t.trascrizione);
    f.cessazioneVizio = Date::leggi(t.cessazioneVizio);
    return f;
}

bool requisitiRisposti(const DatiCausa& f)
{
    return risposta(f.interruzione, Interruzione::Nessuna) && risposta(f.modo, Modo::PacificoPubblico)
           && risposta(f.animo, Animo::DaTitolare) && risposta(f.provenienza, Provenienza::Illegittima)
           && risposta(f.fede, Fede::Mala) && risposta(f.titolo, Titolo::Mancante);
}
