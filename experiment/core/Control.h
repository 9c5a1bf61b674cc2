#pragma once

#include <QString>

#include <array>
#include <string_view>

// The eight buttons and three timers of the experiment window, each with the
// event its handler answers. Their Enabled flags are the window's whole
// state. This is the one list of them: the enum, the names, the dispatch to
// the handlers (Command1_Click … Timer3_Timer) and the tests derive from it.
#define ZERUBINO_CONTROLS(X)                                                                                            \
    X(Command1, Click) /* 自　動 (auto) */                                                                              \
    X(Command2, Click) /* さいころ止まる (stop dice) */                                                                 \
    X(Command3, Click) /* 停　止 (stop auto) */                                                                         \
    X(Command4, Click) /* 終了 (exit) */                                                                                \
    X(Command5, Click) /* 初期化 (reset) */                                                                             \
    X(Command6, Click) /* グラフ表示 (graph) */                                                                         \
    X(Command7, Click) /* HELP */                                                                                       \
    X(Command8, Click) /* さいころ投げる (throw) */                                                                     \
    X(Timer1, Timer)   /* tumbles the large die */                                                                      \
    X(Timer2, Timer)   /* tumbles the small die */                                                                      \
    X(Timer3, Timer)   /* one automatic throw a tick */

#define ZERUBINO_CONTROL_ENUMERATOR(control, event) control,
enum class Control { ZERUBINO_CONTROLS(ZERUBINO_CONTROL_ENUMERATOR) };
#undef ZERUBINO_CONTROL_ENUMERATOR

#define ZERUBINO_CONTROL_ENTRY(control, event) Control::control,
inline constexpr std::array AllControls{ZERUBINO_CONTROLS(ZERUBINO_CONTROL_ENTRY)};
#undef ZERUBINO_CONTROL_ENTRY

// The design name of a control, which is also its object name on screen.
inline QString controlName(Control control)
{
#define ZERUBINO_CONTROL_NAME(control, event) std::string_view(#control),
    static constexpr std::array Names{ZERUBINO_CONTROLS(ZERUBINO_CONTROL_NAME)};
#undef ZERUBINO_CONTROL_NAME
    const std::string_view name = Names.at(std::size_t(control));
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The buttons come first, the timers after them.
inline constexpr bool isTimer(Control control)
{
    return control >= Control::Timer1;
}

// Enabling or disabling a button or a timer; a disabled button ignores
// clicks, a disabled timer does not tick.
class ControlFlags
{
public:
    virtual ~ControlFlags() = default;
    virtual void setControlEnabled(Control control, bool enabled) = 0;
    virtual bool isControlEnabled(Control control) const = 0;
};
