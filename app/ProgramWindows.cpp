#include "ProgramWindows.h"

#include "ActivationTracker.h"
#include "ApplicationEnd.h"
#include "ExitQuestion.h"
#include "ExperimentLayout.h"
#include "ExperimentWindow.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "ScreenPlacement.h"
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

OnScreen onScreen(const QWidget &window, QPoint design, const QScreen &screen)
{
    const QPoint corner = screen.geometry().topLeft();
    return {QRect(corner + design, window.size()), {screen.availableGeometry(), corner, screen.devicePixelRatio()}};
}

// The window's client area at its design position, kept on the screen.
void placeAtDesignPosition(QWidget &window, QPoint design, const QScreen &screen)
{
    WindowPlacement::place(window, [place = onScreen(window, design, screen)](const QMargins &frame) {
        return ScreenPlacement::atDesignPosition(place.designClient, frame, place.screen);
    });
}

// Beside the neighbour, so as not to cover it, where its screen has room.
void placeBeside(QWidget &window, const QWidget &neighbour, QPoint design)
{
    WindowPlacement::place(window, [&neighbour, place = onScreen(window, design, *neighbour.screen())](
                                       const QMargins &frame) {
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
                               ExitQuestion &question, ActivationTracker &tracker)
    : experimentWindow(experiment)
    , record(experimentRecord)
    , exitQuestion(question)
    , activations(tracker)
{
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
}

void ProgramWindows::showHelpWindow()
{
    if (!helpWindow) {
        helpWindow = new HelpWindow;
        activations.track(helpWindow, [help = helpWindow.data()] { help->showHelpText(); });
        QObject::connect(helpWindow, &HelpWindow::closeClicked, &experimentWindow, [this] { showExperimentWindow(); });
    }
    // Where the user has put the open window, it stays.
    if (!helpWindow->isVisible())
        placeBeside(*helpWindow, experimentWindow, HelpWindow::DesignPosition);
    bringForward(*helpWindow);
}

void ProgramWindows::confirmExit(Answer answered)
{
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

void ProgramWindows::showExperimentWindow()
{
    bringForward(experimentWindow);
}
