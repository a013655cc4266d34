#include "gui/case/archiviocausa.h"

#include "gui/frame/esportazione.h"
#include "gui/frame/modpossidoria.h"
#include "gui/frame/recenti.h"
#include "core/bloccoarchivio.h"
#include "core/causaviva.h"
#include "core/statocausa.h"
#include "platform/porte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QLabel>
#include <QLineEdit>

#include <cerrno>
#include <unistd.h>

using namespace ModPossidoria;

namespace {

// A dialog's filter definition: descriptions and patterns alternating, separated by "|".
QList<FiltroFile> filtri(const QString& definizione)
{
    const QStringList parti = definizione.split(QLatin1Char('|'));
    QList<FiltroFile> elenco;
    for (int i = 0; i + 1 < parti.size(); i += 2) {
        elenco.append({parti[i], parti[i + 1]});
        // The archives' filter lists an archive saved under any name, known by its content.
        if (parti[i + 1].contains(QLatin1String("Possidoria-dati-")))
            elenco.last().riconosce = [](const QString& percorso) { return sembraArchivio(percorso); };
    }
    return elenco;
}

const QString filtriApri = QStringLiteral("Tutti i file (*.*) | *.*|File Possidoria-dati- | Possidoria-dati-*");
const QString filtriSalva = QStringLiteral("File Possidoria-dati- | Possidoria-dati-*");
const QString filtriElimina = QStringLiteral("Tutti i file (*.*)|*.*|File Possidoria-dati- | Possidoria-dati-*");

void avvisa(const QString& testo, Icona icona = Icona::Critico)
{
    piattaforma().messaggi->mostra(testo, nomeprogramma, icona);
}

// The folder of the archive last opened or saved in this session.
QString ultimaCartella;

// The examples installed with the program are opened apart: their folder is no place for archives.
bool nellaCartellaProgramma(const QString& cartella)
{
    const QString programma = QDir(cartellaProgramma()).canonicalPath();
    const QString c = QDir(cartella).canonicalPath();
    return !programma.isEmpty() && (c == programma || c.startsWith(programma + QLatin1Char('/')));
}

void ricordaCartella(const QString& archivio)
{
    const QString cartella = QFileInfo(archivio).absolutePath();
    if (!nellaCartellaProgramma(cartella))
        ultimaCartella = cartella;
}

// An archive installed with the program (the examples): opened as any other, never written.
bool archivioProtetto(const QString& archivio)
{
    if (archivio.isEmpty())
        return false;
    // Also an example in a folder of examples elsewhere, as the sources keep them.
    const QFileInfo file(archivio);
    return nellaCartellaProgramma(file.absolutePath())
           || (file.dir().dirName() == QLatin1String("esempi")
               && file.fileName().startsWith(QLatin1String("Possidoria-dati-esempio-")));
}

// The archive this instance holds the lock of.
QString bloccato;

// The lock follows the live case: another case, a new one or the end of the program lets it go.
void seguiBlocco(CausaViva& viva, const QString& archivio, bool solaLettura)
{
    static QPointer<CausaViva> seguita;
    if (seguita != &viva) {
        seguita = &viva;
        QObject::connect(&viva, &CausaViva::sostituita, &viva, [&viva] {
            if (viva.archivio() != bloccato) {
                BloccoArchivio::lascia(bloccato);
                bloccato.clear();
            }
        });
    }
    static bool collegato = false;
    if (!collegato) {
        collegato = true;
        if (QCoreApplication::instance())
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                             [] { BloccoArchivio::lascia(bloccato); });
    }
    if (bloccato != archivio) {
        BloccoArchivio::lascia(bloccato);
        bloccato.clear();
    }
    if (!solaLettura && !archivio.isEmpty() && BloccoArchivio::prendi(archivio))
        bloccato = archivio;
}

// The archive no longer holds the case this one was opened from or last saved as: someone else
// (another program, an instance that opened it read-only) wrote it since.
bool cambiatoDaAltri(const CausaViva& viva, const QString& percorso)
{
    if (!QFileInfo::exists(percorso))
        return false;
    const LetturaArchivio l = leggiFileArchivio(percorso);
    return !l.valido || l.causa != viva.salvata();
}

// The file read whole and checked before the case on screen is touched: one that cannot be used is
// told and leaves it as it was. An archive another instance holds may be opened to read only.
// chiedi: unsaved changes of the case on screen are asked about first.
bool apriLetto(CausaViva& viva, const QString& percorso, bool chiedi)
{
    const LetturaArchivio lettura = leggiFileArchivio(percorso);
    if (!lettura.valido) {
        avvisa(lettura.errore);
        return false;
    }
    bool solaLettura = archivioProtetto(percorso);
    if (const auto altro = solaLettura ? std::nullopt : BloccoArchivio::altroTitolare(percorso)) {
        if (piattaforma().messaggi->mostra(
                QStringLiteral("L'archivio «%1» è già aperto %2.\rAprirlo in sola lettura? Le modifiche si "
                               "potranno salvare soltanto con un altro nome.\r%3")
                    .arg(QFileInfo(percorso).fileName(), BloccoArchivio::descrivi(*altro),
                         BloccoArchivio::comeLiberare(percorso)),
                nomeprogramma, Icona::Domanda, Pulsanti::SiNo, Risposta::Si)
            != Risposta::Si)
            return false;
        solaLettura = true;
    }
    if (chiedi && !ArchivioCausa::lasciaCausa(viva, QStringLiteral("aprirne un'altra")))
        return false;
    // The whole case at once; windows not yet open show it when they open.
    viva.sostituisci(lettura.causa, percorso);
    viva.impostaSolaLettura(solaLettura);
    seguiBlocco(viva, percorso, solaLettura);
    ricordaCartella(percorso);
    // What of the file could not be read is said: the case on screen differs from it there.
    if (!lettura.avvisi.isEmpty())
        avvisa(QStringLiteral("L'archivio «%1» è stato aperto, ma in parte è danneggiato: %2. Controllare quelle "
                              "risposte prima di salvare: il salvataggio le scriverebbe senza risposta.")
                   .arg(QFileInfo(percorso).fileName(), lettura.avvisi.join(QStringLiteral("; "))),
               Icona::Esclamazione);
    return true;
}

}   // namespace

namespace ArchivioCausa {

QString nomeProposto(const TestiCausa& testi)
{
    // Words joined by hyphens, after the prefix the open dialog's filter looks for.
    const QString parti = Esportazione::nomeFile(StatoCausa::parti(testi), QStringLiteral("nuova causa"));
    QString nome;
    for (const QString& parola : parti.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString pulita = QString(parola).remove(QLatin1Char('.'));
        if (!pulita.isEmpty())
            nome += (nome.isEmpty() ? QString() : QStringLiteral("-")) + pulita;
    }
    return QStringLiteral("Possidoria-dati-") + nome;
}

QString cartellaDialoghi()
{
    if (!ultimaCartella.isEmpty() && QFileInfo(ultimaCartella).isDir() && !nellaCartellaProgramma(ultimaCartella))
        return ultimaCartella;
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documenti).isDir() ? documenti : QDir::homePath();
}

bool lasciaCausa(CausaViva& viva, const QString& perFare)
{
    if (!viva.modificata())
        return true;
    const QString nome = StatoCausa::nomeCausa(viva.testi(), viva.archivio());
    const QString stato = viva.archivio().isEmpty() || viva.solaLettura()
                              ? QStringLiteral("La causa %1 non è stata salvata.").arg(nome)
                              : QStringLiteral("Le modifiche alla causa %1 non sono state salvate.").arg(nome);
    switch (piattaforma().messaggi->mostra(stato + QStringLiteral("\rSalvarla prima di %1?").arg(perFare),
                                           nomeprogramma, Icona::Domanda, Pulsanti::SiNoAnnulla, Risposta::Annulla)) {
    case Risposta::Si: return salva(viva, false);
    case Risposta::No: return true;
    default: return false;
    }
}

void apri(CausaViva& viva)
{
    if (!lasciaCausa(viva, QStringLiteral("aprirne un'altra")))
        return;
    // Cancelling changes nothing: the case keeps its archive, and "Salva" writes there.
    const QString percorso =
        piattaforma().dialoghi->apri(QStringLiteral("Apri file"), filtri(filtriApri), 2, cartellaDialoghi());
    if (percorso.isEmpty())
        return;
    if (apriLetto(viva, percorso, false))
        Recenti::aggiungi(percorso);
    else if (!QFileInfo::exists(percorso))
        Recenti::togli(percorso);
}

bool apriFile(CausaViva& viva, const QString& percorso)
{
    if (apriPercorso(viva, percorso)) {
        Recenti::aggiungi(percorso);
        return true;
    }
    if (!QFileInfo::exists(percorso))
        Recenti::togli(percorso);
    return false;
}

bool apriPercorso(CausaViva& viva, const QString& percorso) { return apriLetto(viva, percorso, true); }

void prendiBloccoRecuperato(CausaViva& viva)
{
    const QString archivio = viva.archivio();
    if (archivio.isEmpty() || archivioProtetto(archivio) || !QFileInfo(archivio).isFile())
        return;
    if (const auto altro = BloccoArchivio::altroTitolare(archivio)) {
        // Another instance opened it since the crash: the recovered work is saved under another name.
        viva.impostaSolaLettura(true);
        avvisa(QStringLiteral("L'archivio «%1» della causa recuperata è ora aperto %2: la causa recuperata si potrà "
                              "salvare soltanto con un altro nome.\r%3")
                   .arg(QFileInfo(archivio).fileName(), BloccoArchivio::descrivi(*altro),
                        BloccoArchivio::comeLiberare(archivio)),
               Icona::Esclamazione);
        return;
    }
    seguiBlocco(viva, archivio, false);
}

bool salva(CausaViva& viva, bool nuovoNome)
{
    // An example, or an archive only to be read, is never written: its name goes into the
    // archives' folder as the new one proposed.
    const bool protetto = viva.solaLettura() || archivioProtetto(viva.archivio());
    QString percorso = nuovoNome || protetto ? QString() : viva.archivio();
    if (percorso.isEmpty()) {
        const QString proposta = viva.archivio().isEmpty()
                                     ? QDir(cartellaDialoghi()).filePath(nomeProposto(viva.testi()))
                                 : protetto ? QDir(cartellaDialoghi()).filePath(QFileInfo(viva.archivio()).fileName())
                                            : viva.archivio();
        percorso =
            piattaforma().dialoghi->salva(QStringLiteral("Salva file con nome"), filtri(filtriSalva), 1, proposta);
        if (percorso.isEmpty())
            return false;
        if (archivioProtetto(percorso)) {
            avvisa(QStringLiteral("Gli esempi del programma non si sovrascrivono: salvare la causa con un altro nome, "
                                  "per esempio nella cartella dei documenti."),
                   Icona::Esclamazione);
            return false;
        }
    }
    // Held by another instance: never written from here, whatever the dialog was given.
    if (const auto altro = BloccoArchivio::altroTitolare(percorso)) {
        avvisa(QStringLiteral("L'archivio «%1» è aperto %2: salvare la causa con un altro nome.\r%3")
                   .arg(QFileInfo(percorso).fileName(), BloccoArchivio::descrivi(*altro),
                        BloccoArchivio::comeLiberare(percorso)),
               Icona::Esclamazione);
        return false;
    }
    // Changed on disk since it was opened or saved here (another program, an instance that had it
    // read-only): never overwritten unasked.
    if (percorso == viva.archivio() && cambiatoDaAltri(viva, percorso)) {
        switch (piattaforma().messaggi->mostra(
            QStringLiteral("L'archivio «%1» è stato modificato da altri dopo che questa causa è stata aperta o "
                           "salvata.\rSovrascriverlo con la causa sullo schermo? (No: salvarla con un altro nome)")
                .arg(QFileInfo(percorso).fileName()),
            nomeprogramma, Icona::Domanda, Pulsanti::SiNoAnnulla, Risposta::Annulla)) {
        case Risposta::Si: break;
        case Risposta::No: return salva(viva, true);
        default: return false;
        }
    }
    const EsitoScrittura esito = salvaFileArchivio(percorso, viva.causa());
    if (!esito) {
        avvisa(esito.errore);
        return false;
    }
    viva.segnaSalvata(percorso);
    seguiBlocco(viva, percorso, false);
    Recenti::aggiungi(percorso);
    ricordaCartella(percorso);
    return true;
}

void elimina()
{
    // No file is chosen beforehand: the case's own archive is deleted only when the user picks it.
    const QString percorso =
        piattaforma().dialoghi->elimina(titoloelimina, filtri(filtriElimina), 2, cartellaDialoghi());
    if (percorso.isEmpty())
        return;
    const QString nome = QFileInfo(percorso).fileName();
    if (!QFileInfo(percorso).isFile()) {
        avvisa(QStringLiteral("Il file «%1» non è stato eliminato: non esiste o non è un file.").arg(nome));
        return;
    }
    if (archivioProtetto(percorso)) {
        avvisa(QStringLiteral("Il file «%1» non è stato eliminato: è un esempio del programma, che non si elimina.")
                   .arg(nome),
               Icona::Esclamazione);
        return;
    }
    // An archive another instance is working on is not pulled from under it.
    if (const auto altro = BloccoArchivio::altroTitolare(percorso)) {
        avvisa(QStringLiteral("Il file «%1» non è stato eliminato: è aperto %2.\r%3")
                   .arg(nome, BloccoArchivio::descrivi(*altro), BloccoArchivio::comeLiberare(percorso)),
               Icona::Esclamazione);
        return;
    }
    if (piattaforma().messaggi->mostra(QStringLiteral("Eliminare definitivamente «%1»?").arg(nome), nomeprogramma,
                                       Icona::Domanda, Pulsanti::SiNo, Risposta::No)
        != Risposta::Si)
        return;
    // The lock this instance holds on it goes with it (another's is never touched: none was found).
    const bool tenuto = !bloccato.isEmpty() && BloccoArchivio::percorso(bloccato) == BloccoArchivio::percorso(percorso);
    if (::unlink(QFile::encodeName(percorso).constData()) != 0) {
        avvisa(QStringLiteral("Il file «%1» non è stato eliminato: %2.").arg(nome, descriviErrore(errno)));
        return;
    }
    if (tenuto) {
        BloccoArchivio::lascia(bloccato);
        bloccato.clear();
    }
    // The recent cases no longer offer it.
    Recenti::togli(percorso);
    avvisa(QStringLiteral("Il file «%1» è stato eliminato.").arg(nome), Icona::Informazione);
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

}   // namespace ArchivioCausa
