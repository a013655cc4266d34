#include "gui/case/ripristino.h"

#include "gui/frame/modpossidoria.h"
#include "core/archivio.h"
#include "core/bloccoarchivio.h"
#include "core/causaviva.h"
#include "core/statocausa.h"
#include "platform/porte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

namespace Ripristino {

namespace {

const QString marca = QStringLiteral("possidoria-ripristino");

// The case as the archive writes it: whatever fields the record has, the copy carries them.
QString comeTesto(const Causa& c) { return QString::fromLatin1(scriviArchivio(c).toBase64()); }

std::optional<Causa> daTesto(const QJsonValue& v)
{
    const LetturaArchivio l = leggiArchivio(QByteArray::fromBase64(v.toString().toLatin1()));
    return l.valido ? std::optional<Causa>(l.causa) : std::nullopt;
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
    return c;
}

QList<Copia> abbandonate()
{
    QList<Copia> elenco;
    const QDir dir(cartella());
    for (const QString& nome : dir.entryList({QStringLiteral("causa-*.json")}, QDir::Files)) {
        QFile f(dir.filePath(nome));
        if (f.size() > 4 * Archivio::dimensioneMassima || !f.open(QIODevice::ReadOnly))
            continue;
        std::optional<Copia> c = leggi(f.readAll());
        if (!c || c->pid == QCoreApplication::applicationPid() || BloccoArchivio::processoAttivo(c->pid))
            continue;
        c->file = f.fileName();
        elenco << *c;
    }
    std::sort(elenco.begin(), elenco.end(), [](const Copia& a, const Copia& b) { return a.ora > b.ora; });
    return elenco;
}

bool offri(CausaViva& viva)
{
    const QList<Copia> copie = abbandonate();
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
    QFile::remove(c.file);
    if (r != Risposta::Si)
        return false;
    viva.ripristina(c.causa, c.salvata, c.archivio);
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
    // A clean exit leaves no copy behind.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
            attesa_.stop();
            QFile::remove(file());
        });
    causaCambiata();
}

Custode::~Custode() { QFile::remove(file()); }

QString Custode::file()
{
    return cartella() + QStringLiteral("/causa-%1.json").arg(QCoreApplication::applicationPid());
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

void Custode::scriviOra()
{
    const CausaViva& viva = viva_;
    if (!viva.modificata())
        return;
    QDir().mkpath(cartella());
    QFile::setPermissions(cartella(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Whole or not at all: a crash while writing leaves the previous copy.
    QSaveFile f(file());
    const bool scritta =
        f.open(QIODevice::WriteOnly)
        && f.write(scrivi({viva.causa(), viva.salvata(), viva.archivio(), QDateTime::currentDateTimeUtc(),
                           QCoreApplication::applicationPid(), QString()}))
               >= 0
        && f.commit();
    // The user counts on the copy: told once while it cannot be written, not at every key.
    if (!scritta && !avvisato_)
        piattaforma().messaggi->mostra(
            QStringLiteral("La copia di sicurezza della causa non può essere scritta in %1: se il programma si "
                           "chiudesse all'improvviso, le modifiche non salvate andrebbero perse. Salvare la causa "
                           "con \"Salva\".")
                .arg(QDir::toNativeSeparators(cartella())),
            ModPossidoria::nomeprogramma, Icona::Esclamazione);
    avvisato_ = !scritta;
}

}   // namespace Ripristino
