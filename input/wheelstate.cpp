// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/wheelstate.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Key and axis codes of the Linux input interface, kept here so that this
// file builds without Linux headers.
constexpr int kButtonJoystick = 0x120;
constexpr int kAbsX = 0x00;
constexpr int kAbsWheel = 0x08;
constexpr int kAbsHat0X = 0x10;
constexpr int kAbsHat0Y = 0x11;
constexpr int kAbsMultitouchFirst = 0x2f; // ABS_MT_SLOT: multitouch slots are not joystick axes
constexpr int kAbsMax = 0x3f;
constexpr int kKeyMax = 0x2ff;
constexpr unsigned kEvSyn = 0x00;
constexpr unsigned kEvKey = 0x01;
constexpr unsigned kEvAbs = 0x03;
constexpr unsigned kSynReport = 0;
} // namespace

std::vector<int> WheelState::otherAxes() const
{
    std::vector<int> indices;
    for (int i = 0; i < static_cast<int>(axes.size()); ++i)
        if (i != steering && i != hatX && i != hatY)
            indices.push_back(i);
    return indices;
}

double steeringAngle(const AxisState &axis, int motionRange)
{
    const double span = static_cast<double>(axis.maximum) - axis.minimum;
    if (span <= 0)
        return std::numeric_limits<double>::quiet_NaN();
    const double middle = (static_cast<double>(axis.maximum) + axis.minimum) / 2.0;
    const double value = std::clamp(static_cast<double>(axis.value), static_cast<double>(axis.minimum),
                                    static_cast<double>(axis.maximum));
    return (value - middle) / span * motionRange;
}

double roundedAngle(double degrees)
{
    // Adding +0 turns a rounded -0 into 0.
    return std::round(degrees * 10) / 10 + 0.0;
}

int axisPercent(const AxisState &axis)
{
    const double span = static_cast<double>(axis.maximum) - axis.minimum;
    if (span <= 0)
        return 0;
    const double part = (static_cast<double>(axis.value) - axis.minimum) / span;
    return static_cast<int>(std::lround(std::clamp(part, 0.0, 1.0) * 100.0));
}

namespace {

// The axis's name in English, or in the user's language.
QString nameOfAxis(int code, bool translated)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("WheelState", "X"),        QT_TRANSLATE_NOOP("WheelState", "Y"),
        QT_TRANSLATE_NOOP("WheelState", "Z"),        QT_TRANSLATE_NOOP("WheelState", "Rx"),
        QT_TRANSLATE_NOOP("WheelState", "Ry"),       QT_TRANSLATE_NOOP("WheelState", "Rz"),
        QT_TRANSLATE_NOOP("WheelState", "Throttle"), QT_TRANSLATE_NOOP("WheelState", "Rudder"),
        QT_TRANSLATE_NOOP("WheelState", "Wheel"),    QT_TRANSLATE_NOOP("WheelState", "Gas"),
        QT_TRANSLATE_NOOP("WheelState", "Brake")};
    auto text = [translated](const char *english) {
        return translated ? QCoreApplication::translate("WheelState", english) : QString::fromLatin1(english);
    };
    if (code >= 0 && code < static_cast<int>(std::size(names)))
        return text(names[code]);
    if (code >= kAbsHat0X && code <= 0x17)
        return text(QT_TRANSLATE_NOOP("WheelState", "Hat%1 %2"))
            .arg((code - kAbsHat0X) / 2)
            .arg(code % 2 ? QLatin1Char('Y') : QLatin1Char('X'));
    if (code == 0x18)
        return text(QT_TRANSLATE_NOOP("WheelState", "Pressure"));
    if (code == 0x19)
        return text(QT_TRANSLATE_NOOP("WheelState", "Distance"));
    if (code == 0x28)
        return text(QT_TRANSLATE_NOOP("WheelState", "Misc"));
    return text(QT_TRANSLATE_NOOP("WheelState", "Axis %1")).arg(code);
}

} // namespace

QString axisName(int code)
{
    return nameOfAxis(code, true);
}

QString axisKey(int code)
{
    return nameOfAxis(code, false);
}

QString hatText(int x, int y)
{
    QStringList parts;
    if (y < 0)
        parts << QCoreApplication::translate("WheelState", "up");
    else if (y > 0)
        parts << QCoreApplication::translate("WheelState", "down");
    if (x < 0)
        parts << QCoreApplication::translate("WheelState", "left");
    else if (x > 0)
        parts << QCoreApplication::translate("WheelState", "right");
    if (parts.isEmpty())
        return QCoreApplication::translate("WheelState", "centre");
    return parts.join(QLatin1Char(' '));
}

QString hatDirection(int x, int y)
{
    QStringList parts;
    if (y != 0)
        parts << QString::fromLatin1(y < 0 ? "up" : "down");
    if (x != 0)
        parts << QString::fromLatin1(x < 0 ? "left" : "right");
    return parts.isEmpty() ? QStringLiteral("centre") : parts.join(QLatin1Char(' '));
}

std::vector<int> gameButtonOrder(std::vector<int> codes)
{
    std::sort(codes.begin(), codes.end(), [](int a, int b) {
        const bool aFirst = a >= kButtonJoystick;
        const bool bFirst = b >= kButtonJoystick;
        return aFirst != bFirst ? aFirst : a < b;
    });
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

// Picks the steering axis and the hat of a state whose axes are filled in.
void assignRoles(WheelState &state)
{
    state.steering = state.hatX = state.hatY = -1;
    for (int i = 0; i < static_cast<int>(state.axes.size()); ++i) {
        const int code = state.axes[static_cast<std::size_t>(i)].code;
        if (code == kAbsX || (code == kAbsWheel && state.steering < 0))
            state.steering = i;
        else if (code == kAbsHat0X)
            state.hatX = i;
        else if (code == kAbsHat0Y)
            state.hatY = i;
    }
}

void WheelStateFolder::reset(const QString &name, const std::vector<AxisState> &axes, const std::vector<int> &keyCodes,
                             const std::vector<int> &keysDown)
{
    current = WheelState{};
    current.name = name;
    axisIndexByCode.assign(kAbsMax + 1, -1);
    buttonIndexByCode.assign(kKeyMax + 1, -1);
    std::vector<AxisState> sorted = axes;
    std::stable_sort(sorted.begin(), sorted.end(), [](const AxisState &a, const AxisState &b) { return a.code < b.code; });
    for (const AxisState &axis : sorted) {
        if (axis.code < 0 || axis.code >= kAbsMultitouchFirst || axisIndexByCode[static_cast<std::size_t>(axis.code)] >= 0)
            continue;
        axisIndexByCode[static_cast<std::size_t>(axis.code)] = static_cast<int>(current.axes.size());
        current.axes.push_back(axis);
    }
    assignRoles(current);
    std::vector<int> keys;
    for (int code : keyCodes)
        if (code >= 0 && code <= kKeyMax)
            keys.push_back(code);
    current.buttonCodes = gameButtonOrder(keys);
    current.buttonsDown.assign(current.buttonCodes.size(), false);
    for (std::size_t i = 0; i < current.buttonCodes.size(); ++i)
        buttonIndexByCode[static_cast<std::size_t>(current.buttonCodes[i])] = static_cast<int>(i);
    for (int code : keysDown)
        if (code >= 0 && code <= kKeyMax && buttonIndexByCode[static_cast<std::size_t>(code)] >= 0)
            current.buttonsDown[static_cast<std::size_t>(buttonIndexByCode[static_cast<std::size_t>(code)])] = true;
}

bool WheelStateFolder::apply(unsigned type, unsigned code, int value, qint64 timeUs)
{
    if (type == kEvSyn && code == kSynReport) {
        current.lastEventUs = timeUs;
        ++current.reports;
        return true;
    }
    if (type == kEvAbs && code < axisIndexByCode.size()) {
        const int index = axisIndexByCode[code];
        if (index >= 0)
            current.axes[static_cast<std::size_t>(index)].value = value;
    } else if (type == kEvKey && code < buttonIndexByCode.size()) {
        const int index = buttonIndexByCode[code];
        if (index >= 0)
            current.buttonsDown[static_cast<std::size_t>(index)] = value != 0;
    }
    return false;
}

void WheelStateFolder::setFuzzFlat(int code, int fuzz, int flat)
{
    if (code < 0 || static_cast<std::size_t>(code) >= axisIndexByCode.size())
        return;
    const int index = axisIndexByCode[static_cast<std::size_t>(code)];
    if (index >= 0) {
        current.axes[static_cast<std::size_t>(index)].fuzz = fuzz;
        current.axes[static_cast<std::size_t>(index)].flat = flat;
    }
}
