#include "gui/case/finestrapossesso.h"

#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/icone.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "gui/case/bloccodate.h"
#include "gui/case/finestracausa.h"
#include "core/causaviva.h"
#include "core/date.h"
#include "gui/case/giudiziocausa.h"
#include "core/statocausa.h"
#include "core/tabellecausa.h"
#include "core/codicecivile.h"
#include "platform/porte.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

using namespace ModPossidoria;

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

using TabelleCausa::requisiti;
using TabelleCausa::Requisito;

// Design geometry, in twips.
constexpr int rigaData = 840;   // first date row
constexpr int passoRiga = 300;
constexpr int primoRiquadro = 1770;   // top of Frame(1)
constexpr int altezzaRiquadro = 555;
constexpr int passoRiquadro = 585;
constexpr int larghezzaRiquadro = 8055;
constexpr int lato = 300;   // a marker

// Shrinks an option's font until its caption fits beside the indicator, never below a readable size.
void adattaOpzione(QRadioButton* b)
{
    QFont f = b->font();
    while (f.pointSizeF() > puntiLeggibili && QFontMetrics(f).horizontalAdvance(b->text()) + 22 > b->width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    b->setFont(f);
}

}   // namespace

FinestraPossesso::FinestraPossesso(CausaViva& causa, QWidget* parent)
    : FinestraLavoro(5, parent)
    , causa_(causa)
{
    setWindowTitle(QStringLiteral("Possidoria: dati sul possesso"));
    QWidget* a = area();
    const QString giallo = QStringLiteral("QLabel { background-color: rgb(255,255,0); color: rgb(0,0,192); }");

    auto* banner = etichetta(a, QStringLiteral("Label4"),
                             QStringLiteral("Le prove digitate e scelte in questa pagina sono supportate dall'attore"),
                             QStringLiteral("i dati vengono riferiti all'attore"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(
        QStringLiteral("QLabel { background-color: rgb(192,0,0); color: rgb(255,255,0); font-weight: bold; }"));
    posiziona(banner, 120, 540, 9255, 255);

    // The date block: two fields, centred, with their long forms and the duration.
    struct RigaData {
        const char* etichetta;
        const char* testo;
        const char* tooltip;
        const char* campo;
        const char* lungo;
    };
    const RigaData righe[2] = {
        {"Label36", "Data di inizio del possesso.........................:",
         "la data in cui è iniziato il possesso della cosa o del diritto reale di godimento", "datainizio", "inizio"},
        {"Label1", "Data di fine del possesso...........................:",
         "la data in cui è cessato il possesso della cosa o del diritto reale di godimento", "datafine", "fine"},
    };
    for (int r = 0; r < 2; ++r) {
        const int y = rigaData + r * passoRiga;
        QLabel* nome = etichetta(a, u(righe[r].etichetta), u(righe[r].testo), u(righe[r].tooltip));
        posiziona(nome, 120, y + 15, 3615, 255);
        auto* campo = new QLineEdit(a);
        nome->setBuddy(campo);
        campo->setObjectName(u(righe[r].campo));
        campo->setAlignment(Qt::AlignCenter);
        posiziona(campo, 3780, y, 1095, 285);
        auto* lungo = etichetta(a, u(righe[r].lungo), QString(), QString());
        lungo->setStyleSheet(QStringLiteral("QLabel { color: rgb(0,0,192); }"));
        posiziona(lungo, 4980, y + 15, 2760, 255);
    }
    const int yDurata = rigaData + 2 * passoRiga;
    posiziona(etichetta(a, QStringLiteral("Label2"), QStringLiteral("Durata del possesso:"),
                        QStringLiteral("la durata del possesso viene calcolata in automatico")),
              120, yDurata + 15, 3615, 255);
    auto* durata = etichetta(a, QStringLiteral("durata"), QString(), QString());
    durata->setStyleSheet(QStringLiteral("QLabel { color: rgb(0,0,192); font-weight: bold; }"));
    posiziona(durata, 3780, yDurata + 15, 2415, 255);
    auto* cmddurata = pulsante(a, QStringLiteral("cmddurata"), QStringLiteral("?"),
                               QStringLiteral("cliccare per avere informazioni sulla durata del possesso"));
    posiziona(cmddurata, 6240, yDurata, 375, 285);
    connect(cmddurata, &QPushButton::clicked, this, [this] { cmddurata_Click(); });
    blocco_ = new BloccoDate(this, causa_, &TestiCausa::possessoInizio, &TestiCausa::possessoFine);

    const QPixmap marcatore = immagineObiezione();
    auto creaMarcatore = [&](QWidget* padre, int i) {
        auto* m = new QLabel(padre);
        m->setObjectName(QStringLiteral("Image1(%1)").arg(i));
        m->setPixmap(marcatore);
        m->setScaledContents(true);
        image1_[i] = m;
        return m;
    };
    image1_.resize(marcatori);

    // The dates' objection button and marker stand on the first date row.
    auto* opposDate = pulsante(a, QStringLiteral("oppos1(1)"), QStringLiteral("obiezione"),
                               QStringLiteral("cliccare per opporsi alle date del possesso"));
    opposDate->setAccessibleName(QStringLiteral("obiezione: date del possesso"));
    posiziona(opposDate, 8280, rigaData + passoRiga / 2, 1095, 300);
    connect(opposDate, &QPushButton::clicked, this, [this] { oppos1_Click(1); });
    posiziona(creaMarcatore(a, 0), 7860, rigaData + passoRiga / 2, lato, lato);

    // The six requirement frames, one row each; their Civil Code and objection buttons beside them,
    // outside the frame, so that they stay usable while it is disabled.
    for (int k = 1; k <= gruppi; ++k) {
        const Requisito& r = requisiti()[k - 1];
        const int y = primoRiquadro + (k - 1) * passoRiquadro;
        auto* f = new QGroupBox(u(r.titolo), a);
        f->setObjectName(QStringLiteral("Frame(%1)").arg(k));
        posiziona(f, 120, y, larghezzaRiquadro, altezzaRiquadro);
        frame_ << f;

        auto* g = new GruppoOpzioni(u(r.nome), this);
        const int n = int(r.opzioni.size());
        // Each option gets room in proportion to its caption, its marker right after it.
        QVector<int> misure;
        int totale = 0;
        for (int i = 1; i <= n; ++i) {
            QRadioButton* b = g->aggiungi(f, u(r.opzioni[i - 1]));
            misure << QFontMetrics(b->font()).horizontalAdvance(b->text()) + 60;
            totale += misure.last();
        }
        int x = 120;
        for (int i = 1; i <= n; ++i) {
            const int spazio = (larghezzaRiquadro - 120) * misure[i - 1] / totale;
            QRadioButton* b = g->pulsante(i);
            posiziona(b, x, 225, spazio - lato - 105, 270);
            adattaOpzione(b);
            posiziona(creaMarcatore(f, i + r.base), x + spazio - lato - 60, 210, lato, lato);
            x += spazio;
        }
        g->clic = [this, k](int i) { opzione_Click(k, i); };
        gruppi_ << g;

        auto* cod = pulsante(a, QStringLiteral("cod(%1)").arg(k), QStringLiteral("Codice Civile"), QString());
        posiziona(cod, 8280, y + 15, 1095, 270);
        connect(cod, &QPushButton::clicked, this, [this, k] { cod_Click(k); });
        // Six buttons of each kind: a screen reader tells them apart by their row.
        cod->setAccessibleName(QStringLiteral("Codice Civile: ") + f->title());
        auto* oppos =
            pulsante(a, QStringLiteral("oppos1(%1)").arg(k + 1), QStringLiteral("obiezione"), u(r.tooltipObiezione));
        posiziona(oppos, 8280, y + 285, 1095, 270);
        connect(oppos, &QPushButton::clicked, this, [this, k] { oppos1_Click(k + 1); });
        oppos->setAccessibleName(QStringLiteral("obiezione: ") + f->title());
    }
    // Two optional dates at the right end of their frame's heading: from when violent or clandestine
    // possession is useful (art. 1163), and from when the short terms run (arts. 1159, 1159-bis, 1162).
    const struct {
        int gruppo;
        const char* nome;
        const char* etichetta;
        const char* tip;
        QString TestiCausa::*campo;
    } facoltative[] = {
        {2, "cessazione", "violenza o clandestinità cessate il:",
         "facoltativa: la data in cui sono cessate la violenza o la clandestinità, dalla quale il possesso giova all'usucapione (art.1163)",
         &TestiCausa::cessazioneVizio},
        {6, "trascrizione", "titolo trascritto il:",
         "facoltativa: la data della trascrizione del titolo, dalla quale decorre il termine più breve (artt.1159, 1159-bis e 1162); "
         "se manca si assume la data d'inizio del possesso",
         &TestiCausa::trascrizione},
    };
    for (const auto& x : facoltative) {
        const int y = primoRiquadro + (x.gruppo - 1) * passoRiquadro - 45;
        auto* l = etichetta(a, QStringLiteral("l") + QString::fromLatin1(x.nome), u(x.etichetta), u(x.tip));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setAutoFillBackground(true);
        posiziona(l, 3900, y, 2925, 255);
        auto* e = new QLineEdit(a);
        l->setBuddy(e);
        e->setObjectName(QString::fromLatin1(x.nome));
        e->setAlignment(Qt::AlignCenter);
        e->setToolTip(u(x.tip));
        posiziona(e, 6900, y, 1215, 270);
        QString TestiCausa::*campo = x.campo;
        connect(e, &QLineEdit::textEdited, this, [this, e, campo](const QString& testo) {
            // Only what a date can hold: anything else would not read, nor could be archived.
            if (!Date::caratteriAmmessi(testo)) {
                e->setText(causa_.testi().*campo);
                return;
            }
            causa_.imposta(campo, testo);
        });
        (x.gruppo == 2 ? cessazione_ : trascrizione_) = e;
    }
    if (QRadioButton* si = acq()->pulsante(1))
        si->setToolTip(u(
            "con titolo idoneo al trasferimento della proprietà e debitamente trascritto (se trattasi di beni immobili)"));
    if (QRadioButton* no = acq()->pulsante(2))
        no->setToolTip(QStringLiteral("cliccare qui in tutti gli altri casi"));

    numobiez_ = etichetta(
        a, QStringLiteral("numobiez"), QString(),
        QStringLiteral(
            "il numero delle obiezioni formulate dal convenuto, aggiornato al ritorno da una finestra di obiezione"));
    numobiez_->setStyleSheet(giallo);
    numobiez_->setAutoFillBackground(true);
    posiziona(numobiez_, 120, 5310, 8055, 255);

    passo_ = etichetta(a, QStringLiteral("passo"), QString(),
                       QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    passo_->setStyleSheet(giallo);
    passo_->setWordWrap(true);
    posiziona(passo_, 2400, 5610, 4695, 540);

    auto* aiuto = pulsante(a, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"),
                           QStringLiteral("cliccare per visualizzare l'aiuto in linea"));
    posiziona(aiuto, 120, 5760, 960, 375);
    connect(aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    QPushButton* guida = creaGuida(QStringLiteral("guidainlinea"), 1110, 5760, 1260, 375);
    auto* avanti =
        pulsante(a, QStringLiteral("cmdavanti"), QStringLiteral("&Sentenza"),
                 QStringLiteral("cliccare per visualizzare la finestra Sentenza con il risultato della causa"));
    posiziona(avanti, 7200, 5760, 1095, 375);
    connect(avanti, &QPushButton::clicked, this, [this] { cmdavanti_Click(); });
    QPushButton* esco = creaEsco(8280, 5760, 1095, 375);
    for (QPushButton* b : {aiuto, guida, avanti, esco})
        adattaTesto(b);
}

QLineEdit* FinestraPossesso::datainizio() const { return blocco_->datainizio(); }
QLineEdit* FinestraPossesso::datafine() const { return blocco_->datafine(); }
QLabel* FinestraPossesso::durata() const { return blocco_->durata(); }

void FinestraPossesso::carica()
{
    FinestraLavoro::carica();
    for (int i = 1; i <= gruppi; ++i) {
        frame(i)->setToolTip(QStringLiteral(
            "scegliere l'opzione o cliccare su Codice Civile per visualizzare gli articoli di riferimento"));
        findChild<QPushButton*>(QStringLiteral("cod(%1)").arg(i))
            ->setToolTip(QStringLiteral("cliccare per visualizzare le norme del Codice Civile relative"));
    }
    connect(&causa_, &CausaViva::cambiata, this, &FinestraPossesso::mostraCausa);
    mostraCausa();
}

void FinestraPossesso::mostraCausa()
{
    const Causa& c = causa_.causa();
    blocco_->mostra(c.testi);
    // The requirements wait for a duration to judge them by.
    const bool durata = !StatoCausa::durataPossesso(c.testi).isEmpty();
    for (int k = 1; k <= gruppi; ++k) {
        frame(k)->setEnabled(durata);
        gruppo(k)->mostra(requisiti()[k - 1].variabile.numero(c.scelte).value_or(0));
    }
    // A marker stands on the answer an objection of the defendant opposes.
    for (QLabel* m : std::as_const(image1_))
        m->hide();
    if (StatoCausa::obiezioneSollevata(c.scelte, 1))
        marcatore(0)->show();
    for (int k = 1; k <= gruppi; ++k) {
        const Requisito& r = requisiti()[k - 1];
        const int risposta = r.variabile.numero(c.scelte).value_or(0);
        if (StatoCausa::obiezioneSollevata(c.scelte, k + 1) && risposta >= 1 && risposta <= int(r.opzioni.size()))
            marcatore(risposta + r.base)->show();
    }
    numobiez_->setText(StatoCausa::contatoreObiezioni(StatoCausa::numeroObiezioni(c.scelte)));
    // Each optional date only where it counts: a violent or clandestine possession, a title declared.
    const std::optional<ProvaRequisito>& modo = c.scelte.obiezioneModo;
    const bool violento = c.scelte.modo == Modo::ViolentoClandestino || (modo && mezzoDiProva(*modo));
    const bool titolo = c.scelte.titolo == Titolo::Idoneo;
    // A date that cannot be used is marked at its field, and the hint says why.
    const StatoCausa::ErroreData errata = StatoCausa::dataErrata(c.testi, Fatti::da(c));
    for (auto [campo, membro, visibile] : {std::tuple{cessazione_, &TestiCausa::cessazioneVizio, violento},
                                           std::tuple{trascrizione_, &TestiCausa::trascrizione, titolo}}) {
        const QString& testo = c.testi.*membro;
        if (campo->text() != testo)
            campo->setText(testo);
        const bool sbagliata = errata.campo == membro;
        campo->setStyleSheet(sbagliata ? QStringLiteral("color: #b00000;") : QString());
        campo->setAccessibleDescription(sbagliata ? errata.motivo : QString());
        campo->setVisible(visibile);
        findChild<QLabel*>(QStringLiteral("l") + campo->objectName())->setVisible(visibile);
    }
    aggiornapasso();
}

void FinestraPossesso::aggiornapasso()
{
    const Causa& c = causa_.causa();
    if (c.testi.possessoInizio.isEmpty())
        passo_->setText(QStringLiteral("digitare la data iniziale del possesso"));
    else if (c.testi.possessoFine.isEmpty())
        passo_->setText(QStringLiteral("digitare la data finale del possesso"));
    else if (const QString e = StatoCausa::erroreDate(c.testi.possessoInizio, c.testi.possessoFine); !e.isEmpty())
        passo_->setText(QStringLiteral("correggere le date: ") + e);
    else if (const QString e = StatoCausa::erroreDateCausa(c); !e.isEmpty())
        passo_->setText(QStringLiteral("correggere le date: ") + e);
    else if (mancanodati() == 1)
        passo_->setText(QStringLiteral("scegliere ognuna delle tipologie di dati visualizzate"));
    else
        passo_->setText(QStringLiteral("correggere, archiviare quanto immesso, scegliere delle obiezioni, "
                                       "visualizzare il risultato cliccando sull'apposito tasto ----------------->"));
}

int FinestraPossesso::mancanodati() const { return StatoCausa::possessoCompleto(causa_.causa()) ? 0 : 1; }

void FinestraPossesso::opzione_Click(int k, int i) { causa_.imposta(requisiti()[k - 1].variabile, qint16(i)); }

void FinestraPossesso::oppos1_Click(int k)
{
    const DatiCausa& d = causa_.scelte();
    if (k == 1) {
        if (StatoCausa::durataPossesso(causa_.testi()).isEmpty()) {
            piattaforma().messaggi->mostra(QStringLiteral("Digitare prima entrambe le date della durata del possesso."),
                                           titoloaiuto, Icona::Critico);
            return;
        }
        if (Finestre::disponibile(QStringLiteral("ledate")))
            Finestre::mostra(QStringLiteral("ledate"));
        return;
    }
    if (k < 2 || k > obiezioni)
        return;
    const Requisito& r = requisiti()[k - 2];
    const int risposta = r.variabile.numero(d).value_or(0);
    if (r.concessione != 0 && risposta == r.concessione) {
        piattaforma().messaggi->mostra(u(r.messaggioConcessione), titoloaiuto, Icona::Esclamazione);
        return;
    }
    if (risposta < 1 || risposta > int(r.opzioni.size())) {
        piattaforma().messaggi->mostra(u(r.messaggioMancante), titoloaiuto, Icona::Critico);
        return;
    }
    // The objection window comes alive once the program has it.
    const QString nome = u(r.finestra);
    if (Finestre::disponibile(nome))
        Finestre::mostra(nome);
}

QString FinestraPossesso::articoloAcquisto(const std::optional<Tipologia>& tipologia)
{
    if (tipologia == Tipologia::ServituNonApparenti)
        return QStringLiteral("1061");   // a non-apparent servitude is never acquired
    if (tipologia == Tipologia::PiccolaProprietaRurale)
        return QStringLiteral("1159 bis");
    if (tipologia == Tipologia::UniversalitaMobili)
        return QStringLiteral("1160");
    if (tipologia == Tipologia::BeniMobili)
        return QStringLiteral("1153");
    if (tipologia == Tipologia::MobiliRegistrati)
        return QStringLiteral("1162");
    return QStringLiteral("1159");
}

void FinestraPossesso::cod_Click(int i)
{
    static const int posizioni[gruppi + 1] = {0, 29, 25, 2, 15, 8, 0};
    if (i < 1 || i > gruppi)
        return;
    QString testo;
    if (i < gruppi) {
        testo = CodiceCivile::testoVisualizzato(posizioni[i]);
    } else {
        const QString numero = articoloAcquisto(causa_.scelte().tipologia);
        if (numero == QLatin1String("1061"))
            testo = CodiceCivile::testoArticolo(numero, CodiceCivile::commiCitati(1061),
                                                CodiceCivile::commentoCitato(1061));
        for (int p = 1; testo.isEmpty() && p <= CodiceCivile::numeroArticoli; ++p)
            if (CodiceCivile::numeroArticolo(p) == numero)
                testo = CodiceCivile::testoVisualizzato(p);
    }
    piattaforma().messaggi->mostra(testo, titoloaiuto, Icona::Informazione);
}

void FinestraPossesso::cmddurata_Click()
{
    piattaforma().messaggi->mostra(
        u("La durata del possesso richiesta dalle norme italiane è di 20 anni per i beni immobili, ridotti a 10 "
          "dalla data della trascrizione per chi li ha acquistati in buona fede da chi non è proprietario con un "
          "titolo idoneo debitamente trascritto; di 15 anni per la piccola proprietà rurale (5 dalla trascrizione "
          "del titolo, alle stesse condizioni); di 10 anni per il possesso in buona fede di beni mobili (20 in mala "
          "fede); di 20 anni per le universalità di mobili, ridotti a 10 per chi le ha acquistate in buona fede con "
          "un titolo idoneo; di 10 anni per i beni mobili iscritti in pubblici registri, ridotti a 3 dalla "
          "trascrizione del titolo per chi li ha acquistati in buona fede.\r"
          "Gli anni si contano per anniversari della data d'inizio, o di quella in cui sono cessate la violenza o la "
          "clandestinità, e il termine si compie alla fine del suo ultimo giorno. Dopo un'interruzione si contano "
          "di nuovo: dal recupero del possesso perduto per oltre un anno, dalla data del riconoscimento del diritto "
          "del proprietario, dal passaggio in giudicato della sentenza sulla domanda giudiziale o, se il processo si "
          "è estinto, dalla sua notificazione (art.2945). Un'interruzione successiva al compimento del termine non "
          "toglie l'usucapione già maturata.\r"
          "Secondo il caso ricorrente il software valuterà la durata indicata: per un approfondimento si consiglia di "
          "leggere le norme del Codice Civile relative, nella finestra Norme."),
        titoloaiuto, Icona::Informazione);
}

void FinestraPossesso::aiuto_Click()
{
    piattaforma().messaggi->mostra(
        QStringList{
            QStringLiteral("- Digitare le date necessarie per calcolare la durata del possesso;"),
            QStringLiteral("- scegliere ognuna delle singole opzioni cliccandoci sopra;"),
            QStringLiteral("- visualizzare le norme relative cliccando sul tasto Codice Civile;"),
            QStringLiteral("- scegliere un'obiezione cliccando sul relativo tasto per ogni dato;"),
            QStringLiteral("- o aprire un file archiviato per prelevare i dati;"),
            QStringLiteral("- seguire le indicazioni in linea nella casella gialla;"),
            QStringLiteral("- visualizzare la sentenza cliccando sul tasto Sentenza."),
        }
            .join(QChar(13)),
        titoloaiuto, Icona::Informazione);
}

void FinestraPossesso::cmdavanti_Click()
{
    const Causa& c = causa_.causa();
    // Dates that cannot be counted, here or in an objection, are named: no judgment rests on them.
    const QString errore = StatoCausa::erroreDateCausa(c);
    if (!StatoCausa::possessoCompleto(c) || !errore.isEmpty()) {
        // What is missing of the possession is named, so that a case saved half-way can be finished.
        const QStringList possesso = StatoCausa::mancanzePossesso(c);
        piattaforma().messaggi->mostra(u("Non sono stati immessi tutti i dati necessari: non è possibile procedere.")
                                           + (errore.isEmpty() ? QString() : QChar(13) + errore)
                                           + (possesso.isEmpty()
                                                  ? QString()
                                                  : QChar(13) + QStringLiteral("Mancano: ")
                                                        + possesso.join(QStringLiteral(", ")) + QLatin1Char('.')),
                                       titoloaiuto, Icona::Critico);
        return;
    }
    if (!StatoCausa::intestazioneCompleta(c) || !StatoCausa::datiGeneraliCompleti(c.testi)) {
        piattaforma().messaggi->mostra(QStringLiteral("Non sono stati inseriti i dati generali della causa."),
                                       titoloaiuto, Icona::Esclamazione);
        Finestre::mostra(QString::fromLatin1(FinestraCausa::nomeFinestra));
        return;
    }
    if (auto* sentenza = Finestre::finestra<GiudizioCausa>(QString::fromLatin1(GiudizioCausa::nomeFinestra))) {
        sentenza->Form_Load();
        Finestre::mostra(QString::fromLatin1(GiudizioCausa::nomeFinestra));
    }
}
