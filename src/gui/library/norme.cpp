#include "gui/library/norme.h"

#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "core/codicecivile.h"
#include "platform/porte.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// A push button whose caption wraps over several lines and shrinks until it fits, so that the
// long article titles stay readable on buttons of the design size.
class PulsanteArticolo : public QPushButton {
public:
    PulsanteArticolo(const QString& testo, QWidget* padre)
        : QPushButton(testo, padre)
    {
        // The caption wraps inside the button: the window's layout measures it so.
        setProperty("aCapo", true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        p.drawControl(QStyle::CE_PushButton, opt);

        const QRect area = rect().adjusted(4, 2, -4, -2);
        const int flag = Qt::AlignCenter | Qt::TextWordWrap;
        QFont f = font();
        for (qreal punti = f.pointSizeF(); punti > puntiLeggibili; punti -= 0.5) {
            f.setPointSizeF(punti);
            if (QFontMetrics(f).boundingRect(area, flag, text()).height() <= area.height())
                break;
        }
        p.setFont(f);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(area, flag, text());
    }
};

QString testoAiuto()
{
    return QStringList{
        QStringLiteral("La finestra è di sola lettura:"),
        QStringLiteral("- cliccare su uno dei 32 tasti gialli per visualizzare l'articolo relativo del Codice Civile;"),
        QStringLiteral("- visualizzare nella casella gialla in basso a quale situazione si riferisce l'informazione;"),
        QStringLiteral("- cliccare sull'icona della stampante per stampare tutti gli articoli riportati."),
    }
        .join(QChar(13));
}

// Prints every article in Courier from the library's text: the headings, then each article's
// caption and its justified lines, with new pages before 1153 and 1164. Stops at the first
// operation the printer refuses.
bool stampaArticoli(PortaStampante& s)
{
    if (!s.posizioneVerticale(800) || !s.dimensioneFont(18) || !s.nomeFont(QStringLiteral("Courier")))
        return false;
    if (!s.stampaRiga(7, ModPossidoria::nomeprogramma + QStringLiteral(" - ") + ModPossidoria::sottotitolo))
        return false;
    if (!s.dimensioneFont(14) || !s.rigaVuota()
        || !s.stampaRiga(10, QStringLiteral("Norme del Codice Civile sul possesso e sull'usucapione")))
        return false;
    for (int k = 1; k <= CodiceCivile::numeroArticoli; ++k) {
        if ((k == 14 || k == 26) && (!s.nuovaPagina() || !s.posizioneVerticale(800)))
            return false;
        if (!s.dimensioneFont(12) || !s.rigaVuota() || !s.stampaRiga(10, CodiceCivile::didascalia(k)))
            return false;
        if (!s.dimensioneFont(8))
            return false;
        for (const QString& riga : CodiceCivile::righeStampa(k))
            if (!s.stampaRiga(10, riga))
                return false;
    }
    return s.fine();
}

}   // namespace

Norme::Norme()
    : FinestraLavoro(2)
{
    setWindowTitle(QStringLiteral("Possidoria: norme del Codice Civile"));
    QWidget* a = area();

    static const int sinistra[4] = {120, 2400, 4680, 6960};
    static const int alto[8] = {720, 1320, 1920, 2520, 3120, 3720, 4320, 4920};
    for (int k = 1; k <= CodiceCivile::numeroArticoli; ++k) {
        auto* b = new PulsanteArticolo(CodiceCivile::didascalia(k), a);
        b->setObjectName(QStringLiteral("cmd(%1)").arg(k));
        posiziona(b, sinistra[(k - 1) % 4], alto[(k - 1) / 4], 2295, 615);
        connect(b, &QPushButton::clicked, this, [this, k] { cmd_Click(k); });
        cmd_[k] = b;
    }

    passo_ = new QLabel(a);
    passo_->setObjectName(QStringLiteral("passo"));
    passo_->setAutoFillBackground(true);
    colora(passo_, QPalette::Window, QColor(255, 255, 0));
    colora(passo_, QPalette::WindowText, Qt::black);
    passo_->setWordWrap(true);
    passo_->setToolTip(QStringLiteral("indicazioni sulla corretta procedura di gestione della finestra"));
    posiziona(passo_, 2400, 5640, 4695, 450);

    auto* aiuto = new QPushButton(QStringLiteral("&AIUTO"), a);
    aiuto->setObjectName(QStringLiteral("aiuto"));
    aiuto->setToolTip(QStringLiteral("cliccare per avere gli aiuti in linea"));
    posiziona(aiuto, 120, 5760, 960, 375);
    connect(aiuto, &QPushButton::clicked, this, &Norme::aiuto_Click);

    adattaTesto(creaGuida(QStringLiteral("guidainlinea"), 1110, 5760, 1260, 375,
                          QStringLiteral("cliccare per visualizzare il Sommario della guida")));

    auto* men = new QPushButton(QStringLiteral("&Menu"), a);
    men->setObjectName(QStringLiteral("men"));
    men->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Menu"));
    posiziona(men, 7200, 5760, 1095, 375);
    connect(men, &QPushButton::clicked, this, &Norme::men_Click);

    creaEsco(8280, 5760, 1095, 375);
}

bool Norme::event(QEvent* e)
{
    // The yellow keys get their look when the window is first shown, before it is drawn: 32 style
    // sheets are a large part of the load, which a window loaded and never shown does not pay.
    if (e->type() == QEvent::Show && !tastiStilati_) {
        tastiStilati_ = true;
        for (int k = 1; k <= CodiceCivile::numeroArticoli; ++k)
            cmd_[k]->setStyleSheet(
                QStringLiteral("QPushButton { background-color: rgb(255,255,192); border: 1px solid rgb(128,128,128);"
                               " border-radius: 2px; }"
                               "QPushButton:pressed { background-color: rgb(230,230,160); }"));
    }
    return FinestraLavoro::event(e);
}

QPushButton* Norme::cmd(int indice) const
{
    return indice >= 1 && indice <= CodiceCivile::numeroArticoli ? cmd_[indice] : nullptr;
}

void Norme::carica()
{
    FinestraLavoro::carica();
    statoInattivo();
}

void Norme::statoInattivo()
{
    passo_->setText(QStringLiteral(
        "cliccare su un tasto per visualizzare le norme del Codice Civile a cui va riferita l'usucapione"));
}

void Norme::cmd_Click(int indice)
{
    if (!cmd(indice))
        return;
    passo_->setText(QStringLiteral("viene visualizzata la norma del Codice Civile contenuta nell'art.")
                    + ModPossidoria::str(CodiceCivile::numeroStato(indice)));
    piattaforma().messaggi->mostra(CodiceCivile::testoVisualizzato(indice),
                                   QStringLiteral("Possidoria - Normativa di riferimento"), Icona::Informazione,
                                   Pulsanti::Ok, Risposta::Ok);
    statoInattivo();
}

void Norme::men_Click() { ModPossidoria::mostramenu(); }

void Norme::aiuto_Click()
{
    piattaforma().messaggi->mostra(testoAiuto(), ModPossidoria::titoloaiuto, Icona::Informazione, Pulsanti::Ok,
                                   Risposta::Ok);
}

// A cancelled printer dialog prints nothing and says nothing; a print-out that stops on an error
// is not left to look complete.
void Norme::stampa_Click()
{
    PortaStampante* s = piattaforma().stampante;
    if (!s || !s->scegli())
        return;
    if (stampaArticoli(*s))
        return;
    if (PortaMessaggi* messaggi = piattaforma().messaggi)
        messaggi->mostra(QStringLiteral("La stampa degli articoli non è stata completata: la stampante, "
                                        "o il file di stampa, non ha accettato il documento.\r"
                                        "Controllare la stampante scelta e ripetere la stampa."),
                         windowTitle(), Icona::Esclamazione);
}
