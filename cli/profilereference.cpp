// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/profilereference.h"

#include "settings/appfiles.h"
#include "settings/profilefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

std::optional<StoredReference> storedReference(const QString &reference)
{
    if (reference.startsWith(QLatin1String("effects:")))
        return StoredReference{SettingsTextKind::Effects, reference.mid(8)};
    if (reference.startsWith(QLatin1String("periphery:")))
        return StoredReference{SettingsTextKind::Periphery, reference.mid(10)};
    return std::nullopt;
}

ProfileStore storeFor(SettingsTextKind kind, const QString &workingDirectory)
{
    const bool effects = kind == SettingsTextKind::Effects;
    return ProfileStore(effects ? appfiles::effectsProfilesFolder(workingDirectory)
                                : appfiles::peripheryProfilesFolder(workingDirectory),
                        rawProfileSize(kind));
}

QString describe(const SettingsTextError &error)
{
    return error.line > 0
               ? QCoreApplication::translate("CommandExecutor", "line %1: %2").arg(error.line).arg(error.message)
               : error.message;
}

std::optional<QString> checkProfileReference(const QString &reference, bool fileAllowed)
{
    for (const char *kind : {"effects:", "periphery:"}) {
        if (reference.startsWith(QLatin1String(kind))) {
            if (reference.size() == qsizetype(qstrlen(kind)))
                return QCoreApplication::translate("CommandLine", "No profile name after \"%1\".")
                    .arg(QLatin1String(kind));
            return std::nullopt;
        }
    }
    if (!fileAllowed)
        return QCoreApplication::translate("CommandLine",
                                           "\"%1\" names no stored profile: use effects:NAME or periphery:NAME.")
            .arg(reference);
    if (reference.isEmpty())
        return QCoreApplication::translate("CommandLine", "An empty profile file name.");
    return std::nullopt;
}

std::optional<QByteArray> readInputFile(const QString &path, qsizetype maxSize, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QCoreApplication::translate("CommandExecutor", "%1: no such file.").arg(path);
        return std::nullopt;
    }
    // Devices, pipes and folders are no profiles; reading one could block or never end.
    if (!info.isFile()) {
        *error = QCoreApplication::translate("CommandExecutor", "%1: not a plain file.").arg(path);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("CommandExecutor", "%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize) {
        *error = QCoreApplication::translate("CommandExecutor", "%1: larger than %2 bytes.").arg(path).arg(maxSize);
        return std::nullopt;
    }
    return bytes;
}

