#pragma once

#include "Control.h"

#include <optional>

// Names for the flag combinations the window's handlers produce.
enum class ExperimentState { Ready, Cleared, Tumbling, AutoRunning, Finished };

// The state the flags form, if they form one of the five.
std::optional<ExperimentState> stateOf(const ControlFlags &flags);

// The Enabled flag of a control in a state.
bool isEnabledIn(ExperimentState state, Control control);
