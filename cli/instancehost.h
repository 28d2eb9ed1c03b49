// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"
#include "cli/instancemessage.h"

#include <QObject>

#include <memory>

class DeviceLinkTarget;
class DeviceLink;
class InstanceServer;
class SettingsTarget;
class SnapshotRecorder;

// The running instance without a window: a process of its own, started
// detached by the first command or launch wrapper that finds no instance, in
// a session of its own so that no launcher's Stop or terminal hang-up reaches
// it. It carries out the requests that later starts hand it, opening the
// controller when the first one needs it, and keeps the layers of the
// wrappers whose games run. It ends once nothing is queued and no layer is on.
class InstanceHost : public QObject
{
    Q_OBJECT

public:
    // The hidden option that starts it.
    static const char *const OPTION;

    explicit InstanceHost(InstanceServer &server, QObject *parent = nullptr);
    ~InstanceHost() override;

    // Runs until everything is answered and every layer has ended.
    int exec();

private:
    SettingsTarget *openController();
    void finishWhenIdle();

    InstanceServer &server;
    std::unique_ptr<SnapshotRecorder> history;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<DeviceLinkTarget> target;
};

// Starts the instance without a window as a detached process, in this
// process's working directory. Its process id, or 0 when it could not be
// started.
qint64 startDetachedInstance();

// Prints a command's answer as the command itself would have.
void printAnswer(const CommandAnswer &answer);
void printError(const QString &message);
// Whether the launch wrapper runs its command after applying ended with this
// status; says so on stderr when not everything was applied. The game starts
// all the same when the controller is missing or left during the apply.
bool runsCommandAfter(int applyStatus);
