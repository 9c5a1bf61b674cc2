#pragma once

#include "ExperimentWindows.h"

#include <QPointer>

#include <functional>

class ActivationTracker;
class ExitQuestion;
class ExperimentRecord;
class ExperimentWindow;
class GraphWindow;
class HelpWindow;
class ReadAloud;

// Opens, hides and closes the program's three windows for the experiment
// window's handlers, and ends the program. The graph window is made anew on
// every opening and discarded on closing; the help window is made on first
// use and kept until its frame closes it. Where a voice reads aloud, it
// reads the graph's description, the help text and the exit question as they
// open.
class ProgramWindows final : public ExperimentWindows
{
public:
    ProgramWindows(ExperimentWindow &experimentWindow, const ExperimentRecord &record, ExitQuestion &exitQuestion,
                   ActivationTracker &activations, ReadAloud *voice = nullptr);
    ~ProgramWindows() override;

    void hideExperimentWindow() override;
    void showGraphWindow() override;
    void showHelpWindow() override;
    void confirmExit(Answer answered) override;
    void endProgram() override;

    // Places the shown windows again by their rules on a screen that has
    // changed its size or scale, and redraws their pictures at its pixel
    // ratio. Nothing is activated, so the experiment is left as it was.
    void fitToScreen();

private:
    void showExperimentWindow();

    ExperimentWindow &experimentWindow;
    const ExperimentRecord &record;
    ExitQuestion &exitQuestion;
    ActivationTracker &activations;
    ReadAloud *const voice;
    QPointer<GraphWindow> graphWindow;
    QPointer<HelpWindow> helpWindow;
};
