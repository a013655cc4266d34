// The maxims: their content against the catalogue, the browser window and its export.
#include "gui/frame/finestre.h"
#include "gui/frame/finestralavoro.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/esportazione.h"
#include "fakes/piattaformafinta.h"
#include "core/massimario.h"
#include "gui/library/massime.h"
#include "platform/wordqt.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>

using namespace ModPossidoria;

// The topic table: number, name, count.
static void righeArgomenti()
{
    QTest::addColumn<int>("argomento");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("quante");
    QTest::newRow("Accessione") << 1 << QStringLiteral("Accessione") << 2;
    QTest::newRow("Compossesso") << 2 << QStringLiteral("Compossesso") << 7;
    QTest::newRow("Condominio") << 3 << QStringLiteral("Condominio") << 5;
    QTest::newRow("Distanze") << 4 << QStringLiteral("Distanze") << 1;
    QTest::newRow("Forma") << 5 << QStringLiteral("Forma") << 37;
    QTest::newRow("Immobili") << 6 << QStringLiteral("Immobili") << 4;
    QTest::newRow("Interruzione") << 7 << QStringLiteral("Interruzione") << 9;
    QTest::newRow("Libertà") << 8 << QStringLiteral("Libertà") << 2;
    QTest::newRow("Luci") << 9 << QStringLiteral("Luci") << 9;
    QTest::newRow("Passaggi") << 10 << QStringLiteral("Passaggi") << 5;
    QTest::newRow("Possesso") << 11 << QStringLiteral("Possesso") << 30;
    QTest::newRow("Servitù") << 12 << QStringLiteral("Servitù") << 3;
    QTest::newRow("Tolleranza") << 13 << QStringLiteral("Tolleranza") << 3;
    QTest::newRow("Usucapione decennale") << 14 << QStringLiteral("Usucapione decennale") << 32;
}

// The catalogue: every citation in storage order.
static void righeCatalogo()
{
    QTest::addColumn<int>("argomento");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("citazione");
    QTest::newRow("1.1") << 1 << 1 << QStringLiteral("Cassazione, 9 febbraio 1955, n.370");
    QTest::newRow("1.2") << 1 << 2 << QStringLiteral("Tribunale Bolzano, 20 marzo 1970");
    QTest::newRow("2.1") << 2 << 1 << QStringLiteral("Cassazione civile, 8 giugno 1957, n.2119");
    QTest::newRow("2.2") << 2 << 2 << QStringLiteral("Appello Roma, 15 luglio 1959");
    QTest::newRow("2.3") << 2 << 3 << QStringLiteral("Tribunale Napoli, 31 luglio 1961");
    QTest::newRow("2.4") << 2 << 4 << QStringLiteral("Cassazione civile, 20 marzo 1969, n.865");
    QTest::newRow("2.5") << 2 << 5 << QStringLiteral("Cassazione civile, 10 agosto 1982, n.4479");
    QTest::newRow("2.6") << 2 << 6 << QStringLiteral("Cassazione civile, 22 novembre 1986, n.6878");
    QTest::newRow("2.7") << 2 << 7 << QStringLiteral("Cassazione civile, 14 dicembre 1988, n.6818");
    QTest::newRow("3.1") << 3 << 1 << QStringLiteral("Cassazione civile, 20 luglio 1962, n.1987");
    QTest::newRow("3.2") << 3 << 2 << QStringLiteral("Cassazione Civile, sez.II, 2 marzo 1998, n.2261");
    QTest::newRow("3.3") << 3 << 3 << QStringLiteral("Cassazione Civile, sez.II, 23 giugno 1999, n.6382");
    QTest::newRow("3.4") << 3 << 4 << QStringLiteral("Cassazione civile, 18 agosto 1986, n.5079");
    QTest::newRow("3.5") << 3 << 5 << QStringLiteral("Cassazione civile, 8 agosto 1986, n.4970");
    QTest::newRow("4.1") << 4 << 1 << QStringLiteral("Cassazione civile, 25 maggio 1987, n.4698");
    QTest::newRow("5.1") << 5 << 1 << QStringLiteral("Pretura Orzinovi, 23 aprile 1957");
    QTest::newRow("5.2") << 5 << 2 << QStringLiteral("Tribunale Tempio, 15 febbraio 1956");
    QTest::newRow("5.3") << 5 << 3 << QStringLiteral("Appello Torino, 22 gennaio 1957");
    QTest::newRow("5.4") << 5 << 4 << QStringLiteral("Cassazione civile, 28 dicembre 1957, n.4769");
    QTest::newRow("5.5") << 5 << 5 << QStringLiteral("Cassazione civile, 18 aprile 1957, n.1344");
    QTest::newRow("5.6") << 5 << 6 << QStringLiteral("Appello Napoli, 19 gennaio 1957");
    QTest::newRow("5.7") << 5 << 7 << QStringLiteral("Cassazione civile, 20 marzo 1959, n.860");
    QTest::newRow("5.8") << 5 << 8 << QStringLiteral("Cassazione civile, 30 giugno 1959, n.2078");
    QTest::newRow("5.9") << 5 << 9 << QStringLiteral("Cassazione civile, 21 dicembre 1960, n.3301");
    QTest::newRow("5.10") << 5 << 10 << QStringLiteral("Cassazione civile, 13 ottobre 1961, n.2133");
    QTest::newRow("5.11") << 5 << 11 << QStringLiteral("Tribunale Cagliari, 10 maggio 1960");
    QTest::newRow("5.12") << 5 << 12 << QStringLiteral("Cassazione civile, 24 luglio 1962, n.2073");
    QTest::newRow("5.13") << 5 << 13 << QStringLiteral("Appello Catanzaro, 4 aprile 1961");
    QTest::newRow("5.14") << 5 << 14 << QStringLiteral("Pretura Cosenza, 8 luglio 1961");
    QTest::newRow("5.15") << 5 << 15 << QStringLiteral("Cassazione civile, 7 dicembre 1962, n.3289");
    QTest::newRow("5.16") << 5 << 16 << QStringLiteral("Cassazione civile, 6 luglio 1962, n.1737");
    QTest::newRow("5.17") << 5 << 17 << QStringLiteral("Cassazione civile, 9 maggio 1962, n.931");
    QTest::newRow("5.18") << 5 << 18 << QStringLiteral("Cassazione civile, 9 maggio 1962, n.917");
    QTest::newRow("5.19") << 5 << 19 << QStringLiteral("Tribunale Roma, 24 maggio 1967");
    QTest::newRow("5.20") << 5 << 20 << QStringLiteral("Appello Firenze, 13 giungo 1967");
    QTest::newRow("5.21") << 5 << 21 << QStringLiteral("Tribunale Bolzano, 25 gennaio 1968");
    QTest::newRow("5.22") << 5 << 22 << QStringLiteral("Cassazione civile, 29 gennaio 1969, n.253");
    QTest::newRow("5.23") << 5 << 23 << QStringLiteral("Cassazione civile, 15 settembre 1970, n.1490");
    QTest::newRow("5.24") << 5 << 24 << QStringLiteral("Pretura Comacchio, 26 luglio 1969");
    QTest::newRow("5.25") << 5 << 25 << QStringLiteral("Cassazione civile, 2 ottobre 1970, n.1776");
    QTest::newRow("5.26") << 5 << 26 << QStringLiteral("Cassazione civile, 17 novembre 1973, n.3082");
    QTest::newRow("5.27") << 5 << 27 << QStringLiteral("Cassazione civile, 23 maggio 1973, n.1520");
    QTest::newRow("5.28") << 5 << 28 << QStringLiteral("Cassazione civile, 15 novembre 1973, n.3046");
    QTest::newRow("5.29") << 5 << 29 << QStringLiteral("Cassazione civile, 7 novembre 1974, n.3399");
    QTest::newRow("5.30") << 5 << 30 << QStringLiteral("Cassazione civile, 10 giugno 1981, n.3773");
    QTest::newRow("5.31") << 5 << 31 << QStringLiteral("Cassazione civile, 17 aprile 1981, n.2326");
    QTest::newRow("5.32") << 5 << 32 << QStringLiteral("Cassazione civile, 25 febbraio 1982, n.1201");
    QTest::newRow("5.33") << 5 << 33 << QStringLiteral("Cassazione civile, 18 ottobre 1982, n.5414");
    QTest::newRow("5.34") << 5 << 34 << QStringLiteral("Cassazione civile, 27 gennaio 1983, n.741");
    QTest::newRow("5.35") << 5 << 35 << QStringLiteral("Cassazione civile, 30 maggio 1984, n.3307");
    QTest::newRow("5.36") << 5 << 36 << QStringLiteral("Tribunale Monza, 9 marzo 1985");
    QTest::newRow("5.37") << 5 << 37 << QStringLiteral("Cassazione civile, 17 aprile 1986, n.2723");
    QTest::newRow("6.1") << 6 << 1 << QStringLiteral("Appello Caltanissetta, 12 aprile 1958");
    QTest::newRow("6.2") << 6 << 2 << QStringLiteral("Cassazione civile, 6 febbraio 1959, n.373");
    QTest::newRow("6.3") << 6 << 3 << QStringLiteral("Tribunale Brindisi, 30 giugno 1965");
    QTest::newRow("6.4") << 6 << 4 << QStringLiteral("Pretura Taranto, 14 maggio 1986");
    QTest::newRow("7.1") << 7 << 1 << QStringLiteral("Cassazione civile, 7 agosto 1968, n.2831");
    QTest::newRow("7.2") << 7 << 2 << QStringLiteral("Cassazione civile, 9 maggio 1974, n.1315");
    QTest::newRow("7.3") << 7 << 3 << QStringLiteral("Cassazione civile, 16 ottobre 1974, n.2876");
    QTest::newRow("7.4") << 7 << 4 << QStringLiteral("Cassazione civile, 1° giugno 1974, n.1566");
    QTest::newRow("7.5") << 7 << 5 << QStringLiteral("Cassazione civile, 2 marzo 1974, n.584");
    QTest::newRow("7.6") << 7 << 6 << QStringLiteral("Cassazione civile, 18 ottobre 1974, n.2921");
    QTest::newRow("7.7") << 7 << 7 << QStringLiteral("Cassazione civile, 15 marzo 1982, n.1682");
    QTest::newRow("7.8") << 7 << 8 << QStringLiteral("Cassazione civile, 30 luglio 1984, n.4525");
    QTest::newRow("7.9") << 7 << 9 << QStringLiteral("Cassazione civile, 7 luglio 1986, n.4427");
    QTest::newRow("8.1") << 8 << 1 << QStringLiteral("Tribunale Udine, 2 maggio 1957");
    QTest::newRow("8.2") << 8 << 2 << QStringLiteral("Appello Napoli, 19 gennaio 1957");
    QTest::newRow("9.1") << 9 << 1 << QStringLiteral("Tribunale Palermo, 11 febbraio 1962");
    QTest::newRow("9.2") << 9 << 2 << QStringLiteral("Cassazione, sez.II, 8 giugno 1962, n.1407");
    QTest::newRow("9.3") << 9 << 3 << QStringLiteral("Cassazione, sez.II, 7 luglio 1962, n.1781");
    QTest::newRow("9.4") << 9 << 4 << QStringLiteral("Cassazione civile, 16 settembre 1948, n.1608");
    QTest::newRow("9.5") << 9 << 5 << QStringLiteral("Cassazione, 15 febbraio 1955, n.425");
    QTest::newRow("9.6") << 9 << 6 << QStringLiteral("Cassazione, sez.II, 20 giugno 1958, n.2157");
    QTest::newRow("9.7") << 9 << 7 << QStringLiteral("Cassazione, 5 gennaio 1950, n.57");
    QTest::newRow("9.8") << 9 << 8 << QStringLiteral("Cassazione, sez.II, 17 maggio 1958, n.1635");
    QTest::newRow("9.9") << 9 << 9 << QStringLiteral("Appello Napoli, 25 febbraio 1971");
    QTest::newRow("10.1") << 10 << 1 << QStringLiteral("Cassazione civile, 28 marzo 1958, n.1077");
    QTest::newRow("10.2") << 10 << 2 << QStringLiteral("Pretura Grumello del Monte, 5 ottobre 1961");
    QTest::newRow("10.3") << 10 << 3 << QStringLiteral("Cassazione civile, 27 maggio 1982, n.3230");
    QTest::newRow("10.4") << 10 << 4 << QStringLiteral("Cassazione civile, 11 giungo 1986, n.3864");
    QTest::newRow("10.5") << 10 << 5 << QStringLiteral("Cassazione civile, 9 marzo 1987, n.2445");
    QTest::newRow("11.1") << 11 << 1 << QStringLiteral("Appello Bari, 12 aprile 1958");
    QTest::newRow("11.2") << 11 << 2 << QStringLiteral("Appello Ancona, 20 settembre 1957");
    QTest::newRow("11.3") << 11 << 3 << QStringLiteral("Cassazione civile, 28 marzo 1958, n.1077");
    QTest::newRow("11.4") << 11 << 4 << QStringLiteral("Appello Brescia, 20 febbraio 1959");
    QTest::newRow("11.5") << 11 << 5 << QStringLiteral("Cassazione civile, 8 luglio 1960, n.1831");
    QTest::newRow("11.6") << 11 << 6 << QStringLiteral("Cassazione civile, 9 giugno 1960, n.1521");
    QTest::newRow("11.7") << 11 << 7 << QStringLiteral("Appello Lecce, 15 febbraio 1960");
    QTest::newRow("11.8") << 11 << 8 << QStringLiteral("Cassazione civile, 8 agosto 1962, n.2469");
    QTest::newRow("11.9") << 11 << 9 << QStringLiteral("Appello Torino, 3 settembre 1968");
    QTest::newRow("11.10") << 11 << 10 << QStringLiteral("Cassazione civile, 8 maggio 1969, n.1564");
    QTest::newRow("11.11") << 11 << 11 << QStringLiteral("Cassazione civile, 26 marzo 1971, n.878");
    QTest::newRow("11.12") << 11 << 12 << QStringLiteral("Cassazione civile, 22 ottobre 1970, n.2113");
    QTest::newRow("11.13") << 11 << 13 << QStringLiteral("Appello Firenze, 19 gennaio 1971");
    QTest::newRow("11.14") << 11 << 14 << QStringLiteral("Tribunale Bolzano, 26 marzo 1970");
    QTest::newRow("11.15") << 11 << 15 << QStringLiteral("Cassazione civile, 26 marzo 1973, n.837");
    QTest::newRow("11.16") << 11 << 16 << QStringLiteral("Cassazione civile, 28 settembre 1973, n.2430");
    QTest::newRow("11.17") << 11 << 17 << QStringLiteral("Cassazione civile, 20 luglio 1973, n.2132");
    QTest::newRow("11.18") << 11 << 18 << QStringLiteral("Cassazione civile, 10 aprile 1973, n.1021");
    QTest::newRow("11.19") << 11 << 19 << QStringLiteral("Cassazione civile, 6 luglio 1973, n.1921");
    QTest::newRow("11.20") << 11 << 20 << QStringLiteral("Cassazione civile, 10 aprile 1974, n.1019");
    QTest::newRow("11.21") << 11 << 21 << QStringLiteral("Cassazione civile, 22 dicembre 1978, n.6150");
    QTest::newRow("11.22") << 11 << 22 << QStringLiteral("Tribunale Cassino, 18 febbraio 1977");
    QTest::newRow("11.23") << 11 << 23 << QStringLiteral("Cassazione civile, 8 settembre 1978, n.4053");
    QTest::newRow("11.24") << 11 << 24 << QStringLiteral("Cassazione civile, 18 febbraio 1980, n.1172");
    QTest::newRow("11.25") << 11 << 25 << QStringLiteral("Cassazione civile, 9 febbraio 1981, n.816");
    QTest::newRow("11.26") << 11 << 26 << QStringLiteral("Cassazione civile, 12 novembre 1981, n.6002");
    QTest::newRow("11.27") << 11 << 27 << QStringLiteral("Tribunale Sup. Acque, 17 ottobre 1984, n.31");
    QTest::newRow("11.28") << 11 << 28 << QStringLiteral("Cassazione civile, 6 maggio 1987, n.4206");
    QTest::newRow("11.29") << 11 << 29 << QStringLiteral("Tribunale Siena, 25 giugno 1986");
    QTest::newRow("11.30") << 11 << 30 << QStringLiteral("Cassazione civile, 18 maggio 1988, n.3464");
    QTest::newRow("12.1") << 12 << 1 << QStringLiteral("Pretura Vasto, 26 novembre 1953");
    QTest::newRow("12.2") << 12 << 2 << QStringLiteral("Cassazione, sez.II, 12 luglio 1963, n.1889");
    QTest::newRow("12.3") << 12 << 3 << QStringLiteral("Cassazione, sez.II, 5 febbraio 1958, n.342");
    QTest::newRow("13.1") << 13 << 1 << QStringLiteral("Appello Milano, 20 dicembre 1957");
    QTest::newRow("13.2") << 13 << 2 << QStringLiteral("Cassazione civile, 12 gennaio 1959, n.59");
    QTest::newRow("13.3") << 13 << 3 << QStringLiteral("Tribunale Trani, 14 giugno 1961");
    QTest::newRow("14.1") << 14 << 1 << QStringLiteral("Appello Milano, 13 aprile 1960");
    QTest::newRow("14.2") << 14 << 2 << QStringLiteral("Cassazione civile, 21 maggio 1960, n.1307");
    QTest::newRow("14.3") << 14 << 3 << QStringLiteral("Tribunale Milano, 27 maggio 1960");
    QTest::newRow("14.4") << 14 << 4 << QStringLiteral("Tribunale Roma, 14 gennaio 1961");
    QTest::newRow("14.5") << 14 << 5 << QStringLiteral("Cassazione civile, 20 giugno 1961, n.1477");
    QTest::newRow("14.6") << 14 << 6 << QStringLiteral("Cassazione civile, 6 luglio 1962, n.1738");
    QTest::newRow("14.7") << 14 << 7 << QStringLiteral("Cassazione civile, 10 luglio 1962, n.1826");
    QTest::newRow("14.8") << 14 << 8 << QStringLiteral("Cassazione civile, 8 ottobre 1963, n.2669");
    QTest::newRow("14.9") << 14 << 9 << QStringLiteral("Tribunale Napoli, 16 gennaio 1963");
    QTest::newRow("14.10") << 14 << 10 << QStringLiteral("Cassazione civile, 21 gennaio 1963, n.84");
    QTest::newRow("14.11") << 14 << 11 << QStringLiteral("Tribunale Napoli, 28 febbraio 1963");
    QTest::newRow("14.12") << 14 << 12 << QStringLiteral("Cassazione civile, 2 aprile 1964, n.708");
    QTest::newRow("14.13") << 14 << 13 << QStringLiteral("Cassazione civile, 24 luglio 1968, n.2691");
    QTest::newRow("14.14") << 14 << 14 << QStringLiteral("Cassazione civile, 26 marzo 1968, n.947");
    QTest::newRow("14.15") << 14 << 15 << QStringLiteral("Cassazione civile, 12 febbraio 1968, n.464");
    QTest::newRow("14.16") << 14 << 16 << QStringLiteral("Cassazione civile, 27 giugno 1968, n.2179");
    QTest::newRow("14.17") << 14 << 17 << QStringLiteral("Cassazione civile, 11 giugno 1968, n.1864");
    QTest::newRow("14.18") << 14 << 18 << QStringLiteral("Appello Firenze, 5 settembre 1967");
    QTest::newRow("14.19") << 14 << 19 << QStringLiteral("Cassazione civile, 10 aprile 1970, n.988");
    QTest::newRow("14.20") << 14 << 20 << QStringLiteral("Cassazione civile, 8 gennaio 1970, n.56");
    QTest::newRow("14.21") << 14 << 21 << QStringLiteral("Cassazione civile, 20 luglio 1971, n.2345");
    QTest::newRow("14.22") << 14 << 22 << QStringLiteral("Tribunale Napoli, 3 febbraio 1973");
    QTest::newRow("14.23") << 14 << 23 << QStringLiteral("Cassazione civile, 22 aprile 1974, n.1152");
    QTest::newRow("14.24") << 14 << 24 << QStringLiteral("Cassazione civile, 2 dicembre 1974, n.3912");
    QTest::newRow("14.25") << 14 << 25 << QStringLiteral("Cassazione civile, 26 luglio 1974, n.2272");
    QTest::newRow("14.26") << 14 << 26 << QStringLiteral("Cassazione civile, 21 novembre 1978, n.5415");
    QTest::newRow("14.27") << 14 << 27 << QStringLiteral("Cassazione civile, 20 marzo 1982, n.1813");
    QTest::newRow("14.28") << 14 << 28 << QStringLiteral("Cassazione civile, 8 giugno 1982, n.3466");
    QTest::newRow("14.29") << 14 << 29 << QStringLiteral("Cassazione civile, 6 febbraio 1982, n.680");
    QTest::newRow("14.30") << 14 << 30 << QStringLiteral("Tribunale Sup. Acque, 17 ottobre 1984, n.31");
    QTest::newRow("14.31") << 14 << 31 << QStringLiteral("Cassazione civile, 20 marzo 1986, n.1953");
    QTest::newRow("14.32") << 14 << 32 << QStringLiteral("Cassazione civile, 7 maggio 1987, n.4215");
}

// The one maxim whose whole text is fixed.
static const QString servitu1 = QStringLiteral(
    "Per visibile servitù, usucapibile per prescrizione, non può essere intesa anche la particolare servitù d'aria. - (Pretura Vasto, 26 novembre 1953)");

static const QString avvisoFine =
    QStringLiteral("     ----- non esistono altre sentenze da visualizzare sull'argomento -----");

// The export of maxims from..to of a topic, as the fake records it.
static QStringList operazioniAttese(int argomento, int da, int a, bool tutte)
{
    const QString nome = argomentiMassime().value(argomento - 1);
    const QStringList testi = massimeArgomento(argomento);
    QStringList r{QStringLiteral("new"), QStringLiteral("font Century Gothic"), QStringLiteral("paragraph"),
                  QStringLiteral("psize 18"),
                  QStringLiteral("ptext ") + nomeprogramma + QStringLiteral(" - ") + sottotitolo
                      + QStringLiteral("\r\r")};
    for (int n = da; n <= a; ++n)
        r << QStringLiteral("psize 12")
          << QStringLiteral("ptext Sentenze: ") + nome + QStringLiteral("    n.") + QString::number(n)
                 + QStringLiteral("\r")
          << QStringLiteral("ptext ") + testi.value(n - 1) + QStringLiteral("\r\r");
    // Saved among the user's documents under what it holds.
    const QString titolo = tutte ? QStringLiteral("Massime - ") + nome : QStringLiteral("Massima %1 - ").arg(da) + nome;
    r << QStringLiteral("justify")
      << QStringLiteral("save ") + QDir(Esportazione::cartellaDocumenti()).filePath(titolo + QStringLiteral(".odt"))
      << QStringLiteral("show");
    return r;
}

class TestMassime : public QObject {
    Q_OBJECT
private slots:
    void init() { finta_ = std::make_unique<PiattaformaFinta>(); }
    void cleanup()
    {
        finta_.reset();
        if (!daCancellare_.isEmpty())
            QFile::remove(daCancellare_);
        daCancellare_.clear();
    }

    // The content, without the window.
    void conteggi_data() { righeArgomenti(); }
    void conteggi();
    void totale();
    void citazioni_data() { righeCatalogo(); }
    void citazioni();
    void forma_data();
    void forma();
    void testiFissati();

    // The window.
    void caricamento();
    void ricaricamento();
    void contatoreMenu();
    void sceltaArgomento_data() { righeArgomenti(); }
    void sceltaArgomento();
    void paginazione_data() { righeArgomenti(); }
    void paginazione();
    void trascinamento_data();
    void trascinamento();
    void nuovoArgomento_data();
    void nuovoArgomento();
    void esportazione_data();
    void esportazione();
    void esportazioneDocumento_data();
    void esportazioneDocumento();
    void esportazioneDallaBiblioteca_data();
    void esportazioneDallaBiblioteca();
    void avvisoSenzaScelta_data();
    void avvisoSenzaScelta();
    void aiuto();
    void menu();
    void voceFinestra_data();
    void voceFinestra();
    void immagine();

private:
    Massime* finestra() { return Finestre::finestra<Massime>(QStringLiteral("massime")); }
    template <class T> T* controllo(const char* nome)
    {
        T* c = finestra()->findChild<T*>(QString::fromLatin1(nome));
        if (!c)
            qFatal("manca il controllo %s", nome);
        return c;
    }
    QScrollBar* barra() { return controllo<QScrollBar>("HScroll1"); }
    QString conta() { return controllo<QLabel>("conta")->text(); }
    QString sent() { return controllo<QPlainTextEdit>("sent")->toPlainText(); }
    QString passo() { return controllo<QLabel>("passo")->text(); }
    void scegli(int argomento) { controllo<QListWidget>("List1")->setCurrentRow(argomento - 1); }
    void mostraNumero(int n)
    {
        for (int prima = 0; barra()->value() < n && barra()->value() != prima;) {
            prima = barra()->value();
            barra()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        }
    }
    void avvia(const QString& comando)
    {
        if (comando == QLatin1String("pulsante"))
            QTest::mouseClick(controllo<QPushButton>("stampiamo"), Qt::LeftButton);
        else if (comando == QLatin1String("barra"))
            finestra()->azioneBarra(4)->trigger();
        else
            finestra()->azione(comando)->trigger();
    }

    std::unique_ptr<PiattaformaFinta> finta_;
    QString daCancellare_;
};

void TestMassime::conteggi()
{
    QFETCH(int, argomento);
    QFETCH(QString, nome);
    QFETCH(int, quante);
    QCOMPARE(argomentiMassime().value(argomento - 1), nome);
    QCOMPARE(massimeArgomento(argomento).size(), quante);
}

void TestMassime::totale()
{
    QCOMPARE(argomentiMassime().size(), 14);
    int totale = 0;
    for (int t = 1; t <= 14; ++t)
        totale += massimeArgomento(t).size();
    QCOMPARE(totale, 149);
    // The main menu's count, kept by the compiler, is the count of the texts.
    QCOMPARE(totaleMassime(), totale);
    QVERIFY(massimeArgomento(0).isEmpty());
    QVERIFY(massimeArgomento(15).isEmpty());
}

// The citation closes every maxim exactly as the catalogue gives it.
void TestMassime::citazioni()
{
    QFETCH(int, argomento);
    QFETCH(int, numero);
    QFETCH(QString, citazione);
    const QString massima = massimeArgomento(argomento).value(numero - 1);
    if (!massima.endsWith(QStringLiteral(" - (") + citazione + QLatin1Char(')')))
        QFAIL(qPrintable(QStringLiteral("finisce con: ") + massima.right(citazione.size() + 10)));
}

void TestMassime::forma_data()
{
    QTest::addColumn<int>("argomento");
    QTest::addColumn<int>("numero");
    for (int t = 1; t <= 14; ++t)
        for (int n = 1; n <= massimeArgomento(t).size(); ++n)
            QTest::addRow("%d.%d", t, n) << t << n;
}

void TestMassime::forma()
{
    QFETCH(int, argomento);
    QFETCH(int, numero);
    const QString massima = massimeArgomento(argomento).value(numero - 1);
    QVERIFY2(massima.size() >= 141 && massima.size() <= 1297, qPrintable(QString::number(massima.size())));
    QVERIFY(massima.endsWith(QLatin1Char(')')));
    const qsizetype trattino = massima.lastIndexOf(QStringLiteral(" - ("));
    QVERIFY(trattino > 0);
    QVERIFY(!massima.contains(QLatin1Char('\r')) && !massima.contains(QLatin1Char('\n')));
    QVERIFY(!massima.at(0).isSpace());
    // Only topic 5 number 1 has two blanks before the hyphen.
    const bool dueSpazi = argomento == 5 && numero == 1;
    QCOMPARE(massima.at(trattino - 1) == QLatin1Char(' '), dueSpazi);
    if (dueSpazi)
        QVERIFY(massima.at(trattino - 2) != QLatin1Char(' '));
    // Besides ASCII only the accented letters, the degree sign and, in one maxim, the typographic apostrophe.
    const QString ammessi = QStringLiteral("àèéìòù°");
    int apostrofi = 0;
    for (QChar c : massima) {
        if (c == QChar(0x2019))
            ++apostrofi;
        else if (c.unicode() >= 128 && !ammessi.contains(c))
            QFAIL(qPrintable(QStringLiteral("carattere inatteso: ") + c));
        else
            QVERIFY2(c.unicode() >= 32, "carattere di controllo");
    }
    QCOMPARE(apostrofi, argomento == 3 && numero == 3 ? 2 : 0);
    // The possessor's recognition of the owner's right interrupts too (artt. 1165, 2944 c.c.):
    // a maxim that closes the list of interrupting causes must name it.
    static const QRegularExpression elencoChiuso(QStringLiteral("interrott[ao] soltanto"));
    if (massima.contains(elencoChiuso))
        QVERIFY2(massima.contains(QStringLiteral("riconoscimento")), "cause di interruzione senza il riconoscimento");
}

void TestMassime::testiFissati()
{
    QCOMPARE(massimeArgomento(12).value(0), servitu1);
    QVERIFY(massimeArgomento(5).value(0).endsWith(QStringLiteral("  - (Pretura Orzinovi, 23 aprile 1957)")));
}

void TestMassime::caricamento()
{
    Massime* m = finestra();
    QCOMPARE(m->objectName(), QStringLiteral("massime"));
    QCOMPARE(m->windowTitle(), QStringLiteral("Possidoria: sentenze"));
    QCOMPARE(totaleMassime(), 149);
    QCOMPARE(controllo<QLabel>("Label1")->text(), QStringLiteral(" 149 sentenze totali"));
    QCOMPARE(passo(), QStringLiteral("scegliere l'argomento di cui si vuole visualizzare le sentenze disponibili"));
    auto* lista = controllo<QListWidget>("List1");
    QStringList voci;
    for (int i = 0; i < lista->count(); ++i)
        voci << lista->item(i)->text();
    QCOMPARE(voci, argomentiMassime());
    QCOMPARE(voci.value(13), QStringLiteral("Usucapione decennale"));
    QCOMPARE(lista->currentRow(), -1);
    QVERIFY(lista->selectedItems().isEmpty());
    QCOMPARE(controllo<QLabel>("Label2")->text(), QString());
    QCOMPARE(conta(), QStringLiteral(" "));
    QCOMPARE(sent(), QString());
    QVERIFY(!m->argomento() && !m->numeroSentenza() && !m->disponibili() && !m->tutte());
    QScrollBar* b = barra();
    QCOMPARE(b->minimum(), 1);
    QCOMPARE(b->maximum(), 100);
    QCOMPARE(b->singleStep(), 1);
    QCOMPARE(b->pageStep(), 5);
    QCOMPARE(b->value(), 1);
    QCOMPARE(controllo<QPushButton>("esco")->toolTip(), QStringLiteral("cliccare per uscire da ") + nomeprogramma);
    // The table keeps its limits: nothing outside the stored maxims.
    QCOMPARE(m->argomenti().size(), 37);
    QCOMPARE(m->massimario(4, 1), massimeArgomento(4).value(0));
    QCOMPARE(m->massimario(4, 2), QString());
    QCOMPARE(m->massimario(0, 1), QString());
    QCOMPARE(m->massimario(15, 1), QString());
    QCOMPARE(m->massimario(5, 51), QString());
}

// Closing unloads the window; the next load starts afresh and counts again.
void TestMassime::ricaricamento()
{
    scegli(5);
    mostraNumero(4);
    Finestre::chiudi(QStringLiteral("massime"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Finestre::caricata(QStringLiteral("massime")));
    Massime* m = finestra();
    QCOMPARE(controllo<QLabel>("Label1")->text(), QStringLiteral(" 149 sentenze totali"));
    QVERIFY(!m->argomento());
    QCOMPARE(conta(), QStringLiteral(" "));
    QCOMPARE(barra()->value(), 1);
}

void TestMassime::contatoreMenu()
{
    QWidget* menu = Finestre::finestra(QStringLiteral("scelta"));
    QVERIFY(menu);
    QVERIFY(!Finestre::caricata(QStringLiteral("massime")));   // counted from the content
    QCOMPARE(menu->findChild<QLabel*>(QStringLiteral("contiam"))->text(),
             QStringLiteral("Sono archiviate n. 149 sentenze sull'usucapione."));
}

void TestMassime::sceltaArgomento()
{
    QFETCH(int, argomento);
    QFETCH(QString, nome);
    QFETCH(int, quante);
    Massime* m = finestra();
    scegli(argomento);
    QCOMPARE(m->argomento(), std::optional<qint16>(argomento));
    QCOMPARE(m->numeroSentenza(), std::optional<qint16>(1));
    QCOMPARE(m->disponibili(), std::optional<qint16>(quante));
    QCOMPARE(conta(), QStringLiteral("1"));
    QCOMPARE(sent(), massimeArgomento(argomento).value(0));
    QCOMPARE(controllo<QLabel>("Label2")->text(), nome);
    QCOMPARE(controllo<QListWidget>("List1")->toolTip(), QStringLiteral("argomento scelto: ") + nome);
    QCOMPARE(passo(), QStringLiteral("visualizzazione delle ") + QString::number(quante)
                          + QStringLiteral(" sentenze relative all'argomento scelto"));
    QCOMPARE(barra()->value(), 1);
}

// The arrows page 1..N, one past the end shows the notice with N + 1, and no further.
void TestMassime::paginazione()
{
    QFETCH(int, argomento);
    QFETCH(int, quante);
    Massime* m = finestra();
    scegli(argomento);
    const QStringList testi = massimeArgomento(argomento);
    for (int n = 2; n <= quante; ++n) {
        barra()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(m->numeroSentenza(), std::optional<qint16>(n));
        QCOMPARE(conta(), QString::number(n));
        QCOMPARE(sent(), testi.value(n - 1));
    }
    for (int volta = 0; volta < 3; ++volta) {
        barra()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(barra()->value(), quante + 1);
        QCOMPARE(conta(), QStringLiteral("fine"));   // never a number past the last
        QCOMPARE(sent(), avvisoFine);
    }
    barra()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(conta(), QString::number(quante));
    QCOMPARE(sent(), testi.value(quante - 1));
}

void TestMassime::trascinamento_data()
{
    QTest::addColumn<int>("argomento");
    QTest::addColumn<int>("da");
    QTest::addColumn<int>("verso");
    QTest::addColumn<int>("posizione");   // where the thumb ends
    QTest::newRow("Forma a 100") << 5 << 1 << 100 << 38;
    QTest::newRow("Distanze a 100") << 4 << 1 << 100 << 2;
    QTest::newRow("Forma a 20") << 5 << 1 << 20 << 20;
    QTest::newRow("Possesso da 12 a 31") << 11 << 12 << 31 << 31;
    QTest::newRow("Possesso da 12 a 1") << 11 << 12 << 1 << 1;
}

void TestMassime::trascinamento()
{
    QFETCH(int, argomento);
    QFETCH(int, da);
    QFETCH(int, verso);
    QFETCH(int, posizione);
    scegli(argomento);
    mostraNumero(da);
    const QString prima = sent();
    QScrollBar* b = barra();
    b->setSliderDown(true);
    b->setSliderPosition(verso);
    // Nothing changes while the thumb is held.
    QCOMPARE(b->value(), da);
    QCOMPARE(sent(), prima);
    b->setSliderDown(false);
    QCOMPARE(b->value(), posizione);
    const int quante = massimeArgomento(argomento).size();
    QCOMPARE(conta(), posizione > quante ? QStringLiteral("fine") : QString::number(posizione));
    QCOMPARE(sent(), posizione > quante ? avvisoFine : massimeArgomento(argomento).value(posizione - 1));
}

void TestMassime::nuovoArgomento_data()
{
    QTest::addColumn<int>("primo");
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("secondo");
    QTest::newRow("Forma n.7 poi Luci") << 5 << 7 << 9;
    QTest::newRow("fine di Distanze poi Forma") << 4 << 2 << 5;
    QTest::newRow("Forma n.30 poi Accessione") << 5 << 30 << 1;
    QTest::newRow("Possesso n.4 poi di nuovo Forma") << 11 << 4 << 5;
}

void TestMassime::nuovoArgomento()
{
    QFETCH(int, primo);
    QFETCH(int, numero);
    QFETCH(int, secondo);
    Massime* m = finestra();
    scegli(primo);
    mostraNumero(numero);
    QCOMPARE(barra()->value(), numero);
    scegli(secondo);
    QCOMPARE(barra()->value(), 1);
    QCOMPARE(m->numeroSentenza(), std::optional<qint16>(1));
    QCOMPARE(conta(), QStringLiteral("1"));
    QCOMPARE(sent(), massimeArgomento(secondo).value(0));
    QCOMPARE(m->disponibili(), std::optional<qint16>(massimeArgomento(secondo).size()));
    QCOMPARE(controllo<QLabel>("Label2")->text(), argomentiMassime().value(secondo - 1));
    barra()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(sent(), massimeArgomento(secondo).size() > 1 ? massimeArgomento(secondo).value(1) : avvisoFine);
}

void TestMassime::esportazione_data()
{
    QTest::addColumn<int>("argomento");
    QTest::addColumn<int>("mostrata");
    QTest::addColumn<QString>("comando");
    QTest::addColumn<int>("ultima");   // the last maxim exported
    QTest::newRow("Forma n.3, pulsante") << 5 << 3 << "pulsante" << 3;
    QTest::newRow("Forma n.3, menu") << 5 << 3 << "stampa" << 3;
    QTest::newRow("Forma n.3, barra") << 5 << 3 << "barra" << 3;
    QTest::newRow("Accessione n.1, singola") << 1 << 1 << "pulsante" << 1;
    QTest::newRow("Accessione, tutte") << 1 << 1 << "stampatutte" << 2;
    QTest::newRow("Distanze, tutte") << 4 << 1 << "stampatutte" << 1;
    QTest::newRow("Forma, tutte") << 5 << 1 << "stampatutte" << 37;
    QTest::newRow("Usucapione decennale dalla 30") << 14 << 30 << "stampatutte" << 32;
    QTest::newRow("Possesso dall'ultima") << 11 << 30 << "stampatutte" << 30;
    // With the end notice showing the one block exported is numbered N + 1 and empty.
    QTest::newRow("Compossesso fine, singola") << 2 << 8 << "pulsante" << 8;
    QTest::newRow("Compossesso fine, tutte") << 2 << 8 << "stampatutte" << 8;
}

void TestMassime::esportazione()
{
    QFETCH(int, argomento);
    QFETCH(int, mostrata);
    QFETCH(QString, comando);
    QFETCH(int, ultima);
    Massime* m = finestra();
    scegli(argomento);
    mostraNumero(mostrata);
    const QString suggerimento = passo();
    avvia(comando);

    QCOMPARE(finta_->word.operazioni,
             operazioniAttese(argomento, mostrata, ultima, comando == QLatin1String("stampatutte")));
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
    // The document shown, the hint names no program and is the window's own again.
    QCOMPARE(passo(), suggerimento);
    QVERIFY(m->tutte() != std::optional<qint16>(1));
    const int quante = massimeArgomento(argomento).size();
    const bool tutte = comando == QLatin1String("stampatutte");
    if (tutte)
        QCOMPARE(m->tutte(), std::optional<qint16>(0));
    // Print-all leaves the end notice showing; a single export leaves the maxim where it was.
    const int dopo = tutte ? quante + 1 : mostrata;
    QCOMPARE(barra()->value(), dopo);
    QCOMPARE(conta(), dopo > quante ? QStringLiteral("fine") : QString::number(dopo));
    QCOMPARE(sent(), dopo > quante ? avvisoFine : massimeArgomento(argomento).value(dopo - 1));
}

void TestMassime::esportazioneDocumento_data()
{
    QTest::addColumn<int>("argomento");
    QTest::addColumn<int>("mostrata");
    QTest::addColumn<bool>("tutte");
    QTest::addColumn<int>("ultima");
    QTest::newRow("Forma n.3") << 5 << 3 << false << 3;
    QTest::newRow("Accessione, tutte") << 1 << 1 << true << 2;
    QTest::newRow("Luci dalla 7") << 9 << 7 << true << 9;
    QTest::newRow("Tolleranza, fine") << 13 << 4 << false << 4;
}

// The same export through the real document builder, read back block by block.
void TestMassime::esportazioneDocumento()
{
    QFETCH(int, argomento);
    QFETCH(int, mostrata);
    QFETCH(bool, tutte);
    QFETCH(int, ultima);
    QList<QUrl> aperti;
    WordQt word([&aperti](const QUrl& u) {
        aperti << u;
        return true;
    });
    installaPiattaforma({&finta_->messaggi, &finta_->dialoghi, &finta_->midi, &finta_->stampante, &word});
    Massime* m = finestra();
    scegli(argomento);
    mostraNumero(mostrata);
    if (tutte)
        m->azione(QStringLiteral("stampatutte"))->trigger();
    else
        m->stampiamo_Click();

    // Blocks: heading, blank, then header, maxim, blank for each, and the empty last paragraph.
    const QString nome = argomentiMassime().value(argomento - 1);
    QStringList attesi{nomeprogramma + QStringLiteral(" - ") + sottotitolo, QString()};
    for (int n = mostrata; n <= ultima; ++n)
        attesi << QStringLiteral("Sentenze: ") + nome + QStringLiteral("    n.") + QString::number(n)
               << massimeArgomento(argomento).value(n - 1) << QString();
    attesi << QString();

    const QTextDocument* d = word.documento();
    QVERIFY(d);
    QStringList testi;
    int i = 0;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next(), ++i) {
        testi << b.text();
        QCOMPARE(b.blockFormat().alignment(), Qt::AlignJustify);
        const double punti = i < 2 ? 18 : 12;
        QCOMPARE(b.charFormat().fontPointSize(), punti);
        QCOMPARE(b.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Century Gothic"));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("Century Gothic"));
            QCOMPARE(f.fontPointSize(), punti);
        }
    }
    QCOMPARE(testi, attesi);

    // The document went to a fresh file, handed to the desktop, and is remembered.
    QCOMPARE(aperti.size(), 1);
    daCancellare_ = aperti.at(0).toLocalFile();
    QVERIFY(QFileInfo(daCancellare_).isFile());
    QCOMPARE(QFileInfo(daCancellare_).absolutePath(), Esportazione::cartellaDocumenti());
    QVERIFY(QFileInfo(daCancellare_).fileName().endsWith(QStringLiteral(" - ") + nome + QStringLiteral(".odt")));
    QCOMPARE(docword, daCancellare_);
    QVERIFY(finta_->messaggi.mostrati.isEmpty());
}

void TestMassime::esportazioneDallaBiblioteca_data()
{
    QTest::addColumn<int>("argomento");
    QTest::addColumn<int>("mostrata");
    QTest::addColumn<bool>("tutte");
    QTest::newRow("Forma n.3") << 5 << 3 << false;
    QTest::newRow("Luci dalla 7, tutte") << 9 << 7 << true;
    QTest::newRow("Distanze, tutte") << 4 << 1 << true;
}

// The export takes the maxims from the library, from the one shown on, whatever the counter's
// label says; print-all still leaves the end notice showing.
void TestMassime::esportazioneDallaBiblioteca()
{
    QFETCH(int, argomento);
    QFETCH(int, mostrata);
    QFETCH(bool, tutte);
    Massime* m = finestra();
    scegli(argomento);
    mostraNumero(mostrata);
    controllo<QLabel>("conta")->setText(QStringLiteral("2"));
    avvia(tutte ? QStringLiteral("stampatutte") : QStringLiteral("stampa"));
    const int quante = massimeArgomento(argomento).size();
    QCOMPARE(finta_->word.operazioni, operazioniAttese(argomento, mostrata, tutte ? quante : mostrata, tutte));
    const int dopo = tutte ? quante + 1 : mostrata;
    QCOMPARE(m->numeroSentenza(), std::optional<qint16>(dopo));
    QCOMPARE(barra()->value(), dopo);
}

void TestMassime::avvisoSenzaScelta_data()
{
    QTest::addColumn<QString>("comando");
    QTest::newRow("pulsante") << "pulsante";
    QTest::newRow("menu singola") << "stampa";
    QTest::newRow("menu tutte") << "stampatutte";
    QTest::newRow("barra") << "barra";
}

void TestMassime::avvisoSenzaScelta()
{
    QFETCH(QString, comando);
    Massime* m = finestra();
    const QString prima = passo();
    avvia(comando);
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    const MessaggioRegistrato& msg = finta_->messaggi.ultimo();
    QCOMPARE(msg.testo, QStringLiteral("Non vi è nulla da stampare: scegliere un argomento da visualizzare."));
    QCOMPARE(msg.titolo, titolocontrollo);
    QVERIFY(!titolocontrollo.isEmpty());
    QCOMPARE(msg.icona, Icona::Esclamazione);
    QCOMPARE(msg.pulsanti, Pulsanti::Ok);
    QVERIFY(finta_->word.operazioni.isEmpty());
    QCOMPARE(passo(), prima);
    QVERIFY(m->tutte() != std::optional<qint16>(1));
    QCOMPARE(conta(), QStringLiteral(" "));
}

void TestMassime::aiuto()
{
    QTest::mouseClick(controllo<QPushButton>("aiuto"), Qt::LeftButton);
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    const MessaggioRegistrato& msg = finta_->messaggi.ultimo();
    QCOMPARE(msg.testo.split(QLatin1Char('\r')),
             (QStringList{
                 QStringLiteral("- Scegliere uno degli argomenti elencati sulla sinistra della finestra;"),
                 QStringLiteral("- visualizzare le sentenze disponibili usando la barra di scorrimento orizzontale;"),
                 QStringLiteral("- stampare la singola sentenza cliccando sul tasto Stampa;"),
                 QStringLiteral(
                     "- stampare tutte le sentenze dell'argomento scelto cliccando su File nella barra del menu;"),
                 QStringLiteral("- visualizzare il numero di sentenze disponibili nella casella gialla.")}));
    QCOMPARE(msg.titolo, titoloaiuto);
    QCOMPARE(msg.icona, Icona::Informazione);
}

// The frame's particulars in this window: archive entries, the print submenu, the own entry.
void TestMassime::menu()
{
    Massime* m = finestra();
    for (const char* nome : {"apri", "salva", "salvanome"})
        QVERIFY2(!m->azione(QString::fromLatin1(nome))->isEnabled(), nome);
    QAction* stampa = m->azione(QStringLiteral("stampa"));
    QAction* tutte = m->azione(QStringLiteral("stampatutte"));
    QCOMPARE(stampa->text(), QStringLiteral("&Sentenza visualizzata"));
    QCOMPARE(tutte->text(), QStringLiteral("&Tutte le sentenze dell'argomento"));
    QVERIFY(stampa->isEnabled() && tutte->isEnabled());
    auto* sottomenu = qobject_cast<QMenu*>(stampa->parent());
    QVERIFY(sottomenu);
    QCOMPARE(sottomenu->title(), QStringLiteral("S&tampa"));
    QCOMPARE(tutte->parent(), stampa->parent());
    QVERIFY(m->azione(QStringLiteral("fin3"))->isChecked());
    QAction* barra4 = m->azioneBarra(4);
    QVERIFY(barra4->isEnabled());
    QCOMPARE(barra4->toolTip(), QStringLiteral("stampa dati finestra"));
}

void TestMassime::voceFinestra_data()
{
    QTest::addColumn<Risposta>("risposta");
    QTest::addColumn<bool>("guida");
    QTest::newRow("si") << Risposta::Si << true;
    QTest::newRow("no") << Risposta::No << false;
}

void TestMassime::voceFinestra()
{
    QFETCH(Risposta, risposta);
    QFETCH(bool, guida);
    Massime* m = finestra();
    finta_->messaggi.risposte.enqueue(risposta);
    m->azione(QStringLiteral("fin3"))->trigger();
    QCOMPARE(finta_->messaggi.mostrati.size(), 1);
    const MessaggioRegistrato& msg = finta_->messaggi.ultimo();
    QCOMPARE(msg.testo, QStringLiteral("È questa la finestra 'Massime': si vuole la guida della finestra?"));
    QCOMPARE(msg.titolo, titoloaiuto);
    QCOMPARE(msg.icona, Icona::Domanda);
    QCOMPARE(msg.pulsanti, Pulsanti::SiNo);
    QCOMPARE(Finestre::caricata(QStringLiteral("guidamassime")), guida);
    QVERIFY(m->azione(QStringLiteral("fin3"))->isChecked());
}

void TestMassime::immagine()
{
    Massime* m = finestra();
    m->show();
    QVERIFY(QTest::qWaitForWindowExposed(m));
    salvaImmagine(m, QStringLiteral("massime-caricata"));
    // On screen the maxim is dark blue on white.
    auto* sent = m->findChild<QPlainTextEdit*>(QStringLiteral("sent"));
    QCOMPARE(sent->palette().color(QPalette::Text), QColor(0, 0, 192));
    QCOMPARE(sent->viewport()->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
    scegli(5);
    mostraNumero(3);
    salvaImmagine(m, QStringLiteral("massime-forma-3"));
    scegli(8);
    salvaImmagine(m, QStringLiteral("massime-liberta"));
    mostraNumero(3);
    salvaImmagine(m, QStringLiteral("massime-fine"));
}

QTEST_MAIN(TestMassime)
#include "tst_massime.moc"
