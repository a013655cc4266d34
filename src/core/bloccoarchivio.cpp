#include "core/bloccoarchivio.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace BloccoArchivio {

namespace {

QString nomeUtente()
{
    // The full name the system knows, else the login name.
    if (const passwd* p = ::getpwuid(::getuid())) {
        const QString completo = QString::fromLocal8Bit(p->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
        return completo.isEmpty() ? QString::fromLocal8Bit(p->pw_name) : completo;
    }
    return qEnvironmentVariable("USER");
}

QString nomeMacchina()
{
    char nome[256] = {};
    return ::gethostname(nome, sizeof nome - 1) == 0 ? QString::fromLocal8Bit(nome) : QString();
}

// What this instance holds: the lock file and the archive, both open and locked with flock().
struct Tenuto {
    int fdBlocco = -1;   // -1 when no lock file could be made (only the archive is locked)
    int fdArchivio = -1;
};
QHash<QString, Tenuto>& tenuti()
{
    static QHash<QString, Tenuto> t;
    return t;
}

void chiudi(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// The archive opened and locked for this instance alone: -1 with errno EWOULDBLOCK when another
// process of this machine holds it, -1 with another errno when there is nothing to lock.
int bloccaArchivio(const QString& archivio)
{
    const int fd = ::open(QFile::encodeName(archivio).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int codice = errno;
        ::close(fd);
        errno = codice == EWOULDBLOCK ? EWOULDBLOCK : EINVAL;
        return -1;
    }
    return fd;
}

// True when a process of this machine holds a flock() on the regular file open as fd.
bool bloccatoDaAltri(int fd)
{
    if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
        ::flock(fd, LOCK_UN);
        return false;
    }
    return errno == EWOULDBLOCK;
}

// The lock file read without waiting and without following a link: its owner, and whether a live
// process holds it locked. Nothing when no regular file stands there.
struct Letto {
    std::optional<Titolare> titolare;
    bool vivo = false;
    dev_t dispositivo = 0;
    ino_t nodo = 0;
};
std::optional<Letto> leggiBlocco(const QString& percorsoBlocco)
{
    const int fd = ::open(QFile::encodeName(percorsoBlocco).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    Letto l;
    l.dispositivo = st.st_dev, l.nodo = st.st_ino;
    char dati[1024];
    const ssize_t n = ::read(fd, dati, sizeof dati);
    if (n > 0)
        l.titolare = leggi(QByteArray(dati, qsizetype(n)));
    l.vivo = bloccatoDaAltri(fd);
    ::close(fd);
    return l;
}

// When a process started, as a date: the machine's boot plus its start in clock ticks.
QDateTime inizioProcesso(qint64 avvio)
{
    QFile stat(QStringLiteral("/proc/stat"));
    if (avvio <= 0 || !stat.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& riga : stat.read(1 << 16).split('\n'))
        if (riga.startsWith("btime "))
            return QDateTime::fromSecsSinceEpoch(riga.mid(6).trimmed().toLongLong() + avvio / ::sysconf(_SC_CLK_TCK));
    return {};
}

bool diQuestaIstanza(const Titolare& t)
{
    return t.macchina == nomeMacchina() && t.pid == QCoreApplication::applicationPid() && processoDelBlocco(t);
}

// Who holds it, as far as the lock file tells: nothing when it is free or its writer is gone.
std::optional<Titolare> titolareVivo(const Letto& l)
{
    if (l.vivo)
        return l.titolare ? *l.titolare : Titolare{};
    if (!l.titolare || diQuestaIstanza(*l.titolare))
        return std::nullopt;
    if (l.titolare->macchina != nomeMacchina() || processoDelBlocco(*l.titolare))
        return l.titolare;
    return std::nullopt;
}

// The stale lock file removed, only if it is still the one that was judged stale: it is first moved
// to a name of this process's own, which only one process can do.
void togliStantio(const QString& percorsoBlocco, const Letto& giudicato)
{
    const QByteArray nome = QFile::encodeName(percorsoBlocco);
    const QByteArray appartato = nome + ".stantio." + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    if (::rename(nome.constData(), appartato.constData()) != 0)
        return;
    struct stat st {};
    if (::lstat(appartato.constData(), &st) == 0 && (st.st_dev != giudicato.dispositivo || st.st_ino != giudicato.nodo))
        // A fresh lock taken meanwhile goes back; if another took the name since, that one stands.
        [[maybe_unused]]
        const int rimesso = ::link(appartato.constData(), nome.constData());
    ::unlink(appartato.constData());
}

}   // namespace

QString percorso(const QString& archivio)
{
    const QFileInfo f(archivio);
    // The folder the archive is really in, under its real name: every link leads to one lock.
    const QString vero = f.exists() ? f.canonicalFilePath() : QString();
    const QFileInfo reale(vero.isEmpty() ? archivio : vero);
    QString cartella = QFileInfo(reale.absolutePath()).canonicalFilePath();
    if (cartella.isEmpty())
        cartella = reale.absolutePath();
    const QString nome = reale.fileName();
    QByteArray blocco = ".~lock." + QFile::encodeName(nome) + '#';
    const long massimo = ::pathconf(QFile::encodeName(cartella).constData(), _PC_NAME_MAX);
    const qsizetype limite = massimo > 0 ? qsizetype(massimo) : 255;
    if (blocco.size() > limite) {
        // The beginning of the name, cut between two characters, and a digest of all of it.
        const QByteArray impronta =
            '~' + QCryptographicHash::hash(QFile::encodeName(nome), QCryptographicHash::Sha256).toHex().left(16) + '#';
        qsizetype taglio = limite - impronta.size();
        while (taglio > 7 && (uchar(blocco[taglio]) & 0xC0) == 0x80)
            --taglio;
        blocco = blocco.left(taglio) + impronta;
    }
    return cartella + QLatin1Char('/') + QFile::decodeName(blocco);
}

QByteArray scrivi(const Titolare& t)
{
    // One line of fields, commas in the names made harmless.
    QStringList campi{QString(t.utente).replace(QLatin1Char(','), QLatin1Char(' ')),
                      QString(t.macchina).replace(QLatin1Char(','), QLatin1Char(' ')), QString::number(t.pid),
                      t.dal.toString(Qt::ISODate)};
    return (QStringLiteral("possidoria,") + campi.join(QLatin1Char(',')) + QLatin1Char('\n')).toUtf8();
}

std::optional<Titolare> leggi(const QByteArray& dati)
{
    const QStringList campi = QString::fromUtf8(dati).trimmed().split(QLatin1Char(','));
    if (campi.size() != 5 || campi[0] != QLatin1String("possidoria"))
        return std::nullopt;
    return Titolare{campi[1], campi[2], campi[3].toLongLong(), QDateTime::fromString(campi[4], Qt::ISODate)};
}

Titolare questaIstanza()
{
    return {nomeUtente(), nomeMacchina(), QCoreApplication::applicationPid(), QDateTime::currentDateTimeUtc()};
}

std::optional<Titolare> altroTitolare(const QString& archivio)
{
    const QString blocco = percorso(archivio);
    if (tenuti().contains(blocco))
        return std::nullopt;
    const std::optional<Letto> l = leggiBlocco(blocco);
    if (const std::optional<Titolare> t = l ? titolareVivo(*l) : std::nullopt)
        return t;
    // The archive itself locked: an instance holds it under another name (a hard link).
    const int fd = ::open(QFile::encodeName(archivio).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    const bool regolare = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    // Held here under another name: this instance's own.
    for (const Tenuto& t : std::as_const(tenuti())) {
        struct stat nostro {};
        if (regolare && t.fdArchivio >= 0 && ::fstat(t.fdArchivio, &nostro) == 0 && nostro.st_dev == st.st_dev
            && nostro.st_ino == st.st_ino) {
            ::close(fd);
            return std::nullopt;
        }
    }
    const bool tenutoAltrove = regolare && bloccatoDaAltri(fd);
    ::close(fd);
    if (tenutoAltrove)
        return Titolare{{}, nomeMacchina(), 0, {}};
    return std::nullopt;
}

bool prendi(const QString& archivio)
{
    const QString blocco = percorso(archivio);
    if (tenuti().contains(blocco)) {
        // Saved meanwhile: the new file under the name is the one to hold.
        Tenuto& t = tenuti()[blocco];
        const int nuovo = bloccaArchivio(archivio);
        if (nuovo >= 0 || errno != EWOULDBLOCK) {
            chiudi(t.fdArchivio);
            t.fdArchivio = nuovo;
        }
        return true;
    }
    // The archive first: of two instances of this machine, whatever names they used, one gets it.
    Tenuto t;
    t.fdArchivio = bloccaArchivio(archivio);
    if (t.fdArchivio < 0 && errno == EWOULDBLOCK)
        return false;
    const QByteArray nome = QFile::encodeName(blocco);
    for (int tentativo = 0; tentativo < 5; ++tentativo) {
        // Created here or not at all: never through a link, a pipe or a folder at the name.
        const int fd = ::open(nome.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            const QByteArray dati = scrivi(questaIstanza());
            if (::write(fd, dati.constData(), size_t(dati.size())) != ssize_t(dati.size())) {
                // A lock file that says nothing protects nothing: the archive's own lock stays.
                ::unlink(nome.constData());
                ::close(fd);
                break;
            }
            t.fdBlocco = fd;
            break;
        }
        if (errno != EEXIST)
            break;   // a folder that takes no file: the lock on the archive alone
        const std::optional<Letto> l = leggiBlocco(blocco);
        if (!l)
            break;   // not a lock file (a pipe, a folder, a link): left alone, never written through
        if (titolareVivo(*l)) {
            chiudi(t.fdArchivio);
            return false;
        }
        togliStantio(blocco, *l);
    }
    tenuti().insert(blocco, t);
    return true;
}

void lascia(const QString& archivio)
{
    if (archivio.isEmpty())
        return;
    const QString blocco = percorso(archivio);
    auto it = tenuti().find(blocco);
    if (it == tenuti().end())
        return;
    Tenuto t = *it;
    tenuti().erase(it);
    if (t.fdBlocco >= 0) {
        // Removed only while the name still leads to the file this instance made.
        struct stat nostro {
        }, nome{};
        if (::fstat(t.fdBlocco, &nostro) == 0 && ::lstat(QFile::encodeName(blocco).constData(), &nome) == 0
            && nostro.st_dev == nome.st_dev && nostro.st_ino == nome.st_ino)
            ::unlink(QFile::encodeName(blocco).constData());
    }
    chiudi(t.fdBlocco);
    chiudi(t.fdArchivio);
}

bool processoAttivo(qint64 pid)
{
    if (pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno != EPERM))
        return false;
    // The state follows the command's closing parenthesis in /proc/<pid>/stat.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray riga = stat.read(1024);
    const qsizetype chiusa = riga.lastIndexOf(')');
    return chiusa < 0 || chiusa + 2 >= riga.size() || riga.at(chiusa + 2) != 'Z';
}

bool processoDelBlocco(const Titolare& t)
{
    if (!processoAttivo(t.pid))
        return false;
    // Started after the lock was written (a reused pid): not its writer. Boot time is told in whole
    // seconds, and may move by a second or so.
    const QDateTime inizio = inizioProcesso(avvioProcesso(t.pid));
    return !inizio.isValid() || !t.dal.isValid() || inizio <= t.dal.addSecs(2);
}

qint64 avvioProcesso(qint64 pid)
{
    if (pid <= 0)
        return 0;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray riga = stat.read(4096);
    const qsizetype chiusa = riga.lastIndexOf(')');
    if (chiusa < 0)
        return 0;
    // After the command: the state is field 3, the start time field 22.
    const QList<QByteArray> campi = riga.mid(chiusa + 2).split(' ');
    return campi.size() > 19 ? campi[19].toLongLong() : 0;
}

QString descrivi(const Titolare& t)
{
    if (t.utente.isEmpty() && !t.dal.isValid())
        return QStringLiteral("da un'altra istanza del programma su %1").arg(t.macchina);
    return QStringLiteral("da %1 su %2, dal %3")
        .arg(t.utente.isEmpty() ? QStringLiteral("un altro utente") : t.utente, t.macchina,
             t.dal.toLocalTime().toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm")));
}

QString comeLiberare(const QString& archivio)
{
    return QStringLiteral("Se quell'istanza non è più aperta (per esempio perché il suo computer si è spento "
                          "all'improvviso), eliminare il file «%1» nella cartella «%2».")
        .arg(QFileInfo(percorso(archivio)).fileName(), QDir::toNativeSeparators(QFileInfo(percorso(archivio)).path()));
}

}   // namespace BloccoArchivio
