#include "ExitQuestion.h"

#include "DesignFont.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

std::unique_ptr<QMessageBox> MessageBoxExitQuestion::create(QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, u"ゼルビノ"_s, u"終了していいですか？"_s,
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(u"ExitQuestion"_s);
    box->setFont(DesignFont::userInterface());
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

bool MessageBoxExitQuestion::ask(QWidget *parent)
{
    return create(parent)->exec() == QMessageBox::Yes;
}
