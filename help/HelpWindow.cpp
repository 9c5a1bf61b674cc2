#include "HelpWindow.h"

#include "RuleLine.h"
#include "Twips.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"Form4"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"  ゼルビノ＿ヘルプ（設問と操作方法）"_s);
    setFixedSize(sizeFromTwips(8550, 6675));
    move(twipsToPixels(3480), twipsToPixels(2235));

    auto *rule = new RuleLine(QLine(twipsToPixels(120), twipsToPixels(360), twipsToPixels(8400), twipsToPixels(360)),
                              this);
    rule->setObjectName(u"Line1"_s);

    auto *closeButton = new QPushButton(u"閉じる"_s, this);
    closeButton->setObjectName(u"Command1"_s);
    closeButton->setGeometry(fromTwips(7560, 0, 855, 375));
    connect(closeButton, &QPushButton::clicked, this, [this] {
        hide();
        emit closeClicked();
    });
    closeButton->setFocus();
}
