#include "app/twips.h"
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

double pixelPerTwip(const QWidget* w)
{
    const QScreen* s = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return dpi / 1440.0;
}

int twipInPixel(double twips, const QWidget* w)
{
    return int(std::lround(twips * pixelPerTwip(w)));
}

double pixelInTwip(int pixel, const QWidget* w)
{
    return pixel / pixelPerTwip(w);
}

void posiziona(QWidget* controllo, int left, int top, int width, int height)
{
    controllo->setGeometry(twipInPixel(left, controllo), twipInPixel(top, controllo),
                           twipInPixel(width, controllo), twipInPixel(height, controllo));
}
