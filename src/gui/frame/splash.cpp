#include "gui/frame/splash.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "platform/porte.h"
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

using namespace ModPossidoria;

namespace {
struct Etichetta {
    int indice;
    int left, top, width, height;
    int punti;
    bool grassetto;
    const char* testo;
};
const char* const suggerimentoIniziale = "(cliccare o premere Invio per iniziare; premere Esc per uscire)";

// Design positions in twips; elements 3, 4 and 5 are filled at load.
const Etichetta etichette[] = {
    {1, 300, 240, 6600, 300, 9, false, "Realizzato dagli sviluppatori del progetto Possidoria"},
    {2, 300, 600, 6600, 300, 10, false, "presenta"},
    {3, 300, 1020, 6600, 900, 36, true, ""},
    {4, 300, 1980, 6600, 420, 14, false, ""},
    {5, 300, 2460, 6600, 300, 10, true, ""},
    {6, 300, 2880, 6600, 300, 9, false, "Il possesso e l'usucapione nel Codice Civile: artt. 1140–1170"},
    {7, 300, 3480, 6600, 480, 8, false,
     "Programma di studio e di esercitazione: le sentenze che elabora non sostituiscono il parere di un "
     "avvocato né la decisione di un giudice."},
    {8, 300, 4080, 6600, 300, 9, false, suggerimentoIniziale},
};
}   // namespace

FrmSplash::FrmSplash()
{
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Possidoria"));
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 250, 225));
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(pal);
    setAutoFillBackground(true);
    for (int i = 0; i <= 12; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("label(%1)").arg(i));
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        l->setWordWrap(true);
        l->hide();
    }
    for (const Etichetta& e : etichette) {
        QLabel* l = label(e.indice);
        posiziona(l, e.left, e.top, e.width, e.height);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSizeF(e.punti);
        f.setBold(e.grassetto);
        l->setFont(f);
        l->setText(QString::fromUtf8(e.testo));
        l->show();
    }
    // The picture is drawn in paintEvent; Image1 is its clickable area.
    auto* immagine = new QWidget(this);
    immagine->setObjectName(QStringLiteral("Image1"));
    posiziona(immagine, 3180, 4500, 840, 420);
    setFixedSize(twipInPixel(7200), twipInPixel(5100));
    chiusura_ = new QTimer(this);
    chiusura_->setObjectName(QStringLiteral("chiusura"));
    chiusura_->setSingleShot(true);
    chiusura_->setInterval(secondiCongedo * 1000);
    connect(chiusura_, &QTimer::timeout, this, &FrmSplash::termina);
}

QLabel* FrmSplash::label(int i) const { return findChild<QLabel*>(QStringLiteral("label(%1)").arg(i)); }

void FrmSplash::congedo()
{
    label(2)->setText(QStringLiteral("elaborazione eseguita con"));
    label(8)->setText(QStringLiteral("(premere Esc per uscire o attendere; Invio per tornare al menu)"));
    // The farewell shows in a window of its own, which its title bar can close too.
    const bool visibile = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, false);
    if (visibile)
        show();
    congedo_ = true;
    chiusura_->start();
}

bool FrmSplash::termina()
{
    if (terminato_)
        return true;
    chiusura_->stop();
    // The program ends when no other window is open: unsaved changes are asked about first.
    bool ultima = true;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
            ultima = false;
    if (ultima && !Finestre::lasciaCausa(QStringLiteral("uscire da ") + nomeprogramma))
        return false;
    terminato_ = true;
    if (PortaMidi* midi = piattaforma().midi)
        midi->chiudi();
    Finestre::chiudi(QStringLiteral("frmSplash"));
    Finestre::chiudi(QStringLiteral("prodotti"));
    return true;
}

QString FrmSplash::fileMusica() { return cartellaProgramma() + QStringLiteral("/Internet.mid"); }

void FrmSplash::carica()
{
    if (PortaMidi* midi = piattaforma().midi)
        if (midi->apri(fileMusica()))
            midi->suona();
    inizializza();
    impostaidentita();
    label(3)->setText(nomeprogramma);
    label(4)->setText(sottotitolo);
    label(5)->setText(QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") + versione);
    if (const QScreen* s = screen()) {
        const QRect r = s->geometry();
        move(r.center() - rect().center());
    }
}

void FrmSplash::mousePressEvent(QMouseEvent*) { inizia(); }

void FrmSplash::inizia()
{
    // Back to the menu: the farewell no longer ends the program by itself.
    if (congedo_) {
        congedo_ = false;
        chiusura_->stop();
        label(8)->setText(QString::fromUtf8(suggerimentoIniziale));
    }
    if (PortaMidi* midi = piattaforma().midi)
        midi->pausa();
    mostramenu();
}

void FrmSplash::keyPressEvent(QKeyEvent* e)
{
    // Enter and Space do what a click does, as on a button; any other key that writes a character,
    // or Esc, ends as the hint promises; Shift or Ctrl alone do nothing.
    if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier)
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: inizia(); return;
        default: break;
        }
    if (e->text().isEmpty() && e->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(e);
        return;
    }
    termina();
}

void FrmSplash::closeEvent(QCloseEvent* e)
{
    // Closed from its title bar at farewell, the program ends as by a key, unless the user keeps it.
    if (congedo_ && !terminato_ && !termina()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void FrmSplash::paintEvent(QPaintEvent*)
{
    // Filled bands and one-pixel lines only: the first picture of the program does not wait for
    // Qt's stroking of wide pens.
    QPainter p(this);
    const QColor blu(0, 0, 128), oro(160, 120, 0);
    const int m = twipInPixel(90);
    const QRect esterno = rect().adjusted(m - 1, m - 1, -m + 1, -m + 1);
    p.fillRect(esterno.x(), esterno.y(), esterno.width(), 3, blu);
    p.fillRect(esterno.x(), esterno.bottom() - 2, esterno.width(), 3, blu);
    p.fillRect(esterno.x(), esterno.y(), 3, esterno.height(), blu);
    p.fillRect(esterno.right() - 2, esterno.y(), 3, esterno.height(), blu);
    p.setPen(QPen(oro, 0));
    p.drawRect(rect().adjusted(2 * m, 2 * m, -2 * m - 1, -2 * m - 1));
    // A pair of scales under the title: the picture of the splash.
    const QRect r = findChild<QWidget*>(QStringLiteral("Image1"))->geometry();
    const int cx = r.center().x(), top = r.top() + 2, bottom = r.bottom() - 2;
    p.fillRect(cx - 1, top, 2, bottom - top + 1, oro);
    p.fillRect(cx - r.width() / 3, top + 3, 2 * (r.width() / 3), 2, oro);
    p.fillRect(cx - r.width() / 4, bottom - 1, 2 * (r.width() / 4), 2, oro);
    p.setRenderHint(QPainter::Antialiasing);
    for (int lato : {-1, 1}) {
        const QPointF gancio(cx + lato * r.width() / 3, top + 4);
        p.drawLine(gancio, gancio + QPointF(-6, 10));
        p.drawLine(gancio, gancio + QPointF(6, 10));
        // The pan: half an ellipse 16 by 10 below the strings, as one cubic curve.
        QPainterPath piatto(gancio + QPointF(-8, 10));
        piatto.cubicTo(gancio + QPointF(-8, 16.7), gancio + QPointF(8, 16.7), gancio + QPointF(8, 10));
        p.drawPath(piatto);
        p.drawPath(piatto.translated(0, 1));   // the pan's weight, in two thin curves
    }
}
