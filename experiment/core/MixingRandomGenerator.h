#pragma once

#include "RandomSource.h"

#include <QtGlobal>

// SplitMix64 with a re-seed that folds the seed's bits into the running
// state. Both dice of an automatic throw re-seed from the same clock reading;
// because the state carries all earlier draws, they still get independent
// values.
class MixingRandomGenerator final : public RandomSource
{
public:
    explicit MixingRandomGenerator(quint64 initialState);

    void reseed(float seed) override;
    double next() override;

private:
    quint64 state;
};
