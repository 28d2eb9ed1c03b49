// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/snapshotrecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>

// Lives on the recorder's thread; every file operation happens there.
class SnapshotWriter : public QObject
{
    Q_OBJECT

public:
    SnapshotWriter(const QString &folder) : folder(folder) {}

    SnapshotBounds bounds;

public slots:
    void write(const QString &id, const QString &controller, const QString &reason, const QByteArray &settingsText)
    {
        if (!lastKnown) {
            // The newest file on disk tells what was last recorded, so a new
            // start does not repeat it.
            lastKnown = true;
            const QStringList ids = listSnapshotIds(folder);
            if (!ids.isEmpty()) {
                QFile file(folder + u'/' + ids.first() + SNAPSHOT_SUFFIX);
                if (file.open(QIODevice::ReadOnly)) {
                    const QByteArray bytes = file.read(MAX_SNAPSHOT_FILE_SIZE + 1);
                    const qsizetype blank = bytes.indexOf("\n\n");
                    auto parsed = parseSnapshot(bytes);
                    if (const Snapshot *snapshot = std::get_if<Snapshot>(&parsed)) {
                        lastController = snapshot->header.controller;
                        lastText = bytes.mid(blank + 2);
                    }
                }
            }
        }
        if (settingsText == lastText && controller == lastController) {
            emit unchanged(id);
            return;
        }
        QString error;
        if (!QDir().mkpath(folder)) {
            error = QCoreApplication::translate("SnapshotRecorder", "The folder %1 cannot be created.").arg(folder);
        } else {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSaveFile file(folder + u'/' + id + SNAPSHOT_SUFFIX);
            const QByteArray bytes = formatSnapshot({id, snapshotIdTime(id), controller, reason}, settingsText);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
                error = file.errorString();
        }
        if (!error.isEmpty()) {
            emit failed(QCoreApplication::translate("SnapshotRecorder", "The settings history cannot be written: %1")
                            .arg(error));
            return;
        }
        lastText = settingsText;
        lastController = controller;
        pruneSnapshots(folder, QDateTime::currentDateTimeUtc(), bounds);
        emit written(id);
    }

signals:
    void written(const QString &id);
    void unchanged(const QString &id);
    void failed(const QString &message);

private:
    const QString folder;
    bool lastKnown = false;
    QByteArray lastText;
    QString lastController;
};

SnapshotRecorder::SnapshotRecorder(const QString &folder, QObject *parent)
    : QObject(parent), snapshotsFolder(folder), writer(new SnapshotWriter(folder))
{
    writer->moveToThread(&thread);
    connect(&thread, &QThread::finished, writer, &QObject::deleteLater);
    connect(writer, &SnapshotWriter::written, this, [this](const QString &id) {
        failureReported = false;
        emit written(id);
    });
    connect(writer, &SnapshotWriter::unchanged, this, &SnapshotRecorder::unchanged);
    connect(writer, &SnapshotWriter::failed, this, [this](const QString &message) {
        if (failureReported)
            return;
        failureReported = true;
        emit failed(message);
    });
    thread.setObjectName(QStringLiteral("snapshot writer"));
    thread.start(QThread::LowPriority);
}

QString SnapshotRecorder::checkFolderNow()
{
    if (QDir().mkpath(snapshotsFolder) && QFileInfo(snapshotsFolder).isWritable())
        return {};
    failureReported = true;
    return QCoreApplication::translate("SnapshotRecorder", "The settings history cannot be written: %1")
        .arg(QCoreApplication::translate("SnapshotRecorder", "The folder %1 cannot be created.").arg(snapshotsFolder));
}

SnapshotRecorder::~SnapshotRecorder()
{
    // Snapshots already queued are still written: the thread ends once its
    // queue is empty.
    thread.quit();
    thread.wait();
    // What the writer said last (a failure a command must still print) is
    // delivered before the recorder goes.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void SnapshotRecorder::setBounds(const SnapshotBounds &bounds)
{
    QMetaObject::invokeMethod(writer, [w = writer, bounds] { w->bounds = bounds; }, Qt::QueuedConnection);
}

QString SnapshotRecorder::record(const ControllerSettings &settings, const QString &firmwareVersionText,
                                 const QString &controller, const QString &reason)
{
    lastId = makeSnapshotId(QDateTime::currentDateTimeUtc(), lastId);
    const QByteArray text = formatSettingsText(SettingsTextKind::All, firmwareVersionText, settings);
    QMetaObject::invokeMethod(writer, "write", Qt::QueuedConnection, Q_ARG(QString, lastId),
                              Q_ARG(QString, controller), Q_ARG(QString, reason), Q_ARG(QByteArray, text));
    return lastId;
}

#include "snapshotrecorder.moc"
