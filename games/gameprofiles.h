// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "games/processwatch.h"
#include "settings/settingsrecords.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

class GameProfileTarget;

// Applies a game's profiles while it runs and puts the settings back when it
// ends. It changes the controller only through its target, exactly as the
// window's profile pick does, so the frames are the same and the window shows
// them; it never saves anything into the controller, and sends nothing while
// no controller's settings are loaded.
class GameProfiles : public QObject
{
    Q_OBJECT

public:
    // The target must outlive this object.
    GameProfiles(const QString &iniPath, GameProfileTarget *target, QObject *parent = nullptr);
    ~GameProfiles() override;

    GameRules &rules() { return gameRules; }
    ProcessWatch &watch() { return *processWatch; }
    // The game whose profiles are on the controller now; empty when none.
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
    struct Settings {
        EffectSettingsTypeDef effects{};
        AdcExtensionSettingsTypeDef adc{};
        GpioExtensionSettingsTypeDef gpio{};
    };

    void processStarted(const RunningProcess &process);
    void processEnded(qint64 pid);
    bool leftToWrapper(qint64 pid) const;
    // Which rule games run, in start order, from the watch's last poll.
    void rematch();
    void updateWatch();
    // Brings the controller to what the running games ask for.
    void reconcile();
    // Applies one kind: the named profile, or the remembered settings. Empty
    // on success, else the user-readable reason.
    QString applyEffects(const QString &profile);
    QString applyPeriphery(const QString &profile);

    GameProfileTarget *target;
    GameRules gameRules;
    ProcessWatch *processWatch;
    bool loaded = false;
    QList<RunningGame> running;
    QSet<qint64> wrapperPids;
    QString applied;
    // The settings shown before the first game's profiles went on.
    std::optional<Settings> remembered;
    // The rule of the game that is on changed: apply it again.
    bool reapply = false;
};
