#pragma once
// The texts of the judgment: for every rule key ("RD", "RS", "R1" .. "R47", "RF") the paragraph that
// states the outcome and quotes the Civil Code, and the comment that advises the plaintiff.
#include "judgment/regole.h"

#include <QString>
#include <vector>

struct VoceCatalogo {
    const char* chiave;
    bool vince;        // the paragraph opens "L'attore vince la causa." rather than "... perde ..."
    char forma;        // 'C' the comment alone, 'N' name + comment, 'A' "A " + name + comment
    QString sentenza;  // one paragraph, no line breaks
    QString commento;  // for forms N and A it begins with a blank, to follow the name
};

// All the entries, in the order the rules are tried: RD, RS, R1 .. R47, RF.
const std::vector<VoceCatalogo>& catalogoSentenze();

// The entry of a rule key, or nullptr for a key that has none.
const VoceCatalogo* voceCatalogo(const QString& chiave);

// The comment as the judgment window shows it; the name goes in exactly as typed.
QString commentoCompleto(const VoceCatalogo& voce, const QString& nomeAttore);

// What the judgment writes for a case: the key of the rule that decided it, the paragraph for
// testosentenza and the comment for commento, with the plaintiff's name as typed.
struct Sentenza {
    QString chiave;
    QString testo;
    QString commento;
};

Sentenza emettiSentenza(const Fatti& fatti, const QString& nomeAttore);
