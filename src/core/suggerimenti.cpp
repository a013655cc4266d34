#include "core/suggerimenti.h"
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

QString Suggerimenti::testoFileMancante()
{
    return QStringLiteral("Impossibile trovare il file ") + nomeFile() + QStringLiteral("\r\n\r\n")
           + QStringLiteral("Creare un file di testo denominato ") + nomeFile()
           + QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni riga. ")
           + QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

QString Suggerimenti::testoFileIlleggibile()
{
    return QStringLiteral("Impossibile leggere il file ") + nomeFile() + QStringLiteral("\r\n\r\n")
           + QStringLiteral("Il file si trova nella directory dell'applicazione, ma non può essere letto. ")
           + QStringLiteral("Verificare che sia accessibile in lettura, oppure sostituirlo con un file di testo ")
           + QStringLiteral("che contenga un suggerimento per ogni riga.");
}

Suggerimenti::Lettura Suggerimenti::carica(const QString& percorso)
{
    if (percorso.isEmpty())
        return Lettura::Mancante;
    // Only a regular file of a tip file's size: a pipe would block the window for ever, a link to a
    // device would fill the memory.
    const QFileInfo info(percorso);
    if (!info.isFile() || info.size() > dimensioneMassima)
        return Lettura::Mancante;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return Lettura::Illeggibile;
    // Read to the end, never past the bound (the file may grow meanwhile), every read checked.
    QByteArray dati;
    char blocco[16384];
    for (;;) {
        const qint64 n = f.read(blocco, sizeof blocco);
        if (n < 0)
            return Lettura::Illeggibile;
        if (n == 0)
            break;
        if (dati.size() + n > dimensioneMassima)
            return Lettura::Mancante;
        dati.append(blocco, n);
    }
    elenco_ = righe(dati);
    successivo();
    return Lettura::Riuscita;
}

QStringList Suggerimenti::righe(const QByteArray& dati)
{
    QStringList elenco;
    if (dati.isEmpty())
        return elenco;
    // Line by line: one line saved by an older editor in the Western European code page does not
    // turn the UTF-8 lines around it into nonsense.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QStringDecoder occidentale("windows-1252", QStringDecoder::Flag::Stateless);
    auto decodifica = [&](QByteArrayView riga) {
        utf8.resetState();
        QString testo = utf8.decode(riga);
        if (utf8.hasError() && occidentale.isValid()) {
            occidentale.resetState();
            testo = occidentale.decode(riga);
        }
        return testo;
    };
    qsizetype inizio = 0;
    const qsizetype fine = dati.size();
    for (qsizetype i = 0; i < fine; ++i) {
        const char c = dati.at(i);
        if (c != '\r' && c != '\n')
            continue;
        elenco << decodifica(QByteArrayView(dati).sliced(inizio, i - inizio));
        if (c == '\r' && i + 1 < fine && dati.at(i + 1) == '\n')
            ++i;
        inizio = i + 1;
    }
    // The last line needs no line end; a line end closing the file starts no further tip.
    if (inizio < fine)
        elenco << decodifica(QByteArrayView(dati).sliced(inizio));
    return elenco;
}

void Suggerimenti::successivo()
{
    ++CurrentTip_;
    if (CurrentTip_ > elenco_.size())
        CurrentTip_ = 1;
}

void Suggerimenti::precedente()
{
    if (CurrentTip_ <= 1 || elenco_.isEmpty())
        return;
    --CurrentTip_;
}

QString Suggerimenti::testo() const
{
    return CurrentTip_ >= 1 && CurrentTip_ <= elenco_.size() ? elenco_[CurrentTip_ - 1] : QString();
}
