// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/settingsuibackgroundthread.h"

#include <QObject>

class QThread;
class QTimer;

// The link to the controller: the worker, the thread it runs on once the link
// has started, and the one shutdown order that keeps hidapi safe. The worker
// exists from construction on, so its signals can be connected before it
// moves to its thread. Destroying the link stops the worker on its own
// thread, ends that thread, deletes the worker and only then calls hid_exit,
// also when the link never started.
class DeviceLink : public QObject
{
    Q_OBJECT

public:
    explicit DeviceLink(QObject *parent = nullptr);
    ~DeviceLink() override;

    SettingsUiBackgroundThread *worker() const { return linkWorker; }
    // True once the worker has a thread of its own.
    bool isStarted() const { return thread != nullptr; }

    // Moves the worker to a thread of its own and starts its poll from this
    // thread's event loop. Does nothing when the link has started already.
    void start();
    // Only moves the worker to a thread of its own: requests queued to it run
    // there, and whoever owns the link starts the poll when needed.
    void startThread();

    // Queues a request to the worker: it runs on the worker's thread, after
    // the caller has returned, in the order requests were made, and never at
    // the same time as the poll tick.
    template <typename... Params, typename... Args>
    void post(void (SettingsUiBackgroundThread::*request)(Params...), Args... args)
    {
        SettingsUiBackgroundThread *target = linkWorker;
        QMetaObject::invokeMethod(
            target, [target, request, args...] { (target->*request)(args...); }, Qt::QueuedConnection);
    }

private:
    SettingsUiBackgroundThread *linkWorker;
    QThread *thread = nullptr;
    QTimer *startTimer = nullptr;
};
