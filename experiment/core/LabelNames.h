#pragma once

#include <QString>

// The design names of the labels the record writes to.
namespace LabelNames {

inline const QString ThrowCount = QStringLiteral("Label17");
inline const QString OddCount = QStringLiteral("Label4");
inline const QString Ratio = QStringLiteral("Label8");

// The tally cell of large die a and small die b (both 1..6): "d<a><b>".
inline QString tallyCell(int large, int small)
{
    return QStringLiteral("d%1%2").arg(large).arg(small);
}

} // namespace LabelNames
