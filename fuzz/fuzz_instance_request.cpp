// SPDX-License-Identifier: GPL-3.0-or-later
// A message of any content on the running instance's local socket, read as
// the instance reads a request (the first byte 0) or as a second start reads
// the answer (the first byte 1).
//
// A message whose length field exceeds the limit is refused unread. A request
// that decodes is of this release's protocol, has an absolute working
// directory, no more strings than the limit, and restore records of exactly
// the records' size; it encodes back to a request that decodes to the same.
// A request the command line's checks pass names a command of the table with
// a wait in range. Whatever follows a complete request in the stream is not
// part of it: the same request decodes from the stream's first frame. An
// answer that decodes has an exit status a process can end with.

#include "cli/commandline.h"
#include "cli/instancemessage.h"

#include <QCoreApplication>
#include <QDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool sameRecords(const std::optional<ControllerSettings> &a, const std::optional<ControllerSettings> &b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a || std::memcmp(&*a, &*b, sizeof(ControllerSettings)) == 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const bool answer = data[0] & 1;
    const QByteArray message(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const std::optional<qsizetype> length = instancemessage::payloadSize(message);
    if (!length || *length > instancemessage::MAX_MESSAGE_SIZE || message.size() < 4 + *length)
        return 0;
    const QByteArray payload = message.mid(4, *length);

    if (answer) {
        const auto decoded = instancemessage::decodeAnswer(payload);
        if (decoded)
            check(decoded->status >= 0 && decoded->status <= 255, "answer status in range");
        return 0;
    }

    const instancemessage::Decoded decoded = instancemessage::decodeRequest(payload);
    if (const auto *other = std::get_if<instancemessage::OtherProtocol>(&decoded))
        check(other->protocol != instancemessage::PROTOCOL, "another protocol is another number");
    const auto *request = std::get_if<instancemessage::Request>(&decoded);
    if (!request)
        return 0;
    check(QDir::isAbsolutePath(request->workingDirectory), "absolute working directory");
    const CommandRequest &command = request->command;
    qsizetype strings = command.options.size() + command.words.size() + command.wrapped.size();
    for (const QStringList &values : command.options)
        strings += values.size();
    check(strings <= instancemessage::MAX_ARGUMENTS, "string count");
    const instancemessage::Decoded again = instancemessage::decodeRequest(instancemessage::encodeRequest(*request));
    const auto *same = std::get_if<instancemessage::Request>(&again);
    check(same != nullptr, "a decoded request encodes to a valid one");
    check(same->command == command && same->workingDirectory == request->workingDirectory &&
              sameRecords(same->restore, request->restore) && same->wrapperPid == request->wrapperPid &&
              same->wrapperEnded == request->wrapperEnded,
          "round trip keeps the request");
    if (!checkCommandRequest(command)) {
        const CommandKind *kind = commandKind(command);
        check(kind != nullptr, "a checked request names a command of the table");
        check(command.waitSeconds() >= 0 && command.waitSeconds() <= 3600, "wait in range");
    }
    // The rest of the input as more of the same client's stream: the
    // request read from the stream's first frame is the same.
    const QByteArray stream = message.left(4 + *length) + message.mid(4 + *length) + message;
    const std::optional<qsizetype> first = instancemessage::payloadSize(stream);
    check(first && *first == *length, "the first frame is the request's");
    const instancemessage::Decoded fromStream = instancemessage::decodeRequest(stream.mid(4, *first));
    const auto *streamed = std::get_if<instancemessage::Request>(&fromStream);
    check(streamed && streamed->command == command, "bytes after a request are not part of it");
    return 0;
}
