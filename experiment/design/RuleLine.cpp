#include "RuleLine.h"

#include <QPainter>

RuleLine::RuleLine(const QLine &line, QWidget *parent)
    : QWidget(parent)
{
    Q_ASSERT(line.y1() == line.y2());
    setGeometry(QRect(QPoint(qMin(line.x1(), line.x2()), line.y1()), QPoint(qMax(line.x1(), line.x2()), line.y1())));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

void RuleLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().windowText());
}
