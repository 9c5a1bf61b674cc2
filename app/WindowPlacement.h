#pragma once

#include <QMargins>
#include <QRect>

#include <functional>

class QWidget;

// Puts a top-level window's client area where a rule says, given the frame
// the window manager draws around it. Some platforms know that frame before
// the window is shown; under X11 it is known only once the window manager has
// framed the window. There the window is placed with the frame of another of
// the program's windows, or none, and placed again by the same rule when it
// is first activated, unless the user has moved it by then.
namespace WindowPlacement {

using Rule = std::function<QRect(const QMargins &frame)>;

void place(QWidget &window, const Rule &rule);

// Shows a window at the size and place it was given. A plain show() makes
// every window full screen on a platform that prefers that (the browser).
void show(QWidget &window);

} // namespace WindowPlacement
