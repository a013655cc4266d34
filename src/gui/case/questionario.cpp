#include "gui/case/questionario.h"

#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "core/causaviva.h"
#include "gui/case/finestrapossesso.h"
#include "core/tabellecausa.h"
#include "core/prove.h"
#include "platform/porte.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

// What one questionnaire has of its own.
struct Questionario::Valori {
    QString nome;
    int numero;
    QString gruppo;   // the option group's name
    QString titolo, frameTip, passoA, passoB;
    QString label1;
    QString spiega11, spiega12;
};

namespace {

const QString APERTURA = QStringLiteral(
    "Per una corretta scelta dei casi disponibili è opportuno leggere le informazioni fornite cliccando sul tasto con il punto interrogativo. ");

const QString PASSO_B = QStringLiteral(
    "consultare le norme vigenti cliccando sul relativo tasto ? o continuare la causa cliccando sul tasto Possesso");

const QString DIFFIDA = Prove::spiegazione(ProvaLunga::Diffida);

// The names alone, for the window registry at start-up: the table itself is built by the first
// questionnaire opened.
const char* const nomiQuestionari[] = {"modo", "psiche", "provenienza", "fede", "acquisto"};

const QVector<Questionario::Valori>& tabella()
{
    static const QVector<Questionario::Valori> t{
        {QStringLiteral("modo"), 8, QStringLiteral("viol"),
         QStringLiteral("Possidoria: opposizione al modo di acquisto del possesso"),
         QStringLiteral("scegliere l'opzione come prova dell'acquisto del possesso in modo violento o clandestino"),
         QStringLiteral("scegliere l'opzione che ricorre come prova del possesso in modo violento o clandestino"),
         QStringLiteral("cliccare sul tasto Possesso per procedere con la causa"),
         APERTURA
             + QStringLiteral(
                 "L'acquisto del possesso in modo violento o clandestino può essere provato con ogni mezzo "
                 "ammesso dalla legge, e la prova spetta al convenuto che lo afferma: chi oppone un fatto che "
                 "impedisce l'acquisto del diritto deve provarlo, secondo la regola generale sull'onere della "
                 "prova (art.2697 del Codice Civile). Se la violenza o la clandestinità risultano provate, il possesso giova all'usucapione soltanto dal "
                 "momento in cui sono cessate (art.1163 del Codice Civile)."),
         QStringLiteral(
             "La diffida e la messa in mora sono dichiarazioni del convenuto e non provano che il possesso sia stato acquistato con violenza o di nascosto: scelte qui non cambiano nulla, come 'nessuna prova'."),
         QStringLiteral(
             "In questo caso l'opposizione non ha motivo di lamentarsi dei vizi del possesso per l'acquisto in modo violento o clandestino.")},
        {QStringLiteral("psiche"), 9, QStringLiteral("datfin"),
         QStringLiteral("Possidoria: opposizione alla condizione psicologica del possessore"),
         QStringLiteral(
             "cliccare sull'opzione scelta come prova della detenzione da parte dell'attore per conto del padrone"),
         QStringLiteral(
             "scegliere una delle opzioni disponibili come prova della detenzione dell'attore per conto del proprietario"),
         PASSO_B,
         APERTURA
             + QStringLiteral(
                 "La condizione psicologica del possessore è decisiva: giova all'usucapione soltanto il possesso "
                 "esercitato con l'animo del padrone. Chi tiene la cosa per conto d'altri, come "
                 "l'inquilino o il comodatario, ne è semplice detentore e non può usucapirla finché il titolo non "
                 "sia mutato per causa proveniente da un terzo o per sua opposizione contro il possessore "
                 "(art.1141 del Codice Civile). Poiché il possesso si presume in chi esercita il potere di fatto, "
                 "è il convenuto a dover provare la detenzione."),
         DIFFIDA, Prove::spiegazioneNessunaProva()},
        {QStringLiteral("provenienza"), 10, QStringLiteral("datfin"),
         QStringLiteral("Possidoria: opposizione sulla provenienza della cosa"),
         QStringLiteral(
             "cliccare sull'opzione scelta come prova della provenienza illegittima della cosa da usucapire"),
         QStringLiteral("scegliere una delle opzioni disponibili come prova della provenienza illegittima della cosa"),
         PASSO_B,
         APERTURA
             + QStringLiteral(
                 "La provenienza della cosa conta soltanto per i beni mobili, perché decide della buona fede di "
                 "chi li ha acquistati: a chi ha acquistato conoscendo l'illegittima provenienza della cosa non "
                 "giova l'erronea convinzione che il suo autore o un precedente possessore ne fosse divenuto "
                 "proprietario (art.1154 del Codice Civile). Spetta al convenuto provare che la provenienza è "
                 "illegittima e che l'attore lo sapeva al momento dell'acquisto."),
         DIFFIDA, Prove::spiegazioneNessunaProva()},
        {QStringLiteral("fede"), 11, QStringLiteral("datfin"),
         QStringLiteral("Possidoria: opposizione sulla buona fede del possessore"),
         QStringLiteral("scegliere la prova della mala fede del possessore della cosa"),
         QStringLiteral("scegliere una delle opzioni disponibili come prova della mala fede del possesso"), PASSO_B,
         APERTURA
             + QStringLiteral(
                 "La buona o la mala fede del possessore decide la durata del possesso che la legge richiede per "
                 "l'usucapione: dieci anni anziché venti per i beni mobili e per gli immobili acquistati con un "
                 "titolo idoneo debitamente trascritto. La buona fede è sempre presunta e basta che vi sia stata "
                 "al tempo dell'acquisto (art.1147 del Codice Civile): spetta perciò al convenuto provare la "
                 "mala fede del possessore."),
         QStringLiteral(
             "La diffida e la messa in mora non provano la mala fede: la buona fede conta al tempo dell'acquisto (art.1147 del Codice Civile), e un avvertimento ricevuto dopo non la fa venir meno. Scelte qui non cambiano nulla, come 'nessuna prova'."),
         Prove::spiegazioneNessunaProva()},
        {QStringLiteral("acquisto"), 12, QStringLiteral("datfin"),
         QStringLiteral("Possidoria: opposizione all'acquisto del bene da chi non è proprietario"),
         QStringLiteral(
             "scegliere la prova che dimostra che l'attore ha acquistato il bene da chi non è proprietario senza un titolo idoneo e senza la trascrizione dell'atto"),
         QStringLiteral(
             "scegliere una delle opzioni disponibili come prova dell'acquisto da chi non è proprietario senza un titolo idoneo"),
         PASSO_B,
         APERTURA
             + QStringLiteral(
                 "Il termine più breve di chi acquista in buona fede da chi non è proprietario richiede un titolo "
                 "idoneo, trascritto quando la legge lo vuole, e decorre dalla trascrizione (artt.1159, 1159-bis e "
                 "1162); per i dieci anni dei beni mobili basta la buona fede (art.1161). Il titolo e la "
                 "trascrizione deve provarli l'attore (art.2697); si presume soltanto la buona fede (art.1147). "
                 "Qui il convenuto indica la prova che il titolo manca o non è trascritto."),
         DIFFIDA, Prove::spiegazioneNessunaProva()},
    };
    return t;
}

const Questionario::Valori& valori(const QString& nome)
{
    for (const Questionario::Valori& v : tabella())
        if (v.nome == nome)
            return v;
    qFatal("Questionario sconosciuto: %s", qPrintable(nome));
}

// The acts of tolerance, the same in every questionnaire.
const QString TOLLERANZA = QStringLiteral(
    "Gli atti compiuti con l'altrui tolleranza non fondano il possesso (art.1144 del Codice Civile). Se il "
    "convenuto prova che l'attore ha goduto della cosa soltanto perché il proprietario lo tollerava, "
    "manca il possesso stesso e la causa è persa, qualunque siano la durata del godimento, la buona fede "
    "e il titolo dell'attore.");

constexpr int altoFrame = 2340, altezzaFrame = 3120, colonna = 4680, passoRiga = 450;

}   // namespace

QStringList Questionario::nomi()
{
    QStringList n;
    for (const char* nome : nomiQuestionari)
        n << QString::fromLatin1(nome);
    return n;
}

Questionario::Questionario(CausaViva& causa, const QString& nome)
    : FinestraLavoro(valori(nome).numero)
    , v_(valori(nome))
    , causa_(causa)
{
    setWindowTitle(v_.titolo);
    QWidget* a = area();

    QLabel* banner = creaEtichetta(a, QStringLiteral("Label4"),
                                   QStringLiteral("Le prove scelte in questa pagina sono supportate dal convenuto"),
                                   120, 600, 9360, 330, 8, true);
    banner->setToolTip(QStringLiteral("i dati vengono riferiti al convenuto"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(192,0,0); color: rgb(255,255,0); }"));
    QLabel* label1 = creaEtichetta(a, QStringLiteral("Label1"), v_.label1, 120, 1020, 9360, 1200);
    label1->setAlignment(Qt::AlignJustify | Qt::AlignTop);

    auto* frame = new QGroupBox(obiezione().titolo, a);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setToolTip(v_.frameTip);
    posiziona(frame, 120, altoFrame, 9360, altezzaFrame);
    gruppo_ = new GruppoOpzioni(v_.gruppo, this);
    gruppo_->setObjectName(v_.gruppo);
    for (int i = 1; i <= 12; ++i) {
        const int left = 420 + colonna * ((i - 1) / 6);
        const int alto = 330 + passoRiga * ((i - 1) % 6);
        QRadioButton* o = gruppo_->aggiungi(frame, TabelleCausa::didascaliaProva(obiezione(), qint16(i)));
        posiziona(o, left, alto, 3540, 300);
        auto* b = new QPushButton(QStringLiteral("?"), frame);
        b->setObjectName(QStringLiteral("spiega1(%1)").arg(i));
        posiziona(b, left + 3600, alto + 8, 270, 270);
        connect(b, &QPushButton::clicked, this, [this, i] { spiega1_Click(i); });
        spiega1_[i] = b;
    }
    gruppo_->clic = [this](int i) { opzione_Click(i); };

    auto* aiuto = new QPushButton(QStringLiteral("&AIUTO"), a);
    aiuto->setObjectName(QStringLiteral("aiuto"));
    aiuto->setToolTip(QStringLiteral("cliccare per visualizzare l'aiuto in linea"));
    posiziona(aiuto, 120, 5760, 1095, 375);
    connect(aiuto, &QPushButton::clicked, this, &Questionario::aiuto_Click);
    adattaTesto(creaGuida(QStringLiteral("guidainlinea"), 1290, 5760, 1215, 375));

    passo_ = creaPasso(2580, 5580, 4560, 600, 7.5);

    auto* cmdpossesso = new QPushButton(QStringLiteral("&Possesso"), a);
    cmdpossesso->setObjectName(QStringLiteral("cmdpossesso"));
    cmdpossesso->setToolTip(QStringLiteral("cliccare per tornare alla finestra Possesso"));
    posiziona(cmdpossesso, 7200, 5760, 1095, 375);
    connect(cmdpossesso, &QPushButton::clicked, this, &Questionario::cmdpossesso_Click);
    creaEsco(8385, 5760, 1095, 375);
}

Questionario::~Questionario() = default;

QPushButton* Questionario::spiega1(int i) const { return i >= 1 && i <= 12 ? spiega1_[i] : nullptr; }

void Questionario::carica()
{
    FinestraLavoro::carica();
    for (int i = 1; i <= 12; ++i) {
        gruppo_->pulsante(i)->setToolTip(
            QStringLiteral("cliccare su ? a lato per avere delucidazioni sulla tipologia della prova"));
        spiega1_[i]->setToolTip(
            QStringLiteral("cliccare per visualizzare una breve spiegazione della tipologia della prova"));
    }
    connect(&causa_, &CausaViva::cambiata, this, &Questionario::mostraCausa);
    mostraCausa();
}

const TabelleCausa::Obiezione& Questionario::obiezione() const
{
    for (const TabelleCausa::Obiezione& o : TabelleCausa::tabellaObiezioni())
        if (v_.nome == QLatin1String(o.finestra))
            return o;
    qFatal("Questionario senza obiezione: %s", qPrintable(v_.nome));
}

bool Questionario::sceltaFatta() const { return obiezione().prova.numero(causa_.scelte()).value_or(0) != 0; }

void Questionario::mostraCausa()
{
    gruppo_->mostra(obiezione().prova.numero(causa_.scelte()).value_or(0));
    passo_->setText(sceltaFatta() ? v_.passoB : v_.passoA);
}

void Questionario::opzione_Click(int i) { causa_.imposta(obiezione().prova, qint16(i)); }

void Questionario::spiega1_Click(int i)
{
    QString testo;
    switch (i) {
    case 10: testo = TOLLERANZA; break;
    case 11: testo = v_.spiega11; break;
    case 12: testo = v_.spiega12; break;
    default:
        if (i < 1 || i > 12)
            return;
        testo = Prove::spiegazione(Prove::Prova(i));
    }
    piattaforma().messaggi->mostra(testo, ModPossidoria::titoloaiuto, Icona::Informazione);
}

void Questionario::aiuto_Click()
{
    piattaforma().messaggi->mostra(
        QStringList{
            QStringLiteral("- Scegliere l'opzione che risponde meglio alla situazione dei fatti;"),
            QStringLiteral("- cliccare sul tasto relativo con ? per avere informazioni sulle norme vigenti;"),
            QStringLiteral("- leggere le spiegazioni visualizzate nella casella gialla laterale;"),
            QStringLiteral(
                "- tornare alla finestra Possesso cliccando sull'apposito tasto in basso per continuare la causa.")}
            .join(QChar(13)),
        ModPossidoria::titoloaiuto, Icona::Informazione);
}

void Questionario::cmdpossesso_Click()
{
    if (!sceltaFatta()) {
        piattaforma().messaggi->mostra(
            QStringLiteral(
                "Scegliere l'opzione che ricorre o tornare alla finestra Possesso utilizzando il tasto relativo della barra degli strumenti."),
            ModPossidoria::titoloaiuto, Icona::Esclamazione);
        return;
    }
    Finestre::mostra(QString::fromLatin1(FinestraPossesso::nomeFinestra));
}
