#pragma once

#include <QString>

// A ratio in 0..1 as the pupil reads it: one digit, a point and three
// decimals ("0.000" ... "1.000"). A tie at the fourth decimal rounds up,
// as rounding is taught by hand: 0.0625 reads 0.063.
QString formatRatio(float ratio);
