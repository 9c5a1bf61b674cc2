#pragma once

#include "RandomSource.h"

#include <QList>

// Hands out the values queued by the test and remembers every seed.
class ScriptedRandom final : public RandomSource
{
public:
    void reseed(float seed) override { seeds.append(seed); }
    double next() override { return values.takeFirst(); }

    QList<double> values;
    QList<float> seeds;
};
