// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the command-line figure: what applying a profile takes at the
// least. Opens the controller, waits for its first input report, reads the
// four settings records and writes the given frames, with hidapi alone.
// Usage: command_floor FRAMES_FILE   (65-byte frames, back to back)

#include <hidapi.h>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    std::vector<unsigned char> frames;
    if (FILE *file = std::fopen(argv[1], "rb")) {
        unsigned char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            frames.insert(frames.end(), buffer, buffer + got);
        std::fclose(file);
    }
    if (hid_init() != 0)
        return 1;
    hid_device_info *devices = hid_enumerate(0x045B, 0x59D7);
    hid_device *device = nullptr;
    for (hid_device_info *info = devices; info && !device; info = info->next) {
        if (info->interface_number == 0 && info->path)
            device = hid_open_path(info->path);
    }
    hid_free_enumeration(devices);
    if (!device)
        return 3;
    unsigned char report[65] = {};
    int status = 0;
    if (hid_read_timeout(device, report, sizeof report, 1000) <= 0)
        status = 3;
    const unsigned char recordIds[] = {0x21, 0xA2, 0xA1, 0x22};
    for (const unsigned char id : recordIds) {
        report[0] = id;
        if (status == 0 && hid_get_feature_report(device, report, sizeof report) < 65)
            status = 1;
    }
    for (size_t at = 0; status == 0 && at + 65 <= frames.size(); at += 65) {
        if (hid_write(device, frames.data() + at, 65) < 0)
            status = 1;
    }
    hid_close(device);
    hid_exit();
    return status;
}
