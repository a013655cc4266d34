#include "app/informa.h"
#include "app/modpossidoria.h"
#include "app/twips.h"
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include "app/clsresize.h"

using namespace ModPossidoria;

namespace {
QLabel* etichetta(QWidget* padre, const char* nome, int l, int t, int w, int h, double punti, bool grassetto)
{
    QLabel* lab = creaEtichetta(padre, QString::fromLatin1(nome), QString(), l, t, w, h, punti, grassetto);
    lab->setAlignment(Qt::AlignCenter);
    return lab;
}

QString nomeSistema()
{
    const QString k = QSysInfo::kernelType();
    if (k == QLatin1String("linux")) return QStringLiteral("Linux");
    if (k == QLatin1String("winnt")) return QStringLiteral("Windows");
    if (k == QLatin1String("darwin")) return QStringLiteral("macOS");
    if (k == QLatin1String("freebsd")) return QStringLiteral("FreeBSD");
    return k;
}
} // namespace

QString Informa::sistema()
{
    return QStringLiteral("per sistemi ") + nomeSistema() + QStringLiteral(" a %1 bit").arg(QSysInfo::WordSize);
}

Informa::Informa()
{
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 252, 235));
    setPalette(pal);
    setAutoFillBackground(true);
    etichetta(this, "Label1", 240, 240, 5520, 600, 24, true)->setStyleSheet(QStringLiteral("color: rgb(0,0,128);"));
    etichetta(this, "Label2", 240, 900, 5520, 360, 12, false);
    etichetta(this, "Label6", 240, 1380, 5520, 300, 9, false);
    etichetta(this, "Label5", 240, 1740, 5520, 300, 9, false);
    etichetta(this, "Label3", 240, 2220, 5520, 300, 9, false)->setText(QStringLiteral("Realizzato dagli sviluppatori del progetto Possidoria"));
    auto* riga = new Linea(this);
    riga->setObjectName(QStringLiteral("Line1"));
    riga->impostaPuntiTwips(360, 2100, 5640, 2100);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    posiziona(ok, 2400, 2700, 1200, 420);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    setFixedSize(twipInPixel(6000), twipInPixel(3300));
}

void Informa::carica()
{
    setWindowTitle(QStringLiteral("Informazioni su ") + nomeprogramma);
    findChild<QLabel*>(QStringLiteral("Label1"))->setText(nomeprogramma);
    findChild<QLabel*>(QStringLiteral("Label2"))->setText(sottotitolo);
    const int anno = QDate::fromString(dataversione, QStringLiteral("dd/MM/yyyy")).year();
    findChild<QLabel*>(QStringLiteral("Label6"))
        ->setText(QStringLiteral("edizione professionale - versione ") + versione + QStringLiteral("  ") + str(anno) +
                  QStringLiteral("- 20") + QStringLiteral("26"));
    findChild<QLabel*>(QStringLiteral("Label5"))->setText(sistema());
}

SupportoClienti::SupportoClienti()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Possidoria: supporto prodotto"));
    auto* intro = new QLabel(QStringLiteral("Per segnalare un problema, descrivete che cosa stavate facendo e che cosa è "
                                            "accaduto, e allegate le informazioni qui sotto."), this);
    intro->setObjectName(QStringLiteral("Label1"));
    intro->setWordWrap(true);
    posiziona(intro, 240, 180, 6720, 600);
    auto* testo = new QPlainTextEdit(this);
    testo->setObjectName(QStringLiteral("resoconto"));
    testo->setReadOnly(true);
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
}

QString SupportoClienti::resoconto() const
{
    return QStringLiteral("Programma: %1 %2 (%3)\nSistema: %4 - %5\nCartella del programma: %6\nUltimo archivio: %7")
        .arg(nomeprogramma, versione, dataversione, QSysInfo::prettyProductName(),
             Informa::sistema(), QDir::toNativeSeparators(cartellaProgramma()),
             nomefile.isEmpty() ? QStringLiteral("nessuno") : QDir::toNativeSeparators(nomefile));
}

void SupportoClienti::carica()
{
    inizializza();
    findChild<QPlainTextEdit*>(QStringLiteral("resoconto"))->setPlainText(resoconto());
}
