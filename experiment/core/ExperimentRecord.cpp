#include "ExperimentRecord.h"

#include "CheckedArithmetic.h"
#include "LabelDisplay.h"
#include "LabelNames.h"
#include "RatioFormat.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Row-major by the large die, as the cells are laid out on the window.
std::size_t cellIndex(int large, int small)
{
    if (!isFace(large) || !isFace(small))
        throw std::out_of_range("no such tally cell");
    return std::size_t((large - 1) * FacesPerDie + (small - 1));
}

} // namespace

ExperimentRecord::ExperimentRecord(LabelDisplay &labelDisplay)
    : display(labelDisplay)
{
}

void ExperimentRecord::CountThrow()
{
    throwCount = checkedAdd(throwCount, 1);
    display.showText(LabelNames::ThrowCount, QString::number(throwCount));
}

void ExperimentRecord::RecordThrow()
{
    tallyThrow();

    display.showText(LabelNames::OddCount, QString::number(oddCount));
    showTally();
    if (throwCount > 0)
        display.showText(LabelNames::Ratio, formatRatio(currentRatio));
}

void ExperimentRecord::tallyThrow()
{
    throws.append({faceA, faceB});
    // A stop before a die's first roll finds its face still 0: the throw is
    // counted but enters no cell.
    if (isFace(faceA) && isFace(faceB)) {
        qint16 &outcome = cell(faceA, faceB);
        outcome = checkedAdd(outcome, 1);
    }
    oddCount = sumOfOddCells();

    if (throwCount > 0) {
        currentRatio = float(double(oddCount) / double(throwCount));
        ratioHistory.at(std::size_t(throwCount)) = currentRatio;
    }
}

void ExperimentRecord::ResetExperiment()
{
    empty();
    showTally();
    display.showText(LabelNames::ThrowCount, QString::number(throwCount));
    display.showText(LabelNames::OddCount, QString::number(oddCount));
    display.showText(LabelNames::Ratio, formatRatio(currentRatio));
}

void ExperimentRecord::replay(const QList<Throw> &kept, Throw lastRolled)
{
    empty();
    for (const Throw &made : kept) {
        throwCount = checkedAdd(throwCount, 1);
        faceA = made.large;
        faceB = made.small;
        tallyThrow();
    }
    faceA = lastRolled.large;
    faceB = lastRolled.small;
    if (throwCount > 0)
        showNumbers();
}

void ExperimentRecord::empty()
{
    tally.fill(0);
    throwCount = 0;
    oddCount = sumOfOddCells();
    currentRatio = 0.0f;
    // Entry 0 is never a throw and is left alone.
    std::fill(ratioHistory.begin() + 1, ratioHistory.end(), 0.0f);
    throws.clear();
}

void ExperimentRecord::showNumbers()
{
    display.showText(LabelNames::ThrowCount, QString::number(throwCount));
    display.showText(LabelNames::OddCount, QString::number(oddCount));
    showTally();
    display.showText(LabelNames::Ratio, formatRatio(currentRatio));
}

void ExperimentRecord::storeFace(Die die, qint16 face)
{
    (die == Die::Large ? faceA : faceB) = face;
}

qint16 ExperimentRecord::Tally(int large, int small) const
{
    return tally[cellIndex(large, small)];
}

qint16 &ExperimentRecord::cell(int large, int small)
{
    return tally[cellIndex(large, small)];
}

qint16 ExperimentRecord::sumOfOddCells() const
{
    // Recomputed from the nine cells every time, never kept incrementally.
    qint16 sum = 0;
    for (int large = 1; large <= FacesPerDie; large += 2) {
        for (int small = 1; small <= FacesPerDie; small += 2)
            sum = checkedAdd(sum, Tally(large, small));
    }
    return sum;
}

void ExperimentRecord::showTally()
{
    for (int large = 1; large <= FacesPerDie; ++large) {
        for (int small = 1; small <= FacesPerDie; ++small)
            display.showText(LabelNames::tallyCell(large, small), QString::number(Tally(large, small)));
    }
}
