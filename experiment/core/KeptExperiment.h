#pragma once

#include <QString>
#include <QStringView>

class ExperimentRecord;

// The experiment in the form the page keeps: the form's version, the three
// counters as the window shows them, the faces the dice last rolled and the
// faces of every throw in order, as in "1;3;1;0.333;35;112634". The throws
// rebuild the record; the rest only checks it.
namespace KeptExperiment {

inline constexpr int FormVersion = 1;

QString write(const ExperimentRecord &record);

// Rebuilds the record from a kept form and returns true; returns false and
// leaves the record untouched where the form is another version's, is cut
// short or altered, or holds a record the program could never have made.
bool read(QStringView keptForm, ExperimentRecord &record);

} // namespace KeptExperiment
