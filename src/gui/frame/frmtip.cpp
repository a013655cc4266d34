#include "gui/frame/frmtip.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/tastiera.h"
#include "gui/frame/twips.h"
#include <QLabel>
#include <QPainter>
#include <QPushButton>

FrmTip::FrmTip()
    : lblTipText_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* riquadro = new QLabel(this);
    riquadro->setObjectName(QStringLiteral("Riquadro"));
    riquadro->setStyleSheet(QStringLiteral("background: white; border: 1px solid gray;"));
    posiziona(riquadro, 120, 120, 5880, 2880);
    riquadro->lower();

    auto* immagine = new QLabel(this);
    immagine->setObjectName(QStringLiteral("Picture1"));
    QPixmap lampada(twipInPixel(600), twipInPixel(600));
    lampada.fill(Qt::transparent);
    {
        QPainter p(&lampada);
        p.setRenderHint(QPainter::Antialiasing);
        const int s = lampada.width();
        p.setPen(QPen(QColor(150, 110, 0), 1));
        p.setBrush(QColor(255, 225, 40));
        p.drawEllipse(QRectF(s * 0.2, s * 0.05, s * 0.6, s * 0.6));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(s * 0.38, s * 0.65, s * 0.24, s * 0.25));
    }
    immagine->setPixmap(lampada);
    posiziona(immagine, 240, 240, 600, 600);

    auto* titolo = new QLabel(QStringLiteral("Non tutti sanno che..."), this);
    titolo->setObjectName(QStringLiteral("Label1"));
    QFont f = titolo->font();
    f.setPointSizeF(13);
    f.setBold(true);
    titolo->setFont(f);
    posiziona(titolo, 960, 360, 4800, 420);

    lblTipText_->setObjectName(QStringLiteral("lblTipText"));
    lblTipText_->setWordWrap(true);
    // A tip is plain text: "<b>" in the file is shown as written, never interpreted.
    lblTipText_->setTextFormat(Qt::PlainText);
    QFont ft = lblTipText_->font();
    ft.setPointSizeF(10);
    lblTipText_->setFont(ft);
    lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    posiziona(lblTipText_, 960, 900, 4920, 1980);

    struct Pulsante {
        const char* nome;
        const char* testo;
        int top;
        void (FrmTip::*gestore)();
    };
    static const Pulsante pulsanti[3] = {{"cmdprecedente", "&Precedente", 120, &FrmTip::cmdprecedente_Click},
                                         {"cmdNextTip", "&Successivo", 600, &FrmTip::cmdNextTip_Click},
                                         {"cmdOK", "&Chiudi", 2520, &FrmTip::cmdOK_Click}};
    for (const Pulsante& p : pulsanti) {
        auto* b = new QPushButton(QString::fromUtf8(p.testo), this);
        b->setObjectName(QString::fromLatin1(p.nome));
        posiziona(b, 6120, p.top, 1440, 420);
        connect(b, &QPushButton::clicked, this, p.gestore);
    }
    setFixedSize(twipInPixel(7680), twipInPixel(3120));
    // Enter reads on, Escape puts the tips away.
    Tastiera::comeDialogo(this, findChild<QPushButton*>(QStringLiteral("cmdNextTip")),
                          findChild<QPushButton*>(QStringLiteral("cmdOK")));
}

void FrmTip::carica()
{
    auto avviso = [this](QString testo) {
        lblTipText_->setText(testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    };
    switch (tips_.carica(ModPossidoria::cartellaProgramma() + QLatin1Char('/') + Suggerimenti::nomeFile())) {
    case Suggerimenti::Lettura::Riuscita: mostraSuggerimento(); break;
    case Suggerimenti::Lettura::Mancante: avviso(Suggerimenti::testoFileMancante()); break;
    case Suggerimenti::Lettura::Illeggibile: avviso(Suggerimenti::testoFileIlleggibile()); break;
    }
}

void FrmTip::mostraSuggerimento()
{
    if (tips_.conta() > 0)
        lblTipText_->setText(tips_.testo());
}

void FrmTip::cmdNextTip_Click()
{
    tips_.successivo();
    mostraSuggerimento();
}

void FrmTip::cmdprecedente_Click()
{
    const int prima = tips_.corrente();
    tips_.precedente();
    if (tips_.corrente() != prima)
        mostraSuggerimento();
}

void FrmTip::cmdOK_Click() { Finestre::nascondi(this); }
