#pragma once
// The draft of a writ of summons (atto di citazione) for the plaintiff who wins: the court, the
// parties, the facts in numbered paragraphs from the record, the law the judgment rests on, the
// mediation statement, the chapters of proof, the conclusions. What the program cannot know is a
// marked blank for the lawyer; no statute's wording is given, only its number.
#include "core/giudizio.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct SezioneCitazione {
    QString titolo;   // "FATTO"; empty for a section without a heading
    QStringList paragrafi;
    bool numerati = false;   // the paragraphs are numbered 1., 2., ...
};

struct BozzaCitazione {
    QString avvertenza;   // at the top: a draft, to be completed and checked
    QString tribunale;    // "TRIBUNALE DI ROMA"
    QString notaTribunale;
    std::vector<SezioneCitazione> sezioni;
    QStringList articoli;   // every article cited, "art. 1158 c.c.", in order of first citation
};

// The marks of what the lawyer must fill in or check.
QString daCompletare(const QString& cosa = {});
QString daVerificare(const QString& cosa);

// The draft, or nothing when the plaintiff loses: no writ asks for what the facts do not give.
std::optional<BozzaCitazione> bozzaCitazione(const Giudizio& g);
// Why a case gets no draft; empty when it gets one.
QString senzaCitazione(const Giudizio& g);

// The term by which a won case was acquired: the one completed, or for a movable delivered in good
// faith with a title, which needs none, the one its facts call for (art. 1153).
Termine termineDellAcquisto(const Decisione& d);

// "Bozza di atto di citazione", as every place that offers the draft names it.
QString titoloCitazione();
// A date as the draft writes it: "1° gennaio 1990", "15 marzo 2004".
QString dataCitazione(const QDate& d);
