// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/controllersettings.h"

#include <cstring>
#include <type_traits>

namespace {

// The bytes of one record, const or not as the settings are.
template <typename Settings>
auto *recordBytes(Settings &settings, SettingsRecord record)
{
    using Byte = std::conditional_t<std::is_const_v<Settings>, const uint8_t, uint8_t>;
    switch (record) {
    case SettingsRecord::Effects:
        return reinterpret_cast<Byte *>(&settings.effects);
    case SettingsRecord::Hardware:
        return reinterpret_cast<Byte *>(&settings.hardware);
    case SettingsRecord::Adc:
        return reinterpret_cast<Byte *>(&settings.adc);
    case SettingsRecord::Gpio:
        break;
    }
    return reinterpret_cast<Byte *>(&settings.gpio);
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
    uint8_t *bytes = recordBytes(*settings, field.record) + field.offset;
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
