#include "RealSeams.h"

#include "JapaneseQtTexts.h"

#ifdef Q_OS_LINUX
#include "PulseMediaControl.h"
#else
#include "AudioOutputMediaControl.h"
#endif

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

std::unique_ptr<MediaControl> makeCueOutput()
{
#ifdef Q_OS_LINUX
    return std::make_unique<PulseMediaControl>();
#else
    return std::make_unique<AudioOutputMediaControl>();
#endif
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
