// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The snapshot folder: which snapshots there are (from the file names alone,
// so a long history lists at once), reading one, and the bounds that keep it
// small.

#include "history/snapshot.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// The ids of the snapshot files in the folder, newest first. Files of other
// names are not the tool's and are left alone.
QStringList listSnapshotIds(const QString &folder);

// A snapshot read from its file, or why it cannot be used. A snapshot whose
// file name and header disagree counts as damaged.
std::variant<Snapshot, QString> loadSnapshot(const QString &folder, const QString &id);

struct SnapshotBounds {
    int keepNewest = 200;      // always kept
    int keepDays = 60;         // beyond those, the newest of each day this far back
    qint64 maxTotalBytes = 4 * 1024 * 1024; // then the oldest go until the rest fit
};

struct SnapshotFileInfo {
    QString id;
    qint64 size;
};

// The ids to remove so that the rest keep within the bounds. `files` in any
// order; the newest is never among the result.
QStringList snapshotsToPrune(QVector<SnapshotFileInfo> files, const QDateTime &nowUtc,
                             const SnapshotBounds &bounds = {});
// Applies snapshotsToPrune to the folder; returns how many files went.
int pruneSnapshots(const QString &folder, const QDateTime &nowUtc, const SnapshotBounds &bounds = {});
