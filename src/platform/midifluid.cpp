#include "platform/midifluid.h"
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <atomic>
#include <fluidsynth.h>
#include <mutex>
#include <thread>
#if __has_include(<alsa/asoundlib.h>)
#include <alsa/asoundlib.h>
#define POSSIDORIA_ALSA 1
#endif

namespace {

// FluidSynth is loaded when the tune is prepared, not linked: its forty-odd libraries would
// otherwise be loaded and relocated before the first window, sound card or not.
// clang-format off
#define FUNZIONI_FLUID(X)                                                                            \
    X(fluid_set_log_function) X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setstr) \
    X(fluid_settings_setint) X(new_fluid_synth) X(delete_fluid_synth) X(fluid_synth_sfload)          \
    X(fluid_synth_all_notes_off) X(new_fluid_player) X(delete_fluid_player) X(fluid_player_add)      \
    X(fluid_player_play) X(fluid_player_stop) X(fluid_player_get_current_tick)                       \
    X(new_fluid_audio_driver) X(delete_fluid_audio_driver)
// clang-format on

struct Fluid {
#define DICHIARA(f) decltype(&::f) f = nullptr;
    FUNZIONI_FLUID(DICHIARA)
#undef DICHIARA
};

void silenzioso(int, const char*, void*) {}

// The library's functions, or nullptr when it cannot be loaded; loaded once, by the first caller.
const Fluid* fluid()
{
    static const Fluid* const caricata = []() -> const Fluid* {
        QLibrary libreria(QStringLiteral("fluidsynth"), POSSIDORIA_FLUIDSYNTH_VERSIONE);
        static Fluid f;
#define RISOLVI(nome)                                                                                                  \
    if (!(f.nome = reinterpret_cast<decltype(&::nome)>(libreria.resolve(#nome))))                                      \
        return nullptr;
        FUNZIONI_FLUID(RISOLVI)
#undef RISOLVI
        // A missing audio device must not fill the terminal with warnings: the splash stays silent.
        for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            f.fluid_set_log_function(livello, silenzioso, nullptr);
        return &f;
    }();
    return caricata;
}

#ifdef POSSIDORIA_ALSA
void alsaMuto(const char*, int, const char*, int, const char*, ...) {}

// Opens and closes ALSA's default playback device, the one FluidSynth is then told to use. ALSA's
// own error printing is silenced first: without a sound card it fills the terminal. Without a
// device the library is of no further use and is let go, with the configuration it read.
bool dispositivoAlsa()
{
    QLibrary libreria(QStringLiteral("asound"), 2);
    auto gestore =
        reinterpret_cast<decltype(&snd_lib_error_set_handler)>(libreria.resolve("snd_lib_error_set_handler"));
    auto apri = reinterpret_cast<decltype(&snd_pcm_open)>(libreria.resolve("snd_pcm_open"));
    auto chiudi = reinterpret_cast<decltype(&snd_pcm_close)>(libreria.resolve("snd_pcm_close"));
    auto dimentica =
        reinterpret_cast<decltype(&snd_config_update_free_global)>(libreria.resolve("snd_config_update_free_global"));
    if (!gestore || !apri || !chiudi || !dimentica)
        return false;
    gestore(alsaMuto);
    snd_pcm_t* pcm = nullptr;
    if (apri(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        dimentica();
        libreria.unload();
        return false;
    }
    chiudi(pcm);
    return true;
}
#endif

}   // namespace

// One opened tune: its synthesizer once ready, and the worker thread that prepares it.
struct MidiFluid::Brano {
    QByteArray percorso;
    QByteArray soundfont;
    QByteArray fileAudio;

    std::thread preparazione;
    std::atomic<bool> annullato{false};

    mutable std::mutex guardia;   // what follows is shared with the worker
    bool inPreparazione = true;
    bool suonare = false;   // the last play or pause asked for
    const Fluid* f = nullptr;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_audio_driver_t* driver = nullptr;

    void prepara();
    void smonta();
};

void MidiFluid::Brano::prepara()
{
    const bool suFile = !fileAudio.isEmpty();
    // The device first: a machine without sound loads neither the synthesizer nor the soundfont.
    bool dispositivoProvato = suFile;
#ifdef POSSIDORIA_ALSA
    if (!suFile) {
        if (!MidiFluid::dispositivoPossibile() || !dispositivoAlsa()) {
            const std::lock_guard<std::mutex> l(guardia);
            inPreparazione = false;
            return;
        }
        dispositivoProvato = true;
    }
#endif
    const Fluid* fs = annullato ? nullptr : fluid();
    fluid_settings_t* s = fs ? fs->new_fluid_settings() : nullptr;
    fluid_synth_t* sy = nullptr;
    fluid_audio_driver_t* d = nullptr;
    fluid_player_t* p = nullptr;
    bool riuscito = s != nullptr;
    if (riuscito) {
        if (suFile) {
            fs->fluid_settings_setstr(s, "audio.driver", "file");
            fs->fluid_settings_setstr(s, "audio.file.name", fileAudio.constData());
        } else if (dispositivoProvato) {
            fs->fluid_settings_setstr(s, "audio.driver", "alsa");
        }
        // Samples are read when a preset is chosen, so only the tune's instruments are loaded; and
        // a three-part tune never sounds more than a few dozen voices at once.
        fs->fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
        fs->fluid_settings_setint(s, "synth.polyphony", 64);
        riuscito = (sy = fs->new_fluid_synth(s)) != nullptr;
    }
    // Untested, the device is tried through FluidSynth's own driver, before the soundfont.
    if (riuscito && !dispositivoProvato)
        riuscito = !annullato && (d = fs->new_fluid_audio_driver(s, sy)) != nullptr;
    if (riuscito)
        riuscito = !annullato && fs->fluid_synth_sfload(sy, soundfont.constData(), 1) != FLUID_FAILED;
    if (riuscito)
        riuscito =
            (p = fs->new_fluid_player(sy)) != nullptr && fs->fluid_player_add(p, percorso.constData()) == FLUID_OK;
    // A tested device gets its driver last: its audio thread does not run while the soundfont is read.
    if (riuscito && !d)
        riuscito = !annullato && (d = fs->new_fluid_audio_driver(s, sy)) != nullptr;

    const std::lock_guard<std::mutex> l(guardia);
    inPreparazione = false;
    f = fs;
    settings = s;
    synth = sy;
    driver = d;
    player = p;
    if (!riuscito || annullato) {
        smonta();
        return;
    }
    if (suonare)
        f->fluid_player_play(player);
}

void MidiFluid::Brano::smonta()
{
    // The driver's thread drives the player and the synth: it goes first, before what it uses.
    if (driver)
        f->delete_fluid_audio_driver(driver);
    if (player) {
        f->fluid_player_stop(player);
        f->delete_fluid_player(player);
    }
    if (synth)
        f->delete_fluid_synth(synth);
    if (settings)
        f->delete_fluid_settings(settings);
    driver = nullptr;
    player = nullptr;
    synth = nullptr;
    settings = nullptr;
}

MidiFluid::MidiFluid() = default;
MidiFluid::MidiFluid(const QString& fileAudio)
    : fileAudio_(fileAudio)
{}
MidiFluid::~MidiFluid() { chiudi(); }

QString MidiFluid::soundfont()
{
    for (const char* p : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
                          "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
        if (QFileInfo::exists(QString::fromLatin1(p)))
            return QString::fromLatin1(p);
    return {};
}

bool MidiFluid::dispositivoPossibile(const QString& radice, const QString& casa)
{
    if (!qEnvironmentVariableIsEmpty("ALSA_CONFIG_PATH"))
        return true;
    const QDir r(radice.isEmpty() ? QDir::rootPath() : radice);
    const QDir h(casa.isEmpty() ? QDir::homePath() : casa);
    QStringList configurazioni = {r.filePath(QStringLiteral("etc/asound.conf")),
                                  h.filePath(QStringLiteral(".asoundrc")),
                                  h.filePath(QStringLiteral(".config/alsa/asoundrc"))};
    if (!qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        configurazioni << qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/alsa/asoundrc");
    if (QFileInfo::exists(r.filePath(QStringLiteral("dev/snd"))))
        return true;
    for (const QString& f : std::as_const(configurazioni))
        if (QFileInfo::exists(f))
            return true;
    // Sound servers' plugins set themselves up as the default device from these folders.
    for (const char* cartella : {"etc/alsa/conf.d", "usr/share/alsa/alsa.conf.d"})
        if (!QDir(r.filePath(QString::fromLatin1(cartella))).entryList(QDir::Files | QDir::System).isEmpty())
            return true;
    return false;
}

bool MidiFluid::apri(const QString& percorso)
{
    chiudi();
    const QString sf = soundfont();
    if (sf.isEmpty() || !QFileInfo(percorso).isFile())
        return false;
    brano_ = std::make_unique<Brano>();
    brano_->percorso = percorso.toLocal8Bit();
    brano_->soundfont = sf.toLocal8Bit();
    brano_->fileAudio = fileAudio_.toLocal8Bit();
    brano_->preparazione = std::thread(&Brano::prepara, brano_.get());
    return true;
}

void MidiFluid::suona()
{
    if (!brano_)
        return;
    const std::lock_guard<std::mutex> l(brano_->guardia);
    brano_->suonare = true;
    if (brano_->player)
        brano_->f->fluid_player_play(brano_->player);
}

void MidiFluid::pausa()
{
    if (!brano_)
        return;
    const std::lock_guard<std::mutex> l(brano_->guardia);
    brano_->suonare = false;
    // Stopping the player keeps its position; the sounding notes are silenced by hand.
    if (brano_->player) {
        brano_->f->fluid_player_stop(brano_->player);
        brano_->f->fluid_synth_all_notes_off(brano_->synth, -1);
    }
}

int MidiFluid::posizione() const
{
    if (!brano_)
        return -1;
    const std::lock_guard<std::mutex> l(brano_->guardia);
    if (brano_->player)
        return brano_->f->fluid_player_get_current_tick(brano_->player);
    return brano_->inPreparazione ? 0 : -1;
}

bool MidiFluid::attendi()
{
    if (!brano_)
        return false;
    if (brano_->preparazione.joinable())
        brano_->preparazione.join();
    return brano_->player != nullptr;
}

void MidiFluid::chiudi()
{
    if (!brano_)
        return;
    // A preparation under way stops at its next step rather than finish a tune nobody will hear.
    brano_->annullato = true;
    if (brano_->preparazione.joinable())
        brano_->preparazione.join();
    brano_->smonta();
    brano_.reset();
}
