#include "core/scritturafile.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>

#include <cerrno>
#include <dirent.h>
#include <cstdlib>
#include <fcntl.h>
#include <libgen.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What stands under a name that is not a regular file.
QString tipoNonFile(mode_t modo)
{
    if (S_ISDIR(modo))
        return QStringLiteral("una cartella");
    if (S_ISFIFO(modo))
        return QStringLiteral("una coda (FIFO)");
    if (S_ISCHR(modo) || S_ISBLK(modo))
        return QStringLiteral("un dispositivo");
    if (S_ISSOCK(modo))
        return QStringLiteral("un socket");
    return QStringLiteral("un oggetto speciale del sistema");
}

QByteArray cartellaDi(const QByteArray& percorso)
{
    QByteArray copia = percorso;
    return QByteArray(dirname(copia.data()));
}

// EACCES on a path: the folder that holds the file cannot be entered, or the file itself is barred.
bool cartellaPercorribile(const QByteArray& percorso)
{
    return faccessat(AT_FDCWD, cartellaDi(percorso).constData(), X_OK, AT_EACCESS) == 0;
}

QByteArray nomeDi(const QByteArray& percorso)
{
    const qsizetype barra = percorso.lastIndexOf('/');
    return barra < 0 ? percorso : percorso.mid(barra + 1);
}

// A name whose bytes are not UTF-8 reaches the program with U+FFFD in their place, and that name
// does not exist: true when the folder holds a file that the same substitution names so.
bool nomeNonUtf8(const QByteArray& percorso)
{
    const QByteArray sostituto("\xEF\xBF\xBD");
    const QByteArray nome = nomeDi(percorso);
    if (!nome.contains(sostituto))
        return false;
    DIR* cartella = opendir(cartellaDi(percorso).constData());
    if (!cartella)
        return false;
    bool trovato = false;
    while (const dirent* voce = readdir(cartella)) {
        const QByteArray grezzo(voce->d_name);
        if (grezzo != nome && QFile::encodeName(QFile::decodeName(grezzo)) == nome) {
            trovato = true;
            break;
        }
    }
    closedir(cartella);
    return trovato;
}

QString motivoPercorso(int codice, const QByteArray& percorso, const QString& perIlFile)
{
    switch (codice) {
    case ENOENT:
        if (nomeNonUtf8(percorso))
            return QStringLiteral("il nome del file non è scritto in UTF-8, la codifica dei nomi di questo "
                                  "sistema, e così non si può aprire: rinominare il file");
        return QStringLiteral("il file non esiste");
    case ENOTDIR: return QStringLiteral("una parte del percorso non è una cartella");
    case ENXIO: {
        // Opening a socket fails so: it is no device missing.
        struct stat st {};
        if (::stat(percorso.constData(), &st) == 0 && !S_ISREG(st.st_mode))
            return QStringLiteral("non è un file ma %1").arg(tipoNonFile(st.st_mode));
        return descriviErrore(codice);
    }
    case EACCES:
        return cartellaPercorribile(percorso)
                   ? perIlFile
                   : QStringLiteral("non si hanno i permessi per entrare nella cartella che contiene il file");
    default: return descriviErrore(codice);
    }
}

// An open descriptor, closed on every way out.
class Descrittore {
public:
    explicit Descrittore(int fd)
        : fd_(fd)
    {}
    ~Descrittore()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }
    // Closes now and answers the system's error number, 0 when closed cleanly.
    int chiudi()
    {
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0 ? 0 : errno;
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;

private:
    int fd_;
};

// The longest name the folder takes (NAME_MAX where the file system does not say).
qsizetype nomeMassimo(const QByteArray& cartella)
{
    const long massimo = pathconf(cartella.constData(), _PC_NAME_MAX);
    return massimo > 0 ? qsizetype(massimo) : 255;
}

// A fresh file beside the target, made with the usual permissions (the umask applies). Its name is
// the target's and seven characters more, the target's shortened (never inside a UTF-8 character)
// when that would pass the longest name the folder takes.
int creaTemporaneo(const QByteArray& bersaglio, QByteArray* nome, mode_t permessi)
{
    static const char cifre[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const QByteArray nomeBersaglio = nomeDi(bersaglio);
    QByteArray base = bersaglio;
    const qsizetype eccesso = nomeBersaglio.size() + 7 - nomeMassimo(cartellaDi(bersaglio));
    if (eccesso > 0) {
        qsizetype taglio = base.size() - eccesso;
        while (taglio > base.size() - nomeBersaglio.size() && (uchar(base[taglio]) & 0xC0) == 0x80)
            --taglio;
        base.truncate(taglio);
    }
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        *nome = base + '.';
        for (int i = 0; i < 6; ++i)
            *nome += cifre[QRandomGenerator::global()->bounded(int(sizeof cifre - 1))];
        const int fd = ::open(nome->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, permessi);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The temporary file takes the name only if the name is free, in one step: where the file system
// cannot rename so, a hard link does the same; where it has neither, the name is checked just before.
bool rinominaSenzaSostituire(const QByteArray& temporaneo, const QByteArray& bersaglio)
{
    if (::renameat2(AT_FDCWD, temporaneo.constData(), AT_FDCWD, bersaglio.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    if (::link(temporaneo.constData(), bersaglio.constData()) == 0) {
        ::unlink(temporaneo.constData());
        return true;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != ENOSYS)
        return false;
    struct stat st {};
    if (::lstat(bersaglio.constData(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(temporaneo.constData(), bersaglio.constData()) == 0;
}

}   // namespace

EsitoScrittura scriviFileIntero(const QString& percorso, const QByteArray& dati, Sostituzione sostituzione,
                                Riservatezza riservatezza)
{
    const bool privato = riservatezza == Riservatezza::soloUtente;
    QByteArray bersaglio = QFile::encodeName(percorso);
    const bool segue = sostituzione == Sostituzione::seguendoCollegamenti;
    struct stat prima {};
    const bool esiste = (segue ? ::stat(bersaglio.constData(), &prima) : ::lstat(bersaglio.constData(), &prima)) == 0;
    if (!esiste && errno != ENOENT)
        return {false,
                motivoPercorso(errno, bersaglio, QStringLiteral("non si hanno i permessi per raggiungere il file"))};
    if (nomeDi(bersaglio).size() > nomeMassimo(cartellaDi(bersaglio)))
        return {false, descriviErrore(ENAMETOOLONG)};
    const QString conseguenza =
        esiste ? QStringLiteral("il file precedente è rimasto com'era") : QStringLiteral("il file non è stato creato");
    if (esiste) {
        // A link under a name the program made up is never followed: it may lead anywhere.
        if (S_ISLNK(prima.st_mode))
            return {false,
                    QStringLiteral("il nome indica un collegamento simbolico, che non viene seguito né sostituito"),
                    true};
        // A device or a pipe under the name would be replaced by a regular file: never.
        if (!S_ISREG(prima.st_mode))
            return {false,
                    QStringLiteral("il nome indica %1, non un file, che non viene sostituito")
                        .arg(tipoNonFile(prima.st_mode)),
                    true};
        if (sostituzione == Sostituzione::mai)
            return {false, QStringLiteral("un file con questo nome esiste già e non viene sostituito"), true};
        // Through a link, the file it leads to is replaced and the link stays.
        if (char* vero = segue ? realpath(bersaglio.constData(), nullptr) : nullptr) {
            bersaglio = vero;
            std::free(vero);
        }
        // The new file takes the old one's place in its folder: the folder must take it first.
        if (faccessat(AT_FDCWD, cartellaDi(bersaglio).constData(), W_OK | X_OK, AT_EACCESS) != 0)
            return {false, QStringLiteral("%1; %2").arg(
                               errno == EACCES ? QStringLiteral("non si hanno i permessi per scrivere nella cartella")
                                               : descriviErrore(errno),
                               conseguenza)};
        if (faccessat(AT_FDCWD, bersaglio.constData(), W_OK, AT_EACCESS) != 0)
            return {false,
                    QStringLiteral("%1; %2").arg(errno == EACCES ? QStringLiteral("il file è protetto dalla scrittura")
                                                                 : descriviErrore(errno),
                                                 conseguenza)};
    }

    QByteArray temporaneo;
    Descrittore file(creaTemporaneo(bersaglio, &temporaneo, privato ? 0600 : 0666));
    if (file.fd() < 0) {
        const int codice = errno;
        QString motivo;
        if (codice == EACCES || codice == EPERM)
            motivo = QStringLiteral("non si hanno i permessi per scrivere nella cartella");
        else if (codice == ENOENT)
            // A folder of the system's (/proc/self) exists and takes no new file.
            motivo = ::access(cartellaDi(bersaglio).constData(), F_OK) == 0
                         ? QStringLiteral("la cartella non accetta nuovi file")
                         : QStringLiteral("la cartella non esiste");
        else
            motivo = descriviErrore(codice);
        return {false, QStringLiteral("%1; %2").arg(motivo, conseguenza)};
    }
    const auto scartato = [&](int codice) {
        ::unlink(temporaneo.constData());
        return EsitoScrittura{
            false,
            QStringLiteral("la scrittura non è stata completata (%1); %2").arg(descriviErrore(codice), conseguenza)};
    };
    if (esiste && !privato)
        fchmod(file.fd(), prima.st_mode & 07777);
    qsizetype scritti = 0;
    while (scritti < dati.size()) {
        const ssize_t n = ::write(file.fd(), dati.constData() + scritti, size_t(dati.size() - scritti));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return scartato(n < 0 ? errno : ENOSPC);
        scritti += n;
    }
    if (::fsync(file.fd()) != 0 && errno != EINVAL)
        return scartato(errno);
    if (const int codice = file.chiudi())
        return scartato(codice);

    // Renaming replaces the entry under the name, a link planted meanwhile included, never what it
    // leads to.
    if (sostituzione == Sostituzione::mai ? !rinominaSenzaSostituire(temporaneo, bersaglio)
                                          : ::rename(temporaneo.constData(), bersaglio.constData()) != 0) {
        const int codice = errno;
        ::unlink(temporaneo.constData());
        if (codice == EEXIST)
            return {false,
                    QStringLiteral("un file con questo nome è comparso durante la scrittura e non viene sostituito"),
                    true};
        QString motivo = descriviErrore(codice);
        struct stat cartella {};
        if ((codice == EPERM || codice == EACCES) && esiste && ::stat(cartellaDi(bersaglio).constData(), &cartella) == 0
            && (cartella.st_mode & S_ISVTX) && prima.st_uid != geteuid() && cartella.st_uid != geteuid())
            motivo = QStringLiteral("la cartella è condivisa e solo il proprietario del file può sostituirlo");
        return {false, QStringLiteral("%1; %2").arg(motivo, conseguenza)};
    }
    return {true, {}};
}

LetturaFile leggiFileOrdinario(const QString& percorso, qint64 massimo)
{
    LetturaFile esito;
    if (percorso.isEmpty()) {
        esito.errore = QStringLiteral("il file non esiste");
        return esito;
    }
    const QByteArray nome = QFile::encodeName(percorso);
    // Without waiting: a pipe with no writer, swapped in for the file, opens at once.
    Descrittore file(::open(nome.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.fd() < 0) {
        esito.errore = motivoPercorso(errno, nome, QStringLiteral("non si hanno i permessi per leggere il file"));
        return esito;
    }
    // The type of what was opened, not of what the name meant a moment before.
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0) {
        esito.errore = descriviErrore(errno);
        return esito;
    }
    if (!S_ISREG(st.st_mode)) {
        esito.errore = QStringLiteral("non è un file ma %1").arg(tipoNonFile(st.st_mode));
        return esito;
    }
    esito.dimensione = st.st_size;
    esito.dati.resize(qsizetype(std::min<qint64>(massimo, std::max<qint64>(st.st_size, 0))));
    qsizetype letti = 0;
    while (letti < massimo) {
        if (letti == esito.dati.size())
            esito.dati.resize(qsizetype(std::min<qint64>(massimo, letti + 4096)));
        const ssize_t n = ::read(file.fd(), esito.dati.data() + letti, size_t(esito.dati.size() - letti));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            esito.errore = QStringLiteral("il file non si può leggere (%1)").arg(descriviErrore(errno));
            esito.dati.clear();
            return esito;
        }
        if (n == 0)
            break;
        letti += n;
    }
    esito.dati.truncate(letti);
    esito.riuscita = true;
    return esito;
}

QString descriviErrore(int codice)
{
    switch (codice) {
    case EACCES: return QStringLiteral("permesso negato");
    case EPERM: return QStringLiteral("operazione non permessa");
    case ENOENT: return QStringLiteral("il file o la cartella non esiste");
    case ENOTDIR: return QStringLiteral("una parte del percorso non è una cartella");
    case EISDIR: return QStringLiteral("il nome indica una cartella");
    case EROFS: return QStringLiteral("il disco è in sola lettura");
    case EPIPE: return QStringLiteral("il programma che riceveva i dati ha chiuso la comunicazione (pipe interrotta)");
    case ENOSPC: return QStringLiteral("il disco è pieno");
    case EDQUOT: return QStringLiteral("lo spazio su disco concesso all'utente è esaurito");
    case EFBIG: return QStringLiteral("il file supererebbe la dimensione massima consentita");
    case EIO: return QStringLiteral("errore di lettura o scrittura sul disco");
    case ENAMETOOLONG: return QStringLiteral("il nome del file è troppo lungo");
    case ELOOP: return QStringLiteral("il percorso contiene troppi collegamenti, forse in un ciclo");
    case EMFILE:
    case ENFILE: return QStringLiteral("troppi file aperti");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("il file è in uso");
    case EXDEV: return QStringLiteral("il file si trova su un altro disco");
    case ENXIO:
    case ENODEV: return QStringLiteral("il dispositivo non è disponibile");
    case ENOMEM: return QStringLiteral("memoria insufficiente");
    default: return QStringLiteral("errore di sistema n. %1").arg(codice);
    }
}
