#pragma once
// The help contents: one row per topic, each opening its text window, and the collected document.
#include "gui/frame/clsresize.h"
#include "gui/frame/finestre.h"
#include <QMap>
#include <QWidget>

class QLabel;
class QPushButton;

class Sommario : public QWidget, public Caricabile {
    Q_OBJECT
public:
    explicit Sommario(QWidget* parent = nullptr);
    ~Sommario() override;

    void carica() override;

    QLabel* lbl(int i) const { return lbl_.value(i); }
    QPushButton* puls(int i) const { return puls_.value(i); }

    void puls_Click(int i);
    void lbl_MouseDown(int i);
    void lbl_MouseUp(int i);
    void lbl_MouseMove(int i);
    void Form_MouseMove();
    void cmdstampa_Click();
    void cmdchiudi_Click();
    void Command1_Click();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void grassetto(QLabel* l, bool si);

    QMap<int, QLabel*> lbl_;
    QMap<int, QPushButton*> puls_;
};
