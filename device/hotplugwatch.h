// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

// One hidraw event as the system reported it. A field the event did not carry
// stays empty.
struct HotplugEvent
{
    QByteArray action;       // "add", "remove", ...
    QByteArray deviceNode;   // "/dev/hidraw3"
    QByteArray usbVendorId;  // idVendor of the USB device the node belongs to, hex ("045b")
    QByteArray usbProductId; // idProduct, hex ("59d7")
};

// Tells the device link when a hidraw node of the controller appears or goes
// away, so it can look for the controller at once instead of at its next
// periodic enumeration. A watch only hints: the link still finds, opens and
// watches the controller itself, and keeps enumerating periodically. A watch
// that has no event source (no udev, as in a container) simply never signals.
//
// Events for anything but the controller's own node are dropped here, in one
// place for every event source.
class HotplugWatch : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<HotplugWatch *(QObject *parent)>;

    // The watch the device link uses: the factory's, if one is set, else the
    // udev watch. Call on the thread the watch is to live on.
    static HotplugWatch *create(QObject *parent);
    // Replaces the udev watch (for tests); an empty factory restores it. Set
    // it before the device link starts.
    static void setFactory(Factory factory);

signals:
    void controllerNodeAppeared(const QString &path);
    void controllerNodeDisappeared(const QString &path);

protected:
    explicit HotplugWatch(QObject *parent);

    void handleEvent(const HotplugEvent &event);
    // A controller node that was there before the watch began: its removal
    // counts, although its arrival was never seen.
    void rememberControllerNode(const QByteArray &deviceNode);

    static bool isControllerNode(const HotplugEvent &event);

private:
    QSet<QByteArray> controllerNodes;
};
