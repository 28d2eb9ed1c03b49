// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/launchwrapper.h"

#include <QProcess>

#include <csignal>

namespace {

void setTerminalSignals(void (*handler)(int))
{
    struct sigaction action {
    };
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGQUIT, &action, nullptr);
}

} // namespace

LaunchWrapper::LaunchWrapper(QObject *parent)
    : QObject(parent)
    , process(new QProcess(this))
{
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    // Ignored signals stay ignored across exec: the command gets the
    // default actions back before it starts.
    process->setChildProcessModifier([] { setTerminalSignals(SIG_DFL); });
    connect(process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus exitStatus) {
        restoreSignals();
        // On a crash Qt reports the terminating signal's number as the code.
        emit finished(exitStatus == QProcess::CrashExit ? 128 + exitCode : exitCode, QString());
    });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        restoreSignals();
        emit finished(127, tr("cannot run %1: %2").arg(process->program(), process->errorString()));
    });
}

LaunchWrapper::~LaunchWrapper()
{
    restoreSignals();
}

void LaunchWrapper::start(const QStringList &command)
{
    setTerminalSignals(SIG_IGN);
    signalsIgnored = true;
    process->start(command.first(), command.mid(1));
}

void LaunchWrapper::restoreSignals()
{
    if (signalsIgnored)
        setTerminalSignals(SIG_DFL);
    signalsIgnored = false;
}
