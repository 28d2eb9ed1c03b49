// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/settingslayerkeeper.h"

#include "history/restorejournal.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The state folder is created for this user alone; one that is a link or
// another user's is not written into.
bool privateFolder(const QString &folder, QString *problem)
{
    const QByteArray name = QFile::encodeName(folder);
    if (!QDir().mkpath(folder)) {
        *problem = QObject::tr("cannot create %1").arg(folder);
        return false;
    }
    struct stat info {
    };
    if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
        *problem = QObject::tr("%1 is not a folder of this user's").arg(folder);
        return false;
    }
    if ((info.st_mode & 077) != 0 && ::chmod(name.constData(), 0700) != 0) {
        *problem = QObject::tr("cannot make %1 private").arg(folder);
        return false;
    }
    return true;
}

} // namespace

QString SettingsLayerKeeper::controllerName()
{
    return QStringLiteral("045B:59D7");
}

SettingsLayerKeeper::SettingsLayerKeeper(const QString &stateFolder, QObject *parent)
    : QObject(parent)
    , path(::journalPath(stateFolder, ::getpid()))
{
}

void SettingsLayerKeeper::record(const ControllerSettings &base, const ControllerSettings &applied)
{
    QVector<JournalOwner> owners{{::getpid(), processStartTime(::getpid()).value_or(0)}};
    for (const QVector<JournalOwner> &more : std::as_const(layerOwners))
        owners += more;
    const RestoreJournal journal = makeJournal(base, applied, controllerName(), firmware, owners);
    if (journal.fields.isEmpty()) {
        QFile::remove(path);
        return;
    }
    QString problem;
    if (!privateFolder(QFileInfo(path).absolutePath(), &problem) || !writeJournal(path, journal, &problem))
        emit journalFailed(tr("The restore journal cannot be written (%1); the settings from before are not safe "
                              "from a crash.")
                               .arg(problem));
}

void SettingsLayerKeeper::willApply(const ControllerSettings &before, const ControllerSettings &wanted,
                                    const QString &firmwareVersion)
{
    firmware = firmwareVersion;
    applying = true;
    // The first layer's `before` becomes the base.
    record(layers.isEmpty() ? before : layers.base(), wanted);
}

void SettingsLayerKeeper::keepHandChanges(const ControllerSettings &current)
{
    if (!reloaded)
        layers.keepHandChanges(current);
}

void SettingsLayerKeeper::push(const QString &name, const ControllerSettings &before, const FieldValues &reached)
{
    layers.push(name, reloaded ? layers.expected() : before, reached);
    applying = false;
    forgetOwnersOfEndedLayers();
    record(layers.base(), layers.expected());
    emit changed();
}

ControllerSettings SettingsLayerKeeper::end(const QString &name, const ControllerSettings &current)
{
    // The journal keeps naming what the controller holds until the writes
    // that follow have gone out.
    const ControllerSettings next = layers.end(name, reloaded ? layers.expected() : current);
    forgetOwnersOfEndedLayers();
    // With no layer left there is nothing the controller should still get.
    reloaded = reloaded && !layers.isEmpty();
    emit changed();
    return next;
}

void SettingsLayerKeeper::settled(const ControllerSettings &now)
{
    reloaded = false;
    record(layers.base(), now);
    emit changed();
}

void SettingsLayerKeeper::setOwners(const QString &name, const QVector<JournalOwner> &owners)
{
    if (layerOwners.value(name) == owners)
        return;
    layerOwners.insert(name, owners);
    // Before its first layer the journal is written by willApply(); while a
    // layer's writes are under way, by its push().
    if (!layers.isEmpty() && !applying)
        record(layers.base(), layers.expected());
}

void SettingsLayerKeeper::forgetOwnersOfEndedLayers()
{
    // Also those of an apply that never became a layer.
    const QStringList names = layers.names();
    for (auto it = layerOwners.begin(); it != layerOwners.end();)
        it = names.contains(it.key()) ? std::next(it) : layerOwners.erase(it);
}

void SettingsLayerKeeper::replace(const QString &name, const FieldValues &values)
{
    layers.replace(name, values);
    record(layers.base(), layers.expected());
    emit changed();
}
