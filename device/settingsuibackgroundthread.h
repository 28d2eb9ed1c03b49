// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/devicereports.h"
#include "settings/settingsfieldenum.h"
#include "settings/settingsrecords.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

struct hid_device_;
class HotplugWatch;
class QTimer;

// The one object that talks to the controller. Once the device link has
// started it lives on a thread of its own and every hidapi call on the
// controller's handle happens there, one at a time, in the order the window
// asked for them (requests arrive as queued calls).
class SettingsUiBackgroundThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int POLL_INTERVAL_MS = 10;
    static constexpr int ENUMERATION_PERIOD_TICKS = 100;
    static constexpr int READ_TIMEOUT_MS = 100;
    static constexpr int HEARTBEAT_MISS_LIMIT = 100;

    explicit SettingsUiBackgroundThread(QObject *parent = nullptr);
    ~SettingsUiBackgroundThread() override;

    // The node the controller is open at; empty while none is. Callable from
    // any thread; set before deviceConnected is sent.
    QString openDevicePath() const;

signals:
    void effectSettingsObtained(EffectSettingsTypeDef settings);
    void hardwareSettingsObtained(HardwareSettingsTypeDef settings);
    void adcExtenderSettingsObtained(AdcExtensionSettingsTypeDef settings);
    void gpioExtenderSettingsObtained(GpioExtensionSettingsTypeDef settings);
    void firmwareVersionObtained(FirmwareVersionTypeDef version);
    void deviceConnected(FirmwareVersionTypeDef version);
    void deviceDisconnected();
    // The controller is on the bus at this node, but this user may not open
    // it. Sent once per node until an open succeeds; the link keeps trying.
    void deviceAccessDenied(const QString &path);
    // A settings write that did not reach the controller: none was connected,
    // or the write failed. The window ignores it; commands report it.
    void settingWriteFailed(SettingsFieldEnum field, int8_t index);

public slots:
    void start();
    void checkDeviceConnections();
    void rebootControllerRequest();
    void switchtoDfuRequest();
    void resetCenterRequest();
    void saveSettingsRequest();
    void readEffectSettings();
    void readHardwareSettings();
    void readGpioExtensionSettings();
    void readAdcExtensionSettings();
    void readFirmwareVersion();
    // The four records in the order a connection loads them: hardware,
    // analog axes, GPIO, effects.
    void readAllSettings();
    void sendInt8SettingReport(SettingsFieldEnum field, int8_t index, int8_t data);
    void sendInt16SettingReport(SettingsFieldEnum field, int8_t index, int16_t data);
    void sendUInt8SettingReport(SettingsFieldEnum field, int8_t index, uint8_t data);
    void sendUInt16SettingReport(SettingsFieldEnum field, int8_t index, uint16_t data);
    void sendFloatSettingReport(SettingsFieldEnum field, int8_t index, float data);

    // Ends polling for good and closes the controller. Must run on the
    // worker's thread before hidapi is shut down.
    void stop();

private:
    void pollConnected();
    void pollDisconnected();
    void watchHotplug();
    void controllerNodeAppeared();
    void controllerNodeDisappeared(const QString &path);
    void countHeartbeatMiss();
    hid_device_ *findAndOpenController(QString *openedPath);
    void sendCommand(uint8_t command);
    bool sendFrame(const HidInOutReportTypeDef &frame);
    std::optional<HidInOutReportTypeDef> readFeatureReport(uint8_t reportId);
    template <typename Record>
    std::optional<Record> readRecord(uint8_t reportId);
    template <typename Value>
    using SettingsReportBuilder = void (*)(HidInOutReportTypeDef *, uint8_t, uint8_t, Value);
    template <typename Value>
    void sendSetting(const char *typeName, SettingsReportBuilder<Value> build, SettingsFieldEnum field, int8_t index,
                     Value data);

    hid_device_ *device = nullptr;
    int enumerationTicks = ENUMERATION_PERIOD_TICKS;
    int heartbeatMisses = 0;
    QTimer *pollTimer = nullptr;
    // Created by start() on the worker's thread; hints only, the poll decides.
    HotplugWatch *hotplugWatch = nullptr;
    // The node the controller was opened at, while connected.
    QString devicePath;
    void setDevicePath(const QString &path);
    mutable QMutex publishedPathMutex;
    QString publishedPath; // devicePath, for other threads
    // Time since the last input report or the last miss counted for silence.
    QElapsedTimer heartbeatSilence;
    bool stopped = false;
    // The node last reported through deviceAccessDenied; empty once an open succeeds.
    QString deniedPath;
};
