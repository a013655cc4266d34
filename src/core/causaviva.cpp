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

void CausaViva::imposta(const CampoRisposta& campo, Scelta numero)
{
    Causa nuova = causa_;
    campo.imposta(nuova.scelte, numero);
    cambia(nuova);
}

void CausaViva::cambia(const Causa& nuova)
{
    if (nuova == causa_)
        return;
    const bool era = modificata();
    causa_ = nuova;
    annuncia(era);
}

bool CausaViva::scegliProvaData(int obiezione, bool fine, Scelta prova)
{
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(obiezione);
    const QVector<Prove::Prova>& prove = fine ? o.proveFine : o.prove;
    const int i = prova.value_or(0);
    const bool attore = obiezione == 1 && i >= 1 && prove.value(i - 1) == ProvaLunga::Nessuna;
    Causa nuova = causa_;
    (fine ? o.provaFine : o.prova).imposta(nuova.scelte, prova);
    if (attore)
        nuova.testi.*(fine ? o.dataFine : o.dataInizio) =
            fine ? causa_.testi.possessoFine : causa_.testi.possessoInizio;
    cambia(nuova);
    return attore;
}

void CausaViva::sostituisci(const Causa& causa, const QString& archivio) { ripristina(causa, causa, archivio); }

void CausaViva::ripristina(const Causa& causa, const Causa& salvata, const QString& archivio)
{
    const bool era = modificata();
    causa_ = causa;
    salvata_ = salvata;
    archivio_ = archivio;
    solaLettura_ = false;
    emit sostituita();
    annuncia(era);
    emit archivioCambiato();
}

void CausaViva::impostaArchivio(const QString& percorso)
{
    if (archivio_ == percorso)
        return;
    archivio_ = percorso;
    emit archivioCambiato();
}

void CausaViva::impostaSolaLettura(bool sola)
{
    if (solaLettura_ == sola)
        return;
    solaLettura_ = sola;
    emit archivioCambiato();
}

void CausaViva::segnaSalvata(const QString& archivio)
{
    archivio_ = archivio;
    solaLettura_ = false;
    const bool era = modificata();
    salvata_ = causa_;
    if (era)
        emit modificataCambiata(false);
    emit archivioCambiato();
}

void CausaViva::annuncia(bool eraModificata)
{
    emit cambiata();
    if (modificata() != eraModificata)
        emit modificataCambiata(modificata());
}

void CausaViva::azzera() { sostituisci(Causa{}, QString()); }
