#pragma once

#include <memory>

class QMessageBox;
class QWidget;

// The question the exit button asks before the program ends.
class ExitQuestion
{
public:
    virtual ~ExitQuestion() = default;
    // True when the user answers Yes; waits for the answer.
    virtual bool ask(QWidget *parent) = 0;
};

// The real question: a modal Yes/No message box, Yes the default, no icon.
class MessageBoxExitQuestion final : public ExitQuestion
{
public:
    bool ask(QWidget *parent) override;

    static std::unique_ptr<QMessageBox> create(QWidget *parent);
};
