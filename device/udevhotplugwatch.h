// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/hotplugwatch.h"

struct udev;
struct udev_device;
struct udev_monitor;
class QSocketNotifier;

// Hotplug events from udev: a monitor on the "udev" source (events arrive
// once the rules, and with them the node's permissions, have been applied),
// filtered to the hidraw subsystem, read through a socket notifier on the
// thread the watch lives on. When udev cannot be reached the watch stays
// silent and the device link relies on its periodic enumeration alone.
class UdevHotplugWatch : public HotplugWatch
{
    Q_OBJECT

public:
    explicit UdevHotplugWatch(QObject *parent);
    ~UdevHotplugWatch() override;

    bool isWatching() const { return notifier != nullptr; }

private:
    bool openMonitor();
    void rememberPresentControllerNodes();
    void receiveEvent();
    static HotplugEvent describe(udev_device *device);

    udev *context = nullptr;
    udev_monitor *monitor = nullptr;
    QSocketNotifier *notifier = nullptr;
};
