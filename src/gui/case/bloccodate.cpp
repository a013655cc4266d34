#include "gui/case/bloccodate.h"

#include "gui/frame/modpossidoria.h"
#include "gui/case/vistacausa.h"
#include "core/date.h"
#include "core/statocausa.h"
#include "platform/porte.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QWidget>

namespace {

// Typing stops at ten characters ("12/03/1925"); a text set from the record is never cut.
QValidator* validatoreData(QObject* padre)
{
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".{0,10}")), padre);
}

}   // namespace

BloccoDate::BloccoDate(QWidget* finestra, CausaViva& causa, QString TestiCausa::*inizio, QString TestiCausa::*fine)
    : QObject(finestra)
    , testoInizio_(inizio)
    , testoFine_(fine)
    , datainizio_(finestra->findChild<QLineEdit*>(QStringLiteral("datainizio")))
    , datafine_(finestra->findChild<QLineEdit*>(QStringLiteral("datafine")))
    , inizio_(finestra->findChild<QLabel*>(QStringLiteral("inizio")))
    , fine_(finestra->findChild<QLabel*>(QStringLiteral("fine")))
    , durata_(finestra->findChild<QLabel*>(QStringLiteral("durata")))
{
    // A window without the five controls is a programming error, caught at its first load.
    if (!datainizio_ || !datafine_ || !inizio_ || !fine_ || !durata_)
        qFatal("La finestra %s non ha i cinque controlli delle date", qPrintable(finestra->objectName()));
    for (QLineEdit* campo : {datainizio_, datafine_}) {
        // The form asked, named the same way in the empty field, its tooltip and the messages.
        campo->setPlaceholderText(QString::fromUtf16(Date::forma));
        campo->setToolTip(QStringLiteral("digitare la data nella forma ") + QString::fromUtf16(Date::forma));
        campo->setValidator(validatoreData(campo));
        connect(campo, &QLineEdit::editingFinished, this, [this, campo] { controlla(campo); });
    }
    VistaCausa::collega(causa, datainizio_, inizio);
    VistaCausa::collega(causa, datafine_, fine);
}

void BloccoDate::mostra(const TestiCausa& testi)
{
    const QString& a = testi.*testoInizio_;
    const QString& b = testi.*testoFine_;
    VistaCausa::mostra(datainizio_, a);
    VistaCausa::mostra(datafine_, b);
    inizio_->setText(Date::formaLunga(a));
    fine_->setText(Date::formaLunga(b));
    durata_->setText(StatoCausa::durata(a, b, unGiorno()));
}

void BloccoDate::controlla(const QLineEdit* campo)
{
    const QString t = campo->text().trimmed();
    if (t.isEmpty())
        return;
    if (const QString e = Date::errore(t); !e.isEmpty()) {
        piattaforma().messaggi->mostra(QStringLiteral("Attenzione: ") + e + QLatin1Char('.'),
                                       ModPossidoria::titoloaiuto, Icona::Critico);
        return;
    }
    // A date the Code cannot count from: after today, or not after the start.
    const QString errore = StatoCausa::erroreDate(datainizio_->text(), datafine_->text(), unGiorno());
    if (!errore.isEmpty())
        piattaforma().messaggi->mostra(QStringLiteral("Attenzione: ") + errore, ModPossidoria::titoloaiuto,
                                       Icona::Critico);
}
