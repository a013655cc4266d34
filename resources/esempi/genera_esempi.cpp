// Writes the example cases as archives in the program's own format, into the folder given:
//   genera_esempi DIR
// The files it writes are kept with the sources; run it again after changing a case here.
#include "core/archivio.h"

#include <QDir>
#include <QString>
#include <cstdio>

namespace {

struct Esempio {
    const char* file;
    const char *attore, *convenuto, *bene, *luogo, *inizio, *fine;
    Tipologia tipo;
    Interruzione interruzione;
    Modo modo;
    Animo animo;
    Provenienza provenienza;
    Fede fede;
    Titolo titolo;
    // objections proved by the defendant ({} = none raised): manner, state of mind, faith
    std::optional<ProvaRequisito> obiezioneModo = {}, obiezioneAnimo = {}, obiezioneFede = {};
    // the defendant's interruption and the proofs of its start and end
    const char *interruzioneInizio = "", *interruzioneFine = "";
    std::optional<ProvaLunga> provaInizioInterruzione = {};
    std::optional<ProvaCorta> provaFineInterruzione = {};
    // what interrupted; {} not asked (an archive of nine records)
    std::optional<AttoInterruttivo> atto = {};
};

constexpr Interruzione menoDiUnAnno = Interruzione::MenoDiUnAnno, oltreUnAnno = Interruzione::OltreUnAnno,
                       nessunaInterruzione = Interruzione::Nessuna;
constexpr Modo pacifico = Modo::PacificoPubblico, violento = Modo::ViolentoClandestino;
constexpr Animo titolare = Animo::DaTitolare, detentore = Animo::PerContoAltrui;
constexpr Provenienza legittima = Provenienza::Legittima, illegittima = Provenienza::Illegittima;
constexpr Fede buona = Fede::Buona, mala = Fede::Mala;
constexpr Titolo idoneo = Titolo::Idoneo, senzaTitolo = Titolo::Mancante;
using Req = ProvaRequisito;
using Corta = ProvaCorta;
using Lunga = ProvaLunga;

// Dates as a user types them, with two or four digits for the year.
const Esempio esempi[] = {
    {"Possidoria-dati-esempio-01-ventennale", "Mario Rossi", "Giulia Bianchi",
     "fondo agricolo con casolare, foglio 12 particella 48", "Montepulciano (SI)", "03/04/1985", "15/09/2008",
     Tipologia::Proprieta, nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo},
    {"Possidoria-dati-esempio-02-decennale", "Anna Ferrari", "Luigi Esposito",
     "appartamento al secondo piano di via Garibaldi 14", "Torino", "10/06/2009", "20/11/2021", Tipologia::Proprieta,
     nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo},
    {"Possidoria-dati-esempio-03-interruzione", "Paolo Greco", "Carla Romano",
     "terreno seminativo in località Pian del Lago", "Siena", "01/02/1990", "30/06/2014", Tipologia::Proprieta,
     oltreUnAnno, pacifico, titolare, legittima, mala, senzaTitolo},
    {"Possidoria-dati-esempio-04-clandestino", "Giorgio Colombo", "Elena Ricci",
     "cantina interrata sotto il fabbricato di via Roma 3", "Bergamo", "15/03/1980", "01/10/2012", Tipologia::Proprieta,
     nessunaInterruzione, violento, titolare, legittima, mala, senzaTitolo},
    {"Possidoria-dati-esempio-05-detenzione", "Francesca Marino", "Roberto Gallo",
     "villetta con giardino in via dei Pini 7", "Lecce", "01/09/1986", "31/12/2010", Tipologia::Proprieta,
     nessunaInterruzione, pacifico, detentore, legittima, mala, senzaTitolo},
    {"Possidoria-dati-esempio-06-mala-fede", "Stefano Conti", "Marta De Luca", "magazzino in via dell'Industria 22",
     "Padova", "12/01/2006", "05/05/2019", Tipologia::Proprieta, nessunaInterruzione, pacifico, titolare, legittima,
     mala, idoneo},
    {"Possidoria-dati-esempio-07-senza-titolo", "Laura Mancini", "Davide Costa",
     "box auto nel cortile di corso Vittorio Emanuele 90", "Napoli", "20/04/2007", "10/10/2020", Tipologia::Proprieta,
     nessunaInterruzione, pacifico, titolare, legittima, buona, senzaTitolo},
    {"Possidoria-dati-esempio-08-consegna-buona-fede", "Alessandro Giordano", "Silvia Rizzo",
     "dipinto a olio su tela, paesaggio lagunare del primo Novecento", "Venezia", "14/02/2021", "14/08/2022",
     Tipologia::BeniMobili, nessunaInterruzione, pacifico, titolare, illegittima, buona, idoneo},
    {"Possidoria-dati-esempio-09-mobili-registrati", "Chiara Lombardi", "Marco Moretti",
     "imbarcazione a vela iscritta nel registro delle imbarcazioni da diporto", "La Spezia", "01/03/2017", "15/09/2021",
     Tipologia::MobiliRegistrati, nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo},
    {"Possidoria-dati-esempio-10-proprieta-rurale", "Giuseppe Barbieri", "Teresa Fontana",
     "fondo rustico a prato e bosco con annesso fienile", "Pieve di Cadore (BL)", "01/11/1995", "30/04/2013",
     Tipologia::PiccolaProprietaRurale, nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo},
    {"Possidoria-dati-esempio-11-demanio", "Antonio Santoro", "Agenzia del Demanio",
     "tratto di arenile sulla spiaggia di Sottomarina", "Chioggia (VE)", "01/06/1975", "01/06/2005",
     Tipologia::DemanioPubblico, nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo},
    {"Possidoria-dati-esempio-12-servitu-non-apparente", "Valentina Mariani", "Luca Rinaldi",
     "servitù di non edificare sul fondo confinante", "Ravenna", "01/01/1978", "31/12/2004",
     Tipologia::ServituNonApparenti, nessunaInterruzione, pacifico, titolare, legittima, mala, senzaTitolo},
    {"Possidoria-dati-esempio-13-obiezione-provata", "Federico Caruso", "Sara Ferraro",
     "casa colonica con corte in località Le Vigne", "Alba (CN)", "01/07/2008", "31/08/2021", Tipologia::Proprieta,
     nessunaInterruzione, pacifico, titolare, legittima, buona, idoneo, Req::Testimoni},
    {"Possidoria-dati-esempio-14-nuovo-termine",
     "Giulia Esposito",
     "Vincenzo De Luca",
     "uliveto in contrada Lama Balice",
     "Bitonto (BA)",
     "01/03/1970",
     "15/09/2012",
     Tipologia::Proprieta,
     nessunaInterruzione,
     pacifico,
     titolare,
     legittima,
     mala,
     senzaTitolo,
     {},
     {},
     {},
     "01/04/1975",
     "30/06/1978",
     Lunga::Testimoni,
     Corta::AttiDisposizione},
    {"Possidoria-dati-esempio-15-riconoscimento",
     "Roberto Galli",
     "Maria Fontana",
     "magazzino al piano terra di via Solferino 7",
     "Cremona",
     "01/06/1988",
     "01/06/2016",
     Tipologia::Proprieta,
     nessunaInterruzione,
     pacifico,
     titolare,
     legittima,
     mala,
     senzaTitolo,
     {},
     {},
     {},
     "12/05/2004",
     "12/05/2004",
     Lunga::Riconoscimento,
     Corta::AltriDocumenti},
    {"Possidoria-dati-esempio-16-termine-compiuto",
     "Elisa Ferri",
     "Bruno Marchetti",
     "castagneto in località Le Piastre",
     "Pistoia",
     "01/03/1980",
     "15/09/2015",
     Tipologia::Proprieta,
     nessunaInterruzione,
     pacifico,
     titolare,
     legittima,
     mala,
     senzaTitolo,
     {},
     {},
     {},
     "10/04/2005",
     "20/06/2008",
     Lunga::Testimoni,
     Corta::Testimoni,
     AttoInterruttivo::PerditaPossesso},
};

}   // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("Uso: genera_esempi CARTELLA\n", stderr);
        return 2;
    }
    const QDir cartella(QString::fromLocal8Bit(argv[1]));
    for (const Esempio& e : esempi) {
        Causa c;
        c.testi.attore = QString::fromUtf8(e.attore);
        c.testi.convenuto = QString::fromUtf8(e.convenuto);
        c.testi.bene = QString::fromUtf8(e.bene);
        c.testi.luogo = QString::fromUtf8(e.luogo);
        c.testi.possessoInizio = QString::fromLatin1(e.inizio);
        c.testi.possessoFine = QString::fromLatin1(e.fine);
        DatiCausa& d = c.scelte;
        d.tipologia = e.tipo;
        d.interruzione = e.interruzione;
        d.modo = e.modo;
        d.animo = e.animo;
        d.provenienza = e.provenienza;
        d.fede = e.fede;
        d.titolo = e.titolo;
        d.obiezioneModo = e.obiezioneModo;
        d.obiezioneAnimo = e.obiezioneAnimo;
        d.obiezioneFede = e.obiezioneFede;
        c.testi.interruzioneInizio = QString::fromLatin1(e.interruzioneInizio);
        c.testi.interruzioneFine = QString::fromLatin1(e.interruzioneFine);
        d.provaInizioInterruzione = e.provaInizioInterruzione;
        d.provaFineInterruzione = e.provaFineInterruzione;
        d.atto = e.atto;
        const QString percorso = cartella.filePath(QString::fromLatin1(e.file));
        const EsitoScrittura esito = salvaFileArchivio(percorso, c);
        if (!esito) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(percorso), qPrintable(esito.errore));
            return 1;
        }
    }
    return 0;
}
