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
//
// The first press of a mouse button, a key or a finger in a window that is
// not the active one counts as its activation, before the press itself is
// handled. Some platforms (Wayland) report the activation only after a round
// trip to the compositor, when a quick click has already been handled; that
// later report then changes nothing.
class ActivationTracker final : public QObject
{
    Q_OBJECT

public:
    // Watches the whole application: a press reaches a button, not its window.
    ActivationTracker();

    void track(QWidget *window, std::function<void()> onActivated);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *trackedWindowOf(QObject *receiver) const;
    void activate(QWidget *window);
    void forgetHidden(QWidget *window);

    QHash<QObject *, std::function<void()>> handlers;
    QPointer<QWidget> lastActive;
};
