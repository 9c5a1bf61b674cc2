#pragma once

#include "MediaControl.h"

#include <QStringList>

// Writes down every command in the order it arrives.
class RecordingMediaControl final : public MediaControl
{
public:
    void stop() override { commands.append(QStringLiteral("Stop")); }
    void close() override { commands.append(QStringLiteral("Close")); }
    void setFileName(const QString &fileName) override { commands.append(QStringLiteral("FileName=") + fileName); }
    void open() override { commands.append(QStringLiteral("Open")); }
    void sound() override { commands.append(QStringLiteral("Sound")); }

    QStringList commands;
};
