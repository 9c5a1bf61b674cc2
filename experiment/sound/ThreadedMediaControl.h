#pragma once

#include "CueOutput.h"
#include "MediaControl.h"

#include <QList>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

class QObject;
class QThread;

// Runs a media control on a thread of its own, so that an audio server that
// stalls never holds up the window: every command is handed to that thread
// and returns at once, and the commands keep their order. A stop begins a
// new cue; the commands of a cue that a newer one has overtaken are dropped,
// and so is the sound of a cue that could not start within the patience,
// rather than sounding long after its button; a cue that the audio system
// starts only after that is silenced again at once. A thread that has left
// a command undone for longer than the patience is given up, and the next
// cue starts a fresh one: a server that comes back after a long stall may
// never answer the old.
// While the server stays away, each fresh thread is given twice the patience
// of the one before, up to MaxPatience, so a long stall leaves few threads
// behind; MaxPatience stays below the half minute after which a server that
// comes back no longer answers a call it left waiting.
class ThreadedMediaControl final : public MediaControl
{
public:
    using Factory = std::function<std::unique_ptr<MediaControl>()>;
    static constexpr std::chrono::milliseconds DefaultPatience = CueStartPatience;
    static constexpr std::chrono::milliseconds MaxPatience{16000};

    // The control is made, used and destroyed on the worker thread.
    explicit ThreadedMediaControl(Factory makeControl, std::chrono::milliseconds patience = DefaultPatience);
    ~ThreadedMediaControl() override;

    void stop() override;
    void close() override;
    void setFileName(const QString &fileName) override;
    void open() override;
    void sound() override;

    // Releases the device and ends every worker thread. False when one of
    // them is still held inside the audio system after the timeout; it is
    // left behind, and the process cannot wait for it to end.
    bool shutDown(std::chrono::milliseconds timeout);

private:
    struct Worker;
    using Command = std::function<void(MediaControl &)>;
    enum class Step { Prepare, Sound };

    void startWorker();
    void giveUpWorker();
    void hand(std::function<void()> task);
    void post(Step step, Command command);

    const Factory makeControl;
    const std::chrono::milliseconds basePatience;
    std::chrono::milliseconds patience;
    std::shared_ptr<std::atomic<quint64>> latestCue;
    quint64 cuesRequested = 0;
    std::chrono::steady_clock::time_point cueRequestedAt;
    std::shared_ptr<Worker> worker;
    QThread *thread = nullptr;
    QObject *context = nullptr;
    QList<QPointer<QThread>> givenUp;
};
