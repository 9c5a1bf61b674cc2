#pragma once

#include "MediaControl.h"

#include <QString>

#include <memory>

class QSoundEffect;

// Plays a cue with Qt Multimedia. The file is looked up in the working
// directory at the moment it is opened; a file that is missing, unreadable or
// not a WAV the decoder understands stays silent. Every call returns at once:
// QSoundEffect decodes and plays in the background.
class SoundEffectMediaControl final : public MediaControl
{
public:
    SoundEffectMediaControl();
    ~SoundEffectMediaControl() override;

    void stop() override;
    void close() override;
    void setFileName(const QString &name) override;
    void open() override;
    void sound() override;

private:
    QString fileName;
    // Created with the first cue, so that start-up does not wait for the
    // audio system.
    std::unique_ptr<QSoundEffect> effect;
    bool isOpen = false;
};
