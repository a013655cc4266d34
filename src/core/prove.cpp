#include "core/prove.h"

#include "core/codicecivile.h"

namespace Prove {

using enum ProvaLunga;

const QVector<Prova>& corta()
{
    static const QVector<Prova> v{AttiDisposizione, Transazioni, ContrattiLocazione, Donazioni,  AltriDocumenti,
                                  Testimoni,        Presunzioni, Confessione,        Giuramento, Nessuna};
    return v;
}

const QVector<Prova>& lunga()
{
    static const QVector<Prova> v{
        AttiDisposizione, Transazioni, ContrattiLocazione, Donazioni,      AltriDocumenti, Testimoni, Presunzioni,
        Confessione,      Giuramento,  DomandaGiudiziale,  Riconoscimento, Diffida,        Nessuna};
    return v;
}

QString didascalia(Prova p)
{
    switch (p) {
    case AttiDisposizione: return QStringLiteral("atti di disposizione..........................");
    case Transazioni: return QStringLiteral("transazioni......................................");
    case ContrattiLocazione: return QStringLiteral("contratti di locazione......................");
    case Donazioni: return QStringLiteral("donazioni........................................");
    case AltriDocumenti: return QStringLiteral("altri documenti con data certa........");
    case Testimoni: return QStringLiteral("testimoni.........................................");
    case Presunzioni: return QStringLiteral("presunzioni (art.2727).....................");
    case Confessione: return QStringLiteral("confessione (art.2730)....................");
    case Giuramento: return QStringLiteral("giuramento (art.2736).....................");
    case DomandaGiudiziale: return QStringLiteral("notificazione atto di inizio giudizio...");
    case Riconoscimento: return QStringLiteral("riconoscimento del diritto (art.2944)");
    case Diffida: return QStringLiteral("diffida e messa in mora...................");
    case Nessuna: return QStringLiteral("nessuna prova...............................");
    case NonScelta: break;
    }
    return {};
}

QString spiegazioneDocumenti()
{
    return QStringLiteral(
        "Tali atti, quando hanno una data certa (come risulterebbe dalla loro registrazione), costituiscono prova come è affermato da sentenze della Cassazione (vedi 'forma' nella finestra delle Sentenze)");
}

QString spiegazioneTestimoni()
{
    return QStringLiteral(
        "I testi possono costituire prova come è stato affermato dalla Cassazione (vedi 'forma' nella finestra Sentenze)");
}

QString spiegazioneNessunaProva()
{
    return QStringLiteral("In questo caso manca un elemento importante di prova e l'opposizione è inefficace.");
}

QString spiegazione(Prova p)
{
    switch (p) {
    case AttiDisposizione:
    case Transazioni:
    case ContrattiLocazione:
    case Donazioni:
    case AltriDocumenti: return spiegazioneDocumenti();
    case Testimoni: return spiegazioneTestimoni();
    case Presunzioni: return CodiceCivile::testoCitato(2727);
    case Confessione: return CodiceCivile::testoCitato(2730);
    case Giuramento: return CodiceCivile::testoCitato(2736);
    case DomandaGiudiziale: return CodiceCivile::testoCitato(2943);
    case Riconoscimento: return CodiceCivile::testoCitato(2944);
    // For usucapione the basis is art. 1165 and the case law, not art. 2943, which speaks of debtors.
    case Diffida:
        return QStringLiteral(
            "La diffida e la messa in mora non interrompono il termine dell'usucapione. L'art.1165 del Codice Civile estende all'usucapione le norme sull'interruzione della prescrizione soltanto in quanto applicabili, e la Cassazione ha più volte affermato che gli atti di costituzione in mora, efficaci per i diritti di credito (art.2943, quarto comma), non bastano contro il possessore: occorre che questi perda il possesso, che sia notificata una domanda giudiziale diretta a recuperarlo o che egli riconosca il diritto del proprietario (vedi 'notificazione atto di inizio giudizio').");
    case Nessuna: return spiegazioneNessunaProva();
    case NonScelta: break;
    }
    return {};
}

}   // namespace Prove
