// SPDX-License-Identifier: GPL-3.0-or-later
// A later start's request carried out by the running window: its editors show
// the change, and the frames are the ones the window sends for the same pick
// and typing. A plain second start shows the window.

#include "app/mainwindow.h"
#include "app/windowhistory.h"
#include "app/windowsettingstarget.h"
#include "cli/commandline.h"
#include "cli/devicelinktarget.h"
#include "device/devicelink.h"
#include "cli/instanceserver.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/fullhardwaresettingswidget.h"
#include "history/snapshotrecorder.h"
#include "history/snapshotstore.h"
#include "history/ui/historywindow.h"
#include "history/restorejournal.h"
#include "history/ui/settingsundo.h"
#include "settings/appfiles.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>
#include <QUndoStack>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <future>

using testsupport::frame;
namespace sim = vellox::sim;

namespace {

class InstanceWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void requestShowsInEditors();
    void historyAndUndoInTheWindow();
    void wrapperRestoreWhenControllerBack_data();
    void wrapperRestoreWhenControllerBack();
    void headlessRestoreAfterControllerLostSettings();
};

// Asks from another thread, as a second process would, while this thread's
// event loop serves the window and the socket.
CommandAnswer ask(const instancemessage::Request &request)
{
    auto answer = std::async(std::launch::async, [&] { return askRunningInstance(request, 30000); });
    if (!QTest::qWaitFor([&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 30000))
        qFatal("no answer from the running window");
    const std::optional<CommandAnswer> result = answer.get();
    if (!result)
        qFatal("the running window did not listen");
    return *result;
}

CommandAnswer ask(const QStringList &arguments, const QString &directory)
{
    return ask(
        instancemessage::Request{std::get<CommandRequest>(parseCommandLine(arguments)), directory, std::nullopt});
}

void InstanceWindowTest::requestShowsInEditors()
{
    QTemporaryDir runtime;
    QTemporaryDir work;
    QVERIFY(runtime.isValid() && work.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());

    sim::reset();
    EffectSettingsTypeDef rally;
    std::memcpy(&rally, sim::record(0x22).data(), sizeof rally);
    rally.motion_range = 540;
    rally.total_effect_scale = 80;
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("wheel_effects_profiles")));
    testsupport::writeFile(work.filePath(QStringLiteral("wheel_effects_profiles/Rally")),
                           QByteArray(reinterpret_cast<const char *>(&rally), sizeof rally));

    MainWindow window;
    WindowSettingsTarget target(&window);
    InstanceServer server;
    QVERIFY(server.listen());
    server.setTarget(&target);
    auto *motionRange = window.effectsSettingsEditor()->findChild<QSpinBox *>(QStringLiteral("motion_range_axis0"));
    auto *pGain = window.hardwareSettingsEditor()->findChild<QSpinBox *>(QStringLiteral("axis0_p_gain"));
    QVERIFY(motionRange && pGain);
    QTRY_COMPARE_WITH_TIMEOUT(motionRange->value(), 900, 10000);
    const qsizetype writesBefore = testsupport::settingWrites().size();

    const CommandAnswer applied = ask({"--profile", "effects:Rally", "--set", "hardware.p_gain=30"}, work.path());
    QCOMPARE(applied.err, QByteArray());
    QCOMPARE(applied.status, 0);
    QCOMPARE(motionRange->value(), 540);
    QCOMPARE(pGain->value(), 30);
    QTRY_COMPARE(testsupport::settingWrites().size(), writesBefore + 3);
    QCOMPARE(testsupport::settingWrites().mid(writesBefore), (QList<QByteArray>{
                                                                 frame({0xA3, 0x14, 0x05, 0x00, 0x1C, 0x02}),
                                                                 frame({0xA3, 0x14, 0x04, 0x00, 80}),
                                                                 frame({0xA3, 0x14, 0x19, 0x00, 30}),
                                                             }));

    // What the window shows now, typed by the user, is what --show reports.
    motionRange->setValue(600);
    const CommandAnswer shown = ask({"--show"}, work.path());
    QCOMPARE(shown.status, 0);
    QVERIFY2(shown.out.contains("\neffects.motion_range = 600\n"), shown.out.constData());
    QVERIFY(shown.out.contains("\nhardware.p_gain = 30\n"));

    QVERIFY(!window.isVisible());
    const CommandAnswer plain = ask({}, work.path());
    QCOMPARE(plain.status, 0);
    QVERIFY(window.isVisible());
    QVERIFY(testsupport::noMisuse());
    server.abandon();
}

QString newestReason(const QString &folder)
{
    const QStringList ids = listSnapshotIds(folder);
    if (ids.isEmpty())
        return {};
    const auto snapshot = loadSnapshot(folder, ids.first());
    return std::holds_alternative<Snapshot>(snapshot) ? std::get<Snapshot>(snapshot).header.reason : QString();
}

void InstanceWindowTest::historyAndUndoInTheWindow()
{
    QTemporaryDir runtime;
    QTemporaryDir state;
    QTemporaryDir work;
    QVERIFY(runtime.isValid() && state.isValid() && work.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    sim::reset();

    MainWindow window;
    WindowSettingsTarget target(&window);
    WindowHistory history(&window, &target);
    InstanceServer server;
    QVERIFY(server.listen());
    server.setTarget(&target);
    window.show();
    auto *motionRange = window.effectsSettingsEditor()->findChild<QSpinBox *>(QStringLiteral("motion_range_axis0"));
    QVERIFY(motionRange);
    QTRY_COMPARE_WITH_TIMEOUT(motionRange->value(), 900, 10000);
    const QString folder = history.recorder()->folder();
    QTRY_COMPARE(newestReason(folder), QStringLiteral("when the controller connected"));

    // The user's change, taken back and made again from the keyboard while
    // the spin box has the focus: one write each.
    const qsizetype writesBefore = testsupport::settingWrites().size();
    motionRange->setValue(600);
    motionRange->setFocus();
    QTRY_COMPARE(history.undo()->stack()->count(), 1);
    QTest::keyClick(motionRange, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(motionRange->value(), 900);
    QTest::keyClick(motionRange, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(motionRange->value(), 600);
    QTRY_COMPARE(testsupport::settingWrites().size(), writesBefore + 3);
    QCOMPARE(testsupport::settingWrites().mid(writesBefore), (QList<QByteArray>{
                                                                 frame({0xA3, 0x14, 0x05, 0x00, 0x58, 0x02}),
                                                                 frame({0xA3, 0x14, 0x05, 0x00, 0x84, 0x03}),
                                                                 frame({0xA3, 0x14, 0x05, 0x00, 0x58, 0x02}),
                                                             }));

    // A command through the window: a snapshot before it, and no undo step.
    QCOMPARE(ask({"--set", "effects.motion_range=720"}, work.path()).status, 0);
    QCOMPARE(motionRange->value(), 720);
    QTRY_COMPARE(newestReason(folder), QStringLiteral("before --set effects.motion_range=720"));
    QCOMPARE(history.undo()->stack()->count(), 1);

    // The History window from the Tools menu, one instance.
    auto *action = window.findChild<QAction *>(QStringLiteral("history_action"));
    QVERIFY(action);
    action->trigger();
    QPointer<HistoryWindow> opened = history.historyWindow();
    QVERIFY(opened && opened->isVisible());
    QVERIFY(!opened->windowTitle().isEmpty());
    action->trigger();
    QCOMPARE(history.historyWindow(), opened.data());

    // The controller leaves: its steps go.
    sim::unplug();
    QTRY_COMPARE_WITH_TIMEOUT(history.undo()->stack()->count(), 0, 10000);
    QVERIFY(testsupport::noMisuse());
    server.abandon();
}

void InstanceWindowTest::wrapperRestoreWhenControllerBack_data()
{
    QTest::addColumn<bool>("unplugged");
    QTest::addColumn<bool>("backBeforeWrapperEnds");
    QTest::newRow("back while the wrapper waits") << true << true;
    QTest::newRow("back after the wrapper has ended") << true << false;
    // Killed before it could ask: the instance ends its layer itself.
    QTest::newRow("wrapper killed in the game") << false << false;
}

// The controller is pulled out during the game: the wrapper's restore is
// carried out when the controller is back, once, also when the wrapper has
// given up waiting and ended by then. A wrapper killed in the game has its
// layer ended by the instance.
void InstanceWindowTest::wrapperRestoreWhenControllerBack()
{
    QFETCH(bool, unplugged);
    QFETCH(bool, backBeforeWrapperEnds);
    QTemporaryDir runtime;
    QTemporaryDir state;
    QTemporaryDir work;
    QVERIFY(runtime.isValid() && state.isValid() && work.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    sim::reset();
    EffectSettingsTypeDef rally;
    std::memcpy(&rally, sim::record(0x22).data(), sizeof rally);
    rally.motion_range = 540;
    rally.total_effect_scale = 80;
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("wheel_effects_profiles")));
    testsupport::writeFile(work.filePath(QStringLiteral("wheel_effects_profiles/Rally")),
                           QByteArray(reinterpret_cast<const char *>(&rally), sizeof rally));

    MainWindow window;
    WindowSettingsTarget target(&window);
    InstanceServer server;
    QVERIFY(server.listen());
    server.setTarget(&target);
    auto *motionRange = window.effectsSettingsEditor()->findChild<QSpinBox *>(QStringLiteral("motion_range_axis0"));
    QVERIFY(motionRange);
    QTRY_COMPARE_WITH_TIMEOUT(motionRange->value(), 900, 10000);

    // The wrapper: a process of its own, which the instance watches.
    QProcess wrapper;
    wrapper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(wrapper.waitForStarted());
    // The wrapper's restore waits this long for the controller.
    const QString wait = backBeforeWrapperEnds ? QStringLiteral("20") : QStringLiteral("1");
    instancemessage::Request request{
        std::get<CommandRequest>(parseCommandLine({"--wait", wait, "--profile", "effects:Rally", "--", "game"})),
        work.path(), std::nullopt};
    request.wrapperPid = wrapper.processId();
    const CommandAnswer applied = ask(request);
    QCOMPARE(applied.status, 0);
    QVERIFY(applied.before);
    const QList<QByteArray> APPLIED{frame({0xA3, 0x14, 0x05, 0x00, 0x1C, 0x02}), frame({0xA3, 0x14, 0x04, 0x00, 80})};
    const QList<QByteArray> PUT_BACK{frame({0xA3, 0x14, 0x05, 0x00, 0x84, 0x03}),
                                     frame({0xA3, 0x14, 0x04, 0x00, 100})};
    QTRY_COMPARE(testsupport::settingWrites(), APPLIED);

    if (!unplugged) {
        wrapper.kill();
        QVERIFY(wrapper.waitForFinished());
    } else {
        sim::unplug();
        QTRY_VERIFY_WITH_TIMEOUT(testsupport::looksIdle(window), 10000);
        // It comes back holding the game's settings: they were saved meanwhile.
        sim::Record saved = sim::record(0x22);
        std::memcpy(saved.data(), &rally, sizeof rally);
        sim::setRecord(0x22, saved);
        instancemessage::Request restore = request;
        restore.restore = applied.before;
        restore.wrapperEnded = true;
        if (backBeforeWrapperEnds)
            QTimer::singleShot(200, [] { sim::plug(); });
        const CommandAnswer restored = ask(restore);
        if (backBeforeWrapperEnds) {
            QCOMPARE(restored.status, 0);
        } else {
            QCOMPARE(restored.status, 3);
            QVERIFY2(restored.err.contains("put back when the controller is connected again"), restored.err.constData());
            wrapper.kill();
            QVERIFY(wrapper.waitForFinished());
            // While it is away the watch of gone wrappers (every second) does
            // not keep trying, each try holding up the requests behind it.
            QTest::qWait(1500);
            QVERIFY(server.isIdle());
            QCOMPARE(testsupport::settingWrites(), APPLIED);
            QVERIFY(!listJournals(appfiles::stateFolder()).isEmpty());
            sim::plug();
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(testsupport::settingWrites(), APPLIED + PUT_BACK, 10000);
    QTRY_COMPARE(motionRange->value(), 900);
    QTRY_COMPARE(listJournals(appfiles::stateFolder()), QStringList());

    // Once: another return of the controller puts nothing back.
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(testsupport::looksIdle(window), 10000);
    sim::plug();
    QTRY_VERIFY_WITH_TIMEOUT(testsupport::looksConnected(window), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(server.isIdle(), true, 5000);
    QCOMPARE(testsupport::settingWrites(), APPLIED + PUT_BACK);
    QVERIFY(testsupport::noMisuse());
    if (wrapper.state() != QProcess::NotRunning) {
        wrapper.kill();
        wrapper.waitForFinished();
    }
    server.abandon();
}

// The instance without a window: the controller comes back from an unplug
// with other settings than the game's (it lost them); they are no changes
// by hand, so the wrapper's restore puts back every field it applied.
void InstanceWindowTest::headlessRestoreAfterControllerLostSettings()
{
    QTemporaryDir runtime;
    QTemporaryDir state;
    QTemporaryDir work;
    QVERIFY(runtime.isValid() && state.isValid() && work.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    sim::reset();
    EffectSettingsTypeDef rally;
    std::memcpy(&rally, sim::record(0x22).data(), sizeof rally);
    rally.motion_range = 540;
    rally.total_effect_scale = 80;
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("wheel_effects_profiles")));
    testsupport::writeFile(work.filePath(QStringLiteral("wheel_effects_profiles/Rally")),
                           QByteArray(reinterpret_cast<const char *>(&rally), sizeof rally));

    DeviceLink link;
    link.startThread();
    DeviceLinkTarget target(link.worker(), true);
    InstanceServer server;
    QVERIFY(server.listen());
    server.setTarget(&target);
    QProcess wrapper;
    wrapper.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(wrapper.waitForStarted());
    instancemessage::Request request{
        std::get<CommandRequest>(parseCommandLine({"--wait", "20", "--profile", "effects:Rally", "--", "game"})),
        work.path(), std::nullopt};
    request.wrapperPid = wrapper.processId();
    const CommandAnswer applied = ask(request);
    QCOMPARE(applied.status, 0);
    QVERIFY(applied.before);
    const QList<QByteArray> APPLIED{frame({0xA3, 0x14, 0x05, 0x00, 0x1C, 0x02}), frame({0xA3, 0x14, 0x04, 0x00, 80})};
    QTRY_COMPARE(testsupport::settingWrites(), APPLIED);

    QSignalSpy left(&target, &SettingsTarget::left);
    sim::unplug();
    QTRY_COMPARE_WITH_TIMEOUT(left.count(), 1, 10000);
    sim::Record saved = sim::record(0x22);
    EffectSettingsTypeDef other = rally;
    other.motion_range = 720;
    std::memcpy(saved.data(), &other, sizeof other);
    sim::setRecord(0x22, saved);
    instancemessage::Request restore = request;
    restore.restore = applied.before;
    restore.wrapperEnded = true;
    QTimer::singleShot(500, [] { sim::plug(); });
    const CommandAnswer restored = ask(restore);
    QCOMPARE(restored.status, 0);
    const QList<QByteArray> PUT_BACK{frame({0xA3, 0x14, 0x05, 0x00, 0x84, 0x03}),
                                     frame({0xA3, 0x14, 0x04, 0x00, 100})};
    QTRY_COMPARE(testsupport::settingWrites(), APPLIED + PUT_BACK);
    QTRY_COMPARE(listJournals(appfiles::stateFolder()), QStringList());
    wrapper.kill();
    wrapper.waitForFinished();
    server.setTarget(nullptr);
    server.abandon();
}

} // namespace

QTEST_MAIN(InstanceWindowTest)
#include "test_instancewindow.moc"
