// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Takes snapshots of what the tool already holds. The caller's thread only
// turns the records into text; a writer on a thread of its own skips a
// snapshot equal to the newest, writes the file atomically and prunes.

#include "history/snapshotstore.h"
#include "settings/controllersettings.h"

#include <QObject>
#include <QString>
#include <QThread>

class SnapshotWriter;

class SnapshotRecorder : public QObject
{
    Q_OBJECT

public:
    // `folder` is created (private to the user) when the first snapshot is written.
    explicit SnapshotRecorder(const QString &folder, QObject *parent = nullptr);
    ~SnapshotRecorder() override;

    QString folder() const { return snapshotsFolder; }
    void setBounds(const SnapshotBounds &bounds);

    // Queues a snapshot; returns its id. `controller` is how the device link
    // names the controller, `reason` the words shown in the history, e.g.
    // "when the controller connected", "before the game acc.exe".
    QString record(const ControllerSettings &settings, const QString &firmwareVersionText,
                   const QString &controller, const QString &reason);

    // For a process with no window to keep responsive: whether the folder
    // can be had now, on the caller's thread. A sentence for the user, then
    // counted as told (failed() stays quiet until a snapshot is written).
    QString checkFolderNow();

signals:
    // From the writer, in order: the snapshot is on disk, or was equal to the
    // newest and not written again.
    void written(const QString &id);
    void unchanged(const QString &id);
    // Writing failed (read-only folder, full disk). Emitted once until a
    // snapshot is written again, so the user is told once.
    void failed(const QString &message);

private:
    QString snapshotsFolder;
    QString lastId;
    QThread thread;
    SnapshotWriter *writer;
    bool failureReported = false;
};
