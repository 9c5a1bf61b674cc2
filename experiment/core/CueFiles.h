#pragma once

#include <QString>

// The cue files, by bare name: the program finds them in its working directory.
namespace CueFiles {

inline const QString Acknowledge = QStringLiteral("pinpon.wav"); // reset, help
inline const QString Farewell = QStringLiteral("endpinpon.wav");  // exit

} // namespace CueFiles
