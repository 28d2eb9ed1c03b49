// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the game-profile watch:
//   - its CPU time with at least 500 processes running (500 `sleep`
//     processes are started for it), as a share of one core at its 2-second
//     interval, beside a floor that only lists /proc the same number of times;
//   - the time from a game's process appearing (in a fake /proc tree, watched
//     at the default interval) to the first frame of its profile on the wire
//     of the simulated controller, through the real window.

#include "app/mainwindow.h"
#include "games/gameprofiles.h"
#include "games/processwatch.h"
#include "settings/settingsrecords.h"
#include "sim/simulated_controller.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

namespace sim = vellox::sim;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kSleepers = 500;
// Two minutes of watching at the default interval: the first full read, the
// re-reads of young processes and two full rounds of the once-a-minute refresh.
constexpr int kPolls = 60;
constexpr double kIntervalSeconds = 2.0;
constexpr int kLatencyTrials = 7;

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

int listProc()
{
    int entries = 0;
    DIR *directory = opendir("/proc");
    if (!directory)
        return 0;
    while (const dirent *entry = readdir(directory)) {
        if (entry->d_name[0] >= '1' && entry->d_name[0] <= '9')
            ++entries;
    }
    closedir(directory);
    return entries;
}

std::vector<pid_t> startSleepers(int count)
{
    std::vector<pid_t> pids;
    char sleepPath[] = "/bin/sleep";
    char duration[] = "600";
    char *argv[] = {sleepPath, duration, nullptr};
    for (int i = 0; i < count; ++i) {
        pid_t pid = 0;
        if (posix_spawn(&pid, sleepPath, nullptr, nullptr, argv, environ) == 0)
            pids.push_back(pid);
    }
    return pids;
}

void stopSleepers(const std::vector<pid_t> &pids)
{
    for (pid_t pid : pids)
        kill(pid, SIGTERM);
    for (pid_t pid : pids)
        waitpid(pid, nullptr, 0);
}

void measureCpu()
{
    const std::vector<pid_t> sleepers = startSleepers(kSleepers);
    // Let them all reach exec, so the watch sees `sleep` and not a copy of us.
    QTest::qWait(500);
    const int processes = listProc();

    // Alternate floor and watch in blocks so both see the same load.
    double floorSeconds = 0;
    double watchSeconds = 0;
    double firstPoll = 0;
    ProcessWatch watch(std::make_unique<ProcFsSource>());
    int found = 0;
    QObject::connect(&watch, &ProcessWatch::processStarted, [&found] { ++found; });
    for (int poll = 0; poll < kPolls; ++poll) {
        double start = threadCpuSeconds();
        if (listProc() == 0)
            std::printf("could not list /proc\n");
        floorSeconds += threadCpuSeconds() - start;
        start = threadCpuSeconds();
        watch.pollNow();
        const double spent = threadCpuSeconds() - start;
        watchSeconds += spent;
        if (poll == 0)
            firstPoll = spent;
    }
    // Every process read at every poll: what the cache saves.
    double uncachedSeconds = 0;
    for (int poll = 0; poll < 10; ++poll) {
        ProcFsSource fresh;
        const double start = threadCpuSeconds();
        (void)fresh.processes();
        uncachedSeconds += threadCpuSeconds() - start;
    }
    stopSleepers(sleepers);

    const auto share = [](double seconds, int polls) { return 100.0 * seconds / polls / kIntervalSeconds; };
    std::printf("watch CPU, %d processes (%zu sleepers started; %d start reports over the run), polled every %.0f s, mean of %d polls: "
                "%.4f %% of one core (%.3f ms per poll; first poll %.3f ms)\n",
                processes, sleepers.size(), found, kIntervalSeconds, kPolls, share(watchSeconds, kPolls),
                1000.0 * watchSeconds / kPolls, 1000.0 * firstPoll);
    std::printf("  floor, listing /proc only: %.4f %% of one core (%.3f ms per listing)\n",
                share(floorSeconds, kPolls), 1000.0 * floorSeconds / kPolls);
    std::printf("  for comparison, every process read at every poll: %.4f %% of one core (%.3f ms per poll)\n",
                share(uncachedSeconds, 10), 1000.0 * uncachedSeconds / 10);
    std::printf("  target: at most 0.2 %% of one core: %s\n", share(watchSeconds, kPolls) <= 0.2 ? "met" : "NOT met");
}

bool writeProfile()
{
    sim::Record bytes = sim::record(0x22);
    EffectSettingsTypeDef effects;
    std::memcpy(&effects, bytes.data(), sizeof effects);
    effects.motion_range = 540;
    QFile file(QStringLiteral("wheel_effects_profiles/Race"));
    return QDir().mkpath(QStringLiteral("wheel_effects_profiles")) && file.open(QIODevice::WriteOnly)
        && file.write(reinterpret_cast<const char *>(&effects), sizeof effects) == qint64(sizeof effects);
}

Clock::time_point firstWriteSince(Clock::time_point since)
{
    for (const sim::CallRecord &call : sim::calls()) {
        if (call.call == sim::HidCall::Write && call.begin >= since)
            return call.begin;
    }
    return {};
}

void measureLatency()
{
    QTemporaryDir work;
    QTemporaryDir proc;
    if (!work.isValid() || !proc.isValid() || !QDir::setCurrent(work.path())) {
        std::printf("latency: no temporary folder\n");
        return;
    }
    sim::reset();
    if (!writeProfile()) {
        std::printf("latency: could not write the profile\n");
        return;
    }
    MainWindow window;
    const bool loaded = QTest::qWaitFor(
        [&] {
            const std::vector<sim::CallRecord> calls = sim::calls();
            return std::any_of(calls.begin(), calls.end(), [](const sim::CallRecord &c) {
                return c.call == sim::HidCall::GetFeatureReport && c.argument == 0x22;
            });
        },
        10000);
    QTest::qWait(200);
    GameProfiles *games = window.gameProfiles();
    games->watch().setSource(std::make_unique<ProcFsSource>(proc.path()));
    if (!loaded || games->addRule({QStringLiteral("race.x86_64"), QStringLiteral("Race"), QString()})
                       != GameRules::Result::Done) {
        std::printf("latency: no controller or no rule\n");
        return;
    }
    std::vector<double> latencies;
    for (int trial = 0; trial < kLatencyTrials; ++trial) {
        // A different phase of the poll timer each time.
        QTest::qWait(137 * (trial + 1) % 2000);
        const QString dir = proc.path() + QStringLiteral("/4242");
        QDir().mkpath(dir);
        QFile comm(dir + QStringLiteral("/comm"));
        const Clock::time_point appeared = Clock::now();
        if (!comm.open(QIODevice::WriteOnly) || comm.write("race.x86_64\n") < 0)
            break;
        comm.close();
        if (!QTest::qWaitFor([&] { return firstWriteSince(appeared) != Clock::time_point{}; }, 10000)) {
            std::printf("latency: no frame within 10 s\n");
            break;
        }
        latencies.push_back(std::chrono::duration<double, std::milli>(firstWriteSince(appeared) - appeared).count());
        QDir(dir).removeRecursively();
        if (!QTest::qWaitFor([&] { return games->appliedGame().isEmpty(); }, 10000))
            std::printf("latency: the game never ended\n");
        QTest::qWait(100);
    }
    if (latencies.empty())
        return;
    std::sort(latencies.begin(), latencies.end());
    std::printf("game process appearing to its first frame on the wire (watch every 2 s, %zu trials): "
                "median %.0f ms, max %.0f ms\n",
                latencies.size(), latencies[latencies.size() / 2], latencies.back());
    std::printf("  floor: the poll interval, %.0f ms at most; target: at most 2500 ms: %s\n",
                kIntervalSeconds * 1000, latencies.back() <= 2500 ? "met" : "NOT met");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    measureCpu();
    measureLatency();
    return 0;
}
