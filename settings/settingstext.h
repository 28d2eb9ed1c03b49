// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Settings as readable text: a header naming the tool and the kind, the
// firmware version text the settings were read from, then one "key = value"
// line per field. Reading is strict and all-or-nothing.

#include "settings/controllersettings.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QStringView>
#include <QVector>

#include <optional>
#include <variant>

enum class SettingsTextKind { Effects, Periphery, All };

// "effects", "periphery", "all".
QString kindName(SettingsTextKind kind);
std::optional<SettingsTextKind> kindFromName(QStringView name);
// Whether a text of this kind may name fields of this record.
bool kindCovers(SettingsTextKind kind, SettingsRecord record);

// Texts larger than this are refused unread.
constexpr qsizetype MAX_SETTINGS_TEXT_SIZE = 64 * 1024;

// Whether the bytes start with the header (possibly behind a UTF-8 byte order
// mark): they are meant as settings text, not as a raw profile.
bool looksLikeSettingsText(const QByteArray &bytes);

QByteArray formatSettingsText(SettingsTextKind kind, const QString &firmwareVersionText,
                              const ControllerSettings &settings);

struct SettingsTextError {
    int line; // 1-based; 0 = the whole text
    QString message;
};

struct SettingsText {
    SettingsTextKind kind;
    QString firmwareVersionText; // empty when the text names none
    QVector<QPair<const SettingsField *, int>> values; // control states, in the text's order
};

// Strict, all-or-nothing. Without expectedKind any kind is accepted.
std::variant<SettingsText, SettingsTextError> parseSettingsText(const QByteArray &bytes,
                                                                std::optional<SettingsTextKind> expectedKind = {});
// Puts the values into the records; fields the text does not name keep what
// `settings` holds.
void applySettingsText(const SettingsText &text, ControllerSettings *settings);
// One value as written after "key =": a choice's item text or a number, a
// switch's "on" / "off" or 1 / 0. Returns the control state or an error text.
std::variant<int, QString> parseFieldValue(const SettingsField &field, QStringView text);
// The text form of a control state: the choice's item text, "on" / "off", or the number.
QString formatFieldValue(const SettingsField &field, int state);
