#include "gui/help/guida.h"
#include "gui/help/documentoguida.h"
#include "core/testiguida.h"
#include "gui/frame/tastiera.h"
#include "gui/frame/twips.h"
#include "platform/porte.h"
#include <QLabel>
#include <QPushButton>

namespace {
const QString MANUALE = QStringLiteral("manuale");
}

int Guida::larghezzaTwips(const QString& finestra) { return finestra == MANUALE ? 9600 : 5640; }

Guida::Guida(const QString& finestra, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , finestra_(finestra)
{
    setObjectName(finestra);
    setWindowTitle(QStringLiteral("Guida in linea"));
    setAttribute(Qt::WA_DeleteOnClose);

    const TestoGuida* t = testoGuida(finestra);
    const int larghezza = larghezzaTwips(finestra);
    const int interno = larghezza - 240;

    Label1_ = new QLabel(t ? t->titolo : QString(), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setAlignment(Qt::AlignCenter);
    Label1_->setStyleSheet(QStringLiteral("color: rgb(0,0,192);"));
    QFont f1 = Label1_->font();
    f1.setPointSizeF(12);
    f1.setBold(true);
    Label1_->setFont(f1);
    posiziona(Label1_, 120, 120, interno, 435);

    Label2_ = new QLabel(t ? t->testo : QString(), this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setWordWrap(true);
    Label2_->setAlignment(Qt::AlignJustify | Qt::AlignTop);
    Label2_->setStyleSheet(
        QStringLiteral("background: rgb(255,255,225); border: 1px solid rgb(160,160,160); padding: 4px;"));
    QFont f2 = Label2_->font();
    f2.setPointSizeF(9);
    Label2_->setFont(f2);
    posiziona(Label2_, 120, 660, interno, 5460);

    // Three buttons spread across the bottom edge.
    const int wb = 1215;
    const int passo = (interno - wb) / 2;
    cmdchiudi_ = new QPushButton(QStringLiteral("&Chiudi"), this);
    cmdchiudi_->setObjectName(QStringLiteral("cmdchiudi"));
    posiziona(cmdchiudi_, 120, 6300, wb, 375);
    cmdstampa_ = new QPushButton(QStringLiteral("S&tampa"), this);
    cmdstampa_->setObjectName(QStringLiteral("cmdstampa"));
    posiziona(cmdstampa_, 120 + passo, 6300, wb, 375);
    cmdsommario_ = new QPushButton(QStringLiteral("&Sommario"), this);
    cmdsommario_->setObjectName(QStringLiteral("cmdsommario"));
    posiziona(cmdsommario_, 120 + 2 * passo, 6300, wb, 375);

    if (finestra == MANUALE) {
        cmdstampa_->setToolTip(QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"));
        cmdsommario_->setToolTip(QStringLiteral("cliccare per visualizzare il sommario della guida"));
    }

    connect(cmdchiudi_, &QPushButton::clicked, this, &Guida::cmdchiudi_Click);
    connect(cmdstampa_, &QPushButton::clicked, this, &Guida::cmdstampa_Click);
    connect(cmdsommario_, &QPushButton::clicked, this, &Guida::cmdsommario_Click);

    resize(twipInPixel(larghezza, this), twipInPixel(altezzaTwips, this));
    Tastiera::comeDialogo(this, cmdchiudi_, cmdchiudi_);
}

Guida::~Guida() = default;

void Guida::carica() { Ridimensionamento::caricaFinestra(this, larghezzaTwips(finestra_), altezzaTwips); }

QString Guida::titolo() const { return Label1_->text(); }
QString Guida::testo() const { return Label2_->text(); }

void Guida::cmdchiudi_Click() { close(); }

void Guida::cmdstampa_Click()
{
    if (PortaWord* word = piattaforma().word)
        DocumentoGuida::singola(*word, finestra_, titolo(), testo());
}

void Guida::cmdsommario_Click() { Finestre::mostra(QStringLiteral("sommario")); }
