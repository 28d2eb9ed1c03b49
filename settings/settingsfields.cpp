// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsfields.h"

#include "settings/settingsrecords.h"

#include <QtGlobal>

#include <cstddef>

namespace {

constexpr auto Int8 = SettingsValueType::Int8;
constexpr auto UInt8 = SettingsValueType::UInt8;
constexpr auto UInt16 = SettingsValueType::UInt16;

using Control = SettingsControl;

// The generated keys live as long as the program: the table keeps pointers to
// their bytes, which stay where they are however the list grows.
QList<QByteArray> &generatedKeys()
{
    static QList<QByteArray> keys;
    return keys;
}

const char *keep(const QByteArray &key)
{
    generatedKeys().append(key);
    return generatedKeys().constLast().constData();
}

constexpr uint32_t bit(int item) { return uint32_t(1) << item; }

void addEffectsFields(QVector<SettingsField> &t)
{
    const auto R = SettingsRecord::Effects;
    const auto at = [](std::size_t offset) { return int(offset); };
    using E = EffectSettingsTypeDef;
    t.append({"effects.invert_constant_force", R, at(offsetof(E, invert_constant_force)), Int8,
              SETTINGS_FIELD_INVERT_CONSTANT_FORCE, 0, Control::Invert, 0, 1, {}});
    t.append({"effects.direct_x_constant_strength", R, at(offsetof(E, direct_x_constant_strength)), UInt8,
              SETTINGS_FIELD_DIRECT_X_CONSTANT_STRENGTH, 0, Control::Number, 0, 100, {}});
    t.append({"effects.direct_x_spring_strength", R, at(offsetof(E, direct_x_spring_strength)), UInt8,
              SETTINGS_FIELD_DIRECT_X_SPRING_STRENGTH, 0, Control::Number, 0, 100, {}});
    t.append({"effects.direct_x_periodic_strength", R, at(offsetof(E, direct_x_periodic_strength)), UInt8,
              SETTINGS_FIELD_DIRECT_X_PERIODIC_STRENGTH, 0, Control::Number, 0, 100, {}});
    t.append({"effects.motion_range", R, at(offsetof(E, motion_range)), UInt16, SETTINGS_FIELD_MOTION_RANGE, 0,
              Control::Number, 0, 9999, {}});
    t.append({"effects.total_effect_scale", R, at(offsetof(E, total_effect_scale)), UInt8,
              SETTINGS_FIELD_TOTAL_EFFECT_SCALE, 0, Control::Number, 0, 100, {}});
    t.append({"effects.integrated_spring", R, at(offsetof(E, integrated_spring)), UInt8,
              SETTINGS_FIELD_INTEGRATED_SPRING, 0, Control::Number, 0, 100, {}});
    t.append({"effects.soft_stop_strength", R, at(offsetof(E, soft_stop_strength)), UInt8,
              SETTINGS_FIELD_SOFT_STOP_STRENGTH, 0, Control::Number, 0, 100, {}});
    t.append({"effects.soft_stop_range", R, at(offsetof(E, soft_stop_range)), UInt8, SETTINGS_FIELD_SOFT_STOP_RANGE,
              0, Control::Number, 1, 45, {}});
    t.append({"effects.soft_stop_dampening", R, at(offsetof(E, soft_stop_dampening)), UInt16,
              SETTINGS_FIELD_SOFT_STOP_DAMPENING, 0, Control::Number, 0, 1000, {}});
    t.append({"effects.static_dampening", R, at(offsetof(E, static_dampening)), UInt16,
              SETTINGS_FIELD_STATIC_DAMPENING, 0, Control::Number, 0, 1000, {}});
}

void addHardwareFields(QVector<SettingsField> &t)
{
    const auto R = SettingsRecord::Hardware;
    const auto at = [](std::size_t offset) { return int(offset); };
    using H = HardwareSettingsTypeDef;
    t.append({"hardware.force_enable", R, at(offsetof(H, force_enable)), UInt8, SETTINGS_FIELD_FORCE_ENABLE, 0,
              Control::Switch, 0, 1, {}});
    t.append({"hardware.debug_forces", R, at(offsetof(H, debug_forces)), UInt8, SETTINGS_FIELD_DEBUG_FORCES, 0,
              Control::Switch, 0, 1, {}});
    t.append({"hardware.amplifier_gain", R, at(offsetof(H, amplifier_gain)), UInt8, SETTINGS_FIELD_AMPLIFIER_GAIN,
              0, Control::Choice, 0, 3, {"80V/V", "40V/V", "20V/V", "10V/V"}});
    t.append({"hardware.power_limit", R, at(offsetof(H, power_limit)), UInt8, SETTINGS_FIELD_POWER_LIMIT, 0,
              Control::Number, 0, 100, {}});
    t.append({"hardware.calibration_magnitude", R, at(offsetof(H, calibration_magnitude)), UInt8,
              SETTINGS_FIELD_CALIBRATION_MAGNITUDE, 0, Control::Number, 0, 100, {}});
    t.append({"hardware.calibration_speed", R, at(offsetof(H, calibration_speed)), UInt8,
              SETTINGS_FIELD_CALIBRATION_SPEED, 0, Control::Number, 0, 250, {}});
    t.append({"hardware.braking_limit", R, at(offsetof(H, braking_limit)), UInt8, SETTINGS_FIELD_BRAKING_LIMIT, 0,
              Control::Number, 0, 100, {}});
    t.append({"hardware.speed_sample_buffer_size", R, at(offsetof(H, speed_sample_buffer_size)), UInt8,
              SETTINGS_FIELD_SPEED_SAMPLE_BUFFER_SIZE, 0, Control::Number, 2, 32, {}});
    t.append({"hardware.position_smoothing", R, at(offsetof(H, position_smoothing)), UInt8,
              SETTINGS_FIELD_POSITION_SMOOTHING, 0, Control::Number, 0, 100, {}});
    t.append({"hardware.encoder_direction", R, at(offsetof(H, encoder_direction)), Int8,
              SETTINGS_FIELD_ENCODER_DIRECTION, 0, Control::Direction, 0, 1, {}});
    t.append({"hardware.force_direction", R, at(offsetof(H, force_direction)), Int8, SETTINGS_FIELD_FORCE_DIRECTION,
              0, Control::Direction, 0, 1, {}});
    t.append({"hardware.encoder_cpr", R, at(offsetof(H, encoder_cpr)), UInt16, SETTINGS_FIELD_ENCODER_CPR, 0,
              Control::Number, 0, 65535, {}});
    t.append({"hardware.pole_pairs", R, at(offsetof(H, pole_pairs)), UInt8, SETTINGS_FIELD_POLE_PAIRS, 0,
              Control::Number, 0, 99, {}});
    t.append({"hardware.p_gain", R, at(offsetof(H, p_gain)), UInt8, SETTINGS_FIELD_P_GAIN, 0, Control::Number, 0,
              100, {}});
    t.append({"hardware.i_gain", R, at(offsetof(H, i_gain)), UInt16, SETTINGS_FIELD_I_GAIN, 0, Control::Number, 0,
              500, {}});
}

void addAdcFields(QVector<SettingsField> &t)
{
    const auto R = SettingsRecord::Adc;
    using A = AdcExtensionSettingsTypeDef;
    const char *axes[ANALOG_AXIS_COUNT] = {"rx", "ry", "rz"};
    for (int axis = 0; axis < ANALOG_AXIS_COUNT; ++axis) {
        const QByteArray prefix = QByteArray("adc.") + axes[axis] + '.';
        const auto i = static_cast<int8_t>(axis);
        const auto at8 = [axis](std::size_t offset) { return int(offset) + axis; };
        const auto at16 = [axis](std::size_t offset) { return int(offset) + 2 * axis; };
        t.append({keep(prefix + "invert"), R, at8(offsetof(A, analog_invert)), UInt8, SETTINGS_FIELD_ANALOG_INVERT, i,
                  Control::Switch, 0, 1, {}});
        t.append({keep(prefix + "button_low"), R, at8(offsetof(A, analog_button_low)), UInt8,
                  SETTINGS_FIELD_ANALOG_BUTTON_LOW, i, Control::Number, 0, 100, {}});
        t.append({keep(prefix + "button_high"), R, at8(offsetof(A, analog_button_high)), UInt8,
                  SETTINGS_FIELD_ANALOG_BUTTON_HIGH, i, Control::Number, 0, 100, {}});
        t.append({keep(prefix + "lower_dead_zone"), R, at16(offsetof(A, lower_dead_zone)), UInt16,
                  SETTINGS_FIELD_LOWER_DEAD_ZONE, i, Control::Number, 0, 32767, {}});
        t.append({keep(prefix + "upper_dead_zone"), R, at16(offsetof(A, upper_dead_zone)), UInt16,
                  SETTINGS_FIELD_UPPER_DEAD_ZONE, i, Control::Number, 0, 32767, {}});
        t.append({keep(prefix + "smoothing"), R, at8(offsetof(A, analog_smoothing)), UInt8,
                  SETTINGS_FIELD_ANALOG_SMOOTHING, i, Control::Number, 0, 100, {}});
    }
}

void addGpioFields(QVector<SettingsField> &t)
{
    const auto R = SettingsRecord::Gpio;
    using G = GpioExtensionSettingsTypeDef;
    const auto at = [](std::size_t offset) { return int(offset); };
    t.append({"gpio.spi_extension_mode", R, at(offsetof(G, spi_extension_mode)), UInt8,
              SETTINGS_FIELD_SPI_EXTENSION_MODE, 0, Control::Choice, 0, 1, {"Disabled", "Custom"}});
    t.append({"gpio.spi_mode", R, at(offsetof(G, spi_mode)), UInt8, SETTINGS_FIELD_SPI_MODE, 0, Control::Choice, 0,
              3, {"Mode 0", "Mode 1", "Mode 2", "Mode 3"}});
    t.append({"gpio.latch_mode", R, at(offsetof(G, latch_mode)), UInt8, SETTINGS_FIELD_LATCH_MODE, 0,
              Control::Choice, 0, 1, {"Latch UP", "Latch DOWN"}});
    t.append({"gpio.spi_latch_delay", R, at(offsetof(G, spi_latch_delay)), UInt8, SETTINGS_FIELD_SPI_LATCH_DELAY, 0,
              Control::Number, 1, 10, {}});
    t.append({"gpio.spi_pulse_length", R, at(offsetof(G, spi_pulse_length)), UInt8, SETTINGS_FIELD_SPI_PULSE_LENGTH,
              0, Control::Number, 1, 10, {}});

    const QStringList pinModes = {"Disabled",   "Generic button",        "Analog",
                                  "SPI CS",     "SPI SCK",               "SPI MISO",
                                  "Enable effects switch", "Reset center button", "Braking PWM",
                                  "Effect LED", "Reboot"};
    for (int element = 0; element < GPIO_PIN_COUNT; ++element) {
        // The braking output exists on pin 8 only, analog inputs on pins 1 to
        // 3 only, and the encoder pins cannot read a button.
        uint32_t hidden = 0;
        if (element != 7)
            hidden |= bit(GPIO_MODE_BRAKING_PWM);
        if (element >= 3)
            hidden |= bit(GPIO_MODE_ANALOG);
        if (element >= 8)
            hidden |= bit(GPIO_MODE_GENERIC_BUTTON);
        const QByteArray key = element < 8 ? "gpio.pin" + QByteArray::number(element + 1) + ".mode"
                                           : "gpio.encoder_z" + QByteArray::number(element - 8) + ".mode";
        t.append({keep(key), R, at(offsetof(G, gpio_mode)) + element, UInt8, SETTINGS_FIELD_GPIO_MODE,
                  static_cast<int8_t>(element), Control::Choice, 0, int(pinModes.size()) - 1, pinModes, hidden});
    }
    const QStringList buttonModes = {"Disabled", "Normal", "Inverted"};
    for (int element = 0; element < BUTTON_COUNT; ++element)
        t.append({keep("gpio.button" + QByteArray::number(element + 1) + ".mode"), R,
                  at(offsetof(G, button_mode)) + element, UInt8, SETTINGS_FIELD_BUTTON_MODE,
                  static_cast<int8_t>(element), Control::Choice, 0, 2, buttonModes});
}

QVector<SettingsField> buildTable()
{
    QVector<SettingsField> table;
    table.reserve(91);
    addEffectsFields(table);
    addHardwareFields(table);
    addAdcFields(table);
    addGpioFields(table);
    return table;
}

} // namespace

const QVector<SettingsField> &settingsFields()
{
    static const QVector<SettingsField> table = buildTable();
    return table;
}

const SettingsField *findSettingsField(QStringView key)
{
    for (const SettingsField &field : settingsFields()) {
        if (key == QLatin1String(field.key))
            return &field;
    }
    return nullptr;
}

const SettingsField *findSettingsField(SettingsFieldEnum id, int index)
{
    for (const SettingsField &field : settingsFields()) {
        if (field.id == id && field.index == index)
            return &field;
    }
    return nullptr;
}

int shownState(const SettingsField &field, int recordValue)
{
    switch (field.control) {
    case SettingsControl::Number:
        return qBound(field.minimum, recordValue, field.maximum);
    case SettingsControl::Choice:
        return recordValue >= 0 && recordValue < field.choices.size() ? recordValue : -1;
    case SettingsControl::Switch:
        return recordValue != 0 ? 1 : 0;
    case SettingsControl::Direction:
        return recordValue == 1 ? 1 : 0;
    case SettingsControl::Invert:
        return recordValue > 0 ? 1 : 0;
    }
    return 0;
}

int recordValueForState(const SettingsField &field, int state)
{
    switch (field.control) {
    case SettingsControl::Number:
    case SettingsControl::Choice:
        return state;
    case SettingsControl::Switch:
        return state != 0 ? 1 : 0;
    case SettingsControl::Direction:
    case SettingsControl::Invert:
        return state != 0 ? 1 : -1;
    }
    return state;
}

bool isOfferedState(const SettingsField &field, int state)
{
    if (state < field.minimum || state > field.maximum)
        return false;
    return field.control != SettingsControl::Choice || state >= 32 || !(field.hiddenChoices & bit(state));
}
