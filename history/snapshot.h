// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One snapshot of the controller's four records: a short header (format
// version, id, time, controller, reason), a blank line, then the records in
// the settings-text form of kind "all", which names the firmware version.

#include "settings/settingstext.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>

constexpr int SNAPSHOT_FORMAT_VERSION = 1;
// Files larger than this are refused unread.
constexpr qsizetype MAX_SNAPSHOT_FILE_SIZE = MAX_SETTINGS_TEXT_SIZE + 4096;
// File names are the id and this suffix.
extern const QLatin1String SNAPSHOT_SUFFIX;

struct SnapshotHeader {
    QString id;         // "20240501-120000-123", UTC; sorts by time
    QDateTime time;     // UTC
    QString controller; // how the device link names the controller
    QString reason;     // in words, e.g. "before --profile effects:Rally"
};

struct Snapshot {
    SnapshotHeader header;
    SettingsText settings;
};

// An id for this moment (UTC, millisecond resolution). `after` is the newest
// id already taken: the new one always sorts after it.
QString makeSnapshotId(const QDateTime &utc, const QString &after = QString());
// The time an id names; invalid for anything that is not an id.
QDateTime snapshotIdTime(QStringView id);
bool isSnapshotId(QStringView id);

// The snapshot file: header, blank line, settings text.
QByteArray formatSnapshot(const SnapshotHeader &header, const QByteArray &settingsText);
// Strict; the error is a sentence for the user.
std::variant<Snapshot, QString> parseSnapshot(const QByteArray &bytes);
