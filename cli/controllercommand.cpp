// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/controllercommand.h"

#include "cli/journalcompletion.h"
#include "cli/settingstarget.h"
#include "device/appversion.h"

#include <QCoreApplication>

void ControllerCommand::start(const CommandRequest &request, const Context &context)
{
    target = context.target;
    layers = context.layers;
    layerName = context.layerName;
    connect(target, &SettingsTarget::failed, this,
            [this](int status, const QString &message) { finish(status, message); });
    connect(target, &SettingsTarget::ready, this, [this] {
        const QString tool = versionText(softwareVersion());
        if (target->firmwareVersionText() != tool)
            answer.err += QCoreApplication::translate("CommandExecutor",
                                                      "vellox-wheel-setup: warning: the controller runs firmware %1, "
                                                      "this tool is %2; settings may not mean the same to it.\n")
                              .arg(target->firmwareVersionText(), tool)
                              .toUtf8();
        // A restore left by an instance that died goes first, and is told
        // before what this command prints.
        journalcompletion::complete(target, this, [this](const QString &said) {
            if (!said.isEmpty())
                answer.err += QStringLiteral("vellox-wheel-setup: %1\n").arg(said).toUtf8();
            work();
        });
    });
    if (load(request, context.workingDirectory))
        target->prepare(request.waitSeconds() * 1000);
}

void ControllerCommand::work()
{
    connect(target, &SettingsTarget::settled, this, &ControllerCommand::onSettled);
    ready();
}

bool ControllerCommand::load(const CommandRequest &, const QString &)
{
    return true;
}

void ControllerCommand::onSettled(bool controllerLeft, const QStringList &lostWrites)
{
    settledWrites();
    if (!controllerLeft) {
        finish(exitstatus::DONE);
        return;
    }
    finish(exitstatus::CONTROLLER_LEFT,
           lostWrites.isEmpty()
               ? QCoreApplication::translate("CommandExecutor",
                                             "The controller left during the operation; some writes may not have "
                                             "arrived.")
               : QCoreApplication::translate("CommandExecutor", "The controller left during the operation; these "
                                                                "writes may not have arrived: %1.")
                     .arg(lostWrites.join(QStringLiteral(", "))));
}
