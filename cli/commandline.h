// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"
#include "cli/commandrequest.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

struct CommandLineError {
    QString message;
};

// Reads the arguments after the program name; "--data-home" must have been
// taken out already.
std::variant<CommandRequest, CommandLineError> parseCommandLine(const QStringList &arguments);
// The checks the parser makes, for a request that arrives from elsewhere.
std::optional<QString> checkCommandRequest(const CommandRequest &request);
// The table entry of the request's command; null for a name it does not have.
const CommandKind *commandKind(const CommandRequest &request);

// The text of --help, the same everywhere it is shown.
QString commandLineHelp();
QString commandLineVersion();
