#include "FirstPaint.h"
#include "RealSeams.h"

#include <QApplication>

// The program's own start-up, as main() does it, up to the first paint.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);

    RealSeams real;
    Program program(real.seams());
    FirstPaint firstPaint;
    program.experimentWindow().installEventFilter(&firstPaint);
    program.start();
    return QApplication::exec();
}
