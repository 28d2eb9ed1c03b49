// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/appfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace appfiles {

namespace {

// A function, not a global: other files' globals may be made from these names.
QString toolFolder()
{
    return QStringLiteral("vellox-wheel-setup");
}

QString inFolder(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

// <XDG variable>/vellox-wheel-setup, or <home>/<fallback>/vellox-wheel-setup
// when the variable is unset, empty or relative.
QString xdgToolFolder(const QString &xdgValue, const QString &home, const QString &fallback)
{
    const QString base = QDir::isAbsolutePath(xdgValue) ? xdgValue : home + QLatin1Char('/') + fallback;
    return QDir::cleanPath(base + QLatin1Char('/') + toolFolder());
}

QString userSuffix()
{
    return QStringLiteral("-%1").arg(::getuid());
}

// A directory, not a link, of this user's that no one else may write.
bool isOwnUnsharedDirectory(const struct stat &status)
{
    return S_ISDIR(status.st_mode) && status.st_uid == ::getuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool lstatPath(const QString &path, struct stat *status)
{
    return ::lstat(QFile::encodeName(path).constData(), status) == 0;
}

} // namespace

QString effectsProfilesFolder(const QString &dataFolder)
{
    return inFolder(dataFolder, QStringLiteral("wheel_effects_profiles"));
}

QString peripheryProfilesFolder(const QString &dataFolder)
{
    return inFolder(dataFolder, QStringLiteral("wheel_periphery_profiles"));
}

QString iniFile(const QString &dataFolder)
{
    return inFolder(dataFolder, toolFolder() + QStringLiteral(".ini"));
}

QString windowIconFile(const QString &dataFolder)
{
    return inFolder(dataFolder, QStringLiteral("vellox_hardware_icon.png"));
}

QString userDataFolder(const QString &xdgDataHome, const QString &home)
{
    return xdgToolFolder(xdgDataHome, home, QStringLiteral(".local/share"));
}

QString userDataFolder()
{
    return userDataFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

QString stateFolder(const QString &xdgStateHome, const QString &home)
{
    return xdgToolFolder(xdgStateHome, home, QStringLiteral(".local/state"));
}

QString stateFolder()
{
    return stateFolder(qEnvironmentVariable("XDG_STATE_HOME"), QDir::homePath());
}

QString historyFolder()
{
    return QDir(stateFolder()).filePath(QStringLiteral("history"));
}

QString journalFileName(qint64 ownerPid)
{
    return QStringLiteral("journal-%1.json").arg(ownerPid);
}

QString journalFilePattern()
{
    return QStringLiteral("journal-*.json");
}

RuntimeFolder runtimeFolder(const QString &xdgRuntimeDir, const QString &temporaryFolder)
{
    struct stat status {};
    if (QDir::isAbsolutePath(xdgRuntimeDir) && lstatPath(xdgRuntimeDir, &status) && isOwnUnsharedDirectory(status))
        return RuntimeFolder{QDir::cleanPath(xdgRuntimeDir), QString()};

    // The temporary folder is shared: the folder there is used only when it
    // is this user's, a real directory and closed to everyone else.
    const QString path = QDir(temporaryFolder).filePath(toolFolder() + userSuffix());
    const QByteArray encoded = QFile::encodeName(path);
    if (::mkdir(encoded.constData(), 0700) == 0) {
        // The umask may have taken bits away.
        ::chmod(encoded.constData(), 0700);
    } else if (const int error = errno; error != EEXIST) {
        return RuntimeFolder{path, QCoreApplication::translate("AppFiles", "cannot create the private folder %1: %2")
                                       .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error)))};
    }
    if (!lstatPath(path, &status) || !isOwnUnsharedDirectory(status) || (status.st_mode & 07777) != 0700)
        return RuntimeFolder{path, QCoreApplication::translate("AppFiles",
                                                               "%1 is not a private folder of this user (a directory "
                                                               "of the user's own with mode 0700); remove it or set "
                                                               "XDG_RUNTIME_DIR.")
                                       .arg(QDir::toNativeSeparators(path))};
    return RuntimeFolder{path, QString()};
}

RuntimeFolder runtimeFolder()
{
    return runtimeFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
}

QString instanceSocketName()
{
    return toolFolder() + userSuffix();
}

QString instanceLockName()
{
    return instanceSocketName() + QStringLiteral(".lock");
}

} // namespace appfiles
