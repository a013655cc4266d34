#include "help/documentoguida.h"
#include "help/testiguida.h"
#include "app/esportazione.h"
#include "app/modpossidoria.h"
#include "platform/porte.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DocumentoGuida {

namespace {

const QString CR = QStringLiteral("\r");
const QString PAGINA = QStringLiteral("\f");

QString cartellaDocumenti()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

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

// Saves beside the program; a folder that refuses the file sends it to the user's documents,
// which a fresh account may not have yet. Returns the path saved under, empty when none took it.
QString salvaEMostra(PortaWord& word, const QString& nome)
{
    word.giustificaTutto();
    const QString programma = ModPossidoria::cartellaProgramma();
    const QString accanto = QDir(programma).filePath(nome);
    QString salvato;
    if (cartellaSalvataggio(programma) == programma && word.salvaCome(accanto))
        salvato = accanto;
    if (salvato.isEmpty()) {
        const QString documenti = cartellaDocumenti();
        const QString altrove = QDir(documenti).filePath(nome);
        if (!documenti.isEmpty() && altrove != accanto && QDir().mkpath(documenti) && word.salvaCome(altrove))
            salvato = altrove;
    }
    // Shown from where it was saved, never written a second time.
    Esportazione::mostra(word);
    return salvato;
}

} // namespace

QString cartellaSalvataggio(const QString& cartellaProgramma)
{
    const QFileInfo info(cartellaProgramma);
    if (!cartellaProgramma.isEmpty() && info.isDir() && info.isWritable())
        return cartellaProgramma;
    return cartellaDocumenti();
}

QString nomeSingola(const QString& titolo)
{
    return ModPossidoria::nomeprogramma + titolo + QStringLiteral(".odt");
}

QString nomeRaccolta()
{
    return ModPossidoria::nomeprogramma + QStringLiteral("-guida.odt");
}

QString singola(PortaWord& word, const QString& titolo, const QString& testo)
{
    intestazione(word);
    word.scrivi(QStringLiteral("Guida: ") + titolo + CR + CR);
    word.dimensioneSelezione(12);
    word.scrivi(testo + CR);
    return salvaEMostra(word, nomeSingola(titolo));
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

} // namespace DocumentoGuida
