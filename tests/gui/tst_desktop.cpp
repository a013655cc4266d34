// What a desktop user expects of every window: Qt's texts in Italian, the keys of a dialog in the
// small windows, a name for every control that a screen reader can announce, files found when installed.
#include "gui/frame/accessibilita.h"
#include "gui/frame/finestre.h"
#include "gui/frame/lingua.h"
#include "gui/frame/modpossidoria.h"
#include "fakes/piattaformafinta.h"
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString nomeAccessibile(QWidget* w)
{
    QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(w);
    return ai ? ai->text(QAccessible::Name) : QString();
}

QString nomeFocus()
{
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
}

// Shows a registered window and waits until it has the keyboard.
QWidget* mostraAttiva(const QString& nome)
{
    Finestre::mostra(nome);
    QWidget* w = Finestre::finestra(nome);
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        return nullptr;
    return w;
}

void premi(Qt::Key tasto)
{
    QWidget* dest = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(dest, tasto);
}

}   // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void testiDiQtInItaliano()
    {
        // Whatever the user's locale, the program speaks Italian; Qt's own texts from the first
        // window after the start-up ones.
        QVERIFY2(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm")),
                 "traduzioni italiane di Qt non installate (qt6-translations-l10n)");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        PiattaformaFinta p;
        QCOMPARE(QLocale().language(), QLocale::Italian);
        QVERIFY(Finestre::finestra(QStringLiteral("causa")));

        QDialogButtonBox pulsanti(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(pulsanti.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));

        QLineEdit casella(QStringLiteral("testo"));
        std::unique_ptr<QMenu> menu(casella.createStandardContextMenu());
        QStringList voci;
        for (QAction* a : menu->actions())
            voci << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        QVERIFY2(voci.contains(QStringLiteral("Copia")) && voci.contains(QStringLiteral("Seleziona tutto")),
                 qPrintable(voci.join(QLatin1String(", "))));
    }

    void escapeChiudeInforma()
    {
        PiattaformaFinta p;
        QPointer<QWidget> w = mostraAttiva(QStringLiteral("informa"));
        QVERIFY(w);
        QCOMPARE(nomeFocus(), QStringLiteral("cmdOK"));
        premi(Qt::Key_Escape);
        QVERIFY(!w || !w->isVisible());
    }

    // Each small window: the first focus, the tab order from there (reading order), Enter pressing
    // the focused button, Escape putting the window away.
    void tastiDelleFinestrePiccole_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QStringList>("tabulazione");   // from the first focus on
        QTest::newRow("informa") << QStringLiteral("informa") << QStringList{QStringLiteral("cmdOK")};
        QTest::newRow("frmTip") << QStringLiteral("frmTip")
                                << QStringList{QStringLiteral("cmdNextTip"), QStringLiteral("cmdOK"),
                                               QStringLiteral("cmdprecedente"), QStringLiteral("cmdNextTip")};
        QTest::newRow("supportoclienti") << QStringLiteral("supportoclienti")
                                         << QStringList{QStringLiteral("copia"), QStringLiteral("chiudi"),
                                                        QStringLiteral("resoconto"), QStringLiteral("copia")};
        QTest::newRow("guidacausa") << QStringLiteral("guidacausa")
                                    << QStringList{QStringLiteral("cmdchiudi"), QStringLiteral("cmdstampa"),
                                                   QStringLiteral("cmdsommario")};
        QTest::newRow("sommario") << QStringLiteral(
            "sommario") << QStringList{QStringLiteral("puls(1)"), QStringLiteral("puls(2)"), QStringLiteral("puls(3)")};
    }

    void tastiDelleFinestrePiccole()
    {
        QFETCH(QString, finestra);
        QFETCH(QStringList, tabulazione);
        PiattaformaFinta p;
        // Another window stays on screen, so that putting this one away does not end the program.
        Finestre::mostra(QStringLiteral("scelta"));

        QPointer<QWidget> w = mostraAttiva(finestra);
        QVERIFY(w);
        QCOMPARE(nomeFocus(), tabulazione.first());
        for (int i = 1; i < tabulazione.size(); ++i) {
            premi(Qt::Key_Tab);
            QCOMPARE(nomeFocus(), tabulazione[i]);
        }
        premi(Qt::Key_Escape);
        QVERIFY(!w || !w->isVisible());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);   // a closed window is gone

        // Shown again, the focus is back on the same button, and Enter presses it.
        w = mostraAttiva(finestra);
        QVERIFY(w);
        QCOMPARE(nomeFocus(), tabulazione.first());
        auto* pulsante = w->findChild<QPushButton*>(tabulazione.first());
        QSignalSpy premuto(pulsante, &QAbstractButton::clicked);
        premi(Qt::Key_Return);
        QCOMPARE(premuto.count(), 1);
    }

    void ogniControlloHaUnNome_data()
    {
        PiattaformaFinta p;
        QTest::addColumn<QString>("nome");
        for (const QString& nome : Finestre::registrate())
            QTest::newRow(qPrintable(nome)) << nome;
    }

    // Every control of every window, as a screen reader would ask for it.
    void ogniControlloHaUnNome()
    {
        QFETCH(QString, nome);
        PiattaformaFinta p;
        QWidget* w = Finestre::finestra(nome);
        QVERIFY(w);
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (c->isWindow() || c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")))
                continue;
            if (c->focusPolicy() == Qt::NoFocus && !qobject_cast<QAbstractButton*>(c)
                && !qobject_cast<QAbstractSlider*>(c))
                continue;
            QVERIFY2(!nomeAccessibile(c).trimmed().isEmpty(), qPrintable(nome + QLatin1Char('/') + c->objectName()));
            QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(c);
            if (!c->toolTip().isEmpty())
                QCOMPARE(ai->text(QAccessible::Description), c->toolTip());
        }
    }

    // What a screen reader hears in the possession window: each date field by its own label, even
    // one shown only for some answers, and the buttons repeated on every row by their row.
    void nomiNellaFinestraPossesso_data()
    {
        QTest::addColumn<QString>("controllo");
        QTest::addColumn<QString>("atteso");
        // clang-format off
        QTest::newRow("inizio") << "datainizio" << "Data di inizio del possesso";
        QTest::newRow("fine") << "datafine" << "Data di fine del possesso";
        QTest::newRow("cessazione, nascosta") << "cessazione" << "violenza o clandestinità cessate il";
        QTest::newRow("trascrizione, nascosta") << "trascrizione" << "titolo trascritto il";
        QTest::newRow("obiezione alle date") << "oppos1(1)" << "obiezione: date del possesso";
        QTest::newRow("obiezione al modo") << "oppos1(3)" << "obiezione: Modo di acquisto del possesso";
        QTest::newRow("articoli dell'interruzione") << "cod(1)" << "Codice Civile: Interruzione del possesso tra le due date";
        // clang-format on
    }

    void nomiNellaFinestraPossesso()
    {
        QFETCH(QString, controllo);
        QFETCH(QString, atteso);
        PiattaformaFinta p;
        QWidget* w = Finestre::finestra(QStringLiteral("possesso"));
        QVERIFY(w);
        auto* c = w->findChild<QWidget*>(controllo);
        QVERIFY(c);
        QCOMPARE(nomeAccessibile(c), atteso);
    }

    // A control without a caption is named by its tooltip or by the label beside it; a label keeps
    // announcing the text it shows now, not the one it had at load.
    void nomiDeiControlliSenzaDidascalia()
    {
        QWidget finestra;
        finestra.resize(400, 200);
        auto* etichetta = new QLabel(QStringLiteral("Attore:"), &finestra);
        etichetta->setGeometry(10, 10, 80, 20);
        auto* attore = new QLineEdit(&finestra);
        attore->setObjectName(QStringLiteral("attore"));
        attore->setGeometry(100, 10, 200, 20);
        auto* sopra = new QLabel(QStringLiteral("Luogo"), &finestra);
        sopra->setGeometry(10, 50, 80, 20);
        auto* luogo = new QLineEdit(&finestra);
        luogo->setObjectName(QStringLiteral("luogo"));
        luogo->setGeometry(10, 72, 200, 20);
        auto* bene = new QLineEdit(&finestra);
        bene->setObjectName(QStringLiteral("bene"));
        bene->setToolTip(QStringLiteral("digitare il bene conteso"));
        bene->setGeometry(220, 72, 150, 20);
        auto* durata = new QLabel(&finestra);
        durata->setObjectName(QStringLiteral("durata"));
        durata->setGeometry(10, 120, 200, 20);
        // A field with both a label and a tooltip is named by the label; the tooltip describes it.
        auto* etichettaData = new QLabel(QStringLiteral("Data finale....:"), &finestra);
        etichettaData->setGeometry(10, 150, 90, 20);
        auto* data = new QLineEdit(&finestra);
        data->setObjectName(QStringLiteral("data"));
        data->setToolTip(QStringLiteral("utilizzare un formato di data tipo gg/mm/aaaa"));
        data->setGeometry(100, 150, 100, 20);
        // A "?" says what it explains: the option on its row, without the dots that pad it.
        auto* opzione = new QRadioButton(QStringLiteral("pro&prietà........"), &finestra);
        opzione->setObjectName(QStringLiteral("opzione"));
        opzione->setGeometry(10, 175, 150, 20);
        auto* spiega = new QPushButton(QStringLiteral("?"), &finestra);
        spiega->setObjectName(QStringLiteral("spiega"));
        spiega->setGeometry(170, 175, 20, 20);

        Accessibilita::nomina(&finestra);
        QCOMPARE(nomeAccessibile(data), QStringLiteral("Data finale"));
        QCOMPARE(QAccessible::queryAccessibleInterface(data)->text(QAccessible::Description), data->toolTip());
        QCOMPARE(nomeAccessibile(etichettaData), QStringLiteral("Data finale"));
        QCOMPARE(nomeAccessibile(spiega), QStringLiteral("spiegazione: proprietà"));
        QCOMPARE(nomeAccessibile(opzione), QStringLiteral("proprietà"));
        QCOMPARE(QAccessible::queryAccessibleInterface(opzione)->role(), QAccessible::RadioButton);
        QVERIFY(!QAccessible::queryAccessibleInterface(opzione)->state().checked);
        opzione->setChecked(true);
        QVERIFY(QAccessible::queryAccessibleInterface(opzione)->state().checked);
        QCOMPARE(nomeAccessibile(attore), QStringLiteral("Attore"));
        QCOMPARE(nomeAccessibile(luogo), QStringLiteral("Luogo"));
        QCOMPARE(nomeAccessibile(bene), QStringLiteral("digitare il bene conteso"));
        durata->setText(QStringLiteral(" 20 anni e 5 giorni"));
        QCOMPARE(nomeAccessibile(durata), QStringLiteral(" 20 anni e 5 giorni"));
    }

    // Installed, the program finds its files in <prefix>/share/possidoria; in a build tree, or in a
    // folder of its own, beside itself.
    void cartellaDeiFile()
    {
        QTemporaryDir prefisso;
        QDir d(prefisso.path());
        QVERIFY(d.mkpath(QStringLiteral("bin")) && d.mkpath(QStringLiteral("share/possidoria")));
        const QString bin = d.filePath(QStringLiteral("bin"));
        QCOMPARE(ModPossidoria::cartellaProgrammaPer(bin), d.filePath(QStringLiteral("share/possidoria")));

        QFile musica(QDir(bin).filePath(QStringLiteral("Internet.mid")));
        QVERIFY(musica.open(QIODevice::WriteOnly));
        musica.close();
        QCOMPARE(ModPossidoria::cartellaProgrammaPer(bin), bin);

        QTemporaryDir solo;
        QCOMPARE(ModPossidoria::cartellaProgrammaPer(solo.path()), solo.path());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
