// Time of writing and reading back a complete case: the nine records in memory, then the file
// (whole-or-nothing save and bounded read) in a temporary folder.
#include "core/archivio.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

Causa casoCompleto()
{
    Causa c;
    c.testi = {QStringLiteral("Niccolò Ferrè"),
               QStringLiteral("Società l’Edera, in liquidazione"),
               QStringLiteral("fondo rustico del valore di 150.000 €"),
               QStringLiteral("Città di Castello"),
               QStringLiteral("8/12/1980"),
               QStringLiteral("1/3/2005"),
               QStringLiteral("10/1/1981"),
               QStringLiteral("1/3/2005"),
               QStringLiteral("2/2/1990"),
               QStringLiteral("5/5/1991")};
    c.scelte = {.tipologia = Tipologia::ServituNonApparenti,
                .interruzione = Interruzione::Nessuna,
                .modo = Modo::PacificoPubblico,
                .animo = Animo::DaTitolare,
                .provenienza = Provenienza::Legittima,
                .fede = Fede::Buona,
                .titolo = Titolo::Mancante,
                .provaInizioDate = ProvaCorta::Nessuna,
                .provaFineDate = ProvaLunga::Transazioni,
                .provaInizioInterruzione = ProvaLunga::AttiDisposizione,
                .provaFineInterruzione = ProvaCorta::ContrattiLocazione,
                .obiezioneModo = ProvaRequisito::ContrattiLocazione,
                .obiezioneAnimo = ProvaRequisito::AttiDisposizione,
                .obiezioneProvenienza = ProvaRequisito::Transazioni,
                .obiezioneFede = ProvaRequisito::Donazioni,
                .obiezioneTitolo = ProvaRequisito::AttiDisposizione};
    return c;
}

}   // namespace

int main()
{
    QTextStream out(stdout);
    const Causa causa = casoCompleto();

    const int giri = 200000;
    qsizetype byte = 0;
    int buoni = 0;
    QElapsedTimer cronometro;
    cronometro.start();
    for (int i = 0; i < giri; ++i) {
        const QByteArray dati = scriviArchivio(causa);
        const LetturaArchivio l = leggiArchivio(dati);
        byte = dati.size();
        buoni += l.valido && l.causa == causa;
    }
    const qint64 ns = cronometro.nsecsElapsed();
    out << "archive of " << byte
        << " bytes; write + read in memory: " << QString::number(double(ns) / giri / 1000.0, 'f', 2) << " us per case ("
        << giri << " rounds, " << buoni << " read back equal)\n";

    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("Possidoria-dati-bench"));
    const int giriFile = 200;
    buoni = 0;
    cronometro.restart();
    for (int i = 0; i < giriFile; ++i) {
        const bool salvato = salvaFileArchivio(percorso, causa).riuscita;
        buoni += salvato && leggiFileArchivio(percorso).causa == causa;
    }
    const qint64 nsFile = cronometro.nsecsElapsed();
    out << "save + open of the file: " << QString::number(double(nsFile) / giriFile / 1000.0, 'f', 1)
        << " us per case (" << giriFile << " rounds, " << buoni << " read back equal)\n";
    return 0;
}
