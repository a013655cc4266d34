// libFuzzer target for the step from archive bytes to the judgment that "&Sentenza" and the
// command-line judge show: any case an archive opens to is judged without harm, with a rule, both
// texts and every line, and the case written back and read again is judged the same.
#include "core/archivio.h"
#include "difetto.h"
#include "core/giudizio.h"
#include "core/statocausa.h"

#include <cstdint>

namespace {
const char* const bersaglio = "judgment of an archive";
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 2 * size_t(Archivio::dimensioneMassima))
        return 0;
    const QByteArray dati = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const LetturaArchivio l = leggiArchivio(dati);
    if (!l.valido)
        return 0;
    const std::optional<Giudizio> g = giudica(l.causa);
    if (!g)
        return 0;   // a case that lacks what the judgment needs is refused by its caller, with a reason
    if (!(g->causa == l.causa))
        difetto(bersaglio, "the judgment holds another case", dati);
    if (g->decisione.chiave.isEmpty() || g->sentenza.testo.trimmed().isEmpty() || g->perche.isEmpty())
        difetto(bersaglio, "a judgment without its rule, its text or its explanation", dati);
    // Fourteen facts and thirteen objections, then a line for each optional date given and one
    // for the act of an interruption raised.
    const TestiCausa& t = l.causa.testi;
    const qsizetype facoltative =
        (t.trascrizione.trimmed().isEmpty() ? 0 : 1) + (t.cessazioneVizio.trimmed().isEmpty() ? 0 : 1);
    const qsizetype atto = StatoCausa::obiezioneSollevata(l.causa.scelte, 2) ? 1 : 0;
    if (g->fatti.size() != 14 + facoltative || g->obiezioni.size() != 13 + atto)
        difetto(bersaglio, "a judgment without every line of the facts and the objections", dati);
    if (testoNonArchiviabile(l.causa.testi))
        return 0;
    const QByteArray riscritto = scriviArchivio(l.causa);
    if (riscritto.size() > Archivio::dimensioneMassima)
        return 0;   // grown past the limit (the later facts' record): saving refuses it
    const LetturaArchivio diNuovo = leggiArchivio(riscritto);
    const std::optional<Giudizio> g2 = diNuovo.valido ? giudica(diNuovo.causa) : std::nullopt;
    if (!g2 || g2->decisione.chiave != g->decisione.chiave || g2->sentenza.testo != g->sentenza.testo
        || g2->sentenza.commento != g->sentenza.commento || g2->obiezioni != g->obiezioni)
        difetto(bersaglio, "the case written back is judged differently", dati);
    return 0;
}
