#include "ProgramWindows.h"

#include "ActivationTracker.h"
#include "ExitQuestion.h"
#include "ExperimentWindow.h"
#include "GraphWindow.h"
#include "HelpWindow.h"

#include <QCoreApplication>

namespace {

// Shows a window, or brings it back to the front, and makes it the active one.
void bringForward(QWidget &window)
{
    window.show();
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
    bringForward(*helpWindow);
}

bool ProgramWindows::confirmExit()
{
    return exitQuestion.ask(&experimentWindow);
}

void ProgramWindows::endProgram()
{
    if (graphWindow)
        graphWindow->hide();
    if (helpWindow)
        helpWindow->hide();
    experimentWindow.hide();
    QCoreApplication::quit();
}

void ProgramWindows::showExperimentWindow()
{
    bringForward(experimentWindow);
}
