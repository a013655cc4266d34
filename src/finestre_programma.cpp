#include "finestre_programma.h"
#include "app/finestre.h"
#include "app/splash.h"
#include "app/scelta.h"
#include "app/frmtip.h"
#include "app/informa.h"
#include "app/supportoclienti.h"
#include "app/finestralavoro.h"
#include "case/archiviocausa.h"
#include "case/causaviva.h"
#include "case/finestracausa.h"
#include "case/finestradate.h"
#include "case/finestrapossesso.h"
#include "case/questionario.h"
#include "judgment/finestrasentenza.h"
#include "library/norme.h"
#include "library/massime.h"
#include "help/guida.h"
#include "help/sommario.h"
#include "help/testiguida.h"

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
    finestra<Norme>("norme");
    finestra<Massime>("massime");
    finestra<Sommario>("sommario");
    Finestre::registra<FinestraCausa>();
    Finestre::registra<FinestraPossesso>();
    for (const char* nome : {FinestraDate::nomeDate, FinestraDate::nomeInterruzione})
        Finestre::registra(QString::fromLatin1(nome), [nome] { return new FinestraDate(QString::fromLatin1(nome)); });
    for (const QString& nome : Questionario::nomi())
        Finestre::registra(nome, [nome] { return new Questionario(nome); });
    Finestre::registra<FinestraSentenza>();
    for (const TestoGuida& t : testiGuida())
        Finestre::registra(t.finestra, [nome = t.finestra] { return new Guida(nome); });
    Finestre::alCongedo([] { CausaViva::attiva().azzera(); });
    Finestre::impostaCustode({[] { return CausaViva::attiva().modificata(); }, &ArchivioCausa::lasciaCausa});
    // The case windows' titles follow the case: "*" while it has unsaved changes.
    static bool collegata = false;
    if (!collegata) {
        QObject::connect(&CausaViva::attiva(), &CausaViva::modificataCambiata, &FinestraLavoro::segnaCausaModificata);
        collegata = true;
    }
}
