#include "CheckedArithmetic.h"
#include "ExperimentRecord.h"
#include "KeptExperiment.h"
#include "LabelNames.h"
#include "RecordingLabelDisplay.h"

#include <QPoint>
#include <QTest>

#include <random>

using namespace Qt::StringLiterals;

namespace {

QStringList allCellNames()
{
    QStringList names;
    for (int large = 1; large <= 6; ++large) {
        for (int small = 1; small <= 6; ++small)
            names.append(LabelNames::tallyCell(large, small));
    }
    return names;
}

} // namespace

class ExperimentRecordTest : public QObject
{
    Q_OBJECT

private:
    void throwDice(ExperimentRecord &record, int large, int small)
    {
        record.storeFace(Die::Large, qint16(large));
        record.storeFace(Die::Small, qint16(small));
        record.CountThrow();
        record.RecordThrow();
    }

    RecordingLabelDisplay display;

private slots:
    void init() { display = RecordingLabelDisplay(); }

    void throwsAreTalliedAndRated_data()
    {
        QTest::addColumn<QList<QPoint>>("throws"); // x = large die, y = small die
        QTest::addColumn<int>("oddCount");
        QTest::addColumn<QString>("ratioText");
        QTest::addColumn<QList<float>>("history");

        QTest::newRow("first throw (1,1)") << QList<QPoint>{{1, 1}} << 1 << u"1.000"_s << QList<float>{1.0f};
        QTest::newRow("first throw (2,3)") << QList<QPoint>{{2, 3}} << 0 << u"0.000"_s << QList<float>{0.0f};
        QTest::newRow("(3,4) then (4,3)") << QList<QPoint>{{3, 4}, {4, 3}} << 0 << u"0.000"_s
                                          << QList<float>{0.0f, 0.0f};
        QTest::newRow("four throws") << QList<QPoint>{{1, 1}, {2, 2}, {5, 3}, {6, 1}} << 2 << u"0.500"_s
                                     << QList<float>{1.0f, 0.5f, 0.6666667f, 0.5f};
        QTest::newRow("one odd in three") << QList<QPoint>{{1, 1}, {2, 2}, {2, 2}} << 1 << u"0.333"_s
                                          << QList<float>{1.0f, 0.5f, 1.0f / 3.0f};
        QTest::newRow("two odd in three") << QList<QPoint>{{1, 1}, {3, 3}, {2, 2}} << 2 << u"0.667"_s
                                          << QList<float>{1.0f, 1.0f, 2.0f / 3.0f};

        QList<QPoint> sixteen{{5, 5}};
        QList<float> sixteenHistory{1.0f};
        for (int n = 2; n <= 16; ++n) {
            sixteen.append({6, 6});
            sixteenHistory.append(float(1.0 / n));
        }
        QTest::newRow("one odd in sixteen rounds up") << sixteen << 1 << u"0.063"_s << sixteenHistory;
    }

    void throwsAreTalliedAndRated()
    {
        QFETCH(QList<QPoint>, throws);
        QFETCH(int, oddCount);
        QFETCH(QString, ratioText);
        QFETCH(QList<float>, history);

        ExperimentRecord record(display);
        for (const QPoint &pair : throws)
            throwDice(record, pair.x(), pair.y());

        QCOMPARE(record.ThrowCount(), throws.size());
        QCOMPARE(display.text(LabelNames::ThrowCount), QString::number(throws.size()));
        QCOMPARE(record.OddCount(), oddCount);
        QCOMPARE(display.text(LabelNames::OddCount), QString::number(oddCount));
        QCOMPARE(display.text(LabelNames::Ratio), ratioText);
        QCOMPARE(record.CurrentRatio(), history.last());
        for (int n = 1; n <= history.size(); ++n)
            QCOMPARE(record.RatioHistory(n), history.at(n - 1));
        QCOMPARE(record.RatioHistory(0), 0.0f);

        // The large die picks the row: (3,4) and (4,3) are different cells.
        for (int large = 1; large <= 6; ++large) {
            for (int small = 1; small <= 6; ++small) {
                const auto expected = throws.count(QPoint(large, small));
                QCOMPARE(record.Tally(large, small), expected);
                QCOMPARE(display.text(LabelNames::tallyCell(large, small)), QString::number(expected));
            }
        }
    }

    void countThrowShowsTheNewCountAtOnce()
    {
        ExperimentRecord record(display);
        record.CountThrow();
        QCOMPARE(display.writes, (QList<QPair<QString, QString>>{{LabelNames::ThrowCount, u"1"_s}}));
        QCOMPARE(record.Tally(1, 1) + record.OddCount(), 0);
    }

    void recordThrowWritesOddCountThenCellsThenRatio()
    {
        ExperimentRecord record(display);
        throwDice(record, 2, 5);

        const QStringList expected = QStringList{LabelNames::ThrowCount, LabelNames::OddCount} + allCellNames()
                                     + QStringList{LabelNames::Ratio};
        QCOMPARE(display.writtenNames(), expected);
        QCOMPARE(display.text(u"d25"_s), u"1"_s);
    }

    void resetShowsTheEmptyRecordAndKeepsTheFaces()
    {
        ExperimentRecord record(display);
        throwDice(record, 1, 3);
        throwDice(record, 4, 6);
        display.writes.clear();

        record.ResetExperiment();

        const QStringList expected = allCellNames()
                                     + QStringList{LabelNames::ThrowCount, LabelNames::OddCount, LabelNames::Ratio};
        QCOMPARE(display.writtenNames(), expected);
        for (const QString &cell : allCellNames())
            QCOMPARE(display.text(cell), u"0"_s);
        QCOMPARE(display.text(LabelNames::ThrowCount), u"0"_s);
        QCOMPARE(display.text(LabelNames::OddCount), u"0"_s);
        QCOMPARE(display.text(LabelNames::Ratio), u"0.000"_s);
        QCOMPARE(record.ThrowCount(), 0);
        QCOMPARE(record.OddCount(), 0);
        QCOMPARE(record.CurrentRatio(), 0.0f);
        for (int n = 0; n <= MAX_THROWS; ++n)
            QCOMPARE(record.RatioHistory(n), 0.0f);
        QCOMPARE(record.FaceA(), 4);
        QCOMPARE(record.FaceB(), 6);
    }

    void throwWithAFaceStillZero_data()
    {
        QTest::addColumn<int>("large");
        QTest::addColumn<int>("small");
        QTest::newRow("neither die rolled yet") << 0 << 0;
        QTest::newRow("small die not rolled yet") << 3 << 0;
        QTest::newRow("large die not rolled yet") << 0 << 5;
    }

    void throwWithAFaceStillZero()
    {
        QFETCH(int, large);
        QFETCH(int, small);

        ExperimentRecord record(display);
        throwDice(record, large, small);

        QCOMPARE(record.ThrowCount(), 1);
        QCOMPARE(display.text(LabelNames::ThrowCount), u"1"_s);
        for (const QString &cell : allCellNames())
            QCOMPARE(display.text(cell), u"0"_s);
        QCOMPARE(display.text(LabelNames::Ratio), u"0.000"_s);
        QCOMPARE(record.RatioHistory(1), 0.0f);

        // The next real throw is rated against both throws.
        throwDice(record, 1, 1);
        QCOMPARE(display.text(LabelNames::Ratio), u"0.500"_s);
    }

    void recordThrowBeforeAnyCountLeavesTheRatioAlone()
    {
        ExperimentRecord record(display);
        record.storeFace(Die::Large, 1);
        record.storeFace(Die::Small, 1);
        record.RecordThrow();

        QCOMPARE(record.Tally(1, 1), 1);
        QVERIFY(!display.hasShown(LabelNames::Ratio));
        QCOMPARE(record.RatioHistory(0), 0.0f);
    }

    void aThousandThrowsKeepEveryInvariant()
    {
        ExperimentRecord record(display);
        std::mt19937 engine(20261207);
        std::uniform_int_distribution<int> face(1, 6);

        int odd = 0;
        for (int n = 1; n <= MAX_THROWS; ++n) {
            const int large = face(engine);
            const int small = face(engine);
            odd += (large * small) % 2;
            throwDice(record, large, small);
            QCOMPARE(record.RatioHistory(n), float(double(odd) / double(n)));
        }

        int cells = 0;
        int oddCells = 0;
        for (int large = 1; large <= 6; ++large) {
            for (int small = 1; small <= 6; ++small) {
                cells += record.Tally(large, small);
                if (large % 2 == 1 && small % 2 == 1)
                    oddCells += record.Tally(large, small);
            }
        }
        QCOMPARE(cells, 1000);
        QCOMPARE(record.OddCount(), oddCells);
        QCOMPARE(record.OddCount(), odd);
        QCOMPARE(display.text(LabelNames::ThrowCount), u"1000"_s);
    }

    void recordingPastTheHistoryIsRefused()
    {
        ExperimentRecord record(display);
        for (int n = 0; n <= MAX_THROWS; ++n)
            record.CountThrow();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, record.RecordThrow());
    }

    void tallyOutsideTheGridIsRefused_data()
    {
        QTest::addColumn<int>("large");
        QTest::addColumn<int>("small");
        QTest::newRow("small die 7") << 1 << 7;
        QTest::newRow("large die 0") << 0 << 1;
        QTest::newRow("large die 7") << 7 << 6;
    }

    void tallyOutsideTheGridIsRefused()
    {
        QFETCH(int, large);
        QFETCH(int, small);
        const ExperimentRecord record(display);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, record.Tally(large, small));
    }

    void countersOverflowLoudly()
    {
        QCOMPARE(checkedAdd(32766, 1), 32767);
        QCOMPARE(checkedAdd(-32767, -1), -32768);
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, checkedAdd(32767, 1));
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, checkedAdd(-32768, -1));
    }

    // The form the page keeps across a reload: read only as written.
    void onlyAFormTheProgramCouldHaveMadeIsRead_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("readable");

        QTest::newRow("nothing thrown yet") << u"1;0;0;0.000;00;"_s << true;
        QTest::newRow("two stops before any roll") << u"1;2;0;0.000;34;0000"_s << true;
        QTest::newRow("the small die not yet rolled") << u"1;2;1;0.500;11;1011"_s << true;
        QTest::newRow("a full experiment") << u"1;1000;0;0.000;22;"_s + u"22"_s.repeated(1000) << true;

        QTest::newRow("another version's form") << u"2;1;1;1.000;11;11"_s << false;
        QTest::newRow("cut short") << u"1;3;1;0.333;35;1126"_s << false;
        QTest::newRow("a throw altered") << u"1;3;1;0.333;35;112633"_s << false;
        QTest::newRow("the ratio altered") << u"1;3;1;0.250;35;112634"_s << false;
        QTest::newRow("a face of 7") << u"1;1;0;0.000;11;71"_s << false;
        QTest::newRow("a last face of 7") << u"1;1;1;1.000;17;11"_s << false;
        QTest::newRow("over a thousand") << u"1;1001;0;0.000;22;"_s + u"22"_s.repeated(1001) << false;
        QTest::newRow("a signed count") << u"1;+1;1;1.000;11;11"_s << false;
        QTest::newRow("a count with a leading zero") << u"1;01;1;1.000;11;11"_s << false;
        QTest::newRow("full-width digits") << u"1;１;１;1.000;11;11"_s << false;
        QTest::newRow("dice rolled after a full experiment") << u"1;1000;0;0.000;24;"_s + u"22"_s.repeated(1000) << false;
        QTest::newRow("a die without a face after a roll") << u"1;2;1;0.500;11;1101"_s << false;
        QTest::newRow("a last face lost after a roll") << u"1;1;1;1.000;01;11"_s << false;
        QTest::newRow("a field too many") << u"1;1;1;1.000;11;11;"_s << false;
        QTest::newRow("not a form at all") << u"{\"throws\":[]}"_s << false;
    }

    void onlyAFormTheProgramCouldHaveMadeIsRead()
    {
        QFETCH(QString, kept);
        QFETCH(bool, readable);

        ExperimentRecord record(display);
        record.replay({{5, 5}}, {5, 5});
        display.writes.clear();

        QCOMPARE(KeptExperiment::read(kept, record), readable);
        if (readable) {
            QCOMPARE(KeptExperiment::write(record), kept);
            QCOMPARE(record.ThrowCount(), kept.section(u';', 1, 1).toInt());
        } else {
            QCOMPARE(record.ThrowCount(), 1);
            QCOMPARE(record.Throws(), QList<ExperimentRecord::Throw>({{5, 5}}));
            QVERIFY(display.writes.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(ExperimentRecordTest)
#include "tst_experimentrecord.moc"
