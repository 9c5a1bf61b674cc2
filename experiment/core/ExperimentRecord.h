#pragma once

#include "Die.h"

#include <QList>
#include <QtGlobal>

#include <array>

class LabelDisplay;

inline constexpr qint16 MAX_THROWS = 1000;

// Everything known about the experiment in progress: the throw count, the
// 6 x 6 tally (row = large die), the odd-product count, the current ratio and
// its value after every throw. It owns the arithmetic of a throw and of a
// reset and writes every number it changes to the display, in a fixed order.
class ExperimentRecord
{
public:
    // The faces one throw recorded; 0 where a die had not rolled yet.
    struct Throw {
        qint16 large = 0;
        qint16 small = 0;
        friend bool operator==(const Throw &, const Throw &) = default;
    };

    explicit ExperimentRecord(LabelDisplay &display);

    // One more throw, shown at once; its dice are recorded afterwards.
    void CountThrow();
    // Tallies (FaceA, FaceB) and refreshes every number on the window.
    void RecordThrow();
    // Empties the record and shows the empty record; the faces stay.
    void ResetExperiment();

    // The dice store the face each roll draws.
    void storeFace(Die die, qint16 face);

    // Rebuilds the record from its throws, each counted and recorded again
    // by the arithmetic that first recorded it, with the faces the dice last
    // rolled, and shows every number once. Nothing is shown for no throws.
    void replay(const QList<Throw> &throws, Throw lastRolled);

    qint16 ThrowCount() const { return throwCount; }
    float CurrentRatio() const { return currentRatio; }
    // The ratio after throw n, n in 0..MAX_THROWS (entry 0 stays 0).
    float RatioHistory(int n) const { return ratioHistory.at(std::size_t(n)); }
    qint16 FaceA() const { return faceA; }
    qint16 FaceB() const { return faceB; }
    // Throws with large die `large` and small die `small`, both 1..6.
    qint16 Tally(int large, int small) const;
    qint16 OddCount() const { return oddCount; }
    // Every throw since the experiment began, in order.
    const QList<Throw> &Throws() const { return throws; }

private:
    void tallyThrow();
    void empty();
    void showNumbers();
    qint16 &cell(int large, int small);
    qint16 sumOfOddCells() const;
    void showTally();

    LabelDisplay &display;

    qint16 throwCount = 0;
    float currentRatio = 0.0f;
    std::array<float, MAX_THROWS + 1> ratioHistory{};

    qint16 faceA = 0;
    qint16 faceB = 0;
    std::array<qint16, FacesPerDie * FacesPerDie> tally{};
    qint16 oddCount = 0;
    QList<Throw> throws;
};
