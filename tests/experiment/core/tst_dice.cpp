#include "Dice.h"
#include "ExperimentRecord.h"
#include "MixingRandomGenerator.h"
#include "RecordingFaceDisplay.h"
#include "RecordingLabelDisplay.h"
#include "ScriptedClock.h"
#include "ScriptedRandom.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>

Q_DECLARE_METATYPE(Die)

namespace {

// Chi-square critical value for 5 degrees of freedom at p = 0.001: a fair die
// exceeds it once in a thousand runs, and the seed here is fixed.
constexpr double ChiSquareBound = 20.515;

double chiSquare(const std::array<int, 6> &counts, int rolls)
{
    const double expected = rolls / 6.0;
    double sum = 0.0;
    for (int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

// The dice over a record and a face display, with the clock and random
// source the test chooses.
template<typename Random> struct DiceBench {
    template<typename... Seed>
    explicit DiceBench(Seed... seed)
        : random(seed...)
    {
    }

    RecordingLabelDisplay labels;
    ExperimentRecord record{labels};
    RecordingFaceDisplay faces;
    ScriptedClock clock;
    Random random;
    Dice dice{record, faces, clock, random};
};

} // namespace

class DiceTest : public QObject
{
    Q_OBJECT

private slots:
    void rollShowsTheDrawnFaceAlone_data()
    {
        QTest::addColumn<Die>("die");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("face");

        const std::array<std::pair<Die, const char *>, 2> dice{{{Die::Large, "large"}, {Die::Small, "small"}}};
        for (const auto &[die, name] : dice) {
            QTest::addRow("%s die, draw 0", name) << die << 0.0 << 1;
            QTest::addRow("%s die, just under 1/6", name) << die << std::nextafter(1.0 / 6.0, 0.0) << 1;
            QTest::addRow("%s die, 1/6", name) << die << 1.0 / 6.0 << 2;
            QTest::addRow("%s die, one half", name) << die << 0.5 << 4;
            QTest::addRow("%s die, largest draw", name) << die << std::nextafter(1.0, 0.0) << 6;
        }
    }

    void rollShowsTheDrawnFaceAlone()
    {
        QFETCH(Die, die);
        QFETCH(double, draw);
        QFETCH(int, face);

        DiceBench<ScriptedRandom> bench;
        bench.random.values = {draw};

        bench.dice.RollFace(die);

        const Die other = die == Die::Large ? Die::Small : Die::Large;
        QCOMPARE(bench.faces.shownFace(die), face);
        QCOMPARE(bench.faces.visibleCount(other), 6);
        QCOMPARE(die == Die::Large ? bench.record.FaceA() : bench.record.FaceB(), face);
        QCOMPARE(die == Die::Large ? bench.record.FaceB() : bench.record.FaceA(), 0);
    }

    void everyRollReseedsFromTheClock()
    {
        DiceBench<ScriptedRandom> bench;
        bench.random.values = {0.1, 0.2, 0.3};

        bench.clock.now = 45296.5f;
        bench.dice.RollFace(Die::Large);
        bench.dice.RollFace(Die::Small);
        bench.clock.now = 45296.6f;
        bench.dice.RollFace(Die::Large);

        QCOMPARE(bench.random.seeds, (QList<float>{45296.5f, 45296.5f, 45296.6f}));
    }

    void initialFacesShowOneAndOneButKeepTheStoredFaces()
    {
        DiceBench<ScriptedRandom> bench;
        bench.random.values = {0.9, 0.7};

        bench.dice.ShowInitialFaces();
        QCOMPARE(bench.faces.shownFace(Die::Large), 1);
        QCOMPARE(bench.faces.shownFace(Die::Small), 1);
        QCOMPARE(bench.record.FaceA(), 0);

        bench.dice.RollFace(Die::Large);
        bench.dice.RollFace(Die::Small);
        bench.dice.ShowInitialFaces();
        QCOMPARE(bench.faces.shownFace(Die::Large), 1);
        QCOMPARE(bench.faces.shownFace(Die::Small), 1);
        QCOMPARE(bench.record.FaceA(), 6);
        QCOMPARE(bench.record.FaceB(), 5);
    }

    void eachDieIsFair_data()
    {
        QTest::addColumn<Die>("die");
        QTest::newRow("large die") << Die::Large;
        QTest::newRow("small die") << Die::Small;
    }

    void eachDieIsFair()
    {
        QFETCH(Die, die);

        DiceBench<MixingRandomGenerator> bench(0x5eed);

        constexpr int Rolls = 60000;
        std::array<int, 6> counts{};
        for (int roll = 0; roll < Rolls; ++roll) {
            bench.clock.now += 0.05f; // one die-timer tick later
            bench.dice.RollFace(die);
            const int face = bench.faces.shownFace(die);
            QVERIFY2(face >= 1 && face <= 6, "exactly one picture of the die must be on display");
            QCOMPARE(face, die == Die::Large ? bench.record.FaceA() : bench.record.FaceB());
            ++counts.at(std::size_t(face - 1));
        }
        QVERIFY2(chiSquare(counts, Rolls) < ChiSquareBound, qPrintable(QString::number(chiSquare(counts, Rolls))));
    }

    void bothDiceOfOneAutomaticThrowAreIndependent_data()
    {
        QTest::addColumn<float>("clockStep");
        QTest::newRow("clock advances 100 ms a throw") << 0.1f;
        QTest::newRow("clock stands still") << 0.0f;
    }

    void bothDiceOfOneAutomaticThrowAreIndependent()
    {
        QFETCH(float, clockStep);

        DiceBench<MixingRandomGenerator> bench(0xd1ce);

        // Both rolls of an automatic throw read the same clock value.
        constexpr int Throws = 60000;
        int doubles = 0;
        std::array<int, 6> largeCounts{};
        for (int n = 0; n < Throws; ++n) {
            bench.clock.now += clockStep;
            bench.dice.RollFace(Die::Large);
            bench.dice.RollFace(Die::Small);
            doubles += bench.record.FaceA() == bench.record.FaceB() ? 1 : 0;
            ++largeCounts.at(std::size_t(bench.record.FaceA() - 1));
        }
        const double share = double(doubles) / Throws;
        QVERIFY2(qAbs(share - 1.0 / 6.0) < 0.01, qPrintable(QString::number(share)));
        QVERIFY(chiSquare(largeCounts, Throws) < ChiSquareBound);
    }

    void reseedingWithTheSameValueContinuesTheSequence()
    {
        MixingRandomGenerator random(42);
        QList<double> draws;
        for (int n = 0; n < 100; ++n) {
            random.reseed(1000.0f);
            draws.append(random.next());
        }
        std::sort(draws.begin(), draws.end());
        QCOMPARE(std::adjacent_find(draws.begin(), draws.end()), draws.end());
        QVERIFY(draws.first() >= 0.0);
        QVERIFY(draws.last() < 1.0);
    }

    void aSeededGeneratorRepeatsItself()
    {
        MixingRandomGenerator first(7);
        MixingRandomGenerator second(7);
        MixingRandomGenerator other(8);
        first.reseed(12.5f);
        second.reseed(12.5f);
        other.reseed(12.5f);
        const double draw = first.next();
        QCOMPARE(second.next(), draw);
        QVERIFY(other.next() != draw);
    }
};

QTEST_GUILESS_MAIN(DiceTest)
#include "tst_dice.moc"
