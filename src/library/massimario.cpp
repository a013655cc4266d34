#include "library/massimario.h"

QStringList argomentiMassime()
{
    return {QStringLiteral("Accessione"),  QStringLiteral("Compossesso"), QStringLiteral("Condominio"),
            QStringLiteral("Distanze"),    QStringLiteral("Forma"),       QStringLiteral("Immobili"),
            QStringLiteral("Interruzione"), QStringLiteral("Libertà"),    QStringLiteral("Luci"),
            QStringLiteral("Passaggi"),    QStringLiteral("Possesso"),    QStringLiteral("Servitù"),
            QStringLiteral("Tolleranza"),  QStringLiteral("Usucapione decennale")};
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

int totaleMassime()
{
    // Counted once: the texts are built only to be counted, and the content never changes in a run.
    static const int totale = [] {
        int n = 0;
        for (int k = 1; k <= argomentiMassime().size(); ++k)
            for (const QString& m : massimeArgomento(k))
                n += !m.isEmpty();
        return n;
    }();
    return totale;
}

QString massima(const char* enunciato, const char* citazione)
{
    return QString::fromUtf8(enunciato) + QStringLiteral(" - (") + QString::fromUtf8(citazione) + QLatin1Char(')');
}
