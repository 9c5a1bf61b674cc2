#include "ActivationTracker.h"

#include <QEvent>
#include <QWidget>

void ActivationTracker::track(QWidget *window, std::function<void()> onActivated)
{
    handlers.insert(window, std::move(onActivated));
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this](QObject *gone) { handlers.remove(gone); });
}

bool ActivationTracker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (lastActive != watched) {
            lastActive = watched;
            // Copied: the handler may show or hide windows and so reach here again.
            const auto handler = handlers.value(watched);
            if (handler)
                handler();
        }
        break;
    case QEvent::Hide:
        if (lastActive == watched)
            lastActive = nullptr;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
