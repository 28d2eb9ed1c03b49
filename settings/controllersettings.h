// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// All four settings records of one controller, and one settings write as the
// window sends it.

#include "settings/settingsfields.h"
#include "settings/settingsrecords.h"

#include <cstdint>

struct ControllerSettings {
    EffectSettingsTypeDef effects;
    HardwareSettingsTypeDef hardware;
    AdcExtensionSettingsTypeDef adc;
    GpioExtensionSettingsTypeDef gpio;
};

struct SettingsWrite {
    SettingsFieldEnum field;
    int8_t index;
    SettingsValueType type;
    int value;
};

bool operator==(const SettingsWrite &a, const SettingsWrite &b);
inline bool operator!=(const SettingsWrite &a, const SettingsWrite &b) { return !(a == b); }

// The raw value the record holds in the field, sign-extended for signed types.
int recordValue(const ControllerSettings &settings, const SettingsField &field);
// Stores the value in the field, truncated to the field's type.
void setRecordValue(ControllerSettings *settings, const SettingsField &field, int value);
