// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/outputfile.h"

#include "cli/commandline.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

bool isStandardOutput(const QString &output)
{
    return output.isEmpty() || output == QLatin1String("-");
}

OutputWritten writeOutputFile(const QString &path, const QByteArray &bytes)
{
    // Links are followed: QSaveFile replaces what a link leads to. A link of
    // another user's (root aside), as one planted in a shared folder, is
    // not: it could lead to any file of this user's.
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    const bool foreignLink = ::lstat(name.constData(), &status) == 0 && S_ISLNK(status.st_mode)
                          && status.st_uid != ::getuid() && status.st_uid != 0;
    if (foreignLink || (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode)))
        return {exitstatus::BAD_INPUT,
                QCoreApplication::translate("OutputFile", "%1 is not a regular file; nothing was written.").arg(path)};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {exitstatus::FAILED,
                QCoreApplication::translate("CommandExecutor", "Cannot write %1: %2").arg(path, file.errorString())};
    return {exitstatus::DONE, QString()};
}
