// SPDX-License-Identifier: GPL-3.0-or-later
// State of the simulated controller and its control API.
#include "sim/sim_state.h"

#include <algorithm>
#include <string>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellox::sim {
namespace detail {

namespace {

constexpr Version kDefaultFirmware = {0x01, 0x18, 0x01, 0x04}; // RC.24.1.4

void putU16(Record &r, std::size_t offset, unsigned value)
{
    r[offset] = static_cast<uint8_t>(value & 0xFFu);
    r[offset + 1] = static_cast<uint8_t>((value >> 8) & 0xFFu);
}

// Plausible factory settings, so a preloaded application shows sensible values.
void defaultRecords(std::array<Record, kRecordIds.size()> &records)
{
    Record hardware{};
    putU16(hardware, 0, 4096); // encoder counts per revolution
    putU16(hardware, 2, 60);   // i gain
    hardware[4] = 20;          // p gain
    hardware[5] = 1;           // force enable
    hardware[6] = 0;           // debug
    hardware[7] = 2;           // amplifier gain
    hardware[8] = 40;          // calibration magnitude
    hardware[9] = 100;         // calibration speed
    hardware[10] = 80;         // power limit
    hardware[11] = 50;         // braking limit
    hardware[12] = 0;          // position smoothing
    hardware[13] = 8;          // speed sample buffer size
    hardware[14] = 0xFF;       // encoder direction -1
    hardware[15] = 0xFF;       // force direction -1
    hardware[16] = 7;          // pole pairs

    Record effects{};
    putU16(effects, 0, 900); // motion range
    putU16(effects, 2, 0);   // static dampening
    putU16(effects, 4, 50);  // soft stop dampening
    effects[6] = 100;        // total effect scale
    effects[7] = 0;          // integrated spring
    effects[8] = 5;          // soft stop range
    effects[9] = 100;        // soft stop strength
    effects[10] = 0xFF;      // invert constant force -1
    effects[11] = 100;       // direct-x spring
    effects[12] = 100;       // direct-x constant
    effects[13] = 100;       // direct-x periodic

    Record firmware{};
    std::copy(kDefaultFirmware.begin(), kDefaultFirmware.end(), firmware.begin());

    Record gpio{};
    gpio[1] = 1;  // pin 1: generic button
    gpio[11] = 1; // button 1: normal
    gpio[45] = 1; // latch delay
    gpio[46] = 1; // pulse length

    Record adc{};
    for (std::size_t i = 0; i < 3; ++i) {
        adc[15 + i] = 20; // button threshold low
        adc[18 + i] = 80; // button threshold high
    }

    records = {hardware, effects, firmware, gpio, adc};
}

std::optional<long> envNumber(const char *name, long min, long max)
{
    const char *text = std::getenv(name);
    if (!text || !*text)
        return std::nullopt;
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || value < min || value > max) {
        std::fprintf(stderr, "vellox-sim: ignoring %s=%s (expected %ld..%ld)\n", name, text, min, max);
        return std::nullopt;
    }
    return value;
}

bool envFlag(const char *name)
{
    const char *text = std::getenv(name);
    return text && std::strcmp(text, "1") == 0;
}

std::optional<Version> parseVersion(const char *text)
{
    Version version{};
    const char *p = text;
    for (std::size_t i = 0; i < version.size(); ++i) {
        char *end = nullptr;
        errno = 0;
        const long part = std::strtol(p, &end, 10);
        if (end == p || errno != 0 || part < 0 || part > 255)
            return std::nullopt;
        version[i] = static_cast<uint8_t>(part);
        const char expected = i + 1 < version.size() ? '.' : '\0';
        if (*end != expected)
            return std::nullopt;
        p = end + 1;
    }
    return version;
}

// The directory that holds the stand-ins for the controller's device nodes.
// Created once per process and emptied and removed at exit; the path itself
// is never freed, as hidapi may still be called while static destructors run.
// VELLOX_SIM_NODE_DIR names a directory someone else provides (the fake
// device tree's /dev, which holds hidraw nodes next to the joystick nodes);
// it is neither created nor emptied here.
const std::string &nodeDirectory()
{
    if (const char *given = std::getenv("VELLOX_SIM_NODE_DIR"); given && *given) {
        static const std::string *external = new std::string(given);
        return *external;
    }
    static const std::string *directory = [] {
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vellox-sim-XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            std::fprintf(stderr, "vellox-sim: cannot create a directory for the device nodes: %s\n",
                         std::strerror(errno));
            pattern = "/nonexistent/vellox-sim";
        }
        return new std::string(pattern);
    }();
    static const struct Remover {
        ~Remover()
        {
            if (DIR *dir = ::opendir(directory->c_str())) {
                while (const dirent *entry = ::readdir(dir)) {
                    if (entry->d_name[0] != '.')
                        ::unlink((*directory + "/" + entry->d_name).c_str());
                }
                ::closedir(dir);
            }
            ::rmdir(directory->c_str());
        }
    } remover;
    return *directory;
}

void applyEnvironmentLocked(State &s)
{
    if (auto hz = envNumber("VELLOX_SIM_RATE_HZ", 0, 100000))
        s.rateHz = static_cast<int>(*hz);
    if (const char *fw = std::getenv("VELLOX_SIM_FIRMWARE"); fw && *fw) {
        if (auto version = parseVersion(fw)) {
            s.inputVersion = *version;
            const int i = recordIndex(0x25);
            std::copy(version->begin(), version->end(), s.live[i].begin());
            std::copy(version->begin(), version->end(), s.saved[i].begin());
        } else {
            std::fprintf(stderr, "vellox-sim: ignoring VELLOX_SIM_FIRMWARE=%s (expected type.major.minor.patch)\n", fw);
        }
    }
    // The effects record a controller holds when this process finds it, as
    // hex: what an earlier process left on it.
    if (const char *hex = std::getenv("VELLOX_SIM_EFFECTS"); hex && *hex) {
        const int i = recordIndex(0x22);
        const std::string text(hex);
        if (text.size() == 2 * s.live[i].size()) {
            for (std::size_t b = 0; b < s.live[i].size(); ++b)
                s.live[i][b] = static_cast<std::uint8_t>(std::stoi(text.substr(2 * b, 2), nullptr, 16));
        } else {
            std::fprintf(stderr, "vellox-sim: ignoring VELLOX_SIM_EFFECTS (expected %zu hex digits)\n",
                         2 * s.live[i].size());
        }
    }
    if (auto ms = envNumber("VELLOX_SIM_REBOOT_MS", 0, 3600000))
        s.rebootDelay = std::chrono::milliseconds(*ms);
    if (auto ms = envNumber("VELLOX_SIM_ANSWER_DELAY_MS", 0, 60000))
        s.faults.answerDelayMs = static_cast<int>(*ms);
    if (envFlag("VELLOX_SIM_DENY_OPEN")) {
        s.faults.denyOpen = true;
        syncNodeFilesLocked(s);
    }
    if (envFlag("VELLOX_SIM_FAIL_WRITES"))
        s.faults.failWrites = true;
    if (envFlag("VELLOX_SIM_UNPLUGGED"))
        leaveBusLocked(s, std::nullopt);
    if (auto ms = envNumber("VELLOX_SIM_PLUG_AFTER_MS", 0, 3600000))
        leaveBusLocked(s, Clock::now() + std::chrono::milliseconds(*ms));
    if (auto ms = envNumber("VELLOX_SIM_UNPLUGGED_FOR_MS", 0, 3600000))
        s.unplugFor = std::chrono::milliseconds(*ms);
    if (auto ms = envNumber("VELLOX_SIM_UNPLUG_EVERY_MS", 1, 86400000)) {
        s.unplugEvery = std::chrono::milliseconds(*ms);
        s.nextUnplug = Clock::now() + s.unplugEvery;
    }
    if (const char *path = std::getenv("VELLOX_SIM_LOG"); path && *path) {
        if (s.logFd >= 0)
            ::close(s.logFd);
        s.logFd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (s.logFd < 0)
            std::fprintf(stderr, "vellox-sim: cannot open VELLOX_SIM_LOG=%s: %s\n", path, std::strerror(errno));
    }
}

} // namespace

int recordIndex(int reportId)
{
    for (std::size_t i = 0; i < kRecordIds.size(); ++i)
        if (kRecordIds[i] == reportId)
            return static_cast<int>(i);
    return -1;
}

State &state()
{
    // Never destroyed: application threads may still call hidapi while
    // static destructors run.
    static State *s = [] {
        auto *created = new State;
        std::lock_guard lock(created->mutex);
        resetLocked(*created);
#ifdef VELLOX_SIM_FROM_ENVIRONMENT
        applyEnvironmentLocked(*created);
#endif
        return created;
    }();
    return *s;
}

void resetLocked(State &s)
{
    ++s.generation; // handles from before stay dead
    s.plugged = true;
    s.returnAt.reset();
    s.unplugEvery = std::chrono::milliseconds(0);
    s.unplugFor = std::chrono::milliseconds(2000);
    s.entries = {EnumerationEntry{}};
    s.rateHz = 1000;
    s.inputVersion = kDefaultFirmware;
    defaultRecords(s.live);
    s.saved = s.live;
    s.rebootDelay = std::chrono::milliseconds(300);
    s.faults = Faults{};
    s.exited = false;
    s.globalError = L"Success";
    s.nextSerial = 1;
    s.log.clear();
    s.logSeq.clear();
    s.frames.clear();
    s.misuse.clear();
    if (s.logFd >= 0) {
        ::close(s.logFd);
        s.logFd = -1;
    }
    syncNodeFilesLocked(s);
    s.changed.notify_all();
}

void syncNodeFilesLocked(const State &s)
{
    const mode_t mode = s.faults.denyOpen ? 0 : S_IRUSR | S_IWUSR;
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        if (!s.entries[i].hasPath)
            continue;
        const std::string path = nodePath(static_cast<int>(i));
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd >= 0)
            ::close(fd);
        ::chmod(path.c_str(), mode);
    }
}

void refreshLocked(State &s)
{
    const auto now = Clock::now();
    if (!s.plugged && s.returnAt && now >= *s.returnAt) {
        s.plugged = true;
        s.returnAt.reset();
    }
    if (s.unplugEvery.count() > 0 && now >= s.nextUnplug) {
        s.nextUnplug = now + s.unplugEvery;
        // Only a controller on the bus is pulled out; one in DFU mode stays gone.
        if (s.plugged)
            leaveBusLocked(s, now + s.unplugFor);
    }
}

bool onBusLocked(State &s)
{
    refreshLocked(s);
    return s.plugged;
}

bool aliveLocked(const State &s, const hid_device_ &dev)
{
    return s.plugged && dev.generation == s.generation;
}

void leaveBusLocked(State &s, std::optional<Clock::time_point> returnAt)
{
    // Off the bus the controller loses what was not saved.
    s.live = s.saved;
    s.plugged = false;
    s.returnAt = returnAt;
    ++s.generation;
    s.changed.notify_all();
}

void writeLogLineLocked(State &s, const std::string &line)
{
    if (s.logFd < 0)
        return;
    const std::string text = line + '\n';
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(s.logFd, text.data() + done, text.size() - done);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

void addMisuseLocked(State &s, std::string line)
{
    writeLogLineLocked(s, "MISUSE " + line);
    if (kKeepsRecord)
        s.misuse.push_back(std::move(line));
}

hid_device_ *findHandleLocked(State &s, const void *dev)
{
    if (!dev)
        return nullptr;
    for (const auto &handle : s.handles)
        if (handle.get() == dev)
            return handle.get();
    return nullptr;
}

} // namespace detail

using namespace detail;

const char *hidCallName(HidCall call)
{
    switch (call) {
    case HidCall::Init: return "hid_init";
    case HidCall::Exit: return "hid_exit";
    case HidCall::Enumerate: return "hid_enumerate";
    case HidCall::FreeEnumeration: return "hid_free_enumeration";
    case HidCall::OpenPath: return "hid_open_path";
    case HidCall::ReadTimeout: return "hid_read_timeout";
    case HidCall::GetFeatureReport: return "hid_get_feature_report";
    case HidCall::Write: return "hid_write";
    case HidCall::Close: return "hid_close";
    case HidCall::Error: return "hid_error";
    }
    return "hid_?";
}

void reset()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    resetLocked(s);
}

void configureFromEnvironment()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    applyEnvironmentLocked(s);
}

void plug()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.plugged = true;
    s.returnAt.reset();
    s.changed.notify_all();
}

void unplug()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    leaveBusLocked(s, std::nullopt);
}

bool isPlugged()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    return onBusLocked(s);
}

void setEnumeration(const std::vector<EnumerationEntry> &entries)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.entries = entries;
    syncNodeFilesLocked(s);
}

void setInputReportRate(int hz)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.rateHz = std::max(hz, 0);
    s.changed.notify_all();
}

void setInputFirmwareVersion(const Version &version)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.inputVersion = version;
}

void setFeatureFirmwareVersion(const Version &version)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    const int i = recordIndex(0x25);
    std::copy(version.begin(), version.end(), s.live[i].begin());
    std::copy(version.begin(), version.end(), s.saved[i].begin());
}

void setFirmwareVersion(const Version &version)
{
    setInputFirmwareVersion(version);
    setFeatureFirmwareVersion(version);
}

void setRecord(uint8_t reportId, const Record &record)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    const int i = recordIndex(reportId);
    if (i < 0)
        return;
    s.live[i] = record;
    s.saved[i] = record;
}

Record record(uint8_t reportId)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    const int i = recordIndex(reportId);
    return i < 0 ? Record{} : s.live[i];
}

void setRebootDelay(std::chrono::milliseconds delay)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.rebootDelay = delay;
}

void setFaults(const Faults &faults)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.faults = faults;
    syncNodeFilesLocked(s);
    s.changed.notify_all();
}

Faults faults()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    return s.faults;
}

std::string nodePath(int entry)
{
    return nodeDirectory() + "/hidraw" + std::to_string(entry);
}

std::vector<CallRecord> calls()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    return s.log;
}

std::vector<Frame> writtenFrames()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    return s.frames;
}

void clearLog()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.log.clear();
    s.logSeq.clear();
    s.frames.clear();
}

std::vector<std::string> misuse()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    return s.misuse;
}

int callsInFlight()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    return s.inFlight;
}

} // namespace vellox::sim
