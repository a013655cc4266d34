#include "core/esempi.h"

#include <QDir>

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

constexpr TipoGiorno compiuta = TipoGiorno::Compiuta;
constexpr TipoGiorno maturerebbe = TipoGiorno::Maturerebbe;
constexpr TipoGiorno mai = TipoGiorno::Irraggiungibile;

// giorno and data: the day of the usucapione ("2005-04-03"); cambia: the rules the changes reach.
EsempioCausa esempio(const char* file, const char* titolo, const char* regola, TipoGiorno giorno, const char* data,
                     const char* cambia, const char* spiegazione)
{
    return {QString::fromLatin1(file),
            u(titolo),
            QString::fromLatin1(regola),
            u(spiegazione),
            giorno,
            QDate::fromString(QString::fromLatin1(data), Qt::ISODate),
            QString::fromLatin1(cambia).split(QLatin1Char(' '), Qt::SkipEmptyParts)};
}

// "Usucapione compiuta il 3/4/2005.", and how many changes would turn the judgment.
QString giornoECambiamenti(const EsempioCausa& e)
{
    const QString data = e.data.toString(QStringLiteral("d/M/yyyy"));
    QString t = e.giorno == compiuta ? u("Acquisto compiuto il ") + data + u(".")
                : e.giorno == maturerebbe
                    ? u("Se il possesso proseguisse senza mutamenti, l'usucapione si compirebbe il ") + data + u(".")
                    : u("Proseguendo il possesso senza mutamenti, nessun termine potrebbe compiersi.");
    const qsizetype n = e.cambia.size();
    QStringList regole = e.cambia;
    regole.removeDuplicates();
    const QString elenco =
        regole.size() > 1 ? regole.mid(0, regole.size() - 1).join(u(", ")) + u(" e ") + regole.last() : regole.value(0);
    t += n == 0   ? u(" Nessun cambiamento dei fatti porterebbe all'esito opposto.")
         : n == 1 ? u(" Un cambiamento dei fatti porterebbe all'esito opposto (regola ") + elenco + u(").")
                  : u(" %1 cambiamenti dei fatti porterebbero all'esito opposto (").arg(n)
                        + (regole.size() > 1 ? u("regole ") : u("regola ")) + elenco + u(").");
    return t;
}

QVector<EsempioCausa> costruisci()
{
    return {
        esempio(
            "Possidoria-dati-esempio-01-ventennale", "Usucapione ventennale di un fondo", "R1", compiuta, "2005-04-03",
            "R2 R3 R4 RF",
            "Mario Rossi possiede dal 1985 al 2008 un fondo agricolo a Montepulciano in modo pacifico, pubblico e "
            "ininterrotto, con l'animo del proprietario, pur sapendo che il fondo non è suo e senza alcun titolo. "
            "Trascorsi più di vent'anni, l'usucapione ordinaria dell'art. 1158 non richiede né buona fede né titolo: "
            "l'attore vince la causa."),
        esempio(
            "Possidoria-dati-esempio-02-decennale", "Usucapione abbreviata di un appartamento", "R5", compiuta,
            "2019-06-10", "R10 R9 R6 RF",
            "Anna Ferrari ha comprato in buona fede da chi non era proprietario un appartamento a Torino, con un atto "
            "idoneo a trasferire la proprietà e debitamente trascritto, e lo possiede da dodici anni. Bastano dieci "
            "anni dalla trascrizione (art. 1159): l'attrice vince pur senza raggiungere il ventennio."),
        esempio(
            "Possidoria-dati-esempio-03-interruzione", "Possesso interrotto per oltre un anno", "R2", mai, "", "R1",
            "Paolo Greco ha posseduto un terreno presso Siena per ventiquattro anni, ma ammette di esserne stato privato "
            "per oltre un anno. La privazione del possesso protratta oltre l'anno interrompe l'usucapione (art. 1167): "
            "il tempo anteriore va perduto e, senza le date dell'interruzione, non risulta un nuovo ventennio; "
            "l'attore perde la causa."),
        esempio(
            "Possidoria-dati-esempio-04-clandestino", "Possesso clandestino di una cantina", "R3", mai, "", "R1 R1",
            "Giorgio Colombo occupa da oltre trent'anni una cantina a Bergamo, ma all'insaputa della proprietaria. Il "
            "possesso acquistato in modo violento o clandestino non giova all'usucapione se non dal momento in cui la "
            "violenza o la clandestinità è cessata (art. 1163): l'attore perde la causa."),
        esempio(
            "Possidoria-dati-esempio-05-detenzione", "Detenzione per conto del proprietario", "R4", mai, "", "R1",
            "Francesca Marino abita da ventiquattro anni una villetta a Lecce, ma per conto del proprietario. Chi ha la "
            "detenzione non possiede (artt. 1140 e 1141) e non usucapisce, per quanto duri la detenzione, finché non ne "
            "muta il titolo: l'attrice perde la causa."),
        esempio(
            "Possidoria-dati-esempio-06-mala-fede", "Mala fede sotto il ventennio", "R9", maturerebbe, "2026-01-12",
            "R5 R1",
            "Stefano Conti ha un titolo trascritto per un magazzino a Padova, ma sapeva che il venditore non ne era "
            "proprietario e lo possiede da tredici anni. Il termine di dieci anni dell'art. 1159 esige la buona fede: "
            "senza di essa occorrono vent'anni (art. 1158), che l'attore non ha."),
        esempio(
            "Possidoria-dati-esempio-07-senza-titolo", "Buona fede senza titolo", "R10", maturerebbe, "2027-04-20",
            "R5 R1",
            "Laura Mancini usa da tredici anni un box auto a Napoli credendolo suo, ma senza alcun atto di acquisto. "
            "Per gli immobili la buona fede da sola non abbrevia il termine: l'art. 1159 vuole anche un titolo idoneo "
            "e trascritto, e senza di esso restano i vent'anni dell'art. 1158."),
        esempio(
            "Possidoria-dati-esempio-08-consegna-buona-fede", "Dipinto acquistato in buona fede", "R41", compiuta,
            "2021-02-14", "R43 R40 RF",
            "Alessandro Giordano ha comprato a Venezia un dipinto da chi non ne era proprietario, in buona fede, con "
            "un titolo idoneo, e lo ha ricevuto in consegna. Per i beni mobili il possesso così acquistato fa subito "
            "acquistare la proprietà (art. 1153), senza attendere alcun termine: l'attore vince."),
        esempio(
            "Possidoria-dati-esempio-09-mobili-registrati", "Imbarcazione iscritta nei registri", "R45", compiuta,
            "2020-03-01", "R47 R46 R45I RF",
            "Chiara Lombardi ha acquistato in buona fede una barca a vela iscritta nei pubblici registri, con un titolo "
            "idoneo e trascritto, e la possiede da più di quattro anni. Per i mobili registrati bastano tre anni dalla "
            "trascrizione (art. 1162): l'attrice vince."),
        esempio(
            "Possidoria-dati-esempio-10-proprieta-rurale", "Piccola proprietà rurale", "R11", compiuta, "2010-11-01",
            "R12 R13 R14 RF",
            "Giuseppe Barbieri sfalcia e cura da diciassette anni un fondo rustico a prato e bosco con annesso fienile in un comune "
            "montano del Cadore, senza titolo e sapendo che non è suo. Per i fondi rustici con annessi fabbricati situati in comuni classificati montani "
            "l'usucapione si compie in quindici anni (art. 1159-bis): l'attore vince."),
        esempio("Possidoria-dati-esempio-11-demanio", "Arenile del demanio marittimo", "RD", mai, "", "",
                "Antonio Santoro occupa da trent'anni un tratto di spiaggia a Sottomarina. La spiaggia appartiene allo "
                "Stato e fa parte del demanio pubblico (art. 822); i beni demaniali sono inalienabili e non possono "
                "formare oggetto di diritti a favore di terzi se non nei modi stabiliti dalla legge (art. 823), sicché "
                "non si acquistano per usucapione: l'attore perde, qualunque sia la durata del possesso."),
        esempio(
            "Possidoria-dati-esempio-12-servitu-non-apparente", "Servitù di non edificare", "RS", mai, "", "",
            "Valentina Mariani pretende da oltre venticinque anni che il vicino di Ravenna non costruisca sul proprio "
            "fondo. Una servitù senza opere visibili e permanenti non è apparente e non si acquista per usucapione "
            "(art. 1061): l'attrice perde."),
        esempio(
            "Possidoria-dati-esempio-13-obiezione-provata", "La clandestinità provata dal convenuto", "R7", mai, "",
            "R5 R5",
            "Federico Caruso afferma di possedere da tredici anni una casa colonica ad Alba, in buona fede e con titolo "
            "trascritto, in modo pacifico e pubblico: avrebbe vinto in dieci anni (art. 1159). La convenuta prova con "
            "testimoni che il possesso è stato acquistato in modo violento o clandestino (art. 1163) e la sentenza "
            "cambia: l'attore perde. Togliendo l'obiezione si vede l'esito opposto."),
        esempio("Possidoria-dati-esempio-14-nuovo-termine", "Un nuovo ventennio dopo la perdita del possesso", "R1",
                compiuta, "1998-06-30", "R3 R4 RF R2",
                "Giulia Esposito possiede dal 1970 al 2012 un uliveto a Bitonto, senza titolo. Il convenuto prova con "
                "testimoni che dal 1975 al 1978 ella ne fu privata: la perdita del possesso per oltre un anno "
                "interrompe l'usucapione (art. 1167) e il tempo anteriore va perduto. Ma dalla fine dell'interruzione "
                "alla domanda sono trascorsi più di trent'anni, e il nuovo ventennio dell'art. 1158 è compiuto: "
                "l'attrice vince."),
        esempio("Possidoria-dati-esempio-15-riconoscimento", "Il riconoscimento che interrompe il termine", "R2",
                maturerebbe, "2024-05-12", "R1 R1 R1",
                "Roberto Galli occupa dal 1988 un magazzino a Cremona, senza titolo. Nel 2004 scrive alla proprietaria "
                "per offrirsi di comprarlo, riconoscendone così il diritto: il riconoscimento interrompe il termine "
                "qualunque ne sia la durata (artt. 1165 e 2944), e un nuovo periodo decorre dalla sua data "
                "(art. 2945). Nel 2016 ne sono trascorsi soltanto dodici anni, non venti: l'attore perde."),
        esempio(
            "Possidoria-dati-esempio-16-termine-compiuto", "Un ventennio compiuto prima della perdita del possesso",
            "R1", compiuta, "2000-03-01", "R3 R4 R2 R2",
            "Elisa Ferri possiede dal 1° marzo 1980 un castagneto a Pistoia, senza titolo. Il convenuto prova con "
            "testimoni che dal 2005 al 2008 ella ne fu privata. Ma il ventennio dell'art. 1158 si era compiuto il "
            "1° marzo 2000, allo scadere del suo ultimo giorno (art. 2963): la perdita del possesso avvenuta dopo "
            "non interrompe un termine già compiuto e non toglie il diritto acquistato (art. 1167). L'attrice vince, "
            "e la sentenza indica il giorno in cui l'usucapione si è compiuta."),
    };
}

}   // namespace

namespace Esempi {

const QVector<EsempioCausa>& elenco()
{
    static const QVector<EsempioCausa> esempi = costruisci();
    return esempi;
}

QString cartella(const QString& cartellaProgramma)
{
    return QDir(cartellaProgramma).filePath(QStringLiteral("esempi"));
}

QString testoGuida()
{
    QString t =
        u("Casi di esempio\n\nOgni caso è un archivio di Possidoria: si apre dal menu File con \"Apri esempio...\", "
          "si percorrono le finestre, si preme \"Sentenza\" e si può cambiare una risposta per vedere come cambia "
          "la sentenza. Un esempio non viene mai sovrascritto: \"Salva\" chiede un nome nuovo. Per ogni esempio "
          "sono indicati il giorno dell'usucapione e quanti cambiamenti dei fatti porterebbero all'esito "
          "opposto: il tasto \"Che cosa cambierebbe?\" della finestra Sentenza li descrive.\n");
    int n = 0;
    for (const EsempioCausa& e : elenco())
        t += QStringLiteral("\n%1. %2 (file %3)\n%4\n%5\n")
                 .arg(++n)
                 .arg(e.titolo, e.file, e.spiegazione, giornoECambiamenti(e));
    return t;
}

}   // namespace Esempi
