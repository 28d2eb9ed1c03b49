// SPDX-License-Identifier: GPL-3.0-or-later
// Internal state of the simulated controller, shared by the control API and
// the hidapi entry points. Not for use outside sim/.
#pragma once

#include "sim/simulated_controller.h"

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>

// hidapi only declares this type; the simulator gives it a body. Handles are
// never freed, so a call on a closed handle is detectable instead of being a
// use-after-free.
struct hid_device_ {
    int serial = 0;
    std::uint64_t generation = 0; // bus generation the handle was opened in
    bool closed = false;
    bool nonblocking = false;
    int inFlight = 0;
    vellox::sim::HidCall lastCall = vellox::sim::HidCall::Init;
    bool delivered = false; // an input report has been handed out on this handle
    std::chrono::steady_clock::time_point lastReport;
    const wchar_t *lastError = L"Success";
};

namespace vellox::sim::detail {

using Clock = std::chrono::steady_clock;

// The call record, the written frames and the misuse list are read only
// through the control API, which a preloaded process has no way to call.
// There they would only grow, by about a hundred heartbeat reads a second,
// so the preloaded build keeps none of them; its call log file and the
// MISUSE lines in it stay.
#ifdef VELLOX_SIM_FROM_ENVIRONMENT
constexpr bool kKeepsRecord = false;
#else
constexpr bool kKeepsRecord = true;
#endif

// Feature reports the controller answers, in the order of State::live/saved.
constexpr std::array<uint8_t, 5> kRecordIds = {0x21, 0x22, 0x25, 0xA1, 0xA2};
int recordIndex(int reportId); // -1 for ids the controller does not know

struct State {
    std::mutex mutex;
    std::condition_variable changed; // bus, rate, faults or handles changed
    const Clock::time_point started = Clock::now();

    // Bus. Every time the controller leaves the bus the generation moves on,
    // which kills all handles opened before.
    bool plugged = true;
    std::optional<Clock::time_point> returnAt; // comes back by itself at this time
    // Pulled out every unplugEvery (0: never) and plugged in unplugFor later.
    std::chrono::milliseconds unplugEvery{0};
    std::chrono::milliseconds unplugFor{2000};
    Clock::time_point nextUnplug;
    std::uint64_t generation = 1;
    std::vector<EnumerationEntry> entries;
    int rateHz = 1000;
    Version inputVersion{};
    std::array<Record, kRecordIds.size()> live{};
    std::array<Record, kRecordIds.size()> saved{};
    std::chrono::milliseconds rebootDelay{300};
    Faults faults;

    // Library.
    bool exited = false;
    const wchar_t *globalError = L"Success";
    std::vector<std::unique_ptr<hid_device_>> handles;
    int nextSerial = 1;

    // Bookkeeping.
    std::vector<CallRecord> log;
    std::vector<std::uint64_t> logSeq; // parallel to log, to find a record when its call ends
    std::uint64_t nextSeq = 1;
    std::vector<Frame> frames;
    std::vector<std::string> misuse;
    int inFlight = 0;
    int globalInFlight = 0;
    HidCall globalCall = HidCall::Init;
    int logFd = -1; // VELLOX_SIM_LOG, written under the mutex so lines never interleave
};

State &state();

// All *Locked functions expect State::mutex to be held.
void resetLocked(State &s);
// Makes the node files of the enumeration entries exist, readable and writable
// by their owner unless opening is denied, in which case they have no
// permissions at all.
void syncNodeFilesLocked(const State &s);
// Brings the controller back after a reboot delay has passed, and takes it
// off the bus when a periodic unplug is due.
void refreshLocked(State &s);
bool onBusLocked(State &s);
bool aliveLocked(const State &s, const hid_device_ &dev);
void leaveBusLocked(State &s, std::optional<Clock::time_point> returnAt);
void addMisuseLocked(State &s, std::string line);
void writeLogLineLocked(State &s, const std::string &line);
hid_device_ *findHandleLocked(State &s, const void *dev);

} // namespace vellox::sim::detail
