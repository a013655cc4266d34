#pragma once
// Design coordinates are twips: 15 to a pixel at 96 dpi, scaled with the screen's logical dpi.
#include <QRect>
#include <QWidget>

// Every work window and the main menu were designed at this size.
inline constexpr int larghezzaProgetto = 9600;
inline constexpr int altezzaProgetto = 6825;
inline constexpr double twipPerPollice = 1440.0;
inline constexpr double dpiPredefiniti = 96.0;
// No text of a window is drawn smaller: below it a caption is no longer read at a glance.
inline constexpr double puntiLeggibili = 8.0;

double pixelPerTwip(const QWidget* w = nullptr);
int twipInPixel(double twips, const QWidget* w = nullptr);
double pixelInTwip(int pixel, const QWidget* w = nullptr);

class QAbstractButton;
class QLabel;
class QPushButton;

// A label or a push button with its object name, caption and tooltip, placed by the caller.
QLabel* etichetta(QWidget* padre, const QString& nome, const QString& testo, const QString& tooltip);
QPushButton* pulsante(QWidget* padre, const QString& nome, const QString& testo, const QString& tooltip);

// Shrinks a button's font until its caption fits its width, and fits it again whenever the button
// is resized (never above the size it had when first fitted, never below puntiLeggibili): the
// design's captions were laid out for a smaller system font.
void adattaTesto(QAbstractButton* b);

// A word-wrapped label at a design position, in the given point size (puntiLeggibili at least).
QLabel* creaEtichetta(QWidget* padre, const QString& nome, const QString& testo, int left, int top, int width,
                      int height, double punti = 8, bool grassetto = false);

// One colour of a control, in every state: for a label, the same as a one-rule style sheet, at a
// fraction of the cost of a style sheet per control.
void colora(QWidget* controllo, QPalette::ColorRole ruolo, const QColor& colore);

// Places a control at a design position given in twips.
void posiziona(QWidget* controllo, int left, int top, int width, int height);
