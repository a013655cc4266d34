#pragma once
// The block of dates shared by the possession, dates-objection and interruption windows: two
// text fields (datainizio, datafine) and three labels (inizio, fine, durata) of one window.
//
// Every change of a field, typed or set by code, runs its handler. The long form of each date goes
// to its label; when both texts read as dates the duration goes to durata and the window's
// completion step runs. A text that is not (yet) a date stops the computation silently, leaving
// durata as it was. Only a start text holding a character that no date can contain (a letter,
// a comma, ...) raises "Attenzione: digitare dati corretti nella forma gg/mm/aa."; digits,
// blanks and the separators / - . never do, so a correct date typed key by key, through all
// its incomplete prefixes, never raises it. After the message the start label, the end
// computation and durata are left alone; the hint is still refreshed. The same character in the
// end text stops the end handler silently, its label untouched.
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <functional>

class BloccoDate : public QObject {
    Q_OBJECT
public:
    // finestra: the window whose children are named datainizio, datafine, inizio, fine, durata.
    explicit BloccoDate(QWidget* finestra);

    // The window's completion step, run after every successful computation.
    std::function<void()> completamento;
    // The window's hint refresh (aggiornapasso), run at the end of every start change.
    std::function<void()> aggiornapasso;

    void datainizio_Change();
    void datafine_Change();

    QLineEdit* datainizio() const { return datainizio_; }
    QLineEdit* datafine() const { return datafine_; }
    QLabel* inizio() const { return inizio_; }
    QLabel* fine() const { return fine_; }
    QLabel* durata() const { return durata_; }

private:
    // Siblings of this object under the same window, so they live as long as it does.
    QLineEdit* datainizio_;
    QLineEdit* datafine_;
    QLabel* inizio_;
    QLabel* fine_;
    QLabel* durata_;
};
