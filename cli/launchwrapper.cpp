// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/launchwrapper.h"

#include "cli/sessionreaper.h"
#include "cli/signalrelay.h"

#include <QTimer>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

// How long a command has to end after a SIGTERM before it is killed.
constexpr int TERM_GRACE_MS = 5000;

} // namespace

LaunchWrapper::LaunchWrapper(QObject *parent)
    : QObject(parent)
    , relay(new SignalRelay(this))
    , killTimer(new QTimer(this))
{
    connect(relay, &SignalRelay::received, this, &LaunchWrapper::forward);
    killTimer->setSingleShot(true);
    killTimer->setInterval(TERM_GRACE_MS);
    connect(killTimer, &QTimer::timeout, this, [this] {
        if (reaper)
            reaper->signalAll(SIGKILL);
    });
}

LaunchWrapper::~LaunchWrapper() = default;

void LaunchWrapper::start(const QStringList &command)
{
    // Stopped while the settings were applied: starting the game only to
    // stop it would help nobody; the status is the one a command ended by
    // that signal has.
    if (const int stop = stopBeforeStart()) {
        const QString message = tr("%1 was not started: a signal to stop came while the settings were applied.")
                                    .arg(command.first());
        QMetaObject::invokeMethod(this, [this, stop, message] { finish(128 + stop, message); }, Qt::QueuedConnection);
        return;
    }
    reaper = new SessionReaper(this);
    connect(reaper, &SessionReaper::ended, this, [this](int status) { finish(status, QString()); });
    reaper->becomeSubreaper();

    std::vector<QByteArray> arguments;
    for (const QString &argument : command)
        arguments.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The command gets the relayed signals at their defaults; everything
    // else (ignored signals, the mask) it inherits as from any shell.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setsigdefault(&attributes, &relay->caughtSignals());
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, argv.front(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        const QString message =
            tr("cannot run %1: %2").arg(command.first(), QStringLiteral("execvp: ") + qt_error_string(error));
        QMetaObject::invokeMethod(this, [this, message] { finish(127, message); }, Qt::QueuedConnection);
        return;
    }
    if (!reaper->follow(pid)) {
        // Without pidfds (a kernel before 5.4) its end and its orphans cannot
        // be followed: it does not run at all rather than outlive the settings.
        const QString message =
            tr("cannot run %1: %2").arg(command.first(), QStringLiteral("pidfd_open: ") + qt_error_string(errno));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        QMetaObject::invokeMethod(this, [this, message] { finish(127, message); }, Qt::QueuedConnection);
    }
}

int LaunchWrapper::stopBeforeStart()
{
    relay->readPipe();
    return earlyStop;
}

void LaunchWrapper::forward(int signal, bool sentByProcess)
{
    if (!reaper) {
        // No command yet: nothing else got it, from the terminal either.
        if (!earlyStop)
            earlyStop = signal;
        return;
    }
    // The terminal's signals reached the command's process group already.
    if (!sentByProcess)
        return;
    reaper->signalCommand(signal);
    if (signal == SIGTERM && !killTimer->isActive())
        killTimer->start();
}

void LaunchWrapper::finish(int status, const QString &message)
{
    // The relay stays: a second Stop while the settings are put back must
    // not cut that short.
    killTimer->stop();
    emit finished(status, message);
}
