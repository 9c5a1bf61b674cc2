#pragma once

#include <QWidget>

// The help window (Form4): the problem the experiment illustrates and how to
// use the buttons. Its close button only hides it; closing its frame
// discards it.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

signals:
    // "閉じる" was clicked: the window has hidden itself.
    void closeClicked();
};
