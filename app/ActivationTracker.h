#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// Tells when one of the program's windows becomes its active window: on its
// first showing, when it is shown again after being hidden, and when the user
// switches to it from another window of the program. Coming back from
// another application, or from the program's own message boxes, is no
// activation: the window was the program's active one all along.
class ActivationTracker final : public QObject
{
    Q_OBJECT

public:
    void track(QWidget *window, std::function<void()> onActivated);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QObject *, std::function<void()>> handlers;
    QPointer<QObject> lastActive;
};
