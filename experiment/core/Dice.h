#pragma once

#include "Die.h"

class ExperimentRecord;
class FaceDisplay;
class RandomSource;
class TimeOfDayClock;

// Rolls the large and the small die: each roll draws a new face, stores it in
// the record and makes its picture the only one of that die on display.
class Dice
{
public:
    Dice(ExperimentRecord &record, FaceDisplay &faces, const TimeOfDayClock &clock, RandomSource &random);

    void RollFace(Die die);
    // Face 1 of both dice on display; the stored faces do not change.
    void ShowInitialFaces();

private:
    ExperimentRecord &record;
    FaceDisplay &faces;
    const TimeOfDayClock &clock;
    RandomSource &random;
};
