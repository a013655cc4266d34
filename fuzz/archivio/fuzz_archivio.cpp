// libFuzzer target for the case archive reader: any bytes must be read without harm, refused
// with a reason or accepted with sound records 1 and 2, and an accepted case must write back to
// bytes that read as the same case and write again identically.
#include "core/archivio.h"
#include "difetto.h"

#include <cstdint>

namespace {
const char* const bersaglio = "archive reader";
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Past the limit the reader must refuse at once; far past it, feeding more only slows the search.
    if (size > 2 * size_t(Archivio::dimensioneMassima))
        return 0;
    const QByteArray dati = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const LetturaArchivio l = leggiArchivio(dati);
    if (!l.valido) {
        if (l.errore.isEmpty())
            difetto(bersaglio, "refused without a reason", dati);
        return 0;
    }
    if (!l.errore.isEmpty() || !l.letti[0] || !l.letti[1] || !controlloPrimiRecord(l.causa.scelte).isEmpty())
        difetto(bersaglio, "accepted with records 1 and 2 not sound", dati);
    if (testoNonArchiviabile(l.causa.testi))
        return 0;   // a hand-made unquoted field holding a double quote: nothing faithful to write
    const QByteArray riscritto = scriviArchivio(l.causa);
    if (riscritto.size() > Archivio::dimensioneMassima)
        return 0;   // grown past the limit (the later facts' record): saving refuses it
    const LetturaArchivio diNuovo = leggiArchivio(riscritto);
    if (!diNuovo.valido || !(diNuovo.causa == l.causa))
        difetto(bersaglio, "the rewritten case reads back different", dati);
    for (bool letto : diNuovo.letti)
        if (!letto)
            difetto(bersaglio, "a rewritten record is not read", dati);
    if (scriviArchivio(diNuovo.causa) != riscritto)
        difetto(bersaglio, "the second rewrite differs", dati);
    return 0;
}
