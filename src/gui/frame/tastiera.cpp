#include "gui/frame/tastiera.h"
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

namespace {

class TastiDialogo : public QObject {
public:
    TastiDialogo(QWidget* finestra, QPushButton* predefinito, QPushButton* chiusura)
        : QObject(finestra)
        , finestra_(finestra)
        , predefinito_(predefinito)
        , chiusura_(chiusura)
    {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // Key presses reach the window when the focused control leaves them unused.
        if (o == finestra_ && e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            const auto mod = k->modifiers() & ~Qt::KeypadModifier;
            if (mod == Qt::NoModifier) {
                QPushButton* b = nullptr;
                if (k->key() == Qt::Key_Escape)
                    b = chiusura_;
                else if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
                    b = predefinito_;
                if (b && b->isVisible() && b->isEnabled()) {
                    b->click();
                    return true;
                }
            }
        } else if (o == finestra_ && e->type() == QEvent::Show && predefinito_) {
            predefinito_->setFocus(Qt::OtherFocusReason);
        }
        return false;
    }

private:
    QWidget* finestra_;
    QPointer<QPushButton> predefinito_;
    QPointer<QPushButton> chiusura_;
};

}   // namespace

namespace Tastiera {

void comeDialogo(QWidget* finestra, QPushButton* predefinito, QPushButton* chiusura)
{
    // Outside a dialog a button answers Enter only when it is "auto default".
    for (QPushButton* b : finestra->findChildren<QPushButton*>())
        b->setAutoDefault(true);
    if (predefinito) {
        predefinito->setDefault(true);
        predefinito->setFocus(Qt::OtherFocusReason);
    }
    finestra->installEventFilter(new TastiDialogo(finestra, predefinito, chiusura));

    QList<QWidget*> ordine;
    for (QWidget* c : finestra->findChildren<QWidget*>())
        if (!c->isWindow() && (c->focusPolicy() & Qt::TabFocus) && !c->objectName().isEmpty()
            && !c->objectName().startsWith(QLatin1String("qt_")))
            ordine << c;
    auto posizione = [finestra](QWidget* c) { return c->mapTo(finestra, QPoint(0, 0)); };
    std::stable_sort(ordine.begin(), ordine.end(), [&](QWidget* a, QWidget* b) {
        const QPoint pa = posizione(a), pb = posizione(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    for (int i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
}

}   // namespace Tastiera
