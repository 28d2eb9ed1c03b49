// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Which stored profiles a game gets while it runs. An empty profile name
// leaves that kind of settings alone.
struct GameRule {
    QString game;
    QString effectsProfile;
    QString peripheryProfile;

    bool operator==(const GameRule &other) const
    {
        return game == other.game && effectsProfile == other.effectsProfile
            && peripheryProfile == other.peripheryProfile;
    }
};

// The game rules, the default profiles for "no game running" and the watch
// switch, kept in the section [GameProfiles] of the tool's INI file. Every
// change is written at once, atomically, and leaves the file's other
// sections and keys as they are. Profile names are checked against the
// profiles stored beside the INI file.
class GameRules
{
public:
    enum class Result { Done, RefusedGameName, NoSuchEffectsProfile, NoSuchPeripheryProfile, NoSuchRule, NotWritten };

    explicit GameRules(QString iniPath);

    QList<GameRule> rules() const;
    // Adds a rule, or replaces the rule for the same game.
    Result add(const GameRule &rule);
    Result remove(const QString &game);
    // The rule that applies to a process with these names, or none.
    const GameRule *ruleFor(const QStringList &processNames) const;
    QList<GameRule> reload();

    GameRule defaults() const { return defaultProfiles; }
    Result setDefaults(const QString &effectsProfile, const QString &peripheryProfile);

    bool watchEnabled() const { return watching; }
    Result setWatchEnabled(bool enabled);

    QString iniPath() const { return path; }
    // Why the INI file is not used (it is neither read nor written); empty
    // when it is used or does not exist yet.
    QString iniProblem() const { return problem; }

    // A game is an executable's name: not empty, at most 255 bytes, no
    // control characters and no path separator.
    static bool isAcceptableGameName(const QString &game);
    // Two names for the same game: Windows names (ending in .exe) ignore case.
    static bool sameGame(const QString &a, const QString &b);
    // A user-readable reason for a result other than Done.
    static QString describe(Result result, const GameRule &rule);

private:
    Result checkProfiles(const QString &effectsProfile, const QString &peripheryProfile) const;
    Result write();

    QString path;
    QString problem;
    QList<GameRule> entries;
    GameRule defaultProfiles;
    bool watching = true;
};
