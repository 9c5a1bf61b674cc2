#include "ExitQuestion.h"

#include "DesignFont.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

QString ExitQuestion::text()
{
    return u"終了していいですか？"_s;
}

std::unique_ptr<QMessageBox> MessageBoxExitQuestion::create(QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, u"ゼルビノ"_s, text(),
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(u"ExitQuestion"_s);
    box->setFont(DesignFont::userInterface());
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

void MessageBoxExitQuestion::ask(QWidget *parent, Answer answered)
{
    auto box = create(parent);
#ifdef Q_OS_WASM
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box.get(), &QMessageBox::finished, box.get(),
                     [answered = std::move(answered)](int button) { answered(button == QMessageBox::Yes); });
    QMessageBox *shown = box.release();
    shown->open();
    // The page's own focus handling leaves the keyboard on the last button;
    // Enter must take the default, Yes.
    shown->defaultButton()->setFocus();
#else
    answered(box->exec() == QMessageBox::Yes);
#endif
}
