#include "documento/documentosentenza.h"

#include "core/alternative.h"
#include "core/giudizio.h"
#include "core/giurisprudenza.h"
#include "core/istruttoria.h"
#include "documento/lineatempo.h"
#include "core/scritturafile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
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

}   // namespace

QString sentenzaDel(const QDate& data)
{
    // The article elides before a number read with a vowel ("otto", "undici"); the first is "primo".
    const int g = data.day();
    if (g == 8 || g == 11)
        return QStringLiteral("Sentenza dell'") + dataLunga(data);
    if (g == 1)
        return QStringLiteral("Sentenza del 1º ")
               + QLocale(QLocale::Italian, QLocale::Italy).toString(data, QStringLiteral("MMMM yyyy"));
    return QStringLiteral("Sentenza del ") + dataLunga(data);
}

namespace {

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

}   // namespace

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

namespace {

// The longest file name most file systems take, in bytes; room is kept for " (1000)" after it.
constexpr qsizetype byteNomeMassimo = 255 - 7;

// The text cut to at most `byte` bytes of UTF-8, never inside a character, "…" ending what was cut.
QString accorciato(const QString& testo, qsizetype byte)
{
    if (testo.toUtf8().size() <= byte)
        return testo;
    const QString puntini = QStringLiteral("…");
    QString r;
    qsizetype usati = puntini.toUtf8().size();
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const qsizetype n = testo[i].isHighSurrogate() && i + 1 < testo.size() ? 2 : 1;
        const QStringView carattere = QStringView(testo).sliced(i, n);
        const qsizetype peso = carattere.toUtf8().size();
        if (usati + peso > byte)
            break;
        r += carattere;
        usati += peso;
        i += n - 1;
    }
    return r.trimmed() + puntini;
}

}   // namespace

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
    if (parti.isEmpty())
        return QStringLiteral("Sentenza.pdf");
    const auto nome = [&] { return QStringLiteral("Sentenza %1.pdf").arg(parti.join(QStringLiteral(" - "))); };
    // Names too long for a file name are shortened, the longer first, so that both stay recognisable.
    const qsizetype fisso = nome().toUtf8().size() - parti.join(QString()).toUtf8().size();
    if (fisso + parti.join(QString()).toUtf8().size() > byteNomeMassimo) {
        const qsizetype disponibili = byteNomeMassimo - fisso;
        if (parti.size() == 1) {
            parti[0] = accorciato(parti[0], disponibili);
        } else {
            const qsizetype primo = parti[0].toUtf8().size(), secondo = parti[1].toUtf8().size();
            const qsizetype meta = disponibili / 2;
            const qsizetype quotaPrimo = primo <= meta ? primo : secondo <= meta ? disponibili - secondo : meta;
            parti[0] = accorciato(parti[0], quotaPrimo);
            parti[1] = accorciato(parti[1], disponibili - parti[0].toUtf8().size());
        }
    }
    return nome();
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
    // The sections that follow the judgment, each under its heading.
    const std::pair<QString, const QStringList*> sezioni[] = {
        {titoloAlternative(), &d.cambierebbe}, {titoloGiurisprudenza(), &d.giurisprudenza}, {titoloProve(), &d.prove}};
    for (const auto& [titolo, righe] : sezioni) {
        if (righe->isEmpty())
            continue;
        paragrafo(c, titolo + QLatin1Char(':'), 12, true);
        for (const QString& p : *righe)
            paragrafo(c, p, 10, false, 3);
    }
    return doc;
}

bool stampaTesto(QPagedPaintDevice& dispositivo, const Composizione& componi, const QString& piede)
{
    dispositivo.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    QPainter p;
    if (!p.begin(&dispositivo))
        return false;
    // Painted in device pixels: k of them to a point.
    const QRectF pagina = dispositivo.pageLayout().fullRect(QPageLayout::Point);
    const qreal k = dispositivo.logicalDpiY() / 72.0;
    std::unique_ptr<QTextDocument> doc(componi(pagina.size(), &dispositivo));
    const int pagine = doc->pageCount();
    const QSizeF corpo = doc->pageSize();
    QFont carattere(famiglia);
    carattere.setPointSize(9);
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
        p.setFont(carattere);
        p.setPen(Qt::black);
        p.drawLine(riga.topLeft(), riga.topRight());
        p.drawText(riga, Qt::AlignLeft | Qt::AlignVCenter, piede);
        p.drawText(riga, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Pagina %1 di %2").arg(n + 1).arg(pagine));
    }
    return p.end();
}

bool stampaSentenza(const DocumentoSentenza& d, QPagedPaintDevice& dispositivo)
{
    return stampaTesto(
        dispositivo, [&d](const QSizeF& pagina, QPaintDevice* disp) { return documentoTesto(d, pagina, disp); },
        d.data.isValid() ? sentenzaDel(d.data) : QString());
}

QByteArray pdfInLingua(const QByteArray& pdf, const QByteArray& lingua)
{
    // The last trailer names the catalogue and where the previous cross-reference table starts.
    const qsizetype inizioTrailer = pdf.lastIndexOf("trailer");
    const qsizetype inizioXref = pdf.lastIndexOf("startxref");
    if (inizioTrailer < 0 || inizioXref < inizioTrailer)
        return pdf;
    const QString trailer = QString::fromLatin1(pdf.mid(inizioTrailer, inizioXref - inizioTrailer));
    static const QRegularExpression radice(QStringLiteral("/Root\\s+(\\d+)\\s+(\\d+)\\s+R"));
    static const QRegularExpression dimensione(QStringLiteral("/Size\\s+(\\d+)"));
    static const QRegularExpression info(QStringLiteral("/Info\\s+\\d+\\s+\\d+\\s+R"));
    static const QRegularExpression precedente(QStringLiteral("startxref\\s+(\\d+)"));
    const QRegularExpressionMatch r = radice.match(trailer);
    const QRegularExpressionMatch n = dimensione.match(trailer);
    const QRegularExpressionMatch x = precedente.match(QString::fromLatin1(pdf.mid(inizioXref)));
    if (!r.hasMatch() || !n.hasMatch() || !x.hasMatch())
        return pdf;
    const QByteArray intestazione = QStringLiteral("%1 %2 obj").arg(r.captured(1), r.captured(2)).toLatin1();
    // The catalogue's latest version: the last object of that number in the file.
    qsizetype inizio = -1;
    for (qsizetype i = pdf.lastIndexOf(intestazione); i >= 0; i = i > 0 ? pdf.lastIndexOf(intestazione, i - 1) : -1)
        if (i == 0 || pdf.at(i - 1) == '\n' || pdf.at(i - 1) == '\r') {
            inizio = i;
            break;
        }
    const qsizetype fine = inizio < 0 ? -1 : pdf.indexOf("endobj", inizio);
    const qsizetype chiusa = fine < 0 ? -1 : pdf.lastIndexOf(">>", fine);
    if (chiusa <= inizio || pdf.mid(inizio, chiusa - inizio).contains("/Lang"))
        return pdf;
    // An incremental update: the catalogue again, with its language, then a table for it alone.
    QByteArray nuovo = pdf;
    if (!nuovo.endsWith('\n'))
        nuovo += '\n';
    const qsizetype posizione = nuovo.size();
    nuovo += pdf.mid(inizio, chiusa - inizio) + "/Lang (" + lingua + ")\n>>\nendobj\n";
    const qsizetype tabella = nuovo.size();
    nuovo += "xref\n" + r.captured(1).toLatin1() + " 1\n"
             + QStringLiteral("%1 %2 n \n")
                   .arg(posizione, 10, 10, QLatin1Char('0'))
                   .arg(r.captured(2).toInt(), 5, 10, QLatin1Char('0'))
                   .toLatin1();
    nuovo += "trailer\n<<\n/Size " + n.captured(1).toLatin1() + "\n/Root " + r.captured(1).toLatin1() + ' '
             + r.captured(2).toLatin1() + " R\n";
    if (const QRegularExpressionMatch i = info.match(trailer); i.hasMatch())
        nuovo += i.captured(0).toLatin1() + '\n';
    nuovo += "/Prev " + x.captured(1).toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(tabella) + "\n%%EOF\n";
    return nuovo;
}

namespace {

// Line ends of any kind become carriage returns alone.
QString soloCr(QString t)
{
    t.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    t.replace(QChar(10), QChar(13));
    return t;
}

// " 1) ", the number after a blank as the lists number their lines.
QStringList righeNumerate(const QStringList& righe)
{
    const QChar cr(13);
    QStringList r;
    for (int i = 0; i < righe.size(); ++i)
        r << QStringLiteral(" %1) ").arg(i + 1) + soloCr(righe.at(i)) + cr;
    return r;
}

}   // namespace

DocumentoWord documentoWord(const DocumentoSentenza& d)
{
    const QString cr(QChar(13));
    DocumentoWord w;
    w.famiglia = famiglia;
    w.passi << PassoWord{18, {soloCr(d.titolo) + cr + cr}, {}}
            << PassoWord{14, {QStringLiteral("Svolgimento del processo") + cr + cr}, {}}
            << PassoWord{12, {QStringLiteral("Fatti sostenuti dall'attore:") + cr + cr}, {}}
            << PassoWord{10, righeNumerate(d.fatti), {}}
            << PassoWord{12, {cr + QStringLiteral("Obiezioni sostenute dal convenuto:") + cr + cr}, {}}
            << PassoWord{10, righeNumerate(d.obiezioni), {}};
    if (!d.lineaTempo.isNull())
        w.passi << PassoWord{12, {cr + QStringLiteral("Il possesso nel tempo:") + cr}, d.lineaTempo};
    w.passi << PassoWord{14, {cr + QStringLiteral("Sentenza:") + cr + cr}, {}}
            << PassoWord{12, {soloCr(d.sentenza) + cr}, {}}
            << PassoWord{12, {cr + QStringLiteral("Commenti:") + cr + cr}, {}}
            << PassoWord{10, {soloCr(d.commento)}, {}};
    return w;
}

std::optional<QByteArray> pdfDi(const QString& titolo, const QString& creatore,
                                const std::function<bool(QPagedPaintDevice&)>& stampa)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        pdf.setTitle(titolo);
        pdf.setCreator(creatore);
        if (!stampa(pdf))
            return std::nullopt;
    }
    // The reader's spelling and speech take the document as Italian.
    return pdfInLingua(buffer.data(), "it-IT");
}

std::optional<QByteArray> pdfSentenza(const DocumentoSentenza& d)
{
    return pdfDi(d.parti.isEmpty() ? d.titolo : d.parti, d.titolo,
                 [&d](QPagedPaintDevice& pdf) { return stampaSentenza(d, pdf); });
}

bool scriviPdfSentenza(const DocumentoSentenza& d, const QString& percorso, QString* errore)
{
    const std::optional<QByteArray> pdf = pdfSentenza(d);
    if (!pdf) {
        if (errore)
            *errore = QStringLiteral("Il documento PDF non ha potuto essere composto.");
        return false;
    }
    const EsitoScrittura esito = scriviFileIntero(percorso, *pdf);
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
    d.giurisprudenza = righeGiurisprudenza(massimePertinenti(g.decisione));
    d.prove = righeProve(proveDaRaccogliere(g));
    d.data = data;
    d.lineaTempo = immagineLineaTempo(g);
    return d;
}
