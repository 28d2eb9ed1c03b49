// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/journalcompletion.h"

#include "cli/settingstarget.h"
#include "games/settingslayerkeeper.h"
#include "history/restorejournal.h"
#include "settings/appfiles.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace journalcompletion {

namespace {

// A journal is taken only from a folder of this user's that nobody else may
// write.
bool folderIsPrivate(const QString &folder)
{
    struct stat info {
    };
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 022) == 0;
}

const char CLAIMED_SUFFIX[] = ".claimed-";

} // namespace

QString start(SettingsTarget *target)
{
    static bool looked = false;
    if (looked)
        return {};
    looked = true;
    const QString folder = appfiles::stateFolder();
    if (!folderIsPrivate(folder))
        return {};
    JournalContext context;
    context.bootId = currentBootId();
    context.controller = SettingsLayerKeeper::controllerName();
    context.firmwareVersionText = target->firmwareVersionText();
    context.now = target->current();
    for (const QString &path : listJournals(folder)) {
        const auto journal = readJournal(path);
        switch (decideJournal(journal, context)) {
        case JournalVerdict::NothingToDo:
            QFile::remove(path);
            break;
        case JournalVerdict::CompleteNow: {
            QString claimed;
            if (!claimJournal(path, &claimed))
                break; // another process took it
            const ControllerSettings back = journalRestoreTarget(std::get<RestoreJournal>(journal), target->current());
            target->applyEffects(back.effects);
            target->applyHardware(back.hardware);
            target->applyPeriphery(back.adc, back.gpio);
            return claimed;
        }
        default:
            break;
        }
    }
    return {};
}

QString finish(const QString &claimedPath, bool allArrived)
{
    if (allArrived) {
        QFile::remove(claimedPath);
        return QCoreApplication::translate("CommandExecutor",
                                           "The settings from before an interrupted game or launch wrapper were put "
                                           "back.");
    }
    const QString path = claimedPath.left(claimedPath.lastIndexOf(QLatin1String(CLAIMED_SUFFIX)));
    QFile::rename(claimedPath, path);
    return QCoreApplication::translate("CommandExecutor",
                                       "The settings from before an interrupted game or launch wrapper could not all "
                                       "be put back; the next start tries again.");
}

void complete(SettingsTarget *target, QObject *context, const std::function<void(const QString &)> &then)
{
    const QString claimed = start(target);
    if (claimed.isEmpty()) {
        then(QString());
        return;
    }
    QObject::connect(
        target, &SettingsTarget::settled, context,
        [claimed, then](bool left, const QStringList &lost) { then(finish(claimed, !left && lost.isEmpty())); },
        Qt::SingleShotConnection);
    target->settle();
}

} // namespace journalcompletion
