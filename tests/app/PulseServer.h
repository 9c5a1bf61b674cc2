#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A PulseAudio server of the test's own, in a private runtime folder, with a
// null sink whose monitor records what the program plays. The test process
// and the command-line clients reach it through PULSE_SERVER.
class PulseServer
{
public:
    static constexpr int Rate = 11025;

    [[nodiscard]] bool start()
    {
        const QString socket = runtime.filePath(QStringLiteral("native"));
        qputenv("PULSE_SERVER", QByteArrayLiteral("unix:") + socket.toUtf8());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), runtime.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        server.setProcessEnvironment(environment);
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(QStringLiteral("pulseaudio"),
                     {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                      QStringLiteral("--system=false"), QStringLiteral("--use-pid-file=no"), QStringLiteral("-n"),
                      QStringLiteral("--log-level=error"), QStringLiteral("-L"),
                      QStringLiteral("module-null-sink sink_name=nul"), QStringLiteral("-L"),
                      QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                      QStringLiteral("-L"), QStringLiteral("module-always-sink")});
        if (!server.waitForStarted())
            return false;
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (client(QStringLiteral("pactl"), {QStringLiteral("info")}).second == 0)
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    ~PulseServer() { stop(); }

    void stop()
    {
        resume();
        server.kill();
        server.waitForFinished();
    }

    void stall() { ::kill(pid_t(server.processId()), SIGSTOP); }
    void resume() { ::kill(pid_t(server.processId()), SIGCONT); }

    // The streams that play on the server now.
    int playingStreams()
    {
        const auto [out, status] = client(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"),
                                                                     QStringLiteral("sink-inputs")});
        return status == 0 ? int(out.trimmed().isEmpty() ? 0 : out.trimmed().split('\n').size()) : -1;
    }

    // Records the null sink's output as 16-bit mono samples at Rate.
    void startRecording()
    {
        recorder.start(QStringLiteral("parec"),
                       {QStringLiteral("-d"), QStringLiteral("nul.monitor"), QStringLiteral("--format=s16le"),
                        QStringLiteral("--rate=%1").arg(Rate), QStringLiteral("--channels=1"),
                        QStringLiteral("--latency-msec=10"), QStringLiteral("--raw")});
        // The monitor sends silence too: the first bytes say it records.
        recorder.waitForReadyRead(5000);
    }

    QByteArray stopRecording()
    {
        recorder.terminate();
        recorder.waitForFinished();
        return recorder.readAllStandardOutput();
    }

private:
    static std::pair<QByteArray, int> client(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(5000))
            return {{}, -1};
        return {process.readAllStandardOutput(), process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
    }

    QTemporaryDir runtime;
    QProcess server;
    QProcess recorder;
};
