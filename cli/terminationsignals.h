// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a signal on the GUI thread, so that
// a session logout, `kill` or Ctrl+C end the application the way closing the
// window does: the device link stops and hidapi shuts down in order. The
// handler only writes the signal number into a pipe. It fires once per
// signal number: the default action returns right away, so a second Ctrl+C
// still ends a process that hangs while shutting down.
// Only one watcher may exist at a time.
class TerminationSignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignalWatcher(QObject *parent = nullptr);
    ~TerminationSignalWatcher() override;

    // False when the pipe or the handlers could not be set up.
    bool isWatching() const { return notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignals();

    QSocketNotifier *notifier = nullptr;
};
