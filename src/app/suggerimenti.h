#pragma once
// The tips of the day: one tip per line of a text file, shown in file order and wrapping after the last.
#include <QString>
#include <QStringList>

class Suggerimenti {
public:
    static QString nomeFile() { return QStringLiteral("SuggerimentiPossidoria.TXT"); }
    // The text shown when the file cannot be read.
    static QString testoFileMancante();

    // Reads the file; false when the path is empty or the file does not exist or cannot be opened.
    bool carica(const QString& percorso);
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
