#pragma once
// The text score of the splash tune and the standard MIDI file (format 1) made from it.
//
//   tempo N              quarter notes a minute
//   voce C P V           opens a track: MIDI channel 0-15, General MIDI program 0-127, velocity 1-127
//   D5/2 F#5+A5/4 R/2 |  notes as NAME/LENGTH in eighths, chords joined by "+", "R" a rest, "|" a bar
//   # ...                a comment line
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

struct ErrorePartitura {
    int riga = 0;   // from 1
    std::string motivo;
};

// The MIDI file of a score, or the first fault found in it (then nothing is made).
std::optional<std::vector<uint8_t>> componiMidi(std::istream& partitura, ErrorePartitura& errore);
