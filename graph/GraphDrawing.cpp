#include "GraphDrawing.h"

#include "CheckedArithmetic.h"
#include "ExperimentRecord.h"
#include "GraphCanvas.h"

#include <QColor>
#include <QString>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Colours 0 and 9 of the classic 16-colour palette.
const QColor Black(0, 0, 0);
const QColor LightBlue(0, 0, 255);

void printAt(GraphCanvas &canvas, double x, double y, const QString &text)
{
    canvas.setCurrentX(x);
    canvas.setCurrentY(y);
    canvas.print(text);
}

} // namespace

QPointF Graph::GraphPoint(const ExperimentRecord &record, int n)
{
    const qint16 x = checkedAdd(qint16(n), 100);
    const double floored = std::floor(100.0 * double(record.RatioHistory(n)));
    return QPointF(x, float(110.0 - floored));
}

void Graph::DrawGraph(GraphCanvas &canvas, const ExperimentRecord &record)
{
    canvas.line({100, 5}, {100, 110}, Black);
    canvas.line({100, 110}, {1100, 110}, Black);
    for (int y = 10; y <= 100; y += 10)
        canvas.line({95.0, double(y)}, {105.0, double(y)}, Black);
    // The reference line at 1/4: dashes 10 long with 10-unit gaps.
    for (int x = 100; x <= 1080; x += 20)
        canvas.line({double(x), 85}, {double(x + 10), 85}, Black);

    printAt(canvas, 60, 110, u"0.00"_s);
    printAt(canvas, 60, 83, u"0.25"_s);
    printAt(canvas, 60, 8, u"1.00"_s);

    for (int x = 100; x <= 1080; x += 100)
        canvas.line({double(x), 109}, {double(x), 111}, Black);

    printAt(canvas, 930, 100, u"(横軸は実験回数)"_s);
    printAt(canvas, 120, 10, u"(縦軸は積が奇数の割合)"_s);
    // Each label starts 15 units left of the tick it names.
    for (int throws = 100; throws <= 900; throws += 100)
        printAt(canvas, throws + 100 - 15, 112, QString::number(throws));

    // The plot last, on top of everything: entry 1 even before any throw.
    canvas.point(GraphPoint(record, 1), LightBlue);
    for (int n = 2; n <= record.ThrowCount(); ++n)
        canvas.lineTo(GraphPoint(record, n), LightBlue);
}
