#pragma once

#include <QtGlobal>

#include <limits>
#include <stdexcept>

// The record's counters are 16-bit. An addition that leaves that range is a
// program error, never a value to wrap around silently.
inline qint16 checkedAdd(qint16 a, qint16 b)
{
    const int sum = int(a) + int(b);
    if (sum > std::numeric_limits<qint16>::max() || sum < std::numeric_limits<qint16>::min())
        throw std::overflow_error("16-bit counter overflow");
    return qint16(sum);
}
