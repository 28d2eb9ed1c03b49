// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Catches SIGTERM, SIGINT, SIGHUP and SIGQUIT while it lives and reports
// them on the event loop, with whether another process sent them (kill, a
// launcher's Stop) or the kernel raised them (Ctrl+C, Ctrl+\, a terminal
// hang-up: those reached the whole foreground process group already). A
// signal that was ignored when the relay started (nohup) stays ignored. One
// relay at a time per process.
class SignalRelay : public QObject
{
    Q_OBJECT

public:
    explicit SignalRelay(QObject *parent = nullptr);
    ~SignalRelay() override;

    // The signals this relay catches: each was at its default or handled
    // before, and the wrapped command must get it back at its default.
    const sigset_t &caughtSignals() const { return caught; }

    // Reports at once what has come so far, without the event loop.
    void readPipe();

signals:
    void received(int signal, bool sentByProcess);

private:
    QSocketNotifier *notifier = nullptr;
    sigset_t caught;
    struct sigaction previous[4];
};
