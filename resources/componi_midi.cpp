// Turns the text score of the splash tune into a standard MIDI file. A faulty score stops the
// build with the line to mend, and leaves no file behind.
#include "partitura.h"
#include <cstdio>
#include <fstream>
#include <iostream>

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
    ErrorePartitura errore;
    const auto midi = componiMidi(in, errore);
    if (!midi) {
        std::cerr << argv[1] << ", riga " << errore.riga << ": " << errore.motivo << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(midi->data()), std::streamsize(midi->size()));
    out.close();
    if (!out) {
        std::cerr << "impossibile scrivere " << argv[2] << "\n";
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
