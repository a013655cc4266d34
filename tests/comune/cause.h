#pragma once
// Whole cases for the tests of what follows a judgment: a flawless plaintiff claiming a right, to
// which a test adds the defendant's objections or changes an answer.
#include "core/daticausa.h"

#include <QMetaType>
#include <QString>

inline Causa causaDi(Tipologia tipologia, const QString& inizio, const QString& fine)
{
    Causa c;
    c.testi.attore = QStringLiteral("Mario Rossi");
    c.testi.convenuto = QStringLiteral("Giulia Bianchi");
    c.testi.bene = QStringLiteral("il fondo detto «Campo lungo»");
    c.testi.luogo = QStringLiteral("Orvieto");
    c.testi.possessoInizio = inizio;
    c.testi.possessoFine = fine;
    DatiCausa& d = c.scelte;
    d.tipologia = tipologia;
    d.interruzione = Interruzione::Nessuna;
    d.modo = Modo::PacificoPubblico;
    d.animo = Animo::DaTitolare;
    d.provenienza = Provenienza::Legittima;
    d.fede = Fede::Mala;
    d.titolo = Titolo::Mancante;
    return c;
}

// Good faith and a suitable title, transcribed on the day given (none: no date).
inline Causa conTitolo(Causa c, const QString& trascrizione = {})
{
    c.scelte.fede = Fede::Buona;
    c.scelte.titolo = Titolo::Idoneo;
    c.testi.trascrizione = trascrizione;
    return c;
}

// A loss of possession for over a year, proved by witnesses at both ends, recovered by the action
// brought within the year.
inline Causa conPossessoRecuperato(Causa c, const QString& perso, const QString& recuperato)
{
    c.testi.interruzioneInizio = perso;
    c.testi.interruzioneFine = recuperato;
    c.scelte.provaInizioInterruzione = ProvaLunga::Testimoni;
    c.scelte.provaFineInterruzione = ProvaCorta::Testimoni;
    c.scelte.atto = AttoInterruttivo::PerditaPossesso;
    c.scelte.recupero = Recupero::EntroLAnno;
    return c;
}

Q_DECLARE_METATYPE(Causa)
