#pragma once
// The block of dates shared by the possession, dates-objection and interruption windows: two
// text fields (datainizio, datafine) and three labels (inizio, fine, durata) of one window, a view
// of two dates of the case record.
//
// Every change of a field, typed or set by code, goes into the record. Shown from the record, each
// label has the long form of its text (a text that is not a date stands unchanged) and durata the
// duration when both texts read as dates, else nothing. A text is checked when the user leaves its
// field: one that is not a date gets "Attenzione: digitare dati corretti nella forma gg/mm/aaaa.", a
// date after today, or an end not after the start, the reason (StatoCausa::erroreDate); such dates
// give no duration.
#include "core/daticausa.h"

#include <QLabel>
#include <QLineEdit>
#include <QObject>

class CausaViva;

class BloccoDate : public QObject {
    Q_OBJECT
public:
    // finestra: the window whose children are named datainizio, datafine, inizio, fine, durata;
    // inizio and fine: the two texts of the record `causa` it shows.
    BloccoDate(QWidget* finestra, CausaViva& causa, QString TestiCausa::*inizio, QString TestiCausa::*fine);

    // The record's two dates on screen.
    void mostra(const TestiCausa& testi);

    QLineEdit* datainizio() const { return datainizio_; }
    QLineEdit* datafine() const { return datafine_; }
    QLabel* inizio() const { return inizio_; }
    QLabel* fine() const { return fine_; }
    QLabel* durata() const { return durata_; }

private:
    void controlla(const QLineEdit* campo);
    // The interruption's block: a single act (a claim, an acknowledgment) starts and ends on one day.
    bool unGiorno() const { return testoInizio_ == &TestiCausa::interruzioneInizio; }

    QString TestiCausa::*testoInizio_;
    QString TestiCausa::*testoFine_;
    // Siblings of this object under the same window, so they live as long as it does.
    QLineEdit* datainizio_;
    QLineEdit* datafine_;
    QLabel* inizio_;
    QLabel* fine_;
    QLabel* durata_;
};
