// SPDX-License-Identifier: GPL-3.0-or-later
// A message of any content on the running instance's local socket, read as
// the instance reads a request (the first byte 0) or as a second start reads
// the answer (the first byte 1).
//
// A message whose length field exceeds the limit is refused unread. A request
// that decodes has an absolute working directory, no more arguments than the
// limit, and restore records of exactly the records' size; it encodes back to
// a request that decodes to the same; its arguments go through the command
// line parser like a start's own. An answer that decodes has an exit status a
// process can end with.

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

    const auto request = instancemessage::decodeRequest(payload);
    if (!request)
        return 0;
    check(QDir::isAbsolutePath(request->workingDirectory), "absolute working directory");
    check(request->arguments.size() <= instancemessage::MAX_ARGUMENTS, "argument count");
    const auto again = instancemessage::decodeRequest(instancemessage::encodeRequest(*request));
    check(again.has_value(), "a decoded request encodes to a valid one");
    check(again->arguments == request->arguments && again->workingDirectory == request->workingDirectory &&
              sameRecords(again->restore, request->restore),
          "round trip keeps the request");
    const auto parsed = parseCommandLine(request->arguments);
    if (const auto *command = std::get_if<CommandRequest>(&parsed))
        check(command->waitSeconds >= 0 && command->waitSeconds <= 3600, "wait in range");
    return 0;
}
