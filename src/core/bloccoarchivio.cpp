#include "core/bloccoarchivio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <pwd.h>
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

}   // namespace

QString percorso(const QString& archivio)
{
    const QFileInfo f(archivio);
    return f.absolutePath() + QStringLiteral("/.~lock.") + f.fileName() + QLatin1Char('#');
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
    QFile f(percorso(archivio));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<Titolare> t = leggi(f.read(4096));
    if (!t)
        return std::nullopt;
    const Titolare io = questaIstanza();
    if (t->macchina == io.macchina && (t->pid == io.pid || !processoAttivo(t->pid)))
        return std::nullopt;
    return t;
}

bool prendi(const QString& archivio)
{
    if (altroTitolare(archivio))
        return false;
    QFile f(percorso(archivio));
    // A stale lock or one of ours is replaced; a new one is created only if none appeared meanwhile.
    if (!f.exists() || f.remove()) {
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            f.write(scrivi(questaIstanza()));
            f.close();
        }
    }
    return !altroTitolare(archivio);
}

void lascia(const QString& archivio)
{
    if (archivio.isEmpty())
        return;
    QFile f(percorso(archivio));
    if (!f.open(QIODevice::ReadOnly))
        return;
    const std::optional<Titolare> t = leggi(f.read(4096));
    f.close();
    const Titolare io = questaIstanza();
    if (t && t->pid == io.pid && t->macchina == io.macchina)
        f.remove();
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

QString descrivi(const Titolare& t)
{
    return QStringLiteral("da %1 su %2, dal %3")
        .arg(t.utente.isEmpty() ? QStringLiteral("un altro utente") : t.utente, t.macchina,
             t.dal.toLocalTime().toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm")));
}

}   // namespace BloccoArchivio
