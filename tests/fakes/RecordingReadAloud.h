#pragma once

#include "ReadAloud.h"

#include <QStringList>

// Keeps every text handed over to be read aloud, in order, and counts the stops.
class RecordingReadAloud final : public ReadAloud
{
public:
    void read(const QString &text) override { texts.append(text); }
    void stop() override { ++stops; }

    QStringList texts;
    int stops = 0;
};
