#include "gui/frame/supportoclienti.h"
#include "gui/frame/informa.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/tastiera.h"
#include "gui/frame/twips.h"
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>

using namespace ModPossidoria;

SupportoClienti::SupportoClienti()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Possidoria: supporto prodotto"));
    // The program sends nothing itself: it says so, and gives what a report needs.
    auto* intro = new QLabel(QStringLiteral("Il programma non invia segnalazioni da sé. Per chiedere assistenza, "
                                            "scrivete a chi vi ha fornito il programma che cosa stavate facendo e "
                                            "che cosa è accaduto, e copiate nel messaggio le informazioni qui sotto."),
                             this);
    intro->setObjectName(QStringLiteral("Label1"));
    intro->setWordWrap(true);
    posiziona(intro, 240, 180, 6720, 600);
    auto* testo = new QPlainTextEdit(this);
    testo->setObjectName(QStringLiteral("resoconto"));
    testo->setReadOnly(true);
    testo->setTabChangesFocus(true);
    posiziona(testo, 240, 840, 6720, 1800);
    auto* copia = new QPushButton(QStringLiteral("&Copia negli appunti"), this);
    copia->setObjectName(QStringLiteral("copia"));
    posiziona(copia, 240, 2820, 2400, 420);
    connect(copia, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(resoconto()); });
    auto* chiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    posiziona(chiudi, 5520, 2820, 1440, 420);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
    setFixedSize(twipInPixel(7200), twipInPixel(3480));
    Tastiera::comeDialogo(this, copia, chiudi);
}

QString SupportoClienti::resoconto() const
{
    return QStringLiteral("Programma: %1 %2 (%3)\nSistema: %4 - %5\nCartella del programma: %6")
        .arg(nomeprogramma, versione, dataversione, QSysInfo::prettyProductName(), Informa::sistema(),
             QDir::toNativeSeparators(cartellaProgramma()));
}

void SupportoClienti::carica()
{
    inizializza();
    findChild<QPlainTextEdit*>(QStringLiteral("resoconto"))->setPlainText(resoconto());
}
