// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class QTimer;

// One process as the watch sees it: its id and every name a rule may use for
// it (executable base name, short name, and for Windows programs the .exe
// base name from the command line).
struct RunningProcess {
    qint64 pid = 0;
    qint64 parentPid = 0;
    QStringList names;

    bool operator==(const RunningProcess &other) const
    {
        return pid == other.pid && parentPid == other.parentPid && names == other.names;
    }
};

// Where the watch gets its process list from; tests feed it fake lists.
class ProcessSource
{
public:
    virtual ~ProcessSource() = default;
    virtual QList<RunningProcess> processes() = 0;
};

// Reads a /proc tree (the real one, or a fake one below a test folder).
// Needs no privileges: a process whose entries may not be read, or that ends
// while it is being read, is skipped or named by what could be read. Only the
// user's own processes are listed (real user id from the status file).
//
// Names are cached per process and read again only while a process is young
// (it may still exec or rename itself) and, spread over the polls, once a
// minute, so a steady system costs little more than listing the folder.
class ProcFsSource : public ProcessSource
{
public:
    explicit ProcFsSource(const QString &root = QStringLiteral("/proc"));
    QList<RunningProcess> processes() override;

    // One process entry; no names when nothing could be read.
    RunningProcess read(qint64 pid, const QByteArray &pidDirectory) const;

private:
    struct Cached {
        RunningProcess process;
        quint64 firstSeen = 0;
    };
    QByteArray root;
    QHash<qint64, Cached> cache;
    quint64 poll = 0;
};

// The .exe base name in a NUL-separated command line, looked for in its first
// few arguments (a Windows path such as C:\Games\Race.exe, or a plain
// "wine Race.exe"); empty when there is none.
QString windowsExecutableName(const QByteArray &cmdline);

// The parent's id from the text of /proc/PID/stat; 0 when it cannot be read.
qint64 parentPidFromStat(const QByteArray &stat);

// Polls a process source and reports processes that appear and end.
class ProcessWatch : public QObject
{
    Q_OBJECT

public:
    explicit ProcessWatch(std::unique_ptr<ProcessSource> source, QObject *parent = nullptr);
    ~ProcessWatch() override;

    void setSource(std::unique_ptr<ProcessSource> newSource);
    void setInterval(int milliseconds);
    void setActive(bool active);
    bool isActive() const;
    // Reads the source once, now.
    void pollNow();
    // The processes seen at the last poll.
    QList<RunningProcess> lastSeen() const;

signals:
    void processStarted(const RunningProcess &process);
    void processEnded(qint64 pid);

private:
    std::unique_ptr<ProcessSource> source;
    QTimer *timer;
    QHash<qint64, RunningProcess> seen;
};
