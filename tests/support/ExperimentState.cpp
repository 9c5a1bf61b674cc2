#include "ExperimentState.h"

#include <array>

namespace {

constexpr std::array States{ExperimentState::Ready, ExperimentState::Cleared, ExperimentState::Tumbling,
                            ExperimentState::AutoRunning, ExperimentState::Finished};

constexpr bool T = true;
constexpr bool F = false;

// Columns in the order of Control: Command1..Command8, Timer1..Timer3.
constexpr std::array<std::array<bool, AllControls.size()>, States.size()> Flags{{
    /* Ready       */ {T, F, F, T, T, T, T, T, F, F, F},
    /* Cleared     */ {T, F, F, T, T, F, T, T, F, F, F},
    /* Tumbling    */ {F, T, F, F, F, F, F, F, T, T, F},
    /* AutoRunning */ {F, F, T, F, F, F, F, F, F, F, T},
    /* Finished    */ {F, F, F, T, T, T, T, F, F, F, F},
}};

} // namespace

bool isEnabledIn(ExperimentState state, Control control)
{
    return Flags.at(std::size_t(state)).at(std::size_t(control));
}

std::optional<ExperimentState> stateOf(const ControlFlags &flags)
{
    for (ExperimentState state : States) {
        bool matches = true;
        for (Control control : AllControls)
            matches = matches && flags.isControlEnabled(control) == isEnabledIn(state, control);
        if (matches)
            return state;
    }
    return std::nullopt;
}
