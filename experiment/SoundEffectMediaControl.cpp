#include "SoundEffectMediaControl.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SoundEffectMediaControl::SoundEffectMediaControl() = default;
SoundEffectMediaControl::~SoundEffectMediaControl() = default;

void SoundEffectMediaControl::stop()
{
    if (effect)
        effect->stop();
}

void SoundEffectMediaControl::close()
{
    if (effect)
        effect->setSource(QUrl());
    isOpen = false;
}

void SoundEffectMediaControl::setFileName(const QString &name)
{
    fileName = name;
}

void SoundEffectMediaControl::open()
{
    // Checking first keeps the common case, a missing file, free of the
    // decoder's warnings.
    const QFileInfo file(QDir::current(), fileName);
    if (!file.isFile() || !file.isReadable())
        return;
    if (!effect)
        effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    isOpen = true;
}

void SoundEffectMediaControl::sound()
{
    // Until the background decoder is done, play() only marks the effect to
    // start as soon as it is loaded; it never waits.
    if (isOpen)
        effect->play();
}
