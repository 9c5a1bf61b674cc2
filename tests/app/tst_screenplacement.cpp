#include "ScreenPlacement.h"

#include <QTest>

#include <optional>

using ScreenPlacement::Screen;

// The frames of openbox, the window manager the program is tried under: a
// 20-pixel title bar and one-pixel borders, in logical pixels at each scale.
namespace {

const QMargins OpenboxAt1(1, 20, 1, 1);
const QMargins OpenboxAt1_5(1, 13, 1, 1);
const QMargins OpenboxAt2(1, 10, 1, 1);

const QSize ExperimentClient(521, 480);
const QSize GraphClient(650, 378);
const QSize HelpClient(570, 445);

} // namespace

class ScreenPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void atDesignPosition_data()
    {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("designClient");
        QTest::addColumn<QPoint>("client");

        const QRect experiment(QPoint(257, 124), ExperimentClient);
        QTest::newRow("1280x1024 at 1: the design position")
            << Screen{QRect(0, 0, 1280, 1024)} << OpenboxAt1 << experiment << QPoint(257, 124);
        QTest::newRow("1024x768 at 1: the design position")
            << Screen{QRect(0, 0, 1024, 768)} << OpenboxAt1 << experiment << QPoint(257, 124);
        QTest::newRow("1024x768 at 1.5: up and left just enough")
            << Screen{QRect(0, 0, 683, 512), {}, 1.5} << OpenboxAt1_5 << experiment << QPoint(160, 30);
        QTest::newRow("1366x768 at 1.5: only up")
            << Screen{QRect(0, 0, 911, 512), {}, 1.5} << OpenboxAt1_5 << experiment << QPoint(257, 30);
        QTest::newRow("1024x768 at 2: larger, so the frame at the corner")
            << Screen{QRect(0, 0, 512, 384), {}, 2} << OpenboxAt2 << experiment << QPoint(1, 10);
        // 683 logical pixels may stand for 1365 device pixels, the border for 2.
        QTest::newRow("1366x768 at 2: fits across, not down")
            << Screen{QRect(0, 0, 683, 384), {}, 2} << OpenboxAt2 << experiment << QPoint(160, 10);
        QTest::newRow("a panel along the top")
            << Screen{QRect(0, 30, 1024, 738)} << OpenboxAt1 << QRect(QPoint(257, 20), ExperimentClient)
            << QPoint(257, 50);
        QTest::newRow("a second screen to the right")
            << Screen{QRect(1920, 0, 1024, 768), {1920, 0}} << OpenboxAt1 << QRect(QPoint(1920 + 257, 124), ExperimentClient)
            << QPoint(1920 + 257, 124);
        QTest::newRow("exactly as large as the area")
            << Screen{QRect(0, 0, 523, 501)} << OpenboxAt1 << experiment << QPoint(1, 20);
        QTest::newRow("off the left and top edges")
            << Screen{QRect(0, 0, 1024, 768)} << OpenboxAt1 << QRect(QPoint(-40, -5), ExperimentClient) << QPoint(1, 20);
    }

    void atDesignPosition()
    {
        QFETCH(Screen, screen);
        QFETCH(QMargins, frame);
        QFETCH(QRect, designClient);
        QFETCH(QPoint, client);
        const QRect placed = ScreenPlacement::atDesignPosition(designClient, frame, screen);
        QCOMPARE(placed, QRect(client, designClient.size()));
        const QRect withFrame = placed.marginsAdded(frame);
        if (withFrame.width() <= screen.area.width() && withFrame.height() <= screen.area.height())
            QVERIFY(screen.area.contains(withFrame));
    }

    void beside_data()
    {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("neighbourFrame");
        QTest::addColumn<std::optional<QPoint>>("client");

        const QRect experimentFrame = QRect(QPoint(257, 124), ExperimentClient).marginsAdded(OpenboxAt1);
        QTest::newRow("1366x768 at 1: room on the right")
            << Screen{QRect(0, 0, 1366, 768)} << OpenboxAt1 << experimentFrame << std::optional(QPoint(780, 124));
        QTest::newRow("1024x768 at 1: no room on either side")
            << Screen{QRect(0, 0, 1024, 768)} << OpenboxAt1 << experimentFrame << std::optional<QPoint>();
        QTest::newRow("1280x1024 at 1: no room on either side")
            << Screen{QRect(0, 0, 1280, 1024)} << OpenboxAt1 << experimentFrame << std::optional<QPoint>();
        QTest::newRow("moved to the right: room on the left")
            << Screen{QRect(0, 0, 1366, 768)} << OpenboxAt1 << experimentFrame.translated(500, 0)
            << std::optional(QPoint(756 - 572 + 1, 124));
        QTest::newRow("2560x1440 at 1.5: on the right, raised to stay on screen")
            << Screen{QRect(0, 0, 1707, 960), {}, 1.5} << OpenboxAt1_5
            << QRect(QPoint(257, 600), ExperimentClient).marginsAdded(OpenboxAt1_5)
            << std::optional(QPoint(780, 960 - 2 - 445));
        QTest::newRow("exactly the room on the right")
            << Screen{QRect(0, 0, 523 + 572, 768)} << OpenboxAt1 << QRect(0, 0, 523, 501) << std::optional(QPoint(524, 20));
        QTest::newRow("one pixel short on the right")
            << Screen{QRect(0, 0, 523 + 571, 768)} << OpenboxAt1 << QRect(0, 0, 523, 501) << std::optional<QPoint>();
    }

    void beside()
    {
        QFETCH(Screen, screen);
        QFETCH(QMargins, frame);
        QFETCH(QRect, neighbourFrame);
        QFETCH(std::optional<QPoint>, client);
        const std::optional<QRect> placed = ScreenPlacement::beside(HelpClient, frame, neighbourFrame, screen);
        QCOMPARE(placed.has_value(), client.has_value());
        if (!placed)
            return;
        QCOMPARE(placed->topLeft(), *client);
        QCOMPARE(placed->size(), HelpClient);
        QVERIFY(screen.area.contains(placed->marginsAdded(frame)));
        QVERIFY(!placed->marginsAdded(frame).intersects(neighbourFrame));
    }

    // From a 1024 x 768 screen and openbox's frame as they are in device
    // pixels, through the toolkit's rounding to logical pixels and back: the
    // whole frame of each window lies on the screen's device pixels.
    void onTheDevicePixels_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QRect>("designClient");
        QTest::addColumn<QPoint>("client");

        const QRect experiment(QPoint(257, 124), ExperimentClient);
        const QRect graph(QPoint(211, 113), GraphClient);
        const QRect help(QPoint(232, 149), HelpClient);
        QTest::newRow("1.25: the experiment at its design position") << 1.25 << experiment << QPoint(257, 124);
        QTest::newRow("1.25: the graph to the left") << 1.25 << graph << QPoint(168, 113);
        QTest::newRow("1.25: the help at its design position") << 1.25 << help << QPoint(232, 149);
        QTest::newRow("1.5: the experiment up and left") << 1.5 << experiment << QPoint(160, 30);
        QTest::newRow("1.5: the graph to the left") << 1.5 << graph << QPoint(31, 113);
        QTest::newRow("1.5: the help up and left") << 1.5 << help << QPoint(111, 65);
    }

    void onTheDevicePixels()
    {
        QFETCH(qreal, scale);
        QFETCH(QRect, designClient);
        QFETCH(QPoint, client);
        // The toolkit's rounding, from device pixels and back.
        const QRect screenPixels(0, 0, 1024, 768);
        const Screen screen{QRect(QPoint(), screenPixels.size() / scale), {}, scale};
        const QRect placed = ScreenPlacement::atDesignPosition(designClient, OpenboxAt1 / scale, screen);
        QCOMPARE(placed, QRect(client, designClient.size()));
        const QRect framePixels = QRect(placed.topLeft() * scale, placed.size() * scale).marginsAdded(OpenboxAt1);
        QVERIFY2(screenPixels.contains(framePixels), qPrintable(QDebug::toString(framePixels)));
    }
};

QTEST_GUILESS_MAIN(ScreenPlacementTest)
#include "tst_screenplacement.moc"
