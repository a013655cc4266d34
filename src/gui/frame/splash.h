#pragma once
// The first window of every run, with the tune; reused by the exit sequence as the farewell screen.
#include "gui/frame/finestre.h"
#include <QLabel>
#include <QTimer>
#include <QWidget>

class FrmSplash : public QWidget, public Caricabile {
    Q_OBJECT
public:
    FrmSplash();
    void carica() override;
    QLabel* label(int i) const;
    // The farewell screen of the exit sequence: the start-up line under the maker's name and the
    // hint change, and the screen closes by itself after a few seconds.
    void congedo();
    bool inCongedo() const { return congedo_; }
    // The one way out of the splash: the tune stops, the splash and the catalogue close; with no
    // other window open, the program ends, once unsaved changes are asked about; false when the
    // user keeps the case and the splash stays.
    bool termina();
    // What a click, Enter or Space does: the tune paused, the main menu shown (at farewell, back to it).
    void inizia();

    static QString fileMusica();   // "Internet.mid" in the program's folder
    static constexpr int secondiCongedo = 8;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // The splash takes keys but shows no focus: gaining or losing it is no reason to paint again.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

private:
    QTimer* chiusura_;
    bool congedo_ = false;
    bool terminato_ = false;
};
