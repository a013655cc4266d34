#include "gui/case/ripristino.h"

#include "gui/case/archiviocausa.h"
#include "gui/frame/modpossidoria.h"
#include "core/archivio.h"
#include "core/bloccoarchivio.h"
#include "core/causaviva.h"
#include "core/scritturafile.h"
#include "core/statocausa.h"
#include "platform/porte.h"

#include <QApplication>
#include <QWidget>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>

#include <algorithm>

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Ripristino {

namespace {

const QString marca = QStringLiteral("possidoria-ripristino");

// The case as the archive writes it: whatever fields the record has, the copy carries them.
QString comeTesto(const Causa& c) { return QString::fromLatin1(scriviArchivio(c).toBase64()); }

std::optional<Causa> daTesto(const QJsonValue& v)
{
    // Texts too long for an archive are still the user's work: the copy's own bound applies.
    const LetturaArchivio l = leggiArchivio(QByteArray::fromBase64(v.toString().toLatin1()), dimensioneMassimaCopia);
    return l.valido ? std::optional<Causa>(l.causa) : std::nullopt;
}

qint64 questoAvvio()
{
    static const qint64 avvio = BloccoArchivio::avvioProcesso(QCoreApplication::applicationPid());
    return avvio;
}

// The copy's writer still runs: its pid, and its start when the copy names it.
bool scrittoreVivo(qint64 pid, qint64 avvio)
{
    if (pid == QCoreApplication::applicationPid() && avvio == questoAvvio())
        return true;
    if (!BloccoArchivio::processoAttivo(pid))
        return false;
    return avvio == 0 || BloccoArchivio::avvioProcesso(pid) == avvio;
}

// "causa-<pid>-<start>.json", with anything after it (a temporary copy): its writer.
std::pair<qint64, qint64> scrittoreDalNome(const QString& nome)
{
    const QStringList parti = nome.section(QLatin1Char('.'), 0, 0).split(QLatin1Char('-'));
    return {parti.value(1).toLongLong(), parti.value(2).toLongLong()};
}

// The descriptor of the pipe SIGTERM writes to, read by the event loop.
int tuboTermine[2] = {-1, -1};

void segnaleTermine(int)
{
    const int errore = errno;
    const char b = 1;
    [[maybe_unused]] const ssize_t n = ::write(tuboTermine[1], &b, 1);
    errno = errore;
}

}   // namespace

QString cartella()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/possidoria");
}

QByteArray scrivi(const Copia& copia)
{
    QJsonObject o;
    o[QStringLiteral("programma")] = marca;
    o[QStringLiteral("versione")] = 1;
    o[QStringLiteral("pid")] = copia.pid;
    o[QStringLiteral("avvio")] = copia.avvio;
    o[QStringLiteral("ora")] = copia.ora.toString(Qt::ISODate);
    o[QStringLiteral("archivio")] = copia.archivio;
    o[QStringLiteral("causa")] = comeTesto(copia.causa);
    o[QStringLiteral("salvata")] = comeTesto(copia.salvata);
    return QJsonDocument(o).toJson();
}

std::optional<Copia> leggi(const QByteArray& dati)
{
    const QJsonObject o = QJsonDocument::fromJson(dati).object();
    if (o.value(QStringLiteral("programma")).toString() != marca)
        return std::nullopt;
    const std::optional<Causa> causa = daTesto(o.value(QStringLiteral("causa")));
    const std::optional<Causa> salvata = daTesto(o.value(QStringLiteral("salvata")));
    if (!causa || !salvata)
        return std::nullopt;
    Copia c;
    c.causa = *causa;
    c.salvata = *salvata;
    c.archivio = o.value(QStringLiteral("archivio")).toString();
    c.ora = QDateTime::fromString(o.value(QStringLiteral("ora")).toString(), Qt::ISODate);
    c.pid = o.value(QStringLiteral("pid")).toInteger();
    c.avvio = o.value(QStringLiteral("avvio")).toInteger();
    return c;
}

QString controllaCartella(bool crea)
{
    const QByteArray nome = QFile::encodeName(cartella());
    struct stat st {};
    if (::lstat(nome.constData(), &st) != 0) {
        if (errno != ENOENT || !crea)
            return descriviErrore(errno);
        QDir().mkpath(QFileInfo(cartella()).path());
        if (::mkdir(nome.constData(), 0700) != 0 && errno != EEXIST)
            return descriviErrore(errno);
        if (::lstat(nome.constData(), &st) != 0)
            return descriviErrore(errno);
    }
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("è un collegamento simbolico, che non viene seguito");
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("non è una cartella");
    if (st.st_uid != ::geteuid())
        return QStringLiteral("appartiene a un altro utente");
    // The user's own folder, open to others: made private before a copy goes in. Copies are read
    // from it unless others could have put them there.
    if (crea && (st.st_mode & 077)) {
        if (::chmod(nome.constData(), 0700) != 0)
            return QStringLiteral("è leggibile da altri utenti");
        st.st_mode &= ~mode_t(077);
    }
    if (st.st_mode & 022)
        return QStringLiteral("è scrivibile da altri utenti");
    return {};
}

QList<Copia> abbandonate()
{
    QList<Copia> elenco;
    if (!controllaCartella(false).isEmpty())
        return elenco;
    const QString dir = cartella();
    DIR* cartellaAperta = ::opendir(QFile::encodeName(dir).constData());
    if (!cartellaAperta)
        return elenco;
    QStringList nomi;
    while (const dirent* voce = ::readdir(cartellaAperta))
        nomi << QFile::decodeName(voce->d_name);
    ::closedir(cartellaAperta);
    for (const QString& nome : std::as_const(nomi)) {
        if (!nome.startsWith(QLatin1String("causa-")))
            continue;
        const QString percorso = dir + QLatin1Char('/') + nome;
        // Regular files only: a link to a pipe or to a device is never opened.
        struct stat st {};
        if (::lstat(QFile::encodeName(percorso).constData(), &st) != 0 || !S_ISREG(st.st_mode)
            || st.st_size > dimensioneMassimaCopia)
            continue;
        const auto [pidNome, avvioNome] = scrittoreDalNome(nome);
        const bool temporanea = !nome.endsWith(QLatin1String(".json"));
        // A write in progress of a live instance.
        if (temporanea && scrittoreVivo(pidNome, avvioNome))
            continue;
        const LetturaFile letto = leggiFileOrdinario(percorso, dimensioneMassimaCopia);
        std::optional<Copia> c =
            letto.riuscita && letto.dimensione <= dimensioneMassimaCopia ? leggi(letto.dati) : std::nullopt;
        if (!c) {
            // What a killed write left half done is no copy.
            if (temporanea)
                QFile::remove(percorso);
            continue;
        }
        if (scrittoreVivo(c->pid, c->avvio))
            continue;
        c->file = percorso;
        elenco << *c;
    }
    std::sort(elenco.begin(), elenco.end(), [](const Copia& a, const Copia& b) { return a.ora > b.ora; });
    return elenco;
}

bool offri(CausaViva& viva, Custode& custode, const QList<Copia>& copie)
{
    if (copie.isEmpty())
        return false;
    const Copia& c = copie.first();
    const QString quando = c.ora.toLocalTime().toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm"));
    const QString testo =
        QStringLiteral("Possidoria si è chiuso in modo imprevisto mentre la causa %1 aveva modifiche non salvate "
                       "(ultima modifica il %2).\rRecuperarla com'era?")
            .arg(StatoCausa::nomeCausa(c.causa.testi, c.archivio), quando);
    // "Annulla" (or Esc) decides nothing: the copy waits for the next start.
    const Risposta r = piattaforma().messaggi->mostra(testo + QStringLiteral(" (Annulla: decidere al prossimo avvio)"),
                                                      ModPossidoria::nomeprogramma, Icona::Domanda,
                                                      Pulsanti::SiNoAnnulla, Risposta::Si);
    if (r == Risposta::Annulla)
        return false;
    if (r != Risposta::Si) {
        QFile::remove(c.file);
        return false;
    }
    viva.ripristina(c.causa, c.salvata, c.archivio);
    // The recovered case is this instance's: its archive's lock, then its own copy; the old copy
    // goes only once the new one is written.
    ArchivioCausa::prendiBloccoRecuperato(viva);
    if (custode.scriviOra())
        QFile::remove(c.file);
    return true;
}

Custode::Custode(const CausaViva& viva, QObject* parent)
    : QObject(parent)
    , viva_(viva)
{
    attesa_.setSingleShot(true);
    attesa_.setInterval(ritardo);
    connect(&attesa_, &QTimer::timeout, this, &Custode::scriviOra);
    connect(&viva_, &CausaViva::cambiata, this, &Custode::causaCambiata);
    connect(&viva_, &CausaViva::modificataCambiata, this, &Custode::causaCambiata);
    // A field left: what was typed in it is kept at once, once its window has taken it.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        connect(app, &QApplication::focusChanged, this, [this] {
            if (attesa_.isActive())
                QTimer::singleShot(0, this, [this] {
                    if (attesa_.isActive()) {
                        attesa_.stop();
                        scriviOra();
                    }
                });
        });
    // A clean exit leaves no copy behind.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
            attesa_.stop();
            if (!conservata_)
                QFile::remove(file());
        });
    causaCambiata();
}

Custode::~Custode()
{
    if (!conservata_)
        QFile::remove(file());
}

QString Custode::file()
{
    return cartella() + QStringLiteral("/causa-%1-%2.json").arg(QCoreApplication::applicationPid()).arg(questoAvvio());
}

void Custode::causaCambiata()
{
    if (viva_.modificata()) {
        attesa_.start();   // again: a moment after the last change
        return;
    }
    attesa_.stop();
    QFile::remove(file());
}

bool Custode::scriviOra()
{
    attesa_.stop();
    const CausaViva& viva = viva_;
    if (!viva.modificata())
        return true;
    QString errore = controllaCartella(true);
    if (errore.isEmpty()) {
        // Whole or not at all, private, never through a link planted at its name: a full disk leaves
        // the previous copy as it was.
        const EsitoScrittura esito =
            scriviFileIntero(file(),
                             scrivi({viva.causa(), viva.salvata(), viva.archivio(), QDateTime::currentDateTimeUtc(),
                                     QCoreApplication::applicationPid(), questoAvvio(), QString()}),
                             Sostituzione::soloFileOrdinario, Riservatezza::soloUtente);
        errore = esito.errore;
    } else {
        errore = QStringLiteral("la cartella %1").arg(errore);
    }
    const bool scritta = errore.isEmpty();
    // The user counts on the copy: told once while it cannot be written, not at every key.
    if (!scritta && !avvisato_)
        piattaforma().messaggi->mostra(
            QStringLiteral("La copia di sicurezza della causa non può essere scritta in %1 (%2): se il programma si "
                           "chiudesse all'improvviso, le modifiche non salvate andrebbero perse. Salvare la causa "
                           "con \"Salva\".")
                .arg(QDir::toNativeSeparators(cartella()), errore),
            ModPossidoria::nomeprogramma, Icona::Esclamazione);
    avvisato_ = !scritta;
    return scritta;
}

void Custode::conserva()
{
    if (viva_.modificata() && scriviOra())
        conservata_ = true;
}

void terminaConCopia(Custode& custode)
{
    if (tuboTermine[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, tuboTermine) != 0)
        return;
    auto* notifica = new QSocketNotifier(tuboTermine[0], QSocketNotifier::Read, &custode);
    QObject::connect(notifica, &QSocketNotifier::activated, &custode, [&custode] {
        char b;
        [[maybe_unused]] const ssize_t n = ::read(tuboTermine[0], &b, 1);
        custode.conserva();
        // Straight out of the event loop: no window asks its question to a signal.
        QCoreApplication::exit(0);
    });
    struct sigaction azione {};
    azione.sa_handler = segnaleTermine;
    sigemptyset(&azione.sa_mask);
    azione.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &azione, nullptr);
}

}   // namespace Ripristino
