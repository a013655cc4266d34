#include "gui/frame/icone.h"
#include "gui/frame/tabellafinestre.h"
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {
constexpr int L = 24;

void finestrella(QPainter& p, const QColor& colore, const QString& sigla)
{
    // A small window: title bar in the window's colour, its initial in the body.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 21, 19);
    p.fillRect(2, 3, 20, 5, colore);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(sigla.size() > 1 ? 9 : 11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colore.darker(140));
    p.drawText(QRect(2, 8, 20, 13), Qt::AlignCenter, sigla);
}

void cartella(QPainter& p)
{
    p.setPen(QPen(QColor(120, 90, 0), 1));
    p.setBrush(QColor(250, 205, 60));
    QPainterPath path;
    path.moveTo(2, 6);
    path.lineTo(9, 6);
    path.lineTo(11, 8);
    path.lineTo(21, 8);
    path.lineTo(21, 20);
    path.lineTo(2, 20);
    path.closeSubpath();
    p.drawPath(path);
    p.setBrush(QColor(255, 225, 110));
    QPolygon davanti({QPoint(4, 11), QPoint(23, 11), QPoint(20, 20), QPoint(2, 20)});
    p.drawPolygon(davanti);
}

void dischetto(QPainter& p)
{
    p.setPen(QPen(QColor(20, 40, 110), 1));
    p.setBrush(QColor(40, 80, 180));
    p.drawRect(3, 3, 18, 18);
    p.fillRect(7, 4, 10, 6, Qt::white);
    p.fillRect(13, 5, 3, 4, QColor(40, 80, 180));
    p.fillRect(6, 14, 12, 7, QColor(220, 220, 220));
}

void cestino(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(4, 2, 13, 18);
    p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(9, 10, 21, 22);
    p.drawLine(21, 10, 9, 22);
}

void stampante(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(7, 2, 10, 8);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(2, 9, 20, 9);
    p.setBrush(Qt::white);
    p.drawRect(7, 15, 10, 7);
    p.fillRect(18, 11, 2, 2, QColor(0, 170, 0));
}

void simbolo(QPainter& p, const QColor& fondo, const QString& testo, const QColor& inchiostro = Qt::white)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fondo);
    p.drawEllipse(1, 1, 22, 22);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    p.setPen(inchiostro);
    p.drawText(QRect(1, 1, 22, 22), Qt::AlignCenter, testo);
}

void lampadina(QPainter& p)
{
    p.setPen(QPen(QColor(150, 110, 0), 1));
    p.setBrush(QColor(255, 230, 50));
    p.drawEllipse(5, 1, 14, 14);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(9, 15, 6, 6);
    p.drawLine(9, 18, 15, 18);
}

void salvagente(QPainter& p)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(i % 2 ? Qt::white : QColor(220, 30, 30));
        p.drawPie(1, 1, 22, 22, i * 45 * 16, 45 * 16);
    }
    p.setBrush(QColor(240, 240, 240));
    p.setPen(QPen(Qt::gray, 1));
    p.drawEllipse(7, 7, 10, 10);
}

void uscita(QPainter& p)
{
    p.setPen(QPen(QColor(90, 50, 20), 1));
    p.setBrush(QColor(160, 100, 50));
    p.drawRect(3, 2, 11, 20);
    p.setPen(QPen(QColor(0, 140, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(10, 12, 21, 12);
    p.drawLine(17, 8, 21, 12);
    p.drawLine(17, 16, 21, 12);
}

QPixmap tela()
{
    QPixmap pm(L, L);
    pm.fill(Qt::transparent);
    return pm;
}

// Draws its picture the first time it is shown: a window loaded and never shown never shows its
// toolbar, and a picture drawn is the same whenever it is drawn.
class IconaAlBisogno : public QIconEngine {
public:
    explicit IconaAlBisogno(std::function<QIcon()> disegno, QList<QSize> misure = {QSize(L, L)})
        : disegno_(std::move(disegno))
        , misure_(std::move(misure))
    {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode m, QIcon::State s) override
    {
        disegnata().paint(p, r, Qt::AlignCenter, m, s);
    }
    QPixmap pixmap(const QSize& dim, QIcon::Mode m, QIcon::State s) override
    {
        return disegnata().pixmap(dim, 1.0, m, s);
    }
    QPixmap scaledPixmap(const QSize& dim, QIcon::Mode m, QIcon::State s, qreal scala) override
    {
        return disegnata().pixmap(dim / scala, scala, m, s);
    }
    // As the drawn pictures answer, without drawing them: the smallest that covers the request,
    // brought down to it, else the largest.
    QSize actualSize(const QSize& dim, QIcon::Mode, QIcon::State) override
    {
        QSize d = misure_.last();
        for (const QSize& m : misure_)
            if (m.width() >= dim.width() && m.height() >= dim.height()) {
                d = m;
                break;
            }
        if (d.width() > dim.width() || d.height() > dim.height())
            d.scale(dim, Qt::KeepAspectRatio);
        return d;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return misure_; }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new IconaAlBisogno(*this); }

private:
    const QIcon& disegnata()
    {
        if (icona_.isNull())
            icona_ = disegno_();
        return icona_;
    }

    std::function<QIcon()> disegno_;
    QList<QSize> misure_;   // from the smallest
    QIcon icona_;
};

QIcon disegnaFinestra(const QColor& colore, const QString& sigla)
{
    QPixmap pm = tela();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    finestrella(p, colore, sigla);
    p.end();
    return QIcon(pm);
}

QIcon disegnaBarra(int posizione)
{
    QPixmap pm = tela();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (posizione) {
    case 1: cartella(p); break;
    case 2: dischetto(p); break;
    case 3: cestino(p); break;
    case 4: stampante(p); break;
    case 20: simbolo(p, QColor(30, 80, 200), QStringLiteral("?")); break;
    case 21: lampadina(p); break;
    case 22: salvagente(p); break;
    case 23: simbolo(p, QColor(0, 140, 140), QStringLiteral("i")); break;
    case 24: uscita(p); break;
    default: break;
    }
    p.end();
    return QIcon(pm);
}

}   // namespace

QIcon iconaFinestra(const SchedaFinestra& finestra)
{
    return QIcon(new IconaAlBisogno(
        [colore = finestra.colore, sigla = finestra.sigla] { return disegnaFinestra(colore, sigla); }));
}

QIcon iconaBarra(int posizione)
{
    return QIcon(new IconaAlBisogno([posizione] { return disegnaBarra(posizione); }));
}

namespace {
const int latiProgramma[] = {16, 24, 32, 48, 64, 128};

QIcon disegnaProgramma()
{
    QIcon icona;
    for (int lato : latiProgramma) {
        QPixmap pm(lato, lato);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        // Drawn on the 64 x 64 grid of resources/possidoria.svg.
        p.scale(lato / 64.0, lato / 64.0);
        const QColor blu(0x1e, 0x3a, 0x6e), carta(0xf4, 0xf1, 0xe6), oro(0xe8, 0xb9, 0x23);
        p.setPen(Qt::NoPen);
        p.setBrush(blu);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
        p.setBrush(carta);
        p.drawPolygon(QPolygonF({QPointF(7, 30), QPointF(25, 13), QPointF(43, 30)}));
        p.drawRect(QRectF(11, 29, 28, 23));
        p.setBrush(blu);
        p.drawRect(QRectF(21, 39, 8, 13));
        p.drawRect(QRectF(14, 33, 5, 5));
        p.setPen(QPen(carta, 2));
        p.setBrush(oro);
        p.drawEllipse(QPointF(47, 46), 11, 11);
        p.setPen(QPen(blu, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(47, 39), QPointF(47, 46), QPointF(52, 49)}));
        p.end();
        icona.addPixmap(pm);
    }
    return icona;
}

}   // namespace

// Drawn when a title bar first asks for it, at the sizes desktops use.
QIcon iconaProgramma()
{
    QList<QSize> misure;
    for (int lato : latiProgramma)
        misure << QSize(lato, lato);
    return QIcon(new IconaAlBisogno(disegnaProgramma, misure));
}

QPixmap immagineObiezione()
{
    // A red flag on a pole: the item has been contested.
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.drawLine(8, 4, 8, 29);
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(220, 20, 20));
    QPainterPath bandiera;
    bandiera.moveTo(9, 5);
    bandiera.cubicTo(15, 2, 20, 9, 27, 6);
    bandiera.lineTo(27, 17);
    bandiera.cubicTo(20, 20, 15, 13, 9, 16);
    bandiera.closeSubpath();
    p.drawPath(bandiera);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(8, 29), 3, 1.5);
    return pm;
}
