#pragma once
// The decision of a case: an ordered table of rules over five factors derived from the case
// record, evaluated top to bottom, the first rule that holds deciding. The texts each rule
// writes live in the catalogue under the same key ("RD", "RS", "R1" .. "R47", "RF").
#include "case/daticausa.h"

#include <QString>
#include <vector>

// What the decision reads: the choices of the case and the three duration texts as the possession,
// dates-objection and interruption windows show them.
struct Fatti {
    Scelta tipologia;
    Scelta sceltainterr, sceltamodus, sceltapsic, sceltaprov, sceltafed, sceltaacq;
    Scelta obiezmodo, obiezpsiche, obiezfede;
    QString durataPossesso;       // possesso.durata
    QString durataDate;           // ledate.durata
    QString durataInterruzione;   // interruzione.durata

    static Fatti da(const DatiCausa& d, const QString& durataPossesso, const QString& durataDate,
                    const QString& durataInterruzione);
};

// The factors the rules test. An empty choice counts as 0.
struct Fattori {
    int tipologia = 0;
    int anni = 0;         // years of possession taken into account
    int interrotto = 1;   // 1 no, 2 interrupted for a year or more
    int modoacq = 0;      // 1 violent or clandestine, 2 peaceful and public
    int animo = 0;        // 1 held for the owner, 2 held as owner
    int fedeposs = 0;     // 1 good faith, 2 bad faith
    int sceltaacq = 0;    // 1 suitable registered title, 2 none
    int sceltaprov = 0;   // 1 legitimate provenance, 2 illegitimate
};

Fattori fattori(const Fatti& f);

enum class Esito { Vince, Perde };

// One row of the table. A zero in a field means "not tested"; anni is a minimum.
struct Regola {
    QString chiave;
    int tipoDa = 0, tipoA = 0;   // range of tipologia; 0 = any type
    int anni = 0;
    int interrotto = 0, modoacq = 0, animo = 0, fedeposs = 0, sceltaacq = 0, sceltaprov = 0;
    Esito esito = Esito::Perde;
    char forma = 'C';            // comment form: 'C' text alone, 'N' name + text, 'A' "A " + name + text

    bool vale(const Fattori& x) const;
};

// RD, RS, R1 .. R47, RF in the order they are tried; RF holds for every case.
const std::vector<Regola>& tabellaRegole();

struct Decisione {
    QString chiave;
    Esito esito = Esito::Perde;
    char forma = 'C';
    int riga = -1;          // position of the rule in tabellaRegole()
    Fattori fattori;
};

Decisione decidi(const Fatti& f);
