#include "ActivationTracker.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

ActivationTracker::ActivationTracker()
{
    QCoreApplication::instance()->installEventFilter(this);
}

void ActivationTracker::track(QWidget *window, std::function<void()> onActivated)
{
    handlers.insert(window, std::move(onActivated));
    connect(window, &QObject::destroyed, this, [this](QObject *gone) { handlers.remove(gone); });
}

bool ActivationTracker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::TouchBegin:
        if (QWidget *window = trackedWindowOf(watched))
            activate(window);
        break;
    case QEvent::WindowActivate:
        // A late report may name a window that has been hidden meanwhile.
        if (handlers.contains(watched) && static_cast<QWidget *>(watched)->isVisible())
            activate(static_cast<QWidget *>(watched));
        break;
    case QEvent::Show:
        // A platform may make a window active before it is shown (the
        // browser makes its first window active when it is made): then no
        // report follows the showing.
        if (handlers.contains(watched) && static_cast<QWidget *>(watched)->isActiveWindow())
            activate(static_cast<QWidget *>(watched));
        break;
    case QEvent::Hide:
        if (handlers.contains(watched))
            forgetHidden(static_cast<QWidget *>(watched));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The program's tracked window that a press on `receiver` lands in: a widget
// inside it, or the platform window that holds it.
QWidget *ActivationTracker::trackedWindowOf(QObject *receiver) const
{
    if (receiver->isWidgetType()) {
        QWidget *window = static_cast<QWidget *>(receiver)->window();
        return handlers.contains(window) ? window : nullptr;
    }
    if (receiver->isWindowType()) {
        for (auto tracked = handlers.keyBegin(); tracked != handlers.keyEnd(); ++tracked) {
            auto *window = static_cast<QWidget *>(*tracked);
            if (window->windowHandle() == receiver)
                return window;
        }
    }
    return nullptr;
}

void ActivationTracker::activate(QWidget *window)
{
    if (lastActive == window)
        return;
    lastActive = window;
    // Copied: the handler may show or hide windows and so reach here again.
    const auto handler = handlers.value(window);
    if (handler)
        handler();
}

void ActivationTracker::forgetHidden(QWidget *window)
{
    if (lastActive != window)
        return;
    lastActive = nullptr;
    // A window counted active by its press may hide before the platform ever
    // saw it active. The platform's active window is then active again for
    // the program, and no report will come to say so.
    auto *platformActive = QApplication::activeWindow();
    if (platformActive && platformActive != window && handlers.contains(platformActive) && platformActive->isVisible())
        activate(platformActive);
}
