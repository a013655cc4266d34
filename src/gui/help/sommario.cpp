#include "gui/help/sommario.h"
#include "gui/help/finestraesempi.h"
#include "gui/help/documentoguida.h"
#include "core/testiguida.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/tastiera.h"
#include "gui/frame/twips.h"
#include "platform/porte.h"
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {
const QString CATALOGO = QStringLiteral("prodotti");
constexpr int LARGHEZZA = 3975;
constexpr int ALTEZZA = 6825;

// Row i sits on line i of the list; row 18 keeps the gap of the missing 17.
int cimaRiga(int i) { return 600 + (i - 1) * 300; }
}   // namespace

Sommario::Sommario(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("sommario"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);

    auto* titolo = new QLabel(QStringLiteral("Argomenti della guida"), this);
    titolo->setObjectName(QStringLiteral("Label1"));
    titolo->setAlignment(Qt::AlignCenter);
    titolo->setStyleSheet(QStringLiteral("color: rgb(0,0,192);"));
    QFont ft = titolo->font();
    ft.setPointSizeF(11);
    ft.setBold(true);
    titolo->setFont(ft);
    posiziona(titolo, 120, 120, LARGHEZZA - 240, 375);

    for (const RigaSommario& r : righeSommario()) {
        const int i = r.indice;
        auto* l = new QLabel(r.etichetta, this);
        l->setObjectName(QStringLiteral("lbl(%1)").arg(i));
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setLineWidth(1);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QFont fl = l->font();
        fl.setPointSizeF(8);
        fl.setBold(false);
        l->setFont(fl);
        l->setMouseTracking(true);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        posiziona(l, 120, cimaRiga(i), 3240, 270);
        lbl_.insert(i, l);

        auto* b = new QPushButton(QStringLiteral("--->"), this);
        b->setObjectName(QStringLiteral("puls(%1)").arg(i));
        // Heard by the guide it opens, not by its arrow.
        b->setAccessibleName(r.etichetta);
        b->setStyleSheet(QStringLiteral("padding: 0px;"));
        QFont fb = b->font();
        fb.setPointSizeF(8);
        b->setFont(fb);
        posiziona(b, 3390, cimaRiga(i), 465, 270);
        connect(b, &QPushButton::clicked, this, [this, i] { puls_Click(i); });
        puls_.insert(i, b);
    }

    struct Pulsante {
        const char* nome;
        const char* testo;
        int left;
        void (Sommario::*gestore)();
    };
    static const Pulsante pulsanti[3] = {{"cmdstampa", "&Stampa", 120, &Sommario::cmdstampa_Click},
                                         {"cmdchiudi", "&Chiudi", 1380, &Sommario::cmdchiudi_Click},
                                         {"Command1", "&USCITA", 2640, &Sommario::Command1_Click}};
    for (const Pulsante& p : pulsanti) {
        auto* b = new QPushButton(QString::fromUtf8(p.testo), this);
        b->setObjectName(QString::fromLatin1(p.nome));
        posiziona(b, p.left, 6240, 1215, 375);
        connect(b, &QPushButton::clicked, this, p.gestore);
    }
    findChild<QPushButton*>(QStringLiteral("cmdstampa"))
        ->setToolTip(QStringLiteral("cliccare per avere la copia su carta del sommario"));
    findChild<QPushButton*>(QStringLiteral("cmdchiudi"))
        ->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));

    resize(twipInPixel(LARGHEZZA, this), twipInPixel(ALTEZZA, this));
    // The first topic has the focus, Escape puts the contents away.
    Tastiera::comeDialogo(this, puls_.value(1), findChild<QPushButton*>(QStringLiteral("cmdchiudi")));
}

Sommario::~Sommario() = default;

void Sommario::carica()
{
    setWindowTitle(ModPossidoria::nomeprogramma + QStringLiteral(": guida in linea"));
    Ridimensionamento::caricaFinestra(this, LARGHEZZA, ALTEZZA);

    for (auto it = puls_.cbegin(); it != puls_.cend(); ++it)
        it.value()->setToolTip(QStringLiteral("cliccare per visualizzare: ") + lbl_.value(it.key())->text());
    findChild<QPushButton*>(QStringLiteral("Command1"))
        ->setToolTip(QStringLiteral("cliccare per uscire da ") + ModPossidoria::nomeprogramma);

    // The catalogue row is offered only where the program has the catalogue window.
    const bool catalogo = Finestre::disponibile(CATALOGO);
    lbl_.value(18)->setVisible(catalogo);
    puls_.value(18)->setVisible(catalogo);
}

void Sommario::puls_Click(int i)
{
    const QString nome = finestraDellaRiga(i);
    if (nome == QLatin1String("esempi")) {
        (new FinestraEsempi(this))->show();
        return;
    }
    if (Finestre::disponibile(nome))
        Finestre::mostra(nome);
}

void Sommario::lbl_MouseDown(int i)
{
    if (QLabel* l = lbl(i))
        l->setFrameStyle(QFrame::NoFrame);
    puls_Click(i);
}

void Sommario::lbl_MouseUp(int i)
{
    if (QLabel* l = lbl(i)) {
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setLineWidth(1);
    }
}

void Sommario::grassetto(QLabel* l, bool si)
{
    QFont f = l->font();
    if (f.bold() != si) {
        f.setBold(si);
        l->setFont(f);
    }
}

void Sommario::lbl_MouseMove(int i)
{
    for (QLabel* l : std::as_const(lbl_))
        grassetto(l, false);
    if (QLabel* l = lbl(i))
        grassetto(l, true);
}

void Sommario::Form_MouseMove()
{
    for (QLabel* l : std::as_const(lbl_))
        grassetto(l, false);
}

void Sommario::cmdstampa_Click()
{
    if (PortaWord* word = piattaforma().word)
        DocumentoGuida::raccolta(*word);
}

void Sommario::cmdchiudi_Click()
{
    // Stays loaded; as the last window on screen it closes, or the program would live on unseen.
    Finestre::nascondi(this);
}

void Sommario::Command1_Click() { ModPossidoria::chiediuscita(); }

bool Sommario::eventFilter(QObject* o, QEvent* e)
{
    auto* l = qobject_cast<QLabel*>(o);
    const int i = l ? lbl_.key(l, 0) : 0;
    if (i != 0) {
        switch (e->type()) {
        case QEvent::MouseButtonPress: lbl_MouseDown(i); return true;
        case QEvent::MouseButtonRelease: lbl_MouseUp(i); return true;
        case QEvent::MouseMove:
            // Handled here, or the window underneath would clear the bold again.
            lbl_MouseMove(i);
            return true;
        default: break;
        }
    }
    return QWidget::eventFilter(o, e);
}

void Sommario::mouseMoveEvent(QMouseEvent* e)
{
    Form_MouseMove();
    QWidget::mouseMoveEvent(e);
}
