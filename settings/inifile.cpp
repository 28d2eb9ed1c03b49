// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inifile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSettings>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Far more than the tool ever writes (a rule takes about 100 bytes).
constexpr qint64 MAX_INI_SIZE = 1024 * 1024;

// QSettings reports a parse error only when it reads the file, and it reads
// a file it has parsed before only once its size or modification time has
// changed. The verdict is kept alike, so a second look at the same unchanged
// file does not pass it.
bool parsesAsIni(const QString &path, const struct stat &status)
{
    struct Verdict {
        qint64 size;
        qint64 modified;
        bool parses;
    };
    static QMutex lock;
    static QHash<QString, Verdict> verdicts;
    const QString key = QFileInfo(path).absoluteFilePath();
    const qint64 modified = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    const QMutexLocker locked(&lock);
    const auto known = verdicts.constFind(key);
    if (known != verdicts.cend() && known->size == status.st_size && known->modified == modified)
        return known->parses;
    // A section's lines are parsed only once a key of it is asked for, and a
    // write asks for all of them: so must the look that lets it write.
    QSettings settings(path, QSettings::IniFormat);
    settings.allKeys();
    const bool parses = settings.status() == QSettings::NoError;
    verdicts.insert(key, {qint64(status.st_size), modified, parses});
    return parses;
}

IniFileCheck refused(const QString &reason)
{
    return {IniFileCheck::State::Refused, reason, 0};
}

} // namespace

IniFileCheck checkIniFile(const QString &path)
{
    // Non-blocking, so that a FIFO without a writer cannot hold the open;
    // fstat then tells what was opened, after the links were followed.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return {IniFileCheck::State::Missing, QString(), 0};
        return refused(QCoreApplication::translate("IniFile",
                                                   "The settings file %1 cannot be read (%2); the defaults are used.")
                           .arg(path, QString::fromLocal8Bit(std::strerror(error))));
    }
    struct stat status {};
    const bool statted = ::fstat(fd, &status) == 0;
    ::close(fd);
    if (!statted || !S_ISREG(status.st_mode))
        return refused(QCoreApplication::translate("IniFile", "The settings file %1 is not a regular file; it is left "
                                                              "as it is and the defaults are used.")
                           .arg(path));
    if (status.st_size > MAX_INI_SIZE)
        return refused(QCoreApplication::translate("IniFile", "The settings file %1 is larger than %2 bytes; it is "
                                                              "left as it is and the defaults are used.")
                           .arg(path)
                           .arg(MAX_INI_SIZE));
    if (!parsesAsIni(path, status))
        return refused(QCoreApplication::translate("IniFile", "The settings file %1 is not in INI format; it is left "
                                                              "as it is and the defaults are used.")
                           .arg(path));
    return {IniFileCheck::State::Usable, QString(), qint64(status.st_size)};
}

QString usableIniPath(const QString &path)
{
    return checkIniFile(path).state == IniFileCheck::State::Refused ? QString() : path;
}
