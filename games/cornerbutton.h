// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

// A tool button that keeps itself in the top-right corner of its parent,
// outside any layout: it takes no room from the parent's layout and leaves
// the parent's size hints, and with them the window's size, as they were.
class CornerButton : public QToolButton
{
    Q_OBJECT

public:
    CornerButton(const QString &text, QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Sizes the button to its contents and puts it into the corner again.
    void place();
};
