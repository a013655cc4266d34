#pragma once
// The case archive: a whole case as ten text records, and back.
//
// Every record ends with CR LF, fields are separated by a comma:
//   1  attore, convenuto, bene, luogo (texts), tipologia
//   2  possession start and end (texts), interruzione, modo, animo, provenienza, fede, titolo
//   3  dates window start and end (texts), provaInizioDate, provaFineDate
//   4  interruption window start and end (texts), provaInizioInterruzione, provaFineInterruzione
//   5..9  obiezioneModo, obiezioneAnimo, obiezioneProvenienza, obiezioneFede, obiezioneTitolo
//   10 transcription date and date the violence or clandestinity ceased (texts), atto,
//      statoGiudizio, recupero
// (the fields of Causa), then whatever records a newer version wrote after them, kept as read;
// an answer is written as the number its enumerator carries (risposte.h).
// A reader that knows nine records stops after the ninth, so the tenth never misleads it; a file
// that ends after the ninth (every file written before the tenth existed) leaves its facts empty.
// A text is written between double quotes exactly as typed (there is no escape), a choice as
// its bare decimal digits, an empty choice as nothing at all (so an unanswered objection is an
// empty line).
//
// Reading: blanks before a field are skipped; a field opening with a double quote runs to the
// next double quote (commas and line ends included) and anything after it up to the separator
// is ignored; any other field runs to the next comma or line end (CR LF, CR or LF) and loses its
// trailing blanks. A line end separates fields like a comma, so the reader takes 5, 8, 4, 4, 1,
// 1, 1, 1, 1 fields in turn without looking at where the lines end, then 5 more when anything but
// blanks and line ends follows. A comma just before the end of the data still opens one (empty)
// field; a line end there does not.
// Every version writes at least nine records, each with its line end: a file that stops before the
// end of the ninth, between two records or inside one, was cut (a cut number would read as another
// choice, missing objections as none) and is refused; so is a tenth record the data stops inside.
// Where a choice is expected the field must be empty or an unquoted whole number of 16 bits;
// a quoted field or any other text there makes the record unreadable.
// A file whose bytes are valid UTF-8 with characters beyond ASCII (one a text editor saved again)
// is read as UTF-8, a byte-order mark at its start skipped; any other is read as Windows-1252.
// The writer keeps to Windows-1252 when it holds every text, and when those bytes would also pass
// for UTF-8 it puts a byte 0xFF after the first closing quote, where every reader ignores it. A
// text with a character beyond the code page ("Łukasz") makes it write the whole file in UTF-8.
#include "core/daticausa.h"
#include "core/scritturafile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace Archivio {

// An archive is a few hundred bytes; anything larger is not one, and is never read whole.
inline constexpr qsizetype dimensioneMassima = 64 * 1024;

// Buttons of the option groups that records 1 and 2 must name: the twelve types of case and
// the six possession groups (interruption, manner, state of mind, provenance, faith, acquisition).
inline constexpr int pulsantiTipologia = 12;
inline constexpr std::array<int, 6> pulsantiPossesso = {3, 2, 2, 2, 2, 2};

}   // namespace Archivio

// The result of reading an archive.
//   valido  records 1 and 2 are whole, their choices are empty (not yet answered: a case saved
//           half-way) or numbers naming a button of the group (type 1..12, possession groups as
//           above): only then may the case on screen be
//           replaced. When false, errore says why (Italian, fit for a message) and nothing else
//           in the result is to be used.
//   letti   letti[i] tells whether record i + 1 was read whole; records 1 and 2 are always read
//           when valido. A record of 3..10 with a choice that is not a number is read all the
//           same but for that choice, left unanswered: letti is false for it, and avvisi names
//           the line and field. A record read may still hold a choice naming no button (0, out
//           of range, or empty): it selects nothing.
//   avvisi  what of a valid file was not read (Italian, one line each): the case in causa then
//           differs from the file, and whoever judges or shows it must say so.
struct LetturaArchivio {
    bool valido = false;
    QString errore;
    QStringList avvisi;
    Causa causa;
    std::array<bool, 9> letti{};
};

// The nine records of a case. Texts are written as they are: one that fails
// testoArchiviabile() would not read back the same (salvaFileArchivio refuses it).
QByteArray scriviArchivio(const Causa& causa);

// Reads archive bytes (at most `massimo`; more, or any NUL byte, is refused). Never fails on any
// input other than by reporting it. Only the recovery copy of a case, which may hold texts too long
// for an archive, is read with a larger bound.
LetturaArchivio leggiArchivio(const QByteArray& dati, qsizetype massimo = Archivio::dimensioneMassima);

// Reads an archive file: only a regular file (what was opened, without waiting, is checked), never
// more than Archivio::dimensioneMassima + 1 bytes of it. errore names the file and the reason:
// missing, out of reach, not a file, unreadable, too big, damaged, incomplete.
LetturaArchivio leggiFileArchivio(const QString& percorso);

// Writes the case to the file whole or not at all: a failure leaves an existing file as it was.
// A case holding a text the format cannot carry, or grown past the size an archive may have (it
// could never be opened again), is refused before anything is written, and so is
// a name that leads to a device, a pipe or a folder.
// On failure errore names the file and the reason, in Italian.
EsitoScrittura salvaFileArchivio(const QString& percorso, const Causa& causa);

// True when the file looks like a case archive, whatever its name: a regular file no bigger than an
// archive whose first kilobyte opens with a quoted text, holds "\",\"" soon after and a line that
// opens with a quote (the content rule the desktop's type for archives uses too).
bool sembraArchivio(const QString& percorso);
bool sembraArchivio(QByteArrayView inizio);

// True when the choice names a button of a group with that many buttons (1..pulsanti).
bool nominaPulsante(Scelta scelta, int pulsanti);

// Empty when every choice of records 1 and 2 is unanswered or names a button of its group (an older
// version refuses a file with an unanswered one as damaged); otherwise the reason,
// in Italian. leggiArchivio() applies it; the windows may use it before saving.
QString controlloPrimiRecord(const DatiCausa& scelte);

// True when the archive can carry the text and give it back identical: no double quote (it would
// end the field), no NUL, no surrogate without its pair. Any other character is kept, in UTF-8
// when Windows-1252 lacks it.
bool testoArchiviabile(QStringView testo);
// The first character of the text the archive cannot carry; nothing when it can carry them all.
std::optional<char32_t> carattereNonArchiviabile(QStringView testo);
// That character named for a message: "le virgolette doppie (")", "il carattere nullo (U+0000)".
QString nomeCarattere(char32_t c);
// The first of the case's texts that the archive cannot record; nullptr when it can record all.
const QString* testoNonArchiviabile(const TestiCausa& t);

// The text without the characters testoArchiviabile() refuses (for a paste that holds some).
QString soloCaratteriArchiviabili(QStringView testo);

// Short hint shown when a header text box refuses a character.
QString avvisoCarattereNonArchiviabile();
