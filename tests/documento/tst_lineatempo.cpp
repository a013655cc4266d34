// The timeline of a possession: the term counted from the record's dates (anniversaries, a new
// term after an interruption, the defendant's dates only where proved) and the picture's geometry.
#include "documento/lineatempo.h"

#include <QDir>
#include <QPainter>
#include <QTest>

namespace {

using Corta = ProvaCorta;
using Lunga = ProvaLunga;

// A flawless plaintiff's possession, in bad faith without a title unless told otherwise.
Causa causa(Tipologia tipo, const char* inizio, const char* fine, Fede fede = Fede::Mala,
            Titolo titolo = Titolo::Mancante)
{
    Causa c;
    c.testi.attore = QStringLiteral("Mario Rossi");
    c.testi.convenuto = QStringLiteral("Giulia Bianchi");
    c.testi.possessoInizio = QString::fromLatin1(inizio);
    c.testi.possessoFine = QString::fromLatin1(fine);
    c.scelte.tipologia = tipo;
    c.scelte.interruzione = Interruzione::Nessuna;
    c.scelte.modo = Modo::PacificoPubblico;
    c.scelte.animo = Animo::DaTitolare;
    c.scelte.provenienza = Provenienza::Legittima;
    c.scelte.fede = fede;
    c.scelte.titolo = titolo;
    return c;
}

Causa interrotta(Causa c, const char* inizio, const char* fine, ProvaLunga provaInizio,
                 ProvaCorta provaFine = ProvaCorta::Testimoni)
{
    c.testi.interruzioneInizio = QString::fromLatin1(inizio);
    c.testi.interruzioneFine = QString::fromLatin1(fine);
    c.scelte.provaInizioInterruzione = provaInizio;
    c.scelte.provaFineInterruzione = provaFine;
    return c;
}

Causa conDate(Causa c, const char* inizio, const char* fine, ProvaCorta provaInizio, ProvaLunga provaFine)
{
    c.testi.ledateInizio = QString::fromLatin1(inizio);
    c.testi.ledateFine = QString::fromLatin1(fine);
    c.scelte.provaInizioDate = provaInizio;
    c.scelte.provaFineDate = provaFine;
    return c;
}

QDate d(const char* testo) { return QDate::fromString(QString::fromLatin1(testo), QStringLiteral("dd/MM/yyyy")); }

}   // namespace

class TstLineaTempo : public QObject {
    Q_OBJECT
private slots:
    void termine_data();
    void termine();
    void barreProporzionaliAgliAnni_data();
    void barreProporzionaliAgliAnni();
    void passoDelleEtichette_data();
    void passoDelleEtichette();
    void immagini_data();
    void immagini();
};

void TstLineaTempo::termine_data()
{
    QTest::addColumn<Causa>("c");
    QTest::addColumn<int>("termine");
    QTest::addColumn<QDate>("scadenza");
    QTest::addColumn<bool>("raggiunto");
    QTest::addColumn<int>("mancano");
    QTest::addColumn<QString>("etichetta");

    const Causa ventennio = causa(Tipologia::Proprieta, "03/04/1985", "15/09/2008");
    QTest::newRow("venti anni raggiunti")
        << ventennio << 20 << d("03/04/2005") << true << 0 << QStringLiteral("20 anni: art. 1158");
    QTest::newRow("un giorno prima dell'anniversario")
        << causa(Tipologia::Proprieta, "03/04/1985", "02/04/2005") << 20 << d("03/04/2005") << false << 1
        << QStringLiteral("20 anni: art. 1158, manca 1 anno");
    QTest::newRow("nel giorno dell'anniversario")
        << causa(Tipologia::Proprieta, "03/04/1985", "03/04/2005") << 20 << d("03/04/2005") << true << 0
        << QStringLiteral("20 anni: art. 1158");
    QTest::newRow("buona fede e titolo") << causa(Tipologia::Proprieta, "10/06/2009", "20/11/2021", Fede::Buona,
                                                  Titolo::Idoneo)
                                         << 10 << d("10/06/2019") << true << 0 << QStringLiteral("10 anni: art. 1159");
    QTest::newRow("mobili registrati") << causa(Tipologia::MobiliRegistrati, "01/03/2017", "15/09/2021", Fede::Buona,
                                                Titolo::Idoneo)
                                       << 3 << d("01/03/2020") << true << 0 << QStringLiteral("3 anni: art. 1162");
    QTest::newRow("proprietà rurale") << causa(Tipologia::PiccolaProprietaRurale, "01/11/1995", "30/04/2009") << 15
                                      << d("01/11/2010") << false << 2
                                      << QStringLiteral("15 anni: art. 1159-bis, mancano 2 anni");
    // A claim interrupts whatever its length; a new term runs from its end.
    QTest::newRow("domanda giudiziale, poi nuovo ventennio")
        << interrotta(causa(Tipologia::Proprieta, "01/01/1980", "31/12/2010"), "01/03/1983", "15/06/1985",
                      Lunga::DomandaGiudiziale)
        << 20 << d("15/06/2005") << true << 0 << QStringLiteral("20 anni: art. 1158");
    QTest::newRow("riconoscimento breve")
        << interrotta(causa(Tipologia::Proprieta, "01/01/1980", "31/12/2002"), "01/03/1995", "01/05/1995",
                      Lunga::Riconoscimento)
        << 20 << d("01/03/2015") << false << 13 << QStringLiteral("20 anni: art. 1158, mancano 13 anni");
    // Losing possession interrupts only beyond a year; a formal notice never does.
    QTest::newRow("perdita per meno di un anno")
        << interrotta(ventennio, "01/01/1990", "01/10/1990", Lunga::Testimoni) << 20 << d("03/04/2005") << true << 0
        << QStringLiteral("20 anni: art. 1158");
    QTest::newRow("perdita per oltre un anno")
        << interrotta(ventennio, "01/01/1990", "01/10/1991", Lunga::Testimoni) << 20 << d("01/10/2011") << false << 4
        << QStringLiteral("20 anni: art. 1158, mancano 4 anni");
    QTest::newRow("diffida") << interrotta(ventennio, "01/01/1990", "01/10/1992", Lunga::Diffida) << 20
                             << d("03/04/2005") << true << 0 << QStringLiteral("20 anni: art. 1158");
    QTest::newRow("fine dell'interruzione senza prova")
        << interrotta(ventennio, "01/01/1990", "01/10/1992", Lunga::Testimoni, Corta::Nessuna) << 20 << d("03/04/2005")
        << true << 0 << QStringLiteral("20 anni: art. 1158");
    // The defendant's dates count where proved, and only to shorten the possession.
    QTest::newRow("date del convenuto provate")
        << conDate(ventennio, "01/01/1992", "01/01/2008", Corta::AttiDisposizione, Lunga::Testimoni) << 20
        << d("01/01/2012") << false << 4 << QStringLiteral("20 anni: art. 1158, mancano 4 anni");
    QTest::newRow("date del convenuto senza prova")
        << conDate(ventennio, "01/01/1992", "01/01/2008", Corta::Nessuna, Lunga::Nessuna) << 20 << d("03/04/2005")
        << true << 0 << QStringLiteral("20 anni: art. 1158");
    QTest::newRow("date del convenuto più ampie")
        << conDate(ventennio, "01/01/1980", "01/01/2010", Corta::AttiDisposizione, Lunga::Testimoni) << 20
        << d("03/04/2005") << true << 0 << QStringLiteral("20 anni: art. 1158");
    QTest::newRow("consegna in buona fede")
        << causa(Tipologia::BeniMobili, "14/02/2021", "14/08/2022", Fede::Buona, Titolo::Idoneo) << 0 << d("14/02/2021")
        << true << 0 << QStringLiteral("consegna in buona fede: art. 1153");
    QTest::newRow("demanio") << causa(Tipologia::DemanioPubblico, "01/06/1975", "01/06/2005") << -1 << QDate() << false
                             << 0 << QString();
}

void TstLineaTempo::termine()
{
    QFETCH(Causa, c);
    QFETCH(int, termine);
    QFETCH(QDate, scadenza);
    QFETCH(bool, raggiunto);
    QFETCH(int, mancano);
    QFETCH(QString, etichetta);
    const LineaTempo l = lineaTempo(c, decidi(Fatti::da(c)));
    QCOMPARE(l.termine, termine);
    QCOMPARE(l.scadenza.value_or(QDate()), scadenza);
    QCOMPARE(l.raggiunto, raggiunto);
    QCOMPARE(l.anniMancanti, mancano);
    QCOMPARE(l.etichettaTermine(), etichetta);
}

void TstLineaTempo::barreProporzionaliAgliAnni_data()
{
    QTest::addColumn<Causa>("c");
    QTest::addColumn<QSize>("dimensione");
    QTest::newRow("ventennio") << causa(Tipologia::Proprieta, "03/04/85", "15/09/08") << QSize(900, 240);
    QTest::newRow("date del convenuto") << conDate(causa(Tipologia::Proprieta, "01/01/80", "01/01/10"), "01/01/90",
                                                   "01/01/05", Corta::AttiDisposizione, Lunga::Testimoni)
                                        << QSize(600, 200);
    QTest::newRow("interruzione") << interrotta(causa(Tipologia::Proprieta, "01/01/80", "31/12/10"), "01/03/83",
                                                "15/06/85", Lunga::DomandaGiudiziale)
                                  << QSize(1200, 300);
}

void TstLineaTempo::barreProporzionaliAgliAnni()
{
    QFETCH(Causa, c);
    QFETCH(QSize, dimensione);
    const LineaTempo l = lineaTempo(c, decidi(Fatti::da(c)));
    const QRectF area(QPointF(0, 0), QSizeF(dimensione));
    const GeometriaLinea g = geometria(l, area);
    QVERIFY(area.contains(g.asse));
    // One pixel scale for every bar: the axis covers whole years from annoDa to annoA.
    const qreal perGiorno = g.asse.width() / QDate(g.annoDa, 1, 1).daysTo(QDate(g.annoA, 1, 1));
    QCOMPARE_LE(g.annoDa, l.inizio->year());
    QCOMPARE_GT(g.annoA, l.fine->year());
    QVERIFY(qAbs(g.barraAttore.width() - l.inizio->daysTo(*l.fine) * perGiorno) < 0.01);
    QVERIFY(qAbs(g.barraAttore.left() - g.x(*l.inizio)) < 0.01);
    if (l.inizioConvenuto) {
        QVERIFY(qAbs(g.barraConvenuto.width() - l.inizioConvenuto->daysTo(*l.fineConvenuto) * perGiorno) < 0.01);
        QVERIFY(g.barraConvenuto.top() > g.barraAttore.bottom());
    } else {
        QVERIFY(g.barraConvenuto.isNull());
    }
    if (l.inizioInterruzione) {
        QVERIFY(qAbs(g.interruzione.left() - g.x(*l.inizioInterruzione)) < 0.01);
        QVERIFY(qAbs(g.interruzione.right() - g.x(*l.fineInterruzione)) < 0.01);
    }
    // The term mark at its year: the anniversary's place on the axis.
    QVERIFY(g.xTermine);
    QVERIFY(qAbs(*g.xTermine - g.x(*l.scadenza)) < 0.01);
    QCOMPARE(l.scadenza->year(), l.decorrenza->year() + l.termine);
}

// The four stories a lawyer looks at, drawn as the judge draws them; the pictures are kept.
// Year labels never run together: in the judgment window's small frame they thin out.
void TstLineaTempo::passoDelleEtichette_data()
{
    QTest::addColumn<int>("anni");
    QTest::addColumn<qreal>("pixelAnno");
    QTest::addColumn<qreal>("larghezza");
    QTest::addColumn<int>("passo");
    QTest::newRow("pochi anni, larghi") << 5 << 100.0 << 30.0 << 1;
    QTest::newRow("pochi anni, stretti") << 5 << 10.0 << 30.0 << 5;
    QTest::newRow("ventitré anni, grande") << 23 << 40.0 << 30.0 << 2;
    QTest::newRow("ventitré anni, riquadro della finestra") << 23 << 7.0 << 25.0 << 10;
    QTest::newRow("un secolo") << 100 << 9.0 << 25.0 << 10;
}

void TstLineaTempo::passoDelleEtichette()
{
    QFETCH(int, anni);
    QFETCH(qreal, pixelAnno);
    QFETCH(qreal, larghezza);
    QFETCH(int, passo);
    QCOMPARE(passoAnni(anni, pixelAnno, larghezza), passo);
    QVERIFY(passo * pixelAnno >= larghezza);
}

void TstLineaTempo::immagini_data()
{
    QTest::addColumn<Causa>("c");
    QTest::addColumn<QString>("nome");
    QTest::newRow("vinta") << causa(Tipologia::Proprieta, "03/04/85", "15/09/08") << QStringLiteral("linea_vinta");
    QTest::newRow("interrotta poi vinta") << interrotta(causa(Tipologia::Proprieta, "01/01/80", "31/12/10"), "01/03/83",
                                                        "15/06/85", Lunga::DomandaGiudiziale)
                                          << QStringLiteral("linea_interrotta_vinta");
    QTest::newRow("interrotta e persa") << interrotta(causa(Tipologia::Proprieta, "01/02/90", "30/06/14"), "01/05/00",
                                                      "10/09/02", Lunga::Testimoni)
                                        << QStringLiteral("linea_interrotta_persa");
    QTest::newRow("accorciata dal convenuto")
        << conDate(causa(Tipologia::Proprieta, "01/01/85", "31/12/09"), "01/06/93", "31/12/09",
                   Corta::ContrattiLocazione, Lunga::Testimoni)
        << QStringLiteral("linea_date_convenuto");
}

void TstLineaTempo::immagini()
{
    QFETCH(Causa, c);
    QFETCH(QString, nome);
    const QImage img = immagineLineaTempo(Giudizio{c, decidi(Fatti::da(c)), {}, {}, {}, {}});
    QCOMPARE(img.size(), QSize(900, 240));
    const LineaTempo l = lineaTempo(c, decidi(Fatti::da(c)));
    const GeometriaLinea g = geometria(l, QRectF(0, 0, 900, 240));
    // The plaintiff's bar is painted in its middle, outside any interruption.
    const QPointF centro = g.barraAttore.center();
    if (!g.interruzione.contains(centro))
        QCOMPARE_NE(img.pixelColor(centro.toPoint()), QColor(Qt::white));
    const QByteArray cartella = qgetenv("POSSIDORIA_SCREENSHOTS");
    if (!cartella.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(cartella));
        QVERIFY(img.save(QDir(QString::fromLocal8Bit(cartella)).filePath(nome + QStringLiteral(".png"))));
    }
}

QTEST_MAIN(TstLineaTempo)
#include "tst_lineatempo.moc"
