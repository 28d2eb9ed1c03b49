// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gameprofiles.h"

#include "games/gameprofiletarget.h"

#include <QHash>

#include <algorithm>

namespace {

// How far up the process tree a launch wrapper is looked for.
constexpr int MAX_ANCESTRY = 64;

} // namespace

GameProfiles::GameProfiles(const QString &iniPath, GameProfileTarget *profileTarget, QObject *parent)
    : QObject(parent)
    , target(profileTarget)
    , gameRules(iniPath)
    , processWatch(new ProcessWatch(std::make_unique<ProcFsSource>(), this))
{
    connect(processWatch, &ProcessWatch::processStarted, this, &GameProfiles::processStarted);
    connect(processWatch, &ProcessWatch::processEnded, this, &GameProfiles::processEnded);
    updateWatch();
}

GameProfiles::~GameProfiles() = default;

QString GameProfiles::runningGame() const
{
    return running.isEmpty() ? QString() : running.constLast().game;
}

GameRules::Result GameProfiles::addRule(const GameRule &rule)
{
    const GameRules::Result result = gameRules.add(rule);
    if (result == GameRules::Result::Done) {
        // A changed rule for the game that is on now goes on again.
        if (GameRules::sameGame(rule.game, applied))
            reapply = true;
        rematch();
    }
    return result;
}

GameRules::Result GameProfiles::removeRule(const QString &game)
{
    const GameRules::Result result = gameRules.remove(game);
    if (result == GameRules::Result::Done)
        rematch();
    return result;
}

GameRules::Result GameProfiles::setDefaultProfiles(const QString &effectsProfile, const QString &peripheryProfile)
{
    return gameRules.setDefaults(effectsProfile, peripheryProfile);
}

GameRules::Result GameProfiles::setWatchEnabled(bool enabled)
{
    const GameRules::Result result = gameRules.setWatchEnabled(enabled);
    if (result == GameRules::Result::Done)
        rematch();
    return result;
}

void GameProfiles::reloadRules()
{
    gameRules.reload();
    reapply = !applied.isEmpty();
    rematch();
}

void GameProfiles::setHandledByWrapper(qint64 pid, bool handled)
{
    if (handled)
        wrapperPids.insert(pid);
    else
        wrapperPids.remove(pid);
    rematch();
}

bool GameProfiles::leftToWrapper(qint64 pid) const
{
    if (wrapperPids.isEmpty())
        return false;
    QHash<qint64, qint64> parents;
    for (const RunningProcess &process : processWatch->lastSeen())
        parents.insert(process.pid, process.parentPid);
    for (int step = 0; step < MAX_ANCESTRY && pid > 0; ++step) {
        if (wrapperPids.contains(pid))
            return true;
        pid = parents.value(pid, 0);
    }
    return false;
}

void GameProfiles::updateWatch()
{
    const bool wasOn = processWatch->isActive();
    processWatch->setActive(gameRules.watchEnabled() && !gameRules.rules().isEmpty());
    if (processWatch->isActive() != wasOn)
        emit watchEnabledChanged(processWatch->isActive());
}

void GameProfiles::processStarted(const RunningProcess &process)
{
    const GameRule *rule = gameRules.ruleFor(process.names);
    if (!rule || leftToWrapper(process.pid))
        return;
    running.append({process.pid, rule->game});
    reconcile();
}

void GameProfiles::processEnded(qint64 pid)
{
    if (running.removeIf([pid](const RunningGame &game) { return game.pid == pid; }) > 0)
        reconcile();
}

void GameProfiles::rematch()
{
    updateWatch();
    QHash<qint64, RunningProcess> seen;
    for (const RunningProcess &process : processWatch->lastSeen())
        seen.insert(process.pid, process);
    const auto gameOf = [&](qint64 pid) -> QString {
        const auto process = seen.constFind(pid);
        if (process == seen.cend() || leftToWrapper(pid))
            return {};
        const GameRule *rule = gameRules.ruleFor(process->names);
        return rule ? rule->game : QString();
    };
    // Games that still match keep their order; newly matching ones follow.
    QList<RunningGame> next;
    QSet<qint64> kept;
    for (const RunningGame &game : std::as_const(running)) {
        const QString name = gameOf(game.pid);
        if (!name.isEmpty()) {
            next.append({game.pid, name});
            kept.insert(game.pid);
        }
    }
    QList<qint64> pids = seen.keys();
    std::sort(pids.begin(), pids.end());
    for (qint64 pid : pids) {
        const QString name = kept.contains(pid) ? QString() : gameOf(pid);
        if (!name.isEmpty())
            next.append({pid, name});
    }
    running = next;
    reconcile();
}

void GameProfiles::controllerLoaded()
{
    loaded = true;
    // The target shows the controller's own settings now, whatever was
    // applied before it left.
    applied.clear();
    reconcile();
}

void GameProfiles::controllerLost()
{
    loaded = false;
    // The settings from before the first game stay remembered: they are what
    // comes back once the game ends, also after a reconnect.
    applied.clear();
    announce();
}

QString GameProfiles::applyEffects(const QString &profile)
{
    if (profile.isEmpty()) {
        if (remembered)
            target->applyEffectSettings(remembered->effects);
        return {};
    }
    if (target->applyEffectsProfile(profile))
        return {};
    return tr("The Effects profile \"%1\" is missing or too short; nothing was sent for it.").arg(profile);
}

QString GameProfiles::applyPeriphery(const QString &profile)
{
    if (profile.isEmpty()) {
        if (remembered)
            target->applyPeripherySettings(remembered->adc, remembered->gpio);
        return {};
    }
    if (target->applyPeripheryProfile(profile))
        return {};
    return tr("The Periphery profile \"%1\" is missing or too short; nothing was sent for it.").arg(profile);
}

void GameProfiles::reconcile()
{
    if (!isControllerLoaded()) {
        announce();
        return;
    }
    const QString game = runningGame();
    if (game == applied && !reapply && (!game.isEmpty() || !remembered))
        return;
    reapply = false;
    const QString ended = applied;

    QStringList problems;
    QStringList parts;
    const auto describe = [&parts](const QString &kind, const QString &profile) {
        if (!profile.isEmpty())
            parts.append(tr("%1 \"%2\"").arg(kind, profile));
    };
    if (!game.isEmpty()) {
        if (!remembered)
            remembered = Settings{target->effectSettings(), target->adcSettings(), target->gpioSettings()};
        GameRule rule;
        for (const GameRule &candidate : gameRules.rules()) {
            if (GameRules::sameGame(candidate.game, game))
                rule = candidate;
        }
        emit applyStarting(tr("before the game %1").arg(game));
        problems << applyEffects(rule.effectsProfile) << applyPeriphery(rule.peripheryProfile);
        emit applyFinished();
        applied = game;
        describe(tr("Effects"), rule.effectsProfile);
        describe(tr("Periphery"), rule.peripheryProfile);
        emit notice(tr("%1 started: profiles applied: %2.").arg(game, parts.join(QStringLiteral(", "))));
    } else {
        const GameRule defaults = gameRules.defaults();
        emit applyStarting(ended.isEmpty() ? tr("when the game ended") : tr("when the game %1 ended").arg(ended));
        problems << applyEffects(defaults.effectsProfile) << applyPeriphery(defaults.peripheryProfile);
        emit applyFinished();
        remembered.reset();
        applied.clear();
        describe(tr("Effects"), defaults.effectsProfile);
        describe(tr("Periphery"), defaults.peripheryProfile);
        const QString endedGame = ended.isEmpty() ? tr("The game") : ended;
        if (parts.isEmpty())
            emit notice(tr("%1 ended: the settings from before it started are back.").arg(endedGame));
        else
            emit notice(
                tr("%1 ended: default profiles applied: %2.").arg(endedGame, parts.join(QStringLiteral(", "))));
    }
    problems.removeAll(QString());
    for (const QString &problem : std::as_const(problems))
        emit notice(problem);
    announce();
}

void GameProfiles::announce()
{
    if (!applied.isEmpty())
        emit statusChanged(tr("Game profiles for %1 are on.").arg(applied));
    else if (!runningGame().isEmpty())
        emit statusChanged(tr("%1 is running; its profiles go on once the controller's settings are loaded.")
                               .arg(runningGame()));
    else if (!gameRules.iniProblem().isEmpty())
        emit statusChanged(gameRules.iniProblem());
    else
        emit statusChanged(QString());
}

void GameProfiles::applyEffectsProfile(const QString &name)
{
    if (!isControllerLoaded())
        emit notice(tr("No controller is connected; nothing was sent."));
    else if (!target->applyEffectsProfile(name))
        emit notice(tr("The Effects profile \"%1\" is missing or too short; nothing was sent for it.").arg(name));
}

void GameProfiles::applyPeripheryProfile(const QString &name)
{
    if (!isControllerLoaded())
        emit notice(tr("No controller is connected; nothing was sent."));
    else if (!target->applyPeripheryProfile(name))
        emit notice(tr("The Periphery profile \"%1\" is missing or too short; nothing was sent for it.").arg(name));
}
