// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/wheelnodetracker.h"

#include "input/joysticknode.h"
#include "input/kerneldeadzone.h"

#include <QCoreApplication>

namespace {
// The input node follows the hidraw node within milliseconds, but udev may
// take seconds to hand it over on a busy system: look often at first, then
// now and then for as long as the controller stays.
constexpr int kRetryMs = 250;
constexpr int kFastAttempts = 20;
constexpr int kSlowRetryMs = 2000;
} // namespace

WheelNodeTracker::WheelNodeTracker(std::function<QString()> devicePath, QObject *parent)
    : QObject(parent), openDevicePath(std::move(devicePath))
{
    retry.setInterval(kRetryMs);
    connect(&retry, &QTimer::timeout, this, &WheelNodeTracker::lookUp);
}

QString WheelNodeTracker::node() const
{
    return current;
}

QString WheelNodeTracker::problem() const
{
    return problemText;
}

void WheelNodeTracker::setRemoveDeadZoneAtPlugIn(bool on)
{
    removeDeadZone = on;
}

bool WheelNodeTracker::removesDeadZoneAtPlugIn() const
{
    return removeDeadZone;
}

void WheelNodeTracker::controllerConnected()
{
    attemptsLeft = kFastAttempts;
    retry.setInterval(kRetryMs);
    connected = true;
    lookUp();
}

void WheelNodeTracker::controllerDisconnected()
{
    retry.stop();
    connected = false;
    if (!current.isEmpty()) {
        current.clear();
        emit nodeLost();
    }
    setProblem(QCoreApplication::translate("JoystickNode", "No controller is connected."));
}

void WheelNodeTracker::lookUp()
{
    const JoystickNode found = JoystickNode::forHidraw(openDevicePath());
    if (found.path.isEmpty()) {
        setProblem(found.problem);
        if (!connected)
            return;
        if (--attemptsLeft <= 0)
            retry.setInterval(kSlowRetryMs);
        if (!retry.isActive())
            retry.start();
        return;
    }
    retry.stop();
    const QString access = JoystickNode::accessProblem(found.path);
    setProblem(access);
    if (found.path == current)
        return;
    if (!current.isEmpty())
        emit nodeLost();
    current = found.path;
    if (removeDeadZone && access.isEmpty()) {
        QString error;
        if (!KernelDeadZone::removeAt(current, &error))
            setProblem(error);
    }
    emit nodeFound(current);
}

void WheelNodeTracker::setProblem(const QString &text)
{
    if (text == problemText)
        return;
    problemText = text;
    emit problemChanged(text);
}
