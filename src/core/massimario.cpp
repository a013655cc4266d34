#include "core/massimario.h"

#include <string>

QStringList argomentiMassime()
{
    return {QStringLiteral("Accessione"),   QStringLiteral("Compossesso"),
            QStringLiteral("Condominio"),   QStringLiteral("Distanze"),
            QStringLiteral("Forma"),        QStringLiteral("Immobili"),
            QStringLiteral("Interruzione"), QStringLiteral("Libertà"),
            QStringLiteral("Luci"),         QStringLiteral("Passaggi"),
            QStringLiteral("Possesso"),     QStringLiteral("Servitù"),
            QStringLiteral("Tolleranza"),   QStringLiteral("Usucapione decennale")};
}

QStringList massimeArgomento(int argomento)
{
    switch (argomento) {
    case 1: return massime01();
    case 2: return massime02();
    case 3: return massime03();
    case 4: return massime04();
    case 5: return massime05();
    case 6: return massime06();
    case 7: return massime07();
    case 8: return massime08();
    case 9: return massime09();
    case 10: return massime10();
    case 11: return massime11();
    case 12: return massime12();
    case 13: return massime13();
    case 14: return massime14();
    default: return {};
    }
}

int totaleMassime() { return numeroMassime01_05 + numeroMassime06_11 + numeroMassime12_14; }

QStringList elencoMassime(const Massima* massime, std::size_t quante)
{
    QStringList elenco;
    elenco.reserve(qsizetype(quante));
    for (std::size_t i = 0; i < quante; ++i)
        elenco << massima(massime[i].enunciato, massime[i].citazione);
    return elenco;
}

QStringList elencoMassime(const char16_t* const* testi, std::size_t quante)
{
    // The texts are the program's own constants: the strings refer to them without a copy.
    QStringList elenco;
    elenco.reserve(qsizetype(quante));
    for (std::size_t i = 0; i < quante; ++i)
        elenco << QString::fromRawData(reinterpret_cast<const QChar*>(testi[i]),
                                       qsizetype(std::char_traits<char16_t>::length(testi[i])));
    return elenco;
}

QString massima(const char* enunciato, const char* citazione)
{
    return QString::fromUtf8(enunciato) + QStringLiteral(" - (") + QString::fromUtf8(citazione) + QLatin1Char(')');
}
