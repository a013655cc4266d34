#include "app/twips.h"
#include <QGuiApplication>
#include <QScreen>
#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <cmath>

double pixelPerTwip(const QWidget* w)
{
    const QScreen* s = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchY() : dpiPredefiniti;
    return dpi / twipPerPollice;
}

int twipInPixel(double twips, const QWidget* w)
{
    return int(std::lround(twips * pixelPerTwip(w)));
}

double pixelInTwip(int pixel, const QWidget* w)
{
    return pixel / pixelPerTwip(w);
}

void adattaTesto(QAbstractButton* b)
{
    QFont f = b->font();
    QString testo = b->text();
    testo.remove(QLatin1Char('&'));
    while (f.pointSizeF() > 6.0 && QFontMetrics(f).horizontalAdvance(testo) + 10 > b->width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    b->setFont(f);
}

QLabel* creaEtichetta(QWidget* padre, const QString& nome, const QString& testo, int left, int top, int width,
                      int height, double punti, bool grassetto)
{
    auto* l = new QLabel(testo, padre);
    l->setObjectName(nome);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setPointSizeF(punti);
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
    controllo->setGeometry(twipInPixel(left, controllo), twipInPixel(top, controllo),
                           twipInPixel(width, controllo), twipInPixel(height, controllo));
}
