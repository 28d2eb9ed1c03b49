// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Profile files from outside the profile folders: either raw records as the
// window's profile store keeps them (64 bytes of effects; 128 bytes of ADC
// then GPIO) or settings text.

#include "settings/controllersettings.h"
#include "settings/settingstext.h"

#include <QByteArray>

#include <optional>
#include <variant>

// The size of a raw profile of this kind (64 or 128); 0 for All, which has
// no raw form.
qsizetype rawProfileSize(SettingsTextKind kind);

struct ProfileFile {
    SettingsTextKind kind;
    bool isText;
    ControllerSettings settings; // `current` with the profile's fields put in
};

// Text when the bytes start with the settings text header, raw otherwise.
// With a kind the file must be of that kind (raw: at least its size; a stored
// profile's bytes beyond its record are not read). Without one, a raw file is
// an effects profile of exactly 64 bytes or a periphery profile of exactly
// 128: any other file of some size would pass for one.
std::variant<ProfileFile, SettingsTextError> readProfileFile(const QByteArray &bytes,
                                                            std::optional<SettingsTextKind> kind,
                                                            const ControllerSettings &current);

// The raw profile of this kind (Effects or Periphery) made from the records,
// as the window's profile store saves it; the reserved bytes come out zero.
QByteArray rawProfileBytes(SettingsTextKind kind, const ControllerSettings &settings);
