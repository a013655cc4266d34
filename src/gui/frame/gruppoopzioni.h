#pragma once
// A group of option buttons indexed from 1 that may have no selection. Selecting from code runs
// the click handler, exactly as the user's click would; deselecting from code runs nothing.
// From the keyboard the group is one stop: Tab reaches its chosen button (the first when none is
// chosen) and the arrow keys move among its buttons; the space bar chooses.
#include <QObject>
#include <QRadioButton>
#include <QVector>
#include <functional>

class GruppoOpzioni : public QObject {
    Q_OBJECT
public:
    // nome: the control array's name; element i gets the objectName "nome(i)".
    GruppoOpzioni(const QString& nome, QObject* parent = nullptr);

    QRadioButton* aggiungi(QWidget* contenitore, const QString& testo);   // next index
    QRadioButton* pulsante(int i) const { return pulsanti_.value(i - 1); }
    int conta() const { return pulsanti_.size(); }
    int selezionato() const;   // 0 when none

    void seleziona(int i);     // runs the click handler; out of range: nothing at all
    void deseleziona(int i);   // no handler
    void deselezionaTutti();
    // Shows button i as the selected one (none for an index naming no button), running nothing.
    void mostra(int i);

    std::function<void(int)> clic;   // the group's Click(Index) handler

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void aggiornaIngresso();

    QString nome_;
    QVector<QRadioButton*> pulsanti_;
};
