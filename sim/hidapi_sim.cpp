// SPDX-License-Identifier: GPL-3.0-or-later
// The hidapi entry points, answered by the simulated controller.
//
// Each call is bracketed by a Call object that does the bookkeeping shared by
// all of them: misuse checks, in-flight counts and the call log.

// The shared build hides everything by default; the hidapi functions must stay
// visible so that preloading the library replaces the system's hidapi.
#pragma GCC visibility push(default)
#include <hidapi.h>
#pragma GCC visibility pop

#include "sim/sim_state.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/syscall.h>
#include <unistd.h>

using namespace vellox::sim;
using namespace vellox::sim::detail;

namespace {

constexpr std::size_t kReportSize = 65; // report id + 64 payload bytes
constexpr uint8_t kInputReportId = 0x01;

const wchar_t *const kSuccess = L"Success";
const wchar_t *const kPermissionDenied = L"Permission denied";
const wchar_t *const kNoSuchDevice = L"No such device";
const wchar_t *const kIoError = L"Input/output error";
const wchar_t *const kBadArgument = L"Invalid argument";
const wchar_t *const kNoMatch = L"No matching HID device found";
const wchar_t *const kClosed = L"Device handle was closed";

bool isGlobal(HidCall call)
{
    switch (call) {
    case HidCall::Init:
    case HidCall::Exit:
    case HidCall::Enumerate:
    case HidCall::FreeEnumeration:
    case HidCall::OpenPath:
    case HidCall::Close:
        return true;
    default:
        return false;
    }
}

// Calls that would dereference the handle in the real library.
bool needsHandle(HidCall call)
{
    return call == HidCall::ReadTimeout || call == HidCall::GetFeatureReport || call == HidCall::Write;
}

std::string hex(const unsigned char *data, std::size_t length)
{
    std::string text;
    text.reserve(length * 3);
    char byte[4];
    for (std::size_t i = 0; i < length; ++i) {
        std::snprintf(byte, sizeof byte, i ? " %02x" : "%02x", data[i]);
        text += byte;
    }
    return text;
}

class Call {
public:
    Call(HidCall kind, const void *dev, int argument)
        : s_(vellox::sim::detail::state()), kind_(kind), argument_(argument)
    {
        std::lock_guard lock(s_.mutex);
        refreshLocked(s_);
        dev_ = findHandleLocked(s_, dev);
        const char *name = hidCallName(kind);
        const std::string on = dev_ ? " on handle " + std::to_string(dev_->serial) : std::string();

        if (dev && !dev_)
            addMisuseLocked(s_, std::string(name) + " on a pointer that is not an open handle");
        if (!dev && needsHandle(kind))
            addMisuseLocked(s_, std::string(name) + " with a null handle");
        if (s_.exited && kind != HidCall::Init)
            addMisuseLocked(s_, std::string(name) + on + " after hid_exit");
        if (dev_ && dev_->closed)
            addMisuseLocked(s_, std::string(name) + " on closed handle " + std::to_string(dev_->serial));
        if (dev_ && dev_->inFlight > 0)
            addMisuseLocked(s_, std::string(name) + on + " overlaps " + hidCallName(dev_->lastCall)
                                    + " on the same handle");
        if (isGlobal(kind) && s_.inFlight > 0)
            addMisuseLocked(s_, std::string(name) + " overlaps " + std::to_string(s_.inFlight)
                                    + " other hidapi call(s) in flight");
        else if (s_.globalInFlight > 0)
            addMisuseLocked(s_, std::string(name) + on + " overlaps " + hidCallName(s_.globalCall));

        ++s_.inFlight;
        if (isGlobal(kind)) {
            ++s_.globalInFlight;
            s_.globalCall = kind;
        }
        if (dev_) {
            ++dev_->inFlight;
            dev_->lastCall = kind;
        }

        if (!kKeepsRecord)
            return;
        CallRecord record;
        record.call = kind;
        record.handle = dev_ ? dev_->serial : 0;
        record.argument = argument;
        record.begin = Clock::now();
        record.thread = std::this_thread::get_id();
        seq_ = s_.nextSeq++;
        s_.log.push_back(std::move(record));
        s_.logSeq.push_back(seq_);
    }

    Call(const Call &) = delete;
    Call &operator=(const Call &) = delete;

    State &sim() const { return s_; }

    // The controller takes its time to answer; the lock is not held meanwhile
    // so other threads, and the test steering the simulator, carry on.
    void answerDelay() const
    {
        int ms = 0;
        {
            std::lock_guard lock(s_.mutex);
            ms = s_.faults.answerDelayMs;
        }
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

    // With the mutex held: the handle if it is one of ours and not closed.
    hid_device_ *openDevice() const { return dev_ && !dev_->closed ? dev_ : nullptr; }
    hid_device_ *device() const { return dev_; }

    void finish(int result, const unsigned char *data = nullptr, std::size_t length = 0)
    {
        std::lock_guard lock(s_.mutex);
        --s_.inFlight;
        if (isGlobal(kind_))
            --s_.globalInFlight;
        if (dev_)
            --dev_->inFlight;

        // The log may have been cleared while this call ran; then it is gone.
        const auto it = std::find(s_.logSeq.rbegin(), s_.logSeq.rend(), seq_);
        const auto end = Clock::now();
        if (kKeepsRecord && it != s_.logSeq.rend()) {
            CallRecord &record = s_.log[static_cast<std::size_t>(std::distance(it, s_.logSeq.rend()) - 1)];
            record.result = result;
            record.end = end;
            if (data && length)
                record.data.assign(data, data + length);
        }
        if (s_.logFd >= 0) {
            char head[160];
            std::snprintf(head, sizeof head, "%.6f tid=%ld %s handle=%d arg=%d result=%d",
                          std::chrono::duration<double>(end - s_.started).count(),
                          static_cast<long>(::syscall(SYS_gettid)), hidCallName(kind_),
                          dev_ ? dev_->serial : 0, argument_, result);
            std::string line = head;
            if (data && length)
                line += " data=" + hex(data, length);
            writeLogLineLocked(s_, line);
        }
    }

private:
    State &s_;
    HidCall kind_;
    int argument_;
    hid_device_ *dev_ = nullptr;
    std::uint64_t seq_ = 0;
};

void setError(State &s, hid_device_ *dev, const wchar_t *error)
{
    if (dev)
        dev->lastError = error;
    else
        s.globalError = error;
}

// Field id of a settings write -> where the controller keeps the value.
struct FieldSlot {
    uint8_t field;
    uint8_t reportId;
    uint8_t offset; // of element 0
    uint8_t width;  // bytes per element
    uint8_t count;  // elements
};

constexpr FieldSlot kFieldSlots[] = {
    // effects
    {0, 0x22, 10, 1, 1},
    {1, 0x22, 11, 1, 1},
    {2, 0x22, 12, 1, 1},
    {3, 0x22, 13, 1, 1},
    {4, 0x22, 6, 1, 1},
    {5, 0x22, 0, 2, 1},
    {6, 0x22, 9, 1, 1},
    {7, 0x22, 8, 1, 1},
    {8, 0x22, 2, 2, 1},
    {9, 0x22, 4, 2, 1},
    {43, 0x22, 7, 1, 1},
    // hardware
    {11, 0x21, 5, 1, 1},
    {12, 0x21, 6, 1, 1},
    {13, 0x21, 7, 1, 1},
    {15, 0x21, 8, 1, 1},
    {16, 0x21, 9, 1, 1},
    {17, 0x21, 10, 1, 1},
    {18, 0x21, 11, 1, 1},
    {19, 0x21, 12, 1, 1},
    {20, 0x21, 13, 1, 1},
    {21, 0x21, 14, 1, 1},
    {22, 0x21, 15, 1, 1},
    {23, 0x21, 16, 1, 1},
    {24, 0x21, 0, 2, 1},
    {25, 0x21, 4, 1, 1},
    {26, 0x21, 2, 2, 1},
    // GPIO extension
    {27, 0xA1, 0, 1, 1},
    {28, 0xA1, 1, 1, 10},
    {29, 0xA1, 11, 1, 32},
    {30, 0xA1, 43, 1, 1},
    {31, 0xA1, 44, 1, 1},
    {32, 0xA1, 45, 1, 1},
    {33, 0xA1, 46, 1, 1},
    // analog inputs
    {34, 0xA2, 0, 2, 3},
    {35, 0xA2, 6, 2, 3},
    {38, 0xA2, 12, 1, 3},
    {36, 0xA2, 15, 1, 3},
    {37, 0xA2, 18, 1, 3},
    {39, 0xA2, 21, 1, 3},
    // field 41 (reset button enable) has no place in the records
};

constexpr uint8_t kCommandFrame = 0xA3;
constexpr uint8_t kCmdReboot = 0x01;
constexpr uint8_t kCmdSave = 0x02;
constexpr uint8_t kCmdDfu = 0x03;
constexpr uint8_t kCmdSettingsWrite = 0x14;

void applySettingsWrite(State &s, const Frame &frame)
{
    const uint8_t field = frame[2];
    const int index = static_cast<int8_t>(frame[3]);
    for (const FieldSlot &slot : kFieldSlots) {
        if (slot.field != field)
            continue;
        if (index < 0 || index >= slot.count)
            return;
        Record &record = s.live[static_cast<std::size_t>(recordIndex(slot.reportId))];
        const std::size_t at = slot.offset + static_cast<std::size_t>(index) * slot.width;
        std::copy_n(frame.begin() + 4, slot.width, record.begin() + static_cast<std::ptrdiff_t>(at));
        return;
    }
}

void interpretFrame(State &s, const Frame &frame)
{
    if (frame[0] != kCommandFrame)
        return;
    switch (frame[1]) {
    case kCmdSettingsWrite:
        applySettingsWrite(s, frame);
        break;
    case kCmdSave:
        s.saved = s.live;
        leaveBusLocked(s, Clock::now() + s.rebootDelay);
        break;
    case kCmdReboot:
        leaveBusLocked(s, Clock::now() + s.rebootDelay);
        break;
    case kCmdDfu:
        leaveBusLocked(s, std::nullopt);
        break;
    default: // re-centring and anything else: nothing to see from the host
        break;
    }
}

hid_device *openLocked(State &s)
{
    auto handle = std::make_unique<hid_device_>();
    handle->serial = s.nextSerial++;
    handle->generation = s.generation;
    s.handles.push_back(std::move(handle));
    s.globalError = kSuccess;
    return s.handles.back().get();
}

} // namespace

extern "C" {

int hid_init(void)
{
    Call call(HidCall::Init, nullptr, 0);
    {
        std::lock_guard lock(call.sim().mutex);
        call.sim().exited = false;
        call.sim().globalError = kSuccess;
    }
    call.finish(0);
    return 0;
}

int hid_exit(void)
{
    Call call(HidCall::Exit, nullptr, 0);
    {
        std::lock_guard lock(call.sim().mutex);
        call.sim().exited = true;
    }
    call.finish(0);
    return 0;
}

namespace {

// Each enumeration entry stands for a node of its own, as hidraw lists one
// node per interface.
bool listedPathLocked(const State &s, const char *path)
{
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        if (s.entries[i].hasPath && nodePath(static_cast<int>(i)) == path)
            return true;
    }
    return false;
}

} // namespace

struct hid_device_info *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    Call call(HidCall::Enumerate, nullptr, 0);
    State &s = call.sim();
    hid_device_info *first = nullptr;
    {
        std::lock_guard lock(s.mutex);
        const bool matches = (vendor_id == 0 || vendor_id == kVendorId) && (product_id == 0 || product_id == kProductId);
        if (matches && onBusLocked(s)) {
            hid_device_info **tail = &first;
            int position = 0;
            for (const EnumerationEntry &entry : s.entries) {
                auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
                if (!info)
                    break;
                info->path = entry.hasPath ? strdup(nodePath(position).c_str()) : nullptr;
                ++position;
                info->vendor_id = kVendorId;
                info->product_id = kProductId;
                info->interface_number = entry.interfaceNumber;
                *tail = info;
                tail = &info->next;
            }
        }
        s.globalError = first ? kSuccess : kNoMatch;
    }
    call.finish(first ? 1 : 0);
    return first;
}

void hid_free_enumeration(struct hid_device_info *devs)
{
    Call call(HidCall::FreeEnumeration, nullptr, 0);
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
    call.finish(0);
}

hid_device *hid_open_path(const char *path)
{
    Call call(HidCall::OpenPath, nullptr, 0);
    State &s = call.sim();
    hid_device *dev = nullptr;
    int error = 0;
    {
        std::lock_guard lock(s.mutex);
        if (!path || !listedPathLocked(s, path) || !onBusLocked(s)) {
            s.globalError = kNoSuchDevice;
            error = ENOENT;
        } else if (s.faults.denyOpen) {
            s.globalError = kPermissionDenied;
            error = EACCES;
        } else if (s.faults.failOpen) {
            s.globalError = kIoError;
            error = EIO;
        } else {
            dev = openLocked(s);
        }
    }
    call.finish(dev ? 1 : 0, reinterpret_cast<const unsigned char *>(path), path ? std::strlen(path) : 0);
    if (error)
        errno = error; // after the log write, which may clobber it
    return dev;
}

hid_device *hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t *serial_number)
{
    Call call(HidCall::OpenPath, nullptr, 0);
    State &s = call.sim();
    hid_device *dev = nullptr;
    {
        std::lock_guard lock(s.mutex);
        const bool matches = (vendor_id == 0 || vendor_id == kVendorId) && (product_id == 0 || product_id == kProductId);
        const bool anyPath = std::any_of(s.entries.begin(), s.entries.end(), [](const auto &e) { return e.hasPath; });
        if (serial_number || !matches || !anyPath || !onBusLocked(s))
            s.globalError = kNoSuchDevice;
        else if (s.faults.denyOpen)
            s.globalError = kPermissionDenied;
        else if (s.faults.failOpen)
            s.globalError = kIoError;
        else
            dev = openLocked(s);
    }
    call.finish(dev ? 1 : 0);
    return dev;
}

int hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    Call call(HidCall::ReadTimeout, dev, milliseconds);
    call.answerDelay();
    State &s = call.sim();
    int result = -1;
    {
        std::unique_lock lock(s.mutex);
        const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(milliseconds, 0));
        for (;;) {
            refreshLocked(s);
            hid_device_ *d = call.openDevice();
            if (!d) {
                setError(s, call.device(), kClosed);
                break;
            }
            if (!data || length == 0) {
                setError(s, d, kBadArgument);
                break;
            }
            if (!aliveLocked(s, *d) || s.faults.failInputReads) {
                setError(s, d, kIoError);
                break;
            }
            const auto now = Clock::now();
            std::optional<Clock::time_point> next;
            if (s.rateHz > 0) {
                const auto period = std::chrono::duration_cast<Clock::duration>(
                    std::chrono::nanoseconds(1'000'000'000LL / s.rateHz));
                next = d->delivered ? d->lastReport + period : now;
                if (now >= *next) {
                    // Reports that arrived while nobody read are dropped.
                    d->delivered = true;
                    d->lastReport = now;
                    std::array<uint8_t, kReportSize> report{};
                    report[0] = kInputReportId;
                    std::copy(s.inputVersion.begin(), s.inputVersion.end(), report.begin() + 1);
                    const std::size_t n = std::min(length, kReportSize);
                    std::copy_n(report.begin(), n, data);
                    result = static_cast<int>(n);
                    setError(s, d, kSuccess);
                    break;
                }
            }
            if (milliseconds == 0 || (milliseconds > 0 && now >= deadline)) {
                result = 0;
                break;
            }
            std::optional<Clock::time_point> wake = next;
            if (milliseconds > 0 && (!wake || deadline < *wake))
                wake = deadline;
            if (wake)
                s.changed.wait_until(lock, *wake);
            else
                s.changed.wait(lock);
        }
    }
    call.finish(result, data, result > 0 ? static_cast<std::size_t>(result) : 0);
    return result;
}

int hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    bool nonblocking = false;
    {
        State &s = state();
        std::lock_guard lock(s.mutex);
        if (hid_device_ *d = findHandleLocked(s, dev))
            nonblocking = d->nonblocking;
    }
    return hid_read_timeout(dev, data, length, nonblocking ? 0 : -1);
}

int hid_set_nonblocking(hid_device *dev, int nonblock)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    hid_device_ *d = findHandleLocked(s, dev);
    if (!d || d->closed)
        return -1;
    d->nonblocking = nonblock != 0;
    return 0;
}

int hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    const int reportId = data && length ? data[0] : -1;
    Call call(HidCall::GetFeatureReport, dev, reportId);
    call.answerDelay();
    State &s = call.sim();
    int result = -1;
    {
        std::lock_guard lock(s.mutex);
        refreshLocked(s);
        hid_device_ *d = call.openDevice();
        const int index = recordIndex(reportId);
        if (!d) {
            setError(s, call.device(), kClosed);
        } else if (!data || length == 0) {
            setError(s, d, kBadArgument);
        } else if (!aliveLocked(s, *d) || s.faults.failFeatureReads) {
            setError(s, d, kIoError);
        } else if (index < 0) {
            setError(s, d, kBadArgument); // the controller stalls unknown report ids
        } else {
            const std::size_t payload = std::min<std::size_t>(s.faults.shortFeatureReads ? 8 : 64, length - 1);
            const Record &record = s.live[static_cast<std::size_t>(index)];
            std::copy_n(record.begin(), payload, data + 1);
            result = static_cast<int>(payload + 1);
            setError(s, d, kSuccess);
        }
    }
    call.finish(result, data, result > 0 ? static_cast<std::size_t>(result) : 0);
    return result;
}

int hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    Call call(HidCall::Write, dev, 0);
    call.answerDelay();
    State &s = call.sim();
    int result = -1;
    {
        std::lock_guard lock(s.mutex);
        refreshLocked(s);
        hid_device_ *d = call.openDevice();
        if (!d) {
            setError(s, call.device(), kClosed);
        } else if (!data || length == 0) {
            setError(s, d, kBadArgument);
        } else if (!aliveLocked(s, *d) || s.faults.failWrites) {
            setError(s, d, kIoError);
        } else {
            Frame frame{};
            std::copy_n(data, std::min(length, frame.size()), frame.begin());
            if (kKeepsRecord)
                s.frames.push_back(frame);
            interpretFrame(s, frame);
            result = static_cast<int>(std::min<std::size_t>(length, 0x7FFFFFFF));
            setError(s, d, kSuccess);
        }
    }
    call.finish(result, data, data ? length : 0);
    return result;
}

void hid_close(hid_device *dev)
{
    if (!dev)
        return; // as hidapi does
    Call call(HidCall::Close, dev, 0);
    call.answerDelay();
    State &s = call.sim();
    {
        std::lock_guard lock(s.mutex);
        if (hid_device_ *d = call.device())
            d->closed = true;
        s.changed.notify_all(); // a read still waiting on it gives up
    }
    call.finish(0);
}

const wchar_t *hid_error(hid_device *dev)
{
    Call call(HidCall::Error, dev, 0);
    State &s = call.sim();
    const wchar_t *error = kSuccess;
    {
        std::lock_guard lock(s.mutex);
        if (!dev)
            error = s.globalError;
        else if (hid_device_ *d = call.device())
            error = d->lastError;
        else
            error = kBadArgument;
    }
    call.finish(1);
    return error;
}

const struct hid_api_version *hid_version(void)
{
    static const hid_api_version version = {HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR, HID_API_VERSION_PATCH};
    return &version;
}

const char *hid_version_str(void)
{
    return HID_API_VERSION_STR;
}

// The controller is never driven through these; they exist so that a preloaded
// application cannot reach the system's hidapi with a simulated handle.
int hid_send_feature_report(hid_device *, const unsigned char *, size_t) { return -1; }
int hid_get_input_report(hid_device *, unsigned char *, size_t) { return -1; }
int hid_get_manufacturer_string(hid_device *, wchar_t *, size_t) { return -1; }
int hid_get_product_string(hid_device *, wchar_t *, size_t) { return -1; }
int hid_get_serial_number_string(hid_device *, wchar_t *, size_t) { return -1; }
int hid_get_indexed_string(hid_device *, int, wchar_t *, size_t) { return -1; }
struct hid_device_info *hid_get_device_info(hid_device *) { return nullptr; }

} // extern "C"
