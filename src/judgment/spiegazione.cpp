#include "judgment/spiegazione.h"
#include "case/tabellecausa.h"

using namespace Qt::StringLiterals;

namespace {

QString anni(int n)
{
    return n == 1 ? u"1 anno"_s : QString::number(n) + u" anni"_s;
}

QString giorni(int n)
{
    return n == 1 ? u"1 giorno"_s : QString::number(n) + u" giorni"_s;
}

QString durata(int a, int g)
{
    return g > 0 ? anni(a) + u" e "_s + giorni(g) : anni(a);
}

// " (dichiarato dall'attore)" or " (provata dal convenuto)": the ending agrees with the noun.
QString fonte(Fonte f, QChar finale)
{
    return f == Fonte::Attore ? u" (dichiarat"_s + finale + u" dall'attore)"_s
                              : u" (provat"_s + finale + u" dal convenuto)"_s;
}

QString rigaAnni(const Decisione& d)
{
    const Origini& o = d.origini;
    QString r = u"Anni di possesso considerati: "_s + QString::number(d.fattori.anni);
    if (o.anni == Fonte::Convenuto)
        return r + u", secondo le date provate dal convenuto (l'attore ne indicava "_s
            + QString::number(o.anniAttore) + u")."_s;
    r += u", secondo le date dell'attore"_s;
    if (o.anniConvenuto >= 0)
        r += u" (le date del convenuto, "_s + anni(o.anniConvenuto)
            + u", non possono allungare il possesso)"_s;
    return r + u'.';
}

QString rigaInterruzione(const Decisione& d)
{
    const Origini& o = d.origini;
    const QString opposta = durata(o.interruzioneAnni, o.interruzioneGiorni);
    QString r = u"Interruzione: "_s;
    if (d.fattori.interrotto == 2)
        r += o.interruzione == Fonte::Attore
            ? u"possesso perduto per oltre un anno, come dichiarato dall'attore"_s
            : u"possesso perduto per oltre un anno ("_s + opposta + u"), come provato dal convenuto"_s;
    else
        r += u"nessuna interruzione rilevante"_s;
    switch (o.opposizione) {
    case Opposizione::NonProposta:
    case Opposizione::Efficace:
        break;
    case Opposizione::NonOltreUnAnno:
        r += u"; l'interruzione opposta dal convenuto ("_s + opposta
            + u") non supera l'anno e non interrompe il possesso"_s;
        break;
    case Opposizione::SenzaProva:
        r += u"; l'interruzione opposta dal convenuto ("_s + opposta
            + u") è priva di prova per l'inizio o per la fine ed è inefficace"_s;
        break;
    case Opposizione::Diffida:
        r += u"; l'interruzione opposta dal convenuto ("_s + opposta
            + u") comincia con una diffida e messa in mora, che non interrompe il possesso"_s;
        break;
    }
    return r + u'.';
}

QString rigaModo(const Decisione& d)
{
    switch (d.fattori.modoacq) {
    case 1:
        return u"Modo di acquisto del possesso: violento o clandestino"_s + fonte(d.origini.modo, u'o') + u'.';
    case 2:
        return u"Modo di acquisto del possesso: pacifico e pubblico"_s + fonte(d.origini.modo, u'o') + u'.';
    default:
        return u"Modo di acquisto del possesso: non indicato."_s;
    }
}

QString rigaAnimo(const Decisione& d)
{
    switch (d.fattori.animo) {
    case 1:
        return u"Animo: semplice detenzione per conto di altri"_s + fonte(d.origini.animo, u'a') + u'.';
    case 2:
        return u"Animo: del titolare del diritto"_s + fonte(d.origini.animo, u'o') + u'.';
    default:
        return u"Animo: non indicato."_s;
    }
}

QString rigaFede(const Decisione& d)
{
    switch (d.fattori.fedeposs) {
    case 1:
        return u"Fede: buona fede"_s + fonte(d.origini.fede, u'a') + u'.';
    case 2:
        return u"Fede: mala fede"_s + fonte(d.origini.fede, u'a') + u'.';
    default:
        return u"Fede: non indicata."_s;
    }
}

QString rigaTitolo(const Decisione& d)
{
    switch (d.fattori.sceltaacq) {
    case 1:
        return u"Titolo: acquisto da chi non è proprietario con un titolo idoneo."_s;
    case 2:
        return u"Titolo: nessun titolo idoneo."_s;
    default:
        return u"Titolo: non indicato."_s;
    }
}

QString rigaProvenienza(const Decisione& d)
{
    switch (d.fattori.sceltaprov) {
    case 1:
        return u"Provenienza della cosa: legittima."_s;
    case 2:
        return u"Provenienza della cosa: illegittima."_s;
    default:
        return u"Provenienza della cosa: non indicata."_s;
    }
}

QString nomeDifetto(Difetto d)
{
    switch (d) {
    case Difetto::Interruzione:
        return u"interruzione del possesso per oltre un anno"_s;
    case Difetto::Violenza:
        return u"acquisto violento o clandestino"_s;
    case Difetto::Detenzione:
        return u"detenzione anziché possesso"_s;
    case Difetto::MalaFede:
        return u"mala fede"_s;
    case Difetto::SenzaTitolo:
        return u"mancanza di un titolo idoneo"_s;
    }
    return {};
}

QString rigaMotivo(const Decisione& d)
{
    if (d.termine >= 0 && d.fattori.anni < d.termine)
        return u"Motivo: il possesso considerato non raggiunge il termine minimo di "_s
            + anni(d.termine) + u" previsto per la tipologia."_s;
    QStringList nomi;
    for (Difetto x : {Difetto::Interruzione, Difetto::Violenza, Difetto::Detenzione,
                      Difetto::MalaFede, Difetto::SenzaTitolo})
        if (d.difetti.testFlag(x))
            nomi << nomeDifetto(x);
    if (d.termine >= 0 && !nomi.isEmpty())
        return u"Motivo: "_s + nomi.join(u", "_s) + u'.';
    return u"Motivo: mancano la tipologia o alcune risposte sul possesso."_s;
}

} // namespace

namespace {

// The type as the case header lists it, without the periods that pad its caption.
QString nomeTipologia(int tipologia)
{
    if (tipologia <= 0)
        return u"non indicata"_s;
    QString nome = TabelleCausa::didascaliaTipologia(tipologia);
    while (nome.endsWith(u'.'))
        nome.chop(1);
    return nome.isEmpty() ? u"n. "_s + QString::number(tipologia) : nome;
}

} // namespace

QStringList spiegazione(const Decisione& d)
{
    QStringList righe;
    righe << u"Regola applicata: "_s + d.chiave
                 + (d.esito == Esito::Vince ? u" (l'attore vince la causa)."_s
                                            : u" (l'attore perde la causa)."_s);
    righe << u"Tipologia di usucapione: "_s + nomeTipologia(d.fattori.tipologia) + u'.';
    righe << rigaAnni(d) << rigaInterruzione(d) << rigaModo(d) << rigaAnimo(d) << rigaFede(d)
          << rigaTitolo(d) << rigaProvenienza(d);
    if (d.chiave == u"RF"_s)
        righe << rigaMotivo(d);
    return righe;
}
