#pragma once

#include <QMargins>
#include <QRect>

#include <functional>

class QWidget;

// Puts a top-level window's client area where a rule says, given the frame
// the window manager draws around it. Some platforms know that frame before
// the window is shown; under X11 it is known only once the window manager has
// framed the window. There the window is placed with the frame of another of
// the program's windows, or none, and placed again by the same rule once it
// is shown or activated and its frame is known, unless the user has moved it
// by then. The window keeps its rule, which reads its screen anew each time
// it runs.
namespace WindowPlacement {

using Rule = std::function<QRect(const QMargins &frame)>;

void place(QWidget &window, const Rule &rule);

// Places the window again by the rule it was last placed by, for a screen
// that has changed its size or scale since; it activates nothing.
void placeAgain(QWidget &window);

// Shows a window at the size and place it was given. A plain show() makes
// every window full screen on a platform that prefers that (the browser).
void show(QWidget &window);

} // namespace WindowPlacement
