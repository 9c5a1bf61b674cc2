#pragma once

// A pseudo-random source for the dice. Re-seeding mixes the seed into the
// current state, so re-seeding with the value used last time continues the
// sequence instead of starting it over.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed(float seed) = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};
