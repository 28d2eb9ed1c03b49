// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/cornerbutton.h"

// The window's way to its other windows: one button in the top-right corner
// of its parent whose menu asks for the game profiles, the history or the
// wheel test. It opens its menu on a click or on Space.
class ToolsButton : public CornerButton
{
    Q_OBJECT

public:
    explicit ToolsButton(QWidget *parent);

signals:
    void gameProfilesRequested();
    void historyRequested();
    void wheelTestRequested();

private:
    void addEntry(const QString &text, const char *objectName, void (ToolsButton::*request)());
};
