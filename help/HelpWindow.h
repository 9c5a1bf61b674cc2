#pragma once

#include "Twips.h"

#include <QWidget>

class DrawingSurface;

// The help window (Form4): the problem the experiment illustrates and how to
// use the buttons, printed anew on every activation. Its close button only
// hides it; closing its frame discards it.
class HelpWindow final : public QWidget
{
    Q_OBJECT

public:
    // Where the client area goes on the screen where there is no room for
    // it beside the experiment window.
    static constexpr QPoint DesignPosition{twipsToPixels(3480), twipsToPixels(2235)};

    explicit HelpWindow(QWidget *parent = nullptr);

    // Clears the surface and prints the help text from its top-left corner.
    void showHelpText();

    const DrawingSurface &surface() const { return *picture; }

signals:
    // "閉じる" was clicked: the window has hidden itself.
    void closeClicked();

private:
    DrawingSurface *picture = nullptr;
};
