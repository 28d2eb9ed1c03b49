// SPDX-License-Identifier: GPL-3.0-or-later
// Control interface of the simulated wheel controller.
//
// The simulator implements the hidapi functions the application calls
// (hid_init, hid_exit, hid_enumerate, hid_free_enumeration, hid_open_path,
// hid_read_timeout, hid_get_feature_report, hid_write, hid_close, hid_error)
// and behaves like the controller on the bus. Tests link the static build and
// steer it through the functions below; the shared build is preloaded into the
// real application and reads its set-up from environment variables instead
// (see sim/README.md).
//
// Every function here is thread-safe.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace vellox::sim {

constexpr unsigned short kVendorId = 0x045B;
constexpr unsigned short kProductId = 0x59D7;

using Record = std::array<uint8_t, 64>;
using Frame = std::array<uint8_t, 65>;
using Version = std::array<uint8_t, 4>; // release type, major, minor, patch

enum class HidCall {
    Init,
    Exit,
    Enumerate,
    FreeEnumeration,
    OpenPath,
    ReadTimeout,
    GetFeatureReport,
    Write,
    Close,
    Error,
};

const char *hidCallName(HidCall call);

// One hidapi call as the simulator saw it.
struct CallRecord {
    HidCall call = HidCall::Init;
    int handle = 0;            // serial number of the handle (1, 2, ...); 0 for calls without one
    int argument = 0;          // read: time-out in ms; feature read: requested report id; else 0
    int result = 0;            // what the call returned (pointers: 1 for non-null, 0 for null)
    std::vector<uint8_t> data; // write: the bytes passed in; reads: the bytes returned (result bytes)
    std::chrono::steady_clock::time_point begin;
    std::chrono::steady_clock::time_point end;
    std::thread::id thread;
};

// One entry of the enumeration list the controller produces while it is on the bus.
struct EnumerationEntry {
    int interfaceNumber = 0;
    bool hasPath = true;
};

// Faults on demand. All off by default.
struct Faults {
    bool failOpen = false;            // hid_open_path returns null
    bool denyOpen = false;            // like failOpen, and the node is reported as not accessible (see nodePath)
    bool failFeatureReads = false;    // hid_get_feature_report returns -1
    bool shortFeatureReads = false;   // hid_get_feature_report returns 9 (report id + 8 bytes), rest of buffer untouched
    bool failWrites = false;          // hid_write returns -1, the frame does not reach the controller
    bool failInputReads = false;      // hid_read_timeout returns -1 at once
    int answerDelayMs = 0;            // every call on a handle sleeps this long before answering
};

// Puts the simulator into its default state: plugged in; one enumeration entry,
// interface 0 with a path; input reports at 1 kHz; firmware RC.24.1.4 in both the
// input report and feature report 0x25; plausible default records; reboot delay
// 300 ms; no faults; empty call log; empty misuse list. Handles opened before stay
// dead (calls on them are flagged as misuse only if they were closed).
void reset();

// Applies the VELLOX_SIM_* environment variables (see sim/README.md) on top of
// the current state. The preloadable build does this once, at first use.
void configureFromEnvironment();

// Bus presence. Unplugging makes every open handle dead (reads and writes return
// -1 at once, waiting reads wake up); plugging in again needs a new open.
void plug();
void unplug();
bool isPlugged();

void setEnumeration(const std::vector<EnumerationEntry> &entries);
void setInputReportRate(int hz); // 0: the controller never sends an input report
void setInputFirmwareVersion(const Version &version);    // first four payload bytes of input reports
void setFeatureFirmwareVersion(const Version &version);  // first four payload bytes of report 0x25
void setFirmwareVersion(const Version &version);         // both of the above

// Records of feature reports 0x21, 0x22, 0xA1, 0xA2 (and 0x25, the firmware-information record).
void setRecord(uint8_t reportId, const Record &record);
Record record(uint8_t reportId);

// How long the controller stays off the bus after the reboot or save command.
// The DFU command takes it off the bus until plug() is called.
void setRebootDelay(std::chrono::milliseconds delay);

void setFaults(const Faults &faults);
Faults faults();

// The path the enumeration reports for the node of its entry at this position.
std::string nodePath(int entry = 0);

// Call log, in the order the calls began. It grows with every call until
// clearLog() or reset(); the preloaded build keeps no log, frames or misuse
// list in memory (nothing there could read them).
std::vector<CallRecord> calls();
// The frames of successful hid_write calls, in order.
std::vector<Frame> writtenFrames();
void clearLog();

// Misuse seen so far, one human-readable line each: two calls on one handle
// overlapping in time, a call on a closed handle, any call after hid_exit, a
// global call (init, exit, enumerate, open, close) overlapping another call.
std::vector<std::string> misuse();

// Count of hidapi calls currently executing (useful to prove shutdown is quiet).
int callsInFlight();

} // namespace vellox::sim
