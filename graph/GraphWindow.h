#pragma once

#include "Twips.h"

#include <QWidget>

class DrawingSurface;
class ExperimentRecord;

// The graph window (Form2): how the relative frequency of an odd product has
// developed over the throws. It reads the record when it is activated and
// changes nothing. Closing it, by its button or its frame, discards it and
// everything drawn on it.
class GraphWindow final : public QWidget
{
    Q_OBJECT

public:
    // Where the client area goes on the screen, where the screen has room.
    static constexpr QPoint DesignPosition{twipsToPixels(3165), twipsToPixels(1695)};

    explicit GraphWindow(const ExperimentRecord &record, QWidget *parent = nullptr);

    // Draws the record's graph over what the surface already shows.
    void DrawGraph();
    // Draws the graph again on a blank surface: the same picture, in the
    // pixels of a screen whose scale has changed.
    void redraw();

    const DrawingSurface &surface() const { return *picture; }

signals:
    // The window is closing and will be discarded.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // For screen readers: what the graph shows, in words.
    void describeGraph();

    const ExperimentRecord &record;
    DrawingSurface *picture = nullptr;
};
