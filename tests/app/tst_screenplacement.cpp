#include "ScreenPlacement.h"

#include <QTest>

#include <optional>

// The frames of openbox, the window manager the program is tried under: a
// 20-pixel title bar and one-pixel borders, in logical pixels at each scale.
namespace {

const QMargins OpenboxAt1(1, 20, 1, 1);
const QMargins OpenboxAt1_5(1, 13, 1, 1);
const QMargins OpenboxAt2(1, 10, 1, 1);

const QSize ExperimentClient(521, 480);
const QSize HelpClient(570, 445);

} // namespace

class ScreenPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void atDesignPosition_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("designClient");
        QTest::addColumn<QPoint>("client");

        const QRect experiment(QPoint(257, 124), ExperimentClient);
        QTest::newRow("1280x1024 at 1: the design position")
            << QRect(0, 0, 1280, 1024) << OpenboxAt1 << experiment << QPoint(257, 124);
        QTest::newRow("1024x768 at 1: the design position")
            << QRect(0, 0, 1024, 768) << OpenboxAt1 << experiment << QPoint(257, 124);
        QTest::newRow("1024x768 at 1.5: up and left just enough")
            << QRect(0, 0, 683, 512) << OpenboxAt1_5 << experiment << QPoint(161, 31);
        QTest::newRow("1366x768 at 1.5: only up")
            << QRect(0, 0, 911, 512) << OpenboxAt1_5 << experiment << QPoint(257, 31);
        QTest::newRow("1024x768 at 2: larger, so the frame at the corner")
            << QRect(0, 0, 512, 384) << OpenboxAt2 << experiment << QPoint(1, 10);
        QTest::newRow("1366x768 at 2: fits across, not down")
            << QRect(0, 0, 683, 384) << OpenboxAt2 << experiment << QPoint(161, 10);
        QTest::newRow("a panel along the top")
            << QRect(0, 30, 1024, 738) << OpenboxAt1 << QRect(QPoint(257, 20), ExperimentClient)
            << QPoint(257, 50);
        QTest::newRow("a second screen to the right")
            << QRect(1920, 0, 1024, 768) << OpenboxAt1 << QRect(QPoint(1920 + 257, 124), ExperimentClient)
            << QPoint(1920 + 257, 124);
        QTest::newRow("exactly as large as the area")
            << QRect(0, 0, 523, 501) << OpenboxAt1 << experiment << QPoint(1, 20);
        QTest::newRow("off the left and top edges")
            << QRect(0, 0, 1024, 768) << OpenboxAt1 << QRect(QPoint(-40, -5), ExperimentClient) << QPoint(1, 20);
    }

    void atDesignPosition()
    {
        QFETCH(QRect, area);
        QFETCH(QMargins, frame);
        QFETCH(QRect, designClient);
        QFETCH(QPoint, client);
        const QRect placed = ScreenPlacement::atDesignPosition(designClient, frame, area);
        QCOMPARE(placed, QRect(client, designClient.size()));
        const QRect withFrame = placed.marginsAdded(frame);
        if (withFrame.width() <= area.width() && withFrame.height() <= area.height())
            QVERIFY(area.contains(withFrame));
    }

    void beside_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("neighbourFrame");
        QTest::addColumn<std::optional<QPoint>>("client");

        const QRect experimentFrame = QRect(QPoint(257, 124), ExperimentClient).marginsAdded(OpenboxAt1);
        QTest::newRow("1366x768 at 1: room on the right")
            << QRect(0, 0, 1366, 768) << OpenboxAt1 << experimentFrame << std::optional(QPoint(780, 124));
        QTest::newRow("1024x768 at 1: no room on either side")
            << QRect(0, 0, 1024, 768) << OpenboxAt1 << experimentFrame << std::optional<QPoint>();
        QTest::newRow("1280x1024 at 1: no room on either side")
            << QRect(0, 0, 1280, 1024) << OpenboxAt1 << experimentFrame << std::optional<QPoint>();
        QTest::newRow("moved to the right: room on the left")
            << QRect(0, 0, 1366, 768) << OpenboxAt1 << experimentFrame.translated(500, 0)
            << std::optional(QPoint(756 - 572 + 1, 124));
        QTest::newRow("2560x1440 at 1.5: on the right, raised to stay on screen")
            << QRect(0, 0, 1707, 960) << OpenboxAt1_5
            << QRect(QPoint(257, 600), ExperimentClient).marginsAdded(OpenboxAt1_5)
            << std::optional(QPoint(780, 960 - 1 - 445));
        QTest::newRow("exactly the room on the right")
            << QRect(0, 0, 523 + 572, 768) << OpenboxAt1 << QRect(0, 0, 523, 501) << std::optional(QPoint(524, 20));
        QTest::newRow("one pixel short on the right")
            << QRect(0, 0, 523 + 571, 768) << OpenboxAt1 << QRect(0, 0, 523, 501) << std::optional<QPoint>();
    }

    void beside()
    {
        QFETCH(QRect, area);
        QFETCH(QMargins, frame);
        QFETCH(QRect, neighbourFrame);
        QFETCH(std::optional<QPoint>, client);
        const std::optional<QRect> placed = ScreenPlacement::beside(HelpClient, frame, neighbourFrame, area);
        QCOMPARE(placed.has_value(), client.has_value());
        if (!placed)
            return;
        QCOMPARE(placed->topLeft(), *client);
        QCOMPARE(placed->size(), HelpClient);
        QVERIFY(area.contains(placed->marginsAdded(frame)));
        QVERIFY(!placed->marginsAdded(frame).intersects(neighbourFrame));
    }
};

QTEST_GUILESS_MAIN(ScreenPlacementTest)
#include "tst_screenplacement.moc"
