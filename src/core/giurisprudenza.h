#pragma once
// The case law that bears on a judgment: a table joining each point a rule or a disputed fact
// turns on to the topics of the maxims library and to the maxims that make that very point. The
// judgment window, its documents and the command-line judge list what it gives for a decision.
#include "core/regole.h"

#include <QString>
#include <QStringList>
#include <vector>

// A maxim of the library: topic 1..14 and its number within the topic, both from 1.
struct RiferimentoMassima {
    int argomento = 0;
    int numero = 0;
    friend bool operator==(const RiferimentoMassima&, const RiferimentoMassima&) = default;
};

// One point of law and the maxims on it.
struct PuntoGiurisprudenza {
    const char* chiave;                        // "interruzione-domanda", "art. 1159"
    const char* descrizione;                   // what the point is, in Italian
    std::vector<int> argomenti;                // the topics it belongs to
    std::vector<RiferimentoMassima> massime;   // the maxims on it, the most direct first
};

// Every point, in a fixed order.
const std::vector<PuntoGiurisprudenza>& tabellaGiurisprudenza();
const PuntoGiurisprudenza* puntoGiurisprudenza(const QString& chiave);

// The points a row of the rule table turns on: the right never acquired, the term it is built
// around, each defect it tests, the declaration it gives; for the last row the requirements.
QStringList puntiDellaRegola(const Regola& regola);
// Those of the rule that decided, then those of each fact the defendant disputed or the decision
// weighed (the kind of interruption, a transcription, the end of violence), without repeats.
QStringList puntiDelGiudizio(const Decisione& d);

struct MassimaPertinente {
    RiferimentoMassima riferimento;
    QString punto;        // the key of the first point that brought it
    QString citazione;    // "Cassazione civile, 25 febbraio 1982, n.1201"
    QString primaFrase;   // the statement's first sentence
};

// The maxims on the points of a decision, each once, in the order of its points.
std::vector<MassimaPertinente> massimePertinenti(const Decisione& d);

// The stored text of a maxim (empty outside the library) and its parts.
QString testoMassima(const RiferimentoMassima& r);
QString citazioneMassima(const QString& testo);
QString primaFraseMassima(const QString& testo);

// "Giurisprudenza pertinente", as every place that shows the section names it.
QString titoloGiurisprudenza();
// One line a maxim: "Cassazione civile, 25 febbraio 1982, n.1201: Ai fini dell'usucapione ...".
QStringList righeGiurisprudenza(const std::vector<MassimaPertinente>& massime);
