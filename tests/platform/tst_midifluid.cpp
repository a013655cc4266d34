// The splash tune through FluidSynth, rendered to a file so that no sound card is needed.
#include "platform/midifluid.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestMidiFluid : public QObject {
    Q_OBJECT
    QString brano() const { return QCoreApplication::applicationDirPath() + QStringLiteral("/../Internet.mid"); }

private slots:
    // ALSA is loaded only where it may find a device: device nodes, or a configuration that can lead
    // the default device to a sound server. A bare system skips it, and the tune stays silent.
    void dispositivoPossibile_data()
    {
        QTest::addColumn<QStringList>("file");   // created under the root ("~/" under the home)
        QTest::addColumn<bool>("possibile");
        QTest::newRow("nulla") << QStringList() << false;
        QTest::newRow("cartelle vuote") << QStringList{"etc/alsa/conf.d/", "usr/share/alsa/alsa.conf.d/"} << false;
        QTest::newRow("scheda audio") << QStringList{"dev/snd/pcmC0D0p"} << true;
        QTest::newRow("asound.conf") << QStringList{"etc/asound.conf"} << true;
        QTest::newRow("server in conf.d") << QStringList{"etc/alsa/conf.d/99-pulse.conf"} << true;
        QTest::newRow("plugin del pacchetto") << QStringList{"usr/share/alsa/alsa.conf.d/50-pipewire.conf"} << true;
        QTest::newRow("asoundrc") << QStringList{"~/.asoundrc"} << true;
        QTest::newRow("asoundrc in .config") << QStringList{"~/.config/alsa/asoundrc"} << true;
    }
    void dispositivoPossibile()
    {
        QFETCH(QStringList, file);
        QFETCH(bool, possibile);
        if (!qEnvironmentVariableIsEmpty("ALSA_CONFIG_PATH") || !qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
            QSKIP("the environment names an ALSA configuration of its own");
        QTemporaryDir radice, casa;
        for (QString f : file) {
            const bool inCasa = f.startsWith(QLatin1String("~/"));
            const QString percorso = (inCasa ? casa.path() : radice.path()) + QLatin1Char('/') + f.mid(inCasa ? 2 : 0);
            QVERIFY(QDir().mkpath(QFileInfo(percorso).absolutePath()));
            if (!f.endsWith(QLatin1Char('/'))) {
                QFile nuovo(percorso);
                QVERIFY(nuovo.open(QIODevice::WriteOnly));
            }
        }
        QCOMPARE(MidiFluid::dispositivoPossibile(radice.path(), casa.path()), possibile);
    }

    void fileMancanteNonSuona()
    {
        QTemporaryDir cartella;
        MidiFluid midi(cartella.filePath(QStringLiteral("uscita.wav")));
        QVERIFY(!midi.apri(cartella.filePath(QStringLiteral("Internet.mid"))));
        // The other commands are harmless after a failed open.
        midi.suona();
        midi.pausa();
        midi.chiudi();
        QCOMPARE(midi.posizione(), -1);
    }

    void pausaTieneLaPosizione()
    {
        if (MidiFluid::soundfont().isEmpty())
            QSKIP("no General MIDI soundfont installed");
        QVERIFY2(QFileInfo::exists(brano()), qPrintable(brano()));
        QTemporaryDir cartella;
        const QString wav = cartella.filePath(QStringLiteral("uscita.wav"));
        MidiFluid midi(wav);
        QVERIFY(midi.apri(brano()));
        midi.suona();
        QTRY_VERIFY(midi.posizione() > 0);
        midi.pausa();
        const int ferma = midi.posizione();
        QTest::qWait(300);
        QCOMPARE(midi.posizione(), ferma);
        midi.suona();
        // Resumed from where it stopped, not from the start.
        QTRY_VERIFY(midi.posizione() > ferma);
        midi.chiudi();
        QVERIFY(QFileInfo(wav).size() > 44);   // some sound was rendered
    }

    void pausaDuranteLaPreparazione()
    {
        if (MidiFluid::soundfont().isEmpty())
            QSKIP("no General MIDI soundfont installed");
        QTemporaryDir cartella;
        MidiFluid midi(cartella.filePath(QStringLiteral("uscita.wav")));
        // Play and pause given before the tune is ready: the last one holds once it is.
        QVERIFY(midi.apri(brano()));
        midi.suona();
        midi.pausa();
        QVERIFY(midi.attendi());
        QTest::qWait(300);
        QCOMPARE(midi.posizione(), 0);
        midi.suona();
        QTRY_VERIFY(midi.posizione() > 0);
        // Closed while a fresh preparation may still be under way: nothing is left sounding.
        QVERIFY(midi.apri(brano()));
        midi.suona();
        midi.chiudi();
        QCOMPARE(midi.posizione(), -1);
        QVERIFY(!midi.attendi());
    }

    void riaperturaMentreSuona()
    {
        if (MidiFluid::soundfont().isEmpty())
            QSKIP("no General MIDI soundfont installed");
        QTemporaryDir cartella;
        MidiFluid midi(cartella.filePath(QStringLiteral("uscita.wav")));
        // Opening again while the tune plays tears the running one down first, its audio thread included.
        for (int volta = 0; volta < 8; ++volta) {
            QVERIFY(midi.apri(brano()));
            QCOMPARE(midi.posizione(), 0);   // a fresh open starts from the beginning
            midi.suona();
            QTRY_VERIFY(midi.posizione() > 0);
        }
        midi.chiudi();
        QCOMPARE(midi.posizione(), -1);
    }
};

QTEST_MAIN(TestMidiFluid)
#include "tst_midifluid.moc"
