#pragma once
// The case header window: the parties, the property, the place and one of twelve types of
// acquisitive prescription; the way on to the possession window and the reset that starts a new
// case. The archive commands (open, save, save as, delete) are called here and done by case/archiviocausa.
#include "gui/frame/finestralavoro.h"
#include "gui/frame/finestre.h"

class CausaViva;
class GruppoOpzioni;
class QLabel;
class QLineEdit;
class QPushButton;

class FinestraCausa : public FinestraLavoro, public ComandiArchivio {
    Q_OBJECT
public:
    static constexpr const char* nomeFinestra = "causa";
    static constexpr int tipologie = 12;

    explicit FinestraCausa(CausaViva& causa, QWidget* parent = nullptr);

    void carica() override;

    // "&Procedi": the header checked, then the possession window.
    void cmdavanti_Click();
    // The check, of the record: 1 when plaintiff, defendant, property or type is missing (the place is not required).
    int mancanodati() const;
    // "canc": a new case, and no archive name, once unsaved changes are asked about. Does nothing
    // while the case is already new and empty.
    void azzera_Click();

    // Handlers, public so that tests can run them.
    void spiega1_Click(int i);   // the "?" beside type i
    void lbbeni_Click(int i);    // 1, 2 immovable and movable goods; 3 the public domain
    void aiuto_Click();

    // The header's texts as the possession and judgment windows read them.
    QLineEdit* attore() const { return attore_; }
    QLineEdit* convenuto() const { return convenuto_; }
    QLineEdit* bene() const { return bene_; }
    QLineEdit* luogo() const { return luogo_; }
    GruppoOpzioni* Option1() const { return option1_; }
    QLabel* passo() const { return passo_; }

    // The explanation of type i (1..12; any other index as type 1).
    static QString spiegazione(int i);

    // The archive commands.
    void apri_Click() override;
    void apriEsempio(const QString& percorso) override;
    bool apriFile(const QString& percorso) override;
    void salva_Click() override;
    void salvanome_Click() override;
    void eliminare_click() override;

private:
    void mostraCausa();
    void aggiornapasso();
    void Option1_Click(int i);

    QLineEdit* attore_ = nullptr;
    QLineEdit* convenuto_ = nullptr;
    QLineEdit* bene_ = nullptr;
    QLineEdit* luogo_ = nullptr;
    GruppoOpzioni* option1_ = nullptr;
    QLabel* passo_ = nullptr;
    CausaViva& causa_;
};
