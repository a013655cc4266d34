#pragma once
// The evidence the plaintiff's counsel should gather, drawn from the facts and the rule of a
// judgment: for each requirement the kinds of proof that carry it and those that do not, and for
// each objection the defendant proved what would meet it.
#include "core/giudizio.h"

#include <QString>
#include <QStringList>
#include <vector>

struct RequisitoDaProvare {
    QString requisito;     // "Il possesso e la sua durata"
    QStringList utili;     // the proofs that carry it
    QStringList inutili;   // those that do not, and why
};

struct ReplicaObiezione {
    QString obiezione;     // what the defendant proved
    QString replica;       // what would meet it
    QString cambierebbe;   // the change of the facts that turns the judgment on it, when one does
};

struct ProveDaRaccogliere {
    std::vector<RequisitoDaProvare> requisiti;
    std::vector<ReplicaObiezione> repliche;
};

ProveDaRaccogliere proveDaRaccogliere(const Giudizio& g);

// "Prove da raccogliere per l'attore", as every place that shows the section names it.
QString titoloProve();
// The section as lines: each requirement with its proofs, then each objection with its reply.
QStringList righeProve(const ProveDaRaccogliere& p);

// Whether the right claimed is on an immovable: the court, the cadastral data and the transcription
// of the judgment follow from it.
bool suImmobile(const std::optional<Tipologia>& t);
