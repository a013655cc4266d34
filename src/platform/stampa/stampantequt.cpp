#include "platform/stampa/stampantequt.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

StampanteQt::StampanteQt() = default;

StampanteQt::StampanteQt(const QString& percorsoPdf)
    : pdf_(percorsoPdf)
{}

StampanteQt::~StampanteQt()
{
    // A document the program left open (it stopped on an error) is closed here, as the printing
    // system would when the program goes away.
    if (pittore_ && pittore_->isActive())
        pittore_->end();
}

bool StampanteQt::scegli()
{
    if (pittore_ && pittore_->isActive())
        pittore_->end();
    pittore_.reset();
    righe_.clear();
    pagina_ = 0;
    y_ = 0;
    stampante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!pdf_.isEmpty()) {
        stampante_->setOutputFormat(QPrinter::PdfFormat);
        stampante_->setOutputFileName(pdf_);
        return true;
    }
    // Printing to a file starts from a PDF named after what is printed, in the user's documents.
    if (!proposto_.isEmpty())
        stampante_->setOutputFileName(proposto_);
    QPrintDialog dialogo(stampante_.get(), QApplication::activeWindow());
    if (dialogo.exec() != QDialog::Accepted) {
        stampante_.reset();   // cancelled: nothing is printed
        return false;
    }
    return true;
}

bool StampanteQt::stampaPagine(const std::function<bool(QPagedPaintDevice&)>& disegna)
{
    // Not after lines of the same print-out: the printer holds one document at a time.
    if (!stampante_ || pittore_)
        return false;
    const bool riuscita = disegna(*stampante_);
    stampante_.reset();   // the document goes to the printer as the printer object ends
    return riuscita;
}

bool StampanteQt::posizioneVerticale(int twips)
{
    if (!stampante_ || twips < 0)
        return false;
    y_ = twips;
    return true;
}

bool StampanteQt::dimensioneFont(int punti)
{
    if (!stampante_ || punti <= 0)
        return false;
    punti_ = punti;
    return true;
}

bool StampanteQt::nomeFont(const QString& nome)
{
    if (!stampante_ || nome.isEmpty())
        return false;
    nomeFont_ = nome;
    return true;
}

bool StampanteQt::stampaRiga(int colonna, const QString& testo) { return colonna >= 1 && riga(colonna, testo); }

bool StampanteQt::rigaVuota() { return riga(1, QString()); }

bool StampanteQt::nuovaPagina()
{
    if (!avvia() || !stampante_->newPage())
        return false;
    ++pagina_;
    y_ = 0;
    return true;
}

bool StampanteQt::fine()
{
    if (!avvia())
        return false;
    const bool riuscita = pittore_->end();
    pittore_.reset();
    stampante_.reset();
    return riuscita;
}

bool StampanteQt::avvia()
{
    if (!stampante_)
        return false;   // no printer chosen
    if (pittore_)
        return pittore_->isActive();
    pittore_ = std::make_unique<QPainter>();
    if (!pittore_->begin(stampante_.get()))
        return false;
    pagina_ = 1;
    return true;
}

QFont StampanteQt::fontCorrente() const
{
    QFont f(nomeFont_);
    f.setPointSize(punti_);
    // Where the named face is missing, any monospaced face keeps the columns straight.
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

double StampanteQt::pixelPerTwip() const { return stampante_->resolution() / 1440.0; }

double StampanteQt::altezzaPagina() const
{
    return stampante_->pageLayout().paintRectPixels(stampante_->resolution()).height() / pixelPerTwip();
}

// Moves to a fresh page when the line would cross the bottom edge, as a line printer does.
bool StampanteQt::aCapo(double altezzaRiga)
{
    if (y_ > 0 && y_ + altezzaRiga > altezzaPagina()) {
        if (!stampante_->newPage())
            return false;
        ++pagina_;
        y_ = 0;
    }
    return true;
}

// A line wider than the page goes on at the same column on the lines below, broken at a blank
// (inside a word only when the word alone is wider), instead of running off the paper.
static QStringList spezzaRiga(const QString& testo, double larghezza, const QFontMetricsF& m)
{
    QStringList pezzi;
    QString resto = testo;
    while (m.horizontalAdvance(resto) > larghezza) {
        int entra = 0;
        while (entra < resto.size() && m.horizontalAdvance(resto.left(entra + 1)) <= larghezza)
            ++entra;
        int taglio = resto.lastIndexOf(QLatin1Char(' '), entra);
        if (taglio <= 0)
            taglio = qMax(entra, 1);
        pezzi << resto.left(taglio);
        while (pezzi.last().endsWith(QLatin1Char(' ')))
            pezzi.last().chop(1);
        resto = resto.mid(taglio);
        while (resto.startsWith(QLatin1Char(' ')))
            resto.remove(0, 1);
    }
    pezzi << resto;
    return pezzi;
}

bool StampanteQt::riga(int colonna, const QString& testo)
{
    if (!avvia())
        return false;
    const QFont f = fontCorrente();
    const QFontMetricsF m(f, stampante_.get());
    const double ppt = pixelPerTwip();
    const double altezza = m.lineSpacing() / ppt;
    const double x = (colonna - 1) * m.averageCharWidth();
    const double larghezza = stampante_->pageLayout().paintRectPixels(stampante_->resolution()).width() - x;
    for (const QString& pezzo : spezzaRiga(testo, larghezza, m)) {
        if (!aCapo(altezza))
            return false;
        if (!pezzo.isEmpty()) {
            pittore_->setFont(f);
            pittore_->setPen(Qt::black);
            pittore_->drawText(QPointF(x, y_ * ppt + m.ascent()), pezzo);
        }
        righe_.append({pagina_, qRound(y_), colonna, nomeFont_, punti_, pezzo});
        y_ += altezza;
    }
    return true;
}
