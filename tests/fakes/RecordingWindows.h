#pragma once

#include "ExperimentWindows.h"

#include <QStringList>

// Notes every window request in a log that tests may share with other fakes,
// so that the order of a cue and a window shows.
class RecordingWindows final : public ExperimentWindows
{
public:
    explicit RecordingWindows(QStringList &sharedLog)
        : log(sharedLog)
    {
    }

    void hideExperimentWindow() override { log.append(QStringLiteral("hide experiment window")); }
    void showGraphWindow() override { log.append(QStringLiteral("show graph window")); }
    void showHelpWindow() override { log.append(QStringLiteral("show help window")); }
    void confirmExit(Answer answered) override
    {
        log.append(QStringLiteral("ask exit question"));
        answered(answerYes);
    }
    void endProgram() override { log.append(QStringLiteral("end program")); }

    bool answerYes = false;

private:
    QStringList &log;
};
