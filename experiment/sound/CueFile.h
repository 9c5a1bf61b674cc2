#pragma once

#include "WavSound.h"

#include <QString>

#include <optional>

// A cue is a short sound; larger files are not read.
inline constexpr qint64 MaxCueBytes = 8 * 1024 * 1024;

// Reads a cue by its name in the working directory and checks it before
// anything is handed to the sound system, so a missing, empty, cut-short or
// foreign file simply stays silent.
std::optional<WavSound> readCueFile(const QString &name);
