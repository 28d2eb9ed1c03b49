// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"
#include "cli/instancemessage.h"

#include <QObject>

#include <memory>
#include <optional>

class DeviceLinkTarget;
class DeviceLink;
class InstanceServer;
class LaunchWrapper;
class SettingsTarget;
class SnapshotRecorder;

// A command's process that has become the running instance: it carries out
// its own request and every one that later starts hand it meanwhile, then
// stops listening and ends once all are answered. The controller is opened
// only when a request needs it. With a launch wrapper's command it runs the
// command once its settings are applied and puts back those found before
// when the command ends.
class InstanceHost : public QObject
{
    Q_OBJECT

public:
    InstanceHost(InstanceServer &server, const instancemessage::Request &request, QObject *parent = nullptr);
    ~InstanceHost() override;

    // Runs until everything is answered; the process's exit status.
    int exec();

private:
    SettingsTarget *openController();
    void applied(const CommandAnswer &answer);
    void commandEnded(int commandStatus, const QString &message);
    void finishWhenIdle();

    InstanceServer &server;
    instancemessage::Request request;
    std::unique_ptr<SnapshotRecorder> history;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<DeviceLinkTarget> target;
    LaunchWrapper *wrapper;
    std::optional<ControllerSettings> before;
    int status = exitstatus::DONE;
};

// Prints a command's answer as the command itself would have.
void printAnswer(const CommandAnswer &answer);
void printError(const QString &message);
// Whether the launch wrapper runs its command after applying ended with this
// status; says so on stderr when not everything was applied. The game starts
// all the same when the controller is missing or left during the apply.
bool runsCommandAfter(int applyStatus);
