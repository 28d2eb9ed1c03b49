// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"
#include "cli/commandrequest.h"
#include "settings/controllersettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// Messages on the per-user local socket: a 4-byte big-endian length, then
// that many bytes of JSON. A second start sends one request and reads one
// answer. A request names the protocol it is written in; an instance of
// another release answers one it cannot read with a clear error instead of
// guessing.
namespace instancemessage {

// The requests' form: 1 was the argument list, 2 the parsed request.
inline constexpr int PROTOCOL = 2;
// Larger messages are refused unread.
inline constexpr qsizetype MAX_MESSAGE_SIZE = 256 * 1024;
// The most strings (option names, values, words) one request may carry.
inline constexpr int MAX_ARGUMENTS = 1024;

struct Request {
    CommandRequest command;
    // Absolute; files and profile folders named in the request are found from here.
    QString workingDirectory;
    // The launch wrapper of a second start: first the apply request, whose
    // answer carries the records found before, then the restore of those.
    std::optional<ControllerSettings> restore;
    // The launch wrapper's own process id, on its apply and its restore:
    // while its command runs, the game profiles' watch leaves this process
    // and everything it starts to the wrapper. 0 for other requests.
    qint64 wrapperPid = 0;
    // The wrapper's command has ended; without `restore` the request only
    // says so.
    bool wrapperEnded = false;
};

QByteArray frame(const QByteArray &payload);
// The payload's size from the first four bytes of a frame; nothing while
// fewer are there.
std::optional<qsizetype> payloadSize(const QByteArray &buffer);

// A request written in another protocol than this release's.
struct OtherProtocol {
    int protocol;
};
struct Malformed {
};
using Decoded = std::variant<Request, OtherProtocol, Malformed>;

QByteArray encodeRequest(const Request &request);
Decoded decodeRequest(const QByteArray &payload);
QByteArray encodeAnswer(const CommandAnswer &answer);
std::optional<CommandAnswer> decodeAnswer(const QByteArray &payload);

} // namespace instancemessage
