#include "core/causaviva.h"

#include "core/prove.h"
#include "core/tabellecausa.h"

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

bool CausaViva::scegliProvaData(int obiezione, bool fine, Scelta prova)
{
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(obiezione);
    const QVector<Prove::Prova>& prove = fine ? o.proveFine : o.prove;
    const int i = prova.value_or(0);
    const bool attore = obiezione == 1 && i >= 1 && prove.value(i - 1) == Prove::NessunaProva;
    Causa nuova = causa_;
    nuova.scelte.*(fine ? o.provaFine : o.prova) = prova;
    if (attore)
        nuova.testi.*(fine ? o.dataFine : o.dataInizio) = fine ? causa_.testi.possessoFine : causa_.testi.possessoInizio;
    if (nuova != causa_) {
        const bool era = modificata();
        causa_ = nuova;
        annuncia(era);
    }
    return attore;
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
