#pragma once
// The defendant's objections on dates: "ledate" against the possession's start and end, and
// "interruzione" for an interruption of it. One class; the two windows differ only by their row
// of the table of differences (captions, proof lists, case variables, the "?" of the duration and
// what "nessuna prova" does).
#include "gui/frame/finestralavoro.h"
#include "core/daticausa.h"

class BloccoDate;
class CausaViva;
class GruppoOpzioni;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class FinestraDate : public FinestraLavoro {
    Q_OBJECT
public:
    static constexpr const char* nomeDate = "ledate";
    static constexpr const char* nomeInterruzione = "interruzione";

    struct Differenze;

    // nome: "ledate" or "interruzione"; causa: the record it shows and edits.
    FinestraDate(CausaViva& causa, const QString& nome);
    ~FinestraDate() override;

    void carica() override;

    BloccoDate* blocco() const { return blocco_; }
    GruppoOpzioni* datin() const { return datin_; }
    GruppoOpzioni* datfin() const { return datfin_; }
    QPushButton* spiega1(int k) const;   // 1..23
    QLabel* passo() const { return passo_; }
    // The interruption window only: the act that interrupted, and the two facts that change when
    // the term runs again (a claim's proceedings extinguished, a loss recovered within the year).
    GruppoOpzioni* atto() const { return atto_; }
    QCheckBox* estinta() const { return estinta_; }
    QCheckBox* pendente() const { return pendente_; }
    QCheckBox* recupero() const { return recupero_; }

    // The completeness of the record's objection: 1 while a date or a proof is missing, 0 when complete.
    int mancanodati() const;

    void datin_Click(int i);
    void datfin_Click(int j);
    void spiega1_Click(int k);
    void cmddurata_Click();
    void aiuto_Click();
    void cmdpossesso_Click();

private:
    void mostraCausa();
    void mostraAtto(const Causa& c);
    void aggiornapasso();
    void creaAtto();
    QGroupBox* creaGruppo(const QString& nomeFrame, const QString& titolo, GruppoOpzioni* gruppo, int primoSpiega,
                          int left);

    const Differenze& d_;
    CausaViva& causa_;
    BloccoDate* blocco_ = nullptr;
    GruppoOpzioni* datin_ = nullptr;
    GruppoOpzioni* datfin_ = nullptr;
    GruppoOpzioni* atto_ = nullptr;
    QCheckBox* estinta_ = nullptr;
    QCheckBox* pendente_ = nullptr;
    QCheckBox* recupero_ = nullptr;
    QLabel* passo_ = nullptr;
    QPushButton* spiega1_[24] = {};
};
