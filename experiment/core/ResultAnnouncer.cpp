#include "ResultAnnouncer.h"

#include "Announcer.h"
#include "ExperimentRecord.h"
#include "SpokenText.h"

ResultAnnouncer::ResultAnnouncer(const ExperimentRecord &experimentRecord, const ControlFlags &controlFlags,
                                 Announcer &screenReader)
    : record(experimentRecord)
    , flags(controlFlags)
    , announcer(screenReader)
{
}

void ResultAnnouncer::afterHandling(Control control)
{
    switch (control) {
    case Control::Command2:
        announcer.announce(SpokenText::throwResult(record));
        break;
    case Control::Command3:
        announcer.announce(SpokenText::runStopped(record));
        break;
    case Control::Command5:
        announcer.announce(SpokenText::recordCleared());
        break;
    case Control::Timer3:
        // The tick that finds the experiment full ends the run; the one just
        // before it has made the last throw and says nothing, so that the
        // end is heard whole.
        if (!flags.isControlEnabled(Control::Timer3))
            announcer.announce(SpokenText::runEnded(record));
        else if (record.ThrowCount() % ThrowsBetweenProgress == 0 && record.ThrowCount() < MAX_THROWS)
            announcer.announce(SpokenText::runProgress(record));
        break;
    default:
        break;
    }
}
