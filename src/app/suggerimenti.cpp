#include "app/suggerimenti.h"
#include <QFile>
#include <QStringDecoder>

QString Suggerimenti::testoFileMancante()
{
    return QStringLiteral("Impossibile trovare il file ") + nomeFile() + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Creare un file di testo denominato ") + nomeFile() +
           QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni riga. ") +
           QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

bool Suggerimenti::carica(const QString& percorso)
{
    if (percorso.isEmpty())
        return false;
    QFile f(percorso);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray dati = f.readAll();
    // Written as UTF-8; a file saved by an older editor in the Western European code page reads too.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString testo = utf8.decode(dati);
    if (utf8.hasError())
        testo = QStringDecoder("windows-1252").decode(dati);
    elenco_.clear();
    if (!testo.isEmpty()) {
        // A line ends with CR LF, LF or a lone CR, whichever editor wrote the file.
        testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        testo.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (testo.endsWith(QLatin1Char('\n')))
            testo.chop(1);
        elenco_ = testo.split(QLatin1Char('\n'));
    }
    successivo();
    return true;
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
