// What any text costs a start-up: a window holding one label, which quits once the label is painted.
// Compared with bench_finestra_vuota it gives the price of the font set-up, shaping and painting that
// the empty window never pays (see README).
#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {
class Etichetta : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QLabel::paintEvent(e);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};
}   // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Etichetta finestra(QStringLiteral("Possidoria"));
    finestra.show();
    return app.exec();
}
