// possidoria-sentenza: judges archived cases from the command line. Each file is read as "&Apri..."
// reads it and judged as "&Sentenza" judges it, from the case record alone: no window, no screen.
//   possidoria-sentenza [--json] [--pdf CARTELLA] [--citazione CARTELLA] [--timeline FILE.png] [--sovrascrivi]
//                       [--] FILE...
// Exit status 0; 1 when the output or a document could not be written (the drawing module missing,
// nothing is judged); 2 when a file could not be judged or the command line is wrong (the reason on
// standard error).
#include "cli/disegno.h"
#include "core/archivio.h"
#include "core/statocausa.h"
#include "core/citazione.h"
#include "core/giudizio.h"
#include "core/giurisprudenza.h"
#include "core/istruttoria.h"
#include "core/scritturafile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLibrary>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const uso =
    "Uso: possidoria-sentenza [--json] [--pdf CARTELLA] [--citazione CARTELLA] [--timeline FILE.png]\n"
    "                         [--sovrascrivi] [--] FILE...\n"
    "Giudica le cause archiviate da Possidoria e ne stampa la sentenza: la regola applicata, i fatti\n"
    "su cui poggia, la sentenza, il commento, i fatti dell'attore e le obiezioni del convenuto, la\n"
    "giurisprudenza pertinente e le prove da raccogliere per l'attore.\n"
    "\n"
    "  --json      un solo documento JSON con un oggetto per ogni file\n"
    "  --pdf CARTELLA        scrive in CARTELLA la sentenza di ogni file in PDF\n"
    "  --citazione CARTELLA  scrive in CARTELLA la bozza di atto di citazione di ogni causa vinta\n"
    "                        dall'attore, in formato .odt e PDF\n"
    "  --timeline FILE.png   disegna in FILE.png la linea del tempo del possesso (un solo file da giudicare)\n"
    "  --sovrascrivi         sostituisce un documento o un'immagine già esistenti con lo stesso nome (mai un file\n"
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

void scrivi(FILE* f, const QString& testo) { scrivi(f, testo.toUtf8()); }

// Characters that would act on a terminal or on the text around them rather than show: controls,
// format characters (a right-to-left override, a zero-width space) and the Unicode line and
// paragraph separators. A surrogate without its pair has no form to send.
bool daEscludere(char32_t c)
{
    if (c >= 0x20 && c < 0x7f)
        return false;
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
    // Characters shown as they are go out a run at a time, and a text with nothing to escape as it is.
    qsizetype daCopiare = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const qsizetype inizio = i;
        char32_t c = t[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
            // The two halves read in order: arguments may be evaluated in any order.
            c = QChar::surrogateToUcs4(t[i].unicode(), t[i + 1].unicode());
            ++i;
        }
        if ((c == '\n' && righe == Righe::piu) || c == '\t' || !daEscludere(c))
            continue;
        if (r.isEmpty())
            r.reserve(t.size() + 16);
        r += QStringView(t).sliced(daCopiare, inizio - daCopiare);
        daCopiare = i + 1;
        if (c <= 0xff)
            r += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QChar(u'0'));
        else if (c <= 0xffff)
            r += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QChar(u'0'));
        else
            r += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QChar(u'0'));
    }
    if (daCopiare == 0)
        return t;
    r += QStringView(t).sliced(daCopiare);
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
    // A date that cannot be used is named with its reason, before anything still missing.
    if (const QString errore = StatoCausa::erroreDateCausa(c); !errore.isEmpty())
        return QStringLiteral("la causa non può essere giudicata: ") + errore;
    return QStringLiteral("la causa non può essere giudicata: mancano dati sul possesso "
                          "(date leggibili e risposte ai sei requisiti).");
}

QString testo(const QString& file, const Giudizio& g, const QString& pdf, const QStringList& citazione)
{
    QString r = QStringLiteral("== %1\nRegola: %2\n").arg(perTerminale(file), g.decisione.chiave);
    r += QStringLiteral("Perché:\n");
    for (const QString& l : g.perche)
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += titoloAlternative() + QStringLiteral(":\n");
    for (const QString& l : righeAlternative(g.alternative, g.decisione.esito))
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += QStringLiteral("Sentenza:\n") + corpoPerTerminale(g.sentenza.testo.trimmed(), g.causa.testi)
         + QLatin1Char('\n');
    r += QStringLiteral("Commento:\n") + corpoPerTerminale(g.sentenza.commento.trimmed(), g.causa.testi)
         + QLatin1Char('\n');
    r += QStringLiteral("Fatti dichiarati dall'attore:\n");
    for (const QString& l : g.fatti)
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += QStringLiteral("Obiezioni del convenuto:\n");
    for (const QString& l : g.obiezioni)
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += titoloGiurisprudenza() + QStringLiteral(":\n");
    for (const QString& l : righeGiurisprudenza(massimePertinenti(g.decisione)))
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    r += titoloProve() + QStringLiteral(":\n");
    for (const QString& l : righeProve(proveDaRaccogliere(g)))
        r += QStringLiteral("  ") + perTerminale(l) + QLatin1Char('\n');
    if (!pdf.isEmpty())
        r += QStringLiteral("PDF: %1\n").arg(perTerminale(pdf));
    for (const QString& c : citazione)
        r += QStringLiteral("Citazione: %1\n").arg(perTerminale(c));
    return r + QLatin1Char('\n');
}

// JSON written straight into one buffer, byte for byte as QJsonDocument writes it compact: a
// thousand judgments' objects are not built only to be taken apart again.
void jsonTesto(QByteArray& b, QStringView s)
{
    // A character beyond the 16-bit plane, or half of one, is rare: Qt's own writer takes the text.
    for (const QChar c : s)
        if (c.isSurrogate()) {
            const QByteArray d = QJsonDocument(QJsonArray{s.toString()}).toJson(QJsonDocument::Compact);
            b += QByteArrayView(d).sliced(1, d.size() - 2);
            return;
        }
    const QByteArray u = s.toUtf8();
    b += '"';
    qsizetype daCopiare = 0;
    for (qsizetype i = 0; i < u.size(); ++i) {
        const uchar c = uchar(u[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        b.append(u.constData() + daCopiare, i - daCopiare);
        daCopiare = i + 1;
        b += '\\';
        switch (c) {
        case '"': b += '"'; break;
        case '\\': b += '\\'; break;
        case '\b': b += 'b'; break;
        case '\f': b += 'f'; break;
        case '\n': b += 'n'; break;
        case '\r': b += 'r'; break;
        case '\t': b += 't'; break;
        default:
            b += "u00";
            b += "0123456789abcdef"[c >> 4];
            b += "0123456789abcdef"[c & 0xf];
        }
    }
    b.append(u.constData() + daCopiare, u.size() - daCopiare);
    b += '"';
}

void jsonData(QByteArray& b, const std::optional<QDate>& d)
{
    if (d)
        jsonTesto(b, d->toString(Qt::ISODate));
    else
        b += "null";
}

// A text, or null when it is empty.
void jsonTestoONull(QByteArray& b, const QString& s)
{
    if (s.isEmpty())
        b += "null";
    else
        jsonTesto(b, s);
}

void jsonRighe(QByteArray& b, const QStringList& righe)
{
    b += '[';
    for (qsizetype i = 0; i < righe.size(); ++i) {
        if (i)
            b += ',';
        jsonTesto(b, righe[i]);
    }
    b += ']';
}

// One judgment, its keys in the order QJsonObject sorts them: the day of the usucapione and the
// changes that would turn the outcome, each with its rule; the PDF the case went to, under the name
// the run gave it.
void jsonTesti(QByteArray& b, const char* chiave, const QStringList& righe)
{
    b += chiave;
    jsonRighe(b, righe);
}

// The evidence to gather: each requirement with its proofs, each proved objection with its reply.
void jsonProve(QByteArray& b, const ProveDaRaccogliere& p)
{
    b += "{\"repliche\":[";
    for (size_t i = 0; i < p.repliche.size(); ++i) {
        const ReplicaObiezione& x = p.repliche[i];
        b += i ? ",{\"cambierebbe\":" : "{\"cambierebbe\":";
        jsonTestoONull(b, x.cambierebbe);
        b += ",\"obiezione\":";
        jsonTesto(b, x.obiezione);
        b += ",\"replica\":";
        jsonTesto(b, x.replica);
        b += '}';
    }
    b += "],\"requisiti\":[";
    for (size_t i = 0; i < p.requisiti.size(); ++i) {
        const RequisitoDaProvare& q = p.requisiti[i];
        b += i ? "," : "";
        jsonTesti(b, "{\"inutili\":", q.inutili);
        b += ",\"requisito\":";
        jsonTesto(b, q.requisito);
        jsonTesti(b, ",\"utili\":", q.utili);
        b += '}';
    }
    b += "]}";
}

void json(QByteArray& b, const QString& file, const Giudizio& g, const QString& pdf,
          const std::optional<QStringList>& citazione)
{
    const char* const tipiCambiamento[] = {"obiezione", "risposta", "data"};
    b += "{\"cambierebbe\":[";
    bool primo = true;
    for (const Cambiamento& c : g.alternative.cambiamenti) {
        b += primo ? "{\"data\":" : ",{\"data\":";
        primo = false;
        jsonData(b, c.data);
        b += ",\"regola\":";
        jsonTesto(b, c.regola);
        b += ",\"testo\":";
        jsonTesto(b, c.testo);
        b += ",\"tipo\":\"";
        b += tipiCambiamento[int(c.tipo)];
        b += c.esito == Esito::Vince ? "\",\"vince\":true}" : "\",\"vince\":false}";
    }
    b += ']';
    // The draft's two documents, when asked for: null for a case that gets none.
    if (citazione) {
        b += ",\"citazione\":";
        if (citazione->isEmpty())
            b += "null";
        else
            jsonRighe(b, *citazione);
    }
    b += ",\"commento\":";
    jsonTesto(b, g.sentenza.commento);
    // The day the usucapione was acquired, or null when the plaintiff loses.
    b += ",\"compiuta\":";
    jsonData(b, g.decisione.compiuta);
    b += ",\"fatti\":";
    jsonRighe(b, g.fatti);
    b += ",\"file\":";
    jsonTesto(b, file);
    const char* const tipiGiorno[] = {"nessuno", "compiuta", "maturerebbe", "irraggiungibile"};
    const GiornoUsucapione& giorno = g.alternative.giorno;
    b += ",\"giorno\":{\"data\":";
    jsonData(b, giorno.data);
    b += ",\"regola\":";
    jsonTestoONull(b, giorno.regola);
    b += ",\"testo\":";
    jsonTesto(b, giorno.testo);
    b += ",\"tipo\":\"";
    b += tipiGiorno[int(giorno.tipo)];
    b += "\"}";
    QStringList massime;
    for (const MassimaPertinente& m : massimePertinenti(g.decisione))
        massime << m.citazione;
    jsonTesti(b, ",\"massime\":", massime);
    jsonTesti(b, ",\"obiezioni\":", g.obiezioni);
    if (!pdf.isEmpty()) {
        b += ",\"pdf\":";
        jsonTesto(b, pdf);
    }
    b += ",\"perche\":";
    jsonRighe(b, g.perche);
    b += ",\"prove\":";
    jsonProve(b, proveDaRaccogliere(g));
    b += ",\"regola\":";
    jsonTesto(b, g.decisione.chiave);
    b += ",\"sentenza\":";
    jsonTesto(b, g.sentenza.testo);
    b += g.decisione.esito == Esito::Vince ? ",\"vince\":true}" : ",\"vince\":false}";
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
            return {false,
                    QStringLiteral("il nome indica un file di questa stessa esecuzione (un file da giudicare o un "
                                   "documento appena scritto), che non viene sostituito"),
                    true};
    EsitoScrittura esito =
        scriviFileIntero(percorso, dati, sovrascrivi ? Sostituzione::soloFileOrdinario : Sostituzione::mai);
    if (esito)
        ricorda(percorso);
    else if (esito.occupato && !sovrascrivi && QFileInfo(percorso).isFile() && !QFileInfo(percorso).isSymLink())
        esito.errore += QStringLiteral(" (--sovrascrivi lo sostituisce)");
    return esito;
}

// "Sentenza A - B.pdf", then "Sentenza A - B (2).pdf" and on: each case of a run gets its own file.
// The extension, of three letters, stays at the end.
QString nomeNumerato(const QString& nome, int n)
{
    return n == 1 ? nome : nome.chopped(4) + QStringLiteral(" (%1)").arg(n) + nome.right(4);
}

// A document of the run in the folder under its name, or the first numbered name free; the path
// tried last and what became of it.
std::pair<QString, EsitoScrittura> scriviNumerato(const QString& cartella, const QString& nome, const QByteArray& dati)
{
    QString tentato = QDir(cartella).filePath(nome);
    EsitoScrittura scritto;
    for (int n = 1; n <= 1000; ++n) {
        tentato = QDir(cartella).filePath(nomeNumerato(nome, n));
        scritto = scriviDocumento(tentato, dati);
        if (!scritto.occupato)
            break;
    }
    return {tentato, scritto};
}

const QLatin1String nomeModuloDisegno("libpossidoria-disegno.so");

// The drawing module: beside the judge in a build, in the program's own library folder once
// installed. Looked for before any application exists, from the executable's own path.
QString moduloDisegno()
{
    const QDir eseguibile(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    if (eseguibile.exists(nomeModuloDisegno))
        return eseguibile.filePath(nomeModuloDisegno);
    return QDir::cleanPath(eseguibile.filePath(QLatin1String(POSSIDORIA_MODULI_RELATIVI "/") + nomeModuloDisegno));
}

// Why the file cannot be a whole 64-bit ELF library, read without waiting and before the loader
// maps it (a file cut short would end the process with SIGBUS when touched); empty when it may be.
QString difettoModulo(const QString& percorso)
{
    const LetturaFile f = leggiFileOrdinario(percorso, sizeof(Elf64_Ehdr));
    if (!f.riuscita)
        return f.errore;
    if (f.dati.size() < qsizetype(sizeof(Elf64_Ehdr)) || !f.dati.startsWith(ELFMAG) || f.dati[EI_CLASS] != ELFCLASS64)
        return QStringLiteral("non è una libreria del sistema");
    Elf64_Ehdr intestazione;
    std::memcpy(&intestazione, f.dati.constData(), sizeof intestazione);
    // Every table the header names must lie inside the file.
    const auto oltre = [&](quint64 inizio, quint64 numero, quint64 dimensione) {
        return inizio + numero * dimensione > quint64(f.dimensione);
    };
    if (oltre(intestazione.e_phoff, intestazione.e_phnum, intestazione.e_phentsize)
        || oltre(intestazione.e_shoff, intestazione.e_shnum, intestazione.e_shentsize))
        return QStringLiteral("il file è incompleto o danneggiato (%1 byte)").arg(f.dimensione);
    return {};
}

// The module loaded for the rest of the run, or nothing with the reason on standard error.
const Disegno* caricaDisegno()
{
    const QString percorso = moduloDisegno();
    const QString conseguenza = QStringLiteral("senza di esso non si scrivono né il PDF né l'immagine. "
                                               "Reinstallare il programma.\n");
    if (!QFileInfo::exists(percorso)) {
        scrivi(stderr, QStringLiteral("possidoria-sentenza: il modulo di disegno del programma non si trova in %1: ")
                               .arg(perTerminale(percorso))
                           + conseguenza);
        return nullptr;
    }
    if (const QString difetto = difettoModulo(percorso); !difetto.isEmpty()) {
        scrivi(stderr, QStringLiteral("possidoria-sentenza: il modulo di disegno del programma %1 non si carica (%2): ")
                               .arg(perTerminale(percorso), perTerminale(difetto))
                           + conseguenza);
        return nullptr;
    }
    QLibrary libreria(percorso);
    libreria.setLoadHints(QLibrary::PreventUnloadHint);
    const auto voce = reinterpret_cast<VoceDisegno>(libreria.resolve(POSSIDORIA_DISEGNO));
    if (const Disegno* d = voce ? voce() : nullptr)
        return d;
    scrivi(stderr, QStringLiteral("possidoria-sentenza: il modulo di disegno del programma %1 non si carica (%2): ")
                           .arg(perTerminale(percorso), perTerminale(libreria.errorString()))
                       + conseguenza);
    return nullptr;
}

}   // namespace

int main(int argc, char* argv[])
{
    // A file-size limit makes a write fail, which is told, rather than end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    // A reader that went away makes a write fail with EPIPE, told, rather than end the process unheard.
    std::signal(SIGPIPE, SIG_IGN);
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
    QString cartellaPdf, cartellaCitazione, lineaTempo;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (soloFile || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            file << a;
        } else if (a == QLatin1String("--")) {
            soloFile = true;
        } else if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--timeline")
                   || a == QLatin1String("--citazione")) {
            const bool manca = i + 1 >= argc;
            const QString valore = manca ? QString() : QString::fromLocal8Bit(argv[++i]);
            if (valore.isEmpty()) {
                const QString atteso =
                    a == QLatin1String("--timeline") ? QStringLiteral("FILE.png") : QStringLiteral("CARTELLA");
                scrivi(stderr,
                       (manca ? QStringLiteral("possidoria-sentenza: all'opzione %1 manca il valore (%2)\n")
                              : QStringLiteral("possidoria-sentenza: il valore dell'opzione %1 è vuoto: serve %2\n"))
                               .arg(a, atteso)
                           + QString::fromUtf8(uso));
                return 2;
            }
            // A name whose bytes are not UTF-8 would reach the system as another name.
            if (QFile::encodeName(valore) != QByteArray(argv[i])) {
                scrivi(stderr, QStringLiteral("possidoria-sentenza: il nome dato a %1 («%2») non è scritto in UTF-8, "
                                              "la codifica dei nomi di questo sistema: indicare un altro nome\n")
                                   .arg(a, perTerminale(valore)));
                return 2;
            }
            (a == QLatin1String("--pdf")        ? cartellaPdf
             : a == QLatin1String("--timeline") ? lineaTempo
                                                : cartellaCitazione) = valore;
        } else if (a == QLatin1String("--sovrascrivi")) {
            sovrascrivi = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            scrivi(stdout, QString::fromUtf8(uso));
            return esitoUscita();
        } else if (a == QLatin1String("--version")) {
            scrivi(stdout, QStringLiteral("possidoria-sentenza " POSSIDORIA_VERSIONE "\n"));
            return esitoUscita();
        } else {
            scrivi(stderr, QStringLiteral("possidoria-sentenza: opzione sconosciuta: %1\n").arg(perTerminale(a))
                               + QString::fromUtf8(uso));
            return 2;
        }
    }
    if (file.isEmpty()) {
        scrivi(stderr, QString::fromUtf8(uso));
        return 2;
    }
    if (!lineaTempo.isEmpty() && file.size() != 1) {
        scrivi(stderr, QStringLiteral("possidoria-sentenza: --timeline disegna la linea del tempo di una sola causa in "
                                      "un solo file, e i file da giudicare sono %1: indicarne uno solo\n")
                           .arg(file.size()));
        return 2;
    }
    // Drawing (a PDF, a picture) needs Qt Gui, offscreen, from its module; judging alone needs Qt Core only.
    const Disegno* disegno = nullptr;
    if (!cartellaPdf.isEmpty() || !lineaTempo.isEmpty() || !cartellaCitazione.isEmpty()) {
        disegno = caricaDisegno();
        if (!disegno)
            return 1;
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::unique_ptr<QCoreApplication> app(disegno ? disegno->applicazione(argc, argv)
                                                  : new QCoreApplication(argc, argv));

    int stato = 0;
    bool documentiMancati = false;   // a PDF or a picture asked for and not written
    // JSON goes out one object at a time, an array around them: no document of every judgment in memory.
    bool primo = true;
    for (const QString& percorso : std::as_const(file))
        ricorda(percorso);
    if (json)
        scrivi(stdout, QByteArrayLiteral("["));
    for (const QString& percorso : std::as_const(file)) {
        LetturaArchivio lettura = leggiFileArchivio(percorso);
        // An answer the file holds and the reader could not take: the case judged would not be the file's.
        if (lettura.valido && !lettura.avvisi.isEmpty()) {
            lettura.valido = false;
            lettura.errore = QStringLiteral("il file è danneggiato: %1; la causa giudicata non sarebbe quella "
                                            "archiviata")
                                 .arg(lettura.avvisi.join(QStringLiteral("; ")));
        }
        const std::optional<Giudizio> g = lettura.valido ? giudica(lettura.causa) : std::nullopt;
        if (!g) {
            const QString motivo = lettura.valido ? mancanze(lettura.causa) : lettura.errore;
            scrivi(stderr,
                   QStringLiteral("possidoria-sentenza: %1: %2\n").arg(perTerminale(percorso), perTerminale(motivo)));
            stato = 2;
            continue;
        }
        QString pdfScritto;
        if (!cartellaPdf.isEmpty()) {
            const QString nome = disegno->nomePdf(*g);
            QByteArray pdf;
            const bool composto = disegno->pdf(*g, QStringLiteral("Possidoria - causa elettronica con sentenza"),
                                               QDate::currentDate(), pdf);
            auto [pdfTentato, scritto] =
                composto ? scriviNumerato(cartellaPdf, nome, pdf)
                         : std::pair{
                             QDir(cartellaPdf).filePath(nome),
                             EsitoScrittura{false, QStringLiteral("il documento PDF non ha potuto essere composto")}};
            if (scritto) {
                pdfScritto = pdfTentato;
            } else {
                scrivi(stderr,
                       QStringLiteral("possidoria-sentenza: %1: PDF non scritto in %2: %3\n")
                           .arg(perTerminale(percorso), perTerminale(pdfTentato), perTerminale(scritto.errore)));
                documentiMancati = true;
            }
        }
        // The draft of a won case, as .odt and PDF; a lost case gets none, and is told so.
        std::optional<QStringList> citazione;
        if (!cartellaCitazione.isEmpty()) {
            citazione.emplace();
            QByteArray odt, pdf;
            QString nome;
            if (g->decisione.esito != Esito::Vince) {
                scrivi(stderr, QStringLiteral("possidoria-sentenza: %1: nessuna bozza di citazione: %2\n")
                                   .arg(perTerminale(percorso), perTerminale(senzaCitazione(*g))));
            } else if (!disegno->citazione(*g, odt, pdf, nome)) {
                scrivi(stderr, QStringLiteral("possidoria-sentenza: %1: la bozza di citazione non ha potuto essere "
                                              "composta\n")
                                   .arg(perTerminale(percorso)));
                documentiMancati = true;
            } else {
                for (const auto& [estensione, dati] :
                     {std::pair{QStringLiteral(".odt"), &odt}, std::pair{QStringLiteral(".pdf"), &pdf}}) {
                    const auto [tentato, scritto] = scriviNumerato(cartellaCitazione, nome + estensione, *dati);
                    if (scritto) {
                        *citazione << tentato;
                        continue;
                    }
                    scrivi(stderr,
                           QStringLiteral("possidoria-sentenza: %1: bozza di citazione non scritta in %2: %3\n")
                               .arg(perTerminale(percorso), perTerminale(tentato), perTerminale(scritto.errore)));
                    documentiMancati = true;
                }
            }
        }
        if (!lineaTempo.isEmpty()) {
            // Whole or nothing, and never onto a pipe or a device, as every file the program writes.
            QByteArray png;
            const EsitoScrittura scritta =
                disegno->lineaTempo(*g, png) ? scriviDocumento(lineaTempo, png)
                                             : EsitoScrittura{false, QStringLiteral("l'immagine non è stata composta")};
            if (!scritta) {
                scrivi(stderr, QStringLiteral("possidoria-sentenza: %1: immagine non scritta: %2\n")
                                   .arg(perTerminale(lineaTempo), perTerminale(scritta.errore)));
                documentiMancati = true;
            }
        }
        if (json) {
            QByteArray oggetto = primo ? QByteArrayLiteral("\n") : QByteArrayLiteral(",\n");
            ::json(oggetto, percorso, *g, pdfScritto, citazione);
            scrivi(stdout, oggetto);
            primo = false;
        } else {
            scrivi(stdout, testo(percorso, *g, pdfScritto, citazione.value_or(QStringList())));
        }
    }
    if (json)
        scrivi(stdout, QByteArrayLiteral("\n]\n"));
    if (esitoUscita() != 0)
        return 1;
    return documentiMancati ? 1 : stato;
}
