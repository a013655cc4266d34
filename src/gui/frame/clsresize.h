#pragma once
#include "gui/frame/twips.h"
// Proportional layout: records the design geometry of every control of a window and rescales
// each control from it on every resize, so that repeated resizes never accumulate rounding.
#include <QPointer>
#include <QVector>
#include <QWidget>
#include <memory>

// A line control, given by its two end points in its parent's coordinates (pixels).
class Linea : public QWidget {
    Q_OBJECT
public:
    explicit Linea(QWidget* parent = nullptr);
    QPoint p1() const { return p1_; }
    QPoint p2() const { return p2_; }
    void impostaPunti(QPoint a, QPoint b);
    // The same in twips.
    void impostaPuntiTwips(int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint p1_, p2_;
};

class clsResize {
public:
    struct Controllo {
        QPointer<QWidget> controllo;
        qint32 v[4] = {0, 0, 0, 0};   // twips: Left, Top, Width, Height (X1, Y1, X2, Y2 for a line)
        bool linea = false;
    };

    clsResize() = default;

    QWidget* SourceForm() const { return SourceForm_; }
    void setSourceForm(QWidget* finestra) { SourceForm_ = finestra; }

    void ReInitialise() { RecordLayout(); }
    void SizeFormToScreen(quint8 percent);
    void ResizeControls();

    qint32 OriginalWidth() const { return OriginalWidth_; }
    qint32 OriginalHeight() const { return OriginalHeight_; }
    bool FirstTime() const { return FirstTime_; }
    const QVector<Controllo>& Layout() const { return Layout_; }
    // How much larger than its recorded size the window must be for every caption to show whole
    // in its control's font (1 when the design fits).
    double scalaLeggibile() const;

    // The controls a window's layout manages: named descendants of its client area, in creation
    // order, leaving out the toolkit's own inner parts and the controls a layout places.
    static QList<QWidget*> controlli(QWidget* finestra);
    // The client area of a window (the central widget of a main window).
    static QWidget* areaInterna(QWidget* finestra);

private:
    void RecordLayout();

    QPointer<QWidget> SourceForm_;
    qint32 OriginalWidth_ = 0;
    qint32 OriginalHeight_ = 0;
    QVector<Controllo> Layout_;
    bool FirstTime_ = true;
};

// Ties a window to its own clsResize, as every window's load step does: screen sizing with the
// given percentage, a rescale on every resize of the client area, release when the window closes.
class Ridimensionamento : public QObject {
    Q_OBJECT
public:
    static clsResize* collega(QWidget* finestra, quint8 percent = percentualeSchermo);
    // The load step of every window: screen sizing, then the window's design size in twips, centred.
    static clsResize* caricaFinestra(QWidget* finestra, int larghezzaTwips = larghezzaProgetto,
                                     int altezzaTwips = altezzaProgetto);
    static constexpr quint8 percentualeSchermo = 75;
    // Centres a window on its screen's free area; where another window of the program already
    // stands there, it moves down and right until the one below shows.
    static void collocaAlCentro(QWidget* finestra);
    // The window's resizer; nullptr before its load step and after it has closed.
    static clsResize* di(const QWidget* finestra);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    explicit Ridimensionamento(QWidget* finestra);
    QWidget* area_;
    std::unique_ptr<clsResize> resize_;
};
