#include "case/causaviva.h"

CausaViva& CausaViva::attiva()
{
    static CausaViva causa;
    return causa;
}

void CausaViva::imposta(QString TestiCausa::*campo, const QString& testo)
{
    if (causa_.testi.*campo == testo)
        return;
    causa_.testi.*campo = testo;
    emit cambiata();
}

void CausaViva::imposta(Scelta DatiCausa::*campo, Scelta valore)
{
    if (causa_.scelte.*campo == valore)
        return;
    causa_.scelte.*campo = valore;
    emit cambiata();
}

void CausaViva::sostituisci(const Causa& causa, const QString& archivio)
{
    causa_ = causa;
    archivio_ = archivio;
    emit cambiata();
}

void CausaViva::azzera()
{
    sostituisci(Causa{}, QString());
}
