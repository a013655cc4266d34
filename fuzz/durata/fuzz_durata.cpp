// The duration-text reader on any text, and on every text the program itself writes: never fails,
// never negative, and reads back the years it was given.
#include "core/date.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QString testo = QString::fromUtf8(reinterpret_cast<const char*>(dati), qsizetype(n));
    if (Date::anni(testo) < 0)
        std::abort();
    if (n >= 8) {
        int32_t valori[2];
        std::memcpy(valori, dati, sizeof valori);
        const Date::Durata d{valori[0] < 0 ? -(valori[0] + 1) : valori[0], valori[1]};
        if (Date::anni(Date::testo(d)) != d.anni)
            std::abort();
    }
    return 0;
}
