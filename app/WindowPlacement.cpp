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

// Places the window again once its real frame is known.
class FrameWatcher final : public QObject
{
public:
    FrameWatcher(QWidget &watched, WindowPlacement::Rule placementRule, const QRect &placedAt)
        : QObject(&watched)
        , window(watched)
        , rule(std::move(placementRule))
        , placed(placedAt)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &window && event->type() == QEvent::WindowActivate && !frameOf(window).isNull()) {
            if (window.geometry() == placed)
                window.setGeometry(rule(frameOf(window)));
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &window;
    const WindowPlacement::Rule rule;
    const QRect placed;
};

} // namespace

void WindowPlacement::show(QWidget &window)
{
    window.setVisible(true);
}

void WindowPlacement::place(QWidget &window, const Rule &rule)
{
    // The windows keep their design size: a frame offers no maximizing.
    // Desktops leave it out for a fixed size themselves, the browser not.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The platform window, whose frame some platforms know before showing.
    window.winId();
    const QMargins frame = frameOf(window);
    const QRect client = rule(frame.isNull() ? frameOfAnotherWindow(window) : frame);
    window.setGeometry(client);
    // Only the latest placement counts.
    const QObjectList children = window.children();
    for (QObject *child : children)
        delete dynamic_cast<FrameWatcher *>(child);
    if (frame.isNull())
        new FrameWatcher(window, rule, client);
}
