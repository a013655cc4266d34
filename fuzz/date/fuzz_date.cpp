// The date reader on any text: it never fails, and what it reads is a calendar date that reads back
// the same from its own short form.
#include "core/date.h"
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const QString testo = QString::fromUtf8(reinterpret_cast<const char*>(dati), qsizetype(n));
    Date::caratteriAmmessi(testo);
    const QString lunga = Date::formaLunga(testo);
    const std::optional<QDate> data = Date::leggi(testo);
    if (!data) {
        if (lunga != testo)
            std::abort();
        return 0;
    }
    if (!data->isValid() || data->year() < 1 || data->year() > 9999 || lunga.isEmpty())
        std::abort();
    if (Date::leggi(data->toString(QStringLiteral("d/M/yyyy"))) != data)
        std::abort();
    return 0;
}
