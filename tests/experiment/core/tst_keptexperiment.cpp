#include "ExperimentRecord.h"
#include "KeptExperiment.h"
#include "LabelNames.h"
#include "RecordingLabelDisplay.h"

#include <QTest>

#include <random>

using namespace Qt::StringLiterals;

class KeptExperimentTest : public QObject
{
    Q_OBJECT

private:
    static void throwDice(ExperimentRecord &record, int large, int small)
    {
        record.storeFace(Die::Large, qint16(large));
        record.storeFace(Die::Small, qint16(small));
        record.CountThrow();
        record.RecordThrow();
    }

private slots:
    // Two stops before the dice's first roll, then 638 rolled throws and a
    // tumble: every number, the whole history and the faces come back, and
    // the window is shown the numbers once.
    void anExperimentComesBackWhole()
    {
        RecordingLabelDisplay shown;
        ExperimentRecord made(shown);
        throwDice(made, 0, 0);
        throwDice(made, 0, 0);
        std::mt19937 faces(640);
        std::uniform_int_distribution<int> face(1, 6);
        for (int n = 0; n < 638; ++n)
            throwDice(made, face(faces), face(faces));
        made.storeFace(Die::Large, 2);

        RecordingLabelDisplay display;
        ExperimentRecord restored(display);
        QVERIFY(KeptExperiment::read(KeptExperiment::write(made), restored));

        QCOMPARE(restored.ThrowCount(), 640);
        QCOMPARE(restored.OddCount(), made.OddCount());
        QCOMPARE(restored.Throws(), made.Throws());
        QCOMPARE(restored.FaceA(), 2);
        QCOMPARE(restored.FaceB(), made.FaceB());
        for (int n = 0; n <= MAX_THROWS; ++n)
            QCOMPARE(restored.RatioHistory(n), made.RatioHistory(n));
        for (int large = 1; large <= 6; ++large) {
            for (int small = 1; small <= 6; ++small)
                QCOMPARE(restored.Tally(large, small), made.Tally(large, small));
        }
        QCOMPARE(display.writes.size(), 39);
        QCOMPARE(display.shown, shown.shown);
        QCOMPARE(KeptExperiment::write(restored), KeptExperiment::write(made));
    }

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

        RecordingLabelDisplay display;
        ExperimentRecord record(display);
        throwDice(record, 5, 5);
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

QTEST_GUILESS_MAIN(KeptExperimentTest)
#include "tst_keptexperiment.moc"
