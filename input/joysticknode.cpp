// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/joysticknode.h"

#include <QCoreApplication>

#if defined(__linux__)
#include <libudev.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("JoystickNode", text);
}

struct UdevDeleter {
    void operator()(udev *u) const { udev_unref(u); }
    void operator()(udev_enumerate *e) const { udev_enumerate_unref(e); }
    void operator()(udev_device *d) const { udev_device_unref(d); }
};
template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

// The hidraw device whose node is this path. Compared by node name, which
// also holds for nodes the process cannot stat.
UdevPtr<udev_device> hidrawDevice(udev *u, const QByteArray &node)
{
    UdevPtr<udev_enumerate> list(udev_enumerate_new(u));
    if (!list)
        return nullptr;
    udev_enumerate_add_match_subsystem(list.get(), "hidraw");
    udev_enumerate_scan_devices(list.get());
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(list.get()))
    {
        UdevPtr<udev_device> device(udev_device_new_from_syspath(u, udev_list_entry_get_name(entry)));
        const char *devnode = device ? udev_device_get_devnode(device.get()) : nullptr;
        if (devnode && node == devnode)
            return device;
    }
    return nullptr;
}

} // namespace

JoystickNode JoystickNode::forHidraw(const QString &hidrawPath)
{
    JoystickNode result;
    if (hidrawPath.isEmpty()) {
        result.problem = tr("No controller is connected.");
        return result;
    }
    UdevPtr<udev> u(udev_new());
    if (!u) {
        result.problem = tr("The device list of the system cannot be read.");
        return result;
    }
    const UdevPtr<udev_device> hidraw = hidrawDevice(u.get(), hidrawPath.toLocal8Bit());
    // Owned by hidraw; not to be unreferenced.
    udev_device *usb = hidraw ? udev_device_get_parent_with_subsystem_devtype(hidraw.get(), "usb", "usb_device") : nullptr;
    if (!usb) {
        result.problem = tr("The controller at %1 is not a USB device with a game-controller side.").arg(hidrawPath);
        return result;
    }
    UdevPtr<udev_enumerate> list(udev_enumerate_new(u.get()));
    udev_enumerate_add_match_subsystem(list.get(), "input");
    udev_enumerate_add_match_property(list.get(), "ID_INPUT_JOYSTICK", "1");
    udev_enumerate_add_match_parent(list.get(), usb);
    udev_enumerate_scan_devices(list.get());
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(list.get()))
    {
        UdevPtr<udev_device> device(udev_device_new_from_syspath(u.get(), udev_list_entry_get_name(entry)));
        const char *devnode = device ? udev_device_get_devnode(device.get()) : nullptr;
        const char *sysname = device ? udev_device_get_sysname(device.get()) : nullptr;
        if (devnode && sysname && std::strncmp(sysname, "event", 5) == 0) {
            result.path = QString::fromLocal8Bit(devnode);
            return result;
        }
    }
    result.problem = tr("The controller has no joystick node (yet).");
    return result;
}

QString JoystickNode::accessProblem(const QString &eventPath)
{
    const QByteArray node = eventPath.toLocal8Bit();
    const int fd = ::open(node.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    const int error = errno;
    if (error == EACCES || error == EPERM)
        return tr("%1 exists but this user may not open it (%2). Log in at the computer's own seat, or install the "
                  "tool's udev rule.")
            .arg(eventPath, QString::fromLocal8Bit(std::strerror(error)));
    return tr("%1 cannot be opened: %2").arg(eventPath, QString::fromLocal8Bit(std::strerror(error)));
}

#else

JoystickNode JoystickNode::forHidraw(const QString &)
{
    return {QString(), QCoreApplication::translate("JoystickNode", "The live view is not available on this system.")};
}

QString JoystickNode::accessProblem(const QString &)
{
    return QCoreApplication::translate("JoystickNode", "The live view is not available on this system.");
}

#endif
