// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"

// A command that works on the controller: checks its inputs, waits for the
// controller and its records, warns when the firmware is another version
// than the tool, and answers once what it sent has reached the wire.
class ControllerCommand : public Command
{
public:
    void start(const CommandRequest &request, const Context &context) override;

protected:
    // Reads and checks everything the request names before anything is sent;
    // false once it has finished with an error.
    virtual bool load(const CommandRequest &request, const QString &workingDirectory);
    // The controller is there and its four records are known.
    virtual void ready() = 0;
    // What was sent has reached the wire (or could not); the answer follows.
    virtual void settledWrites() {}

    SettingsTarget *target = nullptr;
    // Set for a launch wrapper's apply and restore in the running instance.
    SettingsLayerKeeper *layers = nullptr;
    QString layerName;

private:
    void work();
    void onSettled(bool controllerLeft, const QStringList &lostWrites);
};
