#pragma once

#include "Announcer.h"

#include <QtGlobal>

class QWidget;

// Speaks through UI Automation's notification event, which NVDA and Narrator
// read out whatever has the focus. The call is looked up when the program
// starts, since older Windows and Wine lack it; without it nothing is said.
class UiaNotificationAnnouncer final : public Announcer
{
public:
    explicit UiaNotificationAnnouncer(QWidget &window);

    void announce(const QString &sentence) override;

    // Whether this Windows raises notifications at all.
    bool available() const { return hostProvider && raiseNotification; }

private:
    QWidget &window;
    QFunctionPointer hostProvider = nullptr;
    QFunctionPointer raiseNotification = nullptr;
};
