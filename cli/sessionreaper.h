// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

#include <sys/types.h>

#include <optional>

class QSocketNotifier;
class QTimer;

// Waits for a command and for everything it left running in this session.
//
// The process becomes a child subreaper, so what the command started and left
// behind is handed to it instead of to init. It follows each such child
// through a pidfd and reaps exactly that pid, never any child (no
// waitpid(-1)): the children this process had before the command are not
// touched. A child in another session (a daemon that called setsid) is reaped
// when it ends but not waited for. `ended` comes once the command has ended
// and no child of this process in its session is left.
//
// Orphans are told from other children by their parent: this process starts
// no program besides the command while it waits.
class SessionReaper : public QObject
{
    Q_OBJECT

public:
    explicit SessionReaper(QObject *parent = nullptr);
    ~SessionReaper() override;

    // Call before starting the command: from here on orphans come to this process.
    void becomeSubreaper();
    // Follows the started command. False when it cannot be followed.
    bool follow(pid_t command);

    // Sends the signal to the command while it runs, else to what it left
    // running in this session; what it leaves behind later gets it too.
    void signalCommand(int signal);
    // Sends the signal to the command and everything it left in this
    // session, now and whatever turns up later.
    void signalAll(int signal);

signals:
    // The command's exit code, or 128 + the signal that ended it.
    void ended(int status);

private:
    struct Child {
        int pidfd = -1;
        QSocketNotifier *notifier = nullptr;
        bool inSession = false;
    };

    void track(pid_t pid, bool inSession);
    void onChildEnded(pid_t pid);
    void adoptOrphans();
    void finishIfDone();

    pid_t commandPid = 0;
    pid_t session;
    std::optional<int> commandStatus;
    QTimer *recheck;
    QSet<pid_t> childrenBefore;
    QHash<pid_t, Child> children;
    int signalForNew = 0;
    bool becameSubreaper = false;
    bool done = false;
};
