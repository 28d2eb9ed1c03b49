// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafolder.h"

#include <QDir>

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

bool enterDataFolder(const QString &path)
{
    if (!QDir().mkpath(path) || !QDir::setCurrent(path)) {
        std::fprintf(stderr, "vellox-wheel-setup: cannot use %s as the data folder, staying in %s\n",
                     qPrintable(QDir::toNativeSeparators(path)), qPrintable(QDir::currentPath()));
        return false;
    }
    return true;
}
