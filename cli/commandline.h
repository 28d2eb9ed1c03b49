// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// Exit statuses of a command; the wrapper ends with its command's own instead.
namespace exitstatus {
inline constexpr int DONE = 0;
inline constexpr int FAILED = 1;
inline constexpr int BAD_INPUT = 2;
inline constexpr int NO_CONTROLLER = 3;
inline constexpr int NO_PERMISSION = 4;
inline constexpr int CONTROLLER_LEFT = 5;
} // namespace exitstatus

// What one start of the program asks for. Without any option it is the
// window; with options it is a command that runs without a window.
struct CommandRequest {
    bool advanced = false;
    bool help = false;
    bool version = false;
    bool list = false;
    bool show = false;
    QString format = QStringLiteral("text");
    // --profile and --set in the order given; profiles are applied first.
    QStringList profiles;
    QStringList sets;
    bool save = false;
    QString exportProfile;
    QString output;
    QString importFile;
    QString importName;
    int waitSeconds = 5;
    // Everything after "--": the launch wrapper's command.
    QStringList command;
    // The window starts with the tray icon only, where there is a tray.
    bool background = false;
    // --game-rule: "list", "add" or "remove", and the game and profiles after it.
    QString gameRule;
    QStringList gameRuleArguments;

    bool isWindow() const;
    // Applies settings: profiles, --set or --save.
    bool changesSettings() const { return !profiles.isEmpty() || !sets.isEmpty() || save; }
};

struct CommandLineError {
    QString message;
};

// Reads the arguments after the program name; "--data-home" must have been
// taken out already.
std::variant<CommandRequest, CommandLineError> parseCommandLine(const QStringList &arguments);

// The text of --help, the same everywhere it is shown.
QString commandLineHelp();
QString commandLineVersion();
