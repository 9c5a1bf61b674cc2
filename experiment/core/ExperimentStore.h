#pragma once

#include <QString>

// Where the page keeps the experiment in its kept form, so that a pupil's
// throws come back after the browser reloads or discards the page. The
// desktop keeps nothing and has none.
class ExperimentStore
{
public:
    virtual ~ExperimentStore() = default;

    // What was kept for this start; empty where nothing was.
    virtual QString kept() const = 0;
    // The experiment as it stands now, kept in place of the last.
    virtual void keep(const QString &keptForm) = 0;
    // Erases what was kept for this start, which could not be read.
    virtual void forget() = 0;
};
