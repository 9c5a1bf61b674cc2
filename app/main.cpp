#include "RealSeams.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);

    RealSeams real;
    Program program(real.seams());
    program.start();
    return QApplication::exec();
}
