#include "gui/frame/tabellafinestre.h"

namespace {

SchedaFinestra numerata(const char* nome, int numero, const char* voce, const char* guida, QColor colore,
                        const char* sigla, bool obiezione = false)
{
    const QString v = QString::fromUtf8(voce);
    return {QString::fromUtf8(nome),
            numero,
            v,
            obiezione,
            QStringLiteral("visualizza finestra ") + (obiezione ? QStringLiteral("obiezione ") : QString()) + v,
            QString::fromUtf8(guida),
            colore,
            QString::fromUtf8(sigla)};
}

SchedaFinestra semplice(const char* nome, bool daChiudere = true)
{
    SchedaFinestra s;
    s.nome = QString::fromUtf8(nome);
    s.daChiudere = daChiudere;
    return s;
}

// One colour family per kind of window: objections share red, the judgment is brown.
const QColor obiezione(190, 0, 0);

QVector<SchedaFinestra> costruisci()
{
    return {
        numerata("scelta", 1, "Menu", "guidascelta", QColor(0, 0, 160), "M"),
        numerata("norme", 2, "Norme", "guidanorme", QColor(0, 110, 0), "N"),
        numerata("massime", 3, "Massime", "guidamassime", QColor(130, 0, 130), "S"),
        numerata("causa", 4, "Causa", "guidacausa", QColor(180, 90, 0), "C"),
        numerata("possesso", 5, "Possesso", "guidapossesso", QColor(0, 120, 160), "P"),
        numerata("ledate", 6, "Durata", "guidadurata", obiezione, "D", true),
        numerata("interruzione", 7, "Interruzione", "guidainterruzione", obiezione, "I", true),
        numerata("modo", 8, "Modo", "guidamodo", obiezione, "Mo", true),
        numerata("psiche", 9, "Psicologia", "guidapsiche", obiezione, "Ps", true),
        numerata("provenienza", 10, "Provenienza", "guidaprovenienza", obiezione, "Pr", true),
        numerata("fede", 11, "Fede", "guidafede", obiezione, "F", true),
        numerata("acquisto", 12, "Acquisto", "guidaacquisto", obiezione, "A", true),
        numerata("sentenza", 13, "Sentenza", "guidasentenza", QColor(90, 60, 0), "§"),
        semplice("sommario"),
        semplice("manuale"),
        semplice("guidafunzionamento"),
        semplice("guidascelta"),
        semplice("guidanorme"),
        semplice("guidamassime"),
        semplice("guidacausa"),
        semplice("guidapossesso"),
        semplice("guidadurata"),
        semplice("guidainterruzione"),
        semplice("guidamodo"),
        semplice("guidapsiche"),
        semplice("guidaprovenienza"),
        semplice("guidafede"),
        semplice("guidaacquisto"),
        semplice("guidasentenza"),
        semplice("frmTip"),
        semplice("prodotti"),
        semplice("supportoclienti"),
        semplice("informa"),
        semplice("frmSplash", false),
    };
}

}   // namespace

namespace Finestre {

const QVector<SchedaFinestra>& schede()
{
    static const QVector<SchedaFinestra> tabella = costruisci();
    return tabella;
}

const SchedaFinestra* scheda(int numero)
{
    // The numbered windows are the table's first rows, in number order.
    return numero >= 1 && numero <= numeroMassimo ? &schede()[numero - 1] : nullptr;
}

const SchedaFinestra* scheda(const QString& nome)
{
    for (const SchedaFinestra& s : schede())
        if (s.nome == nome)
            return &s;
    return nullptr;
}

QString nomeNumero(int numero)
{
    const SchedaFinestra* s = scheda(numero);
    return s ? s->nome : QString();
}

}   // namespace Finestre
