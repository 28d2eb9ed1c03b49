// SPDX-License-Identifier: GPL-3.0-or-later
// The Wheel test window end to end: the real main window and device link on
// the simulated controller, whose game-controller side is a fake device tree
// (umockdev, preloaded through CTest) with a joystick node per controller.
#include "app/mainwindow.h"
#include "app/windowwheeltest.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/settingseditorwidget.h"
#include "input/forcetest.h"
#include "input/joysticknode.h"
#include "input/kerneldeadzone.h"
#include "input/motionrangesource.h"
#include "input/ui/anglelabel.h"
#include "input/ui/axesview.h"
#include "input/ui/wheeltestwindow.h"
#include "input/wheelinput.h"
#include "input/wheelmonitor.h"
#include "input/wheelnodetracker.h"
#include "sim/fakewheelbus.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QProcess>
#include <QTemporaryDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <csignal>

using vellox::sim::FakeAxis;
using vellox::sim::FakeJoystick;
using vellox::sim::FakeWheelBus;

namespace {

// Devices of the fake tree, in the order they are added.
enum Device { Wheel = 0, Decoy = 1, SecondWheel = 2, NoSteering = 3, FlatSteering = 4, ManyButtons = 5 };

FakeJoystick hostile(Device kind)
{
    FakeJoystick j = FakeJoystick::wheel();
    if (kind == NoSteering) {
        j.axes.erase(j.axes.begin()); // no X
    } else if (kind == FlatSteering) {
        j.axes[0] = FakeAxis{ABS_X, 100, 100, 0, 0, 100};
    } else if (kind == ManyButtons) {
        j.keys.clear();
        for (int code = BTN_MISC; code < BTN_MISC + 300 && code <= KEY_MAX; ++code)
            j.keys.push_back(code);
        for (int code = KEY_ESC; code < KEY_ESC + 100; ++code)
            j.keys.push_back(code);
    }
    return j;
}

QPushButton *button(QWidget &window, const char *name)
{
    return window.findChild<QPushButton *>(name);
}

QString status(QWidget &window)
{
    return window.findChild<QLabel *>("statusLabel")->text();
}

} // namespace

class TestWheelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void findsOnlyTheOpenControllersNode();
    void angleAtCentreAndEnds_data();
    void angleAtCentreAndEnds();
    void axesShownAndReadToScreenReaders();
    void removesAndRestoresKernelDeadZone();
    void uploadsCappedEffectsAndErasesThemOnClose();
    void erasesOnUnplugGameRuleAndQuit();
    void refusedEffectGivesMessageAndLeavesNothing();
    void hostileNodes();
    void monitorLines();
    void keepsUpWithOneKilohertz();
    void toolsMenuOpensOneWindowThatSendsNothing();
    void commandsOnTheNode();
    // Last: it runs and ends the application's event loop.
    void effectsErasedOnQuit();

private:
    struct Session {
        std::unique_ptr<MainWindow> main;
        std::unique_ptr<MotionRangeSource> range;
        std::unique_ptr<WheelNodeTracker> tracker;
        std::unique_ptr<WheelTestWindow> window;
    };
    // The main window connected to the simulated controller and a Wheel test
    // window wired to it the way the application wires it.
    Session open();
    QSpinBox *motionRangeSpin(MainWindow &main) const
    {
        return main.findChild<QSpinBox *>("motion_range_axis0");
    }
    FakeWheelBus *bus = nullptr;
};

void TestWheelTest::initTestCase()
{
    qputenv("VELLOX_SIM_NODE_DIR", "/dev");
    bus = new FakeWheelBus;
    QCOMPARE(bus->addController(0), int(Wheel));
    QCOMPARE(bus->addJoystick(FakeJoystick::decoy()), int(Decoy));
    QCOMPARE(bus->addController(1), int(SecondWheel));
    QCOMPARE(bus->addController(3, hostile(NoSteering)), int(NoSteering));
    QCOMPARE(bus->addController(4, hostile(FlatSteering)), int(FlatSteering));
    QCOMPARE(bus->addController(5, hostile(ManyButtons)), int(ManyButtons));
    bus->followSimulator(Wheel);
}

void TestWheelTest::cleanupTestCase()
{
    delete bus;
}

TestWheelTest::Session TestWheelTest::open()
{
    Session s;
    s.main = testsupport::connectedWindow();
    if (!s.main)
        return s;
    SettingsUiBackgroundThread *worker = s.main->deviceLinkWorker();
    s.range = std::make_unique<MotionRangeSource>();
    s.range->setDegrees(motionRangeSpin(*s.main)->value());
    QObject::connect(worker, &SettingsUiBackgroundThread::effectSettingsObtained, s.range.get(),
                     &MotionRangeSource::setEffectSettings);
    QObject::connect(s.main->findChild<SettingsEditorWidget *>("effects_settings_widget"),
                     &SettingsEditorWidget::settingUInt16Changed, s.range.get(), &MotionRangeSource::setUInt16Setting);
    s.tracker = std::make_unique<WheelNodeTracker>([worker] { return worker->openDevicePath(); });
    QObject::connect(worker, &SettingsUiBackgroundThread::deviceConnected, s.tracker.get(),
                     &WheelNodeTracker::controllerConnected);
    QObject::connect(worker, &SettingsUiBackgroundThread::deviceDisconnected, s.tracker.get(),
                     &WheelNodeTracker::controllerDisconnected);
    s.tracker->controllerConnected();
    s.window = std::make_unique<WheelTestWindow>(s.tracker.get(), s.range.get(), nullptr);
    s.window->resize(600, 700);
    s.window->show();
    return s;
}

void TestWheelTest::findsOnlyTheOpenControllersNode()
{
    QCOMPARE(JoystickNode::forHidraw("/dev/hidraw0").path, QString("/dev/input/event0"));
    QCOMPARE(JoystickNode::forHidraw("/dev/hidraw1").path, QString("/dev/input/event2"));
    const JoystickNode none = JoystickNode::forHidraw("/dev/hidraw9");
    QVERIFY(none.path.isEmpty());
    QVERIFY(!none.problem.isEmpty());

    // Through the window: events on the decoy and the second controller never show.
    Session s = open();
    QVERIFY(s.main);
    QTRY_VERIFY(s.window->input()->isOpen());
    QCOMPARE(s.window->input()->node(), QString("/dev/input/event0"));
    bus->sendKey(Decoy, BTN_TRIGGER, true);
    bus->sendKey(SecondWheel, BTN_TRIGGER + 1, true);
    bus->sendKey(Wheel, BTN_TRIGGER + 2, true);
    QTRY_VERIFY(s.window->input()->state().buttonsDown[2]);
    QVERIFY(!s.window->input()->state().buttonsDown[0]);
    QVERIFY(!s.window->input()->state().buttonsDown[1]);
    bus->sendKey(Wheel, BTN_TRIGGER + 2, false);
}

void TestWheelTest::angleAtCentreAndEnds_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("angle");
    for (int range : {900, 540}) {
        QTest::addRow("%d min", range) << range << -32767 << -range / 2.0;
        QTest::addRow("%d middle", range) << range << 0 << 0.0;
        QTest::addRow("%d max", range) << range << 32767 << range / 2.0;
    }
}

void TestWheelTest::angleAtCentreAndEnds()
{
    QFETCH(int, range);
    QFETCH(int, value);
    QFETCH(double, angle);
    Session s = open();
    QVERIFY(s.main);
    QTRY_VERIFY(s.window->input()->isOpen());
    // A change of the motion range in the main window changes the scale at once.
    motionRangeSpin(*s.main)->setValue(range);
    QTRY_COMPARE(s.range->degrees(), range);
    bus->sendAbs(Wheel, ABS_X, value);
    QTRY_COMPARE(s.window->shownAngle(), angle);
    // The text shown, which is also what a screen reader reads.
    const auto *angleLabel = s.window->findChild<AngleLabel *>("angleLabel");
    QVERIFY(angleLabel->angleText().startsWith(QString::number(angle, 'f', 1)));
    QCOMPARE(angleLabel->accessibleDescription(), angleLabel->angleText());
}

// The axes are painted by one widget: each still reaches a screen reader as a
// progress bar with its translated name, the value and percentage shown, and
// the kernel's fuzz and flat; a change shows on its own row only, and the
// keyboard reaches the rows.
void TestWheelTest::axesShownAndReadToScreenReaders()
{
    Session s = open();
    QVERIFY(s.main);
    QTRY_VERIFY(s.window->input()->isOpen());
    auto *axes = s.window->findChild<AxesView *>("axesView");
    QVERIFY(axes);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(axes);
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), QString("Axes"));
    const std::vector<FakeAxis> &fake = FakeJoystick::wheel().axes;
    QTRY_COMPARE(face->childCount(), int(fake.size()));
    const auto row = [&](int code) {
        for (int i = 0; i < face->childCount(); ++i)
            if (face->child(i)->text(QAccessible::Name) == axisName(code))
                return face->child(i);
        return static_cast<QAccessibleInterface *>(nullptr);
    };
    struct Sent {
        int code;
        int value;
        QString shown;
        int percent;
    };
    const Sent sent[] = {{ABS_Z, 4095, "4095 (100 %)", 100},
                         {ABS_RX, 0, "0 (0 %)", 0},
                         {ABS_X, -32767, "-32767 (0 %)", 0},
                         {ABS_X, 32767, "32767 (100 %)", 100}};
    for (const Sent &change : sent) {
        QAccessibleInterface *changed = row(change.code);
        QVERIFY2(changed, qPrintable(axisName(change.code)));
        QCOMPARE(changed->role(), QAccessible::ProgressBar);
        const QString otherBefore = row(ABS_Y)->text(QAccessible::Value);
        bus->sendAbs(Wheel, change.code, change.value);
        QTRY_COMPARE(changed->text(QAccessible::Value), change.shown);
        QCOMPARE(changed->valueInterface()->currentValue().toInt(), change.percent);
        QCOMPARE(row(ABS_Y)->text(QAccessible::Value), otherBefore);
    }
    const FakeAxis &steering = fake.front();
    QCOMPARE(row(steering.code)->text(QAccessible::Description),
             QString("fuzz %1, flat %2").arg(steering.fuzz).arg(steering.flat));
    // What the rows say is what the window paints for them.
    for (int i = 0; i < axes->rowCount(); ++i)
        QCOMPARE(face->child(i)->text(QAccessible::Value), axes->rowValueText(i));

    // Tab from the angle reaches the rows; the arrow keys move between them.
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    s.window->findChild<QLabel *>("angleLabel")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(axes));
    QCOMPARE(face->focusChild(), face->child(0));
    QTest::keyClick(axes, Qt::Key_Down);
    QCOMPARE(face->focusChild(), face->child(1));
    QVERIFY(face->child(1)->state().focused);
    QTest::keyClick(axes, Qt::Key_End);
    QCOMPARE(face->focusChild(), face->child(face->childCount() - 1));
    QTest::keyClick(axes, Qt::Key_Down); // stays on the last row
    QCOMPARE(face->focusChild(), face->child(face->childCount() - 1));

    // The node keeps its values for the tests after this one.
    for (const FakeAxis &axis : fake)
        bus->sendAbs(Wheel, axis.code, axis.value);
    for (const FakeAxis &axis : fake)
        QTRY_COMPARE(row(axis.code)->text(QAccessible::Value),
                     QString("%1 (%2 %)").arg(axis.value).arg(axis.value == axis.minimum ? 0 : 50));

    // A node that goes away takes its rows with it.
    s.tracker->controllerDisconnected();
    QTRY_COMPARE(face->childCount(), 0);
    QVERIFY(!face->child(0));
}

void TestWheelTest::removesAndRestoresKernelDeadZone()
{
    Session s = open();
    QVERIFY(s.main);
    QTRY_VERIFY(s.window->input()->isOpen());
    bus->clearRecords(Wheel);
    const QList<QByteArray> framesBefore = testsupport::writtenFrames();
    button(*s.window, "removeDeadZoneButton")->click();
    for (const FakeAxis &axis : FakeJoystick::wheel().axes) {
        const input_absinfo info = bus->absInfo(Wheel, axis.code);
        QCOMPARE(info.fuzz, 0);
        QCOMPARE(info.flat, 0);
        QCOMPARE(info.minimum, axis.minimum);
        QCOMPARE(info.maximum, axis.maximum);
    }
    // Hats have no dead zone to remove: six axes written, each once.
    QCOMPARE(bus->records(Wheel).absWrites.size(), std::size_t(6));
    button(*s.window, "restoreDeadZoneButton")->click();
    for (const FakeAxis &axis : FakeJoystick::wheel().axes) {
        const input_absinfo info = bus->absInfo(Wheel, axis.code);
        QCOMPARE(info.fuzz, axis.fuzz);
        QCOMPARE(info.flat, axis.flat);
    }
    QCOMPARE(bus->absInfo(Wheel, ABS_X).fuzz, 65534 >> 8);
    QCOMPARE(bus->absInfo(Wheel, ABS_X).flat, 65534 >> 4);
    // Nothing of it went to the controller's settings.
    QCOMPARE(testsupport::writtenFrames(), framesBefore);
}

void TestWheelTest::uploadsCappedEffectsAndErasesThemOnClose()
{
    Session s = open();
    QVERIFY(s.main);
    QTRY_VERIFY(s.window->input()->isOpen());
    bus->clearRecords(Wheel);
    const QList<QByteArray> framesBefore = testsupport::writtenFrames();

    // Nothing before the user confirms holding the wheel.
    {
        testsupport::ModalBoxWatcher cancel([](QMessageBox &box) { box.button(QMessageBox::Cancel)->click(); });
        button(*s.window, "pushLeftButton")->click();
    }
    QVERIFY(bus->records(Wheel).uploads.empty());
    testsupport::ModalBoxWatcher ok([](QMessageBox &box) { box.button(QMessageBox::Ok)->click(); });
    s.window->findChild<QSpinBox *>("strengthSpin")->setValue(90); // the box stops at 50
    struct Case {
        const char *button;
        uint16_t type;
        uint16_t direction;
        uint16_t length;
    };
    const Case cases[] = {{"pushLeftButton", FF_CONSTANT, 0x4000, 1500},
                          {"pushRightButton", FF_CONSTANT, 0xC000, 1500},
                          {"springButton", FF_SPRING, 0x4000, 3000},
                          {"stepButton", FF_CONSTANT, 0x4000, 200}};
    for (const Case &c : cases) {
        const std::size_t before = bus->records(Wheel).uploads.size();
        button(*s.window, c.button)->click();
        QTRY_COMPARE(bus->records(Wheel).uploads.size(), before + 1);
        const ff_effect effect = bus->records(Wheel).uploads.back();
        QCOMPARE(effect.type, c.type);
        QCOMPARE(effect.direction, c.direction);
        QCOMPARE(effect.replay.length, c.length);
        QVERIFY(effect.replay.length <= 3000);
        if (c.type == FF_CONSTANT) {
            QCOMPARE(effect.u.constant.level, int16_t(0x7FFF * 50 / 100));
        } else {
            QCOMPARE(effect.u.condition[0].right_coeff, int16_t(0x7FFF * 50 / 100));
            QCOMPARE(effect.u.condition[0].left_saturation, uint16_t(0xFFFF * 50 / 100));
        }
        QTRY_COMPARE(bus->playingEffects(Wheel), std::vector<int>{effect.id});
    }
    // A caller that asks for more than the cap gets the cap.
    s.window->forceTester()->play(ForceTestKind::PushRight, 100);
    QTRY_COMPARE(bus->records(Wheel).uploads.back().u.constant.level, int16_t(0x7FFF * 50 / 100));
    QTRY_COMPARE(bus->liveEffects(Wheel).size(), std::size_t(1));

    s.window->close();
    QTRY_VERIFY(bus->liveEffects(Wheel).empty());
    QVERIFY(bus->playingEffects(Wheel).empty());
    for (const input_event &event : bus->records(Wheel).writes)
        QVERIFY2(event.type == EV_FF && event.code != FF_GAIN && event.code != FF_AUTOCENTER, "global gain or autocentre written");
    QCOMPARE(testsupport::writtenFrames(), framesBefore);
}

void TestWheelTest::erasesOnUnplugGameRuleAndQuit()
{
    Session s = open();
    QVERIFY(s.main);
    QTRY_VERIFY(s.window->input()->isOpen());
    ForceTester *forces = s.window->forceTester();
    forces->setConfirmed(true);

    // The game's line stands while the game runs; what it covered comes back.
    const QString nodeLine = status(*s.window);
    s.window->setGameRuleActive(true);
    QVERIFY(status(*s.window) != nodeLine);
    s.window->setGameRuleActive(false);
    QCOMPARE(status(*s.window), nodeLine);

    // A game with a rule starts: the running test stops, new ones are refused.
    QVERIFY(forces->play(ForceTestKind::Spring, 20));
    QTRY_COMPARE(bus->liveEffects(Wheel).size(), std::size_t(1));
    s.window->setGameRuleActive(true);
    QTRY_VERIFY(bus->liveEffects(Wheel).empty());
    QSignalSpy refused(forces, &ForceTester::failed);
    QVERIFY(!forces->play(ForceTestKind::PushLeft, 20));
    QCOMPARE(refused.size(), 1);
    s.window->setGameRuleActive(false);

    // The controller leaves while a test plays: the window lets go of the node.
    QVERIFY(forces->play(ForceTestKind::Spring, 20));
    QTRY_COMPARE(bus->liveEffects(Wheel).size(), std::size_t(1));
    vellox::sim::unplug();
    QTRY_VERIFY(!bus->isPlugged(Wheel));
    QTRY_VERIFY(!s.window->input()->isOpen());
    // It comes back, its joystick node only after the tracker's quick
    // look-ups (udev on a busy system): the node is still found.
    bus->followSimulator(Wheel, false);
    QSignalSpy connected(s.main->deviceLinkWorker(), &SettingsUiBackgroundThread::deviceConnected);
    vellox::sim::plug();
    QTRY_COMPARE_WITH_TIMEOUT(connected.size(), 1, 30000);
    QTest::qWait(6000);
    QVERIFY(!s.window->input()->isOpen());
    bus->plug(Wheel);
    bus->followSimulator(Wheel, true);
    QTRY_VERIFY_WITH_TIMEOUT(s.window->input()->isOpen(), 30000);
    QVERIFY(bus->liveEffects(Wheel).empty());

    // The tool quits while a test plays: nothing is left on the controller.
    QVERIFY(forces->play(ForceTestKind::Spring, 20));
    QTRY_COMPARE(bus->liveEffects(Wheel).size(), std::size_t(1));
    s.window.reset();
    QVERIFY(bus->liveEffects(Wheel).empty());
}

void TestWheelTest::refusedEffectGivesMessageAndLeavesNothing()
{
    Session s = open();
    QVERIFY(s.main);
    QTRY_VERIFY(s.window->input()->isOpen());
    ForceTester *forces = s.window->forceTester();
    forces->setConfirmed(true);
    const struct {
        int error;
        bool onUpload;
        const char *words;
    } cases[] = {{ENOSPC, true, "no free effect slot"},
                 {EBUSY, true, "another program"},
                 {EAGAIN, true, "busy"},
                 {ENODEV, false, "gone"}};
    for (const auto &c : cases) {
        bus->setUploadError(Wheel, c.onUpload ? c.error : 0);
        bus->setPlayError(Wheel, c.onUpload ? 0 : c.error);
        QSignalSpy failed(forces, &ForceTester::failed);
        QVERIFY(forces->play(ForceTestKind::PushLeft, 20));
        QVERIFY(failed.wait(5000));
        QVERIFY2(failed.first().first().toString().contains(c.words), qPrintable(failed.first().first().toString()));
        QTRY_VERIFY(status(*s.window).contains(c.words));
        QTRY_VERIFY(bus->liveEffects(Wheel).empty());
    }
    bus->setUploadError(Wheel, 0);
    bus->setPlayError(Wheel, 0);
}

void TestWheelTest::hostileNodes()
{
    MotionRangeSource range;
    range.setDegrees(900);
    QString hidraw;
    WheelNodeTracker tracker([&hidraw] { return hidraw; });
    WheelTestWindow window(&tracker, &range, nullptr);
    window.resize(600, 700);
    window.show();

    hidraw = "/dev/hidraw3"; // no steering axis
    tracker.controllerConnected();
    QTRY_VERIFY(window.input()->isOpen());
    QVERIFY(status(window).contains("no steering axis"));
    QVERIFY(std::isnan(window.shownAngle()));

    hidraw = "/dev/hidraw4"; // min == max
    tracker.controllerConnected();
    QTRY_COMPARE(window.input()->node(), QString("/dev/input/event4"));
    QVERIFY(status(window).contains("no range"));
    QVERIFY(std::isnan(window.shownAngle()));
    QString error;
    QVERIFY(KernelDeadZone::remove(*window.input(), &error)); // the flat axis is left alone

    hidraw = "/dev/hidraw5"; // hundreds of buttons
    tracker.controllerConnected();
    QTRY_COMPARE(window.input()->node(), QString("/dev/input/event5"));
    QCOMPARE(window.input()->state().buttonCodes.size(), std::size_t(400));
    // Games number the joystick range first: BTN_JOYSTICK is button 1.
    QCOMPARE(window.input()->state().buttonCodes.front(), BTN_JOYSTICK);
    QVERIFY(window.width() <= 600);

    // Garbage on the node: unknown types, codes past the end, extreme values.
    QRandomGenerator random(21);
    for (int report = 0; report < 200; ++report) {
        std::vector<input_event> events(8);
        for (input_event &e : events) {
            e.type = static_cast<uint16_t>(random.bounded(0, 0x20));
            e.code = static_cast<uint16_t>(random.bounded(0, 0x10000));
            e.value = static_cast<int>(random.generate());
        }
        bus->sendReport(ManyButtons, events);
    }
    bus->sendKey(ManyButtons, BTN_MISC, true);
    QTRY_VERIFY(window.input()->state().buttonsDown.back() || window.input()->state().buttonsDown.size() == 400);

    // The node vanishes mid-read.
    QSignalSpy lost(window.input(), &WheelInput::nodeLost);
    bus->sendAbs(ManyButtons, ABS_X, 5);
    bus->unplug(ManyButtons);
    QVERIFY(lost.wait(5000));
    QVERIFY(!window.input()->isOpen());
    QVERIFY(!status(window).isEmpty());
    bus->plug(ManyButtons);
}

void TestWheelTest::monitorLines()
{
    WheelInput input;
    QVERIFY(input.open(QString::fromStdString(bus->eventNode(Wheel))));
    bus->sendReport(Wheel, {input_event{{}, EV_ABS, ABS_X, 32767}, input_event{{}, EV_ABS, ABS_Z, 4095},
                            input_event{{}, EV_KEY, BTN_TRIGGER + 3, 1}, input_event{{}, EV_ABS, ABS_HAT0Y, -1}});
    QTRY_VERIFY(input.state().buttonsDown[3]);
    const QString text = WheelMonitor::textLine(input.state(), 900);
    QVERIFY2(text.startsWith("angle=450.0 "), qPrintable(text));
    QVERIFY2(text.contains(" Z=4095(100%) ") && text.contains("buttons=4") && text.contains("hat=up"), qPrintable(text));
    const QJsonObject json = QJsonDocument::fromJson(WheelMonitor::jsonLine(input.state(), 900).toUtf8()).object();
    QCOMPARE(json.value("angle").toDouble(), 450.0);
    QCOMPARE(json.value("axes").toObject().value("Z").toObject().value("percent").toInt(), 100);
    QCOMPARE(json.value("buttons").toArray(), QJsonArray{4});
    bus->sendReport(Wheel, {input_event{{}, EV_ABS, ABS_X, 0}, input_event{{}, EV_ABS, ABS_Z, 0},
                            input_event{{}, EV_KEY, BTN_TRIGGER + 3, 0}, input_event{{}, EV_ABS, ABS_HAT0Y, 0}});
    QTRY_VERIFY(!input.state().buttonsDown[3]);
    QCOMPARE(WheelMonitor::textLine(input.state(), 540), QString("angle=0.0 Y=0(0%) Z=0(0%) Rx=2047(50%) Ry=2047(50%) Rz=0(0%) buttons= hat=centre"));
    // At rest on an axis without a whole middle (0..65535): 0.0, never -0.0.
    WheelStateFolder atRest;
    atRest.reset("wheel", {AxisState{ABS_X, 0, 65535, 0, 0, 32767}}, {}, {});
    QCOMPARE(WheelMonitor::textLine(atRest.state(), 900), QString("angle=0.0 buttons="));

    // In another language the text names the axes in it; the JSON keys stay.
    struct Marked : QTranslator {
        bool isEmpty() const override { return false; }
        QString translate(const char *context, const char *source, const char *, int) const override
        {
            return qstrcmp(context, "WheelState") == 0 ? QStringLiteral("<%1>").arg(QLatin1String(source)) : QString();
        }
    } marked;
    QCoreApplication::installTranslator(&marked);
    const QString translated = WheelMonitor::textLine(input.state(), 540);
    const QJsonObject keys = QJsonDocument::fromJson(WheelMonitor::jsonLine(input.state(), 540).toUtf8()).object();
    QCoreApplication::removeTranslator(&marked);
    QVERIFY2(translated.contains(" <Y>=0(0%) <Z>=0(0%) <Rx>=2047(50%)"), qPrintable(translated));
    QCOMPARE(keys.value("axes").toObject().keys(), QStringList({"Rx", "Ry", "Rz", "Y", "Z"}));
}

// The stand-in's node at 1 kHz, as the demo runs it: every read must end on
// an event's boundary, so the view keeps its node and every value it shows
// lies within the axis's range.
void TestWheelTest::keepsUpWithOneKilohertz()
{
    MotionRangeSource range;
    range.setDegrees(900);
    WheelNodeTracker tracker([] { return QStringLiteral("/dev/hidraw1"); });
    WheelTestWindow window(&tracker, &range, nullptr);
    window.resize(600, 700);
    window.show();
    tracker.controllerConnected();
    QTRY_VERIFY(window.input()->isOpen());
    QSignalSpy lost(window.input(), &WheelInput::nodeLost);
    const quint64 refreshes = window.viewRefreshes();
    bool outOfRange = false;
    connect(window.input(), &WheelInput::stateChanged, &window, [&] {
        for (const AxisState &axis : window.input()->state().axes)
            outOfRange = outOfRange || axis.value < axis.minimum || axis.value > axis.maximum;
    });
    // The GUI thread stalls now and then, as under load: the node's buffer
    // fills meanwhile, which is where a stream of bytes splits an event.
    QTimer stall;
    connect(&stall, &QTimer::timeout, [] { QThread::msleep(40); });
    stall.start(150);
    const quint64 start = window.input()->state().reports;
    bus->setMotion(SecondWheel, 1000);
    // About three seconds of reports (a loaded machine may deliver fewer).
    QTRY_VERIFY_WITH_TIMEOUT(window.input()->state().reports >= start + 3000 || !lost.isEmpty(), 60000);
    bus->setMotion(SecondWheel, 0);
    stall.stop();
    QVERIFY2(lost.isEmpty(), lost.isEmpty() ? "" : qPrintable(lost.first().first().toString()));
    QVERIFY(window.input()->isOpen());
    QVERIFY(!outOfRange);
    QVERIFY(window.viewRefreshes() > refreshes);
    QVERIFY(!status(window).contains("went away"));
}

void TestWheelTest::toolsMenuOpensOneWindowThatSendsNothing()
{
    std::unique_ptr<MainWindow> main = testsupport::connectedWindow();
    QVERIFY(main);
    // The plug-in choice made in an earlier run holds from the start, before
    // the window is ever opened.
    const QString plugInKey = QStringLiteral("WheelTest/RemoveKernelDeadZoneAtPlugIn");
    main->settings()->setValue(plugInKey, true);
    QString error;
    QVERIFY2(KernelDeadZone::restoreAt(QString::fromStdString(bus->eventNode(Wheel)), &error), qPrintable(error));
    QVERIFY(bus->absInfo(Wheel, ABS_X).flat > 0);
    WindowWheelTest wiring(main.get());
    QTRY_COMPARE(bus->absInfo(Wheel, ABS_X).flat, 0);
    main->settings()->remove(plugInKey);
    auto *entry = main->findChild<QAction *>("wheel_test_action");
    QVERIFY(entry);
    const std::size_t framesBefore = vellox::sim::writtenFrames().size();

    entry->trigger();
    WheelTestWindow *window = wiring.testWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    entry->trigger();
    QCOMPARE(wiring.testWindow(), window);
    QTRY_VERIFY(window->input()->isOpen());

    // The scale follows the motion range the main window sends.
    bus->sendAbs(Wheel, ABS_X, 65535);
    QTRY_COMPARE(window->shownAngle(), 450.0);
    motionRangeSpin(*main)->setValue(540);
    QTRY_COMPARE(window->shownAngle(), 270.0);
    // The view follows at once; the frame reaches the wire from the worker.
    QTRY_VERIFY(vellox::sim::writtenFrames().size() > framesBefore);
    const std::size_t rangeFrames = vellox::sim::writtenFrames().size();

    // Using the window sends nothing on the settings interface.
    button(*window, "removeDeadZoneButton")->click();
    QTRY_COMPARE(bus->absInfo(Wheel, ABS_X).flat, 0);
    button(*window, "restoreDeadZoneButton")->click();
    window->forceTester()->setConfirmed(true);
    QVERIFY(window->forceTester()->play(ForceTestKind::Spring, 20));
    QTRY_COMPARE(bus->liveEffects(Wheel).size(), std::size_t(1));
    window->close();
    QTRY_VERIFY(!wiring.testWindow());
    QVERIFY(bus->liveEffects(Wheel).empty());
    QCOMPARE(vellox::sim::writtenFrames().size(), rangeFrames);
    // Holding the wheel was confirmed once in this run: a window opened again does not ask.
    entry->trigger();
    QVERIFY(wiring.testWindow() && wiring.testWindow()->forceTester()->confirmed());
    wiring.testWindow()->close();
    motionRangeSpin(*main)->setValue(900);
}

void TestWheelTest::commandsOnTheNode()
{
    // The real program with the simulated controller, in this fake device tree.
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_PRELOAD", QStringLiteral("libumockdev-preload.so.0:") + VELLOX_SIM_PATH);
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0:detect_leaks=0");
    const auto run = [&env](const QStringList &arguments, const QStringList &simulator = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment own = env;
        for (const QString &setting : simulator)
            own.insert(setting.section('=', 0, 0), setting.section('=', 1));
        process->setProcessEnvironment(own);
        process->start(VELLOX_APP_PATH, arguments);
        return process;
    };
    bus->clearRecords(Wheel);
    bus->sendAbs(Wheel, ABS_X, 65535);

    auto removing = run({"--remove-kernel-dead-zone"});
    QVERIFY(removing->waitForFinished(30000));
    QCOMPARE(removing->exitCode(), 0);
    for (const FakeAxis &axis : FakeJoystick::wheel().axes) {
        const input_absinfo info = bus->absInfo(Wheel, axis.code);
        QCOMPARE(std::pair(info.fuzz, info.flat), std::pair(0, 0));
    }
    QCOMPARE(QString::fromUtf8(removing->readAllStandardOutput()),
             QString("The kernel's dead zone of %1 is removed (fuzz and flat 0).\n")
                 .arg(QString::fromStdString(bus->eventNode(Wheel))));
    auto restoring = run({"--restore-kernel-dead-zone"});
    QVERIFY(restoring->waitForFinished(30000));
    QCOMPARE(restoring->exitCode(), 0);
    for (const FakeAxis &axis : FakeJoystick::wheel().axes) {
        const input_absinfo info = bus->absInfo(Wheel, axis.code);
        QCOMPARE(std::pair(info.fuzz, info.flat), std::pair(axis.fuzz, axis.flat));
    }
    QVERIFY(bus->liveEffects(Wheel).empty());

    // The angle for the controller's 900 degrees, until interrupted.
    for (const QString &format : {QStringLiteral("text"), QStringLiteral("json")}) {
        auto monitor = run({"--monitor", "--format", format});
        QVERIFY(monitor->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(monitor->canReadLine() || monitor->state() == QProcess::NotRunning, 30000);
        const QByteArray first = monitor->readLine().trimmed();
        if (format == QLatin1String("text"))
            QVERIFY2(first.startsWith("angle=450.0 ") && first.contains(" Z="), first.constData());
        else
            QCOMPARE(QJsonDocument::fromJson(first).object().value("angle").toDouble(), 450.0);
        ::kill(pid_t(monitor->processId()), format == QLatin1String("text") ? SIGINT : SIGTERM);
        QVERIFY(monitor->waitForFinished(10000));
        QCOMPARE(monitor->exitStatus(), QProcess::NormalExit);
        QCOMPARE(monitor->exitCode(), 0);
    }
    // The controller leaves under a still wheel: the monitor ends on the
    // node's hang-up, with a message and the status for a controller that left (5).
    bus->followSimulator(Wheel, false);
    auto left = run({"--monitor"});
    QTRY_VERIFY_WITH_TIMEOUT(left->canReadLine() || left->state() == QProcess::NotRunning, 30000);
    bus->unplug(Wheel);
    const bool ended = left->waitForFinished(10000);
    bus->plug(Wheel);
    bus->followSimulator(Wheel, true);
    QVERIFY(ended);
    QCOMPARE(left->exitCode(), 5);
    QVERIFY(left->readAllStandardError().contains("went away"));

    // Without the controller: no controller (3), and a clear line.
    auto absent = run({"--wait", "0", "--remove-kernel-dead-zone"}, {"VELLOX_SIM_UNPLUGGED=1"});
    QVERIFY(absent->waitForFinished(30000));
    QCOMPARE(absent->exitCode(), 3);
    QVERIFY(!absent->readAllStandardError().isEmpty());
    absent = run({"--help"});
    QVERIFY(absent->waitForFinished(30000));
    const QByteArray help = absent->readAllStandardOutput();
    for (const char *option : {"--monitor", "--remove-kernel-dead-zone", "--restore-kernel-dead-zone", "--wheel-test"})
        QVERIFY2(help.contains(option), option);
}

void TestWheelTest::effectsErasedOnQuit()
{
    std::unique_ptr<MainWindow> main = testsupport::connectedWindow();
    QVERIFY(main);
    WindowWheelTest wiring(main.get());
    emit main->wheelTestRequested();
    QVERIFY(wiring.testWindow());
    QTRY_VERIFY(wiring.testWindow()->input()->isOpen());
    ForceTester *forces = wiring.testWindow()->forceTester();
    forces->setConfirmed(true);
    QVERIFY(forces->play(ForceTestKind::Spring, 20));
    QTRY_COMPARE(bus->liveEffects(Wheel).size(), std::size_t(1));
    // Quitting as the application does: the loop ends, then the windows.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    QVERIFY(!wiring.testWindow());
    QVERIFY(bus->liveEffects(Wheel).empty());
    QVERIFY(main->deviceLink());
}

QTEST_MAIN(TestWheelTest)
#include "test_wheeltest.moc"
