// SPDX-License-Identifier: GPL-3.0-or-later
// The Wheel test window's live view with the wheel moving at 1 kHz: the time
// from an input event to the paint that shows it (median, 99th percentile),
// paints per second, and the GUI thread's CPU, each beside its floor from the
// same run: a bare widget repainting on every report of the same node, and
// the same node read with no view. Runs with libumockdev-preload.so.0
// preloaded (scripts/bench does it); the fake device tree is in-process, its
// writer thread is not counted.
#include "input/motionrangesource.h"
#include "input/ui/wheeldrawing.h"
#include "input/ui/wheeltestwindow.h"
#include "input/wheelinput.h"
#include "input/wheelnodetracker.h"
#include "sim/fakewheelbus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kSeconds = 5;

qint64 monotonicUs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct Figures {
    double medianMs = 0;
    double p99Ms = 0;
    double paintsPerSecond = 0;
    double cpuPercent = 0;
};

Figures summarise(std::vector<qint64> latencies, int paints, double cpu, double seconds)
{
    Figures f;
    if (!latencies.empty()) {
        std::sort(latencies.begin(), latencies.end());
        f.medianMs = static_cast<double>(latencies[latencies.size() / 2]) / 1000.0;
        f.p99Ms = static_cast<double>(latencies[latencies.size() * 99 / 100]) / 1000.0;
    }
    f.paintsPerSecond = paints / seconds;
    f.cpuPercent = cpu / seconds * 100.0;
    return f;
}

// Repaints on every report it reads.
class BareView : public QWidget
{
public:
    explicit BareView(WheelInput *source) : input(source)
    {
        connect(input, &WheelInput::stateChanged, this, [this] { update(); });
    }
    std::vector<qint64> latencies;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, QString::number(input->state().axes[0].value));
        latencies.push_back(monotonicUs() - input->state().lastEventUs);
        ++paints;
    }

private:
    WheelInput *input;
};

Figures measureWindow(const QString &hidraw)
{
    MotionRangeSource range;
    range.setDegrees(900);
    WheelNodeTracker tracker([hidraw] { return hidraw; });
    tracker.controllerConnected();
    WheelTestWindow window(&tracker, &range, nullptr);
    window.resize(600, 700);
    window.show();
    QTest::qWait(500);
    if (!window.input()->isOpen())
        std::fprintf(stderr, "the window has no node: %s / %s\n", qPrintable(tracker.problem()),
                     qPrintable(window.input()->errorString()));
    std::vector<qint64> latencies;
    qint64 shownUs = 0;
    int paints = 0;
    QObject::connect(&window, &WheelTestWindow::viewRefreshed, [&](qint64 us) { shownUs = us; });
    QObject::connect(window.findChild<WheelDrawing *>(), &WheelDrawing::painted, [&] {
        if (shownUs > 0) {
            latencies.push_back(monotonicUs() - shownUs);
            ++paints;
        }
    });
    const double cpu0 = threadCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(kSeconds * 1000);
    return summarise(latencies, paints, threadCpuSeconds() - cpu0, static_cast<double>(clock.elapsed()) / 1000.0);
}

Figures measureBare(const QString &node)
{
    WheelInput input;
    input.open(node);
    BareView view(&input);
    view.resize(200, 100);
    view.show();
    QTest::qWait(500);
    view.latencies.clear();
    view.paints = 0;
    const double cpu0 = threadCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(kSeconds * 1000);
    return summarise(view.latencies, view.paints, threadCpuSeconds() - cpu0, static_cast<double>(clock.elapsed()) / 1000.0);
}

Figures measureNoView(const QString &node)
{
    WheelInput input;
    if (!input.open(node))
        std::fprintf(stderr, "%s\n", qPrintable(input.errorString()));
    int reports = 0;
    QObject::connect(&input, &WheelInput::stateChanged, [&] { ++reports; });
    QTest::qWait(500);
    const double cpu0 = threadCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(kSeconds * 1000);
    std::fprintf(stderr, "reports read with no view: %d\n", reports);
    return summarise({}, 0, threadCpuSeconds() - cpu0, static_cast<double>(clock.elapsed()) / 1000.0);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("VELLOX_SIM_NODE_DIR", "/dev");
    QApplication app(argc, argv);
    vellox::sim::FakeWheelBus bus;
    const int wheel = bus.addController(0);
    bus.setMotion(wheel, 1000);
    const QString node = QString::fromStdString(bus.eventNode(wheel));

    const Figures noView = measureNoView(node);
    const Figures bare = measureBare(node);
    const Figures window = measureWindow(QStringLiteral("/dev/hidraw0"));
    std::printf("wheel view, events at 1 kHz, %d s each:\n", kSeconds);
    std::printf("  event to paint   window: median %.2f ms, p99 %.2f ms, %.1f paints/s   "
                "floor (bare widget, repaint per report): median %.2f ms, p99 %.2f ms, %.1f paints/s\n",
                window.medianMs, window.p99Ms, window.paintsPerSecond, bare.medianMs, bare.p99Ms, bare.paintsPerSecond);
    std::printf("  GUI thread CPU   window open: %.2f %% of one core   floor (node read, no view): %.2f %%   "
                "bare widget: %.2f %%\n",
                window.cpuPercent, noView.cpuPercent, bare.cpuPercent);
    const bool ok = window.paintsPerSecond > 0 && bare.paintsPerSecond > 0 && window.medianMs <= 16.7 && window.paintsPerSecond <= 61.0 && window.cpuPercent <= 3.0;
    std::printf("  %s: median within 16.7 ms, at most one paint per refresh (60 Hz), at most 3 %% CPU\n",
                ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
