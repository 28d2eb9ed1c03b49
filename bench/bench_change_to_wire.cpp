// SPDX-License-Identifier: GPL-3.0-or-later
// Measures, against the simulated controller:
//   - how long a settings change takes from the editor's change signal to the
//     frame reaching the controller, with the controller streaming input
//     reports at 1 kHz and with a silent controller;
//   - how long applying a periphery profile in which every field differs
//     takes, from the pick to the last frame on the wire, and how many frames
//     it sends;
//   - the CPU time used while connected and idle.
// Each figure is printed with its floor, measured in the same run: a bare
// link of the same shape (one worker thread that polls the controller every
// 10 ms with a non-blocking read and writes each change as one queued call)
// without the window, the editors or the device logic.

#include "app/mainwindow.h"
#include "device/devicereports.h"
#include "device/settingsuibackgroundthread.h"
#include "editors/fulleffectsettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "sim/simulated_controller.h"

#include <hidapi.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace sim = vellox::sim;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kChanges = 10000;
constexpr auto kSpacing = std::chrono::microseconds(700);
constexpr int kProfilePicks = 21;
constexpr int kIdleSeconds = 10;

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    return values[at];
}

constexpr uint8_t kOutputReportId = 0xA3;
constexpr uint8_t kSettingsWrite = 0x14;
constexpr uint8_t kResetCenter = 0x04;

// The settings writes that reached the controller, in order.
std::vector<sim::CallRecord> writes()
{
    std::vector<sim::CallRecord> found;
    for (auto &call : sim::calls()) {
        if (call.call == sim::HidCall::Write && call.result > 0 && call.data.size() > 1
            && call.data[0] == kOutputReportId && call.data[1] == kSettingsWrite)
            found.push_back(std::move(call));
    }
    return found;
}

// The bare link: what any design with one worker thread for the controller
// pays at least.
class BareLink
{
public:
    BareLink()
    {
        handle = hid_open(sim::kVendorId, sim::kProductId, nullptr);
        context.moveToThread(&thread);
        thread.start();
        QMetaObject::invokeMethod(
            &context,
            [this] {
                poll = new QTimer(&context);
                poll->setTimerType(Qt::PreciseTimer);
                QObject::connect(poll, &QTimer::timeout, &context, [this] {
                    HidInOutReportTypeDef report;
                    hid_read_timeout(handle, &report.report_id, HID_REPORT_SIZE, 0);
                });
                poll->start(SettingsUiBackgroundThread::POLL_INTERVAL_MS);
            },
            Qt::BlockingQueuedConnection);
    }

    ~BareLink()
    {
        QMetaObject::invokeMethod(
            &context,
            [this] {
                delete poll;
                hid_close(handle);
            },
            Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
        hid_exit();
    }

    bool isOpen() const { return handle != nullptr; }

    void send(SettingsFieldEnum field, uint16_t value)
    {
        QMetaObject::invokeMethod(
            &context,
            [this, field, value] {
                HidInOutReportTypeDef frame;
                CreateUInt16SettingsReport(&frame, static_cast<uint8_t>(field), 0, value);
                hid_write(handle, &frame.report_id, HID_REPORT_SIZE);
            },
            Qt::QueuedConnection);
    }

private:
    hid_device *handle = nullptr;
    QThread thread;
    QObject context;
    QTimer *poll = nullptr;
};

std::unique_ptr<MainWindow> connectedWindow(const std::function<void()> &prepare = {})
{
    sim::reset();
    if (prepare)
        prepare();
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
    QTest::qWait(100); // the records reach the editors queued
    return window;
}

struct Latencies {
    double median, p99, max;
};

// Makes kChanges changes, one every kSpacing, and times each from the change
// to its frame's write on the controller.
std::optional<Latencies> changeToWire(const std::function<void(uint16_t)> &change, const char *what)
{
    sim::clearLog();
    std::vector<Clock::time_point> made;
    made.reserve(kChanges);
    Clock::time_point next = Clock::now();
    while (static_cast<int>(made.size()) < kChanges) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (Clock::now() < next)
            continue;
        const auto value = static_cast<uint16_t>(made.size());
        made.push_back(Clock::now());
        change(value);
        next += kSpacing;
    }
    if (!QTest::qWaitFor([] { return sim::writtenFrames().size() >= kChanges; }, 10000)) {
        std::fprintf(stderr, "%s: only %zu of %d frames arrived\n", what, sim::writtenFrames().size(), kChanges);
        return std::nullopt;
    }
    std::vector<double> latencies;
    const auto written = writes();
    for (std::size_t i = 0; i < made.size() && i < written.size(); ++i)
        latencies.push_back(ms(written[i].begin - made[i]));
    return Latencies{percentile(latencies, 0.5), percentile(latencies, 0.99),
                     *std::max_element(latencies.begin(), latencies.end())};
}

bool measureChangeToWire(const char *mode, int inputRateHz, bool withTarget)
{
    std::optional<Latencies> app;
    {
        auto window = connectedWindow();
        if (!window)
            return false;
        sim::setInputReportRate(inputRateHz);
        auto *editor = window->findChild<FullEffectSettingsWidget *>("effects_settings_widget");
        app = changeToWire([editor](uint16_t v) { emit editor->settingUInt16Changed(SETTINGS_FIELD_MOTION_RANGE, 0, v); },
                           "application");
    }
    std::optional<Latencies> floor;
    {
        sim::reset();
        sim::setInputReportRate(inputRateHz);
        BareLink link;
        if (!link.isOpen())
            return false;
        floor = changeToWire([&link](uint16_t v) { link.send(SETTINGS_FIELD_MOTION_RANGE, v); }, "floor");
    }
    if (!app || !floor)
        return false;
    std::printf("change to wire, %s, %d changes 0.7 ms apart: median %.3f ms, 99th percentile %.3f ms, max %.3f ms; "
                "floor median %.3f ms, 99th percentile %.3f ms, max %.3f ms",
                mode, kChanges, app->median, app->p99, app->max, floor->median, floor->p99, floor->max);
    if (withTarget)
        std::printf("; target median at most 0.5 ms, 99th percentile at most 2 ms: %s",
                    app->median <= 0.5 && app->p99 <= 2.0 ? "met" : "NOT met");
    std::printf("\n");
    return true;
}

// Two periphery profiles that differ from each other in every field.
struct PeripheryProfile {
    AdcExtensionSettingsTypeDef adc{};
    GpioExtensionSettingsTypeDef gpio{};
};

PeripheryProfile profileA()
{
    PeripheryProfile p;
    const uint8_t gpioModes[GPIO_PIN_COUNT] = {2, 2, 2, 1, 1, 1, 1, 8, 7, 10};
    for (int axis = 0; axis < ANALOG_AXIS_COUNT; ++axis) {
        p.adc.lower_dead_zone[axis] = static_cast<uint16_t>(100 * (axis + 1));
        p.adc.upper_dead_zone[axis] = static_cast<uint16_t>(4000 + axis);
        p.adc.analog_smoothing[axis] = static_cast<uint8_t>(5 + axis);
        p.adc.analog_button_low[axis] = static_cast<uint8_t>(10 * (axis + 1));
        p.adc.analog_button_high[axis] = static_cast<uint8_t>(90 - 10 * axis);
        p.adc.analog_invert[axis] = 1;
    }
    p.gpio.spi_extension_mode = SPI_EXTENSION_CUSTOM;
    std::memcpy(p.gpio.gpio_mode, gpioModes, sizeof gpioModes);
    std::fill(std::begin(p.gpio.button_mode), std::end(p.gpio.button_mode), uint8_t(BUTTON_MODE_NORMAL));
    p.gpio.spi_mode = 3;
    p.gpio.latch_mode = LATCH_MODE_DOWN;
    p.gpio.spi_latch_delay = 5;
    p.gpio.spi_pulse_length = 7;
    return p;
}

PeripheryProfile profileB()
{
    PeripheryProfile p;
    const uint8_t gpioModes[GPIO_PIN_COUNT] = {1, 1, 1, 3, 4, 5, 6, 9, 0, 0};
    for (int axis = 0; axis < ANALOG_AXIS_COUNT; ++axis) {
        p.adc.lower_dead_zone[axis] = static_cast<uint16_t>(50 + 10 * axis);
        p.adc.upper_dead_zone[axis] = static_cast<uint16_t>(3000 + axis);
        p.adc.analog_smoothing[axis] = static_cast<uint8_t>(1 + axis);
        p.adc.analog_button_low[axis] = static_cast<uint8_t>(11 + 10 * axis);
        p.adc.analog_button_high[axis] = static_cast<uint8_t>(91 - 10 * axis);
        p.adc.analog_invert[axis] = 0;
    }
    p.gpio.spi_extension_mode = SPI_EXTENSION_DISABLED;
    std::memcpy(p.gpio.gpio_mode, gpioModes, sizeof gpioModes);
    std::fill(std::begin(p.gpio.button_mode), std::end(p.gpio.button_mode), uint8_t(BUTTON_MODE_INVERTED));
    p.gpio.spi_mode = 0;
    p.gpio.latch_mode = LATCH_MODE_UP;
    p.gpio.spi_latch_delay = 2;
    p.gpio.spi_pulse_length = 3;
    return p;
}

sim::Record bytesOf(const void *record)
{
    sim::Record bytes{};
    std::memcpy(bytes.data(), record, bytes.size());
    return bytes;
}

bool writeProfile(const QString &name, const PeripheryProfile &profile)
{
    QDir().mkpath(QStringLiteral("wheel_periphery_profiles"));
    QFile file(QStringLiteral("wheel_periphery_profiles/") + name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(reinterpret_cast<const char *>(&profile.adc), sizeof profile.adc);
    file.write(reinterpret_cast<const char *>(&profile.gpio), sizeof profile.gpio);
    return file.error() == QFile::NoError;
}

struct Burst {
    double ms;
    int frames;
};

// Profile picks alternate between A and B, the controller starting with B.
std::optional<std::vector<Burst>> applyProfiles()
{
    const PeripheryProfile a = profileA();
    const PeripheryProfile b = profileB();
    if (!writeProfile(QStringLiteral("A"), a) || !writeProfile(QStringLiteral("B"), b))
        return std::nullopt;
    auto window = connectedWindow([&b] {
        sim::setRecord(0xA1, bytesOf(&b.gpio));
        sim::setRecord(0xA2, bytesOf(&b.adc));
    });
    if (!window)
        return std::nullopt;
    QLineEdit *field = window->findChild<GpioExtensionWidget *>()->findChild<QComboBox *>("profile_combo_box")->lineEdit();
    auto *resetCenter = window->findChild<QPushButton *>("reset_center_button");

    std::vector<Burst> bursts;
    for (int pick = 0; pick < kProfilePicks; ++pick) {
        sim::clearLog();
        field->selectAll();
        QTest::keyClicks(field, pick % 2 == 0 ? QStringLiteral("A") : QStringLiteral("B"));
        const Clock::time_point picked = Clock::now();
        QTest::keyClick(field, Qt::Key_Return);
        // A command queues behind every write the pick asked for: once its
        // frame is on the wire, the pick's last frame is too.
        resetCenter->click();
        const auto commandSent = [] {
            for (const auto &frame : sim::writtenFrames()) {
                if (frame[0] == kOutputReportId && frame[1] == kResetCenter)
                    return true;
            }
            return false;
        };
        if (!QTest::qWaitFor(commandSent, 10000)) {
            std::fprintf(stderr, "profile pick %d: the frames did not arrive\n", pick);
            return std::nullopt;
        }
        const auto written = writes();
        if (written.empty())
            return std::nullopt;
        bursts.push_back({ms(written.back().end - picked), static_cast<int>(written.size())});
    }
    return bursts;
}

std::optional<std::vector<Burst>> floorBursts(int frames)
{
    sim::reset();
    BareLink link;
    if (!link.isOpen())
        return std::nullopt;
    std::vector<Burst> bursts;
    for (int pick = 0; pick < kProfilePicks; ++pick) {
        sim::clearLog();
        const Clock::time_point picked = Clock::now();
        for (int i = 0; i < frames; ++i)
            link.send(SETTINGS_FIELD_LOWER_DEAD_ZONE, static_cast<uint16_t>(pick * frames + i));
        if (!QTest::qWaitFor([frames] { return static_cast<int>(sim::writtenFrames().size()) >= frames; }, 10000))
            return std::nullopt;
        bursts.push_back({ms(writes().back().end - picked), frames});
    }
    return bursts;
}

bool measureProfileApply()
{
    const auto app = applyProfiles();
    if (!app)
        return false;
    const int frames = app->front().frames;
    const bool sameCount = std::all_of(app->begin(), app->end(), [frames](const Burst &b) { return b.frames == frames; });
    const auto floor = floorBursts(frames);
    if (!floor)
        return false;
    std::vector<double> appMs, floorMs;
    for (const Burst &b : *app)
        appMs.push_back(b.ms);
    for (const Burst &b : *floor)
        floorMs.push_back(b.ms);
    std::printf("periphery profile with every field different, pick to last frame on the wire, %d picks: "
                "%d frames%s, median %.3f ms, max %.3f ms; floor (%d queued writes) median %.3f ms, max %.3f ms\n",
                kProfilePicks, frames, sameCount ? "" : " (the count varied)", percentile(appMs, 0.5),
                *std::max_element(appMs.begin(), appMs.end()), frames, percentile(floorMs, 0.5),
                *std::max_element(floorMs.begin(), floorMs.end()));
    return true;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Percent of one core used while the event loops run idle for kIdleSeconds.
double idleCpuPercent()
{
    const double before = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(kIdleSeconds * 1000);
    return 100.0 * (cpuSeconds() - before) / (static_cast<double>(wall.elapsed()) / 1000.0);
}

bool measureIdleCpu()
{
    double app = 0;
    {
        auto window = connectedWindow();
        if (!window)
            return false;
        app = idleCpuPercent();
    }
    double floor = 0;
    {
        sim::reset();
        BareLink link;
        if (!link.isOpen())
            return false;
        floor = idleCpuPercent();
    }
    std::printf("CPU while connected and idle (controller streaming at 1 kHz), %d s each: %.2f %% of one core; "
                "floor %.2f %%; target at most 2 %%: %s\n",
                kIdleSeconds, app, floor, app <= 2.0 ? "met" : "NOT met");
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The editors keep their profile folders in the working directory.
    QTemporaryDir workDir;
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path()))
        return 1;
    const bool ok = measureChangeToWire("controller streaming at 1 kHz", 1000, true)
        && measureChangeToWire("silent controller", 0, false) && measureProfileApply() && measureIdleCpu();
    QDir::setCurrent(QDir::tempPath());
    return ok ? 0 : 1;
}
