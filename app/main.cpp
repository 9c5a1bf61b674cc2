#include "ExitQuestion.h"
#include "JapaneseQtTexts.h"
#include "MixingRandomGenerator.h"
#include "Program.h"
#include "QtTimerFactory.h"
#include "SoundEffectMediaControl.h"
#include "SystemTimeOfDayClock.h"

#include <QApplication>
#include <QRandomGenerator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Ties the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.zerubino.Zerubino"));
    // The program ends by its exit button or by closing the experiment
    // window, never because the graph window closed while the other was hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    installJapaneseQtTexts(app);

    SystemTimeOfDayClock clock;
    MixingRandomGenerator random(QRandomGenerator::system()->generate64());
    SoundEffectMediaControl media;
    QtTimerFactory timers;
    MessageBoxExitQuestion exitQuestion;

    Program program({clock, random, media, timers, exitQuestion});
    program.start();
    return QApplication::exec();
}
