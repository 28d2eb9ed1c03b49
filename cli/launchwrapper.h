// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class SessionReaper;
class SignalRelay;
class QTimer;

// Runs the wrapped command in this terminal: same environment, same process
// group (Ctrl+C reaches it directly), standard input and output passed
// through. While it runs, a SIGTERM, SIGINT, SIGHUP or SIGQUIT that another
// process sends to this one (a launcher's Stop) is passed on to the command,
// and a command that has not ended 5 s after a SIGTERM is killed. The end is
// reported once the command and everything it left running in this session
// have ended. The signals are caught from construction on: one that comes
// before the command has started (while the settings are applied) stops the
// wrapper from starting it at all.
class LaunchWrapper : public QObject
{
    Q_OBJECT

public:
    explicit LaunchWrapper(QObject *parent = nullptr);
    ~LaunchWrapper() override;

    // The first TERM, INT, HUP or QUIT that came, from whatever sender,
    // before the command was started; 0 when none did.
    int stopBeforeStart();
    void start(const QStringList &command);

signals:
    // The command's exit status: its exit code, 128 + the signal number when
    // a signal ended it or stopped the wrapper before it started, 127 when it
    // could not be started.
    void finished(int status, const QString &message);

private:
    void forward(int signal, bool sentByProcess);
    void finish(int status, const QString &message);

    SignalRelay *relay;
    int earlyStop = 0;
    SessionReaper *reaper = nullptr;
    QTimer *killTimer;
};
