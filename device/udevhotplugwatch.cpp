// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/udevhotplugwatch.h"

#include <libudev.h>

#include <QSocketNotifier>

namespace {

QByteArray text(const char *value)
{
    return value ? QByteArray(value) : QByteArray();
}

} // namespace

UdevHotplugWatch::UdevHotplugWatch(QObject *parent)
    : HotplugWatch(parent)
{
    if (!openMonitor())
        return;
    rememberPresentControllerNodes();
    notifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &UdevHotplugWatch::receiveEvent);
}

UdevHotplugWatch::~UdevHotplugWatch()
{
    delete notifier;
    udev_monitor_unref(monitor);
    udev_unref(context);
}

bool UdevHotplugWatch::openMonitor()
{
    context = udev_new();
    if (!context)
        return false;
    monitor = udev_monitor_new_from_netlink(context, "udev");
    if (monitor && udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) >= 0
        && udev_monitor_enable_receiving(monitor) >= 0 && udev_monitor_get_fd(monitor) >= 0)
        return true;
    // No udev here (a container, a system without udevd): periodic
    // enumeration alone finds the controller, as it always could.
    monitor = udev_monitor_unref(monitor);
    context = udev_unref(context);
    return false;
}

// A controller already plugged in when the watch begins is never announced,
// but its removal should still be known as the controller's.
void UdevHotplugWatch::rememberPresentControllerNodes()
{
    udev_enumerate *present = udev_enumerate_new(context);
    if (!present)
        return;
    if (udev_enumerate_add_match_subsystem(present, "hidraw") >= 0 && udev_enumerate_scan_devices(present) >= 0) {
        udev_list_entry *entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(present))
        {
            udev_device *device = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
            if (!device)
                continue;
            HotplugEvent event = describe(device);
            if (isControllerNode(event))
                rememberControllerNode(event.deviceNode);
            udev_device_unref(device);
        }
    }
    udev_enumerate_unref(present);
}

// Only the node's name and its USB parent's ids are read: the watch never
// opens a node and never looks at any node's permissions.
HotplugEvent UdevHotplugWatch::describe(udev_device *device)
{
    HotplugEvent event;
    event.action = text(udev_device_get_action(device));
    event.deviceNode = text(udev_device_get_devnode(device));
    // The parent belongs to the device; it is not unreferenced separately.
    if (udev_device *usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device")) {
        event.usbVendorId = text(udev_device_get_sysattr_value(usb, "idVendor"));
        event.usbProductId = text(udev_device_get_sysattr_value(usb, "idProduct"));
    }
    return event;
}

void UdevHotplugWatch::receiveEvent()
{
    udev_device *device = udev_monitor_receive_device(monitor);
    if (!device)
        return;
    const HotplugEvent event = describe(device);
    udev_device_unref(device);
    handleEvent(event);
}
