#include "core/statocausa.h"

#include "core/date.h"
#include "core/tabellecausa.h"

#include <QFileInfo>
#include <array>

namespace StatoCausa {

QString erroreDate(const QString& inizio, const QString& fine, bool unGiorno, const QDate& oggi)
{
    return erroreDate(Date::leggi(inizio), Date::leggi(fine), unGiorno, oggi);
}

QString erroreDate(const std::optional<QDate>& a, const std::optional<QDate>& b, bool unGiorno, const QDate& oggi)
{
    for (const std::optional<QDate>& d : {a, b})
        if (d && *d > oggi)
            return QStringLiteral("la data %1 è successiva a oggi (%2): i fatti della causa non possono "
                                  "andare oltre la data odierna.")
                .arg(Date::formaBreve(*d), Date::formaBreve(oggi));
    if (a && b && *b < *a)
        return QStringLiteral("la data finale (%1) precede quella iniziale (%2).")
            .arg(Date::formaBreve(*b), Date::formaBreve(*a));
    if (a && b && *b == *a && !unGiorno)
        return QStringLiteral("la data finale coincide con quella iniziale (%1): il periodo deve durare "
                              "almeno un giorno.")
            .arg(Date::formaBreve(*a));
    return {};
}

namespace {

// The three blocks of dates, in the order they are checked, as a block's reason names them.
struct Blocco {
    const char* nome;
    std::optional<QDate> inizio, fine;
    bool unGiorno;
};

QString primoErrore(const std::array<Blocco, 3>& blocchi, const QDate& oggi)
{
    for (const Blocco& b : blocchi)
        if (const QString e = erroreDate(b.inizio, b.fine, b.unGiorno, oggi); !e.isEmpty())
            return QString::fromUtf8(b.nome) + QStringLiteral(": ") + e;
    return {};
}

}   // namespace

namespace {

// Every date of a case, as a reason names it, with its text and its reading.
struct CampoData {
    const char* nome;
    QString TestiCausa::*testo;
    std::optional<QDate> Fatti::*data;
};
constexpr CampoData campiData[] = {
    {"Data iniziale del possesso", &TestiCausa::possessoInizio, &Fatti::possessoInizio},
    {"Data finale del possesso", &TestiCausa::possessoFine, &Fatti::possessoFine},
    {"Data iniziale dell'obiezione sulla durata", &TestiCausa::ledateInizio, &Fatti::ledateInizio},
    {"Data finale dell'obiezione sulla durata", &TestiCausa::ledateFine, &Fatti::ledateFine},
    {"Data iniziale dell'interruzione", &TestiCausa::interruzioneInizio, &Fatti::interruzioneInizio},
    {"Data finale dell'interruzione", &TestiCausa::interruzioneFine, &Fatti::interruzioneFine},
    {"Data della trascrizione del titolo", &TestiCausa::trascrizione, &Fatti::trascrizione},
    {"Data di cessazione della violenza o clandestinità", &TestiCausa::cessazioneVizio, &Fatti::cessazioneVizio},
};

ErroreData errore(const CampoData& c, const QString& motivo)
{
    return {c.testo, QString::fromUtf8(c.nome) + QStringLiteral(": ") + motivo + QLatin1Char('.')};
}

}   // namespace

ErroreData dataErrata(const TestiCausa& t, const Fatti& f, const QDate& oggi)
{
    // The two optional dates count only where the window shows them: the cessation for a violent
    // start, the transcription for a title declared; so does the interruption's second date, for an
    // act that has one. Hidden, they wait unjudged.
    const bool violento = f.modo == Modo::ViolentoClandestino || (f.obiezioneModo && mezzoDiProva(*f.obiezioneModo));
    const bool titolo = f.titolo == Titolo::Idoneo;
    const CampoData &trascrizione = campiData[6], &cessazione = campiData[7];
    const auto conta = [&](const CampoData& c) {
        if (c.testo == &TestiCausa::interruzioneFine)
            return f.interruzioneConRipresa();
        return c.testo == trascrizione.testo ? titolo : c.testo == cessazione.testo ? violento : true;
    };
    for (const CampoData& c : campiData)
        if (conta(c) && !(t.*c.testo).trimmed().isEmpty() && !(f.*c.data))
            return errore(c, Date::errore(t.*c.testo));
    // None after today; the cessation within the possession, the transcription not after its end
    // (one before its start is common: the term then runs from the start).
    for (const CampoData* c : {&trascrizione, &cessazione})
        if (const std::optional<QDate> d = f.*c->data; conta(*c) && d && *d > oggi)
            return errore(*c, QStringLiteral("la data %1 è successiva a oggi (%2)")
                                  .arg(Date::formaBreve(*d), Date::formaBreve(oggi)));
    if (!f.possessoInizio || !f.possessoFine)
        return {};
    const QString periodo =
        QStringLiteral(" (dal %1 al %2)").arg(Date::formaBreve(*f.possessoInizio), Date::formaBreve(*f.possessoFine));
    if (violento && f.cessazioneVizio
        && (*f.cessazioneVizio < *f.possessoInizio || *f.cessazioneVizio > *f.possessoFine))
        return errore(
            cessazione,
            QStringLiteral("la data %1 non cade durante il possesso").arg(Date::formaBreve(*f.cessazioneVizio))
                + periodo);
    if (titolo && f.trascrizione && *f.trascrizione > *f.possessoFine)
        return errore(
            trascrizione,
            QStringLiteral("la data %1 è successiva alla fine del possesso").arg(Date::formaBreve(*f.trascrizione))
                + periodo);
    return {};
}

QString erroreDateCausa(const Causa& c, const QDate& oggi) { return erroreDateCausa(c.testi, Fatti::da(c), oggi); }

QString erroreDateCausa(const TestiCausa& t, const Fatti& f, const QDate& oggi)
{
    // A text that is no date first: the blocks would take it for one not yet typed.
    const ErroreData e = dataErrata(t, f, oggi);
    const bool testo = e.campo && (t.*e.campo).trimmed().size() > 0 && !Date::errore(t.*e.campo).isEmpty();
    if (testo)
        return e.motivo;
    if (const QString blocchi = erroreDateCausa(f, oggi); !blocchi.isEmpty())
        return blocchi;
    return e.motivo;
}

QString erroreDateCausa(const Fatti& f, const QDate& oggi)
{
    // An act of one day has no second date: one left in its hidden field is not weighed.
    const std::optional<QDate> fineInterruzione =
        f.interruzioneConRipresa() ? f.interruzioneFine : f.interruzioneInizio;
    return primoErrore({{{"Date del possesso", f.possessoInizio, f.possessoFine, false},
                         {"Date dell'obiezione sulla durata", f.ledateInizio, f.ledateFine, false},
                         {"Date dell'interruzione", f.interruzioneInizio, fineInterruzione, true}}},
                       oggi);
}

QString durata(const QString& inizio, const QString& fine, bool unGiorno)
{
    return durata(Date::leggi(inizio), Date::leggi(fine), unGiorno);
}

QString durata(const std::optional<QDate>& a, const std::optional<QDate>& b, bool unGiorno)
{
    return a && b && erroreDate(a, b, unGiorno).isEmpty() ? Date::durata(*a, *b) : QString();
}

QString durataPossesso(const TestiCausa& t) { return durata(t.possessoInizio, t.possessoFine); }
QString durataDate(const TestiCausa& t) { return durata(t.ledateInizio, t.ledateFine); }
QString durataInterruzione(const TestiCausa& t) { return durata(t.interruzioneInizio, t.interruzioneFine, true); }

namespace {

// A type of the header window's list.
bool tipoElencato(const std::optional<Tipologia>& t)
{
    return t && *t >= Tipologia::Proprieta && *t <= Tipologia::DemanioPubblico;
}

}   // namespace

bool intestazioneCompleta(const Causa& c)
{
    const TestiCausa& t = c.testi;
    return !t.attore.isEmpty() && !t.convenuto.isEmpty() && !t.bene.isEmpty() && tipoElencato(c.scelte.tipologia);
}

bool datiGeneraliCompleti(const TestiCausa& t)
{
    return !t.attore.isEmpty() && !t.convenuto.isEmpty() && !t.bene.isEmpty() && !t.luogo.isEmpty();
}

bool requisitiCompleti(const DatiCausa& d) { return requisitiRisposti(d); }

bool possessoCompleto(const Causa& c) { return !durataPossesso(c.testi).isEmpty() && requisitiCompleti(c.scelte); }

bool obiezioneDateCompleta(const Causa& c, int k)
{
    const TabelleCausa::Obiezione& o = TabelleCausa::obiezione(k);
    if (!o.provaFine.numero)
        return false;
    const DatiCausa& d = c.scelte;
    const bool interruzione = o.dataInizio == &TestiCausa::interruzioneInizio;
    const bool provaInizio = interruzione ? sollevata(d.provaInizioInterruzione) : sollevata(d.provaInizioDate);
    const bool provaFine = interruzione ? sollevata(d.provaFineInterruzione) : sollevata(d.provaFineDate);
    const bool inizio = !(c.testi.*o.dataInizio).isEmpty() && provaInizio;
    // An act that needs no second date is one day: only the day itself must be one the Code can use.
    if (k == 2 && !interruzioneChiedeFine(d))
        return inizio && erroreDate(c.testi.*o.dataInizio, c.testi.*o.dataInizio, interruzione).isEmpty();
    return inizio && !(c.testi.*o.dataFine).isEmpty()
           && erroreDate(c.testi.*o.dataInizio, c.testi.*o.dataFine, interruzione).isEmpty() && provaFine;
}

bool interruzioneChiedeFine(const DatiCausa& d) { return d.interruzioneConRipresa(); }

QStringList mancanze(const Causa& c)
{
    QStringList m;
    const TestiCausa& t = c.testi;
    const std::pair<const QString&, const char*> testi[] = {
        {t.attore, "l'attore"}, {t.convenuto, "il convenuto"}, {t.bene, "il bene o diritto"}, {t.luogo, "la località"}};
    for (const auto& [testo, nome] : testi)
        if (testo.trimmed().isEmpty())
            m << QString::fromUtf8(nome);
    if (!tipoElencato(c.scelte.tipologia))
        m << QStringLiteral("la tipologia di usucapione");
    return m + mancanzePossesso(c);
}

QStringList mancanzePossesso(const Causa& c)
{
    QStringList m;
    const TestiCausa& t = c.testi;
    if (!Date::leggi(t.possessoInizio))
        m << QStringLiteral("la data iniziale del possesso");
    if (!Date::leggi(t.possessoFine))
        m << QStringLiteral("la data finale del possesso");
    for (const TabelleCausa::Requisito& r : TabelleCausa::requisiti()) {
        const int i = r.variabile.numero(c.scelte).value_or(0);
        if (i < 1 || i > int(r.opzioni.size()))
            m << QStringLiteral("la risposta su «%1»").arg(QString::fromUtf8(r.titolo));
    }
    return m;
}

bool giudicabile(const Causa& c) { return giudicabile(c, Fatti::da(c)); }

bool giudicabile(const Causa& c, const Fatti& f)
{
    const TestiCausa& t = c.testi;
    const bool intestazione =
        !t.attore.isEmpty() && !t.convenuto.isEmpty() && !t.bene.isEmpty() && tipoElencato(f.tipologia);
    const bool possesso = !durata(f.possessoInizio, f.possessoFine).isEmpty() && requisitiRisposti(f);
    return intestazione && datiGeneraliCompleti(t) && possesso && erroreDateCausa(t, f).isEmpty();
}

QString parti(const TestiCausa& t)
{
    const QString attore = t.attore.simplified(), convenuto = t.convenuto.simplified();
    return !attore.isEmpty() && !convenuto.isEmpty() ? attore + QStringLiteral(" c. ") + convenuto
           : !attore.isEmpty()                       ? attore
           : !convenuto.isEmpty()                    ? QStringLiteral("contro ") + convenuto
                                                     : QString();
}

QString nomeCausa(const TestiCausa& t, const QString& archivio)
{
    QString nome = parti(t);
    if (nome.isEmpty())
        nome = QFileInfo(archivio).fileName();
    return nome.isEmpty() ? QStringLiteral("senza nome") : QStringLiteral("«%1»").arg(nome);
}

bool obiezioneSollevata(const DatiCausa& d, int k)
{
    switch (k) {
    case 1: return sollevata(d.provaInizioDate);
    case 2: return sollevata(d.provaInizioInterruzione);
    case 3: return sollevata(d.obiezioneModo);
    case 4: return sollevata(d.obiezioneAnimo);
    case 5: return sollevata(d.obiezioneProvenienza);
    case 6: return sollevata(d.obiezioneFede);
    case 7: return sollevata(d.obiezioneTitolo);
    default: return false;
    }
}

int numeroObiezioni(const DatiCausa& d)
{
    int n = 0;
    for (int k = 1; k <= TabelleCausa::obiezioni; ++k)
        n += obiezioneSollevata(d, k) ? 1 : 0;
    return n;
}

QString contatoreObiezioni(int n)
{
    if (n <= 0)
        return {};
    // The verb agrees with the number: one objection is "stata formulata".
    return n == 1 ? QStringLiteral("È stata formulata n. 1 obiezione.")
                  : QStringLiteral("Sono state formulate n. %1 obiezioni.").arg(n);
}

}   // namespace StatoCausa
