// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sessionreaper.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ProcessInfo {
    pid_t pid;
    pid_t session;
};

// The children of `parent` and their sessions, from /proc/PID/stat: "pid
// (comm) state ppid pgrp session ...", where comm may hold anything but the
// last ')' ends it.
QVector<ProcessInfo> childrenOf(pid_t parent)
{
    QVector<ProcessInfo> found;
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return found;
    while (const dirent *entry = ::readdir(proc)) {
        char *end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0')
            continue;
        char path[64];
        std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        char stat[512];
        const ssize_t size = ::read(fd, stat, sizeof stat - 1);
        ::close(fd);
        if (size <= 0)
            continue;
        stat[size] = '\0';
        const char *afterName = std::strrchr(stat, ')');
        char state = 0;
        long ppid = 0, group = 0, sid = 0;
        if (!afterName || std::sscanf(afterName + 1, " %c %ld %ld %ld", &state, &ppid, &group, &sid) != 4)
            continue;
        if (ppid == parent)
            found.append({pid_t(pid), pid_t(sid)});
    }
    ::closedir(proc);
    return found;
}

constexpr int RECHECK_MS = 250;

int statusOf(const siginfo_t &info)
{
    return info.si_code == CLD_EXITED ? info.si_status : 128 + info.si_status;
}

} // namespace

SessionReaper::SessionReaper(QObject *parent)
    : QObject(parent)
    , session(::getsid(0))
    , recheck(new QTimer(this))
{
    // A daemon's child calls setsid a moment after its parent has ended, and
    // a process that ends hands its children to this one without a word:
    // while only what the command left runs, look again now and then.
    recheck->setInterval(RECHECK_MS);
    connect(recheck, &QTimer::timeout, this, [this] {
        adoptOrphans();
        finishIfDone();
    });
}

SessionReaper::~SessionReaper()
{
    for (const Child &child : std::as_const(children)) {
        delete child.notifier;
        ::close(child.pidfd);
    }
    if (becameSubreaper)
        ::prctl(PR_SET_CHILD_SUBREAPER, 0, 0, 0, 0);
}

void SessionReaper::becomeSubreaper()
{
    int current = 0;
    ::prctl(PR_GET_CHILD_SUBREAPER, &current, 0, 0, 0);
    becameSubreaper = current == 0 && ::prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) == 0;
    for (const ProcessInfo &child : childrenOf(::getpid()))
        childrenBefore.insert(child.pid);
}

bool SessionReaper::follow(pid_t command)
{
    commandPid = command;
    childrenBefore.remove(command);
    track(command, true);
    return children.contains(command);
}

void SessionReaper::track(pid_t pid, bool inSession)
{
    // The pid stays this child's until it is reaped here, so it cannot name
    // another process in between.
    const int pidfd = int(::syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0)
        return;
    auto *notifier = new QSocketNotifier(pidfd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, pid] { onChildEnded(pid); });
    children.insert(pid, Child{pidfd, notifier, inSession});
    if (signalForNew && inSession)
        ::kill(pid, signalForNew);
}

void SessionReaper::onChildEnded(pid_t pid)
{
    const Child child = children.value(pid);
    siginfo_t info{};
    if (::waitid(P_PIDFD, id_t(child.pidfd), &info, WEXITED | WNOHANG) != 0 || info.si_pid == 0)
        return;
    children.remove(pid);
    child.notifier->setEnabled(false);
    child.notifier->deleteLater();
    ::close(child.pidfd);
    if (pid == commandPid) {
        commandStatus = statusOf(info);
        recheck->start();
    }
    adoptOrphans();
    finishIfDone();
}

void SessionReaper::adoptOrphans()
{
    for (const ProcessInfo &child : childrenOf(::getpid())) {
        if (!children.contains(child.pid) && !childrenBefore.contains(child.pid))
            track(child.pid, child.session == session);
    }
}

void SessionReaper::finishIfDone()
{
    if (done || !commandStatus)
        return;
    for (auto it = children.begin(); it != children.end(); ++it) {
        if (it->inSession)
            it->inSession = ::getsid(it.key()) == session;
        if (it->inSession)
            return;
    }
    done = true;
    recheck->stop();
    emit ended(*commandStatus);
}

void SessionReaper::signalCommand(int signal)
{
    // What the command leaves behind after this signal is part of what the
    // sender meant to stop.
    if (signalForNew != SIGKILL)
        signalForNew = signal;
    if (children.contains(commandPid)) {
        ::kill(commandPid, signal);
        return;
    }
    for (auto it = children.cbegin(); it != children.cend(); ++it) {
        if (it->inSession)
            ::kill(it.key(), signal);
    }
}

void SessionReaper::signalAll(int signal)
{
    signalForNew = signal;
    adoptOrphans();
    for (auto it = children.cbegin(); it != children.cend(); ++it) {
        if (it->inSession)
            ::kill(it.key(), signal);
    }
}
