#pragma once
// The case record: the choices made across the case windows and the texts typed in them.
#include <QString>
#include <QtGlobal>
#include <optional>

// A choice variable of the case record: empty until the user picks, then the option index.
// Empty and 0 are different values (the archive writes them differently).
using Scelta = std::optional<qint16>;

struct DatiCausa {
    Scelta tipologia, sceltainterr, sceltamodus, sceltapsic, sceltaprov, sceltafed, sceltaacq;
    Scelta ledatin, ledatfin, interdatin, interdatfin;
    Scelta obiezmodo, obiezpsiche, obiezprov, obiezfede, obiezacq;
    // What interrupted the possession (1 loss of possession, 2 judicial claim, 3 acknowledgement);
    // empty in an archive written before it was asked, where the start proof tells it.
    Scelta tipointerr;
    // A judicial claim whose proceedings were extinguished (1): the term runs again from its service.
    Scelta domandaestinta;
    // Possession recovered through the action brought within the year (1): no interruption.
    Scelta recupero1167;

    friend bool operator==(const DatiCausa&, const DatiCausa&) = default;
};

// The texts of a case, in the order the archive stores them.
struct TestiCausa {
    QString attore, convenuto, bene, luogo;
    QString possessoInizio, possessoFine;
    QString ledateInizio, ledateFine;
    QString interruzioneInizio, interruzioneFine;
    // Optional dates: the transcription of the title, and when violence or clandestinity ceased.
    QString trascrizione, cessazioneVizio;

    friend bool operator==(const TestiCausa&, const TestiCausa&) = default;
};

// A whole case as an archive holds it.
struct Causa {
    TestiCausa testi;
    DatiCausa scelte;

    friend bool operator==(const Causa&, const Causa&) = default;
};
