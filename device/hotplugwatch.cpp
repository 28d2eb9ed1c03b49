// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hotplugwatch.h"

#include "device/devicereports.h"
#include "device/udevhotplugwatch.h"

namespace {

HotplugWatch::Factory &factoryOverride()
{
    static HotplugWatch::Factory factory;
    return factory;
}

// udev writes the ids as four lower-case hex digits; accept either case.
bool isHexId(const QByteArray &text, unsigned short id)
{
    if (text.size() != 4)
        return false;
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    return ok && value == id;
}

} // namespace

HotplugWatch::HotplugWatch(QObject *parent)
    : QObject(parent)
{
}

HotplugWatch *HotplugWatch::create(QObject *parent)
{
    if (const Factory &factory = factoryOverride())
        return factory(parent);
    return new UdevHotplugWatch(parent);
}

void HotplugWatch::setFactory(Factory factory)
{
    factoryOverride() = std::move(factory);
}

bool HotplugWatch::isControllerNode(const HotplugEvent &event)
{
    return event.deviceNode.startsWith('/') && isHexId(event.usbVendorId, DEVICE_VENDOR_ID)
           && isHexId(event.usbProductId, DEVICE_PRODUCT_ID);
}

void HotplugWatch::rememberControllerNode(const QByteArray &deviceNode)
{
    controllerNodes.insert(deviceNode);
}

void HotplugWatch::handleEvent(const HotplugEvent &event)
{
    if (event.action == "add") {
        if (!isControllerNode(event))
            return;
        controllerNodes.insert(event.deviceNode);
        emit controllerNodeAppeared(QString::fromLocal8Bit(event.deviceNode));
    } else if (event.action == "remove") {
        // A node that is gone has no USB parent left to ask; only nodes seen
        // as the controller's count.
        if (event.deviceNode.isEmpty() || !controllerNodes.remove(event.deviceNode))
            return;
        emit controllerNodeDisappeared(QString::fromLocal8Bit(event.deviceNode));
    }
}
