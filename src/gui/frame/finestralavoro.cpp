#include "gui/frame/finestralavoro.h"
#include "gui/frame/icone.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/recenti.h"
#include "gui/frame/tabellafinestre.h"
#include "gui/frame/twips.h"
#include "platform/porte.h"
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QKeyEvent>
#include <QLineEdit>
#include <QAbstractSpinBox>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

enum class Stampa { Disabilitata, Abilitata, Sottomenu, Articoli };

// How the work windows differ from one another; everything else in the frame is common.
struct Differenze {
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
// Indexed by window number; 0 and 1 have no frame.
const Differenze tabella[14] = {
    {},
    {},
    {Stampa::Articoli, true, false, SUGG, SUPP, true},            // norme
    {Stampa::Sottomenu, true, false, SUGG, SUPP, true},           // massime
    {Stampa::Disabilitata, false, false, SUGG, SUPP, true},       // causa
    {Stampa::Disabilitata, false, false, SUGG, SUPP, true},       // possesso
    {Stampa::Disabilitata, false, false, SUGG, SUPP, true},       // ledate
    {Stampa::Disabilitata, false, false, SUGG, SUPP, true},       // interruzione
    {Stampa::Disabilitata, false, false, SUGG, SUPP_S, true},     // modo
    {Stampa::Disabilitata, false, true, SUGG, SUPP_S, true},      // psiche
    {Stampa::Disabilitata, false, true, SUGG, SUPP_S, true},      // provenienza
    {Stampa::Disabilitata, false, true, SUGG_MIN, SUPP, true},    // fede
    {Stampa::Disabilitata, false, true, SUGG_MIN, SUPP, false},   // acquisto
    {Stampa::Abilitata, false, true, SUGG, SUPP, true},           // sentenza
};

// Toolbar positions: the archive and print commands, the thirteen windows, then help and exit.
enum PosizioneBarra {
    BarraApri = 1,
    BarraSalva,
    BarraElimina,
    BarraStampa,
    BarraSeparatore1,
    BarraPrimaFinestra = 6,
    BarraUltimaFinestra = 18,
    BarraSeparatore2,
    BarraGuida = 20,
    BarraSuggerimenti,
    BarraSupporto,
    BarraInformazioni,
    BarraEsci,
};

// The command behind each non-window toolbar position, and the tooltip of its button.
struct ComandoBarra {
    int posizione;
    const char* azione;
    const char* tooltip;
};
const ComandoBarra comandiBarra[] = {
    {BarraApri, "apri", "apri file"},
    {BarraSalva, "salva", "salva file"},
    {BarraElimina, "eliminare", "cancella file"},
    {BarraStampa, "stampa", "stampa dati finestra"},
    {BarraGuida, "guida", "guida in linea"},
    {BarraSuggerimenti, "suggerimenti", "suggerimenti"},
    {BarraSupporto, "supporto", "supporto prodotto"},
    {BarraInformazioni, "informazioni", "informazioni su Possidoria"},
    {BarraEsci, "esci", "uscita da Possidoria"},
};

QString u(const char* s) { return QString::fromUtf8(s); }

// Ctrl+A..Ctrl+M must reach the window's entries even while a text field has the focus: the field
// claims Ctrl+K (delete to end of line) and other Ctrl keys for itself. Watching the whole
// application, it stops that claim for the fields of its window whose entry is enabled; left
// unaccepted, the key goes on to the shortcut. The editing keys every desktop shares (select all,
// copy, cut, paste, undo, redo) stay with the field: the menu still offers those windows.
class ScorciatoieFinestra : public QObject {
public:
    explicit ScorciatoieFinestra(FinestraLavoro* finestra)
        : QObject(finestra)
        , finestra_(finestra)
    {
        qApp->installEventFilter(this);
    }

    static bool tastoDiScrittura(QWidget* w, const QKeyEvent* k)
    {
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QTextEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w)
            && !qobject_cast<QAbstractSpinBox*>(w))
            return false;
        for (auto chiave : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                            QKeySequence::Undo, QKeySequence::Redo})
            if (k->matches(chiave))
                return true;
        return false;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::ShortcutOverride)
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->window() != finestra_ || k->modifiers() != Qt::ControlModifier || k->key() < Qt::Key_A
            || k->key() > Qt::Key_M || tastoDiScrittura(w, k))
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

// A case archive dropped anywhere on a case window, a text field included, opens as "&Apri..."
// opens the chosen file: the window's fields would otherwise take the file's name as text.
class ArchivioTrascinato : public QObject {
public:
    explicit ArchivioTrascinato(FinestraLavoro* finestra)
        : QObject(finestra)
        , finestra_(finestra)
    {
        finestra->setAcceptDrops(true);
        qApp->installEventFilter(this);
    }

    // The first local file among what is dragged; empty when there is none.
    static QString fileTrascinato(const QMimeData* dati)
    {
        if (!dati || !dati->hasUrls())
            return {};
        for (const QUrl& u : dati->urls())
            if (u.isLocalFile())
                return u.toLocalFile();
        return {};
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::DragEnter && e->type() != QEvent::DragMove && e->type() != QEvent::Drop)
            return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->window() != finestra_)
            return false;
        auto* evento = static_cast<QDropEvent*>(e);
        const QString percorso = fileTrascinato(evento->mimeData());
        if (percorso.isEmpty())
            return false;
        evento->setDropAction(Qt::CopyAction);
        evento->accept();
        if (e->type() == QEvent::Drop && Finestre::archivio())
            Finestre::archivio()->apriFile(percorso);
        return true;
    }

private:
    FinestraLavoro* finestra_;
};

// The yellow hint box `passo` keeps a readable font: a hint longer than the box makes it grow
// downwards, as far as the window's bottom, then upwards over what lies above, for as long as the
// hint lasts. Whatever else sets the box's place (the design, the proportional layout) gives the
// size it grows from.
class PassoCresce : public QObject {
public:
    explicit PassoCresce(QWidget* area)
        : QObject(area)
        , area_(area)
    {
        area->installEventFilter(this);
    }

    static void adatta(QLabel* passo)
    {
        QWidget* area = passo->parentWidget();
        const QRect cresciuto = passo->property("passoCresciuto").toRect();
        if (passo->geometry() != cresciuto)
            passo->setProperty("passoProgetto", passo->geometry());
        const QRect base = passo->property("passoProgetto").toRect();
        const int serve = passo->heightForWidth(base.width());
        QRect r = base;
        if (serve > base.height()) {
            r.setBottom(qMax(base.bottom(), qMin(base.top() + serve, area->height() - 2) - 1));
            if (r.height() < serve)
                r.setTop(qMax(0, r.bottom() + 1 - serve));
            passo->raise();
        }
        passo->setProperty("passoCresciuto", r);
        if (passo->geometry() != r)
            passo->setGeometry(r);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // A new text asks the parent for a new layout; a resize or a showing may move the box.
        if (o == area_
            && (e->type() == QEvent::LayoutRequest || e->type() == QEvent::Resize || e->type() == QEvent::Show))
            for (QLabel* passo : area_->findChildren<QLabel*>(QStringLiteral("passo"), Qt::FindDirectChildrenOnly))
                if (passo->wordWrap())
                    adatta(passo);
        return false;
    }

private:
    QWidget* area_;
};

}   // namespace

FinestraLavoro::FinestraLavoro(int numero, QWidget* parent)
    : QMainWindow(parent)
    , numero_(numero)
    , area_(new QWidget(this))
{
    if (numero < 2 || numero > Finestre::numeroMassimo)
        qFatal("Numero di finestra di lavoro non valido: %d", numero);
    setObjectName(Finestre::nomeNumero(numero));
    setAttribute(Qt::WA_DeleteOnClose);
    area_->setObjectName(QStringLiteral("qt_area"));
    setCentralWidget(area_);
    costruisciMenu();
    costruisciBarra();
    new ScorciatoieFinestra(this);
    if (Finestre::archivioDisponibile() && !tabella[numero_].soloElimina)
        new ArchivioTrascinato(this);
    new PassoCresce(area_);
    // The design size, so that the layout is recorded against the design coordinates.
    resize(twipInPixel(larghezzaProgetto, this), twipInPixel(altezzaProgetto, this));
    area_->setGeometry(0, menuBar()->sizeHint().height(), width(), height() - menuBar()->sizeHint().height());
    if (dellaCausa())
        setWindowModified(Finestre::causaModificata());
}

bool FinestraLavoro::dellaCausa() const { return !tabella[numero_].soloElimina; }

void FinestraLavoro::segnaCausaModificata(bool modificata)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FinestraLavoro*>(w); f && f->dellaCausa())
            f->setWindowModified(modificata);
}

namespace {
QString documentoCausa;
bool documentoSolaLettura = false;
}   // namespace

void FinestraLavoro::segnaDocumento(const QString& documento, bool solaLettura)
{
    if (documento == documentoCausa && solaLettura == documentoSolaLettura)
        return;
    documentoCausa = documento;
    documentoSolaLettura = solaLettura;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FinestraLavoro*>(w); f && f->dellaCausa())
            f->componiTitolo();
}

void FinestraLavoro::componiTitolo()
{
    // The title's place for the mark: the desktop shows "*" there while the case is unsaved.
    QString titolo = documentoCausa.isEmpty() ? titoloProprio_ : documentoCausa;
    titolo += QStringLiteral("[*]");
    if (documentoSolaLettura)
        titolo += QStringLiteral(" (sola lettura)");
    if (!documentoCausa.isEmpty())
        titolo += QStringLiteral(" — ") + titoloProprio_;
    componendo_ = true;
    setWindowTitle(titolo);
    componendo_ = false;
}

void FinestraLavoro::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowTitleChange && dellaCausa() && !componendo_) {
        titoloProprio_ = windowTitle().remove(QLatin1String("[*]"));
        componiTitolo();
    }
    QMainWindow::changeEvent(e);
}

void FinestraLavoro::closeEvent(QCloseEvent* e)
{
    // Only the user's closing asks (the title bar, a window manager's key): the exit sequence
    // closes the windows after its own question.
    if (!property("chiusaDalProgramma").toBool() && dellaCausa() && Finestre::causaModificata()) {
        bool ultima = true;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<FinestraLavoro*>(w); f && f != this && f->dellaCausa() && f->isVisible())
                ultima = false;
        if (ultima) {
            if (!Finestre::lasciaCausa(QStringLiteral("chiudere la causa"))) {
                e->ignore();
                return;
            }
            // "No": the case is closed unsaved; saved, it stays for the windows opened again.
            if (Finestre::causaModificata())
                Finestre::congedo();
        }
    }
    QMainWindow::closeEvent(e);
}

FinestraLavoro::~FinestraLavoro() = default;

QString FinestraLavoro::nomeGuida(int n)
{
    const SchedaFinestra* s = Finestre::scheda(n);
    return s ? s->guida : QString();
}

QAction* FinestraLavoro::azione(const QString& nome) const { return findChild<QAction*>(nome); }

QAction* FinestraLavoro::azioneBarra(int posizione) const
{
    return barra_->findChild<QToolButton*>(QStringLiteral("Toolbar1(%1)").arg(posizione))
               ? barra_->findChild<QToolButton*>(QStringLiteral("Toolbar1(%1)").arg(posizione))->defaultAction()
               : nullptr;
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
    const bool archivio = Finestre::archivioDisponibile();
    // The desktop's usual keys, where the window keys Ctrl+A to Ctrl+M leave them free.
    auto tasto = [this](QAction* a, const QKeySequence& k) {
        a->setShortcut(k);
        a->setShortcutContext(Qt::WindowShortcut);
        return a;
    };
    tasto(voce(file, QStringLiteral("apri"), QStringLiteral("&Apri..."), [] { Finestre::archivio()->apri_Click(); }),
          QKeySequence::Open)
        ->setEnabled(!d.soloElimina && archivio);
    voce(file, QStringLiteral("apriesempio"), QStringLiteral("Apri esempio..."), [] {
        // The worked examples installed with the program; the chosen one opens as a new, unnamed case.
        const QString cartella = QDir(ModPossidoria::cartellaProgramma()).filePath(QStringLiteral("esempi"));
        const QString percorso = piattaforma().dialoghi->apri(
            QStringLiteral("Apri esempio"), {{QStringLiteral("Casi di esempio"), QStringLiteral("Possidoria-dati-*")}},
            1, cartella + QLatin1Char('/'));
        if (!percorso.isEmpty())
            Finestre::archivio()->apriEsempio(percorso);
    })->setEnabled(!d.soloElimina && archivio);
    file->addSeparator();
    tasto(voce(file, QStringLiteral("salva"), QStringLiteral("&Salva"), [] { Finestre::archivio()->salva_Click(); }),
          QKeySequence::Save)
        ->setEnabled(!d.soloElimina && archivio);
    tasto(voce(file, QStringLiteral("salvanome"), QStringLiteral("Salva con &nome..."),
               [] { Finestre::archivio()->salvanome_Click(); }),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S))
        ->setEnabled(!d.soloElimina && archivio);
    file->addSeparator();
    voce(file, QStringLiteral("eliminare"), QStringLiteral("&Elimina..."), [] {
        Finestre::archivio()->eliminare_click();
    })->setEnabled(archivio);
    file->addSeparator();
    switch (d.stampa) {
    case Stampa::Disabilitata:
        voce(file, QStringLiteral("stampa"), QStringLiteral("S&tampa dati finestra"), [] {})->setEnabled(false);
        break;
    case Stampa::Abilitata:
        tasto(voce(file, QStringLiteral("stampa"), QStringLiteral("S&tampa dati finestra"), [this] { stampa_Click(); }),
              QKeySequence::Print);
        break;
    case Stampa::Articoli:
        tasto(
            voce(file, QStringLiteral("stampa"), QStringLiteral("S&tampa testo articoli"), [this] { stampa_Click(); }),
            QKeySequence::Print);
        break;
    case Stampa::Sottomenu: {
        QMenu* sotto = file->addMenu(QStringLiteral("S&tampa"));
        sotto->setObjectName(QStringLiteral("mnustampa"));
        tasto(
            voce(sotto, QStringLiteral("stampa"), QStringLiteral("&Sentenza visualizzata"), [this] { stampa_Click(); }),
            QKeySequence::Print);
        voce(sotto, QStringLiteral("stampatutte"), QStringLiteral("&Tutte le sentenze dell'argomento"),
             [this] { stampatutte_Click(); });
        break;
    }
    }
    file->addSeparator();
    QAction* esci = voce(file, QStringLiteral("esci"), QStringLiteral("Es&ci"), [] { ModPossidoria::chiediuscita(); });
    if (!d.soloElimina && archivio) {
        // The recent cases, read when the menu opens (and only then): another window or an earlier
        // run may have changed them.
        connect(file, &QMenu::aboutToShow, this, [this, file, esci] { elencaRecenti(file, esci); });
    }

    QMenu* vis = menuBar()->addMenu(QStringLiteral("&Visualizza"));
    vis->setObjectName(QStringLiteral("mnuvisualizza"));
    for (int n = 1; n <= Finestre::numeroMassimo; ++n) {
        const SchedaFinestra& f = *Finestre::scheda(n);
        const bool obiezione = d.visteObiezione && f.obiezione;
        const QString testo =
            QStringLiteral("Finestra ") + (obiezione ? QStringLiteral("obiezione ") : QString()) + f.voce;
        QAction* a = voce(vis, QStringLiteral("fin%1").arg(n), testo, [this, n] { visualizza(n); });
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + n - 1)));
        a->setShortcutContext(Qt::WindowShortcut);
        if (n == numero_) {
            // The check mark stays: choosing the own entry never unchecks it.
            a->setCheckable(true);
            a->setChecked(true);
            connect(a, &QAction::triggered, a, [a] { a->setChecked(true); });
        }
        a->setEnabled(n == numero_ || Finestre::disponibile(f.nome));
        if (n == 1 || n == 3)
            vis->addSeparator();
    }

    QMenu* aiuto = menuBar()->addMenu(QStringLiteral("&?"));
    aiuto->setObjectName(QStringLiteral("mnuaiuto"));
    voce(aiuto, QStringLiteral("guida"), QStringLiteral("&Guida in linea"), [] {
        Finestre::mostra(QStringLiteral("sommario"));
    })->setEnabled(Finestre::disponibile(QStringLiteral("sommario")));
    voce(aiuto, QStringLiteral("suggerimenti"), u(d.suggerimenti), [] { Finestre::mostra(QStringLiteral("frmTip")); });
    aiuto->addSeparator();
    voce(aiuto, QStringLiteral("supporto"), u(d.supporto), [] { Finestre::mostra(QStringLiteral("supportoclienti")); });
    aiuto->addSeparator();
    voce(aiuto, QStringLiteral("informazioni"), QStringLiteral("&Informazioni su Possidoria"),
         [] { Finestre::mostra(QStringLiteral("informa")); });

    // The window-number entry stands at the right end of the menu bar, within the window's width.
    auto* numeroFinestra =
        new QAction(QStringLiteral("Fi&nestra n.%1 di %2").arg(numero_).arg(Finestre::numeroMassimo), this);
    numeroFinestra->setObjectName(QStringLiteral("finestra"));
    numeroFinestra->setEnabled(Finestre::disponibile(nomeGuida(numero_)));
    connect(numeroFinestra, &QAction::triggered, this, &FinestraLavoro::finestra_Click);
    // F1: the window's own guide, as the window-number entry shows it.
    tasto(numeroFinestra, QKeySequence::HelpContents);
    addAction(numeroFinestra);
    auto* pulsante = new QToolButton(menuBar());
    pulsante->setObjectName(QStringLiteral("qt_finestra"));
    pulsante->setText(numeroFinestra->text());
    pulsante->setAutoRaise(true);
    pulsante->setEnabled(numeroFinestra->isEnabled());
    connect(pulsante, &QToolButton::clicked, numeroFinestra, &QAction::trigger);
    menuBar()->setCornerWidget(pulsante, Qt::TopRightCorner);
}

void FinestraLavoro::elencaRecenti(QMenu* file, QAction* prima)
{
    for (QAction* a : file->actions())
        if (a->property("recente").isValid())
            delete a;
    // An archive deleted or moved since is dropped from the list rather than offered.
    QStringList recenti = Recenti::elenco();
    for (const QString& percorso : Recenti::elenco())
        if (!QFileInfo(percorso).isFile()) {
            Recenti::togli(percorso);
            recenti.removeAll(percorso);
        }
    for (int i = 0; i < recenti.size(); ++i) {
        const QString percorso = recenti[i];
        QString nome = QFileInfo(percorso).fileName();
        auto* a = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(nome.replace(QLatin1Char('&'), QStringLiteral("&&"))), file);
        a->setObjectName(QStringLiteral("recente%1").arg(i + 1));
        a->setProperty("recente", percorso);
        a->setStatusTip(QDir::toNativeSeparators(percorso));
        a->setToolTip(QDir::toNativeSeparators(percorso));
        connect(a, &QAction::triggered, this, [percorso] { Finestre::archivio()->apriFile(percorso); });
        file->insertAction(prima, a);
    }
    if (!recenti.isEmpty()) {
        QAction* separatore = file->insertSeparator(prima);
        separatore->setProperty("recente", QString());
    }
}

void FinestraLavoro::costruisciBarra()
{
    const Differenze& d = tabella[numero_];
    barra_ = new QToolBar(area_);
    barra_->setObjectName(QStringLiteral("Toolbar1"));
    barra_->setIconSize(QSize(twipInPixel(270, this), twipInPixel(270, this)));
    barra_->setProperty("Tag", QStringLiteral("@L,T,W"));
    barra_->setStyleSheet(QStringLiteral("QToolBar { border-bottom: 1px solid palette(mid); }"));
    // Each button is the menu's own action, so that its enabled state and check mark follow it.
    auto pulsante = [this](int pos, QAction* a, const QString& tooltip, const QIcon& icona) {
        a->setIcon(icona);
        a->setIconVisibleInMenu(false);
        a->setToolTip(tooltip);
        barra_->addAction(a);
        barra_->widgetForAction(a)->setObjectName(QStringLiteral("Toolbar1(%1)").arg(pos));
    };
    for (const ComandoBarra& c : comandiBarra) {
        QString tooltip = u(c.tooltip);
        if (c.posizione == BarraStampa && d.stampa == Stampa::Articoli)
            tooltip = QStringLiteral("stampa");
        pulsante(c.posizione, azione(u(c.azione)), tooltip, iconaBarra(c.posizione));
        // The window's own "Guida in linea" button does the same: the two are told apart by where they are.
        if (c.posizione == BarraGuida)
            barra_->widgetForAction(azione(u(c.azione)))
                ->setAccessibleName(tooltip + QStringLiteral(" (barra degli strumenti)"));
        if (c.posizione == BarraStampa) {
            barra_->addSeparator();
            for (int n = 1; n <= Finestre::numeroMassimo; ++n)
                pulsante(BarraPrimaFinestra + n - 1, azione(QStringLiteral("fin%1").arg(n)),
                         Finestre::scheda(n)->tooltip, iconaFinestra(*Finestre::scheda(n)));
            barra_->addSeparator();
        }
    }
    posiziona(barra_, 0, 0, larghezzaProgetto, altezzaBarra);
}

void FinestraLavoro::visualizza(int n)
{
    if (n != numero_) {
        Finestre::mostra(Finestre::nomeNumero(n));
        return;
    }
    const Differenze& d = tabella[numero_];
    if (!d.chiedeGuida) {
        raise();
        activateWindow();
        return;
    }
    const Risposta r =
        piattaforma().messaggi->mostra(QStringLiteral("È questa la finestra '") + Finestre::scheda(numero_)->voce
                                           + QStringLiteral("': si vuole la guida della finestra?"),
                                       ModPossidoria::titoloaiuto, Icona::Domanda, Pulsanti::SiNo, Risposta::Si);
    if (r != Risposta::No)
        Finestre::mostra(nomeGuida(numero_));
}

void FinestraLavoro::finestra_Click() { Finestre::mostra(nomeGuida(numero_)); }

void FinestraLavoro::carica()
{
    ModPossidoria::inizializza();
    Ridimensionamento::caricaFinestra(this);
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

QLabel* FinestraLavoro::creaPasso(int left, int top, int width, int height, double punti, const QString& tooltip)
{
    auto* passo = new QLabel(area_);
    passo->setObjectName(QStringLiteral("passo"));
    passo->setWordWrap(true);
    passo->setAlignment(Qt::AlignCenter);
    passo->setToolTip(tooltip);
    passo->setStyleSheet(QStringLiteral(
        "QLabel { background-color: rgb(255,255,0); color: black; border: 1px solid rgb(128,128,128); }"));
    QFont f = passo->font();
    f.setPointSizeF(qMax(punti, puntiMinimi));
    passo->setFont(f);
    posiziona(passo, left, top, width, height);
    return passo;
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
