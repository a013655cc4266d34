#include "partitura.h"
#include <charconv>
#include <sstream>

namespace {
constexpr int tickPerOttavo = 240;                  // 480 ticks to the quarter note
constexpr uint32_t massimoVariabile = 0x0FFFFFFF;   // the largest delta time a MIDI file can hold

struct Traccia {
    int canale = 0, programma = 0, velocita = 90;
    std::vector<uint8_t> eventi;
};

struct Rifiuto {
    std::string motivo;
};

void lunghezzaVariabile(std::vector<uint8_t>& v, uint32_t n)
{
    uint8_t b[4];
    int k = 0;
    b[k++] = n & 0x7F;
    while ((n >>= 7) && k < 4)
        b[k++] = uint8_t(0x80 | (n & 0x7F));
    while (k)
        v.push_back(b[--k]);
}

// A whole word as a number in [minimo, massimo]; nothing before or after it, no overflow.
long long numero(const std::string& parola, long long minimo, long long massimo, const char* cosa)
{
    long long n = 0;
    const char* fine = parola.data() + parola.size();
    const auto [p, ec] = std::from_chars(parola.data(), fine, n);
    if (parola.empty() || ec != std::errc() || p != fine)
        throw Rifiuto{std::string(cosa) + " non numerico: " + parola};
    if (n < minimo || n > massimo)
        throw Rifiuto{std::string(cosa) + " fuori dai limiti (" + std::to_string(minimo) + "-" + std::to_string(massimo)
                      + "): " + parola};
    return n;
}

int nota(const std::string& s)
{
    static const int base[7] = {9, 11, 0, 2, 4, 5, 7};   // A B C D E F G
    if (s.empty() || s[0] < 'A' || s[0] > 'G')
        throw Rifiuto{"nota sconosciuta: " + s};
    int n = base[s[0] - 'A'];
    size_t i = 1;
    for (; i < s.size() && (s[i] == '#' || s[i] == 'b') && i < 3; ++i)   // at most a double sharp or flat
        n += s[i] == '#' ? 1 : -1;
    const std::string ottava = s.substr(i);
    if (ottava.empty() || ottava.find_first_not_of("0123456789") != std::string::npos)
        throw Rifiuto{"nota sconosciuta: " + s};
    const int v = 12 * (int(numero(ottava, 0, 10, "ottava")) + 1) + n;
    if (v < 0 || v > 127)
        throw Rifiuto{"nota fuori dall'estensione MIDI (0-127): " + s};
    return v;
}

// The words after a keyword, exactly as many as it takes.
std::vector<std::string> argomenti(std::istringstream& parole, size_t quanti, const std::string& chiave)
{
    std::vector<std::string> v;
    for (std::string p; parole >> p;)
        v.push_back(p);
    if (v.size() != quanti)
        throw Rifiuto{chiave + (quanti == 1 ? ": atteso un numero" : ": attesi " + std::to_string(quanti) + " numeri")};
    return v;
}

void aggiungiTraccia(std::vector<uint8_t>& file, const std::vector<uint8_t>& corpo)
{
    const uint32_t n = uint32_t(corpo.size());
    file.insert(file.end(), {'M', 'T', 'r', 'k', uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)});
    file.insert(file.end(), corpo.begin(), corpo.end());
}
}   // namespace

std::optional<std::vector<uint8_t>> componiMidi(std::istream& in, ErrorePartitura& errore)
{
    long long tempo = 100;
    std::vector<Traccia> tracce;
    uint64_t attesa = 0;
    std::string riga;
    int numeroRiga = 0;
    try {
        while (std::getline(in, riga)) {
            ++numeroRiga;
            std::istringstream parole(riga);
            std::string p;
            if (!(parole >> p) || p[0] == '#')
                continue;
            if (p == "tempo") {
                // The file keeps microseconds per quarter note in three bytes.
                tempo = numero(argomenti(parole, 1, p)[0], 4, 60000000, "tempo");
                continue;
            }
            if (p == "voce") {
                const auto a = argomenti(parole, 3, p);
                Traccia t;
                t.canale = int(numero(a[0], 0, 15, "canale"));
                t.programma = int(numero(a[1], 0, 127, "programma"));
                t.velocita = int(numero(a[2], 1, 127, "velocità"));
                t.eventi = {0x00, uint8_t(0xC0 | t.canale), uint8_t(t.programma)};
                if (tracce.size() >= 0xFFFE)
                    throw Rifiuto{"troppe voci"};
                tracce.push_back(t);
                attesa = 0;
                continue;
            }
            if (tracce.empty())
                throw Rifiuto{"note prima di una voce"};
            Traccia& t = tracce.back();
            do {
                if (p == "|")
                    continue;
                const auto barra = p.find('/');
                if (barra == std::string::npos)
                    throw Rifiuto{"manca la durata in " + p};
                const uint32_t durata =
                    uint32_t(numero(p.substr(barra + 1), 1, massimoVariabile / tickPerOttavo, "durata"))
                    * tickPerOttavo;
                const std::string accordo = p.substr(0, barra);
                if (accordo == "R") {
                    attesa += durata;
                    if (attesa > massimoVariabile)
                        throw Rifiuto{"pausa troppo lunga: " + p};
                    continue;
                }
                std::vector<int> note;
                std::stringstream parti(accordo);
                for (std::string n; std::getline(parti, n, '+');)
                    note.push_back(n.empty() ? throw Rifiuto{"nota sconosciuta: " + p} : nota(n));
                if (note.empty() || accordo.back() == '+')
                    throw Rifiuto{"nota sconosciuta: " + p};
                for (size_t i = 0; i < note.size(); ++i) {
                    lunghezzaVariabile(t.eventi, i == 0 ? uint32_t(attesa) : 0);
                    t.eventi.insert(t.eventi.end(), {uint8_t(0x90 | t.canale), uint8_t(note[i]), uint8_t(t.velocita)});
                }
                // Released a little early, so that repeated notes are heard apart.
                const uint32_t suono = durata - tickPerOttavo / 8;
                for (size_t i = 0; i < note.size(); ++i) {
                    lunghezzaVariabile(t.eventi, i == 0 ? suono : 0);
                    t.eventi.insert(t.eventi.end(), {uint8_t(0x80 | t.canale), uint8_t(note[i]), 0});
                }
                attesa = tickPerOttavo / 8;
                if (t.eventi.size() > 0xFFFFFF00u)
                    throw Rifiuto{"voce troppo lunga"};
            } while (parole >> p);
        }
    } catch (const Rifiuto& r) {
        errore = {numeroRiga, r.motivo};
        return std::nullopt;
    }

    std::vector<uint8_t> file;
    const uint16_t ntracce = uint16_t(tracce.size() + 1);
    file.insert(file.end(), {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, uint8_t(ntracce >> 8), uint8_t(ntracce),
                             uint8_t((tickPerOttavo * 2) >> 8), uint8_t((tickPerOttavo * 2) & 0xFF)});
    const uint32_t microsecondi = uint32_t(60000000 / tempo);
    aggiungiTraccia(file, {0x00, 0xFF, 0x51, 0x03, uint8_t(microsecondi >> 16), uint8_t(microsecondi >> 8),
                           uint8_t(microsecondi), 0x00, 0xFF, 0x2F, 0x00});
    for (Traccia& t : tracce) {
        t.eventi.insert(t.eventi.end(), {0x00, 0xFF, 0x2F, 0x00});
        aggiungiTraccia(file, t.eventi);
    }
    return file;
}
