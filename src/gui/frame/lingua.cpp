#include "gui/frame/lingua.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace Lingua {

namespace {
const QLocale italiano(QLocale::Italian, QLocale::Italy);
}

void imposta() { QLocale::setDefault(italiano); }

void sistemaInItaliano()
{
    const bool impostata = qEnvironmentVariableIsSet("LC_ALL");
    const QByteArray prima = qgetenv("LC_ALL");
    qputenv("LC_ALL", "it_IT.UTF-8");
    QLocale::system();
    if (impostata)
        qputenv("LC_ALL", prima);
    else
        qunsetenv("LC_ALL");
}

bool carica()
{
    static QPointer<QTranslator> installato;
    imposta();
    if (installato)
        return true;
    auto* traduttore = new QTranslator(QCoreApplication::instance());
    // Every Qt module the program uses (Core, Gui, Widgets, PrintSupport) is in "qtbase"; the
    // "qt" catalogue would load other modules' catalogues as well.
    if (!traduttore->load(italiano, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduttore;
        return false;
    }
    QCoreApplication::installTranslator(traduttore);
    installato = traduttore;
    return true;
}

}   // namespace Lingua
