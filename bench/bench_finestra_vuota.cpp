// The yardstick of start-up: an empty Qt Widgets window that quits at its first event-loop turn.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
