// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/manifest.h"

#include <QMessageBox>

class QPushButton;

namespace update {

// The notice that announces a newer release: a parentless message box with
// "Download and update" and "Skip version <version>". It has no standard
// buttons and no escape button, so only its two buttons answer it.
class UpdateNotice : public QMessageBox
{
    Q_OBJECT

public:
    enum class Answer { None, Download, Skip };

    // `version` must be valid; its text is built from the parsed numbers.
    UpdateNotice(const QString &title, const ManifestVersion &version);

    // Which button ended the notice (None while open, or when closed otherwise).
    Answer answer() const;

private:
    QPushButton *downloadButton = nullptr;
    QPushButton *skipButton = nullptr;
};

} // namespace update
