// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/wheelstate.h"

#include <QString>

class WheelInput;

// The kernel's dead zone of a joystick: per axis a fuzz (movements smaller
// than it are dropped) and a flat (the zone around the centre that games
// treat as centre). The generic HID driver sets range/256 and range/16.
namespace KernelDeadZone {

// The generic HID driver's values for this axis; hats get none.
int driverFuzz(const AxisState &axis);
int driverFlat(const AxisState &axis);
// Whether the axis takes part (hats do not).
bool applies(const AxisState &axis);

// Fuzz and flat to 0 on every axis, or back to the driver's values.
bool remove(WheelInput &input, QString *error);
bool restore(WheelInput &input, QString *error);

// The same on a node opened for the purpose, for commands without a window.
bool removeAt(const QString &node, QString *error);
bool restoreAt(const QString &node, QString *error);

} // namespace KernelDeadZone
