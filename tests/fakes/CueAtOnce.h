#pragma once

#include <QtGlobal>

// What "at once" allows a cue: far below the patience of a cue's start,
// which a blocked output would wait out. Wine's wave output loads its sound
// driver at each first opening, which took up to 122 ms on a busy machine
// and up to 95 ms in a fresh Debian root without a sound server.
#ifdef Q_OS_WIN
inline constexpr qint64 CueAtOnceMs = 300;
#else
inline constexpr qint64 CueAtOnceMs = 50;
#endif
