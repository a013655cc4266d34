// A bare Qt Core program: the floor the command-line judge's start is measured against.
#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return 0;
}
