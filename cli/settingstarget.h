// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/controllersettings.h"

#include <QObject>
#include <QString>
#include <QStringList>

class GameProfiles;
class SnapshotRecorder;

// Where a command's settings go: the controller behind a device link of the
// command's own, or the running window, whose editors show every change.
// All calls and signals happen on the thread the target lives on.
class SettingsTarget : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Makes sure the controller is connected and its settings are known,
    // waiting up to waitMs for it; then emits ready() or failed().
    virtual void prepare(int waitMs) = 0;
    virtual ControllerSettings current() const = 0;
    virtual QString firmwareVersionText() const = 0;

    // Each sends exactly what the window sends for the same pick or typing,
    // and afterwards current() holds the result.
    virtual void applyEffects(const EffectSettingsTypeDef &target) = 0;
    virtual void applyHardware(const HardwareSettingsTypeDef &target) = 0;
    virtual void applyPeriphery(const AdcExtensionSettingsTypeDef &adc, const GpioExtensionSettingsTypeDef &gpio) = 0;
    virtual void saveAndReboot() = 0;

    // Emits settled() once everything sent so far has reached the wire (or
    // could not). `lostWrites` names the writes that may not have arrived.
    virtual void settle() = 0;
    // One line per controller on the bus; emits listed().
    virtual void listControllers() = 0;
    // A plain second start: show the window. False when there is none.
    virtual bool raiseWindow() = 0;
    // --wheel-test in a second start: open or raise the Wheel test window.
    // False when there is no window.
    virtual bool openWheelTest() { return false; }
    // The hidraw node of the controller this target has open; empty when none.
    virtual QString openDevicePath() const { return {}; }
    // The running window's game profiles, which take a rule change at once;
    // null where no window runs.
    virtual GameProfiles *gameProfiles() const { return nullptr; }

    // How the snapshots name the controller behind this target.
    static QString controllerName();
    // Where the snapshots of this target's controller go; none by default.
    void setHistory(SnapshotRecorder *recorder) { history = recorder; }
    SnapshotRecorder *historyRecorder() const { return history; }
    // Queues a snapshot of current(): before an apply, or when the
    // controller has connected. It costs the caller only turning the records
    // into text; nothing is read from the controller.
    void recordSnapshot(const QString &reason);

signals:
    void ready();
    // The controller's four records are known again after it connected.
    void loaded();
    // The controller went away; what it shows when it is back is not a
    // change by hand.
    void left();
    void failed(int exitStatus, const QString &message);
    void settled(bool controllerLeft, const QStringList &lostWrites);
    void listed(const QStringList &lines);

private:
    SnapshotRecorder *history = nullptr;
};

struct RestorePlan;
// Sends a restore's differences through the target, in the order a settings
// text of kind "all" applies: effects, hardware, periphery.
void applyRestorePlan(SettingsTarget &target, const RestorePlan &plan);
