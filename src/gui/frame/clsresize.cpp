#include "gui/frame/clsresize.h"
#include "gui/frame/twips.h"
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QPainter>
#include <QScreen>
#include <cmath>

Linea::Linea(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linea::impostaPunti(QPoint a, QPoint b)
{
    p1_ = a;
    p2_ = b;
    const QRect r = QRect(a, b).normalized().adjusted(0, 0, 1, 1);
    setGeometry(r);
    update();
}

void Linea::impostaPuntiTwips(int x1, int y1, int x2, int y2)
{
    impostaPunti({twipInPixel(x1, this), twipInPixel(y1, this)}, {twipInPixel(x2, this), twipInPixel(y2, this)});
}

void Linea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(palette().windowText().color(), 1));
    p.drawLine(p1_ - pos(), p2_ - pos());
}

namespace {
// Design values are whole twips, halves going to the even neighbour.
qint32 twipPari(double v) { return qint32(std::nearbyint(v)); }

// A control placed by its parent's layout (a toolbar's buttons, say) is that layout's business:
// scaling it as well would stack every one of them on the same rectangle.
bool inLayout(const QLayout* l, const QWidget* c)
{
    if (!l)
        return false;
    for (int i = 0; i < l->count(); ++i) {
        QLayoutItem* it = l->itemAt(i);
        if (it->widget() == c || inLayout(it->layout(), c))
            return true;
    }
    return false;
}

bool piazzatoDalLayout(const QWidget* c)
{
    const QWidget* padre = c->parentWidget();
    return padre && inLayout(padre->layout(), c);
}

struct Dimensioni {
    bool l = true, t = true, w = true, h = true;
};

Dimensioni leggiTag(const QWidget* c)
{
    const QString tag = c->property("Tag").toString().toUpper();
    if (tag.isEmpty() || tag.at(0) != QLatin1Char('@'))
        return {};
    return {tag.contains(QLatin1Char('L')), tag.contains(QLatin1Char('T')), tag.contains(QLatin1Char('W')),
            tag.contains(QLatin1Char('H'))};
}
}   // namespace

QWidget* clsResize::areaInterna(QWidget* finestra)
{
    if (auto* mw = qobject_cast<QMainWindow*>(finestra))
        if (mw->centralWidget())
            return mw->centralWidget();
    return finestra;
}

QList<QWidget*> clsResize::controlli(QWidget* finestra)
{
    QList<QWidget*> elenco;
    QWidget* area = areaInterna(finestra);
    for (QWidget* c : area->findChildren<QWidget*>()) {
        const QString nome = c->objectName();
        if (nome.isEmpty() || nome.startsWith(QLatin1String("qt_")) || c->isWindow() || piazzatoDalLayout(c))
            continue;
        elenco << c;
    }
    return elenco;
}

void clsResize::RecordLayout()
{
    if (!SourceForm_)
        return;
    QWidget* area = areaInterna(SourceForm_);
    if (qobject_cast<QMdiArea*>(SourceForm_)) {
        OriginalWidth_ = twipPari(pixelInTwip(SourceForm_->width(), SourceForm_));
        OriginalHeight_ = twipPari(pixelInTwip(SourceForm_->height(), SourceForm_));
    } else {
        OriginalWidth_ = twipPari(pixelInTwip(area->width(), SourceForm_));
        OriginalHeight_ = twipPari(pixelInTwip(area->height(), SourceForm_));
    }
    Layout_.clear();
    for (QWidget* c : controlli(SourceForm_)) {
        Controllo r;
        r.controllo = c;
        if (auto* l = qobject_cast<Linea*>(c)) {
            r.linea = true;
            r.v[0] = twipPari(pixelInTwip(l->p1().x(), c));
            r.v[1] = twipPari(pixelInTwip(l->p1().y(), c));
            r.v[2] = twipPari(pixelInTwip(l->p2().x(), c));
            r.v[3] = twipPari(pixelInTwip(l->p2().y(), c));
        } else {
            const QRect g = c->geometry();
            r.v[0] = twipPari(pixelInTwip(g.x(), c));
            r.v[1] = twipPari(pixelInTwip(g.y(), c));
            r.v[2] = twipPari(pixelInTwip(g.width(), c));
            r.v[3] = twipPari(pixelInTwip(g.height(), c));
        }
        Layout_.append(r);
    }
    FirstTime_ = false;
}

void clsResize::SizeFormToScreen(quint8 percent)
{
    if (!SourceForm_)
        return;
    if (FirstTime_)
        RecordLayout();
    const QScreen* s = SourceForm_->screen() ? SourceForm_->screen() : QGuiApplication::primaryScreen();
    const QRect schermo = s->geometry();
    const double schermoH = pixelInTwip(schermo.height(), SourceForm_);
    const double schermoW = pixelInTwip(schermo.width(), SourceForm_);
    const double altezza = std::floor(percent / 100.0 * schermoH);
    const double larghezza = std::floor(percent / 100.0 * schermoW);
    SourceForm_->move(schermo.x() + twipInPixel((schermoW - larghezza) / 2, SourceForm_),
                      schermo.y() + twipInPixel((schermoH - altezza) / 2, SourceForm_));
    SourceForm_->resize(twipInPixel(larghezza, SourceForm_), twipInPixel(altezza, SourceForm_));
    ResizeControls();
}

namespace {
// Whether a control's caption shows whole in a box of the given size, in the font it has.
bool leggibile(const QWidget* c, QSize box)
{
    const QFontMetrics fm(c->font());
    if (const auto* l = qobject_cast<const QLabel*>(c)) {
        if (l->text().isEmpty() || !l->pixmap().isNull() || Qt::mightBeRichText(l->text()))
            return true;
        const int m = 2 * (l->margin() + l->frameWidth());
        const QRect serve = fm.boundingRect(QRect(0, 0, box.width() - m, 1000000),
                                            int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
        return serve.width() <= box.width() - m && serve.height() <= box.height() - m;
    }
    const auto* b = qobject_cast<const QAbstractButton*>(c);
    if (!b || b->text().isEmpty() || qobject_cast<const QToolButton*>(b))
        return true;
    QString testo = b->text();
    testo.remove(QLatin1Char('&'));
    if (b->property("aCapo").toBool()) {
        const QRect area = QRect(QPoint(0, 0), box).adjusted(4, 2, -4, -2);
        return fm.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, testo).height() <= area.height();
    }
    int larga = 0;
    for (const QString& riga : testo.split(QLatin1Char('\n')))
        larga = qMax(larga, fm.horizontalAdvance(riga));
    if (!qobject_cast<const QRadioButton*>(b) && !qobject_cast<const QCheckBox*>(b))
        return larga + 6 <= box.width();
    // An option wraps a long caption onto the lines its height gives.
    const int accanto = b->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b)
                        + b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
    const QRect serve = fm.boundingRect(QRect(0, 0, box.width() - accanto, 1000000), Qt::TextWordWrap, testo);
    return serve.width() <= box.width() - accanto && serve.height() <= box.height();
}
}   // namespace

double clsResize::scalaLeggibile() const
{
    // In steps of a fiftieth, up to half as large again as the design.
    constexpr double passo = 0.02, massimo = 1.5;
    double s = 1.0;
    for (const Controllo& r : Layout_) {
        QWidget* c = r.controllo;
        if (!c || r.linea || !c->isVisibleTo(SourceForm_))
            continue;
        const Dimensioni d = leggiTag(c);
        while (s < massimo) {
            const QSize box(twipInPixel(r.v[2] * (d.w ? s : 1.0), c), twipInPixel(r.v[3] * (d.h ? s : 1.0), c));
            if (leggibile(c, box))
                break;
            s += passo;
        }
    }
    // One step more where the window grows, against the rounding of each control to whole pixels.
    return qMin(s > 1.0 ? s + passo : s, massimo);
}

void clsResize::ResizeControls()
{
    if (!SourceForm_ || SourceForm_->isMinimized() || controlli(SourceForm_).isEmpty())
        return;
    if (FirstTime_) {
        RecordLayout();
        return;
    }
    QWidget* area = areaInterna(SourceForm_);
    // One repaint for the whole pass instead of one per control.
    SourceForm_->setUpdatesEnabled(false);
    // A window recorded without width or height gives no scale along it: the design values stay.
    const double ry = OriginalHeight_ > 0 ? pixelInTwip(area->height(), SourceForm_) / OriginalHeight_ : 1.0;
    const double rx = OriginalWidth_ > 0 ? pixelInTwip(area->width(), SourceForm_) / OriginalWidth_ : 1.0;
    for (const Controllo& r : std::as_const(Layout_)) {
        QWidget* c = r.controllo;
        if (!c)
            continue;   // a control deleted since the record has no position to set
        const Dimensioni d = leggiTag(c);
        if (auto* l = qobject_cast<Linea*>(c)) {
            QPoint a = l->p1(), b = l->p2();
            if (d.l)
                a.setX(twipInPixel(r.v[0] * rx, c));
            if (d.t)
                a.setY(twipInPixel(r.v[1] * ry, c));
            if (d.w)
                b.setX(twipInPixel(r.v[2] * rx, c));
            if (d.h)
                b.setY(twipInPixel(r.v[3] * ry, c));
            l->impostaPunti(a, b);
            continue;
        }
        QRect g = c->geometry();
        if (d.l)
            g.moveLeft(twipInPixel(r.v[0] * rx, c));
        if (d.t)
            g.moveTop(twipInPixel(r.v[1] * ry, c));
        if (d.w)
            g.setWidth(twipInPixel(r.v[2] * rx, c));
        if (d.h)
            g.setHeight(twipInPixel(r.v[3] * ry, c));
        c->setGeometry(g);
    }
    SourceForm_->setUpdatesEnabled(true);
}

Ridimensionamento::Ridimensionamento(QWidget* finestra)
    : QObject(finestra)
    , area_(clsResize::areaInterna(finestra))
    , resize_(std::make_unique<clsResize>())
{
    resize_->setSourceForm(finestra);
    area_->installEventFilter(this);
    if (area_ != finestra)
        finestra->installEventFilter(this);
}

clsResize* Ridimensionamento::collega(QWidget* finestra, quint8 percent)
{
    delete finestra->findChild<Ridimensionamento*>(QString(), Qt::FindDirectChildrenOnly);
    auto* r = new Ridimensionamento(finestra);
    r->resize_->SizeFormToScreen(percent);
    return r->resize_.get();
}

clsResize* Ridimensionamento::caricaFinestra(QWidget* finestra, int larghezzaTwips, int altezzaTwips)
{
    clsResize* r = collega(finestra, percentualeSchermo);
    finestra->resize(twipInPixel(larghezzaTwips, finestra), twipInPixel(altezzaTwips, finestra));
    // Smaller than its design, a window would cut its captions; where a caption is cut even at the
    // design size, the window grows as far as it needs and the screen allows.
    const QSize cornice = finestra->size() - clsResize::areaInterna(finestra)->size();
    // The scale is of the recorded layout, the one every resize starts from.
    const double s = r->scalaLeggibile();
    QSize minima = QSize(twipInPixel(std::ceil(r->OriginalWidth() * s), finestra),
                         twipInPixel(std::ceil(r->OriginalHeight() * s), finestra))
                   + cornice;
    // The caption is read whole in the title bar, beside the frame's icon and buttons.
    QFont titolo = finestra->font();
    titolo.setBold(true);
    minima.setWidth(qMax(minima.width(), QFontMetrics(titolo).horizontalAdvance(finestra->windowTitle())
                                             + twipInPixel(1800, finestra)));
    if (const QScreen* schermo = finestra->screen())
        minima = minima.boundedTo(schermo->availableGeometry().size()
                                  - QSize(twipInPixel(120, finestra), twipInPixel(510, finestra)));
    finestra->setMinimumSize(minima.expandedTo(finestra->size()));
    finestra->resize(finestra->minimumSize());
    collocaAlCentro(finestra);
    return r;
}

void Ridimensionamento::collocaAlCentro(QWidget* finestra)
{
    const QScreen* s = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    // The frame the window manager adds: known once shown, else about a title bar and a border.
    QMargins cornice(twipInPixel(60, finestra), twipInPixel(450, finestra), twipInPixel(60, finestra),
                     twipInPixel(60, finestra));
    if (finestra->isVisible() && finestra->frameGeometry() != finestra->geometry())
        cornice = QMargins(finestra->geometry().left() - finestra->frameGeometry().left(),
                           finestra->geometry().top() - finestra->frameGeometry().top(),
                           finestra->frameGeometry().right() - finestra->geometry().right(),
                           finestra->frameGeometry().bottom() - finestra->geometry().bottom());
    // A window's position is its frame's: centred, the frame lies wholly inside the free area.
    const QRect schermo = s->availableGeometry();
    const QSize fuori = finestra->size().grownBy(cornice);
    QPoint p = schermo.center() - QPoint(finestra->width() / 2, finestra->height() / 2);
    // About a title bar's height, so that the window below shows its caption.
    const int passo = twipInPixel(450, finestra);
    auto occupato = [finestra](QPoint punto) {
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w != finestra && w->isVisible() && w->pos() == punto)
                return true;
        return false;
    };
    for (int i = 0; i < 16 && occupato(p); ++i)
        p += QPoint(passo, passo);
    p.setX(qMax(schermo.left(), qMin(p.x(), schermo.right() + 1 - fuori.width())));
    p.setY(qMax(schermo.top(), qMin(p.y(), schermo.bottom() + 1 - fuori.height())));
    finestra->move(p);
}

clsResize* Ridimensionamento::di(const QWidget* finestra)
{
    const auto* r = finestra->findChild<Ridimensionamento*>(QString(), Qt::FindDirectChildrenOnly);
    return r ? r->resize_.get() : nullptr;
}

bool Ridimensionamento::eventFilter(QObject* o, QEvent* e)
{
    if (!resize_)
        return false;
    if (o == area_ && e->type() == QEvent::Resize)
        resize_->ResizeControls();
    else if (o == parent() && e->type() == QEvent::Close)
        resize_.reset();
    return false;
}
