#pragma once

#include "MediaControl.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <QStringList>

#include <atomic>
#include <memory>

// What every control made by one factory wrote down, shared across threads.
struct MediaLog {
    void add(int control, const QString &entry)
    {
        const QMutexLocker lock(&mutex);
        entries.append(QStringLiteral("%1:%2").arg(control).arg(entry));
    }
    QStringList all()
    {
        const QMutexLocker lock(&mutex);
        return entries;
    }

    QMutex mutex;
    QStringList entries;
    // Each sound waits for one release while `blockSounds` holds; a stalled
    // audio server in miniature.
    QSemaphore soundReleases;
    std::atomic<bool> blockSounds = false;
};

// Writes down its commands, numbered by the control that received them, and
// can be made to hang in sound().
class BlockingMediaControl final : public MediaControl
{
public:
    BlockingMediaControl(std::shared_ptr<MediaLog> sharedLog, int controlNumber)
        : log(std::move(sharedLog))
        , number(controlNumber)
    {
        log->add(number, QStringLiteral("made"));
    }
    ~BlockingMediaControl() override { log->add(number, QStringLiteral("destroyed")); }

    void stop() override { log->add(number, QStringLiteral("Stop")); }
    void close() override { log->add(number, QStringLiteral("Close")); }
    void setFileName(const QString &fileName) override { log->add(number, QStringLiteral("FileName=") + fileName); }
    void open() override { log->add(number, QStringLiteral("Open")); }
    // Like a real audio system, it keeps the thread's events going while
    // it waits.
    void sound() override
    {
        if (log->blockSounds) {
            while (!log->soundReleases.tryAcquire(1, 5))
                QCoreApplication::processEvents();
        }
        log->add(number, QStringLiteral("Sound"));
    }

private:
    std::shared_ptr<MediaLog> log;
    int number;
};
