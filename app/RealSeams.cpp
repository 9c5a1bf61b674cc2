#include "RealSeams.h"

#include "JapaneseQtTexts.h"

#include <QApplication>
#include <QRandomGenerator>

RealSeams::RealSeams()
    : random(QRandomGenerator::system()->generate64())
{
}

void prepareApplication(QApplication &app)
{
    // Ties the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.zerubino.Zerubino"));
    // The program ends by its exit button or by closing the experiment
    // window, never because the graph window closed while the other was hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    installJapaneseQtTexts(app);
}
