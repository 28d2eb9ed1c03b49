// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/settingstarget.h"

#include "device/devicereports.h"
#include "history/settingsdiff.h"
#include "history/snapshotrecorder.h"

QString SettingsTarget::controllerName()
{
    // The controller reports no serial number, and its node changes with
    // every plug: its USB ids are what stays the same.
    return QStringLiteral("usb %1:%2")
        .arg(DEVICE_VENDOR_ID, 4, 16, QLatin1Char('0'))
        .arg(DEVICE_PRODUCT_ID, 4, 16, QLatin1Char('0'));
}

void SettingsTarget::recordSnapshot(const QString &reason)
{
    if (history)
        history->record(current(), firmwareVersionText(), controllerName(), reason);
}

void applyRestorePlan(SettingsTarget &target, const RestorePlan &plan)
{
    if (plan.effects)
        target.applyEffects(plan.target.effects);
    if (plan.hardware)
        target.applyHardware(plan.target.hardware);
    if (plan.periphery)
        target.applyPeriphery(plan.target.adc, plan.target.gpio);
}
