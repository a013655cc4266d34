#include "gui/frame/scelta.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "core/massimario.h"
#include "platform/porte.h"
#include <QLabel>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>

using namespace ModPossidoria;

namespace {
const char* const destinazioni[4] = {"", "norme", "massime", "causa"};

QLabel* etichetta(QWidget* area, const char* nome, const char* testo, int l, int t, int w, int h, double punti = 8,
                  bool grassetto = false)
{
    return creaEtichetta(area, QString::fromLatin1(nome), QString::fromUtf8(testo), l, t, w, h, punti, grassetto);
}
}   // namespace

FinestraScelta::FinestraScelta()
    : area_(new QWidget(this))
    , opzioni_(new GruppoOpzioni(QStringLiteral("Option1"), this))
{
    setObjectName(QStringLiteral("scelta"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Possidoria: scelta della procedura"));
    setCentralWidget(area_);
    area_->setObjectName(QStringLiteral("qt_area"));
    area_->setMouseTracking(true);
    area_->installEventFilter(this);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    auto* titolo = etichetta(area_, "Label61", "Procedure disponibili", 360, 240, 3600, 420, 14, true);
    colora(titolo, QPalette::WindowText, QColor(0, 0, 160));
    etichetta(area_, "Label71", " il programma visualizza...", 4320, 300, 4800, 360, 10, true);

    static const struct {
        const char* testo;
        int top;
    } opzioni[3] = {{"norme del Codice Civile", 1020}, {"sentenze sul tema", 2220}, {"svolgiamo una causa", 3420}};
    static const char* const spiegazioni[3] = {
        "...gli articoli del Codice Civile che trattano del possesso e dell'usucapione, ossia dall'art.1140 "
        "all'art.1170, con una breve spiegazione dell'argomento di ciascuno",
        "...una serie di massime sull'usucapione della Corte di Cassazione e dei giudici di merito, con gli "
        "estremi per l'eventuale ricerca dell'intera sentenza",
        "...uno schema di causa civile sull'usucapione, con la possibilità di scegliere una serie di casi diversi "
        "ed ottenere, alla fine, una sentenza sull'argomento"};
    for (int i = 1; i <= 3; ++i) {
        QRadioButton* b = opzioni_->aggiungi(area_, QString::fromUtf8(opzioni[i - 1].testo));
        QFont f = b->font();
        f.setPointSizeF(10);
        f.setBold(true);
        b->setFont(f);
        b->setMouseTracking(true);
        b->setEnabled(Finestre::disponibile(QString::fromLatin1(destinazioni[i])));
        posiziona(b, 360, opzioni[i - 1].top, 3600, 480);
        auto* l = etichetta(area_, QStringLiteral("Label%1").arg(i).toLatin1().constData(), spiegazioni[i - 1], 4320,
                            opzioni[i - 1].top - 240, 4920, 1020);
        l->setFrameShape(QFrame::StyledPanel);
        l->setMargin(4);
    }
    opzioni_->clic = [this](int i) { Option1_Click(i); };

    auto* lb = etichetta(area_, "Lb", "Cliccare sulla tematica prescelta", 360, 4620, 3600, 360, 9);
    colora(lb, QPalette::WindowText, QColor(128, 0, 0));
    // Two lines: the count and the institute do not fit one line at this width.
    auto* contiam = etichetta(area_, "contiam", "", 4320, 4620, 4920, 540, 9, true);
    colora(contiam, QPalette::WindowText, QColor(0, 0, 160));

    struct Pulsante {
        const char* nome;
        const char* testo;
        const char* tooltip;
        int left;
    };
    static const Pulsante pulsanti[3] = {
        {"guida", "&Guida in linea", "cliccare per visualizzare gli Argomenti della guida", 360},
        {"aiuto", "&AIUTO", "cliccare per avere informazioni sull'uso della finestra", 3600},
        {"esco", "&USCITA", "", 6840}};
    for (const Pulsante& p : pulsanti) {
        auto* b = new QPushButton(QString::fromUtf8(p.testo), area_);
        b->setObjectName(QString::fromLatin1(p.nome));
        b->setToolTip(QString::fromUtf8(p.tooltip));
        posiziona(b, p.left, 5580, 2400, 480);
    }
    auto* guida = findChild<QPushButton*>(QStringLiteral("guida"));
    guida->setEnabled(Finestre::disponibile(QStringLiteral("sommario")));
    connect(guida, &QPushButton::clicked, this, [] { Finestre::mostra(QStringLiteral("sommario")); });
    connect(findChild<QPushButton*>(QStringLiteral("aiuto")), &QPushButton::clicked, this,
            &FinestraScelta::aiuto_Click);
    connect(findChild<QPushButton*>(QStringLiteral("esco")), &QPushButton::clicked, this, [] { chiediuscita(); });

    resize(twipInPixel(larghezzaProgetto), twipInPixel(altezzaProgetto));
    area_->setGeometry(0, 0, width(), height() - statusBar()->sizeHint().height());
}

FinestraScelta::~FinestraScelta() = default;

void FinestraScelta::carica()
{
    Ridimensionamento::caricaFinestra(this);
    // The count comes from the content: no browser is built before the user asks for it.
    findChild<QLabel*>(QStringLiteral("contiam"))
        ->setText(QStringLiteral("Sono archiviate n.") + str(totaleMassime())
                  + QStringLiteral(" sentenze sull'usucapione."));
    inizializza();
    findChild<QPushButton*>(QStringLiteral("esco"))
        ->setToolTip(QStringLiteral("cliccare per uscire da ") + nomeprogramma);
}

void FinestraScelta::Option1_Click(int indice)
{
    Finestre::mostra(QString::fromLatin1(destinazioni[indice == 2 || indice == 3 ? indice : 1]));
    // Unselected at once, so that the same procedure can be chosen again.
    opzioni_->deseleziona(indice);
}

void FinestraScelta::aiuto_Click()
{
    piattaforma().messaggi->mostra(
        QStringLiteral("- Scegliere la procedura che si desidera cliccandoci sopra;\r"
                       "- visualizzare le informazioni nella barra di stato muovendosi con il mouse."),
        titoloaiuto, Icona::Informazione);
}

QString FinestraScelta::suggerimento(int indice)
{
    switch (indice) {
    case 0: return QStringLiteral("Elenca le tematiche trattate dal software.");
    case 2: return QStringLiteral("Apre una finestra per la visualizzazione di massime riguardanti l'usucapione.");
    case 3: return QStringLiteral("Apre una finestra per lo sviluppo schematico di una causa con una sentenza finale.");
    default:
        return QStringLiteral(
            "Apre una finestra per la visualizzazione delle norme del Codice Civile sull'usucapione.");
    }
}

void FinestraScelta::closeEvent(QCloseEvent* e)
{
    // The exit sequence closes the menu itself after its question; any other closing asks it.
    if (!property("chiusaDalProgramma").toBool()) {
        e->ignore();
        chiediuscita();
        return;
    }
    QMainWindow::closeEvent(e);
}

bool FinestraScelta::eventFilter(QObject* o, QEvent* e)
{
    if (o == area_ && e->type() == QEvent::MouseMove) {
        // Moves over a child reach the client area too: the hint follows what is under the mouse.
        int indice = 0;
        const QPoint pos = static_cast<QMouseEvent*>(e)->position().toPoint();
        for (QWidget* w = area_->childAt(pos); w && w != area_; w = w->parentWidget())
            for (int i = 1; i <= opzioni_->conta(); ++i)
                if (w == opzioni_->pulsante(i))
                    indice = i;
        statusBar()->showMessage(suggerimento(indice));
    }
    return QMainWindow::eventFilter(o, e);
}
