#include "SpokenText.h"

#include "ExperimentRecord.h"
#include "RatioFormat.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace SpokenText {

namespace {

QString productKind(int large, int small)
{
    return isOddProduct(large, small) ? u"積は奇数"_s : u"積は偶数"_s;
}

// The three counters as the window labels them.
QString counters(const ExperimentRecord &record)
{
    return u"実験回数 %1、積が奇数の回数 %2、割合 %3"_s.arg(record.ThrowCount())
        .arg(record.OddCount())
        .arg(formatRatio(record.CurrentRatio()));
}

} // namespace

QString throwResult(const ExperimentRecord &record)
{
    const int large = record.FaceA();
    const int small = record.FaceB();
    // A stop before a die's first roll records no outcome, so none is named.
    if (!isFace(large) || !isFace(small))
        return counters(record);
    return u"大 %1、小 %2、%3。%4"_s.arg(large).arg(small).arg(productKind(large, small), counters(record));
}

QString runProgress(const ExperimentRecord &record)
{
    return u"実験回数 %1、割合 %2"_s.arg(record.ThrowCount()).arg(formatRatio(record.CurrentRatio()));
}

QString runStopped(const ExperimentRecord &record)
{
    return u"停止。%1"_s.arg(counters(record));
}

QString runEnded(const ExperimentRecord &record)
{
    return u"%1 回に達しました。%2"_s.arg(MAX_THROWS).arg(counters(record));
}

QString recordCleared()
{
    return u"初期化しました。記録を消しました。"_s;
}

QString experimentRestored(const ExperimentRecord &record)
{
    return u"前の実験の続きです。%1"_s.arg(counters(record));
}

QString tallyCell(int large, int small, const QString &shownCount)
{
    const QString outcome = u"大 %1、小 %2"_s.arg(large).arg(small);
    if (shownCount.isEmpty())
        return u"%1：%2"_s.arg(outcome, productKind(large, small));
    return u"%1：%2 回、%3"_s.arg(outcome, shownCount, productKind(large, small));
}

QString graphDescription(const ExperimentRecord &record)
{
    const int throws = record.ThrowCount();
    const QString axes = u"横軸は実験回数 0 から %1、縦軸は積が奇数の割合。"_s.arg(MAX_THROWS);
    const QString reference = u"理論値 1/4（0.250）の破線。"_s;
    if (throws == 0)
        return axes + u"まだ実験していません。"_s + reference;

    QStringList ratios;
    for (int milestone : {100, 500, 1000}) {
        if (milestone < throws)
            ratios.append(u"%1 回で %2"_s.arg(milestone).arg(formatRatio(record.RatioHistory(milestone))));
    }
    ratios.append(u"%1 回で %2"_s.arg(throws).arg(formatRatio(record.RatioHistory(throws))));
    return axes + u"実験回数 %1。割合は %2。"_s.arg(throws).arg(ratios.join(u"、"_s)) + reference;
}

} // namespace SpokenText
