// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/fakewheelbus.h"

#include "sim/simulated_controller.h"

#include <umockdev.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

namespace vellox::sim {

FakeJoystick FakeJoystick::wheel()
{
    FakeJoystick j;
    j.name = "Vellox Wheel Controller";
    j.vendor = kVendorId;
    j.product = kProductId;
    // The generic HID driver's defaults: fuzz range/256, flat range/16.
    auto axis = [](int code, int minimum, int maximum) {
        const int range = maximum - minimum;
        return FakeAxis{code, minimum, maximum, range >> 8, range >> 4, (minimum + maximum) / 2};
    };
    j.axes = {axis(ABS_X, -32767, 32767), axis(ABS_Y, 0, 4095), axis(ABS_Z, 0, 4095), axis(ABS_RZ, 0, 4095),
              axis(ABS_RX, 0, 4095), axis(ABS_RY, 0, 4095), axis(ABS_HAT0X, -1, 1), axis(ABS_HAT0Y, -1, 1)};
    j.axes[1].value = j.axes[2].value = j.axes[3].value = 0;
    for (int i = 0; i < 16; ++i)
        j.keys.push_back(BTN_TRIGGER + i);
    for (int i = 0; i < 16; ++i)
        j.keys.push_back(BTN_TRIGGER_HAPPY1 + i);
    return j;
}

FakeJoystick FakeJoystick::decoy()
{
    FakeJoystick j;
    j.name = "Other Vendor Pedals";
    j.vendor = 0x1234;
    j.product = 0x0001;
    j.axes = {FakeAxis{ABS_X, 0, 255, 0, 15, 0}, FakeAxis{ABS_Y, 0, 255, 0, 15, 0}};
    for (int i = 0; i < 8; ++i)
        j.keys.push_back(BTN_TRIGGER + i);
    j.forceFeedback = false;
    return j;
}

namespace {

// The events a reader may fall behind by, as the kernel sizes an evdev
// client's buffer for a joystick.
constexpr std::size_t kQueuedEvents = 256;

struct HandlerContext;

struct Device {
    FakeJoystick joystick;
    int hidrawIndex = -1; // -1: a joystick without a hidraw node
    int number = 0;
    std::string usbPath, interfacePath, hidPath, hidrawPath, inputPath, eventPath;
    bool plugged = false;
    bool follow = false;
    int motionHz = 0;
    int uploadError = 0;
    int playError = 0;
    int masterFd = -1;
    // The joystick node is a pty, but its bytes are only a doorbell: events
    // wait here, and every read a client does on the node comes to the
    // handler (onRead), which hands out whole events from this queue as an
    // evdev node does. One byte is in the pty while the queue has events, so
    // poll() on the node says readable; readFd, the pty's other side, takes
    // it out when the queue runs empty. Guarded by readMutex.
    std::mutex readMutex;
    int readFd = -1;
    std::deque<input_event> queue;
    UMockdevIoctlBase *handler = nullptr;
    HandlerContext *context = nullptr; // owned by the handler
    // Handlers of earlier plug-ins, by node, kept for readers that still hold them.
    std::vector<std::pair<std::string, UMockdevIoctlBase *>> retired;
    std::map<int, bool> keyState;
    std::map<int, int> playing; // effect id -> last play count
    std::vector<int> live;
    FakeRecords records;
    long motionStep = 0;
    int plugCount = 0;
    // The event node's number: a new one at each plug-in, as the kernel gives.
    int eventNumber() const { return number + 32 * plugCount; }
    timespec nextMotion{};
    timespec motionStart{};
};

template <typename T>
void setBit(std::vector<uint8_t> &bits, T bit)
{
    const auto b = static_cast<std::size_t>(bit);
    if (b / 8 < bits.size())
        bits[b / 8] = static_cast<uint8_t>(bits[b / 8] | (1u << (b % 8)));
}

} // namespace

struct FakeWheelBus::Private {
    UMockdevTestbed *testbed = nullptr;
    mutable std::mutex mutex;
    std::vector<std::unique_ptr<Device>> devices;
    std::thread ticker;
    std::atomic<bool> quit{false};
    std::condition_variable wake;

    void attach(Device &dev);
    void detach(Device &dev);
    void writeEvents(Device &dev, const std::vector<input_event> &events);
    static gboolean onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data);
    static gboolean onWrite(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data);
    static gboolean onRead(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data);
    void run();
};

namespace {

struct HandlerContext {
    FakeWheelBus::Private *bus;
    int device;
    Device *dev; // stable: devices are never removed
    std::atomic<bool> gone{false}; // unplugged: the node answers ENODEV from now on
};

// What a node that has been unplugged answers, as evdev does.
bool refuseWhenGone(UMockdevIoctlClient *client, const HandlerContext *context)
{
    if (!context->gone)
        return false;
    umockdev_ioctl_client_complete(client, -1, ENODEV);
    return true;
}

void addRecord(UMockdevTestbed *testbed, const std::string &text)
{
    GError *error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed, text.c_str(), &error)) {
        std::fprintf(stderr, "fakewheelbus: cannot add a device: %s\n", error ? error->message : "?");
        g_clear_error(&error);
    }
}

std::string hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value & 0xFFFFu);
    return text;
}

// Fills the ioctl's result buffer: the whole of `size` bytes, zero after `bytes`.
void answer(UMockdevIoctlClient *client, std::size_t size, const void *bytes, std::size_t length, long result)
{
    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    GError *error = nullptr;
    UMockdevIoctlData *target = umockdev_ioctl_data_resolve(arg, 0, size, &error);
    if (!target) {
        g_clear_error(&error);
        umockdev_ioctl_client_complete(client, -1, EFAULT);
        return;
    }
    std::vector<uint8_t> buffer(size, 0);
    std::memcpy(buffer.data(), bytes, std::min(size, length));
    umockdev_ioctl_data_update(target, 0, buffer.data(), static_cast<gint>(buffer.size()));
    g_object_unref(target);
    umockdev_ioctl_client_complete(client, result, 0);
}

} // namespace

void FakeWheelBus::Private::attach(Device &dev)
{
    const bool controller = dev.hidrawIndex >= 0;
    const std::string n = std::to_string(dev.number);
    dev.usbPath = "/devices/pci0000:00/0000:00:14.0/usb" + n + "/" + n + "-1";
    dev.interfacePath = dev.usbPath + "/" + n + "-1:1.0";
    dev.hidPath = dev.interfacePath + "/0003:" + hex4(dev.joystick.vendor) + ":" + hex4(dev.joystick.product) + ".000" + n;
    dev.inputPath = dev.hidPath + "/input/input" + n;
    const std::string e = std::to_string(dev.eventNumber());
    dev.eventPath = dev.inputPath + "/event" + e;
    addRecord(testbed, "P: " + dev.usbPath + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nA: idVendor=" +
                           hex4(dev.joystick.vendor) + "\nA: idProduct=" + hex4(dev.joystick.product) +
                           "\nA: busnum=" + n + "\nA: devnum=2\n");
    addRecord(testbed, "P: " + dev.interfacePath + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\nA: bInterfaceNumber=00\n");
    addRecord(testbed, "P: " + dev.hidPath + "\nE: SUBSYSTEM=hid\n");
    if (controller) {
        const std::string h = std::to_string(dev.hidrawIndex);
        dev.hidrawPath = dev.hidPath + "/hidraw/hidraw" + h;
        addRecord(testbed, "P: " + dev.hidrawPath + "\nN: hidraw" + h + "=00\nE: SUBSYSTEM=hidraw\nE: DEVNAME=/dev/hidraw" +
                               h + "\nA: dev=242:" + h + "\n");
    }
    addRecord(testbed, "P: " + dev.inputPath + "\nE: SUBSYSTEM=input\nE: ID_INPUT=1\nE: ID_INPUT_JOYSTICK=1\nA: name=" +
                           dev.joystick.name + "\n");
    addRecord(testbed, "P: " + dev.eventPath + "\nN: input/event" + e + "\nE: SUBSYSTEM=input\nE: DEVNAME=/dev/input/event" +
                           e + "\nE: ID_INPUT=1\nE: ID_INPUT_JOYSTICK=1\nA: dev=13:" + std::to_string(64 + dev.eventNumber()) + "\n");

    const std::string node = "/dev/input/event" + e;
    dev.handler = umockdev_ioctl_base_new();
    auto *context = new HandlerContext{this, dev.number, &dev};
    dev.context = context;
    g_signal_connect_data(dev.handler, "handle-ioctl", G_CALLBACK(onIoctl), context,
                          [](gpointer data, GClosure *) { delete static_cast<HandlerContext *>(data); },
                          GConnectFlags(0));
    g_signal_connect(dev.handler, "handle-write", G_CALLBACK(onWrite), context);
    g_signal_connect(dev.handler, "handle-read", G_CALLBACK(onRead), context);
    GError *error = nullptr;
    if (!umockdev_testbed_attach_ioctl(testbed, node.c_str(), dev.handler, &error)) {
        std::fprintf(stderr, "fakewheelbus: cannot attach the ioctl handler: %s\n", error ? error->message : "?");
        g_clear_error(&error);
    }
    dev.masterFd = umockdev_testbed_get_dev_fd(testbed, node.c_str());
    if (dev.masterFd >= 0) {
        ::fcntl(dev.masterFd, F_SETFL, ::fcntl(dev.masterFd, F_GETFL) | O_NONBLOCK);
        char pts[64] = {};
        if (::ptsname_r(dev.masterFd, pts, sizeof pts) == 0) {
            std::lock_guard readLock(dev.readMutex);
            // Raw system calls: the preloaded library takes this pty for the
            // device and would hand our own calls back to the handler.
            dev.readFd = static_cast<int>(
                ::syscall(SYS_openat, AT_FDCWD, pts, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
            // Raw: the events' bytes pass unchanged and nothing echoes back.
            termios raw{};
            if (dev.readFd >= 0 && ::syscall(SYS_ioctl, dev.readFd, TCGETS, &raw) == 0) {
                ::cfmakeraw(&raw);
                ::syscall(SYS_ioctl, dev.readFd, TCSETS, &raw);
            }
        }
        if (dev.readFd < 0)
            std::fprintf(stderr, "fakewheelbus: cannot open the joystick node's pty: %s\n", std::strerror(errno));
    }
    dev.plugged = true;
    if (controller)
        umockdev_testbed_uevent(testbed, ("/sys" + dev.hidrawPath).c_str(), "add");
    umockdev_testbed_uevent(testbed, ("/sys" + dev.eventPath).c_str(), "add");
}

void FakeWheelBus::Private::detach(Device &dev)
{
    const std::string node = "/dev/input/event" + std::to_string(dev.eventNumber());
    umockdev_testbed_uevent(testbed, ("/sys" + dev.eventPath).c_str(), "remove");
    if (dev.hidrawIndex >= 0)
        umockdev_testbed_uevent(testbed, ("/sys" + dev.hidrawPath).c_str(), "remove");
    // As evdev on a disconnect: a reader that holds the node open finds it
    // readable, and every read, ioctl and write on it fails with ENODEV. The
    // handler stays for such readers; the next plug-in gets a node of its own.
    dev.context->gone = true;
    dev.context = nullptr;
    dev.retired.emplace_back(node, dev.handler);
    dev.handler = nullptr;
    {
        std::lock_guard readLock(dev.readMutex);
        if (dev.readFd >= 0 && dev.queue.empty() && dev.masterFd >= 0) {
            const char bell = 0;
            [[maybe_unused]] const ssize_t rung = ::write(dev.masterFd, &bell, 1);
        }
        if (dev.readFd >= 0)
            ::syscall(SYS_close, dev.readFd);
        dev.readFd = -1;
        dev.queue.clear();
    }
    for (const std::string *path : {&dev.eventPath, &dev.inputPath, &dev.hidrawPath, &dev.hidPath, &dev.interfacePath,
                                    &dev.usbPath}) {
        if (!path->empty())
            umockdev_testbed_remove_device(testbed, ("/sys" + *path).c_str());
    }
    dev.masterFd = -1;
    dev.plugged = false;
    ++dev.plugCount;
    dev.live.clear();
    dev.playing.clear();
}

void FakeWheelBus::Private::writeEvents(Device &dev, const std::vector<input_event> &events)
{
    if (!dev.plugged || dev.masterFd < 0)
        return;
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    std::vector<input_event> out = events;
    input_event syn{};
    syn.type = EV_SYN;
    syn.code = SYN_REPORT;
    out.push_back(syn);
    for (input_event &event : out) {
        event.input_event_sec = now.tv_sec;
        event.input_event_usec = now.tv_nsec / 1000;
        if (event.type == EV_ABS) {
            for (FakeAxis &axis : dev.joystick.axes)
                if (axis.code == event.code)
                    axis.value = event.value;
        } else if (event.type == EV_KEY) {
            dev.keyState[event.code] = event.value != 0;
        }
    }
    std::lock_guard readLock(dev.readMutex);
    const bool wasEmpty = dev.queue.empty();
    // A reader that does not keep up: as evdev with a full client buffer,
    // what is queued is dropped and SYN_DROPPED tells the reader so.
    if (dev.queue.size() + out.size() > kQueuedEvents) {
        dev.queue.clear();
        input_event dropped = syn;
        dropped.code = SYN_DROPPED;
        dropped.input_event_sec = now.tv_sec;
        dropped.input_event_usec = now.tv_nsec / 1000;
        dev.queue.push_back(dropped);
    }
    dev.queue.insert(dev.queue.end(), out.begin(), out.end());
    if (wasEmpty) {
        const char bell = 0;
        [[maybe_unused]] const ssize_t rung = ::write(dev.masterFd, &bell, 1);
    }
}

gboolean FakeWheelBus::Private::onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
{
    auto *context = static_cast<HandlerContext *>(data);
    if (refuseWhenGone(client, context))
        return TRUE;
    std::lock_guard lock(context->bus->mutex);
    Device &dev = *context->bus->devices.at(static_cast<std::size_t>(context->device));
    const FakeJoystick &j = dev.joystick;
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    dev.records.requests.push_back(request);
    const std::size_t size = _IOC_SIZE(request);
    const unsigned nr = _IOC_NR(request);
    if (_IOC_TYPE(request) != 'E') {
        umockdev_ioctl_client_complete(client, -1, ENOTTY);
        return TRUE;
    }
    if (request == EVIOCGVERSION) {
        const int version = EV_VERSION;
        answer(client, size, &version, sizeof version, 0);
    } else if (request == EVIOCGID) {
        const input_id id{BUS_USB, j.vendor, j.product, 0x0111};
        answer(client, size, &id, sizeof id, 0);
    } else if (request == EVIOCGEFFECTS) {
        const int slots = j.forceFeedback ? j.effectSlots : 0;
        answer(client, size, &slots, sizeof slots, 0);
    } else if (request == EVIOCGRAB || request == EVIOCSCLOCKID) {
        umockdev_ioctl_client_complete(client, 0, 0);
    } else if (_IOC_DIR(request) == _IOC_READ && nr == _IOC_NR(EVIOCGNAME(0))) {
        answer(client, size, j.name.c_str(), j.name.size() + 1, static_cast<long>(std::min(size, j.name.size() + 1)));
    } else if (_IOC_DIR(request) == _IOC_READ && nr == _IOC_NR(EVIOCGPHYS(0))) {
        const std::string phys = "usb-0000:00:14.0-" + std::to_string(dev.number) + "/input0";
        answer(client, size, phys.c_str(), phys.size() + 1, static_cast<long>(std::min(size, phys.size() + 1)));
    } else if (_IOC_DIR(request) == _IOC_READ && nr == _IOC_NR(EVIOCGUNIQ(0))) {
        umockdev_ioctl_client_complete(client, -1, ENOENT);
    } else if (_IOC_DIR(request) == _IOC_READ && nr >= _IOC_NR(EVIOCGBIT(0, 0)) && nr < _IOC_NR(EVIOCGBIT(EV_MAX, 0)) + 1) {
        std::vector<uint8_t> bits(size, 0);
        switch (nr - _IOC_NR(EVIOCGBIT(0, 0))) {
        case 0:
            setBit(bits, EV_SYN);
            if (!j.keys.empty())
                setBit(bits, EV_KEY);
            if (!j.axes.empty())
                setBit(bits, EV_ABS);
            if (j.forceFeedback)
                setBit(bits, EV_FF);
            break;
        case EV_KEY:
            for (int key : j.keys)
                setBit(bits, key);
            break;
        case EV_ABS:
            for (const FakeAxis &axis : j.axes)
                setBit(bits, axis.code);
            break;
        case EV_FF:
            if (j.forceFeedback)
                for (int type : {FF_CONSTANT, FF_SPRING, FF_PERIODIC, FF_SINE, FF_GAIN, FF_AUTOCENTER})
                    setBit(bits, type);
            break;
        default:
            break;
        }
        answer(client, size, bits.data(), bits.size(), static_cast<long>(size));
    } else if (_IOC_DIR(request) == _IOC_READ && nr == _IOC_NR(EVIOCGKEY(0))) {
        std::vector<uint8_t> bits(size, 0);
        for (const auto &[key, down] : dev.keyState)
            if (down)
                setBit(bits, key);
        answer(client, size, bits.data(), bits.size(), static_cast<long>(size));
    } else if (_IOC_DIR(request) == _IOC_READ &&
               (nr == _IOC_NR(EVIOCGPROP(0)) || nr == _IOC_NR(EVIOCGLED(0)) || nr == _IOC_NR(EVIOCGSW(0)) ||
                nr == _IOC_NR(EVIOCGSND(0)))) {
        const std::vector<uint8_t> zeros(size, 0);
        answer(client, size, zeros.data(), zeros.size(), static_cast<long>(size));
    } else if (_IOC_DIR(request) == _IOC_READ && nr >= _IOC_NR(EVIOCGABS(0)) && nr <= _IOC_NR(EVIOCGABS(ABS_MAX))) {
        const int code = static_cast<int>(nr - _IOC_NR(EVIOCGABS(0)));
        const auto axis = std::find_if(j.axes.begin(), j.axes.end(), [&](const FakeAxis &a) { return a.code == code; });
        if (axis == j.axes.end()) {
            umockdev_ioctl_client_complete(client, -1, EINVAL);
        } else {
            const input_absinfo info{axis->value, axis->minimum, axis->maximum, axis->fuzz, axis->flat, 0};
            answer(client, size, &info, sizeof info, 0);
        }
    } else if (_IOC_DIR(request) == _IOC_WRITE && nr >= _IOC_NR(EVIOCSABS(0)) && nr <= _IOC_NR(EVIOCSABS(ABS_MAX))) {
        const int code = static_cast<int>(nr - _IOC_NR(EVIOCSABS(0)));
        GError *error = nullptr;
        UMockdevIoctlData *source = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, &error);
        g_clear_error(&error);
        const auto axis = std::find_if(dev.joystick.axes.begin(), dev.joystick.axes.end(),
                                       [&](const FakeAxis &a) { return a.code == code; });
        if (!source || axis == dev.joystick.axes.end() || static_cast<std::size_t>(source->data_len) < sizeof(input_absinfo)) {
            umockdev_ioctl_client_complete(client, -1, EINVAL);
        } else {
            input_absinfo info{};
            std::memcpy(&info, source->data, sizeof info);
            dev.records.absWrites.emplace_back(code, info);
            *axis = FakeAxis{code, info.minimum, info.maximum, info.fuzz, info.flat, info.value};
            umockdev_ioctl_client_complete(client, 0, 0);
        }
        if (source)
            g_object_unref(source);
    } else if (request == EVIOCSFF) {
        GError *error = nullptr;
        UMockdevIoctlData *source = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, &error);
        g_clear_error(&error);
        if (!source || static_cast<std::size_t>(source->data_len) < sizeof(ff_effect) || !j.forceFeedback) {
            umockdev_ioctl_client_complete(client, -1, source ? EINVAL : EFAULT);
        } else if (dev.uploadError) {
            umockdev_ioctl_client_complete(client, -1, dev.uploadError);
        } else {
            ff_effect effect{};
            std::memcpy(&effect, source->data, sizeof effect);
            if (effect.id == -1) {
                int id = 0;
                while (std::find(dev.live.begin(), dev.live.end(), id) != dev.live.end())
                    ++id;
                if (id >= j.effectSlots) {
                    umockdev_ioctl_client_complete(client, -1, ENOSPC);
                    g_object_unref(source);
                    return TRUE;
                }
                effect.id = static_cast<int16_t>(id);
                dev.live.push_back(id);
            } else if (std::find(dev.live.begin(), dev.live.end(), effect.id) == dev.live.end()) {
                umockdev_ioctl_client_complete(client, -1, EINVAL);
                g_object_unref(source);
                return TRUE;
            }
            dev.records.uploads.push_back(effect);
            umockdev_ioctl_data_update(source, offsetof(ff_effect, id), reinterpret_cast<guint8 *>(&effect.id),
                                       sizeof effect.id);
            umockdev_ioctl_client_complete(client, 0, 0);
        }
        if (source)
            g_object_unref(source);
    } else if (request == EVIOCRMFF) {
        UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
        unsigned long value = 0;
        std::memcpy(&value, arg->data, std::min<std::size_t>(sizeof value, static_cast<std::size_t>(arg->data_len)));
        const int id = static_cast<int>(value);
        dev.records.erased.push_back(id);
        const auto live = std::find(dev.live.begin(), dev.live.end(), id);
        if (live == dev.live.end()) {
            umockdev_ioctl_client_complete(client, -1, EINVAL);
        } else {
            dev.live.erase(live);
            dev.playing.erase(id);
            umockdev_ioctl_client_complete(client, 0, 0);
        }
    } else {
        umockdev_ioctl_client_complete(client, -1, EINVAL);
    }
    return TRUE;
}

gboolean FakeWheelBus::Private::onWrite(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
{
    auto *context = static_cast<HandlerContext *>(data);
    if (refuseWhenGone(client, context))
        return TRUE;
    std::lock_guard lock(context->bus->mutex);
    Device &dev = *context->bus->devices.at(static_cast<std::size_t>(context->device));
    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    const std::size_t length = static_cast<std::size_t>(arg->data_len);
    if (dev.playError) {
        umockdev_ioctl_client_complete(client, -1, dev.playError);
        return TRUE;
    }
    for (std::size_t offset = 0; offset + sizeof(input_event) <= length; offset += sizeof(input_event)) {
        input_event event{};
        std::memcpy(&event, arg->data + offset, sizeof event);
        dev.records.writes.push_back(event);
        if (event.type == EV_FF && std::find(dev.live.begin(), dev.live.end(), event.code) != dev.live.end())
            dev.playing[event.code] = event.value;
    }
    umockdev_ioctl_client_complete(client, static_cast<long>(length), 0);
    return TRUE;
}

gboolean FakeWheelBus::Private::onRead(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
{
    if (refuseWhenGone(client, static_cast<HandlerContext *>(data)))
        return TRUE;
    Device &dev = *static_cast<HandlerContext *>(data)->dev;
    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    const std::size_t wanted = static_cast<std::size_t>(arg->data_len) / sizeof(input_event);
    std::lock_guard lock(dev.readMutex);
    if (dev.readFd < 0) {
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        return TRUE;
    }
    // As evdev: a buffer smaller than one event is refused, and only whole
    // events are handed out.
    if (wanted == 0) {
        umockdev_ioctl_client_complete(client, -1, EINVAL);
        return TRUE;
    }
    const std::size_t count = std::min(wanted, dev.queue.size());
    std::vector<input_event> events(dev.queue.begin(), dev.queue.begin() + static_cast<std::ptrdiff_t>(count));
    dev.queue.erase(dev.queue.begin(), dev.queue.begin() + static_cast<std::ptrdiff_t>(count));
    if (dev.queue.empty()) {
        char bells[64];
        while (::syscall(SYS_read, dev.readFd, bells, sizeof bells) > 0) {
        }
    }
    if (count == 0) {
        umockdev_ioctl_client_complete(client, -1, EAGAIN);
        return TRUE;
    }
    const std::size_t bytes = count * sizeof(input_event);
    umockdev_ioctl_data_update(arg, 0, reinterpret_cast<guint8 *>(events.data()), static_cast<gint>(bytes));
    umockdev_ioctl_client_complete(client, static_cast<long>(bytes), 0);
    return TRUE;
}

void FakeWheelBus::Private::run()
{
    auto before = [](const timespec &a, const timespec &b) {
        return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec <= b.tv_nsec);
    };
    std::unique_lock lock(mutex);
    while (!quit) {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        const bool simPlugged = sim::isPlugged();
        timespec next{now.tv_sec, now.tv_nsec + 2'000'000};
        for (auto &devPtr : devices) {
            Device &dev = *devPtr;
            if (dev.follow && dev.plugged != simPlugged)
                simPlugged ? attach(dev) : detach(dev);
            if (dev.motionHz <= 0 || !dev.plugged)
                continue;
            // Every report that is due since motion started, each with its own
            // write, so a late wake-up still yields the full rate.
            if (dev.motionStart.tv_sec == 0)
                dev.motionStart = now;
            const double elapsed = static_cast<double>(now.tv_sec - dev.motionStart.tv_sec) +
                                   static_cast<double>(now.tv_nsec - dev.motionStart.tv_nsec) / 1e9;
            const long due = static_cast<long>(elapsed * dev.motionHz);
            // A wake-up very late (a stopped process) skips ahead rather than flooding.
            if (due - dev.motionStep > 200)
                dev.motionStep = due - 200;
            while (dev.motionStep < due) {
                ++dev.motionStep;
                const double phase = static_cast<double>(dev.motionStep) / dev.motionHz; // seconds
                std::vector<input_event> events;
                for (const FakeAxis &axis : dev.joystick.axes) {
                    if (axis.code == ABS_HAT0X || axis.code == ABS_HAT0Y)
                        continue;
                    const double wave = axis.code == ABS_X ? std::sin(phase * 1.3) : 0.5 + 0.5 * std::sin(phase * 0.7 + axis.code);
                    const double centre = axis.code == ABS_X ? (axis.minimum + axis.maximum) / 2.0 : axis.minimum;
                    const double span = axis.code == ABS_X ? (axis.maximum - axis.minimum) / 2.0 : axis.maximum - axis.minimum;
                    input_event e{};
                    e.type = EV_ABS;
                    e.code = static_cast<uint16_t>(axis.code);
                    e.value = static_cast<int>(std::lround(centre + span * wave));
                    events.push_back(e);
                }
                writeEvents(dev, events);
            }
            const long nextNs = static_cast<long>(static_cast<double>(dev.motionStep + 1) * 1e9 / dev.motionHz);
            dev.nextMotion = dev.motionStart;
            dev.nextMotion.tv_sec += nextNs / 1'000'000'000L;
            dev.nextMotion.tv_nsec += nextNs % 1'000'000'000L;
            dev.nextMotion.tv_sec += dev.nextMotion.tv_nsec / 1'000'000'000L;
            dev.nextMotion.tv_nsec %= 1'000'000'000L;
            if (before(dev.nextMotion, next))
                next = dev.nextMotion;
        }
        if (next.tv_nsec >= 1'000'000'000L) {
            next.tv_sec += next.tv_nsec / 1'000'000'000L;
            next.tv_nsec %= 1'000'000'000L;
        }
        lock.unlock();
        ::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        lock.lock();
    }
}

FakeWheelBus::FakeWheelBus() : d(std::make_unique<Private>())
{
    d->testbed = umockdev_testbed_new();
    d->ticker = std::thread([this] { d->run(); });
}

FakeWheelBus::~FakeWheelBus()
{
    d->quit = true;
    d->ticker.join();
    {
        std::lock_guard lock(d->mutex);
        for (auto &dev : d->devices)
            if (dev->plugged)
                d->detach(*dev);
        for (auto &dev : d->devices) {
            for (auto &[node, handler] : dev->retired) {
                GError *error = nullptr;
                umockdev_testbed_detach_ioctl(d->testbed, node.c_str(), &error);
                g_clear_error(&error);
                g_object_unref(handler);
            }
            dev->retired.clear();
        }
    }
    g_clear_object(&d->testbed);
}

int FakeWheelBus::addController(int hidrawIndex, const FakeJoystick &joystick)
{
    std::lock_guard lock(d->mutex);
    auto dev = std::make_unique<Device>();
    dev->joystick = joystick;
    dev->hidrawIndex = hidrawIndex;
    dev->number = static_cast<int>(d->devices.size());
    d->devices.push_back(std::move(dev));
    d->attach(*d->devices.back());
    return d->devices.back()->number;
}

int FakeWheelBus::addJoystick(const FakeJoystick &joystick)
{
    return addController(-1, joystick);
}

std::string FakeWheelBus::eventNode(int device) const
{
    std::lock_guard lock(d->mutex);
    return "/dev/input/event" + std::to_string(d->devices.at(static_cast<std::size_t>(device))->eventNumber());
}

std::string FakeWheelBus::hidrawNode(int device) const
{
    std::lock_guard lock(d->mutex);
    return "/dev/hidraw" + std::to_string(d->devices.at(static_cast<std::size_t>(device))->hidrawIndex);
}

void FakeWheelBus::unplug(int device)
{
    std::lock_guard lock(d->mutex);
    Device &dev = *d->devices.at(static_cast<std::size_t>(device));
    if (dev.plugged)
        d->detach(dev);
}

void FakeWheelBus::plug(int device)
{
    std::lock_guard lock(d->mutex);
    Device &dev = *d->devices.at(static_cast<std::size_t>(device));
    if (!dev.plugged)
        d->attach(dev);
}

bool FakeWheelBus::isPlugged(int device) const
{
    std::lock_guard lock(d->mutex);
    return d->devices.at(static_cast<std::size_t>(device))->plugged;
}

void FakeWheelBus::followSimulator(int device, bool follow)
{
    std::lock_guard lock(d->mutex);
    d->devices.at(static_cast<std::size_t>(device))->follow = follow;
}

void FakeWheelBus::sendReport(int device, const std::vector<input_event> &events)
{
    std::lock_guard lock(d->mutex);
    d->writeEvents(*d->devices.at(static_cast<std::size_t>(device)), events);
}

void FakeWheelBus::sendAbs(int device, int code, int value)
{
    input_event e{};
    e.type = EV_ABS;
    e.code = static_cast<uint16_t>(code);
    e.value = value;
    sendReport(device, {e});
}

void FakeWheelBus::sendKey(int device, int code, bool pressed)
{
    input_event e{};
    e.type = EV_KEY;
    e.code = static_cast<uint16_t>(code);
    e.value = pressed ? 1 : 0;
    sendReport(device, {e});
}

void FakeWheelBus::setMotion(int device, int hz)
{
    std::lock_guard lock(d->mutex);
    Device &dev = *d->devices.at(static_cast<std::size_t>(device));
    dev.motionHz = hz;
    dev.motionStart = timespec{};
    dev.motionStep = 0;
}

void FakeWheelBus::setUploadError(int device, int error)
{
    std::lock_guard lock(d->mutex);
    d->devices.at(static_cast<std::size_t>(device))->uploadError = error;
}

void FakeWheelBus::setPlayError(int device, int error)
{
    std::lock_guard lock(d->mutex);
    d->devices.at(static_cast<std::size_t>(device))->playError = error;
}

FakeRecords FakeWheelBus::records(int device) const
{
    std::lock_guard lock(d->mutex);
    return d->devices.at(static_cast<std::size_t>(device))->records;
}

std::vector<int> FakeWheelBus::liveEffects(int device) const
{
    std::lock_guard lock(d->mutex);
    return d->devices.at(static_cast<std::size_t>(device))->live;
}

std::vector<int> FakeWheelBus::playingEffects(int device) const
{
    std::lock_guard lock(d->mutex);
    std::vector<int> ids;
    for (const auto &[id, count] : d->devices.at(static_cast<std::size_t>(device))->playing)
        if (count > 0)
            ids.push_back(id);
    return ids;
}

input_absinfo FakeWheelBus::absInfo(int device, int code) const
{
    std::lock_guard lock(d->mutex);
    for (const FakeAxis &axis : d->devices.at(static_cast<std::size_t>(device))->joystick.axes)
        if (axis.code == code)
            return input_absinfo{axis.value, axis.minimum, axis.maximum, axis.fuzz, axis.flat, 0};
    return input_absinfo{};
}

void FakeWheelBus::clearRecords(int device)
{
    std::lock_guard lock(d->mutex);
    d->devices.at(static_cast<std::size_t>(device))->records = FakeRecords{};
}

} // namespace vellox::sim
