#pragma once

#include "Announcer.h"
#include "ReadAloud.h"

#include <memory>
#include <utility>

// Tells a screen reader, and reads the same sentence aloud: the results a
// reader hears are the ones a pupil without a reader needs heard.
class AnnouncerReadingAloud final : public Announcer
{
public:
    AnnouncerReadingAloud(std::unique_ptr<Announcer> reader, ReadAloud &readAloud)
        : screenReader(std::move(reader))
        , voice(readAloud)
    {
    }

    void announce(const QString &sentence) override
    {
        screenReader->announce(sentence);
        voice.read(sentence);
    }

private:
    const std::unique_ptr<Announcer> screenReader;
    ReadAloud &voice;
};
