#pragma once
// The plaintiff's six answers on the possession of a case the tests win: no interruption, a
// peaceful and public possession as owner, a lawful origin, in bad faith and without a title; by
// the options' numbers, in the order of the possession window's groups.
#include "core/daticausa.h"

#include <array>

inline std::array<Scelta, 6> risposteSenzaVizi()
{
    return {numero<Interruzione>(Interruzione::Nessuna),
            numero<Modo>(Modo::PacificoPubblico),
            numero<Animo>(Animo::DaTitolare),
            numero<Provenienza>(Provenienza::Legittima),
            numero<Fede>(Fede::Mala),
            numero<Titolo>(Titolo::Mancante)};
}
