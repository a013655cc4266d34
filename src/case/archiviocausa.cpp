#include "case/archiviocausa.h"

#include "app/finestre.h"
#include "app/gruppoopzioni.h"
#include "app/modpossidoria.h"
#include "case/bloccodate.h"
#include "case/finestracausa.h"
#include "case/finestradate.h"
#include "case/finestrapossesso.h"
#include "case/questionario.h"
#include "platform/porte.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

using namespace ModPossidoria;

namespace {

// A dialog's filter definition: descriptions and patterns alternating, separated by "|".
QList<FiltroFile> filtri(const QString& definizione)
{
    const QStringList parti = definizione.split(QLatin1Char('|'));
    QList<FiltroFile> elenco;
    for (int i = 0; i + 1 < parti.size(); i += 2)
        elenco.append({parti[i], parti[i + 1]});
    return elenco;
}

const QString filtriApri = QStringLiteral("Tutti i file (*.*) | *.*|File Possidoria-dati- | Possidoria-dati-*");
const QString filtriSalva = QStringLiteral("File Possidoria-dati- | Possidoria-dati-*");
const QString filtriElimina = QStringLiteral("Tutti i file (*.*)|*.*|File Possidoria-dati- | Possidoria-dati-*");

void avvisa(const QString& testo, Icona icona = Icona::Critico)
{
    piattaforma().messaggi->mostra(testo, nomeprogramma, icona);
}

int indice(Scelta s) { return s.value_or(0); }

// The five questionnaires with the case variable each one's group fills, in record order 5..9.
struct Obiezione {
    const char* finestra;
    Scelta DatiCausa::*variabile;
};
constexpr Obiezione obiezioni[5] = {
    {"modo", &DatiCausa::obiezmodo},        {"psiche", &DatiCausa::obiezpsiche},
    {"provenienza", &DatiCausa::obiezprov}, {"fede", &DatiCausa::obiezfede},
    {"acquisto", &DatiCausa::obiezacq},
};

// Record 3 or 4 into a date window: texts first, then the two proofs (whose handlers may
// replace a text, as a click would).
void riempiDate(const char* nome, const QString& inizio, const QString& fine, Scelta DatiCausa::*sceltaInizio,
                Scelta DatiCausa::*sceltaFine, const DatiCausa& letti)
{
    auto* f = Finestre::finestra<FinestraDate>(QString::fromLatin1(nome));
    if (!f)
        return;
    f->blocco()->datainizio()->setText(inizio);
    f->blocco()->datafine()->setText(fine);
    dati.*sceltaInizio = letti.*sceltaInizio;
    f->datin()->seleziona(indice(letti.*sceltaInizio));
    dati.*sceltaFine = letti.*sceltaFine;
    f->datfin()->seleziona(indice(letti.*sceltaFine));
}

} // namespace

namespace ArchivioCausa {

Causa causaSulloSchermo()
{
    Causa c;
    c.scelte = dati;
    if (Finestre::caricata(QString::fromLatin1(FinestraCausa::nomeFinestra))) {
        auto* f = Finestre::di<FinestraCausa>();
        c.testi.attore = f->attore()->text();
        c.testi.convenuto = f->convenuto()->text();
        c.testi.bene = f->bene()->text();
        c.testi.luogo = f->luogo()->text();
    }
    if (Finestre::caricata(QString::fromLatin1(FinestraPossesso::nomeFinestra))) {
        auto* p = Finestre::di<FinestraPossesso>();
        c.testi.possessoInizio = p->datainizio()->text();
        c.testi.possessoFine = p->datafine()->text();
    }
    const auto date = [](const char* nome, QString& inizio, QString& fine) {
        if (!Finestre::caricata(QString::fromLatin1(nome)))
            return;
        if (auto* f = Finestre::finestra<FinestraDate>(QString::fromLatin1(nome))) {
            inizio = f->blocco()->datainizio()->text();
            fine = f->blocco()->datafine()->text();
        }
    };
    date(FinestraDate::nomeDate, c.testi.ledateInizio, c.testi.ledateFine);
    date(FinestraDate::nomeInterruzione, c.testi.interruzioneInizio, c.testi.interruzioneFine);
    return c;
}

void riempi(const LetturaArchivio& lettura)
{
    QWidget* davanti = QApplication::activeWindow();
    const TestiCausa& t = lettura.causa.testi;
    const DatiCausa& s = lettura.causa.scelte;

    auto* causa = Finestre::di<FinestraCausa>();
    causa->azzera_Click();
    causa->attore()->setText(t.attore);
    causa->convenuto()->setText(t.convenuto);
    causa->bene()->setText(t.bene);
    causa->luogo()->setText(t.luogo);
    dati.tipologia = s.tipologia;
    causa->Option1()->seleziona(indice(s.tipologia));

    auto* possesso = Finestre::di<FinestraPossesso>();
    possesso->datainizio()->setText(t.possessoInizio);
    possesso->datafine()->setText(t.possessoFine);
    Scelta DatiCausa::* const gruppi[6] = {&DatiCausa::sceltainterr, &DatiCausa::sceltamodus, &DatiCausa::sceltapsic,
                                          &DatiCausa::sceltaprov,   &DatiCausa::sceltafed,   &DatiCausa::sceltaacq};
    for (int k = 1; k <= 6; ++k) {
        dati.*gruppi[k - 1] = s.*gruppi[k - 1];
        possesso->gruppo(k)->seleziona(indice(s.*gruppi[k - 1]));
    }

    // From here on a record that could not be read is skipped and the next one tried.
    if (lettura.letti[2])
        riempiDate(FinestraDate::nomeDate, t.ledateInizio, t.ledateFine, &DatiCausa::ledatin, &DatiCausa::ledatfin, s);
    if (lettura.letti[3])
        riempiDate(FinestraDate::nomeInterruzione, t.interruzioneInizio, t.interruzioneFine, &DatiCausa::interdatin,
                   &DatiCausa::interdatfin, s);
    for (int i = 0; i < 5; ++i) {
        if (!lettura.letti[4 + i])
            continue;
        auto* q = Finestre::finestra<Questionario>(QString::fromLatin1(obiezioni[i].finestra));
        if (!q)
            continue;
        dati.*obiezioni[i].variabile = s.*obiezioni[i].variabile;
        q->gruppo()->seleziona(indice(s.*obiezioni[i].variabile));
    }

    if (davanti && davanti->isVisible()) {
        davanti->raise();
        davanti->activateWindow();
    }
}

void apri()
{
    nomefile.clear();
    const QString percorso = piattaforma().dialoghi->apri(QStringLiteral("Apri file"), filtri(filtriApri), 2, QString());
    if (percorso.isEmpty())
        return;
    apriPercorso(percorso);
}

bool apriPercorso(const QString& percorso)
{
    // Checked before the case on screen is touched: a file that cannot be used leaves it as it was.
    const LetturaArchivio lettura = leggiFileArchivio(percorso);
    if (!lettura.valido) {
        avvisa(lettura.errore);
        return false;
    }
    nomefile = percorso;
    riempi(lettura);
    return true;
}

void salva(bool nuovoNome)
{
    if (nuovoNome)
        nomefile.clear();
    auto* causa = Finestre::di<FinestraCausa>();
    causa->controllocausa();
    if (causa->mancanodati() != 0) {
        piattaforma().messaggi->mostra(QStringLiteral("Inserire tutti i dati della causa per poter archiviare."),
                                       titoloaiuto, Icona::Esclamazione);
        Finestre::mostra(QString::fromLatin1(FinestraCausa::nomeFinestra));
        return;
    }
    auto* possesso = Finestre::di<FinestraPossesso>();
    possesso->controlliamo();
    if (possesso->mancanodati() != 0) {
        piattaforma().messaggi->mostra(QStringLiteral("Inserire tutti i dati sul possesso per poter archiviare."),
                                       titoloaiuto, Icona::Esclamazione);
        Finestre::mostra(QString::fromLatin1(FinestraPossesso::nomeFinestra));
        return;
    }
    QString percorso = nomefile;
    if (percorso.isEmpty()) {
        percorso = piattaforma().dialoghi->salva(QStringLiteral("Salva file con nome"), filtri(filtriSalva), 1, nomefile);
        if (percorso.isEmpty())
            return;
    }
    nomefile = percorso;
    const EsitoScrittura esito = salvaFileArchivio(percorso, causaSulloSchermo());
    if (!esito)
        avvisa(esito.errore);
}

void elimina()
{
    const QString percorso = piattaforma().dialoghi->apri(titoloelimina, filtri(filtriElimina), 2, nomefile);
    if (percorso.isEmpty())
        return;
    QFile file(percorso);
    const QString nome = QFileInfo(percorso).fileName();
    if (!QFileInfo(percorso).isFile())
        avvisa(QStringLiteral("Il file «%1» non è stato eliminato: non esiste o non è un file.").arg(nome));
    else if (!file.remove())
        avvisa(QStringLiteral("Il file «%1» non è stato eliminato: %2.").arg(nome, file.errorString()));
}

void accettaSoloArchiviabile(QLineEdit* campo, QLabel* avviso)
{
    QObject::connect(campo, &QLineEdit::textChanged, campo, [campo, avviso](const QString& testo) {
        if (testoArchiviabile(testo))
            return;
        const int cursore = int(soloCaratteriArchiviabili(QStringView(testo).left(campo->cursorPosition())).size());
        campo->setText(soloCaratteriArchiviabili(testo));
        campo->setCursorPosition(cursore);
        if (avviso)
            avviso->setText(avvisoCarattereNonArchiviabile());
    });
}

} // namespace ArchivioCausa
