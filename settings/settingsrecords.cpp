// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsrecords.h"

#include "settings/settingsfieldenum.h"

void registerSettingsMetaTypes()
{
    qRegisterMetaType<SettingsFieldEnum>("SettingsFieldEnum");
    qRegisterMetaType<EffectSettingsTypeDef>("EffectSettingsTypeDef");
    qRegisterMetaType<EffectSettingsTypeDef *>("EffectSettingsTypeDef*");
    qRegisterMetaType<HardwareSettingsTypeDef>("HardwareSettingsTypeDef");
    qRegisterMetaType<GpioExtensionSettingsTypeDef>("GpioExtensionSettingsTypeDef");
    qRegisterMetaType<AdcExtensionSettingsTypeDef>("AdcExtensionSettingsTypeDef");
}
