#pragma once

#include <QString>

// Where texts go to be read aloud to a pupil who needs them heard rather
// than read: the page's voice, where its address asks for one.
class ReadAloud
{
public:
    virtual ~ReadAloud() = default;
    // Reads the text, in place of whatever is still being read, so that the
    // voice never lags behind the dice.
    virtual void read(const QString &text) = 0;
    virtual void stop() = 0;
};
