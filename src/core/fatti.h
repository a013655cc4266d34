#pragma once
// What a judgment reads of a case, read once: every answer in its own type, every date text read
// as a date (or left empty when it is not one). The decision, the completeness of the case and the
// lines of the judgment all read this, and none reads the record's texts again.
#include "core/daticausa.h"
#include "core/risposte.h"

#include <QDate>
#include <optional>

// The answers as the record holds them, and its dates read.
struct Fatti : DatiCausa {
    std::optional<QDate> possessoInizio, possessoFine;   // the plaintiff's

    std::optional<QDate> ledateInizio, ledateFine;   // the defendant's dates of the possession

    std::optional<QDate> interruzioneInizio, interruzioneFine;   // the defendant's interruption

    std::optional<QDate> trascrizione;      // of the title
    std::optional<QDate> cessazioneVizio;   // the day violence or clandestinity ceased

    static Fatti da(const Causa& causa);
};

// True when each of the six answers on the possession names one of its options.
bool requisitiRisposti(const DatiCausa& d);
