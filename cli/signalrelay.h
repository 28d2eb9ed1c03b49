// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Catches SIGTERM, SIGINT, SIGHUP and SIGQUIT while it lives and reports, on
// the event loop, those that another process sent (kill, a launcher's Stop).
// Signals the kernel raised (Ctrl+C, Ctrl+\, a terminal hang-up) reached the
// whole foreground process group already and are dropped, so the wrapper
// survives them. A signal that was ignored when the relay started (nohup)
// stays ignored. One relay at a time per process.
class SignalRelay : public QObject
{
    Q_OBJECT

public:
    explicit SignalRelay(QObject *parent = nullptr);
    ~SignalRelay() override;

    // The signals this relay catches: each was at its default or handled
    // before, and the wrapped command must get it back at its default.
    const sigset_t &caughtSignals() const { return caught; }

signals:
    void received(int signal);

private:
    void readPipe();

    QSocketNotifier *notifier = nullptr;
    sigset_t caught;
    struct sigaction previous[4];
};
