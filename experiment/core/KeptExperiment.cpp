#include "KeptExperiment.h"

#include "ExperimentRecord.h"
#include "LabelDisplay.h"
#include "RatioFormat.h"

#include <QList>

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
// face can only come before all of its rolled ones. A full experiment ends
// on a throw, and no die rolls after it.
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
    if (throws.size() == MAX_THROWS && lastRolled != throws.last())
        return false;
    return !(largeRolled && lastRolled.large == 0) && !(smallRolled && lastRolled.small == 0);
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
    if (parts.size() != 6 || parts[4].size() != 2 || parts[5].size() % 2 != 0 || parts[5].size() > 2 * MAX_THROWS)
        return false;
    const auto lastRolled = facePair(parts[4]);
    QList<Throw> throws;
    for (qsizetype at = 0; at < parts[5].size(); at += 2) {
        const auto made = facePair(parts[5].sliced(at, 2));
        if (!made)
            return false;
        throws.append(*made);
    }
    if (!lastRolled || !couldHaveBeenMade(throws, *lastRolled))
        return false;

    // The version and the counters as this program writes them, to the letter.
    UnshownLabels unshown;
    ExperimentRecord rebuilt(unshown);
    rebuilt.replay(throws, *lastRolled);
    if (write(rebuilt) != keptForm)
        return false;
    record.replay(throws, *lastRolled);
    return true;
}
