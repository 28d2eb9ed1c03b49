// SPDX-License-Identifier: GPL-3.0-or-later
// The game-controller side of the simulated controller: a fake device tree
// (through umockdev) in which each simulated controller is a usb_device
// holding its hidrawN node and its joystick eventN node. An ioctl handler
// answers the evdev calls (EVIOCG*, EVIOCSABS, EVIOCSFF, EVIOCRMFF) and the
// EV_FF writes, and records them; input events go out through the node,
// whole events per read as from evdev, with SYN_DROPPED when a reader falls
// 256 events behind. Reads never block: with nothing queued they fail with
// EAGAIN, so readers open the node with O_NONBLOCK, as the tool does.
//
// The process must run with libumockdev-preload.so.0 preloaded; the code
// under test then reaches these devices through its ordinary libudev, open,
// ioctl, read and write calls. Set VELLOX_SIM_NODE_DIR=/dev before the first
// hidapi call so the hidapi simulator's node paths name the fake hidraw nodes.
//
// Every member function is thread-safe.
#pragma once

#include <linux/input.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vellox::sim {

struct FakeAxis {
    int code = ABS_X;
    int minimum = 0;
    int maximum = 65535;
    int fuzz = 0;
    int flat = 0;
    int value = 0;
};

struct FakeJoystick {
    std::string name;
    uint16_t vendor = 0;
    uint16_t product = 0;
    std::vector<FakeAxis> axes;
    std::vector<int> keys;
    bool forceFeedback = true;
    int effectSlots = 16;

    // The controller's joystick as the kernel's generic HID driver makes it:
    // steering, three pedals, Rx/Ry, a hat, 32 buttons, force feedback.
    static FakeJoystick wheel();
    // A joystick of another vendor: two axes and eight buttons.
    static FakeJoystick decoy();
};

// What the handler saw, in order.
struct FakeRecords {
    std::vector<ff_effect> uploads;                  // every EVIOCSFF that succeeded, with the id given
    std::vector<int> erased;                         // every EVIOCRMFF argument
    std::vector<input_event> writes;                 // every event written to the node
    std::vector<std::pair<int, input_absinfo>> absWrites; // every EVIOCSABS
    std::vector<unsigned long> requests;             // every ioctl request number
};

class FakeWheelBus
{
public:
    FakeWheelBus();
    ~FakeWheelBus();
    FakeWheelBus(const FakeWheelBus &) = delete;
    FakeWheelBus &operator=(const FakeWheelBus &) = delete;

    // A controller: /dev/hidraw<hidrawIndex> and a joystick node below one usb_device.
    // Returns the device's number for the calls below.
    int addController(int hidrawIndex, const FakeJoystick &joystick = FakeJoystick::wheel());
    // A usb_device with only a joystick node.
    int addJoystick(const FakeJoystick &joystick);

    std::string eventNode(int device) const;
    std::string hidrawNode(int device) const;

    // Takes the device's nodes out of the tree and back. A reader of the
    // joystick node sees it hang up.
    void unplug(int device);
    void plug(int device);
    bool isPlugged(int device) const;
    // While set, the device is plugged in exactly when the hidapi simulator is.
    void followSimulator(int device, bool follow = true);

    // One axis or button change followed by SYN_REPORT.
    void sendAbs(int device, int code, int value);
    void sendKey(int device, int code, bool pressed);
    // Several changes in one report.
    void sendReport(int device, const std::vector<input_event> &events);
    // Writes a moving wheel and pedals at this rate (0 stops). Each report's
    // time stamp is CLOCK_MONOTONIC at writing.
    void setMotion(int device, int hz);

    // EVIOCSFF fails with this errno from now on (0: succeeds).
    void setUploadError(int device, int error);
    // EV_FF writes fail with this errno from now on (0: succeed).
    void setPlayError(int device, int error);

    FakeRecords records(int device) const;
    // Effect ids uploaded and not erased.
    std::vector<int> liveEffects(int device) const;
    // Effect ids whose last EV_FF write started them (value > 0).
    std::vector<int> playingEffects(int device) const;
    input_absinfo absInfo(int device, int code) const;
    void clearRecords(int device);

    struct Private;

private:
    std::unique_ptr<Private> d;
};

} // namespace vellox::sim
