// Turns the text score of the splash tune into a standard MIDI file (format 1).
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr int tickPerOttavo = 240;   // 480 ticks to the quarter note

struct Traccia {
    int canale = 0, programma = 0, velocita = 90;
    std::vector<uint8_t> eventi;
};

void lunghezzaVariabile(std::vector<uint8_t>& v, uint32_t n)
{
    uint8_t b[4];
    int k = 0;
    b[k++] = n & 0x7F;
    while (n >>= 7)
        b[k++] = uint8_t(0x80 | (n & 0x7F));
    while (k)
        v.push_back(b[--k]);
}

int nota(const std::string& s)
{
    static const int base[7] = {9, 11, 0, 2, 4, 5, 7};   // A B C D E F G
    if (s.empty() || s[0] < 'A' || s[0] > 'G')
        return -1;
    int n = base[s[0] - 'A'];
    size_t i = 1;
    for (; i < s.size() && (s[i] == '#' || s[i] == 'b'); ++i)
        n += s[i] == '#' ? 1 : -1;
    if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i])))
        return -1;
    return 12 * (std::stoi(s.substr(i)) + 1) + n;
}

void scriviTraccia(std::ofstream& out, const std::vector<uint8_t>& corpo)
{
    out.write("MTrk", 4);
    const uint32_t n = uint32_t(corpo.size());
    const char len[4] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
    out.write(len, 4);
    out.write(reinterpret_cast<const char*>(corpo.data()), std::streamsize(corpo.size()));
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "uso: componi_midi partitura.melodia uscita.mid\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "impossibile leggere " << argv[1] << "\n";
        return 1;
    }
    int tempo = 100;
    std::vector<Traccia> tracce;
    uint32_t attesa = 0;
    std::string riga;
    int numeroRiga = 0;
    while (std::getline(in, riga)) {
        ++numeroRiga;
        if (auto c = riga.find('#'); c != std::string::npos && (c == 0 || riga[c - 1] == ' ') && riga.find_first_not_of(' ') == c)
            continue;
        std::istringstream parole(riga);
        std::string p;
        if (!(parole >> p))
            continue;
        if (p == "tempo") {
            parole >> tempo;
            continue;
        }
        if (p == "voce") {
            Traccia t;
            parole >> t.canale >> t.programma >> t.velocita;
            t.eventi = {0x00, uint8_t(0xC0 | t.canale), uint8_t(t.programma)};
            tracce.push_back(t);
            attesa = 0;
            continue;
        }
        if (tracce.empty()) {
            std::cerr << "riga " << numeroRiga << ": note prima di una voce\n";
            return 1;
        }
        Traccia& t = tracce.back();
        do {
            if (p == "|")
                continue;
            const auto barra = p.find('/');
            if (barra == std::string::npos) {
                std::cerr << "riga " << numeroRiga << ": manca la durata in " << p << "\n";
                return 1;
            }
            const uint32_t durata = uint32_t(std::stoi(p.substr(barra + 1))) * tickPerOttavo;
            const std::string accordo = p.substr(0, barra);
            if (accordo == "R") {
                attesa += durata;
                continue;
            }
            std::vector<int> note;
            std::stringstream parti(accordo);
            for (std::string n; std::getline(parti, n, '+');) {
                const int v = nota(n);
                if (v < 0) {
                    std::cerr << "riga " << numeroRiga << ": nota sconosciuta " << n << "\n";
                    return 1;
                }
                note.push_back(v);
            }
            for (size_t i = 0; i < note.size(); ++i) {
                lunghezzaVariabile(t.eventi, i == 0 ? attesa : 0);
                t.eventi.insert(t.eventi.end(), {uint8_t(0x90 | t.canale), uint8_t(note[i]), uint8_t(t.velocita)});
            }
            // Released a little early, so that repeated notes are heard apart.
            const uint32_t suono = durata - tickPerOttavo / 8;
            for (size_t i = 0; i < note.size(); ++i) {
                lunghezzaVariabile(t.eventi, i == 0 ? suono : 0);
                t.eventi.insert(t.eventi.end(), {uint8_t(0x80 | t.canale), uint8_t(note[i]), 0});
            }
            attesa = tickPerOttavo / 8;
        } while (parole >> p);
    }
    std::ofstream out(argv[2], std::ios::binary);
    if (!out) {
        std::cerr << "impossibile scrivere " << argv[2] << "\n";
        return 1;
    }
    const uint16_t ntracce = uint16_t(tracce.size() + 1);
    const char testata[14] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, char(ntracce >> 8), char(ntracce),
                              char((tickPerOttavo * 2) >> 8), char((tickPerOttavo * 2) & 0xFF)};
    out.write(testata, 14);
    const uint32_t microsecondi = uint32_t(60000000 / tempo);
    scriviTraccia(out, {0x00, 0xFF, 0x51, 0x03, uint8_t(microsecondi >> 16), uint8_t(microsecondi >> 8),
                        uint8_t(microsecondi), 0x00, 0xFF, 0x2F, 0x00});
    for (Traccia& t : tracce) {
        t.eventi.insert(t.eventi.end(), {0x00, 0xFF, 0x2F, 0x00});
        scriviTraccia(out, t.eventi);
    }
    return out ? 0 : 1;
}
