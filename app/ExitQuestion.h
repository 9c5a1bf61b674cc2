#pragma once

#include <QString>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

// The question the exit button asks before the program ends.
class ExitQuestion
{
public:
    virtual ~ExitQuestion() = default;
    using Answer = std::function<void(bool yes)>;
    // Calls answered(true) when the user answers Yes.
    virtual void ask(QWidget *parent, Answer answered) = 0;

    // The question as the box asks it, and as it is read aloud.
    static QString text();
};

// The real question: a modal Yes/No message box, Yes the default, no icon.
// The desktop waits for the answer. A browser page cannot wait, so there
// the box is opened and answers when it closes.
class MessageBoxExitQuestion final : public ExitQuestion
{
public:
    void ask(QWidget *parent, Answer answered) override;

    static std::unique_ptr<QMessageBox> create(QWidget *parent);
};
