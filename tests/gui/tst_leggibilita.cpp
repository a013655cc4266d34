// Every window as a user meets it at its smallest and at its largest: each caption whole and at a
// readable size, nothing covering anything else, nothing outside the window or the screen; and as
// a screen reader meets it: each control named as its label reads, in its true role, no two alike.
#include "gui/frame/finestre.h"
#include "fakes/piattaformafinta.h"
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

bool propria(const QWidget* c)
{
    return !c->isWindow() && !c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_"));
}

QString testoVisibile(QString t)
{
    t.replace(QLatin1String("&&"), QLatin1String("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return t;
}

QRect inFinestra(QWidget* c, QWidget* w) { return QRect(c->mapTo(w, QPoint(0, 0)), c->size()); }

// The part of a control the window really shows: its own rectangle clipped by every parent's.
QRect mostrata(QWidget* c, QWidget* w)
{
    QRect r = inFinestra(c, w);
    for (QWidget* p = c->parentWidget(); p && p != w; p = p->parentWidget())
        r &= inFinestra(p, w);
    return r;
}

// What is wrong with one control's caption at its present size: a cut, or a font too small.
QString difetto(QWidget* c)
{
    const QFontMetrics fm(c->font());
    if (auto* l = qobject_cast<QLabel*>(c)) {
        if (l->text().isEmpty() || !l->pixmap().isNull() || l->textFormat() == Qt::RichText)
            return {};
        if (c->font().pointSizeF() > 0 && c->font().pointSizeF() < 8)
            return QStringLiteral("carattere di %1 punti").arg(c->font().pointSizeF());
        const QRect area = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const QString t = l->text();
        const QRect serve = fm.boundingRect(QRect(0, 0, area.width(), 100000),
                                            int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0), t);
        if (serve.width() > area.width() + 1 || serve.height() > area.height() + 1)
            return QStringLiteral("testo tagliato (%1×%2 in %3×%4)")
                .arg(serve.width())
                .arg(serve.height())
                .arg(area.width())
                .arg(area.height());
        return {};
    }
    auto* b = qobject_cast<QAbstractButton*>(c);
    if (!b || b->text().isEmpty() || qobject_cast<QToolButton*>(b))
        return {};
    if (c->font().pointSizeF() > 0 && c->font().pointSizeF() < 8)
        return QStringLiteral("carattere di %1 punti").arg(c->font().pointSizeF());
    const QString t = testoVisibile(b->text());
    if (b->property("aCapo").toBool()) {
        // A caption that wraps inside its button, as the article buttons do.
        const QRect area = b->rect().adjusted(4, 2, -4, -2);
        const QRect serve = fm.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, t);
        return serve.height() <= area.height() ? QString() : QStringLiteral("didascalia tagliata in altezza");
    }
    int serve = 0;
    if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b)) {
        // A caption laid out in several lines (the design's word-wrapped options) is measured by line.
        int larga = 0;
        for (const QString& riga : t.split(QLatin1Char('\n')))
            larga = qMax(larga, fm.horizontalAdvance(riga));
        const bool radio = qobject_cast<QRadioButton*>(b);
        const int accanto =
            b->style()->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, b)
            + b->style()->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing,
                                      nullptr, b);
        serve = larga + accanto;
        // An option may wrap its caption onto the lines its height gives.
        const QRect aCapo = fm.boundingRect(QRect(0, 0, b->width() - accanto, 100000), Qt::TextWordWrap, t);
        if (radio && serve > b->width() && aCapo.width() <= b->width() - accanto && aCapo.height() <= b->height())
            return {};
        if (fm.height() * int(t.count(QLatin1Char('\n')) + 1) > b->height() + 1)
            return QStringLiteral("didascalia tagliata in altezza");
    } else {
        int larga = 0;
        for (const QString& riga : t.split(QLatin1Char('\n')))
            larga = qMax(larga, fm.horizontalAdvance(riga));
        serve = larga + 4;
    }
    if (serve > b->width() + 1)
        return QStringLiteral("didascalia tagliata (%1 in %2)").arg(serve).arg(b->width());
    return {};
}

// Two controls that a user sees, side by side in the same parent, that cover each other.
bool siCoprono(QWidget* a, QWidget* b)
{
    const QRect i = a->geometry() & b->geometry();
    return i.width() > 2 && i.height() > 2;
}

bool riempitivo(QWidget* c)
{
    // A frame, a box or a picture behind others is the design's background, not a control.
    if (qobject_cast<QGroupBox*>(c))
        return true;
    if (auto* l = qobject_cast<QLabel*>(c))
        return l->text().trimmed().isEmpty();
    return !qobject_cast<QAbstractButton*>(c) && !qobject_cast<QLineEdit*>(c) && !qobject_cast<QTextEdit*>(c);
}

QStringList difetti(QWidget* w)
{
    QStringList elenco;
    const QRect schermo = w->screen()->availableGeometry();
    if (!schermo.contains(w->frameGeometry()))
        elenco << QStringLiteral("fuori dallo schermo: %1,%2 %3×%4")
                      .arg(w->frameGeometry().x())
                      .arg(w->frameGeometry().y())
                      .arg(w->frameGeometry().width())
                      .arg(w->frameGeometry().height());
    // The caption in the title bar, in the bold a frame usually takes, beside an icon and three buttons.
    QFont titolo = w->font();
    titolo.setBold(true);
    if (!w->windowFlags().testFlag(Qt::FramelessWindowHint)
        && QFontMetrics(titolo).horizontalAdvance(w->windowTitle()) + 120 > w->width())
        elenco << QStringLiteral("titolo tagliato: ") + w->windowTitle();
    QList<QWidget*> visibili;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (!propria(c) || !c->isVisibleTo(w) || qobject_cast<QToolBar*>(c->parentWidget()))
            continue;
        visibili << c;
        if (!w->rect().adjusted(-1, -1, 1, 1).contains(inFinestra(c, w)))
            elenco << c->objectName() + QStringLiteral(": fuori dalla finestra");
        else if (mostrata(c, w).size() != c->size() && !qobject_cast<QAbstractSlider*>(c))
            elenco << c->objectName() + QStringLiteral(": fuori dal suo riquadro");
        if (const QString d = difetto(c); !d.isEmpty())
            elenco << c->objectName() + QStringLiteral(": ") + d;
    }
    for (qsizetype i = 0; i < visibili.size(); ++i)
        for (qsizetype j = i + 1; j < visibili.size(); ++j) {
            QWidget* a = visibili[i];
            QWidget* b = visibili[j];
            if (a->parentWidget() == b->parentWidget() && !riempitivo(a) && !riempitivo(b) && siCoprono(a, b))
                elenco << a->objectName() + QStringLiteral(" copre ") + b->objectName();
        }
    return elenco;
}

}   // namespace

class TestLeggibilita : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void ogniFinestraAlMinimoEAlMassimo_data()
    {
        PiattaformaFinta p;
        QTest::addColumn<QString>("nome");
        for (const QString& nome : Finestre::registrate())
            QTest::newRow(qPrintable(nome)) << nome;
    }

    // Shrunk as far as it goes, maximised, restored: each time every caption whole, at 8 points
    // at least, nothing covering a neighbour, the window within the screen.
    void ogniFinestraAlMinimoEAlMassimo()
    {
        QFETCH(QString, nome);
        PiattaformaFinta p;
        Finestre::mostra(nome);
        QWidget* w = Finestre::finestra(nome);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QStringList trovati = difetti(w);
        for (QString& d : trovati)
            d.prepend(QStringLiteral("all'apertura: "));
        const QSize prima = w->size();
        w->resize(1, 1);
        QApplication::sendPostedEvents();
        salvaImmagine(w, QStringLiteral("minima-") + nome);
        for (const QString& d : difetti(w))
            trovati << QStringLiteral("al minimo: ") + d;
        w->showMaximized();
        QTRY_VERIFY(w->isMaximized());
        QApplication::sendPostedEvents();
        for (const QString& d : difetti(w))
            if (!d.contains(QLatin1String("schermo")))   // a maximised frame may reach past the work area
                trovati << QStringLiteral("ingrandita: ") + d;
        w->showNormal();
        w->resize(prima);
        QApplication::sendPostedEvents();
        trovati.removeDuplicates();
        QVERIFY2(trovati.isEmpty(), qPrintable(QLatin1Char('\n') + trovati.join(QLatin1Char('\n'))));
    }

    void ogniControlloLettoComeSiVede_data() { ogniFinestraAlMinimoEAlMassimo_data(); }

    // What a screen reader hears of every control: a name for each one the user can work, none
    // padded with dots, and the role the control plays.
    void ogniControlloLettoComeSiVede()
    {
        QFETCH(QString, nome);
        PiattaformaFinta p;
        Finestre::mostra(nome);
        QWidget* w = Finestre::finestra(nome);
        QVERIFY(w);
        static const QRegularExpression puntini(QStringLiteral("\\.{4,}"));
        QStringList trovati;
        QHash<QString, QString> nomiDati;   // accessible name -> the control that has it
        QList<QWidget*> controlli = w->findChildren<QWidget*>();
        controlli.prepend(w);
        for (QWidget* c : std::as_const(controlli)) {
            if (c->isWindow() && c != w)
                continue;
            QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(c);
            if (!ai)
                continue;
            const bool interattivo = c->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(c);
            const bool proprio = propria(c) || qobject_cast<QToolBar*>(c->parentWidget());
            const QString n = ai->text(QAccessible::Name);
            const QString chi = c->objectName().isEmpty() ? QString::fromLatin1(c->metaObject()->className())
                                                                + QLatin1Char(' ') + c->toolTip()
                                                          : c->objectName();
            // The toolbar's overflow button counts even while the window is wide enough to hide it.
            const bool visibile = c->isVisibleTo(w) || qobject_cast<QToolBar*>(c->parentWidget());
            if (interattivo && proprio && visibile && n.trimmed().isEmpty())
                trovati << chi + QStringLiteral(": senza nome");
            // Two controls heard by the same name cannot be told apart without seeing them.
            if (interattivo && proprio && visibile && !n.trimmed().isEmpty() && c != w) {
                const QString chiave = n.simplified().toLower();
                if (nomiDati.contains(chiave))
                    trovati << chi + QStringLiteral(": stesso nome di ") + nomiDati.value(chiave)
                                   + QStringLiteral(" (\"") + n + QStringLiteral("\")");
                else
                    nomiDati.insert(chiave, chi);
            }
            if (puntini.match(n).hasMatch())
                trovati << chi + QStringLiteral(": puntini nel nome \"") + n + QLatin1Char('"');
            if (qobject_cast<QRadioButton*>(c) && ai->role() != QAccessible::RadioButton)
                trovati << chi + QStringLiteral(": non letto come pulsante di opzione");
            if (qobject_cast<QCheckBox*>(c) && ai->role() != QAccessible::CheckBox)
                trovati << chi + QStringLiteral(": non letto come casella di controllo");
            if (qobject_cast<QRadioButton*>(c) && ai->state().checked != static_cast<QRadioButton*>(c)->isChecked())
                trovati << chi + QStringLiteral(": stato di scelta sbagliato");
            if (n == QLatin1String("?"))
                trovati << chi + QStringLiteral(": non dice che cosa spiega");
        }
        QVERIFY2(trovati.isEmpty(), qPrintable(QLatin1Char('\n') + trovati.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLeggibilita)
#include "tst_leggibilita.moc"
