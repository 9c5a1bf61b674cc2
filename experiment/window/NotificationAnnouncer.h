#pragma once

#include "Announcer.h"

#include <QPointer>

class QWidget;

// Speaks through an object of the notification role inside the window, which
// Orca reads out whenever it appears, focus or not. The object is for screen
// readers only: it paints nothing, takes neither clicks nor the focus, and
// appearing activates no window, so the window looks and behaves as before.
class NotificationAnnouncer final : public Announcer
{
public:
    explicit NotificationAnnouncer(QWidget &window);

    void announce(const QString &sentence) override;

    // The object a reader finds; nullptr once its window is gone.
    QWidget *notification() const { return line; }

private:
    QPointer<QWidget> line;
};
