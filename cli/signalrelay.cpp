// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/signalrelay.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int RELAYED[4] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// The handler may run on any thread: it only writes the signal's number to
// this pipe, which the event loop reads.
int pipeFds[2] = {-1, -1};

// Marks a signal the kernel raised.
constexpr unsigned char FROM_KERNEL = 0x80;

void onSignal(int signal, siginfo_t *info, void *)
{
    const int savedErrno = errno;
    // SI_USER, SI_QUEUE, SI_TKILL and the like are at or below zero: another
    // process sent it. Positive codes come from the kernel.
    const unsigned char number = static_cast<unsigned char>(signal | (info->si_code > 0 ? FROM_KERNEL : 0));
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &number, 1);
    errno = savedErrno;
}

} // namespace

SignalRelay::SignalRelay(QObject *parent)
    : QObject(parent)
{
    sigemptyset(&caught);
    Q_ASSERT(pipeFds[0] < 0);
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeFds[0] = pipeFds[1] = -1;
        return;
    }
    notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SignalRelay::readPipe);

    struct sigaction action {
    };
    action.sa_sigaction = onSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 4; ++i) {
        ::sigaction(RELAYED[i], nullptr, &previous[i]);
        if (previous[i].sa_handler == SIG_IGN && !(previous[i].sa_flags & SA_SIGINFO))
            continue;
        ::sigaction(RELAYED[i], &action, nullptr);
        sigaddset(&caught, RELAYED[i]);
    }
}

SignalRelay::~SignalRelay()
{
    for (int i = 0; i < 4; ++i) {
        if (sigismember(&caught, RELAYED[i]))
            ::sigaction(RELAYED[i], &previous[i], nullptr);
    }
    delete notifier;
    if (pipeFds[0] >= 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
    }
    pipeFds[0] = pipeFds[1] = -1;
}

void SignalRelay::readPipe()
{
    if (pipeFds[0] < 0)
        return;
    unsigned char numbers[16];
    ssize_t count;
    while ((count = ::read(pipeFds[0], numbers, sizeof numbers)) > 0) {
        for (ssize_t i = 0; i < count; ++i)
            emit received(numbers[i] & ~FROM_KERNEL, !(numbers[i] & FROM_KERNEL));
    }
}
