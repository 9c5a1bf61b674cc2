#pragma once

#include <functional>

class QObject;

// In the browser the page is the screen, and the page chooses its scale: as
// large as the whole design fits, and anew whenever the page changes size
// (a tablet turned, a window resized, the browser zoomed).
namespace PageScreen {

// Lets the page draw the windows' frames and captions at its scale; called
// once the screen exists and before any window is placed on it.
void frameWindows();

// Calls refit whenever the page has changed the screen's size or scale,
// once the toolkit has brought its windows to the new pixel ratio.
void follow(QObject *context, std::function<void()> refit);

// Keeps the elements the page holds for screen readers on their widgets,
// in every window, wherever the window is placed or moved.
void keepReaderElementsOnWidgets();

} // namespace PageScreen
