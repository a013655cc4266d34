#pragma once
#include "platform/porte.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_audio_driver_t;

// Plays a standard MIDI file through FluidSynth with the system's General MIDI soundfont.
class MidiFluid : public PortaMidi {
public:
    MidiFluid();
    // Renders to a WAV file instead of the sound card (for checks without an audio device).
    explicit MidiFluid(const QString& fileAudio);
    ~MidiFluid() override;
    bool apri(const QString& percorso) override;
    void suona() override;
    void pausa() override;
    void chiudi() override;

    // The General MIDI soundfont used, or an empty string when none is installed.
    static QString soundfont();
    // The player's position in MIDI ticks; -1 when nothing is open.
    int posizione() const;

private:
    QString fileAudio_;
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_player_t* player_ = nullptr;
    _fluid_audio_driver_t* driver_ = nullptr;
};
