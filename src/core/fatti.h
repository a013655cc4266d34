#pragma once
// What a judgment reads of a case, read once: every answer in its own type, every date text read
// as a date (or left empty when it is not one). The decision, the completeness of the case and the
// lines of the judgment all read this, and none reads the record's texts again.
#include "core/daticausa.h"
#include "core/risposte.h"

#include <QDate>
#include <optional>

struct Fatti {
    std::optional<Tipologia> tipologia;

    // The plaintiff's answers on the possession.
    std::optional<Interruzione> interruzione;
    std::optional<Modo> modo;
    std::optional<Animo> animo;
    std::optional<Provenienza> provenienza;
    std::optional<Fede> fede;
    std::optional<Titolo> titolo;

    // The defendant's proofs against them.
    std::optional<ProvaRequisito> obiezioneModo, obiezioneAnimo, obiezioneProvenienza, obiezioneFede,
        obiezioneTitolo;

    std::optional<QDate> possessoInizio, possessoFine;   // the plaintiff's

    // The defendant's dates of the possession, and their proofs.
    std::optional<QDate> ledateInizio, ledateFine;
    std::optional<ProvaCorta> provaInizioDate;
    std::optional<ProvaLunga> provaFineDate;

    // The defendant's interruption: its dates, their proofs, the act and what followed it.
    std::optional<QDate> interruzioneInizio, interruzioneFine;
    std::optional<ProvaLunga> provaInizioInterruzione;
    std::optional<ProvaCorta> provaFineInterruzione;
    std::optional<AttoInterruttivo> atto;   // empty in an archive that never asked: the start proof tells it
    std::optional<EstinzioneGiudizio> estinzione;
    std::optional<Recupero> recupero;

    std::optional<QDate> trascrizione;      // of the title
    std::optional<QDate> cessazioneVizio;   // the day violence or clandestinity ceased

    // The act that interrupted, as attoInterruttivo() tells it.
    AttoInterruttivo attoInterruzione() const { return attoInterruttivo(atto, provaInizioInterruzione); }
    // Whether the interruption has a second date (see chiedeRipresa()).
    bool interruzioneConRipresa() const { return chiedeRipresa(attoInterruzione(), estinzione); }

    static Fatti da(const Causa& causa);
};

// True when each of the six answers on the possession names one of its options.
bool requisitiRisposti(const Fatti& f);
