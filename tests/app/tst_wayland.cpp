#include "GraphWindow.h"
#include "HelpWindow.h"
#include "ProgramBench.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Every warning printed while the program runs.
QStringList warnings;
QtMessageHandler standardHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings.append(message);
    standardHandler(type, context, message);
}

} // namespace

// The program on Wayland, as Debian's GNOME session gives it once Qt's
// Wayland plugin is installed: windows come and go through their buttons,
// and the compositor's activations find the experiment window ready.
class WaylandTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramBench> bench;

    // Activation comes from the compositor; Qt cannot ask for it here.
    static void expectActive(QWidget *window) { QTRY_VERIFY(window->isActiveWindow()); }

    void expectExperimentWindowReady()
    {
        expectActive(&bench->form1());
        QTRY_COMPARE(bench->shownFace(Die::Large), 1);
        QCOMPARE(bench->shownFace(Die::Small), 1);
        QVERIFY(bench->button(Control::Command6)->isEnabled());
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), u"wayland"_s);
        // After the test library's own handler, so that it still prints.
        standardHandler = qInstallMessageHandler(collectWarnings);
    }

    void theThreeWindowsOpenAndCloseThroughTheirButtons()
    {
        bench = std::make_unique<ProgramBench>();
        bench->program.start();
        expectActive(&bench->form1());

        // A throw, so that the faces on display are not the ones that
        // activation shows.
        bench->click(Control::Command1);
        for (int n = 0; n < 20; ++n)
            bench->tick(Control::Timer3);
        bench->click(Control::Command3);
        QVERIFY(bench->shownFace(Die::Large) != 1 || bench->shownFace(Die::Small) != 1);

        bench->click(Control::Command6);
        auto *graph = openWindow<GraphWindow>();
        QVERIFY(graph);
        expectActive(graph);
        QTRY_VERIFY(!bench->form1().isVisible());
        clickChild(graph, u"Command1"_s);
        expectExperimentWindowReady();
        QTRY_VERIFY(!openWindow<GraphWindow>());

        bench->click(Control::Command1);
        bench->tick(Control::Timer3);
        bench->click(Control::Command3);
        bench->click(Control::Command7);
        auto *help = openWindow<HelpWindow>();
        QVERIFY(help);
        expectActive(help);
        clickChild(help, u"Command1"_s);
        QTRY_VERIFY(!help->isVisible());
        expectExperimentWindowReady();

        bench.reset();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
    }
};

// A compositor of the test's own, in a private runtime folder. It runs in a
// virtual X screen, whose keyboard and pointer give it a seat: without one a
// compositor activates no window at all.
int main(int argc, char *argv[])
{
    QTemporaryDir runtime;
    QProcess xserver;
    xserver.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x1024x24"_s, u"-nolisten"_s, u"tcp"_s});
    if (!xserver.waitForReadyRead(10000)) {
        std::fputs("Xvfb did not start\n", stderr);
        return 1;
    }
    const QString display = u":"_s + QString::fromUtf8(xserver.readLine().trimmed());

    QProcess weston;
    weston.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    environment.insert(u"DISPLAY"_s, display);
    weston.setProcessEnvironment(environment);
    weston.setStandardOutputFile(QProcess::nullDevice());
    weston.start(u"weston"_s, {u"--backend=x11-backend.so"_s, u"--use-pixman"_s, u"--width=1280"_s,
                               u"--height=1024"_s, u"--socket=wayland-test"_s, u"--idle-time=0"_s,
                               u"--log=/dev/null"_s});
    const QString socket = runtime.filePath(u"wayland-test"_s);
    for (int attempt = 0; attempt < 200 && !QFileInfo::exists(socket); ++attempt)
        QThread::msleep(50);
    if (!QFileInfo::exists(socket)) {
        std::fputs("weston did not start\n", stderr);
        return 1;
    }
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    qputenv("WAYLAND_DISPLAY", "wayland-test");
    qputenv("QT_QPA_PLATFORM", "wayland");

    int failures = 0;
    {
        QApplication app(argc, argv);
        WaylandTest test;
        failures = QTest::qExec(&test, argc, argv);
    }
    weston.terminate();
    weston.waitForFinished();
    xserver.terminate();
    xserver.waitForFinished();
    return failures;
}

#include "tst_wayland.moc"
