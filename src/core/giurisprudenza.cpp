#include "core/giurisprudenza.h"

#include "core/massimario.h"

#include <QVector>
#include <algorithm>

namespace {

using R = RiferimentoMassima;

// Topics: 3 Condominio, 5 Forma, 6 Immobili, 7 Interruzione, 10 Passaggi, 11 Possesso, 12 Servitù,
// 13 Tolleranza, 14 Usucapione decennale. Each maxim listed makes the point of its row.
std::vector<PuntoGiurisprudenza> costruisci()
{
    return {
        {"demanio",
         "beni del demanio pubblico e del patrimonio indisponibile, sottratti all'usucapione",
         {11, 14},
         {R{11, 11}, R{14, 13}, R{11, 28}}},
        {"servitu-non-apparenti",
         "servitù non apparenti, che non si acquistano per usucapione (art. 1061)",
         {12, 10},
         {R{10, 1}, R{12, 2}, R{12, 3}, R{5, 21}, R{14, 14}}},
        {"tolleranza",
         "atti compiuti con l'altrui tolleranza (art. 1144)",
         {13},
         {R{13, 1}, R{13, 2}, R{5, 27}, R{11, 10}, R{10, 5}, R{3, 5}}},
        {"art. 1158", "usucapione ordinaria ventennale degli immobili (art. 1158)", {5, 6}, {R{5, 32}, R{6, 1}}},
        {"art. 1159",
         "usucapione decennale con titolo idoneo trascritto e buona fede (art. 1159)",
         {14, 6},
         {R{14, 1}, R{14, 6}, R{6, 2}, R{5, 28}}},
        {"art. 1159-bis",
         "usucapione speciale della piccola proprietà rurale (art. 1159-bis)",
         {14, 11},
         {R{11, 22}, R{14, 26}, R{14, 31}}},
        {"art. 1160", "usucapione dell'universalità di mobili (art. 1160)", {14}, {R{14, 22}}},
        {"art. 1161",
         "usucapione dei beni mobili senza titolo idoneo (art. 1161)",
         {14, 11},
         {R{14, 18}, R{11, 14}, R{5, 33}}},
        {"art. 1162",
         "usucapione dei beni mobili iscritti in pubblici registri (art. 1162)",
         {14},
         {R{14, 21}, R{5, 33}}},
        {"art. 1153",
         "acquisto dei beni mobili con il possesso di buona fede e titolo idoneo (art. 1153)",
         {14, 11},
         {R{14, 18}, R{11, 14}, R{5, 33}}},
        {"interruzione",
         "cause che interrompono l'usucapione (artt. 1165 e 1167)",
         {7},
         {R{7, 2}, R{14, 17}, R{5, 20}}},
        {"interruzione-perdita",
         "perdita del possesso per oltre un anno (art. 1167)",
         {7},
         {R{7, 1}, R{7, 6}, R{5, 18}}},
        {"interruzione-domanda",
         "domanda giudiziale che interrompe l'usucapione (artt. 1165, 2943 e 2945)",
         {7},
         {R{7, 5}, R{7, 4}, R{14, 17}}},
        {"interruzione-riconoscimento",
         "riconoscimento del diritto del proprietario (artt. 1165 e 2944)",
         {7},
         {R{7, 3}, R{7, 8}, R{5, 26}}},
        {"interruzione-non-oltre-un-anno",
         "privazione del possesso che non dura oltre un anno (art. 1167)",
         {7},
         {R{5, 18}, R{7, 1}}},
        {"interruzione-recupero",
         "possesso recuperato con l'azione proposta entro l'anno (art. 1167)",
         {7},
         {R{7, 1}, R{7, 6}, R{5, 18}}},
        {"interruzione-diffida",
         "diffide e atti stragiudiziali, che non interrompono il possesso",
         {7},
         {R{7, 2}, R{7, 7}, R{5, 6}}},
        {"interruzione-non-provata", "interruzione affermata dal convenuto e non provata (art. 1142)", {5}, {R{5, 8}}},
        {"violenza",
         "possesso acquistato in modo violento o clandestino (art. 1163)",
         {5, 11},
         {R{5, 4}, R{11, 5}, R{6, 1}, R{14, 19}}},
        {"cessazione-vizio",
         "decorso del termine dalla cessazione della violenza o della clandestinità (art. 1163)",
         {6, 14},
         {R{6, 1}, R{14, 19}, R{5, 4}}},
        {"detenzione",
         "detenzione per conto altrui e interversione del possesso (artt. 1140 e 1141)",
         {11, 5},
         {R{11, 2}, R{11, 3}, R{5, 7}, R{5, 22}, R{11, 24}}},
        {"mala-fede",
         "buona fede del possessore, presunta e bastante al tempo dell'acquisto (art. 1147)",
         {14, 11},
         {R{14, 3}, R{14, 23}, R{11, 9}, R{14, 10}}},
        {"senza-titolo", "titolo idoneo a trasferire il diritto", {14, 6}, {R{14, 2}, R{14, 5}, R{6, 2}, R{11, 19}}},
        {"provenienza",
         "acquisto di mobili di provenienza illecita in mala fede (artt. 1153 e 1154)",
         {14, 11},
         {R{14, 18}, R{11, 14}}},
        {"trascrizione",
         "decorso del termine abbreviato dalla trascrizione del titolo",
         {14, 11},
         {R{14, 6}, R{11, 25}, R{14, 32}}},
        {"trascrizione-non-indicata",
         "prova del titolo, della sua trascrizione e del possesso successivo",
         {14},
         {R{14, 20}}},
        {"date-contestate",
         "prova dell'inizio e della durata del possesso (artt. 1142 e 1143)",
         {11, 5},
         {R{11, 7}, R{5, 23}}},
        {"requisiti",
         "requisiti del possesso utile all'usucapione e onere della prova",
         {5, 11},
         {R{5, 37}, R{11, 12}}},
        {"accertamento",
         "sentenza che accerta l'usucapione e sua trascrizione (art. 2651)",
         {11, 14},
         {R{11, 20}, R{14, 27}}},
    };
}

void aggiungi(QStringList& punti, const QString& chiave)
{
    if (!punti.contains(chiave))
        punti << chiave;
}

void aggiungi(QStringList& punti, const char* chiave) { aggiungi(punti, QString::fromLatin1(chiave)); }

const char* puntoInterruzione(TipoInterruzione t)
{
    switch (t) {
    case TipoInterruzione::Domanda: return "interruzione-domanda";
    case TipoInterruzione::Riconoscimento: return "interruzione-riconoscimento";
    case TipoInterruzione::PerditaPossesso:
    case TipoInterruzione::Dichiarata: return "interruzione-perdita";
    case TipoInterruzione::Nessuna: break;
    }
    return "interruzione";
}

// A maxim of the library and its two parts, split once.
struct VoceBiblioteca {
    QString testo, citazione, primaFrase;
};

// The maxims of every topic, built once: the judge over a thousand cases reads them each time.
const QVector<QVector<VoceBiblioteca>>& biblioteca()
{
    static const QVector<QVector<VoceBiblioteca>> tutte = [] {
        QVector<QVector<VoceBiblioteca>> t(1);
        for (int a = 1; a <= 14; ++a) {
            QVector<VoceBiblioteca> argomento;
            for (const QString& testo : massimeArgomento(a))
                argomento.push_back({testo, citazioneMassima(testo), primaFraseMassima(testo)});
            t << argomento;
        }
        return t;
    }();
    return tutte;
}

const VoceBiblioteca* voce(const RiferimentoMassima& r)
{
    const QVector<QVector<VoceBiblioteca>>& b = biblioteca();
    if (r.argomento < 1 || r.argomento >= b.size() || r.numero < 1 || r.numero > b[r.argomento].size())
        return nullptr;
    return &b[r.argomento][r.numero - 1];
}

}   // namespace

const std::vector<PuntoGiurisprudenza>& tabellaGiurisprudenza()
{
    static const std::vector<PuntoGiurisprudenza> tabella = costruisci();
    return tabella;
}

const PuntoGiurisprudenza* puntoGiurisprudenza(const QString& chiave)
{
    for (const PuntoGiurisprudenza& p : tabellaGiurisprudenza())
        if (chiave == QLatin1String(p.chiave))
            return &p;
    return nullptr;
}

QStringList puntiDellaRegola(const Regola& r)
{
    QStringList punti;
    if (r.tipi && r.tipi->da == Tipologia::DemanioPubblico)
        aggiungi(punti, "demanio");
    if (r.tipi && r.tipi->da == Tipologia::ServituNonApparenti && r.tipi->a == Tipologia::ServituNonApparenti)
        aggiungi(punti, "servitu-non-apparenti");
    if (r.tolleranza == true)
        aggiungi(punti, "tolleranza");
    if (r.interrotto == true)
        aggiungi(punti, "interruzione");
    if (r.modo == Modo::ViolentoClandestino)
        aggiungi(punti, "violenza");
    if (r.animo == Animo::PerContoAltrui)
        aggiungi(punti, "detenzione");
    if (r.esito == Esito::Perde && r.fede == Fede::Mala)
        aggiungi(punti, "mala-fede");
    if (r.esito == Esito::Perde && r.titolo == Titolo::Mancante)
        aggiungi(punti, "senza-titolo");
    if (r.provenienza == Provenienza::Illegittima)
        aggiungi(punti, "provenienza");
    // After the defects, on which a lost case turns, the term.
    if (r.tipi) {
        // The term the row is built around: for a row that loses on faith or title, the one that
        // good faith and a title would have given.
        const bool perde = r.esito == Esito::Perde;
        const std::optional<Fede> fede = perde && r.fede == Fede::Mala ? std::optional(Fede::Buona) : r.fede;
        const std::optional<Titolo> titolo =
            perde && r.titolo == Titolo::Mancante ? std::optional(Titolo::Idoneo) : r.titolo;
        const Termine t = termineApplicabile(r.tipi->da, fede, titolo);
        if (t.anni >= 0)
            aggiungi(punti, t.articolo);
    }
    if (r.esito == Esito::Vince)
        aggiungi(punti, "accertamento");
    if (punti.isEmpty())
        aggiungi(punti, "requisiti");
    return punti;
}

QStringList puntiDelGiudizio(const Decisione& d)
{
    const std::vector<Regola>& tabella = tabellaRegole();
    QStringList punti;
    if (d.riga >= 0 && d.riga < int(tabella.size()))
        punti = puntiDellaRegola(tabella[size_t(d.riga)]);
    const Origini& o = d.origini;
    // The interruption: the act that counted, or why the one opposed did not.
    if (o.interruzione == Fonte::Convenuto) {
        aggiungi(punti, puntoInterruzione(o.tipoInterruzione));
        if (o.tipoInterruzione == TipoInterruzione::Domanda && !o.ripresa)
            aggiungi(punti, "interruzione-domanda");
    }
    switch (o.opposizione) {
    case Opposizione::NonOltreUnAnno: aggiungi(punti, "interruzione-non-oltre-un-anno"); break;
    case Opposizione::Recuperato: aggiungi(punti, "interruzione-recupero"); break;
    case Opposizione::Diffida: aggiungi(punti, "interruzione-diffida"); break;
    case Opposizione::SenzaProva: aggiungi(punti, "interruzione-non-provata"); break;
    case Opposizione::DopoCompimento: aggiungi(punti, puntoInterruzione(o.tipoInterruzione)); break;
    default: break;
    }
    if (o.cessazioneVizio)
        aggiungi(punti, "cessazione-vizio");
    if (o.termineDaTrascrizione)
        aggiungi(punti, "trascrizione");
    if (o.trascrizioneNonIndicata)
        aggiungi(punti, "trascrizione-non-indicata");
    if (o.anni == Fonte::Convenuto || o.dateConvenutoSenzaProva)
        aggiungi(punti, "date-contestate");
    // The requirements the defendant proved against the plaintiff's word.
    if (o.modo == Fonte::Convenuto)
        aggiungi(punti, "violenza");
    if (o.animo == Fonte::Convenuto)
        aggiungi(punti, "detenzione");
    if (o.fede == Fonte::Convenuto)
        aggiungi(punti, "mala-fede");
    if (o.titolo == Fonte::Convenuto)
        aggiungi(punti, "senza-titolo");
    if (o.provenienza == Fonte::Convenuto)
        aggiungi(punti, "provenienza");
    if (d.fattori.tolleranza)
        aggiungi(punti, "tolleranza");
    return punti;
}

QString testoMassima(const RiferimentoMassima& r)
{
    const VoceBiblioteca* v = voce(r);
    return v ? v->testo : QString();
}

QString citazioneMassima(const QString& testo)
{
    const qsizetype i = testo.lastIndexOf(QLatin1String(" - ("));
    if (i < 0 || !testo.endsWith(QLatin1Char(')')))
        return {};
    return testo.mid(i + 4, testo.size() - i - 5);
}

QString primaFraseMassima(const QString& testo)
{
    const qsizetype fine = testo.lastIndexOf(QLatin1String(" - ("));
    const QString enunciato = (fine < 0 ? testo : testo.left(fine)).trimmed();
    // A sentence ends at a period followed by a blank and a capital, but not after "art." or "artt.".
    for (qsizetype i = enunciato.indexOf(QLatin1String(". ")); i >= 0;
         i = enunciato.indexOf(QLatin1String(". "), i + 1)) {
        if (i + 2 >= enunciato.size() || !enunciato.at(i + 2).isUpper())
            continue;
        // The word before the period, after an elided article ("dall'art.").
        qsizetype parola = enunciato.lastIndexOf(QLatin1Char(' '), i) + 1;
        for (const QChar apostrofo : {QChar(u'\''), QChar(u'\u2019')})
            parola = std::max(parola, enunciato.lastIndexOf(apostrofo, i) + 1);
        const QStringView prima = QStringView(enunciato).sliced(parola, i - parola);
        if (prima == QLatin1String("art") || prima == QLatin1String("artt"))
            continue;
        return enunciato.left(i + 1);
    }
    return enunciato;
}

std::vector<MassimaPertinente> massimePertinenti(const Decisione& d)
{
    std::vector<MassimaPertinente> r;
    for (const QString& chiave : puntiDelGiudizio(d)) {
        const PuntoGiurisprudenza* p = puntoGiurisprudenza(chiave);
        if (!p)
            continue;
        for (const RiferimentoMassima& rif : p->massime) {
            if (std::any_of(r.begin(), r.end(), [&](const MassimaPertinente& m) { return m.riferimento == rif; }))
                continue;
            if (const VoceBiblioteca* v = voce(rif))
                r.push_back({rif, chiave, v->citazione, v->primaFrase});
        }
    }
    return r;
}

QString titoloGiurisprudenza() { return QStringLiteral("Giurisprudenza pertinente"); }

QStringList righeGiurisprudenza(const std::vector<MassimaPertinente>& massime)
{
    QStringList righe;
    for (const MassimaPertinente& m : massime)
        righe << m.citazione + QStringLiteral(": ") + m.primaFrase;
    return righe;
}
