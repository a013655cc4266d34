#include "gui/help/documentoguida.h"
#include "core/testiguida.h"
#include "gui/frame/esportazione.h"
#include "gui/frame/modpossidoria.h"
#include "platform/porte.h"

namespace DocumentoGuida {

namespace {

const QString CR = QStringLiteral("\r");
const QString PAGINA = QStringLiteral("\f");

// Steps common to both documents: program name at 20 points, subtitle at 16.
void intestazione(PortaWord& word)
{
    word.nuovoDocumento();
    word.fontSelezione(QStringLiteral("Century Gothic"));
    word.dimensioneSelezione(20);
    word.scrivi(ModPossidoria::nomeprogramma + CR);
    word.dimensioneSelezione(16);
    word.scrivi(ModPossidoria::sottotitolo + CR + CR + CR);
}

// Saves in the documents folder, made when a fresh account has none yet, in place of an earlier
// copy. Returns the path saved under, empty when it could not be saved (the user is told).
QString salvaEMostra(PortaWord& word, const QString& nome)
{
    word.giustificaTutto();
    QString base = nome;
    base.chop(4);   // ".odt"
    return Esportazione::salvaEMostra(word, base, true);
}

}   // namespace

QString cartellaSalvataggio() { return Esportazione::cartellaDocumenti(); }

QString nomeSingola(const QString& finestra)
{
    // A name of plain words and hyphens, like the collection's: no blanks or quotes to trip a shell.
    QString nome = finestra;
    if (nome.startsWith(QLatin1String("guida")) && nome.size() > 5)
        nome.insert(5, QLatin1Char('-'));
    return ModPossidoria::nomeprogramma + QLatin1Char('-') + nome + QStringLiteral(".odt");
}

QString nomeRaccolta() { return ModPossidoria::nomeprogramma + QStringLiteral("-guida.odt"); }

QString singola(PortaWord& word, const QString& finestra, const QString& titolo, const QString& testo)
{
    intestazione(word);
    word.scrivi(QStringLiteral("Guida: ") + titolo + CR + CR);
    word.dimensioneSelezione(12);
    word.scrivi(testo + CR);
    return salvaEMostra(word, nomeSingola(finestra));
}

QString raccolta(PortaWord& word)
{
    intestazione(word);
    // The first heading keeps the subtitle's 16 points; the later ones follow at 12.
    for (const TestoGuida& t : testiGuida()) {
        word.scrivi(QStringLiteral("Guida: ") + t.titolo + CR + CR);
        word.dimensioneSelezione(12);
        word.scrivi(t.testo + CR + PAGINA);
    }
    return salvaEMostra(word, nomeRaccolta());
}

}   // namespace DocumentoGuida
