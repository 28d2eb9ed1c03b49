// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>

class QPushButton;

// The warning shown when the controller's firmware is not this tool's
// version: OK reads the settings anyway, "Latest version" asks for the
// downloads page, and anything else leaves the controller alone.
class FirmwareWarning : public QMessageBox
{
    Q_OBJECT

public:
    FirmwareWarning();

    bool latestVersionChosen() const;
    bool readAnywayChosen() const;

private:
    QPushButton *latestVersionButton;
};
