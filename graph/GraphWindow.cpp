#include "GraphWindow.h"

#include "AccessibleRole.h"
#include "DesignFont.h"
#include "DrawingSurface.h"
#include "GraphCanvas.h"
#include "GraphDrawing.h"
#include "RuleLine.h"
#include "SpokenText.h"

#include <QCloseEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

GraphWindow::GraphWindow(const ExperimentRecord &experimentRecord, QWidget *parent)
    : QWidget(parent)
    , record(experimentRecord)
{
    setObjectName(u"Form2"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u" グラフ"_s);
    // The button and the graph's texts inherit it.
    setFont(DesignFont::userInterface());
    setFixedSize(sizeFromTwips(9750, 5670));

    auto *rule = new RuleLine(QLine(0, twipsToPixels(360), twipsToPixels(9720), twipsToPixels(360)), this);
    rule->setObjectName(u"Line5"_s);

    picture = new DrawingSurface(fromTwips(120, 600, 9495, 4815), this);
    picture->setObjectName(u"Picture1"_s);
    picture->setAccessibleName(u"グラフ"_s);
    AccessibleRole::set(*picture, QAccessible::Chart);
    // Said as the surface takes the focus, on opening.
    describeGraph();

    auto *closeButton = new QPushButton(u"閉じる"_s, this);
    closeButton->setObjectName(u"Command1"_s);
    closeButton->setGeometry(fromTwips(8760, 0, 975, 375));
    closeButton->setAutoDefault(false);
    closeButton->setShortcut(QKeySequence::Cancel);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(picture, closeButton);
}

void GraphWindow::DrawGraph()
{
    {
        GraphCanvas canvas(picture->canvas(), picture->font(), picture->palette().color(QPalette::WindowText));
        Graph::DrawGraph(canvas, record);
    }
    picture->update();
    describeGraph();
}

void GraphWindow::describeGraph()
{
    picture->setAccessibleDescription(SpokenText::graphDescription(record));
}

void GraphWindow::redraw()
{
    picture->clear();
    DrawGraph();
}

void GraphWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The graph is what a reader hears first. The browser may activate the
    // window before its widgets are shown, which sends the focus past it.
    picture->setFocus();
}

void GraphWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}
