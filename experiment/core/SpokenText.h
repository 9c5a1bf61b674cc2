#pragma once

#include <QString>

class ExperimentRecord;

// What a screen reader says of the experiment, in the words and numbers the
// window shows.
namespace SpokenText {

// After a throw by hand: its two faces, whether their product is odd, and
// the three counters.
QString throwResult(const ExperimentRecord &record);
// Now and then during an automatic run: how far it has come.
QString runProgress(const ExperimentRecord &record);
// The automatic run stopped by hand, or ended at the experiment's length.
QString runStopped(const ExperimentRecord &record);
QString runEnded(const ExperimentRecord &record);
QString recordCleared();
// The experiment kept by the page, back after the page was reloaded.
QString experimentRestored(const ExperimentRecord &record);

// A tally cell: its outcome, its count as shown (empty before the first
// throw) and whether the product is odd.
QString tallyCell(int large, int small, const QString &shownCount);

// What the graph shows: how many throws, the ratio after 100, 500 and 1000
// throws where reached and after the last one, beside the theoretical 1/4.
QString graphDescription(const ExperimentRecord &record);

} // namespace SpokenText
