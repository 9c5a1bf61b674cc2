#include "DrawingSurface.h"
#include "ExperimentStatePrinting.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "ProgramBench.h"

#include <QScreen>

using namespace Qt::StringLiterals;

// Run on screens of classroom sizes at several scale factors, each set up
// by the offscreen platform's screen configuration and QT_SCALE_FACTOR:
// every window that fits on the screen at all lies on it, buttons included.
class PlacementTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramBench> bench;
    QRect area;

    // Along each side the frame lies inside the area, or starts where the
    // area starts where the window is larger.
    static void checkSide(int start, int length, int areaStart, int areaLength)
    {
        if (length > areaLength)
            QCOMPARE(start, areaStart);
        else
            QVERIFY(start >= areaStart && start + length <= areaStart + areaLength);
    }

    void checkOnScreen(QWidget &window)
    {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect frame = window.frameGeometry();
        checkSide(frame.x(), frame.width(), area.x(), area.width());
        checkSide(frame.y(), frame.height(), area.y(), area.height());
        if (frame.width() > area.width() || frame.height() > area.height()) {
            qInfo("%s is larger than the screen", qPrintable(window.objectName()));
            return;
        }
        for (const QPushButton *button : window.findChildren<QPushButton *>()) {
            const QRect global(button->mapToGlobal(QPoint()), button->size());
            QVERIFY2(area.contains(global), qPrintable(window.objectName() + u' ' + button->text()));
        }
    }

private slots:
    void initTestCase()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        area = screen->availableGeometry();
        const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
        qInfo("screen %dx%d at scale %g: available area %dx%d in logical pixels", pixels.width(), pixels.height(),
              screen->devicePixelRatio(), area.width(), area.height());
    }

    void init()
    {
        bench = std::make_unique<ProgramBench>();
        bench->program.start();
        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));
    }

    void cleanup() { bench.reset(); }

    void theExperimentWindowIsOnScreen()
    {
        checkOnScreen(bench->form1());
        // Where the screen has room, exactly at its design position.
        const QRect designed(QPoint(257, 124) + area.topLeft(), bench->form1().size());
        const bool fits = area.contains(designed.marginsAdded(bench->form1().windowHandle()->frameMargins()));
        // A 1280 x 1024 screen at scale 1 has room for the design position.
        if (area.size() == QSize(1280, 1024))
            QVERIFY(fits);
        if (fits)
            QCOMPARE(bench->form1().geometry(), designed);
    }

    void theGraphWindowIsOnScreen()
    {
        bench->click(Control::Command6);
        GraphWindow *graph = openWindow<GraphWindow>();
        QVERIFY(graph);
        checkOnScreen(*graph);
    }

    void theHelpWindowIsOnScreenBesideTheExperiment()
    {
        bench->click(Control::Command7);
        HelpWindow *help = openWindow<HelpWindow>();
        QVERIFY(help);
        checkOnScreen(*help);
        const QRect experiment = bench->form1().frameGeometry();
        const int helpWidth = help->frameGeometry().width();
        const bool room = experiment.right() + helpWidth <= area.right() || experiment.left() - helpWidth >= area.left();
        qInfo("help at %d, %d; the experiment window at %d, %d; room beside it: %s", help->x(), help->y(),
              bench->form1().x(), bench->form1().y(), room ? "yes" : "no");
        if (room)
            QVERIFY(!help->frameGeometry().intersects(experiment));
    }

    // A page turned with the help window open after a throw, and the windows
    // left off their places by the change: the refit puts them back by their
    // rules, redraws the help text, and activates nothing, which would show
    // face 1 of both dice.
    void aRefitPlacesTheWindowsAgainAndLeavesTheExperiment()
    {
        bench->click(Control::Command7);
        HelpWindow *help = openWindow<HelpWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        bench->form1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&bench->form1()));
        bench->click(Control::Command8);
        bench->tick(Control::Timer1);
        bench->tick(Control::Timer2);
        bench->click(Control::Command2);
        const QList<int> faces{bench->shownFace(Die::Large), bench->shownFace(Die::Small)};
        QVERIFY(faces != QList<int>({1, 1}));
        const QRect experiment = bench->form1().geometry();
        const QRect placedHelp = help->geometry();
        bench->form1().move(experiment.topLeft() + QPoint(40, 30));
        help->move(placedHelp.topLeft() - QPoint(30, 20));

        bench->program.fitToScreen();
        QCOMPARE(bench->form1().geometry(), experiment);
        QCOMPARE(help->geometry(), placedHelp);
        QCOMPARE(QList<int>({bench->shownFace(Die::Large), bench->shownFace(Die::Small)}), faces);
        QCOMPARE(bench->state(), ExperimentState::Ready);
        HelpWindow reference;
        reference.showHelpText();
        QCOMPARE(help->surface().image(), reference.surface().image());
    }
};

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
