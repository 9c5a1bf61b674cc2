#include "RatioFormat.h"

#include <QTest>

using namespace Qt::StringLiterals;

class RatioFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void readsLikeThePupilWritesIt_data()
    {
        QTest::addColumn<float>("ratio");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero") << 0.0f << u"0.000"_s;
        QTest::newRow("a quarter") << 0.25f << u"0.250"_s;
        QTest::newRow("one third") << float(1.0 / 3.0) << u"0.333"_s;
        QTest::newRow("two thirds") << float(2.0 / 3.0) << u"0.667"_s;
        QTest::newRow("one") << 1.0f << u"1.000"_s;
        QTest::newRow("tie 1/16 rounds up") << 0.0625f << u"0.063"_s;
        QTest::newRow("tie 3/16 rounds up") << 0.1875f << u"0.188"_s;
        QTest::newRow("tie 999/1000-ish stays below") << 0.9995f << u"0.999"_s; // stored just under .9995
        QTest::newRow("just over a half thousandth") << 0.0005f << u"0.001"_s; // stored just over .0005
        QTest::newRow("999 of 1000") << float(999.0 / 1000.0) << u"0.999"_s;
        QTest::newRow("rounds up to one") << float(999.9 / 1000.0) << u"1.000"_s;
    }

    void readsLikeThePupilWritesIt()
    {
        QFETCH(float, ratio);
        QFETCH(QString, text);
        QCOMPARE(formatRatio(ratio), text);
    }
};

QTEST_GUILESS_MAIN(RatioFormatTest)
#include "tst_ratioformat.moc"
