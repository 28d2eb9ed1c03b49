// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/wheelmonitor.h"

#include "input/wheelinput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

WheelMonitor::WheelMonitor(WheelInput *source, Format lineFormat, QObject *parent)
    : QObject(parent), input(source), format(lineFormat)
{
    pacer.setInterval(20);
    connect(&pacer, &QTimer::timeout, this, &WheelMonitor::emitLine);
    connect(input, &WheelInput::stateChanged, this, [this] { dirty = true; });
    connect(input, &WheelInput::nodeLost, this, [this](const QString &why) {
        pacer.stop();
        emit finished(why);
    });
    pacer.start();
}

void WheelMonitor::setMotionRange(int degrees)
{
    if (degrees != motionRange) {
        motionRange = degrees;
        dirty = true;
    }
}

void WheelMonitor::setInterval(int milliseconds)
{
    pacer.setInterval(milliseconds);
}

void WheelMonitor::emitLine()
{
    if (!dirty || !input->isOpen())
        return;
    dirty = false;
    const WheelState &state = input->state();
    emit line(format == Format::JsonLines ? jsonLine(state, motionRange) : textLine(state, motionRange));
}

namespace {

QList<int> pressedButtons(const WheelState &state)
{
    QList<int> numbers;
    for (std::size_t i = 0; i < state.buttonsDown.size(); ++i)
        if (state.buttonsDown[i])
            numbers << static_cast<int>(i) + 1;
    return numbers;
}

QString hat(const WheelState &state)
{
    if (state.hatX < 0 && state.hatY < 0)
        return {};
    const int x = state.hatX >= 0 ? state.axes[static_cast<std::size_t>(state.hatX)].value : 0;
    const int y = state.hatY >= 0 ? state.axes[static_cast<std::size_t>(state.hatY)].value : 0;
    return hatDirection(x, y);
}

} // namespace

QString WheelMonitor::textLine(const WheelState &state, int motionRange)
{
    QStringList parts;
    if (state.steering >= 0) {
        const double angle = steeringAngle(state.axes[static_cast<std::size_t>(state.steering)], motionRange);
        parts << (std::isnan(angle) ? QStringLiteral("angle=?") : QStringLiteral("angle=%1").arg(roundedAngle(angle), 0, 'f', 1));
    }
    for (int index : state.otherAxes()) {
        const AxisState &axis = state.axes[static_cast<std::size_t>(index)];
        parts << QStringLiteral("%1=%2(%3%)").arg(axisName(axis.code)).arg(axis.value).arg(axisPercent(axis));
    }
    QStringList buttons;
    for (int number : pressedButtons(state))
        buttons << QString::number(number);
    parts << QStringLiteral("buttons=%1").arg(buttons.join(QLatin1Char(',')));
    const QString hatDirection = hat(state);
    if (!hatDirection.isEmpty())
        parts << QStringLiteral("hat=%1").arg(hatDirection);
    return parts.join(QLatin1Char(' '));
}

QString WheelMonitor::jsonLine(const WheelState &state, int motionRange)
{
    QJsonObject object;
    if (state.steering >= 0) {
        const double angle = steeringAngle(state.axes[static_cast<std::size_t>(state.steering)], motionRange);
        object.insert(QStringLiteral("angle"), std::isnan(angle) ? QJsonValue() : QJsonValue(roundedAngle(angle)));
    }
    object.insert(QStringLiteral("motion_range"), motionRange);
    QJsonObject axes;
    for (int index : state.otherAxes()) {
        const AxisState &axis = state.axes[static_cast<std::size_t>(index)];
        axes.insert(axisKey(axis.code), QJsonObject{{QStringLiteral("value"), axis.value},
                                                     {QStringLiteral("percent"), axisPercent(axis)}});
    }
    object.insert(QStringLiteral("axes"), axes);
    QJsonArray buttons;
    for (int number : pressedButtons(state))
        buttons.append(number);
    object.insert(QStringLiteral("buttons"), buttons);
    const QString hatDirection = hat(state);
    if (!hatDirection.isEmpty())
        object.insert(QStringLiteral("hat"), hatDirection);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}
