// The score of the splash tune: a faulty one is refused with its line, never turned into a bad file.
#include "partitura.h"
#include <QTest>
#include <sstream>

class TestPartitura : public QObject {
    Q_OBJECT
private slots:
    void compone();
    void rifiuta_data();
    void rifiuta();
};

// One voice, one note and a rest: every byte of the file, delta times included.
void TestPartitura::compone()
{
    std::istringstream in("# prova\ntempo 120\n\nvoce 2 48 90\nR/2 C4/1 | C4+E4/16\n");
    ErrorePartitura errore;
    const auto midi = componiMidi(in, errore);
    QVERIFY(midi);
    // clang-format off
    const std::vector<uint8_t> atteso = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0,
        'M', 'T', 'r', 'k', 0, 0, 0, 11, 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x2F, 0x00,
        'M', 'T', 'r', 'k', 0, 0, 0, 34,
        0x00, 0xC2, 48,
        0x83, 0x60, 0x92, 60, 90,               // after a rest of two eighths (480 ticks)
        0x81, 0x52, 0x82, 60, 0,                // one eighth less the gap (210 ticks)
        0x1E, 0x92, 60, 90, 0x00, 0x92, 64, 90, // the chord, after the gap of 30 ticks
        0x9D, 0x62, 0x82, 60, 0, 0x00, 0x82, 64, 0, // sixteen eighths less the gap (3810 ticks)
        0x00, 0xFF, 0x2F, 0x00};
    // clang-format on
    QCOMPARE(*midi, atteso);
}

void TestPartitura::rifiuta_data()
{
    QTest::addColumn<QByteArray>("partitura");
    QTest::addColumn<int>("riga");
    QTest::addColumn<QString>("motivo");   // a piece of the message

    const QByteArray voce = "tempo 92\nvoce 0 0 96\n";
    QTest::newRow("durata zero") << voce + "D5/2\nD5/0\n" << 4 << "durata";
    QTest::newRow("durata negativa") << voce + "D5/-2\n" << 3 << "durata";
    QTest::newRow("durata enorme") << voce + "D5/99999999999999999999\n" << 3 << "durata";
    QTest::newRow("durata non numerica") << voce + "D5/due\n" << 3 << "durata";
    QTest::newRow("durata con coda") << voce + "D5/2x\n" << 3 << "durata";
    QTest::newRow("senza durata") << voce + "D5\n" << 3 << "manca la durata";
    QTest::newRow("pause oltre il limite") << voce + "R/1000000 R/1000000\n" << 3 << "pausa";
    QTest::newRow("tempo zero") << QByteArray("tempo 0\nvoce 0 0 96\nD5/2\n") << 1 << "tempo";
    QTest::newRow("tempo mancante") << QByteArray("tempo\n") << 1 << "tempo";
    QTest::newRow("tempo di troppo") << QByteArray("tempo 90 100\n") << 1 << "tempo";
    QTest::newRow("tempo enorme") << QByteArray("tempo 99999999999999999999\n") << 1 << "tempo";
    QTest::newRow("nota troppo acuta") << voce + "G#9/2\n" << 3 << "estensione";
    QTest::newRow("ottava enorme") << voce + "C99999999999/2\n" << 3 << "ottava";
    QTest::newRow("nota sconosciuta") << voce + "H4/2\n" << 3 << "nota sconosciuta";
    QTest::newRow("ottava con coda") << voce + "C4x/2\n" << 3 << "nota sconosciuta";
    QTest::newRow("accordo con un buco") << voce + "C4++E4/2\n" << 3 << "nota sconosciuta";
    QTest::newRow("accordo senza note") << voce + "/2\n" << 3 << "nota sconosciuta";
    QTest::newRow("canale 16") << QByteArray("voce 16 0 96\n") << 1 << "canale";
    QTest::newRow("programma 128") << QByteArray("voce 0 128 96\n") << 1 << "programma";
    QTest::newRow("velocità zero") << QByteArray("voce 0 0 0\n") << 1 << "velocit";
    QTest::newRow("voce incompleta") << QByteArray("voce 0 0\n") << 1 << "voce";
    QTest::newRow("note prima della voce") << QByteArray("tempo 92\nD5/2\n") << 2 << "prima di una voce";
}

void TestPartitura::rifiuta()
{
    QFETCH(QByteArray, partitura);
    QFETCH(int, riga);
    QFETCH(QString, motivo);
    std::istringstream in(partitura.toStdString());
    ErrorePartitura errore;
    QVERIFY(!componiMidi(in, errore));
    QCOMPARE(errore.riga, riga);
    QVERIFY2(QString::fromStdString(errore.motivo).contains(motivo), errore.motivo.c_str());
}

QTEST_APPLESS_MAIN(TestPartitura)
#include "tst_partitura.moc"
