// SPDX-License-Identifier: GPL-3.0-or-later
// The hotplug hint: a node of the controller appearing makes the device link
// enumerate at once, anything else changes nothing, and the watch ends on the
// worker's thread before hidapi does.

#include "app/mainwindow.h"
#include "device/hotplugwatch.h"
#include "device/settingsuibackgroundthread.h"
#include "tests/testsupport.h"

#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

using namespace testsupport;
namespace sim = vellox::sim;

namespace {

// Takes its events from the test instead of udev, through the same filter.
class FakeHotplugWatch : public HotplugWatch
{
public:
    explicit FakeHotplugWatch(QObject *parent)
        : HotplugWatch(parent)
    {
        current = this;
    }
    ~FakeHotplugWatch() override
    {
        endedBeforeHidExit = countCalls(sim::HidCall::Exit) == 0;
        endedOnThread = std::this_thread::get_id();
    }

    static inline std::atomic<FakeHotplugWatch *> current{nullptr};
    static inline std::atomic<bool> endedBeforeHidExit{false};
    static inline std::thread::id endedOnThread;

    // Hands the event to the watch on its own thread, as udev's would arrive.
    static void announce(const HotplugEvent &event)
    {
        FakeHotplugWatch *watch = current;
        QMetaObject::invokeMethod(watch, [watch, event] { watch->handleEvent(event); }, Qt::QueuedConnection);
    }
};

const QByteArray simNode()
{
    return QByteArray::fromStdString(sim::nodePath(0));
}

std::vector<sim::CallRecord> enumerations()
{
    std::vector<sim::CallRecord> found;
    for (const auto &call : sim::calls()) {
        if (call.call == sim::HidCall::Enumerate)
            found.push_back(call);
    }
    return found;
}

bool waitForEnumerations(std::size_t count)
{
    return QTest::qWaitFor([count] { return enumerations().size() >= count; }, 5000);
}

// Whether enumeration `n` came sooner after the one before than the periodic
// enumeration ever can (101 poll ticks): only a hint can have caused it.
bool hinted(std::size_t n)
{
    constexpr std::chrono::milliseconds period{SettingsUiBackgroundThread::ENUMERATION_PERIOD_TICKS
                                               * SettingsUiBackgroundThread::POLL_INTERVAL_MS};
    const auto found = enumerations();
    return found.at(n).begin - found.at(n - 1).begin < period;
}

} // namespace

class HotplugTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HotplugWatch::setFactory([](QObject *parent) { return new FakeHotplugWatch(parent); });
    }
    void cleanup() { QVERIFY(noMisuse()); }

    void plugInConnectsAtOnceAndShutdownEndsTheWatchFirst();
    void eventsForOtherDevicesOrWithMissingFieldsCauseNoEnumeration();
    void removalHintShortensTheDisconnectButNeverCausesIt();
};

void HotplugTest::plugInConnectsAtOnceAndShutdownEndsTheWatchFirst()
{
    sim::reset();
    sim::unplug();
    auto window = std::make_unique<MainWindow>();
    QVERIFY(waitForEnumerations(1));
    sim::plug();
    FakeHotplugWatch::announce({"add", simNode(), "045b", "59d7"});
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(*window), 5000);
    QVERIFY(hinted(1));
    QCOMPARE(countCalls(sim::HidCall::OpenPath), 1);

    // Every hidapi call but hid_init ran on the worker's thread.
    const std::thread::id worker = enumerations().front().thread;
    QVERIFY(worker != std::this_thread::get_id());
    for (const auto &call : sim::calls())
        QVERIFY(call.call == sim::HidCall::Init || call.thread == worker);

    window.reset();
    QVERIFY(FakeHotplugWatch::endedOnThread == worker);
    QVERIFY(FakeHotplugWatch::endedBeforeHidExit);
    QCOMPARE(sim::calls().back().call, sim::HidCall::Exit);
}

void HotplugTest::eventsForOtherDevicesOrWithMissingFieldsCauseNoEnumeration()
{
    sim::reset();
    sim::unplug();
    MainWindow window;
    QVERIFY(waitForEnumerations(1));
    const QByteArray node = simNode();
    for (const HotplugEvent &event : {HotplugEvent{"add", "/dev/hidraw2", "046d", "c24f"},
                                      HotplugEvent{"add", node, "045b", "c24f"}, HotplugEvent{"add", {}, "045b", "59d7"},
                                      HotplugEvent{"add", "hidraw0", "045b", "59d7"}, HotplugEvent{"add", node, {}, {}},
                                      HotplugEvent{"add", node, "045bx", "59d7"}, HotplugEvent{{}, node, "045b", "59d7"},
                                      HotplugEvent{"change", node, "045b", "59d7"}, HotplugEvent{}})
        FakeHotplugWatch::announce(event);
    QVERIFY(waitForEnumerations(2));
    QVERIFY(!hinted(1));

    // The same way in, with the controller's node: enumerated at once.
    FakeHotplugWatch::announce({"add", node, "045B", "59D7"});
    QVERIFY(waitForEnumerations(3));
    QVERIFY(hinted(2));
}

void HotplugTest::removalHintShortensTheDisconnectButNeverCausesIt()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const QByteArray node = simNode();

    // The removal of a node never seen arriving, or of one that still
    // answers, costs nothing.
    FakeHotplugWatch::announce({"remove", node, {}, {}});
    FakeHotplugWatch::announce({"add", node, "045b", "59d7"});
    FakeHotplugWatch::announce({"remove", node, {}, {}});
    const int reads = countCalls(sim::HidCall::ReadTimeout);
    QTRY_VERIFY(countCalls(sim::HidCall::ReadTimeout) >= reads + 20);
    QVERIFY(looksConnected(*window));

    // Unplugged: the hint makes the next failed read the last one, far
    // fewer than the heartbeat alone needs.
    FakeHotplugWatch::announce({"add", node, "045b", "59d7"});
    sim::clearLog();
    sim::unplug();
    FakeHotplugWatch::announce({"remove", node, {}, {}});
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    QCOMPARE(countCalls(sim::HidCall::Close), 1);
    QVERIFY(countCalls(sim::HidCall::ReadTimeout) < SettingsUiBackgroundThread::HEARTBEAT_MISS_LIMIT);
}

QTEST_MAIN(HotplugTest)
#include "test_hotplug.moc"
