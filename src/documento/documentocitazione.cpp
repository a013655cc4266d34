#include "documento/documentocitazione.h"

#include "documento/odflingua.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPagedPaintDevice>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <memory>

namespace {

const QString famiglia = QStringLiteral("Century Gothic");

// The ODF writer reads the font from the single-family key, the layout from the list: both set.
QTextCharFormat carattere(int punti, bool grassetto)
{
    QTextCharFormat f;
    f.setFontFamilies({famiglia});
    f.setProperty(QTextFormat::OldFontFamily, famiglia);
    f.setFontPointSize(punti);
    f.setFontWeight(grassetto ? QFont::Bold : QFont::Normal);
    return f;
}

void paragrafo(QTextCursor& c, const QString& testo, int punti, Qt::Alignment allineamento = Qt::AlignJustify,
               bool grassetto = false, qreal dopo = 6)
{
    QTextBlockFormat b;
    b.setAlignment(allineamento);
    b.setBottomMargin(dopo);
    const QTextCharFormat f = carattere(punti, grassetto);
    if (c.atStart() && c.block().length() <= 1) {
        c.setBlockFormat(b);
        c.setBlockCharFormat(f);
    } else {
        c.insertBlock(b, f);
    }
    c.insertText(testo, f);
}

// The paragraphs in order, as the documents hold them: the warning, the court, each section.
struct Riga {
    QString testo;
    int punti;
    bool titolo;   // centred and bold
};

QList<Riga> righe(const BozzaCitazione& b)
{
    QList<Riga> r;
    r << Riga{titoloCitazione().toUpper(), 14, true} << Riga{b.avvertenza, 9, false} << Riga{b.tribunale, 14, true}
      << Riga{b.notaTribunale, 9, false};
    for (const SezioneCitazione& s : b.sezioni) {
        if (!s.titolo.isEmpty())
            r << Riga{s.titolo, 12, true};
        for (int i = 0; i < s.paragrafi.size(); ++i)
            r << Riga{s.numerati ? QStringLiteral("%1. %2").arg(i + 1).arg(s.paragrafi[i]) : s.paragrafi[i], 11, false};
    }
    return r;
}

}   // namespace

QTextDocument* testoCitazione(const BozzaCitazione& b, const QSizeF& pagina, QPaintDevice* dispositivo)
{
    auto* doc = new QTextDocument;
    doc->setUndoRedoEnabled(false);
    if (dispositivo)
        doc->documentLayout()->setPaintDevice(dispositivo);
    const qreal k = (dispositivo ? dispositivo->logicalDpiY() : 96) / 72.0;
    doc->setDocumentMargin(0);
    // The same margins as the judgment's pages: 56 points around, 28 for the footer.
    doc->setPageSize(QSizeF(pagina.width() - 2 * 56, pagina.height() - 2 * 56 - 28) * k);
    QFont base(famiglia);
    base.setPointSize(11);
    doc->setDefaultFont(base);
    QTextCursor c(doc);
    for (const Riga& r : righe(b))
        paragrafo(c, r.testo, r.punti, r.titolo ? Qt::AlignHCenter : Qt::AlignJustify, r.titolo, r.titolo ? 8 : 5);
    return doc;
}

bool stampaCitazione(const BozzaCitazione& b, QPagedPaintDevice& dispositivo)
{
    return stampaTesto(
        dispositivo, [&b](const QSizeF& pagina, QPaintDevice* d) { return testoCitazione(b, pagina, d); },
        titoloCitazione());
}

std::optional<QByteArray> pdfCitazione(const BozzaCitazione& b)
{
    return pdfDi(titoloCitazione(), QStringLiteral("Possidoria"),
                 [&b](QPagedPaintDevice& pdf) { return stampaCitazione(b, pdf); });
}

std::optional<QByteArray> odtCitazione(const BozzaCitazione& b)
{
    const std::unique_ptr<QTextDocument> doc(testoCitazione(b, QSizeF(595, 842)));
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    QTextDocumentWriter scrittore(&memoria, QByteArrayLiteral("odf"));
    if (!scrittore.write(doc.get()))
        return std::nullopt;
    return OdfLingua::dichiara(memoria.data(), "it", "IT");
}

DocumentoWord wordCitazione(const BozzaCitazione& b)
{
    const QChar cr(13);
    DocumentoWord w;
    w.famiglia = famiglia;
    for (const Riga& r : righe(b)) {
        if (!w.passi.isEmpty() && w.passi.last().punti == r.punti)
            w.passi.last().testi << r.testo + cr;
        else
            w.passi << PassoWord{r.punti, {r.testo + cr}, {}};
    }
    return w;
}

QString nomeFileCitazione(const QString& attore, const QString& convenuto, const QString& estensione)
{
    // The parties as the judgment's PDF names them, after its own first word.
    QString nome = DocumentoSentenza::nomeFilePdf(attore, convenuto);
    nome = nome.mid(nome.indexOf(QLatin1Char(' ')) + 1).chopped(4);
    if (nome.isEmpty() || !nome.compare(QLatin1String("Sentenza")))
        return QStringLiteral("Bozza di citazione.") + estensione;
    return QStringLiteral("Bozza di citazione %1.%2").arg(nome, estensione);
}
