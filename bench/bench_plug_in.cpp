// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long the device link takes from the controller's node
// appearing to deviceConnected, 21 plug-ins each:
//   - with the hotplug watch, which announces the node right after the
//     simulated controller is plugged in (the udev watch cannot create nodes
//     without a real device);
//   - without it, the floor: the once-a-second enumeration alone.
// The plug-ins are spread over the enumeration period, so the floor shows
// what a user waits for on average and at worst without the watch.

#include "device/hotplugwatch.h"
#include "device/settingsuibackgroundthread.h"
#include "sim/simulated_controller.h"

#include <hidapi.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace sim = vellox::sim;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kPlugIns = 21;
constexpr double kTargetMs = 150.0;

// Takes its events from the benchmark instead of udev.
class AnnouncingWatch : public HotplugWatch
{
public:
    explicit AnnouncingWatch(QObject *parent)
        : HotplugWatch(parent)
    {
    }
    void announce(const char *action)
    {
        handleEvent({action, QByteArray::fromStdString(sim::nodePath(0)), "045b", "59d7"});
    }
};

std::atomic<AnnouncingWatch *> watch{nullptr};

void announce(const char *action)
{
    AnnouncingWatch *target = watch;
    if (target)
        QMetaObject::invokeMethod(target, [target, action] { target->announce(action); }, Qt::QueuedConnection);
}

// The worker on its own thread, as the window runs it.
class Link
{
public:
    Link()
    {
        QObject::connect(worker, &SettingsUiBackgroundThread::deviceConnected, worker,
                         [this] {
                             connectedAt = Clock::now().time_since_epoch().count();
                             ++connects;
                         },
                         Qt::DirectConnection);
        QObject::connect(worker, &SettingsUiBackgroundThread::deviceDisconnected, worker,
                         [this] { ++disconnects; }, Qt::DirectConnection);
        thread.start();
        worker->moveToThread(&thread);
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::start, Qt::QueuedConnection);
    }
    ~Link()
    {
        QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::stop, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
        delete worker;
    }

    SettingsUiBackgroundThread *worker = new SettingsUiBackgroundThread();
    QThread thread;
    std::atomic<Clock::rep> connectedAt{0};
    std::atomic<int> connects{0};
    std::atomic<int> disconnects{0};
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

// Milliseconds from each plug-in to deviceConnected.
std::optional<std::vector<double>> plugIns(bool announced)
{
    sim::reset();
    sim::unplug();
    Link link;
    std::vector<double> latencies;
    const int period = SettingsUiBackgroundThread::ENUMERATION_PERIOD_TICKS * SettingsUiBackgroundThread::POLL_INTERVAL_MS;
    for (int i = 0; i < kPlugIns; ++i) {
        // Plug-ins land at spread-out points of the enumeration period.
        QTest::qWait((i * 13 % kPlugIns) * period / kPlugIns);
        const int connectsBefore = link.connects;
        const Clock::time_point plugged = Clock::now();
        sim::plug();
        if (announced)
            announce("add");
        if (!QTest::qWaitFor([&] { return link.connects > connectsBefore; }, 5000)) {
            std::fprintf(stderr, "plug-in %d: not connected\n", i);
            return std::nullopt;
        }
        const Clock::time_point connected{Clock::duration(link.connectedAt.load())};
        latencies.push_back(std::chrono::duration<double, std::milli>(connected - plugged).count());

        const int disconnectsBefore = link.disconnects;
        sim::unplug();
        if (announced)
            announce("remove");
        if (!QTest::qWaitFor([&] { return link.disconnects > disconnectsBefore; }, 5000)) {
            std::fprintf(stderr, "plug-in %d: not disconnected\n", i);
            return std::nullopt;
        }
    }
    if (!sim::misuse().empty()) {
        std::fprintf(stderr, "hidapi misuse: %s\n", sim::misuse().front().c_str());
        return std::nullopt;
    }
    return latencies;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    HotplugWatch::setFactory([](QObject *parent) {
        auto *created = new AnnouncingWatch(parent);
        watch = created;
        return created;
    });
    const auto withWatch = plugIns(true);
    const auto fallback = plugIns(false);
    hid_exit();
    if (!withWatch || !fallback)
        return 1;
    const double median = percentile(*withWatch, 0.5);
    const double worst = *std::max_element(withWatch->begin(), withWatch->end());
    std::printf("node appearing to deviceConnected, %d plug-ins each: with the hotplug watch median %.1f ms, "
                "worst %.1f ms; floor (once-a-second enumeration alone) median %.1f ms, worst %.1f ms; "
                "target at most %.0f ms: %s\n",
                kPlugIns, median, worst, percentile(*fallback, 0.5),
                *std::max_element(fallback->begin(), fallback->end()), kTargetMs,
                worst <= kTargetMs ? "met" : "NOT met");
    return 0;
}
