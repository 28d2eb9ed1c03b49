// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "games/processwatch.h"
#include "settings/settingslayers.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class GameProfileTarget;
class SettingsLayerKeeper;

// Applies a game's profiles while it runs and puts the settings back when it
// ends. Each running rule game is a layer on the process's layer keeper,
// beside the launch wrappers' layers: when a game ends the settings become
// those of the layers still on, and the settings from before once the last
// has ended; a field changed by hand meanwhile stays as it is. It changes the
// controller only through its target, exactly as the window's profile pick
// does, so the frames are the same and the window shows them; it never saves
// anything into the controller, and sends nothing while no controller's
// settings are loaded.
class GameProfiles : public QObject
{
    Q_OBJECT

public:
    // The target and the keeper must outlive this object.
    GameProfiles(const QString &iniPath, GameProfileTarget *target, SettingsLayerKeeper *layers,
                 QObject *parent = nullptr);
    ~GameProfiles() override;

    // The layer of a rule game on the keeper.
    static QString layerName(const QString &game);

    GameRules &rules() { return gameRules; }
    ProcessWatch &watch() { return *processWatch; }
    // The game whose profiles are on the controller now (the latest of the
    // games whose layers are on); empty when none.
    QString appliedGame() const { return applied; }
    // The game that wins now (started last), whether applied yet or not.
    QString runningGame() const;
    bool isControllerLoaded() const { return loaded; }

    // Stores a rule and takes it into account at once. Done, or why not.
    GameRules::Result addRule(const GameRule &rule);
    GameRules::Result removeRule(const QString &game);
    GameRules::Result setDefaultProfiles(const QString &effectsProfile, const QString &peripheryProfile);
    GameRules::Result setWatchEnabled(bool enabled);
    // The INI file was changed from outside (another process): read it again.
    void reloadRules();

    // A launch wrapper runs this process and applies profiles itself: the
    // process and everything it starts are left to it.
    void setHandledByWrapper(qint64 pid, bool handled);

    // From the tray: applies a stored profile as the window's pick does.
    void applyEffectsProfile(const QString &name);
    void applyPeripheryProfile(const QString &name);

    // Says again what the status bar should say.
    void announce();

public slots:
    // The controller's settings are loaded into the target.
    void controllerLoaded();
    void controllerLost();

signals:
    // Text for the status bar; empty when no game's profiles are on.
    void statusChanged(const QString &text);
    // Something the user should hear about while the window may be hidden.
    void notice(const QString &message);
    // The watch runs (it is switched on and there are rules) or stopped.
    void watchEnabledChanged(bool watching);
    // Around the applies of a game's start or end, with the reason in words
    // for the history ("before the game acc.exe").
    void applyStarting(const QString &reason);
    void applyFinished();

private:
    struct RunningGame {
        qint64 pid = 0;
        QString game;
    };
    // A game whose layer goes on in this reconcile.
    struct Start {
        QString game;
        ControllerSettings before;
        FieldValues values;
    };

    void processStarted(const RunningProcess &process);
    void processEnded(qint64 pid);
    bool leftToWrapper(qint64 pid) const;
    // Which rule games run, in start order, from the watch's last poll.
    void rematch();
    void updateWatch();
    // Brings the layers and the controller to what the running games ask
    // for, in one apply.
    void reconcile();
    // Takes off the layers of games that ended while no controller was loaded.
    void endLayersOffline();
    // The running rule games, each once, in start order.
    QStringList runningGames() const;
    QStringList gameLayerNames() const;
    GameRule ruleOf(const QString &game) const;
    // What the game's layer holds over `state`: its profiles, and for a kind
    // its rule leaves empty the settings `under` the games. Puts them into
    // `state`.
    FieldValues layerValues(const QString &game, const ControllerSettings &under, ControllerSettings *state,
                            QStringList *problems);
    // Puts the default profiles into `state`; their names in words.
    QString putDefaults(ControllerSettings *state, QStringList *problems);
    // Loads a stored profile into `state`; false when missing or too short.
    static bool loadEffects(const QString &profile, ControllerSettings *state);
    static bool loadPeriphery(const QString &profile, ControllerSettings *state);
    void tellEnded(const QStringList &ended, const QString &defaults);

    GameProfileTarget *target;
    SettingsLayerKeeper *layers;
    GameRules gameRules;
    ProcessWatch *processWatch;
    bool loaded = false;
    QList<RunningGame> running;
    QSet<qint64> wrapperPids;
    QString applied;
    // Games whose layers are on, the latest last.
    QStringList onGames;
    // Games whose layers came off while no controller was loaded.
    QStringList endedOffline;
    // Games whose rule changed while their layer is on: applied again.
    QSet<QString> reapply;
    // The controller's settings were (re)loaded: they are brought to what
    // the layers give, whatever the controller kept meanwhile.
    bool resync = false;
    // A launch wrapper's writes were under way; this waits for its layer.
    bool waitingForLayers = false;
    QString lastJournalProblem;
};
