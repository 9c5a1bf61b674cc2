#include "DrawingSurface.h"
#include "ExperimentRecord.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "RecordingLabelDisplay.h"

#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

// Run with two screens side by side, the right one of twice the pixel
// density, as a laptop beside a sharper monitor: a window dragged across
// draws its next picture in the new screen's pixels.
class ScreenChangeTest : public QObject
{
    Q_OBJECT

private:
    static QScreen *screenOfRatio(qreal ratio)
    {
        for (QScreen *screen : QGuiApplication::screens()) {
            if (screen->devicePixelRatio() == ratio)
                return screen;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(screenOfRatio(1.0));
        QVERIFY(screenOfRatio(2.0));
    }

    void theGraphIsDrawnForTheNewScreen()
    {
        RecordingLabelDisplay labels;
        ExperimentRecord record(labels);
        GraphWindow window(record);
        window.move(screenOfRatio(1.0)->geometry().topLeft() + QPoint(50, 50));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.DrawGraph();
        QCOMPARE(window.surface().image().devicePixelRatio(), 1.0);

        window.move(screenOfRatio(2.0)->geometry().topLeft() + QPoint(50, 50));
        QTRY_COMPARE(window.devicePixelRatio(), 2.0);
        window.DrawGraph();
        const QImage &image = window.surface().image();
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.size(), window.surface().contentsRect().size() * 2);
        // The axis, drawn anew over the enlarged old one: two pixels thick.
        const int middle = image.width() / 2;
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            black += image.pixelColor(middle, y) == Qt::black ? 1 : 0;
        QVERIFY2(black >= 2 && black % 2 == 0, qPrintable(QString::number(black)));

        // Drawn again on a blank surface, as after the page's scale changes:
        // the same picture as one drawn there first, its texts sharp.
        window.redraw();
        GraphWindow reference(record);
        reference.move(window.pos());
        reference.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reference));
        reference.DrawGraph();
        QCOMPARE(window.surface().image(), reference.surface().image());
    }

    void theHelpTextIsPrintedForTheNewScreen()
    {
        HelpWindow window;
        window.move(screenOfRatio(1.0)->geometry().topLeft() + QPoint(50, 50));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showHelpText();

        HelpWindow reference;
        reference.move(screenOfRatio(2.0)->geometry().topLeft() + QPoint(50, 50));
        reference.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reference));
        reference.showHelpText();
        QCOMPARE(reference.surface().image().devicePixelRatio(), 2.0);

        window.move(reference.pos());
        QTRY_COMPARE(window.devicePixelRatio(), 2.0);
        window.showHelpText();
        QCOMPARE(window.surface().image(), reference.surface().image());
    }
};

QTEST_MAIN(ScreenChangeTest)
#include "tst_screenchange.moc"
