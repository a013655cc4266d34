#pragma once
// The case record: the answers given across the case windows and the texts typed in them.
#include "core/risposte.h"

#include <QString>
#include <QtGlobal>
#include <optional>
#include <type_traits>

// The number of an answer: the one the archive writes, and the position of its option in its
// window (counted from 1); empty while the question is unanswered.
using Scelta = std::optional<qint16>;

// The answers of a case, each in its own type; an empty one is a question not yet answered.
struct DatiCausa {
    std::optional<Tipologia> tipologia{};
    // The plaintiff's answers on the possession.
    std::optional<Interruzione> interruzione{};
    std::optional<Modo> modo{};
    std::optional<Animo> animo{};
    std::optional<Provenienza> provenienza{};
    std::optional<Fede> fede{};
    std::optional<Titolo> titolo{};
    // The proofs of the defendant's dates of the possession, and of his interruption.
    std::optional<ProvaCorta> provaInizioDate{};
    std::optional<ProvaLunga> provaFineDate{};
    std::optional<ProvaLunga> provaInizioInterruzione{};
    std::optional<ProvaCorta> provaFineInterruzione{};
    // The defendant's proofs against the answers on the possession.
    std::optional<ProvaRequisito> obiezioneModo{}, obiezioneAnimo{}, obiezioneProvenienza{}, obiezioneFede{},
        obiezioneTitolo{};
    // What interrupted the possession; empty in an archive written before it was asked, where the
    // start proof tells it.
    std::optional<AttoInterruttivo> atto{};
    // Where the proceedings on a judicial claim stand: final, extinguished or pending.
    std::optional<StatoGiudizio> statoGiudizio{};
    // Whether the possession lost was recovered through the action brought within the year.
    std::optional<Recupero> recupero{};

    // The act that interrupted, as attoInterruttivo() tells it.
    AttoInterruttivo attoInterruzione() const { return attoInterruttivo(atto, provaInizioInterruzione); }
    // Whether the interruption has a second date (see chiedeRipresa()).
    bool interruzioneConRipresa() const { return chiedeRipresa(attoInterruzione(), statoGiudizio); }

    friend bool operator==(const DatiCausa&, const DatiCausa&) = default;
};

// One answer of the record seen through its number, for the tables that the archive and the
// windows walk field by field.
struct CampoRisposta {
    Scelta (*numero)(const DatiCausa&);
    void (*imposta)(DatiCausa&, Scelta);   // the answer the number names; empty: none

    template <auto campo> static constexpr CampoRisposta di()
    {
        using E = typename std::remove_cvref_t<decltype(DatiCausa{}.*campo)>::value_type;
        return {[](const DatiCausa& d) { return ::numero(d.*campo); },
                [](DatiCausa& d, Scelta n) { d.*campo = daNumero<E>(n); }};
    }
};

// The texts of a case, in the order the archive stores them; each starts empty, so that a case
// names only the texts it sets.
struct TestiCausa {
    QString attore{}, convenuto{}, bene{}, luogo{};
    QString possessoInizio{}, possessoFine{};
    QString ledateInizio{}, ledateFine{};
    QString interruzioneInizio{}, interruzioneFine{};
    // Optional dates: the transcription of the title, and when violence or clandestinity ceased.
    QString trascrizione{}, cessazioneVizio{};

    friend bool operator==(const TestiCausa&, const TestiCausa&) = default;
};

// A whole case as an archive holds it.
struct Causa {
    TestiCausa testi;
    DatiCausa scelte;
    // Records a newer version wrote after the ones this version knows, as read, line ends included:
    // written back after them, so that a save here loses none of them.
    QString recordSuccessivi{};

    friend bool operator==(const Causa&, const Causa&) = default;
};
