#include "case/statocausa.h"

#include "case/date.h"
#include "case/tabellecausa.h"

namespace StatoCausa {

QString durata(const QString& inizio, const QString& fine)
{
    const std::optional<QDate> a = Date::leggi(inizio);
    const std::optional<QDate> b = Date::leggi(fine);
    return a && b ? Date::durata(*a, *b) : QString();
}

QString durataPossesso(const TestiCausa& t) { return durata(t.possessoInizio, t.possessoFine); }
QString durataDate(const TestiCausa& t) { return durata(t.ledateInizio, t.ledateFine); }
QString durataInterruzione(const TestiCausa& t) { return durata(t.interruzioneInizio, t.interruzioneFine); }

bool intestazioneCompleta(const Causa& c)
{
    const TestiCausa& t = c.testi;
    const int tipo = c.scelte.tipologia.value_or(0);
    return !t.attore.isEmpty() && !t.convenuto.isEmpty() && !t.bene.isEmpty() && tipo >= 1 &&
           tipo <= TabelleCausa::tipologie;
}

bool datiGeneraliCompleti(const TestiCausa& t)
{
    return !t.attore.isEmpty() && !t.convenuto.isEmpty() && !t.bene.isEmpty() && !t.luogo.isEmpty();
}

bool requisitiCompleti(const DatiCausa& d)
{
    for (const TabelleCausa::Requisito& r : TabelleCausa::requisiti()) {
        const int i = (d.*r.variabile).value_or(0);
        if (i < 1 || i > int(r.opzioni.size()))
            return false;
    }
    return true;
}

bool possessoCompleto(const Causa& c)
{
    return !durataPossesso(c.testi).isEmpty() && requisitiCompleti(c.scelte);
}

bool obiezioneDateCompleta(const Causa& c, int k)
{
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(k);
    if (!o.provaFine)
        return false;
    const bool inizio = !(c.testi.*o.dataInizio).isEmpty() && (c.scelte.*o.prova).value_or(0) != 0;
    if (k == 2 && !interruzioneChiedeFine(c.scelte))
        return inizio;
    return inizio && !(c.testi.*o.dataFine).isEmpty() && (c.scelte.*o.provaFine).value_or(0) != 0;
}

int attoInterruttivo(Scelta tipointerr, Scelta interdatin)
{
    const int scelto = tipointerr.value_or(0);
    if (scelto >= AttoInterruttivo::perdita && scelto <= AttoInterruttivo::riconoscimento)
        return scelto;
    switch (interdatin.value_or(0)) {
    case 10: return AttoInterruttivo::domanda;
    case 11: return AttoInterruttivo::riconoscimento;
    default: return AttoInterruttivo::perdita;
    }
}

bool chiedeRipresa(int atto, Scelta domandaestinta)
{
    return atto == AttoInterruttivo::perdita || (atto == AttoInterruttivo::domanda && domandaestinta.value_or(0) != 1);
}

bool interruzioneChiedeFine(const DatiCausa& d)
{
    return chiedeRipresa(attoInterruttivo(d.tipointerr, d.interdatin), d.domandaestinta);
}

bool giudicabile(const Causa& c)
{
    return intestazioneCompleta(c) && datiGeneraliCompleti(c.testi) && possessoCompleto(c);
}

bool obiezioneSollevata(const DatiCausa& d, int k)
{
    if (k < 1 || k > TabelleCausa::obiezioni)
        return false;
    return (d.*TabelleCausa::obiezione(k).prova).value_or(0) != 0;
}

int numeroObiezioni(const DatiCausa& d)
{
    int n = 0;
    for (int k = 1; k <= TabelleCausa::obiezioni; ++k)
        n += obiezioneSollevata(d, k) ? 1 : 0;
    return n;
}

QString contatoreObiezioni(int n)
{
    if (n <= 0)
        return {};
    return QStringLiteral("Sono state formulate n. %1 %2.").arg(n).arg(n == 1 ? QStringLiteral("obiezione")
                                                                              : QStringLiteral("obiezioni"));
}

} // namespace StatoCausa
