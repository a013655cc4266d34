#include "case/bloccodate.h"

#include "app/modpossidoria.h"
#include "case/date.h"
#include "platform/porte.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

BloccoDate::BloccoDate(QWidget* finestra)
    : QObject(finestra),
      datainizio_(finestra->findChild<QLineEdit*>(QStringLiteral("datainizio"))),
      datafine_(finestra->findChild<QLineEdit*>(QStringLiteral("datafine"))),
      inizio_(finestra->findChild<QLabel*>(QStringLiteral("inizio"))),
      fine_(finestra->findChild<QLabel*>(QStringLiteral("fine"))),
      durata_(finestra->findChild<QLabel*>(QStringLiteral("durata")))
{
    // A window without the five controls is a programming error, caught at its first load.
    if (!datainizio_ || !datafine_ || !inizio_ || !fine_ || !durata_)
        qFatal("La finestra %s non ha i cinque controlli delle date", qPrintable(finestra->objectName()));
    // textChanged, not textEdited: a text set by code runs the handler as typing does.
    connect(datainizio_, &QLineEdit::textChanged, this, &BloccoDate::datainizio_Change);
    connect(datafine_, &QLineEdit::textChanged, this, &BloccoDate::datafine_Change);
}

void BloccoDate::datainizio_Change()
{
    const QString t = datainizio_->text();
    if (Date::caratteriAmmessi(t)) {
        inizio_->setText(Date::formaLunga(t));
        datafine_Change();
    } else {
        // The text cannot become a date by further typing: say how to write it.
        piattaforma().messaggi->mostra(
            QStringLiteral("Attenzione: digitare dati corretti nella forma gg/mm/aa."),
            ModPossidoria::titoloaiuto, Icona::Critico);
    }
    if (aggiornapasso)
        aggiornapasso();
}

void BloccoDate::datafine_Change()
{
    const QString t = datafine_->text();
    if (!Date::caratteriAmmessi(t))
        return;
    fine_->setText(Date::formaLunga(t));

    const std::optional<QDate> a = Date::leggi(datainizio_->text());
    const std::optional<QDate> b = Date::leggi(t);
    if (!a || !b)
        return;
    durata_->setText(Date::durata(*a, *b));
    if (completamento)
        completamento();
}
