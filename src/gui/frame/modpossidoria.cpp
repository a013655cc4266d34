#include "gui/frame/modpossidoria.h"
#include "gui/frame/finestre.h"
#include "gui/frame/icone.h"
#include "gui/frame/lingua.h"
#include "gui/frame/splash.h"
#include "platform/porte.h"
#include <QApplication>
#include <QFont>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ModPossidoria {

void impostaidentita()
{
    nomeprogramma = QStringLiteral("Possidoria");
    sottotitolo = QStringLiteral("causa elettronica con sentenza");
    versione = versioneMostrata(QStringLiteral(POSSIDORIA_VERSIONE));
    dataversione = QStringLiteral("04/11/2004");
}

void inizializza()
{
    impostaidentita();
    titolocontrollo = nomeprogramma + QStringLiteral(": controllo dati immessi nella finestra attiva");
    titoloaiuto = nomeprogramma + QStringLiteral(": aiuto in linea");
    // The delete dialog's button says "Elimina", and so does its title.
    titoloelimina = QStringLiteral("Elimina: selezionare il file desiderato e cliccare su Elimina per cancellarlo");
}

void mostramenu() { Finestre::mostra(QStringLiteral("scelta")); }

void chiediuscita()
{
    // A case with unsaved changes is asked about instead (save, drop or stay); with nothing unsaved
    // the question warns of no loss.
    if (Finestre::causaModificata()) {
        if (!Finestre::lasciaCausa(QStringLiteral("uscire da ") + nomeprogramma))
            return;
    } else if (piattaforma().messaggi->mostra(QStringLiteral("Si desidera uscire da ") + nomeprogramma
                                                  + QStringLiteral("?"),
                                              nomeprogramma, Icona::Domanda, Pulsanti::SiNo, Risposta::No)
               == Risposta::No) {
        return;
    }
    // The splash survives as the farewell screen: closing the others must not end the program.
    const bool esci = qApp->quitOnLastWindowClosed();
    qApp->setQuitOnLastWindowClosed(false);
    for (const QString& nome : Finestre::ordineChiusura())
        Finestre::chiudi(nome);
    Finestre::congedo();
    auto* splash = Finestre::finestra<FrmSplash>(QStringLiteral("frmSplash"));
    if (piattaforma().midi)
        piattaforma().midi->suona();
    Finestre::mostra(QStringLiteral("frmSplash"));
    if (splash)
        splash->congedo();
    qApp->setQuitOnLastWindowClosed(esci);
}

void impostaAspetto()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(8);
    QApplication::setFont(f);
    // Italian for Qt's own texts too; the catalogue itself is loaded by the first window that
    // shows any (Finestre::finestra).
    Lingua::imposta();
    // Ties the windows to the installed desktop entry, whose icon the desktop then shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("possidoria"));
    // A title bar shows the window's own icon, which every window takes from the application's.
    QApplication::setWindowIcon(iconaProgramma());
}

QString versioneMostrata(const QString& versione)
{
    QStringList parti = versione.split(QLatin1Char('.'));
    for (int i = 1; i < parti.size(); ++i)
        parti[i] = parti[i].rightJustified(2, QLatin1Char('0'));
    return parti.join(QLatin1Char('.'));
}

QString str(long long n) { return n >= 0 ? QLatin1Char(' ') + QString::number(n) : QString::number(n); }

static QString cartellaImpostata;

void azzeraStato()
{
    inizializza();
    for (QString* s : {&appword, &docword})
        s->clear();
}

QString cartellaProgrammaPer(const QString& cartellaEseguibile)
{
    const QDir accanto(cartellaEseguibile);
    if (accanto.exists(QStringLiteral("SuggerimentiPossidoria.TXT")) || accanto.exists(QStringLiteral("Internet.mid")))
        return cartellaEseguibile;
    // Installed: the executable in <prefix>/bin, its files in <prefix>/share/possidoria.
    const QString dati = QDir::cleanPath(accanto.filePath(QStringLiteral(POSSIDORIA_DATI_RELATIVI)));
    return QFileInfo(dati).isDir() ? dati : cartellaEseguibile;
}

QString cartellaProgramma()
{
    return cartellaImpostata.isEmpty() ? cartellaProgrammaPer(QCoreApplication::applicationDirPath())
                                       : cartellaImpostata;
}

void impostaCartellaProgramma(const QString& cartella) { cartellaImpostata = cartella; }

}   // namespace ModPossidoria
