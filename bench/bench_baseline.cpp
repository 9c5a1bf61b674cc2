#include "DesignFont.h"
#include "ExperimentLayout.h"
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

// The cost of Qt itself: an empty window of the experiment window's size.
// With the argument "label" it holds one Japanese label as well, in the face
// and size of the program's labels, which is what loading the font database
// and that face costs on its own.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(ExperimentLayout::ClientSize);
    if (app.arguments().contains(QStringLiteral("label"))) {
        auto *label = new QLabel(QStringLiteral("ゼルビノ"), &window);
        label->setFont(DesignFont::gothic(ExperimentLayout::LabelPixelSize, QFont::Bold));
    }
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
