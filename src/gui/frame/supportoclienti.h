#pragma once
#include "gui/frame/finestre.h"
#include <QWidget>

// The support window: what helps a user describe a problem, ready to copy.
class SupportoClienti : public QWidget, public Caricabile {
    Q_OBJECT
public:
    SupportoClienti();
    void carica() override;
    QString resoconto() const;   // the text shown and copied
};
