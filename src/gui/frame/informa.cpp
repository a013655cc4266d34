#include "gui/frame/informa.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/tastiera.h"
#include "gui/frame/twips.h"
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include "gui/frame/clsresize.h"

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
    if (k == QLatin1String("linux"))
        return QStringLiteral("Linux");
    if (k == QLatin1String("winnt"))
        return QStringLiteral("Windows");
    if (k == QLatin1String("darwin"))
        return QStringLiteral("macOS");
    if (k == QLatin1String("freebsd"))
        return QStringLiteral("FreeBSD");
    return k;
}
}   // namespace

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
    etichetta(this, "Label3", 240, 2220, 5520, 300, 9, false)
        ->setText(QStringLiteral("Realizzato dagli sviluppatori del progetto Possidoria"));
    auto* riga = new Linea(this);
    riga->setObjectName(QStringLiteral("Line1"));
    riga->impostaPuntiTwips(360, 2100, 5640, 2100);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    posiziona(ok, 2400, 2700, 1200, 420);
    connect(ok, &QPushButton::clicked, this, [this] { Finestre::nascondi(this); });
    setFixedSize(twipInPixel(6000), twipInPixel(3300));
    Tastiera::comeDialogo(this, ok, ok);
}

// The edition runs to the year the program was built (SOURCE_DATE_EPOCH's, for a reproducible build).
static QString annoEdizione() { return QStringLiteral(POSSIDORIA_ANNO); }

void Informa::carica()
{
    setWindowTitle(QStringLiteral("Informazioni su ") + nomeprogramma);
    findChild<QLabel*>(QStringLiteral("Label1"))->setText(nomeprogramma);
    findChild<QLabel*>(QStringLiteral("Label2"))->setText(sottotitolo);
    const int anno = QDate::fromString(dataversione, QStringLiteral("dd/MM/yyyy")).year();
    findChild<QLabel*>(QStringLiteral("Label6"))
        ->setText(QStringLiteral("edizione professionale - versione ") + versione + QLatin1Char(' ')
                  + QString::number(anno) + QChar(0x2013) + annoEdizione());
    findChild<QLabel*>(QStringLiteral("Label5"))->setText(sistema());
}
