#pragma once

#include "Control.h"

class Announcer;
class ExperimentRecord;

// Tells a screen reader what a button or a tick has done to the experiment,
// once its handler has run: the result of a throw by hand, the end of an
// automatic run and a cleared record. An automatic run is heard only every
// hundred throws: ten sentences a second would drown the reader.
class ResultAnnouncer
{
public:
    static constexpr int ThrowsBetweenProgress = 100;

    ResultAnnouncer(const ExperimentRecord &record, const ControlFlags &flags, Announcer &announcer);

    void afterHandling(Control control);

private:
    const ExperimentRecord &record;
    const ControlFlags &flags;
    Announcer &announcer;
};
