// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gamerules.h"

#include "settings/inifile.h"
#include "settings/appfiles.h"
#include "settings/profilestore.h"
#include "settings/settingsrecords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

const QString SECTION = QStringLiteral("GameProfiles");
const QString RULES = QStringLiteral("rules");
const QString GAME = QStringLiteral("game");
const QString EFFECTS = QStringLiteral("effects");
const QString PERIPHERY = QStringLiteral("periphery");
const QString DEFAULT_EFFECTS = QStringLiteral("default_effects");
const QString DEFAULT_PERIPHERY = QStringLiteral("default_periphery");
const QString WATCH = QStringLiteral("watch");
constexpr qsizetype MAX_GAME_NAME_BYTES = 255;
// The fewest bytes a rule takes in the file: its game key alone is
// `rules\1\game=x`. A count larger than the file can hold is not believed.
constexpr qint64 MIN_RULE_BYTES = 14;

bool profileExists(const QString &directory, qsizetype size, const QString &name)
{
    return ProfileStore(directory, size).load(name).has_value();
}

} // namespace

GameRules::GameRules(QString iniPath)
    : path(std::move(iniPath))
{
    reload();
}

QList<GameRule> GameRules::reload()
{
    entries.clear();
    defaultProfiles = {};
    watching = true;
    const IniFileCheck ini = checkIniFile(path);
    problem = ini.reason;
    if (ini.state == IniFileCheck::State::Refused)
        return entries;
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(SECTION);
    const int count = int(std::min<qint64>(settings.beginReadArray(RULES), ini.size / MIN_RULE_BYTES));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        GameRule rule{settings.value(GAME).toString(), settings.value(EFFECTS).toString(),
                      settings.value(PERIPHERY).toString()};
        // A hand-edited file may hold anything; such rules are left out.
        if (!isAcceptableGameName(rule.game) || (rule.effectsProfile.isEmpty() && rule.peripheryProfile.isEmpty()))
            continue;
        if (!ruleFor({rule.game}))
            entries.append(rule);
    }
    settings.endArray();
    defaultProfiles = {QString(), settings.value(DEFAULT_EFFECTS).toString(),
                       settings.value(DEFAULT_PERIPHERY).toString()};
    watching = settings.value(WATCH, true).toBool();
    return entries;
}

QList<GameRule> GameRules::rules() const
{
    return entries;
}

bool GameRules::isAcceptableGameName(const QString &game)
{
    if (game.isEmpty() || game.toUtf8().size() > MAX_GAME_NAME_BYTES || game.contains(QLatin1Char('/'))
        || game.contains(QLatin1Char('\\')))
        return false;
    for (const QChar c : game) {
        if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
            return false;
    }
    return true;
}

bool GameRules::sameGame(const QString &a, const QString &b)
{
    if (a.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return a.compare(b, Qt::CaseInsensitive) == 0;
    return a == b;
}

const GameRule *GameRules::ruleFor(const QStringList &processNames) const
{
    for (const GameRule &rule : entries) {
        for (const QString &name : processNames) {
            if (sameGame(rule.game, name))
                return &rule;
        }
    }
    return nullptr;
}

GameRules::Result GameRules::checkProfiles(const QString &effectsProfile, const QString &peripheryProfile) const
{
    // The profile folders are beside the INI file, wherever this process runs.
    const QString folder = QFileInfo(path).absolutePath();
    if (!effectsProfile.isEmpty()
        && !profileExists(appfiles::effectsProfilesFolder(folder), qsizetype(sizeof(EffectSettingsTypeDef)),
                          effectsProfile))
        return Result::NoSuchEffectsProfile;
    if (!peripheryProfile.isEmpty()
        && !profileExists(appfiles::peripheryProfilesFolder(folder),
                          qsizetype(sizeof(AdcExtensionSettingsTypeDef) + sizeof(GpioExtensionSettingsTypeDef)),
                          peripheryProfile))
        return Result::NoSuchPeripheryProfile;
    return Result::Done;
}

GameRules::Result GameRules::add(const GameRule &rule)
{
    if (!isAcceptableGameName(rule.game) || (rule.effectsProfile.isEmpty() && rule.peripheryProfile.isEmpty()))
        return Result::RefusedGameName;
    if (const Result checked = checkProfiles(rule.effectsProfile, rule.peripheryProfile); checked != Result::Done)
        return checked;
    const QList<GameRule> before = entries;
    bool replaced = false;
    for (GameRule &existing : entries) {
        if (sameGame(existing.game, rule.game)) {
            existing = rule;
            replaced = true;
        }
    }
    if (!replaced)
        entries.append(rule);
    const Result written = write();
    if (written != Result::Done)
        entries = before;
    return written;
}

GameRules::Result GameRules::remove(const QString &game)
{
    const QList<GameRule> before = entries;
    const qsizetype removed =
        entries.removeIf([&game](const GameRule &rule) { return sameGame(rule.game, game); });
    if (removed == 0)
        return Result::NoSuchRule;
    const Result written = write();
    if (written != Result::Done)
        entries = before;
    return written;
}

GameRules::Result GameRules::setDefaults(const QString &effectsProfile, const QString &peripheryProfile)
{
    if (const Result checked = checkProfiles(effectsProfile, peripheryProfile); checked != Result::Done)
        return checked;
    const GameRule before = defaultProfiles;
    defaultProfiles = {QString(), effectsProfile, peripheryProfile};
    const Result written = write();
    if (written != Result::Done)
        defaultProfiles = before;
    return written;
}

GameRules::Result GameRules::setWatchEnabled(bool enabled)
{
    const bool before = watching;
    watching = enabled;
    const Result written = write();
    if (written != Result::Done)
        watching = before;
    return written;
}

// QSettings merges with what the file holds when it syncs and replaces the
// file as a whole (QSaveFile), so other sections survive and an interrupted
// write leaves the old file.
GameRules::Result GameRules::write()
{
    // A file QSettings cannot open safely or parse is left byte for byte.
    const IniFileCheck ini = checkIniFile(path);
    problem = ini.reason;
    if (ini.state == IniFileCheck::State::Refused)
        return Result::NotWritten;
    QSettings settings(path, QSettings::IniFormat);
    settings.remove(SECTION);
    settings.beginGroup(SECTION);
    settings.setValue(WATCH, watching);
    if (!defaultProfiles.effectsProfile.isEmpty())
        settings.setValue(DEFAULT_EFFECTS, defaultProfiles.effectsProfile);
    if (!defaultProfiles.peripheryProfile.isEmpty())
        settings.setValue(DEFAULT_PERIPHERY, defaultProfiles.peripheryProfile);
    settings.beginWriteArray(RULES, int(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(GAME, entries.at(i).game);
        settings.setValue(EFFECTS, entries.at(i).effectsProfile);
        settings.setValue(PERIPHERY, entries.at(i).peripheryProfile);
    }
    settings.endArray();
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError ? Result::Done : Result::NotWritten;
}

QString GameRules::describe(Result result, const GameRule &rule)
{
    switch (result) {
    case Result::Done:
        return {};
    case Result::RefusedGameName:
        return QCoreApplication::translate("GameRules",
                                           "A game is the name of its program: it must not be empty or contain / "
                                           "or \\ or control characters, and it needs at least one profile.");
    case Result::NoSuchEffectsProfile:
        return QCoreApplication::translate("GameRules", "There is no Effects profile named \"%1\".")
            .arg(rule.effectsProfile);
    case Result::NoSuchPeripheryProfile:
        return QCoreApplication::translate("GameRules", "There is no Periphery profile named \"%1\".")
            .arg(rule.peripheryProfile);
    case Result::NoSuchRule:
        return QCoreApplication::translate("GameRules", "There is no rule for \"%1\".").arg(rule.game);
    case Result::NotWritten:
        return QCoreApplication::translate("GameRules", "The settings file could not be written.");
    }
    return {};
}
