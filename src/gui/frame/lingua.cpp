#include "gui/frame/lingua.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace Lingua {

namespace {
const QLocale italiano(QLocale::Italian, QLocale::Italy);

// What Qt's Italian catalogue of this release lacks and a user sees: the kinds of file in the
// file dialogs' type column. Asked before the catalogue; anything else goes on to it.
class TraduzioniMancanti : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* contesto, const char* testo, const char* chiarimento, int n) const override
    {
        Q_UNUSED(chiarimento);
        Q_UNUSED(n);
        if (qstrcmp(contesto, "QAbstractFileIconProvider") != 0)
            return {};
        static const struct {
            const char* inglese;
            const char* italiano;
        } voci[] = {{"Folder", "Cartella"}, {"Drive", "Unità"}, {"%1 File", "File %1"}, {"File", "File"}};
        for (const auto& v : voci)
            if (qstrcmp(testo, v.inglese) == 0)
                return QString::fromUtf8(v.italiano);
        return {};
    }
};
}   // namespace

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
    // Installed after the catalogue, so asked before it.
    QCoreApplication::installTranslator(new TraduzioniMancanti(traduttore));
    installato = traduttore;
    return true;
}

}   // namespace Lingua
