#pragma once
// The texts of the judgment: for every rule key the reasoning that follows the outcome sentence and
// quotes the Civil Code, and the comment that advises the plaintiff. The outcome and the comment
// form are the rule's own (regole.h); this table holds only words.
#include "core/regole.h"

#include <QString>
#include <vector>

struct VoceCatalogo {
    const char* chiave;
    QString motivazione;   // one paragraph, no line breaks, after "L'attore vince/perde la causa. "
    QString commento;      // for forms N and A it begins with a blank, to follow the name
};

// All the entries, in the order the rules are tried. RF's entry holds its texts for a possession
// too short for the case; when the years suffice, its texts name the defects instead.
const std::vector<VoceCatalogo>& catalogoSentenze();

// The entry of a rule key, or nullptr for a key that has none.
const VoceCatalogo* voceCatalogo(const QString& chiave);

// How the judgment and its account name an interruption the defendant proved: the act, the act
// after "interrotto" and its articles.
struct NomeInterruzione {
    QString nome;       // "notificazione di una domanda giudiziale"
    QString dal;        // "dalla notificazione di una domanda giudiziale"
    QString articoli;   // "artt. 1165 e 2943"
};
NomeInterruzione nomeInterruzione(TipoInterruzione tipo);

// Its dates: "dal 1/1/1970 al 1/1/1975", or "il 1/6/2000" for an act of one day.
QString dateInterruzione(const Origini& o);

// "L'attore vince la causa." or "L'attore perde la causa."
QString fraseEsito(Esito esito);

// The judgment paragraph of a rule as it stands in the table: outcome sentence, blank, reasoning.
QString sentenzaDellaRegola(const Regola& regola);

// The comment as the judgment window shows it; the name goes in exactly as typed.
QString commentoCompleto(FormaCommento forma, const QString& testo, const QString& nomeAttore);

// The two texts of a decision: for RF they follow its reason (period, defects or missing answers).
QString testoSentenza(const Decisione& d);
QString testoCommento(const Decisione& d, const QString& nomeAttore);

// What the judgment writes for a case: the key of the rule that decided it, the paragraph for
// testosentenza and the comment for commento, with the plaintiff's name as typed.
struct Sentenza {
    QString chiave;
    QString testo;
    QString commento;
};

Sentenza emettiSentenza(const Fatti& fatti, const QString& nomeAttore);
