// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/gameprofiles.h"

#include "games/gameprofiletarget.h"
#include "games/settingslayerkeeper.h"
#include "settings/appfiles.h"
#include "settings/profilefile.h"
#include "settings/profilestore.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// How far up the process tree a launch wrapper is looked for.
constexpr int MAX_ANCESTRY = 64;

} // namespace

GameProfiles::GameProfiles(const QString &iniPath, GameProfileTarget *profileTarget, SettingsLayerKeeper *layerKeeper,
                           QObject *parent)
    : QObject(parent)
    , target(profileTarget)
    , layers(layerKeeper)
    , gameRules(iniPath)
    , processWatch(new ProcessWatch(std::make_unique<ProcFsSource>(), this))
{
    connect(processWatch, &ProcessWatch::processStarted, this, &GameProfiles::processStarted);
    connect(processWatch, &ProcessWatch::processEnded, this, &GameProfiles::processEnded);
    // Queued: the keeper also changes inside this object's own applies.
    connect(
        layers, &SettingsLayerKeeper::changed, this,
        [this] {
            if (waitingForLayers && !layers->isApplying()) {
                waitingForLayers = false;
                reconcile();
            }
        },
        Qt::QueuedConnection);
    connect(layers, &SettingsLayerKeeper::journalFailed, this, [this](const QString &message) {
        // Said once, not at every write that fails the same way.
        if (message != lastJournalProblem)
            emit notice(message);
        lastJournalProblem = message;
    });
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
        // A changed rule for a game whose layer is on goes on again.
        for (const QString &game : std::as_const(onGames)) {
            if (GameRules::sameGame(rule.game, game))
                reapply.insert(game);
        }
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
    for (const QString &game : std::as_const(onGames))
        reapply.insert(game);
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
    resync = true;
    reconcile();
}

void GameProfiles::controllerLost()
{
    loaded = false;
    // The layers stay on: they are what comes back once the controller
    // does, and the settings from before once the games have ended.
    layers->controllerLeft();
    applied.clear();
    announce();
}

QString GameProfiles::layerName(const QString &game)
{
    return QStringLiteral("game %1").arg(game);
}

QStringList GameProfiles::runningGames() const
{
    QStringList games;
    for (const RunningGame &game : running) {
        if (!games.contains(game.game))
            games.append(game.game);
    }
    return games;
}

GameRule GameProfiles::ruleOf(const QString &game) const
{
    GameRule rule;
    for (const GameRule &candidate : gameRules.rules()) {
        if (GameRules::sameGame(candidate.game, game))
            rule = candidate;
    }
    return rule;
}

QStringList GameProfiles::gameLayerNames() const
{
    QStringList names;
    for (const QString &game : onGames)
        names.append(layerName(game));
    return names;
}

bool GameProfiles::loadEffects(const QString &profile, ControllerSettings *state)
{
    const ProfileStore store(appfiles::effectsProfilesFolder(), rawProfileSize(SettingsTextKind::Effects));
    const std::optional<QByteArray> bytes = store.load(profile);
    if (!bytes)
        return false;
    // As the window's profile pick takes it: the whole record.
    std::memcpy(&state->effects, bytes->constData(), sizeof state->effects);
    return true;
}

bool GameProfiles::loadPeriphery(const QString &profile, ControllerSettings *state)
{
    const ProfileStore store(appfiles::peripheryProfilesFolder(), rawProfileSize(SettingsTextKind::Periphery));
    const std::optional<QByteArray> bytes = store.load(profile);
    if (!bytes)
        return false;
    std::memcpy(&state->adc, bytes->constData(), sizeof state->adc);
    std::memcpy(&state->gpio, bytes->constData() + sizeof state->adc, sizeof state->gpio);
    return true;
}

namespace {

QString missingEffects(const QString &profile)
{
    return GameProfiles::tr("The Effects profile \"%1\" is missing or too short; nothing was sent for it.")
        .arg(profile);
}

QString missingPeriphery(const QString &profile)
{
    return GameProfiles::tr("The Periphery profile \"%1\" is missing or too short; nothing was sent for it.")
        .arg(profile);
}

// The fields of `records` whose value in `to` differs from `from`, with
// their values in `to`.
FieldValues differences(const ControllerSettings &from, const ControllerSettings &to,
                        const QVector<SettingsRecord> &records)
{
    FieldValues values;
    const FieldValues wanted = recordValues(to, records);
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        if (recordValue(from, settingsFields()[it.key()]) != it.value())
            values.insert(it.key(), it.value());
    }
    return values;
}

void put(const FieldValues &values, ControllerSettings *state)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        setRecordValue(state, settingsFields()[it.key()], it.value());
}

// A layer holds what reached the controller: the fields that hold what was
// sent last.
FieldValues arrived(const FieldValues &values, const ControllerSettings &sent, const ControllerSettings &now)
{
    FieldValues result;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const SettingsField &field = settingsFields()[it.key()];
        if (recordValue(now, field) == recordValue(sent, field))
            result.insert(it.key(), it.value());
    }
    return result;
}

QString inWords(const QString &effectsProfile, const QString &peripheryProfile)
{
    QStringList parts;
    if (!effectsProfile.isEmpty())
        parts.append(GameProfiles::tr("%1 \"%2\"").arg(GameProfiles::tr("Effects"), effectsProfile));
    if (!peripheryProfile.isEmpty())
        parts.append(GameProfiles::tr("%1 \"%2\"").arg(GameProfiles::tr("Periphery"), peripheryProfile));
    return parts.join(QStringLiteral(", "));
}

} // namespace

FieldValues GameProfiles::layerValues(const QString &game, const ControllerSettings &under,
                                      ControllerSettings *state, QStringList *problems)
{
    const GameRule rule = ruleOf(game);
    // A kind the rule leaves empty gets the settings from under the games,
    // as far as another game changed them; a profile goes on whole, as the
    // window's profile pick puts it on.
    const QVector<SettingsRecord> effects{SettingsRecord::Effects};
    const QVector<SettingsRecord> periphery{SettingsRecord::Adc, SettingsRecord::Gpio};
    FieldValues values;
    ControllerSettings wanted = *state;
    if (rule.effectsProfile.isEmpty())
        values.insert(differences(*state, under, effects));
    else if (loadEffects(rule.effectsProfile, &wanted))
        values.insert(recordValues(wanted, effects));
    else
        problems->append(missingEffects(rule.effectsProfile));
    if (rule.peripheryProfile.isEmpty())
        values.insert(differences(*state, under, periphery));
    else if (loadPeriphery(rule.peripheryProfile, &wanted))
        values.insert(recordValues(wanted, periphery));
    else
        problems->append(missingPeriphery(rule.peripheryProfile));
    put(values, &wanted);
    *state = wanted;
    return values;
}

QString GameProfiles::putDefaults(ControllerSettings *state, QStringList *problems)
{
    const GameRule defaults = gameRules.defaults();
    if (!defaults.effectsProfile.isEmpty() && !loadEffects(defaults.effectsProfile, state))
        problems->append(missingEffects(defaults.effectsProfile));
    if (!defaults.peripheryProfile.isEmpty() && !loadPeriphery(defaults.peripheryProfile, state))
        problems->append(missingPeriphery(defaults.peripheryProfile));
    return inWords(defaults.effectsProfile, defaults.peripheryProfile);
}

void GameProfiles::endLayersOffline()
{
    const QStringList games = runningGames();
    for (const QString &game : QStringList(onGames)) {
        if (games.contains(game))
            continue;
        // No hand change can be seen without the controller.
        layers->end(layerName(game), layers->expected());
        onGames.removeAll(game);
        endedOffline.append(game);
    }
}

void GameProfiles::reconcile()
{
    if (!isControllerLoaded()) {
        endLayersOffline();
        announce();
        return;
    }
    // A launch wrapper's writes are under way: its layer goes on first.
    if (layers->isApplying()) {
        waitingForLayers = true;
        announce();
        return;
    }
    const QStringList games = runningGames();
    bool changes = false;
    const ControllerSettings current = target->currentSettings();
    ControllerSettings state = current;
    const bool resyncing = std::exchange(resync, false) && (!layers->isEmpty() || !endedOffline.isEmpty());
    if (resyncing) {
        // After a (re)connect what the controller shows is no hand change:
        // it gets what the layers give.
        state = layers->expected();
        changes = !differences(current, state, {SettingsRecord::Effects, SettingsRecord::Adc, SettingsRecord::Gpio})
                       .isEmpty();
    } else {
        layers->keepHandChanges(current);
    }

    QStringList ended = endedOffline;
    endedOffline.clear();
    for (const QString &game : QStringList(onGames)) {
        if (!games.contains(game)) {
            state = layers->end(layerName(game), state);
            onGames.removeAll(game);
            ended.append(game);
        }
    }
    const ControllerSettings under = layers->isEmpty() ? state : layers->expectedWithout(gameLayerNames());

    QStringList problems;
    QStringList reapplied;
    for (const QString &game : std::as_const(onGames)) {
        if (!reapply.contains(game))
            continue;
        ControllerSettings scratch = state;
        // Written into the journal before the writes go out.
        layers->replace(layerName(game), layerValues(game, under, &scratch, &problems));
        reapplied.append(game);
    }
    reapply.clear();
    if (!reapplied.isEmpty())
        state = layers->expected();

    QVector<Start> starts;
    for (const QString &game : games) {
        if (onGames.contains(game))
            continue;
        const ControllerSettings before = state;
        const FieldValues values = layerValues(game, under, &state, &problems);
        starts.append({game, before, values});
    }

    // When the last game's end leaves no layer, the default profiles take
    // the place of the settings from before; a wrapper's layer still on
    // keeps its settings, and its end brings back what it found.
    const ControllerSettings restored = state;
    QString defaults;
    const bool lastEnded = !ended.isEmpty() && starts.isEmpty() && layers->isEmpty();
    if (lastEnded)
        defaults = putDefaults(&state, &problems);

    if (!starts.isEmpty() || !ended.isEmpty() || !reapplied.isEmpty())
        changes = true;
    QStringList started;
    for (const Start &start : std::as_const(starts))
        started.append(start.game);
    if (changes) {
        if (!starts.isEmpty())
            layers->willApply(starts.first().before, state, target->firmwareVersionText());
        const QStringList applying = reapplied + started;
        if (!applying.isEmpty())
            emit applyStarting(tr("before the game %1").arg(applying.constLast()));
        else if (!ended.isEmpty())
            emit applyStarting(tr("when the game %1 ended").arg(ended.constLast()));
        else
            emit applyStarting(tr("when the controller came back"));
        target->applyEffectSettings(state.effects);
        target->applyPeripherySettings(state.adc, state.gpio);
        emit applyFinished();
        const ControllerSettings now = target->currentSettings();
        for (const Start &start : std::as_const(starts)) {
            layers->push(layerName(start.game), start.before, arrived(start.values, state, now));
            onGames.append(start.game);
        }
        // The defaults are no layer: nothing of them is to be put back.
        if (starts.isEmpty() || resyncing)
            layers->settled(lastEnded ? restored : now);
    } else if (resyncing) {
        layers->settled(current);
    }
    applied = onGames.isEmpty() ? QString() : onGames.constLast();

    if (!ended.isEmpty())
        tellEnded(ended, defaults);
    for (const QString &game : reapplied + started) {
        const GameRule rule = ruleOf(game);
        emit notice(
            tr("%1 started: profiles applied: %2.").arg(game, inWords(rule.effectsProfile, rule.peripheryProfile)));
    }
    for (const QString &problem : std::as_const(problems))
        emit notice(problem);
    announce();
}

void GameProfiles::tellEnded(const QStringList &ended, const QString &defaults)
{
    const QString games = ended.join(QStringLiteral(", "));
    if (!onGames.isEmpty())
        emit notice(tr("%1 ended: the profiles of %2 are on again.").arg(games, onGames.constLast()));
    else if (!layers->isEmpty())
        emit notice(tr("%1 ended: the settings of the game started with --profile are on again.").arg(games));
    else if (defaults.isEmpty())
        emit notice(tr("%1 ended: the settings from before it started are back.").arg(games));
    else
        emit notice(tr("%1 ended: default profiles applied: %2.").arg(games, defaults));
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
