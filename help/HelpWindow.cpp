#include "HelpWindow.h"

#include "AccessibleRole.h"
#include "DesignFont.h"
#include "DrawingSurface.h"
#include "HelpText.h"
#include "RuleLine.h"

#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"Form4"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"  ゼルビノ＿ヘルプ（設問と操作方法）"_s);
    setFixedSize(sizeFromTwips(8550, 6675));

    auto *rule = new RuleLine(QLine(twipsToPixels(120), twipsToPixels(360), twipsToPixels(8400), twipsToPixels(360)),
                              this);
    rule->setObjectName(u"Line1"_s);

    auto *closeButton = new QPushButton(u"閉じる"_s, this);
    closeButton->setObjectName(u"Command1"_s);
    closeButton->setFont(DesignFont::userInterface());
    closeButton->setGeometry(fromTwips(7560, 0, 855, 375));
    closeButton->setAutoDefault(false);
    closeButton->setShortcut(QKeySequence::Cancel);
    connect(closeButton, &QPushButton::clicked, this, [this] {
        hide();
        emit closeClicked();
    });

    picture = new DrawingSurface(fromTwips(120, 480, 8295, 6015), this);
    picture->setObjectName(u"Picture1"_s);
    picture->setFont(DesignFont::gothic(15, QFont::Normal));
    // Text to a reader, which it reads out as the focus comes to it; as a
    // frame it would be taken for a window and passed over.
    AccessibleRole::set(*picture, QAccessible::StaticText);
    picture->setAccessibleName(HelpText().join(u'\n'));

    setTabOrder(closeButton, picture);
    closeButton->setFocus();
}

void HelpWindow::showHelpText()
{
    picture->clear();
    {
        QPainter painter(&picture->canvas());
        painter.setFont(picture->font());
        painter.setPen(picture->palette().color(QPalette::WindowText));
        const QFontMetrics metrics = painter.fontMetrics();
        int top = 0;
        for (const QString &line : HelpText()) {
            painter.drawText(QPoint(0, top + metrics.ascent()), line);
            top += metrics.height();
        }
    }
    picture->update();
}
