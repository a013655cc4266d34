// possidoria-sentenza: judges archived cases from the command line. Each file is read as "&Apri..."
// reads it and judged as "&Sentenza" judges it, from the case record alone: no window, no screen.
//   possidoria-sentenza [--json] [--pdf CARTELLA] [--timeline FILE.png] [--sovrascrivi] [--] FILE...
// Exit status 0; 1 when the output could not be written; 2 when a file could not be judged or the
// command line is wrong (the reason on standard error).
#include "core/archivio.h"
#include "core/statocausa.h"
#include "documento/documentosentenza.h"
#include "core/giudizio.h"
#include "documento/lineatempo.h"
#include "core/scritturafile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <memory>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const uso =
    "Uso: possidoria-sentenza [--json] [--pdf CARTELLA] [--timeline FILE.png] [--sovrascrivi] [--] FILE...\n"
    "Giudica le cause archiviate da Possidoria e ne stampa la sentenza: la regola applicata, i fatti\n"
    "su cui poggia, la sentenza, il commento, i fatti dell'attore e le obiezioni del convenuto.\n"
    "\n"
    "  --json      un solo documento JSON con un oggetto per ogni file\n"
    "  --pdf CARTELLA        scrive in CARTELLA la sentenza di ogni file in PDF\n"
    "  --timeline FILE.png   disegna in FILE.png la linea del tempo del possesso (un solo file da giudicare)\n"
    "  --sovrascrivi         sostituisce un PDF o un'immagine già esistenti con lo stesso nome (mai un file\n"
    "                        da giudicare, né attraverso un collegamento simbolico)\n"
    "  --help      questo aiuto\n"
    "  --version   la versione del programma\n"
    "  --          i nomi che seguono sono file, anche se iniziano con '-'\n"
    "\n"
    "Stato di uscita: 0 tutto giudicato; 1 uscita non scritta; 2 un file non giudicabile o un\n"
    "argomento errato.\n";

// Everything written goes through here, so that a failed write is never taken for success.
bool scritturaFallita = false;
// Standard output was closed when the judge started: a placeholder holds its number, so that no file
// the judge opens takes it, and nothing written there counts as written.
bool uscitaChiusa = false;

void scrivi(FILE* f, const QByteArray& b)
{
    if ((f == stdout && uscitaChiusa) || std::fwrite(b.constData(), 1, size_t(b.size()), f) != size_t(b.size()))
        scritturaFallita = true;
}

void scrivi(FILE* f, const QString& testo)
{
    scrivi(f, testo.toUtf8());
}

// Characters that would act on a terminal or on the text around them rather than show: controls,
// format characters (a right-to-left override, a zero-width space) and the Unicode line and
// paragraph separators. A surrogate without its pair has no form to send.
bool daEscludere(char32_t c)
{
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f) || QChar::isSurrogate(c))
        return true;
    const QChar::Category categoria = QChar::category(c);
    return categoria == QChar::Other_Format || categoria == QChar::Separator_Line
           || categoria == QChar::Separator_Paragraph;
}

enum class Righe { una, piu };

// A text made safe for a terminal: every such character shown escaped ("\x1b", "\u202e"), never
// sent raw. A text of several lines (the judgment, the comment) keeps its line ends, as the program
// writes them; any other text (a file name, a line of facts) shows them escaped too, so that it can
// never print a line of its own.
QString perTerminale(const QString& testo, Righe righe = Righe::una)
{
    QString t = testo;
    if (righe == Righe::piu) {
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        t.replace(QChar(u'\r'), QChar(u'\n'));
    }
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        char32_t c = t[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
            // The two halves read in order: arguments may be evaluated in any order.
            c = QChar::surrogateToUcs4(t[i].unicode(), t[i + 1].unicode());
            ++i;
        }
        if ((c == '\n' && righe == Righe::piu) || c == '\t' || !daEscludere(c))
            r += QStringView(QChar::fromUcs4(c));
        else if (c <= 0xff)
            r += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QChar(u'0'));
        else if (c <= 0xffff)
            r += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QChar(u'0'));
        else
            r += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QChar(u'0'));
    }
    return r;
}

// The judgment and the comment quote the parties' names: a line end inside a name stays escaped
// there too, and cannot open a line that looks like the judge's own.
QString corpoPerTerminale(QString testo, const TestiCausa& t)
{
    for (const QString* nome : {&t.attore, &t.convenuto, &t.bene, &t.luogo})
        if (nome->contains(QLatin1Char('\n')) || nome->contains(QLatin1Char('\r')))
            testo.replace(*nome, perTerminale(*nome));
    return perTerminale(testo, Righe::piu);
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

QString testo(const QString& file, const Giudizio& g, const QString& pdf)
{
    QString r = QStringLiteral("== %1\nRegola: %2\n").arg(perTerminale(file), g.decisione.chiave);
    r += QStringLiteral("Perché:\n");
    for (const QString& l : g.perche)
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += titoloAlternative() + QStringLiteral(":\n");
    for (const QString& l : righeAlternative(g.alternative, g.decisione.esito))
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += QStringLiteral("Sentenza:\n") + corpoPerTerminale(g.sentenza.testo.trimmed(), g.causa.testi) + QLatin1Char('\n');
    r += QStringLiteral("Commento:\n") + corpoPerTerminale(g.sentenza.commento.trimmed(), g.causa.testi) + QLatin1Char('\n');
    r += QStringLiteral("Fatti dichiarati dall'attore:\n");
    for (const QString& l : g.fatti)
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += QStringLiteral("Obiezioni del convenuto:\n");
    for (const QString& l : g.obiezioni)
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    if (!pdf.isEmpty())
        r += QStringLiteral("PDF: %1\n").arg(perTerminale(pdf));
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

// The output flushed: 0 when all of it was written, else 1 with the reason on standard error.
int esitoUscita()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && !scritturaFallita)
        return 0;
    const int errore = errno;
    scrivi(stderr, QStringLiteral("possidoria-sentenza: scrittura del risultato non riuscita: %1\n")
                       .arg(uscitaChiusa ? QStringLiteral("lo standard output è chiuso") : descriviErrore(errore)));
    return 1;
}

// A file as the system knows it, whatever name leads to it.
struct Identita {
    dev_t dispositivo;
    ino_t nodo;
    auto operator<=>(const Identita&) const = default;
};

// The files a name stands for: the entry itself and, behind a link, the file it leads to.
std::vector<Identita> identita(const QString& percorso)
{
    std::vector<Identita> r;
    const QByteArray nome = QFile::encodeName(percorso);
    struct stat st {};
    if (::lstat(nome.constData(), &st) == 0)
        r.push_back({st.st_dev, st.st_ino});
    if (::stat(nome.constData(), &st) == 0)
        r.push_back({st.st_dev, st.st_ino});
    return r;
}

// The files of this run, the archives to judge and every document written: no document replaces one.
std::set<Identita> fileDellaSessione;
bool sovrascrivi = false;

void ricorda(const QString& percorso)
{
    for (const Identita& i : identita(percorso))
        fileDellaSessione.insert(i);
}

// A document of the run written whole: never over a file of the run nor through a link, and over
// an existing file only when asked.
EsitoScrittura scriviDocumento(const QString& percorso, const QByteArray& dati)
{
    for (const Identita& i : identita(percorso))
        if (fileDellaSessione.count(i))
            return {false, QStringLiteral("il nome indica un file di questa stessa esecuzione (un file da giudicare o un "
                                          "documento appena scritto), che non viene sostituito"),
                    true};
    EsitoScrittura esito = scriviFileIntero(percorso, dati, sovrascrivi ? Sostituzione::soloFileOrdinario : Sostituzione::mai);
    if (esito)
        ricorda(percorso);
    else if (esito.occupato && !sovrascrivi && QFileInfo(percorso).isFile() && !QFileInfo(percorso).isSymLink())
        esito.errore += QStringLiteral(" (--sovrascrivi lo sostituisce)");
    return esito;
}

// "Sentenza A - B.pdf", then "Sentenza A - B (2).pdf" and on: each case of a run gets its own file.
QString nomeNumerato(const QString& nome, int n)
{
    return n == 1 ? nome : nome.chopped(4) + QStringLiteral(" (%1).pdf").arg(n);
}

} // namespace

int main(int argc, char* argv[])
{
    // A file-size limit makes a write fail, which is told, rather than end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    // A descriptor the caller closed would go to the first file the judge opens, and what is meant
    // for the terminal into that file: the null device holds it instead.
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int nullo = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (nullo >= 0 && nullo != fd) {
            ::dup2(nullo, fd);
            ::close(nullo);
        }
        uscitaChiusa = uscitaChiusa || fd == 1;
    }

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
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--timeline")) {
            const bool manca = i + 1 >= argc;
            const QString valore = manca ? QString() : QString::fromLocal8Bit(argv[++i]);
            if (valore.isEmpty()) {
                const QString atteso = a == QLatin1String("--pdf") ? QStringLiteral("CARTELLA") : QStringLiteral("FILE.png");
                scrivi(stderr, (manca ? QStringLiteral("possidoria-sentenza: all'opzione %1 manca il valore (%2)\n")
                                      : QStringLiteral("possidoria-sentenza: il valore dell'opzione %1 è vuoto: serve %2\n"))
                                       .arg(a, atteso) +
                                   QString::fromUtf8(uso));
                return 2;
            }
            (a == QLatin1String("--pdf") ? cartellaPdf : lineaTempo) = valore;
        } else if (a == QLatin1String("--sovrascrivi")) {
            sovrascrivi = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            scrivi(stdout, QString::fromUtf8(uso));
            return esitoUscita();
        } else if (a == QLatin1String("--version")) {
            scrivi(stdout, QStringLiteral("possidoria-sentenza " POSSIDORIA_VERSIONE "\n"));
            return esitoUscita();
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
    for (const QString& percorso : std::as_const(file))
        ricorda(percorso);
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
        QString pdfScritto;
        if (!cartellaPdf.isEmpty()) {
            const QString nome = DocumentoSentenza::nomeFilePdf(g->causa.testi.attore, g->causa.testi.convenuto);
            const std::optional<QByteArray> pdf = pdfSentenza(
                documentoDelGiudizio(*g, QStringLiteral("Possidoria - causa elettronica con sentenza"), QDate::currentDate()));
            QString pdfTentato = QDir(cartellaPdf).filePath(nome);
            EsitoScrittura scritto{false, QStringLiteral("il documento PDF non ha potuto essere composto")};
            for (int n = 1; pdf && n <= 1000; ++n) {
                pdfTentato = QDir(cartellaPdf).filePath(nomeNumerato(nome, n));
                scritto = scriviDocumento(pdfTentato, *pdf);
                if (!scritto.occupato)
                    break;
            }
            if (scritto) {
                pdfScritto = pdfTentato;
            } else {
                scrivi(stderr, QStringLiteral("possidoria-sentenza: %1: PDF non scritto in %2: %3\n")
                                   .arg(perTerminale(percorso), perTerminale(pdfTentato), perTerminale(scritto.errore)));
                documentiMancati = true;
            }
        }
        if (!lineaTempo.isEmpty()) {
            // Whole or nothing, and never onto a pipe or a device, as every file the program writes.
            QByteArray png;
            QBuffer memoria(&png);
            memoria.open(QIODevice::WriteOnly);
            const EsitoScrittura scritta = immagineLineaTempo(*g).save(&memoria, "PNG")
                                               ? scriviDocumento(lineaTempo, png)
                                               : EsitoScrittura{false, QStringLiteral("l'immagine non è stata composta")};
            if (!scritta) {
                scrivi(stderr, QStringLiteral("possidoria-sentenza: %1: immagine non scritta: %2\n")
                                   .arg(perTerminale(lineaTempo), perTerminale(scritta.errore)));
                documentiMancati = true;
            }
        }
        if (json) {
            QJsonObject oggetto = ::json(percorso, *g);
            // The PDF the case went to, under the name the run gave it.
            if (!pdfScritto.isEmpty())
                oggetto.insert(QStringLiteral("pdf"), pdfScritto);
            scrivi(stdout, (primo ? QByteArrayLiteral("\n") : QByteArrayLiteral(",\n")) +
                               QJsonDocument(oggetto).toJson(QJsonDocument::Compact));
            primo = false;
        } else {
            scrivi(stdout, testo(percorso, *g, pdfScritto));
        }
    }
    if (json)
        scrivi(stdout, QByteArrayLiteral("\n]\n"));
    if (esitoUscita() != 0)
        return 1;
    return documentiMancati ? 1 : stato;
}
