#include "RealSeams.h"

#include "CueOutput.h"
#include "JapaneseQtTexts.h"

#include <QApplication>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>

namespace {

// Time enough to close a cue's stream on a server that answers.
constexpr std::chrono::milliseconds SoundReleaseTime{500};

} // namespace

RealSeams::RealSeams()
    : random(QRandomGenerator::system()->generate64())
    , media(makeCueOutput)
{
}

void RealSeams::releaseSound(int exitStatus)
{
    if (media.shutDown(SoundReleaseTime))
        return;
    std::fflush(nullptr);
    std::_Exit(exitStatus);
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
