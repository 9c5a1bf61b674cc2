#include "KeptExperiment.h"

#include "ExperimentRecord.h"
#include "LabelDisplay.h"
#include "RatioFormat.h"

#include <QList>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using Throw = ExperimentRecord::Throw;

// A record rebuilt to be checked before the window's own is touched.
class UnshownLabels final : public LabelDisplay
{
public:
    void showText(const QString &, const QString &) override {}
};

QChar digit(int face)
{
    return QChar(u'0' + face);
}

// A face as kept: 0 before a die's first roll, else 1..6.
std::optional<qint16> face(QChar kept)
{
    if (kept < u'0' || kept > u'6')
        return std::nullopt;
    return qint16(kept.unicode() - u'0');
}

std::optional<Throw> facePair(QStringView kept)
{
    const auto large = face(kept[0]);
    const auto small = face(kept[1]);
    if (!large || !small)
        return std::nullopt;
    return Throw{*large, *small};
}

// A die that has rolled never shows 0 again: the throws of a die without a
// face can only come before all of its rolled ones.
bool couldHaveBeenMade(const QList<Throw> &throws, Throw lastRolled)
{
    bool largeRolled = false;
    bool smallRolled = false;
    for (const Throw &made : throws) {
        if ((largeRolled && made.large == 0) || (smallRolled && made.small == 0))
            return false;
        largeRolled = made.large != 0;
        smallRolled = made.small != 0;
    }
    return !(largeRolled && lastRolled.large == 0) && !(smallRolled && lastRolled.small == 0);
}

// A whole number as the window shows it: digits only, no sign or blank.
std::optional<int> count(QStringView kept)
{
    if (kept.isEmpty() || kept.size() > 4 || !std::all_of(kept.begin(), kept.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    return kept.toInt();
}

} // namespace

QString KeptExperiment::write(const ExperimentRecord &record)
{
    QString throws;
    throws.reserve(2 * record.Throws().size());
    for (const Throw &made : record.Throws())
        throws.append(digit(made.large)).append(digit(made.small));
    return u"%1;%2;%3;%4;%5%6;%7"_s.arg(FormVersion)
        .arg(record.ThrowCount())
        .arg(record.OddCount())
        .arg(formatRatio(record.CurrentRatio()))
        .arg(digit(record.FaceA()))
        .arg(digit(record.FaceB()))
        .arg(throws);
}

bool KeptExperiment::read(QStringView keptForm, ExperimentRecord &record)
{
    const QList<QStringView> parts = keptForm.split(u';');
    if (parts.size() != 6 || parts[0] != QString::number(FormVersion))
        return false;
    const auto throwCount = count(parts[1]);
    const auto oddCount = count(parts[2]);
    const QStringView ratio = parts[3];
    const QStringView faces = parts[4];
    const QStringView kept = parts[5];
    if (!throwCount || !oddCount || *throwCount > MAX_THROWS || kept.size() != 2 * *throwCount || faces.size() != 2)
        return false;

    const auto lastRolled = facePair(faces);
    QList<Throw> throws;
    for (qsizetype at = 0; at < kept.size(); at += 2) {
        const auto made = facePair(kept.sliced(at, 2));
        if (!made)
            return false;
        throws.append(*made);
    }
    if (!lastRolled || !couldHaveBeenMade(throws, *lastRolled))
        return false;

    UnshownLabels unshown;
    ExperimentRecord rebuilt(unshown);
    rebuilt.replay(throws, *lastRolled);
    if (rebuilt.OddCount() != *oddCount || formatRatio(rebuilt.CurrentRatio()) != ratio)
        return false;
    record.replay(throws, *lastRolled);
    return true;
}
