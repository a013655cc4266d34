// The printer as a module of its own: the program loads it when the user first prints, so that Qt's
// print support is not loaded at every start.
#include "platform/modulostampa.h"
#include "platform/stampa/stampantequt.h"

extern "C" Q_DECL_EXPORT PortaStampante* possidoria_nuova_stampante(const QString* percorsoPdf)
{
    return percorsoPdf && !percorsoPdf->isEmpty() ? new StampanteQt(*percorsoPdf) : new StampanteQt;
}
