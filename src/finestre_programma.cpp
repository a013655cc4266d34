#include "finestre_programma.h"
#include "app/finestre.h"
#include "app/splash.h"
#include "app/scelta.h"
#include "app/frmtip.h"
#include "app/informa.h"
#include "app/supportoclienti.h"

template <class T> static void finestra(const char* nome)
{
    Finestre::registra(QString::fromLatin1(nome), [] { return new T; });
}

void registraFinestre()
{
    finestra<FrmSplash>("frmSplash");
    finestra<FinestraScelta>("scelta");
    finestra<FrmTip>("frmTip");
    finestra<Informa>("informa");
    finestra<SupportoClienti>("supportoclienti");
}
