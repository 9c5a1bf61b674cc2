#pragma once

#include <QString>

// Where a sentence for a screen reader goes: spoken once, without taking the
// focus and without changing anything on screen.
class Announcer
{
public:
    virtual ~Announcer() = default;
    virtual void announce(const QString &sentence) = 0;
};
