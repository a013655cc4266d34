#pragma once
// The case-law maxims, compiled into the program. Each maxim is stored as one plain text:
// the statement of the principle, " - (", the citation, ")".
#include <QStringList>
#include <cstddef>
#include <iterator>

// The stored form of one maxim: the statement, " - (", the citation, ")".
QString massima(const char* enunciato, const char* citazione);

// A maxim as the content files write it: as the two parts, or already whole.
struct Massima {
    const char* enunciato;
    const char* citazione;
};
QStringList elencoMassime(const Massima* massime, std::size_t quante);
QStringList elencoMassime(const char16_t* const* testi, std::size_t quante);
template <std::size_t N> QStringList elencoMassime(const Massima (&massime)[N]) { return elencoMassime(massime, N); }
template <std::size_t N> QStringList elencoMassime(const char16_t* const (&testi)[N])
{
    return elencoMassime(testi, N);
}

// How many maxims each content file holds.
extern const int numeroMassime01_05, numeroMassime06_11, numeroMassime12_14;

// The 14 topic names in list order (position 0 is topic 1).
QStringList argomentiMassime();
// The maxims of topic 1..14 in display order; an empty list for any other number.
QStringList massimeArgomento(int argomento);
// How many maxims are stored, over every topic: the count the main menu shows.
int totaleMassime();

// One function per topic, each defined in the content file that holds the topic.
QStringList massime01();   // Accessione
QStringList massime02();   // Compossesso
QStringList massime03();   // Condominio
QStringList massime04();   // Distanze
QStringList massime05();   // Forma
QStringList massime06();   // Immobili
QStringList massime07();   // Interruzione
QStringList massime08();   // Libertà
QStringList massime09();   // Luci
QStringList massime10();   // Passaggi
QStringList massime11();   // Possesso
QStringList massime12();   // Servitù
QStringList massime13();   // Tolleranza
QStringList massime14();   // Usucapione decennale
