#pragma once
// The five questionnaires of the defendant's objections: manner of acquisition ("modo"), state of
// mind ("psiche"), provenance ("provenienza"), good faith ("fede") and acquisition from a non-owner
// ("acquisto"). One class; each window is its row of per-window values. The defendant picks one of
// twelve means of proof, which the window stores in its case variable at every click.
#include "gui/frame/finestralavoro.h"
#include "core/daticausa.h"
#include "core/tabellecausa.h"

class CausaViva;
class GruppoOpzioni;
class QLabel;
class QPushButton;

class Questionario : public FinestraLavoro {
    Q_OBJECT
public:
    struct Valori;

    // The five names, in window-number order.
    static QStringList nomi();

    // nome: one of nomi(); causa: the record it shows and edits.
    Questionario(CausaViva& causa, const QString& nome);
    ~Questionario() override;

    void carica() override;

    GruppoOpzioni* gruppo() const { return gruppo_; }   // "viol" in modo, "datfin" in the others
    QPushButton* spiega1(int i) const;                  // 1..12
    QLabel* passo() const { return passo_; }
    // The objection has its proof (hint B); the return is then allowed.
    bool sceltaFatta() const;

    void opzione_Click(int i);   // viol_Click / datfin_Click
    void spiega1_Click(int i);
    void aiuto_Click();
    void cmdpossesso_Click();

private:
    const TabelleCausa::Obiezione& obiezione() const;
    void mostraCausa();

    const Valori& v_;
    CausaViva& causa_;
    GruppoOpzioni* gruppo_ = nullptr;
    QLabel* passo_ = nullptr;
    QPushButton* spiega1_[13] = {};
};
