#include "RealSeams.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);

    RealSeams real;
    Program program(real.seams());
    program.start();
    const int status = QApplication::exec();
    real.releaseSound(status);
    return status;
}
