#include "GraphWindow.h"

#include "RuleLine.h"
#include "Twips.h"

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
    setFixedSize(sizeFromTwips(9750, 5670));
    move(twipsToPixels(3165), twipsToPixels(1695));

    auto *rule = new RuleLine(QLine(0, twipsToPixels(360), twipsToPixels(9720), twipsToPixels(360)), this);
    rule->setObjectName(u"Line5"_s);

    auto *closeButton = new QPushButton(u"閉じる"_s, this);
    closeButton->setObjectName(u"Command1"_s);
    closeButton->setGeometry(fromTwips(8760, 0, 975, 375));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void GraphWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}
