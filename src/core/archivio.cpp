#include "core/archivio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace {

const char* const codifica = "windows-1252";

// How many fields each record takes, and which of them are texts (the rest are choices).
struct FormaRecord {
    int campi;
    int testi;   // the first `testi` fields are texts
};
constexpr std::array<FormaRecord, 10> formaRecord = {{
    {5, 4},
    {8, 2},
    {4, 2},
    {4, 2},
    {1, 0},
    {1, 0},
    {1, 0},
    {1, 0},
    {1, 0},
    {5, 2},
}};
// The first nine records are those every version reads; the tenth, the facts asked later, is
// skipped by a reader that knows only nine and missing from the files it wrote.
constexpr int recordStorici = 9;

// Where each field of a record lives in the case. An answer is written as its number and read
// back into its type here, and nowhere else.
struct Posti {
    std::array<QString*, 4> testi{};
    std::array<CampoRisposta, 6> scelte{};
};

template <auto campo> constexpr CampoRisposta r() { return CampoRisposta::di<campo>(); }

Posti postiRecord(Causa& c, int record)
{
    TestiCausa& t = c.testi;
    using D = DatiCausa;
    switch (record) {
    case 0: return {{&t.attore, &t.convenuto, &t.bene, &t.luogo}, {r<&D::tipologia>()}};
    case 1:
        return {{&t.possessoInizio, &t.possessoFine},
                {r<&D::interruzione>(), r<&D::modo>(), r<&D::animo>(), r<&D::provenienza>(), r<&D::fede>(),
                 r<&D::titolo>()}};
    case 2: return {{&t.ledateInizio, &t.ledateFine}, {r<&D::provaInizioDate>(), r<&D::provaFineDate>()}};
    case 3:
        return {{&t.interruzioneInizio, &t.interruzioneFine},
                {r<&D::provaInizioInterruzione>(), r<&D::provaFineInterruzione>()}};
    case 4: return {{}, {r<&D::obiezioneModo>()}};
    case 5: return {{}, {r<&D::obiezioneAnimo>()}};
    case 6: return {{}, {r<&D::obiezioneProvenienza>()}};
    case 7: return {{}, {r<&D::obiezioneFede>()}};
    case 8: return {{}, {r<&D::obiezioneTitolo>()}};
    default: return {{&t.trascrizione, &t.cessazioneVizio}, {r<&D::atto>(), r<&D::statoGiudizio>(), r<&D::recupero>()}};
    }
}

// The Unicode characters of the 256 Windows-1252 bytes, and the byte of each (for the check).
const std::array<char16_t, 256>& caratteri1252()
{
    static const std::array<char16_t, 256> tabella = [] {
        QByteArray tutti(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            tutti[i] = char(i);
        QStringDecoder decodifica(codifica);
        const QString s = decodifica.decode(tutti);
        std::array<char16_t, 256> t{};
        for (int i = 0; i < 256 && i < s.size(); ++i)
            t[i] = s.at(i).unicode();
        return t;
    }();
    return tabella;
}

// True when Windows-1252 holds the character: then the file stays in the code page every version reads.
bool inOccidentale(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    if (c == 0xFFFD)
        return false;   // what a decoder gives for a byte it has no character for
    const auto& t = caratteri1252();
    for (int i = 0x80; i < 0xA0; ++i)
        if (t[i] == c)
            return true;
    return false;
}

// The characters of a text one by one, a surrogate without its pair given as itself (the
// standard conversion would turn it into U+FFFD and hide it).
template <class F> void perCarattere(QStringView testo, F&& f)
{
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t u = testo[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < testo.size() && QChar::isLowSurrogate(testo[i + 1].unicode())) {
            f(QChar::surrogateToUcs4(u, testo[i + 1].unicode()));
            ++i;
        } else {
            f(char32_t(u));
        }
    }
}

// A double quote would end the field, a NUL is refused by every reader, and a lone surrogate has
// no form in any encoding: no other character is out of the archive's reach.
bool carattereArchiviabile(char32_t c) { return c != U'"' && c != 0 && !QChar::isSurrogate(c); }

// Every text the file carries, the later records' as read included, decides the encoding.
bool testiInOccidentale(const Causa& causa)
{
    const TestiCausa& t = causa.testi;
    bool tutti = true;
    for (const QString* testo : {&t.attore, &t.convenuto, &t.bene, &t.luogo, &t.possessoInizio, &t.possessoFine,
                                 &t.ledateInizio, &t.ledateFine, &t.interruzioneInizio, &t.interruzioneFine,
                                 &t.trascrizione, &t.cessazioneVizio, &causa.recordSuccessivi})
        perCarattere(*testo, [&](char32_t c) { tutti = tutti && inOccidentale(c); });
    return tutti;
}

// One field as it stands in the file.
struct Campo {
    bool virgolettato = false;
    QByteArray grezzo;
};

class Lettore {
public:
    explicit Lettore(const QByteArray& dati)
        : d(dati)
    {}

    // The next field, or nothing when the data is over.
    std::optional<Campo> prossimo()
    {
        while (pos < d.size() && (d[pos] == ' ' || d[pos] == '\t'))
            ++pos;
        if (pos >= d.size()) {
            if (!dopoVirgola)
                return std::nullopt;
            dopoVirgola = false;
            troncato = true;
            return Campo{};
        }
        dopoVirgola = false;
        Campo c;
        if (d[pos] == '"') {
            c.virgolettato = true;
            const qsizetype chiusa = d.indexOf('"', pos + 1);
            const qsizetype fine = chiusa < 0 ? d.size() : chiusa;
            c.grezzo = d.mid(pos + 1, fine - pos - 1);
            pos = chiusa < 0 ? d.size() : chiusa + 1;
            saltaAlSeparatore();
        } else {
            const qsizetype inizio = pos;
            saltaAlSeparatore();
            qsizetype fine = finePrimaDelSeparatore;
            while (fine > inizio && (d[fine - 1] == ' ' || d[fine - 1] == '\t'))
                --fine;
            c.grezzo = d.mid(inizio, fine - inizio);
        }
        return c;
    }

    // True when nothing but blanks and line ends is left.
    bool soloSpazi() const
    {
        for (qsizetype i = pos; i < d.size(); ++i)
            if (d[i] != ' ' && d[i] != '\t' && d[i] != '\r' && d[i] != '\n')
                return false;
        return true;
    }

    // What follows the records read, as it stands.
    QByteArray resto() const { return d.mid(pos); }

    // True once a field was ended by the end of the data rather than by a separator or a line
    // end: the file was cut there, and what that field holds may be only part of it.
    bool troncatoInFondo() const { return troncato; }

private:
    // Moves past the next comma or line end; notes where the field's text stopped.
    void saltaAlSeparatore()
    {
        while (pos < d.size() && d[pos] != ',' && d[pos] != '\r' && d[pos] != '\n')
            ++pos;
        finePrimaDelSeparatore = pos;
        if (pos >= d.size()) {
            troncato = true;
            return;
        }
        if (d[pos] == ',') {
            dopoVirgola = true;
            ++pos;
        } else if (d[pos] == '\r') {
            ++pos;
            if (pos < d.size() && d[pos] == '\n')
                ++pos;
        } else {
            ++pos;
        }
    }

    const QByteArray& d;
    qsizetype pos = 0;
    qsizetype finePrimaDelSeparatore = 0;
    bool dopoVirgola = false;
    bool troncato = false;
};

// A choice field: empty, or a whole number of 16 bits written bare. False when it is neither.
bool leggiScelta(const Campo& c, Scelta& scelta)
{
    if (c.virgolettato)
        return false;
    if (c.grezzo.isEmpty()) {
        scelta.reset();
        return true;
    }
    qsizetype i = c.grezzo.startsWith('-') || c.grezzo.startsWith('+') ? 1 : 0;
    if (i == c.grezzo.size())
        return false;
    for (qsizetype k = i; k < c.grezzo.size(); ++k)
        if (c.grezzo[k] < '0' || c.grezzo[k] > '9')
            return false;
    bool ok = false;
    const int n = c.grezzo.toInt(&ok);
    if (!ok || n < -32768 || n > 32767)
        return false;
    scelta = qint16(n);
    return true;
}

const QString nomiRecordPrimi[2] = {
    QStringLiteral("dati della causa"),
    QStringLiteral("dati sul possesso"),
};

// Bytes a text editor saved again as UTF-8: valid UTF-8 holding at least one character beyond
// ASCII. Windows-1252 text is almost never valid UTF-8 (an accented letter is one byte there).
bool inUtf8(QByteArrayView dati)
{
    bool oltreAscii = false;
    for (const char b : dati)
        if (uchar(b) >= 0x80) {
            oltreAscii = true;
            break;
        }
    if (!oltreAscii)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString testo = utf8.decode(dati);
    return !utf8.hasError();
}

QString nomeFile(const QString& percorso) { return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(percorso)); }

}   // namespace

QByteArray scriviArchivio(const Causa& causa)
{
    Causa c = causa;
    // The Western code page whenever it holds every text, as every version writes; UTF-8, which
    // the reader recognises, only for a text that needs it ("Łukasz").
    const bool utf8 = !testiInOccidentale(c);
    QStringEncoder codificatore(codifica);
    QByteArray out;
    out.reserve(512);
    for (int r = 0; r < int(formaRecord.size()); ++r) {
        const Posti p = postiRecord(c, r);
        const FormaRecord f = formaRecord[r];
        for (int k = 0; k < f.campi; ++k) {
            if (k > 0)
                out += ',';
            if (k < f.testi) {
                out += '"';
                out += utf8 ? p.testi[k]->toUtf8() : QByteArray(codificatore.encode(*p.testi[k]));
                out += '"';
            } else if (const Scelta s = p.scelte[k - f.testi].numero(c.scelte); s) {
                out += QByteArray::number(*s);
            }
        }
        out += "\r\n";
    }
    // Records of a newer version, after the tenth, go back as they came.
    out += utf8 ? c.recordSuccessivi.toUtf8() : QByteArray(codificatore.encode(c.recordSuccessivi));
    // Western bytes that happen to be valid UTF-8 (an "Ã¨" typed as such) would read back as UTF-8:
    // one byte UTF-8 never holds, after the first closing quote, keeps the file Western. Every
    // reader skips what follows a closing quote up to the separator.
    if (!utf8 && inUtf8(out))
        out.insert(out.indexOf('"', 1) + 1, '\xFF');
    return out;
}

LetturaArchivio leggiArchivio(const QByteArray& dati, qsizetype massimo)
{
    LetturaArchivio esito;
    if (dati.size() > massimo) {
        esito.errore = QStringLiteral("il file è troppo grande per essere un archivio di causa "
                                      "(%1 byte, al massimo %2)")
                           .arg(dati.size())
                           .arg(massimo);
        return esito;
    }
    if (dati.isEmpty()) {
        esito.errore = QStringLiteral("il file è vuoto");
        return esito;
    }
    if (dati.contains('\0')) {
        esito.errore = QStringLiteral("il file contiene dati binari e non è un archivio di causa");
        return esito;
    }

    // An archive saved as UTF-8 elsewhere is read as such, its byte-order mark aside; any other
    // in the Western code page.
    const bool utf8 = inUtf8(dati);
    const QByteArray corpo = utf8 && dati.startsWith("\xEF\xBB\xBF") ? dati.sliced(3) : dati;
    QStringDecoder decodifica = utf8 ? QStringDecoder(QStringDecoder::Utf8) : QStringDecoder(codifica);
    Lettore lettore(corpo);
    bool finiti = false;
    for (int r = 0; r < int(formaRecord.size()) && !finiti; ++r) {
        // A file of nine records, blank lines after them included, holds none of the later facts.
        if (r >= recordStorici && lettore.soloSpazi())
            break;
        const FormaRecord f = formaRecord[r];
        const Posti p = postiRecord(esito.causa, r);
        bool buono = true;
        int campoErrato = 0;
        int campiLetti = 0;
        for (int k = 0; k < f.campi; ++k) {
            const std::optional<Campo> campo = lettore.prossimo();
            // A field the end of the data cuts may be part of a longer one ("12" cut to "1").
            if (!campo || lettore.troncatoInFondo()) {
                campiLetti += campo ? 1 : 0;
                finiti = true;
                buono = false;
                break;
            }
            ++campiLetti;
            if (k < f.testi) {
                *p.testi[k] = decodifica.decode(campo->grezzo);
            } else if (Scelta s; leggiScelta(*campo, s)) {
                p.scelte[k - f.testi].imposta(esito.causa.scelte, s);
            } else {
                // Only this answer is lost, and the reader is told: the rest of the record stands.
                p.scelte[k - f.testi].imposta(esito.causa.scelte, std::nullopt);
                esito.avvisi << QStringLiteral("nella riga %1 il campo %2 non è una scelta valida ed è rimasto "
                                               "senza risposta")
                                    .arg(r + 1)
                                    .arg(k + 1);
                if (buono)
                    campoErrato = k + 1;
                buono = false;
            }
        }
        // Every version writes the nine records: a file that stops before the ninth was cut, and
        // reading it as whole would judge another case; so would records 1 and 2 without a choice.
        if (!buono && (r < 2 || finiti)) {
            esito.errore = r >= 2 && campiLetti > 0
                               ? QStringLiteral("il file è incompleto: si interrompe a metà di una riga, "
                                                "forse perché è stato troncato")
                           : r >= 2 ? QStringLiteral("il file è incompleto: finisce dopo %1 delle nove righe di un "
                                                     "archivio, forse perché è stato troncato")
                                          .arg(r)
                           : finiti ? QStringLiteral("il file è incompleto: mancano i %1").arg(nomiRecordPrimi[r])
                                    : QStringLiteral("il file è danneggiato: nei %1 il campo %2 "
                                                     "non è un numero")
                                          .arg(nomiRecordPrimi[r])
                                          .arg(campoErrato);
            esito.causa = Causa{};
            esito.letti = {};
            esito.avvisi.clear();
            return esito;
        }
        if (r < recordStorici)
            esito.letti[size_t(r)] = buono;
    }
    // Records a newer version wrote after the tenth are kept, to be written back as they came.
    if (!finiti && !lettore.soloSpazi())
        esito.causa.recordSuccessivi = decodifica.decode(lettore.resto());

    const QString controllo = controlloPrimiRecord(esito.causa.scelte);
    if (!controllo.isEmpty()) {
        esito.errore = controllo;
        esito.causa = Causa{};
        esito.letti = {};
        return esito;
    }
    esito.valido = true;
    return esito;
}

LetturaArchivio leggiFileArchivio(const QString& percorso)
{
    const auto fallito = [&](const QString& motivo) {
        LetturaArchivio rifiuto;
        rifiuto.errore = QStringLiteral("Impossibile aprire l'archivio %1: %2.").arg(nomeFile(percorso), motivo);
        return rifiuto;
    };
    // One byte more than allowed tells a file too big, or one that grew after it was opened.
    const LetturaFile file = leggiFileOrdinario(percorso, Archivio::dimensioneMassima + 1);
    if (!file.riuscita)
        return fallito(file.errore);
    if (file.dimensione > Archivio::dimensioneMassima)
        return fallito(QStringLiteral("il file è troppo grande per essere un archivio di causa "
                                      "(%1 byte, al massimo %2)")
                           .arg(file.dimensione)
                           .arg(Archivio::dimensioneMassima));
    LetturaArchivio esito = leggiArchivio(file.dati);
    if (!esito.valido)
        return fallito(esito.errore);
    return esito;
}

const QString* testoNonArchiviabile(const TestiCausa& t)
{
    for (const QString* testo :
         {&t.attore, &t.convenuto, &t.bene, &t.luogo, &t.possessoInizio, &t.possessoFine, &t.ledateInizio,
          &t.ledateFine, &t.interruzioneInizio, &t.interruzioneFine, &t.trascrizione, &t.cessazioneVizio})
        if (!testoArchiviabile(*testo))
            return testo;
    return nullptr;
}

EsitoScrittura salvaFileArchivio(const QString& percorso, const Causa& causa)
{
    const auto fallito = [&](const QString& motivo) {
        return EsitoScrittura{false,
                              QStringLiteral("Impossibile salvare l'archivio %1: %2.").arg(nomeFile(percorso), motivo)};
    };
    if (const QString* testo = testoNonArchiviabile(causa.testi))
        return fallito(QStringLiteral("il testo «%1» contiene %2, che l'archivio non può registrare")
                           .arg(*testo, nomeCarattere(*carattereNonArchiviabile(*testo))));
    if (percorso.isEmpty())
        return fallito(QStringLiteral("manca il nome del file"));
    if (QFileInfo(percorso).isDir())
        return fallito(QStringLiteral("il nome indica una cartella"));
    const QByteArray dati = scriviArchivio(causa);
    if (dati.size() > Archivio::dimensioneMassima)
        return fallito(QStringLiteral("i testi della causa sono troppo lunghi: l'archivio supererebbe %1 KiB "
                                      "e non si potrebbe riaprire")
                           .arg(Archivio::dimensioneMassima / 1024));
    const EsitoScrittura scritto = scriviFileIntero(percorso, dati);
    return scritto ? scritto : fallito(scritto.errore);
}

bool sembraArchivio(QByteArrayView inizio)
{
    // As the desktop's rule: '"' at 0, '","' starting within 1..512, '\n"' starting within 5..1024.
    const auto entro = [&](QByteArrayView cercato, qsizetype da, qsizetype a) {
        const qsizetype i = inizio.indexOf(cercato, da);
        return i >= 0 && i <= a;
    };
    return inizio.startsWith('"') && entro("\",\"", 1, 512) && entro("\n\"", 5, 1024);
}

bool sembraArchivio(const QString& percorso)
{
    QFile f(percorso);
    const QFileInfo info(percorso);
    if (!info.isFile() || info.size() > Archivio::dimensioneMassima || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inizio = f.read(1026);
    return sembraArchivio(QByteArrayView(inizio));
}

bool nominaPulsante(Scelta scelta, int pulsanti) { return scelta && *scelta >= 1 && *scelta <= pulsanti; }

QString controlloPrimiRecord(const DatiCausa& s)
{
    // An empty choice is a question not yet answered (a case saved half-way); a number must name a button.
    if (s.tipologia && !nominaPulsante(numero(s.tipologia), Archivio::pulsantiTipologia))
        return QStringLiteral("il file è danneggiato: il tipo di causa non è tra quelli previsti");
    const std::array<Scelta, 6> possesso = {numero(s.interruzione), numero(s.modo), numero(s.animo),
                                            numero(s.provenienza),  numero(s.fede), numero(s.titolo)};
    for (size_t i = 0; i < possesso.size(); ++i)
        if (possesso[i] && !nominaPulsante(possesso[i], Archivio::pulsantiPossesso[i]))
            return QStringLiteral("il file è danneggiato: i dati sul possesso non indicano una "
                                  "scelta prevista");
    return {};
}

bool testoArchiviabile(QStringView testo) { return !carattereNonArchiviabile(testo); }

std::optional<char32_t> carattereNonArchiviabile(QStringView testo)
{
    std::optional<char32_t> primo;
    perCarattere(testo, [&](char32_t c) {
        if (!primo && !carattereArchiviabile(c))
            primo = c;
    });
    return primo;
}

QString nomeCarattere(char32_t c)
{
    const QString codice =
        QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    if (c == U'"')
        return QStringLiteral("le virgolette doppie (\")");
    if (c == 0)
        return QStringLiteral("il carattere nullo (%1)").arg(codice);
    if (QChar::isSurrogate(c))
        return QStringLiteral("un carattere incompleto (%1, metà di una coppia)").arg(codice);
    return QStringLiteral("il carattere %1").arg(codice);
}

QString soloCaratteriArchiviabili(QStringView testo)
{
    QString out;
    out.reserve(testo.size());
    perCarattere(testo, [&](char32_t c) {
        if (carattereArchiviabile(c))
            out += QStringView(QChar::fromUcs4(c));
    });
    return out;
}

QString avvisoCarattereNonArchiviabile()
{
    return QStringLiteral("Carattere non ammesso: l'archivio non può registrare le virgolette doppie (\"); "
                          "usare « » oppure “ ”.");
}
