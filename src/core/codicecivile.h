#pragma once
// The Civil Code as the program quotes it: the 32 articles on possession and acquisitive
// prescription (1140 to 1170 with 1159 bis), each with its short comment, and the further
// articles the program quotes (812, 816, 822 on goods; 832 on ownership; 823 and 1061, which no usucapione reaches;
// 2727, 2730, 2736 on proofs; 2943, 2944 on interruption). The law lives here only; windows build their texts from
// these functions.
#include <QString>
#include <QStringList>

namespace CodiceCivile {

inline constexpr int numeroArticoli = 32;

// The separator between an article's text and its comment: 20 hyphens.
QString separatore();

// Article number of an article-button position 1..32: "1140".."1159", "1159 bis", "1160".."1170";
// an empty text for any other position.
QString numeroArticolo(int posizione);

// The number the status line shows for a position: position + 1139, less one past 1159, so that
// 1159 bis reads 1159 and 1160..1170 follow. Defined for 1..32.
int numeroStato(int posizione);

// Button caption, also the print-out heading of the article.
QString didascalia(int posizione);

// The article's paragraphs (commi) in the official wording, one element each.
QStringList commi(int posizione);

// The comment line, beginning "Commento: "; empty for article 1150 (position 11), which has none.
QString commento(int posizione);

// Display text: "Articolo <numero> del Codice Civile:" CR, each paragraph followed by CR, the
// separator, then CR and the comment line when there is a comment. CR is "\r", never a line feed.
QString testoArticolo(const QString& numero, const QStringList& paragrafi, const QString& commento);

// The display text of position 1..32 (what the window stores in articoli); empty otherwise.
QString testoVisualizzato(int posizione);

// The stored print lines of position 1..32: its paragraphs justified to 102 characters.
QStringList righeStampa(int posizione);

// Further articles, by their number (812, 816, 822, 823, 832, 1061, 2727, 2730, 2736, 2943, 2944):
// paragraphs (823 its first only) as
// the program quotes them and, for the five on proofs and interruption, the comment line.
// Empty for any other number.
QStringList commiCitati(int articolo);
// The paragraphs of an article by its number ("1159 bis" for the one that has no plain number),
// from whichever of the two holds it; empty otherwise.
QStringList commiArticolo(const QString& numero);
QStringList commiArticolo(int articolo);
QString commentoCitato(int articolo);
// Display text of 2727, 2730, 2736, 2943 or 2944, built like the 32 articles'; empty otherwise.
QString testoCitato(int articolo);

// The explanations of goods the case header shows (in order: universality of movables, art. 816;
// immovable and movable goods, art. 812; the public domain, art. 822). Lines joined by CR.
QString spiegazioneUniversalita();
QString spiegazioneBeni();
QString spiegazioneDemanio();

}   // namespace CodiceCivile
