#include "gui/judgment/finestrasentenza.h"
#include "gui/frame/esportazione.h"

#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "core/causaviva.h"
#include "core/statocausa.h"
#include "gui/case/finestrapossesso.h"
#include "documento/documentocitazione.h"
#include "documento/documentosentenza.h"
#include "core/istruttoria.h"
#include "core/scritturafile.h"
#include "documento/lineatempo.h"
#include "platform/porte.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QMouseEvent>
#include <QVBoxLayout>

using namespace ModPossidoria;

namespace {

// The folder of the last PDF exported in this session.
QString cartellaPdf;

// Where the PDF dialog opens: the last export's folder, else the user's documents, never the folder
// the program happened to be started from.
QString cartellaEsportazione()
{
    if (!cartellaPdf.isEmpty() && QFileInfo(cartellaPdf).isDir())
        return cartellaPdf;
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documenti).isDir() ? documenti : QDir::homePath();
}

QString u(const char* s) { return QString::fromUtf8(s); }

QLabel* etichetta(QWidget* padre, const QString& nome, const QString& testo, const QString& tooltip, int left, int top,
                  int width, int height, double punti = 0, bool grassetto = false)
{
    auto* l = new QLabel(testo, padre);
    l->setObjectName(nome);
    l->setToolTip(tooltip);
    if (punti > 0 || grassetto) {
        QFont f = l->font();
        if (punti > 0)
            f.setPointSizeF(punti);
        f.setBold(grassetto);
        l->setFont(f);
    }
    posiziona(l, left, top, width, height);
    return l;
}

QPlainTextEdit* testo(QWidget* padre, const QString& nome, const QString& tooltip, int left, int top, int width,
                      int height)
{
    auto* t = new QPlainTextEdit(padre);
    t->setObjectName(nome);
    t->setReadOnly(true);
    t->setToolTip(tooltip);
    t->setStyleSheet(QStringLiteral("QPlainTextEdit { background-color: white; color: rgb(0,0,192); }"));
    posiziona(t, left, top, width, height);
    return t;
}

QScrollBar* barraScorrimento(QWidget* padre, const QString& nome, int massimo, int pagina, int left, int top)
{
    auto* s = new QScrollBar(Qt::Vertical, padre);
    s->setObjectName(nome);
    s->setRange(1, massimo);
    s->setPageStep(pagina);
    s->setSingleStep(1);
    s->setValue(1);
    // Like a scroll bar's Change event: a drag counts once, when the thumb is let go.
    s->setTracking(false);
    posiziona(s, left, top, 255, 1695);
    return s;
}

// The timeline in words, for whoever cannot see the picture: the possession's dates, the
// interruption's, and the term.
QString descriviLineaTempo(const Giudizio& g)
{
    const LineaTempo l = lineaTempo(g.causa, g.decisione);
    const auto data = [](const std::optional<QDate>& d) {
        return d ? d->toString(QStringLiteral("dd/MM/yyyy")) : QStringLiteral("?");
    };
    QStringList parti;
    parti << QStringLiteral("possesso dal %1 al %2").arg(data(l.inizioUtile()), data(l.fineUtile()));
    if (l.inizioInterruzione)
        parti << QStringLiteral("interruzione dal %1%2")
                     .arg(data(l.inizioInterruzione),
                          l.fineInterruzione ? QStringLiteral(" al ") + data(l.fineInterruzione) : QString());
    if (l.raggiunto && l.scadenza)
        parti << QStringLiteral("termine compiuto il %1 (%2)").arg(data(l.scadenza), l.etichettaTermine());
    else if (!l.etichettaTermine().isEmpty())
        parti << QStringLiteral("termine di ") + l.etichettaTermine();
    return parti.join(QStringLiteral("; "));
}

// The hint keeps the window's font: the frame gives a long one room.
void scriviPasso(QLabel* passo, const QString& testo) { passo->setText(testo); }

// A line of the facts or objections lists: one row high, so a long one is cut at the row's end;
// its tooltip holds it whole.
void mostraRiga(QLabel* l, const QString& riga)
{
    l->setText(riga);
    l->setToolTip(riga);
}

}   // namespace

FinestraSentenza::FinestraSentenza(CausaViva& causa, QWidget* parent)
    : FinestraLavoro(13, parent)
    , causa_(causa)
{
    setWindowTitle(QStringLiteral("Possidoria: sentenza sulla causa svolta"));
    QWidget* a = area();

    etichetta(a, QStringLiteral("Label7"), QStringLiteral("Svolgimento del processo"),
              QStringLiteral("ricapitolo dei dati inseriti"), 120, 600, 5655, 435, 13.5, true);
    etichetta(a, QStringLiteral("Label4"), QStringLiteral("Fatti sostenuti dall'attore"),
              QStringLiteral("tutti gli elementi della causa ricavati dalle dichiarazioni dell'attore"), 120, 1200,
              5655, 315, 9.75, true);
    for (int k = 1; k <= righeVisibili; ++k)
        azione_[k - 1] = etichetta(a, QStringLiteral("azione(%1)").arg(k), QString(), QString(), 120,
                                   1560 + 240 * (k - 1), 5415, 255);
    vscroll1_ = barraScorrimento(a, QStringLiteral("VScroll1"), 8, 7, 5520, 1560);

    etichetta(a, QStringLiteral("Label6"), QStringLiteral("Sentenza"), QStringLiteral("risultati della causa"), 5880,
              600, 1500, 435, 13.5, true);
    testosentenza_ = testo(a, QStringLiteral("testosentenza"), QStringLiteral("testo della sentenza elettronica"), 5880,
                           1200, 3495, 2055);
    senzaSentenza_ = QStringLiteral("nessuna sentenza ancora possibile per \r\nmancanza di dati\r\n");
    testosentenza_->setPlainText(senzaSentenza_);
    // "Perché?" joins the text box's own menu: the rule and the facts behind the judgment shown.
    auto* perche = new QAction(QStringLiteral("Perché?"), testosentenza_);
    perche->setObjectName(QStringLiteral("perche"));
    connect(perche, &QAction::triggered, this, [this] { perche_Click(); });
    testosentenza_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(testosentenza_, &QWidget::customContextMenuRequested, this, [this, perche](const QPoint& punto) {
        QMenu* menu = testosentenza_->createStandardContextMenu(punto);
        menu->addSeparator();
        menu->addAction(perche);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(testosentenza_->viewport()->mapToGlobal(punto));
    });

    // The heading ends with its words, leaving its row to "Che cosa cambierebbe?".
    etichetta(a, QStringLiteral("Label5"), QStringLiteral("Obiezioni sostenute dal convenuto"),
              QStringLiteral("tutte le obiezioni ai fatti dichiarati dall'attore"), 120, 3360, 4140, 315, 9.75, true);
    for (int k = 1; k <= righeVisibili; ++k)
        obiezione_[k - 1] = etichetta(a, QStringLiteral("obiezione(%1)").arg(k), QString(), QString(), 120,
                                      3720 + 240 * (k - 1), 7095, 255);
    vscroll2_ = barraScorrimento(a, QStringLiteral("VScroll2"), 7, 6, 7200, 3720);

    etichetta(a, QStringLiteral("Label1"), QStringLiteral("Commenti"),
              QStringLiteral("suggerimenti per l'attore o commenti alla sentenza"), 7560, 3360, 1815, 375, 9.75, true);
    commento_ = testo(a, QStringLiteral("commento"), QString(), 7560, 3840, 1815, 930);
    // "Perché?" in sight too, under the comment, with its key (Alt+E).
    auto* cmdperche = new QPushButton(QStringLiteral("P&erché?"), a);
    cmdperche->setObjectName(QStringLiteral("cmdperche"));
    cmdperche->setToolTip(QStringLiteral("cliccare per sapere quale regola ha deciso la sentenza e su quali fatti"));
    posiziona(cmdperche, 7560, 5160, 1815, 330);
    connect(cmdperche, &QPushButton::clicked, this, [this] { perche_Click(); });
    // What the lawyer does next, above "Perché?": one button, its menu the case law, the evidence, the writ.
    avvocato_ = new QPushButton(QStringLiteral("Per l'avv&ocato..."), a);
    avvocato_->setObjectName(QStringLiteral("avvocato"));
    avvocato_->setToolTip(QStringLiteral("cliccare per la giurisprudenza pertinente, le prove da raccogliere e la "
                                         "bozza di atto di citazione"));
    posiziona(avvocato_, 7560, 4815, 1815, 330);
    auto* menuAvvocato = new QMenu(avvocato_);
    menuAvvocato->setObjectName(QStringLiteral("menuavvocato"));
    const std::pair<const char*, void (FinestraSentenza::*)()> voci[] = {
        {"&Giurisprudenza pertinente...", &FinestraSentenza::giurisprudenza_Click},
        {"&Prove da raccogliere...", &FinestraSentenza::prove_Click},
        {"&Bozza di atto di citazione (videoscrittura)", &FinestraSentenza::bozzaCitazioneInVideoscrittura},
        {"Bozza di atto di citazione in P&DF...", &FinestraSentenza::bozzaCitazioneInPdf},
    };
    for (const auto& [voce, gestore] : voci)
        connect(menuAvvocato->addAction(u(voce)), &QAction::triggered, this, [this, g = gestore] { (this->*g)(); });
    avvocato_->setMenu(menuAvvocato);
    senzaCommento_ =
        QStringLiteral("immettere tutti i dati richiesti nella finestra Causa e nella finestra Possesso\r\n");
    commento_->setPlainText(senzaCommento_);

    passo_ = etichetta(a, QStringLiteral("passo"),
                       QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"), QString(), 2400,
                       5640, 4695, 450);
    passo_->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(255,255,0); color: rgb(0,0,192); }"));
    passo_->setAutoFillBackground(true);
    passo_->setWordWrap(true);

    auto* aiuto = new QPushButton(QStringLiteral("&AIUTO"), a);
    aiuto->setObjectName(QStringLiteral("aiuto"));
    aiuto->setToolTip(QStringLiteral("cliccare per visualizzare l'aiuto in linea"));
    posiziona(aiuto, 120, 5760, 960, 375);
    connect(aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    QPushButton* guida = creaGuida(QStringLiteral("guidainlinea"), 1110, 5760, 1260, 375);
    auto* possesso = new QPushButton(QStringLiteral("&Possesso"), a);
    possesso->setObjectName(QStringLiteral("cmdpossesso"));
    possesso->setToolTip(QStringLiteral("cliccare per tornare alla finestra Possesso"));
    posiziona(possesso, 7200, 5760, 1095, 375);
    connect(possesso, &QPushButton::clicked, this, [this] { cmdpossesso_Click(); });
    QPushButton* esco = creaEsco(8280, 5760, 1095, 375);
    for (QPushButton* b : {aiuto, guida, possesso, esco})
        adattaTesto(b);

    // The judgment as PDF and on paper beside its heading; the timeline of the possession beside the
    // heading of the facts.
    esportaPdf_ = new QPushButton(QStringLiteral("Esporta in PDF..."), a);
    esportaPdf_->setObjectName(QStringLiteral("esportapdf"));
    esportaPdf_->setToolTip(QStringLiteral("cliccare per salvare la sentenza in un documento PDF"));
    // One above the other beside the title: side by side, their captions would not fit at a readable size.
    posiziona(esportaPdf_, 7395, 600, 1980, 255);
    connect(esportaPdf_, &QPushButton::clicked, this, [this] { esportaPdf_Click(); });
    stampaSentenza_ = new QPushButton(QStringLiteral("Stampa..."), a);
    stampaSentenza_->setObjectName(QStringLiteral("stampasentenza"));
    stampaSentenza_->setToolTip(QStringLiteral("cliccare per stampare la sentenza"));
    posiziona(stampaSentenza_, 7395, 885, 1980, 255);
    connect(stampaSentenza_, &QPushButton::clicked, this, [this] { stampaSentenza_Click(); });
    for (QPushButton* b : {esportaPdf_, stampaSentenza_})
        adattaTesto(b);
    // What would change the judgment, on its own button where the objections' heading leaves room.
    cambierebbe_ = new QPushButton(QStringLiteral("Che cosa cambierebbe?"), a);
    cambierebbe_->setObjectName(QStringLiteral("cambierebbe"));
    cambierebbe_->setToolTip(QStringLiteral("cliccare per sapere da quale giorno vale l'usucapione e quali fatti "
                                            "cambierebbero l'esito della causa"));
    posiziona(cambierebbe_, 4320, 3345, 2775, 300);
    connect(cambierebbe_, &QPushButton::clicked, this, [this] { cambierebbe_Click(); });
    adattaTesto(cambierebbe_);
    lineaTempo_ = new QLabel(a);
    lineaTempo_->setObjectName(QStringLiteral("lineatempo"));
    lineaTempo_->setToolTip(QStringLiteral("il possesso nel tempo: cliccare per ingrandire"));
    lineaTempo_->setCursor(Qt::PointingHandCursor);
    lineaTempo_->setFrameShape(QFrame::Box);
    lineaTempo_->installEventFilter(this);
    posiziona(lineaTempo_, 4140, 600, 1635, 540);

    connect(vscroll1_, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(vscroll2_, &QScrollBar::valueChanged, this, [this] { VScroll2_Change(); });

    // The word-processor export has its own entry, after the print-out that Ctrl+P gives.
    auto* esportaWord = new QAction(QStringLiteral("Esporta per &videoscrittura..."), this);
    esportaWord->setObjectName(QStringLiteral("esportaword"));
    esportaWord->setStatusTip(QStringLiteral("salva la sentenza in un documento per il programma di videoscrittura"));
    connect(esportaWord, &QAction::triggered, this, [this] { esportaPerVideoscrittura(); });
    if (auto* file = findChild<QMenu*>(QStringLiteral("mnufile"))) {
        const QList<QAction*> voci = file->actions();
        const qsizetype dopo = voci.indexOf(azione(QStringLiteral("stampa"))) + 1;
        file->insertAction(voci.value(dopo), esportaWord);
    }

    // Heard by what they are: the two texts by their headings, the scroll bars by the list they move.
    testosentenza_->setAccessibleName(QStringLiteral("Sentenza"));
    commento_->setAccessibleName(QStringLiteral("Commenti"));
    vscroll1_->setAccessibleName(QStringLiteral("Scorrimento dei fatti sostenuti dall'attore"));
    vscroll2_->setAccessibleName(QStringLiteral("Scorrimento delle obiezioni sostenute dal convenuto"));
    lineaTempo_->setAccessibleName(QStringLiteral("Il possesso nel tempo"));
    // The lists move with the keyboard too: arrows by a line, page keys by a page.
    for (QScrollBar* barra : {vscroll1_, vscroll2_})
        barra->setFocusPolicy(Qt::StrongFocus);
    // Tab reads the window as the eye does: the commands at the top, the facts, the judgment, the
    // objections and the comment, then the row of buttons at the bottom, "USCITA" last.
    QWidget* precedente = nullptr;
    for (QWidget* w :
         std::initializer_list<QWidget*>{esportaPdf_, stampaSentenza_, vscroll1_, testosentenza_, cambierebbe_,
                                         vscroll2_, commento_, avvocato_, cmdperche, aiuto, guida, possesso, esco}) {
        if (precedente)
            setTabOrder(precedente, w);
        precedente = w;
    }
}

void FinestraSentenza::carica()
{
    // The layout step runs once: repeating it at every "&Sentenza" would undo the user's resizing.
    FinestraLavoro::carica();
    connect(&causa_, &CausaViva::cambiata, this, &FinestraSentenza::causaCambiata);
    connect(&causa_, &CausaViva::sostituita, this, &FinestraSentenza::causaSostituita);
    Form_Load();
}

void FinestraSentenza::Form_Load()
{
    std::optional<Giudizio> g = giudica(causa_.causa());
    if (!g)
        return;
    giudizio_ = std::move(g);
    superata_ = false;
    // The lists scroll as far as their last line: a case may add lines (optional dates, the act).
    vscroll1_->setMaximum(std::max(1, int(giudizio_->fatti.size()) - righeVisibili + 1));
    vscroll2_->setMaximum(std::max(1, int(giudizio_->obiezioni.size()) - righeVisibili + 1));
    VScroll1_Change();
    VScroll2_Change();
    scriviPasso(passo_,
                QStringLiteral("leggere la sentenza, apportare delle correzioni nei dati, secondo i suggerimenti "
                               "forniti nei Commenti, tornando alla finestra Possesso oppure stampare o archiviare"));
    testosentenza_->setPlainText(giudizio_->sentenza.testo);
    commento_->setPlainText(giudizio_->sentenza.commento);
    aggiornaLineaTempo();
}

void FinestraSentenza::causaCambiata()
{
    // A change leaves the judgment shown standing for what it judged, and says so; another case
    // (opened, new, recovered) leaves none (svuota, on CausaViva::sostituita).
    // The announcement of a case just judged (another opened) changes nothing judged.
    if (!giudizio_ || superata_ || giudizio_->causa == causa_.causa())
        return;
    superata_ = true;
    scriviPasso(passo_, QStringLiteral("i dati della causa sono cambiati dopo la sentenza: cliccare sul tasto Sentenza "
                                       "della finestra Possesso per emetterla di nuovo"));
}

void FinestraSentenza::causaSostituita()
{
    // Nothing of the case that went stays; another case that can be judged shows its own judgment.
    svuota();
    Form_Load();
    if (!giudizio_)
        scriviPasso(passo_, QStringLiteral("è aperta un'altra causa: completarne i dati e cliccare sul tasto "
                                           "Sentenza della finestra Possesso per emettere la sentenza"));
}

void FinestraSentenza::aggiornaLineaTempo()
{
    // Drawn at the panel's own size, so that it stays sharp after the window is resized.
    const QImage img = giudizio_ ? immagineLineaTempo(*giudizio_, lineaTempo_->contentsRect().size()) : QImage();
    lineaTempo_->setPixmap(QPixmap::fromImage(img));
    lineaTempo_->setAccessibleDescription(giudizio_ ? descriviLineaTempo(*giudizio_) : QString());
}

DocumentoSentenza FinestraSentenza::documento() const
{
    const QString titolo = nomeprogramma + QStringLiteral(" - ") + sottotitolo;
    if (giudizio_)
        return documentoDelGiudizio(*giudizio_, titolo, QDate::currentDate());
    // No judgment yet: the lists' lines all empty, and in place of the two texts what the window says.
    DocumentoSentenza d;
    d.titolo = titolo;
    d.fatti = QStringList(fatti);
    d.obiezioni = QStringList(obiezioni);
    d.sentenza = senzaSentenza_;
    d.commento = senzaCommento_;
    d.data = QDate::currentDate();
    return d;
}

bool FinestraSentenza::attualizza()
{
    if (!giudizio_ || !superata_)
        return true;
    if (giudica(causa_.causa())) {
        Form_Load();
        scriviPasso(passo_, QStringLiteral("la sentenza è stata emessa di nuovo con i dati attuali della causa"));
        return true;
    }
    piattaforma().messaggi->mostra(
        QStringLiteral("La sentenza mostrata non corrisponde più ai dati della causa, che ora non bastano per "
                       "emetterla di nuovo: non viene esportata né stampata.\rCompletare o correggere i dati e "
                       "cliccare sul tasto Sentenza della finestra Possesso."),
        titoloaiuto, Icona::Esclamazione);
    return false;
}

void FinestraSentenza::esportaPdf_Click()
{
    if (!giudizio_) {
        piattaforma().messaggi->mostra(QStringLiteral("Nessuna sentenza è stata ancora emessa."), titoloaiuto,
                                       Icona::Informazione);
        return;
    }
    if (!attualizza())
        return;
    const Causa& causa = giudizio_->causa;
    const QString nome = DocumentoSentenza::nomeFilePdf(causa.testi.attore, causa.testi.convenuto);
    const QString percorso = piattaforma().dialoghi->salva(QStringLiteral("Esporta la sentenza in PDF"),
                                                           {{QStringLiteral("Documento PDF"), QStringLiteral("*.pdf")}},
                                                           1, QDir(cartellaEsportazione()).filePath(nome));
    if (percorso.isEmpty())
        return;
    cartellaPdf = QFileInfo(percorso).absolutePath();
    QString errore;
    if (scriviPdfSentenza(documento(), percorso, &errore))
        scriviPasso(passo_, QStringLiteral("la sentenza è stata esportata in ") + QDir::toNativeSeparators(percorso));
    else
        piattaforma().messaggi->mostra(errore, titoloaiuto, Icona::Esclamazione);
}

void FinestraSentenza::stampaSentenza_Click()
{
    if (!giudizio_) {
        piattaforma().messaggi->mostra(QStringLiteral("Nessuna sentenza è stata ancora emessa."), titoloaiuto,
                                       Icona::Informazione);
        return;
    }
    if (!attualizza())
        return;
    PortaStampante* stampante = piattaforma().stampante;
    // Printed to a file, the judgment goes among the user's documents under the case's name.
    const QString cartella = Esportazione::cartellaDocumenti();
    if (!cartella.isEmpty() && QDir().mkpath(cartella))
        stampante->proponiPdf(
            Esportazione::percorsoLibero(cartella, nomeDocumento(QStringLiteral("Sentenza")), QStringLiteral("pdf")));
    if (!stampante->scegli())
        return;   // cancelled
    const DocumentoSentenza d = documento();
    if (!stampante->stampaPagine([&d](QPagedPaintDevice& pagine) { return stampaSentenza(d, pagine); }))
        piattaforma().messaggi->mostra(QStringLiteral("La stampa della sentenza non è stata completata."), titoloaiuto,
                                       Icona::Esclamazione);
}

void FinestraSentenza::lineaTempo_Click()
{
    if (!giudizio_)
        return;
    auto* finestra = new QDialog(this);
    finestra->setObjectName(QStringLiteral("lineatempogrande"));
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowTitle(QStringLiteral("Possidoria: il possesso nel tempo"));
    auto* immagine = new QLabel(finestra);
    immagine->setPixmap(QPixmap::fromImage(immagineLineaTempo(*giudizio_, QSize(1000, 280))));
    auto* disposizione = new QVBoxLayout(finestra);
    disposizione->addWidget(immagine);
    finestra->show();
}

bool FinestraSentenza::eventFilter(QObject* o, QEvent* e)
{
    // Drawn anew at every size of its panel, not stretched nor cropped from the size it first had.
    if (o == lineaTempo_ && e->type() == QEvent::Resize && giudizio_)
        aggiornaLineaTempo();
    if (o == lineaTempo_ && e->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        lineaTempo_Click();
        return true;
    }
    return FinestraLavoro::eventFilter(o, e);
}

std::optional<Decisione> FinestraSentenza::decisione() const
{
    if (!giudizio_)
        return std::nullopt;
    return giudizio_->decisione;
}

QStringList FinestraSentenza::perche() const
{
    if (!giudizio_)
        return {};
    QStringList righe = giudizio_->perche;
    righe << titoloAlternative() + QLatin1Char(':')
          << righeAlternative(giudizio_->alternative, giudizio_->decisione.esito);
    if (superata_)
        righe.prepend(QStringLiteral("La sentenza mostrata non tiene conto delle modifiche apportate dopo la sua "
                                     "emissione: ecco le ragioni della sentenza così come è stata emessa."));
    return righe;
}

QStringList FinestraSentenza::cambierebbe() const
{
    if (!giudizio_)
        return {};
    QStringList righe = righeAlternative(giudizio_->alternative, giudizio_->decisione.esito);
    if (superata_)
        righe.prepend(QStringLiteral("La sentenza mostrata non tiene conto delle modifiche apportate dopo la sua "
                                     "emissione: ecco che cosa cambierebbe la sentenza così come è stata emessa."));
    return righe;
}

void FinestraSentenza::cambierebbe_Click()
{
    // A blank line between the day and each change: in a message box they would otherwise run together.
    const QStringList righe = cambierebbe();
    piattaforma().messaggi->mostra(righe.isEmpty() ? QStringLiteral("Nessuna sentenza è stata ancora emessa.")
                                                   : righe.join(QStringLiteral("\r\r")),
                                   titoloAlternative(), Icona::Informazione);
}

void FinestraSentenza::perche_Click()
{
    const QStringList righe = perche();
    piattaforma().messaggi->mostra(righe.isEmpty() ? QStringLiteral("Nessuna sentenza è stata ancora emessa.")
                                                   : righe.join(QChar(13)),
                                   QStringLiteral("Perché?"), Icona::Informazione);
}

void FinestraSentenza::VScroll1_Change()
{
    const int v = vscroll1_->value();
    const QStringList righe = giudizio_ ? giudizio_->fatti : QStringList();
    for (int k = 1; k <= righeVisibili; ++k)
        mostraRiga(azione_[k - 1], righe.value(v + k - 2));
}

void FinestraSentenza::VScroll2_Change()
{
    const int v = vscroll2_->value();
    const QStringList righe = giudizio_ ? giudizio_->obiezioni : QStringList();
    for (int k = 1; k <= righeVisibili; ++k)
        mostraRiga(obiezione_[k - 1], righe.value(v + k - 2));
}

void FinestraSentenza::svuota()
{
    senzaSentenza_.clear();
    senzaCommento_.clear();
    testosentenza_->clear();
    commento_->clear();
    giudizio_.reset();
    superata_ = false;
    scriviPasso(passo_, QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    aggiornaLineaTempo();
    VScroll1_Change();
    VScroll2_Change();
}

QString FinestraSentenza::nomeDocumento(const QString& che) const
{
    const TestiCausa& t = giudizio_ ? giudizio_->causa.testi : causa_.testi();
    return che + QLatin1Char(' ') + Esportazione::nomeFile(StatoCausa::parti(t), QStringLiteral("senza nome"));
}

void FinestraSentenza::stampa_Click() { stampaSentenza_Click(); }

QString FinestraSentenza::inviaAWord(const DocumentoWord& documento, const QString& che, const QString& nome)
{
    PortaWord* word = piattaforma().word;
    word->nuovoDocumento();
    word->fontSelezione(documento.famiglia);
    word->aggiungiParagrafoFinale();
    for (const PassoWord& passo : documento.passi) {
        word->dimensioneParagrafo(passo.punti);
        for (const QString& testo : passo.testi)
            word->testoParagrafo(testo);
        if (!passo.immagine.isNull())
            word->immagineParagrafo(passo.immagine);
    }
    word->giustificaTutto();
    // The document stays open for the user; the export step records it and tells of a failure.
    const QString scritto = Esportazione::salvaEMostra(*word, nome);
    // The hint tells what became of the export, no longer what it was about to do.
    const QString dove = QDir::toNativeSeparators(scritto);
    scriviPasso(passo_,
                scritto.isEmpty()
                    ? che + QStringLiteral(" non è stata esportata: il documento non si è potuto scrivere")
                : !appword.isEmpty()
                    ? che + QStringLiteral(" è aperta nel programma di videoscrittura; il documento è in ") + dove
                    : che + QStringLiteral(" è stata scritta in ") + dove
                          + QStringLiteral(", ma nessun programma di videoscrittura l'ha aperta"));
    return scritto;
}

void FinestraSentenza::esportaPerVideoscrittura()
{
    if (!attualizza())
        return;
    scriviPasso(passo_, QStringLiteral("sto caricando WORD per visualizzare la sentenza"));
    // The same document as the PDF's and the print-out's, in the word processor's steps.
    const QString scritto = inviaAWord(documentoWord(documento()), QStringLiteral("la sentenza"),
                                       nomeDocumento(QStringLiteral("Sentenza")));
    // Written but opened by no word processor: the same judgment can be had as PDF.
    if (!scritto.isEmpty() && appword.isEmpty()
        && piattaforma().messaggi->mostra(QStringLiteral("Si desidera esportare la sentenza in PDF?"), titoloaiuto,
                                          Icona::Domanda, Pulsanti::SiNo, Risposta::Si)
               == Risposta::Si)
        esportaPdf_Click();
}

void FinestraSentenza::aiuto_Click()
{
    piattaforma().messaggi->mostra(
        QStringList{
            u("- La finestra è di sola lettura: in essa vengono visualizzati gli elementi sostenuti dalle parti nel "
              "corso della causa e la sentenza finale."),
            u("- È possibile apportare delle modifiche tornando alla finestra Possesso cliccando "
              "sull'apposito tasto;"),
            u("- cliccare su Perché? per conoscere la regola che ha deciso la causa e su Che cosa cambierebbe? "
              "per sapere quali fatti porterebbero all'esito opposto;"),
            QStringLiteral("- stampare la sentenza (Ctrl+P), esportarla in PDF o per il programma di videoscrittura, "
                           "oppure archiviare la causa in un apposito file."),
        }
            .join(QChar(13)),
        titoloaiuto, Icona::Informazione);
}

void FinestraSentenza::cmdpossesso_Click() { Finestre::mostra(QString::fromLatin1(FinestraPossesso::nomeFinestra)); }

std::vector<MassimaPertinente> FinestraSentenza::massime() const
{
    return giudizio_ ? massimePertinenti(giudizio_->decisione) : std::vector<MassimaPertinente>();
}

void FinestraSentenza::apriMassima(int indice)
{
    const std::vector<MassimaPertinente> m = massime();
    if (indice < 0 || indice >= int(m.size()))
        return;
    if (auto* vista = Finestre::finestra<VistaMassime>(QStringLiteral("massime")))
        vista->mostraMassima(m[size_t(indice)].riferimento.argomento, m[size_t(indice)].riferimento.numero);
}

void FinestraSentenza::giurisprudenza_Click()
{
    const std::vector<MassimaPertinente> m = massime();
    if (m.empty()) {
        piattaforma().messaggi->mostra(QStringLiteral("Nessuna sentenza è stata ancora emessa."), titoloaiuto,
                                       Icona::Informazione);
        return;
    }
    auto* finestra = new QDialog(this);
    finestra->setObjectName(QStringLiteral("giurisprudenza"));
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowTitle(QStringLiteral("Possidoria: ") + titoloGiurisprudenza().toLower());
    auto* spiegazione = new QLabel(QStringLiteral("Le massime che riguardano la regola applicata e i fatti "
                                                  "controversi. Fare doppio clic su una massima, o sceglierla e "
                                                  "premere Invio, per leggerla nella finestra Massime."),
                                   finestra);
    spiegazione->setWordWrap(true);
    auto* elenco = new QListWidget(finestra);
    elenco->setObjectName(QStringLiteral("elencomassime"));
    elenco->setWordWrap(true);
    elenco->setSpacing(4);
    elenco->setAccessibleName(titoloGiurisprudenza());
    for (const QString& riga : righeGiurisprudenza(m))
        elenco->addItem(riga);
    elenco->setCurrentRow(0);
    auto* apri = new QPushButton(QStringLiteral("&Apri nel massimario"), finestra);
    apri->setObjectName(QStringLiteral("aprimassima"));
    apri->setDefault(true);
    connect(elenco, &QListWidget::itemActivated, this, [this, elenco] { apriMassima(elenco->currentRow()); });
    connect(apri, &QPushButton::clicked, this, [this, elenco] { apriMassima(elenco->currentRow()); });
    auto* disposizione = new QVBoxLayout(finestra);
    disposizione->addWidget(spiegazione);
    disposizione->addWidget(elenco);
    disposizione->addWidget(apri, 0, Qt::AlignRight);
    finestra->resize(640, 420);
    finestra->show();
}

QStringList FinestraSentenza::prove() const
{
    return giudizio_ ? righeProve(proveDaRaccogliere(*giudizio_)) : QStringList();
}

void FinestraSentenza::prove_Click()
{
    const QStringList righe = prove();
    piattaforma().messaggi->mostra(righe.isEmpty() ? QStringLiteral("Nessuna sentenza è stata ancora emessa.")
                                                   : righe.join(QChar(13)),
                                   titoloProve(), Icona::Informazione);
}

std::optional<BozzaCitazione> FinestraSentenza::bozza()
{
    if (!giudizio_) {
        piattaforma().messaggi->mostra(QStringLiteral("Nessuna sentenza è stata ancora emessa."), titoloaiuto,
                                       Icona::Informazione);
        return std::nullopt;
    }
    if (!attualizza())
        return std::nullopt;
    std::optional<BozzaCitazione> b = bozzaCitazione(*giudizio_);
    // A lost case gets no writ: why, and what would change the judgment, at the user's choice.
    if (!b
        && piattaforma().messaggi->mostra(senzaCitazione(*giudizio_) + QStringLiteral("\r\rSi desidera vederlo ora?"),
                                          titoloCitazione(), Icona::Informazione, Pulsanti::SiNo, Risposta::Si)
               == Risposta::Si)
        cambierebbe_Click();
    return b;
}

void FinestraSentenza::bozzaCitazioneInVideoscrittura()
{
    const std::optional<BozzaCitazione> b = bozza();
    if (b)
        inviaAWord(wordCitazione(*b), QStringLiteral("la bozza di citazione"),
                   nomeDocumento(QStringLiteral("Bozza di citazione")));
}

void FinestraSentenza::bozzaCitazioneInPdf()
{
    const std::optional<BozzaCitazione> b = bozza();
    if (!b)
        return;
    const Causa& causa = giudizio_->causa;
    const QString nome = nomeFileCitazione(causa.testi.attore, causa.testi.convenuto, QStringLiteral("pdf"));
    const QString percorso = piattaforma().dialoghi->salva(QStringLiteral("Esporta la bozza di citazione in PDF"),
                                                           {{QStringLiteral("Documento PDF"), QStringLiteral("*.pdf")}},
                                                           1, QDir(cartellaEsportazione()).filePath(nome));
    if (percorso.isEmpty())
        return;
    cartellaPdf = QFileInfo(percorso).absolutePath();
    const std::optional<QByteArray> pdf = pdfCitazione(*b);
    const EsitoScrittura esito =
        pdf ? scriviFileIntero(percorso, *pdf)
            : EsitoScrittura{false, QStringLiteral("il documento non ha potuto essere composto")};
    if (esito)
        scriviPasso(passo_,
                    QStringLiteral("la bozza di citazione è stata esportata in ") + QDir::toNativeSeparators(percorso));
    else
        piattaforma().messaggi->mostra(
            QStringLiteral("La bozza di citazione non è stata scritta in %1: %2").arg(percorso, esito.errore),
            titoloaiuto, Icona::Esclamazione);
}
