#include "RatioFormat.h"

#include <cmath>

QString formatRatio(float ratio)
{
    // A float has 24 significant bits, so its product with 1000 is exact in
    // double precision and the tie test below sees the stored value itself.
    const auto thousandths = qint64(std::round(double(ratio) * 1000.0));
    return QStringLiteral("%1.%2")
        .arg(thousandths / 1000)
        .arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
}
