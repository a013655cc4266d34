// Time of writing a judgment's PDF (a judgment of usual length with its timeline) and of drawing
// the timeline alone. Targets: the PDF within 50 ms, the timeline within 5 ms.
#include "documento/documentosentenza.h"
#include "documento/lineatempo.h"

#include <QGuiApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

Causa causa()
{
    Causa c;
    c.testi = {QStringLiteral("Mario Rossi"),   QStringLiteral("Giulia Bianchi"), QStringLiteral("fondo agricolo"),
               QStringLiteral("Montepulciano"), QStringLiteral("01/01/80"),       QStringLiteral("31/12/10"),
               QStringLiteral("01/06/85"),      QStringLiteral("31/12/10"),       QStringLiteral("01/03/90"),
               QStringLiteral("15/06/92")};
    c.scelte = {.tipologia = Tipologia::Proprieta,
                .interruzione = Interruzione::Nessuna,
                .modo = Modo::PacificoPubblico,
                .animo = Animo::DaTitolare,
                .provenienza = Provenienza::Legittima,
                .fede = Fede::Mala,
                .titolo = Titolo::Mancante,
                .provaInizioDate = ProvaCorta::ContrattiLocazione,
                .provaFineDate = ProvaLunga::Testimoni,
                .provaInizioInterruzione = ProvaLunga::DomandaGiudiziale,
                .provaFineInterruzione = ProvaCorta::Testimoni};
    return c;
}

}   // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const Causa c = causa();

    const int giriLinea = 500;
    QImage img(900, 240, QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < giriLinea; ++i) {
        img.fill(Qt::white);
        QPainter p(&img);
        disegnaLineaTempo(p, QRectF(0, 0, 900, 240), lineaTempo(c, decidi(Fatti::da(c))));
    }
    out << "timeline 900x240 drawn from the record: " << QString::number(t.nsecsElapsed() / 1e6 / giriLinea, 'f', 3)
        << " ms (" << giriLinea << " rounds)\n";

    DocumentoSentenza d;
    d.titolo = QStringLiteral("Possidoria - sentenza");
    d.parti = DocumentoSentenza::titoloPerParti(c.testi.attore, c.testi.convenuto);
    for (int i = 0; i < 14; ++i)
        d.fatti << QStringLiteral("fatto dichiarato dall'attore numero %1, con la sua prova").arg(i + 1);
    for (int i = 0; i < 6; ++i)
        d.obiezioni << QStringLiteral("obiezione del convenuto numero %1, con la sua prova").arg(i + 1);
    for (int i = 0; i < 6; ++i)
        d.sentenza += QStringLiteral("Paragrafo %1 della sentenza, della lunghezza di una motivazione ordinaria, che "
                                     "espone i fatti, le prove e le norme applicate al caso in esame.\n")
                          .arg(i + 1)
                          .repeated(2);
    d.commento = QStringLiteral("Commento della sentenza, con i consigli per lo studio del caso. ").repeated(4);
    d.data = QDate(2026, 3, 9);
    d.lineaTempo = immagineLineaTempo(*giudica(c));

    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("sentenza.pdf"));
    const int giri = 30;
    int buoni = 0;
    scriviPdfSentenza(d, percorso);   // fonts loaded once, as after the first export
    t.restart();
    for (int i = 0; i < giri; ++i)
        buoni += scriviPdfSentenza(d, percorso);
    out << "judgment PDF written (" << QFileInfo(percorso).size()
        << " bytes): " << QString::number(t.nsecsElapsed() / 1e6 / giri, 'f', 2) << " ms (" << giri << " rounds, "
        << buoni << " written)\n";
    return 0;
}
