#include "platform/scritturafile.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>

#include <cerrno>
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

QString motivoPercorso(int codice, const QByteArray& percorso, const QString& perIlFile)
{
    switch (codice) {
    case ENOENT:
        return QStringLiteral("il file non esiste");
    case ENOTDIR:
        return QStringLiteral("una parte del percorso non è una cartella");
    case EACCES:
        return cartellaPercorribile(percorso)
                   ? perIlFile
                   : QStringLiteral("non si hanno i permessi per entrare nella cartella che contiene il file");
    default:
        return descriviErrore(codice);
    }
}

// An open descriptor, closed on every way out.
class Descrittore {
public:
    explicit Descrittore(int fd) : fd_(fd) {}
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

// A fresh file beside the target, made with the usual permissions (the umask applies).
int creaTemporaneo(const QByteArray& bersaglio, QByteArray* nome)
{
    static const char cifre[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        *nome = bersaglio + '.';
        for (int i = 0; i < 6; ++i)
            *nome += cifre[QRandomGenerator::global()->bounded(int(sizeof cifre - 1))];
        const int fd = ::open(nome->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

EsitoScrittura scriviFileIntero(const QString& percorso, const QByteArray& dati)
{
    QByteArray bersaglio = QFile::encodeName(percorso);
    struct stat prima {};
    const bool esiste = ::stat(bersaglio.constData(), &prima) == 0;
    if (!esiste && errno != ENOENT)
        return {false, motivoPercorso(errno, bersaglio, QStringLiteral("non si hanno i permessi per raggiungere il file"))};
    const QString conseguenza = esiste ? QStringLiteral("il file precedente è rimasto com'era")
                                       : QStringLiteral("il file non è stato creato");
    if (esiste) {
        // A device or a pipe under the name would be replaced by a regular file: never.
        if (!S_ISREG(prima.st_mode))
            return {false, QStringLiteral("il nome indica %1, non un file, che non viene sostituito").arg(tipoNonFile(prima.st_mode))};
        // Through a link, the file it leads to is replaced and the link stays.
        if (char* vero = realpath(bersaglio.constData(), nullptr)) {
            bersaglio = vero;
            std::free(vero);
        }
        // The new file takes the old one's place in its folder: the folder must take it first.
        if (faccessat(AT_FDCWD, cartellaDi(bersaglio).constData(), W_OK | X_OK, AT_EACCESS) != 0)
            return {false, QStringLiteral("non si hanno i permessi per scrivere nella cartella; %1").arg(conseguenza)};
        if (faccessat(AT_FDCWD, bersaglio.constData(), W_OK, AT_EACCESS) != 0)
            return {false, QStringLiteral("il file è protetto dalla scrittura; %1").arg(conseguenza)};
    }

    QByteArray temporaneo;
    Descrittore file(creaTemporaneo(bersaglio, &temporaneo));
    if (file.fd() < 0) {
        const int codice = errno;
        QString motivo;
        if (codice == EACCES || codice == EPERM)
            motivo = QStringLiteral("non si hanno i permessi per scrivere nella cartella");
        else if (codice == ENOENT)
            motivo = QStringLiteral("la cartella non esiste");
        else
            motivo = descriviErrore(codice);
        return {false, QStringLiteral("%1; %2").arg(motivo, conseguenza)};
    }
    const auto scartato = [&](int codice) {
        ::unlink(temporaneo.constData());
        return EsitoScrittura{false, QStringLiteral("la scrittura non è stata completata (%1); %2")
                                         .arg(descriviErrore(codice), conseguenza)};
    };
    if (esiste)
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

    if (::rename(temporaneo.constData(), bersaglio.constData()) != 0) {
        const int codice = errno;
        ::unlink(temporaneo.constData());
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
