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
    const bool restored = KeptExperiment::read(kept, record);
    if (restored)
        lastKept = KeptExperiment::write(record);
    else
        store.forget();
    return restored;
}

void ExperimentKeeper::afterHandling()
{
    QString now = KeptExperiment::write(record);
    if (now == lastKept)
        return;
    store.keep(now);
    lastKept = std::move(now);
}
