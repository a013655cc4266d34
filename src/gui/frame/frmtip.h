#pragma once
// The tip of the day.
#include "gui/frame/finestre.h"
#include "core/suggerimenti.h"
#include <QWidget>

class QLabel;

class FrmTip : public QWidget, public Caricabile {
    Q_OBJECT
public:
    FrmTip();
    void carica() override;
    void cmdNextTip_Click();
    void cmdprecedente_Click();
    void cmdOK_Click();
    const Suggerimenti& suggerimenti() const { return tips_; }

private:
    void mostraSuggerimento();
    Suggerimenti tips_;
    QLabel* lblTipText_;
};
