#pragma once
// The draft writ of summons as a document: laid out with QTextDocument for its PDF and its ODF text
// (.odt), or handed to the word processor step by step as the judgment is.
#include "core/citazione.h"
#include "documento/documentosentenza.h"

#include <QByteArray>
#include <QSizeF>
#include <optional>

class QPagedPaintDevice;
class QPaintDevice;
class QTextDocument;

// The draft laid out for a page of that size in points, at the device's resolution when one is given.
QTextDocument* testoCitazione(const BozzaCitazione& b, const QSizeF& pagina, QPaintDevice* dispositivo = nullptr);
// Page after page, with "Bozza di atto di citazione" and the page number in the footer.
bool stampaCitazione(const BozzaCitazione& b, QPagedPaintDevice& dispositivo);
std::optional<QByteArray> pdfCitazione(const BozzaCitazione& b);
// The ODF text package, its styles declaring Italian; nothing when the writer failed.
std::optional<QByteArray> odtCitazione(const BozzaCitazione& b);
// The draft in the word processor's steps, one font, as the judgment's export sends it.
DocumentoWord wordCitazione(const BozzaCitazione& b);
// "Bozza di citazione Rossi - Bianchi.odt" from the parties, as the judgment's PDF is named.
QString nomeFileCitazione(const QString& attore, const QString& convenuto, const QString& estensione);
