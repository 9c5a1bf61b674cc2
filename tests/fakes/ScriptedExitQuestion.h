#pragma once

#include "ExitQuestion.h"

// Answers the exit question as the test decided, and counts the askings.
class ScriptedExitQuestion final : public ExitQuestion
{
public:
    void ask(QWidget *, Answer answered) override
    {
        ++asked;
        answered(answerYes);
    }

    bool answerYes = false;
    int asked = 0;
};
