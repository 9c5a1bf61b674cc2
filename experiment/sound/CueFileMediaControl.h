#pragma once

#include "MediaControl.h"
#include "WavSound.h"

#include <QString>

#include <optional>

// What every cue output does alike: opening reads and checks the file named
// (readCueFile), and what it read is the cue to sound; a missing or foreign
// file leaves no cue, so it stays silent.
class CueFileMediaControl : public MediaControl
{
public:
    void setFileName(const QString &name) final { fileName = name; }
    void open() final { cue = readCueFile(fileName); }

protected:
    std::optional<WavSound> cue;

private:
    QString fileName;
};
