// SPDX-License-Identifier: GPL-3.0-or-later
// The hotplug hint: a node of the controller appearing makes the device link
// enumerate at once, anything else changes nothing, and the watch ends on the
// worker's thread before hidapi does.

#include "app/mainwindow.h"
#include "device/hotplugwatch.h"
#include "device/settingsuibackgroundthread.h"
#include "tests/testsupport.h"

#include <QSignalSpy>
#include <QTest>

#include <atomic>
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
    }
    ~FakeHotplugWatch() override
    {
        endedBeforeHidExit = countCalls(sim::HidCall::Exit) == 0;
        endedOnThread = std::this_thread::get_id();
    }
    void feed(const HotplugEvent &event) { handleEvent(event); }

    static inline std::atomic<FakeHotplugWatch *> current{nullptr};
    static inline std::atomic<bool> endedBeforeHidExit{false};
    static inline std::thread::id endedOnThread;
};

const HotplugEvent ours{"add", "/dev/hidraw7", "045b", "59d7"};

// Hands the event to the window's watch on the watch's own thread.
void announce(HotplugEvent event)
{
    FakeHotplugWatch *watch = FakeHotplugWatch::current;
    QVERIFY(watch);
    QMetaObject::invokeMethod(watch, [watch, event] { watch->feed(event); }, Qt::QueuedConnection);
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

// The periodic enumeration never comes sooner than this after the one before.
constexpr std::chrono::milliseconds kEnumerationPeriod{SettingsUiBackgroundThread::ENUMERATION_PERIOD_TICKS
                                                       * SettingsUiBackgroundThread::POLL_INTERVAL_MS};

std::chrono::steady_clock::duration gapBefore(std::size_t enumeration)
{
    const auto found = enumerations();
    return found.at(enumeration).begin - found.at(enumeration - 1).begin;
}

} // namespace

Q_DECLARE_METATYPE(HotplugEvent)

class HotplugTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HotplugWatch::setFactory([](QObject *parent) {
            auto *watch = new FakeHotplugWatch(parent);
            FakeHotplugWatch::current = watch;
            return watch;
        });
    }
    void cleanup() { QVERIFY(noMisuse()); }

    void onlyTheControllersOwnNodeIsAnnounced_data();
    void onlyTheControllersOwnNodeIsAnnounced();
    void plugInConnectsBeforeTheNextEnumerationIsDue();
    void otherAndBrokenEventsCauseNoEnumeration();
    void removalHintShortensTheDisconnectButNeverCausesIt();
    void shutdownEndsTheWatchOnTheWorkersThreadBeforeHidExit();
};

void HotplugTest::onlyTheControllersOwnNodeIsAnnounced_data()
{
    QTest::addColumn<QList<HotplugEvent>>("events");
    QTest::addColumn<QStringList>("appeared");
    QTest::addColumn<QStringList>("disappeared");
    const QStringList none;
    const QStringList node{"/dev/hidraw7"};
    using E = HotplugEvent;
    QTest::newRow("ours, in and out") << QList<E>{ours, {"remove", "/dev/hidraw7", {}, {}}} << node << node;
    QTest::newRow("upper-case ids") << QList<E>{{"add", "/dev/hidraw7", "045B", "59D7"}} << node << none;
    QTest::newRow("no action") << QList<E>{{{}, "/dev/hidraw7", "045b", "59d7"}} << none << none;
    QTest::newRow("no node") << QList<E>{{"add", {}, "045b", "59d7"}} << none << none;
    QTest::newRow("relative node") << QList<E>{{"add", "hidraw7", "045b", "59d7"}} << none << none;
    QTest::newRow("no USB parent") << QList<E>{{"add", "/dev/hidraw7", {}, {}}} << none << none;
    QTest::newRow("no product") << QList<E>{{"add", "/dev/hidraw7", "045b", {}}} << none << none;
    QTest::newRow("other vendor") << QList<E>{{"add", "/dev/hidraw7", "046d", "59d7"}} << none << none;
    QTest::newRow("other product") << QList<E>{{"add", "/dev/hidraw7", "045b", "c24f"}} << none << none;
    QTest::newRow("junk ids") << QList<E>{{"add", "/dev/hidraw7", "045bx", "59d7"}, {"add", "/dev/h", "zz", "59d7"}}
                              << none << none;
    QTest::newRow("change is not an arrival") << QList<E>{{"change", "/dev/hidraw7", "045b", "59d7"}} << none << none;
    QTest::newRow("removal of a node never seen")
        << QList<E>{{"remove", "/dev/hidraw3", "045b", "59d7"}, {"remove", {}, {}, {}}} << none << none;
    QTest::newRow("removed once only") << QList<E>{ours, {"remove", "/dev/hidraw7", {}, {}}, {"remove", "/dev/hidraw7", {}, {}}}
                                       << node << node;
}

void HotplugTest::onlyTheControllersOwnNodeIsAnnounced()
{
    QFETCH(QList<HotplugEvent>, events);
    FakeHotplugWatch watch(nullptr);
    QStringList appeared;
    QStringList disappeared;
    connect(&watch, &HotplugWatch::controllerNodeAppeared, this, [&](const QString &path) { appeared << path; });
    connect(&watch, &HotplugWatch::controllerNodeDisappeared, this, [&](const QString &path) { disappeared << path; });
    for (const HotplugEvent &event : events)
        watch.feed(event);
    QTEST(appeared, "appeared");
    QTEST(disappeared, "disappeared");
}

void HotplugTest::plugInConnectsBeforeTheNextEnumerationIsDue()
{
    sim::reset();
    sim::unplug();
    MainWindow window;
    QVERIFY(waitForEnumerations(1));
    sim::plug();
    announce({"add", QByteArray::fromStdString(sim::nodePath(0)), "045b", "59d7"});
    QTRY_VERIFY_WITH_TIMEOUT(looksConnected(window), 5000);

    // The second enumeration, the one that connected, came well before the
    // periodic one would have.
    const auto found = enumerations();
    QVERIFY(found.size() >= 2);
    QVERIFY(gapBefore(1) < kEnumerationPeriod);
    QCOMPARE(countCalls(sim::HidCall::OpenPath), 1);
    // Every hidapi call but hid_init ran on one thread, not the GUI's.
    for (const auto &call : sim::calls()) {
        if (call.call != sim::HidCall::Init)
            QVERIFY(call.thread == found.front().thread);
    }
    QVERIFY(found.front().thread != std::this_thread::get_id());
}

void HotplugTest::otherAndBrokenEventsCauseNoEnumeration()
{
    sim::reset();
    sim::unplug();
    MainWindow window;
    QVERIFY(waitForEnumerations(1));
    announce({"add", "/dev/hidraw2", "046d", "c24f"});
    announce({"add", {}, "045b", "59d7"});
    announce({"add", "/dev/hidraw7", {}, {}});
    announce({{}, {}, {}, {}});
    announce({"remove", "/dev/hidraw7", "045b", "59d7"});
    QVERIFY(waitForEnumerations(2));
    QVERIFY(gapBefore(1) >= kEnumerationPeriod);

    // The same way in, with our node: enumerated at once.
    announce(ours);
    QVERIFY(waitForEnumerations(3));
    QVERIFY(gapBefore(2) < kEnumerationPeriod);
}

void HotplugTest::removalHintShortensTheDisconnectButNeverCausesIt()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const QByteArray node = QByteArray::fromStdString(sim::nodePath(0));
    const auto readsNow = [] { return countCalls(sim::HidCall::ReadTimeout); };

    // A removal of a node that still answers costs nothing.
    announce({"add", node, "045b", "59d7"});
    announce({"remove", node, {}, {}});
    const int before = readsNow();
    QTRY_VERIFY(readsNow() >= before + 20);
    QVERIFY(looksConnected(*window));

    // Unplugged: the hint makes the next failed read the last one, far
    // fewer than the 100 the heartbeat alone needs.
    announce({"add", node, "045b", "59d7"});
    sim::clearLog();
    sim::unplug();
    announce({"remove", node, {}, {}});
    QTRY_VERIFY_WITH_TIMEOUT(looksIdle(*window), 5000);
    QCOMPARE(countCalls(sim::HidCall::Close), 1);
    QVERIFY(countCalls(sim::HidCall::ReadTimeout) < SettingsUiBackgroundThread::HEARTBEAT_MISS_LIMIT);
}

void HotplugTest::shutdownEndsTheWatchOnTheWorkersThreadBeforeHidExit()
{
    auto window = connectedWindow();
    QVERIFY(window);
    const std::thread::id worker = enumerations().front().thread;
    FakeHotplugWatch::endedBeforeHidExit = false;
    window.reset();
    QVERIFY(FakeHotplugWatch::endedOnThread == worker);
    QVERIFY(FakeHotplugWatch::endedBeforeHidExit);
    QCOMPARE(sim::calls().back().call, sim::HidCall::Exit);
    QCOMPARE(sim::callsInFlight(), 0);
}

QTEST_MAIN(HotplugTest)
#include "test_hotplug.moc"
