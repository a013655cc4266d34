#include "gui/frame/accessibilita.h"
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <climits>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QRadioButton>
#include <QRegularExpression>
#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QWidget>

namespace {

QString senzaAcceleratori(QString testo)
{
    testo.replace(QLatin1String("&&"), QLatin1String("\x01"));
    testo.remove(QLatin1Char('&'));
    testo.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return testo.simplified();
}

// A caption as it is heard: without the dots that pad it to the width of its column, nor the colon
// that ends a label.
QString comeSiLegge(const QString& didascalia)
{
    static const QRegularExpression riempitivo(QStringLiteral("\\.{4,}"));
    QString testo = senzaAcceleratori(QString(didascalia).replace(riempitivo, QStringLiteral(" ")));
    if (testo.endsWith(QLatin1Char(':')))
        testo.chop(1);
    return testo.trimmed();
}

// The caption of the label that reads as the control's own: on its row and to its left, else just
// above it; the nearest one. With `ancheOpzioni`, an option beside it counts as a label too.
QString etichettaVicina(QWidget* c, QWidget* finestra, bool ancheOpzioni = false)
{
    // A label tied to the control names it for certain, shown or not.
    for (QLabel* l : finestra->findChildren<QLabel*>())
        if (l->buddy() == c && !comeSiLegge(l->text()).isEmpty())
            return comeSiLegge(l->text());
    const QRect r(c->mapTo(finestra, QPoint(0, 0)), c->size());
    QString migliore;
    int distanzaMigliore = INT_MAX;
    QList<QWidget*> candidati;
    for (QLabel* l : finestra->findChildren<QLabel*>())
        candidati << l;
    if (ancheOpzioni)
        for (QRadioButton* o : finestra->findChildren<QRadioButton*>())
            candidati << o;
    for (QWidget* l : std::as_const(candidati)) {
        const auto* etichetta = qobject_cast<QLabel*>(l);
        // An option heard by a name of its own lends that name, not its caption.
        const QString testo = comeSiLegge(etichetta                        ? etichetta->text()
                                          : !l->accessibleName().isEmpty() ? l->accessibleName()
                                                                           : static_cast<QAbstractButton*>(l)->text());
        if (testo.isEmpty() || l->isWindow() || l->isAncestorOf(c) || !l->isVisibleTo(finestra))
            continue;
        const QRect e(l->mapTo(finestra, QPoint(0, 0)), l->size());
        int distanza = INT_MAX;
        if (e.right() <= r.left() && e.bottom() >= r.top() && e.top() <= r.bottom())
            distanza = r.left() - e.right();
        else if (e.bottom() <= r.top() && e.right() >= r.left() && e.left() <= r.right()
                 && r.top() - e.bottom() <= 2 * r.height())
            distanza = r.top() - e.bottom();
        if (distanza < distanzaMigliore) {
            distanzaMigliore = distanza;
            migliore = testo;
        }
    }
    return migliore;
}

// The kind of control in words, for a control nothing else names; its design name otherwise.
QString tipo(QWidget* c)
{
    if (qobject_cast<QToolBar*>(c))
        return QStringLiteral("barra degli strumenti");
    if (qobject_cast<QStatusBar*>(c))
        return QStringLiteral("barra di stato");
    if (qobject_cast<QMenuBar*>(c))
        return QStringLiteral("barra dei menu");
    if (qobject_cast<QAbstractSlider*>(c))
        return QStringLiteral("barra di scorrimento");
    if (qobject_cast<QAbstractItemView*>(c))
        return QStringLiteral("elenco");
    if (qobject_cast<QLineEdit*>(c) || qobject_cast<QPlainTextEdit*>(c) || qobject_cast<QTextEdit*>(c))
        return QStringLiteral("casella di testo");
    return c->objectName();
}

// An option button as a screen reader should hear it: an option, chosen or not, named by its
// caption without padding. Qt would call it a check box, since its group allows no choice at all.
class OpzioneAccessibile : public QAccessibleWidget {
public:
    explicit OpzioneAccessibile(QWidget* w)
        : QAccessibleWidget(w, QAccessible::RadioButton)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? comeSiLegge(pulsante()->text()) : widget()->accessibleName();
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(pulsante()->text()).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = pulsante()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& azione) override
    {
        if (azione == pressAction())
            pulsante()->click();
        else
            QAccessibleWidget::doAction(azione);
    }

private:
    QAbstractButton* pulsante() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto)
{
    if (classe == QLatin1String("QRadioButton") && oggetto && oggetto->isWidgetType())
        return new OpzioneAccessibile(static_cast<QWidget*>(oggetto));
    return nullptr;
}

}   // namespace

namespace Accessibilita {

void prepara()
{
    static const bool opzioni = (QAccessible::installFactory(fabbrica), true);
    Q_UNUSED(opzioni);
}

void nomina(QWidget* finestra)
{
    prepara();
    if (!finestra)
        return;
    // A name the window gave a control itself stands; the ones given here are redone each time.
    const auto dai = [](QWidget* c, const QString& nome) {
        c->setAccessibleName(nome);
        c->setProperty("nomeAccessibileDedotto", nome);
    };
    for (QWidget* c : finestra->findChildren<QWidget*>()) {
        if (!c->accessibleName().isEmpty() && c->property("nomeAccessibileDedotto").toString() != c->accessibleName())
            continue;
        const QString nome = c->objectName();
        // The toolbar's own button for what does not fit is Qt's, and Qt leaves it unnamed.
        if (nome == QLatin1String("qt_toolbar_ext_button"))
            dai(c, QStringLiteral("altri pulsanti della barra"));
        if (auto* l = qobject_cast<QLabel*>(c)) {
            // A caption padded with dots is heard without them; any other label keeps its live text.
            if (l->text().contains(QLatin1String("....")))
                dai(l, comeSiLegge(l->text()));
            continue;
        }
        if (nome.isEmpty() || nome.startsWith(QLatin1String("qt_")) || c->isWindow())
            continue;
        // A "?" button says what it explains: the option or the label on its row.
        if (auto* b = qobject_cast<QAbstractButton*>(c); b && b->text() == QLatin1String("?")) {
            const QString spiegato = etichettaVicina(c, finestra, true);
            if (!spiegato.isEmpty())
                dai(c, QStringLiteral("spiegazione: ") + spiegato);
            continue;
        }
        // A field is named by its label, as the user sees it and without the dots that pad it (Qt
        // would read a tied label whole); its tooltip describes it.
        const bool campo = qobject_cast<QLineEdit*>(c) || qobject_cast<QPlainTextEdit*>(c)
                           || qobject_cast<QTextEdit*>(c) || qobject_cast<QAbstractItemView*>(c);
        QString nuovo = campo ? etichettaVicina(c, finestra) : QString();
        if (!nuovo.isEmpty()) {
            dai(c, nuovo);
            continue;
        }
        QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(c);
        if (!ai || !ai->text(QAccessible::Name).trimmed().isEmpty())
            continue;
        if (nuovo.isEmpty())
            nuovo = senzaAcceleratori(c->toolTip());
        if (nuovo.isEmpty())
            nuovo = etichettaVicina(c, finestra);
        if (nuovo.isEmpty())
            nuovo = tipo(c);
        dai(c, nuovo);
    }
}

}   // namespace Accessibilita
