// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The four 64-byte settings records exactly as the controller sends them in
// its feature reports and as profile files store them: packed, little-endian.
// They are copied in and out of frames as byte blocks, never field by field.

#include <QMetaType>

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// Feature report 0x22.
struct EffectSettingsTypeDef {
    uint16_t motion_range = 0;
    uint16_t static_dampening = 0;
    uint16_t soft_stop_dampening = 0;
    uint8_t total_effect_scale = 0;
    uint8_t integrated_spring = 0;
    uint8_t soft_stop_range = 0;
    uint8_t soft_stop_strength = 0;
    int8_t invert_constant_force = 0; // +1 on, -1 off
    uint8_t direct_x_spring_strength = 0;
    uint8_t direct_x_constant_strength = 0;
    uint8_t direct_x_periodic_strength = 0;
    uint8_t reserved[50] = {};
};

// Feature report 0x21.
struct HardwareSettingsTypeDef {
    uint16_t encoder_cpr = 0;
    uint16_t i_gain = 0;
    uint8_t p_gain = 0;
    uint8_t force_enable = 0;
    uint8_t debug_forces = 0;
    uint8_t amplifier_gain = 0; // 0 = 80 V/V, 1 = 40 V/V, 2 = 20 V/V, 3 = 10 V/V
    uint8_t calibration_magnitude = 0;
    uint8_t calibration_speed = 0;
    uint8_t power_limit = 0;
    uint8_t braking_limit = 0;
    uint8_t position_smoothing = 0;
    uint8_t speed_sample_buffer_size = 0;
    int8_t encoder_direction = 0; // 1 inverted, anything else normal
    int8_t force_direction = 0;   // 1 inverted, anything else normal
    uint8_t pole_pairs = 0;
    uint8_t reserved[47] = {};
};

enum GpioPinModeEnum : uint8_t {
    GPIO_MODE_DISABLED = 0,
    GPIO_MODE_GENERIC_BUTTON = 1,
    GPIO_MODE_ANALOG = 2,
    GPIO_MODE_SPI_CS = 3,
    GPIO_MODE_SPI_SCK = 4,
    GPIO_MODE_SPI_MISO = 5,
    GPIO_MODE_ENABLE_EFFECTS_SWITCH = 6,
    GPIO_MODE_RESET_CENTER_BUTTON = 7,
    GPIO_MODE_BRAKING_PWM = 8,
    GPIO_MODE_EFFECT_LED = 9,
    GPIO_MODE_REBOOT = 10,
};

enum ButtonModeEnum : uint8_t {
    BUTTON_MODE_DISABLED = 0,
    BUTTON_MODE_NORMAL = 1,
    BUTTON_MODE_INVERTED = 2,
};

enum SpiExtensionModeEnum : uint8_t {
    SPI_EXTENSION_DISABLED = 0,
    SPI_EXTENSION_CUSTOM = 1,
};

enum LatchModeEnum : uint8_t {
    LATCH_MODE_UP = 0,
    LATCH_MODE_DOWN = 1,
};

constexpr int GPIO_PIN_COUNT = 10;
constexpr int BUTTON_COUNT = 32;
constexpr int ANALOG_AXIS_COUNT = 3;

// Feature report 0xA1.
struct GpioExtensionSettingsTypeDef {
    uint8_t spi_extension_mode = 0;         // SpiExtensionModeEnum
    uint8_t gpio_mode[GPIO_PIN_COUNT] = {}; // GpioPinModeEnum; pins 1..8, Encoder Z0, Encoder Z1
    uint8_t button_mode[BUTTON_COUNT] = {}; // ButtonModeEnum
    uint8_t spi_mode = 0;                   // SPI clock mode 0..3
    uint8_t latch_mode = 0;                 // LatchModeEnum
    uint8_t spi_latch_delay = 0;            // microseconds
    uint8_t spi_pulse_length = 0;           // microseconds
    uint8_t reserved[17] = {};
};

// Feature report 0xA2. Arrays are indexed by axis: Rx, Ry, Rz.
struct AdcExtensionSettingsTypeDef {
    uint16_t lower_dead_zone[ANALOG_AXIS_COUNT] = {};
    uint16_t upper_dead_zone[ANALOG_AXIS_COUNT] = {};
    uint8_t analog_smoothing[ANALOG_AXIS_COUNT] = {};
    uint8_t analog_button_low[ANALOG_AXIS_COUNT] = {};
    uint8_t analog_button_high[ANALOG_AXIS_COUNT] = {};
    uint8_t analog_invert[ANALOG_AXIS_COUNT] = {}; // non-zero reads as inverted
    uint8_t reserved[40] = {};
};

#pragma pack(pop)

constexpr std::size_t SETTINGS_RECORD_SIZE = 64;

static_assert(sizeof(EffectSettingsTypeDef) == SETTINGS_RECORD_SIZE);
static_assert(offsetof(EffectSettingsTypeDef, motion_range) == 0);
static_assert(offsetof(EffectSettingsTypeDef, static_dampening) == 2);
static_assert(offsetof(EffectSettingsTypeDef, soft_stop_dampening) == 4);
static_assert(offsetof(EffectSettingsTypeDef, total_effect_scale) == 6);
static_assert(offsetof(EffectSettingsTypeDef, integrated_spring) == 7);
static_assert(offsetof(EffectSettingsTypeDef, soft_stop_range) == 8);
static_assert(offsetof(EffectSettingsTypeDef, soft_stop_strength) == 9);
static_assert(offsetof(EffectSettingsTypeDef, invert_constant_force) == 10);
static_assert(offsetof(EffectSettingsTypeDef, direct_x_spring_strength) == 11);
static_assert(offsetof(EffectSettingsTypeDef, direct_x_constant_strength) == 12);
static_assert(offsetof(EffectSettingsTypeDef, direct_x_periodic_strength) == 13);
static_assert(offsetof(EffectSettingsTypeDef, reserved) == 14);

static_assert(sizeof(HardwareSettingsTypeDef) == SETTINGS_RECORD_SIZE);
static_assert(offsetof(HardwareSettingsTypeDef, encoder_cpr) == 0);
static_assert(offsetof(HardwareSettingsTypeDef, i_gain) == 2);
static_assert(offsetof(HardwareSettingsTypeDef, p_gain) == 4);
static_assert(offsetof(HardwareSettingsTypeDef, force_enable) == 5);
static_assert(offsetof(HardwareSettingsTypeDef, debug_forces) == 6);
static_assert(offsetof(HardwareSettingsTypeDef, amplifier_gain) == 7);
static_assert(offsetof(HardwareSettingsTypeDef, calibration_magnitude) == 8);
static_assert(offsetof(HardwareSettingsTypeDef, calibration_speed) == 9);
static_assert(offsetof(HardwareSettingsTypeDef, power_limit) == 10);
static_assert(offsetof(HardwareSettingsTypeDef, braking_limit) == 11);
static_assert(offsetof(HardwareSettingsTypeDef, position_smoothing) == 12);
static_assert(offsetof(HardwareSettingsTypeDef, speed_sample_buffer_size) == 13);
static_assert(offsetof(HardwareSettingsTypeDef, encoder_direction) == 14);
static_assert(offsetof(HardwareSettingsTypeDef, force_direction) == 15);
static_assert(offsetof(HardwareSettingsTypeDef, pole_pairs) == 16);
static_assert(offsetof(HardwareSettingsTypeDef, reserved) == 17);

static_assert(sizeof(GpioExtensionSettingsTypeDef) == SETTINGS_RECORD_SIZE);
static_assert(offsetof(GpioExtensionSettingsTypeDef, spi_extension_mode) == 0);
static_assert(offsetof(GpioExtensionSettingsTypeDef, gpio_mode) == 1);
static_assert(offsetof(GpioExtensionSettingsTypeDef, button_mode) == 11);
static_assert(offsetof(GpioExtensionSettingsTypeDef, spi_mode) == 43);
static_assert(offsetof(GpioExtensionSettingsTypeDef, latch_mode) == 44);
static_assert(offsetof(GpioExtensionSettingsTypeDef, spi_latch_delay) == 45);
static_assert(offsetof(GpioExtensionSettingsTypeDef, spi_pulse_length) == 46);
static_assert(offsetof(GpioExtensionSettingsTypeDef, reserved) == 47);

static_assert(sizeof(AdcExtensionSettingsTypeDef) == SETTINGS_RECORD_SIZE);
static_assert(offsetof(AdcExtensionSettingsTypeDef, lower_dead_zone) == 0);
static_assert(offsetof(AdcExtensionSettingsTypeDef, upper_dead_zone) == 6);
static_assert(offsetof(AdcExtensionSettingsTypeDef, analog_smoothing) == 12);
static_assert(offsetof(AdcExtensionSettingsTypeDef, analog_button_low) == 15);
static_assert(offsetof(AdcExtensionSettingsTypeDef, analog_button_high) == 18);
static_assert(offsetof(AdcExtensionSettingsTypeDef, analog_invert) == 21);
static_assert(offsetof(AdcExtensionSettingsTypeDef, reserved) == 24);

// Declares the records and the field identifier to Qt's meta-type system under
// their own names, so that they travel by value through queued connections.
void registerSettingsMetaTypes();

Q_DECLARE_METATYPE(EffectSettingsTypeDef)
Q_DECLARE_METATYPE(EffectSettingsTypeDef *)
Q_DECLARE_METATYPE(HardwareSettingsTypeDef)
Q_DECLARE_METATYPE(GpioExtensionSettingsTypeDef)
Q_DECLARE_METATYPE(AdcExtensionSettingsTypeDef)

// The records are the controller's bytes as they lie in memory.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "settings records are little-endian on the wire");
