// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that only answer: --help, --version, and a plain start that
// finds an instance running.
#include "cli/command.h"
#include "cli/commandline.h"
#include "cli/settingstarget.h"

#include <QCoreApplication>

namespace {

class TextCommand : public Command
{
public:
    explicit TextCommand(QString (*makeText)())
        : text(makeText)
    {
    }

    void start(const CommandRequest &, const Context &) override
    {
        answer.out = text().toUtf8();
        finish(exitstatus::DONE);
    }

private:
    QString (*text)();
};

// An instance runs already, in the tray or with its window: a start with the
// desktop has nothing to add.
class RaiseWindowCommand : public Command
{
public:
    void start(const CommandRequest &request, const Context &context) override
    {
        if (request.has(QStringLiteral("background")) || (context.target && context.target->raiseWindow())) {
            if (request.has(QStringLiteral("wheel-test")))
                context.target->openWheelTest();
            finish(exitstatus::DONE);
        }
        else
            finish(exitstatus::FAILED,
                   QCoreApplication::translate("CommandExecutor",
                                               "A command holds the controller now; start the window when it has "
                                               "ended."));
    }
};

} // namespace

const CommandKind commands::HELP{"help", true, false,
                                 [] { return static_cast<Command *>(new TextCommand(commandLineHelp)); }, nullptr};
const CommandKind commands::VERSION{"version", true, false,
                                    [] { return static_cast<Command *>(new TextCommand(commandLineVersion)); },
                                    nullptr};
const CommandKind commands::WINDOW{"window", false, false,
                                   [] { return static_cast<Command *>(new RaiseWindowCommand); }, nullptr};
