// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QProcess;

// Runs the wrapped command in this terminal: same environment, same process
// group (Ctrl+C reaches it), standard input and output passed through. While
// it runs this process ignores SIGINT and SIGQUIT, so that the terminal's
// signals end the command and not the wrapper that still has to restore the
// settings.
class LaunchWrapper : public QObject
{
    Q_OBJECT

public:
    explicit LaunchWrapper(QObject *parent = nullptr);
    ~LaunchWrapper() override;

    void start(const QStringList &command);

signals:
    // The command's exit status: its exit code, 128 + the signal number when
    // a signal ended it, 127 when it could not be started.
    void finished(int status, const QString &message);

private:
    void restoreSignals();

    QProcess *process;
    bool signalsIgnored = false;
};
