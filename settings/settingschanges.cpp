// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingschanges.h"

namespace {

// The reset-centre switch is not a record field. Putting a GPIO record into
// the periphery editor sets it from the Encoder Z0 pin (on when the pin's
// mode is not zero), right after that pin's own control, and it is always
// sent with this index.
constexpr int ENCODER_Z0_ELEMENT = 8;
constexpr int8_t ENABLE_RESET_BUTTON_INDEX = 1;

ControllerSettings withRecords(const EffectSettingsTypeDef *effects, const HardwareSettingsTypeDef *hardware,
                               const AdcExtensionSettingsTypeDef *adc, const GpioExtensionSettingsTypeDef *gpio)
{
    ControllerSettings settings;
    if (effects)
        settings.effects = *effects;
    if (hardware)
        settings.hardware = *hardware;
    if (adc)
        settings.adc = *adc;
    if (gpio)
        settings.gpio = *gpio;
    return settings;
}

// A control that shows `current` and is set to `target`'s value changes, and
// reports itself, only when what it then shows differs. A combo box given a
// value beyond its items loses its current item and reports nothing.
void appendRecordChanges(QVector<SettingsWrite> *writes, SettingsRecord record, const ControllerSettings &current,
                         const ControllerSettings &target)
{
    for (const SettingsField &field : settingsFields()) {
        if (field.record != record)
            continue;
        const int shownBefore = shownState(field, recordValue(current, field));
        const int shownAfter = shownState(field, recordValue(target, field));
        if (shownAfter != shownBefore && shownAfter >= 0)
            writes->append({field.id, field.index, field.type, recordValueForState(field, shownAfter)});

        if (field.id == SETTINGS_FIELD_GPIO_MODE && field.index == ENCODER_Z0_ELEMENT) {
            const bool resetBefore = recordValue(current, field) != 0;
            const bool resetAfter = recordValue(target, field) != 0;
            if (resetBefore != resetAfter)
                writes->append({SETTINGS_FIELD_ENABLE_RESET_BUTTON, ENABLE_RESET_BUTTON_INDEX,
                                SettingsValueType::UInt8, resetAfter ? 1 : 0});
        }
    }
}

} // namespace

QVector<SettingsWrite> effectsChanges(const EffectSettingsTypeDef &current, const EffectSettingsTypeDef &target)
{
    QVector<SettingsWrite> writes;
    appendRecordChanges(&writes, SettingsRecord::Effects, withRecords(&current, nullptr, nullptr, nullptr),
                        withRecords(&target, nullptr, nullptr, nullptr));
    return writes;
}

QVector<SettingsWrite> hardwareChanges(const HardwareSettingsTypeDef &current, const HardwareSettingsTypeDef &target)
{
    QVector<SettingsWrite> writes;
    appendRecordChanges(&writes, SettingsRecord::Hardware, withRecords(nullptr, &current, nullptr, nullptr),
                        withRecords(nullptr, &target, nullptr, nullptr));
    return writes;
}

QVector<SettingsWrite> peripheryChanges(const AdcExtensionSettingsTypeDef &currentAdc,
                                        const GpioExtensionSettingsTypeDef &currentGpio,
                                        const AdcExtensionSettingsTypeDef &targetAdc,
                                        const GpioExtensionSettingsTypeDef &targetGpio)
{
    const ControllerSettings current = withRecords(nullptr, nullptr, &currentAdc, &currentGpio);
    const ControllerSettings target = withRecords(nullptr, nullptr, &targetAdc, &targetGpio);
    QVector<SettingsWrite> writes;
    appendRecordChanges(&writes, SettingsRecord::Adc, current, target);
    appendRecordChanges(&writes, SettingsRecord::Gpio, current, target);
    return writes;
}

QVector<SettingsWrite> fieldChange(const ControllerSettings &current, const SettingsField &field, int value)
{
    // Choosing a pin mode by hand does not move the reset-centre switch; only
    // putting a whole record into the editor does. A value the control cannot
    // take is shown as the control would show it.
    const int shownAfter = shownState(field, recordValueForState(field, value));
    if (shownAfter < 0 || shownState(field, recordValue(current, field)) == shownAfter)
        return {};
    return {{field.id, field.index, field.type, recordValueForState(field, shownAfter)}};
}
