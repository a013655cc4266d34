#include "finestre_programma.h"
#include "gui/frame/finestre.h"
#include "gui/frame/splash.h"
#include "gui/frame/scelta.h"
#include "gui/frame/frmtip.h"
#include "gui/frame/informa.h"
#include "gui/frame/supportoclienti.h"
#include "gui/frame/finestralavoro.h"
#include "gui/case/archiviocausa.h"
#include "core/causaviva.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestradate.h"
#include "gui/case/finestrapossesso.h"
#include "gui/case/questionario.h"
#include "gui/judgment/finestrasentenza.h"
#include "gui/library/norme.h"
#include "gui/library/massime.h"
#include "gui/help/guida.h"
#include "gui/help/sommario.h"
#include "core/testiguida.h"

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
