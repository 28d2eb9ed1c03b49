// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/autostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

QString autostartEntryPath(const QString &xdgConfigHome, const QString &home)
{
    const QString config = !xdgConfigHome.isEmpty() && QDir::isAbsolutePath(xdgConfigHome)
        ? xdgConfigHome
        : home + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/com.vellox.WheelSetup.desktop");
}

QString autostartEntryPath()
{
    return autostartEntryPath(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
}

bool autostartEnabled()
{
    return QFile::exists(autostartEntryPath());
}

bool setAutostartEnabled(bool enabled)
{
    const QString path = autostartEntryPath();
    if (!enabled)
        return !QFile::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Vellox Wheel Setup\n"
               "Comment=Switches the wheel's profiles when a game starts\n"
               "Exec=vellox-wheel-setup --data-home --background\n"
               "Icon=com.vellox.WheelSetup\n"
               "Terminal=false\n"
               "NoDisplay=true\n"
               "X-GNOME-Autostart-enabled=true\n");
    return file.commit();
}
