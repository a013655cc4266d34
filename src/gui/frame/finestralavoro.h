#pragma once
// The frame shared by the twelve work windows: menus, the 24-position toolbar, Ctrl+A..Ctrl+M,
// navigation among the numbered windows, help, tips, support, about and exit.
// The archive entries (open, save, save as, delete) call the case header window through its
// ComandiArchivio interface, creating it if needed.
#include "gui/frame/clsresize.h"
#include "gui/frame/finestre.h"
#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;

class FinestraLavoro : public QMainWindow, public Caricabile {
    Q_OBJECT
public:
    // numero: the window's number 2..13 (1 is the main menu, which has no frame).
    explicit FinestraLavoro(int numero, QWidget* parent = nullptr);
    ~FinestraLavoro() override;

    int numero() const { return numero_; }
    // The client area: the window's controls are its children, placed in twips with posiziona().
    QWidget* area() const { return area_; }
    QToolBar* barra() const { return barra_; }
    clsResize* resizer() const { return Ridimensionamento::di(this); }

    // Form_Load of the frame: screen sizing with 75, then 9600 x 6825 twips, then the esco tooltip.
    // A member's carica() calls this first, then runs its own steps.
    void carica() override;

    // The action behind a menu entry, found by its objectName ("apri", "salva", "salvanome",
    // "eliminare", "stampa", "stampatutte", "esci", "fin1".."fin13", "guida", "suggerimenti",
    // "supporto", "informazioni", "finestra").
    QAction* azione(const QString& nome) const;
    // The action of toolbar position 1..24 (the same action as its menu entry); nullptr for a separator.
    QAction* azioneBarra(int posizione) const;
    static constexpr int altezzaBarra = 480;   // twips
    // No text of the program is drawn smaller: a hint that does not fit gets room instead.
    static constexpr double puntiMinimi = 8.0;

    // The frame's handlers, public so that tests and other windows can run them.
    void visualizza(int n);            // fin1..fin13, also toolbar positions 6..18
    void finestra_Click();             // the window-number entry: the window's guide at once
    static QString nomeGuida(int n);   // guidascelta .. guidasentenza

    // A window of the case (4..13): its title carries the desktop's mark of unsaved changes.
    bool dellaCausa() const;
    // Marks (or unmarks) every case window open now; a window opened later takes the mark itself.
    static void segnaCausaModificata(bool modificata);
    // The case every case window's title names ("Rossi c. Bianchi — Possidoria-dati-rossi"), and
    // whether it is open to read only; empty while the case has neither parties nor archive.
    static void segnaDocumento(const QString& documento, bool solaLettura);

protected:
    void changeEvent(QEvent* e) override;
    // Closing the last case window by its title bar leaves the case: unsaved changes are asked about.
    void closeEvent(QCloseEvent* e) override;

    // The window's print action; called only where the window has one.
    virtual void stampa_Click() {}
    virtual void stampatutte_Click() {}

    // The common buttons, created where the member's design puts them.
    QPushButton* creaEsco(int left, int top, int width, int height);
    // The yellow step-hint box `passo`, word-wrapped and centred, in the given point size (8 at least);
    // a hint too long for it makes it grow, as every word-wrapped `passo` of a work window does.
    QLabel* creaPasso(int left, int top, int width, int height, double punti, const QString& tooltip = QString());
    QPushButton* creaGuida(
        const QString& nome, int left, int top, int width, int height,
        const QString& tooltip = QStringLiteral("cliccare per visualizzare gli Argomenti della guida"));

private:
    // The title: the case and its archive, the mark of unsaved changes, then the window's own caption.
    void componiTitolo();
    void costruisciMenu();
    void costruisciBarra();
    // The File menu's entries of the recent cases, placed before `prima`; rebuilt when it opens.
    void elencaRecenti(QMenu* file, QAction* prima);

    int numero_;
    QWidget* area_;
    QToolBar* barra_ = nullptr;
    QString titoloProprio_;     // the window's own caption, as the window set it
    bool componendo_ = false;   // the title being set by componiTitolo
};
