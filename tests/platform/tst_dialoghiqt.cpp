// The Qt file dialogs behind the archive commands, driven offscreen.
#include "platform/messaggiqt.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QListView>
#include <QPushButton>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestDialoghiQt : public QObject {
    Q_OBJECT

    // Runs one dialog, reads what it shows, then gives it the answer.
    template <class Azione> static void alDialogo(Azione azione)
    {
        QTimer::singleShot(0, [azione] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible())
                    azione(d);
        });
    }

private slots:
    void filtri_data()
    {
        QTest::addColumn<QString>("descrizione");
        QTest::addColumn<QString>("schema");
        QTest::addColumn<QString>("atteso");
        // clang-format off
        QTest::newRow("tutti i file") << "Tutti i file (*.*)" << " *.*" << "Tutti i file (*.*) (*)";
        QTest::newRow("archivi") << "File Possidoria-dati- " << " Possidoria-dati-*" << "File Possidoria-dati- (Possidoria-dati-*)";
        QTest::newRow("più schemi") << "Documenti" << "*.odt;*.doc" << "Documenti (*.odt *.doc)";
        // clang-format on
    }
    void filtri()
    {
        QFETCH(QString, descrizione);
        QFETCH(QString, schema);
        QFETCH(QString, atteso);
        QCOMPARE(DialoghiQt::filtroQt({descrizione, schema}), atteso);
    }

    // "Tutti i file" lists an archive without extension, and saving over it asks first.
    void salvaSopraUnArchivioChiedeConferma()
    {
        QTemporaryDir cartella;
        const QString archivio = cartella.filePath(QStringLiteral("Possidoria-dati-Rossi"));
        QFile f(archivio);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const QList<FiltroFile> filtri = {
            {QStringLiteral("Tutti i file (*.*)"), QStringLiteral("*.*")},
            {QStringLiteral("File Possidoria-dati-"), QStringLiteral("Possidoria-dati-*")}};
        bool conferma = true;
        QString filtroMostrato;
        alDialogo([&](QFileDialog* d) {
            conferma = !d->testOption(QFileDialog::DontConfirmOverwrite);
            filtroMostrato = d->selectedNameFilter();
            d->selectFile(archivio);
            d->reject();   // accepting would stop at the overwrite question
        });
        const QString scelto = DialoghiQt().salva(QStringLiteral("Salva file con nome"), filtri, 1, archivio);
        QVERIFY(scelto.isEmpty());
        QVERIFY(conferma);
        QCOMPARE(filtroMostrato, QStringLiteral("Tutti i file (*.*) (*)"));
    }

    // A typed name with double quotes is the name typed, not a list of names: saved as typed, and
    // opened as typed even when a file is named after the quoted part.
    void nomeConVirgolette_data()
    {
        QTest::addColumn<bool>("salvare");
        QTest::newRow("salva") << true;
        QTest::newRow("apri") << false;
    }
    void nomeConVirgolette()
    {
        QFETCH(bool, salvare);
        QTemporaryDir cartella;
        const QString digitato = QStringLiteral("nuovo caso \"q\"");
        if (!salvare) {
            for (const QString& nome : {QStringLiteral("q"), digitato}) {
                QFile f(cartella.filePath(nome));
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
        }
        bool accettato = false;
        alDialogo([&](QFileDialog* d) {
            auto* campo = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(campo);
            // Typed: the box has the focus, so the dialog's own selection does not rewrite it.
            QApplication::setActiveWindow(d);
            campo->setFocus();
            campo->setText(digitato);
            QMetaObject::invokeMethod(d, "accept");   // as the user confirms the name
            accettato = d->result() == QDialog::Accepted;
            if (d->isVisible())
                d->reject();
        });
        const QList<FiltroFile> filtri = {{QStringLiteral("Tutti i file (*.*)"), QStringLiteral("*.*")}};
        const QString scelto =
            salvare ? DialoghiQt().salva(QStringLiteral("Salva file con nome"), filtri, 1,
                                         cartella.path() + QLatin1Char('/'))
                    : DialoghiQt().apri(QStringLiteral("Apri file"), filtri, 1, cartella.path() + QLatin1Char('/'));
        QVERIFY(accettato);
        QCOMPARE(scelto, QDir(cartella.path()).absoluteFilePath(digitato));
    }

    void apriAnnullato()
    {
        const QList<FiltroFile> filtri = {
            {QStringLiteral("Tutti i file (*.*)"), QStringLiteral("*.*")},
            {QStringLiteral("File Possidoria-dati-"), QStringLiteral("Possidoria-dati-*")}};
        QString filtroMostrato;
        alDialogo([&](QFileDialog* d) {
            filtroMostrato = d->selectedNameFilter();
            d->reject();
        });
        QVERIFY(DialoghiQt().apri(QStringLiteral("Apri file"), filtri, 2, QString()).isEmpty());
        QCOMPARE(filtroMostrato, QStringLiteral("File Possidoria-dati- (Possidoria-dati-*)"));
    }

    // Under the archives' filter the dialog lists an archive saved under a name of the user's own,
    // known by its content, and not another file; the delete dialog's button says "Elimina".
    void archiviRiconosciutiDalContenuto()
    {
        QTemporaryDir cartella;
        const auto scrivi = [&](const char* nome, const QByteArray& dati) {
            QFile f(cartella.filePath(QString::fromLatin1(nome)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(dati);
        };
        scrivi("Rossi contro Bianchi", "\"Rossi\",\"Bianchi\",\"fondo\",\"Lecco\",1\r\n\"1/1/70\",\"\",,,,,,\r\n");
        scrivi("Possidoria-dati-vuoto", "");
        scrivi("appunti.txt", "\"una citazione\" e nient'altro\r\n");
        const QList<FiltroFile> filtri = {
            {QStringLiteral("Tutti i file (*.*)"), QStringLiteral("*.*")},
            {QStringLiteral("File Possidoria-dati-"), QStringLiteral("Possidoria-dati-*"),
             [](const QString& p) { return QFile(p).size() > 0 && !p.endsWith(QLatin1String(".txt")); }}};
        QStringList elencati;
        QString pulsante;
        bool caricato = false;
        alDialogo([&](QFileDialog* d) {
            auto* vista = d->findChild<QListView*>(QStringLiteral("listView"));
            QAbstractItemModel* m = vista->model();
            caricato = QTest::qWaitFor([&] { return m->rowCount(vista->rootIndex()) >= 2; }, 3000);
            QTest::qWait(50);
            for (int r = 0; r < m->rowCount(vista->rootIndex()); ++r)
                elencati << m->index(r, 0, vista->rootIndex()).data().toString();
            pulsante = d->findChild<QDialogButtonBox*>()->buttons().first()->text();
            d->reject();
        });
        QVERIFY(DialoghiQt().elimina(QStringLiteral("Elimina"), filtri, 2, cartella.path()).isEmpty());
        QVERIFY2(caricato, "the dialog never listed the folder's files");
        elencati.sort();
        QCOMPARE(elencati,
                 (QStringList{QStringLiteral("Possidoria-dati-vuoto"), QStringLiteral("Rossi contro Bianchi")}));
        QCOMPARE(pulsante, QStringLiteral("&Elimina"));
    }
};

QTEST_MAIN(TestDialoghiQt)
#include "tst_dialoghiqt.moc"
