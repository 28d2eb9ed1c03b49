// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/wheelinput.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <libevdev/libevdev.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Upper bound of events taken per wake-up, so that a flood cannot keep the
// thread from its other work; the rest is read on the next wake-up.
constexpr int kEventsPerWakeUp = 8192;

} // namespace

WheelInput::WheelInput(QObject *parent) : QObject(parent) {}

WheelInput::~WheelInput()
{
    close();
}

bool WheelInput::open(const QString &node)
{
    close();
    path = node;
    const QByteArray name = node.toLocal8Bit();
    fd = ::open(name.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS))
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        error = tr("%1 cannot be opened: %2").arg(node, errnoText(e));
        if (e == EACCES || e == EPERM)
            error += QLatin1Char(' ') + tr("Log in at the computer's own seat, or install the tool's udev rule.");
        return false;
    }
    const int rc = libevdev_new_from_fd(fd, &device);
    if (rc < 0) {
        error = tr("%1 is not an input node that can be read: %2").arg(node, errnoText(-rc));
        ::close(fd);
        fd = -1;
        device = nullptr;
        return false;
    }
    // Time stamps on the clock the paint is measured against; a node that
    // refuses keeps its own clock.
    libevdev_set_clock_id(device, CLOCK_MONOTONIC);
    rebuildState();
    notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &WheelInput::readAvailable);
    error.clear();
    return true;
}

void WheelInput::close()
{
    delete notifier;
    notifier = nullptr;
    if (device)
        libevdev_free(device);
    device = nullptr;
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

bool WheelInput::isOpen() const
{
    return device != nullptr;
}

QString WheelInput::node() const
{
    return path;
}

QString WheelInput::errorString() const
{
    return error;
}

const WheelState &WheelInput::state() const
{
    return folder.state();
}

void WheelInput::rebuildState()
{
    std::vector<AxisState> axes;
    for (unsigned code = 0; code <= ABS_MAX; ++code) {
        if (!libevdev_has_event_code(device, EV_ABS, code))
            continue;
        if (const input_absinfo *info = libevdev_get_abs_info(device, code))
            axes.push_back(AxisState{static_cast<int>(code), info->minimum, info->maximum, info->fuzz, info->flat,
                                     info->value});
    }
    std::vector<int> keys;
    std::vector<int> down;
    for (unsigned code = 0; code <= KEY_MAX; ++code) {
        if (!libevdev_has_event_code(device, EV_KEY, code))
            continue;
        keys.push_back(static_cast<int>(code));
        if (libevdev_get_event_value(device, EV_KEY, code) != 0)
            down.push_back(static_cast<int>(code));
    }
    folder.reset(QString::fromUtf8(libevdev_get_name(device)), axes, keys, down);
}

void WheelInput::readAvailable()
{
    if (!device)
        return;
    bool changed = false;
    unsigned flags = LIBEVDEV_READ_FLAG_NORMAL;
    int n = 0;
    for (; n < kEventsPerWakeUp; ++n) {
        input_event event{};
        const int rc = libevdev_next_event(device, flags, &event);
        if (rc == -EAGAIN) {
            if (flags == LIBEVDEV_READ_FLAG_NORMAL)
                break;
            flags = LIBEVDEV_READ_FLAG_NORMAL; // resynchronised after dropped events
            continue;
        }
        if (rc == LIBEVDEV_READ_STATUS_SYNC)
            flags = LIBEVDEV_READ_FLAG_SYNC;
        else if (rc != LIBEVDEV_READ_STATUS_SUCCESS) {
            const QString why = tr("The controller's joystick node %1 went away: %2").arg(path, errnoText(-rc));
            close();
            error = why;
            if (changed)
                emit stateChanged();
            emit nodeLost(why);
            return;
        }
        const qint64 timeUs = static_cast<qint64>(event.input_event_sec) * 1000000 + event.input_event_usec;
        changed = folder.apply(event.type, event.code, event.value, timeUs) || changed;
    }
    // Stopped at the cap: libevdev may hold events already read off the node,
    // which no notifier would announce.
    if (n == kEventsPerWakeUp && libevdev_has_event_pending(device) > 0)
        QMetaObject::invokeMethod(this, &WheelInput::readAvailable, Qt::QueuedConnection);
    if (changed)
        emit stateChanged();
}

bool WheelInput::setKernelFuzzFlat(int code, int fuzz, int flat)
{
    if (!device || code < 0 || code > ABS_MAX)
        return false;
    const input_absinfo *known = libevdev_get_abs_info(device, static_cast<unsigned>(code));
    if (!known)
        return false;
    input_absinfo info = *known;
    info.fuzz = fuzz;
    info.flat = flat;
    const int rc = libevdev_kernel_set_abs_info(device, static_cast<unsigned>(code), &info);
    if (rc < 0) {
        error = tr("The kernel refused to change %1 on %2: %3").arg(axisName(code), path, errnoText(-rc));
        return false;
    }
    folder.setFuzzFlat(code, fuzz, flat);
    return true;
}
