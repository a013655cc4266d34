#include "app/finestralavoro.h"
#include "app/icone.h"
#include "app/modpossidoria.h"
#include "app/twips.h"
#include "platform/porte.h"
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

enum class Stampa { Disabilitata, Abilitata, Sottomenu, Articoli };

// How the work windows differ from one another; everything else in the frame is common.
struct Differenze {
    const char* nome;           // the window's objectName
    const char* breve;          // its name in the own-window question
    Stampa stampa;
    bool soloElimina;           // open, save and save-as disabled, delete enabled
    bool visteObiezione;        // entries 6..12 read "Finestra obiezione ..."
    const char* suggerimenti;   // caption of the tips entry
    const char* supporto;       // caption of the support entry
    bool chiedeGuida;           // the own entry asks whether to show the guide
};

const char* const SUGG = "&Suggerimenti...";
const char* const SUGG_MIN = "&suggerimenti...";
const char* const SUPP = "Supporto &prodotto";
const char* const SUPP_S = "&Supporto prodotto";

// Indexed by window number; 0 and 1 have no frame.
const Differenze tabella[14] = {
    {}, {},
    {"norme", "Norme", Stampa::Articoli, true, false, SUGG, SUPP, true},
    {"massime", "Massime", Stampa::Sottomenu, true, false, SUGG, SUPP, true},
    {"causa", "Causa", Stampa::Disabilitata, false, false, SUGG, SUPP, true},
    {"possesso", "Possesso", Stampa::Disabilitata, false, false, SUGG, SUPP, true},
    {"ledate", "Durata", Stampa::Disabilitata, false, false, SUGG, SUPP, true},
    {"interruzione", "Interruzione", Stampa::Disabilitata, false, false, SUGG, SUPP, true},
    {"modo", "Modo", Stampa::Disabilitata, false, false, SUGG, SUPP_S, true},
    {"psiche", "Psicologia", Stampa::Disabilitata, false, true, SUGG, SUPP_S, true},
    {"provenienza", "Provenienza", Stampa::Disabilitata, false, true, SUGG, SUPP_S, true},
    {"fede", "Fede", Stampa::Disabilitata, false, true, SUGG_MIN, SUPP, true},
    {"acquisto", "Acquisto", Stampa::Disabilitata, false, true, SUGG_MIN, SUPP, false},
    {"sentenza", "Sentenza", Stampa::Abilitata, false, true, SUGG, SUPP, true},
};

const char* const nomiFinestre[14] = {"", "scelta", "norme", "massime", "causa", "possesso", "ledate",
                                      "interruzione", "modo", "psiche", "provenienza", "fede", "acquisto", "sentenza"};
const char* const vociVisualizza[14] = {"", "Menu", "Norme", "Massime", "Causa", "Possesso", "Durata",
                                        "Interruzione", "Modo", "Psicologia", "Provenienza", "Fede", "Acquisto", "Sentenza"};
const char* const tooltipVisualizza[14] = {"", "visualizza finestra Menu", "visualizza finestra Norme",
    "visualizza finestra Massime", "visualizza finestra Causa", "visualizza finestra Possesso",
    "visualizza finestra obiezione Durata", "visualizza finestra obiezione Interruzione",
    "visualizza finestra obiezione Modo", "visualizza finestra obiezione Psicologia",
    "visualizza finestra obiezione Provenienza", "visualizza finestra obiezione Fede",
    "visualizza finestra obiezione Acquisto", "visualizza finestra Sentenza"};

QString u(const char* s) { return QString::fromUtf8(s); }

// The case header window owns the archive commands; they come alive when it exists.
void comandoArchivio(const char* metodo)
{
    if (QWidget* causa = Finestre::finestra(QStringLiteral("causa")))
        QMetaObject::invokeMethod(causa, metodo);
}

// Ctrl+A..Ctrl+M must reach the window's entries even while a text field has the focus: the field
// claims Ctrl+A (select all), Ctrl+C (copy) and other Ctrl keys for itself. Watching the whole
// application, it stops that claim for the fields of its window whose entry is enabled; left
// unaccepted, the key goes on to the shortcut.
class ScorciatoieFinestra : public QObject {
public:
    explicit ScorciatoieFinestra(FinestraLavoro* finestra) : QObject(finestra), finestra_(finestra)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::ShortcutOverride)
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->window() != finestra_ || k->modifiers() != Qt::ControlModifier || k->key() < Qt::Key_A ||
            k->key() > Qt::Key_M)
            return false;
        const QAction* a = finestra_->azione(QStringLiteral("fin%1").arg(k->key() - Qt::Key_A + 1));
        if (!a || !a->isEnabled())
            return false;
        k->ignore();
        return true;
    }

private:
    FinestraLavoro* finestra_;
};

} // namespace

FinestraLavoro::FinestraLavoro(int numero, QWidget* parent)
    : QMainWindow(parent), numero_(numero), area_(new QWidget(this))
{
    Q_ASSERT(numero >= 2 && numero <= 13);
    setObjectName(u(tabella[numero].nome));
    setAttribute(Qt::WA_DeleteOnClose);
    area_->setObjectName(QStringLiteral("qt_area"));
    setCentralWidget(area_);
    costruisciMenu();
    costruisciBarra();
    new ScorciatoieFinestra(this);
    // The design size, so that the layout is recorded against the design coordinates.
    resize(twipInPixel(9600, this), twipInPixel(6825, this));
    area_->setGeometry(0, menuBar()->sizeHint().height(), width(), height() - menuBar()->sizeHint().height());
}

FinestraLavoro::~FinestraLavoro() = default;

QString FinestraLavoro::nomeGuida(int n)
{
    static const char* const guide[14] = {"", "guidascelta", "guidanorme", "guidamassime", "guidacausa",
        "guidapossesso", "guidadurata", "guidainterruzione", "guidamodo", "guidapsiche", "guidaprovenienza",
        "guidafede", "guidaacquisto", "guidasentenza"};
    return n >= 1 && n <= 13 ? u(guide[n]) : QString();
}

QAction* FinestraLavoro::azione(const QString& nome) const
{
    return findChild<QAction*>(nome);
}

void FinestraLavoro::costruisciMenu()
{
    const Differenze& d = tabella[numero_];
    auto voce = [this](QMenu* menu, const QString& nome, const QString& testo, auto gestore) {
        QAction* a = menu->addAction(testo);
        a->setObjectName(nome);
        connect(a, &QAction::triggered, this, gestore);
        return a;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnufile"));
    voce(file, QStringLiteral("apri"), QStringLiteral("&Apri..."), [] { comandoArchivio("apri_Click"); })->setEnabled(!d.soloElimina && Finestre::disponibile(QStringLiteral("causa")));
    file->addSeparator();
    voce(file, QStringLiteral("salva"), QStringLiteral("&Salva"), [] { comandoArchivio("salva_Click"); })->setEnabled(!d.soloElimina && Finestre::disponibile(QStringLiteral("causa")));
    voce(file, QStringLiteral("salvanome"), QStringLiteral("Salva con &nome..."), [] { comandoArchivio("salvanome_Click"); })->setEnabled(!d.soloElimina && Finestre::disponibile(QStringLiteral("causa")));
    file->addSeparator();
    voce(file, QStringLiteral("eliminare"), QStringLiteral("&Elimina..."), [] { comandoArchivio("eliminare_click"); })->setEnabled(Finestre::disponibile(QStringLiteral("causa")));
    file->addSeparator();
    switch (d.stampa) {
    case Stampa::Disabilitata:
        voce(file, QStringLiteral("stampa"), QStringLiteral("S&tampa dati finestra"), [] {})->setEnabled(false);
        break;
    case Stampa::Abilitata:
        voce(file, QStringLiteral("stampa"), QStringLiteral("S&tampa dati finestra"), [this] { stampa_Click(); });
        break;
    case Stampa::Articoli:
        voce(file, QStringLiteral("stampa"), QStringLiteral("S&tampa testo articoli"), [this] { stampa_Click(); });
        break;
    case Stampa::Sottomenu: {
        QMenu* sotto = file->addMenu(QStringLiteral("S&tampa"));
        sotto->setObjectName(QStringLiteral("mnustampa"));
        voce(sotto, QStringLiteral("stampa"), QStringLiteral("&Sentenza visualizzata"), [this] { stampa_Click(); });
        voce(sotto, QStringLiteral("stampatutte"), QStringLiteral("&Tutte le sentenze dell'argomento"), [this] { stampatutte_Click(); });
        break;
    }
    }
    file->addSeparator();
    voce(file, QStringLiteral("esci"), QStringLiteral("Es&ci"), [] { ModPossidoria::chiediuscita(); });

    QMenu* vis = menuBar()->addMenu(QStringLiteral("&Visualizza"));
    vis->setObjectName(QStringLiteral("mnuvisualizza"));
    for (int n = 1; n <= 13; ++n) {
        const bool obiezione = d.visteObiezione && n >= 6 && n <= 12;
        const QString testo = QStringLiteral("Finestra ") + (obiezione ? QStringLiteral("obiezione ") : QString()) + u(vociVisualizza[n]);
        QAction* a = voce(vis, QStringLiteral("fin%1").arg(n), testo, [this, n] { visualizza(n); });
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + n - 1)));
        a->setShortcutContext(Qt::WindowShortcut);
        if (n == numero_) {
            // The check mark stays: choosing the own entry never unchecks it.
            a->setCheckable(true);
            a->setChecked(true);
            connect(a, &QAction::triggered, a, [a] { a->setChecked(true); });
        }
        a->setEnabled(n == numero_ || Finestre::disponibile(u(nomiFinestre[n])));
        if (n == 1 || n == 3)
            vis->addSeparator();
    }

    QMenu* aiuto = menuBar()->addMenu(QStringLiteral("&?"));
    aiuto->setObjectName(QStringLiteral("mnuaiuto"));
    voce(aiuto, QStringLiteral("guida"), QStringLiteral("&Guida in linea"), [] { Finestre::mostra(QStringLiteral("sommario")); })
        ->setEnabled(Finestre::disponibile(QStringLiteral("sommario")));
    voce(aiuto, QStringLiteral("suggerimenti"), u(d.suggerimenti), [] { Finestre::mostra(QStringLiteral("frmTip")); });
    aiuto->addSeparator();
    voce(aiuto, QStringLiteral("supporto"), u(d.supporto), [] { Finestre::mostra(QStringLiteral("supportoclienti")); });
    aiuto->addSeparator();
    voce(aiuto, QStringLiteral("informazioni"), QStringLiteral("&Informazioni su Possidoria"), [] { Finestre::mostra(QStringLiteral("informa")); });

    // The window-number entry stands at the right end of the menu bar, within the window's width.
    auto* numeroFinestra = new QAction(QStringLiteral("Fi&nestra n.%1 di 13").arg(numero_), this);
    numeroFinestra->setObjectName(QStringLiteral("finestra"));
    numeroFinestra->setEnabled(Finestre::disponibile(nomeGuida(numero_)));
    connect(numeroFinestra, &QAction::triggered, this, &FinestraLavoro::finestra_Click);
    auto* pulsante = new QToolButton(menuBar());
    pulsante->setObjectName(QStringLiteral("qt_finestra"));
    pulsante->setText(numeroFinestra->text());
    pulsante->setAutoRaise(true);
    pulsante->setEnabled(numeroFinestra->isEnabled());
    connect(pulsante, &QToolButton::clicked, numeroFinestra, &QAction::trigger);
    menuBar()->setCornerWidget(pulsante, Qt::TopRightCorner);
}

void FinestraLavoro::costruisciBarra()
{
    const Differenze& d = tabella[numero_];
    barra_ = new QToolBar(area_);
    barra_->setObjectName(QStringLiteral("Toolbar1"));
    barra_->setIconSize(QSize(twipInPixel(270, this), twipInPixel(270, this)));
    barra_->setProperty("Tag", QStringLiteral("@L,T,W"));
    barra_->setStyleSheet(QStringLiteral("QToolBar { border-bottom: 1px solid palette(mid); }"));
    static const char* const tooltip[25] = {"", "apri file", "salva file", "cancella file", "stampa dati finestra", "",
        "", "", "", "", "", "", "", "", "", "", "", "", "", "",
        "guida in linea", "suggerimenti", "supporto prodotto", "informazioni su Possidoria", "uscita da Possidoria"};
    for (int pos = 1; pos <= 24; ++pos) {
        if (pos == 5 || pos == 19) {
            barra_->addSeparator();
            continue;
        }
        QAction* a = barra_->addAction(iconaBarra(pos), QString());
        a->setObjectName(QStringLiteral("Toolbar1(%1)").arg(pos));
        QString suggerimento = pos >= 6 && pos <= 18 ? u(tooltipVisualizza[pos - 5]) : u(tooltip[pos]);
        if (pos == 4 && d.stampa == Stampa::Articoli)
            suggerimento = QStringLiteral("stampa");
        a->setToolTip(suggerimento);
        a->setText(suggerimento);
        connect(a, &QAction::triggered, this, [this, pos] { barra_ButtonClick(pos); });
        if (pos >= 6 && pos <= 18) {
            const int n = pos - 5;
            if (n == numero_) {
                a->setCheckable(true);
                a->setChecked(true);
                connect(a, &QAction::triggered, a, [a] { a->setChecked(true); });
            }
            a->setEnabled(azione(QStringLiteral("fin%1").arg(n))->isEnabled());
        } else {
            static const char* const azioni[25] = {"", "apri", "salva", "eliminare", "stampa", "", "", "", "",
                "", "", "", "", "", "", "", "", "", "", "", "guida", "suggerimenti", "supporto", "informazioni", "esci"};
            a->setEnabled(azione(u(azioni[pos]))->isEnabled());
        }
    }
    posiziona(barra_, 0, 0, 9600, 480);
}

void FinestraLavoro::barra_ButtonClick(int pos)
{
    static const char* const azioni[25] = {"", "apri", "salva", "eliminare", "stampa", "", "", "", "",
        "", "", "", "", "", "", "", "", "", "", "", "guida", "suggerimenti", "supporto", "informazioni", "esci"};
    if (pos >= 6 && pos <= 18)
        visualizza(pos - 5);
    else if (QAction* a = azione(u(azioni[pos])); a && a->isEnabled())
        a->trigger();
}

void FinestraLavoro::visualizza(int n)
{
    if (n != numero_) {
        Finestre::mostra(u(nomiFinestre[n]));
        return;
    }
    const Differenze& d = tabella[numero_];
    if (!d.chiedeGuida) {
        raise();
        activateWindow();
        return;
    }
    const Risposta r = piattaforma().messaggi->mostra(
        QStringLiteral("E' questa la finestra '") + u(d.breve) + QStringLiteral("': si vuole la guida della finestra?"),
        ModPossidoria::titoloaiuto, Icona::Domanda, Pulsanti::SiNo, Risposta::Si);
    if (r != Risposta::No)
        Finestre::mostra(nomeGuida(numero_));
}

void FinestraLavoro::finestra_Click()
{
    Finestre::mostra(nomeGuida(numero_));
}

void FinestraLavoro::carica()
{
    ModPossidoria::inizializza();
    Ridimensionamento::collega(this, 75);
    resize(twipInPixel(9600, this), twipInPixel(6825, this));
    if (auto* esco = findChild<QPushButton*>(QStringLiteral("esco")))
        esco->setToolTip(QStringLiteral("cliccare per uscire da ") + ModPossidoria::nomeprogramma);
}

QPushButton* FinestraLavoro::creaEsco(int left, int top, int width, int height)
{
    auto* b = new QPushButton(QStringLiteral("&USCITA"), area_);
    b->setObjectName(QStringLiteral("esco"));
    posiziona(b, left, top, width, height);
    connect(b, &QPushButton::clicked, this, [] { ModPossidoria::chiediuscita(); });
    return b;
}

QPushButton* FinestraLavoro::creaGuida(const QString& nome, int left, int top, int width, int height,
                                       const QString& tooltip)
{
    auto* b = new QPushButton(QStringLiteral("&Guida in linea"), area_);
    b->setObjectName(nome);
    b->setToolTip(tooltip);
    posiziona(b, left, top, width, height);
    connect(b, &QPushButton::clicked, this, [] { Finestre::mostra(QStringLiteral("sommario")); });
    return b;
}
