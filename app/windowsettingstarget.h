// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/devicelinktarget.h"

class MainWindow;

// Requests from later starts, carried out by the running window: changes go
// through the editors' own apply path with sending on, so the frames are the
// ones the window sends for a profile pick and the editors show them.
class WindowSettingsTarget : public DeviceLinkTarget
{
    Q_OBJECT

public:
    explicit WindowSettingsTarget(MainWindow *window, QObject *parent = nullptr);

    ControllerSettings current() const override;
    void applyEffects(const EffectSettingsTypeDef &target) override;
    void applyHardware(const HardwareSettingsTypeDef &target) override;
    void applyPeriphery(const AdcExtensionSettingsTypeDef &adc, const GpioExtensionSettingsTypeDef &gpio) override;
    bool raiseWindow() override;
    bool openWheelTest() override;
    GameProfiles *gameProfiles() const override;

signals:
    // Around each apply of a command or a restore: the editors' changes in
    // between are not the user's own (they are no undo steps).
    void outsideChangeStarting();
    void outsideChangeFinished();

private:
    MainWindow *window;
};
