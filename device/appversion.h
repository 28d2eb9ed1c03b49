// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/devicereports.h"
#include "projectversion.h"

#include <cstdint>

// The version of this build, from project() in CMakeLists.txt. The
// controller's firmware is expected to carry the same version.
static_assert(projectversion::MAJOR <= 255 && projectversion::MINOR <= 255 && projectversion::PATCH <= 255,
              "each part of the version is one byte on the wire");
constexpr uint8_t SOFTWARE_RELEASE_TYPE = 1;
constexpr uint8_t SOFTWARE_VERSION_MAJOR = uint8_t(projectversion::MAJOR);
constexpr uint8_t SOFTWARE_VERSION_MINOR = uint8_t(projectversion::MINOR);
constexpr uint8_t SOFTWARE_VERSION_PATCH = uint8_t(projectversion::PATCH);

constexpr FirmwareVersionTypeDef softwareVersion()
{
    return FirmwareVersionTypeDef{SOFTWARE_RELEASE_TYPE, SOFTWARE_VERSION_MAJOR, SOFTWARE_VERSION_MINOR,
                                  SOFTWARE_VERSION_PATCH};
}
