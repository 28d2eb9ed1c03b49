// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/controllersettings.h"

#include <QString>

// Where game profiles go: the settings the user sees and changes. Each apply
// sends exactly what the same change made by hand sends, so the frames are
// the window's own and the window shows them; nothing is saved into the
// controller. Called only while the controller's settings are loaded.
class GameProfileTarget
{
public:
    virtual ~GameProfileTarget() = default;

    // What the Effects tab shows now.
    virtual EffectSettingsTypeDef effectSettings() = 0;
    // All four records as shown now, and the firmware of the controller that
    // holds them: what the layers and their journal are kept by.
    virtual ControllerSettings currentSettings() = 0;
    virtual QString firmwareVersionText() = 0;

    // Puts these settings on and sends what changed.
    virtual void applyEffectSettings(const EffectSettingsTypeDef &settings) = 0;
    virtual void applyPeripherySettings(const AdcExtensionSettingsTypeDef &adc,
                                        const GpioExtensionSettingsTypeDef &gpio) = 0;

    // Applies a stored profile as picking it by hand does. False when it is
    // missing or too short; then nothing was sent.
    virtual bool applyEffectsProfile(const QString &name) = 0;
    virtual bool applyPeripheryProfile(const QString &name) = 0;
};
