// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The XDG autostart entry that starts the tool in the background with the
// desktop: $XDG_CONFIG_HOME/autostart/com.vellox.WheelSetup.desktop, or
// ~/.config/autostart/... when XDG_CONFIG_HOME is unset, empty or relative.
QString autostartEntryPath(const QString &xdgConfigHome, const QString &home);
QString autostartEntryPath();

bool autostartEnabled();
// Writes (atomically) or removes the entry. False when that failed.
bool setAutostartEnabled(bool enabled);
