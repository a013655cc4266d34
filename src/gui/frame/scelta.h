#pragma once
// The main menu: the choice between the three procedures.
#include "gui/frame/clsresize.h"
#include "gui/frame/finestre.h"
#include "gui/frame/gruppoopzioni.h"
#include <QMainWindow>

class QLabel;

class FinestraScelta : public QMainWindow, public Caricabile {
    Q_OBJECT
public:
    FinestraScelta();
    ~FinestraScelta() override;
    void carica() override;

    GruppoOpzioni* Option1() const { return opzioni_; }
    void Option1_Click(int indice);
    void aiuto_Click();

    // The status-bar hint for the mouse over Option1(indice), or over the background (0).
    static QString suggerimento(int indice);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    // Closed by its title bar, the menu ends the program as its exit command does.
    void closeEvent(QCloseEvent* e) override;

private:
    QWidget* area_;
    GruppoOpzioni* opzioni_;
};
