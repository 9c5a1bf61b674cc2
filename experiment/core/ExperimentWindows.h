#pragma once

// What the experiment window's handlers ask of the program's windows.
class ExperimentWindows
{
public:
    virtual ~ExperimentWindows() = default;
    virtual void hideExperimentWindow() = 0;
    // Both modeless: they return at once.
    virtual void showGraphWindow() = 0;
    virtual void showHelpWindow() = 0;
    // The exit question; true when the user answers Yes. Waits for the answer.
    virtual bool confirmExit() = 0;
    // Ends the program at once, closing every window.
    virtual void endProgram() = 0;
};
