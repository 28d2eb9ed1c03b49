// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/instancehost.h"

#include "cli/devicelinktarget.h"
#include "cli/instanceserver.h"
#include "cli/launchwrapper.h"
#include "device/devicelink.h"
#include "history/snapshotrecorder.h"
#include "settings/appfiles.h"

#include <QCoreApplication>

#include <cstdio>

void printAnswer(const CommandAnswer &answer)
{
    std::fwrite(answer.out.constData(), 1, size_t(answer.out.size()), stdout);
    std::fflush(stdout);
    std::fwrite(answer.err.constData(), 1, size_t(answer.err.size()), stderr);
    std::fflush(stderr);
}

void printError(const QString &message)
{
    std::fprintf(stderr, "vellox-wheel-setup: %s\n", qPrintable(message));
}

InstanceHost::InstanceHost(InstanceServer &instanceServer, const instancemessage::Request &ownRequest,
                           QObject *parent)
    : QObject(parent)
    , server(instanceServer)
    , request(ownRequest)
    , wrapper(new LaunchWrapper(this))
{
    server.setTargetFactory([this] { return openController(); });
    connect(wrapper, &LaunchWrapper::finished, this, &InstanceHost::commandEnded);
}

InstanceHost::~InstanceHost()
{
    server.setTargetFactory(nullptr);
}

// The one place where a command without a window opens the controller.
SettingsTarget *InstanceHost::openController()
{
    link = std::make_unique<DeviceLink>();
    link->startThread();
    target = std::make_unique<DeviceLinkTarget>(link->worker(), true);
    // Declared before the target, so it ends after it: queued snapshots are
    // written before the process ends.
    history = std::make_unique<SnapshotRecorder>(appfiles::historyFolder());
    connect(history.get(), &SnapshotRecorder::failed, this, [](const QString &message) { printError(message); });
    target->setHistory(history.get());
    return target.get();
}

int InstanceHost::exec()
{
    server.enqueue(request, [this](const CommandAnswer &answer) { applied(answer); });
    QCoreApplication::exec();
    // The target goes before the link it works through.
    server.setTarget(nullptr);
    target.reset();
    link.reset();
    history.reset();
    return status;
}

bool runsCommandAfter(int applyStatus)
{
    switch (applyStatus) {
    case exitstatus::DONE:
        return true;
    case exitstatus::NO_CONTROLLER:
    case exitstatus::NO_PERMISSION:
        printError(QCoreApplication::translate("Application", "running the command without changing settings."));
        return true;
    case exitstatus::CONTROLLER_LEFT:
        printError(QCoreApplication::translate("Application", "running the command with the settings that arrived."));
        return true;
    default:
        return false;
    }
}

void InstanceHost::applied(const CommandAnswer &answer)
{
    printAnswer(answer);
    status = answer.status;
    if (request.command.wrapped.isEmpty() || !runsCommandAfter(status)) {
        finishWhenIdle();
        return;
    }
    before = answer.before;
    wrapper->start(request.command.wrapped);
}

void InstanceHost::commandEnded(int commandStatus, const QString &message)
{
    if (!message.isEmpty())
        printError(message);
    status = commandStatus;
    if (!before) {
        finishWhenIdle();
        return;
    }
    instancemessage::Request restore = request;
    restore.restore = before;
    server.enqueue(restore, [this](const CommandAnswer &answer) {
        printAnswer(answer);
        finishWhenIdle();
    });
}

void InstanceHost::finishWhenIdle()
{
    // Listening goes on until nothing is left to do: a start that finds no
    // instance then becomes the next one, and never works beside this one.
    if (server.isIdle()) {
        server.stopListening();
        QCoreApplication::exit(0);
        return;
    }
    connect(&server, &InstanceServer::idle, this, &InstanceHost::finishWhenIdle, Qt::UniqueConnection);
}
