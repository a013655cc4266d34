// Dates as typed, their long form, the duration count and the block of five controls that shows
// two dates of the case record.
#include "gui/frame/modpossidoria.h"
#include "gui/case/bloccodate.h"
#include "core/causaviva.h"
#include "core/date.h"
#include "core/statocausa.h"
#include "fakes/piattaformafinta.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>
#include <QWidget>

namespace {

// Day numbers of the real calendar, counted year by year with the Gregorian rule.
bool gregorianoBisestile(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int giorniDelMese(int y, int m)
{
    static const int lunghezze[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && gregorianoBisestile(y) ? 29 : lunghezze[m - 1];
}

int giornoDellAnno(int y, int m, int d)
{
    int n = d;
    for (int k = 1; k < m; ++k)
        n += giorniDelMese(y, k);
    return n;
}

long long giorniTra(int ys, int ms, int ds, int ye, int me, int de)
{
    long long n = giornoDellAnno(ye, me, de) - giornoDellAnno(ys, ms, ds);
    for (int y = ys; y < ye; ++y)
        n += gregorianoBisestile(y) ? 366 : 365;
    for (int y = ye; y < ys; ++y)
        n -= gregorianoBisestile(y) ? 366 : 365;
    return n;
}

// The expected duration text, counted as a person would: the anniversaries of the start reached
// by the end (one on 29 February falls on the 28th in common years), then the days after the last.
QString durataAttesa(int ys, int ms, int ds, int ye, int me, int de)
{
    const auto chiave = [](int y, int m, int d) { return (y * 100 + m) * 100 + d; };
    if (chiave(ye, me, de) < chiave(ys, ms, ds))
        return QStringLiteral(" 0 anni");
    const auto giornoAnniversario = [&](int y) { return ms == 2 && ds == 29 && !gregorianoBisestile(y) ? 28 : ds; };
    int anni = ye - ys;
    if (chiave(ye, me, de) < chiave(ye, ms, giornoAnniversario(ye)))
        --anni;
    const int y = ys + anni;
    const long long giorni = giorniTra(y, ms, giornoAnniversario(y), ye, me, de);
    QString t = QStringLiteral(" %1 %2").arg(anni).arg(anni == 1 ? "anno" : "anni");
    if (giorni > 0)
        t += QStringLiteral(" e %1 %2").arg(giorni).arg(giorni == 1 ? "giorno" : "giorni");
    return t;
}

// A window with the five controls of the block, showing the record's possession dates.
struct Finestra {
    QWidget w;
    QLineEdit* datainizio = new QLineEdit(&w);
    QLineEdit* datafine = new QLineEdit(&w);
    QLabel* inizio = new QLabel(&w);
    QLabel* fine = new QLabel(&w);
    QLabel* durata = new QLabel(&w);
    BloccoDate* blocco = nullptr;

    Finestra()
    {
        datainizio->setObjectName(QStringLiteral("datainizio"));
        datafine->setObjectName(QStringLiteral("datafine"));
        inizio->setObjectName(QStringLiteral("inizio"));
        fine->setObjectName(QStringLiteral("fine"));
        durata->setObjectName(QStringLiteral("durata"));
        blocco = new BloccoDate(&w, causaViva(), &TestiCausa::possessoInizio, &TestiCausa::possessoFine);
        QObject::connect(&causaViva(), &CausaViva::cambiata, blocco, [this] { blocco->mostra(causaViva().testi()); });
    }
};

}   // namespace

class TstDate : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void durata_data();
    void durata();
    void durataControllata();
    void leggi_data();
    void leggi();
    void formaLunga_data();
    void formaLunga();
    void anni_data();
    void anni();

    void bloccoDigitazione_data();
    void bloccoDigitazione();
    void bloccoNonData_data();
    void bloccoNonData();
    void bloccoSvuotatoEAntecedente();
    void dateNonComputabili_data();
    void dateNonComputabili();
    void bloccoLimiteSoloAllaDigitazione();
};

void TstDate::initTestCase()
{
    // The long form must come out in Italian whatever the machine's language.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TstDate::durata_data()
{
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<QString>("fine");
    QTest::addColumn<QString>("durata");

    QTest::newRow("one common year") << "1/1/1995"
                                     << "1/1/1996"
                                     << " 1 anno";
    QTest::newRow("one leap year, its 29 February out") << "1/1/1996"
                                                        << "1/1/1997"
                                                        << " 1 anno";
    QTest::newRow("twenty years and five days") << "10/5/1980"
                                                << "15/5/2000"
                                                << " 20 anni e 5 giorni";
    QTest::newRow("twenty years") << "1/1/1970"
                                  << "1/1/1990"
                                  << " 20 anni";
    QTest::newRow("one day") << "1/6/1990"
                             << "2/6/1990"
                             << " 0 anni e 1 giorno";
    QTest::newRow("leap year to its last day") << "1/1/2000"
                                               << "31/12/2000"
                                               << " 0 anni e 365 giorni";
    QTest::newRow("leap year, before 29 February") << "1/1/2000"
                                                   << "15/2/2000"
                                                   << " 0 anni e 45 giorni";
    QTest::newRow("29 February to 29 February") << "29/2/1984"
                                                << "29/2/2004"
                                                << " 20 anni";
    QTest::newRow("29 February to its anniversary in a common year") << "29/2/2000"
                                                                     << "28/2/2001"
                                                                     << " 1 anno";
    QTest::newRow("29 February to the day before") << "29/2/2000"
                                                   << "27/2/2001"
                                                   << " 0 anni e 364 giorni";
    QTest::newRow("over a year across 29 February") << "28/2/2003"
                                                    << "29/2/2004"
                                                    << " 1 anno e 1 giorno";
    QTest::newRow("twenty years across 1900") << "1/1/1890"
                                              << "1/1/1910"
                                              << " 20 anni";
    QTest::newRow("end before start") << "2/6/1990"
                                      << "1/6/1990"
                                      << " 0 anni";

    QTest::newRow("end a year before start") << "1/1/2000"
                                             << "31/12/1999"
                                             << " 0 anni";
    QTest::newRow("same day") << "5/5/2005"
                              << "5/5/2005"
                              << " 0 anni";
    QTest::newRow("a 29 February on its own") << "29/2/2000"
                                              << "29/2/2000"
                                              << " 0 anni";
    QTest::newRow("leap year, across 29 February") << "1/1/2000"
                                                   << "1/3/2000"
                                                   << " 0 anni e 60 giorni";
    QTest::newRow("from 28 to 29 February") << "28/2/1984"
                                            << "29/2/1984"
                                            << " 0 anni e 1 giorno";
    QTest::newRow("365 days, no leap day") << "1/3/2001"
                                           << "1/3/2002"
                                           << " 1 anno";
    QTest::newRow("364 days") << "1/3/2001"
                              << "28/2/2002"
                              << " 0 anni e 364 giorni";
    QTest::newRow("1900 is a common year") << "1/1/1899"
                                           << "1/1/1901"
                                           << " 2 anni";
    QTest::newRow("2100 is a common year") << "1/2/2100"
                                           << "1/2/2101"
                                           << " 1 anno";
    QTest::newRow("2100 after its February") << "1/3/2100"
                                             << "1/3/2101"
                                             << " 1 anno";
    QTest::newRow("1900 at the end") << "1/2/1899"
                                     << "1/3/1900"
                                     << " 1 anno e 28 giorni";
    QTest::newRow("120 years from 1900") << "1/1/1900"
                                         << "1/1/2020"
                                         << " 120 anni";
    QTest::newRow("two-digit years") << "8/12/06"
                                     << "9/12/26"
                                     << " 20 anni e 1 giorno";
}

void TstDate::durata()
{
    QFETCH(QString, inizio);
    QFETCH(QString, fine);
    QFETCH(QString, durata);
    const std::optional<QDate> a = Date::leggi(inizio);
    const std::optional<QDate> b = Date::leggi(fine);
    QVERIFY(a && b);
    QCOMPARE(Date::durata(*a, *b), durata);
}

// Many periods across 1800-2200 against a count made by anniversaries.
void TstDate::durataControllata()
{
    QRandomGenerator caso(20061208);
    const QDate primo(1800, 1, 1);
    const int arco = int(primo.daysTo(QDate(2200, 12, 31)));
    int provati = 0;
    for (int i = 0; i < 40000; ++i) {
        const QDate a = primo.addDays(caso.bounded(arco + 1));
        // Half the periods short, so that the February boundaries of one year are well covered.
        const int salto = i % 2 ? caso.bounded(-400, 800) : caso.bounded(-2000, 60000);
        const QDate b = a.addDays(salto);
        if (b.year() > 2200 || b.year() < 1800)
            continue;
        const QString atteso = durataAttesa(a.year(), a.month(), a.day(), b.year(), b.month(), b.day());
        if (Date::durata(a, b) != atteso)
            QFAIL(qPrintable(QStringLiteral("%1 -> %2: %3 instead of %4")
                                 .arg(a.toString(Qt::ISODate), b.toString(Qt::ISODate), Date::durata(a, b), atteso)));
        ++provati;
    }
    // Every start and end around the end of February of a few chosen years.
    const int anni[] = {1896, 1900, 1904, 1999, 2000, 2001, 2100, 2104};
    for (int ys : anni)
        for (int ye : anni)
            for (int ds = -3; ds <= 3; ++ds)
                for (int de = -3; de <= 3; ++de) {
                    const QDate a = QDate(ys, 3, 1).addDays(ds);
                    const QDate b = QDate(ye, 3, 1).addDays(de);
                    QCOMPARE(Date::durata(a, b),
                             durataAttesa(a.year(), a.month(), a.day(), b.year(), b.month(), b.day()));
                    ++provati;
                }
    QVERIFY(provati > 30000);
}

void TstDate::leggi_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QDate>("data");   // invalid: not a date

    const QDate nessuna;
    QTest::newRow("d/m/yy") << "8/12/06" << QDate(2006, 12, 8);
    QTest::newRow("dd/mm/yyyy") << "08/12/2006" << QDate(2006, 12, 8);
    QTest::newRow("dashes") << "8-12-06" << QDate(2006, 12, 8);
    QTest::newRow("dots") << "8.12.2006" << QDate(2006, 12, 8);
    QTest::newRow("blanks around") << "  8/12/06 " << QDate(2006, 12, 8);
    QTest::newRow("year 00") << "1/1/00" << QDate(2000, 1, 1);
    QTest::newRow("year 29") << "31/12/29" << QDate(2029, 12, 31);
    QTest::newRow("year 30") << "1/1/30" << QDate(1930, 1, 1);
    QTest::newRow("year 99") << "31/12/99" << QDate(1999, 12, 31);
    QTest::newRow("four-digit year kept") << "1/1/1829" << QDate(1829, 1, 1);
    QTest::newRow("29 February 2000") << "29/2/2000" << QDate(2000, 2, 29);
    QTest::newRow("29 February 00") << "29/2/00" << QDate(2000, 2, 29);

    QTest::newRow("31 February") << "31/2/2001" << nessuna;
    QTest::newRow("day 0") << "0/5/1990" << nessuna;
    QTest::newRow("29 February 1900") << "29/2/1900" << nessuna;
    QTest::newRow("29 February 2100") << "29/2/2100" << nessuna;
    QTest::newRow("29 February 01") << "29/2/01" << nessuna;
    QTest::newRow("day 32") << "32/1/2000" << nessuna;
    QTest::newRow("month 13") << "1/13/2000" << nessuna;
    QTest::newRow("month 0") << "1/0/2000" << nessuna;
    QTest::newRow("year 0000") << "1/1/0000" << nessuna;
    QTest::newRow("no year") << "8/12" << nessuna;
    QTest::newRow("bare number") << "8" << nessuna;
    QTest::newRow("empty") << "" << nessuna;
    QTest::newRow("one-digit year") << "8/12/6" << nessuna;
    QTest::newRow("three-digit year") << "8/12/200" << nessuna;
    QTest::newRow("five-digit year") << "8/12/20066" << nessuna;
    QTest::newRow("three-digit day") << "008/12/06" << nessuna;
    QTest::newRow("mixed separators") << "8/12-06" << nessuna;
    QTest::newRow("trailing separator") << "8/12/06/" << nessuna;
    QTest::newRow("blanks inside") << "8 / 12 / 06" << nessuna;
    QTest::newRow("letters") << "8 dicembre 2006" << nessuna;
    QTest::newRow("year first") << "2006/12/08" << nessuna;
    QTest::newRow("other digits") << QString::fromUtf8("٨/١٢/٢٠٠٦") << nessuna;
}

void TstDate::leggi()
{
    QFETCH(QString, testo);
    QFETCH(QDate, data);
    const std::optional<QDate> letta = Date::leggi(testo);
    QCOMPARE(letta.has_value(), data.isValid());
    if (letta)
        QCOMPARE(*letta, data);
}

void TstDate::formaLunga_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("forma");

    QTest::newRow("Friday") << "8/12/06" << QString::fromUtf8("venerdì, 8 dicembre 2006");
    QTest::newRow("Saturday, January") << "01/01/2000"
                                       << "sabato, 1 gennaio 2000";
    QTest::newRow("Wednesday, February") << "29/2/1984" << QString::fromUtf8("mercoledì, 29 febbraio 1984");
    QTest::newRow("Sunday, August") << "15-8-1965"
                                    << "domenica, 15 agosto 1965";
    QTest::newRow("not yet a date") << "8/12"
                                    << "8/12";
    QTest::newRow("impossible day") << "31/2/2001"
                                    << "31/2/2001";
    QTest::newRow("words") << "ieri"
                           << "ieri";
    QTest::newRow("empty") << ""
                           << "";
}

void TstDate::formaLunga()
{
    QFETCH(QString, testo);
    QTEST(Date::formaLunga(testo), "forma");
}

void TstDate::anni_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("anni");

    QTest::newRow("years and days") << " 20 anni e 5 giorni" << 20;
    QTest::newRow("one year") << " 1 anno" << 1;
    QTest::newRow("zero years and days") << " 0 anni e 364 giorni" << 0;
    QTest::newRow("three digits") << " 120 anni" << 120;
    QTest::newRow("four digits") << " 1000 anni e 1 giorno" << 1000;
    QTest::newRow("no leading blank") << "15 anni" << 15;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blank only") << " " << 0;
    QTest::newRow("no number") << " anni" << 0;
    QTest::newRow("garbled") << "x20 anni" << 0;
    QTest::newRow("sign") << " -3 anni" << 0;
}

void TstDate::anni()
{
    QFETCH(QString, testo);
    QTEST(Date::anni(testo), "anni");
}

void TstDate::bloccoDigitazione_data()
{
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<QString>("fine");
    QTest::addColumn<QString>("formaInizio");
    QTest::addColumn<QString>("durata");

    QTest::newRow("short years") << "8/12/06"
                                 << "9/12/26" << QString::fromUtf8("venerdì, 8 dicembre 2006") << " 20 anni e 1 giorno";
    QTest::newRow("long years") << "10/05/1980"
                                << "15/05/2000"
                                << "sabato, 10 maggio 1980"
                                << " 20 anni e 5 giorni";
    QTest::newRow("before 1930, ten characters")
        << "12/03/1925"
        << "12/03/1945" << QString::fromUtf8("giovedì, 12 marzo 1925") << " 20 anni";
    QTest::newRow("dashes") << "1-6-1990"
                            << "2-6-1990" << QString::fromUtf8("venerdì, 1 giugno 1990") << " 0 anni e 1 giorno";
}

// A correct date typed key by key raises no message at any key, and leaving the field none either;
// the record holds the texts, the labels their long forms and the duration.
void TstDate::bloccoDigitazione()
{
    QFETCH(QString, inizio);
    QFETCH(QString, fine);
    QFETCH(QString, formaInizio);
    QFETCH(QString, durata);
    PiattaformaFinta finta;
    Finestra f;

    QTest::keyClicks(f.datainizio, inizio);
    QTest::keyClick(f.datainizio, Qt::Key_Return);
    QCOMPARE(f.inizio->text(), formaInizio);
    QCOMPARE(f.durata->text(), QString());   // the end is still empty

    QTest::keyClicks(f.datafine, fine);
    QTest::keyClick(f.datafine, Qt::Key_Return);
    QVERIFY(finta.messaggi.mostrati.isEmpty());
    QCOMPARE(causaViva().testi().possessoInizio, inizio);
    QCOMPARE(causaViva().testi().possessoFine, fine);
    QCOMPARE(f.fine->text(), Date::formaLunga(*Date::leggi(fine)));
    QCOMPARE(f.durata->text(), durata);
}

void TstDate::bloccoNonData_data()
{
    QTest::addColumn<bool>("fine");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("avviso");   // the one form asked, or the day that does not exist
    const auto forma = [](const char* t) {
        return QStringLiteral("Attenzione: «%1» non è una data nella forma gg/mm/aaaa.").arg(QString::fromUtf8(t));
    };
    QTest::newRow("start, letter o for zero") << false << "8/12/o6" << forma("8/12/o6");
    QTest::newRow("start, commas") << false << "8,12,06" << forma("8,12,06");
    QTest::newRow("start, a word") << false << "ieri" << forma("ieri");
    QTest::newRow("start, no such day") << false << "31/2/2001"
                                        << "Attenzione: il 31/02/2001 non esiste.";
    QTest::newRow("start, not a leap year") << false << "29/02/23"
                                            << "Attenzione: il 29/02/2023 non esiste.";
    QTest::newRow("start, no such month") << false << "11/13/1990"
                                          << "Attenzione: l'11/13/1990 non esiste.";
    QTest::newRow("end, letter") << true << "1/1/199x" << forma("1/1/199x");
    QTest::newRow("end, day and month only") << true << "1/1" << forma("1/1");
}

// A text that is not a date: nothing said while typing; the label shows it as typed and no
// duration stands; leaving the field says how to write a date, or that the day does not exist, once.
void TstDate::bloccoNonData()
{
    QFETCH(bool, fine);
    QFETCH(QString, testo);
    QFETCH(QString, avviso);
    PiattaformaFinta finta;
    Finestra f;
    // The empty field and its tooltip name the same form as the message.
    QCOMPARE(f.datainizio->placeholderText(), QStringLiteral("gg/mm/aaaa"));
    QVERIFY(f.datafine->toolTip().endsWith(QStringLiteral("gg/mm/aaaa")));
    f.datainizio->setText(QStringLiteral("1/1/1970"));
    f.datafine->setText(QStringLiteral("1/1/1990"));
    QCOMPARE(f.durata->text(), QStringLiteral(" 20 anni"));

    QLineEdit* campo = fine ? f.datafine : f.datainizio;
    campo->clear();
    QTest::keyClicks(campo, testo);
    QVERIFY(finta.messaggi.mostrati.isEmpty());
    QCOMPARE((fine ? f.fine : f.inizio)->text(), testo);
    QCOMPARE(f.durata->text(), QString());

    QTest::keyClick(campo, Qt::Key_Return);
    QCOMPARE(finta.messaggi.mostrati.size(), 1);
    QCOMPARE(finta.messaggi.ultimo().testo, avviso);
    QCOMPARE(finta.messaggi.ultimo().titolo, QStringLiteral("Possidoria: aiuto in linea"));
    QCOMPARE(finta.messaggi.ultimo().icona, Icona::Critico);
}

// Emptying a date takes the duration away.
void TstDate::bloccoSvuotatoEAntecedente()
{
    PiattaformaFinta finta;
    Finestra f;
    f.datainizio->setText(QStringLiteral("10/5/1980"));
    f.datafine->setText(QStringLiteral("15/5/2000"));
    QCOMPARE(f.durata->text(), QStringLiteral(" 20 anni e 5 giorni"));
    f.datafine->clear();
    QCOMPARE(f.fine->text(), QString());
    QCOMPARE(f.durata->text(), QString());
    QVERIFY(finta.messaggi.mostrati.isEmpty());
}

// Dates the Code cannot count from give no duration, and leaving the field says why: a date after
// today, an end before the start or on the same day.
void TstDate::dateNonComputabili_data()
{
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<QString>("fine");
    QTest::addColumn<QString>("motivo");
    const QDate oggi = QDate::currentDate();
    const QString domani = Date::formaBreve(oggi.addDays(1));
    QTest::newRow("fine nel futuro") << QStringLiteral("1/1/2020") << Date::formaBreve(oggi.addYears(19))
                                     << QStringLiteral("è successiva a oggi");
    QTest::newRow("fine domani") << QStringLiteral("1/1/2020") << domani << QStringLiteral("è successiva a oggi");
    QTest::newRow("inizio nel futuro") << domani << QString() << QStringLiteral("è successiva a oggi");
    QTest::newRow("fine prima dell'inizio")
        << QStringLiteral("2/6/1990") << QStringLiteral("1/6/1990")
        << QStringLiteral("la data finale (1/6/1990) precede quella iniziale (2/6/1990)");
    QTest::newRow("stesso giorno") << QStringLiteral("1/6/1990") << QStringLiteral("1/6/1990")
                                   << QStringLiteral("coincide con quella iniziale");
}

void TstDate::dateNonComputabili()
{
    QFETCH(QString, inizio);
    QFETCH(QString, fine);
    QFETCH(QString, motivo);
    QVERIFY(StatoCausa::durata(inizio, fine).isEmpty());
    QVERIFY(StatoCausa::erroreDate(inizio, fine).contains(motivo));
    PiattaformaFinta finta;
    Finestra f;
    f.datainizio->setText(inizio);
    f.datafine->setText(fine);
    QCOMPARE(f.durata->text(), QString());
    f.datafine->setFocus();
    QTest::keyClick(fine.isEmpty() ? f.datainizio : f.datafine, Qt::Key_Return);
    QCOMPARE(finta.messaggi.mostrati.size(), 1);
    QVERIFY2(finta.messaggi.ultimo().testo.startsWith(QStringLiteral("Attenzione: "))
                 && finta.messaggi.ultimo().testo.contains(motivo),
             qPrintable(finta.messaggi.ultimo().testo));
    // Yesterday to today is a day of possession, and an interruption by one act has a single day.
    QCOMPARE(
        StatoCausa::durata(Date::formaBreve(QDate::currentDate().addDays(-1)), Date::formaBreve(QDate::currentDate())),
        QStringLiteral(" 0 anni e 1 giorno"));
    QCOMPARE(StatoCausa::durata(QStringLiteral("12/5/2004"), QStringLiteral("12/5/2004"), true),
             QStringLiteral(" 0 anni"));
}

// Typing stops at ten characters; a longer text of the record is shown whole and stays whole.
void TstDate::bloccoLimiteSoloAllaDigitazione()
{
    PiattaformaFinta finta;
    Finestra f;
    QTest::keyClicks(f.datainizio, QStringLiteral("12/03/19255"));
    QCOMPARE(f.datainizio->text(), QStringLiteral("12/03/1925"));

    Causa c;
    c.testi.possessoInizio = QStringLiteral("  8/12/1980  ");
    causaViva().sostituisci(c, QString());
    QCOMPARE(f.datainizio->text(), c.testi.possessoInizio);
    QCOMPARE(causaViva().testi().possessoInizio, c.testi.possessoInizio);
    QCOMPARE(f.inizio->text(), QString::fromUtf8("lunedì, 8 dicembre 1980"));
}

QTEST_MAIN(TstDate)
#include "tst_date.moc"
