#pragma once

#include <QString>

// Where the experiment record shows its numbers: a label, known by its
// design name ("Label17", "d11" ...), gets a new text.
class LabelDisplay
{
public:
    virtual ~LabelDisplay() = default;
    virtual void showText(const QString &labelName, const QString &text) = 0;
};
