// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/statefolder.h"

#include <QDir>

QString historyStateFolder()
{
    // A relative XDG value would make the folder depend on where the tool was
    // started from; the base directory rules say to ignore it.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/vellox-wheel-setup"));
}

QString snapshotFolder(const QString &stateFolder)
{
    return stateFolder + QStringLiteral("/history");
}
