// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// One absolute axis of a joystick node.
struct AxisState {
    int code = 0;
    int minimum = 0;
    int maximum = 0;
    int fuzz = 0;
    int flat = 0;
    int value = 0;
};

// What a joystick node reports, as the live view and the monitor show it.
struct WheelState {
    QString name;
    std::vector<AxisState> axes; // every absolute axis, in code order
    int steering = -1;           // index into axes of the steering axis; -1 when there is none
    int hatX = -1;
    int hatY = -1;
    std::vector<int> buttonCodes; // in the order games number them (button 1 first)
    std::vector<bool> buttonsDown;
    qint64 lastEventUs = 0; // time stamp of the newest event (CLOCK_MONOTONIC when the node allows it)
    quint64 reports = 0;    // SYN_REPORTs seen since opening

    // Bars other than the steering axis and the hat.
    std::vector<int> otherAxes() const;
};

// The steering angle in degrees: the axis's minimum is -motionRange/2, its
// maximum +motionRange/2, its middle 0. NaN when the axis has no range.
double steeringAngle(const AxisState &axis, int motionRange);
// The angle to the tenth of a degree it is shown with; a wheel a hair left
// of the middle shows 0.0, not -0.0.
double roundedAngle(double degrees);
// Where the value lies between minimum and maximum, 0..100; 0 without a range.
int axisPercent(const AxisState &axis);
// The axis as the node names it, for the user: "X", "Rz", "Throttle",
// "Brake", ... in the user's language.
QString axisName(int code);
// The same name in English whatever the language, for lines other programs
// read (the JSON keys of --monitor).
QString axisKey(int code);
// The hat's direction as text for the user: "up", "down left", "centre".
QString hatText(int x, int y);
// The same in fixed English words, for lines other programs read.
QString hatDirection(int x, int y);
// Sorts key codes the way games number joystick buttons: the joystick and
// gamepad range first, then the codes below it.
std::vector<int> gameButtonOrder(std::vector<int> codes);
// Sets steering, hatX and hatY from the axes' codes: X (or Wheel) steers.
void assignRoles(WheelState &state);

// Folds a node's reports into a WheelState. It never touches the node: the
// reader hands it the node's capabilities and then each event, so the same
// logic runs on a kernel node and on bytes from a fuzzer. Codes and types it
// does not know are ignored.
class WheelStateFolder
{
public:
    // The node's capabilities: its absolute axes (any order; multitouch
    // codes, codes past the last axis code and repeats are dropped), its key
    // codes and which of them are down now.
    void reset(const QString &name, const std::vector<AxisState> &axes, const std::vector<int> &keyCodes,
               const std::vector<int> &keysDown);
    // One event. True when it ended a report (SYN_REPORT), whose time stamp
    // becomes the state's lastEventUs.
    bool apply(unsigned type, unsigned code, int value, qint64 timeUs);
    // The kernel's fuzz and flat of one axis changed.
    void setFuzzFlat(int code, int fuzz, int flat);
    const WheelState &state() const { return current; }

private:
    WheelState current;
    std::vector<int> axisIndexByCode;   // code -> index into current.axes, -1 if none
    std::vector<int> buttonIndexByCode; // code -> index into current.buttonCodes, -1 if none
};
