// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// Follows the controller the tool has open to its joystick node: looks the
// node up when the controller connects (again for a while if the node comes
// up later than the hidraw node) and drops it when the controller leaves.
class WheelNodeTracker : public QObject
{
    Q_OBJECT

public:
    // openDevicePath gives the hidraw node the tool has open (empty when none).
    explicit WheelNodeTracker(std::function<QString()> openDevicePath, QObject *parent = nullptr);

    QString node() const;
    QString problem() const;
    // Whether the kernel's dead zone is removed each time the node appears.
    void setRemoveDeadZoneAtPlugIn(bool on);
    bool removesDeadZoneAtPlugIn() const;

public slots:
    void controllerConnected();
    void controllerDisconnected();

signals:
    void nodeFound(const QString &eventPath);
    void nodeLost();
    void problemChanged(const QString &text);

private:
    void lookUp();
    void setProblem(const QString &text);

    std::function<QString()> openDevicePath;
    QString current;
    QString problemText;
    QTimer retry;
    int attemptsLeft = 0;
    bool connected = false;
    bool removeDeadZone = false;
};
