// The account of a decision: from what decidi() returned, one line per fact that decided it.
#include "comune/periodo.h"
#include "core/catalogo.h"
#include "core/date.h"
#include "core/regole.h"
#include "core/spiegazione.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

void possesso(Fatti& f, const QString& durata)
{
    const Periodo p = periodo(durata);
    f.possessoInizio = p.inizio;
    f.possessoFine = p.fine;
}

// The defendant's dates, ending with the possession, proved at both ends unless told otherwise.
void dateConvenuto(Fatti& f, const QString& durata, ProvaCorta provaInizio = ProvaCorta::AttiDisposizione,
                   ProvaLunga provaFine = ProvaLunga::AttiDisposizione)
{
    const Periodo p = periodo(durata);
    f.ledateInizio = p.inizio;
    f.ledateFine = p.fine;
    f.provaInizioDate = provaInizio;
    f.provaFineDate = provaFine;
}

// The defendant's interruption from the given date for the given time.
void interruzione(Fatti& f, const QDate& inizio, int anni, int giorni, ProvaLunga provaInizio, ProvaCorta provaFine)
{
    f.interruzioneInizio = inizio;
    f.interruzioneFine = inizio.addYears(anni).addDays(giorni);
    f.provaInizioInterruzione = provaInizio;
    f.provaFineInterruzione = provaFine;
}

// A flawless plaintiff claiming ownership with 22 years, to which each row adds what the defendant proved.
Fatti base()
{
    Fatti f;
    f.tipologia = Tipologia::Proprieta;
    f.interruzione = Interruzione::Nessuna;
    f.modo = Modo::PacificoPubblico;
    f.animo = Animo::DaTitolare;
    f.provenienza = Provenienza::Legittima;
    f.fede = Fede::Buona;
    f.titolo = Titolo::Idoneo;
    possesso(f, u" 22 anni e 3 giorni"_s);   // from 29/12/1987 to 1/1/2010
    return f;
}

}   // namespace

class TstSpiegazione : public QObject {
    Q_OBJECT
private slots:
    void righe_data();
    void righe();
    void ordine();
    void testiConcordi();
};

void TstSpiegazione::righe_data()
{
    QTest::addColumn<Fatti>("fatti");
    QTest::addColumn<QStringList>("attese");   // a piece of the line with the same heading

    Fatti f = base();
    QTest::newRow("flawless") << f
                              << QStringList{
                                     u"Regola applicata: R5 (l'attore vince la causa)."_s,
                                     u"Anni di possesso considerati: 22, secondo le date dell'attore."_s,
                                     u"Interruzione: nessuna interruzione rilevante."_s,
                                     u"Modo di acquisto del possesso: pacifico e pubblico (dichiarato dall'attore)."_s,
                                     u"Animo: del titolare del diritto (dichiarato dall'attore)."_s,
                                     u"Fede: buona fede (dichiarata dall'attore)."_s};

    f = base();
    dateConvenuto(f, u" 18 anni"_s);
    QTest::newRow("defendant's dates shorten")
        << f
        << QStringList{
               u"Regola applicata: R5"_s,
               u"Anni di possesso considerati: 18, secondo la data d'inizio provata dal convenuto (l'attore ne indicava 22)."_s};

    f = base();
    dateConvenuto(f, u" 30 anni"_s);
    QTest::newRow("defendant's dates do not lengthen")
        << f << QStringList{u"Anni di possesso considerati: 22, secondo le date dell'attore."_s};

    f = base();
    dateConvenuto(f, u" 18 anni"_s, ProvaCorta::Nessuna, ProvaLunga::Diffida);
    QTest::newRow("defendant's dates unproved")
        << f
        << QStringList{
               u"Regola applicata: R5"_s,
               u"Anni di possesso considerati: 22, secondo le date dell'attore (le date del convenuto prive di prova"_s};

    f = base();
    interruzione(f, QDate(1970, 1, 1), 5, 0, ProvaLunga::AttiDisposizione, ProvaCorta::AttiDisposizione);
    possesso(f, u" 50 anni"_s);
    QTest::newRow("term complete after the interruption")
        << f
        << QStringList{
               u"Regola applicata: R5"_s,
               u"Anni di possesso considerati: 35, dalla fine dell'interruzione (1/1/1975) alla fine del possesso (1/1/2010)."_s,
               u"Interruzione: perdita del possesso per oltre un anno, dal 1/1/1970 al 1/1/1975 (5 anni), secondo la prova del convenuto (art. 1167); dalla sua fine sono trascorsi 35 anni, che compiono da soli il termine."_s};

    f = base();
    f.fede = Fede::Mala;
    f.titolo = Titolo::Mancante;
    interruzione(f, QDate(1995, 1, 1), 1, 0, ProvaLunga::DomandaGiudiziale, ProvaCorta::AttiDisposizione);
    QTest::newRow("judicial claim")
        << f
        << QStringList{
               u"Regola applicata: R2 (l'attore perde la causa)."_s,
               u"Interruzione: notificazione di una domanda giudiziale, dal 1/1/1995 al 1/1/1996 (1 anno), secondo la prova del convenuto (artt. 1165 e 2943); dalla ripresa del termine (1/1/1996) sono trascorsi soltanto 14 anni, e il termine interrotto non è maturato."_s};

    f = base();
    interruzione(f, QDate(1980, 1, 1), 2, 0, ProvaLunga::AttiDisposizione, ProvaCorta::AttiDisposizione);
    QTest::newRow("interruption before the possession")
        << f
        << QStringList{
               u"Regola applicata: R5"_s,
               u"Interruzione: nessuna interruzione rilevante; l'interruzione opposta dal convenuto, dal 1/1/1980 al 1/1/1982 (2 anni), non comincia durante il possesso"_s};

    f = base();
    f.obiezioneFede = ProvaRequisito::Tolleranza;
    QTest::newRow("acts of tolerance")
        << f
        << QStringList{
               u"Regola applicata: RT (l'attore perde la causa)."_s,
               u"Tolleranza: il convenuto ha provato atti di tolleranza (fede), che non fondano il possesso (art. 1144)."_s};

    f = base();
    f.fede = Fede::Mala;
    f.titolo = Titolo::Mancante;
    interruzione(f, QDate(2007, 1, 1), 1, 14, ProvaLunga::Transazioni, ProvaCorta::Testimoni);
    QTest::newRow("interruption proved")
        << f
        << QStringList{
               u"Regola applicata: R2 (l'attore perde la causa)."_s,
               u"Interruzione: perdita del possesso per oltre un anno, dal 1/1/2007 al 15/1/2008 (1 anno e 14 giorni), secondo la prova del convenuto (art. 1167); dalla sua fine è trascorso soltanto un anno, e il termine interrotto non è maturato."_s};

    f.provaInizioInterruzione = ProvaLunga::Diffida;
    QTest::newRow("interruption by formal notice")
        << f
        << QStringList{
               u"Regola applicata: R1"_s,
               u"Interruzione: nessuna interruzione rilevante; l'interruzione opposta dal convenuto, dal 1/1/2007 al 15/1/2008 (1 anno e 14 giorni), comincia con una diffida"_s};

    f.provaInizioInterruzione = ProvaLunga::Transazioni;
    f.provaFineInterruzione = ProvaCorta::Nessuna;
    QTest::newRow("interruption unproved")
        << f
        << QStringList{
               u"Interruzione: nessuna interruzione rilevante; l'interruzione opposta dal convenuto, dal 1/1/2007 al 15/1/2008 (1 anno e 14 giorni), è priva di prova"_s};

    f = base();
    interruzione(f, QDate(2008, 1, 1), 1, 0, ProvaLunga::AttiDisposizione, ProvaCorta::AttiDisposizione);
    QTest::newRow("interruption of a year")
        << f
        << QStringList{
               u"Interruzione: nessuna interruzione rilevante; la perdita del possesso opposta dal convenuto, dal 1/1/2008 al 1/1/2009 (1 anno), non supera l'anno"_s};

    f = base();
    f.interruzione = Interruzione::OltreUnAnno;
    QTest::newRow("interruption conceded")
        << f << QStringList{u"Interruzione: possesso perduto per oltre un anno, come dichiarato dall'attore."_s};

    f = base();
    f.obiezioneModo = ProvaRequisito::ContrattiLocazione;
    f.obiezioneAnimo = ProvaRequisito::ContrattiLocazione;
    f.obiezioneFede = ProvaRequisito::ContrattiLocazione;
    QTest::newRow("three objections proved")
        << f
        << QStringList{u"Regola applicata: RF"_s,
                       u"Modo di acquisto del possesso: violento o clandestino (provato dal convenuto)."_s,
                       u"Animo: semplice detenzione per conto di altri (provata dal convenuto)."_s,
                       u"Fede: mala fede (provata dal convenuto)."_s,
                       u"Motivo: acquisto violento o clandestino, detenzione anziché possesso."_s};

    f = base();
    f.fede = Fede::Mala;
    f.titolo = Titolo::Mancante;
    possesso(f, u" 15 anni"_s);
    QTest::newRow("faith and title missing")
        << f
        << QStringList{
               u"Fede: mala fede (dichiarata dall'attore)."_s,
               u"Titolo: nessun titolo idoneo (dichiarato dall'attore)."_s,
               // The commonest loss: the years, not faith or title, are what is missing.
               u"Motivo: il possesso di 15 anni non raggiunge il termine di 20 anni (art. 1158), che non richiede né buona fede né titolo: mancano 5 anni. Il termine di 10 anni (art. 1159) richiederebbe la buona fede e un titolo idoneo, che mancano."_s};

    f = base();
    possesso(f, u" 7 anni"_s);
    QTest::newRow("too few years")
        << f
        << QStringList{
               u"Motivo: il possesso considerato non raggiunge il termine minimo di 10 anni previsto per la tipologia."_s};

    f = base();
    f.tipologia = Tipologia::BeniMobili;
    f.provenienza = Provenienza::Illegittima;
    possesso(f, u" 2 anni"_s);
    QTest::newRow("movables delivered, illegitimate provenance")
        << f
        << QStringList{
               u"Regola applicata: R41 (l'attore vince la causa)."_s, u"Tipologia di usucapione: beni mobili."_s,
               u"Titolo: acquisto da chi non è proprietario con un titolo idoneo (dichiarato dall'attore)."_s,
               u"Provenienza della cosa: illegittima (dichiarata dall'attore)."_s,
               u"Acquisto il 1/1/2008: con la consegna della cosa al possessore di buona fede munito di un titolo idoneo (art. 1153), senza alcun termine di usucapione."_s};

    f = Fatti();
    QTest::newRow("nothing answered") << f
                                      << QStringList{u"Tipologia di usucapione: non indicata."_s,
                                                     u"Modo di acquisto del possesso: non indicato."_s,
                                                     u"Fede: non indicata."_s,
                                                     u"Provenienza della cosa: non indicata."_s,
                                                     u"Motivo: mancano la tipologia o alcune risposte sul possesso."_s};
}

void TstSpiegazione::righe()
{
    QFETCH(Fatti, fatti);
    QFETCH(QStringList, attese);
    const QStringList righe = spiegazione(decidi(fatti));
    for (const QString& a : attese) {
        const QString intestazione = a.section(u':', 0, 0) + u':';
        const auto riga =
            std::find_if(righe.begin(), righe.end(), [&](const QString& r) { return r.startsWith(intestazione); });
        QVERIFY2(riga != righe.end(), qPrintable(intestazione));
        QVERIFY2(riga->startsWith(a), qPrintable(*riga));
    }
    for (const QString& r : righe)
        QVERIFY2(r.endsWith(u'.') && !r.endsWith(u".."_s) && !r.contains(u"  "_s) && !r.contains(u'\r'), qPrintable(r));
}

// Every account names the rule first and then the same facts in the same order; only RF adds
// its reason, and a won case its day of acquisition.
void TstSpiegazione::ordine()
{
    const QStringList intestazioni{u"Regola applicata:"_s,
                                   u"Tipologia di usucapione:"_s,
                                   u"Anni di possesso considerati:"_s,
                                   u"Interruzione:"_s,
                                   u"Modo di acquisto del possesso:"_s,
                                   u"Animo:"_s,
                                   u"Fede:"_s,
                                   u"Titolo:"_s,
                                   u"Provenienza della cosa:"_s};
    Fatti vince = base();
    Fatti perde = base();
    possesso(perde, u" 3 anni"_s);
    for (const Fatti& f : {vince, perde}) {
        const Decisione d = decidi(f);
        // The lines told only when they apply: the day of acquisition, the transcription.
        QStringList righe = spiegazione(d);
        righe.removeIf(
            [](const QString& r) { return r.startsWith(u"Compiuta il"_s) || r.startsWith(u"Trascrizione:"_s); });
        const bool rf = d.chiave == u"RF"_s;
        QCOMPARE(righe.size(), intestazioni.size() + (rf ? 1 : 0));
        for (int i = 0; i < intestazioni.size(); ++i)
            QVERIFY2(righe[i].startsWith(intestazioni[i]), qPrintable(righe[i]));
        if (rf)
            QVERIFY(righe.last().startsWith(u"Motivo:"_s));
    }
}

// Over generated cases, the judgment's paragraph says what "Perché?" says: the day and the term's
// article, the act that decides and the day the term ran again from, no uninterrupted term where
// the term interrupted did not mature, no restart of a claim still pending.
void TstSpiegazione::testiConcordi()
{
    using A = AttoInterruttivo;
    using G = StatoGiudizio;
    const Tipologia tipi[] = {Tipologia::Proprieta, Tipologia::PiccolaProprietaRurale, Tipologia::BeniMobili,
                              Tipologia::MobiliRegistrati};
    for (int i = 0; i < 4 * 4 * 6 * 5 * 3; ++i) {
        Fatti f;
        f.tipologia = tipi[i % 4];
        f.interruzione = Interruzione::Nessuna;
        f.animo = Animo::DaTitolare;
        f.provenienza = Provenienza::Legittima;
        f.fede = (i / 4) % 2 ? Fede::Mala : Fede::Buona;
        f.titolo = (i / 8) % 2 ? Titolo::Mancante : Titolo::Idoneo;
        f.modo = (i / 16) % 3 == 2 ? Modo::ViolentoClandestino : Modo::PacificoPubblico;
        f.possessoInizio = QDate(1980, 1, 1);
        f.possessoFine = QDate(1996 + (i / 96) % 5 * 6, 6, 1);
        if (f.modo == Modo::ViolentoClandestino)
            f.cessazioneVizio = QDate(1983, 3, 1);
        if ((i / 48) % 2)
            f.trascrizione = QDate(1982, 5, 1);
        // The acts: none, a loss, a claim decided, pending or extinguished, an acknowledgement; and
        // sometimes a claim given as the defendant's end of possession as well.
        const int atto = (i / 480) % 3 * 2 + (i / 16) % 2;
        const struct {
            std::optional<A> atto;
            std::optional<G> stato;
            int anni;
        } atti[] = {{},
                    {A::PerditaPossesso, {}, 3},
                    {A::DomandaGiudiziale, G::Definito, 4},
                    {A::DomandaGiudiziale, G::Pendente, 0},
                    {A::DomandaGiudiziale, G::Estinto, 0},
                    {A::Riconoscimento, {}, 0}};
        if (atti[atto].atto) {
            f.atto = atti[atto].atto;
            f.statoGiudizio = atti[atto].stato;
            f.interruzioneInizio = QDate(1981 + i % 7 * 2, 2, 1);
            f.interruzioneFine = f.interruzioneInizio->addYears(atti[atto].anni);
            f.provaInizioInterruzione = ProvaLunga::AltriDocumenti;
            f.provaFineInterruzione = ProvaCorta::AltriDocumenti;
        }
        if (i % 5 == 0) {
            f.ledateInizio = f.possessoInizio;
            f.ledateFine = QDate(1994, 9, 1);
            f.provaInizioDate = ProvaCorta::AltriDocumenti;
            f.provaFineDate = i % 10 ? ProvaLunga::Riconoscimento : ProvaLunga::DomandaGiudiziale;
        }
        const Decisione d = decidi(f);
        const QString testo = testoSentenza(d);
        const QString perche = spiegazione(d).join(u'\n');
        const QString caso = u"caso "_s + QString::number(i) + u": "_s + testo + u"\n"_s + perche;
        const Origini& o = d.origini;
        if (d.compiuta) {
            const QString giorno = Date::formaBreve(*d.compiuta);
            QVERIFY2(testo.contains(giorno), qPrintable(caso));
            if (o.termineCompiuto.anni > 0) {
                QVERIFY2(perche.contains(u"Compiuta il "_s + giorno), qPrintable(caso));
                // The paragraph is on the term acquired: its article, never the long term's words
                // when the short term gave the day.
                const QString articolo = QString::fromLatin1(o.termineCompiuto.articolo).mid(5);
                QVERIFY2(testo.contains(articolo), qPrintable(caso));
                if (o.termineCompiuto.daTrascrizione)
                    QVERIFY2(!testo.contains(u"non rilevano né la buona fede"_s), qPrintable(caso));
            } else {
                QVERIFY2(!testo.contains(u"L'usucapione si è compiuta"_s), qPrintable(caso));
            }
        }
        if (perche.contains(u"il termine interrotto non è maturato"_s))
            QVERIFY2(!testo.contains(u"senza interruzioni o con interruzioni non superiori all'anno"_s),
                     qPrintable(caso));
        // The day the term ran again from, when the years were counted from it.
        const bool perInterruzione = tabellaRegole()[size_t(d.riga)].interrotto == true;
        if (perInterruzione && o.interruzione == Fonte::Convenuto && o.ripresa)
            QVERIFY2(testo.contains(Date::formaBreve(*o.ripresa)), qPrintable(caso));
        if (o.decideAltroAtto())
            QVERIFY2(perche.contains(u"da ultimo il termine è stato interrotto"_s), qPrintable(caso));
        // A claim still pending: the term has not run again, and nobody says it has.
        if (d.fattori.interrotto && o.interruzione == Fonte::Convenuto && !o.ripresa)
            QVERIFY2(!perche.contains(u"dalla sua fine"_s) && !testo.contains(u"dalla fine dell'interruzione"_s),
                     qPrintable(caso));
    }
}

QTEST_APPLESS_MAIN(TstSpiegazione)
#include "tst_spiegazione.moc"
