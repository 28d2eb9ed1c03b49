// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A folder laid out like /proc, for feeding the process watch processes that
// do not exist: one folder per process id with comm, exe (a link that may
// lead nowhere), cmdline and stat.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <unistd.h>

class FakeProc
{
public:
    QString root() const { return folder.path(); }

    bool add(qint64 pid, const QByteArray &comm, const QByteArray &exe, const QByteArray &cmdline = {},
             qint64 parentPid = 1)
    {
        const QString dir = folder.path() + QLatin1Char('/') + QString::number(pid);
        if (!QDir().mkpath(dir))
            return false;
        const QByteArray stat = QByteArray::number(pid) + " (" + comm.left(15) + ") S "
            + QByteArray::number(parentPid) + " 1 1 0 -1";
        return write(dir + "/comm", comm + '\n') && write(dir + "/cmdline", cmdline) && write(dir + "/stat", stat)
            && (exe.isEmpty() || ::symlink(exe.constData(), QFile::encodeName(dir + "/exe").constData()) == 0);
    }

    bool remove(qint64 pid) { return QDir(folder.path() + QLatin1Char('/') + QString::number(pid)).removeRecursively(); }

    static bool write(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
    }

private:
    QTemporaryDir folder;
};
