#include "gui/help/finestraesempi.h"

#include "gui/frame/finestre.h"
#include "gui/frame/modpossidoria.h"
#include "core/esempi.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FinestraEsempi::FinestraEsempi(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("esempi"));
    setWindowTitle(ModPossidoria::nomeprogramma + QStringLiteral(": casi di esempio"));
    setAttribute(Qt::WA_DeleteOnClose);
    elenco_ = new QListWidget(this);
    elenco_->setObjectName(QStringLiteral("elenco"));
    for (const EsempioCausa& e : Esempi::elenco())
        elenco_->addItem(e.titolo);
    spiegazione_ = new QLabel(this);
    spiegazione_->setObjectName(QStringLiteral("spiegazione"));
    spiegazione_->setWordWrap(true);
    spiegazione_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    spiegazione_->setMinimumHeight(110);
    apri_ = new QPushButton(QStringLiteral("&Apri esempio"), this);
    apri_->setObjectName(QStringLiteral("apri"));
    apri_->setEnabled(false);
    auto* chiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(apri_);
    pulsanti->addWidget(chiudi);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(new QLabel(QStringLiteral("Scegliere un caso: lo si apre come un archivio, si preme "
                                                 "\"Sentenza\" e si può cambiare una risposta per vedere come "
                                                 "cambia la sentenza."),
                                  this));
    colonna->addWidget(elenco_, 1);
    colonna->addWidget(spiegazione_);
    colonna->addLayout(pulsanti);
    resize(560, 480);

    connect(elenco_, &QListWidget::currentRowChanged, this, [this](int riga) {
        const bool scelto = riga >= 0 && riga < Esempi::elenco().size();
        spiegazione_->setText(scelto ? Esempi::elenco()[riga].spiegazione : QString());
        apri_->setEnabled(scelto && Finestre::archivioDisponibile());
    });
    connect(elenco_, &QListWidget::itemActivated, this, [this] { apri_Click(); });
    connect(apri_, &QPushButton::clicked, this, [this] { apri_Click(); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::close);
}

void FinestraEsempi::apri_Click()
{
    const int riga = elenco_->currentRow();
    if (riga < 0 || riga >= Esempi::elenco().size() || !Finestre::archivioDisponibile())
        return;
    const QString percorso =
        QDir(Esempi::cartella(ModPossidoria::cartellaProgramma())).filePath(Esempi::elenco()[riga].file);
    close();
    Finestre::archivio()->apriEsempio(percorso);
}
