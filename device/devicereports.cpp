// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/devicereports.h"

#include <cstring>

bool operator==(const FirmwareVersionTypeDef &a, const FirmwareVersionTypeDef &b)
{
    return a.release_type == b.release_type && a.major == b.major && a.minor == b.minor && a.patch == b.patch;
}

bool operator!=(const FirmwareVersionTypeDef &a, const FirmwareVersionTypeDef &b)
{
    return !(a == b);
}

QString releaseTypeText(uint8_t releaseType)
{
    return releaseType == RELEASE_TYPE_RELEASE_CANDIDATE ? QStringLiteral("RC") : QStringLiteral("R");
}

QString versionText(const FirmwareVersionTypeDef &version)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(releaseTypeText(version.release_type))
        .arg(version.major)
        .arg(version.minor)
        .arg(version.patch);
}

namespace {

// The value goes into the frame as the host lays it out; the records and the
// controller are little-endian, which settingsrecords.h asserts at compile time.
template <typename Value>
void fillSettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, Value value)
{
    static_assert(sizeof(Value) <= sizeof(report->data) - 2);
    report->report_id = REPORT_ID_COMMAND;
    report->command = COMMAND_WRITE_SETTING;
    report->data[0] = fieldId;
    report->data[1] = index;
    std::memcpy(&report->data[2], &value, sizeof(Value));
}

} // namespace

void CreateInt8SettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, int8_t value)
{
    fillSettingsReport(report, fieldId, index, value);
}

void CreateInt16SettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, int16_t value)
{
    fillSettingsReport(report, fieldId, index, value);
}

void CreateUInt8SettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, uint8_t value)
{
    fillSettingsReport(report, fieldId, index, value);
}

void CreateUInt16SettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, uint16_t value)
{
    fillSettingsReport(report, fieldId, index, value);
}

void CreateFloatSettingsReport(HidInOutReportTypeDef *report, uint8_t fieldId, uint8_t index, float value)
{
    fillSettingsReport(report, fieldId, index, value);
}

void CreateSettingsReport(HidInOutReportTypeDef *report, const SettingsWrite &write)
{
    const auto field = static_cast<uint8_t>(write.field);
    const auto index = static_cast<uint8_t>(write.index);
    switch (write.type) {
    case SettingsValueType::Int8:
        return CreateInt8SettingsReport(report, field, index, static_cast<int8_t>(write.value));
    case SettingsValueType::UInt8:
        return CreateUInt8SettingsReport(report, field, index, static_cast<uint8_t>(write.value));
    case SettingsValueType::Int16:
        return CreateInt16SettingsReport(report, field, index, static_cast<int16_t>(write.value));
    case SettingsValueType::UInt16:
        break;
    }
    CreateUInt16SettingsReport(report, field, index, static_cast<uint16_t>(write.value));
}
