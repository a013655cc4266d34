#pragma once
// The words and the shape of a case, without any window: the twelve types, the six requirements of
// the possession with their answers, and the seven objections the defendant can raise. The case
// windows build themselves from these rows; the judgment's lines read them too.
#include "core/daticausa.h"
#include "core/prove.h"

#include <QString>
#include <QVector>
#include <vector>

namespace TabelleCausa {

inline constexpr int tipologie = 12;
// The caption of type i (1..12) as the header window lists it, padded with periods; empty otherwise.
QString didascaliaTipologia(int i);
// The caption without the periods that pad it ("proprietà"); empty for a number naming no type.
QString nomeTipologia(int i);
QString nomeTipologia(const std::optional<Tipologia>& t);

// One requirement group of the possession window.
struct Requisito {
    const char* nome;     // the option group's name
    const char* titolo;   // caption of its frame
    std::vector<const char*> opzioni;
    int base;                  // marker of option i is Image1(i + base)
    CampoRisposta variabile;   // option i is the answer numbered i
    int articolo;              // cod(i): position of its article (0: depends on the case type)
    const char* tooltipObiezione;
    int concessione;   // the plaintiff's own answer that makes the objection pointless; 0 none
    const char* messaggioConcessione;
    const char* messaggioMancante;
    const char* finestra;   // the objection window it opens
};
// Groups 1..6 in window order: interr, modus, psic, prov, fed, acq.
const std::vector<Requisito>& requisiti();
// The caption of answer i of requirement k (1..6); empty for an index naming no answer.
QString didascaliaRisposta(int k, Scelta risposta);

// One objection of the defendant: the dates (1), or one requirement (2..7, the requirement k - 1).
// A date objection has two proofs and its own two dates; a questionnaire has one proof.
struct Obiezione {
    const char* finestra;
    CampoRisposta prova;                      // raised once this proof is chosen (the start proof for dates)
    CampoRisposta provaFine;                  // dates only
    QString TestiCausa::*dataInizio;          // dates only
    QString TestiCausa::*dataFine;            // dates only
    QString titolo, titoloFine;               // the frames of the proofs: "… risulta da: "
    QVector<Prove::Prova> prove, proveFine;   // dates only; a questionnaire lists its twelve
};
inline constexpr int obiezioni = 7;
// Objections 1..7, in the order of the possession window's objection buttons.
const std::vector<Obiezione>& tabellaObiezioni();
const Obiezione& obiezione(int k);
// The caption of proof i of an objection's start (fine false) or end group; empty when i names none.
QString didascaliaProva(const Obiezione& o, Scelta i, bool fine = false);

}   // namespace TabelleCausa
