#pragma once
// The Civil Code browser: 32 article buttons, each showing its article with a short comment, and a
// print-out of all the articles. Its load also fills the program-wide article table.
#include "gui/frame/finestralavoro.h"

class QLabel;
class QPushButton;

class Norme : public FinestraLavoro {
    Q_OBJECT
public:
    Norme();

    void carica() override;

    QPushButton* cmd(int indice) const;   // 1..32
    QLabel* passo() const { return passo_; }

    void cmd_Click(int indice);
    void men_Click();
    void aiuto_Click();
    void stampa_Click() override;

protected:
    bool event(QEvent* e) override;

private:
    void statoInattivo();

    QPushButton* cmd_[33] = {};
    QLabel* passo_ = nullptr;
    bool tastiStilati_ = false;
};
