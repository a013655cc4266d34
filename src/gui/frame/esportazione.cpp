#include "gui/frame/esportazione.h"
#include "gui/frame/modpossidoria.h"
#include "platform/porte.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Esportazione {

namespace {

void avvisa(const QString& testo, Icona icona = Icona::Esclamazione)
{
    if (piattaforma().messaggi)
        piattaforma().messaggi->mostra(testo, ModPossidoria::titoloaiuto, icona);
}

}   // namespace

QString cartellaDocumenti()
{
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documenti.isEmpty() ? QString() : QDir(documenti).filePath(QStringLiteral("Possidoria"));
}

QString nomeFile(const QString& parole, const QString& riserva)
{
    QString nome;
    for (const QChar c : parole)
        if (!QStringLiteral("/\\:*?\"<>|").contains(c) && c.isPrint())
            nome += c;
    nome = nome.simplified();
    // A leading dot would hide the file.
    while (nome.startsWith(QLatin1Char('.')))
        nome.remove(0, 1);
    return nome.trimmed().isEmpty() ? riserva : nome.trimmed();
}

QString percorsoLibero(const QString& cartella, const QString& nome, const QString& estensione)
{
    const QDir dir(cartella);
    QString percorso = dir.filePath(nome + QLatin1Char('.') + estensione);
    for (int n = 2; QFileInfo::exists(percorso) || QFileInfo(percorso).isSymLink(); ++n)
        percorso = dir.filePath(QStringLiteral("%1 (%2).%3").arg(nome).arg(n).arg(estensione));
    return percorso;
}

QString salvaEMostra(PortaWord& word, const QString& nome, bool rifai)
{
    const QString cartella = cartellaDocumenti();
    if (cartella.isEmpty() || !QDir().mkpath(cartella)) {
        avvisa(QStringLiteral("Non è stato possibile creare la cartella dei documenti:\r")
               + QDir::toNativeSeparators(cartella.isEmpty() ? QStringLiteral("Possidoria") : cartella)
               + QStringLiteral("\rIl documento non è stato scritto."));
        return {};
    }
    const QString percorso = rifai ? QDir(cartella).filePath(nome + QStringLiteral(".odt"))
                                   : percorsoLibero(cartella, nome, QStringLiteral("odt"));
    if (!word.salvaCome(percorso)) {
        avvisa(QStringLiteral("Non è stato possibile scrivere il documento:\r") + QDir::toNativeSeparators(percorso)
               + QStringLiteral("\rIl disco potrebbe essere pieno o la cartella protetta da scrittura."));
        return {};
    }
    // Shown from where it was saved, never written a second time.
    return mostra(word);
}

QString mostra(PortaWord& word)
{
    const DocumentoMostrato esito = word.mostra();
    const QString dove = QDir::toNativeSeparators(esito.percorso);
    if (!esito.scritto) {
        // A document cut short is no document: the user must not look for it.
        avvisa(esito.percorso.isEmpty()
                   ? QStringLiteral("Non è stato possibile scrivere il documento: né la cartella temporanea, "
                                    "né la cartella della cache, né quella dei documenti possono accoglierlo.")
                   : QStringLiteral("Non è stato possibile scrivere il documento:\r") + dove
                         + QStringLiteral("\rIl disco potrebbe essere pieno o la cartella protetta da scrittura."));
        return {};
    }
    ModPossidoria::docword = esito.percorso;
    ModPossidoria::appword = esito.aperto ? esito.applicazione : QString();
    if (!esito.aperto)
        avvisa(QStringLiteral("Nessun programma di videoscrittura ha potuto aprire il documento, "
                              "che è stato scritto in:\r")
               + dove
               + QStringLiteral("\rLo si può aprire con un programma che legga i documenti "
                                "OpenDocument (.odt)."));
    else if (esito.cartellaRipiego)
        avvisa(QStringLiteral("La cartella dei file temporanei non è disponibile: il documento è stato "
                              "scritto in:\r")
                   + dove,
               Icona::Informazione);
    return esito.percorso;
}

}   // namespace Esportazione
