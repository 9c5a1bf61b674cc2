#include "ExperimentKeeper.h"

#include "ExperimentRecord.h"
#include "ExperimentStore.h"
#include "KeptExperiment.h"

ExperimentKeeper::ExperimentKeeper(ExperimentRecord &experimentRecord, ExperimentStore &experimentStore)
    : record(experimentRecord)
    , store(experimentStore)
    , lastKept(KeptExperiment::write(experimentRecord))
{
}

bool ExperimentKeeper::restore()
{
    const QString kept = store.kept();
    if (kept.isEmpty())
        return false;
    if (!KeptExperiment::read(kept, record)) {
        store.forget();
        return false;
    }
    lastKept = KeptExperiment::write(record);
    // An emptied record comes back as a start does, untold.
    return record.ThrowCount() > 0;
}

void ExperimentKeeper::afterHandling()
{
    QString now = KeptExperiment::write(record);
    if (now == lastKept)
        return;
    store.keep(now);
    lastKept = std::move(now);
}
