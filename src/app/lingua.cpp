#include "app/lingua.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace Lingua {

bool carica()
{
    static QPointer<QTranslator> installato;
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italiano);
    if (installato)
        return true;
    auto* traduttore = new QTranslator(QCoreApplication::instance());
    // "qt_it" gathers the catalogues of every Qt module the program uses.
    if (!traduttore->load(italiano, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduttore;
        return false;
    }
    QCoreApplication::installTranslator(traduttore);
    installato = traduttore;
    return true;
}

} // namespace Lingua
