// The tip-file reader on any bytes: one tip per line whatever the line ends and the encoding,
// no line end left inside a tip.
#include "core/suggerimenti.h"
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QByteArray byte(reinterpret_cast<const char*>(dati), qsizetype(n));
    const QStringList righe = Suggerimenti::righe(byte);
    // Lines counted apart: each CR LF, LF or lone CR closes one, and text after the last is one more.
    qsizetype attese = 0;
    for (qsizetype i = 0; i < byte.size(); ++i) {
        if (byte[i] == '\n' || byte[i] == '\r') {
            ++attese;
            if (byte[i] == '\r' && i + 1 < byte.size() && byte[i + 1] == '\n')
                ++i;
        }
    }
    if (!byte.isEmpty() && byte.back() != '\n' && byte.back() != '\r')
        ++attese;
    if (righe.size() != attese)
        std::abort();
    for (const QString& r : righe)
        if (r.contains(QLatin1Char('\n')) || r.contains(QLatin1Char('\r')))
            std::abort();
    return 0;
}
