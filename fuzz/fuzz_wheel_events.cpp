// SPDX-License-Identifier: GPL-3.0-or-later
// What a joystick node reports, from bytes: its axes' ranges, its key codes
// and then a stream of events, folded into the wheel state as the live view
// and --monitor do, with every figure they show taken after each report.
// Nothing may crash; percentages stay within 0..100, the angle within half
// the motion range either way (or is unknown), the kernel's dead-zone values
// are never negative and hats never take part, and the JSON line always
// parses.
//
// Layout: motion range (2 bytes), axis count (1), per axis code (1), minimum,
// maximum, fuzz, flat, value (4 each, little-endian); key count (2), per key
// its code (2) and whether it is down (1); then events of type (2), code (2)
// and value (4) to the end.
#include "input/kerneldeadzone.h"
#include "input/wheelmonitor.h"
#include "input/wheelstate.h"

#include <QJsonDocument>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class Reader
{
public:
    Reader(const uint8_t *bytes, std::size_t size) : data(bytes), left(size) {}
    bool has(std::size_t n) const { return left >= n; }
    uint32_t take(std::size_t n)
    {
        uint32_t value = 0;
        for (std::size_t i = 0; i < n && left > 0; ++i, --left)
            value |= static_cast<uint32_t>(*data++) << (8 * i);
        return value;
    }
    int takeInt()
    {
        const uint32_t raw = take(4);
        int value = 0;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }

private:
    const uint8_t *data;
    std::size_t left;
};

[[noreturn]] void fail(const char *what, double detail)
{
    std::fprintf(stderr, "%s: %g\n", what, detail);
    std::abort();
}

void checkFigures(const WheelState &state, int motionRange)
{
    for (const AxisState &axis : state.axes) {
        const int percent = axisPercent(axis);
        if (percent < 0 || percent > 100)
            fail("percent outside 0..100", percent);
        if (axisName(axis.code).isEmpty())
            fail("an axis without a name", axis.code);
        if (KernelDeadZone::driverFuzz(axis) < 0 || KernelDeadZone::driverFlat(axis) < 0)
            fail("a negative kernel dead-zone value", axis.code);
        if (axis.code >= 0x10 && axis.code <= 0x17 && KernelDeadZone::applies(axis))
            fail("a hat takes part in the dead zone", axis.code);
    }
    if (state.steering >= 0) {
        const double angle = steeringAngle(state.axes[static_cast<std::size_t>(state.steering)], motionRange);
        if (!std::isnan(angle) && std::fabs(angle) > motionRange / 2.0 + 1e-6)
            fail("an angle past half the motion range", angle);
    }
    (void)WheelMonitor::textLine(state, motionRange);
    if (QJsonDocument::fromJson(WheelMonitor::jsonLine(state, motionRange).toUtf8()).isNull())
        fail("a JSON line that does not parse", 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    Reader in(data, size);
    const int motionRange = static_cast<int>(in.take(2));
    std::vector<AxisState> axes(in.take(1) % 65);
    for (AxisState &axis : axes) {
        axis.code = static_cast<int>(in.take(1));
        axis.minimum = in.takeInt();
        axis.maximum = in.takeInt();
        axis.fuzz = in.takeInt();
        axis.flat = in.takeInt();
        axis.value = in.takeInt();
    }
    std::vector<int> keys(in.take(2) % 1024);
    std::vector<int> down;
    for (int &key : keys) {
        key = static_cast<int>(in.take(2));
        if (in.take(1) & 1)
            down.push_back(key);
    }
    WheelStateFolder folder;
    folder.reset(QStringLiteral("fuzz"), axes, keys, down);
    checkFigures(folder.state(), motionRange);
    qint64 time = 0;
    while (in.has(8)) {
        const unsigned type = in.take(2);
        const unsigned code = in.take(2);
        const int value = in.takeInt();
        if (folder.apply(type, code, value, ++time))
            checkFigures(folder.state(), motionRange);
        if (type == 0xFFFF) // the kernel's values changed meanwhile
            folder.setFuzzFlat(static_cast<int>(code % 0x40), value, value / 2);
    }
    const WheelState &state = folder.state();
    if (state.buttonsDown.size() != state.buttonCodes.size())
        fail("buttons and their states differ in number", static_cast<double>(state.buttonCodes.size()));
    return 0;
}
