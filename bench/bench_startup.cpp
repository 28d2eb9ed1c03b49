// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up figures of the application against a bare QMainWindow program
// linked with the same Qt modules (the floor), each started as a new process
// several times, alternating:
//   - start to first shown window: from just before the fork to the moment the
//     first top-level window has been exposed and painted (reported by the
//     preloaded start probe);
//   - peak resident memory (VmHWM) once started: for the application after it
//     has connected to the simulated controller and read its settings.
// Prints the medians, their ratio and whether the target of 1.3 is met.
// A reference is started alongside: a bare window of the application's size
// showing one line of text. Its ratio to the floor is the least that showing
// text in such a window costs; the application is also compared with it.
// The application runs against the simulated controller (preloaded), with
// the update check pointed at a closed local port.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kRuns = 11;
constexpr double kTargetRatio = 1.3;
constexpr auto kSettle = std::chrono::milliseconds(300);
constexpr auto kConnectLimit = std::chrono::seconds(10);

struct Program {
    const char *name;
    std::string path;
    std::string preload;
    bool readsController;
};

struct Sample {
    double msToWindow;
    double hwmMiB;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

double vmHwmMiB(pid_t pid)
{
    std::istringstream status(readFile("/proc/" + std::to_string(pid) + "/status"));
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0; // kB
    }
    return -1;
}

// The simulated controller's log shows the effects record (feature report
// 0x22 = 34) read in full: the window has connected and shows the settings.
bool settingsRead(const std::string &logPath)
{
    std::istringstream log(readFile(logPath));
    std::string line;
    while (std::getline(log, line)) {
        if (line.find("hid_get_feature_report") != std::string::npos && line.find("arg=34 result=65") != std::string::npos)
            return true;
    }
    return false;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::optional<Sample> startOnce(const Program &program, const std::string &workDir)
{
    const std::string simLog = workDir + "/sim.log";
    std::filesystem::remove(simLog);
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);

    const long long started = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        if (chdir(workDir.c_str()) != 0)
            _exit(126);
        setenv("LD_PRELOAD", program.preload.c_str(), 1);
        setenv("VELLOX_START_PROBE_FD", std::to_string(fds[1]).c_str(), 1);
        setenv("VELLOX_SIM_LOG", simLog.c_str(), 1);
        execl(program.path.c_str(), program.path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return std::nullopt;
    }

    pollfd readable{fds[0], POLLIN, 0};
    char line[64] = {};
    const bool answered = poll(&readable, 1, 30000) == 1 && read(fds[0], line, sizeof line - 1) > 0;
    close(fds[0]);
    if (!answered) {
        std::fprintf(stderr, "%s: no window shown within 30 s\n", program.name);
        stop(pid);
        return std::nullopt;
    }
    const double msToWindow = static_cast<double>(std::atoll(line) - started) / 1e6;

    if (program.readsController) {
        const auto limit = std::chrono::steady_clock::now() + kConnectLimit;
        while (!settingsRead(simLog) && std::chrono::steady_clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!settingsRead(simLog)) {
            std::fprintf(stderr, "%s: the settings were not read within 10 s\n", program.name);
            stop(pid);
            return std::nullopt;
        }
    }
    std::this_thread::sleep_for(kSettle);
    const double hwm = vmHwmMiB(pid);
    stop(pid);
    return Sample{msToWindow, hwm};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printFigure(const char *figure, const char *unit, const std::vector<double> &app, const std::vector<double> &floor,
                 const std::vector<double> &reference)
{
    const double value = median(app);
    const double base = median(floor);
    const double textBase = median(reference);
    const double ratio = value / base;
    std::printf("%s: application %.1f %s (min %.1f, max %.1f), floor %.1f %s (min %.1f, max %.1f), "
                "%.2fx the floor (target at most %.1fx): %s\n",
                figure, value, unit, *std::min_element(app.begin(), app.end()),
                *std::max_element(app.begin(), app.end()), base, unit,
                *std::min_element(floor.begin(), floor.end()), *std::max_element(floor.begin(), floor.end()), ratio,
                kTargetRatio, ratio <= kTargetRatio ? "met" : "NOT met");
    std::printf("  reference, a bare window of the same size with one line of text: %.1f %s, %.2fx the floor; "
                "the application is %.2fx the reference\n",
                textBase, unit, textBase / base, value / textBase);
}

} // namespace

int main()
{
    if (!std::getenv("VELLOX_MANIFEST_URL"))
        setenv("VELLOX_MANIFEST_URL", "http://127.0.0.1:9/assets/firmware/version.json", 1);
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const char *display = std::getenv("DISPLAY");

    const Program application{"application", VELLOX_APP_PATH, std::string(VELLOX_SIM_PATH) + ":" + VELLOX_PROBE_PATH,
                              true};
    const Program floor{"floor", VELLOX_FLOOR_PATH, VELLOX_PROBE_PATH, false};
    const Program reference{"reference", VELLOX_TEXT_FLOOR_PATH, VELLOX_PROBE_PATH, false};

    char pattern[] = "/tmp/vellox-bench-startup-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string root = pattern;
    const std::string appDir = root + "/application";
    const std::string floorDir = root + "/floor";
    const std::string referenceDir = root + "/reference";
    std::filesystem::create_directories(appDir);
    std::filesystem::create_directories(floorDir);
    std::filesystem::create_directories(referenceDir);

    std::vector<double> appMs, floorMs, referenceMs, appMiB, floorMiB, referenceMiB;
    bool ok = true;
    // One start of each first, not counted: it fills the page cache.
    for (int run = -1; run < kRuns && ok; ++run) {
        const std::optional<Sample> f = startOnce(floor, floorDir);
        const std::optional<Sample> a = startOnce(application, appDir);
        const std::optional<Sample> r = startOnce(reference, referenceDir);
        ok = f && a && r;
        if (ok && run >= 0) {
            floorMs.push_back(f->msToWindow);
            floorMiB.push_back(f->hwmMiB);
            referenceMs.push_back(r->msToWindow);
            referenceMiB.push_back(r->hwmMiB);
            appMs.push_back(a->msToWindow);
            appMiB.push_back(a->hwmMiB);
        }
    }
    std::filesystem::remove_all(root);
    if (!ok)
        return 1;

    std::printf("start-up, %d starts of each, alternating, platform %s%s%s:\n", kRuns,
                platform ? platform : "(default)", display ? ", DISPLAY=" : "", display ? display : "");
    printFigure("start to first shown window", "ms", appMs, floorMs, referenceMs);
    printFigure("peak resident memory after start (VmHWM)", "MiB", appMiB, floorMiB, referenceMiB);
    return 0;
}
