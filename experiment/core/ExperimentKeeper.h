#pragma once

#include <QString>

class ExperimentRecord;
class ExperimentStore;

// Brings back the experiment the page kept, and keeps it again whenever a
// handler has changed it: a throw, a reset or a die's new face.
class ExperimentKeeper
{
public:
    ExperimentKeeper(ExperimentRecord &record, ExperimentStore &store);

    // Rebuilds the record from what was kept, if anything could be read;
    // what could not is erased. True where throws came back.
    bool restore();
    void afterHandling();

private:
    ExperimentRecord &record;
    ExperimentStore &store;
    // The form last kept, or the one the program started with: what a
    // handler left as it was is not kept again.
    QString lastKept;
};
