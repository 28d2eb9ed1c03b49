// SPDX-License-Identifier: GPL-3.0-or-later
// --game-rule list|add|remove: the game profiles' rules, in a running window
// (which takes the change at once) or else in the INI file it will read.
#include "cli/command.h"
#include "cli/profilereference.h"
#include "cli/instanceserver.h"
#include "cli/settingstarget.h"
#include "games/gameprofiles.h"
#include "games/gamerules.h"
#include "settings/appfiles.h"

#include <QCoreApplication>
#include <QDir>

namespace {

class GameRuleCommand : public Command
{
public:
    void start(const CommandRequest &request, const Context &context) override
    {
        GameProfiles *games = context.target ? context.target->gameProfiles() : nullptr;
        // Without a window the INI file is read, changed and written here;
        // the lock that chooses the running instance keeps a start that
        // would do the same at the same moment from writing over it.
        std::optional<InstanceElection> exclusive;
        std::optional<GameRules> fileRules;
        if (!games)
            exclusive.emplace();
        if (!games)
            fileRules.emplace(appfiles::iniFile(context.workingDirectory));
        GameRules &rules = games ? games->rules() : *fileRules;
        if (!rules.iniProblem().isEmpty())
            answer.err += QStringLiteral("vellox-wheel-setup: %1\n").arg(rules.iniProblem()).toUtf8();

        const QString action = request.value(QStringLiteral("game-rule"));
        if (action == QLatin1String("list")) {
            for (const GameRule &rule : rules.rules())
                answer.out += QStringLiteral("%1\t%2\t%3\n")
                                  .arg(rule.game, rule.effectsProfile, rule.peripheryProfile)
                                  .toUtf8();
            finish(exitstatus::DONE);
            return;
        }
        GameRule rule{request.words.value(0), QString(), QString()};
        GameRules::Result result;
        if (action == QLatin1String("remove")) {
            result = games ? games->removeRule(rule.game) : rules.remove(rule.game);
        } else {
            for (const QString &profile : request.words.mid(1)) {
                const std::optional<StoredReference> stored = storedReference(profile);
                (stored->kind == SettingsTextKind::Effects ? rule.effectsProfile : rule.peripheryProfile) =
                    stored->name;
            }
            result = games ? games->addRule(rule) : rules.add(rule);
        }
        if (result == GameRules::Result::Done)
            finish(exitstatus::DONE);
        else
            finish(result == GameRules::Result::NotWritten ? exitstatus::FAILED : exitstatus::BAD_INPUT,
                   GameRules::describe(result, rule));
    }
};

std::optional<QString> checkGameRule(const QString &action, const QStringList &arguments)
{
    if (action == QLatin1String("list")) {
        if (!arguments.isEmpty())
            return QCoreApplication::translate("CommandLine", "--game-rule list takes nothing after it.");
        return std::nullopt;
    }
    if (action == QLatin1String("remove")) {
        if (arguments.size() != 1)
            return QCoreApplication::translate("CommandLine", "--game-rule remove needs one game: remove GAME.");
        return std::nullopt;
    }
    if (action != QLatin1String("add"))
        return QCoreApplication::translate("CommandLine", "--game-rule is list, add or remove, not \"%1\".")
            .arg(action);
    if (arguments.isEmpty() || arguments.size() > 3)
        return QCoreApplication::translate("CommandLine",
                                           "--game-rule add needs GAME [effects:NAME] [periphery:NAME].");
    bool effects = false;
    bool periphery = false;
    for (const QString &profile : arguments.mid(1)) {
        if (const auto problem = checkProfileReference(profile, false))
            return problem;
        bool &seen = profile.startsWith(QLatin1String("effects:")) ? effects : periphery;
        if (seen)
            return QCoreApplication::translate("CommandLine", "--game-rule add takes one profile of each kind.");
        seen = true;
    }
    if (!effects && !periphery)
        return QCoreApplication::translate("CommandLine",
                                           "--game-rule add needs a profile: effects:NAME, periphery:NAME or both.");
    return std::nullopt;
}
std::optional<QString> checkRule(const CommandRequest &request)
{
    return checkGameRule(request.value(QStringLiteral("game-rule")), request.words);
}

} // namespace

const CommandKind commands::GAME_RULE{"game-rule", false, false,
                                      [] { return static_cast<Command *>(new GameRuleCommand); }, checkRule};
