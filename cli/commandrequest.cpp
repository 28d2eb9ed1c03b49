// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandrequest.h"

#include <QJsonArray>

namespace {

std::optional<QStringList> stringsFrom(const QJsonValue &value, int *budget)
{
    if (!value.isArray())
        return std::nullopt;
    const QJsonArray array = value.toArray();
    *budget -= int(qMin<qsizetype>(array.size(), 1 << 30));
    if (*budget < 0)
        return std::nullopt;
    QStringList strings;
    for (const QJsonValue &entry : array) {
        if (!entry.isString())
            return std::nullopt;
        strings.append(entry.toString());
    }
    return strings;
}

} // namespace

QJsonObject requestToJson(const CommandRequest &request)
{
    QJsonObject options;
    for (auto it = request.options.cbegin(); it != request.options.cend(); ++it)
        options.insert(it.key(), QJsonArray::fromStringList(it.value()));
    QJsonObject object;
    object.insert(QStringLiteral("command"), request.command);
    object.insert(QStringLiteral("options"), options);
    object.insert(QStringLiteral("words"), QJsonArray::fromStringList(request.words));
    object.insert(QStringLiteral("wrapped"), QJsonArray::fromStringList(request.wrapped));
    return object;
}

std::optional<CommandRequest> requestFromJson(const QJsonObject &object, int maxStrings)
{
    const QJsonValue command = object.value(QStringLiteral("command"));
    const QJsonValue options = object.value(QStringLiteral("options"));
    if (!command.isString() || !options.isObject())
        return std::nullopt;
    CommandRequest request;
    request.command = command.toString();
    int budget = maxStrings;
    const QJsonObject optionObject = options.toObject();
    for (auto it = optionObject.begin(); it != optionObject.end(); ++it) {
        const std::optional<QStringList> values = stringsFrom(it.value(), &budget);
        if (!values || --budget < 0)
            return std::nullopt;
        request.options.insert(it.key(), *values);
    }
    const std::optional<QStringList> words = stringsFrom(object.value(QStringLiteral("words")), &budget);
    const std::optional<QStringList> wrapped = stringsFrom(object.value(QStringLiteral("wrapped")), &budget);
    if (!words || !wrapped)
        return std::nullopt;
    request.words = *words;
    request.wrapped = *wrapped;
    return request;
}
