#pragma once
// The manual and the fourteen guides: one text window configured by its name, heading and text.
#include "gui/frame/clsresize.h"
#include "gui/frame/finestre.h"
#include <QWidget>

class QLabel;
class QPushButton;

class Guida : public QWidget, public Caricabile {
    Q_OBJECT
public:
    // finestra: "manuale", "guidafunzionamento", "guidascelta" ... "guidasentenza".
    explicit Guida(const QString& finestra, QWidget* parent = nullptr);
    ~Guida() override;

    void carica() override;

    QString titolo() const;
    QString testo() const;

    // Design size of the window in twips (the manual is wider than the guides).
    static int larghezzaTwips(const QString& finestra);
    static constexpr int altezzaTwips = 6825;

    void cmdchiudi_Click();
    void cmdstampa_Click();
    void cmdsommario_Click();

private:
    QString finestra_;
    QLabel* Label1_;
    QLabel* Label2_;
    QPushButton* cmdchiudi_;
    QPushButton* cmdstampa_;
    QPushButton* cmdsommario_;
};
