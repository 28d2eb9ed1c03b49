// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

// One controller interface on the bus, as a command lists it.
struct ControllerListing {
    QString node;
    // The version text from the controller; empty when it could not be opened or read.
    QString firmwareVersionText;
    bool accessDenied = false;
};

// Enumerates the controllers and opens each briefly to read its firmware
// version. Makes hidapi calls: run it on the device link's thread only.
QVector<ControllerListing> listControllerNodes();
