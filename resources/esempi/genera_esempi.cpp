// Writes the example cases as archives in the program's own format, into the folder given:
//   genera_esempi DIR
// The files it writes are kept with the sources; run it again after changing a case here.
#include "case/archivio.h"

#include <QDir>
#include <QString>
#include <cstdio>

namespace {

struct Esempio {
    const char* file;
    const char *attore, *convenuto, *bene, *luogo, *inizio, *fine;
    // tipologia, interruption, manner, state of mind, provenance, faith, title
    int tipo, interr, modus, psic, prov, fed, acq;
    // objections proved by the defendant (0 = none raised): manner, state of mind, faith
    int obiezmodo = 0, obiezpsiche = 0, obiezfede = 0;
    // the defendant's interruption and the proofs of its start and end
    const char *interruzioneInizio = "", *interruzioneFine = "";
    int interdatin = 0, interdatfin = 0;
    // what interrupted: 1 loss of possession, 2 judicial claim, 3 acknowledgement; 0 not asked
    int tipointerr = 0;
};

Scelta s(int v)
{
    return v == 0 ? Scelta() : Scelta(qint16(v));
}

// Dates as a user types them, with two or four digits for the year. Choices: interruption 1 under a year, 2 over a year, 3 none; manner 1 violent or clandestine,
// 2 peaceful and public; state of mind 1 for the owner, 2 as owner; provenance 1 legitimate,
// 2 illegitimate; faith 1 good, 2 bad; title 1 yes, 2 no. Objection proofs: 6 witnesses,
// 3 lease contracts, 8 confession; an interruption's start may also be proved by 10 the service of
// a judicial claim or 11 an acknowledgement of the owner's right.
const Esempio esempi[] = {
    {"Possidoria-dati-esempio-01-ventennale", "Mario Rossi", "Giulia Bianchi",
     "fondo agricolo con casolare, foglio 12 particella 48", "Montepulciano (SI)", "03/04/85", "15/09/08",
     1, 3, 2, 2, 1, 2, 2},
    {"Possidoria-dati-esempio-02-decennale", "Anna Ferrari", "Luigi Esposito",
     "appartamento al secondo piano di via Garibaldi 14", "Torino", "10/06/09", "20/11/21",
     1, 3, 2, 2, 1, 1, 1},
    {"Possidoria-dati-esempio-03-interruzione", "Paolo Greco", "Carla Romano",
     "terreno seminativo in località Pian del Lago", "Siena", "01/02/90", "30/06/14",
     1, 2, 2, 2, 1, 2, 2},
    {"Possidoria-dati-esempio-04-clandestino", "Giorgio Colombo", "Elena Ricci",
     "cantina interrata sotto il fabbricato di via Roma 3", "Bergamo", "15/03/80", "01/10/12",
     1, 3, 1, 2, 1, 2, 2},
    {"Possidoria-dati-esempio-05-detenzione", "Francesca Marino", "Roberto Gallo",
     "villetta con giardino in via dei Pini 7", "Lecce", "01/09/86", "31/12/10",
     1, 3, 2, 1, 1, 2, 2},
    {"Possidoria-dati-esempio-06-mala-fede", "Stefano Conti", "Marta De Luca",
     "magazzino in via dell'Industria 22", "Padova", "12/01/06", "05/05/19",
     1, 3, 2, 2, 1, 2, 1},
    {"Possidoria-dati-esempio-07-senza-titolo", "Laura Mancini", "Davide Costa",
     "box auto nel cortile di corso Vittorio Emanuele 90", "Napoli", "20/04/07", "10/10/20",
     1, 3, 2, 2, 1, 1, 2},
    {"Possidoria-dati-esempio-08-consegna-buona-fede", "Alessandro Giordano", "Silvia Rizzo",
     "dipinto a olio su tela, paesaggio lagunare del primo Novecento", "Venezia", "14/02/21", "14/08/22",
     10, 3, 2, 2, 2, 1, 1},
    {"Possidoria-dati-esempio-09-mobili-registrati", "Chiara Lombardi", "Marco Moretti",
     "imbarcazione a vela iscritta nel registro delle imbarcazioni da diporto", "La Spezia", "01/03/17",
     "15/09/21", 11, 3, 2, 2, 1, 1, 1},
    {"Possidoria-dati-esempio-10-proprieta-rurale", "Giuseppe Barbieri", "Teresa Fontana",
     "fondo rustico a prato e bosco con annesso fienile", "Pieve di Cadore (BL)", "01/11/95", "30/04/13",
     8, 3, 2, 2, 1, 2, 2},
    {"Possidoria-dati-esempio-11-demanio", "Antonio Santoro", "Agenzia del Demanio",
     "tratto di arenile sulla spiaggia di Sottomarina", "Chioggia (VE)", "01/06/75", "01/06/05",
     12, 3, 2, 2, 1, 2, 2},
    {"Possidoria-dati-esempio-12-servitu-non-apparente", "Valentina Mariani", "Luca Rinaldi",
     "servitù di non edificare sul fondo confinante", "Ravenna", "01/01/78", "31/12/04",
     7, 3, 2, 2, 1, 2, 2},
    {"Possidoria-dati-esempio-13-obiezione-provata", "Federico Caruso", "Sara Ferraro",
     "casa colonica con corte in località Le Vigne", "Alba (CN)", "01/07/08", "31/08/21",
     1, 3, 2, 2, 1, 1, 1, 6},
    {"Possidoria-dati-esempio-14-nuovo-termine", "Giulia Esposito", "Vincenzo De Luca",
     "uliveto in contrada Lama Balice", "Bitonto (BA)", "01/03/1970", "15/09/2012",
     1, 3, 2, 2, 1, 2, 2, 0, 0, 0, "01/04/1975", "30/06/1978", 6, 1},
    {"Possidoria-dati-esempio-15-riconoscimento", "Roberto Galli", "Maria Fontana",
     "magazzino al piano terra di via Solferino 7", "Cremona", "01/06/1988", "01/06/2016",
     1, 3, 2, 2, 1, 2, 2, 0, 0, 0, "12/05/2004", "12/05/2004", 11, 5},
    {"Possidoria-dati-esempio-16-termine-compiuto", "Elisa Ferri", "Bruno Marchetti",
     "castagneto in località Le Piastre", "Pistoia", "01/03/1980", "15/09/2015",
     1, 3, 2, 2, 1, 2, 2, 0, 0, 0, "10/04/2005", "20/06/2008", 6, 6, 1},
};

} // namespace

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
        d.tipologia = s(e.tipo);
        d.sceltainterr = s(e.interr);
        d.sceltamodus = s(e.modus);
        d.sceltapsic = s(e.psic);
        d.sceltaprov = s(e.prov);
        d.sceltafed = s(e.fed);
        d.sceltaacq = s(e.acq);
        d.obiezmodo = s(e.obiezmodo);
        d.obiezpsiche = s(e.obiezpsiche);
        d.obiezfede = s(e.obiezfede);
        c.testi.interruzioneInizio = QString::fromLatin1(e.interruzioneInizio);
        c.testi.interruzioneFine = QString::fromLatin1(e.interruzioneFine);
        d.interdatin = s(e.interdatin);
        d.interdatfin = s(e.interdatfin);
        d.tipointerr = s(e.tipointerr);
        const QString percorso = cartella.filePath(QString::fromLatin1(e.file));
        const EsitoScrittura esito = salvaFileArchivio(percorso, c);
        if (!esito) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(percorso), qPrintable(esito.errore));
            return 1;
        }
    }
    return 0;
}
