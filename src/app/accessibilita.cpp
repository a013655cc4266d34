#include "app/accessibilita.h"
#include <QAccessible>
#include <climits>
#include <QAbstractItemView>
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

// The caption of the label that reads as the control's own: on its row and to its left, else just
// above it; the nearest one.
QString etichettaVicina(QWidget* c, QWidget* finestra)
{
    const QRect r(c->mapTo(finestra, QPoint(0, 0)), c->size());
    QString migliore;
    int distanzaMigliore = INT_MAX;
    for (QLabel* l : finestra->findChildren<QLabel*>()) {
        const QString testo = senzaAcceleratori(l->text());
        if (testo.isEmpty() || l->isWindow() || l->isAncestorOf(c))
            continue;
        const QRect e(l->mapTo(finestra, QPoint(0, 0)), l->size());
        int distanza = INT_MAX;
        if (e.right() <= r.left() && e.bottom() >= r.top() && e.top() <= r.bottom())
            distanza = r.left() - e.right();
        else if (e.bottom() <= r.top() && e.right() >= r.left() && e.left() <= r.right() &&
                 r.top() - e.bottom() <= 2 * r.height())
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

} // namespace

namespace Accessibilita {

void nomina(QWidget* finestra)
{
    if (!finestra)
        return;
    for (QWidget* c : finestra->findChildren<QWidget*>()) {
        const QString nome = c->objectName();
        if (nome.isEmpty() || nome.startsWith(QLatin1String("qt_")) || c->isWindow() || qobject_cast<QLabel*>(c))
            continue;
        QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(c);
        if (!ai || !ai->text(QAccessible::Name).trimmed().isEmpty())
            continue;
        QString nuovo = senzaAcceleratori(c->toolTip());
        if (nuovo.isEmpty())
            nuovo = etichettaVicina(c, finestra);
        if (nuovo.isEmpty())
            nuovo = tipo(c);
        c->setAccessibleName(nuovo);
    }
}

} // namespace Accessibilita
