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
    setText(QStringLiteral("**New version of Vellox Wheel Setup (%1) is available!**").arg(text));
    downloadButton =
        addButton(QCoreApplication::translate("MainWindow", "Download and update"), QMessageBox::ActionRole);
    skipButton = addButton(QStringLiteral("Skip version ") + text, QMessageBox::ActionRole);
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
