#pragma once
// "Casi di esempio" of the help contents: the worked examples listed with their explanation; the
// chosen one opens as "Apri esempio..." opens it.
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

class FinestraEsempi : public QDialog {
    Q_OBJECT
public:
    explicit FinestraEsempi(QWidget* parent = nullptr);

    QListWidget* elenco() const { return elenco_; }
    QLabel* spiegazione() const { return spiegazione_; }
    // Opens the selected example and closes the list; nothing without a selection.
    void apri_Click();

private:
    QListWidget* elenco_;
    QLabel* spiegazione_;
    QPushButton* apri_;
};
