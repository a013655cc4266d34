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
#include "core/statocausa.h"
#include <QFileInfo>

template <class T> static void finestra(const char* nome)
{
    Finestre::registra(QString::fromLatin1(nome), [] { return new T; });
}

void registraFinestre(CausaViva& causa)
{
    CausaViva* viva = &causa;
    finestra<FrmSplash>("frmSplash");
    finestra<FinestraScelta>("scelta");
    finestra<FrmTip>("frmTip");
    finestra<Informa>("informa");
    finestra<SupportoClienti>("supportoclienti");
    finestra<Norme>("norme");
    finestra<Massime>("massime");
    finestra<Sommario>("sommario");
    Finestre::registra(QString::fromLatin1(FinestraCausa::nomeFinestra), [viva] { return new FinestraCausa(*viva); });
    Finestre::registraArchivio(QString::fromLatin1(FinestraCausa::nomeFinestra));
    Finestre::registra(QString::fromLatin1(FinestraPossesso::nomeFinestra),
                       [viva] { return new FinestraPossesso(*viva); });
    for (const char* nome : {FinestraDate::nomeDate, FinestraDate::nomeInterruzione})
        Finestre::registra(QString::fromLatin1(nome),
                           [viva, nome] { return new FinestraDate(*viva, QString::fromLatin1(nome)); });
    for (const QString& nome : Questionario::nomi())
        Finestre::registra(nome, [viva, nome] { return new Questionario(*viva, nome); });
    Finestre::registra(QString::fromLatin1(FinestraSentenza::nomeFinestra),
                       [viva] { return new FinestraSentenza(*viva); });
    for (const TestoGuida& t : testiGuida())
        Finestre::registra(t.finestra, [nome = t.finestra] { return new Guida(nome); });
    Finestre::alCongedo([viva] { viva->azzera(); });
    Finestre::impostaCustode({[viva] { return viva->modificata(); },
                              [viva](const QString& perFare) { return ArchivioCausa::lasciaCausa(*viva, perFare); }});
    // The case windows' titles follow the case: "*" while it has unsaved changes.
    QObject::connect(viva, &CausaViva::modificataCambiata, &FinestraLavoro::segnaCausaModificata);
    // ... and name the case and its archive, as an office program names its document.
    const auto titola = [viva] {
        const QString parti = StatoCausa::parti(viva->testi());
        const QString archivio = QFileInfo(viva->archivio()).fileName();
        FinestraLavoro::segnaDocumento(parti.isEmpty() || archivio.isEmpty() ? parti + archivio
                                                                             : parti + QStringLiteral(" — ") + archivio,
                                       viva->solaLettura());
    };
    QObject::connect(viva, &CausaViva::cambiata, viva, titola);
    QObject::connect(viva, &CausaViva::archivioCambiato, viva, titola);
    titola();
}
