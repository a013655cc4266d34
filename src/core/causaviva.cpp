#include "core/causaviva.h"

CausaViva& CausaViva::attiva()
{
    static CausaViva causa;
    return causa;
}

void CausaViva::imposta(QString TestiCausa::*campo, const QString& testo)
{
    if (causa_.testi.*campo == testo)
        return;
    const bool era = modificata();
    causa_.testi.*campo = testo;
    annuncia(era);
}

void CausaViva::imposta(Scelta DatiCausa::*campo, Scelta valore)
{
    if (causa_.scelte.*campo == valore)
        return;
    const bool era = modificata();
    causa_.scelte.*campo = valore;
    annuncia(era);
}

void CausaViva::sostituisci(const Causa& causa, const QString& archivio)
{
    ripristina(causa, causa, archivio);
}

void CausaViva::ripristina(const Causa& causa, const Causa& salvata, const QString& archivio)
{
    const bool era = modificata();
    causa_ = causa;
    salvata_ = salvata;
    archivio_ = archivio;
    solaLettura_ = false;
    emit sostituita();
    annuncia(era);
}

void CausaViva::segnaSalvata(const QString& archivio)
{
    archivio_ = archivio;
    solaLettura_ = false;
    const bool era = modificata();
    salvata_ = causa_;
    if (era)
        emit modificataCambiata(false);
}

void CausaViva::annuncia(bool eraModificata)
{
    emit cambiata();
    if (modificata() != eraModificata)
        emit modificataCambiata(modificata());
}

void CausaViva::azzera()
{
    sostituisci(Causa{}, QString());
}
