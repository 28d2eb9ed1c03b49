// Measures how long a settings change takes from the editor's change signal
// to the frame reaching the controller, with the controller streaming input
// reports at 1 kHz and with a silent controller, and the CPU time the
// application uses while connected and idle. Prints one line per figure.

#include "app/mainwindow.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/fulleffectsettingswidget.h"
#include "sim/simulated_controller.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace sim = vellox::sim;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kChanges = 10000;
constexpr auto kSpacing = std::chrono::microseconds(700);

std::unique_ptr<MainWindow> connectedWindow()
{
    sim::reset();
    auto window = std::make_unique<MainWindow>();
    const auto effectsRead = [] {
        const auto calls = sim::calls();
        return std::any_of(calls.begin(), calls.end(), [](const auto &c) {
            return c.call == sim::HidCall::GetFeatureReport && c.argument == 0x22 && c.result > 0;
        });
    };
    if (!QTest::qWaitFor(effectsRead, 5000)) {
        std::fprintf(stderr, "controller not found\n");
        return nullptr;
    }
    return window;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    return values[at];
}

bool measureChangeToWire(const char *mode, int inputRateHz)
{
    auto window = connectedWindow();
    if (!window)
        return false;
    sim::setInputReportRate(inputRateHz);
    auto *editor = window->findChild<FullEffectSettingsWidget *>("effects_settings_widget");
    sim::clearLog();

    std::vector<Clock::time_point> emitted;
    emitted.reserve(kChanges);
    Clock::time_point next = Clock::now();
    while (static_cast<int>(emitted.size()) < kChanges) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (Clock::now() < next)
            continue;
        const auto value = static_cast<uint16_t>(emitted.size());
        emitted.push_back(Clock::now());
        emit editor->settingUInt16Changed(SETTINGS_FIELD_MOTION_RANGE, 0, value);
        next += kSpacing;
    }
    if (!QTest::qWaitFor([] { return sim::writtenFrames().size() >= kChanges; }, 10000)) {
        std::fprintf(stderr, "%s: only %zu of %d frames arrived\n", mode, sim::writtenFrames().size(), kChanges);
        return false;
    }

    std::vector<double> latenciesMs;
    std::size_t i = 0;
    for (const auto &call : sim::calls()) {
        if (call.call != sim::HidCall::Write || i >= emitted.size())
            continue;
        latenciesMs.push_back(std::chrono::duration<double, std::milli>(call.begin - emitted[i]).count());
        ++i;
    }
    std::printf("change to wire, %-9s %d changes: median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n", mode,
                kChanges, percentile(latenciesMs, 0.5), percentile(latenciesMs, 0.99),
                *std::max_element(latenciesMs.begin(), latenciesMs.end()));
    return true;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool measureIdleCpu()
{
    auto window = connectedWindow();
    if (!window)
        return false;
    constexpr int kSeconds = 10;
    const double before = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(kSeconds * 1000);
    const double used = cpuSeconds() - before;
    std::printf("CPU while connected and idle (controller streaming at 1 kHz): %.2f %% of one core over %d s\n",
                100.0 * used / (static_cast<double>(wall.elapsed()) / 1000.0), kSeconds);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool ok = measureChangeToWire("streaming", 1000) && measureChangeToWire("silent", 0) && measureIdleCpu();
    return ok ? 0 : 1;
}
