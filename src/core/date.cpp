#include "core/date.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace Date {

namespace {

bool separatore(QChar c) { return c == u'/' || c == u'-' || c == u'.'; }

// The sign position of a non-negative number, as every number of a duration text has it.
QString numero(int n) { return QLatin1Char(' ') + QString::number(n); }

}   // namespace

std::optional<QDate> leggi(const QString& testo)
{
    // "d/m/yy" or "d/m/yyyy", one separator twice. Read by hand, not by a regular expression: the
    // command-line judge reads a date at its start, where compiling one costs more than the rest.
    const QString t = testo.trimmed();
    qsizetype i = 0;
    // Up to massimo ASCII digits (\d would also take digits of other scripts): their value, and how many.
    const auto cifreDa = [&](int massimo, int& cifre) {
        int n = 0;
        for (cifre = 0; cifre < massimo && i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++cifre, ++i)
            n = n * 10 + (t[i].unicode() - u'0');
        return n;
    };
    int cifre = 0;
    const int giorno = cifreDa(2, cifre);
    if (cifre == 0 || i >= t.size() || !separatore(t[i]))
        return std::nullopt;
    const QChar diviso = t[i++];
    const int mese = cifreDa(2, cifre);
    if (cifre == 0 || i >= t.size() || t[i] != diviso)
        return std::nullopt;
    ++i;
    int anno = cifreDa(4, cifre);
    if (i != t.size() || (cifre != 2 && cifre != 4))
        return std::nullopt;
    if (cifre == 2)
        anno += anno < 30 ? 2000 : 1900;
    const QDate d(anno, mese, giorno);   // invalid for a day the calendar lacks, and for year 0
    if (!d.isValid())
        return std::nullopt;
    return d;
}

QString difetto(const QString& testo)
{
    const QString t = testo.trimmed();
    if (t.isEmpty() || leggi(t))
        return {};
    // The shape of a date with a day the calendar lacks: digits, one separator twice, a full year.
    const QStringList parti = t.split(QRegularExpression(QStringLiteral("[/.-]")));
    bool numeri = parti.size() == 3;
    for (const QString& p : parti)
        numeri = numeri && !p.isEmpty() && p.size() <= 4
                 && std::all_of(p.begin(), p.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (numeri && parti[0].size() <= 2 && parti[1].size() <= 2 && (parti[2].size() == 2 || parti[2].size() == 4))
        return QStringLiteral("il %1 non esiste").arg(t);
    return QStringLiteral("«%1» non è una data nella forma gg/mm/aaaa").arg(t);
}

bool caratteriAmmessi(const QString& testo)
{
    for (const QChar c : testo) {
        if (!(c >= u'0' && c <= u'9') && !separatore(c) && !c.isSpace())
            return false;
    }
    return true;
}

QString formaLunga(const QDate& data)
{
    static const QLocale italiano(QLocale::Italian, QLocale::Italy);
    return italiano.toString(data, QStringLiteral("dddd, d MMMM yyyy"));
}

QString formaBreve(const QDate& data) { return data.toString(QStringLiteral("d/M/yyyy")); }

QString formaLunga(const QString& testo)
{
    const std::optional<QDate> d = leggi(testo);
    return d ? formaLunga(*d) : testo;
}

Durata calcola(const QDate& inizio, const QDate& fine)
{
    Durata d;
    if (fine < inizio) {
        d.giorni = int(inizio.daysTo(fine));
        return d;
    }
    // QDate::addYears moves an anniversary on a missing 29 February to the 28th.
    int anni = fine.year() - inizio.year();
    QDate anniversario = inizio.addYears(anni);
    if (anniversario > fine)
        anniversario = inizio.addYears(--anni);
    d.anni = anni;
    d.giorni = int(anniversario.daysTo(fine));
    return d;
}

QString testo(const Durata& d)
{
    QString t = numero(d.anni) + (d.anni == 1 ? QStringLiteral(" anno") : QStringLiteral(" anni"));
    if (d.giorni > 0)
        t += QStringLiteral(" e ") + numero(d.giorni)
             + (d.giorni == 1 ? QStringLiteral(" giorno") : QStringLiteral(" giorni"));
    return t;
}

int anni(const QString& testoDurata)
{
    qsizetype i = 0;
    while (i < testoDurata.size() && testoDurata.at(i) == u' ')
        ++i;
    long long n = 0;
    bool cifre = false;
    for (; i < testoDurata.size(); ++i) {
        const QChar c = testoDurata.at(i);
        if (c < u'0' || c > u'9')
            break;
        cifre = true;
        if (n < std::numeric_limits<int>::max())
            n = n * 10 + (c.unicode() - u'0');
    }
    if (!cifre)
        return 0;
    return int(std::min<long long>(n, std::numeric_limits<int>::max()));
}

}   // namespace Date
