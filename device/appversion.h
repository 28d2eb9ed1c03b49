// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/devicereports.h"

#include <cstdint>

// The version of this build. The controller's firmware is expected to carry
// the same version.
constexpr uint8_t SOFTWARE_RELEASE_TYPE = 1;
constexpr uint8_t SOFTWARE_VERSION_MAJOR = 24;
constexpr uint8_t SOFTWARE_VERSION_MINOR = 1;
constexpr uint8_t SOFTWARE_VERSION_PATCH = 4;

constexpr FirmwareVersionTypeDef softwareVersion()
{
    return FirmwareVersionTypeDef{SOFTWARE_RELEASE_TYPE, SOFTWARE_VERSION_MAJOR, SOFTWARE_VERSION_MINOR,
                                  SOFTWARE_VERSION_PATCH};
}
