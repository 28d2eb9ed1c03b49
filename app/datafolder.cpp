// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafolder.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

bool takeDataHomeOption(int &argc, char **argv)
{
    bool found = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], DATA_HOME_OPTION) == 0)
            found = true;
        else
            argv[kept++] = argv[i];
    }
    for (int i = kept; i < argc; ++i)
        argv[i] = nullptr;
    argc = kept;
    return found;
}

QString userDataFolder(const QString &xdgDataHome, const QString &home)
{
    const QString base = QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/vellox-wheel-setup"));
}

bool enterDataFolder(const QString &path)
{
    if (!QDir().mkpath(path) || !QDir::setCurrent(path)) {
        std::fprintf(stderr, "vellox-wheel-setup: cannot use %s as the data folder, staying in %s\n",
                     qPrintable(QDir::toNativeSeparators(path)), qPrintable(QDir::currentPath()));
        return false;
    }
    return true;
}
