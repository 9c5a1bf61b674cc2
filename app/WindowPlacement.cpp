#include "WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

QMargins frameOf(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// The frame the window manager gives the program's other windows.
QMargins frameOfAnotherWindow(const QWidget &window)
{
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible() && !frameOf(*other).isNull())
            return frameOf(*other);
    }
    return {};
}

// The rule a window was last placed by. Where the frame was not known at
// the placement, it places the window again once the frame is known.
class PlacementRule final : public QObject
{
public:
    PlacementRule(QWidget &placedWindow, WindowPlacement::Rule placementRule)
        : QObject(&placedWindow)
        , window(placedWindow)
        , rule(std::move(placementRule))
    {
    }

    static PlacementRule *of(const QWidget &placedWindow)
    {
        for (QObject *child : placedWindow.children()) {
            if (auto *placement = dynamic_cast<PlacementRule *>(child))
                return placement;
        }
        return nullptr;
    }

    QRect clientFor(const QMargins &frame) const { return rule(frame); }

    void placeAgainOnceFramed(const QRect &placedAt)
    {
        placedBeforeFraming = placedAt;
        window.installEventFilter(this);
    }

    // Where the frame has become known since the placement, and the window
    // is still where it was put, places it by its frame.
    void placeAgainIfFramed()
    {
        if (placedBeforeFraming.isNull() || frameOf(window).isNull())
            return;
        if (window.geometry() == placedBeforeFraming)
            window.setGeometry(rule(frameOf(window)));
        placedBeforeFraming = QRect();
        window.removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &window && event->type() == QEvent::WindowActivate)
            placeAgainIfFramed();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &window;
    const WindowPlacement::Rule rule;
    QRect placedBeforeFraming;
};

} // namespace

void WindowPlacement::show(QWidget &window)
{
    window.setVisible(true);
    // The browser knows a window's frame once it is shown, and may report
    // no activation for the first window: the frame is taken at once.
    if (PlacementRule *placement = PlacementRule::of(window))
        placement->placeAgainIfFramed();
}

void WindowPlacement::place(QWidget &window, const Rule &rule)
{
    // The windows keep their design size: a frame offers no maximizing.
    // Desktops leave it out for a fixed size themselves, the browser not.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The platform window, whose frame some platforms know before showing.
    window.winId();
    // Only the latest placement counts.
    delete PlacementRule::of(window);
    auto *placement = new PlacementRule(window, rule);
    const QMargins frame = frameOf(window);
    const QRect client = placement->clientFor(frame.isNull() ? frameOfAnotherWindow(window) : frame);
    window.setGeometry(client);
    if (frame.isNull())
        placement->placeAgainOnceFramed(client);
}

void WindowPlacement::placeAgain(QWidget &window)
{
    const PlacementRule *placement = PlacementRule::of(window);
    if (!placement)
        return;
    const QRect client = placement->clientFor(frameOf(window));
    window.setGeometry(client);
    // After a change of scale the widget may still hold this very geometry
    // while its platform window keeps the size it had in device pixels:
    // the platform window is given the geometry too.
    if (QWindow *handle = window.windowHandle())
        handle->setGeometry(client);
}
