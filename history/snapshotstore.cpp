// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/snapshotstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

QStringList listSnapshotIds(const QString &folder)
{
    QStringList ids;
    const QStringList names = QDir(folder).entryList({QStringLiteral("*") + SNAPSHOT_SUFFIX}, QDir::Files);
    for (const QString &name : names) {
        const QString id = name.chopped(SNAPSHOT_SUFFIX.size());
        if (isSnapshotId(id))
            ids.append(id);
    }
    // Ids sort by time as text.
    std::sort(ids.begin(), ids.end(), std::greater<QString>());
    return ids;
}

std::variant<Snapshot, QString> loadSnapshot(const QString &folder, const QString &id)
{
    if (!isSnapshotId(id))
        return QCoreApplication::translate("Snapshot", "There is no snapshot %1.").arg(id);
    QFile file(folder + u'/' + id + SNAPSHOT_SUFFIX);
    // Opening a named pipe would wait for a writer.
    if (const QFileInfo info(file); info.exists() && !info.isFile())
        return QCoreApplication::translate("Snapshot", "The file is not a snapshot.");
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Snapshot", "The file cannot be read: %1").arg(file.errorString());
    // Read no more than a snapshot can be: a huge file is refused, not loaded.
    const QByteArray bytes = file.read(MAX_SNAPSHOT_FILE_SIZE + 1);
    auto parsed = parseSnapshot(bytes);
    if (const Snapshot *snapshot = std::get_if<Snapshot>(&parsed); snapshot && snapshot->header.id != id)
        return QCoreApplication::translate("Snapshot", "The snapshot's header is damaged.");
    return parsed;
}

QStringList snapshotsToPrune(QVector<SnapshotFileInfo> files, const QDateTime &nowUtc, const SnapshotBounds &bounds)
{
    std::sort(files.begin(), files.end(),
              [](const SnapshotFileInfo &a, const SnapshotFileInfo &b) { return a.id > b.id; });
    const QDateTime oldestKeptDay = nowUtc.toUTC().addDays(-bounds.keepDays);
    QSet<QString> daysKept;
    QVector<bool> keep(files.size(), false);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString day = files.at(i).id.left(8);
        if (i < qMax(1, bounds.keepNewest)) {
            keep[i] = true;
            daysKept.insert(day);
        } else if (!daysKept.contains(day) && snapshotIdTime(files.at(i).id) >= oldestKeptDay) {
            keep[i] = true;
            daysKept.insert(day);
        }
    }
    // The size cap takes the oldest of what is left, never the newest.
    qint64 total = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!keep.at(i))
            continue;
        total += files.at(i).size;
        if (i > 0 && total > bounds.maxTotalBytes)
            keep[i] = false;
    }
    QStringList prune;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!keep.at(i))
            prune.append(files.at(i).id);
    }
    return prune;
}

int pruneSnapshots(const QString &folder, const QDateTime &nowUtc, const SnapshotBounds &bounds)
{
    QVector<SnapshotFileInfo> files;
    for (const QString &id : listSnapshotIds(folder))
        files.append({id, QFileInfo(folder + u'/' + id + SNAPSHOT_SUFFIX).size()});
    int removed = 0;
    for (const QString &id : snapshotsToPrune(files, nowUtc, bounds))
        removed += QFile::remove(folder + u'/' + id + SNAPSHOT_SUFFIX) ? 1 : 0;
    return removed;
}
