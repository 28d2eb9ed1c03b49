// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/devicelink.h"

#include "device/settingsuibackgroundthread.h"

#include <hidapi.h>

#include <QThread>
#include <QTimer>

DeviceLink::DeviceLink(QObject *parent)
    : QObject(parent)
    , linkWorker(new SettingsUiBackgroundThread())
{
}

DeviceLink::~DeviceLink()
{
    delete startTimer;
    if (thread) {
        // The worker closes the controller on its own thread, where every
        // other hidapi call on it happened.
        QMetaObject::invokeMethod(linkWorker, &SettingsUiBackgroundThread::stop, Qt::BlockingQueuedConnection);
        thread->quit();
        thread->wait();
    } else {
        linkWorker->stop();
    }
    delete linkWorker;
    delete thread;
    // Only now can no hidapi call be under way or start.
    hid_exit();
}

void DeviceLink::start()
{
    if (thread)
        return;
    // The timer stays on this thread; its timeout reaches the worker as a
    // queued call once the worker has moved.
    startTimer = new QTimer();
    connect(startTimer, &QTimer::timeout, linkWorker, &SettingsUiBackgroundThread::start);
    startTimer->setSingleShot(true);
    startTimer->start(0);
    startThread();
}

void DeviceLink::startThread()
{
    if (thread)
        return;
    thread = new QThread();
    thread->start(QThread::InheritPriority);
    linkWorker->moveToThread(thread);
}
