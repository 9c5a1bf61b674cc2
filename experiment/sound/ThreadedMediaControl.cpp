#include "ThreadedMediaControl.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <deque>

using namespace std::chrono;

namespace {

qint64 sinceEpoch(steady_clock::time_point time)
{
    return duration_cast<milliseconds>(time.time_since_epoch()).count();
}

constexpr qint64 Idle = -1;

} // namespace

// What the calling thread shares with one worker thread. Held by both, so
// that a worker given up can finish on its own, or never.
struct ThreadedMediaControl::Worker {
    using Task = std::function<void()>;

    void add(Task task)
    {
        const QMutexLocker lock(&mutex);
        tasks.push_back({std::move(task), sinceEpoch(steady_clock::now())});
    }

    // Runs the waiting tasks in order, one at a time, on the worker thread.
    // The audio system may spin an event loop inside a call; a task that
    // arrives meanwhile waits until the call has returned.
    void runTasks()
    {
        if (running)
            return;
        running = true;
        while (const Task task = next()) {
            task();
            const QMutexLocker lock(&mutex);
            runningSince = Idle;
        }
        running = false;
    }

    // Since when the oldest task not yet done was handed over: a worker
    // held inside the audio system, by a task or by anything else the
    // control does on its own, leaves its tasks waiting.
    qint64 oldestUnfinished()
    {
        const QMutexLocker lock(&mutex);
        if (runningSince != Idle)
            return runningSince;
        return tasks.empty() ? Idle : tasks.front().handedAt;
    }

    std::unique_ptr<MediaControl> control;
    std::atomic<bool> givenUp{false};

private:
    struct Handed {
        Task task;
        qint64 handedAt;
    };

    Task next()
    {
        const QMutexLocker lock(&mutex);
        if (tasks.empty())
            return {};
        Handed first = std::move(tasks.front());
        tasks.pop_front();
        runningSince = first.handedAt;
        return std::move(first.task);
    }

    QMutex mutex;
    std::deque<Handed> tasks;
    qint64 runningSince = Idle;
    bool running = false; // touched by the worker thread only
};

ThreadedMediaControl::ThreadedMediaControl(Factory factory, milliseconds workerPatience)
    : makeControl(std::move(factory))
    , basePatience(workerPatience)
    , patience(workerPatience)
    , latestCue(std::make_shared<std::atomic<quint64>>(0))
{
    startWorker();
}

ThreadedMediaControl::~ThreadedMediaControl()
{
    shutDown(basePatience);
}

void ThreadedMediaControl::startWorker()
{
    worker = std::make_shared<Worker>();
    thread = new QThread;
    thread->setObjectName(QStringLiteral("cues"));
    context = new QObject;
    context->moveToThread(thread);
    QObject::connect(thread, &QThread::finished, context, &QObject::deleteLater);
    thread->start();
    hand([shared = worker, make = makeControl] { shared->control = make(); });
}

void ThreadedMediaControl::hand(std::function<void()> task)
{
    worker->add(std::move(task));
    QMetaObject::invokeMethod(context, [shared = worker] { shared->runTasks(); }, Qt::QueuedConnection);
}

void ThreadedMediaControl::giveUpWorker()
{
    worker->givenUp = true;
    // Should the audio system ever answer, the worker cleans up after itself.
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    hand([shared = worker] {
        shared->control.reset();
        QThread::currentThread()->quit();
    });
    givenUp.append(thread);
    thread = nullptr;
    context = nullptr;
    worker.reset();
}

void ThreadedMediaControl::stop()
{
    cueRequestedAt = steady_clock::now();
    latestCue->store(++cuesRequested);
    givenUp.removeAll(nullptr);
    if (!thread)
        startWorker();
    const qint64 waitingSince = worker->oldestUnfinished();
    if (waitingSince == Idle) {
        patience = basePatience;
    } else if (sinceEpoch(cueRequestedAt) - waitingSince > patience.count()) {
        giveUpWorker();
        startWorker();
        patience = std::min(2 * patience, std::max(MaxPatience, basePatience));
    }
    post(Step::Prepare, [](MediaControl &control) { control.stop(); });
}

void ThreadedMediaControl::close()
{
    post(Step::Prepare, [](MediaControl &control) { control.close(); });
}

void ThreadedMediaControl::setFileName(const QString &fileName)
{
    post(Step::Prepare, [fileName](MediaControl &control) { control.setFileName(fileName); });
}

void ThreadedMediaControl::open()
{
    post(Step::Sound, [](MediaControl &control) { control.open(); });
}

void ThreadedMediaControl::sound()
{
    post(Step::Sound, [](MediaControl &control) { control.sound(); });
}

void ThreadedMediaControl::post(Step step, Command command)
{
    if (!thread)
        startWorker();
    const quint64 cue = cuesRequested;
    const auto deadline = cueRequestedAt + basePatience;
    hand([shared = worker, latest = latestCue, cue, deadline, step, command = std::move(command)] {
        const auto unwanted = [&] {
            return shared->givenUp || latest->load() != cue || (step == Step::Sound && steady_clock::now() > deadline);
        };
        if (!shared->control || unwanted())
            return;
        command(*shared->control);
        // The audio system may have held the call up until the cue was no
        // longer wanted: silence it rather than let it sound late.
        if (step == Step::Sound && unwanted()) {
            shared->control->stop();
            shared->control->close();
        }
    });
}

bool ThreadedMediaControl::shutDown(milliseconds timeout)
{
    const QDeadlineTimer deadline(timeout);
    if (thread)
        giveUpWorker();
    bool allEnded = true;
    for (const QPointer<QThread> &left : std::as_const(givenUp)) {
        if (!left)
            continue;
        if (left->wait(deadline))
            delete left.data();
        else
            allEnded = false;
    }
    givenUp.removeAll(nullptr);
    return allEnded;
}
