#pragma once

#include "ExperimentStore.h"

// The page's keeping of the experiment (page.js): what it found for this
// start, given with the program's loading, and what the program hands it
// after each change, which the page writes into its own storage. A page that
// offers no keeping keeps nothing.
class PageExperimentStore final : public ExperimentStore
{
public:
    QString kept() const override;
    void keep(const QString &keptForm) override;
    void forget() override;
};
