// SPDX-License-Identifier: GPL-3.0-or-later
// The device link as the window drives it: frames on the wire, their debug
// lines, finding the controller, the heartbeat, and the order of requests;
// and the link's own shutdown order, whatever state it is in.

#include "app/mainwindow.h"
#include "device/devicelink.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "tests/testsupport.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <algorithm>

using namespace testsupport;
namespace sim = vellox::sim;

namespace {

// Waits until the worker has run at least `count` enumerations since the log was cleared.
bool waitForEnumerations(int count)
{
    return QTest::qWaitFor([count] { return countCalls(sim::HidCall::Enumerate) >= count; }, 5000);
}

} // namespace

class DeviceLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(noMisuse()); }

    void settingWritesCarryTypeWidthAndValue_data();
    void settingWritesCarryTypeWidthAndValue();
    void commandsGoOutInClickOrder();
    void nothingIsSentOrLoggedWhileDisconnected();
    void enumerationPicksInterfaceZeroWithAPath();
    void controllerThatCannotBeOpenedOrStaysSilentIsNotReported();
    void heartbeatDisconnectsAfterHundredFailedReadsInARow();
    void unplugAndReplugReconnect();
    void burstOfChangesArrivesCompleteAndInOrder();
    void silentControllerStillTakesWritesAndStaysConnected();
    void failedAndShortFeatureReadsDeliverNoRecord();
    void linkEndsInHidExitWhateverItsState_data();
    void linkEndsInHidExitWhateverItsState();
};

void DeviceLinkTest::settingWritesCarryTypeWidthAndValue_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("logLine");

    QTest::newRow("int8 -1") << "hardware" << "int8" << 21 << 0 << -1.0 << frame({0xA3, 0x14, 0x15, 0x00, 0xFF})
                             << "send int8 field 21 axis 0 value -1";
    QTest::newRow("uint8 80") << "hardware" << "uint8" << 17 << 0 << 80.0 << frame({0xA3, 0x14, 0x11, 0x00, 0x50})
                              << "send uint8 field 17 axis 0 value 80";
    QTest::newRow("uint8 255 on pin 9") << "gpio" << "uint8" << 28 << 9 << 255.0
                                        << frame({0xA3, 0x14, 0x1C, 0x09, 0xFF})
                                        << "send uint8 field 28 axis 9 value 255";
    QTest::newRow("uint16 4096") << "hardware" << "uint16" << 24 << 0 << 4096.0
                                 << frame({0xA3, 0x14, 0x18, 0x00, 0x00, 0x10})
                                 << "send uint16 field 24 axis 0 value 4096";
    QTest::newRow("uint16 65535") << "effects" << "uint16" << 5 << 0 << 65535.0
                                  << frame({0xA3, 0x14, 0x05, 0x00, 0xFF, 0xFF})
                                  << "send uint16 field 5 axis 0 value 65535";
    QTest::newRow("int16 -2") << "effects" << "int16" << 9 << 0 << -2.0 << frame({0xA3, 0x14, 0x09, 0x00, 0xFE, 0xFF})
                              << "send int16 field 9 axis 0 value -2";
    QTest::newRow("float 1.0") << "gpio" << "float" << 34 << 2 << 1.0
                               << frame({0xA3, 0x14, 0x22, 0x02, 0x00, 0x00, 0x80, 0x3F})
                               << "send float field 34 axis 2 value 1";
    QTest::newRow("float -0.5") << "effects" << "float" << 3 << 0 << -0.5
                                << frame({0xA3, 0x14, 0x03, 0x00, 0x00, 0x00, 0x00, 0xBF})
                                << "send float field 3 axis 0 value -0.5";
    QTest::newRow("field above 255 sends its low byte")
        << "effects" << "uint8" << 0x1AB << 0 << 7.0 << frame({0xA3, 0x14, 0xAB, 0x00, 0x07})
        << "send uint8 field 427 axis 0 value 7";
    QTest::newRow("negative index") << "gpio" << "uint8" << 29 << -1 << 2.0 << frame({0xA3, 0x14, 0x1D, 0xFF, 0x02})
                                    << "send uint8 field 29 axis -1 value 2";
}

void DeviceLinkTest::settingWritesCarryTypeWidthAndValue()
{
    QFETCH(QString, editor);
    QFETCH(QString, type);
    QFETCH(int, field);
    QFETCH(int, index);
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QFETCH(QString, logLine);

    auto window = connectedWindow();
    QVERIFY(window);
    SettingsEditorWidget *source = nullptr;
    if (editor == "effects")
        source = window->findChild<FullEffectSettingsWidget *>("effects_settings_widget");
    else if (editor == "gpio")
        source = window->findChild<GpioExtensionWidget *>("gpio_extension_widget");
    else
        source = window->findChild<FullHardwareSettingsWidget *>("hardware_settings_widget");
    QVERIFY(source);

    MessageCapture messages;
    sim::clearLog();
    const auto id = static_cast<SettingsFieldEnum>(field);
    const auto axis = static_cast<int8_t>(index);
    if (type == "int8")
        emit source->settingInt8Changed(id, axis, static_cast<int8_t>(value));
    else if (type == "uint8")
        emit source->settingUInt8Changed(id, axis, static_cast<uint8_t>(value));
    else if (type == "int16")
        emit source->settingInt16Changed(id, axis, static_cast<int16_t>(value));
    else if (type == "uint16")
        emit source->settingUInt16Changed(id, axis, static_cast<uint16_t>(value));
    else
        emit source->settingFloatChanged(id, axis, static_cast<float>(value));

    QTRY_COMPARE(writtenFrames().size(), 1);
    QCOMPARE(writtenFrames().first().toHex(' '), expected.toHex(' '));
    QTRY_COMPARE(messages.linesStartingWith("send "), QStringList{logLine});
}

void DeviceLinkTest::commandsGoOutInClickOrder()
{
    auto window = connectedWindow();
    QVERIFY(window);
    sim::clearLog();

    // Two clicks in quick succession reach the controller in click order.
    window->findChild<QPushButton *>("reset_center_button")->click();
    window->findChild<QPushButton *>("save_effects_settings_button")->click();
    QTRY_COMPARE(writtenFrames().size(), 2);
    QCOMPARE(writtenFrames().at(0).toHex(), frame({0xA3, 0x04}).toHex());
    QCOMPARE(writtenFrames().at(1).toHex(), frame({0xA3, 0x02}).toHex());

    // Saving reboots the controller: the window turns idle, then finds it again.
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(*window), 5000);

    sim::clearLog();
    window->findChild<QPushButton *>("reboot_button")->click();
    QTRY_COMPARE(writtenFrames().size(), 1);
    QCOMPARE(writtenFrames().at(0).toHex(), frame({0xA3, 0x01}).toHex());
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(*window), 5000);

    sim::clearLog();
    window->findChild<QPushButton *>("dfu_mode_button")->click();
    QTRY_COMPARE(writtenFrames().size(), 1);
    QCOMPARE(writtenFrames().at(0).toHex(), frame({0xA3, 0x03}).toHex());
    // In DFU mode the controller stays away.
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    QVERIFY(waitForEnumerations(2));
    QVERIFY(looksIdle(*window));
}

void DeviceLinkTest::nothingIsSentOrLoggedWhileDisconnected()
{
    sim::reset();
    sim::unplug();
    MessageCapture messages;
    MainWindow window;
    QVERIFY(showWithEditors(window));
    QVERIFY(waitForEnumerations(1));
    auto *effects = window.findChild<FullEffectSettingsWidget *>("effects_settings_widget");
    emit effects->settingUInt8Changed(SETTINGS_FIELD_TOTAL_EFFECT_SCALE, 0, 50);
    emit effects->settingFloatChanged(SETTINGS_FIELD_MOTION_RANGE, 0, 1.0f);
    // A second enumeration means the worker has long served the two requests.
    QVERIFY(waitForEnumerations(2));
    QVERIFY(writtenFrames().isEmpty());
    QVERIFY(messages.linesStartingWith("send ").isEmpty());
    QVERIFY(looksIdle(window));
}

void DeviceLinkTest::enumerationPicksInterfaceZeroWithAPath()
{
    // Interface 1 listed before interface 0: the second entry is opened.
    sim::reset();
    sim::setEnumeration({{1, true}, {0, true}});
    {
        MainWindow window;
        QTRY_VERIFY_WITH_TIMEOUT(looksConnected(window), 5000);
        const auto calls = sim::calls();
        const auto open = std::find_if(calls.begin(), calls.end(),
                                       [](const auto &c) { return c.call == sim::HidCall::OpenPath; });
        QVERIFY(open != calls.end());
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(open->data.data()), int(open->data.size())),
                 QByteArray::fromStdString(sim::nodePath(1)));
    }

    // Only entries the tool must not use: nothing is opened.
    const std::vector<std::vector<sim::EnumerationEntry>> unusable = {
        {{-1, true}},
        {{0, false}},
        {{1, true}, {2, true}},
        {},
    };
    for (const auto &entries : unusable) {
        sim::reset();
        sim::setEnumeration(entries);
        MainWindow window;
        QVERIFY(waitForEnumerations(2));
        QCOMPARE(countCalls(sim::HidCall::OpenPath), 0);
        QVERIFY(looksIdle(window));
        // Every list handed out was freed again.
        QTRY_COMPARE(countCalls(sim::HidCall::FreeEnumeration), countCalls(sim::HidCall::Enumerate));
    }
}

void DeviceLinkTest::controllerThatCannotBeOpenedOrStaysSilentIsNotReported()
{
    sim::reset();
    sim::Faults faults;
    faults.failOpen = true;
    sim::setFaults(faults);
    {
        MainWindow window;
        QVERIFY(waitForEnumerations(2));
        QVERIFY(countCalls(sim::HidCall::OpenPath) >= 1);
        QVERIFY(looksIdle(window));
    }

    // Opened, but no input report within 100 ms: closed again, not reported.
    sim::reset();
    sim::setInputReportRate(0);
    {
        MainWindow window;
        QVERIFY(waitForEnumerations(2));
        QTRY_VERIFY(countCalls(sim::HidCall::Close) >= 1);
        const auto calls = sim::calls();
        const auto firstRead = std::find_if(calls.begin(), calls.end(),
                                            [](const auto &c) { return c.call == sim::HidCall::ReadTimeout; });
        const auto firstClose = std::find_if(calls.begin(), calls.end(),
                                             [](const auto &c) { return c.call == sim::HidCall::Close; });
        QVERIFY(firstRead != calls.end() && firstClose != calls.end());
        // One 100 ms wait for the first report, then the handle is closed again.
        QCOMPARE(firstRead->argument, 100);
        QCOMPARE(firstRead->result, 0);
        QCOMPARE(firstClose->handle, firstRead->handle);
        QVERIFY(looksIdle(window));
    }
}

void DeviceLinkTest::heartbeatDisconnectsAfterHundredFailedReadsInARow()
{
    auto window = connectedWindow();
    QVERIFY(window);
    int disconnects = 0;
    connect(window->deviceLinkWorker(), &SettingsUiBackgroundThread::deviceDisconnected, window.get(),
            [&disconnects] { ++disconnects; });

    const auto failedReads = [] {
        const auto calls = sim::calls();
        return static_cast<int>(std::count_if(calls.begin(), calls.end(), [](const auto &c) {
            return c.call == sim::HidCall::ReadTimeout && c.result < 0;
        }));
    };
    sim::Faults faults;
    faults.failInputReads = true;

    // A run of failures broken by one report does not disconnect.
    sim::clearLog();
    sim::setFaults(faults);
    QTRY_VERIFY(failedReads() >= 30);
    sim::setFaults({});
    QTRY_VERIFY(sim::calls().back().call == sim::HidCall::ReadTimeout && sim::calls().back().result > 0);
    QVERIFY(looksConnected(*window));

    sim::setFaults(faults);
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    QCOMPARE(disconnects, 1);

    // The close follows exactly 100 failed reads in a row.
    const auto calls = sim::calls();
    const auto close = std::find_if(calls.begin(), calls.end(),
                                    [](const auto &c) { return c.call == sim::HidCall::Close; });
    QVERIFY(close != calls.end());
    int run = 0;
    for (auto it = std::make_reverse_iterator(close); it != calls.rend(); ++it) {
        if (it->call != sim::HidCall::ReadTimeout)
            continue;
        if (it->result >= 0)
            break;
        ++run;
    }
    QCOMPARE(run, 100);
    QVERIFY(failedReads() > 100 + 30 - 1);
    sim::setFaults({});
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(*window), 5000);
    QCOMPARE(disconnects, 1);
}

void DeviceLinkTest::unplugAndReplugReconnect()
{
    auto window = connectedWindow();
    QVERIFY(window);
    for (int round = 0; round < 2; ++round) {
        sim::unplug();
        QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
        sim::clearLog();
        sim::plug();
        QTRY_VERIFY_WITH_TIMEOUT(looksConnected(*window), 5000);
        // Each arrival reads the firmware information, then the four records.
        QTRY_COMPARE(featureReadIds(), (QList<int>{0x25, 0x21, 0xA2, 0xA1, 0x22}));
    }
}

void DeviceLinkTest::burstOfChangesArrivesCompleteAndInOrder()
{
    auto window = connectedWindow();
    QVERIFY(window);
    auto *effects = window->findChild<FullEffectSettingsWidget *>("effects_settings_widget");
    auto *hardware = window->findChild<FullHardwareSettingsWidget *>("hardware_settings_widget");
    sim::clearLog();
    QList<QByteArray> expected;
    for (int i = 0; i < 1000; ++i) {
        const auto value = static_cast<uint16_t>(i * 7);
        if (i % 2) {
            emit effects->settingUInt16Changed(SETTINGS_FIELD_MOTION_RANGE, 0, value);
            expected.append(frame({0xA3, 0x14, 0x05, 0x00, value & 0xFF, value >> 8}));
        } else {
            emit hardware->settingUInt8Changed(SETTINGS_FIELD_POWER_LIMIT, 0, static_cast<uint8_t>(i % 101));
            expected.append(frame({0xA3, 0x14, 0x11, 0x00, i % 101}));
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(writtenFrames().size(), 1000, 10000);
    QCOMPARE(writtenFrames(), expected);
    // Every write ran on one thread, never the GUI thread.
    const auto calls = sim::calls();
    for (const auto &call : calls) {
        if (call.call == sim::HidCall::Write) {
            QVERIFY(call.thread != std::this_thread::get_id());
            QVERIFY(call.thread == calls.front().thread);
        }
    }
}

void DeviceLinkTest::silentControllerStillTakesWritesAndStaysConnected()
{
    auto window = connectedWindow();
    QVERIFY(window);
    auto *effects = window->findChild<FullEffectSettingsWidget *>("effects_settings_widget");
    sim::setInputReportRate(0);
    sim::clearLog();
    for (int i = 0; i < 50; ++i)
        emit effects->settingUInt8Changed(SETTINGS_FIELD_TOTAL_EFFECT_SCALE, 0, static_cast<uint8_t>(i));
    QTRY_COMPARE(writtenFrames().size(), 50);
    // A silent controller is missed once per 100 ms, so it takes ten seconds
    // to be given up; a hundred empty heartbeat reads leave it connected.
    const auto emptyReads = [] {
        const auto calls = sim::calls();
        return std::count_if(calls.begin(), calls.end(), [](const auto &c) {
            return c.call == sim::HidCall::ReadTimeout && c.result == 0;
        });
    };
    QTRY_VERIFY_WITH_TIMEOUT(emptyReads() >= 100, 5000);
    QVERIFY(looksConnected(*window));
}

void DeviceLinkTest::failedAndShortFeatureReadsDeliverNoRecord()
{
    auto window = connectedWindow();
    QVERIFY(window);
    SettingsUiBackgroundThread *worker = window->deviceLinkWorker();
    int records = 0;
    const auto count = [&records] { ++records; };
    connect(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained, window.get(), count);
    connect(worker, &SettingsUiBackgroundThread::effectSettingsObtained, window.get(), count);
    connect(worker, &SettingsUiBackgroundThread::firmwareVersionObtained, window.get(), count);

    for (const bool shortReads : {false, true}) {
        sim::Faults faults;
        faults.failFeatureReads = !shortReads;
        faults.shortFeatureReads = shortReads;
        sim::setFaults(faults);
        sim::clearLog();
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readHardwareSettings);
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readEffectSettings);
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readFirmwareVersion);
        QTRY_COMPARE(featureReadIds().size(), 3);
        QTRY_VERIFY(sim::callsInFlight() == 0);
        // The signal would already be queued to this thread; let it arrive.
        QCoreApplication::processEvents();
        QCOMPARE(records, 0);
    }
    sim::setFaults({});
    QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::readHardwareSettings);
    QTRY_COMPARE(records, 1);
    QVERIFY(looksConnected(*window));
}

enum class LinkState { NeverStarted, ThreadOnly, PollNotYetRun, ReadInFlight, ControllerLeft };
Q_DECLARE_METATYPE(LinkState)

void DeviceLinkTest::linkEndsInHidExitWhateverItsState_data()
{
    QTest::addColumn<LinkState>("state");
    QTest::newRow("never started") << LinkState::NeverStarted;
    QTest::newRow("thread only, as a command has it") << LinkState::ThreadOnly;
    QTest::newRow("ended before its poll ran") << LinkState::PollNotYetRun;
    QTest::newRow("a slow read in flight") << LinkState::ReadInFlight;
    QTest::newRow("the controller left") << LinkState::ControllerLeft;
}

void DeviceLinkTest::linkEndsInHidExitWhateverItsState()
{
    QFETCH(LinkState, state);
    sim::reset();
    {
        DeviceLink link;
        QSignalSpy connected(link.worker(), &SettingsUiBackgroundThread::deviceConnected);
        QSignalSpy left(link.worker(), &SettingsUiBackgroundThread::deviceDisconnected);
        if (state == LinkState::ThreadOnly) {
            link.startThread();
            // One look may miss the first input report on a busy machine;
            // a command looks again too.
            QTRY_VERIFY_WITH_TIMEOUT(
                (link.post(&SettingsUiBackgroundThread::checkDeviceConnections), !connected.isEmpty()), 20000);
        } else if (state != LinkState::NeverStarted) {
            link.start();
            QVERIFY(link.isStarted());
        }
        if (state == LinkState::ReadInFlight || state == LinkState::ControllerLeft)
            QVERIFY(connected.wait(5000));
        if (state == LinkState::ReadInFlight) {
            sim::Faults slow;
            slow.answerDelayMs = 150;
            sim::setFaults(slow);
            QTRY_VERIFY(sim::callsInFlight() > 0);
        }
        if (state == LinkState::ControllerLeft) {
            sim::unplug();
            QVERIFY(left.wait(5000));
        }
    }
    // The misuse checks in cleanup() flag any call after hid_exit, any call
    // overlapping another on the handle, and any call on a closed handle.
    const auto calls = sim::calls();
    QVERIFY(!calls.empty());
    QCOMPARE(calls.back().call, sim::HidCall::Exit);
    QCOMPARE(countCalls(sim::HidCall::Exit), 1);
    QCOMPARE(sim::callsInFlight(), 0);
    // Every call on the controller ran on the worker's thread, not this one;
    // a link that never polled made none.
    const bool polled = state != LinkState::NeverStarted && state != LinkState::PollNotYetRun;
    for (const sim::CallRecord &call : calls) {
        if (call.call != sim::HidCall::Init && call.call != sim::HidCall::Exit) {
            QVERIFY2(polled, sim::hidCallName(call.call));
            QVERIFY2(call.thread != std::this_thread::get_id(), sim::hidCallName(call.call));
        }
    }
    if (state == LinkState::ReadInFlight || state == LinkState::ThreadOnly)
        QCOMPARE(countCalls(sim::HidCall::Close), countCalls(sim::HidCall::OpenPath));
    sim::setFaults({});
}

QTEST_MAIN(DeviceLinkTest)
#include "test_devicelink.moc"
