#pragma once
// The case-law maxims, compiled into the program. Each maxim is stored as one plain text:
// the statement of the principle, " - (", the citation, ")".
#include <QStringList>

// The stored form of one maxim: the statement, " - (", the citation, ")".
QString massima(const char* enunciato, const char* citazione);

// The 14 topic names in list order (position 0 is topic 1).
QStringList argomentiMassime();
// The maxims of topic 1..14 in display order; an empty list for any other number.
QStringList massimeArgomento(int argomento);
// How many maxims are stored, over every topic: the count the main menu shows.
int totaleMassime();

// One function per topic, each defined in the content file that holds the topic.
QStringList massime01();  // Accessione
QStringList massime02();  // Compossesso
QStringList massime03();  // Condominio
QStringList massime04();  // Distanze
QStringList massime05();  // Forma
QStringList massime06();  // Immobili
QStringList massime07();  // Interruzione
QStringList massime08();  // Libertà
QStringList massime09();  // Luci
QStringList massime10();  // Passaggi
QStringList massime11();  // Possesso
QStringList massime12();  // Servitù
QStringList massime13();  // Tolleranza
QStringList massime14();  // Usucapione decennale
