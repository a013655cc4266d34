#include "gui/frame/gruppoopzioni.h"
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// An option whose caption is longer than its row wraps it onto the lines its height gives, rather
// than cutting it or shrinking it below a readable size.
class Opzione : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QStyleOptionButton opt;
        initStyleOption(&opt);
        const QRect area = style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, this);
        QString testo = opt.text;
        if (fontMetrics().horizontalAdvance(QString(testo).remove(QLatin1Char('&'))) <= area.width()) {
            QRadioButton::paintEvent(e);
            return;
        }
        QStylePainter p(this);
        opt.text.clear();
        p.drawControl(QStyle::CE_RadioButton, opt);
        p.drawItemText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                       isEnabled(), testo, QPalette::WindowText);
    }
};

}   // namespace

GruppoOpzioni::GruppoOpzioni(const QString& nome, QObject* parent)
    : QObject(parent)
    , nome_(nome)
{}

QRadioButton* GruppoOpzioni::aggiungi(QWidget* contenitore, const QString& testo)
{
    auto* b = new Opzione(testo, contenitore);
    const int indice = pulsanti_.size() + 1;
    b->setObjectName(QStringLiteral("%1(%2)").arg(nome_).arg(indice));
    // Each button is exclusive by hand, so that the group may also have no selection at all.
    b->setAutoExclusive(false);
    connect(b, &QRadioButton::clicked, this, [this, indice] { seleziona(indice); });
    b->installEventFilter(this);
    pulsanti_.append(b);
    aggiornaIngresso();
    return b;
}

int GruppoOpzioni::selezionato() const
{
    for (int i = 0; i < pulsanti_.size(); ++i)
        if (pulsanti_[i]->isChecked())
            return i + 1;
    return 0;
}

void GruppoOpzioni::seleziona(int i)
{
    // A value that names no button (an archive's empty or out-of-range choice) selects nothing.
    if (i < 1 || i > pulsanti_.size())
        return;
    for (int k = 0; k < pulsanti_.size(); ++k)
        pulsanti_[k]->setChecked(k == i - 1);
    aggiornaIngresso();
    if (clic)
        clic(i);
}

void GruppoOpzioni::deseleziona(int i)
{
    if (QRadioButton* b = pulsante(i))
        b->setChecked(false);
    aggiornaIngresso();
}

void GruppoOpzioni::deselezionaTutti()
{
    for (QRadioButton* b : pulsanti_)
        b->setChecked(false);
    aggiornaIngresso();
}

void GruppoOpzioni::mostra(int i)
{
    for (int k = 0; k < pulsanti_.size(); ++k)
        pulsanti_[k]->setChecked(k == i - 1);
    aggiornaIngresso();
}

void GruppoOpzioni::aggiornaIngresso()
{
    const int ingresso = qMax(selezionato(), 1);
    for (int k = 0; k < pulsanti_.size(); ++k)
        pulsanti_[k]->setFocusPolicy(k == ingresso - 1 ? Qt::StrongFocus : Qt::ClickFocus);
}

bool GruppoOpzioni::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const int k = pulsanti_.indexOf(static_cast<QRadioButton*>(o));
    const auto* tasto = static_cast<QKeyEvent*>(e);
    if (k < 0 || (tasto->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    int verso = 0;
    switch (tasto->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left: verso = -1; break;
    case Qt::Key_Down:
    case Qt::Key_Right: verso = 1; break;
    default: return false;
    }
    // The next button that can take the focus, round the group; the choice stays as it is.
    const int n = int(pulsanti_.size());
    for (int passo = 1; passo < n; ++passo) {
        QRadioButton* b = pulsanti_[((k + verso * passo) % n + n) % n];
        if (b->isEnabled() && b->isVisible()) {
            b->setFocus(verso > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
    }
    return true;
}
