#pragma once
// The fixed content of the help: the fifteen text windows and the rows of the contents window.
#include <QList>
#include <QString>

struct TestoGuida {
    QString finestra;   // window name: "manuale", "guidafunzionamento", "guidascelta" ...
    QString titolo;     // the heading (Label1)
    QString testo;      // the text (Label2), one paragraph
};

// The fifteen texts in the order of the contents window and of the collected document.
const QList<TestoGuida>& testiGuida();

// The text of one window; nullptr for a name that is not a help text window.
const TestoGuida* testoGuida(const QString& finestra);

// A topic row of the contents window: label lbl(indice), button puls(indice).
struct RigaSommario {
    int indice;
    QString etichetta;
    QString finestra;   // the window the row opens
};

// Rows 1 to 18, in that order; row 17 opens the list of example cases, which is no window of the
// registry.
const QList<RigaSommario>& righeSommario();

// The window row i opens: index 1 and any index without a row give the manual.
QString finestraDellaRiga(int i);
