#include "gui/library/massime.h"
#include "gui/frame/esportazione.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/twips.h"
#include "core/massimario.h"
#include "platform/porte.h"
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

using namespace ModPossidoria;

namespace {

QLabel* etichettaGialla(QWidget* area, const char* nome, double punti, const QString& tooltip)
{
    auto* l = new QLabel(area);
    l->setObjectName(QString::fromLatin1(nome));
    colora(l, QPalette::Window, QColor(255, 255, 0));
    colora(l, QPalette::WindowText, QColor(0, 0, 192));
    l->setAutoFillBackground(true);
    if (punti > 0) {
        QFont f = l->font();
        f.setPointSizeF(punti);
        l->setFont(f);
    }
    l->setToolTip(tooltip);
    return l;
}

QPushButton* pulsante(QWidget* area, const char* nome, const QString& testo, const QString& tooltip)
{
    auto* b = new QPushButton(testo, area);
    b->setObjectName(QString::fromLatin1(nome));
    b->setToolTip(tooltip);
    return b;
}

}   // namespace

Massime::Massime(QWidget* parent)
    : FinestraLavoro(3, parent)
{
    setObjectName(QStringLiteral("massime"));
    setWindowTitle(QStringLiteral("Possidoria: sentenze"));
    QWidget* a = area();

    Label1 = etichettaGialla(a, "Label1", 12,
                             QStringLiteral("totale delle sentenze disponibili nella corrente versione del programma"));
    posiziona(Label1, 120, 600, 2535, 375);

    List1 = new QListWidget(a);
    List1->setObjectName(QStringLiteral("List1"));
    posiziona(List1, 120, 1080, 2535, 4350);

    Label2 = etichettaGialla(a, "Label2", 13.5, QStringLiteral("argomento relativo alle sentenze visualizzate"));
    posiziona(Label2, 2760, 600, 6615, 495);

    HScroll1 = new QScrollBar(Qt::Horizontal, a);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(1, 100);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(5);
    HScroll1->setValue(1);
    // Like a scroll bar's Change event: a drag counts once, when the thumb is let go.
    HScroll1->setTracking(false);
    posiziona(HScroll1, 2760, 1200, 5415, 375);

    conta = etichettaGialla(a, "conta", 13.5, QStringLiteral("numero della sentenza dell'argomento scelto"));
    conta->setText(QStringLiteral(" "));
    posiziona(conta, 8280, 1200, 1095, 375);

    sent = new QPlainTextEdit(a);
    sent->setObjectName(QStringLiteral("sent"));
    sent->setReadOnly(true);
    sent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    {
        QFont f = sent->font();
        f.setPointSizeF(9.75);
        sent->setFont(f);
    }
    posiziona(sent, 2760, 1680, 6615, 3720);
    // Heard by what they hold, not by the label nearest to them.
    sent->setAccessibleName(QStringLiteral("Massima"));
    HScroll1->setAccessibleName(QStringLiteral("Scorrimento delle massime dell'argomento"));

    passo = etichettaGialla(a, "passo", 0,
                            QStringLiteral("indicazioni sulla procedura e sul numero di sentenze disponibili"));
    passo->setWordWrap(true);
    posiziona(passo, 2400, 5640, 4695, 450);

    aiuto =
        pulsante(a, "aiuto", QStringLiteral("&AIUTO"), QStringLiteral("cliccare per visualizzare l'aiuto in linea"));
    posiziona(aiuto, 120, 5760, 960, 375);
    guidainlinea = creaGuida(QStringLiteral("guidainlinea"), 1110, 5760, 1260, 375);
    stampiamo = pulsante(a, "stampiamo", QStringLiteral("&Stampa"),
                         QStringLiteral("cliccare per stampare la sentenza visualizzata"));
    posiziona(stampiamo, 7200, 5760, 1095, 375);
    esco = creaEsco(8280, 5760, 1095, 375);
    for (QPushButton* b : {aiuto, guidainlinea, stampiamo, esco})
        adattaTesto(b);

    connect(List1, &QListWidget::currentRowChanged, this, [this](int riga) {
        if (riga >= 0)
            List1_Click();
    });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(aiuto, &QPushButton::clicked, this, [this] { aiuto_Click(); });
    connect(stampiamo, &QPushButton::clicked, this, [this] { stampiamo_Click(); });
}

bool Massime::event(QEvent* e)
{
    // The list and the text get their style sheets when the window is first shown, before it is
    // drawn: a window loaded and never shown does not pay for them.
    if (e->type() == QEvent::Show && !stilato_) {
        stilato_ = true;
        List1->setStyleSheet(QStringLiteral("QListWidget { background-color: white; }"));
        sent->setStyleSheet(QStringLiteral("QPlainTextEdit { background-color: white; color: rgb(0,0,192); }"));
    }
    return FinestraLavoro::event(e);
}

void Massime::carica()
{
    FinestraLavoro::carica();

    argomenti_ = QStringList(maxArgomenti + 1);
    massimario_ = QVector<QStringList>(maxArgomenti + 1, QStringList(maxMassime + 1));
    const QStringList nomi = argomentiMassime();
    for (int k = 1; k <= nomi.size() && k <= maxArgomenti; ++k) {
        argomenti_[k] = nomi.at(k - 1);
        const QStringList testi = massimeArgomento(k);
        for (int n = 1; n <= testi.size() && n <= maxMassime; ++n)
            massimario_[k][n] = testi.at(n - 1);
    }

    int totale = 0;
    List1->clear();
    for (int k = 1; k <= nomi.size() && k <= maxArgomenti; ++k) {
        List1->addItem(argomenti_.at(k));
        for (int n = 1; n <= maxMassime; ++n)
            if (!massimario_[k][n].isEmpty())
                ++totale;
    }

    Label1->setText(str(totale) + QStringLiteral(" sentenze totali"));
    passo->setText(QStringLiteral("scegliere l'argomento di cui si vuole visualizzare le sentenze disponibili"));
}

QString Massime::massimario(int argomento, int numero) const
{
    if (argomento < 0 || argomento >= massimario_.size())
        return {};
    const QStringList& testi = massimario_.at(argomento);
    return numero >= 0 && numero < testi.size() ? testi.at(numero) : QString();
}

void Massime::List1_Click()
{
    // Runs the paging step with the previous topic when the bar was elsewhere; overwritten below.
    HScroll1->setValue(1);
    argomento_ = qint16(List1->currentRow() + 1);
    numero_ = 1;
    conta->setText(QString::number(*numero_));
    sent->setPlainText(massimario(*argomento_, *numero_));
    const QString nome = argomenti_.value(*argomento_);
    List1->setToolTip(QStringLiteral("argomento scelto: ") + nome);
    Label2->setText(nome);

    qint16 quante = 0;
    for (int n = 1; n <= maxMassime; ++n)
        if (!massimario(*argomento_, n).isEmpty())
            ++quante;
    disponibili_ = quante;
    // One blank between the words: the number is written plain, not with the sign's place.
    passo->setText(QStringLiteral("visualizzazione delle ") + QString::number(quante)
                   + QStringLiteral(" sentenze relative all'argomento scelto"));
}

void Massime::mostraMassima(int argomento, int numero)
{
    if (argomento < 1 || argomento > List1->count())
        return;
    List1->setCurrentRow(argomento - 1);
    HScroll1->setValue(numero);
    Finestre::mostra(objectName());
}

void Massime::HScroll1_Change()
{
    numero_ = qint16(HScroll1->value());
    const int quante = disponibili_.value_or(0);
    if (*numero_ > quante) {
        sent->setPlainText(
            QStringLiteral("     ----- non esistono altre sentenze da visualizzare sull'argomento -----"));
        // Past the last maxim the counter says so, rather than number one that does not exist.
        conta->setText(QStringLiteral("fine"));
        HScroll1->setValue(quante + 1);
    } else {
        conta->setText(QString::number(*numero_));
        sent->setPlainText(massimario(argomento_.value_or(0), *numero_));
    }
}

void Massime::stampa_Click() { esporta(); }

void Massime::stampatutte_Click()
{
    tutte_ = 1;
    esporta();
    tutte_ = 0;
}

void Massime::esporta()
{
    const int quante = disponibili_.value_or(0);
    if (quante == 0) {
        if (PortaMessaggi* messaggi = piattaforma().messaggi)
            messaggi->mostra(QStringLiteral("Non vi è nulla da stampare: scegliere un argomento da visualizzare."),
                             titolocontrollo, Icona::Esclamazione);
        return;
    }
    PortaWord* word = piattaforma().word;
    if (!word)
        return;
    // While the document is made the hint says so, naming no program the desktop may not have;
    // once it is shown, the hint is the window's own again.
    const QString suggerimento = passo->text();
    passo->setText(QStringLiteral("preparazione del documento con le sentenze in corso..."));
    passo->repaint();

    word->nuovoDocumento();
    word->fontSelezione(QStringLiteral("Century Gothic"));
    word->aggiungiParagrafoFinale();
    word->dimensioneParagrafo(18);
    word->testoParagrafo(nomeprogramma + QStringLiteral(" - ") + sottotitolo + QStringLiteral("\r\r"));
    // The maxims from the library: the one shown, or from it to the last of its topic; with the end
    // notice showing, one block numbered past the last, with no text.
    const int argomento = argomento_.value_or(0);
    const QString nome = argomentiMassime().value(argomento - 1);
    const QStringList massime = massimeArgomento(argomento);
    const int prima = numero_.value_or(1);
    const int ultima = tutte_ == 1 ? std::max(prima, quante) : prima;
    for (int n = prima; n <= ultima; ++n) {
        word->dimensioneParagrafo(12);
        word->testoParagrafo(QStringLiteral("Sentenze: ") + nome + QStringLiteral("    n.") + QString::number(n)
                             + QStringLiteral("\r"));
        word->testoParagrafo(massime.value(n - 1) + QStringLiteral("\r\r"));
    }
    // All of them exported, the window shows the end of the topic, as paging past the last does.
    if (tutte_ == 1)
        HScroll1->setValue(quante + 1);
    word->giustificaTutto();
    // Saved among the user's documents under what it holds, then left open for the user; the
    // program keeps where it went.
    const QString titolo = Esportazione::nomeFile(nome, QStringLiteral("senza argomento"));
    Esportazione::salvaEMostra(*word, tutte_ == 1 ? QStringLiteral("Massime - ") + titolo
                                                  : QStringLiteral("Massima %1 - ").arg(prima) + titolo);
    passo->setText(suggerimento);
}

void Massime::aiuto_Click()
{
    piattaforma().messaggi->mostra(
        QStringLiteral("- Scegliere uno degli argomenti elencati sulla sinistra della finestra;\r"
                       "- visualizzare le sentenze disponibili usando la barra di scorrimento orizzontale;\r"
                       "- stampare la singola sentenza cliccando sul tasto Stampa;\r"
                       "- stampare tutte le sentenze dell'argomento scelto cliccando su File nella barra del menu;\r"
                       "- visualizzare il numero di sentenze disponibili nella casella gialla."),
        titoloaiuto, Icona::Informazione);
}
