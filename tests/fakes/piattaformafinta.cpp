#include "fakes/piattaformafinta.h"
#include "gui/frame/finestre.h"
#include "gui/frame/modpossidoria.h"
#include "core/causaviva.h"
#include "finestre_programma.h"
#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QDir>
#include <QWidget>

Risposta MessaggiFinti::mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti,
                               Risposta predefinita)
{
    mostrati.append({testo, titolo, icona, pulsanti, predefinita});
    if (!risposte.isEmpty())
        return risposte.dequeue();
    return pulsanti == Pulsanti::Ok ? Risposta::Ok : predefinita;
}

QString DialoghiFinti::apri(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                            const QString& nomeIniziale)
{
    aperti.append({QStringLiteral("apri"), titolo, filtri, filtroIniziale, nomeIniziale});
    return risposte.isEmpty() ? QString() : risposte.dequeue();
}

QString DialoghiFinti::salva(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                             const QString& nomeIniziale)
{
    aperti.append({QStringLiteral("salva"), titolo, filtri, filtroIniziale, nomeIniziale});
    return risposte.isEmpty() ? QString() : risposte.dequeue();
}

bool MidiFinto::apri(const QString& percorso)
{
    comandi << QStringLiteral("open ") + percorso;
    return apribile;
}

bool StampanteFinta::registra(const QString& op)
{
    if (erroreAlla == operazioni.size()) {
        operazioni << QStringLiteral("error");
        return false;
    }
    operazioni << op;
    return true;
}

bool StampanteFinta::scegli()
{
    return annulla ? (operazioni << QStringLiteral("dialog cancelled"), false) : registra(QStringLiteral("dialog"));
}
bool StampanteFinta::posizioneVerticale(int t) { return registra(QStringLiteral("y %1").arg(t)); }
bool StampanteFinta::dimensioneFont(int p) { return registra(QStringLiteral("size %1").arg(p)); }
bool StampanteFinta::nomeFont(const QString& n) { return registra(QStringLiteral("font ") + n); }
bool StampanteFinta::stampaRiga(int c, const QString& t)
{
    return registra(QStringLiteral("line %1 %2").arg(c).arg(t));
}
bool StampanteFinta::rigaVuota() { return registra(QStringLiteral("empty")); }
bool StampanteFinta::nuovaPagina() { return registra(QStringLiteral("page")); }
bool StampanteFinta::fine() { return registra(QStringLiteral("end")); }
bool StampanteFinta::stampaPagine(const std::function<bool(QPagedPaintDevice&)>& disegna)
{
    if (!registra(QStringLiteral("pages")))
        return false;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter scrittore(&buffer);
    return disegna(scrittore);
}

void WordFinto::nuovoDocumento()
{
    operazioni << QStringLiteral("new");
    testo.clear();
}
void WordFinto::fontSelezione(const QString& n) { operazioni << QStringLiteral("font ") + n; }
void WordFinto::dimensioneSelezione(int p) { operazioni << QStringLiteral("size %1").arg(p); }
void WordFinto::scrivi(const QString& t)
{
    operazioni << QStringLiteral("type ") + t;
    testo += t;
}
void WordFinto::aggiungiParagrafoFinale() { operazioni << QStringLiteral("paragraph"); }
void WordFinto::dimensioneParagrafo(int p) { operazioni << QStringLiteral("psize %1").arg(p); }
void WordFinto::testoParagrafo(const QString& t)
{
    operazioni << QStringLiteral("ptext ") + t;
    testo += t;
}
void WordFinto::immagineParagrafo(const QImage& immagine)
{
    operazioni << QStringLiteral("image %1x%2").arg(immagine.width()).arg(immagine.height());
}
void WordFinto::giustificaTutto() { operazioni << QStringLiteral("justify"); }
bool WordFinto::salvaCome(const QString& p)
{
    operazioni << QStringLiteral("save ") + p;
    return salvataggioRiesce;
}
DocumentoMostrato WordFinto::mostra()
{
    operazioni << QStringLiteral("show");
    return esitoMostra;
}

CausaViva& causaViva()
{
    static CausaViva causa;
    return causa;
}

PiattaformaFinta::PiattaformaFinta()
{
    static bool registrate = false;
    if (!registrate) {
        ModPossidoria::impostaAspetto();
        registraFinestre(causaViva());
        registrate = true;
    }
    ModPossidoria::azzeraStato();
    causaViva().azzera();
    installaPiattaforma({&messaggi, &dialoghi, &midi, &stampante, &word});
}

PiattaformaFinta::~PiattaformaFinta()
{
    chiudiTutteLeFinestre();
    ModPossidoria::azzeraStato();
    causaViva().azzera();
    installaPiattaforma({});
}

void chiudiTutteLeFinestre()
{
    const bool esci = qApp->quitOnLastWindowClosed();
    qApp->setQuitOnLastWindowClosed(false);
    for (const QString& nome : Finestre::ordineChiusura())
        Finestre::chiudi(nome);
    Finestre::chiudi(QStringLiteral("frmSplash"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qApp->setQuitOnLastWindowClosed(esci);
}

void salvaImmagine(QWidget* w, const QString& nome)
{
    const QString cartella = qEnvironmentVariable("POSSIDORIA_SCREENSHOTS", QStringLiteral("screenshots"));
    QDir().mkpath(cartella);
    w->grab().save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
}
