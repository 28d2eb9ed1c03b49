// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/controllerlisting.h"

#include "device/deviceaccess.h"
#include "device/devicereports.h"

#include <hidapi.h>

#include <cerrno>
#include <cstring>

QVector<ControllerListing> listControllerNodes()
{
    QVector<ControllerListing> listings;
    hid_device_info *devices = hid_enumerate(DEVICE_VENDOR_ID, DEVICE_PRODUCT_ID);
    for (const hid_device_info *info = devices; info; info = info->next) {
        if (info->interface_number != DEVICE_INTERFACE_NUMBER || !info->path)
            continue;
        ControllerListing listing;
        listing.node = QString::fromLocal8Bit(info->path);
        errno = 0;
        hid_device *handle = hid_open_path(info->path);
        const int openError = errno;
        if (!handle) {
            listing.accessDenied = deviceNodeAccessDenied(info->path, openError);
        } else {
            HidInOutReportTypeDef buffer;
            buffer.report_id = REPORT_ID_FIRMWARE_INFO;
            if (hid_get_feature_report(handle, &buffer.report_id, HID_REPORT_SIZE) >=
                static_cast<int>(HID_REPORT_SIZE)) {
                FirmwareVersionTypeDef version;
                std::memcpy(&version, &buffer.command, sizeof version);
                listing.firmwareVersionText = versionText(version);
            }
            hid_close(handle);
        }
        listings.append(listing);
    }
    hid_free_enumeration(devices);
    return listings;
}
