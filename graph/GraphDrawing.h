#pragma once

#include <QPointF>

class ExperimentRecord;
class GraphCanvas;

namespace Graph {

// Where the ratio after throw n is plotted, in user units: throw n at
// x = n + 100, the ratio r at y = 110 - floor(100 r), the product taken in
// double precision from the stored single so that 7/10 plots at 41, not 40.
QPointF GraphPoint(const ExperimentRecord &record, int n);

// Axes, ticks, the dashed line at 1/4, the scale labels and captions, then
// the plot on top, over whatever the canvas already shows.
void DrawGraph(GraphCanvas &canvas, const ExperimentRecord &record);

} // namespace Graph
