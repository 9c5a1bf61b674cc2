#pragma once

#include "Announcer.h"

#include <QStringList>

// Keeps every sentence announced, in order.
class RecordingAnnouncer final : public Announcer
{
public:
    void announce(const QString &sentence) override { sentences.append(sentence); }

    QStringList sentences;
};
