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
        for (Control button : AllButtons)
            flags.at(std::size_t(button)) = true;
    }

    void setControlEnabled(Control control, bool enabled) override
    {
        flags.at(std::size_t(control)) = enabled;
        writes.append(name(control) + (enabled ? u'+' : u'-'));
    }

    bool isControlEnabled(Control control) const override { return flags.at(std::size_t(control)); }

    void enter(ExperimentState state)
    {
        for (Control control : AllControls)
            flags.at(std::size_t(control)) = isEnabledIn(state, control);
    }

    static QString name(Control control)
    {
        static const QStringList names{
            QStringLiteral("Command1"), QStringLiteral("Command2"), QStringLiteral("Command3"),
            QStringLiteral("Command4"), QStringLiteral("Command5"), QStringLiteral("Command6"),
            QStringLiteral("Command7"), QStringLiteral("Command8"), QStringLiteral("Timer1"),
            QStringLiteral("Timer2"),   QStringLiteral("Timer3"),
        };
        return names.at(int(control));
    }

    QStringList writes;

private:
    std::array<bool, AllControls.size()> flags{};
};
