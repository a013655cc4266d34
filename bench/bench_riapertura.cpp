// Reopening a complete case with "&Apri...": into a fresh program (the record alone, no window),
// and into the ten case windows already loaded (every view shows the new record).
// Run offscreen: QT_QPA_PLATFORM=offscreen ./bench_riapertura
#include "gui/frame/finestre.h"
#include "gui/frame/modpossidoria.h"
#include "gui/case/archiviocausa.h"
#include "core/causaviva.h"
#include "fakes/piattaformafinta.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

static double mediana(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("Possidoria-dati-completo"));
    Causa c;
    c.testi = {QStringLiteral("Niccolò Ferrè"),
               QStringLiteral("Società l’Edera, in liquidazione"),
               QStringLiteral("fondo rustico del valore di 150.000 €"),
               QStringLiteral("Città di Castello"),
               QStringLiteral("8/12/70"),
               QStringLiteral("1/3/95"),
               QStringLiteral("10/1/80"),
               QStringLiteral("1/3/95"),
               QStringLiteral("5/5/85"),
               QStringLiteral("6/6/86")};
    c.scelte = {.tipologia = Tipologia::Proprieta,
                .interruzione = Interruzione::MenoDiUnAnno,
                .modo = Modo::ViolentoClandestino,
                .animo = Animo::PerContoAltrui,
                .provenienza = Provenienza::Legittima,
                .fede = Fede::Buona,
                .titolo = Titolo::Idoneo,
                .provaInizioDate = ProvaCorta::AttiDisposizione,
                .provaFineDate = ProvaLunga::Transazioni,
                .provaInizioInterruzione = ProvaLunga::AttiDisposizione,
                .provaFineInterruzione = ProvaCorta::Transazioni,
                .obiezioneModo = ProvaRequisito::ContrattiLocazione,
                .obiezioneAnimo = ProvaRequisito::AttiDisposizione,
                .obiezioneProvenienza = ProvaRequisito::Transazioni,
                .obiezioneFede = ProvaRequisito::Donazioni,
                .obiezioneTitolo = ProvaRequisito::AttiDisposizione};
    if (!salvaFileArchivio(file, c)) {
        out << "cannot write the archive\n";
        return 1;
    }

    const int giri = 30;
    const char* const finestreCausa[] = {"causa",  "possesso",    "ledate", "interruzione", "modo",
                                         "psiche", "provenienza", "fede",   "acquisto",     "sentenza"};
    // Into a fresh program: the archive read into the record, no window created.
    QVector<double> tempi;
    int create = 0;
    for (int g = 0; g < giri; ++g) {
        PiattaformaFinta finta;
        finta.dialoghi.risposte.enqueue(file);
        QElapsedTimer t;
        t.start();
        ArchivioCausa::apri(causaViva());
        tempi << t.nsecsElapsed() / 1e6;
        create = 0;
        for (const char* nome : finestreCausa)
            create += Finestre::caricata(QString::fromLatin1(nome));
        if (causaViva().causa() != c) {
            out << "the case did not come back\n";
            return 1;
        }
    }
    // Into the ten case windows, all loaded: the record replaced and every view refreshed.
    QVector<double> caricate;
    {
        PiattaformaFinta finta;
        for (const char* nome : finestreCausa)
            Finestre::finestra(QString::fromLatin1(nome));
        for (int g = 0; g < giri; ++g) {
            causaViva().azzera();
            finta.dialoghi.risposte.enqueue(file);
            QElapsedTimer t;
            t.start();
            ArchivioCausa::apri(causaViva());
            caricate << t.nsecsElapsed() / 1e6;
        }
    }
    out << "reopen into a fresh program (" << create << " windows created): median "
        << QString::number(mediana(tempi), 'f', 3) << " ms, worst "
        << QString::number(*std::max_element(tempi.begin(), tempi.end()), 'f', 3) << " ms over " << giri << " runs\n";
    out << "reopen into the ten case windows, loaded: median " << QString::number(mediana(caricate), 'f', 3)
        << " ms, worst " << QString::number(*std::max_element(caricate.begin(), caricate.end()), 'f', 3) << " ms\n";
    return 0;
}
