// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/firmwarewarning.h"

#include <QCoreApplication>
#include <QPushButton>

FirmwareWarning::FirmwareWarning()
{
    // The warning speaks for the main window: its texts share that context.
    setTextFormat(Qt::MarkdownText);
    setWindowTitle(QCoreApplication::translate("MainWindow", "Version mismatch!"));
    //: Markdown: the text between ** is shown in bold.
    setText(QCoreApplication::translate("MainWindow",
                                        "Changing settings with software not matching firmware version can cause "
                                        "unexpected device behaviour!\n\r **Consider using matching versions of "
                                        "Vellox Setup and firmware.**"));
    setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    latestVersionButton = addButton(QCoreApplication::translate("MainWindow", "Latest version"), QMessageBox::ActionRole);
    setIcon(QMessageBox::Warning);
    latestVersionButton->setFocus();
}

bool FirmwareWarning::latestVersionChosen() const
{
    return clickedButton() && clickedButton() == latestVersionButton;
}

bool FirmwareWarning::readAnywayChosen() const
{
    return clickedButton() && clickedButton() == button(QMessageBox::Ok);
}
