#pragma once

#include <QString>

// The commands a sound cue gives its player, one call each.
class MediaControl
{
public:
    virtual ~MediaControl() = default;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual void setFileName(const QString &fileName) = 0;
    virtual void open() = 0;
    virtual void sound() = 0;
};
