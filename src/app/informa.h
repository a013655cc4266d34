#pragma once
// The about window.
#include "app/finestre.h"
#include <QWidget>

class Informa : public QWidget, public Caricabile {
    Q_OBJECT
public:
    Informa();
    void carica() override;
    // "per sistemi Linux a 64 bit": the system the program runs on and its word size.
    static QString sistema();
};

// The support window: what helps a user describe a problem, ready to copy.
class SupportoClienti : public QWidget, public Caricabile {
    Q_OBJECT
public:
    SupportoClienti();
    void carica() override;
    QString resoconto() const;   // the text shown and copied
};
