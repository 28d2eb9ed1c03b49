// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/instancemessage.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>

namespace instancemessage {

namespace {

constexpr qsizetype RECORDS_SIZE = sizeof(ControllerSettings);
static_assert(sizeof(ControllerSettings) == 256);

QString recordsToBase64(const ControllerSettings &settings)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(&settings), RECORDS_SIZE).toBase64());
}

std::optional<ControllerSettings> recordsFromBase64(const QJsonValue &value)
{
    if (!value.isString())
        return std::nullopt;
    const auto decoded =
        QByteArray::fromBase64Encoding(value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != RECORDS_SIZE)
        return std::nullopt;
    ControllerSettings settings;
    std::memcpy(&settings, decoded.decoded.constData(), RECORDS_SIZE);
    return settings;
}

std::optional<QJsonObject> objectFrom(const QByteArray &payload)
{
    if (payload.size() > MAX_MESSAGE_SIZE)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

std::optional<QByteArray> bytesFromBase64(const QJsonValue &value)
{
    if (!value.isString())
        return std::nullopt;
    const auto decoded =
        QByteArray::fromBase64Encoding(value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return decoded.decoded;
}

} // namespace

QByteArray frame(const QByteArray &payload)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(quint32(payload.size()), bytes.data());
    return bytes + payload;
}

std::optional<qsizetype> payloadSize(const QByteArray &buffer)
{
    if (buffer.size() < 4)
        return std::nullopt;
    return qsizetype(qFromBigEndian<quint32>(buffer.constData()));
}

QByteArray encodeRequest(const Request &request)
{
    QJsonObject object = requestToJson(request.command);
    object.insert(QStringLiteral("protocol"), PROTOCOL);
    object.insert(QStringLiteral("directory"), request.workingDirectory);
    if (request.restore)
        object.insert(QStringLiteral("restore"), recordsToBase64(*request.restore));
    if (request.wrapperPid > 0) {
        object.insert(QStringLiteral("wrapper"), double(request.wrapperPid));
        object.insert(QStringLiteral("wrapper_ended"), request.wrapperEnded);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

Decoded decodeRequest(const QByteArray &payload)
{
    const std::optional<QJsonObject> object = objectFrom(payload);
    if (!object)
        return Malformed{};
    // Read first: a request of another release may differ in anything else.
    const QJsonValue protocol = object->value(QStringLiteral("protocol"));
    if (protocol.isUndefined())
        return OtherProtocol{1};
    // toInt() gives the default for a fraction or a number beyond int; a cast would be undefined.
    if (!protocol.isDouble() || protocol.toInt(std::numeric_limits<int>::min()) == std::numeric_limits<int>::min())
        return Malformed{};
    if (protocol.toInt() != PROTOCOL)
        return OtherProtocol{protocol.toInt()};
    for (auto it = object->begin(); it != object->end(); ++it) {
        const char *const known[] = {"protocol",  "command", "options", "words",        "wrapped",
                                     "directory", "restore", "wrapper", "wrapper_ended"};
        if (std::none_of(std::begin(known), std::end(known),
                         [&it](const char *key) { return it.key() == QLatin1String(key); }))
            return Malformed{};
    }
    const std::optional<CommandRequest> command = requestFromJson(*object, MAX_ARGUMENTS);
    const QJsonValue directory = object->value(QStringLiteral("directory"));
    if (!command || !directory.isString())
        return Malformed{};
    Request request;
    request.command = *command;
    request.workingDirectory = directory.toString();
    if (!QDir::isAbsolutePath(request.workingDirectory) || request.workingDirectory.contains(QChar(0)))
        return Malformed{};
    if (object->contains(QStringLiteral("restore"))) {
        request.restore = recordsFromBase64(object->value(QStringLiteral("restore")));
        if (!request.restore)
            return Malformed{};
    }
    if (object->contains(QStringLiteral("wrapper"))) {
        const QJsonValue pid = object->value(QStringLiteral("wrapper"));
        const QJsonValue ended = object->value(QStringLiteral("wrapper_ended"));
        // Process ids are positive and below 2^22 on Linux.
        if (!pid.isDouble() || !ended.isBool() || pid.toDouble() < 1 || pid.toDouble() > 4194304 ||
            pid.toDouble() != double(qint64(pid.toDouble())))
            return Malformed{};
        request.wrapperPid = qint64(pid.toDouble());
        request.wrapperEnded = ended.toBool();
    } else if (object->contains(QStringLiteral("wrapper_ended"))) {
        return Malformed{};
    }
    return request;
}

QByteArray encodeAnswer(const CommandAnswer &answer)
{
    QJsonObject object;
    object.insert(QStringLiteral("out"), QString::fromLatin1(answer.out.toBase64()));
    object.insert(QStringLiteral("err"), QString::fromLatin1(answer.err.toBase64()));
    object.insert(QStringLiteral("status"), answer.status);
    if (answer.before)
        object.insert(QStringLiteral("before"), recordsToBase64(*answer.before));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<CommandAnswer> decodeAnswer(const QByteArray &payload)
{
    const std::optional<QJsonObject> object = objectFrom(payload);
    if (!object)
        return std::nullopt;
    const auto out = bytesFromBase64(object->value(QStringLiteral("out")));
    const auto err = bytesFromBase64(object->value(QStringLiteral("err")));
    const QJsonValue status = object->value(QStringLiteral("status"));
    if (!out || !err || !status.isDouble())
        return std::nullopt;
    CommandAnswer answer;
    answer.out = *out;
    answer.err = *err;
    answer.status = status.toInt(exitstatus::FAILED);
    if (answer.status < 0 || answer.status > 255)
        return std::nullopt;
    if (object->contains(QStringLiteral("before"))) {
        answer.before = recordsFromBase64(object->value(QStringLiteral("before")));
        if (!answer.before)
            return std::nullopt;
    }
    return answer;
}

} // namespace instancemessage
