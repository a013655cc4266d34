#pragma once
// What the judge's drawing module exports: the Qt Gui application and the two documents it draws.
// The judge links Qt Core alone and loads the module only when asked for a PDF or a picture; both
// are built from the same sources, so the judgment crosses as it is.
#include <QByteArray>
#include <QDate>
#include <QString>

struct Giudizio;
class QCoreApplication;

struct Disegno {
    // The application that can draw: a QGuiApplication, created as the judge's one application.
    QCoreApplication* (*applicazione)(int& argc, char** argv);
    // "Sentenza Rossi - Bianchi.pdf": the name the judgment's PDF is written under.
    QString (*nomePdf)(const Giudizio& g);
    // The judgment's PDF under that title and date; false when it could not be composed.
    bool (*pdf)(const Giudizio& g, const QString& titolo, const QDate& data, QByteArray& pdf);
    // The possession's timeline as a PNG; false when the picture could not be composed.
    bool (*lineaTempo)(const Giudizio& g, QByteArray& png);
    // The draft writ of summons of a won case as ODF text and as PDF, and the name they go under
    // (without its extension); false when the case gets none or a document could not be composed.
    bool (*citazione)(const Giudizio& g, QByteArray& odt, QByteArray& pdf, QString& nome);
};

#define POSSIDORIA_DISEGNO "possidoria_disegno"
extern "C" {
using VoceDisegno = const Disegno* (*)();
}
