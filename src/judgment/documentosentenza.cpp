#include "judgment/documentosentenza.h"

#include "judgment/alternative.h"
#include "judgment/giudizio.h"
#include "judgment/lineatempo.h"
#include "platform/scritturafile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

#include <memory>

namespace {

const QString famiglia = QStringLiteral("Century Gothic");
const QString risorsaLinea = QStringLiteral("possidoria://linea-tempo.png");
constexpr qreal margine = 56;        // points around the text
constexpr qreal altezzaPiede = 28;   // points kept for the footer

// A paragraph of the given size in points, justified as the word-processor document is.
void paragrafo(QTextCursor& c, const QString& testo, int punti, bool grassetto = false, qreal dopo = 6)
{
    QTextBlockFormat b;
    b.setAlignment(Qt::AlignJustify);
    b.setBottomMargin(dopo);
    QTextCharFormat f;
    f.setFontFamilies({famiglia});
    f.setFontPointSize(punti);
    f.setFontWeight(grassetto ? QFont::Bold : QFont::Normal);
    if (!c.atStart())
        c.insertBlock(b, f);
    else {
        c.setBlockFormat(b);
        c.setBlockCharFormat(f);
    }
    c.insertText(testo, f);
}

void elenco(QTextCursor& c, const QStringList& righe)
{
    int n = 0;
    for (const QString& r : righe)
        if (!r.trimmed().isEmpty())
            paragrafo(c, QStringLiteral("%1) %2").arg(++n).arg(r.trimmed()), 10, false, 2);
    if (n == 0)
        paragrafo(c, QStringLiteral("nessuna"), 10, false, 2);
}

// Paragraphs as the text holds them: any line end (CR, LF, CR LF) separates two.
QStringList paragrafi(const QString& testo)
{
    QString t = testo;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QChar(13), QChar(10));
    QStringList r;
    for (const QString& p : t.split(QChar(10)))
        if (!p.trimmed().isEmpty())
            r << p.trimmed();
    return r;
}

QString dataLunga(const QDate& d)
{
    return QLocale(QLocale::Italian, QLocale::Italy).toString(d, QStringLiteral("d MMMM yyyy"));
}

// The lines that begin on the page [alto, basso) of the laid-out document. Line by line rather than
// under a clip: a paragraph running over two pages would otherwise leave its other page's lines in
// the file, hidden but read by any text extractor or search.
void disegnaPagina(QPainter& p, QTextDocument& doc, qreal alto, qreal basso)
{
    QAbstractTextDocumentLayout* impaginazione = doc.documentLayout();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QRectF r = impaginazione->blockBoundingRect(b);
        if (r.bottom() <= alto || r.top() >= basso)
            continue;
        if (b.text().contains(QChar::ObjectReplacementCharacter)) {
            // A picture is one line, never split: drawn whole by the layout, on the page it begins on.
            if (r.top() >= alto) {
                QAbstractTextDocumentLayout::PaintContext contesto;
                contesto.clip = r.adjusted(0, 0.5, 0, -0.5);
                p.save();
                p.setClipRect(r);
                impaginazione->draw(&p, contesto);
                p.restore();
            }
            continue;
        }
        const QTextLayout* righe = b.layout();
        for (int i = 0; i < righe->lineCount(); ++i) {
            const QTextLine riga = righe->lineAt(i);
            const qreal y = r.top() + riga.y();
            if (y >= alto - 0.5 && y < basso - 0.5)
                riga.draw(&p, r.topLeft());
        }
    }
}

} // namespace

QString DocumentoSentenza::titoloPerParti(const QString& attore, const QString& convenuto)
{
    const QString a = attore.trimmed(), c = convenuto.trimmed();
    if (a.isEmpty() && c.isEmpty())
        return QStringLiteral("Causa");
    if (c.isEmpty())
        return QStringLiteral("Causa promossa da %1").arg(a);
    if (a.isEmpty())
        return QStringLiteral("Causa contro %1").arg(c);
    return QStringLiteral("Causa %1 contro %2").arg(a, c);
}

QString DocumentoSentenza::nomeFilePdf(const QString& attore, const QString& convenuto)
{
    QStringList parti;
    for (const QString& p : {attore, convenuto}) {
        QString s;
        for (QChar ch : p.simplified())
            if (!QStringLiteral("/\\:*?\"<>|").contains(ch) && ch.unicode() >= 32)
                s += ch;
        if (!s.trimmed().isEmpty())
            parti << s.trimmed();
    }
    return parti.isEmpty() ? QStringLiteral("Sentenza.pdf")
                           : QStringLiteral("Sentenza %1.pdf").arg(parti.join(QStringLiteral(" - ")));
}

QTextDocument* documentoTesto(const DocumentoSentenza& d, const QSizeF& pagina, QPaintDevice* dispositivo)
{
    auto* doc = new QTextDocument;
    // Fonts in points resolve at the device's resolution; the page is measured in the same units.
    if (dispositivo)
        doc->documentLayout()->setPaintDevice(dispositivo);
    const qreal k = (dispositivo ? dispositivo->logicalDpiY() : 96) / 72.0;
    doc->setDocumentMargin(0);
    doc->setPageSize(QSizeF(pagina.width() - 2 * margine, pagina.height() - 2 * margine - altezzaPiede) * k);
    QFont base(famiglia);
    base.setPointSize(10);
    doc->setDefaultFont(base);
    QTextCursor c(doc);
    paragrafo(c, d.titolo, 18, true, 4);
    if (!d.parti.isEmpty())
        paragrafo(c, d.parti, 12, false, 12);
    paragrafo(c, QStringLiteral("Svolgimento del processo"), 14, true, 8);
    paragrafo(c, QStringLiteral("Fatti sostenuti dall'attore:"), 12, true);
    elenco(c, d.fatti);
    paragrafo(c, QStringLiteral("Obiezioni sostenute dal convenuto:"), 12, true);
    elenco(c, d.obiezioni);
    if (!d.lineaTempo.isNull()) {
        paragrafo(c, QStringLiteral("Il possesso nel tempo:"), 12, true);
        doc->addResource(QTextDocument::ImageResource, QUrl(risorsaLinea), d.lineaTempo);
        QTextImageFormat img;
        img.setName(risorsaLinea);
        // Image sizes are taken in screen pixels and scaled to the device by the layout.
        const qreal larghezza = doc->pageSize().width() * 96.0 / (72.0 * k);
        img.setWidth(larghezza);
        img.setHeight(larghezza * d.lineaTempo.height() / std::max(1, d.lineaTempo.width()));
        c.insertBlock();
        c.insertImage(img);
    }
    paragrafo(c, QStringLiteral("Sentenza:"), 14, true, 8);
    for (const QString& p : paragrafi(d.sentenza))
        paragrafo(c, p, 12);
    paragrafo(c, QStringLiteral("Commenti:"), 12, true);
    for (const QString& p : paragrafi(d.commento))
        paragrafo(c, p, 10);
    if (!d.cambierebbe.isEmpty()) {
        paragrafo(c, titoloAlternative() + QLatin1Char(':'), 12, true);
        for (const QString& p : d.cambierebbe)
            paragrafo(c, p, 10, false, 3);
    }
    return doc;
}

bool stampaSentenza(const DocumentoSentenza& d, QPagedPaintDevice& dispositivo)
{
    dispositivo.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    QPainter p;
    if (!p.begin(&dispositivo))
        return false;
    // Painted in device pixels: k of them to a point.
    const QRectF pagina = dispositivo.pageLayout().fullRect(QPageLayout::Point);
    const qreal k = dispositivo.logicalDpiY() / 72.0;
    std::unique_ptr<QTextDocument> doc(documentoTesto(d, pagina.size(), &dispositivo));
    const int pagine = doc->pageCount();
    const QSizeF corpo = doc->pageSize();
    QFont piede(famiglia);
    piede.setPointSize(9);
    const QString data = d.data.isValid() ? QStringLiteral("Sentenza del %1").arg(dataLunga(d.data)) : QString();
    for (int n = 0; n < pagine; ++n) {
        if (n > 0 && !dispositivo.newPage()) {
            p.end();
            return false;
        }
        p.save();
        p.translate(margine * k, margine * k - n * corpo.height());
        disegnaPagina(p, *doc, n * corpo.height(), (n + 1) * corpo.height());
        p.restore();
        const QRectF riga(margine * k, (pagina.height() - margine) * k, (pagina.width() - 2 * margine) * k,
                          altezzaPiede * k);
        p.setFont(piede);
        p.setPen(Qt::black);
        p.drawLine(riga.topLeft(), riga.topRight());
        p.drawText(riga, Qt::AlignLeft | Qt::AlignVCenter, data);
        p.drawText(riga, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Pagina %1 di %2").arg(n + 1).arg(pagine));
    }
    return p.end();
}

bool scriviPdfSentenza(const DocumentoSentenza& d, const QString& percorso, QString* errore)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        pdf.setTitle(d.parti.isEmpty() ? d.titolo : d.parti);
        pdf.setCreator(d.titolo);
        if (!stampaSentenza(d, pdf)) {
            if (errore)
                *errore = QStringLiteral("Il documento PDF non ha potuto essere composto.");
            return false;
        }
    }
    const EsitoScrittura esito = scriviFileIntero(percorso, buffer.data());
    if (!esito) {
        if (errore)
            *errore = QStringLiteral("Il file %1 non ha potuto essere scritto: %2").arg(percorso, esito.errore);
        return false;
    }
    return true;
}

DocumentoSentenza documentoDelGiudizio(const Giudizio& g, const QString& titolo, const QDate& data)
{
    DocumentoSentenza d;
    d.titolo = titolo;
    d.parti = DocumentoSentenza::titoloPerParti(g.causa.testi.attore, g.causa.testi.convenuto);
    d.fatti = g.fatti;
    d.obiezioni = g.obiezioni;
    d.sentenza = g.sentenza.testo;
    d.commento = g.sentenza.commento;
    d.cambierebbe = righeAlternative(g.alternative, g.decisione.esito);
    d.data = data;
    d.lineaTempo = immagineLineaTempo(g);
    return d;
}
