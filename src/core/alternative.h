#pragma once
// What would change the judgment: the day the usucapione was acquired or would be, and the
// smallest changes of the facts that give the other outcome. Every answer here comes from
// deciding a changed copy of the case with decidi(); nothing is reasoned out beside it.
#include "core/regole.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What the section says of the day.
enum class TipoGiorno {
    Nessuno,           // nothing to say (a judgment without its day)
    Compiuta,          // won: the day the usucapione was acquired
    Maturerebbe,       // lost: the day it would be acquired if the possession went on unchanged
    Irraggiungibile,   // lost: no term can be reached while the possession stays as it is
};

struct GiornoUsucapione {
    TipoGiorno tipo = TipoGiorno::Nessuno;
    std::optional<QDate> data;
    QString regola;   // the rule that gives the day: the one applied, or the one the longer possession reaches
    QString testo;    // one Italian sentence
};

enum class TipoCambiamento { Obiezione, Risposta, Data };

struct Cambiamento {
    TipoCambiamento tipo = TipoCambiamento::Risposta;
    QString testo;                // the change and the outcome it gives, one Italian sentence
    QString regola;               // the key of the rule the changed case reaches
    Esito esito = Esito::Perde;   // of the changed case: always the other outcome
    std::optional<QDate> data;    // for a date moved, the date found
    Fatti fatti;                  // the changed case, as it was judged
};

struct Alternative {
    GiornoUsucapione giorno;
    std::vector<Cambiamento> cambiamenti;   // at most massimoCambiamenti, the most useful first

    static constexpr int massimoCambiamenti = 5;
};

// The day and the changes for the facts given and the decision they had. For a lost case the
// changes are what would have to be proved (an answer, an objection that fails, an earlier date);
// for a won one, what the defendant would have to prove for it to be lost.
// A day of acquisition before oggi is told as past.
Alternative cercaAlternative(const Fatti& fatti, const Decisione& decisione, const QDate& oggi = QDate::currentDate());

// The heading of the section, as every place that shows it writes it.
QString titoloAlternative();

// The section as lines: the day first, then one line per change, or the line that says none.
QStringList righeAlternative(const Alternative& a, Esito esito);
