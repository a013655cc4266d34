#pragma once
// The first window of every run, with the tune; reused by the exit sequence as the farewell screen.
#include "app/finestre.h"
#include <QLabel>
#include <QWidget>

class FrmSplash : public QWidget, public Caricabile {
    Q_OBJECT
public:
    FrmSplash();
    void carica() override;
    QLabel* label(int i) const;
    // The farewell screen of the exit sequence: the start-up line under the maker's name changes.
    void congedo();

    static QString fileMusica();   // "Internet.mid" in the program's folder

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // The splash takes keys but shows no focus: gaining or losing it is no reason to paint again.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}
};
