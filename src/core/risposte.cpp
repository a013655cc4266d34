#include "core/risposte.h"

namespace {

// The nine means of proof open every list, numbered 1 to 9.
constexpr bool traINove(qint16 n) { return n >= 1 && n <= 9; }

}   // namespace

bool mezzoDiProva(ProvaRequisito p) { return traINove(qint16(p)); }

bool mezzoDiProva(ProvaCorta p) { return traINove(qint16(p)); }

bool mezzoDiProva(ProvaLunga p) { return traINove(qint16(p)); }

bool dataProvata(const std::optional<ProvaCorta>& p) { return p && mezzoDiProva(*p); }

bool dataProvata(const std::optional<ProvaLunga>& p)
{
    return p && (mezzoDiProva(*p) || *p == ProvaLunga::DomandaGiudiziale || *p == ProvaLunga::Riconoscimento);
}

AttoInterruttivo attoInterruttivo(const std::optional<AttoInterruttivo>& scelto,
                                  const std::optional<ProvaLunga>& provaInizio)
{
    if (scelto
        && (*scelto == AttoInterruttivo::PerditaPossesso || *scelto == AttoInterruttivo::DomandaGiudiziale
            || *scelto == AttoInterruttivo::Riconoscimento))
        return *scelto;
    if (provaInizio == ProvaLunga::DomandaGiudiziale)
        return AttoInterruttivo::DomandaGiudiziale;
    if (provaInizio == ProvaLunga::Riconoscimento)
        return AttoInterruttivo::Riconoscimento;
    return AttoInterruttivo::PerditaPossesso;
}

bool chiedeRipresa(AttoInterruttivo atto, const std::optional<StatoGiudizio>& stato)
{
    return atto == AttoInterruttivo::PerditaPossesso
           || (atto == AttoInterruttivo::DomandaGiudiziale && stato != StatoGiudizio::Estinto
               && stato != StatoGiudizio::Pendente);
}
