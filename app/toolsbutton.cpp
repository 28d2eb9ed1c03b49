// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolsbutton.h"

#include <QAction>
#include <QMenu>

ToolsButton::ToolsButton(QWidget *parent)
    : CornerButton(tr("Tools"), parent)
{
    setObjectName(QStringLiteral("tools_button"));
    setAccessibleName(tr("Tools"));
    setPopupMode(QToolButton::InstantPopup);
    setMenu(new QMenu(this));
    addEntry(tr("Game profiles…"), "game_profiles_action", &ToolsButton::gameProfilesRequested);
    addEntry(tr("History…"), "history_action", &ToolsButton::historyRequested);
    addEntry(tr("Wheel test…"), "wheel_test_action", &ToolsButton::wheelTestRequested);
    // The menu's arrow takes room too: the button sizes to both.
    place();
}

void ToolsButton::addEntry(const QString &text, const char *objectName, void (ToolsButton::*request)())
{
    QAction *action = menu()->addAction(text);
    action->setObjectName(QString::fromLatin1(objectName));
    connect(action, &QAction::triggered, this, request);
}
