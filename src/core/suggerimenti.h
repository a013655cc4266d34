#pragma once
// The tips of the day: one tip per line of a text file, shown in file order and wrapping after the last.
#include <QByteArray>
#include <QString>
#include <QStringList>

class Suggerimenti {
public:
    static QString nomeFile() { return QStringLiteral("SuggerimentiPossidoria.TXT"); }
    // No tip file comes near this; anything larger is not one.
    static constexpr qint64 dimensioneMassima = 1024 * 1024;
    // The text shown when there is no tip file.
    static QString testoFileMancante();
    // The text shown when the file is there but cannot be read.
    static QString testoFileIlleggibile();

    enum class Lettura { Riuscita, Mancante, Illeggibile };
    // Reads the file. Mancante: the path is empty, or names no regular file, or one larger than
    // dimensioneMassima; Illeggibile: the file is there but opening or reading it fails.
    Lettura carica(const QString& percorso);

    // The tips held in a file's bytes: one per line, whatever the line ends (CR LF, LF, lone CR);
    // each line read as UTF-8, or in the Western European code page when it is not valid UTF-8.
    static QStringList righe(const QByteArray& dati);

    void successivo();   // "&Successivo": next tip, after the last the first
    void precedente();   // "&Precedente": previous tip, no wrap
    int corrente() const { return CurrentTip_; }
    int conta() const { return elenco_.size(); }
    // The tip on screen, or an empty text when there is none.
    QString testo() const;

private:
    QStringList elenco_;
    qint32 CurrentTip_ = 0;
};
