#include "RealSeams.h"

#include "CueOutput.h"
#include "JapaneseQtTexts.h"

#include <QApplication>
#include <QIcon>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>

RealSeams::RealSeams()
    : random(QRandomGenerator::system()->generate64())
#ifdef Q_OS_WASM
    , media(makeCueOutput())
#else
    , media(makeCueOutput)
#endif
{
}

#ifdef Q_OS_WASM
ProgramSeams RealSeams::seams()
{
    return {clock, random, *media, timers, exitQuestion, &store,
            PageReadAloud::offered() ? &readAloud : nullptr};
}

// A page's program never returns from its event loop.
void RealSeams::releaseSound(int)
{
}
#else
ProgramSeams RealSeams::seams()
{
    return {clock, random, media, timers, exitQuestion};
}

void RealSeams::releaseSound(int exitStatus)
{
    // Time enough to close a cue's stream on a server that answers.
    constexpr std::chrono::milliseconds SoundReleaseTime{500};
    if (media.shutDown(SoundReleaseTime))
        return;
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}
#endif

void prepareApplication(QApplication &app)
{
    // Ties the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.zerubino.Zerubino"));
    // The program ends by its exit button or by closing the experiment
    // window, never because the graph window closed while the other was hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every window carries the program's icon, the experiment window's;
    // without one the browser's frames show Qt's.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.bmp")));
    installJapaneseQtTexts(app);
}
