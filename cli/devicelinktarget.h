// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/settingstarget.h"
#include "device/devicereports.h"

#include <QHash>
#include <QPointer>
#include <QStringList>

class QTimer;
class SettingsUiBackgroundThread;

// A settings target on a device-link worker: it follows the worker's
// connection and the records it reads, and sends writes through the worker's
// send slots as queued calls, so they reach the wire in the order given and
// behind anything queued before them.
class DeviceLinkTarget : public SettingsTarget
{
    Q_OBJECT

public:
    // With ownsLink the target starts the worker's polling and reads the four
    // records itself after each connection; the window does both on its own.
    DeviceLinkTarget(SettingsUiBackgroundThread *worker, bool ownsLink, QObject *parent = nullptr);

    void prepare(int waitMs) override;
    ControllerSettings current() const override { return records; }
    QString firmwareVersionText() const override { return firmware; }
    void applyEffects(const EffectSettingsTypeDef &target) override;
    void applyHardware(const HardwareSettingsTypeDef &target) override;
    void applyPeriphery(const AdcExtensionSettingsTypeDef &adc, const GpioExtensionSettingsTypeDef &gpio) override;
    void saveAndReboot() override;
    void settle() override;
    void listControllers() override;
    bool raiseWindow() override { return false; }
    QString openDevicePath() const override;

protected:
    SettingsUiBackgroundThread *linkWorker() const { return worker; }
    void send(const QVector<SettingsWrite> &writes);
    // For targets that apply through editors: what the records hold now.
    void setCurrent(const ControllerSettings &settings) { records = settings; }
    bool isReady() const { return connected && knownRecords == ALL_RECORDS; }

private:
    static constexpr int ALL_RECORDS = 0xF;
    void recordObtained(int bit);
    void finishPrepare();
    void failPrepare();

    SettingsUiBackgroundThread *worker;
    bool ownsLink;
    bool connected = false;
    int knownRecords = 0;
    QString firmware;
    QString deniedPath;
    ControllerSettings records;
    QTimer *waitTimer;
    bool preparing = false;
    // Settle bookkeeping: whether the controller left and which writes failed
    // since the last settle.
    bool leftSinceSettle = false;
    QStringList failedWrites;
    // What each field written since the last settle held before: a failed
    // write puts it back into the records.
    QHash<int, int> sentFrom;
};
