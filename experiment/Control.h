#pragma once

#include <array>

// The eight buttons and three timers of the experiment window. Their Enabled
// flags are the window's whole state.
enum class Control {
    Command1, // 自　動 (auto)
    Command2, // さいころ止まる (stop dice)
    Command3, // 停　止 (stop auto)
    Command4, // 終了 (exit)
    Command5, // 初期化 (reset)
    Command6, // グラフ表示 (graph)
    Command7, // HELP
    Command8, // さいころ投げる (throw)
    Timer1,   // tumbles the large die
    Timer2,   // tumbles the small die
    Timer3,   // one automatic throw a tick
};

inline constexpr std::array AllControls{
    Control::Command1, Control::Command2, Control::Command3, Control::Command4, Control::Command5, Control::Command6,
    Control::Command7, Control::Command8, Control::Timer1,   Control::Timer2,   Control::Timer3,
};

inline constexpr std::array AllButtons{
    Control::Command1, Control::Command2, Control::Command3, Control::Command4,
    Control::Command5, Control::Command6, Control::Command7, Control::Command8,
};

// Enabling or disabling a button or a timer; a disabled button ignores
// clicks, a disabled timer does not tick.
class ControlFlags
{
public:
    virtual ~ControlFlags() = default;
    virtual void setControlEnabled(Control control, bool enabled) = 0;
    virtual bool isControlEnabled(Control control) const = 0;
};
