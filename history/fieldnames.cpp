// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/fieldnames.h"

#include "settings/settingsrecords.h"

#include <QCoreApplication>

namespace {

// The label texts of the editors' forms, under the forms' own translation
// contexts, so the names read as in the window in every language.
struct Name {
    SettingsFieldEnum id;
    const char *context;
    const char *text;
};

const Name NAMES[] = {
    {SETTINGS_FIELD_INVERT_CONSTANT_FORCE, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Invert constant force")},
    {SETTINGS_FIELD_DIRECT_X_CONSTANT_STRENGTH, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Direct X constant forces strength (%)")},
    {SETTINGS_FIELD_DIRECT_X_SPRING_STRENGTH, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Direct X spring forces strength (%)")},
    {SETTINGS_FIELD_DIRECT_X_PERIODIC_STRENGTH, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Direct X periodic forces strength (%)")},
    {SETTINGS_FIELD_MOTION_RANGE, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Motion range (degrees)")},
    {SETTINGS_FIELD_TOTAL_EFFECT_SCALE, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Total effect strength (%)")},
    {SETTINGS_FIELD_INTEGRATED_SPRING, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Integrated spring strength (%)")},
    {SETTINGS_FIELD_SOFT_STOP_STRENGTH, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Soft stop strength (%)")},
    {SETTINGS_FIELD_SOFT_STOP_RANGE, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Soft stop range (degrees)")},
    {SETTINGS_FIELD_SOFT_STOP_DAMPENING, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Soft stop dampening (%)")},
    {SETTINGS_FIELD_STATIC_DAMPENING, "FullEffectSettingsWidget", QT_TRANSLATE_NOOP("FullEffectSettingsWidget", "Static dampening (%)")},
    {SETTINGS_FIELD_FORCE_ENABLE, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Enable forces (Require reboot)")},
    {SETTINGS_FIELD_DEBUG_FORCES, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Debug forces")},
    {SETTINGS_FIELD_AMPLIFIER_GAIN, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Current sense gain (Require reboot)")},
    {SETTINGS_FIELD_POWER_LIMIT, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Power limit (%)")},
    {SETTINGS_FIELD_CALIBRATION_MAGNITUDE, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Calibration magnitude (%)")},
    {SETTINGS_FIELD_CALIBRATION_SPEED, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Calibration speed (%)")},
    {SETTINGS_FIELD_BRAKING_LIMIT, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Braking resistor limit (%)")},
    {SETTINGS_FIELD_SPEED_SAMPLE_BUFFER_SIZE, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Speed sample buffer size")},
    {SETTINGS_FIELD_POSITION_SMOOTHING, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Position smoothing (%)")},
    {SETTINGS_FIELD_ENCODER_DIRECTION, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Invert joystick output")},
    {SETTINGS_FIELD_FORCE_DIRECTION, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Invert force output")},
    {SETTINGS_FIELD_ENCODER_CPR, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Encoder CPR")},
    {SETTINGS_FIELD_POLE_PAIRS, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "Pole pairs")},
    {SETTINGS_FIELD_P_GAIN, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "P gain")},
    {SETTINGS_FIELD_I_GAIN, "FullHardwareSettingsWidget", QT_TRANSLATE_NOOP("FullHardwareSettingsWidget", "I gain")},
    {SETTINGS_FIELD_SPI_EXTENSION_MODE, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "SPI extension mode")},
    {SETTINGS_FIELD_SPI_MODE, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "SPI mode")},
    {SETTINGS_FIELD_LATCH_MODE, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "Latch mode")},
    {SETTINGS_FIELD_SPI_LATCH_DELAY, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "Latch delay (microseconds)")},
    {SETTINGS_FIELD_SPI_PULSE_LENGTH, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "SCK pulse length (microseconds)")},
    {SETTINGS_FIELD_LOWER_DEAD_ZONE, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "Lower dead zone")},
    {SETTINGS_FIELD_UPPER_DEAD_ZONE, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "Upper dead zone")},
    {SETTINGS_FIELD_ANALOG_SMOOTHING, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "Smoothing (%)")},
    {SETTINGS_FIELD_ANALOG_BUTTON_LOW, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "Button low (%)")},
    {SETTINGS_FIELD_ANALOG_BUTTON_HIGH, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "Button high (%)")},
    {SETTINGS_FIELD_ANALOG_INVERT, "GpioExtensionWidget", QT_TRANSLATE_NOOP("GpioExtensionWidget", "Invert")},
};

const char *const AXES[] = {QT_TRANSLATE_NOOP("GpioExtensionWidget", "Rx"), QT_TRANSLATE_NOOP("GpioExtensionWidget", "Ry"),
                            QT_TRANSLATE_NOOP("GpioExtensionWidget", "Rz")};

QString gpio(const char *text)
{
    return QCoreApplication::translate("GpioExtensionWidget", text);
}

} // namespace

QString fieldDisplayName(const SettingsField &field)
{
    // The form names each pin and button in a label of its own ("Pin 3",
    // "Button 17"); those texts are looked up as they stand.
    if (field.id == SETTINGS_FIELD_GPIO_MODE) {
        if (field.index == 8)
            return gpio("Encoder Z0");
        if (field.index == 9)
            return gpio("Encoder Z1");
        return gpio(("Pin " + QByteArray::number(field.index + 1)).constData());
    }
    if (field.id == SETTINGS_FIELD_BUTTON_MODE)
        return gpio(("Button " + QByteArray::number(field.index + 1)).constData());
    for (const Name &name : NAMES) {
        if (name.id != field.id)
            continue;
        const QString text = QCoreApplication::translate(name.context, name.text);
        if (field.record == SettingsRecord::Adc && field.index >= 0 && field.index < ANALOG_AXIS_COUNT)
            return gpio(AXES[field.index]) + u' ' + text;
        return text;
    }
    return QLatin1String(field.key);
}

bool isHardwareField(const SettingsField &field)
{
    return field.record == SettingsRecord::Hardware;
}
