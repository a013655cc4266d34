#pragma once
// The judgment window: the facts claimed by the plaintiff and the defendant's objections in two
// scrolling lists, the judgment paragraph and the comment, and their export to a document.
#include "gui/frame/finestralavoro.h"
#include "gui/case/giudiziocausa.h"
#include "core/giudizio.h"
#include "core/giurisprudenza.h"

#include <optional>

class CausaViva;
class QLabel;
class QPlainTextEdit;
class QPushButton;
struct BozzaCitazione;
struct DocumentoSentenza;
struct DocumentoWord;
class QScrollBar;

class FinestraSentenza : public FinestraLavoro, public GiudizioCausa {
    Q_OBJECT
public:
    static constexpr const char* nomeFinestra = "sentenza";
    static constexpr int righeVisibili = 7;   // azione(1..7), obiezione(1..7)
    static constexpr int fatti = 14;          // lines of the facts
    static constexpr int obiezioni = 13;      // lines of the objections

    explicit FinestraSentenza(CausaViva& causa, QWidget* parent = nullptr);

    // Creation: the window's layout, then the load operation.
    void carica() override;
    // The load operation: the live case judged, when it holds all the judgment needs: fact and
    // objection lines, hint, judgment and comment, all of one record.
    void Form_Load() override;
    // No judgment: both texts emptied, both lists cleared.
    void svuota();

    // The list refreshes, also the scroll bars' change events.
    void VScroll1_Change();
    void VScroll2_Change();

    // Handlers, public so that tests can run them.
    void stampa_Click() override;   // the print-out: Ctrl+P, the print entry and the printer button
    // "Esporta per videoscrittura...": the judgment as a word-processor document, saved in the
    // user's documents under the case's name, then opened where the desktop can.
    void esportaPerVideoscrittura();
    void aiuto_Click();
    void cmdpossesso_Click();

    // The judgment shown (empty while none is) and whether the case has changed since.
    const std::optional<Giudizio>& giudizio() const { return giudizio_; }
    bool superata() const { return superata_; }
    // The decision behind the judgment shown, and its account ("Perché?"); empty while none is shown.
    std::optional<Decisione> decisione() const;
    QStringList perche() const;
    void perche_Click();   // the account in a message
    // What would change the judgment shown: its day and the changes that turn it.
    QStringList cambierebbe() const;
    void cambierebbe_Click();   // the same in a message

    QPlainTextEdit* testosentenza() const { return testosentenza_; }
    QPlainTextEdit* commento() const { return commento_; }
    QScrollBar* VScroll1() const { return vscroll1_; }
    QScrollBar* VScroll2() const { return vscroll2_; }
    QLabel* passo() const { return passo_; }

    // The judgment as a document, the one content of the PDF, the print-out and the word-processor
    // export; without a judgment, what the window says in its place.
    DocumentoSentenza documento() const;
    void esportaPdf_Click();       // "Esporta in PDF...": a file dialog, the name from the parties
    void stampaSentenza_Click();   // "Stampa...": the printer dialog, then the same pages as the PDF
    void lineaTempo_Click();       // the timeline shown bigger
    // The name a document of the case takes, what it is then the parties: "Sentenza Rossi c. Bianchi".
    QString nomeDocumento(const QString& che) const;
    QLabel* lineaTempo() const { return lineaTempo_; }

    // What the lawyer does next, from the button "Per l'avvocato": the maxims that bear on the
    // judgment, opened in the maxims browser; the evidence to gather; the draft writ of summons.
    std::vector<MassimaPertinente> massime() const;
    void giurisprudenza_Click();    // the list of the maxims; one chosen opens the browser on it
    void apriMassima(int indice);   // the browser at the maxim of that position in massime()
    QStringList prove() const;
    void prove_Click();                      // the same in a message
    void bozzaCitazioneInVideoscrittura();   // the draft to the word processor, or why there is none
    void bozzaCitazioneInPdf();              // the draft as PDF, through a file dialog
    QPushButton* avvocato() const { return avvocato_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void causaCambiata();
    // Another case took the place of the one judged (opened, new, recovered).
    void causaSostituita();
    // Before an export or a print: a judgment the case has changed since is given again from the
    // case on screen; when the case can no longer be judged, the user is told and false returned.
    bool attualizza();
    void aggiornaLineaTempo();
    // The draft of the judgment shown, or nothing, the user told why (and offered what would change it).
    std::optional<BozzaCitazione> bozza();
    // A document sent to the word processor step by step, saved under nome and shown; the hint
    // tells the outcome.
    QString inviaAWord(const DocumentoWord& documento, const QString& che, const QString& nome);

    // What the two texts say while no judgment is shown: the window's first words, nothing once a
    // case has been replaced. The export writes them in place of a judgment.
    QString senzaSentenza_;
    QString senzaCommento_;
    QPlainTextEdit* testosentenza_ = nullptr;
    QPlainTextEdit* commento_ = nullptr;
    QScrollBar* vscroll1_ = nullptr;
    QScrollBar* vscroll2_ = nullptr;
    QLabel* passo_ = nullptr;
    std::optional<Giudizio> giudizio_;
    bool superata_ = false;   // the case changed after the judgment was given
    QLabel* lineaTempo_ = nullptr;
    QPushButton* esportaPdf_ = nullptr;
    QPushButton* stampaSentenza_ = nullptr;
    QPushButton* cambierebbe_ = nullptr;
    QPushButton* avvocato_ = nullptr;
    QLabel* azione_[righeVisibili] = {};
    QLabel* obiezione_[righeVisibili] = {};
    CausaViva& causa_;
};
