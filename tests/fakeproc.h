// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A folder laid out like /proc, for feeding the process watch processes that
// do not exist: one folder per process id with comm, exe (a link that may
// lead nowhere), cmdline, stat and status (whose Uid line names the owner).

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
             qint64 parentPid = 1, uid_t uid = ::getuid())
    {
        const QString dir = folder.path() + QLatin1Char('/') + QString::number(pid);
        if (!QDir().mkpath(dir))
            return false;
        const QByteArray stat = QByteArray::number(pid) + " (" + comm.left(15) + ") S "
            + QByteArray::number(parentPid) + " 1 1 0 -1";
        const QByteArray owner = QByteArray::number(uid);
        const QByteArray status = "Name:\t" + comm.left(15) + "\nState:\tS (sleeping)\nUid:\t" + owner + '\t' + owner
            + '\t' + owner + '\t' + owner + "\nGid:\t0\t0\t0\t0\n";
        return write(dir + "/comm", comm + '\n') && write(dir + "/cmdline", cmdline) && write(dir + "/stat", stat)
            && write(dir + "/status", status)
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
