#include "platform/stampantealbisogno.h"
#include "platform/modulostampa.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {
const QLatin1String nomeModulo("libpossidoria-stampa.so");
}

StampanteAlBisogno::StampanteAlBisogno(QString modulo, QString percorsoPdf)
    : modulo_(std::move(modulo))
    , pdf_(std::move(percorsoPdf))
{}

StampanteAlBisogno::~StampanteAlBisogno() = default;

QString StampanteAlBisogno::moduloInstallato() { return moduloPer(QCoreApplication::applicationDirPath()); }

QString StampanteAlBisogno::moduloPer(const QString& cartellaEseguibile)
{
    const QDir eseguibile(cartellaEseguibile);
    if (eseguibile.exists(nomeModulo))
        return eseguibile.filePath(nomeModulo);
    return QDir::cleanPath(eseguibile.filePath(QLatin1String(POSSIDORIA_MODULI_RELATIVI "/") + nomeModulo));
}

bool StampanteAlBisogno::carica()
{
    if (reale_)
        return true;
    // The module stays loaded for the rest of the run: the printer it made lives until the end.
    QLibrary libreria(modulo_);
    libreria.setLoadHints(QLibrary::PreventUnloadHint);
    const auto nuova = reinterpret_cast<NuovaStampante>(libreria.resolve(POSSIDORIA_NUOVA_STAMPANTE));
    if (nuova)
        reale_.reset(nuova(&pdf_));
    if (reale_)
        return true;
    if (PortaMessaggi* m = piattaforma().messaggi)
        m->mostra(QStringLiteral("Impossibile stampare: il modulo di stampa del programma non si carica.\r"
                                 "File: %1\rCausa: %2\rReinstallare il programma.")
                      .arg(QDir::toNativeSeparators(modulo_), libreria.errorString()),
                  QStringLiteral("Stampa"), Icona::Esclamazione);
    return false;
}

bool StampanteAlBisogno::scegli()
{
    if (!carica())
        return false;
    reale_->proponiPdf(proposto_);
    return reale_->scegli();
}
bool StampanteAlBisogno::posizioneVerticale(int twips) { return reale_ && reale_->posizioneVerticale(twips); }
bool StampanteAlBisogno::dimensioneFont(int punti) { return reale_ && reale_->dimensioneFont(punti); }
bool StampanteAlBisogno::nomeFont(const QString& nome) { return reale_ && reale_->nomeFont(nome); }
bool StampanteAlBisogno::stampaRiga(int colonna, const QString& testo)
{
    return reale_ && reale_->stampaRiga(colonna, testo);
}
bool StampanteAlBisogno::rigaVuota() { return reale_ && reale_->rigaVuota(); }
bool StampanteAlBisogno::nuovaPagina() { return reale_ && reale_->nuovaPagina(); }
bool StampanteAlBisogno::fine() { return reale_ && reale_->fine(); }
bool StampanteAlBisogno::stampaPagine(const std::function<bool(QPagedPaintDevice&)>& disegna)
{
    return reale_ && reale_->stampaPagine(disegna);
}
