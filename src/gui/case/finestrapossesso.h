#pragma once
// The possession window: the plaintiff's dates and duration, one answer in each of six requirement
// groups, the objection buttons with their markers and counter, and the way on to the judgment.
#include "gui/frame/finestralavoro.h"
#include "core/daticausa.h"

#include <QVector>

class BloccoDate;
class CausaViva;
class GruppoOpzioni;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class FinestraPossesso : public FinestraLavoro {
    Q_OBJECT
public:
    static constexpr const char* nomeFinestra = "possesso";
    static constexpr int gruppi = 6;       // Frame(1..6), cod(1..6)
    static constexpr int obiezioni = 7;    // oppos1(1..7)
    static constexpr int marcatori = 14;   // Image1(0..13)

    explicit FinestraPossesso(CausaViva& causa, QWidget* parent = nullptr);

    void carica() override;

    // Public operations other windows call.
    int mancanodati() const;   // of the record: 0 when both dates read and all six groups are answered
    void cmddurata_Click();    // the duration rules message
    void cmdavanti_Click();    // "&Sentenza"

    // Handlers, public so that tests and other windows can run them.
    void oppos1_Click(int k);   // 1 the dates, 2..7 the groups
    void cod_Click(int i);      // 1..6
    void aiuto_Click();

    // The date block and its texts (read by the objection windows' "nessuna prova" copies).
    QLineEdit* datainizio() const;
    QLineEdit* datafine() const;
    QLabel* durata() const;
    BloccoDate* bloccoDate() const { return blocco_; }
    // Optional dates: when violence or clandestinity ceased, when the title was transcribed.
    QLineEdit* cessazione() const { return cessazione_; }
    QLineEdit* trascrizione() const { return trascrizione_; }

    // Group 1..6: interr, modus, psic, prov, fed, acq.
    GruppoOpzioni* gruppo(int k) const { return gruppi_.value(k - 1); }
    GruppoOpzioni* interr() const { return gruppo(1); }
    GruppoOpzioni* modus() const { return gruppo(2); }
    GruppoOpzioni* psic() const { return gruppo(3); }
    GruppoOpzioni* prov() const { return gruppo(4); }
    GruppoOpzioni* fed() const { return gruppo(5); }
    GruppoOpzioni* acq() const { return gruppo(6); }
    QGroupBox* frame(int i) const { return frame_.value(i - 1); }
    QLabel* marcatore(int i) const { return image1_.value(i); }   // Image1(0..13)
    QLabel* numobiez() const { return numobiez_; }
    QLabel* passo() const { return passo_; }

    // The article cod(6) shows for a case type (0 none): "1159", "1159 bis", "1160", "1153", "1162", "1061".
    static QString articoloAcquisto(const std::optional<Tipologia>& tipologia);

private:
    // The record on screen: dates, answers, the markers of the objections raised and their count.
    void mostraCausa();
    void aggiornapasso();
    void opzione_Click(int gruppo, int indice);

    BloccoDate* blocco_ = nullptr;
    QLineEdit* cessazione_ = nullptr;
    QLineEdit* trascrizione_ = nullptr;
    QVector<GruppoOpzioni*> gruppi_;
    QVector<QGroupBox*> frame_;
    QVector<QLabel*> image1_;
    QLabel* numobiez_ = nullptr;
    QLabel* passo_ = nullptr;
    CausaViva& causa_;
};
