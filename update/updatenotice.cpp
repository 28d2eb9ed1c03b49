// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/updatenotice.h"

#include <QCoreApplication>
#include <QPushButton>

namespace update {

UpdateNotice::UpdateNotice(const QString &title, const ManifestVersion &version)
    : QMessageBox(nullptr)
{
    // Markdown renders links and images: the only variable part is the
    // version text, which is made of the two known type texts and numbers.
    const QString text = versionText(version);
    setWindowTitle(title);
    setTextFormat(Qt::MarkdownText);
    // The notice speaks for the main window: its texts share that context.
    //: Markdown: the text between ** is shown in bold; %1 is the version, e.g. RC.24.1.5.
    setText(QCoreApplication::translate("MainWindow", "**New version of Vellox Wheel Setup (%1) is available!**")
                .arg(text));
    downloadButton =
        addButton(QCoreApplication::translate("MainWindow", "Download and update"), QMessageBox::ActionRole);
    //: %1 is the version, e.g. RC.24.1.5.
    skipButton = addButton(QCoreApplication::translate("MainWindow", "Skip version %1").arg(text),
                           QMessageBox::ActionRole);
    setStandardButtons(QMessageBox::NoButton);
    setSizeGripEnabled(true);
    downloadButton->setFocus();
}

UpdateNotice::Answer UpdateNotice::answer() const
{
    const QAbstractButton *clicked = clickedButton();
    if (clicked && clicked == downloadButton)
        return Answer::Download;
    if (clicked && clicked == skipButton)
        return Answer::Skip;
    return Answer::None;
}

} // namespace update
