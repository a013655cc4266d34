#pragma once
// The about window.
#include "gui/frame/finestre.h"
#include <QWidget>

class Informa : public QWidget, public Caricabile {
    Q_OBJECT
public:
    Informa();
    void carica() override;
    // "per sistemi Linux a 64 bit": the system the program runs on and its word size.
    static QString sistema();
};
