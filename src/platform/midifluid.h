#pragma once
#include "platform/porte.h"
#include <memory>

// Plays a standard MIDI file through FluidSynth with the system's General MIDI soundfont.
// Everything slow is done on a worker thread, so that no window waits for the sound: the audio
// device is tried first, and only when it answers are FluidSynth and the soundfont loaded (just the
// samples the tune uses). Play and pause given meanwhile take effect as soon as the tune is ready.
class MidiFluid : public PortaMidi {
public:
    MidiFluid();
    // Renders to a WAV file instead of the sound card (for checks without an audio device).
    explicit MidiFluid(const QString& fileAudio);
    ~MidiFluid() override;
    // False at once when the tune or the soundfont is missing; a missing audio device is found out
    // on the worker thread, and the tune then stays silent.
    bool apri(const QString& percorso) override;
    void suona() override;
    void pausa() override;
    void chiudi() override;

    // The General MIDI soundfont used, or an empty string when none is installed.
    static QString soundfont();
    // Whether ALSA may find a playback device: a sound card's device nodes, or a configuration that
    // can lead the default device elsewhere (a sound server). Without either, ALSA is not even loaded.
    // radice and casa stand for the root and the home folder (empty: the real ones).
    static bool dispositivoPossibile(const QString& radice = {}, const QString& casa = {});
    // The player's position in MIDI ticks: 0 while the tune is being prepared, -1 when nothing is
    // open or the preparation failed.
    int posizione() const;
    // Waits until the preparation has ended; true when the tune can sound.
    bool attendi();

    struct Brano;

private:
    QString fileAudio_;
    std::unique_ptr<Brano> brano_;
};
