#pragma once

#include "WavSound.h"

#include <QList>

// A sound's samples as floats from -1 to 1, one list per channel: the form
// in which a browser's audio takes them.
QList<QList<float>> channelsAsFloats(const WavSound &sound);
