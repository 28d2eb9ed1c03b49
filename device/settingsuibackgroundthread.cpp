// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/settingsuibackgroundthread.h"

#include "device/deviceaccess.h"
#include "device/hotplugwatch.h"

#include <hidapi.h>

#include <QDebug>
#include <QTimer>

#include <cerrno>
#include <cstring>

// A heartbeat read never blocks: the poll timer paces the ticks, and a tick
// that finds no input report only counts a miss once READ_TIMEOUT_MS have
// passed without one. Requests queued behind a tick therefore wait for one
// non-blocking read at most instead of a 100 ms blocking one.
static constexpr int HEARTBEAT_READ_SLICE_MS = 0;

SettingsUiBackgroundThread::SettingsUiBackgroundThread(QObject *parent)
    : QObject(parent)
    , pollTimer(new QTimer(this))
{
    registerSettingsMetaTypes();
    qRegisterMetaType<FirmwareVersionTypeDef>("FirmwareVersionTypeDef");
    hid_init();
    pollTimer->setTimerType(Qt::PreciseTimer);
    connect(pollTimer, &QTimer::timeout, this, &SettingsUiBackgroundThread::checkDeviceConnections);
}

SettingsUiBackgroundThread::~SettingsUiBackgroundThread()
{
    // Normally stop() has closed the handle on the worker's own thread already;
    // by the time the worker is destroyed that thread has finished.
    if (device)
        hid_close(device);
}

void SettingsUiBackgroundThread::start()
{
    if (stopped)
        return;
    watchHotplug();
    pollTimer->start(POLL_INTERVAL_MS);
}

void SettingsUiBackgroundThread::stop()
{
    stopped = true;
    pollTimer->stop();
    // Its event source belongs to this thread, so it ends here too.
    delete hotplugWatch;
    hotplugWatch = nullptr;
    if (device) {
        hid_close(device);
        device = nullptr;
        setDevicePath(QString());
    }
}

QString SettingsUiBackgroundThread::openDevicePath() const
{
    QMutexLocker lock(&publishedPathMutex);
    return publishedPath;
}

void SettingsUiBackgroundThread::setDevicePath(const QString &path)
{
    devicePath = path;
    QMutexLocker lock(&publishedPathMutex);
    publishedPath = path;
}

void SettingsUiBackgroundThread::watchHotplug()
{
    if (hotplugWatch)
        return;
    hotplugWatch = HotplugWatch::create(this);
    if (!hotplugWatch)
        return;
    connect(hotplugWatch, &HotplugWatch::controllerNodeAppeared, this,
            &SettingsUiBackgroundThread::controllerNodeAppeared);
    connect(hotplugWatch, &HotplugWatch::controllerNodeDisappeared, this,
            &SettingsUiBackgroundThread::controllerNodeDisappeared);
}

// A node of the controller appeared: enumerate now rather than at the next
// periodic enumeration. Finding and opening stay exactly as the poll does them.
void SettingsUiBackgroundThread::controllerNodeAppeared()
{
    if (device || !pollTimer->isActive())
        return;
    enumerationTicks = ENUMERATION_PERIOD_TICKS;
    pollDisconnected();
}

// The open node went away: the next failed heartbeat read is the last one.
// The disconnect itself still happens only through a failed read, so a
// mistaken hint costs nothing while the controller keeps answering.
void SettingsUiBackgroundThread::controllerNodeDisappeared(const QString &path)
{
    if (device && path == devicePath)
        heartbeatMisses = 1;
}

void SettingsUiBackgroundThread::checkDeviceConnections()
{
    if (device)
        pollConnected();
    else
        pollDisconnected();
}

void SettingsUiBackgroundThread::pollConnected()
{
    HidInOutReportTypeDef report;
    const int result = hid_read_timeout(device, &report.report_id, HID_REPORT_SIZE, HEARTBEAT_READ_SLICE_MS);
    if (result > 0) {
        heartbeatMisses = HEARTBEAT_MISS_LIMIT;
        heartbeatSilence.restart();
        return;
    }
    // A failed read is a miss at once; silence is a miss per READ_TIMEOUT_MS.
    if (result < 0 || heartbeatSilence.elapsed() >= READ_TIMEOUT_MS)
        countHeartbeatMiss();
}

void SettingsUiBackgroundThread::countHeartbeatMiss()
{
    heartbeatSilence.restart();
    if (--heartbeatMisses > 0)
        return;
    hid_close(device);
    device = nullptr;
    setDevicePath(QString());
    emit deviceDisconnected();
}

void SettingsUiBackgroundThread::pollDisconnected()
{
    if (enumerationTicks < ENUMERATION_PERIOD_TICKS) {
        ++enumerationTicks;
        return;
    }
    enumerationTicks = 0;

    QString path;
    hid_device *handle = findAndOpenController(&path);
    if (!handle)
        return;

    // The controller counts as present only once it has sent an input report.
    HidInOutReportTypeDef report;
    if (hid_read_timeout(handle, &report.report_id, HID_REPORT_SIZE, READ_TIMEOUT_MS) <= 0) {
        hid_close(handle);
        return;
    }
    device = handle;
    setDevicePath(path);
    // Start with a full miss budget so one late report right after connecting
    // does not count as the controller having left.
    heartbeatMisses = HEARTBEAT_MISS_LIMIT;
    heartbeatSilence.start();
    DeviceStateTypeDef state;
    std::memcpy(&state, &report.command, sizeof state);
    emit deviceConnected(state.firmware_version);
}

hid_device *SettingsUiBackgroundThread::findAndOpenController(QString *openedPath)
{
    hid_device_info *devices = hid_enumerate(DEVICE_VENDOR_ID, DEVICE_PRODUCT_ID);
    const hid_device_info *chosen = devices;
    while (chosen && chosen->interface_number != DEVICE_INTERFACE_NUMBER)
        chosen = chosen->next;
    hid_device *handle = nullptr;
    if (chosen && chosen->path) {
        errno = 0;
        handle = hid_open_path(chosen->path);
        const int openError = errno;
        if (handle) {
            deniedPath.clear();
            *openedPath = QString::fromLocal8Bit(chosen->path);
        } else if (deviceNodeAccessDenied(chosen->path, openError)) {
            const QString path = QString::fromLocal8Bit(chosen->path);
            if (path != deniedPath) {
                deniedPath = path;
                qDebug() << "controller found at" << path << "but this user may not open it";
                emit deviceAccessDenied(path);
            }
        }
    }
    hid_free_enumeration(devices);
    return handle;
}

bool SettingsUiBackgroundThread::sendFrame(const HidInOutReportTypeDef &frame)
{
    // The controller does not acknowledge; a write it does not take is lost.
    return hid_write(device, &frame.report_id, HID_REPORT_SIZE) >= 0;
}

void SettingsUiBackgroundThread::sendCommand(uint8_t command)
{
    if (!device)
        return;
    HidInOutReportTypeDef frame;
    frame.report_id = REPORT_ID_COMMAND;
    frame.command = command;
    sendFrame(frame);
}

void SettingsUiBackgroundThread::rebootControllerRequest()
{
    sendCommand(COMMAND_REBOOT);
}

void SettingsUiBackgroundThread::switchtoDfuRequest()
{
    sendCommand(COMMAND_SWITCH_TO_DFU);
}

void SettingsUiBackgroundThread::resetCenterRequest()
{
    sendCommand(COMMAND_RESET_CENTER);
}

void SettingsUiBackgroundThread::saveSettingsRequest()
{
    sendCommand(COMMAND_SAVE_SETTINGS);
}

std::optional<HidInOutReportTypeDef> SettingsUiBackgroundThread::readFeatureReport(uint8_t reportId)
{
    if (!device)
        return std::nullopt;
    HidInOutReportTypeDef buffer;
    buffer.report_id = reportId;
    // Only a complete report is a record: a short answer would leave part of
    // the record as zeros that the controller never sent.
    if (hid_get_feature_report(device, &buffer.report_id, HID_REPORT_SIZE) < static_cast<int>(HID_REPORT_SIZE))
        return std::nullopt;
    return buffer;
}

template <typename Record>
std::optional<Record> SettingsUiBackgroundThread::readRecord(uint8_t reportId)
{
    static_assert(sizeof(Record) <= HID_PAYLOAD_SIZE);
    const std::optional<HidInOutReportTypeDef> report = readFeatureReport(reportId);
    if (!report)
        return std::nullopt;
    Record record;
    std::memcpy(&record, &report->command, sizeof record);
    return record;
}

void SettingsUiBackgroundThread::readEffectSettings()
{
    if (const auto settings = readRecord<EffectSettingsTypeDef>(REPORT_ID_EFFECT_SETTINGS))
        emit effectSettingsObtained(*settings);
}

void SettingsUiBackgroundThread::readHardwareSettings()
{
    if (const auto settings = readRecord<HardwareSettingsTypeDef>(REPORT_ID_HARDWARE_SETTINGS))
        emit hardwareSettingsObtained(*settings);
}

void SettingsUiBackgroundThread::readGpioExtensionSettings()
{
    if (const auto settings = readRecord<GpioExtensionSettingsTypeDef>(REPORT_ID_GPIO_EXTENSION_SETTINGS))
        emit gpioExtenderSettingsObtained(*settings);
}

void SettingsUiBackgroundThread::readAdcExtensionSettings()
{
    if (const auto settings = readRecord<AdcExtensionSettingsTypeDef>(REPORT_ID_ADC_EXTENSION_SETTINGS))
        emit adcExtenderSettingsObtained(*settings);
}

void SettingsUiBackgroundThread::readAllSettings()
{
    readHardwareSettings();
    readAdcExtensionSettings();
    readGpioExtensionSettings();
    readEffectSettings();
}

void SettingsUiBackgroundThread::readFirmwareVersion()
{
    if (const auto version = readRecord<FirmwareVersionTypeDef>(REPORT_ID_FIRMWARE_INFO))
        emit firmwareVersionObtained(*version);
}

namespace {

// Bytes print as numbers, not as characters.
template <typename Value>
auto loggable(Value value)
{
    if constexpr (sizeof(Value) == 1)
        return static_cast<int>(value);
    else
        return value;
}

} // namespace

template <typename Value>
void SettingsUiBackgroundThread::sendSetting(const char *typeName, SettingsReportBuilder<Value> build,
                                             SettingsFieldEnum field, int8_t index, Value data)
{
    if (!device) {
        emit settingWriteFailed(field, index);
        return;
    }
    HidInOutReportTypeDef frame;
    build(&frame, static_cast<uint8_t>(field), static_cast<uint8_t>(index), data);
    if (!sendFrame(frame))
        emit settingWriteFailed(field, index);
    qDebug() << "send" << typeName << "field" << static_cast<int>(field) << "axis" << static_cast<int>(index)
             << "value" << loggable(data);
}

void SettingsUiBackgroundThread::sendInt8SettingReport(SettingsFieldEnum field, int8_t index, int8_t data)
{
    sendSetting("int8", CreateInt8SettingsReport, field, index, data);
}

void SettingsUiBackgroundThread::sendInt16SettingReport(SettingsFieldEnum field, int8_t index, int16_t data)
{
    sendSetting("int16", CreateInt16SettingsReport, field, index, data);
}

void SettingsUiBackgroundThread::sendUInt8SettingReport(SettingsFieldEnum field, int8_t index, uint8_t data)
{
    sendSetting("uint8", CreateUInt8SettingsReport, field, index, data);
}

void SettingsUiBackgroundThread::sendUInt16SettingReport(SettingsFieldEnum field, int8_t index, uint16_t data)
{
    sendSetting("uint16", CreateUInt16SettingsReport, field, index, data);
}

void SettingsUiBackgroundThread::sendFloatSettingReport(SettingsFieldEnum field, int8_t index, float data)
{
    sendSetting("float", CreateFloatSettingsReport, field, index, data);
}
