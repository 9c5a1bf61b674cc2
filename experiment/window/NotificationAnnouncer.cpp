#include "NotificationAnnouncer.h"

#include "AccessibleRole.h"
#include "ScreenReaderAnnouncer.h"

#include <QEvent>
#include <QWidget>

namespace {

// Only a reader sees it. It goes with its window, so that showing the window
// again does not say its last sentence again.
class NotificationLine final : public QWidget
{
public:
    explicit NotificationLine(QWidget &window)
        : QWidget(&window)
    {
        setObjectName(QStringLiteral("SpokenResults"));
        AccessibleRole::set(*this, QAccessible::Notification);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        // A box of one pixel, under every control: readers skip objects of
        // no size, and it draws nothing over the window's own background.
        setGeometry(0, 0, 1, 1);
        lower();
        hide();
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            hide();
        return false;
    }
};

} // namespace

NotificationAnnouncer::NotificationAnnouncer(QWidget &window)
    : line(new NotificationLine(window))
{
}

void NotificationAnnouncer::announce(const QString &sentence)
{
    if (!line)
        return;
    // Each sentence appears anew: Orca speaks a notification as it shows.
    line->hide();
    line->setAccessibleName(sentence);
    line->show();
}

std::unique_ptr<Announcer> screenReaderAnnouncer(QWidget &window)
{
    return std::make_unique<NotificationAnnouncer>(window);
}
