#pragma once
// Design coordinates are twips: 15 to a pixel at 96 dpi, scaled with the screen's logical dpi.
#include <QRect>
#include <QWidget>

double pixelPerTwip(const QWidget* w = nullptr);
int twipInPixel(double twips, const QWidget* w = nullptr);
double pixelInTwip(int pixel, const QWidget* w = nullptr);

// Places a control at a design position given in twips.
void posiziona(QWidget* controllo, int left, int top, int width, int height);
