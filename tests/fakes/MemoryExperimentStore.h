#pragma once

#include "ExperimentStore.h"

#include <QStringList>

// A page's keeping of the experiment, in memory: what it hands the program
// at start, and every form the program keeps or forgets after that.
class MemoryExperimentStore final : public ExperimentStore
{
public:
    QString kept() const override { return keptForStart; }
    void keep(const QString &keptForm) override { forms.append(keptForm); }
    void forget() override { ++forgotten; }

    QString keptForStart;
    QStringList forms;
    int forgotten = 0;
};
