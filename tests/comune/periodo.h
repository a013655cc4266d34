#pragma once
// A period given by its duration as the windows show it (" 20 anni e 5 giorni"), for tests that
// think in durations: it ends on 1 January 2010 and begins that many years and days earlier, so
// that the anniversaries fall on ordinary days. Any other text gives no dates.
#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <optional>

struct Periodo {
    std::optional<QDate> inizio, fine;

    // The dates as a user types them; empty texts for no dates.
    QString testoInizio() const { return inizio ? inizio->toString(QStringLiteral("d/M/yyyy")) : QString(); }
    QString testoFine() const { return fine ? fine->toString(QStringLiteral("d/M/yyyy")) : QString(); }
};

inline Periodo periodo(const QString& durata)
{
    static const QRegularExpression forma(QStringLiteral("^ (\\d+) ann[oi](?: e (\\d+) giorn[oi])?$"));
    const QRegularExpressionMatch m = forma.match(durata);
    if (!m.hasMatch())
        return {};
    const QDate fine(2010, 1, 1);
    return {fine.addYears(-m.captured(1).toInt()).addDays(-m.captured(2).toInt()), fine};
}
