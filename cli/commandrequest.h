// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// What one start of the program asks for, read once from its arguments: the
// command, the options given with their values, the words after them and the
// launch wrapper's command. The same value travels to the running instance.
struct CommandRequest {
    // The command's name in the command table; "window" without any.
    QString command = QStringLiteral("window");
    // Every option given, by name without dashes, its values in the order
    // given (none for a switch).
    QMap<QString, QStringList> options;
    // The words after the options: --game-rule's game and profiles, or
    // "advanced" for the window.
    QStringList words;
    // Everything after "--": the launch wrapper's command.
    QStringList wrapped;

    bool has(const QString &option) const { return options.contains(option); }
    QString value(const QString &option) const { return options.value(option).value(0); }
    QStringList values(const QString &option) const { return options.value(option); }
    int waitSeconds() const { return has(QStringLiteral("wait")) ? value(QStringLiteral("wait")).toInt() : 5; }

    friend bool operator==(const CommandRequest &a, const CommandRequest &b)
    {
        return a.command == b.command && a.options == b.options && a.words == b.words && a.wrapped == b.wrapped;
    }
};

QJsonObject requestToJson(const CommandRequest &request);
// Only the shape: strings where strings belong, at most maxStrings of them.
// Whether the values make sense is the command line's check.
std::optional<CommandRequest> requestFromJson(const QJsonObject &object, int maxStrings);
