// The splash tune through FluidSynth, rendered to a file (no sound card needed): how long from
// "open" until the tune sounds, and how long closing takes, while playing and while still preparing.
#include "platform/midifluid.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

static double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (MidiFluid::soundfont().isEmpty()) {
        std::printf("nessun soundfont General MIDI installato\n");
        return 0;
    }
    const QString brano = QCoreApplication::applicationDirPath() + QStringLiteral("/../Internet.mid");
    QTemporaryDir cartella;
    MidiFluid midi(cartella.filePath(QStringLiteral("uscita.wav")));
    std::vector<double> pronto, suona, chiudiSuonando, chiudiPreparando;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer t;
        t.start();
        if (!midi.apri(brano)) {
            std::printf("brano non apribile: %s\n", qPrintable(brano));
            return 1;
        }
        midi.suona();
        midi.attendi();
        pronto.push_back(t.nsecsElapsed() / 1e6);
        while (midi.posizione() <= 0)
            QThread::usleep(200);
        suona.push_back(t.nsecsElapsed() / 1e6);
        QThread::msleep(100);
        t.restart();
        midi.chiudi();
        chiudiSuonando.push_back(t.nsecsElapsed() / 1e6);

        midi.apri(brano);
        midi.suona();
        t.restart();
        midi.chiudi();
        chiudiPreparando.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("da \"open\" al brano pronto: prima volta %.1f ms, mediana %.1f ms\n", pronto.front(), mediana(pronto));
    std::printf("da \"open\" alle prime note: prima volta %.1f ms, mediana %.1f ms\n", suona.front(), mediana(suona));
    std::printf("chiusura mentre suona: mediana %.2f ms; chiusura mentre si prepara: mediana %.2f ms (su %zu prove)\n",
                mediana(chiudiSuonando), mediana(chiudiPreparando), pronto.size());
    return 0;
}
