#include "app/Application.h"
#include <QApplication>

int RunLektavo(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return 0;
}
