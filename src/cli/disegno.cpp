// The judge's drawing as a module of its own, so that a judgment without a PDF or a picture never
// loads Qt Gui.
#include "cli/disegno.h"
#include "core/giudizio.h"
#include "documento/documentocitazione.h"
#include "documento/documentosentenza.h"
#include "documento/lineatempo.h"

#include <QBuffer>
#include <QGuiApplication>

namespace {

QCoreApplication* applicazione(int& argc, char** argv) { return new QGuiApplication(argc, argv); }

QString nomePdf(const Giudizio& g)
{
    return DocumentoSentenza::nomeFilePdf(g.causa.testi.attore, g.causa.testi.convenuto);
}

bool pdf(const Giudizio& g, const QString& titolo, const QDate& data, QByteArray& pdf)
{
    std::optional<QByteArray> composto = pdfSentenza(documentoDelGiudizio(g, titolo, data));
    if (composto)
        pdf = std::move(*composto);
    return composto.has_value();
}

bool lineaTempo(const Giudizio& g, QByteArray& png)
{
    QBuffer memoria(&png);
    memoria.open(QIODevice::WriteOnly);
    return immagineLineaTempo(g).save(&memoria, "PNG");
}

bool citazione(const Giudizio& g, QByteArray& odt, QByteArray& pdf, QString& nome)
{
    const std::optional<BozzaCitazione> bozza = bozzaCitazione(g);
    if (!bozza)
        return false;
    std::optional<QByteArray> testo = odtCitazione(*bozza);
    std::optional<QByteArray> pagine = pdfCitazione(*bozza);
    if (!testo || !pagine)
        return false;
    odt = std::move(*testo);
    pdf = std::move(*pagine);
    nome = nomeFileCitazione(g.causa.testi.attore, g.causa.testi.convenuto, QStringLiteral("pdf")).chopped(4);
    return true;
}

const Disegno disegno{applicazione, nomePdf, pdf, lineaTempo, citazione};

}   // namespace

extern "C" Q_DECL_EXPORT const Disegno* possidoria_disegno() { return &disegno; }
