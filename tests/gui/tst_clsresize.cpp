#include "gui/frame/clsresize.h"
#include "gui/frame/twips.h"
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// A plain window with design controls placed in twips, as every window of the program has.
class Finestra : public QWidget {
public:
    QPushButton* pulsante;
    QLabel* etichetta;
    Linea* linea;
    explicit Finestra(const QString& tagEtichetta = QString())
    {
        pulsante = new QPushButton(QStringLiteral("&Avanti"), this);
        pulsante->setObjectName(QStringLiteral("cmdavanti"));
        posiziona(pulsante, 1200, 600, 1500, 450);
        etichetta = new QLabel(QStringLiteral("passo"), this);
        etichetta->setObjectName(QStringLiteral("passo"));
        etichetta->setProperty("Tag", tagEtichetta);
        posiziona(etichetta, 300, 1500, 3000, 600);
        linea = new Linea(this);
        linea->setObjectName(QStringLiteral("Line1"));
        linea->impostaPuntiTwips(150, 3000, 4500, 3000);
        resize(twipInPixel(6000), twipInPixel(4500));
    }
};

class TestClsResize : public QObject {
    Q_OBJECT

    static QRect twips(const QWidget* w)
    {
        const QRect g = w->geometry();
        return QRect(qRound(pixelInTwip(g.x())), qRound(pixelInTwip(g.y())), qRound(pixelInTwip(g.width())),
                     qRound(pixelInTwip(g.height())));
    }

private slots:
    void primaChiamataRegistraSoltanto()
    {
        Finestra f;
        clsResize r;
        r.setSourceForm(&f);
        QVERIFY(r.FirstTime());
        r.ResizeControls();
        QVERIFY(!r.FirstTime());
        QCOMPARE(r.OriginalWidth(), 6000);
        QCOMPARE(r.OriginalHeight(), 4500);
        QCOMPARE(r.Layout().size(), 3);
        QCOMPARE(r.Layout()[0].v[0], 1200);
        QCOMPARE(r.Layout()[0].v[3], 450);
        QVERIFY(r.Layout()[2].linea);
        QCOMPARE(r.Layout()[2].v[2], 4500);
        QCOMPARE(twips(f.pulsante), QRect(1200, 600, 1500, 450));
    }

    void scalaSecondoIlTag_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QRect>("atteso");   // the label in twips after doubling the width
        QTest::newRow("vuoto: tutte e quattro") << QString() << QRect(600, 1500, 6000, 600);
        QTest::newRow("senza @: tutte e quattro") << QStringLiteral("L,T") << QRect(600, 1500, 6000, 600);
        QTest::newRow("@L,T: si sposta, non si allarga") << QStringLiteral("@L,T") << QRect(600, 1500, 3000, 600);
        QTest::newRow("minuscole") << QStringLiteral("@w") << QRect(300, 1500, 6000, 600);
        QTest::newRow("@ da solo: resta ferma") << QStringLiteral("@") << QRect(300, 1500, 3000, 600);
    }

    void scalaSecondoIlTag()
    {
        QFETCH(QString, tag);
        QFETCH(QRect, atteso);
        Finestra f(tag);
        clsResize r;
        r.setSourceForm(&f);
        r.ReInitialise();
        f.resize(twipInPixel(12000), twipInPixel(4500));
        r.ResizeControls();
        QCOMPARE(twips(f.etichetta), atteso);
        // Left and width double, top and height stay.
        QCOMPARE(twips(f.pulsante), QRect(2400, 600, 3000, 450));
        QCOMPARE(f.linea->p2().x(), twipInPixel(9000));
        QCOMPARE(f.linea->p1().y(), twipInPixel(3000));
    }

    void ridimensionamentiRipetutiNonAccumulanoErrori()
    {
        Finestra f;
        clsResize r;
        r.setSourceForm(&f);
        r.ReInitialise();
        const QRect prima = f.pulsante->geometry();
        for (int w : {6123, 4077, 9999, 3001, 7777}) {
            f.resize(twipInPixel(w), twipInPixel(w * 3 / 4));
            r.ResizeControls();
        }
        f.resize(twipInPixel(6000), twipInPixel(4500));
        r.ResizeControls();
        QCOMPARE(f.pulsante->geometry(), prima);
    }

    void ridottaAIconaNonCambiaNulla()
    {
        Finestra f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        clsResize r;
        r.setSourceForm(&f);
        r.ReInitialise();
        const QRect prima = f.pulsante->geometry();
        f.setWindowState(Qt::WindowMinimized);
        f.resize(twipInPixel(3000), twipInPixel(2250));
        r.ResizeControls();
        QCOMPARE(f.pulsante->geometry(), prima);
        // Restored, the controls follow the new size from the design values.
        f.setWindowState(Qt::WindowNoState);
        r.ResizeControls();
        QCOMPARE(twips(f.pulsante), QRect(600, 300, 750, 225));
    }

    // Recorded while the window had no size: no division by zero, the design positions stay.
    void registrataSenzaDimensioni()
    {
        Finestra f;
        f.resize(0, 0);
        clsResize r;
        r.setSourceForm(&f);
        r.ReInitialise();
        QCOMPARE(r.OriginalWidth(), 0);
        QCOMPARE(r.OriginalHeight(), 0);
        f.resize(twipInPixel(12000), twipInPixel(9000));
        r.ResizeControls();
        QCOMPARE(twips(f.pulsante), QRect(1200, 600, 1500, 450));
        QCOMPARE(f.linea->p2(), QPoint(twipInPixel(4500), twipInPixel(3000)));
    }

    void finestraSenzaControlli()
    {
        QWidget vuota;
        vuota.resize(200, 100);
        clsResize r;
        r.setSourceForm(&vuota);
        r.ResizeControls();
        QVERIFY(r.FirstTime());   // nothing to record, nothing done
        r.SizeFormToScreen(75);   // sizes the window itself even without controls
        QVERIFY(vuota.width() > 200);
    }

    void dimensionaAlloSchermo()
    {
        Finestra f;
        clsResize r;
        r.setSourceForm(&f);
        r.SizeFormToScreen(75);
        const QRect schermo = f.screen()->geometry();
        QVERIFY(qAbs(f.width() - schermo.width() * 3 / 4) <= 1);
        QVERIFY(qAbs(f.height() - schermo.height() * 3 / 4) <= 1);
        QVERIFY(qAbs(f.x() - (schermo.width() - f.width()) / 2) <= 1);
        // The reference stays the design layout, recorded before the sizing.
        QCOMPARE(r.OriginalWidth(), 6000);
        QVERIFY(qAbs(f.pulsante->x() - twipInPixel(1200.0 * pixelInTwip(f.width()) / 6000)) <= 1);
    }

    // A window never shrinks below its design; where a caption does not fit even there, it opens
    // as much larger as the caption needs, and shows it whole at its smallest.
    void dimensioneMinimaLeggibile_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("cresce");
        QTest::newRow("entra") << QStringLiteral("breve") << false;
        QTest::newRow("non entra") << QStringLiteral("un testo che va a capo due volte") << true;
    }
    void dimensioneMinimaLeggibile()
    {
        QFETCH(QString, testo);
        QFETCH(bool, cresce);
        QWidget w;
        auto* l = new QLabel(testo, &w);
        l->setObjectName(QStringLiteral("lunga"));
        l->setWordWrap(true);
        QFont f = l->font();
        f.setPointSizeF(8);
        l->setFont(f);
        posiziona(l, 120, 120, 1800, 300);
        w.resize(twipInPixel(6000), twipInPixel(4500));   // as designed, before the load step
        Ridimensionamento::caricaFinestra(&w, 6000, 4500);
        const QSize progetto(twipInPixel(6000), twipInPixel(4500));
        QCOMPARE(w.minimumSize().width() > progetto.width(), cresce);
        QCOMPARE(w.size(), w.minimumSize());
        w.resize(1, 1);
        QCOMPARE(w.size(), w.minimumSize());
        const QRect serve = l->fontMetrics().boundingRect(QRect(0, 0, l->width(), 100000), Qt::TextWordWrap, testo);
        QVERIFY2(serve.height() <= l->height(),
                 qPrintable(QStringLiteral("%1 in %2").arg(serve.height()).arg(l->height())));
    }

    // A caption shrunk to fit a narrow button regains its size when the window widens the button,
    // and shrinks again when it narrows: it never stays small for nothing, nor goes below eight
    // points, where it would no longer be read (the window's minimum size keeps it whole).
    void didascaliaAdattataAlleDimensioni()
    {
        QPushButton b(QStringLiteral("&Guida in linea"));
        QFont f = b.font();
        f.setPointSizeF(12);
        b.setFont(f);
        b.resize(100, 25);
        b.show();
        adattaTesto(&b);
        const double stretta = b.font().pointSizeF();
        QVERIFY(stretta < 12 && stretta >= puntiLeggibili);
        b.resize(300, 40);
        QCOMPARE(b.font().pointSizeF(), 12.0);
        b.resize(100, 25);
        QCOMPARE(b.font().pointSizeF(), stretta);
        b.resize(20, 25);
        QCOMPARE(b.font().pointSizeF(), puntiLeggibili);
    }
};

QTEST_MAIN(TestClsResize)
#include "tst_clsresize.moc"
