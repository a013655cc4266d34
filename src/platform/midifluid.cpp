#include "platform/midifluid.h"
#include <QFileInfo>
#include <fluidsynth.h>

MidiFluid::MidiFluid() = default;
MidiFluid::MidiFluid(const QString& fileAudio) : fileAudio_(fileAudio) {}
MidiFluid::~MidiFluid() { chiudi(); }

QString MidiFluid::soundfont()
{
    for (const char* p : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
                          "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
        if (QFileInfo::exists(QString::fromLatin1(p)))
            return QString::fromLatin1(p);
    return {};
}

static void silenzioso(int, const char*, void*) {}

bool MidiFluid::apri(const QString& percorso)
{
    chiudi();
    const QString sf = soundfont();
    if (sf.isEmpty() || !QFileInfo(percorso).isFile())
        return false;
    // A missing audio device must not fill the terminal with warnings: the splash stays silent.
    for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(livello, silenzioso, nullptr);
    settings_ = new_fluid_settings();
    if (!fileAudio_.isEmpty()) {
        fluid_settings_setstr(settings_, "audio.driver", "file");
        fluid_settings_setstr(settings_, "audio.file.name", fileAudio_.toLocal8Bit().constData());
    }
    synth_ = new_fluid_synth(settings_);
    if (fluid_synth_sfload(synth_, sf.toLocal8Bit().constData(), 1) == FLUID_FAILED) {
        chiudi();
        return false;
    }
    player_ = new_fluid_player(synth_);
    if (fluid_player_add(player_, percorso.toLocal8Bit().constData()) != FLUID_OK) {
        chiudi();
        return false;
    }
    driver_ = new_fluid_audio_driver(settings_, synth_);
    if (!driver_) {
        chiudi();
        return false;
    }
    return true;
}

void MidiFluid::suona()
{
    if (player_)
        fluid_player_play(player_);
}

void MidiFluid::pausa()
{
    // Stopping the player keeps its position; the sounding notes are silenced by hand.
    if (player_) {
        fluid_player_stop(player_);
        fluid_synth_all_notes_off(synth_, -1);
    }
}

int MidiFluid::posizione() const
{
    return player_ ? fluid_player_get_current_tick(player_) : -1;
}

void MidiFluid::chiudi()
{
    // The driver's thread drives the player and the synth: it goes first, before what it uses.
    if (driver_)
        delete_fluid_audio_driver(driver_);
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
    }
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
    player_ = nullptr;
    driver_ = nullptr;
    synth_ = nullptr;
    settings_ = nullptr;
}
