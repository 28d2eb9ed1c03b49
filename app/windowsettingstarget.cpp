// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowsettingstarget.h"

#include "app/mainwindow.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"

WindowSettingsTarget::WindowSettingsTarget(MainWindow *mainWindow, QObject *parent)
    : DeviceLinkTarget(mainWindow->deviceLinkWorker(), false, parent)
    , window(mainWindow)
{
}

ControllerSettings WindowSettingsTarget::current() const
{
    // The records as read, with what the editors show now put in: the user
    // may have changed things since.
    ControllerSettings settings = DeviceLinkTarget::current();
    window->effectsSettingsEditor()->effectSettingsFromUi(&settings.effects);
    window->hardwareSettingsEditor()->hardwareSettingsFromUi(&settings.hardware);
    window->peripherySettingsEditor()->adcSettingsFromUi(&settings.adc);
    window->peripherySettingsEditor()->gpioSettingsFromUi(&settings.gpio);
    return settings;
}

void WindowSettingsTarget::applyEffects(const EffectSettingsTypeDef &target)
{
    emit outsideChangeStarting();
    window->applyEffectSettings(target);
    emit outsideChangeFinished();
}

void WindowSettingsTarget::applyHardware(const HardwareSettingsTypeDef &target)
{
    emit outsideChangeStarting();
    window->hardwareSettingsEditor()->applyHardwareSettings(target);
    emit outsideChangeFinished();
}

void WindowSettingsTarget::applyPeriphery(const AdcExtensionSettingsTypeDef &adc,
                                          const GpioExtensionSettingsTypeDef &gpio)
{
    emit outsideChangeStarting();
    window->applyPeripherySettings(adc, gpio);
    emit outsideChangeFinished();
}

bool WindowSettingsTarget::raiseWindow()
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
    return true;
}

bool WindowSettingsTarget::openWheelTest()
{
    emit window->wheelTestRequested();
    return true;
}

GameProfiles *WindowSettingsTarget::gameProfiles() const
{
    return window->gameProfiles();
}
