// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a command's --output goes: standard output for "-" or no --output;
// otherwise a regular file, replaced whole, or a new one. A FIFO, a device
// or a folder is refused: writing could block, reach hardware, or replace
// the node with a file; so is another user's link.

#include <QByteArray>
#include <QString>

bool isStandardOutput(const QString &output);

struct OutputWritten {
    int status; // an exitstatus
    QString error;
};

OutputWritten writeOutputFile(const QString &path, const QByteArray &bytes);
