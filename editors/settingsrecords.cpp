#include "editors/settingsrecords.h"

#include "editors/settingsfieldenum.h"

void registerSettingsMetaTypes()
{
    qRegisterMetaType<SettingsFieldEnum>("SettingsFieldEnum");
    qRegisterMetaType<EffectSettingsTypeDef>("EffectSettingsTypeDef");
    qRegisterMetaType<EffectSettingsTypeDef *>("EffectSettingsTypeDef*");
    qRegisterMetaType<HardwareSettingsTypeDef>("HardwareSettingsTypeDef");
    qRegisterMetaType<GpioExtensionSettingsTypeDef>("GpioExtensionSettingsTypeDef");
    qRegisterMetaType<AdcExtensionSettingsTypeDef>("AdcExtensionSettingsTypeDef");
}
