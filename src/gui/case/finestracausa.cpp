#include "gui/case/finestracausa.h"

#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/icone.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "gui/case/archiviocausa.h"
#include "core/statocausa.h"
#include "core/tabellecausa.h"
#include "gui/case/vistacausa.h"
#include "gui/case/finestrapossesso.h"
#include "core/codicecivile.h"
#include "platform/porte.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

using namespace ModPossidoria;

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

// A label that answers a click, like the goods links of the window.
class EtichettaCliccabile : public QLabel {
public:
    EtichettaCliccabile(const QString& testo, QWidget* padre, std::function<void()> clic)
        : QLabel(testo, padre)
        , clic_(std::move(clic))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            clic_();
        QLabel::mouseReleaseEvent(e);
    }

private:
    std::function<void()> clic_;
};

}   // namespace

FinestraCausa::FinestraCausa(CausaViva& causa, QWidget* parent)
    : FinestraLavoro(4, parent)
    , causa_(causa)
{
    setWindowTitle(QStringLiteral("Possidoria: dati della causa"));
    QWidget* a = area();

    auto* titolo = creaEtichetta(a, QStringLiteral("Label5"), QStringLiteral("Dati generali della causa"), 120, 600,
                                 4335, 315, 10, true);
    titolo->setToolTip(QStringLiteral("questi dati servono unicamente come informazioni sulla causa"));

    struct Campo {
        const char* etichetta;
        const char* testo;
        const char* nome;
        const char* tooltip;
        QLineEdit** campo;
        QString TestiCausa::*testo_;
    };
    const Campo campi[4] = {
        // clang-format off
        {"Label1", "attore:", "attore", "il nome di chi promuove la causa", &attore_, &TestiCausa::attore},
        {"Label2", "convenuto:", "convenuto", "il nome di chi è chiamato in causa", &convenuto_, &TestiCausa::convenuto},
        {"Label3", "bene o diritto:", "bene", "il bene o il diritto sul bene a cui si riferisce la causa", &bene_, &TestiCausa::bene},
        {"Label4", "località:", "luogo", "il luogo in cui si trova il bene oggetto di causa", &luogo_, &TestiCausa::luogo},
        // clang-format on
    };
    for (int r = 0; r < 4; ++r) {
        const int y = 1020 + r * 390;
        const QString tooltip = u(campi[r].tooltip);
        posiziona(etichetta(a, u(campi[r].etichetta), u(campi[r].testo), tooltip), 120, y + 30, 1335, 255);
        auto* t = new QLineEdit(a);
        t->setObjectName(u(campi[r].nome));
        t->setToolTip(tooltip);
        posiziona(t, 1500, y, 2955, 300);
        VistaCausa::collega(causa_, t, campi[r].testo_);
        *campi[r].campo = t;
    }

    auto* label8 =
        creaEtichetta(a, QStringLiteral("Label8"),
                      QStringLiteral("Scegliere una delle tipologie di causa che corrispondono a differenti normative "
                                     "del Codice Civile. Cliccare sul tasto ? per avere delucidazioni in proposito."),
                      120, 2520, 4335, 780);
    label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label8->setToolTip(QStringLiteral("come scegliere la tipologia di usucapione"));

    const char* const beni[3] = {"Beni immobili", "Beni mobili", "Beni del demanio"};
    for (int i = 1; i <= 3; ++i) {
        auto* l = new EtichettaCliccabile(u(beni[i - 1]), a, [this, i] { lbbeni_Click(i); });
        l->setObjectName(QStringLiteral("lbbeni(%1)").arg(i));
        l->setStyleSheet(QStringLiteral("QLabel { color: rgb(0,0,192); text-decoration: underline; }"));
        l->setToolTip(
            i == 3 ? QStringLiteral("sono definiti dall'art.822 del Codice Civile (cliccare per visualizzarli)")
                   : QStringLiteral("sono definiti dall'art.812 del Codice Civile (cliccare per visualizzarli)"));
        static const int x[3][2] = {{120, 1260}, {1500, 1200}, {2820, 1635}};
        posiziona(l, x[i - 1][0], 3330, x[i - 1][1], 255);
    }

    auto* guidafinestra = creaEtichetta(
        a, QStringLiteral("guidafinestra"),
        u("Da questo momento in poi i dati vengono utilizzati per emettere la sentenza: ogni fatto sostenuto "
          "dall'attore e ogni obiezione del convenuto devono poggiare su prove adeguate, che le finestre "
          "successive permettono di indicare. La sentenza può essere emessa soltanto quando sono stati "
          "immessi tutti i dati della causa e del possesso."),
        120, 3660, 4335, 1440);
    guidafinestra->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    guidafinestra->setToolTip(QStringLiteral("informazioni sull'uso della finestra"));
    guidafinestra->setStyleSheet(QStringLiteral("QLabel { color: rgb(128,0,0); }"));

    auto* frame7 = new QGroupBox(QStringLiteral("Tipologia di usucapione:"), a);
    frame7->setObjectName(QStringLiteral("Frame7"));
    frame7->setToolTip(u("scegliere la situazione più rispondente"));
    posiziona(frame7, 4560, 600, 4815, 4815);
    option1_ = new GruppoOpzioni(QStringLiteral("Option1"), this);
    for (int i = 1; i <= tipologie; ++i) {
        const int y = 285 + (i - 1) * 375;
        QRadioButton* b = option1_->aggiungi(frame7, TabelleCausa::didascaliaTipologia(i));
        // The last, longest type takes two lines, in the room below it.
        posiziona(b, 120, y, 4140, i == tipologie ? 405 : 300);
        adattaTesto(b);
        auto* spiega = pulsante(frame7, QStringLiteral("spiega1(%1)").arg(i), QStringLiteral("?"), QString());
        posiziona(spiega, 4320, y, 375, 300);
        connect(spiega, &QPushButton::clicked, this, [this, i] { spiega1_Click(i); });
    }
    option1_->clic = [this](int i) { Option1_Click(i); };

    auto* azzera = pulsante(a, QStringLiteral("azzera"), QStringLiteral("canc"),
                            QStringLiteral("cliccare per cancellare tutti i dati e iniziare una nuova causa"));
    azzera->setIcon(iconaBarra(3));
    posiziona(azzera, 120, 5160, 1095, 420);
    connect(azzera, &QPushButton::clicked, this, [this] { azzera_Click(); });

    passo_ = etichetta(a, QStringLiteral("passo"), QString(),
                       QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    passo_->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(255,255,0); color: rgb(0,0,192); }"));
    passo_->setAutoFillBackground(true);
    passo_->setWordWrap(true);
    posiziona(passo_, 2400, 5520, 4695, 570);
    for (QLineEdit* t : {attore_, convenuto_, bene_, luogo_})
        ArchivioCausa::accettaSoloArchiviabile(t, passo_);

    auto* aiuto = pulsante(a, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"),
                           QStringLiteral("cliccare per visualizzare l'aiuto in linea"));
    posiziona(aiuto, 120, 5760, 960, 375);
    connect(aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    QPushButton* guida = creaGuida(QStringLiteral("guidainlinea"), 1110, 5760, 1260, 375);
    auto* avanti = pulsante(a, QStringLiteral("cmdavanti"), QStringLiteral("&Procedi"),
                            QStringLiteral("cliccare per visualizzare la finestra Possesso"));
    posiziona(avanti, 7200, 5760, 1095, 375);
    connect(avanti, &QPushButton::clicked, this, [this] { cmdavanti_Click(); });
    QPushButton* esco = creaEsco(8280, 5760, 1095, 375);
    for (QPushButton* b : {aiuto, guida, avanti, esco, azzera})
        adattaTesto(b);

    // Tab goes from the four texts to the type (one stop), then straight to "Procedi"; the
    // explanations of the types come after the window's buttons.
    QList<QWidget*> ordine{attore_, convenuto_, bene_, luogo_};
    for (int i = 1; i <= tipologie; ++i)
        ordine << option1_->pulsante(i);
    ordine << avanti << esco << azzera << aiuto << guida;
    for (int i = 1; i <= tipologie; ++i)
        ordine << findChild<QPushButton*>(QStringLiteral("spiega1(%1)").arg(i));
    for (int i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
}

void FinestraCausa::carica()
{
    FinestraLavoro::carica();
    for (int i = 1; i <= tipologie; ++i) {
        option1_->pulsante(i)->setToolTip(
            QStringLiteral("cliccare su ? a lato per avere delucidazioni sulla tipologia"));
        findChild<QPushButton*>(QStringLiteral("spiega1(%1)").arg(i))
            ->setToolTip(QStringLiteral("cliccare per visualizzare una breve spiegazione della tipologia"));
    }
    connect(&causa_, &CausaViva::cambiata, this, &FinestraCausa::mostraCausa);
    mostraCausa();
}

void FinestraCausa::mostraCausa()
{
    const Causa& c = causa_.causa();
    VistaCausa::mostra(attore_, c.testi.attore);
    VistaCausa::mostra(convenuto_, c.testi.convenuto);
    VistaCausa::mostra(bene_, c.testi.bene);
    VistaCausa::mostra(luogo_, c.testi.luogo);
    option1_->mostra(::numero(c.scelte.tipologia).value_or(0));
    aggiornapasso();
}

void FinestraCausa::aggiornapasso()
{
    const Causa& c = causa_.causa();
    QString t;
    if (c.testi.attore.isEmpty())
        t = QStringLiteral(
            "aprire un file con i dati archiviati o iniziare l'immissione dei dati digitando il nome dell'attore della causa");
    else if (c.testi.convenuto.isEmpty())
        t = QStringLiteral("digitare il nome del convenuto");
    else if (c.testi.bene.isEmpty())
        t = QStringLiteral("digitare il tipo di bene da usucapire o il diritto relativo");
    else if (c.testi.luogo.isEmpty())
        t = u("digitare il nome della località in cui si trova il bene o il diritto relativo da usucapire");
    else if (TabelleCausa::didascaliaTipologia(::numero(c.scelte.tipologia).value_or(0)).isEmpty())
        t = QStringLiteral("scegliere la tipologia di usucapione cliccando su una di esse");
    else
        t = QStringLiteral("correggere, archiviare quanto immesso, procedere con i dati sul possesso cliccando "
                           "sull'apposito tasto -------------------------->>>");
    passo_->setText(t);
}

int FinestraCausa::mancanodati() const { return StatoCausa::intestazioneCompleta(causa_.causa()) ? 0 : 1; }

void FinestraCausa::Option1_Click(int i)
{
    // The types in the order of their numbers.
    causa_.imposta(&DatiCausa::tipologia, daNumero<Tipologia>(qint16(i)));
}

void FinestraCausa::cmdavanti_Click()
{
    if (mancanodati() == 1) {
        piattaforma().messaggi->mostra(
            QStringLiteral("Attenzione: digitare tutti i dati richiesti per procedere correttamente."), titoloaiuto,
            Icona::Critico);
        return;
    }
    Finestre::mostra(QString::fromLatin1(FinestraPossesso::nomeFinestra));
}

QString FinestraCausa::spiegazione(int i)
{
    const QChar cr(13);
    switch (i) {
    case 2:
        return u("L'enfiteusi è un diritto reale di godimento su un fondo altrui, perpetuo o a tempo non inferiore "
                 "a vent'anni: l'enfiteuta ha sui frutti del fondo gli stessi diritti che avrebbe il proprietario, "
                 "con l'obbligo di migliorarlo e di pagare al concedente un canone periodico (regolata dagli artt. "
                 "957-977 del Codice Civile).");
    case 3:
        return u("L'usufrutto è regolato dagli artt. 978-1020 del Codice Civile. È il diritto reale di godere di un "
                 "bene di proprietà di altri e di trarne i frutti, rispettandone la destinazione economica.");
    case 4:
        return u("L'uso è regolato dagli artt. 1021 e 1023-1026 del Codice Civile e riguarda il diritto reale di "
                 "servirsi di un bene altrui e, se fruttifero, di raccoglierne i frutti per quanto occorre ai "
                 "bisogni propri e della propria famiglia.");
    case 5:
        return u("L'abitazione è regolata dagli artt. 1022-1026 del Codice Civile e riguarda il diritto reale di "
                 "abitare una casa altrui limitatamente ai bisogni propri e della propria famiglia.");
    case 6:
    case 7: {
        // Art. 1061 in its own wording, from the program's Civil Code.
        const QStringList commi = CodiceCivile::commiCitati(1061);
        return u("La servitù è regolata dagli artt. 1027-1099 del Codice Civile e riguarda un peso imposto sopra un "
                 "fondo, detto servente, per l'utilità di un altro fondo, detto dominante, che appartiene a un "
                 "diverso proprietario.")
               + cr + cr + QStringLiteral("Art.1061 - ") + commi.join(cr);
    }
    case 8: return CodiceCivile::testoVisualizzato(21);
    case 9: return CodiceCivile::spiegazioneUniversalita();
    case 10: return CodiceCivile::spiegazioneBeni();
    case 11:
        return QStringList{
            u("I beni mobili iscritti in pubblici registri sono elencati dall'art.2683 del Codice Civile e riguardano:"),
            u("1) le navi e i galleggianti iscritti nei registri indicati dal codice della navigazione (146 s. nav.);"),
            u("2) gli aeromobili iscritti nei registri indicati dallo stesso codice (752 s. nav.);"),
            u("3) gli autoveicoli iscritti nel pubblico registro automobilistico."),
        }
            .join(cr);
    case 12: return CodiceCivile::spiegazioneDemanio();
    default:
        // The right itself in the words of art. 832: possession is the power, ownership the right.
        return u("Per proprietà si intende il diritto di godere e disporre del bene in modo pieno ed esclusivo, "
                 "entro i limiti stabiliti dalla legge.")
               + cr + cr + QStringLiteral("Art.832 - ") + CodiceCivile::commiCitati(832).join(cr);
    }
}

void FinestraCausa::spiega1_Click(int i)
{
    piattaforma().messaggi->mostra(spiegazione(i), titoloaiuto, Icona::Informazione);
}

void FinestraCausa::lbbeni_Click(int i) { spiega1_Click(i == 3 ? 12 : 10); }

void FinestraCausa::aiuto_Click()
{
    piattaforma().messaggi->mostra(
        QStringList{
            QStringLiteral("- Digitare le informazioni sui dati generali della causa;"),
            QStringLiteral("- scegliere una opzione sulla tipologia di usucapione cliccandoci sopra;"),
            QStringLiteral("- o aprire un file archiviato per prelevare i dati;"),
            QStringLiteral("- seguire le indicazioni in linea nella casella gialla;"),
            QStringLiteral("- procedere con la causa cliccando sul tasto Procedi."),
        }
            .join(QChar(13)),
        titoloaiuto, Icona::Informazione);
}

void FinestraCausa::azzera_Click()
{
    // Whatever was typed or chosen, a type or not; unsaved changes are asked about first.
    CausaViva& viva = causa_;
    if ((viva.causa() == Causa{} && viva.archivio().isEmpty())
        || !ArchivioCausa::lasciaCausa(viva, QStringLiteral("iniziare una nuova causa")))
        return;
    // Every window of the case shows the empty record; the archive name goes with the old case.
    viva.azzera();
}

void FinestraCausa::apri_Click() { ArchivioCausa::apri(causa_); }

void FinestraCausa::apriEsempio(const QString& percorso)
{
    // An example stays as installed: "&Salva" asks for a name of the user's own.
    if (ArchivioCausa::apriPercorso(causa_, percorso))
        causa_.impostaSolaLettura(true);
}
bool FinestraCausa::apriFile(const QString& percorso) { return ArchivioCausa::apriFile(causa_, percorso); }
void FinestraCausa::salva_Click() { ArchivioCausa::salva(causa_, false); }
void FinestraCausa::salvanome_Click() { ArchivioCausa::salva(causa_, true); }
void FinestraCausa::eliminare_click() { ArchivioCausa::elimina(); }
