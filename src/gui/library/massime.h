#pragma once
// The maxims browser: 149 case-law maxims in 14 topics, one shown at a time, exported to a
// word-processor document one by one or from the shown one to the end of its topic.
#include "gui/frame/finestralavoro.h"
#include "gui/frame/finestre.h"
#include <QStringList>
#include <QVector>
#include <optional>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

class Massime : public FinestraLavoro, public VistaMassime {
    Q_OBJECT
public:
    // The limits of the table: topics 0..36, maxims 0..50 of each topic.
    static constexpr int maxArgomenti = 36;
    static constexpr int maxMassime = 50;

    explicit Massime(QWidget* parent = nullptr);

    void carica() override;

    // The handlers, public so that tests and other windows can run them.
    void List1_Click();
    void HScroll1_Change();
    void stampa_Click() override;
    void stampatutte_Click() override;
    void stampiamo_Click() { stampa_Click(); }
    void aiuto_Click();
    // The topic chosen in the list and the maxim paged to, as the user would.
    void mostraMassima(int argomento, int numero) override;

    // The window's data. (numero() is the frame's window number, hence numeroSentenza().)
    std::optional<qint16> argomento() const { return argomento_; }
    std::optional<qint16> numeroSentenza() const { return numero_; }
    std::optional<qint16> disponibili() const { return disponibili_; }
    std::optional<qint16> tutte() const { return tutte_; }
    const QStringList& argomenti() const { return argomenti_; }
    // massimario(t, n): the empty text outside the stored maxims and outside the table.
    QString massimario(int argomento, int numero) const;

protected:
    bool event(QEvent* e) override;

private:
    void esporta();

    QLabel* Label1;
    QListWidget* List1;
    QLabel* Label2;
    QScrollBar* HScroll1;
    QLabel* conta;
    QPlainTextEdit* sent;
    QLabel* passo;
    QPushButton* aiuto;
    QPushButton* guidainlinea;
    QPushButton* stampiamo;
    QPushButton* esco;

    QStringList argomenti_;
    QVector<QStringList> massimario_;
    std::optional<qint16> argomento_;
    std::optional<qint16> numero_;
    std::optional<qint16> disponibili_;
    std::optional<qint16> tutte_;
    bool stilato_ = false;
};
