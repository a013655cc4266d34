#pragma once
// The answers of a case, one type per question, as the Code asks them: the right claimed, the
// plaintiff's six answers on the possession, the defendant's proofs and the interrupting act.
// An unanswered question is an empty std::optional.
//
// Each enumerator carries the number the archive writes for it, which is also the position of
// its option in its window (counted from 1): the archive codec and the windows' option groups
// convert with daNumero()/numero() below (CampoRisposta for a field). A number an archive holds
// that names no option (99 in a damaged file) is kept as read, so that the file writes back the
// same; it is no answer the rules recognise, and proves nothing.
#include <QtGlobal>
#include <optional>

// The right whose usucapione is asked, in the order the header window lists them.
enum class Tipologia : qint16 {
    Proprieta = 1,
    Enfiteusi,
    Usufrutto,
    Uso,
    Abitazione,
    ServituApparenti,
    ServituNonApparenti,      // never acquired by usucapione (art. 1061)
    PiccolaProprietaRurale,   // art. 1159-bis
    UniversalitaMobili,       // art. 1160
    BeniMobili,               // arts. 1153 and 1161
    MobiliRegistrati,         // art. 1162
    DemanioPubblico,          // never acquired by usucapione (art. 823)
};

// The plaintiff's answer on losing the possession between its two dates (art. 1167).
enum class Interruzione : qint16 { MenoDiUnAnno = 1, OltreUnAnno, Nessuna };
// How the possession was acquired (art. 1163).
enum class Modo : qint16 { ViolentoClandestino = 1, PacificoPubblico };
// Held for another, as a mere holder (arts. 1140 and 1141), or as the holder of the right.
enum class Animo : qint16 { PerContoAltrui = 1, DaTitolare };
// Where the thing came from (art. 1154).
enum class Provenienza : qint16 { Legittima = 1, Illegittima };
// The possessor's faith (art. 1147).
enum class Fede : qint16 { Buona = 1, Mala };
// Acquired from one who is not the owner by a title suitable to transfer the right (arts. 1153,
// 1159, 1162), or without one.
enum class Titolo : qint16 { Idoneo = 1, Mancante };

// The proof of an objection on one of the five answers above: the nine means of proof, acts of
// tolerance (no possession at all, art. 1144), a formal notice (proves no fact of the
// possession), none. NonScelta is the number 0, which an archive may hold for a proof never chosen.
enum class ProvaRequisito : qint16 {
    NonScelta = 0,
    AttiDisposizione,
    Transazioni,
    ContrattiLocazione,
    Donazioni,
    AltriDocumenti,
    Testimoni,
    Presunzioni,
    Confessione,
    Giuramento,
    Tolleranza,
    Diffida,
    Nessuna,
};

// The proof of a date on the short list: the defendant's start of the possession, the end of the
// interruption.
enum class ProvaCorta : qint16 {
    NonScelta = 0,
    AttiDisposizione,
    Transazioni,
    ContrattiLocazione,
    Donazioni,
    AltriDocumenti,
    Testimoni,
    Presunzioni,
    Confessione,
    Giuramento,
    Nessuna,
};

// The proof of a date on the long list: the defendant's end of the possession, the start of the
// interruption. A judicial claim and an acknowledgement are acts that interrupt (arts. 2943 and
// 2944); a formal notice proves no date of the possession.
enum class ProvaLunga : qint16 {
    NonScelta = 0,
    AttiDisposizione,
    Transazioni,
    ContrattiLocazione,
    Donazioni,
    AltriDocumenti,
    Testimoni,
    Presunzioni,
    Confessione,
    Giuramento,
    DomandaGiudiziale,
    Riconoscimento,
    Diffida,
    Nessuna,
};

// The act that interrupted the possession.
enum class AttoInterruttivo : qint16 {
    PerditaPossesso = 1,   // for over a year (art. 1167)
    DomandaGiudiziale,     // its service (art. 2943)
    Riconoscimento,        // of the owner's right by the possessor (art. 2944)
};
// Where the proceedings on a judicial claim stand (art. 2945): decided by a judgment that became
// final, from which the term runs again; extinguished, when it runs again from the service;
// still pending, when it has not yet begun to run again.
enum class StatoGiudizio : qint16 { Definito = 0, Estinto, Pendente };
// Whether the possession lost was recovered through the action brought within the year (art. 1167).
enum class Recupero : qint16 { NonRecuperato = 0, EntroLAnno };

// The answer an archive's or a window's number names, kept as read when it names none.
template <class E> constexpr std::optional<E> daNumero(const std::optional<qint16>& n)
{
    return n ? std::optional<E>(static_cast<E>(*n)) : std::nullopt;
}
// The number the archive writes for an answer, and the window's option position.
template <class E> constexpr std::optional<qint16> numero(const std::optional<E>& r)
{
    return r ? std::optional<qint16>(static_cast<qint16>(*r)) : std::nullopt;
}

// True for the nine means of proof, which prove the fact against the plaintiff; false for
// acts of tolerance, a formal notice, "nessuna prova" and a number naming no proof.
bool mezzoDiProva(ProvaRequisito p);
bool mezzoDiProva(ProvaCorta p);
bool mezzoDiProva(ProvaLunga p);
// A date proved: by one of the nine means, or, on the long list, by a claim or an acknowledgement.
bool dataProvata(const std::optional<ProvaCorta>& p);
bool dataProvata(const std::optional<ProvaLunga>& p);
// An objection raised: a proof chosen, whatever it is.
template <class P> constexpr bool sollevata(const std::optional<P>& p) { return p && *p != P::NonScelta; }

// The act that interrupted: the one chosen, or for an archive that never asked, the one the
// start proof names (a claim, an acknowledgement, else a loss of possession).
AttoInterruttivo attoInterruttivo(const std::optional<AttoInterruttivo>& scelto,
                                  const std::optional<ProvaLunga>& provaInizio);
// Whether the interruption has a second date, from which the term runs again: the recovery of a
// lost possession, the day the judgment on a claim became final; not for an acknowledgement nor
// for a claim whose proceedings were extinguished, where it runs again from the act (art. 2945),
// nor for a claim still pending, where it has not yet run again.
bool chiedeRipresa(AttoInterruttivo atto, const std::optional<StatoGiudizio>& stato);
