// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The controller's joystick node, found from the hidraw node the tool has
// open: the event node below the same USB device that is a joystick. Never
// another joystick, never another controller's.
struct JoystickNode {
    QString path;    // e.g. /dev/input/event7; empty when none was found
    QString problem; // why not, in words for the user; empty when found

    // Looks the node up in the device tree (libudev). On systems without
    // one it reports that there is no live view.
    static JoystickNode forHidraw(const QString &hidrawPath);
    // Why this user cannot open an existing node; empty when it can.
    static QString accessProblem(const QString &eventPath);
};
