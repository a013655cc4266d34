// possidoria-sentenza: judges archived cases from the command line. Each file is read as "&Apri..."
// reads it and judged as "&Sentenza" judges it, from the case record alone: no window, no screen.
//   possidoria-sentenza [--json] [--pdf CARTELLA] [--timeline FILE.png] [--] FILE...
// Exit status 0; 1 when the output could not be written; 2 when a file could not be judged or the
// command line is wrong (the reason on standard error).
#include "case/archivio.h"
#include "case/statocausa.h"
#include "judgment/documentosentenza.h"
#include "judgment/giudizio.h"
#include "judgment/lineatempo.h"
#include "platform/scritturafile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <memory>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <cstdio>

namespace {

const char* const uso =
    "Uso: possidoria-sentenza [--json] [--pdf CARTELLA] [--timeline FILE.png] [--] FILE...\n"
    "Giudica le cause archiviate da Possidoria e ne stampa la sentenza: la regola applicata, i fatti\n"
    "su cui poggia, la sentenza, il commento, i fatti dell'attore e le obiezioni del convenuto.\n"
    "\n"
    "  --json      un solo documento JSON con un oggetto per ogni file\n"
    "  --pdf CARTELLA        scrive in CARTELLA la sentenza di ogni file in PDF\n"
    "  --timeline FILE.png   disegna in FILE.png la linea del tempo del possesso (un solo file da giudicare)\n"
    "  --help      questo aiuto\n"
    "  --version   la versione del programma\n"
    "  --          i nomi che seguono sono file, anche se iniziano con '-'\n"
    "\n"
    "Stato di uscita: 0 tutto giudicato; 1 uscita non scritta; 2 un file non giudicabile o un\n"
    "argomento errato.\n";

// Everything written goes through here, so that a failed write is never taken for success.
bool scritturaFallita = false;

void scrivi(FILE* f, const QByteArray& b)
{
    if (std::fwrite(b.constData(), 1, size_t(b.size()), f) != size_t(b.size()))
        scritturaFallita = true;
}

void scrivi(FILE* f, const QString& testo)
{
    scrivi(f, testo.toUtf8());
}

// A text of the archive, made safe for a terminal: line ends as the program writes them, and every
// other control character shown escaped, never sent raw.
QString perTerminale(const QString& testo)
{
    QString t = testo;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    QString r;
    r.reserve(t.size());
    for (const QChar c : std::as_const(t)) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\n' && u != '\t') || (u >= 0x7f && u <= 0x9f))
            r += QStringLiteral("\\x%1").arg(int(u), 2, 16, QChar('0'));
        else
            r += c;
    }
    return r;
}

// Why a case that was read cannot be judged.
QString mancanze(const Causa& c)
{
    if (!StatoCausa::intestazioneCompleta(c) || !StatoCausa::datiGeneraliCompleti(c.testi))
        return QStringLiteral("la causa non può essere giudicata: mancano dati generali della causa "
                              "(attore, convenuto, bene, località o tipologia).");
    return QStringLiteral("la causa non può essere giudicata: mancano dati sul possesso "
                          "(date leggibili e risposte ai sei requisiti).");
}

QString testo(const QString& file, const Giudizio& g)
{
    QString r = QStringLiteral("== %1\nRegola: %2\n").arg(perTerminale(file), g.decisione.chiave);
    r += QStringLiteral("Perché:\n");
    for (const QString& l : g.perche)
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += titoloAlternative() + QStringLiteral(":\n");
    for (const QString& l : righeAlternative(g.alternative, g.decisione.esito))
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += QStringLiteral("Sentenza:\n") + perTerminale(g.sentenza.testo.trimmed()) + QLatin1Char('\n');
    r += QStringLiteral("Commento:\n") + perTerminale(g.sentenza.commento.trimmed()) + QLatin1Char('\n');
    r += QStringLiteral("Fatti dichiarati dall'attore:\n");
    for (const QString& l : g.fatti)
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += QStringLiteral("Obiezioni del convenuto:\n");
    for (const QString& l : g.obiezioni)
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    return r + QLatin1Char('\n');
}

// The day of the usucapione and the changes that would turn the outcome, each with its rule.
QJsonObject jsonGiorno(const GiornoUsucapione& g)
{
    const char* const tipi[] = {"nessuno", "compiuta", "maturerebbe", "irraggiungibile"};
    return {
        {QStringLiteral("tipo"), QLatin1String(tipi[int(g.tipo)])},
        {QStringLiteral("data"), g.data ? QJsonValue(g.data->toString(Qt::ISODate)) : QJsonValue()},
        {QStringLiteral("regola"), g.regola.isEmpty() ? QJsonValue() : QJsonValue(g.regola)},
        {QStringLiteral("testo"), g.testo},
    };
}

QJsonArray jsonCambiamenti(const std::vector<Cambiamento>& cambiamenti)
{
    const char* const tipi[] = {"obiezione", "risposta", "data"};
    QJsonArray r;
    for (const Cambiamento& c : cambiamenti)
        r.append(QJsonObject{
            {QStringLiteral("tipo"), QLatin1String(tipi[int(c.tipo)])},
            {QStringLiteral("testo"), c.testo},
            {QStringLiteral("regola"), c.regola},
            {QStringLiteral("vince"), c.esito == Esito::Vince},
            {QStringLiteral("data"), c.data ? QJsonValue(c.data->toString(Qt::ISODate)) : QJsonValue()},
        });
    return r;
}

QJsonObject json(const QString& file, const Giudizio& g)
{
    return {
        {QStringLiteral("giorno"), jsonGiorno(g.alternative.giorno)},
        {QStringLiteral("cambierebbe"), jsonCambiamenti(g.alternative.cambiamenti)},
        {QStringLiteral("file"), file},
        {QStringLiteral("regola"), g.decisione.chiave},
        {QStringLiteral("vince"), g.decisione.esito == Esito::Vince},
        // The day the usucapione was acquired, or null when the plaintiff loses.
        {QStringLiteral("compiuta"), g.decisione.compiuta ? QJsonValue(g.decisione.compiuta->toString(Qt::ISODate))
                                                          : QJsonValue()},
        {QStringLiteral("perche"), QJsonArray::fromStringList(g.perche)},
        {QStringLiteral("sentenza"), g.sentenza.testo},
        {QStringLiteral("commento"), g.sentenza.commento},
        {QStringLiteral("fatti"), QJsonArray::fromStringList(g.fatti)},
        {QStringLiteral("obiezioni"), QJsonArray::fromStringList(g.obiezioni)},
    };
}

} // namespace

int main(int argc, char* argv[])
{
    // A file-size limit makes a write fail, which is told, rather than end the process.
    std::signal(SIGXFSZ, SIG_IGN);

    // The arguments as given: Qt's own options are not taken out of a judge's file names.
    QStringList file;
    bool json = false;
    bool soloFile = false;
    QString cartellaPdf, lineaTempo;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (soloFile || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            file << a;
        } else if (a == QLatin1String("--")) {
            soloFile = true;
        } else if (a == QLatin1String("--json")) {
            json = true;
        } else if ((a == QLatin1String("--pdf") || a == QLatin1String("--timeline")) && i + 1 < argc) {
            (a == QLatin1String("--pdf") ? cartellaPdf : lineaTempo) = QString::fromLocal8Bit(argv[++i]);
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            scrivi(stdout, QString::fromUtf8(uso));
            return std::fflush(stdout) == 0 && !scritturaFallita ? 0 : 1;
        } else if (a == QLatin1String("--version")) {
            scrivi(stdout, QStringLiteral("possidoria-sentenza " POSSIDORIA_VERSIONE "\n"));
            return std::fflush(stdout) == 0 && !scritturaFallita ? 0 : 1;
        } else {
            scrivi(stderr, QStringLiteral("possidoria-sentenza: opzione sconosciuta: %1\n").arg(perTerminale(a)) +
                               QString::fromUtf8(uso));
            return 2;
        }
    }
    if (file.isEmpty() || (!lineaTempo.isEmpty() && file.size() != 1)) {
        scrivi(stderr, QString::fromUtf8(uso));
        return 2;
    }
    // Drawing (a PDF, a picture) needs Qt Gui, offscreen; judging alone needs Qt Core only.
    const bool disegna = !cartellaPdf.isEmpty() || !lineaTempo.isEmpty();
    if (disegna)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(disegna ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));

    int stato = 0;
    bool documentiMancati = false;   // a PDF or a picture asked for and not written
    // JSON goes out one object at a time, an array around them: no document of every judgment in memory.
    bool primo = true;
    if (json)
        scrivi(stdout, QByteArrayLiteral("["));
    for (const QString& percorso : std::as_const(file)) {
        const LetturaArchivio lettura = leggiFileArchivio(percorso);
        const std::optional<Giudizio> g = lettura.valido ? giudica(lettura.causa) : std::nullopt;
        if (!g) {
            const QString motivo = lettura.valido ? mancanze(lettura.causa) : lettura.errore;
            scrivi(stderr, QStringLiteral("possidoria-sentenza: %1: %2\n").arg(perTerminale(percorso), perTerminale(motivo)));
            stato = 2;
            continue;
        }
        if (!cartellaPdf.isEmpty()) {
            const QString pdf = QDir(cartellaPdf).filePath(
                DocumentoSentenza::nomeFilePdf(g->causa.testi.attore, g->causa.testi.convenuto));
            QString errore;
            if (!scriviPdfSentenza(documentoDelGiudizio(*g, QStringLiteral("Possidoria - causa elettronica con sentenza"),
                                                        QDate::currentDate()),
                                   pdf, &errore)) {
                scrivi(stderr, QStringLiteral("possidoria-sentenza: %1: %2\n").arg(perTerminale(percorso), perTerminale(errore)));
                documentiMancati = true;
            }
        }
        if (!lineaTempo.isEmpty()) {
            // Whole or nothing, and never onto a pipe or a device, as every file the program writes.
            QByteArray png;
            QBuffer memoria(&png);
            memoria.open(QIODevice::WriteOnly);
            const EsitoScrittura scritta = immagineLineaTempo(*g).save(&memoria, "PNG")
                                               ? scriviFileIntero(lineaTempo, png)
                                               : EsitoScrittura{false, QStringLiteral("l'immagine non è stata composta")};
            if (!scritta) {
                scrivi(stderr, QStringLiteral("possidoria-sentenza: %1: immagine non scritta: %2\n")
                                   .arg(perTerminale(lineaTempo), scritta.errore));
                documentiMancati = true;
            }
        }
        if (json) {
            scrivi(stdout, (primo ? QByteArrayLiteral("\n") : QByteArrayLiteral(",\n")) +
                               QJsonDocument(::json(percorso, *g)).toJson(QJsonDocument::Compact));
            primo = false;
        } else {
            scrivi(stdout, testo(percorso, *g));
        }
    }
    if (json)
        scrivi(stdout, QByteArrayLiteral("\n]\n"));
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || scritturaFallita) {
        const int errore = errno;
        scrivi(stderr, QStringLiteral("possidoria-sentenza: scrittura del risultato non riuscita: %1\n")
                               .arg(descriviErrore(errore)));
        return 1;
    }
    return documentiMancati ? 1 : stato;
}
