#include "CueFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

std::optional<WavSound> readCueFile(const QString &name)
{
    const QFileInfo info(QDir::current(), name);
    if (!info.isFile() || info.size() > MaxCueBytes)
        return std::nullopt;
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readWav(file.read(MaxCueBytes));
}
