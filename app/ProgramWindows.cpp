#include "ProgramWindows.h"

#include "ActivationTracker.h"
#include "ApplicationEnd.h"
#include "ExitQuestion.h"
#include "ExperimentLayout.h"
#include "ExperimentWindow.h"
#include "GraphWindow.h"
#include "HelpText.h"
#include "HelpWindow.h"
#ifdef Q_OS_WASM
#include "PageScreen.h"
#endif
#include "ReadAloud.h"
#include "ScreenPlacement.h"
#include "SpokenText.h"
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace {

// A window's client area at its design position on a screen, which counts
// from the screen's corner, and the part of that screen windows may take.
struct OnScreen {
    QRect designClient;
    ScreenPlacement::Screen screen;
};

// Read when the rule runs, so that a placement again follows a screen that
// has changed; a screen that has gone leaves the primary one.
OnScreen onScreen(const QWidget &window, QPoint design, const QPointer<QScreen> &placedOn)
{
    const QScreen &screen = placedOn ? *placedOn : *QGuiApplication::primaryScreen();
    const QPoint corner = screen.geometry().topLeft();
    return {QRect(corner + design, window.size()), {screen.availableGeometry(), corner, screen.devicePixelRatio()}};
}

// The window's client area at its design position, kept on the screen.
void placeAtDesignPosition(QWidget &window, QPoint design, QScreen &screen)
{
    WindowPlacement::place(window, [&window, design, placedOn = QPointer(&screen)](const QMargins &frame) {
        const OnScreen place = onScreen(window, design, placedOn);
        return ScreenPlacement::atDesignPosition(place.designClient, frame, place.screen);
    });
}

// Beside the neighbour, so as not to cover it, where its screen has room.
void placeBeside(QWidget &window, const QWidget &neighbour, QPoint design)
{
    WindowPlacement::place(window, [&window, &neighbour, design, placedOn = QPointer(neighbour.screen())](
                                       const QMargins &frame) {
        const OnScreen place = onScreen(window, design, placedOn);
        return ScreenPlacement::beside(place.designClient.size(), frame, neighbour.frameGeometry(), place.screen)
            .value_or(ScreenPlacement::atDesignPosition(place.designClient, frame, place.screen));
    });
}

// Shows a window, or brings it back to the front, and makes it the active one.
void bringForward(QWidget &window)
{
    WindowPlacement::show(window);
    window.raise();
    window.activateWindow();
}

} // namespace

ProgramWindows::ProgramWindows(ExperimentWindow &experiment, const ExperimentRecord &experimentRecord,
                               ExitQuestion &question, ActivationTracker &tracker, ReadAloud *readAloud)
    : experimentWindow(experiment)
    , record(experimentRecord)
    , exitQuestion(question)
    , activations(tracker)
    , voice(readAloud)
{
#ifdef Q_OS_WASM
    // The page is the screen: it frames the windows at its scale, and when
    // it changes size or scale, the windows follow.
    PageScreen::frameWindows();
    PageScreen::keepReaderElementsOnWidgets();
    PageScreen::follow(&experimentWindow, [this] { fitToScreen(); });
#endif
    placeAtDesignPosition(experimentWindow, ExperimentLayout::ClientPosition, *QGuiApplication::primaryScreen());
    // Closing the experiment window through its frame ends the program,
    // without a cue or a question, also while the help window is hidden.
    QObject::connect(&experimentWindow, &ExperimentWindow::closedByFrame, &experimentWindow,
                     [this] { endProgram(); });
}

ProgramWindows::~ProgramWindows()
{
    delete graphWindow;
    delete helpWindow;
}

void ProgramWindows::hideExperimentWindow()
{
    experimentWindow.hide();
}

void ProgramWindows::showGraphWindow()
{
    if (!graphWindow) {
        graphWindow = new GraphWindow(record);
        placeAtDesignPosition(*graphWindow, GraphWindow::DesignPosition, *experimentWindow.screen());
        activations.track(graphWindow, [graph = graphWindow.data()] { graph->DrawGraph(); });
        QObject::connect(graphWindow, &GraphWindow::closed, &experimentWindow, [this] {
            // Forgotten at once: the closing window is deleted later, and a
            // new opening must not reuse it.
            graphWindow = nullptr;
            showExperimentWindow();
        });
    }
    bringForward(*graphWindow);
    if (voice)
        voice->read(SpokenText::graphDescription(record));
}

void ProgramWindows::showHelpWindow()
{
    if (!helpWindow) {
        helpWindow = new HelpWindow;
        activations.track(helpWindow, [help = helpWindow.data()] { help->showHelpText(); });
        // 閉じる, Escape and the frame's close all silence the text read aloud.
        QObject::connect(helpWindow, &HelpWindow::closeClicked, &experimentWindow, [this] {
            if (voice)
                voice->stop();
            showExperimentWindow();
        });
        if (voice) {
            QObject::connect(helpWindow, &QObject::destroyed, &experimentWindow,
                             [reading = voice] { reading->stop(); });
        }
    }
    // Where the user has put the open window, it stays.
    if (!helpWindow->isVisible())
        placeBeside(*helpWindow, experimentWindow, HelpWindow::DesignPosition);
    bringForward(*helpWindow);
    if (voice)
        voice->read(HelpTextAsRead());
}

void ProgramWindows::confirmExit(Answer answered)
{
    if (voice)
        voice->read(ExitQuestion::text());
    exitQuestion.ask(&experimentWindow, std::move(answered));
}

void ProgramWindows::endProgram()
{
    if (graphWindow)
        graphWindow->hide();
    if (helpWindow)
        helpWindow->hide();
    experimentWindow.hide();
    endApplication();
}

void ProgramWindows::fitToScreen()
{
    const QList<QWidget *> windows{&experimentWindow, graphWindow.data(), helpWindow.data()};
    for (QWidget *window : windows) {
        if (window && window->isVisible())
            WindowPlacement::placeAgain(*window);
    }
    // What the surfaces show, drawn anew in the screen's pixels.
    if (graphWindow && graphWindow->isVisible())
        graphWindow->redraw();
    if (helpWindow && helpWindow->isVisible())
        helpWindow->showHelpText();
}

void ProgramWindows::showExperimentWindow()
{
    bringForward(experimentWindow);
}
