// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The wire contract with the wheel controller: identity, the one 65-byte
// frame every transfer uses, report ids, command codes and the single-field
// settings-write frame.

#include "settings/controllersettings.h"

#include <QMetaType>
#include <QString>

#include <cstddef>
#include <cstdint>

constexpr unsigned short DEVICE_VENDOR_ID = 0x045B;
constexpr unsigned short DEVICE_PRODUCT_ID = 0x59D7;
constexpr int DEVICE_INTERFACE_NUMBER = 0;
constexpr std::size_t HID_REPORT_SIZE = 65;
constexpr std::size_t HID_PAYLOAD_SIZE = HID_REPORT_SIZE - 1;

constexpr uint8_t REPORT_ID_COMMAND = 0xA3;
constexpr uint8_t REPORT_ID_HARDWARE_SETTINGS = 0x21;
constexpr uint8_t REPORT_ID_EFFECT_SETTINGS = 0x22;
constexpr uint8_t REPORT_ID_FIRMWARE_INFO = 0x25;
constexpr uint8_t REPORT_ID_GPIO_EXTENSION_SETTINGS = 0xA1;
constexpr uint8_t REPORT_ID_ADC_EXTENSION_SETTINGS = 0xA2;

constexpr uint8_t COMMAND_REBOOT = 0x01;
constexpr uint8_t COMMAND_SAVE_SETTINGS = 0x02;
constexpr uint8_t COMMAND_SWITCH_TO_DFU = 0x03;
constexpr uint8_t COMMAND_RESET_CENTER = 0x04;
constexpr uint8_t COMMAND_WRITE_SETTING = 0x14;

constexpr uint8_t RELEASE_TYPE_RELEASE_CANDIDATE = 1;

#pragma pack(push, 1)

struct HidInOutReportTypeDef {
    uint8_t report_id = 0;
    uint8_t command = 0;
    uint8_t data[HID_REPORT_SIZE - 2] = {};
};

struct FirmwareVersionTypeDef {
    uint8_t release_type = 0; // 1 = release candidate ("RC"), anything else a release ("R")
    uint8_t major = 0;
    uint8_t minor = 0;
    uint8_t patch = 0;
};

// Payload of the input report; only the version at its start is used.
struct DeviceStateTypeDef {
    FirmwareVersionTypeDef firmware_version;
    uint8_t reserved[HID_PAYLOAD_SIZE - sizeof(FirmwareVersionTypeDef)] = {};
};

#pragma pack(pop)

static_assert(sizeof(HidInOutReportTypeDef) == HID_REPORT_SIZE);
static_assert(offsetof(HidInOutReportTypeDef, command) == 1);
static_assert(offsetof(HidInOutReportTypeDef, data) == 2);
static_assert(sizeof(FirmwareVersionTypeDef) == 4);
static_assert(sizeof(DeviceStateTypeDef) == HID_PAYLOAD_SIZE);

bool operator==(const FirmwareVersionTypeDef &a, const FirmwareVersionTypeDef &b);
bool operator!=(const FirmwareVersionTypeDef &a, const FirmwareVersionTypeDef &b);

// "RC" for a release candidate, "R" otherwise.
QString releaseTypeText(uint8_t releaseType);
// For example "RC.24.1.4".
QString versionText(const FirmwareVersionTypeDef &version);

// Settings-write frame builders. Each writes bytes 0-3 and the value's bytes
// (little-endian) and touches nothing else, so callers pass a zeroed frame.
void CreateInt8SettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, int8_t value);
void CreateInt16SettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, int16_t value);
void CreateUInt8SettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, uint8_t value);
void CreateUInt16SettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, uint16_t value);
void CreateFloatSettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, float value);
// The frame of one planned settings write, built by the builder of its type.
void CreateSettingsReport(HidInOutReportTypeDef *report, const SettingsWrite &write);

Q_DECLARE_METATYPE(FirmwareVersionTypeDef)
