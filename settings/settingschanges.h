// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings writes the window sends, computed without the window: when its
// editors show `current` (as loaded from the controller) and `target` is put
// into them with sending on (a profile pick; for the hardware record: setting
// each control in the editor's order), one write per control that changes, in
// the editor's order, ADC before GPIO for the periphery.

#include "settings/controllersettings.h"

#include <QVector>

QVector<SettingsWrite> effectsChanges(const EffectSettingsTypeDef &current, const EffectSettingsTypeDef &target);
QVector<SettingsWrite> hardwareChanges(const HardwareSettingsTypeDef &current, const HardwareSettingsTypeDef &target);
QVector<SettingsWrite> peripheryChanges(const AdcExtensionSettingsTypeDef &currentAdc,
                                        const GpioExtensionSettingsTypeDef &currentGpio,
                                        const AdcExtensionSettingsTypeDef &targetAdc,
                                        const GpioExtensionSettingsTypeDef &targetGpio);
// The writes for setting one field's control to a state, as typing or choosing
// it in the window sends them: nothing when the control already shows it.
QVector<SettingsWrite> fieldChange(const ControllerSettings &current, const SettingsField &field, int value);
