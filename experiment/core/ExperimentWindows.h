#pragma once

#include <functional>

// What the experiment window's handlers ask of the program's windows.
class ExperimentWindows
{
public:
    virtual ~ExperimentWindows() = default;
    virtual void hideExperimentWindow() = 0;
    // Both modeless: they return at once.
    virtual void showGraphWindow() = 0;
    virtual void showHelpWindow() = 0;
    // The exit question; answered(true) when the user answers Yes. The
    // desktop waits for the answer; the browser cannot wait, and answers
    // after the handler has returned.
    using Answer = std::function<void(bool yes)>;
    virtual void confirmExit(Answer answered) = 0;
    // Ends the program at once, closing every window.
    virtual void endProgram() = 0;
};
