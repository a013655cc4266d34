// The system's locale, which Qt's own file dialog dates files in, reads as Italian whatever the
// environment says, and the environment is left as it was for the programs started later; the
// dialog's kinds of file are Italian too.
#include "gui/frame/lingua.h"

#include <QAbstractFileIconProvider>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QDate>
#include <QLocale>
#include <QTest>

class TstLinguaSistema : public QObject {
    Q_OBJECT
private slots:
    void dateDelSistemaInItaliano()
    {
        const QLocale sistema = QLocale::system();
        QCOMPARE(sistema.language(), QLocale::Italian);
        QCOMPARE(sistema.monthName(12, QLocale::ShortFormat), QStringLiteral("dic"));
        QCOMPARE(sistema.toString(QDate(2026, 12, 11), QStringLiteral("d MMM yyyy")), QStringLiteral("11 dic 2026"));
    }
    void ambienteInvariato() { QCOMPARE(qgetenv("LC_ALL"), QByteArray("en_US.UTF-8")); }
    // The type column of Qt's file dialog, which Qt's own Italian catalogue leaves in English.
    void tipoCartellaInItaliano()
    {
        QVERIFY(Lingua::carica());
        QTemporaryDir cartella;
        QCOMPARE(QAbstractFileIconProvider().type(QFileInfo(cartella.path())), QStringLiteral("Cartella"));
    }
};

int main(int argc, char* argv[])
{
    // An English session: Qt would read the system's locale as English.
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("LANG", "en_US.UTF-8");
    Lingua::sistemaInItaliano();
    QCoreApplication app(argc, argv);
    TstLinguaSistema t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_linguasistema.moc"
