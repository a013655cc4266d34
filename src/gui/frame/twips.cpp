#include "gui/frame/twips.h"
#include <QGuiApplication>
#include <QScreen>
#include <QAbstractButton>
#include <QFontMetrics>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <cmath>

double pixelPerTwip(const QWidget* w)
{
    const QScreen* s = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchY() : dpiPredefiniti;
    return dpi / twipPerPollice;
}

int twipInPixel(double twips, const QWidget* w) { return int(std::lround(twips * pixelPerTwip(w))); }

double pixelInTwip(int pixel, const QWidget* w) { return pixel / pixelPerTwip(w); }

namespace {

// Keeps a caption within its button at every size the window takes: from the size it was
// designed with, no larger, down to what fits.
class AdattaTesto : public QObject {
public:
    explicit AdattaTesto(QAbstractButton* b)
        : QObject(b)
        , punti_(b->font().pointSizeF())
    {
        b->installEventFilter(this);
    }

    void adatta(QAbstractButton* b) const
    {
        QFont f = b->font();
        f.setPointSizeF(punti_);
        QString testo = b->text();
        testo.remove(QLatin1Char('&'));
        while (f.pointSizeF() > puntiLeggibili && QFontMetrics(f).horizontalAdvance(testo) + 10 > b->width())
            f.setPointSizeF(f.pointSizeF() - 0.5);
        if (f != b->font())
            b->setFont(f);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            adatta(static_cast<QAbstractButton*>(o));
        return false;
    }

private:
    const double punti_;
};

}   // namespace

void adattaTesto(QAbstractButton* b)
{
    auto* a = b->findChild<AdattaTesto*>(QString(), Qt::FindDirectChildrenOnly);
    if (!a)
        a = new AdattaTesto(b);
    a->adatta(b);
}

QLabel* creaEtichetta(QWidget* padre, const QString& nome, const QString& testo, int left, int top, int width,
                      int height, double punti, bool grassetto)
{
    auto* l = new QLabel(testo, padre);
    l->setObjectName(nome);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setPointSizeF(qMax(punti, puntiLeggibili));
    f.setBold(grassetto);
    l->setFont(f);
    posiziona(l, left, top, width, height);
    return l;
}

void colora(QWidget* controllo, QPalette::ColorRole ruolo, const QColor& colore)
{
    QPalette p = controllo->palette();
    p.setColor(ruolo, colore);
    controllo->setPalette(p);
}

void posiziona(QWidget* controllo, int left, int top, int width, int height)
{
    controllo->setGeometry(twipInPixel(left, controllo), twipInPixel(top, controllo), twipInPixel(width, controllo),
                           twipInPixel(height, controllo));
}

QLabel* etichetta(QWidget* padre, const QString& nome, const QString& testo, const QString& tooltip)
{
    auto* l = new QLabel(testo, padre);
    l->setObjectName(nome);
    l->setToolTip(tooltip);
    return l;
}

QPushButton* pulsante(QWidget* padre, const QString& nome, const QString& testo, const QString& tooltip)
{
    auto* b = new QPushButton(testo, padre);
    b->setObjectName(nome);
    b->setToolTip(tooltip);
    return b;
}
