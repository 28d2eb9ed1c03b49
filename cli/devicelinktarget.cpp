// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/devicelinktarget.h"

#include "cli/commandline.h"
#include "device/controllerlisting.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/settingschanges.h"
#include "settings/settingsfields.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

enum RecordBit { EFFECTS_BIT = 1, HARDWARE_BIT = 2, ADC_BIT = 4, GPIO_BIT = 8 };

// The field's place in settingsFields(); -1 when unknown.
int fieldPlace(SettingsFieldEnum id, int8_t index)
{
    const QVector<SettingsField> &fields = settingsFields();
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].id == id && fields[i].index == index)
            return i;
    }
    return -1;
}

QString writeName(SettingsFieldEnum id, int8_t index)
{
    const int place = fieldPlace(id, index);
    if (place >= 0)
        return QString::fromLatin1(settingsFields()[place].key);
    return QStringLiteral("field %1 index %2").arg(static_cast<int>(id)).arg(index);
}

} // namespace

DeviceLinkTarget::DeviceLinkTarget(SettingsUiBackgroundThread *linkWorker, bool ownsTheLink, QObject *parent)
    : SettingsTarget(parent)
    , worker(linkWorker)
    , ownsLink(ownsTheLink)
    , waitTimer(new QTimer(this))
{
    waitTimer->setSingleShot(true);
    connect(waitTimer, &QTimer::timeout, this, &DeviceLinkTarget::failPrepare);
    connect(worker, &SettingsUiBackgroundThread::deviceConnected, this, [this](FirmwareVersionTypeDef version) {
        connected = true;
        knownRecords = 0;
        firmware = versionText(version);
        deniedPath.clear();
        if (ownsLink) {
            QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readAllSettings, Qt::QueuedConnection);
        }
    });
    connect(worker, &SettingsUiBackgroundThread::deviceDisconnected, this, [this] {
        const bool was = connected;
        connected = false;
        knownRecords = 0;
        leftSinceSettle = true;
        if (was)
            emit left();
    });
    connect(worker, &SettingsUiBackgroundThread::deviceAccessDenied, this, [this](const QString &path) {
        deniedPath = path;
        if (preparing)
            failPrepare();
    });
    connect(worker, &SettingsUiBackgroundThread::effectSettingsObtained, this, [this](EffectSettingsTypeDef s) {
        records.effects = s;
        recordObtained(EFFECTS_BIT);
    });
    connect(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained, this, [this](HardwareSettingsTypeDef s) {
        records.hardware = s;
        recordObtained(HARDWARE_BIT);
    });
    connect(worker, &SettingsUiBackgroundThread::adcExtenderSettingsObtained, this,
            [this](AdcExtensionSettingsTypeDef s) {
                records.adc = s;
                recordObtained(ADC_BIT);
            });
    connect(worker, &SettingsUiBackgroundThread::gpioExtenderSettingsObtained, this,
            [this](GpioExtensionSettingsTypeDef s) {
                records.gpio = s;
                recordObtained(GPIO_BIT);
            });
    connect(worker, &SettingsUiBackgroundThread::settingWriteFailed, this,
            [this](SettingsFieldEnum field, int8_t index) {
                failedWrites.append(writeName(field, index));
                // What did not arrive is not on the controller: current()
                // shows the value it still holds.
                const int place = fieldPlace(field, index);
                if (sentFrom.contains(place))
                    setRecordValue(&records, settingsFields()[place], sentFrom.value(place));
            });
}

void DeviceLinkTarget::recordObtained(int bit)
{
    if (!connected)
        return;
    const bool wasReady = isReady();
    knownRecords |= bit;
    // The window takes its own snapshot once its editors show the records.
    if (ownsLink && !wasReady && isReady())
        recordSnapshot(tr("when the controller connected"));
    if (!wasReady && isReady())
        emit loaded();
    if (preparing && isReady())
        finishPrepare();
}

void DeviceLinkTarget::prepare(int waitMs)
{
    preparing = true;
    if (isReady()) {
        // Answer from the event loop, as every other outcome does.
        QMetaObject::invokeMethod(this, &DeviceLinkTarget::finishPrepare, Qt::QueuedConnection);
        return;
    }
    if (!deniedPath.isEmpty() && !connected) {
        QMetaObject::invokeMethod(this, &DeviceLinkTarget::failPrepare, Qt::QueuedConnection);
        return;
    }
    waitTimer->start(waitMs);
    if (ownsLink) {
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::start, Qt::QueuedConnection);
        // Looks at once instead of one poll interval later.
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::checkDeviceConnections, Qt::QueuedConnection);
    }
}

void DeviceLinkTarget::finishPrepare()
{
    if (!preparing)
        return;
    preparing = false;
    waitTimer->stop();
    leftSinceSettle = false;
    failedWrites.clear();
    sentFrom.clear();
    emit ready();
}

void DeviceLinkTarget::failPrepare()
{
    if (!preparing)
        return;
    if (isReady()) {
        finishPrepare();
        return;
    }
    preparing = false;
    waitTimer->stop();
    if (!deniedPath.isEmpty())
        emit failed(exitstatus::NO_PERMISSION,
                    QCoreApplication::translate("MainWindow",
                                                "Controller found at %1, but this user may not open it. "
                                                "See \"Controller found but not permitted\" in the README.")
                        .arg(deniedPath));
    else if (connected)
        emit failed(exitstatus::NO_CONTROLLER,
                    tr("The controller is connected but its settings could not be read in time."));
    else
        emit failed(exitstatus::NO_CONTROLLER,
                    tr("No controller found within %n second(s).", nullptr, (waitTimer->interval() + 999) / 1000));
}

void DeviceLinkTarget::send(const QVector<SettingsWrite> &writes)
{
    SettingsUiBackgroundThread *target = worker;
    for (const SettingsWrite &write : writes) {
        const int place = fieldPlace(write.field, write.index);
        if (place >= 0 && !sentFrom.contains(place))
            sentFrom.insert(place, recordValue(records, settingsFields()[place]));
        const SettingsFieldEnum field = write.field;
        const int8_t index = write.index;
        const int value = write.value;
        std::function<void()> call;
        switch (write.type) {
        case SettingsValueType::Int8:
            call = [target, field, index, value] { target->sendInt8SettingReport(field, index, int8_t(value)); };
            break;
        case SettingsValueType::UInt8:
            call = [target, field, index, value] { target->sendUInt8SettingReport(field, index, uint8_t(value)); };
            break;
        case SettingsValueType::Int16:
            call = [target, field, index, value] { target->sendInt16SettingReport(field, index, int16_t(value)); };
            break;
        case SettingsValueType::UInt16:
            call = [target, field, index, value] { target->sendUInt16SettingReport(field, index, uint16_t(value)); };
            break;
        }
        QMetaObject::invokeMethod(target, call, Qt::QueuedConnection);
    }
}

void DeviceLinkTarget::applyEffects(const EffectSettingsTypeDef &target)
{
    send(effectsChanges(records.effects, target));
    records.effects = target;
}

void DeviceLinkTarget::applyHardware(const HardwareSettingsTypeDef &target)
{
    send(hardwareChanges(records.hardware, target));
    records.hardware = target;
}

void DeviceLinkTarget::applyPeriphery(const AdcExtensionSettingsTypeDef &adc, const GpioExtensionSettingsTypeDef &gpio)
{
    send(peripheryChanges(records.adc, records.gpio, adc, gpio));
    records.adc = adc;
    records.gpio = gpio;
}

void DeviceLinkTarget::saveAndReboot()
{
    QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::saveSettingsRequest, Qt::QueuedConnection);
    // The controller reboots: what it holds is read anew once it is back.
    knownRecords = 0;
    connected = false;
}

void DeviceLinkTarget::settle()
{
    // The target outlives every call it queues: the command that uses it
    // waits for the answers.
    DeviceLinkTarget *self = this;
    // Runs on the worker's thread behind every write queued so far; its
    // answer arrives behind every failure the worker reported for them.
    QMetaObject::invokeMethod(
        worker,
        [self] {
            QMetaObject::invokeMethod(
                self,
                [self] {
                    const bool left = self->leftSinceSettle;
                    const QStringList lost = self->failedWrites;
                    self->leftSinceSettle = false;
                    self->failedWrites.clear();
                    self->sentFrom.clear();
                    emit self->settled(left || !lost.isEmpty(), lost);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void DeviceLinkTarget::listControllers()
{
    DeviceLinkTarget *self = this;
    QMetaObject::invokeMethod(
        worker,
        [self] {
            const QVector<ControllerListing> listings = listControllerNodes();
            QStringList lines;
            for (const ControllerListing &listing : listings) {
                // A column for scripts: the same words in every language.
                const QString state = listing.accessDenied                   ? QStringLiteral("no permission")
                                      : listing.firmwareVersionText.isEmpty() ? QStringLiteral("not readable")
                                                                              : QStringLiteral("ok");
                const QString version =
                    listing.firmwareVersionText.isEmpty() ? QStringLiteral("-") : listing.firmwareVersionText;
                lines.append(QStringLiteral("%1 %2 %3").arg(listing.node, version, state));
            }
            QMetaObject::invokeMethod(
                self, [self, lines] { emit self->listed(lines); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

QString DeviceLinkTarget::openDevicePath() const
{
    return connected ? worker->openDevicePath() : QString();
}
