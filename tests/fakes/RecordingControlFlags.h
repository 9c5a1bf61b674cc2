#pragma once

#include "Control.h"
#include "ExperimentState.h"

#include <QStringList>

#include <array>

// The Enabled flags of the window, with every write in order as
// "Command8-" (disabled) or "Timer1+" (enabled).
class RecordingControlFlags final : public ControlFlags
{
public:
    // A freshly created window: every button enabled, every timer disabled.
    RecordingControlFlags()
    {
        for (Control control : AllControls)
            flags.at(std::size_t(control)) = !isTimer(control);
    }

    void setControlEnabled(Control control, bool enabled) override
    {
        flags.at(std::size_t(control)) = enabled;
        writes.append(controlName(control) + (enabled ? u'+' : u'-'));
    }

    bool isControlEnabled(Control control) const override { return flags.at(std::size_t(control)); }

    void enter(ExperimentState state)
    {
        for (Control control : AllControls)
            flags.at(std::size_t(control)) = isEnabledIn(state, control);
    }

    QStringList writes;

private:
    std::array<bool, AllControls.size()> flags{};
};
