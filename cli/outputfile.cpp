// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/outputfile.h"

#include "cli/commandline.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

bool isStandardOutput(const QString &output)
{
    return output.isEmpty() || output == QLatin1String("-");
}

OutputWritten writeOutputFile(const QString &path, const QByteArray &bytes)
{
    // Links are followed: QSaveFile replaces what a link leads to.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return {exitstatus::BAD_INPUT,
                QCoreApplication::translate("OutputFile", "%1 is not a regular file; nothing was written.").arg(path)};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {exitstatus::FAILED,
                QCoreApplication::translate("CommandExecutor", "Cannot write %1: %2").arg(path, file.errorString())};
    return {exitstatus::DONE, QString()};
}
