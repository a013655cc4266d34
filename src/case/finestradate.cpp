#include "case/finestradate.h"

#include "app/gruppoopzioni.h"
#include "app/modpossidoria.h"
#include "app/twips.h"
#include "case/bloccodate.h"
#include "case/causaviva.h"
#include "case/finestrapossesso.h"
#include "case/statocausa.h"
#include "case/tabellecausa.h"
#include "case/prove.h"
#include "library/codicecivile.h"
#include "platform/porte.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// What sets "ledate" and "interruzione" apart; everything else the two windows share.
struct FinestraDate::Differenze {
    QString nome;
    int numero;
    QString titolo;
    QString label36, label36Tip, label2, label2Tip, label3, label3Tip, cmddurataTip;
    int obiezione;                               // its row of the objection table: proofs, choices, dates
    QString label1, label1Tip;
    QString passoInizio, passoFine, passoProve;  // hint steps 1 to 3
    // "nessuna prova" takes the plaintiff's date for that end. Only for the possession's own dates:
    // an interruption that began or ended with the possession would be no interruption at all.
    bool nessunaProvaCopiaAttore;
    bool durataArticolo1167;                     // the "?" of the duration shows art. 1167
};

namespace {

const QString TESTO_LABEL1_DATE = QStringLiteral(
    "Per una corretta scelta dei casi disponibili è opportuno leggere le informazioni fornite cliccando sul "
    "tasto con il punto interrogativo. La prova delle date d'inizio e di fine del possesso è essenziale, "
    "perché dalla durata del possesso dipende quale tipo di usucapione può compiersi. Il convenuto che ha "
    "sollevato l'obiezione deve quindi provare l'inizio e/o la fine del possesso dell'attore, e con essi "
    "la sua effettiva durata.");

const FinestraDate::Differenze& differenze(const QString& nome)
{
    static const FinestraDate::Differenze ledate{
        QString::fromLatin1(FinestraDate::nomeDate), 6,
        QStringLiteral("Possidoria: opposizione sulle date del possesso"),
        QStringLiteral("Data di inizio del possesso....:"), QStringLiteral("la data in cui è iniziato il possesso della cosa o del diritto reale di godimento"),
        QStringLiteral("Data finale del possesso.......:"), QStringLiteral("la data in cui è terminato il possesso della cosa o del diritto reale di godimento"),
        QStringLiteral("Durata del possesso:"), QStringLiteral("la durata del possesso viene calcolata in automatico"),
        QStringLiteral("cliccare per avere informazioni sulla durata del possesso"),
        1,
        TESTO_LABEL1_DATE, QStringLiteral("informazioni sulla durata del possesso"),
        QStringLiteral("digitare la data iniziale del possesso"), QStringLiteral("digitare la data finale del possesso"), QStringLiteral("scegliere una tipologia di prova per l'inizio e la fine del possesso"),
        true, false,
    };
    static const FinestraDate::Differenze interruzione{
        QString::fromLatin1(FinestraDate::nomeInterruzione), 7,
        QStringLiteral("Possidoria: opposizione sull'interruzione del possesso"),
        QStringLiteral("Data di inizio dell'interruzione:"), QStringLiteral("la data in cui è iniziata l'interruzione del possesso della cosa o del diritto reale di godimento"),
        QStringLiteral("Data finale dell'interruzione....:"), QStringLiteral("la data in cui è terminata l'interruzione del possesso della cosa o del diritto reale di godimento"),
        QStringLiteral("Durata dell'interruzione:"), QStringLiteral("la durata dell'interruzione del possesso viene calcolata in automatico"),
        QStringLiteral("cliccare per avere informazioni sull'interruzione della durata del possesso"),
        2,
        QStringLiteral("L'interruzione del possesso riguarda un periodo di tempo nel quale il possesso medesimo non è stato esercitato. Qualora sia pacifica un'interruzione per meno di un anno, oppure essa non sia affatto avvenuta, può essere chiusa la finestra per tornare agli altri dati sul possesso. In caso contrario bisogna indicare la prova della maggiore interruzione calcolandola anche con le date in cui essa ha operato. Se nessuna delle parti riesce a fornire una prova certa il possesso s'intende ininterrotto (art.1142 e 1143 del Codice Civile)."), QStringLiteral("informazioni sull'interruzione del possesso"),
        QStringLiteral("digitare la data iniziale dell'interruzione del possesso"), QStringLiteral("digitare la data finale dell'interruzione del possesso"), QStringLiteral("scegliere una tipologia di prova per l'inizio e la fine dell'interruzione del possesso"),
        false, true,
    };
    if (nome == ledate.nome)
        return ledate;
    if (nome == interruzione.nome)
        return interruzione;
    qFatal("Finestra delle date sconosciuta: %s", qPrintable(nome));

}

const QString TIP_OPZIONE = QStringLiteral("cliccare su ? a lato per avere delucidazioni sulla tipologia della prova");
const QString TIP_SPIEGA = QStringLiteral("cliccare per visualizzare una breve spiegazione della tipologia della prova");

// Design geometry, twips. The proofs stand one under the other, the "?" of each at its right.
constexpr int altoFrame = 1740, altezzaFrame = 3780, larghezzaFrame = 3660;
constexpr int primaRiga = 240, passoRiga = 270;

} // namespace

FinestraDate::FinestraDate(const QString& nome)
    : FinestraLavoro(differenze(nome).numero), d_(differenze(nome))
{
    setWindowTitle(d_.titolo);
    QWidget* a = area();

    for (QLabel* l : {creaEtichetta(a, QStringLiteral("Label36"), d_.label36, 120, 630, 2580, 255),
                      creaEtichetta(a, QStringLiteral("Label2"), d_.label2, 120, 990, 2580, 255),
                      creaEtichetta(a, QStringLiteral("Label3"), d_.label3, 120, 1350, 2580, 255)})
        l->setWordWrap(false);
    a->findChild<QLabel*>(QStringLiteral("Label36"))->setToolTip(d_.label36Tip);
    a->findChild<QLabel*>(QStringLiteral("Label2"))->setToolTip(d_.label2Tip);
    a->findChild<QLabel*>(QStringLiteral("Label3"))->setToolTip(d_.label3Tip);
    for (const char* campo : {"datainizio", "datafine"}) {
        auto* e = new QLineEdit(a);
        e->setObjectName(QString::fromLatin1(campo));
        e->setAlignment(Qt::AlignCenter);
        e->setToolTip(QStringLiteral("utilizzare un formato di data tipo gg/mm/aa"));
        posiziona(e, 2760, campo[4] == 'i' ? 570 : 930, 1215, 315);
    }
    creaEtichetta(a, QStringLiteral("inizio"), QString(), 4080, 630, 3360, 255);
    creaEtichetta(a, QStringLiteral("fine"), QString(), 4080, 990, 3360, 255);

    QLabel* durata = creaEtichetta(a, QStringLiteral("durata"), QString(), 2760, 1350, 2520, 255, 8, true);
    durata->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* cmddurata = new QPushButton(QStringLiteral("?"), a);
    cmddurata->setObjectName(QStringLiteral("cmddurata"));
    cmddurata->setToolTip(d_.cmddurataTip);
    posiziona(cmddurata, 5340, 1305, 315, 300);
    connect(cmddurata, &QPushButton::clicked, this, &FinestraDate::cmddurata_Click);

    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    blocco_ = new BloccoDate(this, o.dataInizio, o.dataFine);

    datin_ = new GruppoOpzioni(QStringLiteral("datin"), this);
    datin_->setObjectName(QStringLiteral("datin"));
    datfin_ = new GruppoOpzioni(QStringLiteral("datfin"), this);
    datfin_->setObjectName(QStringLiteral("datfin"));
    creaGruppo(QStringLiteral("Frame1"), o.titolo, datin_, 1, 120);
    creaGruppo(QStringLiteral("Frame2"), o.titoloFine, datfin_, 1 + int(o.prove.size()), 120 + larghezzaFrame + 60);
    datin_->clic = [this](int i) { datin_Click(i); };
    datfin_->clic = [this](int j) { datfin_Click(j); };

    const int destra = 120 + 2 * larghezzaFrame + 180;
    const int larghezzaDestra = larghezzaProgetto - 120 - destra;
    QLabel* banner = creaEtichetta(a, QStringLiteral("Label4"), QStringLiteral("Le prove digitate e scelte in questa pagina sono supportate dal convenuto"),
                                   destra, 570, larghezzaDestra, 960, 7, true);
    banner->setToolTip(QStringLiteral("i dati vengono riferiti al convenuto"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(192,0,0); color: rgb(255,255,0); }"));
    QLabel* label1 = creaEtichetta(a, QStringLiteral("Label1"), d_.label1, destra, 1620, larghezzaDestra,
                                   altoFrame + altezzaFrame - 1620, 7);
    label1->setToolTip(d_.label1Tip);
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* aiuto = new QPushButton(QStringLiteral("&AIUTO"), a);
    aiuto->setObjectName(QStringLiteral("aiuto"));
    aiuto->setToolTip(QStringLiteral("cliccare per visualizzare l'aiuto in linea"));
    posiziona(aiuto, 120, 5760, 1095, 375);
    connect(aiuto, &QPushButton::clicked, this, &FinestraDate::aiuto_Click);
    adattaTesto(creaGuida(QStringLiteral("cmdguida"), 1290, 5760, 1215, 375));

    passo_ = creaPasso(2580, 5580, 4560, 600, 7.5,
                       QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));

    auto* cmdpossesso = new QPushButton(QStringLiteral("&Possesso"), a);
    cmdpossesso->setObjectName(QStringLiteral("cmdpossesso"));
    cmdpossesso->setToolTip(QStringLiteral("cliccare per tornare alla finestra Possesso"));
    posiziona(cmdpossesso, 7200, 5760, 1095, 375);
    connect(cmdpossesso, &QPushButton::clicked, this, &FinestraDate::cmdpossesso_Click);
    creaEsco(8385, 5760, 1095, 375);
}

FinestraDate::~FinestraDate() = default;

QGroupBox* FinestraDate::creaGruppo(const QString& nomeFrame, const QString& titolo, GruppoOpzioni* gruppo,
                                    int primoSpiega, int left)
{
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    const QVector<Prove::Prova>& prove = gruppo == datin_ ? o.prove : o.proveFine;
    auto* frame = new QGroupBox(titolo, area());
    frame->setObjectName(nomeFrame);
    posiziona(frame, left, altoFrame, larghezzaFrame, altezzaFrame);
    for (int i = 1; i <= prove.size(); ++i) {
        const int alto = primaRiga + passoRiga * (i - 1);
        posiziona(gruppo->aggiungi(frame, Prove::didascalia(prove[i - 1])), 30, alto, larghezzaFrame - 270, 255);
        const int k = primoSpiega + i - 1;
        auto* b = new QPushButton(QStringLiteral("?"), frame);
        b->setObjectName(QStringLiteral("spiega1(%1)").arg(k));
        posiziona(b, larghezzaFrame - 240, alto + 8, 210, 240);
        connect(b, &QPushButton::clicked, this, [this, k] { spiega1_Click(k); });
        spiega1_[k] = b;
    }
    return frame;
}

QPushButton* FinestraDate::spiega1(int k) const
{
    return k >= 1 && k <= 23 ? spiega1_[k] : nullptr;
}

void FinestraDate::carica()
{
    FinestraLavoro::carica();
    findChild<QGroupBox*>(QStringLiteral("Frame1"))->setToolTip(QStringLiteral("scegliere l'opzione come prova più importante per l'inizio del possesso"));
    findChild<QGroupBox*>(QStringLiteral("Frame2"))->setToolTip(QStringLiteral("scegliere l'opzione come prova più importante per la fine del possesso"));
    for (GruppoOpzioni* g : {datin_, datfin_})
        for (int i = 1; i <= g->conta(); ++i)
            g->pulsante(i)->setToolTip(TIP_OPZIONE);
    for (int k = 1; k <= 23; ++k)
        spiega1_[k]->setToolTip(TIP_SPIEGA);
    connect(&CausaViva::attiva(), &CausaViva::cambiata, this, &FinestraDate::mostraCausa);
    mostraCausa();
}

void FinestraDate::mostraCausa()
{
    const Causa& c = CausaViva::attiva().causa();
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    blocco_->mostra(c.testi);
    datin_->mostra((c.scelte.*o.prova).value_or(0));
    datfin_->mostra((c.scelte.*o.provaFine).value_or(0));
    aggiornapasso();
}

void FinestraDate::controllodate()
{
    mancanodati = StatoCausa::obiezioneDateCompleta(CausaViva::attiva().causa(), d_.obiezione) ? 0 : 1;
}

void FinestraDate::aggiornapasso()
{
    const Causa& c = CausaViva::attiva().causa();
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    controllodate();
    if ((c.testi.*o.dataInizio).isEmpty())
        passo_->setText(d_.passoInizio);
    else if ((c.testi.*o.dataFine).isEmpty())
        passo_->setText(d_.passoFine);
    else if (const QString e = StatoCausa::erroreDate(c.testi.*o.dataInizio, c.testi.*o.dataFine,
                                                      o.dataInizio == &TestiCausa::interruzioneInizio);
             !e.isEmpty())
        passo_->setText(QStringLiteral("correggere le date: ") + e);
    else
        passo_->setText(mancanodati == 1 ? d_.passoProve : QStringLiteral("consultare le norme vigenti cliccando sul relativo tasto ? o continuare la causa cliccando sul tasto Possesso"));
}

void FinestraDate::datin_Click(int i)
{
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    CausaViva::attiva().imposta(o.prova, qint16(i));
    if (d_.nessunaProvaCopiaAttore && o.prove.value(i - 1) == Prove::NessunaProva) {
        piattaforma().messaggi->mostra(QStringLiteral("In questo modo non viene fornita la prova dell'opposizione all'inizio del possesso: verrà, pertanto, considerata la data d'inizio indicata dall'attore."), ModPossidoria::titoloaiuto, Icona::Esclamazione);
        CausaViva::attiva().imposta(o.dataInizio, CausaViva::attiva().testi().possessoInizio);
    }
}

void FinestraDate::datfin_Click(int j)
{
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    CausaViva::attiva().imposta(o.provaFine, qint16(j));
    if (d_.nessunaProvaCopiaAttore && o.proveFine.value(j - 1) == Prove::NessunaProva) {
        piattaforma().messaggi->mostra(QStringLiteral("In questo modo non viene fornita la prova dell'opposizione alla fine del possesso: verrà, pertanto, considerata la data finale indicata dall'attore."), ModPossidoria::titoloaiuto, Icona::Esclamazione);
        CausaViva::attiva().imposta(o.dataFine, CausaViva::attiva().testi().possessoFine);
    }
}

void FinestraDate::spiega1_Click(int k)
{
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    const int inizio = int(o.prove.size());
    if (k < 1 || k > inizio + int(o.proveFine.size()))
        return;
    const Prove::Prova p = k <= inizio ? o.prove[k - 1] : o.proveFine[k - inizio - 1];
    piattaforma().messaggi->mostra(Prove::spiegazione(p), ModPossidoria::titoloaiuto, Icona::Informazione);
}

void FinestraDate::cmddurata_Click()
{
    if (d_.durataArticolo1167)
        piattaforma().messaggi->mostra(CodiceCivile::testoVisualizzato(29), ModPossidoria::titoloaiuto, Icona::Informazione);
    else
        Finestre::di<FinestraPossesso>()->cmddurata_Click();
}

void FinestraDate::aiuto_Click()
{
    piattaforma().messaggi->mostra(QStringList{QStringLiteral("- Digitare le date d'inizio e fine del possesso;"), QStringLiteral("- scegliere l'opzione che ricorre per provare l'inizio e la fine del possesso;"),
                                               QStringLiteral("- cliccare sul relativo tasto ? per visualizzare le norme vigenti;"), QStringLiteral("- cliccare sul tasto Possesso per procedere con la causa.")}
                                       .join(QChar(13)),
                                   ModPossidoria::titoloaiuto, Icona::Informazione);
}

void FinestraDate::cmdpossesso_Click()
{
    mancanodati = 1;
    controllodate();
    if (mancanodati == 1) {
        piattaforma().messaggi->mostra(QStringLiteral("Immettere tutti i dati necessari e segnalati nella casella gialla in basso: altrimenti tornare alla finestra Possesso cliccando sul relativo tasto della barra degli strumenti."), ModPossidoria::titoloaiuto, Icona::Esclamazione);
        return;
    }
    Finestre::mostra(QString::fromLatin1(FinestraPossesso::nomeFinestra));
}
