#include "gui/frame/esportazione.h"
#include "gui/frame/modpossidoria.h"
#include "platform/porte.h"
#include <QDir>

namespace Esportazione {

namespace {

void avvisa(const QString& testo, Icona icona = Icona::Esclamazione)
{
    if (piattaforma().messaggi)
        piattaforma().messaggi->mostra(testo, ModPossidoria::titoloaiuto, icona);
}

}   // namespace

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
