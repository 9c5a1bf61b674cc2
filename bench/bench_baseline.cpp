#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

// The cost of Qt itself: an empty window of the experiment window's size.
// With the argument "label" it holds one Japanese label as well, which is
// what loading the font database and a Japanese face costs on its own.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(521, 480);
    if (app.arguments().contains(QStringLiteral("label")))
        new QLabel(QStringLiteral("ゼルビノ"), &window);
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
