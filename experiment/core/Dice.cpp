#include "Dice.h"

#include "ExperimentRecord.h"
#include "FaceDisplay.h"
#include "RandomSource.h"
#include "TimeOfDayClock.h"

#include <cmath>

Dice::Dice(ExperimentRecord &experimentRecord, FaceDisplay &faceDisplay, const TimeOfDayClock &timeOfDay,
           RandomSource &randomSource)
    : record(experimentRecord)
    , faces(faceDisplay)
    , clock(timeOfDay)
    , random(randomSource)
{
}

void Dice::RollFace(Die die)
{
    for (int face = 1; face <= FacesPerDie; ++face)
        faces.setFaceVisible(die, face, false);

    random.reseed(clock.secondsSinceMidnight());
    const double r = random.next();
    const auto face = qint16(std::floor(r * FacesPerDie + 1.0));

    record.storeFace(die, face);
    faces.setFaceVisible(die, face, true);
}

void Dice::ShowInitialFaces()
{
    faces.setFaceVisible(Die::Large, 1, true);
    faces.setFaceVisible(Die::Small, 1, true);
    for (int face = 2; face <= FacesPerDie; ++face) {
        faces.setFaceVisible(Die::Large, face, false);
        faces.setFaceVisible(Die::Small, face, false);
    }
}
