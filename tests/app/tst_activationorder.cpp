#include "ExperimentState.h"
#include "ExperimentStatePrinting.h"
#include "HelpWindow.h"
#include "LabelNames.h"
#include "ProgramBench.h"

#include <QApplication>
#include <QPointingDevice>

using namespace Qt::StringLiterals;

namespace {

// How a press reaches a window that is not yet the active one.
enum class Delivery {
    ActivationFirst, // X11: the window manager activates on the press
    ClickFirst,      // Wayland: a quick click, then the compositor's word
    TouchFirst,      // Wayland: a tap of a finger, then the compositor's word
};

// Where the press lands, in the program as a case leaves it.
using Target = std::function<QWidget *(ProgramBench &)>;
using Preparation = std::function<void(ProgramBench &)>;

void activate(QWidget *window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

HelpWindow *help()
{
    return openWindow<HelpWindow>();
}

void start(ProgramBench &bench)
{
    bench.program.start();
    QVERIFY(QTest::qWaitForWindowActive(&bench.form1()));
}

void openHelp(ProgramBench &bench)
{
    bench.click(Control::Command7);
    // A touch lands in the topmost window at its point: keep them apart.
    help()->move(bench.form1().frameGeometry().topRight() + QPoint(20, 0));
    activate(help());
}

void startWithHelpOpen(ProgramBench &bench)
{
    start(bench);
    openHelp(bench);
}

// A throw recorded, so that the faces on display are those of a throw and
// not the ones an activation shows. The seed gives a pair other than 1 and 1.
void throwOnce(ProgramBench &bench)
{
    bench.click(Control::Command8);
    bench.tick(Control::Timer1);
    bench.tick(Control::Timer2);
    bench.click(Control::Command2);
    const ExperimentRecord &record = bench.program.experimentRecord();
    QVERIFY(record.FaceA() != 1 || record.FaceB() != 1);
}

// Everything the pupil can see of the experiment, and the record under it.
QString outcome(ProgramBench &bench)
{
    const ExperimentRecord &record = bench.program.experimentRecord();
    const std::unique_ptr<char[]> state(QTest::toString(bench.state()));
    QString tally;
    for (int a = 1; a <= 6; ++a) {
        for (int b = 1; b <= 6; ++b)
            tally += bench.text(LabelNames::tallyCell(a, b)) + u' ';
    }
    return u"state %1, faces %2/%3, record %4 throws %5/%6, labels %7 %8 %9, tally %10, help %11"_s
        .arg(QString::fromLatin1(state.get()))
        .arg(bench.shownFace(Die::Large))
        .arg(bench.shownFace(Die::Small))
        .arg(record.ThrowCount())
        .arg(record.FaceA())
        .arg(record.FaceB())
        .arg(bench.text(LabelNames::ThrowCount), bench.text(LabelNames::OddCount), bench.text(LabelNames::Ratio),
             tally, help() ? u"open"_s : u"closed"_s);
}

void press(QWidget *target, Delivery delivery)
{
    if (delivery == Delivery::TouchFirst) {
        static QPointingDevice *finger = QTest::createTouchDevice();
        const QPoint centre = target->rect().center();
        QTest::touchEvent(target, finger).press(0, centre, target);
        QTest::touchEvent(target, finger).release(0, centre, target);
    } else {
        QTest::mouseClick(target, Qt::LeftButton);
    }
}

void deliver(QWidget *target, Delivery delivery)
{
    QWidget *window = target->window();
    if (delivery == Delivery::ActivationFirst)
        activate(window);
    press(target, delivery);
    // The platform's late word, where the window is still there to take it.
    if (delivery != Delivery::ActivationFirst && window->isVisible())
        activate(window);
    // Whatever the press showed becomes active.
    QCoreApplication::processEvents();
}

} // namespace

Q_DECLARE_METATYPE(Preparation)
Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(Delivery)

// A quick press in a window that is not yet the active one ends exactly as
// when the activation comes first, whichever way the platform reports it.
class ActivationOrderTest : public QObject
{
    Q_OBJECT

private slots:
    void aPressBeforeItsActivationEndsAsAfterIt_data()
    {
        QTest::addColumn<Preparation>("prepare");
        QTest::addColumn<Target>("target");
        QTest::addColumn<bool>("facesOfTheLastThrow");
        QTest::addColumn<ExperimentState>("endState");

        const Preparation tumblingBesideHelp = [](ProgramBench &bench) {
            startWithHelpOpen(bench);
            activate(&bench.form1());
            bench.click(Control::Command8);
            bench.tick(Control::Timer1);
            bench.tick(Control::Timer2);
            activate(help());
        };
        const Preparation runningBesideHelp = [](ProgramBench &bench) {
            startWithHelpOpen(bench);
            activate(&bench.form1());
            bench.click(Control::Command1);
            for (int n = 0; n < 5; ++n)
                bench.tick(Control::Timer3);
            activate(help());
        };
        const Preparation thrownWithHelpBehind = [](ProgramBench &bench) {
            startWithHelpOpen(bench);
            activate(&bench.form1());
            throwOnce(bench);
        };
        const Preparation thrownThenHelp = [](ProgramBench &bench) {
            start(bench);
            throwOnce(bench);
            openHelp(bench);
        };
        const auto control = [](Control which) { return Target([which](ProgramBench &bench) { return bench.button(which); }); };

        const std::pair<const char *, Delivery> deliveries[] = {
            {"click", Delivery::ClickFirst}, {"touch", Delivery::TouchFirst}};
        for (const auto &[how, delivery] : deliveries) {
            QTest::addRow("stop dice while help is active, %s", how)
                << tumblingBesideHelp << control(Control::Command2) << true << ExperimentState::Ready;
            QTest::addRow("stop auto while help is active, %s", how)
                << runningBesideHelp << control(Control::Command3) << true << ExperimentState::Ready;
            QTest::addRow("help's close button, %s", how)
                << thrownWithHelpBehind
                << Target([](ProgramBench &) { return help()->findChild<QPushButton *>(u"Command1"_s); }) << false
                << ExperimentState::Ready;
            QTest::addRow("switch back in Ready, %s", how)
                << thrownThenHelp << Target([](ProgramBench &bench) {
                       return bench.form1().findChild<QWidget *>(LabelNames::ThrowCount);
                   }) << false << ExperimentState::Ready;
        }
    }

    void aPressBeforeItsActivationEndsAsAfterIt()
    {
        QFETCH(Preparation, prepare);
        QFETCH(Target, target);
        QFETCH(bool, facesOfTheLastThrow);
        QFETCH(ExperimentState, endState);
        const QString row = QString::fromLatin1(QTest::currentDataTag());
        const Delivery delivery = row.endsWith(u"touch"_s) ? Delivery::TouchFirst : Delivery::ClickFirst;

        QString expected;
        {
            ProgramBench reference;
            prepare(reference);
            deliver(target(reference), Delivery::ActivationFirst);
            expected = outcome(reference);

            const ExperimentRecord &record = reference.program.experimentRecord();
            QCOMPARE(reference.state(), endState);
            QCOMPARE(reference.shownFace(Die::Large), facesOfTheLastThrow ? record.FaceA() : 1);
            QCOMPARE(reference.shownFace(Die::Small), facesOfTheLastThrow ? record.FaceB() : 1);
        }
        QTRY_VERIFY(!help());

        ProgramBench bench;
        prepare(bench);
        deliver(target(bench), delivery);
        QCOMPARE(outcome(bench), expected);
    }
};

QTEST_MAIN(ActivationOrderTest)
#include "tst_activationorder.moc"
