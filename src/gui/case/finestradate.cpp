#include "gui/case/finestradate.h"

#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "gui/case/bloccodate.h"
#include "core/causaviva.h"
#include "gui/case/finestrapossesso.h"
#include "core/statocausa.h"
#include "core/tabellecausa.h"
#include "core/prove.h"
#include "core/codicecivile.h"
#include "platform/porte.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

// What sets "ledate" and "interruzione" apart; everything else the two windows share.
struct FinestraDate::Differenze {
    QString nome;
    int numero;
    QString titolo;
    QString label36, label36Tip, label2, label2Tip, label3, label3Tip, cmddurataTip;
    int obiezione;   // its row of the objection table: proofs, choices, dates
    QString label1, label1Tip;
    QString passoInizio, passoFine, passoProve;   // hint steps 1 to 3
    bool durataArticolo1167;                      // the "?" of the duration shows art. 1167
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
        QString::fromLatin1(FinestraDate::nomeDate),
        6,
        QStringLiteral("Possidoria: opposizione sulle date del possesso"),
        QStringLiteral("Data di inizio del possesso....:"),
        QStringLiteral("la data in cui è iniziato il possesso della cosa o del diritto reale di godimento"),
        QStringLiteral("Data finale del possesso.......:"),
        QStringLiteral("la data in cui è terminato il possesso della cosa o del diritto reale di godimento"),
        QStringLiteral("Durata del possesso:"),
        QStringLiteral("la durata del possesso viene calcolata in automatico"),
        QStringLiteral("cliccare per avere informazioni sulla durata del possesso"),
        1,
        TESTO_LABEL1_DATE,
        QStringLiteral("informazioni sulla durata del possesso"),
        QStringLiteral("digitare la data iniziale del possesso"),
        QStringLiteral("digitare la data finale del possesso"),
        QStringLiteral("scegliere una tipologia di prova per l'inizio e la fine del possesso"),
        false,
    };
    static const FinestraDate::Differenze interruzione{
        QString::fromLatin1(FinestraDate::nomeInterruzione),
        7,
        QStringLiteral("Possidoria: opposizione sull'interruzione del possesso"),
        QStringLiteral("Data di inizio dell'interruzione:"),
        QStringLiteral(
            "la data in cui è iniziata l'interruzione del possesso della cosa o del diritto reale di godimento"),
        QStringLiteral("Data finale dell'interruzione....:"),
        QStringLiteral(
            "la data in cui è terminata l'interruzione del possesso della cosa o del diritto reale di godimento"),
        QStringLiteral("Durata dell'interruzione:"),
        QStringLiteral("la durata dell'interruzione del possesso viene calcolata in automatico"),
        QStringLiteral("cliccare per avere informazioni sull'interruzione della durata del possesso"),
        2,
        QStringLiteral(
            "Il termine dell'usucapione è interrotto dalla perdita del possesso per oltre un anno (art.1167), dalla notificazione di una domanda giudiziale diretta a recuperarlo o dal riconoscimento del diritto del proprietario (artt.1165, 2943 e 2944). Indicare che cosa è avvenuto, le date e la prova di ciascuna. Il termine riprende a decorrere dal recupero del possesso, dalla data del riconoscimento o dal passaggio in giudicato della sentenza (art.2945); un'interruzione successiva al compimento del termine non ha effetto. Senza prova il possesso si presume continuato (art.1142 del Codice Civile)."),
        QStringLiteral("informazioni sull'interruzione del possesso"),
        QStringLiteral("digitare la data iniziale dell'interruzione del possesso"),
        QStringLiteral("digitare la data finale dell'interruzione del possesso"),
        QStringLiteral("scegliere una tipologia di prova per l'inizio e la fine dell'interruzione del possesso"),
        true,
    };
    if (nome == ledate.nome)
        return ledate;
    if (nome == interruzione.nome)
        return interruzione;
    qFatal("Finestra delle date sconosciuta: %s", qPrintable(nome));
}

const QString TIP_OPZIONE = QStringLiteral("cliccare su ? a lato per avere delucidazioni sulla tipologia della prova");
const QString TIP_SPIEGA =
    QStringLiteral("cliccare per visualizzare una breve spiegazione della tipologia della prova");

// Design geometry, twips. The proofs stand one under the other, the "?" of each at its right.
constexpr int altoFrame = 1740, altezzaFrame = 3780, larghezzaFrame = 3660;
constexpr int primaRiga = 240, passoRiga = 270;

}   // namespace

FinestraDate::FinestraDate(CausaViva& causa, const QString& nome)
    : FinestraLavoro(differenze(nome).numero)
    , d_(differenze(nome))
    , causa_(causa)
{
    setWindowTitle(d_.titolo);
    QWidget* a = area();

    // The interruption window asks the act above the dates, whose rows close up to make room.
    const int riga0 = d_.obiezione == 2 ? 840 : 570, passoDate = d_.obiezione == 2 ? 300 : 360;
    const int altoCampo = d_.obiezione == 2 ? 300 : 315;
    for (QLabel* l :
         {creaEtichetta(a, QStringLiteral("Label36"), d_.label36, 120, riga0 + 60, 2580, 255),
          creaEtichetta(a, QStringLiteral("Label2"), d_.label2, 120, riga0 + passoDate + 60, 2580, 255),
          creaEtichetta(a, QStringLiteral("Label3"), d_.label3, 120, riga0 + 2 * passoDate + 60, 2580, 240)})
        l->setWordWrap(false);
    a->findChild<QLabel*>(QStringLiteral("Label36"))->setToolTip(d_.label36Tip);
    a->findChild<QLabel*>(QStringLiteral("Label2"))->setToolTip(d_.label2Tip);
    a->findChild<QLabel*>(QStringLiteral("Label3"))->setToolTip(d_.label3Tip);
    for (const char* campo : {"datainizio", "datafine"}) {
        auto* e = new QLineEdit(a);
        e->setObjectName(QString::fromLatin1(campo));
        e->setAlignment(Qt::AlignCenter);
        posiziona(e, 2760, campo[4] == 'i' ? riga0 : riga0 + passoDate, 1215, altoCampo);
    }
    // Heard by what they hold, whatever their labels say at the moment ("Passata in giudicato il").
    const bool diInterruzione = d_.obiezione == 2;
    a->findChild<QLineEdit*>(QStringLiteral("datainizio"))
        ->setAccessibleName(diInterruzione ? QStringLiteral("Data di inizio dell'interruzione")
                                           : QStringLiteral("Data di inizio del possesso"));
    a->findChild<QLineEdit*>(QStringLiteral("datafine"))
        ->setAccessibleName(diInterruzione ? QStringLiteral("Data di fine dell'interruzione")
                                           : QStringLiteral("Data di fine del possesso"));
    creaEtichetta(a, QStringLiteral("inizio"), QString(), 4080, riga0 + 60, 3360, 255);
    creaEtichetta(a, QStringLiteral("fine"), QString(), 4080, riga0 + passoDate + 60, 3360, 255);

    QLabel* durata =
        creaEtichetta(a, QStringLiteral("durata"), QString(), 2760, riga0 + 2 * passoDate + 60, 2520, 240, 8, true);
    durata->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* cmddurata = new QPushButton(QStringLiteral("?"), a);
    cmddurata->setObjectName(QStringLiteral("cmddurata"));
    cmddurata->setToolTip(d_.cmddurataTip);
    posiziona(cmddurata, 5340, riga0 + 2 * passoDate + 15, 315, d_.obiezione == 2 ? 270 : 300);
    connect(cmddurata, &QPushButton::clicked, this, &FinestraDate::cmddurata_Click);

    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    blocco_ = new BloccoDate(this, causa_, o.dataInizio, o.dataFine);

    datin_ = new GruppoOpzioni(QStringLiteral("datin"), this);
    datin_->setObjectName(QStringLiteral("datin"));
    datfin_ = new GruppoOpzioni(QStringLiteral("datfin"), this);
    datfin_->setObjectName(QStringLiteral("datfin"));
    creaGruppo(QStringLiteral("Frame1"), o.titolo, datin_, 1, 120);
    creaGruppo(QStringLiteral("Frame2"), o.titoloFine, datfin_, 1 + int(o.prove.size()), 120 + larghezzaFrame + 60);
    datin_->clic = [this](int i) { datin_Click(i); };
    datfin_->clic = [this](int j) { datfin_Click(j); };

    if (d_.obiezione == 2)
        creaAtto();

    const int destra = 120 + 2 * larghezzaFrame + 180;
    const int larghezzaDestra = larghezzaProgetto - 120 - destra;
    QLabel* banner =
        creaEtichetta(a, QStringLiteral("Label4"),
                      QStringLiteral("Le prove digitate e scelte in questa pagina sono supportate dal convenuto"),
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

namespace {

// The second date of the interruption window, by the act: its caption, and its proof's frame.
struct SecondaData {
    const char* etichetta;
    const char* frame;
};
SecondaData secondaData(AttoInterruttivo atto, bool chiesta)
{
    if (!chiesta)
        return {"Data finale (non richiesta)......:", "la seconda data non è richiesta:"};
    if (atto == AttoInterruttivo::DomandaGiudiziale)
        return {"Passata in giudicato il..........:", "il passaggio in giudicato risulta da:"};
    return {"Data finale dell'interruzione....:", "la fine dell'interruzione risulta da:"};
}

}   // namespace

void FinestraDate::creaAtto()
{
    QWidget* a = area();
    // What happened, above the dates: each act has its own new period (art. 2945).
    atto_ = new GruppoOpzioni(QStringLiteral("atto"), this);
    atto_->setObjectName(QStringLiteral("atto"));
    const struct {
        const char* testo;
        const char* tip;
        int left, width;
    } atti[] = {
        // clang-format off
        {"perdita del possesso", "il possessore è stato privato del possesso per oltre un anno (art.1167)", 120, 2100},
        {"domanda giudiziale", "è stata notificata all'attore una domanda giudiziale diretta a recuperare il possesso (artt.1165 e 2943)", 2280, 2100},
        {"riconoscimento del diritto", "l'attore ha riconosciuto il diritto del proprietario (artt.1165 e 2944)", 4440, 3000},
        // clang-format on
    };
    for (const auto& x : atti) {
        QRadioButton* b = atto_->aggiungi(a, QString::fromUtf8(x.testo));
        b->setToolTip(QString::fromUtf8(x.tip));
        posiziona(b, x.left, 570, x.width, 255);
    }
    // Tab meets the act first, as the eye does, then the dates and their proofs.
    QWidget* primaData = findChild<QLineEdit*>(QStringLiteral("datainizio"));
    // Qt orders only controls that take the focus: the nearest such one before the date.
    QWidget* prima = primaData->previousInFocusChain();
    while (prima->focusPolicy() == Qt::NoFocus && prima != this)
        prima = prima->previousInFocusChain();
    for (int i = 1; i <= atto_->conta(); ++i) {
        setTabOrder(prima, atto_->pulsante(i));
        prima = atto_->pulsante(i);
    }
    setTabOrder(prima, primaData);
    // The options in the order of the acts' numbers.
    atto_->clic = [this](int i) { causa_.imposta(&DatiCausa::atto, daNumero<AttoInterruttivo>(qint16(i))); };
    // Below the end proofs, which are fewer than the start ones: their frame ends with them.
    const int altezzaFine = primaRiga + passoRiga * 10 + 60;
    posiziona(findChild<QGroupBox*>(QStringLiteral("Frame2")), 120 + larghezzaFrame + 60, altoFrame, larghezzaFrame,
              altezzaFine);
    estinta_ = new QCheckBox(QStringLiteral("processo estinto"), a);
    estinta_->setObjectName(QStringLiteral("estinta"));
    estinta_->setToolTip(QStringLiteral(
        "il processo si è estinto: il nuovo periodo decorre dalla notificazione della domanda (art.2945, terzo comma)"));
    pendente_ = new QCheckBox(QStringLiteral("giudizio ancora pendente"), a);
    pendente_->setObjectName(QStringLiteral("pendente"));
    pendente_->setToolTip(QStringLiteral(
        "il giudizio non è ancora definito con sentenza passata in giudicato: l'interruzione dura finché esso è "
        "pendente e il nuovo periodo non è ancora iniziato (art.2945, secondo comma)"));
    recupero_ = new QCheckBox(QStringLiteral("recuperato con l'azione entro l'anno"), a);
    recupero_->setObjectName(QStringLiteral("recupero"));
    recupero_->setToolTip(QStringLiteral(
        "il possesso è stato recuperato con l'azione proposta entro l'anno: l'interruzione si ha come non avvenuta (art.1167, secondo comma; l'azione si propone entro l'anno, art.1168)"));
    for (QCheckBox* c : {estinta_, recupero_})
        posiziona(c, 120 + larghezzaFrame + 60 + 30, altoFrame + altezzaFine + 90, larghezzaFrame - 60, 300);
    posiziona(pendente_, 120 + larghezzaFrame + 60 + 30, altoFrame + altezzaFine + 390, larghezzaFrame - 60, 300);
    // Extinguished and pending exclude each other: either clears the other.
    connect(estinta_, &QCheckBox::clicked, this, [this](bool si) {
        causa_.imposta(&DatiCausa::statoGiudizio, si ? StatoGiudizio::Estinto : StatoGiudizio::Definito);
    });
    connect(pendente_, &QCheckBox::clicked, this, [this](bool si) {
        causa_.imposta(&DatiCausa::statoGiudizio, si ? StatoGiudizio::Pendente : StatoGiudizio::Definito);
    });
    connect(recupero_, &QCheckBox::clicked, this, [this](bool si) {
        causa_.imposta(&DatiCausa::recupero, si ? Recupero::EntroLAnno : Recupero::NonRecuperato);
    });
}

void FinestraDate::mostraAtto(const Causa& c)
{
    const DatiCausa& s = c.scelte;
    // An archive that never asked shows the act its start proof names, once there is one.
    const bool detto = s.atto || s.provaInizioInterruzione;
    const AttoInterruttivo atto = s.attoInterruzione();
    atto_->mostra(detto ? int(atto) : 0);
    const bool chiesta = s.interruzioneConRipresa();
    estinta_->setVisible(atto == AttoInterruttivo::DomandaGiudiziale);
    estinta_->setChecked(s.statoGiudizio == StatoGiudizio::Estinto);
    pendente_->setVisible(atto == AttoInterruttivo::DomandaGiudiziale);
    pendente_->setChecked(s.statoGiudizio == StatoGiudizio::Pendente);
    recupero_->setVisible(atto == AttoInterruttivo::PerditaPossesso);
    recupero_->setChecked(s.recupero == Recupero::EntroLAnno);
    const SecondaData seconda = secondaData(atto, chiesta);
    findChild<QLabel*>(QStringLiteral("Label2"))->setText(QString::fromUtf8(seconda.etichetta));
    auto* frame2 = findChild<QGroupBox*>(QStringLiteral("Frame2"));
    frame2->setTitle(QString::fromUtf8(seconda.frame));
    frame2->setEnabled(chiesta);
    findChild<QLineEdit*>(QStringLiteral("datafine"))->setEnabled(chiesta);
}

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
        QRadioButton* opzione = gruppo->aggiungi(frame, Prove::didascalia(prove[i - 1]));
        // The same proofs stand in both frames: heard with the date they prove.
        opzione->setAccessibleName(
            Prove::didascalia(prove[i - 1]).remove(QRegularExpression(QStringLiteral("\\.{2,}$")))
            + (gruppo == datin_ ? QStringLiteral(", per la data iniziale") : QStringLiteral(", per la data finale")));
        posiziona(opzione, 30, alto, larghezzaFrame - 270, 255);
        const int k = primoSpiega + i - 1;
        auto* b = new QPushButton(QStringLiteral("?"), frame);
        b->setObjectName(QStringLiteral("spiega1(%1)").arg(k));
        posiziona(b, larghezzaFrame - 240, alto + 8, 210, 240);
        connect(b, &QPushButton::clicked, this, [this, k] { spiega1_Click(k); });
        spiega1_[k] = b;
    }
    return frame;
}

QPushButton* FinestraDate::spiega1(int k) const { return k >= 1 && k <= 23 ? spiega1_[k] : nullptr; }

void FinestraDate::carica()
{
    FinestraLavoro::carica();
    findChild<QGroupBox*>(QStringLiteral("Frame1"))
        ->setToolTip(QStringLiteral("scegliere l'opzione come prova più importante per l'inizio del possesso"));
    findChild<QGroupBox*>(QStringLiteral("Frame2"))
        ->setToolTip(QStringLiteral("scegliere l'opzione come prova più importante per la fine del possesso"));
    for (GruppoOpzioni* g : {datin_, datfin_})
        for (int i = 1; i <= g->conta(); ++i)
            g->pulsante(i)->setToolTip(TIP_OPZIONE);
    for (int k = 1; k <= 23; ++k)
        spiega1_[k]->setToolTip(TIP_SPIEGA);
    connect(&causa_, &CausaViva::cambiata, this, &FinestraDate::mostraCausa);
    mostraCausa();
}

void FinestraDate::mostraCausa()
{
    const Causa& c = causa_.causa();
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    blocco_->mostra(c.testi);
    datin_->mostra(o.prova.numero(c.scelte).value_or(0));
    datfin_->mostra(o.provaFine.numero(c.scelte).value_or(0));
    if (atto_)
        mostraAtto(c);
    aggiornapasso();
}

int FinestraDate::mancanodati() const
{
    return StatoCausa::obiezioneDateCompleta(causa_.causa(), d_.obiezione) ? 0 : 1;
}

void FinestraDate::aggiornapasso()
{
    const Causa& c = causa_.causa();
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(d_.obiezione);
    const bool fineChiesta = !atto_ || StatoCausa::interruzioneChiedeFine(c.scelte);
    if ((c.testi.*o.dataInizio).isEmpty())
        passo_->setText(d_.passoInizio);
    else if (fineChiesta && (c.testi.*o.dataFine).isEmpty())
        passo_->setText(
            c.scelte.atto == AttoInterruttivo::DomandaGiudiziale ? QStringLiteral(
                "digitare la data in cui la sentenza è passata in giudicato, o indicare che il processo si è estinto "
                "o che il giudizio è ancora pendente")
                                                                 : d_.passoFine);
    else if (const QString e = StatoCausa::erroreDate(c.testi.*o.dataInizio,
                                                      fineChiesta ? c.testi.*o.dataFine : c.testi.*o.dataInizio,
                                                      o.dataInizio == &TestiCausa::interruzioneInizio);
             !e.isEmpty())
        passo_->setText(QStringLiteral("correggere le date: ") + e);
    else if (mancanodati() == 1)
        passo_->setText(d_.passoProve);
    else
        passo_->setText(QStringLiteral(
            "consultare le norme vigenti cliccando sul relativo tasto ? o continuare la causa cliccando sul tasto Possesso"));
}

void FinestraDate::datin_Click(int i)
{
    if (causa_.scegliProvaData(d_.obiezione, false, qint16(i)))
        piattaforma().messaggi->mostra(
            QStringLiteral(
                "In questo modo non viene fornita la prova dell'opposizione all'inizio del possesso: verrà, pertanto, considerata la data d'inizio indicata dall'attore."),
            ModPossidoria::titoloaiuto, Icona::Esclamazione);
}

void FinestraDate::datfin_Click(int j)
{
    if (causa_.scegliProvaData(d_.obiezione, true, qint16(j)))
        piattaforma().messaggi->mostra(
            QStringLiteral(
                "In questo modo non viene fornita la prova dell'opposizione alla fine del possesso: verrà, pertanto, considerata la data finale indicata dall'attore."),
            ModPossidoria::titoloaiuto, Icona::Esclamazione);
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
        piattaforma().messaggi->mostra(CodiceCivile::testoVisualizzato(29), ModPossidoria::titoloaiuto,
                                       Icona::Informazione);
    else
        Finestre::di<FinestraPossesso>()->cmddurata_Click();
}

void FinestraDate::aiuto_Click()
{
    piattaforma().messaggi->mostra(
        QStringList{QStringLiteral("- Digitare le date d'inizio e fine del possesso;"),
                    QStringLiteral("- scegliere l'opzione che ricorre per provare l'inizio e la fine del possesso;"),
                    QStringLiteral("- cliccare sul relativo tasto ? per visualizzare le norme vigenti;"),
                    QStringLiteral("- cliccare sul tasto Possesso per procedere con la causa.")}
            .join(QChar(13)),
        ModPossidoria::titoloaiuto, Icona::Informazione);
}

void FinestraDate::cmdpossesso_Click()
{
    if (mancanodati() == 1) {
        piattaforma().messaggi->mostra(
            QStringLiteral(
                "Immettere tutti i dati necessari e segnalati nella casella gialla in basso: altrimenti tornare alla finestra Possesso cliccando sul relativo tasto della barra degli strumenti."),
            ModPossidoria::titoloaiuto, Icona::Esclamazione);
        return;
    }
    Finestre::mostra(QString::fromLatin1(FinestraPossesso::nomeFinestra));
}
