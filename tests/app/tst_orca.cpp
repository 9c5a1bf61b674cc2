#include "ExperimentRecord.h"
#include "GraphWindow.h"
#include "ProgramBench.h"
#include "ResultAnnouncer.h"
#include "SpokenText.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What Orca has said, from its debug log: a line for each utterance, after
// which come the voice if not the default one and the voice's settings.
class OrcaSpeech
{
public:
    explicit OrcaSpeech(QString logPath) : path(std::move(logPath)) {}

    const QStringList &lines()
    {
        static const QRegularExpression utterance(u"^[0-9:.]+ - SPEECH OUTPUT: '(.*)'(?: voice=\\w+)?(\\{.*\\})?\r?$"_s);
        QFile log(path);
        if (!log.open(QIODevice::ReadOnly) || !log.seek(read))
            return said;
        const QByteArray text = log.readAll();
        const qsizetype whole = text.lastIndexOf('\n') + 1;
        read += whole;
        for (const QByteArray &line : text.first(whole).split('\n')) {
            if (!line.contains("SPEECH OUTPUT"))
                continue;
            if (const auto match = utterance.match(QString::fromUtf8(line)); match.hasMatch())
                said.append(match.captured(1));
        }
        return said;
    }

private:
    QString path;
    qint64 read = 0;
    QStringList said;
};

// Orca ends a line that ends in a letter or a digit with a full stop.
QString spoken(const QString &text)
{
    return text.back().isLetterOrNumber() ? text + u'.' : text;
}

QString notification(const QString &sentence)
{
    return spoken(u"notification "_s + sentence);
}

} // namespace

// What a pupil hears through Orca: the window, a throw by hand, an automatic
// run every hundred throws and its stop, the graph, and the window again.
class OrcaTest : public QObject
{
    Q_OBJECT

public:
    OrcaTest(const QString &logPath, const char *skipReason) : speech(logPath), skip(skipReason) {}

private:
    OrcaSpeech speech;
    const char *skip;
    qsizetype heard = 0;
    std::unique_ptr<ProgramBench> bench;

    const ExperimentRecord &record() { return bench->program.experimentRecord(); }

    // Orca asks the program about every event it hears of. The program's
    // event loop answers at once, as in class; QTest::qWait answers only
    // between its sleeps, and Orca falls seconds behind.
    static void listen(int milliseconds)
    {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // Whether Orca says exactly this, after what it was last heard saying.
    bool says(const QString &utterance)
    {
        const QDeadlineTimer deadline(8000);
        qsizetype at = -1;
        while ((at = speech.lines().indexOf(utterance, heard)) < 0 && !deadline.hasExpired())
            listen(50);
        heard = at < 0 ? heard : at + 1;
        return at >= 0;
    }

    QStringList notificationsSince(qsizetype from)
    {
        QStringList found = speech.lines().sliced(from);
        found.removeIf([](const QString &line) { return !line.startsWith(u"notification "_s); });
        return found;
    }

    void throwByHand()
    {
        bench->click(Control::Command8);
        bench->tick(Control::Timer1);
        bench->tick(Control::Timer2);
        bench->click(Control::Command2);
    }

private slots:
    void initTestCase()
    {
        if (skip)
            QSKIP(skip);
        heard = speech.lines().size();
        bench = std::make_unique<ProgramBench>();
    }

    void cleanup()
    {
        for (const QString &line : QTest::currentTestFailed() ? speech.lines() : QStringList())
            qInfo("Orca said: '%s'", qUtf8Printable(line));
    }

    void cleanupTestCase() { bench.reset(); }

    void theWindowIsNamedOnStart()
    {
        bench->start();
        QVERIFY(says(spoken(bench->form1().windowTitle())));
    }

    void aThrowByHandIsHeard()
    {
        throwByHand();
        QVERIFY(says(notification(SpokenText::throwResult(record()))));
    }

    // Nothing between the hundredth throw and the stop: the throws after the
    // hundredth come at a pace Orca keeps up with, as in class, where it
    // would speak a sentence after each.
    void anAutomaticRunIsHeardEveryHundredThrows()
    {
        const qsizetype before = heard;
        bench->click(Control::Command1);
        while (record().ThrowCount() < ResultAnnouncer::ThrowsBetweenProgress)
            QVERIFY(bench->tick(Control::Timer3));
        const QString progress = notification(SpokenText::runProgress(record()));
        QVERIFY(says(progress));
        for (int n = 0; n < 5; ++n) {
            QVERIFY(bench->tick(Control::Timer3));
            listen(100);
        }
        bench->click(Control::Command3);
        const QString stopped = notification(SpokenText::runStopped(record()));
        QVERIFY(says(stopped));
        QCOMPARE(notificationsSince(before), QStringList({progress, stopped}));
    }

    void theGraphIsDescribedAsItOpens()
    {
        bench->click(Control::Command6);
        QVERIFY(says(u"グラフ chart."_s));
        QVERIFY(says(spoken(SpokenText::graphDescription(record()))));
    }

    // The experiment window shown again does not repeat its last sentence:
    // the next throw is the next thing said.
    void escapeClosesTheGraphWithoutARepeat()
    {
        const qsizetype before = heard;
        QVERIFY(openWindow<GraphWindow>());
        QTest::keyClick(openWindow<GraphWindow>(), Qt::Key_Escape);
        QVERIFY(says(spoken(bench->form1().windowTitle())));
        QTRY_VERIFY(!openWindow<GraphWindow>());
        throwByHand();
        const QString thrown = notification(SpokenText::throwResult(record()));
        QVERIFY(says(thrown));
        QCOMPARE(notificationsSince(before), QStringList{thrown});
    }
};

namespace {

// A desktop of the test's own. Its programs end in reverse order, and with
// them what they leave running: speech-dispatcher leaves Orca at once, and
// comes to this process as the nearest ancestor that adopts orphans.
class Session
{
public:
    std::vector<std::unique_ptr<QProcess>> processes;

    QProcess &start(const QString &program, const QStringList &arguments, bool readOutput = false)
    {
        auto &process = *processes.emplace_back(std::make_unique<QProcess>());
        process.setStandardOutputFile(readOutput ? QString() : QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        // Should the test crash, its desktop ends with it.
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process.start(program, arguments);
        return process;
    }

    ~Session()
    {
        for (auto process = processes.rbegin(); process != processes.rend(); ++process) {
            (*process)->terminate();
            if (!(*process)->waitForFinished(5000))
                (*process)->kill();
        }
        processes.clear();
        for (int round = 0; round < 50; ++round) {
            QProcess children;
            children.start(u"pgrep"_s, {u"-P"_s, QString::number(::getpid())});
            children.waitForFinished();
            const QByteArray left = children.readAllStandardOutput().trimmed();
            if (left.isEmpty())
                break;
            for (const QByteArray &pid : left.split('\n'))
                ::kill(pid_t(pid.toInt()), round < 30 ? SIGTERM : SIGKILL);
            QThread::msleep(100);
            while (::waitpid(-1, nullptr, WNOHANG) > 0) {
            }
        }
    }
};

} // namespace

// Nothing of the machine's own: a home, settings and runtime folder of the
// test's own, and neither its desktop nor a running Orca are touched.
int main(int argc, char *argv[])
{
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    for (const char *folder : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        QDir(home.path()).mkdir(QString::fromLatin1(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(folder, home.filePath(QString::fromLatin1(folder)).toUtf8());
    }
    const QString orcaLog = home.filePath(u"orca.log"_s);
    // Another Orca of this user's, maybe the one a developer listens to,
    // would have to end for the test's own to start; one that has ended and
    // waits to be reaped would not.
    const bool orcaRuns = QProcess::execute(u"pgrep"_s, {u"--runstates=R,S,D,T"_s, u"-u"_s, QString::number(::getuid()),
                                                         u"-x"_s, u"orca"_s}) == 0;

    Session session;
    if (!orcaRuns) {
        QProcess &bus = session.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s}, true);
        bus.waitForReadyRead(10000);
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
        // Without a sound server speech-dispatcher's voice blocks, and Orca
        // falls silent after its second line.
        session.start(u"pulseaudio"_s, {u"-n"_s, u"--daemonize=no"_s, u"--exit-idle-time=-1"_s, u"--disallow-exit"_s,
                                        u"-L"_s, u"module-null-sink"_s, u"-L"_s, u"module-native-protocol-unix"_s});
        QProcess &xserver = session.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s,
                                                      u"1280x1024x24"_s, u"-nolisten"_s, u"tcp"_s}, true);
        xserver.waitForReadyRead(10000);
        qputenv("DISPLAY", ":" + xserver.readLine().trimmed());
        session.start(u"openbox"_s, {});
        session.start(u"/usr/libexec/at-spi-bus-launcher"_s, {u"--launch-immediately"_s});
        QProcess::execute(u"gsettings"_s, {u"set"_s, u"org.gnome.desktop.a11y.applications"_s,
                                           u"screen-reader-enabled"_s, u"true"_s});
        // Orca writes its log through Python's buffer, which holds the last
        // lines back until more come; to a terminal it writes each line as
        // it ends, and script copies them to the file at once.
        session.start(u"script"_s, {u"--quiet"_s, u"--flush"_s, u"--command"_s,
                                    u"orca --replace --debug-file=/dev/stdout"_s, orcaLog});
        OrcaSpeech speech(orcaLog);
        const QDeadlineTimer deadline(30000);
        while (!speech.lines().contains(u"Screen reader on."_s) && !deadline.hasExpired())
            QThread::msleep(100);
        if (!speech.lines().contains(u"Screen reader on."_s)) {
            std::fputs("Orca did not start\n", stderr);
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }

    QApplication app(argc, argv);
    OrcaTest test(orcaLog, orcaRuns ? "Another Orca runs, which the test's own would end" : nullptr);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_orca.moc"
