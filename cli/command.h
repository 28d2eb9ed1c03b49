// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commandrequest.h"
#include "settings/controllersettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class SettingsLayerKeeper;
class SettingsTarget;

// Exit statuses of a command; the wrapper ends with its command's own instead.
namespace exitstatus {
inline constexpr int DONE = 0;
inline constexpr int FAILED = 1;
inline constexpr int BAD_INPUT = 2;
inline constexpr int NO_CONTROLLER = 3;
inline constexpr int NO_PERMISSION = 4;
inline constexpr int CONTROLLER_LEFT = 5;
} // namespace exitstatus

struct CommandAnswer {
    QByteArray out;
    QByteArray err;
    int status = 0;
    // For the launch wrapper: the four records found before applying.
    std::optional<ControllerSettings> before;
};

// One command, carried out once: it answers with what it would have printed
// and its exit status. Everything the request names is checked before the
// first write; bad input sends nothing.
class Command : public QObject
{
    Q_OBJECT

public:
    struct Context {
        // Null for the commands that need no controller, where none is at hand.
        SettingsTarget *target = nullptr;
        // Absolute; the request's files and profile folders are taken from here.
        QString workingDirectory;
        // The running instance's layers; a launch wrapper's apply and restore
        // go on and come off as the layer `layerName`.
        SettingsLayerKeeper *layers = nullptr;
        QString layerName;
    };

    using QObject::QObject;
    virtual void start(const CommandRequest &request, const Context &context) = 0;

signals:
    // Emitted once.
    void finished(const CommandAnswer &answer);

protected:
    // Answers with the status; an error text goes to standard error.
    void finish(int status, const QString &errorText = {});
    CommandAnswer answer;

private:
    bool done = false;
};

// An entry of the command table: what the command line knows of a command.
// A command is a file that defines one of these and the option that starts it.
struct CommandKind {
    const char *name;
    // Runs in the process that was started, never through the running
    // instance (nothing of it touches the controller or the instance's state).
    bool runsHere;
    // Needs the controller behind the settings target.
    bool needsController;
    Command *(*create)();
    // The command's own checks of a request once the common ones passed; null
    // when it has none.
    std::optional<QString> (*check)(const CommandRequest &request);
};

// The commands, each defined in its own file.
namespace commands {
extern const CommandKind WINDOW;
extern const CommandKind HELP;
extern const CommandKind VERSION;
extern const CommandKind LIST;
extern const CommandKind SHOW;
extern const CommandKind APPLY;
extern const CommandKind EXPORT;
extern const CommandKind IMPORT;
extern const CommandKind GAME_RULE;
extern const CommandKind MONITOR;
extern const CommandKind REMOVE_DEAD_ZONE;
extern const CommandKind RESTORE_DEAD_ZONE;
extern const CommandKind HISTORY;
extern const CommandKind HISTORY_SHOW;
extern const CommandKind DIFF;
extern const CommandKind RESTORE;
} // namespace commands

// Puts back records found before, by the same diff writes a profile pick sends.
Command *createRestoreCommand(const ControllerSettings &settings);
