// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/kerneldeadzone.h"

#include "input/wheelinput.h"

namespace KernelDeadZone {

namespace {

constexpr int kAbsHat0X = 0x10;
constexpr int kAbsHat3Y = 0x17;

bool change(WheelInput &input, bool toDriverValues, QString *error)
{
    if (!input.isOpen()) {
        if (error)
            *error = input.errorString();
        return false;
    }
    const std::vector<AxisState> axes = input.state().axes;
    bool ok = true;
    QStringList problems;
    for (const AxisState &axis : axes) {
        if (!applies(axis))
            continue;
        const int fuzz = toDriverValues ? driverFuzz(axis) : 0;
        const int flat = toDriverValues ? driverFlat(axis) : 0;
        if (!input.setKernelFuzzFlat(axis.code, fuzz, flat)) {
            ok = false;
            problems << input.errorString();
        }
    }
    if (error)
        *error = problems.join(QLatin1Char('\n'));
    return ok;
}

bool changeAt(const QString &node, bool toDriverValues, QString *error)
{
    WheelInput input;
    if (!input.open(node)) {
        if (error)
            *error = input.errorString();
        return false;
    }
    return change(input, toDriverValues, error);
}

} // namespace

int driverFuzz(const AxisState &axis)
{
    return applies(axis) ? static_cast<int>((static_cast<long long>(axis.maximum) - axis.minimum) >> 8) : 0;
}

int driverFlat(const AxisState &axis)
{
    return applies(axis) ? static_cast<int>((static_cast<long long>(axis.maximum) - axis.minimum) >> 4) : 0;
}

bool applies(const AxisState &axis)
{
    return !(axis.code >= kAbsHat0X && axis.code <= kAbsHat3Y) && axis.maximum > axis.minimum;
}

bool remove(WheelInput &input, QString *error)
{
    return change(input, false, error);
}

bool restore(WheelInput &input, QString *error)
{
    return change(input, true, error);
}

bool removeAt(const QString &node, QString *error)
{
    return changeAt(node, false, error);
}

bool restoreAt(const QString &node, QString *error)
{
    return changeAt(node, true, error);
}

} // namespace KernelDeadZone
