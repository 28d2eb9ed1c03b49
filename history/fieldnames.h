// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingsfields.h"

#include <QString>

// The name the window's editor shows beside the field's control, translated
// with the editor's own texts (e.g. "Motion range (degrees)", "Rx Lower dead
// zone", "Button 7").
QString fieldDisplayName(const SettingsField &field);
// The fields of the Controller tab: gains, encoder, directions, power. They
// are shown apart and put back only when asked.
bool isHardwareField(const SettingsField &field);
