#pragma once
// Dates as the user types them, their Italian long form and the duration of a possession.
//
// A text reads as a date when, after trimming the blanks around it, it is
//   day SEP month SEP year
// with day and month of one or two digits, the year of two or four digits and SEP one of
// "/", "-" or "." (the same one twice): the forms an Italian user writes by hand (8/12/06,
// 08-12-2006, 8.12.2006). A two-digit year takes a fixed century: 00-29 is 2000-2029, 30-99 is
// 1930-1999, as the usual desktop setting has it, so that a case reads the same on every machine.
// Nothing else is a date: not a bare number, nor a day and month without a year (whose year
// would come from the clock, and a saved case would change its duration with the calendar),
// nor a day that the calendar does not have (31/2/2001, 0/5/1990, 29/2/1900).
#include <QDate>
#include <QString>
#include <optional>

namespace Date {

std::optional<QDate> leggi(const QString& testo);

// The one form a date is asked in, as hints, tooltips and messages name it.
inline constexpr char16_t forma[] = u"gg/mm/aaaa";
// Why a text is not a date, for the user: "il 29/02/2023 non esiste" when it has the form of one
// but names a day the calendar lacks, "«3 marzo» non è una data nella forma gg/mm/aaaa" otherwise.
// Empty for a date and for an empty text.
QString errore(const QString& testo);

// True when every character could belong to a date being typed: digits, the three separators and
// blanks. Any prefix of a correct date passes; a letter or another sign does not.
bool caratteriAmmessi(const QString& testo);

// "venerdì, 8 dicembre 2006", in Italian whatever the system locale.
QString formaLunga(const QDate& data);
// "8/12/2006": the short form the judgment's texts use.
QString formaBreve(const QDate& data);
// The long form of a text that reads as a date; any other text unchanged.
QString formaLunga(const QString& testo);

// The whole years of a period and the days after them, as the Civil Code counts time: a year is
// complete on the anniversary of the start date (a start on 29 February has it on 28 February in
// common years), and the days are those from the last anniversary reached to the end. giorni is
// negative (and anni 0) when the end precedes the start.
struct Durata {
    int anni = 0;
    int giorni = 0;
    bool operator==(const Durata&) const = default;
};

Durata calcola(const QDate& inizio, const QDate& fine);

// " 20 anni e 5 giorni", " 1 anno", " 0 anni e 1 giorno", " 0 anni": each number after a blank.
QString testo(const Durata& d);
inline QString durata(const QDate& inizio, const QDate& fine) { return testo(calcola(inizio, fine)); }

// The whole years at the head of a duration text, all their digits; 0 for an empty or garbled text.
int anni(const QString& testoDurata);

}   // namespace Date
