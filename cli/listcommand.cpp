// SPDX-License-Identifier: GPL-3.0-or-later
// --list: one line per controller on the bus.
#include "cli/command.h"
#include "cli/settingstarget.h"

#include <QCoreApplication>

namespace {

class ListCommand : public Command
{
public:
    void start(const CommandRequest &, const Context &context) override
    {
        connect(context.target, &SettingsTarget::listed, this, [this](const QStringList &lines) {
            for (const QString &line : lines)
                answer.out += line.toUtf8() + '\n';
            if (lines.isEmpty())
                finish(exitstatus::NO_CONTROLLER, QCoreApplication::translate("CommandExecutor", "No controller found."));
            else
                finish(exitstatus::DONE);
        });
        context.target->listControllers();
    }
};

} // namespace

const CommandKind commands::LIST{"list", false, true, [] { return static_cast<Command *>(new ListCommand); },
                                 nullptr};
