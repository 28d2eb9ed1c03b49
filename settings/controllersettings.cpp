// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/controllersettings.h"

#include <cstring>

namespace {

const uint8_t *recordBytes(const ControllerSettings &settings, SettingsRecord record)
{
    switch (record) {
    case SettingsRecord::Effects:
        return reinterpret_cast<const uint8_t *>(&settings.effects);
    case SettingsRecord::Hardware:
        return reinterpret_cast<const uint8_t *>(&settings.hardware);
    case SettingsRecord::Adc:
        return reinterpret_cast<const uint8_t *>(&settings.adc);
    case SettingsRecord::Gpio:
        break;
    }
    return reinterpret_cast<const uint8_t *>(&settings.gpio);
}

template <typename Value>
int read(const uint8_t *bytes)
{
    Value value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

template <typename Value>
void write(uint8_t *bytes, int value)
{
    const auto narrowed = static_cast<Value>(value);
    std::memcpy(bytes, &narrowed, sizeof narrowed);
}

} // namespace

bool operator==(const SettingsWrite &a, const SettingsWrite &b)
{
    return a.field == b.field && a.index == b.index && a.type == b.type && a.value == b.value;
}

int recordValue(const ControllerSettings &settings, const SettingsField &field)
{
    const uint8_t *bytes = recordBytes(settings, field.record) + field.offset;
    switch (field.type) {
    case SettingsValueType::Int8:
        return read<int8_t>(bytes);
    case SettingsValueType::UInt8:
        return read<uint8_t>(bytes);
    case SettingsValueType::Int16:
        return read<int16_t>(bytes);
    case SettingsValueType::UInt16:
        break;
    }
    return read<uint16_t>(bytes);
}

void setRecordValue(ControllerSettings *settings, const SettingsField &field, int value)
{
    // The records are plain bytes; casting away the const of the shared lookup is safe here.
    auto *bytes = const_cast<uint8_t *>(recordBytes(*settings, field.record)) + field.offset;
    switch (field.type) {
    case SettingsValueType::Int8:
        return write<int8_t>(bytes, value);
    case SettingsValueType::UInt8:
        return write<uint8_t>(bytes, value);
    case SettingsValueType::Int16:
        return write<int16_t>(bytes, value);
    case SettingsValueType::UInt16:
        break;
    }
    write<uint16_t>(bytes, value);
}
