// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Profile files from outside the profile folders: either raw records as the
// window's profile store keeps them (64 bytes of effects; 128 bytes of ADC
// then GPIO; longer files are read for their first bytes) or settings text.

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
// With a kind the file must be of that kind (raw: at least its size). Without
// one, a raw file of exactly 64 bytes is an effects profile and one of 128 or
// more a periphery profile.
std::variant<ProfileFile, SettingsTextError> readProfileFile(const QByteArray &bytes,
                                                            std::optional<SettingsTextKind> kind,
                                                            const ControllerSettings &current);

// The raw profile of this kind (Effects or Periphery) made from the records,
// as the window's profile store saves it; the reserved bytes come out zero.
QByteArray rawProfileBytes(SettingsTextKind kind, const ControllerSettings &settings);
